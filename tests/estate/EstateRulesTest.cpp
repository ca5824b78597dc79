// Estate arithmetic and the estate panel's contents over estates built by
// code, with values worked out by hand. Prices are the defaults of the
// settings: 10.00 for every pulpwood and log assortment, 1.00 for energy
// wood.
#include <gtest/gtest.h>

#include "estate/EstateRules.h"
#include "model/Settings.h"
#include "tests/estate/EstateFixture.h"

using namespace estatetest;

namespace {

using EstateRules = DefaultPrices;

QString U(const char* s) { return QString::fromUtf8(s); }

AssortmentVolumes Vol(int pinePulp, int pineLogs, int energy = 0) {
  AssortmentVolumes v{};
  v[PinePulpwood] = pinePulp;
  v[PineLogs] = pineLogs;
  v[EnergyWood] = energy;
  return v;
}

}  // namespace

TEST_F(EstateRules, TotalsPerAreaAndValue) {
  // 2 ha: 50 + 100 m3/ha and 10 energy wood; 0.5 ha: 40 m3/ha pulpwood.
  const Built b({Stand("a", "01.06.2020", 5, 2.0f, {Step("mittaus", 0, Vol(50, 100, 10))}),
                 Stand("b", "01.06.2020", 5, 0.5f, {Step("mittaus", 0, Vol(40, 0))})});
  const Estate e = b.estate();
  AssortmentVector v{};
  EXPECT_EQ(EstateAssortmentVolumes(e, KindMeasured, v, false, true), 100 + 200 + 20 + 20);
  EXPECT_EQ(std::tuple(v[PinePulpwood], v[PineLogs], v[EnergyWood]), std::tuple(120, 200, 20));
  // Sawlog share of 120 / 200 / 20: 200 / 340 = 58.8 %.
  EXPECT_EQ(SawlogShare(v), 59);
  EXPECT_EQ(EstateAssortmentVolumes(e, KindMeasured, v, false, false), 50 + 100 + 10 + 40);
  // Per hectare: 90 / 100 / 10, sawlogs 50 %.
  EXPECT_EQ(SawlogShare(v), 50);
  // Value: 120 x 10 + 200 x 10 + 20 x 1.
  EXPECT_EQ(EstateAssortmentVolumes(e, KindMeasured, v, true, true), 3220);
  AssortmentVector values{};
  EXPECT_EQ(AssortmentValues(Vol(3, 7, 5), values), 30 + 70 + 5);
  EXPECT_EQ(values[PineLogs], 70);
}

TEST_F(EstateRules, RemovalOfStandsAndEstate) {
  const Built b({
      // Thinned: 60 + 40 m3/ha removed on 2 ha = 200 m3.
      Stand("thin", "01.06.2020", 5, 2.0f, {Step("mittaus", 0, Vol(100, 80)), Step("alaharvennus", 0, Vol(40, 40))}),
      // Grown twice, then cut: the removal is counted from the second growth.
      Stand("ggc", "01.06.2020", 5, 1.0f,
            {Measured(100), Grown(10, 120), Grown(10, 140), Step("avohakkuu", 0, Vol(40, 0))}),
      // Grown once only: no removal.
      Stand("g", "01.06.2020", 5, 1.0f, {Measured(100), Grown(10, 130)}),
      // Only measured.
      Stand("m", "01.06.2020", 5, 1.0f, {Measured(70)}),
  });
  const Estate e = b.estate();
  AssortmentVector out{};
  // Per hectare, for the stand, in value.
  EXPECT_EQ((std::array{StandRemovalValue(e, b.stands[0], &out, false, false),
                        StandRemovalValue(e, b.stands[0], nullptr, true, false),
                        StandRemovalValue(e, b.stands[0], nullptr, true, true),
                        StandRemovalValue(e, b.stands[1], nullptr, false, false),
                        StandRemovalValue(e, b.stands[2], nullptr, true, false),
                        StandRemovalValue(e, b.stands[3], nullptr, true, false)}),
            (std::array{100, 200, 2000, 100, 0, 0}));
  AssortmentVector totals{};
  EXPECT_EQ(EstateRemovalTotals(e, totals), 300);
  EXPECT_EQ(std::pair(totals[PinePulpwood], totals[PineLogs]), std::pair(120 + 100, 80));
}

TEST_F(EstateRules, ClearCutAloneKeepsItsRemovalInScheme44) {
  // A stand grown once, one cut then grown and one only clear-cut: scheme 44.
  // The clear-cut stand's 90 m3/ha on 3 ha is part of the estate's removal.
  const Built b({Stand("a", "01.06.2020", 5, 1.0f, {Measured(100), Grown(10, 130)}),
                 Stand("b", "01.06.2020", 5, 1.0f, {Measured(80), Thinned(50), Grown(10, 70)}),
                 Stand("c", "01.06.2020", 5, 3.0f, {Measured(90), ClearCut()})});
  ASSERT_EQ(b.points.scheme, 44);
  AssortmentVector totals{};
  EXPECT_EQ(EstateRemovalTotals(b.estate(), totals), 30 + 270);
}

TEST_F(EstateRules, SmallTexts) {
  EXPECT_EQ(QStringList({StandCountText(1, 2), StandCountText(12, 0), StandCountText(3, 1), StandCountText(0, 3)}),
            QStringList({"Listassa 1 kuvio", "12 kuviota", "Hakemistossa 3 kuviota", U("Metsätilalla 0 kuviota")}));
  EXPECT_EQ(QStringList({AreaText(12.345f, true), AreaText(12.345f, false)}), QStringList({"12.35 ha", "12.3 ha"}));
  EXPECT_EQ(ChartItemLetter(0) + ChartItemLetter(3), "AD");
  const std::tuple<double, const char*, const char*> values[] = {
      {12.5, "###0.### m3", "12.5 m3"},   {1234, "###0.### m3/ha", "1234 m3/ha"}, {33.3333, "###0.###  % ", "33.333  % "},
      {-2.0, "###0.0## %", "-2.0 %"},     {1.25, "###0.0## %", "1.25 %"},         {-0.0001, "###0.0## %", "0.0 %"},
      {0.0, "###0.### m3", "0 m3"}};
  for (auto [value, format, text] : values) EXPECT_EQ(ChartValueText(value, format), text) << value << " " << format;
}

// The estate grid: stock, growth between two time points, removal.
TEST_F(EstateRules, GridOfGrowthAndRemoval) {
  // Two 1-ha stands grown 10 years from 100 to 150 m3/ha.
  const Built grown({Stand("a", "01.06.2020", 5, 1.0f, {Measured(100), Grown(10, 150)}),
                     Stand("b", "01.06.2020", 5, 1.0f, {Measured(100), Grown(10, 150)})});
  EstateGridCells g = FillEstateGridCells(grown.estate(), 1, false);
  EXPECT_EQ(g.labels[0], "puusto 2030");
  EXPECT_EQ(g.values[0], QString::fromUtf8("300 m3,  tukki% 0"));
  EXPECT_EQ(g.labels[1], "kasvu 2020 - 2030");
  // 100 m3 over 10 years and 2 ha; 1.5^(1/10) = 1.04138; 100 / 200 = 50 %.
  EXPECT_EQ(g.values[1], "5.0 m3/ha/vuosi");
  EXPECT_EQ(g.values[2], "4.1 %/vuosi");
  EXPECT_EQ(g.values[3], "100 m3,  50 %");
  EXPECT_EQ(g.labels[4], "");
  // In value: 1000 per stand and 10 years on 2 ha = 50 per ha and year.
  g = FillEstateGridCells(grown.estate(), 1, true);
  EXPECT_EQ(g.values[0], QString::fromUtf8("3000 €,  10 €/m3"));
  EXPECT_EQ(g.labels[1], "arvokasvu 2020 - 2030");
  EXPECT_EQ(g.values[1], QString::fromUtf8("50 €/ha/vuosi"));
  g = FillEstateGridCells(grown.estate(), 0, false);
  EXPECT_EQ(g.labels[0], "mittauspuusto 2020");
  EXPECT_EQ(g.labels[1], "kasvu ");
  EXPECT_EQ(g.values[1], "");

  // Cut in 2020 (60 m3/ha removed on 2 ha) beside a measured stand.
  const Built cut({Stand("a", "01.06.2020", 5, 2.0f, {Step("mittaus", 0, Vol(60, 40)), Step("alaharvennus", 0, Vol(30, 10))}),
                   Stand("b", "01.06.2020", 5, 2.0f, {Measured(0)})});
  g = FillEstateGridCells(cut.estate(), 1, false);
  EXPECT_EQ(g.labels[4], "hakkuu 2020");
  EXPECT_EQ(g.values[4], "30.0 m3/ha/vuosi");
  EXPECT_EQ(g.values[5], QString::fromUtf8("120 m3,  tukki% 50"));
  g = FillEstateGridCells(cut.estate(), 1, true);
  EXPECT_EQ(g.values[4], QString::fromUtf8("300 €/ha/vuosi"));
  EXPECT_EQ(g.values[5], QString::fromUtf8("1200 €,  10 €/m3"));
  // Growth rows over a previous stock of 0 and an estate of area 0 divide
  // nothing.
  const Built zero({Stand("a", "01.06.2020", 5, 0.0f, {Measured(0), Grown(10, 0)})});
  g = FillEstateGridCells(zero.estate(), 1, false);
  EXPECT_EQ(g.values[1], "");
  EXPECT_EQ(g.values[2], "0.0 %/vuosi");
  EXPECT_EQ(g.values[3], "0 m3,  ");
  // A cutting that removed nothing, in value: no value per m3.
  const Built nothingCut({Stand("a", "01.06.2020", 5, 1.0f, {Measured(50), Thinned(50)})});
  g = FillEstateGridCells(nothingCut.estate(), 1, true);
  EXPECT_EQ(g.labels[5], "hakkuu 2020");
  EXPECT_EQ(g.values[5], QString::fromUtf8("0 €"));
  EXPECT_EQ(StandListSummaryTail(nothingCut.estate(), 1, true, ", "), QString::fromUtf8(", hakkuukertymä 2020   :   0 €, 0 €/m3"));
  const Built none({});
  g = FillEstateGridCells(none.estate(), 0, true);
  EXPECT_EQ(g.values, (std::array<QString, 6>{}));
}

// A one-stand estate: its totals repeat its own figures.
TEST_F(EstateRules, OneStandEstateChart) {
  const Built one({Stand("a", "01.06.2020", 5, 2.0f, {Step("mittaus", 0, Vol(50, 50)), Grown(10, 150)})});
  EstateChartContent c = EstateChart(one.estate(), 2, false, true, 752);
  ASSERT_EQ(c.bars.size(), 2u);
  // Per hectare with one stand: the stand's own figures.
  EXPECT_EQ(std::pair(c.bars[0].value, c.bars[1].value), std::pair(100.0, 150.0));
  EXPECT_EQ(c.bars[0].text, QStringLiteral(" tukki 50%\nA :  2020"));
  EXPECT_EQ(c.footLines, (QStringList{QStringLiteral("A :  mittauspuusto"),
                                      QString::fromUtf8("B :  kasvatuksen jälkeen")}));
  EXPECT_EQ(c.valueFormat, "###0.### m3/ha");
  EXPECT_EQ(std::pair(c.axisStartPercent, c.axisEndPercent), std::pair(19, 81));
  EXPECT_EQ(c.titleLines, (QStringList{"", "Kuviotietokanta", "  - 1 kuvio", "  - 2.00 ha", "Puuston kehitys 2020-2030"}));
  EXPECT_EQ(std::pair(c.topAxisTitle, c.bottomAxisPositionPercent), std::pair(QString(), 10));
  c = EstateChart(one.estate(), 1, true, false, 752);
  ASSERT_EQ(c.bars.size(), 1u);
  // 100 m3/ha on 2 ha at 10 per m3.
  EXPECT_EQ(c.bars[0].value, 2000);
  EXPECT_EQ(c.bars[0].text, QString::fromUtf8("v. 2020  :  mittauspuusto   •  10 €/m3"));
  EXPECT_EQ(std::pair(c.axisStartPercent, c.axisEndPercent), std::pair(32, 68));
}

TEST_F(EstateRules, ChartMarksYearsThatDiffer) {
  // Two stands measured a year apart: item 0 has no single year (white).
  const Built b({Stand("a", "01.06.2020", 5, 1.0f, {Measured(100)}), Stand("b", "01.06.2021", 2, 1.0f, {Measured(0)})});
  EstateChartContent c = EstateChart(b.estate(), 1, false, true, 700);
  ASSERT_EQ(c.bars.size(), 1u);
  EXPECT_EQ(std::pair(c.bars[0].colorBgr, c.bars[0].value), std::pair(0xFFFFFF, 50.0));
  EXPECT_EQ(c.topAxisTitle, QString::fromUtf8("valkoinen : puustotiedot eivät ole samalta vuodelta "));
  EXPECT_EQ(c.bottomAxisPositionPercent, 7);
  EXPECT_EQ(EstateChart(b.estate(), 4, false, false, 752).axisStartPercent, 1);
  // An empty estate: no bars, no title.
  const Built none({});
  c = EstateChart(none.estate(), 3, false, true, 752);
  EXPECT_TRUE(c.bars.empty() && c.titleLines.isEmpty());
}

TEST_F(EstateRules, SeedlingStandsAndForecastInfo) {
  const Built b({Stand("a", "01.06.2020", 5, 1.0f, {Measured(100), Grown(10, 130)}),
                 Stand("t", "01.06.2020", 2, 1.25f, {Measured(0)}),
                 Stand("u", "01.06.2021", 2, 0.5f, {Measured(0)})});
  float area = 0;
  EXPECT_EQ(SmallSeedlingStandsBefore(b.estate(), 2021, area), 1);
  EXPECT_FLOAT_EQ(area, 1.25f);
  EXPECT_EQ(SmallSeedlingStandsBefore(b.estate(), 10000, area), 2);
  const EstateChartContent c = EstateChart(b.estate(), 2, false, false, 752);
  EXPECT_TRUE(c.infoPanelVisible);
  ForecastInfo f = ForecastInfoFor(b.estate(), b.points.items, -1);
  EXPECT_EQ(f.caption, "Puuston kehitysennuste");
  EXPECT_EQ(f.line2, QString::fromUtf8("Puuston kehitysennuste ei sisällä pienien taimikoiden  ( 2 kuviota,  1.75 ha )  kasvua."));
  f = ForecastInfoFor(b.estate(), b.points.items, 1);
  EXPECT_EQ(f.caption, QString::fromUtf8("Puutavaralajien tilavuus kasvatuksen jälkeen"));
  EXPECT_TRUE(f.line1.startsWith(f.caption + QString::fromUtf8(" ei sisällä")));
}

TEST_F(EstateRules, StandListSummary) {
  const Built b({Stand("a", "01.06.2018", 5, 1.5f, {Step("mittaus", 0, Vol(60, 40)), Step("alaharvennus", 0, Vol(30, 10))}),
                 Stand("b", "01.06.2020", 5, 0.5f, {Measured(100)})});
  const QString sep = SummarySeparator(752);
  EXPECT_EQ(SummarySeparator(700), ", ");
  // 100 x 1.5 + 100 x 0.5 = 200 m3.
  EXPECT_EQ(StandListSummaryTail(b.estate(), 0, false, sep),
            QString::fromUtf8(",  2 kuviota,  2.00 ha,  mittauspuusto 2018-20   :   200 m3"));
  // Removal 60 m3/ha on 1.5 ha = 90 m3, logs 45 of 90.
  EXPECT_EQ(StandListSummaryTail(b.estate(), 1, false, sep),
            QString::fromUtf8(",  hakkuukertymä 2018   :   90 m3,  tukki % 50"));
  EXPECT_EQ(StandListSummaryTail(b.estate(), 1, true, sep),
            QString::fromUtf8(",  hakkuukertymä 2018   :   900 €,  10 €/m3"));
  const Built m({Stand("a", "01.06.2020", 5, 1.0f, {Measured(100)})});
  EXPECT_EQ(StandListSummaryTail(m.estate(), 1, false, sep), QString::fromUtf8(",     :   ei hakkuukertymää"));
}
