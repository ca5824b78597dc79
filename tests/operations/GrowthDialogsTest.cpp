// The stand-age, growth and regeneration timing dialogs and the
// recommendation panel on screen: what each shows for an opened stand, how
// the marks between them work, and pictures of each for a person to look at.
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>

#include "estate/EstateChart.h"
#include "operations/Inc1.h"
#include "operations/Inc1Rules.h"
#include "operations/NewFrst.h"
#include "operations/IncRules.h"
#include <QCheckBox>
#include "stands/Settings1.h"
#include "tests/mainwindow/GrowFixture.h"
#include "tests/support/Shots.h"

using namespace growfixture;

namespace {

void Shot(QWidget* w, const char* name) { EXPECT_TRUE(w->grab().save(testsupport::ShotPath(name))); }

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
  Stand().RecordPhase(1, QString::fromUtf8("Puulajin poisto, mänty"), 0, 0);
  SetCurrentPhase(1);
  ActForm->UpdateView(0);
  ASSERT_FALSE(IncForm->NeedsRecompute == false);
  IncForm->NeedsRecompute = false;
  WhenShown(AgesForm, [this] {
    EXPECT_FALSE(AgesForm->AgeList[0]->isVisible());
    EXPECT_TRUE(AgesForm->CutLabel[0]->isVisible());
    EXPECT_TRUE(AgesForm->AgeList[1]->isVisible());
    EXPECT_FALSE(AgesForm->CutLabel[1]->isVisible());
    EXPECT_FALSE(AgesForm->CutLabel[3]->isVisible());  // never measured
    EXPECT_EQ(AgesForm->DiameterLabel[0]->text(), "22 cm");
    EXPECT_EQ(AgesForm->HeightLabel[1]->text(), "16.0 m");
    EXPECT_EQ(AgesForm->Label28->text(), QString::fromUtf8("puuston ikä 2019"));
    EXPECT_EQ(AgesForm->windowTitle(), QString::fromUtf8(" Kuvio 12a, puuston ikä"));
    // The spruce list: the stand's candidate ages with its default chosen.
    const int first = Stand().SpeciesValue(1, 8);
    const int count = Stand().SpeciesValue(1, 9);
    EXPECT_EQ(AgesForm->AgeList[1]->count(), count);
    EXPECT_EQ(AgesForm->AgeList[1]->itemText(0), QString::number(first) + " v.");
    // Choosing another age marks the forecast for recomputing.
    QComboBox* spruce = AgesForm->AgeList[1];
    spruce->setFocus();
    QTest::keyClick(spruce, Qt::Key_Down);
    EXPECT_TRUE(IncForm->NeedsRecompute);
    Shot(AgesForm, "ages-dialog.png");
    QTest::mouseClick(AgesForm->BitBtn1, Qt::LeftButton);
  });
  // A growth after the species removal (the first growth of this stand).
  EXPECT_EQ(ActForm->GrowStandStock(), 2);
}

TEST_F(GrowWindows, ForecastTableAndChoice) {
  WriteStand("12a", 7);
  OpenStandFile("12a");
  const data before = Stand();
  QStringList firstShowing[6];
  WhenShown(AgesForm, [&] {
    WhenShown(IncForm, [&] {
      EXPECT_FALSE(IncForm->NeedsRecompute);
      EXPECT_EQ(IncForm->windowTitle(), " Kuvio 12a, puuston kasvatus");
      EXPECT_TRUE(IncForm->CheckBox1->isChecked());
      EXPECT_TRUE(IncForm->StringGrid1->isVisible());
      EXPECT_FALSE(IncForm->BitBtn2->isEnabled());
      EXPECT_EQ(IncForm->Label1->text(), "puuston 1. kasvatus 2019,  valitse kasvatusaika   !");
      EXPECT_EQ(Row(0), ForecastHeadings());
      EXPECT_EQ(Row(1)[0], "vuosi 2019");
      EXPECT_EQ(Row(2)[0], "2019 --> 2024");
      EXPECT_EQ(Row(5)[0], "2034 --> 2039");
      for (int r = 0; r < 6; ++r) firstShowing[r] = Row(r);
      // The top row of the period group reads 1..10.
      EXPECT_LT(IncForm->RadioGroup1->Item(0)->y() + 2, IncForm->RadioGroup1->Item(1)->y());  // "1" over "11"
      EXPECT_EQ(IncForm->RadioGroup1->Item(0)->y(), IncForm->RadioGroup1->Item(2)->y());      // "1" beside "2"
      QTest::mouseClick(IncForm->RadioGroup1->Item(0), Qt::LeftButton);
      EXPECT_EQ(IncForm->Label1->text(), "puuston 1. kasvatus 2019,  kasvatusaika 1 vuosi");
      EXPECT_TRUE(IncForm->BitBtn2->isEnabled());
      QTest::mouseClick(IncForm->RadioGroup1->Item(19), Qt::LeftButton);
      EXPECT_EQ(IncForm->Label1->text(), "puuston 1. kasvatus 2019,  kasvatusaika 20 vuotta");
      Shot(IncForm, "growth-dialog.png");
      // Help: the growth text, then the forecast's (the table is shown).
      QTest::mouseClick(IncForm->BitBtn1, Qt::LeftButton);
      const MessageRecord help = script_.Last(MessageKind::HelpText);
      EXPECT_EQ(help.caption, "Puuston kasvatus");
      EXPECT_TRUE(help.lines.value(0).startsWith("Kuvion puustoa voidaan kasvattaa 2 kertaa. "));
      EXPECT_TRUE(help.lines.value(2).startsWith("Puuston kehitysennusteessa"));
      // Hiding the table shrinks the window.
      const int tall = IncForm->height();
      QTest::mouseClick(IncForm->CheckBox1, Qt::LeftButton);
      EXPECT_FALSE(IncForm->StringGrid1->isVisible());
      EXPECT_LT(IncForm->height(), tall);
      QTest::mouseClick(IncForm->CheckBox1, Qt::LeftButton);
      QTest::mouseClick(IncForm->BitBtn3, Qt::LeftButton);
    });
    QTest::mouseClick(AgesForm->BitBtn2, Qt::LeftButton);
    // Shown again without a change: the same table, no recomputation, no
    // choice.
    WhenShown(IncForm, [&] {
      for (int r = 0; r < 6; ++r) EXPECT_EQ(Row(r), firstShowing[r]) << r;
      EXPECT_EQ(IncForm->RadioGroup1->ItemIndex(), -1);
      QTest::mouseClick(IncForm->BitBtn3, Qt::LeftButton);
    });
    QTest::mouseClick(AgesForm->BitBtn2, Qt::LeftButton);
    QTest::mouseClick(AgesForm->BitBtn1, Qt::LeftButton);
  });
  QTest::mouseClick(ActForm->Panel4, Qt::LeftButton);
  // Looking at the forecast changed nothing of the stand.
  EXPECT_EQ(CurrentPhase(), 0);
  for (std::size_t i = 0; i < before.Trees.size(); ++i) ASSERT_EQ(Stand().Trees[i].removedBy, 0) << i;
  EXPECT_TRUE(Stand().Slots[1].name.isEmpty());
  EXPECT_EQ(Stand().Slots[1].stems, 0);
  EXPECT_TRUE(Stand().GrownSizes1.empty());
}

TEST_F(GrowWindows, TimingDialogFromTheForecast) {
  WriteStand("12a", 7, true);
  OpenStandFile("12a");
  WhenShown(AgesForm, [&] {
    WhenShown(IncForm, [&] {
      // After 20 years the stand reaches the regeneration thresholds (25 cm,
      // 20 m2/ha by default): the timing button is offered.
      EXPECT_TRUE(IncForm->Button2->isVisible()) << Row(5).join(" | ").toStdString();
      EXPECT_TRUE(IncForm1->Label1->text().startsWith("Vuonna 2039 puuston keskiläpimitta "));
      EXPECT_EQ(IncForm1->Label5->text(), "Jos harkitset uudistushakkuuta v. 2019 - 2039,  aseta vaatimus minimikorolle");
      WhenShown(IncForm1, [&] {
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
        IncForm1->ComboBox4->setCurrentIndex(0);
        IncForm1->ComboBox4Change();
        EXPECT_FALSE(IncForm1->Chart1->isVisible());
        EXPECT_LT(IncForm1->height(), tall);
        QTest::mouseClick(IncForm1->Button2, Qt::LeftButton);
      });
      QTest::mouseClick(IncForm->Button2, Qt::LeftButton);
      QTest::mouseClick(IncForm->BitBtn3, Qt::LeftButton);
    });
    QTest::mouseClick(AgesForm->BitBtn2, Qt::LeftButton);
    QTest::mouseClick(AgesForm->BitBtn1, Qt::LeftButton);
  });
  QTest::mouseClick(ActForm->Panel4, Qt::LeftButton);
  EXPECT_EQ(CurrentPhase(), 0);
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
  QTest::mouseClick(ActForm->Panel12, Qt::LeftButton);
  const MessageRecord m = script_.Last(MessageKind::Message);
  EXPECT_EQ(m.caption, "Kuvio 12a");
  EXPECT_EQ(m.lines.value(0), QString::fromUtf8("Toimenpidesuositus mittauksen jälkeen  v. 2019"));
  EXPECT_EQ(m.lines.value(1), "            -  " + ActForm->RecommendationText);
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
  EXPECT_EQ(ActForm->Label30->text(), QString::fromUtf8("mahdollisia toimenpidesuosituksia ei näytetä   !"));
}

}  // namespace

namespace {

TEST_F(GrowWindows, RecommendationAfterARegenerationCutting) {
  WriteStand("12a", 7, true);
  OpenStandFile("12a");
  ActForm->PageControl2->setCurrentWidget(ActForm->TabSheet6);
  // A clear-cut committed as the cutting commands commit it.
  for (TreeRecord& t : Stand().Trees) t.removedBy = 1;
  Stand().RecordPhase(1, QString::fromUtf8("Avohakkuu, säästöpuita 0 kpl/ha"), 0, 0);
  SetCurrentPhase(100);
  ActForm->setButtonState(1, 0, true);
  ActForm->UpdateView(0);
  ActForm->MarkUnsaved();
  ASSERT_TRUE(ActForm->IsNewForestButtonVisible());
  const bool estimate = NewFrstForm->HasRegenerationEstimate();
  EXPECT_EQ(ActForm->RecommendationState(), estimate ? 0 : 1);
  EXPECT_EQ(ActForm->Panel12->isVisibleTo(ActForm->Panel3), !estimate);
  if (!estimate) {
    EXPECT_EQ(ActForm->RecommendationText,
              QString::fromUtf8("harkitse kustannusarvion laatimista metsänuudistamisen kuluista   !"));
  }
  // Undone, the measured stand's recommendation comes back.
  QTest::mouseClick(ActForm->Button12, Qt::LeftButton);
  EXPECT_EQ(ActForm->RecommendationState(), 2);
  EXPECT_FALSE(ActForm->IsNewForestButtonVisible());
}

}  // namespace
