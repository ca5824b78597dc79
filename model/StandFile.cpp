// Reading and writing stand files, and the tree sort that goes with saving.

#include "model/StandFile.h"

#include "model/AssortmentSums.h"
#include "model/Phase.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"
#include "platform/LittleEndian.h"

#include <QFile>

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

// Limits that no real stand comes near; beyond them sums would overflow.
constexpr float kMaxArea = 1000.0f;        // hectares
constexpr int32_t kMaxSlotVolume = 100000;  // m3/ha of one assortment

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

// Reads a file whole, read-only. A file longer than any stand file can be is
// refused before it is read.
StandFileStatus ReadWholeFile(const QString& path, QByteArray& out) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return StandFileStatus::CannotOpen;
  const qint64 size = f.size();
  if (size > FileLength(kMaxTreeCount, 2)) return StandFileStatus::LengthMismatch;
  out = f.readAll();
  return out.size() == size ? StandFileStatus::Ok : StandFileStatus::CannotOpen;
}

// Reads and checks a whole stand file into a new object.
StandFileStatus LoadStand(const QString& path, std::unique_ptr<data>& out) {
  QByteArray bytes;
  const StandFileStatus status = ReadWholeFile(path, bytes);
  return status == StandFileStatus::Ok ? DecodeStand(bytes, out) : status;
}

StandFileStatus WriteWholeFile(const QString& path, const QByteArray& bytes) {
  return platform::WriteFileAtomically(path, bytes) ? StandFileStatus::Ok : StandFileStatus::WriteFailed;
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

int NamedStepCount(const data& stand) {
  int named = 0;
  for (int k = 1; k < kPhaseCount; ++k) {
    if (!stand.Slots[k].name.isEmpty()) ++named;
  }
  return named;
}

StandFileStatus DecodeSummary(const char* bytes, qint64 available, qint64 fileSize, StandSummary& out) {
  if (available < kTreesOffset || fileSize < kTreesOffset) return StandFileStatus::TooShort;
  Reader r(bytes);
  StandSummary s;
  s.header = ReadHeader(r);

  qint64 n = 0;
  bool negativeStems = false;
  for (SpeciesBlock& b : s.blocks) {
    for (int32_t& v : b.words) v = r.I32();
    if (b.words[WordStems] < 0) negativeStems = true;
    n += b.words[WordStems];
  }
  if (negativeStems || n > kMaxTreeCount) return StandFileStatus::BadTreeCount;

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

  int g = 0;
  for (PhaseSlot& slot : s.phaseSlots) {
    slot.name = r.Text(PhaseSlot::kNameWidth);
    slot.years = r.I32();
    slot.stems = r.I32();
    for (int32_t& v : slot.volumes) v = r.I32();
    slot.basalArea = r.F32();
    slot.meanDiameter = r.F32();
    slot.meanHeight = r.F32();
    for (int32_t& v : slot.reserved) v = r.I32();
    if (slot.years < 0 || slot.years > 20) return StandFileStatus::BadGrowthSteps;
    if (slot.years != 0) ++g;
    if (!SlotIsSound(slot)) return StandFileStatus::BadSlot;
  }
  if (g > 2) return StandFileStatus::BadGrowthSteps;
  s.treeCount = static_cast<int>(n);
  s.growthSteps = g;
  if (fileSize != FileLength(s.treeCount, g)) return StandFileStatus::LengthMismatch;
  if (!Finite(s.header.area) || s.header.area < 0.0f || s.header.area > kMaxArea) {
    return StandFileStatus::BadHeader;
  }
  out = std::move(s);
  return StandFileStatus::Ok;
}

StandFileStatus ReadStandSummary(const QString& path, StandSummary& out) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return StandFileStatus::CannotOpen;
  const qint64 size = f.size();
  const QByteArray head = f.read(kTreesOffset);
  if (head.size() < kTreesOffset) return StandFileStatus::TooShort;
  return DecodeSummary(head.constData(), head.size(), size, out);
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
    if (t.species < 0 || t.species > 4 || t.removedBy < 0 || t.removedBy >= kPhaseCount ||
        !PositionIsSound(t.x) || !PositionIsSound(t.y) || !SizeIsSound(t.diameter) ||
        !SizeIsSound(t.height)) {
      return StandFileStatus::BadTreeRecord;
    }
  }
  for (int step = 1; step <= g; ++step) {
    GrownSizeArray& a = step == 1 ? stand->GrownSizes1 : stand->GrownSizes2;
    a.resize(static_cast<size_t>(count));
    for (GrownSize& s : a) {
      s.diameter = r.F32();
      s.height = r.F32();
      if (!SizeIsSound(s.diameter) || !SizeIsSound(s.height)) return StandFileStatus::BadTreeRecord;
    }
  }
  stand->Header = std::move(summary.header);
  stand->SpeciesBlocks = summary.blocks;
  stand->Regeneration = summary.regeneration;
  stand->Slots = std::move(summary.phaseSlots);
  out = std::move(stand);
  return StandFileStatus::Ok;
}

}  // namespace standfile

using namespace standfile;

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

StandFileStatus data::WriteNewFile(const QString& path) {
  SortTreesForSave(false, true);
  ResetRegenerationChoices();
  return WriteWholeFile(path, EncodeStand(*this));
}

StandFileStatus data::Save(const QString& path) {
  // The header bytes stay exactly as they are on disk.
  QByteArray onDisk;
  {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return StandFileStatus::CannotOpen;
    onDisk = f.read(StandHeader::kBytes);
    if (onDisk.size() != StandHeader::kBytes) return StandFileStatus::TooShort;
  }
  SortTreesForSave(true, true);
  Writer w(FileLength(TreeCount(), GrowthStepCount()));
  w.Bytes(onDisk.constData(), StandHeader::kBytes);
  WriteBlocksChoicesSlots(w, *this);
  WriteTreesAndSizes(w, *this);
  SortTreesForSave(false, false);
  return WriteWholeFile(path, w.Result());
}

StandFileStatus data::RewriteHeader(const QString& path, const StandHeader& header) {
  QByteArray bytes;
  {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return StandFileStatus::CannotOpen;
    bytes = f.readAll();
  }
  if (bytes.size() < StandHeader::kBytes) return StandFileStatus::TooShort;
  const QByteArray head = EncodeHeader(header);
  std::memcpy(bytes.data(), head.constData(), StandHeader::kBytes);
  const StandFileStatus status = WriteWholeFile(path, bytes);
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

// The partition sort on an array of keys, carrying the original positions
// along; the trees themselves are moved once afterwards.
void PartitionSort(std::vector<float>& keys, std::vector<int>& origin, int lo, int hi) {
  const float pivot = keys[(lo + hi) / 2];
  int i = lo;
  int j = hi;
  do {
    while (keys[i] < pivot) ++i;
    while (keys[j] > pivot) --j;
    if (i <= j) {
      std::swap(keys[i], keys[j]);
      std::swap(origin[i], origin[j]);
      ++i;
      --j;
    }
  } while (j > i);
  if (lo < j) PartitionSort(keys, origin, lo, j);
  if (i < hi) PartitionSort(keys, origin, i, hi);
}

template <typename T>
void Reorder(std::vector<T>& items, const std::vector<int>& origin, int lo) {
  std::vector<T> moved(origin.size());
  for (size_t k = 0; k < origin.size(); ++k) moved[k] = items[static_cast<size_t>(origin[k])];
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
  const int count = hi - lo + 1;
  std::vector<float> keys(static_cast<size_t>(count));
  std::vector<int> origin(static_cast<size_t>(count));
  for (int k = 0; k < count; ++k) {
    keys[k] = SortKeyOf(*this, latest, lo + k, key);
    origin[k] = lo + k;
  }
  PartitionSort(keys, origin, 0, count - 1);
  Reorder(Trees, origin, lo);
  // Grown sizes move with their trees.
  if (g >= 1 && GrownSizes1.size() == n) Reorder(GrownSizes1, origin, lo);
  if (g >= 2 && GrownSizes2.size() == n) Reorder(GrownSizes2, origin, lo);
}

void data::SortTreesForSave(bool growthKey, bool bySize) {
  if (Trees.empty() || Header.developmentClass == 2) return;
  int key = SortY;
  if (bySize) key = growthKey && GrowthStepCount() > 0 ? SortMeasuredHeight : SortHeight;
  SortAllTrees(key);
}
