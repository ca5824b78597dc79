// The stand file: byte layout of a hand-built stand, round trips, Save and
// the refusal of broken files.

#include "model/Data.h"
#include "model/Estate.h"
#include "model/Phase.h"
#include "model/StandFile.h"
#include "tests/model/CuttingStands.h"
#include "tests/model/StandFixture.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <tuple>
#include <utility>

namespace {

using cuttingstands::ExpectSameStand;
using testsupport::F32At;
using testsupport::I32At;
using testsupport::PutI32;
using testsupport::ReadAll;
using testsupport::WriteAll;

// Three trees by hand; heights 15, 9 and 12 m, so the file holds them in the
// order 9, 12, 15 m.
std::unique_ptr<data> HandStand() {
  auto s = std::make_unique<data>(3);
  s->Header.estateName = QString::fromUtf8("Mäkelä");
  s->Header.standId = "12a";
  s->Header.info = "Lisätieto";
  s->Header.developmentClass = 6;
  s->Header.siteType = 3;
  s->Header.measurementDay = 43631;
  s->Header.structureCode = -2;
  s->Header.area = 1.5f;
  s->Header.modelEstate = 1;
  s->Header.reserved[0] = 0xAB;
  s->SpeciesBlocks[0].words[WordStems] = 2;
  s->SpeciesBlocks[0].words[WordMinDiameter] = 8;
  s->SpeciesBlocks[1].words[WordStems] = 1;
  s->Trees[0] = TreeRecord{100.5f, 60.0f, 2000.0f, 1500.0f, 0, 0, {}};
  s->Trees[1] = TreeRecord{200.0f, 70.0f, 1200.0f, 900.0f, 0, 1, {}};
  s->Trees[2] = TreeRecord{300.0f, 80.0f, 1600.0f, 1200.0f, 1, 0, {}};
  s->Slots[0].name = "Mitattu";
  s->Slots[0].stems = 3;
  s->Slots[0].volumes[6] = 41;
  s->Slots[0].basalArea = 7.25f;
  s->Slots[1].name = "Harvennus";
  return s;
}

class StandFileTest : public ::testing::Test {
 protected:
  void SetUp() override { SetCurrentPhase(0); }
  void TearDown() override { SetCurrentPhase(0); }
  // The hand-built stand written as a new file at `path`; the file's bytes.
  QByteArray WriteHand() {
    EXPECT_EQ(hand->WriteNewFile(path), StandFileStatus::Ok);
    return ReadAll(path);
  }
  testsupport::TempDir dir;
  const QString path = dir.file("12a.Norvalen");
  std::unique_ptr<data> hand = HandStand();
};

TEST_F(StandFileTest, ByteLayoutOfANewFileAndOfASave) {
  QByteArray b = WriteHand();
  ASSERT_EQ(b.size(), 1796 + 40 * 3);
  // Header: texts NUL-terminated cp1252 ("ä" is 0xE4), "Lis" + "ä" at 133.
  EXPECT_EQ(b.mid(80, 7), QByteArray("M\xE4kel\xE4\0", 7));
  EXPECT_EQ(b.mid(116, 4), QByteArray("12a\0", 4));
  // Slots: names at 932 + 144 k.
  EXPECT_EQ(b.mid(932, 8), QByteArray("Mitattu\0", 8));
  EXPECT_EQ(b.mid(932 + 144, 10), QByteArray("Harvennus\0", 10));
  EXPECT_EQ(b.mid(1876 + 24, 16), QByteArray(16, '\0'));
  // Bytes: the info text, the reserved header byte, choice 5 reset to -1 (909).
  for (auto [at, v] : {std::pair{133, 0xE4}, {556, 0xAB}, {909, 0xFF}}) {
    EXPECT_EQ(static_cast<unsigned char>(b[at]), v) << at;
  }
  // Header numbers 532.., species 0 words 0 and 7 (stems) and spruce stems,
  // choice 1 reset, slot 0 years, stems and volume 6, tree 9 m species and
  // tree 12 m removing phase.
  const std::pair<int, int32_t> ints[] = {
      {532, 6}, {536, 3}, {540, 43631}, {544, -2}, {552, 1}, {580, 8}, {580 + 28, 2}, {580 + 52 + 28, 1},
      {896, 0}, {932 + 64, 0}, {932 + 68, 3}, {932 + 72 + 6 * 4, 41}, {1796 + 20, 1}, {1836 + 16, 1}};
  for (auto [at, v] : ints) EXPECT_EQ(I32At(b, at), v) << at;
  // Area, slot 0 basal area; trees in ascending height: 9 m, 12 m, 15 m.
  const std::pair<int, float> floats[] = {{548, 1.5f},   {932 + 124, 7.25f}, {1796 + 12, 900.0f}, {1836, 300.0f},
                                          {1876, 100.5f}, {1876 + 4, 60.0f},  {1876 + 8, 2000.0f}};
  for (auto [at, v] : floats) EXPECT_EQ(F32At(b, at), v) << at;
  // The object keeps the height order.
  EXPECT_EQ(hand->BaseHeight(0), 900.0f);

  // Saved choices: 0 a byte (-3) and its padding, 1 a word, 4 and 5 bytes of
  // one word (2, 1), 8 a word. A name longer than its field: 63 characters
  // and the NUL.
  for (auto [index, value] : {std::pair{0, -3}, {1, 1000}, {4, 2}, {5, 1}, {8, 77}}) {
    hand->SetRegenerationChoice(index, value);
  }
  hand->Slots[2].name = QString(80, QChar('x'));
  ASSERT_EQ(hand->Save(path), StandFileStatus::Ok);
  b = ReadAll(path);
  for (auto [at, v] : {std::pair{892, 0xFD}, {896, 1000}, {908, 0x0102}, {920, 77}})
    EXPECT_EQ(I32At(b, at), v) << at;
  EXPECT_EQ(b.mid(932 + 288, 64), QByteArray(63, 'x') + QByteArray(1, '\0'));
  std::unique_ptr<data> back;
  ASSERT_EQ(data::ReadStandFile(path, true, back), StandFileStatus::Ok);
  EXPECT_EQ(std::tuple(back->RegenerationChoice(0), back->RegenerationChoice(5), back->RegenerationChoice(8)),
            std::tuple(-3, 1, 77));
  EXPECT_EQ(back->Slots[2].name, QString(63, QChar('x')));

  StandHeader h;
  h.estateName = QString(50, QChar('e'));
  const QByteArray hb = standfile::EncodeHeader(h);
  ASSERT_EQ(hb.size(), 580);
  EXPECT_EQ(hb.mid(80, 36), QByteArray(35, 'e') + QByteArray(1, '\0'));
  EXPECT_EQ(standfile::DecodeHeader(hb.constData()).estateName, QString(35, QChar('e')));
}

// Gives the stand growing steps 1..steps with grown sizes unique per tree.
void AddGrowth(data& s, int steps) {
  const int n = s.TreeCount();
  s.Slots[1].name = "Kasvu 5 v";
  s.Slots[1].years = 5;
  s.GrownSizes1.resize(n);
  for (int i = 0; i < n; ++i) s.GrownSizes1[i] = {s.Trees[i].diameter + 100, s.Trees[i].x};
  if (steps == 2) {
    s.Slots[2].name = "Kasvu 10 v";
    s.Slots[2].years = 10;
    s.GrownSizes2.resize(n);
    for (int i = 0; i < n; ++i) s.GrownSizes2[i] = {s.Trees[i].diameter + 300, s.Trees[i].y};
  }
}

TEST_F(StandFileTest, RoundTripFieldForFieldWithTheGrownSizesOfItsStepsAndNoStaleOnes) {
  // (Save keeps the header on disk: the bounds below.)
  auto s = standfixture::MakeStand(500, 11);
  for (int i = 0; i < 500; i += 5) s->SetTreeRemovedBy(i, 3);
  s->RecordPhase(0, QString::fromUtf8("Mitattu, ei toimenpiteitä"), 0, 0);
  ASSERT_EQ(s->WriteNewFile(path), StandFileStatus::Ok);
  std::unique_ptr<data> back;
  ASSERT_EQ(data::ReadStandFile(path, false, back), StandFileStatus::Ok);
  ExpectSameStand(*s, *back);

  // One growing step, then two: 8 bytes a tree for each. Save leaves the
  // object in y order and the file in measured-height order.
  AddGrowth(*s, 1);
  ASSERT_EQ(s->Save(path), StandFileStatus::Ok);
  EXPECT_EQ(ReadAll(path).size(), 1796 + 48 * 500);
  for (int i = 1; i < 500; ++i) ASSERT_LE(s->TreeY(i - 1), s->TreeY(i));
  AddGrowth(*s, 2);
  ASSERT_EQ(s->Save(path), StandFileStatus::Ok);
  EXPECT_EQ(ReadAll(path).size(), 1796 + 56 * 500);
  ASSERT_EQ(data::ReadStandFile(path, false, back), StandFileStatus::Ok);
  s->SortTreesForSave(true, true);
  ExpectSameStand(*s, *back);
  EXPECT_EQ(CurrentPhase(), 2);

  // Undoing the growth and saving leaves no stale sizes behind.
  for (int k : {2, 1}) {
    s->UndoOperation(k);
    s->ClearSlot(k);
  }
  s->GrownSizes1.clear();
  s->GrownSizes2.clear();
  ASSERT_EQ(s->Save(path), StandFileStatus::Ok);
  EXPECT_EQ(ReadAll(path).size(), 1796 + 40 * 500);
  ASSERT_EQ(data::ReadStandFile(path, false, back), StandFileStatus::Ok);
  EXPECT_TRUE(back->GrownSizes1.empty() && back->GrownSizes2.empty());
}

TEST_F(StandFileTest, OpenedStandShowsItsLastStepAndItsHeaderIsRewrittenAlone) {
  hand->Slots[2].name = "Kasvu";
  hand->Slots[3].name = "Avohakkuu";
  const QByteArray before = WriteHand();
  // Read-only files are read.
  QFile::setPermissions(path, QFileDevice::ReadOwner);
  data opened(3);
  ASSERT_EQ(opened.ReadFile(path, false), StandFileStatus::Ok);
  EXPECT_EQ(CurrentPhase(), 3);
  ASSERT_EQ(opened.ReadFile(path, true), StandFileStatus::Ok);
  EXPECT_EQ(CurrentPhase(), 0);
  int count = -1;
  StandHeader h;
  ASSERT_EQ(data::PeekStandFile(path, count, &h), StandFileStatus::Ok);
  EXPECT_EQ(std::pair(count, h.standId), std::pair(3, QString("12a")));
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

  // A new header: the rest of the file stays byte for byte.
  h.info = "Uusi tieto";
  ASSERT_EQ(hand->RewriteHeader(path, h), StandFileStatus::Ok);
  const QByteArray after = ReadAll(path);
  EXPECT_EQ(after.mid(580), before.mid(580));
  EXPECT_EQ(after.mid(130, 11), QByteArray("Uusi tieto\0", 11));
  EXPECT_EQ(hand->InfoText(), "Uusi tieto");
  // A file too short for a header is refused and the object keeps its header.
  WriteAll(dir.file("short.Norvalen"), QByteArray(100, 'x'));
  h.info = "Kolmas";
  EXPECT_EQ(hand->RewriteHeader(dir.file("short.Norvalen"), h), StandFileStatus::TooShort);
  EXPECT_EQ(hand->InfoText(), "Uusi tieto");
}

TEST_F(StandFileTest, EqualKeysKeepThePartitionOrder) {
  // Heights 2, 1, 2, 1 m for trees A, B, C, D. Pivot = key of index 1 (1 m):
  // i stops at A, j at D, swap -> D B C A, i = 1, j = 2; i stops at B, j
  // passes C to B, swap B with itself, i = 2, j = 0. Then (2, 3): pivot 2,
  // swap C and A -> D B A C. A stable sort would give B D A C. A small
  // seedling stand (class 2) keeps its order.
  const float heights[4] = {200, 100, 200, 100};
  for (auto [devClass, order] :
       {std::pair{6, std::array<float, 4>{4, 2, 1, 3}}, {2, std::array<float, 4>{1, 2, 3, 4}}}) {
    data s(4);
    s.Header.developmentClass = devClass;
    for (int i = 0; i < 4; ++i) s.Trees[i] = TreeRecord{i + 1.0f, 60, 1000, heights[i], 0, 0, {}};
    s.SortTreesForSave(false, true);
    EXPECT_EQ((std::array{s.TreeX(0), s.TreeX(1), s.TreeX(2), s.TreeX(3)}), order) << devClass;
  }
}

TEST_F(StandFileTest, DotMapsDrawEachMapInItsSortAndLeaveTheListSortedBackByY) {
  // Trees A B C D at x 1..4, y 60, measured 2, 1, 2, 1 m tall: the after
  // map's sort gives D B A C (the partition above); back by y, all keys
  // equal (pivot index 1, A and D exchanged, then C and A -> C A B D with
  // i = 2, j = 1; (0, 1) gives A C, (2, 3) D B) A C D B, where straight from
  // A B C D it gives C D A B. Grown to 1, 2, 1, 2 m: the measured map D B A
  // C, the after map A C D B, back by y D B A C. A small seedling stand is
  // drawn and left as it stands.
  using Order = std::vector<float>;
  // drawn: for each map drawn, 1 (the measured map) or 0 (the map after the
  // steps), then the trees' order.
  const struct { int devClass; bool grown; std::vector<Order> drawn; Order left; } cases[] = {
      {6, false, {{0, 4, 2, 1, 3}}, {1, 3, 4, 2}},
      {6, true, {{1, 4, 2, 1, 3}, {0, 1, 3, 4, 2}}, {4, 2, 1, 3}},
      {2, true, {{1, 1, 2, 3, 4}, {0, 1, 2, 3, 4}}, {1, 2, 3, 4}}};
  const float heights[4] = {200, 100, 200, 100};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.devClass * 10 + c.grown);
    data s(4);
    s.Header.developmentClass = c.devClass;
    s.Slots[1].years = c.grown ? 10 : 0;
    for (int i = 0; i < 4; ++i) {
      s.Trees[i] = TreeRecord{i + 1.0f, 60, 1000, heights[i], 0, 0, {}};
      if (c.grown) s.GrownSizes1.push_back({1100, 300 - heights[i]});
    }
    const auto order = [&s] { return Order{s.TreeX(0), s.TreeX(1), s.TreeX(2), s.TreeX(3)}; };
    std::vector<Order> drawn;
    s.SortTreesForDotMaps(c.grown, true, [&](bool before) {
      drawn.push_back(order());
      drawn.back().insert(drawn.back().begin(), before);
    });
    EXPECT_EQ(std::pair(drawn, order()), std::pair(c.drawn, c.left));
    // The grown sizes went with their trees.
    for (int i = 0; c.grown && i < 4; ++i) EXPECT_EQ(s.TreeHeight(i), 300 - heights[int(s.TreeX(i)) - 1]);
  }
}

TEST_F(StandFileTest, BrokenFilesAreRefusedAndNothingChanges) {
  const QByteArray valid = WriteHand();
  auto expectRefused = [&](const QByteArray& bytes, StandFileStatus status, const char* what) {
    SCOPED_TRACE(what);
    const QString bad = dir.file("bad.Norvalen");
    WriteAll(bad, bytes);
    data open(1);
    open.Header.standId = "vanha";
    open.Trees[0].x = 42;
    SetCurrentPhase(4);
    EXPECT_EQ(open.ReadFile(bad, false), status);
    EXPECT_EQ(std::tuple(open.Header.standId, open.TreeCount(), open.TreeX(0), CurrentPhase()),
              std::tuple(QString("vanha"), 1, 42.0f, 4));
    std::unique_ptr<data> fresh;
    EXPECT_EQ(data::ReadStandFile(bad, false, fresh), status);
    EXPECT_EQ(fresh, nullptr);
  };

  expectRefused(QByteArray(), StandFileStatus::TooShort, "empty");
  expectRefused(valid.left(1795), StandFileStatus::TooShort, "no trees");
  expectRefused(valid.left(valid.size() - 1), StandFileStatus::LengthMismatch, "truncated");
  expectRefused(valid + QByteArray(8, '\0'), StandFileStatus::LengthMismatch, "oversized");
  expectRefused(valid + QByteArray(700000, '\0'), StandFileStatus::LengthMismatch, "huge");
  // One file of each refusal (every bound of the values is tried below):
  // offset, value, status.
  const std::tuple<int, int32_t, StandFileStatus, const char*> corrupt[] = {
      {580 + 28, 12001, StandFileStatus::BadTreeCount, "too many trees"},
      {1796, 0x7FC00000, StandFileStatus::BadTreeRecord, "not a number"},  // NaN x
      {548, 0x7F000000, StandFileStatus::BadHeader, "absurd area"},        // 1.7e38
      {932 + 68, 50000, StandFileStatus::BadSlot, "slot stems beyond the sample limit"}};
  for (auto [at, value, status, what] : corrupt) {
    QByteArray b = valid;
    PutI32(b, at, value);
    expectRefused(b, status, what);
  }
  QByteArray b = valid;
  for (int k = 1; k <= 3; ++k) PutI32(b, 932 + 144 * k + 64, 5);
  expectRefused(b, StandFileStatus::BadGrowthSteps, "three growing steps");

  data open(1);
  EXPECT_EQ(open.ReadFile(dir.file("missing.Norvalen"), false), StandFileStatus::CannotOpen);
}

TEST_F(StandFileTest, WhatIsNotAFileIsRefusedAtOnceAndNothingIsWritten) {
  // Every reader, the estate list's too, refuses at once what is not a
  // regular file as a file that cannot be opened; no save, header change or
  // new file writes over it.
  for (const testsupport::NotAFile& k : testsupport::kNotAFiles) {
    SCOPED_TRACE(k.what);
    testsupport::TempDir folder;
    const QString name = folder.file("12a.Norvalen");
    ASSERT_TRUE(k.make(name));
    const std::string before = testsupport::FolderState(folder.path());
    testsupport::Deadline deadline(k.what);
    std::unique_ptr<data> out;
    int count = 0;
    QString why;
    EXPECT_EQ(
        std::tuple(data::ReadStandFile(name, false, out), data::PreviewStandFile(name, out),
                   data::PeekStandFile(name, count, nullptr),
                   ReadEstateRecord(folder.path(), "12a.Norvalen").status,
                   hand->RewriteHeader(name, hand->Header), hand->Save(name, &why)),
        std::tuple(StandFileStatus::CannotOpen, StandFileStatus::CannotOpen, StandFileStatus::CannotOpen,
                   StandFileStatus::CannotOpen, StandFileStatus::CannotOpen, StandFileStatus::CannotOpen));
    EXPECT_EQ(why, QString::fromUtf8(k.reason));
    EXPECT_EQ(hand->WriteNewFile(name), StandFileStatus::WriteFailed);
    EXPECT_EQ(testsupport::FolderState(folder.path()), before);
  }
}

// ---- Writes that fail ------------------------------------------------------

TEST_F(StandFileTest, WriteCutShortKeepsTheOldFileAndGivesTheReason) {
  // The file system takes 2000 bytes of a file; the stand needs 1796 + 40 x
  // 400. Each write fails with the system's reason and the old file (written
  // before the limit) stays byte for byte, without a temporary file beside it.
  auto s = standfixture::MakeStand(400, 3);
  ASSERT_EQ(s->WriteNewFile(path), StandFileStatus::Ok);
  const QByteArray before = ReadAll(path);
  StandHeader h = s->Header;
  h.info = "Uusi tieto";
  const std::pair<const char*, std::function<StandFileStatus(QString*)>> writes[] = {
      {"WriteNewFile", [&](QString* e) { return s->WriteNewFile(path, e); }},
      {"Save", [&](QString* e) { return s->Save(path, e); }},
      {"RewriteHeader", [&](QString* e) { return s->RewriteHeader(path, h, e); }},
  };
  for (const auto& [what, write] : writes) {
    SCOPED_TRACE(what);
    QString error;
    StandFileStatus status;
    {
      testsupport::FileSizeLimit limit(2000);
      status = write(&error);
    }
    EXPECT_EQ(status, StandFileStatus::WriteFailed);
    EXPECT_EQ(error, QString::fromUtf8("tiedosto on liian suuri tiedostojärjestelmälle"));
    EXPECT_TRUE(ReadAll(path) == before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"12a.Norvalen"});
  }
  EXPECT_EQ(s->InfoText(), s->Header.info);
  EXPECT_NE(s->InfoText(), "Uusi tieto");
  // (A save or header change of a file that is gone: SaveFaultTest.)
  QString error;
  EXPECT_EQ(s->WriteNewFile(dir.file("no/such/folder/x.Norvalen"), &error), StandFileStatus::WriteFailed);
  EXPECT_EQ(error, QString::fromUtf8("tiedostoa tai kansiota ei ole"));
}

// ---- What a stand file may hold: the reader and the writers agree ----------

// A change of the hand-built stand that takes one value to a bound or just
// beyond it, and the status of the reader (and of the writers) then.
struct Bound {
  const char* what;
  void (*change)(data& s);
  StandFileStatus status;
  // The reader sees some refusals differently (blocks that do not count the
  // trees give a file of the wrong length); Ok means as status.
  StandFileStatus readerStatus = StandFileStatus::Ok;
  bool headerOnly = false;  // Save keeps the header on disk
};

float Above(float v) { return std::nextafter(v, std::numeric_limits<float>::infinity()); }
float Below(float v) { return std::nextafter(v, -std::numeric_limits<float>::infinity()); }
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// A growing step of the given years as phase 1.
void GrowOnce(data& s, int years) {
  s.Slots[1].years = years;
  s.GrownSizes1.assign(3, GrownSize{2100.0f, 1600.0f});
}

// Two growing steps; tree 1's sizes after the first one set by the caller.
void GrowTwice(data& s, float diameter, float height) {
  GrowOnce(s, 5);
  s.Slots[2].name = "Kasvu";
  s.Slots[2].years = 20;
  s.GrownSizes2.assign(3, GrownSize{2200.0f, 1700.0f});
  s.GrownSizes1[1] = {diameter, height};
}

// A stand with the hand-built stand's header, so that it saves over its file.
data WithHandHeader(std::unique_ptr<data> s) {
  s->Header = HandStand()->Header;
  return std::move(*s);
}

using S = StandFileStatus;
const Bound kBounds[] = {
    // Species blocks: the stems of all blocks count the tree records.
    {"stems count the trees", [](data&) {}, S::Ok},
    {"a block's stems one short", [](data& s) { s.SpeciesBlocks[0].words[WordStems] = 1; }, S::BadTreeCount, S::LengthMismatch},
    {"a block's stems one over", [](data& s) { s.SpeciesBlocks[4].words[WordStems] = 1; }, S::BadTreeCount, S::LengthMismatch},
    {"negative stems", [](data& s) { s.SpeciesBlocks[2].words[WordStems] = -1; }, S::BadTreeCount},
    // Species 0..4.
    {"species 4", [](data& s) { s.Trees[1].species = 4; }, S::Ok},
    {"species 5", [](data& s) { s.Trees[1].species = 5; }, S::BadTreeRecord},
    {"species -1", [](data& s) { s.Trees[1].species = -1; }, S::BadTreeRecord},
    // Removing phase 0..5; 100 marks a retention tree only during a selection.
    {"removing phase 5", [](data& s) { s.Trees[1].removedBy = 5; }, S::Ok},
    {"removing phase 6", [](data& s) { s.Trees[1].removedBy = 6; }, S::BadTreeRecord},
    {"removing phase -1", [](data& s) { s.Trees[1].removedBy = -1; }, S::BadTreeRecord},
    {"retention mark left behind", [](data& s) { s.Trees[1].removedBy = kReservedPhase; }, S::BadTreeRecord},
    // Growing years 0..20, at most two growing steps.
    {"20 growing years", [](data& s) { GrowOnce(s, 20); }, S::Ok},
    {"21 growing years", [](data& s) { GrowOnce(s, 21); }, S::BadGrowthSteps},
    {"-1 growing years", [](data& s) { GrowOnce(s, -1); }, S::BadGrowthSteps},
    {"two growing steps", [](data& s) { GrowTwice(s, 2100.0f, 1600.0f); }, S::Ok},
    {"three growing steps", [](data& s) { GrowTwice(s, 2100.0f, 1600.0f); s.Slots[3].years = 5; }, S::BadGrowthSteps},
    // Area 0..1000 ha.
    {"area 1000 ha", [](data& s) { s.Header.area = 1000.0f; }, S::Ok, S::Ok, true},
    {"area just over 1000 ha", [](data& s) { s.Header.area = Above(1000.0f); }, S::BadHeader, S::Ok, true},
    {"area 0", [](data& s) { s.Header.area = 0.0f; }, S::Ok, S::Ok, true},
    {"area just below 0", [](data& s) { s.Header.area = Below(0.0f); }, S::BadHeader, S::Ok, true},
    {"area not a number", [](data& s) { s.Header.area = kNaN; }, S::BadHeader, S::Ok, true},
    // Slots: stems 0..12000, volumes 0..100000 m3/ha, sums finite.
    {"slot stems 12000", [](data& s) { s.Slots[2].stems = 12000; }, S::Ok},
    {"slot stems 12001", [](data& s) { s.Slots[2].stems = 12001; }, S::BadSlot},
    {"slot stems -1", [](data& s) { s.Slots[2].stems = -1; }, S::BadSlot},
    {"slot volume 100000", [](data& s) { s.Slots[5].volumes[12] = 100000; }, S::Ok},
    {"slot volume 100001", [](data& s) { s.Slots[5].volumes[12] = 100001; }, S::BadSlot},
    {"slot volume -1", [](data& s) { s.Slots[5].volumes[0] = -1; }, S::BadSlot},
    {"slot basal area infinite", [](data& s) { s.Slots[0].basalArea = kInf; }, S::BadSlot},
    {"slot mean height not a number", [](data& s) { s.Slots[0].meanHeight = kNaN; }, S::BadSlot},
    // Tree sizes 0..1e6, positions -1e6..1e6, grown sizes as sizes.
    {"diameter 1e6", [](data& s) { s.Trees[2].diameter = 1.0e6f; }, S::Ok},
    {"diameter just over 1e6", [](data& s) { s.Trees[2].diameter = Above(1.0e6f); }, S::BadTreeRecord},
    {"height 0", [](data& s) { s.Trees[2].height = 0.0f; }, S::Ok},
    {"height just below 0", [](data& s) { s.Trees[2].height = Below(0.0f); }, S::BadTreeRecord},
    {"height not a number", [](data& s) { s.Trees[2].height = kNaN; }, S::BadTreeRecord},
    {"x -1e6", [](data& s) { s.Trees[0].x = -1.0e6f; }, S::Ok},
    {"x just below -1e6", [](data& s) { s.Trees[0].x = Below(-1.0e6f); }, S::BadTreeRecord},
    {"y 1e6", [](data& s) { s.Trees[0].y = 1.0e6f; }, S::Ok},
    {"y just over 1e6", [](data& s) { s.Trees[0].y = Above(1.0e6f); }, S::BadTreeRecord},
    {"grown diameter 1e6", [](data& s) { GrowTwice(s, 1.0e6f, 1600.0f); }, S::Ok},
    {"grown diameter just over 1e6", [](data& s) { GrowTwice(s, Above(1.0e6f), 1600.0f); }, S::BadTreeRecord},
    {"grown height not a number", [](data& s) { GrowTwice(s, 2100.0f, kNaN); }, S::BadTreeRecord},
    // Stand age 0..921, first candidate age 0..369 (the largest the
    // stand-age estimate gives, Ages.h), in any block.
    {"stand age 921", [](data& s) { s.SpeciesBlocks[1].words[WordAge] = 921; }, S::Ok},
    {"stand age 922", [](data& s) { s.SpeciesBlocks[1].words[WordAge] = 922; }, S::BadAges},
    {"stand age -1", [](data& s) { s.SpeciesBlocks[0].words[WordAge] = -1; }, S::BadAges},
    {"first candidate age 369", [](data& s) { s.SpeciesBlocks[0].words[WordFirstAge] = 369; }, S::Ok},
    {"first candidate age 370", [](data& s) { s.SpeciesBlocks[0].words[WordFirstAge] = 370; }, S::BadAges},
    {"first candidate age -1", [](data& s) { s.SpeciesBlocks[5].words[WordFirstAge] = -1; }, S::BadAges},
    {"first candidate age 2147483647", [](data& s) { s.SpeciesBlocks[4].words[WordFirstAge] = 2147483647; }, S::BadAges},
    // At most 12000 trees.
    {"12000 trees", [](data& s) { s = WithHandHeader(standfixture::MakeStand(12000, 4)); }, S::Ok},
    {"12001 trees", [](data& s) { s = WithHandHeader(standfixture::MakeStand(12001, 4)); }, S::BadTreeCount},
};

TEST_F(StandFileTest, CandidateCountsBeyondWhatTheProgramOffersAreHeldByEveryReader) {
  // Pine's count (byte 620) from its first candidate age (616), the count
  // read back; spruce's (672) at the largest int from 20 years (668): 51.
  const std::tuple<int32_t, int32_t, int32_t> pine[] = {
      {0, 30, 0},  {51, 30, 51}, {52, 30, 51}, {1000000, 30, 51}, {2147483647, 30, 51},       {-1, 30, 0},
      {60, 40, 60}, {61, 40, 60}, {5, 0, 0},   {553, 369, 553},   {2147483647, 369, 553}};
  for (auto [count, first, held] : pine) {
    SCOPED_TRACE(testing::Message() << count << " from " << first);
    QByteArray bytes = WriteHand();
    for (auto [at, value] : {std::pair(616, first), {620, count}, {668, 20}, {672, 2147483647}})
      PutI32(bytes, at, value);
    WriteAll(path, bytes);
    std::unique_ptr<data> opened, previewed, again;
    standfile::StandSummary listed;
    ASSERT_EQ(std::tuple(data::ReadStandFile(path, false, opened), data::PreviewStandFile(path, previewed),
                         standfile::ReadStandSummary(path, listed)),
              std::tuple(StandFileStatus::Ok, StandFileStatus::Ok, StandFileStatus::Ok));
    for (const auto* b : {&opened->SpeciesBlocks, &previewed->SpeciesBlocks, &listed.blocks}) {
      EXPECT_EQ(std::tuple((*b)[0].words[WordFirstAge], (*b)[0].words[WordAgeCount], (*b)[1].words[WordAgeCount]),
                std::tuple(first, held, 51));
    }
    // Reading writes nothing back; the held stand saves and opens as held.
    EXPECT_TRUE(ReadAll(path) == bytes);
    ASSERT_EQ(opened->Save(path), StandFileStatus::Ok);
    EXPECT_EQ(std::pair(data::ReadStandFile(path, false, again), I32At(ReadAll(path), 620)),
              std::pair(StandFileStatus::Ok, held));
  }
}

TEST_F(StandFileTest, ReaderAndWritersRefuseTheSameStandsAtEachBound) {
  for (const Bound& b : kBounds) {
    SCOPED_TRACE(b.what);
    auto s = HandStand();
    b.change(*s);
    // The reader, on the image of the changed stand.
    std::unique_ptr<data> back;
    EXPECT_EQ(standfile::DecodeStand(standfile::EncodeStand(*s), back),
              b.readerStatus == S::Ok ? b.status : b.readerStatus);

    // WriteNewFile over an existing file; Save and RewriteHeader of the file
    // that the unchanged stand wrote. A refusal gives its reason and leaves
    // the file as it was.
    const auto expectWritten = [&](S status, const QString& error, const QByteArray& before) {
      EXPECT_EQ(std::pair(status, error), std::pair(b.status, StandFileStatusText(b.status)));
      if (b.status != S::Ok) {
        EXPECT_TRUE(ReadAll(path) == before);
      }
    };
    QString error;
    const QByteArray before = WriteHand();
    expectWritten(s->WriteNewFile(path, &error), error, before);
    if (b.status == S::Ok) {
      ASSERT_EQ(data::ReadStandFile(path, true, back), S::Ok);
      ExpectSameStand(*s, *back);
    }
    WriteHand();
    error.clear();
    if (b.headerOnly) {
      // Save writes the header on disk, whatever the object's; changing the
      // header is RewriteHeader's, which refuses as the reader would.
      EXPECT_EQ(s->Save(path), S::Ok);
      const QByteArray saved = ReadAll(path);
      EXPECT_TRUE(saved.left(580) == before.left(580));
      const StandHeader h = s->Header;
      s->Header = hand->Header;
      expectWritten(s->RewriteHeader(path, h, &error), error, saved);
      EXPECT_EQ(s->Area(), b.status == S::Ok ? h.area : hand->Area());
    } else {
      expectWritten(s->Save(path, &error), error, before);
      if (b.status == S::Ok) {
        EXPECT_EQ(data::ReadStandFile(path, true, back), S::Ok);
      }
    }
  }
}

}  // namespace
