// The stand report's lines and the printed page layout, worked out by hand
// on stands built here.
#include <gtest/gtest.h>

#include <algorithm>

#include "estate/RaportRules.h"
#include "model/Phase.h"

using namespace raport;

namespace {

QString B(int n) { return QString(n, QLatin1Char(' ')); }
QString U(const char* s) { return QString::fromUtf8(s); }

// Mäkelä 12a: a varttunut kasvatusmetsä of 2.00 ha measured 15.06.2019,
// grown 5 years and then thinned (current phase 2).
//   slot 0: 1200 stems; pine pulp 40, spruce pulp 30, pine logs 100, spruce
//           logs 20, energy wood 10 (200 m3/ha)
//   slot 1: growth 5 years, 1180 stems; 44, 33, 120, 25, 11 (233 m3/ha)
//   slot 2: thinning, 700 stems; 24, 23, 80, 5, 1 (133 m3/ha)
// The removal is 20, 10, 40, 20, 10 = 100 m3/ha, 200 m3 for the stand, of
// which logs 60 %.
struct ThinnedStand {
  data s{0};
  ThinnedStand() {
    s.Header.estateName = U("Mäkelä");
    s.Header.standId = "12a";
    s.Header.developmentClass = 6;
    s.Header.siteType = 3;
    s.Header.measurementDay = 43631;  // 15.06.2019
    s.Header.area = 2.0f;
    // Pine, spruce and birch: mean diameter, height, basal area, stems, age.
    const int words[5] = {WordMeanDiameter, WordMeanHeight, WordBasalArea, WordStems, WordAge};
    const int blocks[3][5] = {{22, 185, 120, 600, 45}, {18, 150, 60, 400, 0}, {14, 160, 25, 200, 38}};
    for (int sp = 0; sp < 3; ++sp) {
      for (int w = 0; w < 5; ++w) s.SpeciesBlocks[sp].words[words[w]] = blocks[sp][w];
    }
    const int assortments[5] = {PinePulpwood, SprucePulpwood, PineLogs, SpruceLogs, EnergyWood};
    const int volumes[3][5] = {{40, 30, 100, 20, 10}, {44, 33, 120, 25, 11}, {24, 23, 80, 5, 1}};
    const int stems[3] = {1200, 1180, 700};
    for (int k = 0; k < 3; ++k) {
      for (int j = 0; j < 5; ++j) s.Slots[k].volumes[assortments[j]] = volumes[k][j];
      s.Slots[k].stems = stems[k];
    }
    s.Slots[0].name = "mitattu";
    s.Slots[1].name = "Kasvatus";
    s.Slots[1].years = 5;
    s.Slots[2].name = "Alaharvennus";
    SetCurrentPhase(2);
  }
  ~ThinnedStand() { SetCurrentPhase(0); }
};

StandReportContext Context() {
  return {TodayDateText(QDate(2024, 6, 15)), 3, 7.25f, "normaali",
          {"Kuusivaltainen kangas,", "ojitettu 1970-luvulla."}};
}

void ExpectLines(const QStringList& got, const QStringList& want) {
  ASSERT_EQ(got.size(), want.size()) << got.join('\n').toStdString();
  for (int i = 0; i < want.size(); ++i) EXPECT_EQ(got.at(i), want.at(i)) << "line " << i;
}

}  // namespace

TEST(RaportRules, BasicDataOperationsAndRemovalOfAThinnedStand) {
  ThinnedStand t;
  QStringList memo;
  AppendStandBasicData(memo, t.s, Context());
  AppendOperationsAndStock(memo, t.s, 2, {"mitattu puusto", "kasvatus 5 v", "alaharvennus"});
  const QString label = B(5);
  const QStringList want = {
      " 15.06.2024  Norvalen - kuvioraportti",
      " ",
      U(" Metsätilan nimi, kuvioiden määrä ja pinta-ala"),
      U("   - Mäkelä, 3 kuviota, 7.25 ha"),
      " ",
      " Kuvio 12a, perustiedot",
      "   - pinta-ala 2.00 ha, varttunut kasvatusmetsä",
      "   - puuston ryhmitys normaali, tuore kangas",
      " ",
      U("     puuston mittaus 15.06.2019    mänty  kuusi  koivu  haapa  leppä"),
      label + U("  - keskiläpimitta, cm    ") + "       22" + "     18" + "     14" + "      0" + "      0",
      label + "  - keskipituus, m        " + "     18.5" + "   15.0" + "   16.0" + "    0.0" + "    0.0",
      label + "  - pohjapinta-ala, m2/ha " + "     12.0" + "    6.0" + "    2.5" + "    0.0" + "    0.0",
      label + U("  - ikä, vuotta           ") + "  " + "     45" + B(7) + "     38" + B(7) + B(7),
      U("     lisätietoja : Kuusivaltainen kangas,"),
      B(5) + B(14) + "ojitettu 1970-luvulla.",
      "  ",
      "     toimenpiteet ja puuston kehitys v.2019-2024",
      B(6) + " - mitattu puusto     200 m3/ha",
      B(6) + " - kasvatus 5 v       233 m3/ha",
      B(6) + " - alaharvennus       133 m3/ha",
      U("     hakkuukertymä v.2024 : 100 m3/ha, 200 m3/kuvio, tukin osuus 60 %"),
  };
  ExpectLines(memo, want);
  // Every value ends under the end of its species' name ("ä" counts one).
  const QString heading = memo.at(9);
  for (const char* name : {"mänty", "kuusi", "koivu", "haapa", "leppä"}) {
    const int end = heading.indexOf(U(name)) + 5;
    for (int row = 10; row <= 12; ++row)
      EXPECT_NE(memo.at(row).at(end - 1), QLatin1Char(' ')) << name << " row " << row;
  }
  EXPECT_EQ(memo.at(10).size(), heading.size());
}

TEST(RaportRules, SmallSeedlingStandAtItsMeasuredPhase) {
  data s(0);
  s.Header.standId = "3";
  s.Header.developmentClass = 2;  // pieni taimikko
  s.Header.siteType = 4;
  s.Header.measurementDay = 43631;
  s.Header.area = 0.5f;
  s.SpeciesBlocks[SpeciesPine].words[WordStems] = 2500;
  s.SpeciesBlocks[SpeciesPine].words[WordMeanHeight] = 12;
  s.SpeciesBlocks[SpeciesBirch].words[WordStems] = 800;
  s.SpeciesBlocks[SpeciesBirch].words[WordMeanHeight] = 21;
  s.Slots[0].name = "mitattu";
  SetCurrentPhase(0);
  QStringList memo;
  AppendStandBasicData(memo, s, StandReportContext{"01.02.2025", 1, 0.5f, {}, {}});
  AppendOperationsAndStock(memo, s, 0, {"taimikko mitattu"});
  const QStringList want = {
      " 01.02.2025  Norvalen - kuvioraportti",
      " ",
      U(" Metsätilan nimi, kuvioiden määrä ja pinta-ala"),
      U("   - ei tilan nimeä, 1 kuvio, 0.50 ha"),
      " ",
      " Kuvio 3, perustiedot",
      "   - pinta-ala 0.50 ha, pieni taimikko",
      "   - puuston ryhmitys , kuivahko kangas",
      " ",
      U("     puuston mittaus 15.06.2019    mänty  kuusi  koivu  haapa  leppä"),
      B(5) + "  - runkoluku, kpl/ha     " + "     2500" + "      0" + "    800" + "      0" + "      0",
      B(5) + "  - keskipituus, m        " + "      1.2" + "    0.0" + "    2.1" + "    0.0" + "    0.0",
      "  ",
      "     toimenpiteet ja puusto",
      B(6) + " - taimikko mitattu       0 m3/ha",
  };
  ExpectLines(memo, want);
}

TEST(RaportRules, StockEstimateAfterTheMeasurementAndAfterTheOperations) {
  ThinnedStand t;
  PriceFactors prices{};
  for (int j = 0; j < kAssortmentCount; ++j) prices[j] = j < PineLogs ? 20.0f : 55.5f;
  prices[EnergyWood] = 5.0f;
  QStringList memo;
  AppendStockEstimate(memo, t.s, 2, prices);
  // Whole-stand volumes are twice the per-hectare ones (2.00 ha).
  const auto row = [](const char* name, const char* price, const char* volume, const char* value) {
    return B(4) + B(3) + U(name) + " " + U(price) + "  " + volume + " m3 " + value + U(" €");
  };
  const QStringList want = {
      " ",
      U("     puusto mittauksen jälkeen v.2019"),
      row("ranka     ", "   5.00 €/m3", "  20", "     100"),
      row("mäntykuitu", "  20.00 €/m3", "  80", "    1600"),
      row("kuusikuitu", "  20.00 €/m3", "  60", "    1200"),
      row("mäntytukki", "  55.50 €/m3", " 200", "   11100"),
      row("kuusitukki", "  55.50 €/m3", "  40", "    2220"),
      B(7) + U("yhteensä   ") + B(15) + "400 m3    16220 €  (200 m3/ha, 8110 €/ha)",
      U("     puusto toimenpiteiden jälkeen v.2024"),
      row("ranka     ", "   5.00 €/m3", "   2", "      10"),
      row("mäntykuitu", "  20.00 €/m3", "  48", "     960"),
      row("kuusikuitu", "  20.00 €/m3", "  46", "     920"),
      row("mäntytukki", "  55.50 €/m3", " 160", "    8880"),
      // 10 m3 x 55.5 = 555; per hectare 5 x 55.5 = 277.5 -> 278.
      row("kuusitukki", "  55.50 €/m3", "  10", "     555"),
      B(7) + U("yhteensä   ") + B(15) + U("266 m3    11325 €  (133 m3/ha, 5663 €/ha)"),
  };
  ExpectLines(memo, want);
  // The volume column of the rows and of the total end at the same place.
  EXPECT_EQ(memo.at(2).indexOf(" m3 "), memo.at(7).indexOf(" m3 "));
  // At the measured phase only the first part is written.
  QStringList first;
  AppendStockEstimate(first, t.s, 0, prices);
  EXPECT_EQ(first.size(), 8);
}

namespace {

SaleReportTexts SaleTexts(const QString& totalValue) {
  SaleReportTexts s;
  s.yearText = "2024";
  s.methodName = "alaharvennus";
  s.areaHa = 2.0f;
  s.rows = {{EnergyWood, false, true, "05.00", "12 m3", U("60 €")},
            {PinePulpwood, false, true, "20.00", "45 m3", U("900 €")},
            {PineLogs, false, true, "55.50", "45 m3", U("2498 €")},
            {SprucePulpwood, false, false, "20.00", "32 m3", U("640 €")},  // not in the sale
            {SpruceLogs, false, true, "", "13 m3", U("722 €")},           // no price
            {AlderPulpwood, false, true, "20.00", "5 m3", U("100 €")}};
  s.totalCaption = U("yhteensä");
  s.totalVolumeText = "162 m3";
  s.totalValueText = totalValue;
  s.taxCaption = "- ennakkovero";
  s.taxPercent = 30;
  s.taxText = U("-1536 €");
  s.netCaption = "puukauppa, nettotulot";
  s.netText = U("3584 €");
  return s;
}

}  // namespace

TEST(RaportRules, TimberSaleSectionInItsFixedOrder) {
  SaleReportTexts sale = SaleTexts(U("5120 €"));
  sale.shiftPercent = 10;
  sale.movedText = U("   - tukin siirtymä 7 m3");
  sale.changeCaption = "   - vaikutus tuloihin";
  sale.changeText = U("-248 €,");
  sale.changePercentText = "-4.6 %";
  QStringList memo;
  AppendTimberSale(memo, sale);
  // L = 6: value column of 7 characters.
  const QStringList want = {
      " ",
      "     puukauppa v.2024, alaharvennus 2.00 ha",
      B(5) + "  ranka     " + U("     05.00 €/m3") + "   12 m3" + U("    60 €"),
      B(5) + U("  leppäkuitu") + U("     20.00 €/m3") + "    5 m3" + U("   100 €"),
      B(5) + U("  mäntykuitu") + U("     20.00 €/m3") + "   45 m3" + U("   900 €"),
      B(5) + U("  mäntytukki") + U("     55.50 €/m3") + "   45 m3" + U("  2498 €"),
      B(5) + U("  yhteensä ") + B(18) + "162 m3" + U("  5120 €") + U("  keskihinta 32 €/m3"),
      B(6) + "   - ennakkovero 30 %" + B(14) + U("-1536 €"),
      B(5) + "  puukauppa, nettotulot" + B(14) + U("3584 €"),
      " ",
      U("       kaupassa arvioitu huonolaatuista tukkia siirtyvän kuitupuuhun 10 %"),
      U("         - tukin siirtymä 7 m3"),
      U("         - vaikutus tuloihin -248 €, -4.6 %"),
  };
  ExpectLines(memo, want);

  // The pine stem replaces the log name; no shift ends at the net line.
  sale.rows[2].stem = true;
  sale.shiftPercent = 0;
  memo.clear();
  AppendTimberSale(memo, sale);
  EXPECT_TRUE(memo.at(5).startsWith(B(5) + U("  mäntyrunko"))) << memo.at(5).toStdString();
  EXPECT_EQ(memo.size(), 9);
}

TEST(RaportRules, TimberSaleColumnsLineUpForEveryTotalLength) {
  // Total value texts of 4 to 11 characters: the value column is one wider
  // than the total (6 to 11) and rows, total, tax and net end together. A
  // total of 12 characters takes the widest formats and overruns them by one.
  for (int length = 4; length <= 12; ++length) {
    const QString total = QString(length - 2, QLatin1Char('9')) + U(" €");
    SaleReportTexts sale = SaleTexts(total);
    sale.totalVolumeText = "0 m3";  // no mean price after the total
    QStringList memo;
    AppendTimberSale(memo, sale);
    const int rowEnd = memo.at(2).size();
    for (int i = 3; i < memo.size(); ++i)
      EXPECT_EQ(memo.at(i).size(), rowEnd + (length == 12 && i == 6 ? 1 : 0)) << length << " line " << i;
    const int valueWidth = qBound(6, length + 1, 11);
    EXPECT_EQ(memo.at(2).right(valueWidth + 1), " " + U("60 €").rightJustified(valueWidth)) << length;
  }
}

TEST(RaportRules, RegenerationCostSectionWithAndWithoutSeedlings) {
  RegenerationCostTexts c;
  c.title = U("Metsänuudistaminen avohakkuun jälkeen");
  c.clearingLabel = "raivaus";
  c.clearingPerHa = U("150 €/ha");
  c.clearingPerStand = U("300 €");
  c.soilLabel = "maanmuokkaus";
  c.soilPerHa = U("250 €/ha");
  c.soilPerStand = U("500 €");
  c.totalLabel = "Yhteensä";
  c.totalPerHa = U("400 €/ha");
  c.totalPerStand = U("800 €");
  QStringList memo;
  AppendRegenerationCosts(memo, c);
  const QStringList want = {
      " ",
      U("  Metsänuudistaminen avohakkuun jälkeen"),
      "  " + QString("raivaus").leftJustified(40) + U("  150 €/ha") + " " + U("300 €").rightJustified(15),
      "  " + QString("maanmuokkaus").leftJustified(38) + U("    250 €/ha") + " " + U("500 €").rightJustified(15),
      "  " + U("yhteensä").leftJustified(38) + U("    400 €/ha") + " " + U("800 €").rightJustified(15),
  };
  ExpectLines(memo, want);
  c.seedlingShown = true;
  c.seedlingHeading = "taimet";
  c.seedlingLabel = "taimikustannus";
  c.workLabel = "istutustyö";
  memo.clear();
  AppendRegenerationCosts(memo, c);
  ASSERT_EQ(memo.size(), 8);
  EXPECT_EQ(std::pair(memo.at(5).size(), memo.at(5).startsWith("      taimikustannus")),
            std::pair(memo.at(3).size(), true));
}

TEST(RaportRules, PrintedPagesHold68LinesWithNoTrailingBlankPage) {
  constexpr int kPitch = 15;
  struct Case {
    int bodyLines, pages, lastPage, lastPosition, pageEnd = std::numeric_limits<int>::max();
  };
  // The first page holds memo lines 2..69 at positions 4..71, later pages
  // lines at 2..69; a page that ends at position 67 holds lines at 4..67
  // (64 lines), then 2..67 (66 lines); one that ends at 4 a line, then
  // three.
  const Case cases[] = {{0, 1, 0, 0},      {2, 1, 0, 5},      {68, 1, 0, 71},    {69, 2, 1, 2},
                        {70, 2, 1, 3},     {71, 2, 1, 4},     {136, 2, 1, 69},   {139, 3, 2, 4},
                        {64, 1, 0, 67, 67}, {65, 2, 1, 2, 67}, {139, 3, 2, 10, 67}, {3, 2, 1, 3, 4}};
  for (const Case& c : cases) {
    QStringList memo = {" 01.01.2025  Norvalen - kuvioraportti", " "};
    for (int i = 0; i < c.bodyLines; ++i) memo << QStringLiteral("  rivi %1").arg(i + 1);
    const PrintLayout layout = LayoutPrintedReport(memo, true, false, 2, kPitch, c.pageEnd);
    EXPECT_EQ(layout.heading, "01.01.2025  Norvalen - kuvioraportti");
    EXPECT_EQ(layout.pages, c.pages) << c.bodyLines;
    ASSERT_EQ(int(layout.lines.size()), c.bodyLines);
    if (c.bodyLines == 0) continue;
    // One blank of indent removed.
    EXPECT_EQ(std::tuple(layout.lines.front().position, layout.lines.front().y, layout.lines.front().text),
              std::tuple(4, 40 + 4 * kPitch, QString(" rivi 1")));
    EXPECT_EQ(std::tuple(layout.lines.back().page, layout.lines.back().position, layout.lines.back().y),
              std::tuple(c.lastPage, c.lastPosition, 40 + c.lastPosition * kPitch))
        << c.bodyLines;
  }
}

TEST(RaportRules, PrintedPageFitsThePrintersPrintableArea) {
  // At 1200 dpi a 9-point line is 170 pixels high with a pitch of 187; the
  // first page's last line, at position 71, ends at 40 + 71 x 187 + 170 =
  // 13487 pixels, the first line (position 4) at 958.
  // Page, printable width and height, widest text, scale, last line position.
  const std::tuple<const char*, int, int, int, double, int> cases[] = {
      // A4 with margins of 10 and 5 mm (567.3 x 813.5 pt): the whole layout.
      {"A4 5 mm", 9455, 13559, 7000, 1.0, 71},
      // The generic PDF queue's A4 (559 x 770 pt) and Letter (576 x 720 pt):
      // (12833 - 210) / 187 = 67.5 and (12000 - 210) / 187 = 63.05.
      {"A4 queue", 9317, 12833, 7000, 1.0, 67},
      {"Letter queue", 9600, 12000, 7000, 1.0, 63},
      // A5 (384 x 523 pt): the widest line and the edge, 9000 pixels, drawn
      // at 6400 / 9000; the height is then 8717 x 9000 / 6400 = 12258 and
      // (12258 - 210) / 187 = 64.4.
      {"A5 queue", 6400, 8717, 8970, 6400.0 / 9000, 64},
      // A strip of paper lower than the first line: drawn at 303 / 958, one
      // line a page.
      {"strip", 9000, 303, 7000, 303.0 / 958, 4},
      // A printer that tells no printable area: the layout as it is.
      {"unknown", 0, 0, 7000, 1.0, std::numeric_limits<int>::max()}};
  for (auto [name, width, height, widest, scale, lastPosition] : cases) {
    // A 9-point line of 170 pixels, the heading's bottom at 120 + 215.
    const PrintFit fit = FitPrintedPage(PrintPage{width, height, widest, 170, 120 + 215, 187, 4});
    EXPECT_NEAR(fit.scale, scale, 1e-9) << name;
    EXPECT_EQ(fit.lastPosition, lastPosition) << name;
  }
}

TEST(RaportRules, EstateReportPrintsItsSecondLineAndBoldsItsFirstTitle) {
  QStringList memo = {" 01.01.2025  Norvalen - raportti", "     - kuviotietokanta Koe,  3 kuviota", " ",
                      " Kehitysluokat,  pinta-ala", " "};
  for (int i = 0; i < 66; ++i) memo << " rivi";
  const PrintLayout layout = LayoutPrintedReport(memo, true, true, 1, 10);
  ASSERT_FALSE(layout.lines.empty());
  EXPECT_EQ(std::tuple(layout.lines[0].memoLine, layout.lines[0].position, layout.lines[0].text, layout.lines[0].bold),
            std::tuple(1, 3, QString("    - kuviotietokanta Koe,  3 kuviota"), false));
  // The first section title alone is bold. 70 lines after line 0: 68 on the
  // first page (memo lines 1..68), two on the second.
  const auto bold =
      std::count_if(layout.lines.begin(), layout.lines.end(), [](const PrintedLine& l) { return l.bold; });
  EXPECT_EQ(std::tuple(layout.lines[2].bold, bold, layout.pages, layout.lines[67].memoLine, layout.lines[67].page,
                       layout.lines[68].page, layout.lines[68].position),
            std::tuple(true, 1, 2, 68, 0, 1, 2));
}

TEST(RaportRules, RuleLinesAreBlankAndTheTwoLinesAfterThemBold) {
  const QStringList memo = {" title", " ", " a", " __________", " b", " c", " d", " e"};
  const PrintLayout layout = LayoutPrintedReport(memo, true, false, 2, 10);
  ASSERT_EQ(layout.lines.size(), 6u);
  EXPECT_EQ(layout.lines[1].text, "");  // the rule line
  // " b" one line after it, " c" two, " d" three, " e" four.
  EXPECT_EQ((std::array{layout.lines[2].bold, layout.lines[3].bold, layout.lines[4].bold, layout.lines[5].bold}),
            (std::array{false, true, true, false}));
  // Without the heading nothing is bold and the rule stays.
  const PrintLayout plain = LayoutPrintedReport(memo, false, false, 2, 10);
  EXPECT_EQ(QStringList({plain.heading, plain.lines[1].text}), QStringList({"", "__________"}));
  EXPECT_EQ(QStringList({StripReportIndent("   x", "  ab"), StripReportIndent("x", "  ab"), PadRightText(U("ä"), 3),
                         PadRightText("long", 2)}),
            QStringList({"b", "  ab", U("ä  "), "long"}));
  EXPECT_EQ(PrintPitch(14), 15);
}
