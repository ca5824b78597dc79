// The overview charts and captions: bars with their values, labels, colours
// and order, headings and footers of each content, the layout of each
// content, and the captions of each overview mode, worked out by hand on
// stands whose slots are set directly. The species shares' rounding to 100 %
// and which chart follows the list in each view are read on the overview
// page (OverviewPageTest).
#include <gtest/gtest.h>

#include "estate/EstateRules.h"
#include "mainwindow/OverviewChartRules.h"
#include "model/Data.h"
#include "model/Names.h"
#include "model/Phase.h"
#include "model/Settings.h"
#include "tests/mainwindow/SlotStands.h"
#include "texts/Commonlan.h"
#include "ui/PaletteRules.h"

namespace {

// Measured 15.06.2019 on 2.5 ha, 800 stems/ha; slot 0 per hectare: pine
// pulpwood 40, spruce pulpwood 20, pine logs 100, spruce logs 30, energy
// wood 10 (200 m3/ha; over the area 100, 50, 250, 75 and 25 m3: logs 65 %,
// pulpwood 30 %, energy wood 5 %).
data ChartStand() {
  data s = slotstands::Measured(
      2.5f, 800, {{PinePulpwood, 40}, {SprucePulpwood, 20}, {PineLogs, 100}, {SpruceLogs, 30}, {EnergyWood, 10}}, 6);
  s.Header.structureCode = 12;
  s.Slots[0].basalArea = 18.3f;
  s.Slots[0].meanHeight = 16.04f;
  s.Slots[0].meanDiameter = 21.5f;
  return s;
}

// A thinning recorded as phase 1: pine pulpwood 25, spruce pulpwood 20,
// pine logs 80, spruce logs 30, energy wood 7, aspen pulpwood 0, 500 stems.
void Thin(data& s) {
  s.Slots[1] = s.Slots[0];
  s.Slots[1].name = "harvennus";
  s.Slots[1].stems = 500;
  s.Slots[1].volumes[PinePulpwood] = 25;
  s.Slots[1].volumes[PineLogs] = 80;
  s.Slots[1].volumes[EnergyWood] = 7;
}

using slotstands::Grow;

std::vector<int> Values(const OverviewChart& c) {
  std::vector<int> v;
  for (const EstateBar& b : c.bars) v.push_back(static_cast<int>(b.value));
  return v;
}
QStringList Texts(const OverviewChart& c) {
  QStringList t;
  for (const EstateBar& b : c.bars) t << b.text;
  return t;
}
std::vector<int> Colours(const OverviewChart& c) {
  std::vector<int> v;
  for (const EstateBar& b : c.bars) v.push_back(b.colorBgr);
  return v;
}

using OverviewCharts = slotstands::SlotStandTest;

}  // namespace

TEST_F(OverviewCharts, AssortmentBarsInTheirOrderAspenAndAlderOnlyWhenNotZero) {
  data s = ChartStand();
  // Assortment names as chart labels, with their species colours: aspen
  // logs, birch, spruce and pine logs, alder and aspen pulpwood, birch,
  // spruce and pine pulpwood, energy wood (white).
  const OverviewChart stock = StockAssortmentChart(s, 0, false, false);
  EXPECT_EQ(Values(stock), (std::vector<int>{0, 30, 100, 0, 20, 40, 10}));
  EXPECT_EQ(Texts(stock), (QStringList{AssortmentName(BirchLogs, true), AssortmentName(SpruceLogs, true),
                                       AssortmentName(PineLogs, true), AssortmentName(BirchPulpwood, true),
                                       AssortmentName(SprucePulpwood, true), AssortmentName(PinePulpwood, true),
                                       AssortmentName(EnergyWood, true)}));
  EXPECT_EQ(Colours(stock), (std::vector<int>{SpeciesColorValue(2), SpeciesColorValue(11), SpeciesColorValue(0),
                                              SpeciesColorValue(2), SpeciesColorValue(11), SpeciesColorValue(0),
                                              0xFFFFFF}));
  EXPECT_EQ(std::tuple(stock.heading, stock.valueFormat, stock.footer),
            std::tuple(QStringList{"puutavaralajit v. 2019  :  200 m3/ha"}, QString("###0.### m3"), QStringList{}));

  // Aspen logs, alder and aspen pulpwood appear once they hold something.
  s.Slots[0].volumes[AspenLogs] = 3;
  s.Slots[0].volumes[AlderPulpwood] = 2;
  s.Slots[0].volumes[AspenPulpwood] = 1;
  const OverviewChart mixed = StockAssortmentChart(s, 0, false, false);
  EXPECT_EQ(Values(mixed), (std::vector<int>{3, 0, 30, 100, 2, 1, 0, 20, 40, 10}));
  EXPECT_EQ(std::pair(mixed.bars.front().colorBgr, mixed.bars[4].colorBgr),
            std::pair(SpeciesColorValue(13), SpeciesColorValue(14)));
}

TEST_F(OverviewCharts, StockAssortmentsPricedAndForTheWholeStand) {
  const data s = ChartStand();
  // 2.5 ha: pine pulpwood 100, spruce pulpwood 50, pine logs 250, spruce
  // logs 75, energy wood 25 m3; at 10 € (energy wood 1 €) 4750 €.
  const OverviewChart whole = StockAssortmentChart(s, 0, true, false);
  EXPECT_EQ(Values(whole), (std::vector<int>{0, 75, 250, 0, 50, 100, 25}));
  EXPECT_EQ(whole.heading.front(), QString::fromUtf8("puutavaralajit v. 2019  :  500 m3/kuvio"));
  const OverviewChart priced = StockAssortmentChart(s, 0, true, true);
  EXPECT_EQ(Values(priced), (std::vector<int>{0, 750, 2500, 0, 500, 1000, 25}));
  EXPECT_EQ(priced.heading.front(),
            QString::fromUtf8("puutavaralajit v. 2019  :  4775 ") + CommonlanText(54) + "/kuvio");
  EXPECT_EQ(priced.valueFormat, "###0.### " + CommonlanText(54));
}

TEST_F(OverviewCharts, RemovalChartIsTheDifferenceOfTheCutting) {
  data s = ChartStand();
  Thin(s);
  SetCurrentPhase(1);
  // Removed: pine pulpwood 15, pine logs 20, energy wood 3 = 38 m3/ha.
  const OverviewChart r = RemovalAssortmentChart(s, 1, false, false);
  EXPECT_EQ(Values(r), (std::vector<int>{0, 0, 20, 0, 0, 15, 3}));
  EXPECT_EQ(r.heading, QStringList{QString::fromUtf8("hakkuukertymä  v. 2019  :  38 m3/ha")});
  // Priced: 150 + 200 + 3 = 353 €/ha.
  const OverviewChart v = RemovalAssortmentChart(s, 1, false, true);
  EXPECT_EQ(Values(v), (std::vector<int>{0, 0, 200, 0, 0, 150, 3}));
  EXPECT_EQ(v.heading.front(), QString::fromUtf8("hakkuukertymä  v. 2019  :  353 ") + CommonlanText(54) + "/ha");
  // Whole stand: 37.5 -> the whole-area difference of each assortment.
  const OverviewChart w = RemovalAssortmentChart(s, 1, true, false);
  EXPECT_EQ(Values(w), (std::vector<int>{0, 0, 50, 0, 0, 38, 8}));
  EXPECT_TRUE(w.heading.front().endsWith(" m3/kuvio"));
}

TEST_F(OverviewCharts, CharacteristicsWithSharesAndTheStandMeans) {
  const data s = ChartStand();
  const OverviewChart c = CharacteristicsChart(s, 0, false);
  EXPECT_EQ(Values(c), (std::vector<int>{130, 60, 10}));
  EXPECT_EQ(Texts(c), (QStringList{"   tukki  65 %", "   kuitu  30 %", "   ranka   5 %"}));
  EXPECT_EQ(Colours(c), (std::vector<int>{PaletteColorValue(17), PaletteColorValue(25), PaletteColorValue(26)}));
  EXPECT_EQ(c.heading, QStringList{"puusto v. 2019  :  200 m3/ha"});
  EXPECT_EQ(c.footer, (QStringList{"runkoluku      800 kpl/ha", "keskikoko      250 litraa/runko",
                                   "pohjapinta-ala 18.3 m2/ha", "keskipituus    16.0 m",
                                   QString::fromUtf8("keskiläpimitta 22 cm")}));
  // Priced: logs 1300 €, pulpwood 600 €, energy wood 10 € per hectare; the
  // shares of value 68 %, 31 % and 1 %.
  const OverviewChart v = CharacteristicsChart(s, 0, true);
  EXPECT_EQ(Values(v), (std::vector<int>{1300, 600, 10}));
  EXPECT_EQ(v.heading.front(), "puuston arvo v. 2019  :  1910 " + CommonlanText(56));
  EXPECT_EQ(Texts(v), (QStringList{"   tukki  68 %", "   kuitu  31 %", "   ranka   1 %"}));
}

TEST_F(OverviewCharts, CharacteristicsOfAnEmptySlotShowNoEnergyShare) {
  data s(0);
  s.Header.measurementDay = 43631;
  const OverviewChart c = CharacteristicsChart(s, 0, false);
  EXPECT_EQ(Values(c), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(std::pair(Texts(c)[2].right(11), c.footer[1]), std::pair(QString("ranka   0 %"), QString("keskikoko      0 litraa/runko")));
}

TEST_F(OverviewCharts, SpeciesBarsStemsAndEmptyStands) {
  data s(5);
  s.Header.measurementDay = 43631;
  s.Header.developmentClass = 6;
  const int species[5] = {0, 0, 1, 2, 4};
  for (int i = 0; i < 5; ++i) {
    s.Trees[i].species = species[i];
    s.Trees[i].diameter = 2000.0f;
    s.Trees[i].height = 1800.0f;
  }
  s.Slots[0].stems = 5;
  // By stems: pine 2, spruce 1, birch 1, aspen 0, alder 1.
  const OverviewChart stems = SpeciesChart(s, 0, true);
  EXPECT_EQ(Values(stems), (std::vector<int>{2, 1, 1, 0, 1}));
  EXPECT_EQ(Texts(stems), (QStringList{QString::fromUtf8("mänty"), "kuusi", "koivu", "haapa", QString::fromUtf8("leppä")}));
  EXPECT_EQ(Colours(stems), (std::vector<int>{SpeciesColorValue(0), SpeciesColorValue(11), SpeciesColorValue(2),
                                              SpeciesColorValue(13), SpeciesColorValue(14)}));
  EXPECT_EQ(std::tuple(stems.valueFormat, stems.heading, stems.footer),
            std::tuple(QString("###0.###"), QStringList{"puulajisuhteet v. 2019"}, QStringList{"runkoluku 5 kpl/ha"}));
  // A small seedling stand always by stems, whatever the box says.
  s.Header.developmentClass = 2;
  EXPECT_EQ(Values(SpeciesChart(s, 0, false)), (std::vector<int>{2, 1, 1, 0, 1}));
  // A stand without volume: five bars of 0 in percent.
  data empty(0);
  empty.Header.measurementDay = 43631;
  empty.Header.developmentClass = 6;
  const OverviewChart none = SpeciesChart(empty, 0, false);
  EXPECT_EQ(Values(none), (std::vector<int>(5, 0)));
  EXPECT_EQ(std::pair(none.valueFormat, none.footer), std::pair(QString("##0.## %"), QStringList{"puusto 0 m3/ha"}));
}

TEST_F(OverviewCharts, ListItemChoosesTheContent) {
  const data s = ChartStand();
  OverviewChartSwitches sw;
  EXPECT_EQ(OverviewChartFor(s, 0, 0, sw).heading.front(), "puusto v. 2019  :  200 m3/ha");
  EXPECT_TRUE(OverviewChartFor(s, 1, 0, sw).heading.front().startsWith("puutavaralajit"));
  EXPECT_TRUE(OverviewChartFor(s, 2, 0, sw).heading.front().startsWith("puulajisuhteet"));
  sw.stockPerStand = true;
  EXPECT_TRUE(OverviewChartFor(s, 1, 0, sw).heading.front().endsWith("m3/kuvio"));
  sw.characteristicsPriced = true;
  EXPECT_TRUE(OverviewChartFor(s, 0, 0, sw).heading.front().startsWith("puuston arvo"));
}

TEST(OverviewChartLayoutTest, EachContentArranged) {
  struct Case {
    int content;
    int height;
    bool vertical, footer, centred;
    int font, bottomMargin, leftStart, leftEnd, bottomStart, bottomEnd;
  };
  const Case cases[] = {
      {ChartCharacteristics, 728, false, true, false, 9, 0, 2, 98, 5, 95},
      {ChartCharacteristics, 752, false, true, false, 9, 0, 2, 89, 5, 95},
      {ChartStockAssortments, 728, false, false, false, 8, 1, 1, 99, 5, 95},
      {ChartRemoval, 752, false, false, false, 8, 1, 1, 99, 5, 95},
      {ChartSpecies, 728, true, true, true, 8, 0, 2, 92, 2, 98},
  };
  for (const Case& c : cases) {
    const OverviewChartLayout l = PrepareOverviewChart(c.content, c.height);
    EXPECT_EQ(std::tuple(l.vertical, l.leftAxisVisible, l.bottomAxisVisible, l.footerVisible, l.footerCentred),
              std::tuple(c.vertical, !c.vertical, c.vertical, c.footer, c.centred))
        << c.content << " " << c.height;
    EXPECT_EQ(std::tuple(l.labelFontSize, l.topMargin, l.bottomMargin, l.leftAxisStart, l.leftAxisEnd,
                         l.bottomAxisStart, l.bottomAxisEnd),
              std::tuple(c.font, 1, c.bottomMargin, c.leftStart, c.leftEnd, c.bottomStart, c.bottomEnd))
        << c.content << " " << c.height;
  }
  EXPECT_EQ((std::vector<int>{OverviewChartContentOf(0), OverviewChartContentOf(1), OverviewChartContentOf(2),
                              OverviewChartContentOf(-1)}),
            (std::vector<int>{ChartCharacteristics, ChartStockAssortments, ChartSpecies, ChartSpecies}));
}

TEST_F(OverviewCharts, CaptionsOfEachMode) {
  data s = ChartStand();
  const QString measured = QString::fromUtf8("ei toimenpiteitä v. 2019  •  ") + DevelopmentClassName(1, 6) +
                           QStringLiteral("  •  puuston ryhmitys normaali");
  // Nothing done: the same caption under both maps.
  const OverviewCaptions c = OverviewCaptionsFor(s, 0, 0);
  EXPECT_EQ(std::pair(c.measured, c.second), std::pair(measured, measured));
  EXPECT_EQ(OverviewCaptionsFor(s, 0, 1).second, QString::fromUtf8("ei hakkuutoimia,   ei hakkuukertymää  !"));
  EXPECT_EQ(OverviewCaptionsFor(s, 0, 2).second, "ei puuston kasvatusta,   ei luonnonpoistumaa  !");
  EXPECT_FALSE(RemovalSwitchesVisible(s, 1));

  // A thinning.
  Thin(s);
  SetCurrentPhase(1);
  EXPECT_EQ(OverviewCaptionsFor(s, 1, 0).second, QString::fromUtf8("toimenpiteiden jälkeen v. 2019"));
  EXPECT_EQ(OverviewCaptionsFor(s, 1, 1).second, QString::fromUtf8("otos hakkuukertymästä  v. 2019"));
  EXPECT_TRUE(RemovalSwitchesVisible(s, 1) && !RemovalSwitchesVisible(s, 0));

  // Grown 10 years, then 5 more after the thinning.
  data g = ChartStand();
  Grow(g, 1, 10);
  SetCurrentPhase(1);
  EXPECT_EQ(OverviewCaptionsFor(g, 1, 0).second, QString::fromUtf8("toimenpiteiden jälkeen v. 2029"));
  EXPECT_EQ(OverviewCaptionsFor(g, 1, 2).second,
            "otos luonnonpoistumasta   :   kasvatusjakson  v. 2019 - 2029  aikana kuolleet puut");
  Grow(g, 2, 5);
  SetCurrentPhase(2);
  EXPECT_EQ(OverviewCaptionsFor(g, 2, 2).second,
            "otos luonnonpoistumasta   :   kasvatusjaksojen  v. 2019 - 2029  ja  2029 - 2034  aikana kuolleet puut");

  // A treeless area has no grouping, nor a stand whose grouping is unknown.
  data t = ChartStand();
  t.Header.developmentClass = 1;
  EXPECT_EQ(OverviewCaptionsFor(t, 0, 0).measured,
            QString::fromUtf8("ei toimenpiteitä v. 2019  •  ") + DevelopmentClassName(1, 1));
  t.Header.developmentClass = 6;
  t.Header.structureCode = -4;
  EXPECT_EQ(OverviewCaptionsFor(t, 0, 0).measured,
            QString::fromUtf8("ei toimenpiteitä v. 2019  •  ") + DevelopmentClassName(1, 6));
}
