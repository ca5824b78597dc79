// The timber sale's arithmetic and texts, with values worked out by hand.
#include <gtest/gtest.h>

#include "estate/TradeRules.h"

using namespace trade;

namespace {

// A removal of a mixed cutting (whole stand, m3): pine pulpwood 40, spruce
// pulpwood 30, birch pulpwood 10, alder pulpwood 5, pine logs 50, spruce
// logs 15, energy wood 12; nothing of aspen or birch logs.
SaleInput MixedSale() {
  SaleInput in;
  in.removal[PinePulpwood] = 40;
  in.removal[SprucePulpwood] = 30;
  in.removal[BirchPulpwood] = 10;
  in.removal[AlderPulpwood] = 5;
  in.removal[PineLogs] = 50;
  in.removal[SpruceLogs] = 15;
  in.removal[EnergyWood] = 12;
  for (int k = 0; k < kAssortmentCount; ++k) {
    in.prices[k] = k < PineLogs ? 20.0f : 55.5f;
    in.ticked[k] = HasSaleRow(k) && in.removal[k] != 0;
  }
  in.prices[EnergyWood] = 5.0f;
  return in;
}

// A shift effect's texts: moved, caption, change, percent.
QStringList Texts(const ShiftEffectTexts& t) { return {t.moved, t.caption, t.change, t.percent}; }

}  // namespace

TEST(TradeRules, RowsValuesAndTotalsWithAndWithoutTheShift) {
  SaleInput in = MixedSale();
  SaleResult r = ComputeTimberSale(in);
  // 12 x 5 + 40 x 20 + 30 x 20 + 10 x 20 + 5 x 20 + 50 x 55.5 + 15 x 55.5
  // = 60 + 800 + 600 + 200 + 100 + 2775 + 833 (832.5 rounded up).
  EXPECT_EQ(std::tuple(r.value[SpruceLogs], r.totalValue, r.totalVolume, r.unshiftedValue, r.moved),
            std::tuple(833, 5368, 162, 5368, 0));

  // 10 %: pine logs move 5 m3, spruce logs 1.5 -> 2 m3; alder pulpwood and
  // energy wood stay.
  in.choices.shiftPercent = 10;
  r = ComputeTimberSale(in);
  EXPECT_EQ((std::array{r.volume[PinePulpwood], r.volume[PineLogs], r.volume[SprucePulpwood], r.volume[SpruceLogs],
                        r.volume[AlderPulpwood], r.volume[EnergyWood]}),
            (std::array{45, 45, 32, 13, 5, 12}));
  // 60 + 900 + 640 + 200 + 100 + 2498 (2497.5) + 722 (721.5); -248 of 5368
  // is -4.62 %.
  EXPECT_EQ(std::tuple(r.totalValue, r.totalVolume, r.unshiftedValue, r.moved), std::tuple(5120, 162, 5368, 7));
  EXPECT_EQ(Texts(LogShiftEffectTexts(ShiftState::Enabled, r.moved, r.totalValue, r.unshiftedValue)),
            (QStringList{"   - tukin siirtymä 7 m3", "   - vaikutus tuloihin", "-248 €,", "-4.6 %"}));

  // An unticked row counts neither value nor volume, nor in the unshifted
  // value; with the list disabled nothing is moved.
  in.ticked[PineLogs] = false;
  in.choices.shiftEnabled = false;
  r = ComputeTimberSale(in);
  EXPECT_EQ(std::tuple(r.value[PineLogs], r.totalValue, r.totalVolume, r.unshiftedValue, r.moved),
            std::tuple(0, 5120 - 2498, 162 - 45, 0, 0));
}

TEST(TradeRules, StemPricesCarryPulpwoodAndLogsWithoutShift) {
  const SaleInput in = MixedSale();
  SaleChoices c;
  c.pineStem = true;
  c.shiftPercent = 10;
  const auto volumes = [&] {
    return std::array{SaleRowVolume(in.removal, c, PinePulpwood), SaleRowVolume(in.removal, c, PineLogs),
                      SaleRowVolume(in.removal, c, SprucePulpwood), SaleRowVolume(in.removal, c, SpruceLogs)};
  };
  // Spruce is still shifted: 30 + 2 and 15 - 2.
  EXPECT_EQ(volumes(), (std::array{0, 90, 32, 13}));
  c.spruceStem = true;
  EXPECT_EQ(volumes(), (std::array{0, 90, 0, 45}));
  // Captions: the name and code, then "%5d m3".
  EXPECT_EQ((QStringList{SaleRowCaption(PineLogs, 90, c), SaleRowCaption(SpruceLogs, 45, c),
                         SaleRowCaption(PineLogs, 45, {}), SaleRowCaption(EnergyWood, 12, {}),
                         SaleRowCaption(AlderPulpwood, 12345, {})}),
            (QStringList{"mäntyrunko (mäRun)   90 m3", "kuusirunko (kuRun)   45 m3", "mäntytukki   (mät)   45 m3",
                         "rankapuu   (ranka)   12 m3", "leppäkuitu   (lek)12345 m3"}));
  for (int k : kSaleRows) EXPECT_EQ(SaleRowName(k, {}).size(), 18) << k;
  // The log shift is allowed only without stem prices and with a log row.
  EXPECT_EQ(
      (std::array{IsLogShiftAllowed(c, {true, true, true, true}), IsLogShiftAllowed({}, {false, false, false, false}),
                  IsLogShiftAllowed({}, {false, false, false, true})}),
      (std::array{false, false, true}));
}

TEST(TradeRules, ShiftEffectLinesByState) {
  // Nothing gained; 10 gained; a change over an unshifted value of 0 is 0 %.
  EXPECT_EQ(Texts(LogShiftEffectTexts(ShiftState::Enabled, 0, 1000, 1000)).mid(2), (QStringList{"+- 0 €", ""}));
  EXPECT_EQ(Texts(LogShiftEffectTexts(ShiftState::Enabled, 3, 1010, 1000)).mid(2), (QStringList{"+10 €,", "+1.0 %"}));
  EXPECT_EQ(LogShiftEffectTexts(ShiftState::Enabled, 0, 5, 0).percent, "+0.0 %");
  const QString noShift = "    ei tukin siirtymän arviointia  !";
  EXPECT_EQ(Texts(LogShiftEffectTexts(ShiftState::StemPrice, 0, 0, 0)),
            (QStringList{"    runkohinta,", noShift, "", ""}));
  EXPECT_EQ(Texts(LogShiftEffectTexts(ShiftState::NoLogRows, 0, 0, 0)),
            (QStringList{"    ei tukkipuuta,", noShift, "", ""}));
  EXPECT_EQ(Texts(LogShiftEffectTexts(ShiftState::Other, 5, 5, 5)), QStringList(4));
}

TEST(TradeRules, PrepaymentTaxAndNetIncome) {
  // 30 % of 1001 is 300.3; 1 % of 50 is exactly 0.5 and rounds away from 0;
  // 30 % of 5368 is 1610.4. Gross, percent, tax, net.
  const std::array<int, 4> cases[] = {{1001, 30, -300, 701}, {50, 1, -1, 49}, {5368, 30, -1610, 3758}, {0, 30, 0, 0},
                                      {999, 0, 0, 999},      {-100, 25, 25, -75}};
  for (const auto& [gross, percent, tax, net] : cases) {
    const TaxResult r = PrepaymentTax(gross, percent);
    EXPECT_EQ(std::pair(r.tax, r.net), std::pair(tax, net)) << gross;
  }
  EXPECT_EQ(MoneyText(-300), "-300 €");
  EXPECT_EQ((std::array{LeadingNumber("5368 €"), LeadingNumber("-1610 X"), LeadingNumber("")}),
            (std::array{5368, -1610, 0}));
  const QStringList items = PercentItems();
  EXPECT_EQ(std::tuple(items.size(), items.at(0), items.at(30)), std::tuple(41, QString(" 0%"), QString("30%")));
}

TEST(TradeRules, ChartTitleFootAndBars) {
  const SaleInput in = MixedSale();
  const SaleResult r = ComputeTimberSale(in);
  // 5368 / 162 = 33.1 per m3.
  EXPECT_EQ((QStringList{MeanPriceText(5368, 162, ", "), MeanPriceText(5, 2, ""), MeanPriceText(100, 0, ", ")}),
            (QStringList{", 33 €/m3", "3 €/m3", ""}));
  SaleChart c = SaleChartContents(r, in, "Kuvio 12a", "2024", QString());
  EXPECT_EQ(c.title, "Kuvio 12a, puukauppa 2024  :  162 m3, 5368 €, 33 €/m3");
  EXPECT_EQ(std::pair(c.bottomAxisPercent, c.leftAxisEnd), std::pair(16, 84));
  ASSERT_EQ(c.bars.size(), 10u);
  // Energy wood first, then pulpwood of pine ... alder, logs of pine ...
  // aspen; spruce pulpwood 11, aspen pulpwood without volume the gradient's
  // start.
  EXPECT_EQ(std::pair(c.bars[0].value, c.bars[9].value), std::pair(60, 0));
  EXPECT_EQ((std::array{c.bars[0].colourCode, c.bars[2].colourCode, c.bars[4].colourCode, c.bars[5].colourCode,
                        c.bars[6].colourCode}),
            (std::array{100, 11, kGradientStartBar, 4, 0}));
  EXPECT_EQ(QStringList({c.bars[0].label, c.bars[4].label, c.bars[6].label}),
            QStringList({"ranka\n12 m3", "  ", "mät\n50 m3"}));
  // A foot line lifts the bottom axis and shortens the left one.
  const QString foot = RegenerationEstimateLine(true, false, "", "");
  EXPECT_EQ(foot, "Ei kustannusarviota metsänuudistamisesta");
  c = SaleChartContents(r, in, "Kuvio 12a", "2024", foot);
  EXPECT_EQ(std::pair(c.bottomAxisPercent, c.leftAxisEnd), std::pair(19, 81));
  EXPECT_EQ((QStringList{RegenerationEstimateLine(false, true, "a", "b"),
                         RegenerationEstimateLine(true, true, "750 €/ha", "1875 €")}),
            (QStringList{"", "Metsänuudistamisen kustannusarvio 750 €/ha,  1875 €"}));

  // A stem row's bar is labelled with the stem code; an unticked row has no
  // label.
  SaleInput stem = in;
  stem.choices.pineStem = true;
  stem.ticked[SpruceLogs] = false;
  const SaleResult rs = ComputeTimberSale(stem);
  EXPECT_EQ(std::tuple(SaleBarLabel(rs, stem, PineLogs), SaleBarLabel(rs, stem, SpruceLogs),
                       SaleBarColorCode(rs, PinePulpwood)),
            std::tuple(QString("mäRun\n90 m3"), QString("  "), kGradientStartBar));
}

TEST(TradeRules, RowStatesPriceClassTextsAndStemPriceSwitch) {
  // A row without volume is neither enabled nor ticked; one that gets a
  // volume again is ticked automatically; an enabled row keeps the user's
  // choice.
  const auto state = [](RowState s) { return std::pair(s.enabled, s.ticked); };
  EXPECT_EQ((std::array{state(RowStateForVolume(0, {true, true})), state(RowStateForVolume(5, {false, false})),
                        state(RowStateForVolume(5, {true, false}))}),
            (std::array{std::pair(false, false), std::pair(true, true), std::pair(true, false)}));
  EXPECT_EQ((std::array{CuttingMethodPriceClass(true, true), CuttingMethodPriceClass(false, true),
                        CuttingMethodPriceClass(false, false), PriceFillMode(1), PriceFillMode(0), PriceFillMode(2)}),
            (std::array{1, 0, 2, 1, 0, 0}));
  EXPECT_EQ(CuttingLineText("avohakkuu", 2.5f, 65), "Avohakkuu,  2.50 ha,  hakkuukertymä 65 m3/ha.");

  // Ticking shows the saved stem price and keeps the log price; unticking
  // brings the log price back and keeps the stem price typed meanwhile.
  StemPrices saved;
  EXPECT_EQ(SwitchStemPrice(true, 55.5f, saved), 0.0f);
  EXPECT_EQ(saved.log, 55.5f);
  EXPECT_EQ(SwitchStemPrice(false, 42.0f, saved), 55.5f);
  EXPECT_EQ(saved.stem, 42.0f);
  EXPECT_EQ(SwitchStemPrice(true, 55.5f, saved), 42.0f);
}
