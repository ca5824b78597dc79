// Reading and writing stand files, and the tree sort that goes with saving.

#include "model/StandFile.h"

#include "model/Ages.h"
#include "model/AssortmentSums.h"
#include "model/PartitionSort.h"
#include "model/Phase.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"
#include "platform/LittleEndian.h"

#include <cmath>
#include <algorithm>
#include <cstring>
#include <vector>

namespace standfile {
namespace {

// ---- Little-endian fields ----

class Writer {
 public:
  explicit Writer(qint64 expected) { bytes_.resize(static_cast<qsizetype>(expected)); }
  void I32(int32_t v) { platform::StoreI32LE(Room(4), v); }
  // A byte choice and the padding to the next word.
  void I8(int32_t v) {
    char* p = Room(4);
    p[0] = static_cast<char>(static_cast<int8_t>(v));
    p[1] = p[2] = p[3] = '\0';
  }
  void F32(float v) { platform::StoreF32LE(Room(4), v); }
  void Bytes(const char* from, int n) { std::memcpy(Room(n), from, static_cast<size_t>(n)); }
  // A NUL-terminated cp1252 text in a field of the given width.
  void Text(const QString& text, int width) {
    QByteArray b = platform::EncodeCp1252(text);
    const int nul = b.indexOf('\0');
    if (nul >= 0) b.truncate(nul);
    if (b.size() > width - 1) b.truncate(width - 1);
    char* p = Room(width);
    std::memcpy(p, b.constData(), static_cast<size_t>(b.size()));
    std::memset(p + b.size(), 0, static_cast<size_t>(width - b.size()));
  }
  QByteArray& Result() {
    bytes_.truncate(static_cast<qsizetype>(used_));
    return bytes_;
  }

 private:
  char* Room(int n) {
    if (used_ + n > bytes_.size()) bytes_.resize((used_ + n) * 2);
    char* p = bytes_.data() + used_;
    used_ += n;
    return p;
  }
  QByteArray bytes_;
  qsizetype used_ = 0;
};

class Reader {
 public:
  explicit Reader(const char* p) : p_(p) {}
  int32_t I32() {
    const int32_t v = platform::LoadI32LE(p_);
    p_ += 4;
    return v;
  }
  // A byte choice, sign-extended; skips its padding.
  int32_t I8() {
    const int32_t v = static_cast<int8_t>(*p_);
    p_ += 4;
    return v;
  }
  float F32() {
    const float v = platform::LoadF32LE(p_);
    p_ += 4;
    return v;
  }
  QString Text(int width) {
    int n = 0;
    while (n < width - 1 && p_[n] != '\0') ++n;
    const QString s = platform::DecodeCp1252(p_, n);
    p_ += width;
    return s;
  }
  void Skip(int n) { p_ += n; }
  const char* At() const { return p_; }

 private:
  const char* p_;
};

// ---- Records ----

void WriteHeader(Writer& w, const StandHeader& h) {
  w.Text(h.text0, StandHeader::kText0Width);
  w.Text(h.text1, StandHeader::kText1Width);
  w.Text(h.estateName, StandHeader::kEstateNameWidth);
  w.Text(h.standId, StandHeader::kStandIdWidth);
  w.Text(h.info, StandHeader::kInfoWidth);
  w.I32(h.developmentClass);
  w.I32(h.siteType);
  w.I32(h.measurementDay);
  w.I32(h.structureCode);
  w.F32(h.area);
  w.I32(h.modelEstate);
  w.Bytes(reinterpret_cast<const char*>(h.reserved.data()), static_cast<int>(h.reserved.size()));
}

StandHeader ReadHeader(Reader& r) {
  StandHeader h;
  h.text0 = r.Text(StandHeader::kText0Width);
  h.text1 = r.Text(StandHeader::kText1Width);
  h.estateName = r.Text(StandHeader::kEstateNameWidth);
  h.standId = r.Text(StandHeader::kStandIdWidth);
  h.info = r.Text(StandHeader::kInfoWidth);
  h.developmentClass = r.I32();
  h.siteType = r.I32();
  h.measurementDay = r.I32();
  h.structureCode = r.I32();
  h.area = r.F32();
  h.modelEstate = r.I32();
  std::memcpy(h.reserved.data(), r.At(), h.reserved.size());
  r.Skip(static_cast<int>(h.reserved.size()));
  return h;
}

void WriteBlocksChoicesSlots(Writer& w, const data& s) {
  for (const SpeciesBlock& b : s.SpeciesBlocks) {
    for (int32_t v : b.words) w.I32(v);
  }
  const auto& c = s.Regeneration.choice;
  w.I8(c[0]);
  w.I32(c[1]);
  w.I8(c[2]);
  w.I32(c[3]);
  // Choices 4 and 5 share one word: two bytes and two bytes of padding.
  const char pair[4] = {static_cast<char>(static_cast<int8_t>(c[4])),
                        static_cast<char>(static_cast<int8_t>(c[5])), 0, 0};
  w.Bytes(pair, 4);
  w.I32(c[6]);
  w.I32(c[7]);
  w.I32(c[8]);
  for (int32_t v : s.Regeneration.reserved) w.I32(v);
  for (const PhaseSlot& slot : s.Slots) {
    w.Text(slot.name, PhaseSlot::kNameWidth);
    w.I32(slot.years);
    w.I32(slot.stems);
    for (int32_t v : slot.volumes) w.I32(v);
    w.F32(slot.basalArea);
    w.F32(slot.meanDiameter);
    w.F32(slot.meanHeight);
    for (int32_t v : slot.reserved) w.I32(v);
  }
}

void WriteTreesAndSizes(Writer& w, const data& s) {
  for (const TreeRecord& t : s.Trees) {
    w.F32(t.x);
    w.F32(t.y);
    w.F32(t.diameter);
    w.F32(t.height);
    w.I32(t.removedBy);
    w.I32(t.species);
    for (int32_t v : t.reserved) w.I32(v);
  }
  const int g = s.GrowthStepCount();
  for (int step = 1; step <= g && step <= 2; ++step) {
    const GrownSizeArray& a = step == 1 ? s.GrownSizes1 : s.GrownSizes2;
    const bool have = a.size() == s.Trees.size();
    // A missing array would leave the file shorter than its slots promise;
    // the measured sizes keep it readable.
    for (size_t i = 0; i < s.Trees.size(); ++i) {
      w.F32(have ? a[i].diameter : s.Trees[i].diameter);
      w.F32(have ? a[i].height : s.Trees[i].height);
    }
  }
}

bool Finite(float v) { return std::isfinite(v); }

// ---- What a stand file may hold ----
// The reader refuses a file, and the writers refuse a stand, by the same
// checks: a file that is written always reads back.

// Limits that no real stand comes near; beyond them sums would overflow.
constexpr float kMaxArea = 1000.0f;        // hectares
constexpr int32_t kMaxSlotVolume = 100000;  // m3/ha of one assortment
constexpr int32_t kMaxGrowingYears = 20;    // of one growing step
constexpr int kMaxGrowthSteps = 2;

// Tree sizes (1/100 cm, cm) and plot positions far beyond any real tree are
// refused, so that every later sum and conversion stays in range.
constexpr float kMaxTreeValue = 1.0e6f;
bool SizeIsSound(float v) { return Finite(v) && v >= 0.0f && v <= kMaxTreeValue; }
bool PositionIsSound(float v) { return Finite(v) && v >= -kMaxTreeValue && v <= kMaxTreeValue; }

bool SlotIsSound(const PhaseSlot& slot) {
  if (slot.stems < 0 || slot.stems > kMaxTreeCount) return false;
  for (int32_t v : slot.volumes) {
    if (v < 0 || v > kMaxSlotVolume) return false;
  }
  return Finite(slot.basalArea) && Finite(slot.meanDiameter) && Finite(slot.meanHeight);
}

bool TreeIsSound(const TreeRecord& t) {
  return t.species >= 0 && t.species <= SpeciesAlder && t.removedBy >= 0 && t.removedBy < kPhaseCount &&
         PositionIsSound(t.x) && PositionIsSound(t.y) && SizeIsSound(t.diameter) && SizeIsSound(t.height);
}

// The header, the species blocks and the slots. On Ok, n is the tree count
// of the blocks (the sum of their stems) and g the number of growing steps.
StandFileStatus CheckFixedRecords(const StandHeader& header,
                                  const std::array<SpeciesBlock, kSpeciesSlots>& blocks,
                                  const std::array<PhaseSlot, kPhaseCount>& phaseSlots, int& n, int& g) {
  qint64 count = 0;
  for (const SpeciesBlock& b : blocks) {
    if (b.words[WordStems] < 0) return StandFileStatus::BadTreeCount;
    count += b.words[WordStems];
  }
  if (count > kMaxTreeCount) return StandFileStatus::BadTreeCount;
  // The ages are used as they stand (the stand-age dialog's list runs from
  // the first candidate age, a growth adds years to the stand age): an age
  // no stand is ever given is damage.
  const int largestFirstAge = LargestFirstCandidateAge();
  const int largestAge = LargestStandAge();
  for (const SpeciesBlock& b : blocks) {
    if (b.words[WordFirstAge] < 0 || b.words[WordFirstAge] > largestFirstAge || b.words[WordAge] < 0 ||
        b.words[WordAge] > largestAge)
      return StandFileStatus::BadAges;
  }
  n = static_cast<int>(count);
  g = 0;
  for (const PhaseSlot& slot : phaseSlots) {
    if (slot.years < 0 || slot.years > kMaxGrowingYears) return StandFileStatus::BadGrowthSteps;
    if (slot.years != 0) ++g;
    if (!SlotIsSound(slot)) return StandFileStatus::BadSlot;
  }
  if (g > kMaxGrowthSteps) return StandFileStatus::BadGrowthSteps;
  if (!Finite(header.area) || header.area < 0.0f || header.area > kMaxArea) return StandFileStatus::BadHeader;
  return StandFileStatus::Ok;
}

// The trees and the sizes of the first g growing steps. A step whose sizes
// are missing is written with the measured sizes, which the trees' own check
// covers.
StandFileStatus CheckTrees(const data& s, int g) {
  for (const TreeRecord& t : s.Trees) {
    if (!TreeIsSound(t)) return StandFileStatus::BadTreeRecord;
  }
  for (int step = 1; step <= g; ++step) {
    for (const GrownSize& size : step == 1 ? s.GrownSizes1 : s.GrownSizes2) {
      if (!SizeIsSound(size.diameter) || !SizeIsSound(size.height)) return StandFileStatus::BadTreeRecord;
    }
  }
  return StandFileStatus::Ok;
}

StandFileStatus Refused(StandFileStatus status, QString* error) {
  if (error) *error = StandFileStatusText(status);
  return status;
}

// Reads the start of an existing file (platform::ReadFileStart: a pipe, a
// device or a folder of that name is not read); the reason in error when it
// cannot be read.
StandFileStatus ReadExisting(const QString& path, qint64 maxBytes, platform::FileStart& read, QString* error,
                             bool wholeOnly = false) {
  read = platform::ReadFileStart(path, maxBytes, wholeOnly);
  if (read.state == platform::ReadOpen::Opened) return StandFileStatus::Ok;
  if (error) *error = read.reason;
  return StandFileStatus::CannotOpen;
}

// Reads a file whole, and tells which file was read in identity when given.
// A file longer than any stand file can be is refused without reading it.
StandFileStatus ReadWholeFile(const QString& path, QByteArray& out, QString* error = nullptr,
                              platform::FileIdentity* identity = nullptr) {
  const qint64 longest = FileLength(kMaxTreeCount, kMaxGrowthSteps);
  platform::FileStart read;
  const StandFileStatus status = ReadExisting(path, longest, read, error, true);
  if (status != StandFileStatus::Ok) return status;
  if (read.size > longest) return Refused(StandFileStatus::LengthMismatch, error);
  out = std::move(read.bytes);
  if (identity) *identity = read.identity;
  return StandFileStatus::Ok;
}

// Reads and checks a whole stand file into a new object.
StandFileStatus LoadStand(const QString& path, std::unique_ptr<data>& out) {
  QByteArray bytes;
  const StandFileStatus status = ReadWholeFile(path, bytes);
  return status == StandFileStatus::Ok ? DecodeStand(bytes, out) : status;
}

// Writes a file whole; with `replacing`, only over that file (the one the
// caller read and checked), never over what the name leads to meanwhile.
StandFileStatus WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error,
                               const platform::FileIdentity* replacing = nullptr) {
  return platform::WriteFileAtomically(path, bytes, error, replacing) ? StandFileStatus::Ok
                                                                      : StandFileStatus::WriteFailed;
}

}  // namespace

qint64 FileLength(int n, int g) {
  return kTreesOffset + static_cast<qint64>(n) * (kTreeBytes + g * kGrownSizeBytes);
}

QByteArray EncodeHeader(const StandHeader& header) {
  Writer w(StandHeader::kBytes);
  WriteHeader(w, header);
  return w.Result();
}

StandHeader DecodeHeader(const char* bytes) {
  Reader r(bytes);
  return ReadHeader(r);
}

QByteArray EncodeStand(const data& stand) {
  Writer w(FileLength(stand.TreeCount(), stand.GrowthStepCount()));
  WriteHeader(w, stand.Header);
  WriteBlocksChoicesSlots(w, stand);
  WriteTreesAndSizes(w, stand);
  return w.Result();
}

bool SameStandHeader(const StandHeader& onDisk, const StandHeader& own) {
  // The object's header as its file holds it: texts cut to their fields and
  // through cp1252.
  const StandHeader written = DecodeHeader(EncodeHeader(own).constData());
  return onDisk.standId == written.standId && onDisk.estateName == written.estateName &&
         onDisk.measurementDay == written.measurementDay;
}

int NamedStepCount(const data& stand) {
  int named = 0;
  for (int k = 1; k < kPhaseCount; ++k) {
    if (!stand.Slots[k].name.isEmpty()) ++named;
  }
  return named;
}

StandFileStatus CheckStand(const data& stand, const StandHeader& header) {
  int n = 0;
  int g = 0;
  const StandFileStatus status = CheckFixedRecords(header, stand.SpeciesBlocks, stand.Slots, n, g);
  if (status != StandFileStatus::Ok) return status;
  // The file holds as many tree records as the blocks count.
  if (n != stand.TreeCount()) return StandFileStatus::BadTreeCount;
  return CheckTrees(stand, g);
}

StandFileStatus DecodeSummary(const char* bytes, qint64 available, qint64 fileSize, StandSummary& out) {
  if (available < kTreesOffset || fileSize < kTreesOffset) return StandFileStatus::TooShort;
  Reader r(bytes);
  StandSummary s;
  s.header = ReadHeader(r);

  for (SpeciesBlock& b : s.blocks) {
    for (int32_t& v : b.words) v = r.I32();
  }

  RegenerationChoices& choices = s.regeneration;
  choices.choice[0] = r.I8();
  choices.choice[1] = r.I32();
  choices.choice[2] = r.I8();
  choices.choice[3] = r.I32();
  choices.choice[4] = static_cast<int8_t>(r.At()[0]);
  choices.choice[5] = static_cast<int8_t>(r.At()[1]);
  r.Skip(4);
  choices.choice[6] = r.I32();
  choices.choice[7] = r.I32();
  choices.choice[8] = r.I32();
  for (int32_t& v : choices.reserved) v = r.I32();

  for (PhaseSlot& slot : s.phaseSlots) {
    slot.name = r.Text(PhaseSlot::kNameWidth);
    slot.years = r.I32();
    slot.stems = r.I32();
    for (int32_t& v : slot.volumes) v = r.I32();
    slot.basalArea = r.F32();
    slot.meanDiameter = r.F32();
    slot.meanHeight = r.F32();
    for (int32_t& v : slot.reserved) v = r.I32();
  }
  // The tree count and the growing steps give the length of the rest.
  const StandFileStatus fixed =
      CheckFixedRecords(s.header, s.blocks, s.phaseSlots, s.treeCount, s.growthSteps);
  if (fixed != StandFileStatus::Ok) return fixed;
  // The number of candidate ages only sets how many ages after the first
  // the stand-age dialog offers: a number the program never writes is held
  // to the most it offers from that first age.
  for (int k = 0; k < kSpeciesSlots; ++k) {
    int32_t& count = s.blocks[k].words[WordAgeCount];
    count = std::clamp(count, 0, LargestAgeChoiceCount(k, s.blocks[k].words[WordFirstAge]));
  }
  if (fileSize != FileLength(s.treeCount, s.growthSteps)) return StandFileStatus::LengthMismatch;
  out = std::move(s);
  return StandFileStatus::Ok;
}

StandFileStatus ReadStandSummary(const QString& path, StandSummary& out) {
  platform::FileStart read;
  if (ReadExisting(path, kTreesOffset, read, nullptr) != StandFileStatus::Ok) return StandFileStatus::CannotOpen;
  if (read.bytes.size() < kTreesOffset) return StandFileStatus::TooShort;
  return DecodeSummary(read.bytes.constData(), read.bytes.size(), read.size, out);
}

StandFileStatus DecodeStand(const QByteArray& bytes, std::unique_ptr<data>& out) {
  StandSummary summary;
  const StandFileStatus status = DecodeSummary(bytes.constData(), bytes.size(), bytes.size(), summary);
  if (status != StandFileStatus::Ok) return status;
  const int count = summary.treeCount;
  const int g = summary.growthSteps;
  Reader r(bytes.constData() + kTreesOffset);

  auto stand = std::make_unique<data>(count);
  for (TreeRecord& t : stand->Trees) {
    t.x = r.F32();
    t.y = r.F32();
    t.diameter = r.F32();
    t.height = r.F32();
    t.removedBy = r.I32();
    t.species = r.I32();
    for (int32_t& v : t.reserved) v = r.I32();
  }
  for (int step = 1; step <= g; ++step) {
    GrownSizeArray& a = step == 1 ? stand->GrownSizes1 : stand->GrownSizes2;
    a.resize(static_cast<size_t>(count));
    for (GrownSize& s : a) {
      s.diameter = r.F32();
      s.height = r.F32();
    }
  }
  const StandFileStatus trees = CheckTrees(*stand, g);
  if (trees != StandFileStatus::Ok) return trees;
  stand->Header = std::move(summary.header);
  stand->SpeciesBlocks = summary.blocks;
  stand->Regeneration = summary.regeneration;
  stand->Slots = std::move(summary.phaseSlots);
  out = std::move(stand);
  return StandFileStatus::Ok;
}

}  // namespace standfile

using namespace standfile;

QString StandFileStatusText(StandFileStatus status) {
  switch (status) {
    case StandFileStatus::Ok: return QString();
    case StandFileStatus::CannotOpen: return QString::fromUtf8("tiedostoa ei voitu avata");
    case StandFileStatus::TooShort: return QString::fromUtf8("tiedosto on liian lyhyt");
    case StandFileStatus::BadTreeCount:
      return QString::fromUtf8("puulajien runkoluvut eivät vastaa puiden määrää (enintään 12000)");
    case StandFileStatus::BadGrowthSteps:
      return QString::fromUtf8("kasvatusjaksoja on yli kaksi tai jakson pituus ei ole 0–20 vuotta");
    case StandFileStatus::LengthMismatch: return QString::fromUtf8("tiedoston pituus ei vastaa sen sisältöä");
    case StandFileStatus::BadHeader: return QString::fromUtf8("kuvion pinta-ala ei ole 0–1000 ha");
    case StandFileStatus::BadSlot: return QString::fromUtf8("jonkin vaiheen runkoluku, tilavuus tai keskiarvo on mahdoton");
    case StandFileStatus::BadTreeRecord:
      return QString::fromUtf8("jonkin puun laji, poistovaihe, sijainti tai koko on mahdoton");
    case StandFileStatus::BadAges: return QString::fromUtf8("jonkin puulajin ikä on mahdoton");
    case StandFileStatus::WriteFailed: return QString::fromUtf8("tiedostoa ei voitu kirjoittaa");
    case StandFileStatus::OtherStand: return QString::fromUtf8("tiedostossa on nyt toinen kuvio");
  }
  return QString();
}

StandFileStatus data::ReadStandFile(const QString& path, bool keepPhaseZero,
                                    std::unique_ptr<data>& out) {
  std::unique_ptr<data> stand;
  const StandFileStatus status = LoadStand(path, stand);
  if (status != StandFileStatus::Ok) return status;
  SetCurrentPhase(keepPhaseZero ? 0 : NamedStepCount(*stand));
  out = std::move(stand);
  return StandFileStatus::Ok;
}

StandFileStatus data::PreviewStandFile(const QString& path, std::unique_ptr<data>& out) {
  std::unique_ptr<data> stand;
  const StandFileStatus status = LoadStand(path, stand);
  if (status == StandFileStatus::Ok) out = std::move(stand);
  return status;
}

StandFileStatus data::ReadFile(const QString& path, bool keepPhaseZero) {
  std::unique_ptr<data> stand;
  const StandFileStatus status = ReadStandFile(path, keepPhaseZero, stand);
  if (status == StandFileStatus::Ok) *this = std::move(*stand);
  return status;
}

StandFileStatus data::PeekStandFile(const QString& path, int& treeCount, StandHeader* header) {
  std::unique_ptr<data> stand;
  const StandFileStatus status = LoadStand(path, stand);
  if (status != StandFileStatus::Ok) return status;
  treeCount = stand->TreeCount();
  if (header) *header = stand->Header;
  return StandFileStatus::Ok;
}

StandFileStatus data::WriteNewFile(const QString& path, QString* error) {
  const StandFileStatus sound = CheckStand(*this, Header);
  if (sound != StandFileStatus::Ok) return Refused(sound, error);
  SortTreesForSave(false, true);
  ResetRegenerationChoices();
  return WriteWholeFile(path, EncodeStand(*this), error);
}

StandFileStatus data::Save(const QString& path, QString* error) {
  // The header bytes stay exactly as they are on disk.
  platform::FileStart start;
  const StandFileStatus read = ReadExisting(path, StandHeader::kBytes, start, error);
  if (read != StandFileStatus::Ok) return read;
  const QByteArray& onDisk = start.bytes;
  if (onDisk.size() != StandHeader::kBytes) return Refused(StandFileStatus::TooShort, error);
  if (!SameStandHeader(DecodeHeader(onDisk.constData()), Header)) return Refused(StandFileStatus::OtherStand, error);
  const StandFileStatus sound = CheckStand(*this, DecodeHeader(onDisk.constData()));
  if (sound != StandFileStatus::Ok) return Refused(sound, error);
  SortTreesForSave(true, true);
  Writer w(FileLength(TreeCount(), GrowthStepCount()));
  w.Bytes(onDisk.constData(), StandHeader::kBytes);
  WriteBlocksChoicesSlots(w, *this);
  WriteTreesAndSizes(w, *this);
  SortTreesForSave(false, false);
  // The file whose header was checked is the one replaced.
  return WriteWholeFile(path, w.Result(), error, &start.identity);
}

StandFileStatus data::RewriteHeader(const QString& path, const StandHeader& header, QString* error) {
  QByteArray bytes;
  platform::FileIdentity checked;
  const StandFileStatus read = ReadWholeFile(path, bytes, error, &checked);
  if (read != StandFileStatus::Ok) return read;
  if (bytes.size() < StandHeader::kBytes) return Refused(StandFileStatus::TooShort, error);
  if (!SameStandHeader(DecodeHeader(bytes.constData()), Header)) return Refused(StandFileStatus::OtherStand, error);
  const QByteArray head = EncodeHeader(header);
  std::memcpy(bytes.data(), head.constData(), StandHeader::kBytes);
  // The file with its new header must read back.
  std::unique_ptr<data> check;
  const StandFileStatus sound = DecodeStand(bytes, check);
  if (sound != StandFileStatus::Ok) return Refused(sound, error);
  const StandFileStatus status = WriteWholeFile(path, bytes, error, &checked);
  if (status != StandFileStatus::Ok) return status;
  Header = header;
  return StandFileStatus::Ok;
}

// ---- Sorting ----

namespace {

// The sort key of tree i; latest holds the latest sizes (LatestGrownSizes).
float SortKeyOf(const data& stand, const GrownSize* latest, int i, int key) {
  const TreeRecord& t = stand.Trees[i];
  switch (key) {
    case data::SortX: return t.x;
    case data::SortY: return t.y;
    case data::SortDiameter: return latest ? latest[i].diameter : t.diameter;
    case data::SortHeight: return latest ? latest[i].height : t.height;
    case data::SortHeightFraction: return static_cast<float>(stand.HeightFractionKey(i));
    default: return t.height;
  }
}

template <typename T>
void Reorder(std::vector<T>& items, const std::vector<int>& order, int lo) {
  std::vector<T> moved(order.size());
  for (size_t k = 0; k < order.size(); ++k) moved[k] = items[static_cast<size_t>(lo + order[k])];
  std::copy(moved.begin(), moved.end(), items.begin() + lo);
}

}  // namespace

float data::TreeSortKey(int i, int key) const {
  return SortKeyOf(*this, LatestGrownSizes(*this), i, key);
}

void data::SortTrees(int lo, int hi, int key) {
  if (lo >= hi || lo < 0 || hi >= TreeCount()) return;
  const size_t n = Trees.size();
  const int g = GrowthStepCount();
  const GrownSize* latest = LatestGrownSizes(*this);
  SortKeys order(hi - lo + 1, [&](int k) { return SortKeyOf(*this, latest, lo + k, key); });
  order.SortLeftFirst();
  Reorder(Trees, order.positions, lo);
  // Grown sizes move with their trees.
  if (g >= 1 && GrownSizes1.size() == n) Reorder(GrownSizes1, order.positions, lo);
  if (g >= 2 && GrownSizes2.size() == n) Reorder(GrownSizes2, order.positions, lo);
}

void data::SortTreesForSave(bool growthKey, bool bySize) {
  if (Trees.empty() || Header.developmentClass == 2) return;
  int key = SortY;
  if (bySize) key = growthKey && GrowthStepCount() > 0 ? SortMeasuredHeight : SortHeight;
  SortAllTrees(key);
}

void data::SortTreesForDotMaps(bool withBefore, bool withAfter, const std::function<void(bool before)>& drawMap) {
  // The measured map first, by the measured height once a growing step is
  // recorded; the map after the steps by the latest height.
  for (const bool before : {true, false}) {
    if (!(before ? withBefore : withAfter)) continue;
    SortTreesForSave(before, true);
    if (drawMap) drawMap(before);
  }
  SortTreesForSave(false, false);
}
