// The estate report's lines from overview tables written here in the
// overview's own formats.
#include <gtest/gtest.h>

#include "estate/dbRaportRules.h"

using namespace dbraport;

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }
// A text left-justified in a column of w characters and its separating
// blank.
QString Col(const QString& text, int w) { return text.leftJustified(w) + " "; }

OverviewTable StandTable() {
  OverviewTable t;
  t.title = "Kuvioiden puustotiedot,  ei toimenpiteitä";
  t.headings = {"kuvio", "kehitysluokka", "    pinta-ala", "    mitattu", "  hakkuuvuosi",
                "   ajankohta", "  tukin osuus", "     puusto", "  puuston arvo"};
  t.rows = {{"1", "kasvatus,vartt.", "     2.50 ha", "06/2019", "   ", "      2019", "     42 %", "     540 m3",
             U("     21600 €")},
            {"12b", "taimikko,pieni", "     0.75 ha", "05/2020", "   ", "      2020", "      0 %", "       0 m3",
             U("         0 €")},
            {"x", "row beyond the stand count"}};
  t.totals = {"2 kuviota", "", "     3.25 ha", "", "", "", "     42 %", "     540 m3", U("     21600 €")};
  return t;
}

OverviewTable DistributionTable() {
  OverviewTable t;
  t.title = "Kehitysluokat,   pinta-ala ja mittauspuusto v. 2020";
  t.headings = {"kehitysluokka", "        pinta-ala", "     mittauspuusto"};
  t.rows = {{"ei tietoa              ", "", ""},
            {"taimikko,pieni         ", "    1    0.75 ha  23 %", "           0 m3   0 %"},
            {U("kasvatusmetsä,varttunut"), "    1    2.50 ha  77 %", "         540 m3 100 %"},
            {"siemenpuumetsikkö      ", " ", ""}};
  t.totals = {U("yhteensä 2 kuviota"), "         3.25 ha", "         540 m3"};
  return t;
}

}  // namespace

TEST(dbRaportRules, StandTableColumnsLineUpWithTheirBlanksCut) {
  QStringList memo;
  WriteOverviewTable(memo, kStands, StandTable(), 2);
  // Widths by hand after the cuts: 9, 15, 11, 8, 11, 11, 7, 8, 10.
  const QStringList want = {
      " Kuvioiden puustotiedot,  ei toimenpiteitä",
      " ",
      " " + Col("kuvio", 9) + Col("kehitysluokka", 15) + Col("  pinta-ala", 11) + Col(" mitattu", 8) +
          Col("hakkuuvuosi", 11) + Col("  ajankohta", 11) + Col("tukki %", 7) + Col("  puusto", 8) + "    arvo",
      " ",
      " " + Col("1", 9) + Col("kasvatus,vartt.", 15) + Col("   2.50 ha", 11) + Col("06/2019", 8) + Col("", 11) +
          Col("     2019", 11) + Col(" 42 %", 7) + Col("  540 m3", 8) + U("   21600 €"),
      " " + Col("12b", 9) + Col("taimikko,pieni", 15) + Col("   0.75 ha", 11) + Col("05/2020", 8) + Col("", 11) +
          Col("     2020", 11) + Col("  0 %", 7) + Col("    0 m3", 8) + U("       0 €"),
      " ",
      " " + Col("2 kuviota", 9) + Col("", 15) + Col("   3.25 ha", 11) + Col("", 8) + Col("", 11) + Col("", 11) +
          Col(" 42 %", 7) + Col("  540 m3", 8) + U("   21600 €"),
  };
  EXPECT_EQ(memo, want);
  // A removal view's headings are shortened the same way.
  EXPECT_EQ(ReportCellText(kStands, U(" hakkuukertymä"), 7, true), " kertymä");
  EXPECT_EQ(ReportCellText(kStands, U(" kertymän arvo"), 8, true), "    arvo");
  EXPECT_EQ(ReportCellText(kStands, U(" hakkuukertymä"), 7, false), U("hakkuukertymä"));
  // A cut never takes a visible character.
  EXPECT_EQ(ReportCellText(kStands, "06/2019", 3, false), "06/2019");
}

TEST(dbRaportRules, DistributionLeavesOutClassesWithoutStands) {
  QStringList memo;
  WriteOverviewTable(memo, kDistribution, DistributionTable(), 4);
  ASSERT_EQ(memo.size(), 8);
  EXPECT_EQ(memo.at(2), " " + Col("kehitysluokka", 23) + Col("       pinta-ala", 21) + "    mittauspuusto");
  EXPECT_EQ(memo.at(4), " " + Col("taimikko,pieni", 23) + Col("   1    0.75 ha  23 %", 21) + "          0 m3   0 %");
  EXPECT_EQ(memo.at(5), " " + Col(U("kasvatusmetsä,varttunut"), 23) + Col("   1    2.50 ha  77 %", 21) +
                            "        540 m3 100 %");
  EXPECT_EQ(memo.at(7), " " + Col(U("yhteensä 2 kuviota"), 23) + Col("        3.25 ha", 21) + "        540 m3");
  // The area of the rows and of the total ends in the same column.
  EXPECT_EQ(memo.at(5).indexOf(" ha"), memo.at(7).indexOf(" ha"));
}

TEST(dbRaportRules, SectionsInTheirOrderWithRulesBetween) {
  EstateReportInput in;
  in.today = "15.06.2024";
  in.countLabel = U("kuviotietokanta koivulan tila,  2 kuviota,  pinta-ala 3.25 ha");
  in.distributionTable = DistributionTable();
  in.assortmentTable.title = U("Puutavaralajit ja hakkuukertymä,  ei toimenpiteitä");
  in.assortmentTable.headings = {"      keskihinnat", " puutavaralajit v.2020", U(" hakkuukertymä")};
  in.assortmentTable.rows = {{U("mäntytukki   55.50"), "  120 m3", "   0 m3"}};
  in.assortmentTable.totals = {U("yhteensä"), "  540 m3", "   0 m3"};
  in.assortmentNote = SmallSeedlingNote("1 kuvio", 0.75f);
  in.standTable = StandTable();
  in.standCount = 2;
  const QString rule = " " + QString(76, '-');

  QStringList memo = BuildEstateReport(in);
  EXPECT_EQ(memo.at(0), " 15.06.2024  Norvalen - raportti");
  EXPECT_EQ(memo.at(1), U("     - kuviotietokanta koivulan tila,  2 kuviota,  pinta-ala 3.25 ha"));
  EXPECT_EQ(memo.at(2), " ");
  EXPECT_EQ(memo.at(3), " Kehitysluokat,   pinta-ala ja mittauspuusto v. 2020");
  EXPECT_EQ(memo.count(rule), 2);
  const int assortments = memo.indexOf(U(" Puutavaralajit ja hakkuukertymä,  ei toimenpiteitä"));
  ASSERT_GT(assortments, 0);
  EXPECT_EQ(memo.at(assortments - 1), rule);
  EXPECT_EQ(memo.at(assortments + 1),
            U("     - puutavaralajien tilavuus ei sisällä pienien taimikoiden (1 kuvio, 0.75 ha) kasvua"));
  EXPECT_TRUE(memo.last().startsWith(" 2 kuviota"));

  // Only the stand table: no rule; nothing chosen: nothing at all.
  in.distribution = false;
  in.assortments = false;
  memo = BuildEstateReport(in);
  EXPECT_EQ(memo.count(rule), 0);
  EXPECT_EQ(memo.size(), 3 + 8);
  in.stands = false;
  EXPECT_TRUE(BuildEstateReport(in).isEmpty());
}
