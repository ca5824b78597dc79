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

AssortmentVolumes Vol(int pinePulp, int pineLogs, int energy = 0) {
  AssortmentVolumes v{};
  v[PinePulpwood] = pinePulp;
  v[PineLogs] = pineLogs;
  v[EnergyWood] = energy;
  return v;
}
// Measured, and thinned, to pine pulpwood, pine logs and energy wood (m3/ha).
Step M(int pulp, int logs, int energy = 0) { return Step("mittaus", 0, Vol(pulp, logs, energy)); }
Step T(int pulp, int logs) { return Step("alaharvennus", 0, Vol(pulp, logs)); }
// A stand of class 5 measured on 1 June of 2020 (or on `date`).
EstateRecord S(const char* id, float area, std::initializer_list<Step> steps, const char* date = "01.06.2020",
               int devClass = 5) {
  return Stand(id, date, devClass, area, steps);
}

// The estate grid's rows, "label: value".
QStringList Grid(const Built& b, int item, bool inValue) {
  const EstateGridCells g = FillEstateGridCells(b.estate(), item, inValue);
  QStringList rows;
  for (int row = 0; row < 6; ++row) rows << g.labels[row] + ": " + g.values[row];
  return rows;
}

}  // namespace

TEST_F(EstateRules, TotalsPerAreaAndValue) {
  // 2 ha: 50 + 100 m3/ha and 10 energy wood; 0.5 ha: 40 m3/ha pulpwood.
  const Built b({S("a", 2.0f, {M(50, 100, 10)}), S("b", 0.5f, {M(40, 0)})});
  const Estate e = b.estate();
  AssortmentVector v{};
  EXPECT_EQ(EstateAssortmentVolumes(e, KindMeasured, v, false, true), 100 + 200 + 20 + 20);
  // Sawlog share of 120 / 200 / 20: 200 / 340 = 58.8 %.
  EXPECT_EQ(std::tuple(v[PinePulpwood], v[PineLogs], v[EnergyWood], SawlogShare(v)), std::tuple(120, 200, 20, 59));
  // Per hectare: 90 / 100 / 10, sawlogs 50 %.
  EXPECT_EQ(EstateAssortmentVolumes(e, KindMeasured, v, false, false), 50 + 100 + 10 + 40);
  EXPECT_EQ(SawlogShare(v), 50);
  // Value: 120 x 10 + 200 x 10 + 20 x 1.
  EXPECT_EQ(EstateAssortmentVolumes(e, KindMeasured, v, true, true), 3220);
  AssortmentVector values{};
  EXPECT_EQ(std::pair(AssortmentValues(Vol(3, 7, 5), values), values[PineLogs]), std::pair(30 + 70 + 5, 70));
}

TEST_F(EstateRules, RemovalOfStandsAndEstate) {
  const Built b({
      // Thinned: 60 + 40 m3/ha removed on 2 ha = 200 m3.
      S("thin", 2.0f, {M(100, 80), T(40, 40)}),
      // Grown twice, then cut: the removal is counted from the second growth.
      S("ggc", 1.0f, {Measured(100), Grown(10, 120), Grown(10, 140), Step("avohakkuu", 0, Vol(40, 0))}),
      // Grown once only: no removal; only measured.
      S("g", 1.0f, {Measured(100), Grown(10, 130)}),
      S("m", 1.0f, {Measured(70)}),
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

TEST_F(EstateRules, SmallTexts) {
  EXPECT_EQ(QStringList({StandCountText(1, 2), StandCountText(12, 0), StandCountText(3, 1), StandCountText(0, 3)}),
            QStringList({"Listassa 1 kuvio", "12 kuviota", "Hakemistossa 3 kuviota", "Metsätilalla 0 kuviota"}));
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
  // Two 1-ha stands grown 10 years from 100 to 150 m3/ha: 100 m3 over 10
  // years and 2 ha; 1.5^(1/10) = 1.04138; 100 / 200 = 50 %. In value 1000
  // per stand and 10 years on 2 ha = 50 per ha and year.
  const Built grown({S("a", 1.0f, {Measured(100), Grown(10, 150)}), S("b", 1.0f, {Measured(100), Grown(10, 150)})});
  const QString growth = "kasvu 2020 - 2030: ";
  EXPECT_EQ(Grid(grown, 1, false), (QStringList{"puusto 2030: 300 m3,  tukki% 0", growth + "5.0 m3/ha/vuosi",
                                                growth + "4.1 %/vuosi", growth + "100 m3,  50 %", ": ", ": "}));
  EXPECT_EQ(Grid(grown, 1, true).mid(0, 2),
            (QStringList{"puusto 2030: 3000 €,  10 €/m3", "arvokasvu 2020 - 2030: 50 €/ha/vuosi"}));
  EXPECT_EQ(Grid(grown, 0, false).mid(0, 2), (QStringList{"mittauspuusto 2020: 200 m3,  tukki% 0", "kasvu : "}));

  // Cut in 2020 (60 m3/ha removed on 2 ha) beside a measured stand.
  const Built cut({S("a", 2.0f, {M(60, 40), T(30, 10)}), S("b", 2.0f, {Measured(0)})});
  EXPECT_EQ(Grid(cut, 1, false).mid(4),
            (QStringList{"hakkuu 2020: 30.0 m3/ha/vuosi", "hakkuu 2020: 120 m3,  tukki% 50"}));
  EXPECT_EQ(Grid(cut, 1, true).mid(4), (QStringList{"hakkuu 2020: 300 €/ha/vuosi", "hakkuu 2020: 1200 €,  10 €/m3"}));
  // Growth rows over a previous stock of 0 and an estate of area 0 divide
  // nothing.
  const Built zero({S("a", 0.0f, {Measured(0), Grown(10, 0)})});
  EXPECT_EQ(Grid(zero, 1, false).mid(1, 3), (QStringList{growth, growth + "0.0 %/vuosi", growth + "0 m3,  "}));
  // A cutting that removed nothing, in value: no value per m3.
  const Built nothingCut({S("a", 1.0f, {Measured(50), Thinned(50)})});
  EXPECT_EQ(Grid(nothingCut, 1, true).at(5), "hakkuu 2020: 0 €");
  EXPECT_EQ(StandListSummaryTail(nothingCut.estate(), 1, true, ", "), ", hakkuukertymä 2020   :   0 €, 0 €/m3");
  const Built none({});
  EXPECT_EQ(FillEstateGridCells(none.estate(), 0, true).values, (std::array<QString, 6>{}));
}

// A one-stand estate: its totals repeat its own figures.
TEST_F(EstateRules, OneStandEstateChart) {
  const Built one({S("a", 2.0f, {M(50, 50), Grown(10, 150)})});
  EstateChartContent c = EstateChart(one.estate(), 2, false, true, 752);
  ASSERT_EQ(c.bars.size(), 2u);
  // Per hectare with one stand: the stand's own figures.
  EXPECT_EQ(std::tuple(c.bars[0].value, c.bars[1].value, c.bars[0].text),
            std::tuple(100.0, 150.0, QString(" tukki 50%\nA :  2020")));
  EXPECT_EQ(c.footLines, (QStringList{"A :  mittauspuusto", "B :  kasvatuksen jälkeen"}));
  EXPECT_EQ(
      std::tuple(c.valueFormat, c.axisStartPercent, c.axisEndPercent, c.topAxisTitle, c.bottomAxisPositionPercent),
      std::tuple(QString("###0.### m3/ha"), 19, 81, QString(), 10));
  EXPECT_EQ(c.titleLines, (QStringList{"", "Kuviotietokanta", "  - 1 kuvio", "  - 2.00 ha", "Puuston kehitys 2020-2030"}));
  c = EstateChart(one.estate(), 1, true, false, 752);
  ASSERT_EQ(c.bars.size(), 1u);
  // 100 m3/ha on 2 ha at 10 per m3.
  EXPECT_EQ(std::tuple(c.bars[0].value, c.bars[0].text, c.axisStartPercent, c.axisEndPercent),
            std::tuple(2000.0, QString("v. 2020  :  mittauspuusto   •  10 €/m3"), 32, 68));
}

TEST_F(EstateRules, ChartMarksYearsThatDiffer) {
  // Two stands measured a year apart: item 0 has no single year (white).
  const Built b({S("a", 1.0f, {Measured(100)}), S("b", 1.0f, {Measured(0)}, "01.06.2021", 2)});
  EstateChartContent c = EstateChart(b.estate(), 1, false, true, 700);
  ASSERT_EQ(c.bars.size(), 1u);
  EXPECT_EQ(std::pair(c.bars[0].colorBgr, c.bars[0].value), std::pair(0xFFFFFF, 50.0));
  EXPECT_EQ(std::pair(c.topAxisTitle, c.bottomAxisPositionPercent),
            std::pair(QString("valkoinen : puustotiedot eivät ole samalta vuodelta "), 7));
  EXPECT_EQ(EstateChart(b.estate(), 4, false, false, 752).axisStartPercent, 1);
  // An empty estate: no bars, no title.
  const Built none({});
  c = EstateChart(none.estate(), 3, false, true, 752);
  EXPECT_TRUE(c.bars.empty() && c.titleLines.isEmpty());
}

TEST_F(EstateRules, SeedlingStandsAndForecastInfo) {
  const Built b({S("a", 1.0f, {Measured(100), Grown(10, 130)}), S("t", 1.25f, {Measured(0)}, "01.06.2020", 2),
                 S("u", 0.5f, {Measured(0)}, "01.06.2021", 2)});
  float area = 0;
  EXPECT_EQ(SmallSeedlingStandsBefore(b.estate(), 2021, area), 1);
  EXPECT_FLOAT_EQ(area, 1.25f);
  EXPECT_EQ(SmallSeedlingStandsBefore(b.estate(), 10000, area), 2);
  EXPECT_TRUE(EstateChart(b.estate(), 2, false, false, 752).infoPanelVisible);
  ForecastInfo f = ForecastInfoFor(b.estate(), b.points.items, -1);
  EXPECT_EQ(
      std::pair(f.caption, f.line2),
      std::pair(QString("Puuston kehitysennuste"),
                QString("Puuston kehitysennuste ei sisällä pienien taimikoiden  ( 2 kuviota,  1.75 ha )  kasvua.")));
  f = ForecastInfoFor(b.estate(), b.points.items, 1);
  EXPECT_EQ(f.caption, "Puutavaralajien tilavuus kasvatuksen jälkeen");
  EXPECT_TRUE(f.line1.startsWith(f.caption + " ei sisällä"));
}

TEST_F(EstateRules, StandListSummary) {
  const Built b({S("a", 1.5f, {M(60, 40), T(30, 10)}, "01.06.2018"), S("b", 0.5f, {Measured(100)})});
  const QString sep = SummarySeparator(752);
  EXPECT_EQ(SummarySeparator(700), ", ");
  // 100 x 1.5 + 100 x 0.5 = 200 m3; removal 60 m3/ha on 1.5 ha = 90 m3,
  // logs 45 of 90.
  EXPECT_EQ(
      (QStringList{StandListSummaryTail(b.estate(), 0, false, sep), StandListSummaryTail(b.estate(), 1, false, sep),
                   StandListSummaryTail(b.estate(), 1, true, sep)}),
      (QStringList{",  2 kuviota,  2.00 ha,  mittauspuusto 2018-20   :   200 m3",
                   ",  hakkuukertymä 2018   :   90 m3,  tukki % 50", ",  hakkuukertymä 2018   :   900 €,  10 €/m3"}));
  const Built m({S("a", 1.0f, {Measured(100)})});
  EXPECT_EQ(StandListSummaryTail(m.estate(), 1, false, sep), ",     :   ei hakkuukertymää");
}
