// The estate stand list: the files of a folder in their one order, the
// records read from them, and the totals over the records.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <string>
#include <tuple>

#include "model/Estate.h"
#include "model/StandFile.h"
#include "tests/model/CuttingStands.h"
#include "tests/support/EstateFixture.h"
#include "tests/support/TempDir.h"
#include "tests/support/Unprivileged.h"

using namespace estatefixture;

namespace {

// A record in lines: its file, header fields and status, its regeneration
// choices and reserved words, and every slot.
std::string RecordText(const EstateRecord& r) {
  QString t = QStringList{r.fileName, r.measurementDate, r.estateName, r.standId}.join('|');
  t += QStringLiteral("|%1|%2|%3|status %4:").arg(r.developmentClass).arg(r.siteType).arg(r.area, 0, 'f', 6);
  for (int c : r.regeneration.choice) t += QStringLiteral(" %1").arg(c);
  for (int c : r.regeneration.reserved) t += QStringLiteral(" (%1)").arg(c);
  std::string out = t.arg(static_cast<int>(r.status)).toStdString();
  for (const PhaseSlot& slot : r.phaseSlots) out.append("\n").append(cuttingstands::SlotText(slot, 9));
  return out;
}

class EstateTest : public ::testing::Test {
 protected:
  testsupport::TempDir dir;

  // A stand file with slot 0 volumes (pine pulpwood, pine logs) and a name.
  void Stand(const QString& file, const QString& id, int year, float area, int pulp, int logs) {
    auto s = MakeStand(id, 6, year, area, 6, 3);
    s->Slots[0].name = "dummyStr";
    s->Slots[0].volumes[PinePulpwood] = pulp;
    s->Slots[0].volumes[PineLogs] = logs;
    ASSERT_TRUE(WriteStand(*s, dir.file(file)));
  }
};

TEST_F(EstateTest, StandFilesOfAFolderInOneOrder) {
  Stand("b12.Norvalen", "b12", 2019, 1.0f, 10, 10);
  Stand("A3.Norvalen", "a3", 2019, 1.0f, 10, 10);
  Stand("c.NORVALEN", "c", 2019, 1.0f, 10, 10);  // the mask ignores case, as the folder lists do
  Stand("a3.Norvalen", "a3", 2019, 1.0f, 10, 10);
  ASSERT_TRUE(WriteBytes(dir.file("muistio.txt"), "x"));
  ASSERT_TRUE(QDir(dir.path()).mkdir("kansio.Norvalen"));  // a folder is no stand file
  EXPECT_EQ(EstateStandFiles(dir.path()),
            (QStringList{"A3.Norvalen", "a3.Norvalen", "b12.Norvalen", "c.NORVALEN"}));
  EXPECT_TRUE(EstateStandFiles(dir.file("puuttuu")).isEmpty());
  EXPECT_TRUE(EstateStandFiles(QString()).isEmpty());
  const EstateRecordList records = ListEstateFolder(dir.path());
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[2].fileName, "b12.Norvalen");
  EXPECT_EQ(records[2].standId, "b12");
}

TEST_F(EstateTest, RecordCopiesTheFixedRecordsOfItsFile) {
  auto s = MakeStand("17b", 9, 2018, 2.35f, 7, 2);
  s->Header.measurementDay = DayNumber(2018, 3, 4);
  for (int k = 0; k < kPhaseCount; ++k) {
    s->Slots[k].name = QStringLiteral("vaihe %1").arg(k);
    s->Slots[k].years = k == 1 ? 5 : 0;
    s->Slots[k].stems = 900 - 100 * k;
    s->Slots[k].volumes[SpruceLogs] = 150 + k;
    s->Slots[k].basalArea = 24.5f - k;
  }
  s->GrownSizes1.assign(9, GrownSize{1000.0f, 1500.0f});
  s->Regeneration.choice = {1, 2, 3, 4, -5, 6, 7, 8, 9};
  s->Regeneration.reserved = {77, 88};
  ASSERT_TRUE(WriteStand(*s, dir.file("17b.Norvalen")));

  const EstateRecord r = ReadEstateRecord(dir.path(), "17b.Norvalen");
  // The two reserved words of the choices are not copied.
  const EstateRecord want{"17b.Norvalen", "04.03.2018", QString::fromUtf8("Koivulan tila"), "17b", 7, 2, 2.35f,
                          s->Slots, {{1, 2, 3, 4, -5, 6, 7, 8, 9}, {0, 0}}, StandFileStatus::Ok};
  EXPECT_EQ(RecordText(r), RecordText(want));
  EXPECT_EQ(r.Year(), "2018");
}

// Files that are not sound stand files are listed (the list keeps one record
// per file) but read as nothing; the folder's other stands are unaffected.
TEST_F(EstateTest, BrokenFilesAreListedAsUnreadable) {
  Stand("a.Norvalen", "a", 2019, 1.25f, 40, 60);
  const QByteArray good = ReadBytes(dir.file("a.Norvalen"));
  struct Case {
    const char* file;
    QByteArray bytes;
    StandFileStatus status;
  };
  QByteArray badCount = good;
  badCount[580 + 7 * 4] = char(0x7f);  // pine stems 127: the length no longer matches
  QByteArray hugeCount = good;
  hugeCount[580 + 7 * 4 + 2] = char(0x01);  // 65538 stems: above the tree-count limit
  const std::vector<Case> cases = {
      {"empty.Norvalen", QByteArray(), StandFileStatus::TooShort},
      {"header.Norvalen", good.left(580), StandFileStatus::TooShort},
      {"slots.Norvalen", good.left(1795), StandFileStatus::TooShort},
      {"trees.Norvalen", good.left(good.size() - 1), StandFileStatus::LengthMismatch},
      {"long.Norvalen", good + QByteArray(40, '\0'), StandFileStatus::LengthMismatch},
      {"foreign.Norvalen", ForeignBytes(), StandFileStatus::BadTreeCount},
      {"count.Norvalen", badCount, StandFileStatus::LengthMismatch},
      {"huge.Norvalen", hugeCount, StandFileStatus::BadTreeCount},
  };
  for (const Case& c : cases) ASSERT_TRUE(WriteBytes(dir.file(c.file), c.bytes)) << c.file;
  const EstateRecordList records = ListEstateFolder(dir.path());
  ASSERT_EQ(records.size(), cases.size() + 1);
  for (const EstateRecord& r : records) {
    if (r.fileName == "a.Norvalen") {
      EXPECT_TRUE(r.IsReadable());
      continue;
    }
    const auto it = std::find_if(cases.begin(), cases.end(), [&](const Case& c) { return r.fileName == c.file; });
    ASSERT_NE(it, cases.end());
    EstateRecord blank;  // every field but the file name and the status as a new record has it
    std::tie(blank.fileName, blank.status) = std::tie(r.fileName, it->status);
    EXPECT_EQ(RecordText(r), RecordText(blank));
  }
  EXPECT_FLOAT_EQ(EstateTotalArea(records, static_cast<int>(records.size())), 1.25f);
  EXPECT_EQ(LatestMeasurementYear(records, 1), "2019");
}

TEST_F(EstateTest, ReadOnlyFileIsReadAndOneThatCannotBeReadIsListedAsUnreadable) {
  Stand("a.Norvalen", "a", 2019, 1.0f, 40, 60);
  QFile f(dir.file("a.Norvalen"));
  ASSERT_TRUE(f.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup));
  EXPECT_TRUE(ReadEstateRecord(dir.path(), "a.Norvalen").IsReadable());
  ASSERT_TRUE(f.setPermissions(QFileDevice::WriteOwner));
  // The folder open to every user, the file to none but its owner's writes.
  ASSERT_TRUE(QFile(dir.path()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                               QFileDevice::ExeOther));
  EstateRecordList records;
  {
    testsupport::UnprivilegedFiles user;
    ASSERT_FALSE(QFile(dir.file("a.Norvalen")).open(QIODevice::ReadOnly)) << "the file must be unreadable here";
    records = ListEstateFolder(dir.path());
  }
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].status, StandFileStatus::CannotOpen);
  f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST(EstateTotals, AreaAndWholeAreaVolumes) {
  EstateRecordList records(3);
  const float areas[3] = {0.25f, 1.5f, 2.0f};
  for (int i = 0; i < 3; ++i) std::tie(records[i].area, records[i].status) = std::tuple(areas[i], StandFileStatus::Ok);
  // The area of the first n records (none below 1, all beyond the list).
  for (auto [n, area] : {std::pair{0, 0.0f}, {-2, 0.0f}, {2, 1.75f}, {9, 3.75f}})
    EXPECT_FLOAT_EQ(EstateTotalArea(records, n), area) << n;
  EXPECT_EQ(EstateTotalArea({}, 3), 0.0f);

  // 10 m3/ha of each of two assortments on 0.25 ha: 2.5 rounds to 3 each.
  EstateRecord& r = records[0];
  r.phaseSlots[0].volumes[PinePulpwood] = 10;
  r.phaseSlots[0].volumes[PineLogs] = 10;
  EXPECT_EQ(EstateSlotAssortmentVolume(r, 0, PinePulpwood, false), 10);
  EXPECT_EQ(EstateSlotAssortmentVolume(r, 0, PinePulpwood, true) + EstateSlotAssortmentVolume(r, 0, PineLogs, true),
            6);
  // A thinning leaves 7 of 10: the whole-area stock 2 (3 - round(0.75)),
  // so the removal 3 - 2 = 1 adds up with the stock.
  r.phaseSlots[1].volumes[PinePulpwood] = 7;
  EXPECT_EQ(EstateSlotAssortmentVolume(r, 1, PinePulpwood, true), 2);
  // Slot 1 above slot 0 (a growing step) is the base: 14 x 0.25 = 3.5 -> 4.
  r.phaseSlots[1].volumes[PineLogs] = 14;
  EXPECT_EQ(EstateSlotAssortmentVolume(r, 1, PineLogs, true), 4);
  EXPECT_EQ(EstateSlotAssortmentVolume(r, 0, PineLogs, true), 4 - 1);
  EXPECT_EQ(EstateSlotAssortmentVolume(r, 6, 0, true), 0);
  EXPECT_EQ(EstateSlotAssortmentVolume(r, 0, 13, false), 0);
}

TEST(EstateTotals, MeasurementYearsByMode) {
  auto records = [](std::initializer_list<const char*> dates) {
    EstateRecordList out;
    for (const char* d : dates) {
      EstateRecord r;
      r.status = *d ? StandFileStatus::Ok : StandFileStatus::TooShort;
      r.measurementDate = d;
      out.push_back(r);
    }
    return out;
  };
  // The years in modes 0, 1, 2 and -1 (the latest).
  const std::pair<EstateRecordList, const char*> cases[] = {
      {records({"01.06.2015", "15.09.2018"}), "|2015-18|2015 - 18|2018"},
      {records({"15.09.2018", "01.06.2015", "03.03.2016"}), "|2015-18|2015 - 18|2018"},
      {records({"01.06.2018", "15.09.2018"}), "2018|2018|2018|2018"},
      {records({"01.06.2018"}), "2018|2018|2018|2018"},
      {records({"01.06.1999", "01.06.2003"}), "|1999-03|1999 - 03|2003"},
      // An unreadable file has no year and does not count.
      {records({"", "01.06.2017", "", "01.01.2017"}), "2017|2017|2017|2017"},
      {records({}), "|||"},
      {records({""}), "|||"},
  };
  for (const auto& [list, years] : cases) {
    QStringList got;
    for (int mode : {0, 1, 2, -1}) got << LatestMeasurementYear(list, mode);
    EXPECT_EQ(got.join('|'), years);
  }
}

TEST(EstateTotals, SaveUpdatesTheRecordInPlace) {
  EstateRecord r;
  PhaseSlot slot;
  slot.name = "Harvennus";
  slot.volumes[SpruceLogs] = 44;
  CopySlotBlocksToEstateRecord(r, 2, slot);
  CopySlotBlocksToEstateRecord(r, 6, slot);  // no such slot: nothing happens
  EXPECT_EQ(r.phaseSlots[2].name, "Harvennus");
  EXPECT_EQ(r.phaseSlots[2].volumes[SpruceLogs], 44);
  RegenerationChoices c;
  c.choice = {9, 8, 7, 6, 5, 4, 3, 2, 1};
  c.reserved = {1, 1};
  SetEstateRegenerationChoices(r, c);
  EXPECT_EQ(r.regeneration.choice, c.choice);
  EXPECT_EQ(r.regeneration.reserved, (std::array<int32_t, 2>{0, 0}));
}

}  // namespace
