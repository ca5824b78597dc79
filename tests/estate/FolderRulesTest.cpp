// The estate overview's and the estate charts' contents over estates built by
// code: stand table in both views, distributions, assortment table, charts,
// cutting methods and the charts window's place. Default prices: 10.00 per
// m3 of pulpwood and logs, 1.00 of energy wood.
#include <gtest/gtest.h>

#include "estate/FolderRules.h"
#include "estate/GraphRules.h"
#include "model/Settings.h"
#include "tests/estate/EstateFixture.h"

using namespace estatetest;

namespace {

using FolderRules = DefaultPrices;

AssortmentVolumes Vol(int pinePulp, int pineLogs) {
  AssortmentVolumes v{};
  v[PinePulpwood] = pinePulp;
  v[PineLogs] = pineLogs;
  return v;
}

}  // namespace

TEST_F(FolderRules, SmallTexts) {
  EXPECT_EQ(MeasuredMonthText("15.06.2020"), "06/2020");
  EXPECT_EQ(MeasuredMonthText(""), "");
  EXPECT_EQ(TimePointCaptionText(0, true), QString::fromUtf8(" hakkuukertymä,  ei ajankohdan valintaa "));
  EXPECT_EQ(TimePointCaptionText(0, false), " puustotiedot ja puutavaralajit,  ajankohdan valinta ");
  EXPECT_EQ(TimePointCaptionText(1, false), " puutavaralajit,  ajankohdan valinta ");
  EXPECT_EQ(ShareVolumeValueCells(45, 1234, 56789, true),
            (std::array<QString, 3>{"     45 %", "    1234 m3", QString::fromUtf8("     56789 €")}));
  EXPECT_EQ(ShareVolumeValueCells(5, 120, 900, false),
            (std::array<QString, 3>{"      5 %", "   120 m3/ha", QString::fromUtf8("     900 €/ha")}));
}

TEST_F(FolderRules, CuttingMethodOfTheFirstThreeSteps) {
  const std::vector<std::pair<EstateRecord, const char*>> cases = {
      {Stand("m", "01.06.2020", 5, 1, {Measured(100)}), ""},
      {Stand("g", "01.06.2020", 5, 1, {Measured(100), Grown(10, 130)}), ""},
      {Stand("gg", "01.06.2020", 5, 1, {Measured(100), Grown(10, 130), Grown(5, 150)}), ""},
      // Thinned once: an intermediate cutting, wherever it stands.
      {Stand("t", "01.06.2020", 5, 1, {Measured(100), Thinned(60)}), "kasvatushakkuu"},
      {Stand("gt", "01.06.2020", 5, 1, {Measured(100), Grown(10, 130), Thinned(60)}), "kasvatushakkuu"},
      {Stand("rt", "01.06.2020", 5, 1, {Measured(100), Step("ajourat, 4 m", 0, 90), Thinned(60)}), "kasvatushakkuu"},
      {Stand("c", "01.06.2020", 5, 1, {Measured(100), ClearCut()}), "uudistushakkuu"},
      {Stand("ggc", "01.06.2020", 5, 1, {Measured(100), Grown(10, 130), Grown(5, 150), ClearCut()}), "uudistushakkuu"},
      {Stand("s", "01.06.2020", 5, 1, {Measured(100), Step("Poimintahakkuu, 40 m3/ha", 0, 60)}), "poimintahakkuu"},
      {Stand("p", "01.06.2020", 5, 1, {Measured(100), Step("pienaukkohakkuu 0.10 ha", 0, 80), ClearCut()}),
       "poimintahakkuu"},
  };
  for (const auto& [r, want] : cases) EXPECT_EQ(CuttingMethodName(r), QString::fromUtf8(want)) << r.standId.toStdString();
}

TEST_F(FolderRules, StandTableStockViewOneStand) {
  // One stand: the totals row repeats its row.
  const Built b({Stand("k1", "15.06.2020", 6, 2.0f, {Step("mittaus", 0, Vol(60, 40)), Grown(10, 150)})});
  StandTable t = EstateStandTable(b.estate(), {true, false, 1});
  ASSERT_EQ(t.rows.size(), 1u);
  const StandTableRow& row = t.rows[0];
  // 150 m3/ha pulpwood on 2 ha = 300 m3, 3000 at 10.
  EXPECT_EQ(row, (StandTableRow{"k1", "kasvatus,vartt.", "     2.00 ha", "06/2020", "   ", "  2020 -> 2030",
                                "      0 %", "     300 m3", QString::fromUtf8("      3000 €")}));
  EXPECT_EQ(t.totals[0], "1 kuvio");
  EXPECT_EQ(std::vector<QString>(t.totals.begin() + 6, t.totals.end()), std::vector<QString>(row.begin() + 6, row.end()));
  EXPECT_EQ(t.title, QString::fromUtf8("Kuvioiden puustotiedot,  kasvatuksen jälkeen"));
  // Measured state, per hectare: 100 m3/ha, logs 40 %.
  t = EstateStandTable(b.estate(), {false, false, 0});
  EXPECT_EQ(t.rows[0][5], "      2020");
  EXPECT_EQ((std::vector<QString>(t.rows[0].begin() + 6, t.rows[0].end())),
            (std::vector<QString>{"     40 %", "   100 m3/ha", QString::fromUtf8("    1000 €/ha")}));
}

TEST_F(FolderRules, StandTableRemovalView) {
  const Built b({Stand("a", "01.06.2020", 5, 2.0f, {Step("mittaus", 0, Vol(60, 40)), Step("alaharvennus", 0, Vol(30, 10))}),
                 Stand("b", "01.06.2020", 5, 1.0f, {Measured(100), Grown(10, 130)}),
                 Stand("c", "01.06.2020", 5, 1.0f, {Step("mittaus", 0, Vol(50, 50)), ClearCut()})});
  const StandTable t = EstateStandTable(b.estate(), {true, true, 0});
  ASSERT_EQ(t.rows.size(), 3u);
  EXPECT_EQ(t.headings[5], "   hakkuutapa");
  // 60 m3/ha on 2 ha = 120 m3 of which logs 60.
  EXPECT_EQ(QStringList({t.rows[0][4], t.rows[0][5], t.rows[0][6], t.rows[0][7]}),
            QStringList({"      2020", " kasvatushakkuu", "     50 %", "     120 m3"}));
  // The grown stand has no cutting: an empty row.
  EXPECT_EQ(t.rows[1], StandTableRow{});
  EXPECT_EQ(t.rows[2][5], " uudistushakkuu");
  // Totals: 120 + 100 m3, logs 60 + 50 of 220 = 50 %.
  EXPECT_EQ(QStringList({t.totals[6], t.totals[7], t.totals[8]}),
            QStringList({"     50 %", "     220 m3", QString::fromUtf8("      2200 €")}));
  EXPECT_EQ(t.title, QString::fromUtf8("Kuvioiden hakkuuvuosi ja - kertymä,  mittauspuusto"));
  // The rows' removal is what the stand lists show per hectare.
  const StandRemovalAtTimePoint r = EstateStandRemoval(b.estate(), b.stands[0]);
  EXPECT_EQ(std::tuple(r.volumeM3PerHa, r.value, r.cuttingMethod, r.slotSummary),
            std::tuple(60, 600, QString("kasvatushakkuu"), QString("v. 2020")));
  EXPECT_EQ(EstateStandRemoval(b.estate(), b.stands[1]).volumeM3PerHa, 0);
  // A file that could not be read: its name, nothing else, nothing counted.
  EstateRecordList withBroken = b.stands;
  EstateRecord broken;
  broken.fileName = "rikki.Norvalen";
  withBroken.push_back(broken);
  const Built c(withBroken);
  const StandTable u = EstateStandTable(c.estate(), {true, false, 0});
  EXPECT_EQ(u.rows.back(), (StandTableRow{"rikki.Norvalen"}));
  EXPECT_EQ(u.totals[7], "     400 m3");
}

TEST_F(FolderRules, DistributionsAddUpAndNeverDivideByZero) {
  const Built b({Stand("a", "01.06.2020", 5, 1.0f, {Measured(100)}), Stand("b", "01.06.2020", 5, 2.0f, {Measured(50)}),
                 Stand("c", "01.06.2021", 7, 1.0f, {Measured(200)})});
  const Distribution d = EstateDistribution(b.estate(), false);
  EXPECT_EQ(std::tuple(d.count[5], d.areaHa[5], d.volumeM3[5]), std::tuple(2, 3.0f, 200));
  // Areas 3 and 1 of 4: 75 and 25 %; volumes 200 and 200: 50 and 50 %.
  EXPECT_EQ(std::pair(d.areaPercent[5], d.areaPercent[7]), std::pair(75, 25));
  EXPECT_EQ(std::pair(d.volumePercent[5], d.volumePercent[7]), std::pair(50, 50));
  const DistributionTable t = DistributionTableOf(b.estate(), d, false);
  EXPECT_EQ(QStringList({t.rows[5][1], t.rows[5][2], t.rows[3][1], t.totals[1], t.totals[2]}),
            QStringList({"    2    3.00 ha  75 %", "         200 m3  50 %", "", "         4.00 ha", "         400 m3"}));
  EXPECT_EQ(t.title, "Kehitysluokat,   pinta-ala ja mittauspuusto v. 2021");
  // Seedling stands of no area and no stock: every share 0, at once.
  const Built zero({Stand("a", "01.06.2020", 2, 0.0f, {Measured(0)})});
  const Distribution z = EstateDistribution(zero.estate(), true);
  EXPECT_EQ(z.areaPercent, std::vector<int>(7, 0));
  EXPECT_EQ(z.volumePercent, std::vector<int>(7, 0));
}

TEST_F(FolderRules, AssortmentTable) {
  const Built b({Stand("a", "01.06.2020", 5, 2.0f, {Step("mittaus", 0, Vol(60, 40)), Step("alaharvennus", 0, Vol(30, 10))})});
  const AssortmentTable t = EstateAssortmentTable(b.estate(), 0);
  // Energy wood: neither stock nor removal, the bare name.
  EXPECT_EQ(QStringList({t.rows[0][0], t.rows[0][1]}), QStringList({"ranka     ", ""}));
  EXPECT_EQ(QStringList({t.rows[1][0], t.rows[1][1], t.rows[1][2], t.rows[6][1], t.totals[1], t.totals[2]}),
            QString::fromUtf8("mäntykuitu  10.00 €/m3|    120 m3    1200 €|     60 m3     600 €|     80 m3     800 €|"
                              "    200 m3    2000 €|    120 m3    1200 €")
                .split('|'));
  EXPECT_EQ(QStringList({t.headings[1], t.headings[2]}),
            QStringList({" puutavaralajit v.2020", QString::fromUtf8(" hakkuukertymä v. 2020")}));
  EXPECT_EQ(t.title, QString::fromUtf8("Puutavaralajit ja hakkuukertymä,  mittauspuusto"));
  EXPECT_EQ((std::vector<int>{AssortmentOfTableRow(0), AssortmentOfTableRow(1), AssortmentOfTableRow(5),
                              AssortmentOfTableRow(6), AssortmentOfTableRow(9)}),
            (std::vector<int>{12, 0, 4, 6, 9}));
}

TEST_F(FolderRules, Charts) {
  // Only stands of one development class: one bar of 100 %, nine of 0 %.
  const Built b({Stand("a", "01.06.2020", 5, 1.5f, {Step("mittaus", 0, Vol(60, 40))}),
                 Stand("b", "01.06.2020", 5, 0.5f, {Step("mittaus", 0, Vol(60, 40))})});
  const Distribution d = EstateDistribution(b.estate(), false);
  const HorizontalChart c = DistributionChart(d, false, true, " v. 2020");
  ASSERT_EQ(c.bars.size(), 10u);
  // Class 5, drawn fifth from 9 down.
  EXPECT_EQ(std::tuple(c.bars[4].value, c.bars[4].colorBgr, c.bars[0].value), std::tuple(100, 0x808000, 0));
  EXPECT_TRUE(c.bars[4].text.endsWith("   200 m3 "));
  EXPECT_EQ(c.titleLines, QStringList{"Kehitysluokkien puusto mittauksen jälkeen v. 2020"});
  EXPECT_EQ(c.foot, QString::fromUtf8("yhteensä 200 m3"));
  EXPECT_EQ(DistributionChart(d, true, false, "").foot, QString::fromUtf8("yhteensä 2.00 ha"));
  HorizontalChart a = EstateAssortmentChart(b.estate(), 0, false, true, "mittauspuusto");
  ASSERT_EQ(a.bars.size(), 10u);
  EXPECT_EQ(a.bars[3].text, QString::fromUtf8("mäntytukki     800 € "));
  EXPECT_EQ(std::tuple(a.bars[3].value, a.bars[3].speciesColorCode, a.bars[9].speciesColorCode), std::tuple(40, 0, -1));
  EXPECT_EQ(a.titleLines, (QStringList{"Puutavaralajien arvo  v. 2020", "mittauspuusto"}));
  EXPECT_EQ(a.foot, QString::fromUtf8("yhteensä 2000 €,  tukin osuus 40 %"));
  a = EstateAssortmentChart(b.estate(), 0, true, false, "mittauspuusto");
  EXPECT_EQ(a.titleLines, (QStringList{QString::fromUtf8("Hakkuukertymä "), ""}));
  EXPECT_EQ(a.foot, QString::fromUtf8("yhteensä 0 m3,  tukin osuus 0 %"));
}

TEST_F(FolderRules, ChartWindowStaysOnTheScreen) {
  // Beside the overview with 10 stands on a 768-pixel screen: 96 pixels
  // above the screen as computed, kept at 0.
  const WindowPlace beside = ChartWindowPlace(true, 1366, 768, 1000, 700, 10);
  EXPECT_EQ(std::pair(beside.left, beside.top), std::pair(146, 0));
  EXPECT_EQ(ChartWindowPlace(true, 1920, 1080, 1000, 700, 3).top, 190 - 70);
  const WindowPlace alone = ChartWindowPlace(false, 1366, 768, 1000, 700, 10);
  EXPECT_EQ(std::pair(alone.left, alone.top), std::pair(183, 27));
}
