// The timber-sale window through its controls: the first opening of a
// stand, rows, prices, the shift, the tax, the stem prices and their
// question, the reset by another stand or by saved prices, and the way to
// the report.
#include <QImage>

#include "estate/TradeChart.h"
#include "mainwindow/ActsCanvas.h"
#include "ui/RadioGroup.h"
#include "tests/estate/SaleFixture.h"

using namespace salefixture;

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

}  // namespace

TEST_F(SaleWindows, FirstOpeningTicksEveryRowWithVolumeAndSetsTheTax) {
  bool opened = false;
  OpenSale([&] {
    opened = true;
    ASSERT_TRUE(TradeForm->isVisible());
    EXPECT_EQ(TradeForm->windowTitle(), " Kuvio 7,  puukauppa 2019");
    // Rows with a removal are enabled and ticked; the others disabled.
    for (int k : trade::kSaleRows) {
      const bool volume = k != AspenPulpwood && k != BirchLogs && k != AspenLogs;
      EXPECT_EQ(RowBox(k)->isEnabled(), volume) << k;
      EXPECT_EQ(RowBox(k)->isChecked(), volume) << k;
      EXPECT_EQ(Row(k).price->isVisible(), volume) << k;
    }
    EXPECT_EQ(RowBox(PineLogs)->text(), U("mäntytukki   (mät)   50 m3"));
    EXPECT_EQ(RowBox(AspenLogs)->text(), U("haapatukki   (hat)    0 m3"));
    // A thinning: the mean prices 10 % lower (9.00), energy wood as it is.
    EXPECT_EQ(Row(PinePulpwood).price->displayText(), "09.00");
    EXPECT_EQ(Row(EnergyWood).price->displayText(), "01.00");
    // 40 + 30 + 10 + 10 + 50 + 16 m3 at 9.00 and 12 m3 at 1.00.
    EXPECT_EQ(Row(PineLogs).value->text(), U("450 €"));
    EXPECT_EQ(TradeForm->Label43->text(), U("1416 €"));
    EXPECT_EQ(TradeForm->Label44->text(), "168 m3");
    EXPECT_EQ(TradeForm->ComboBox4->currentIndex(), 30);
    // 30 % of 1416 is 424.8.
    EXPECT_EQ(TradeForm->Label66->text(), U("-425 €"));
    EXPECT_EQ(TradeForm->Label67->text(), U("991 €"));
    EXPECT_EQ(TradeForm->ComboBox1->currentIndex(), 0);
    EXPECT_TRUE(TradeForm->ComboBox1->isEnabled());
    EXPECT_EQ(TradeForm->Label14->text(), U("+- 0 €"));
    EXPECT_EQ(TradeForm->Label20->text(), "");
    EXPECT_EQ(TradeForm->Chart2->Contents().title, U("Kuvio 7, puukauppa 2019  :  168 m3, 1416 €, 8 €/m3"));
    EXPECT_EQ(TradeForm->Panel11->text(), "Luo raportti");
    QTest::mouseClick(TradeForm->Button2, Qt::LeftButton);
  });
  EXPECT_TRUE(opened);
  EXPECT_FALSE(TradeForm->isVisible());
  EXPECT_EQ(script_.Last(MessageKind::Busy).caption, "Puukauppa");
}

TEST_F(SaleWindows, NoRemovalGivesTheNoticeInsteadOfTheWindow) {
  SetCurrentPhase(0);
  QTest::mouseClick(ActForm->Panel11, Qt::LeftButton);
  EXPECT_FALSE(TradeForm->isVisible());
  const MessageRecord r = script_.Last(MessageKind::Notice);
  EXPECT_EQ(r.caption, "Puukauppa");
  EXPECT_EQ(r.lines, QStringList{U("kuvion hakkuukertymä 0 m3/ha,  ei arviota puukaupasta kertyvistä tuloista   !")});
}

TEST_F(SaleWindows, RowsPricesShiftAndTaxRecalculate) {
  OpenSale([&] {
    // Pine logs at 30.00: 1416 - 450 + 1500.
    TypePrice(Row(PineLogs).price, "3000");
    EXPECT_EQ(Row(PineLogs).price->displayText(), "30.00");
    EXPECT_EQ(Row(PineLogs).value->text(), U("1500 €"));
    EXPECT_EQ(TradeForm->Label43->text(), U("2466 €"));
    // 10 % of the logs move: pine 5 m3 (its value 45 x 30 + 45 x 9), spruce
    // 1.6 -> 2 m3 (same price): 2466 - 150 + 45 = 2361, a change of -105.
    ChooseItem(TradeForm->ComboBox1, 10);
    EXPECT_EQ(RowBox(PineLogs)->text(), U("mäntytukki   (mät)   45 m3"));
    EXPECT_EQ(RowBox(PinePulpwood)->text(), U("mäntykuitu   (mäk)   45 m3"));
    EXPECT_EQ(RowBox(SpruceLogs)->text(), U("kuusitukki   (kut)   14 m3"));
    EXPECT_EQ(RowBox(AlderPulpwood)->text(), U("leppäkuitu   (lek)   10 m3"));
    EXPECT_EQ(TradeForm->Label43->text(), U("2361 €"));
    EXPECT_EQ(TradeForm->Label26->text(), U("   - tukin siirtymä 7 m3"));
    EXPECT_EQ(TradeForm->Label14->text(), U("-105 €,"));
    EXPECT_EQ(TradeForm->Label20->text(), "-4.3 %");
    EXPECT_EQ(TradeForm->Label14->x(), TradeForm->Label2->x() + TradeForm->Label2->width() + 5);
    // An unticked row is left out of the sale.
    QTest::mouseClick(RowBox(EnergyWood), Qt::LeftButton);
    EXPECT_FALSE(RowBox(EnergyWood)->isChecked());
    EXPECT_FALSE(Row(EnergyWood).value->isVisible());
    EXPECT_EQ(TradeForm->Label43->text(), U("2349 €"));
    EXPECT_EQ(TradeForm->Label44->text(), "156 m3");
    // The tax: 20 % of 2349 is 469.8.
    ChooseItem(TradeForm->ComboBox4, 20);
    EXPECT_EQ(TradeForm->Label66->text(), U("-470 €"));
    EXPECT_EQ(TradeForm->Label67->text(), U("1879 €"));
    QTest::mouseClick(TradeForm->Button2, Qt::LeftButton);
  });
  // Another opening for the same stand keeps the choices.
  OpenSale([&] {
    EXPECT_EQ(Row(PineLogs).price->displayText(), "30.00");
    EXPECT_FALSE(RowBox(EnergyWood)->isChecked());
    EXPECT_EQ(TradeForm->ComboBox1->currentIndex(), 10);
    EXPECT_EQ(TradeForm->ComboBox4->currentIndex(), 20);
    EXPECT_EQ(TradeForm->Label43->text(), U("2349 €"));
    QTest::mouseClick(TradeForm->Button2, Qt::LeftButton);
  });
  // A newly loaded stand starts from the defaults again.
  LoadStand(ThinnedStand(), 1);
  OpenSale([&] {
    EXPECT_EQ(Row(PineLogs).price->displayText(), "09.00");
    EXPECT_TRUE(RowBox(EnergyWood)->isChecked());
    EXPECT_EQ(TradeForm->ComboBox1->currentIndex(), 0);
    EXPECT_EQ(TradeForm->ComboBox4->currentIndex(), 30);
    QTest::mouseClick(TradeForm->Button2, Qt::LeftButton);
  });
}

TEST_F(SaleWindows, StemPriceQuestionSwitchAndShiftList) {
  OpenSale([&] {
    ChooseItem(TradeForm->ComboBox1, 5);
    TypePrice(Row(PineLogs).price, "3000");
    // Declining leaves the box unticked and the prices as they were.
    script_.Answer(2);
    QTest::mouseClick(TradeForm->CheckBox14, Qt::LeftButton);
    EXPECT_FALSE(TradeForm->CheckBox14->isChecked());
    EXPECT_EQ(Row(PineLogs).price->displayText(), "30.00");
    ASSERT_EQ(script_.Count(MessageKind::Question), 1);
    const MessageRecord q = script_.Last(MessageKind::Question);
    EXPECT_EQ(q.caption, "Runkohinta");
    EXPECT_EQ(q.yesCaption, "Jatka");
    EXPECT_EQ(q.closeCaption, "Peru");
    // Asked again; "Jatka" ticks it: the pine log row carries pulpwood and
    // logs unshifted at the stem price (none yet: 00.00).
    script_.Answer(1);
    QTest::mouseClick(TradeForm->CheckBox14, Qt::LeftButton);
    EXPECT_EQ(script_.Count(MessageKind::Question), 2);
    EXPECT_TRUE(TradeForm->CheckBox14->isChecked());
    EXPECT_EQ(Row(PineLogs).price->displayText(), "00.00");
    EXPECT_EQ(RowBox(PineLogs)->text(), U("mäntyrunko (mäRun)   90 m3"));
    EXPECT_TRUE(RowBox(PineLogs)->isChecked());
    EXPECT_FALSE(RowBox(PinePulpwood)->isEnabled());
    EXPECT_TRUE(TradeForm->Label21->isVisible());
    // The shift list is disabled and shows no item.
    EXPECT_FALSE(TradeForm->ComboBox1->isEnabled());
    EXPECT_EQ(TradeForm->ComboBox1->currentIndex(), -1);
    EXPECT_EQ(TradeForm->Label26->text(), "    runkohinta,");
    TypePrice(Row(PineLogs).price, "2500");
    EXPECT_EQ(Row(PineLogs).value->text(), U("2250 €"));
    // Unticking is not asked about again: the log price and the shift
    // choice come back.
    QTest::mouseClick(TradeForm->CheckBox14, Qt::LeftButton);
    EXPECT_EQ(script_.Count(MessageKind::Question), 2);
    EXPECT_FALSE(TradeForm->CheckBox14->isChecked());
    EXPECT_EQ(Row(PineLogs).price->displayText(), "30.00");
    EXPECT_TRUE(TradeForm->ComboBox1->isEnabled());
    EXPECT_EQ(TradeForm->ComboBox1->currentIndex(), 5);
    EXPECT_FALSE(TradeForm->Label21->isVisible());
    // Ticked again: the stem price typed before.
    QTest::mouseClick(TradeForm->CheckBox14, Qt::LeftButton);
    EXPECT_EQ(script_.Count(MessageKind::Question), 2);
    EXPECT_EQ(Row(PineLogs).price->displayText(), "25.00");
    QTest::mouseClick(TradeForm->Button2, Qt::LeftButton);
  });
  // Saved price settings reset the prices and the stem-price state.
  model::GetSettingsRefresh()->SetDefaultTradePrices();
  OpenSale([&] {
    EXPECT_FALSE(TradeForm->CheckBox14->isChecked());
    EXPECT_EQ(Row(PineLogs).price->displayText(), "09.00");
    script_.Answer(2);
    QTest::mouseClick(TradeForm->CheckBox14, Qt::LeftButton);
    EXPECT_EQ(script_.Count(MessageKind::Question), 3);
    QTest::mouseClick(TradeForm->Button2, Qt::LeftButton);
  });
}

TEST_F(SaleWindows, StemPriceOffWhenItsLogRemovalIsGone) {
  OpenSale([&] {
    script_.Answer(1);
    QTest::mouseClick(TradeForm->CheckBox15, Qt::LeftButton);
    ASSERT_TRUE(TradeForm->CheckBox15->isChecked());
    TypePrice(Row(SpruceLogs).price, "2800");
    QTest::mouseClick(TradeForm->Button2, Qt::LeftButton);
  });
  // The same stand without spruce logs in its removal: the program unticks
  // the spruce stem box and the log edit shows the log price again.
  IntroForm->CurrentStand->Slots[1].volumes[SpruceLogs] = 20;
  OpenSale([&] {
    EXPECT_FALSE(TradeForm->CheckBox15->isEnabled());
    EXPECT_FALSE(TradeForm->CheckBox15->isChecked());
    EXPECT_EQ(Row(SpruceLogs).price->displayText(), "09.00");
    EXPECT_FALSE(RowBox(SpruceLogs)->isEnabled());
    EXPECT_EQ(RowBox(SprucePulpwood)->text(), U("kuusikuitu   (kuk)   30 m3"));
    QTest::mouseClick(TradeForm->Button2, Qt::LeftButton);
  });
}

TEST_F(SaleWindows, HelpSamplePictureAndScreenshot) {
  OpenSale([&] {
    QTest::mouseClick(TradeForm->BitBtn1, Qt::LeftButton);
    const MessageRecord help = script_.Last(MessageKind::HelpText);
    EXPECT_EQ(help.caption, "Puukauppa");
    ASSERT_EQ(help.lines.size(), 7);
    EXPECT_TRUE(help.lines.at(0).startsWith(U("Hakkuukertymästä valitaan puukauppaan")));
    EXPECT_EQ(help.lines.at(1), "");
    TradeForm->grab().save(testsupport::ShotPath("trade-window.png"));
    const int heightBefore = TradeForm->height();
    QTest::mouseClick(TradeForm->RadioGroup1->Item(1), Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_TRUE(TradeForm->Image1->isVisible());
    EXPECT_GT(TradeForm->height(), heightBefore);
    EXPECT_EQ(TradeForm->Label1->text(), U("Kuvio 7,  1 ha otos hakkuukertymästä  ( 84 m3/ha )"));
    QTest::mouseClick(TradeForm->Label24, Qt::LeftButton);
    EXPECT_TRUE(TradeForm->CheckBox10->isChecked());
    EXPECT_EQ(TradeForm->Label1->text(), U("Kuvio 7,  1 ha otos tukkipuiden hakkuukertymästä"));
    TradeForm->grab().save(testsupport::ShotPath("trade-window-sample.png"));
    QTest::mouseClick(TradeForm->RadioGroup1->Item(0), Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_FALSE(TradeForm->Image1->isVisible());
    EXPECT_EQ(TradeForm->height(), heightBefore);
    QTest::mouseClick(TradeForm->Button2, Qt::LeftButton);
  });
}

TEST_F(SaleWindows, RegenerationCuttingPricesAndEstimateLine) {
  LoadClearCutStand();
  ASSERT_TRUE(ActForm->IsNewForestButtonVisible());
  OpenSale([&] {
    // A regeneration cutting: the mean prices 10 % higher.
    EXPECT_EQ(Row(PinePulpwood).price->displayText(), "11.00");
    EXPECT_EQ(Row(EnergyWood).price->displayText(), "01.00");
    EXPECT_EQ(TradeForm->Label43->text(), U("1728 €"));
    const trade::SaleChart& chart = TradeForm->Chart2->Contents();
    EXPECT_TRUE(chart.foot.startsWith(U("Metsänuudistamisen kustannusarvio 150 "))) << chart.foot.toStdString();
    EXPECT_TRUE(chart.foot.contains(",  300 ")) << chart.foot.toStdString();
    EXPECT_EQ(chart.bottomAxisPercent, 19);
    TradeForm->grab().save(testsupport::ShotPath("trade-window-regeneration.png"));
    QTest::mouseClick(TradeForm->Button2, Qt::LeftButton);
  });
  // Without an estimate the foot line says so.
  IntroForm->CurrentStand->SetRegenerationChoice(0, 0);
  ActForm->setButtonState(1, 0, false);
  OpenSale([&] {
    EXPECT_EQ(TradeForm->Chart2->Contents().foot, U("Ei kustannusarviota metsänuudistamisesta"));
    QTest::mouseClick(TradeForm->Button2, Qt::LeftButton);
  });
}
