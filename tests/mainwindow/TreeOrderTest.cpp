// The tree list's order once the main window shows a stand. Opened through
// the open-stand window or the main stand list, after the open stand's data
// view, a new dot size and an undo, its records stand one by one as the
// drawings' sorts leave them (worked out here one sort at a time); a growth
// and the growth forecast straight after opening take the trees that this
// order gives.
#include <QListWidget>
#include <QTableWidget>

#include "mainwindow/ActsSaveRules.h"
#include "stands/Open.h"
#include "tests/mainwindow/GrowFixture.h"
#include "tests/support/StandCompare.h"
#include "tests/support/TreeOrder.h"

using namespace testsupport;

namespace {

class TreeOrderWindows : public growfixture::GrowWindows {
 protected:
  // A dense sapling stand of 12000 trees as the measurement builds it (trees
  // of equal height by the thousand, some hundreds of equal y), written as a
  // new stand is: by height.
  QString WriteDense(const QString& id) {
    auto s = picturestands::MakeStand(picturestands::kDense, 1);
    s->Header.standId = id;
    EXPECT_EQ(s->WriteNewFile(PathOf(id)), StandFileStatus::Ok);
    return PathOf(id);
  }
  // Another one grown ten years and saved: by measured height, with the
  // grown sizes.
  QString WriteGrown(const QString& id) {
    auto s = picturestands::MakeStand(picturestands::kDense, 2);
    s->Header.standId = id;
    EXPECT_EQ(s->WriteNewFile(PathOf(id)), StandFileStatus::Ok);
    const int ages[kSpeciesSlots] = {45, 40, 35, 35, 30, 0};
    s->SetSpeciesAges(ages);
    ApplyGrowingStep(*s, NextGrowthKind(*s), 10);
    EXPECT_EQ(s->Save(PathOf(id)), StandFileStatus::Ok);
    SetCurrentPhase(0);
    return PathOf(id);
  }
  // The open stand, record by record, as the full refresh sorts the file's
  // stand. The stand's ties make every sort count: sorted back by y at once,
  // or without the overview tab's map, the order would be another.
  void ExpectRefreshOrderOf(const QString& path) {
    auto expected = treeorder::ReadAsStored(path);
    ASSERT_NE(expected, nullptr);
    data once = *expected;
    once.SortTreesForSave(false, false);
    data reset = *expected;
    for (auto [growthKey, bySize] : {std::pair{true, true}, {false, true}, {false, false}})
      reset.SortTreesForSave(growthKey, bySize);
    treeorder::SortAsTheFullRefresh(*expected);
    EXPECT_FALSE(treeorder::SameTreeOrder(once, *expected));
    EXPECT_FALSE(treeorder::SameTreeOrder(reset, *expected));
    standcompare::ExpectSameStand(Stand(), *expected);
  }
  static int RowOfFile(const QString& file) {
    for (int i = 0; i < ActForm->FileListBox1->count(); ++i)
      if (ActForm->FileListBox1->item(i)->text() == file) return i;
    return -1;
  }
  // A click on the stand list's row of the file, closed in the open-stand
  // window with the button.
  static bool ClickStandRow(const QString& file, const char* button) {
    const int row = RowOfFile(file);
    EXPECT_GE(row, 0) << file.toStdString();
    return InModal(Shown(OpenForm), [button] { Click(Child(OpenForm, button)); },
                   [row] { ClickRow(ActForm->ListBox1, row); });
  }
};

}  // namespace

TEST_F(TreeOrderWindows, OpenedThroughBothListsViewedUndoneAndRedrawnAsTheDrawingsSortIt) {
  const QString dense = WriteDense("21");
  const QString grown = WriteGrown("22");
  // The start window's stand list, the open dialog, the open-stand window.
  OpenFromTheList(dense);
  ASSERT_EQ(Stand().TitleText(0), "21");
  ExpectRefreshOrderOf(dense);
  // The main window's stand list: the grown stand, its measured map by the
  // measured height.
  ASSERT_TRUE(ClickStandRow("22.Norvalen", "Button3"));
  ASSERT_EQ(std::pair(Stand().TitleText(0), Stand().GrowthStepCount()), std::pair(QString("22"), 1));
  ExpectRefreshOrderOf(grown);
  // Its own row: the open stand's data in the open-stand window, closed
  // without opening anything.
  data shown = Stand();
  ASSERT_TRUE(ClickStandRow("22.Norvalen", "Button1"));
  const data before = shown;
  treeorder::SortAsTheOpenStandPreview(shown);
  EXPECT_FALSE(treeorder::SameTreeOrder(before, shown));
  standcompare::ExpectSameStand(Stand(), shown);
  // Another dot size on the overview page: the measured map, sorted back,
  // then both maps' sorts.
  ClickTab(ActForm->PageControl2, ActForm->TabSheet6);
  ClickItem(ActForm->RadioGroup5, 3);
  ASSERT_EQ(ActForm->RadioGroup5->ItemIndex(), 3);
  for (auto [growthKey, bySize] : {std::pair{true, true}, {false, false}, {false, true}, {false, false}})
    shown.SortTreesForSave(growthKey, bySize);
  standcompare::ExpectSameStand(Stand(), shown);
  Shot(ActForm, "tree-order-dot-maps.png");
  // An undo of the growth: the refresh draws the map after the steps.
  ClickUndo();
  ASSERT_EQ(CurrentPhase(), 0);
  shown.UndoOperation(1);
  shown.GrownSizes1.clear();
  shown.ClearSlot(1);
  shown.SortTreesForSave(false, true);
  shown.SortTreesForSave(false, false);
  standcompare::ExpectSameStand(Stand(), shown);
}

// Sixty pines, tree j at plot x = 25 + 9 j and y = 55 + 2.4 j (so j is its
// place in y order): 58 saplings 1 cm thick and 1.1 to 2.9 m tall in no
// order of j, and two old pines, 40 cm and 28 m, at j = 1 and j = 31. The
// file holds them by height, the old pines last. Stand age 115 years.
//
// Mortality of the five years (one period), from slot 0: N = 60 stems,
// G = 2 x 0.12566 + 58 x 0.0000785 = 0.2559 m2/ha; a = (60 / 12000)^2 =
// 2.5e-5 above b = (0.2559 x 0.0125)^2 = 1.0e-5; D = (1.5 x 60 / 12000 + 1)
// x 500 x 2.5e-5 + 20 = 20.013; A = 115 + 5 = 120 (one species);
// E = 120^1.32 = 555.5; R = (0.004 x 555.5 + 0.1 + 0.0023 x 20.013) x 0.2
// = 0.4736; Q = 28.125 R = 13.32; k = round(2000 / (5 x 13.32)) = round(30.03)
// = 30. Walking from the last tree, the 29th and the 59th standing tree die:
// in y order j = 31 and j = 1, the two old pines; in the file's order two
// saplings would die instead.
class HandStand : public TreeOrderWindows {
 protected:
  static constexpr int kTrees = 60;
  static float XOf(int j) { return 25.0f + 9.0f * static_cast<float>(j); }
  static bool IsOld(int j) { return j == 1 || j == 31; }
  QString WriteHandStand() {
    auto s = std::make_unique<data>(kTrees);
    s->Header.estateName = QString::fromUtf8("Koivulan tila");
    s->Header.standId = "60";
    s->Header.developmentClass = 6;
    s->Header.siteType = 3;
    s->Header.measurementDay = 43631;
    s->Header.area = 1.0f;
    for (int j = 0; j < kTrees; ++j) {
      TreeRecord& t = s->Trees[j];
      t.x = XOf(j);
      t.y = 55.0f + 2.4f * static_cast<float>(j);
      t.diameter = IsOld(j) ? 4000.0f : 100.0f;
      t.height = IsOld(j) ? 2800.0f : 110.0f + 3.0f * static_cast<float>((j * 37) % 61);
      t.species = SpeciesPine;
    }
    auto& w = s->SpeciesBlocks[SpeciesPine].words;
    w[WordMeanDiameter] = 40;
    w[WordMeanHeight] = 280;
    w[WordBasalArea] = 3;
    w[WordStems] = kTrees;
    w[WordFirstAge] = 110;
    w[WordAgeCount] = 11;
    s->RecordPhase(0, QStringLiteral("dummyStr"), 0, 0);
    EXPECT_EQ(s->WriteNewFile(PathOf("60")), StandFileStatus::Ok);
    return PathOf("60");
  }
  // The plot x of the trees removed by phase k.
  QList<float> RemovedBy(int k) {
    QList<float> xs;
    for (const TreeRecord& t : Stand().Trees)
      if (t.removedBy == k) xs << t.x;
    std::sort(xs.begin(), xs.end());
    return xs;
  }
};

TEST_F(HandStand, GrowthAndForecastStraightAfterOpeningTakeTheOldPines) {
  const QString path = WriteHandStand();
  auto stored = treeorder::ReadAsStored(path);
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(std::pair(stored->Trees[58].diameter, stored->Trees[59].diameter), std::pair(4000.0f, 4000.0f));
  OpenFromTheList(path);
  QString now, fiveYears;
  GrowThroughDialogs(
      5, [] { ChooseItem(AgesForm->AgeList[SpeciesPine], QString::fromUtf8("115 v.")); },
      [&] {
        now = CellText(IncForm->StringGrid1, 1, 1);
        fiveYears = CellText(IncForm->StringGrid1, 2, 1);
      });
  // The forecast's first five years: the old pines die, the saplings left
  // hold less than half a cubic metre.
  EXPECT_NE(now, "   0 m3/ha");
  EXPECT_EQ(fiveYears, "   0 m3/ha");
  // The growth: the same two trees carry its phase.
  ASSERT_EQ(std::pair(CurrentPhase(), Stand().GrowthStepCount()), std::pair(1, 1));
  EXPECT_EQ(RemovedBy(1), QList<float>({XOf(1), XOf(31)}));
  EXPECT_EQ(Stand().Slots[1].stems, kTrees - 2);
}
