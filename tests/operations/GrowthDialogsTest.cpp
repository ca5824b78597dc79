// The stand-age, growth and regeneration timing dialogs and the
// recommendation panel on screen: what each shows for an opened stand, how
// the marks between them work, and pictures of each for a person to look at.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>

#include <algorithm>

#include "ui/EstateChart.h"
#include "operations/Inc1.h"
#include "operations/Inc1Rules.h"
#include "operations/IncRules.h"
#include "ui/Palette.h"
#include "stands/Settings1.h"
#include "tests/mainwindow/GrowFixture.h"
#include "tests/support/StandCompare.h"

using namespace growfixture;
using testsupport::Click;
using testsupport::Shot;

namespace {

QStringList Row(int r) {
  QStringList cells;
  for (int c = 0; c < IncForm->StringGrid1->columnCount(); ++c) cells << IncForm->StringGrid1->item(r, c)->text();
  return cells;
}

TEST_F(GrowWindows, AgeDialogOfAStandWhosePineWasCut) {
  WriteStand("12a", 7);
  OpenStandFile("12a");
  // A cutting took every pine.
  for (TreeRecord& t : Stand().Trees)
    if (t.species == SpeciesPine) t.removedBy = 1;
  Stand().RecordPhase(1, "Puulajin poisto, mänty", 0, 0);
  SetCurrentPhase(1);
  ActForm->UpdateView(0);
  ASSERT_TRUE(IncForm->NeedsRecompute);
  IncForm->NeedsRecompute = false;
  EXPECT_TRUE(InModal(Shown(AgesForm), [this] {
    EXPECT_EQ(AgesForm->windowTitle(), " Kuvio 12a, puuston ikä");
    // The pine's list gives way to the cut mark; aspen was never measured.
    EXPECT_EQ((std::vector<bool>{AgesForm->AgeList[0]->isVisible(), AgesForm->CutLabel[0]->isVisible(),
                                 AgesForm->AgeList[1]->isVisible(), AgesForm->CutLabel[1]->isVisible(),
                                 AgesForm->CutLabel[3]->isVisible()}),
              (std::vector<bool>{false, true, true, false, false}));
    EXPECT_EQ((QStringList{AgesForm->DiameterLabel[0]->text(), AgesForm->HeightLabel[1]->text(),
                           AgesForm->Label28->text()}),
              (QStringList{"22 cm", "16.0 m", "puuston ikä 2019"}));
    // The spruce list: the stand's candidate ages with its default chosen.
    QComboBox* spruce = AgesForm->AgeList[1];
    EXPECT_EQ(spruce->count(), Stand().SpeciesValue(1, 9));
    EXPECT_EQ(spruce->itemText(0), QString::number(Stand().SpeciesValue(1, 8)) + " v.");
    // Choosing another age marks the forecast for recomputing.
    spruce->setFocus();
    QTest::keyClick(spruce, Qt::Key_Down);
    EXPECT_TRUE(IncForm->NeedsRecompute);
    Shot(AgesForm, "ages-dialog.png");
    Click(AgesForm->BitBtn1);
  }, [] { EXPECT_EQ(ActForm->GrowStandStock(), 2); }));
}

TEST_F(GrowWindows, ForecastTableChoiceAndTimingDialog) {
  // After 20 years the older stand reaches the regeneration thresholds (25
  // cm, 20 m2/ha by default): the timing button is offered.
  WriteStand("12a", 7, true);
  OpenStandFile("12a");
  const data before = Stand();
  QStringList firstShowing[6];
  EXPECT_TRUE(InModal(Shown(AgesForm), [&] {
    EXPECT_TRUE(InModal(Shown(IncForm), [&] {
      EXPECT_FALSE(IncForm->NeedsRecompute);
      EXPECT_EQ(IncForm->windowTitle(), " Kuvio 12a, puuston kasvatus");
      EXPECT_TRUE(IncForm->CheckBox1->isChecked() && IncForm->StringGrid1->isVisible());
      EXPECT_FALSE(IncForm->BitBtn2->isEnabled());
      EXPECT_EQ(IncForm->Label1->text(), "puuston 1. kasvatus 2019,  valitse kasvatusaika   !");
      EXPECT_EQ(Row(0), ForecastHeadings());
      EXPECT_EQ((QStringList{Row(1)[0], Row(2)[0], Row(5)[0]}),
                (QStringList{"vuosi 2019", "2019 --> 2024", "2034 --> 2039"}));
      for (int r = 0; r < 6; ++r) firstShowing[r] = Row(r);
      // Every column as wide as the widest heading in the table's font + 8
      // (and its grid line); the table trunc(8 x (width + 1.5)) wide and
      // 6 rows of the age line's height + 4, + 10 high; the headings on the
      // table's colour; the forecast box 2 pixels from the title strip's
      // right edge.
      QTableWidget* grid = IncForm->StringGrid1;
      QLabel probe;
      probe.setFont(grid->font());
      int widest = 0;
      for (const QString& h : ForecastHeadings()) {
        probe.setText(h);
        probe.adjustSize();
        widest = std::max(widest, probe.width());
      }
      const int column = widest + 8;
      for (int c = 0; c < 8; ++c) EXPECT_EQ(grid->columnWidth(c), column + 1) << c;
      EXPECT_EQ(std::pair(grid->width(), grid->height()),
                std::pair(8 * column + 12, (IncForm->Label3->height() + 4) * 6 + 10));
      const QImage table = grid->grab().toImage();
      for (int c : {0, 7})
        EXPECT_EQ(QColor(table.pixel(grid->columnViewportPosition(c) + column - 2, grid->rowHeight(0) / 2)),
                  PaletteColor(1))
            << c;
      EXPECT_EQ(IncForm->Panel1->width() - IncForm->CheckBox1->geometry().right() - 1, 2);
      // The top row of the period group reads 1..10.
      EXPECT_LT(IncForm->RadioGroup1->Item(0)->y() + 2, IncForm->RadioGroup1->Item(1)->y());  // "1" over "11"
      EXPECT_EQ(IncForm->RadioGroup1->Item(0)->y(), IncForm->RadioGroup1->Item(2)->y());      // "1" beside "2"
      testsupport::ClickItem(IncForm->RadioGroup1, 0);
      EXPECT_EQ(IncForm->Label1->text(), "puuston 1. kasvatus 2019,  kasvatusaika 1 vuosi");
      EXPECT_TRUE(IncForm->BitBtn2->isEnabled());
      testsupport::ClickItem(IncForm->RadioGroup1, 19);
      EXPECT_EQ(IncForm->Label1->text(), "puuston 1. kasvatus 2019,  kasvatusaika 20 vuotta");
      Shot(IncForm, "growth-dialog.png");
      // Help: the growth text, then the forecast's (the table is shown).
      Click(IncForm->BitBtn1);
      const MessageRecord help = script_.Last(MessageKind::HelpText);
      EXPECT_EQ(help.caption, "Puuston kasvatus");
      EXPECT_TRUE(help.lines.value(0).startsWith("Kuvion puustoa voidaan kasvattaa 2 kertaa. "));
      EXPECT_TRUE(help.lines.value(2).startsWith("Puuston kehitysennusteessa"));
      // Hiding the table shrinks the window.
      const int tall = IncForm->height();
      testsupport::Tick(IncForm->CheckBox1);
      EXPECT_FALSE(IncForm->StringGrid1->isVisible());
      EXPECT_LT(IncForm->height(), tall);
      testsupport::Tick(IncForm->CheckBox1);
      // The timing dialog: its chart as the timing rules build it.
      EXPECT_TRUE(IncForm->Button2->isVisible()) << Row(5).join(" | ").toStdString();
      EXPECT_TRUE(IncForm1->Label1->text().startsWith("Vuonna 2039 puuston keskiläpimitta "));
      EXPECT_EQ(IncForm1->Label5->text(), "Jos harkitset uudistushakkuuta v. 2019 - 2039,  aseta vaatimus minimikorolle");
      EXPECT_TRUE(InModal(Shown(IncForm1), [&] {
        EXPECT_EQ(IncForm1->windowTitle(), " Kuvio 12a, uudistushakkuun ajoitus");
        EXPECT_EQ(IncForm1->ComboBox4->currentText(), "2.5 % / vuosi");
        EXPECT_TRUE(IncForm1->Chart1->isVisible());
        const TimingChartContent expected = BuildTimingChart(IncForm->ValueGrowthFactors, 25, 2019, "2.5 % / vuosi");
        ASSERT_EQ(IncForm1->Chart1->Bars().size(), expected.bars.size());
        for (std::size_t i = 0; i < expected.bars.size(); ++i) {
          EXPECT_FLOAT_EQ(float(IncForm1->Chart1->Bars()[i].value), expected.bars[i].value);
          EXPECT_EQ(IncForm1->Chart1->Bars()[i].colorBgr, expected.bars[i].colour);
        }
        EXPECT_EQ(IncForm1->Chart1->TitleLines().value(0), "Puuston arvon kasvu  -  korkovaatimus  ( 2.5 % / vuosi )");
        Shot(IncForm1, "timing-dialog.png");
        // The empty item hides the chart and shrinks the window.
        const int tall = IncForm1->height();
        testsupport::ChooseItem(IncForm1->ComboBox4, "");
        EXPECT_FALSE(IncForm1->Chart1->isVisible());
        EXPECT_LT(IncForm1->height(), tall);
        Click(IncForm1->Button2);
      }, [] { Click(IncForm->Button2); }));
      Click(IncForm->BitBtn3);
    }, [] { Click(AgesForm->BitBtn2); }));
    // Shown again without a change: the same table, no recomputation, no
    // choice.
    EXPECT_TRUE(InModal(Shown(IncForm), [&] {
      for (int r = 0; r < 6; ++r) EXPECT_EQ(Row(r), firstShowing[r]) << r;
      EXPECT_EQ(IncForm->RadioGroup1->ItemIndex(), -1);
      Click(IncForm->BitBtn3);
    }, [] { Click(AgesForm->BitBtn2); }));
    Click(AgesForm->BitBtn1);
  }, [] { Click(ActForm->Panel4); }));
  // Looking at the forecast changed nothing of the stand.
  EXPECT_EQ(CurrentPhase(), 0);
  standcompare::ExpectSameStand(Stand(), before);
}

TEST_F(GrowWindows, RecommendationPanel) {
  WriteStand("12a", 7);
  OpenStandFile("12a");
  ActForm->PageControl2->setCurrentWidget(ActForm->TabSheet6);
  // The measured stand: 26 m2/ha of basal area calls for a thinning.
  ASSERT_TRUE(ActForm->Panel12->isVisibleTo(ActForm->Panel3));
  EXPECT_EQ(ActForm->Panel12->text(), "Toimenpidesuositus  v. 2019");
  EXPECT_FALSE(ActForm->Label30->isVisibleTo(ActForm->Panel3));
  EXPECT_TRUE(ActForm->RecommendationText.startsWith("puuston ")) << ActForm->RecommendationText.toStdString();
  Shot(ActForm, "recommendation-panel.png");
  script_.Clear();
  Click(ActForm->Panel12);
  const MessageRecord m = script_.Last(MessageKind::Message);
  EXPECT_EQ((QStringList{m.caption, m.lines.value(0), m.lines.value(1)}),
            (QStringList{"Kuvio 12a", "Toimenpidesuositus mittauksen jälkeen  v. 2019",
                         "            -  " + ActForm->RecommendationText}));
  // After a growth the year follows the grown phase.
  GrowThroughDialogs(10);
  if (ActForm->Panel12->isVisibleTo(ActForm->Panel3)) {
    EXPECT_EQ(ActForm->Panel12->text(), "Toimenpidesuositus  v. 2029");
  }
  // Switched off: the panel hides and the note shows, whatever the stand.
  SettForm1->CheckBox1->setChecked(true);
  ActForm->ShowOperationRecommendation(3, false);
  EXPECT_FALSE(ActForm->Panel12->isVisibleTo(ActForm->Panel3));
  EXPECT_TRUE(ActForm->Label30->isVisibleTo(ActForm->Panel3));
  EXPECT_EQ(ActForm->Label30->text(), "mahdollisia toimenpidesuosituksia ei näytetä   !");
}

}  // namespace
