// The tree list's order once the main window shows a stand. Opened through
// the open-stand window or the main stand list, after the open stand's data
// view, a new dot size and an undo, its records stand one by one as the
// drawings' sorts leave them; a growth and the growth forecast straight after
// opening take the trees that this order gives.
#include "tests/mainwindow/GrowFixture.h"
#include "tests/support/StandCompare.h"
#include "tests/support/TreeOrder.h"

using namespace testsupport;
using treeorder::Sort;

namespace {

class TreeOrderWindows : public growfixture::GrowWindows {
 protected:
  // A dense sapling stand of 12000 trees as the measurement builds it (trees
  // of equal height by the thousand, some hundreds of equal y), written as a
  // new stand is, by height; or grown ten years and saved, by measured height.
  QString WriteDense(const QString& id, unsigned seed, bool grown) {
    auto s = picturestands::MakeStand(picturestands::kDense, seed);
    s->Header.standId = id;
    EXPECT_EQ(s->WriteNewFile(PathOf(id)), StandFileStatus::Ok);
    if (grown) {
      const int ages[kSpeciesSlots] = {45, 40, 35, 35, 30, 0};
      s->SetSpeciesAges(ages);
      ApplyGrowingStep(*s, NextGrowthKind(*s), 10);
      EXPECT_EQ(s->Save(PathOf(id)), StandFileStatus::Ok);
      SetCurrentPhase(0);
    }
    return PathOf(id);
  }
  // The open stand, record by record, as the full refresh sorts the file's.
  void ExpectRefreshOrderOf(const QString& path) {
    auto expected = treeorder::ReadAsStored(path);
    ASSERT_NE(expected, nullptr);
    treeorder::SortAsTheFullRefresh(*expected);
    standcompare::ExpectSameStand(Stand(), *expected);
  }
  // A click on the main stand list's row of a stand, the open-stand window
  // left by its button.
  static bool ClickStandRow(const QString& id, const char* button) {
    const int row = Rows(ActForm->FileListBox1).indexOf(id + "." + CommonlanText(0));
    return ThroughOpenWindow(button, [row] { ClickRow(ActForm->ListBox1, row); });
  }
};

}  // namespace

TEST_F(TreeOrderWindows, OpenedThroughBothListsViewedUndoneAndRedrawnAsTheDrawingsSortIt) {
  const QString dense = WriteDense("21", 1, false), grown = WriteDense("22", 2, true);
  // The start window's stand list, the open dialog, the open-stand window.
  OpenFromTheList(dense);
  ExpectRefreshOrderOf(dense);
  // The main window's stand list: the grown stand, its measured map by the
  // measured height.
  ASSERT_TRUE(ClickStandRow("22", "Button3"));
  ExpectRefreshOrderOf(grown);
  // Its own row: the open stand's preview (by measured height, back by y),
  // closed without opening anything.
  data shown = Stand();
  ASSERT_TRUE(ClickStandRow("22", "Button1"));
  Sort(shown, {{true, true}, {false, false}});
  standcompare::ExpectSameStand(Stand(), shown);
  // Another dot size on the overview page: the measured map, sorted back,
  // then both maps' sorts.
  ClickTab(ActForm->PageControl2, ActForm->TabSheet6);
  ClickItem(ActForm->RadioGroup5, 3);
  Sort(shown, {{true, true}, {false, false}, {false, true}, {false, false}});
  standcompare::ExpectSameStand(Stand(), shown);
  // An undo of the growth: the refresh draws the map after the steps.
  ClickUndo();
  shown.UndoOperation(1);
  shown.GrownSizes1.clear();
  shown.ClearSlot(1);
  Sort(shown, {{false, true}, {false, false}});
  standcompare::ExpectSameStand(Stand(), shown);
}

// Sixty pines, tree j at x = 25 + 9 j, y = 55 + 2.4 j (j: its place in y
// order): 58 saplings 1 cm thick, 1.1 to 2.9 m tall in no order of j, and two
// old pines (40 cm, 28 m) at j = 1 and 31, last in the file's height order;
// stand age 115. Mortality of one five-year period from slot 0: N = 60, G =
// 0.2559 m2/ha; a = (60 / 12000)^2 = 2.5e-5 above b = (0.2559 x 0.0125)^2;
// D = (1.5 x 60 / 12000 + 1) x 500 x 2.5e-5 + 20 = 20.013; A = 115 + 5;
// R = (0.004 x 120^1.32 + 0.1 + 0.0023 D) x 0.2 = 0.4736; k = round(2000 /
// (5 x 28.125 R)) = 30. From the last tree the 29th and 59th standing trees
// die: in y order the old pines, in the file's order two saplings.
TEST_F(TreeOrderWindows, GrowthAndForecastStraightAfterOpeningTakeTheOldPines) {
  const int trees = 60;
  const auto xOf = [](int j) { return 25.0f + 9.0f * static_cast<float>(j); };
  auto s = std::make_unique<data>(trees);
  s->Header.estateName = QString::fromUtf8("Koivulan tila");
  s->Header.standId = "60";
  s->Header.developmentClass = 6;
  s->Header.siteType = 3;
  s->Header.measurementDay = 43631;
  s->Header.area = 1.0f;
  for (int j = 0; j < trees; ++j) {
    const bool old = j == 1 || j == 31;
    s->Trees[j] = TreeRecord{xOf(j), 55.0f + 2.4f * static_cast<float>(j), old ? 4000.0f : 100.0f,
                             old ? 2800.0f : 110.0f + 3.0f * static_cast<float>((j * 37) % 61), 0, SpeciesPine};
  }
  auto& w = s->SpeciesBlocks[SpeciesPine].words;
  w[WordMeanDiameter] = 40;
  w[WordMeanHeight] = 280;
  w[WordBasalArea] = 3;
  w[WordStems] = trees;
  w[WordFirstAge] = 110;
  w[WordAgeCount] = 11;
  s->RecordPhase(0, QStringLiteral("dummyStr"), 0, 0);
  ASSERT_EQ(s->WriteNewFile(PathOf("60")), StandFileStatus::Ok);
  OpenFromTheList(PathOf("60"));
  QString now, fiveYears;
  GrowThroughDialogs(
      5, [] { ChooseItem(AgesForm->AgeList[SpeciesPine], QString::fromUtf8("115 v.")); },
      [&] {
        now = CellText(IncForm->StringGrid1, 1, 1);
        fiveYears = CellText(IncForm->StringGrid1, 2, 1);
      });
  // The forecast's first five years: the old pines die, the saplings left
  // hold less than half a cubic metre.
  EXPECT_EQ(std::pair(now != "   0 m3/ha", fiveYears), std::pair(true, QString("   0 m3/ha")));
  // The growth: the same two trees carry its phase.
  ASSERT_EQ(std::pair(CurrentPhase(), Stand().GrowthStepCount()), std::pair(1, 1));
  QList<float> removed;
  for (const TreeRecord& t : Stand().Trees)
    if (t.removedBy == 1) removed << t.x;
  EXPECT_EQ(removed, QList<float>({xOf(1), xOf(31)}));
  EXPECT_EQ(Stand().Slots[1].stems, trees - 2);
}
