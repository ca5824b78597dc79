// The measurement window's rules without a widget: the lists and how they
// depend on the diameter, the stem-count alternatives, the structure code,
// the typed names, every check made on Save with its text, the save loop's
// verdicts and the header and species blocks built from the entries.
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <vector>

#include "model/ClassTables.h"
#include "model/Sample.h"
#include "stands/MeasRules.h"
#include "tests/support/TempDir.h"

namespace {

// A message as one line, "caption | line", a question marked with "? "
// before it; empty for none.
QString Said(const std::optional<MeasMessage>& m) {
  return m ? QString(m->question ? "? " : "") + m->caption + " | " + m->line1 : QString();
}

}  // namespace

TEST(MeasLists, DiameterStemCountAndSeedlingHeightItems) {
  // No list offers 1 cm; alder's ends at 20 cm.
  for (int species = 0; species < 5; ++species) {
    const QStringList items = DiameterItems(species);
    const QString last = species == 4 ? "  20" : "  45";
    EXPECT_EQ(std::tuple(items.size(), items.at(0), items.at(1), items.last()),
              std::tuple(species == 4 ? 20 : 45, QString("   0"), QString("   2"), last));
  }
  const QStringList stems = StemCountItems(), heights = SeedlingHeightItems();
  EXPECT_EQ(std::tuple(stems.size(), stems.value(1), stems.last()), std::tuple(161, QString("  50"), QString("8000")));
  EXPECT_EQ(std::tuple(heights.size(), heights.first(), heights.last()),
            std::tuple(13, QString(" 0.0"), QString(" 1.2")));
  EXPECT_EQ(std::tuple(NumberItemText(true, 2.5), NumberItemText(false, 25.5), ItemInteger("  20"), ItemInteger("")),
            std::tuple(QString("   3"), QString("25.5"), 20, 0));
}

TEST(MeasLists, EveryHeightAndBasalAreaRangeIsWhereItsTableSaysForEverySpecies) {
  // Lowest and highest metres by diameter 2 .. 35, every species; birch and
  // aspen one metre taller below 31 cm. The preselected height is the whole
  // metre at or below the middle.
  const int low[36] = {0, 0, 2, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10,
                       10, 11, 11, 11, 12, 12, 12, 13, 13, 13, 14, 14, 14, 15, 15, 15, 16, 16};
  const int high[36] = {0, 0, 5, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22,
                        23, 24, 25, 26, 26, 27, 27, 28, 28, 29, 29, 30, 30, 31, 31, 32, 32, 33};
  for (int species = 0; species < 5; ++species) {
    for (const QString& item : DiameterItems(species)) {
      const int d = ItemInteger(item);
      if (d == 0) continue;
      SCOPED_TRACE(testing::Message() << species << " " << d);
      const int row = std::min(d, 35);
      const int top = high[row] + ((species == 2 || species == 3) && d < 31 ? 1 : 0);
      const QStringList h = HeightItems(species, d);
      EXPECT_EQ(std::tuple(h.size(), ItemInteger(h.first().left(2)), h.last(), h.at(PreselectedHeightIndex(h.size()))),
                std::tuple(2 * (top - low[row]) + 1, low[row], NumberItemText(false, top),
                           NumberItemText(false, (low[row] + top) / 2)));
      // The basal-area list: maximum by species, start by diameter.
      const QStringList g = BasalAreaItems(species, d);
      const char* last = d < 6 ? "25.0" : (species == 3 ? "50.0" : (species == 4 ? "30.0" : "80.0"));
      EXPECT_EQ(std::pair(g.at(1), g.last()),
                std::pair(QString(d < 6 ? " 0.1" : (d < 28 ? " 0.5" : " 1.0")), QString(last)));
    }
  }
  // Item counts with " 0.0": 0.1 .. 3.0 then 3.5 .. 25.0 below 6 cm, in
  // halves from 0.5 below 28 cm, then from 1.0; aspen to 50.0, alder to 30.0.
  const std::tuple<int, int, int> counts[] = {{0, 5, 75},   {0, 6, 161},  {0, 27, 161},
                                              {1, 28, 160}, {3, 30, 100}, {4, 10, 61}};
  for (auto [species, d, count] : counts) EXPECT_EQ(BasalAreaItems(species, d).size(), count) << species << " " << d;
  EXPECT_EQ(BasalAreaItems(0, 5).mid(29, 3), (QStringList{" 2.9", " 3.0", " 3.5"}));
  // The chosen basal area stays when the list keeps its length.
  EXPECT_EQ(std::pair(KeptBasalAreaIndex(40, 161, 161), KeptBasalAreaIndex(40, 161, 160)), std::pair(40, 0));
}

TEST(MeasStemCounts, AlternativesOfTheWorkedExample) {
  // Pine alone at 20 cm with 20.0 m2/ha: B5 .. B1 give 903, 849, 743, 699,
  // 670 stems (to within one stem) and the list texts carry them.
  const int g[5] = {200, 0, 0, 0, 0};
  const int d[5] = {20, 0, 0, 0, 0};
  const int expected[5] = {903, 849, 743, 699, 670};
  const int bounds[5][2] = {{6, 34}, {7, 33}, {10, 30}, {12, 28}, {14, 25}};
  for (int k = 0; k < 5; ++k) {
    EXPECT_NEAR(StemCountAlternativeTotal(g, d, k), expected[k], 1) << k;
    EXPECT_EQ(std::pair(DiameterLowerBound(k, 20), DiameterUpperBound(k, 20)), std::pair(bounds[k][0], bounds[k][1]));
  }
  EXPECT_EQ(StemCountAlternativeText(743, 2), "B3 :  743  runkoa/ha    ( oletus )");
  EXPECT_EQ(StemCountAlternativeText(903, 0), "B5 :  903  runkoa/ha");
  int stems[5] = {};
  DiameterClassTable rows{};
  ApplyStemCountAlternative(g, d, 2, stems, rows);
  const int ends[10] = {42, 145, 272, 397, 508, 599, 667, 713, 737, 743};
  for (int i = 0; i < 10; ++i) EXPECT_NEAR(rows[0].cum[i + 1], ends[i], 1) << i;
}

TEST(MeasStructureCode, EncodesAndDecodesBothLists) {
  struct Case { bool alt, grouping; int g, a, code, groupingIndex; } cases[] = {
      {true, true, 1, 2, 12, 1}, {true, true, 0, 4, 4, 0}, {true, true, 2, 0, 20, 2},
      {false, true, 0, 2, -1, 0}, {false, true, 2, 2, -3, 2}, {false, false, 1, 2, -4, -1},
  };
  for (const Case& c : cases) {
    const int code = StandStructureCode(c.alt, c.grouping, c.g, c.a);
    EXPECT_EQ(std::pair(code, StructureCodeGroupingIndex(code)), std::pair(c.code, c.groupingIndex));
    if (code >= 0) {
      EXPECT_EQ(StructureCodeStemCountClass(code), c.a);
    }
  }
  // The lists are offered for 1 .. 12000 stems and 0 < G <= 80, or for a
  // small seedling stand with stems.
  EXPECT_EQ((std::vector<bool>{ShowsStemCountChoices(5, 12000, 80.0f), ShowsStemCountChoices(5, 12001, 20.0f),
                               ShowsStemCountChoices(5, 500, 80.1f), ShowsStemCountChoices(5, 0, 20.0f),
                               ShowsStemCountChoices(2, 500, 0.0f)}),
            (std::vector<bool>{true, false, false, false, true}));
}

TEST(MeasNames, TypedNamesAreCleaned) {
  EXPECT_EQ(QStringList({CleanStandIdentifier("a b/c"), CleanStandIdentifier("A\\xB"), CleanStandIdentifier("Ö12"),
                         CleanStandIdentifier("12/")}),
            QStringList({"ab", "ab", "ö12", "12"}));
  EXPECT_EQ(QStringList({CleanEstateName(" Kotitila"), CleanEstateName("  Koti")}), QStringList({"Kotitila", " Koti"}));
}

TEST(MeasChecks, HeaderChecksInOrderWithTheirTexts) {
  const QString badArea = "Kuvion pinta-ala | kuvion pinta-ala 0.10 - 9.99 ha";
  const QString badId = "Kuvion tunnus | kuvion tunnus ei saa ";
  const std::tuple<const char*, const char*, const char*, QString> cases[] = {
      {"0.09", "101", "Tila", badArea},
      {"0.10", "101", "Tila", ""},
      {"9.99", "101", "Tila", ""},
      {"____", "101", "Tila", badArea},
      {"1.00", "", "Tila", "Kuvion talletus | kirjoita kuvion tunnus  !"},
      {"1.00", "a.norv", "Tila", ""},
      {"1.00", "x.norvalen", "Tila", badId + "sisältää merkkijonoa : .norvalen"},
      {"1.00", ".abc", "Tila", badId + "alkaa pisteellä  !"},
      {"1.00", "101", "", "? Kuvion talletus | metsätilan nimi puuttuu  !"},
  };
  for (const auto& [area, id, estate, said] : cases) EXPECT_EQ(Said(HeaderRefusal(area, id, estate)), said) << area;
  const auto q = HeaderRefusal("1.00", "101", "");
  EXPECT_EQ(QStringList({q->line2, q->yesCaption, q->closeCaption}),
            QStringList({"talletetaanko kuvio ilman metsätilan nimeä  ?", "Kyllä", "Ei"}));
}

TEST(MeasChecks, SeedlingStandChecks) {
  const QString noHeight = "Kuvion talletus | %1  :  aseta keskipituus tai nollaa runkoluku  !";
  const std::tuple<std::array<int, 5>, std::array<bool, 5>, QString> cases[] = {
      {{0, 0, 0, 0, 0}, {},
       "Kuvion talletus | aseta runkoluku ja keskipituus tai sulje lomake Sulje - painikkeella  !"},
      {{100, 0, 0, 0, 0}, {false}, noHeight.arg("mänty")},
      {{100, 0, 50, 0, 0}, {true, false, false}, noHeight.arg("koivu")},
      {{8000, 4000, 0, 0, 0}, {true, true}, ""},
      {{8000, 4000, 50, 0, 0}, {true, true, true}, "Rajoite | runkoluku korkeintaan 12000  kpl/ha  !"},
  };
  for (const auto& [stems, heights, said] : cases) EXPECT_EQ(Said(SeedlingRefusal(stems, heights)), said);
}

TEST(MeasChecks, MeasuredStandChecksAtTheirBoundaries) {
  const std::array<int, 5> pine{20, 0, 0, 0, 0};
  const std::array<bool, 5> chosen{true};
  struct Case {
    std::array<int, 5> diameters;
    std::array<bool, 5> basal;
    int stems;
    float g;
    bool saving;
    int result;
    const char* said;
  } cases[] = {
      {{}, {}, 0, 0.0f, true, 0,
       "Kuvion talletus | aseta puuston mittaustiedot tai sulje lomake Sulje - painikkeella  !"},
      {{}, {}, 0, 0.0f, false, 2, ""},
      {{0, 0, 12, 0, 0}, {}, 0, 0.0f, false, 0,
       "Metsikkönäkymä | koivu  :  aseta pohjapinta-ala tai nollaa keskiläpimitta  !"},
      {pine, chosen, 700, 80.0f, true, 1, ""},
      {pine, chosen, 700, 80.1f, true, 0, "Kuvion talletus | pohjapinta-ala  korkeintaan 80 m2/ha"},
      {pine, chosen, 9, 1.0f, true, 0,
       "Kuvion talletus | runkoluku vähintään 10 kpl/ha,  suurenna pohjapinta-alaa tai pienennä läpimittoja   !"},
      {pine, chosen, 10, 1.0f, true, 1, ""},
      {pine, chosen, 12000, 30.0f, false, 1, ""},
      {pine, chosen, 12001, 30.0f, true, 0,
       "Kuvion talletus | runkoluku korkeintaan 12000 kpl/ha,  lisää läpimittaa tai vähennä pohjapinta-alaa  !"},
  };
  for (const Case& c : cases) {
    const MeasurementCheck r = CheckMeasurement(c.diameters, c.basal, c.stems, c.g, c.saving);
    EXPECT_EQ(std::pair(r.result, Said(r.message)), std::pair(c.result, QString(c.said)));
  }
}

TEST(MeasSaveFile, VerdictsOfTheSaveLoop) {
  testsupport::TempDir tmp;
  const QString root = tmp.file("Metsätilat");
  const QString model = root + "/Mallitila";
  ASSERT_TRUE(QDir().mkpath(model + "/sub"));
  ASSERT_TRUE(QDir().mkpath(root + "/Kotitila"));
  ASSERT_TRUE(QFile::link(model, tmp.file("linked")));
  const QString start = root + "/Kotitila";
  const QString inModel = "Mallitila - hakemistoon ei voi tallettaa uusia kuvioita.";
  const QString inRoot = "Kuviotiedostoja ei voi tallettaa suoraan Metsätilat - hakemistoon.";
  const QString dot = "anna talletustiedostolle nimi, joka ei ala pisteellä  !";
  const QString rootFile = root + "/101.Norvalen";
  // The path chosen; the verdict, its line, the path accepted and the file
  // offered next (a refused one as chosen).
  const std::tuple<QString, SaveVerdict, QString, QString, QString> cases[] = {
      {start + "/101.Norvalen", SaveVerdict::Accept, "", start + "/101.Norvalen", start + "/101.Norvalen"},
      // Only the file's name is lower-cased, never its folders.
      {start + "/101.NORVALEN", SaveVerdict::Accept, "", start + "/101.Norvalen", start + "/101.NORVALEN"},
      {start + "/101", SaveVerdict::Accept, "", start + "/101.Norvalen", start + "/101"},
      {start + "/1234567.Norvalen", SaveVerdict::Refuse, "talletustiedoston nimen pituus korkeintaan 6 merkkiä  !",
       "", start + "/1234567.Norvalen"},
      {start + "/1 2.Norvalen", SaveVerdict::Refuse, "poista tyhjeet talletustiedoston nimestä  !", "",
       start + "/1 2.Norvalen"},
      {start + "/.Norvalen", SaveVerdict::Refuse, dot, "", start + "/.Norvalen"},
      {start + "/.x", SaveVerdict::Refuse, dot, "", start + "/.x"},
      {model + "/101.Norvalen", SaveVerdict::Folder, inModel, "", rootFile},
      // Inside the model estate, or the model estate under another spelling.
      {model + "/sub/101.Norvalen", SaveVerdict::Folder, inModel, "", rootFile},
      {tmp.file("linked") + "/101.Norvalen", SaveVerdict::Folder, inModel, "", rootFile},
      {root + "/Kotitila/../Mallitila/101.Norvalen", SaveVerdict::Folder, inModel, "", rootFile},
      {rootFile, SaveVerdict::Folder, inRoot, "", rootFile},
      {root + "/Kotitila/../101.Norvalen", SaveVerdict::Folder, inRoot, "", root + "/Kotitila/../101.Norvalen"},
      {start + "/ABC.Norvalen", SaveVerdict::AskRename, "Talletustiedosto nimetään kuvion tunnuksen mukaan  !",
       start + "/abc.Norvalen", start + "/101.Norvalen"},
  };
  for (const auto& [path, verdict, line, accepted, next] : cases) {
    const SaveDecision d = JudgeSaveFile(path, "101", root, model, start);
    EXPECT_EQ(std::tuple(d.verdict, d.message.line1, d.acceptedPath, d.nextPreset),
              std::tuple(verdict, line, accepted, next))
        << path.toStdString();
  }
  const MeasMessage rename = JudgeSaveFile(start + "/abc.Norvalen", "101", root, model, start).message;
  EXPECT_EQ(QStringList({rename.line2, rename.yesCaption}),
            QStringList({"Vaihdetaanko kuvion tunnus 101 ---> abc   ?", "Kyllä"}));
  // The folder refusal has only a close button.
  const MeasMessage folder = JudgeSaveFile(model + "/101.Norvalen", "101", root, model, start).message;
  EXPECT_TRUE(folder.question);
  EXPECT_EQ(QStringList({folder.yesCaption, folder.closeCaption, folder.line2}),
            QStringList({"", "Sulje", "Palaa Metsätilat - hakemistoon ja valitse tai luo uusi talletushakemisto  !"}));
  const MeasMessage ask = NewStandSaveQuestion("101");
  EXPECT_EQ(QStringList({ask.line2, ask.yesCaption, ask.closeCaption}),
            QStringList({"Talletustiedosto, joka nimetään kuvion tunnuksen mukaan  :  101. Norvalen", "Jatka", "Peru"}));
}

TEST(MeasStand, HeaderAndSpeciesBlocksFromTheEntries) {
  HeaderEntries e;
  e.estateName = "Kotitila";
  e.identifier = "101";
  e.notes = QString(450, 'x');
  e.developmentClass = 5;
  e.siteType = 3;
  e.measurementDate = QDate(2026, 12, 5);
  e.structureCode = 12;
  e.areaText = "2.50";
  const StandHeader h = BuildStandHeader(e);
  // The notes cut to 401 characters; 1 January 1900 is day 2, 5 December
  // 2026 day 46361.
  EXPECT_EQ(std::tuple(h.estateName, h.standId, h.info.size(), h.developmentClass, h.siteType, h.measurementDay,
                       h.structureCode, h.area, h.modelEstate),
            std::tuple(QString("Kotitila"), QString("101"), qsizetype(401), 5, 3, 46361, 12, 2.5f, 0));
  EXPECT_EQ(std::pair(DayNumberOf(QDate(1900, 1, 1)), DateOfDayNumber(46361)), std::pair(2, QDate(2026, 12, 5)));

  std::array<SpeciesEntry, 5> entries{};
  entries[0] = {0, 20, 180, 200};
  entries[2] = {0, 12, 130, 0};  // a diameter without basal area is left out
  const auto blocks = ExportSpeciesBlocks(5, entries, 2, {743, 0, 0, 0, 0});
  const auto& pine = blocks[0].words;
  EXPECT_EQ(std::tuple(pine[WordMinDiameter], pine[WordMeanDiameter], pine[WordMeanHeight], pine[WordMaxDiameter],
                       pine[WordBasalArea], pine[WordStems]),
            std::tuple(10, 20, 180, 30, 200, 743));
  for (int k = 1; k < 6; ++k)
    for (int w : blocks[static_cast<std::size_t>(k)].words) EXPECT_EQ(w, 0) << k;
  // A small seedling stand keeps height and stems only.
  std::array<SpeciesEntry, 5> seedlings{};
  seedlings[1] = {2500, 0, 8, 0};
  const auto sb = ExportSpeciesBlocks(2, seedlings, 2, {});
  const auto& spruce = sb[1].words;
  EXPECT_EQ(std::tuple(spruce[WordStems], spruce[WordMeanHeight], spruce[WordMinDiameter], spruce[WordBasalArea]),
            std::tuple(2500, 8, 0, 0));
}

TEST(MeasTexts, LabelsCaptionsAndLines) {
  // (The stand summary and the seedling stand's grid row are read in the
  // window, MeasWindowTest.)
  EXPECT_EQ((QStringList{HeightHintText(5), HeightHintText(2), HeightHintText(1), NoStandViewText(1),
                         NoStandViewText(5), SampleCaptionText(false)}),
            (QStringList{"keskipituudesta ehdotus keskiläpimitan perusteella  !",
                         "pieni taimikko, aseta runkoluku ja keskipituus  !", "puuton alue, ei puustotunnuksia  !",
                         "puuston kehitysluokka aukea,  ei metsikkönäkymää  !", "",
                         "1 ha (50 m * 200 m) otos puustosta"}));
  EXPECT_EQ((QStringList{GridRowLabelsFor(2).third, GridRowLabelsFor(0).thirdUnit}), (QStringList{"", "m2/ha"}));
  EXPECT_TRUE(SampleCaptionText(true).startsWith("1 ha (50 m * 200 m) otos puustosta,  "));
  // 1000 stems of 0.5 m and 500 of 1.0 m: (500 + 500) / 1500.
  EXPECT_NEAR(SeedlingMeanHeight({1000, 500, 300, 0, 0}, {5, 10, 0, 0, 0}), 1000.0f / 1500.0f, 1e-5);
  EXPECT_EQ(SeedlingMeanHeight({}, {}), 0.0f);
  std::array<std::int32_t, 13> v{};
  v[0] = 100;
  v[6] = 50;
  EXPECT_EQ((QStringList{StandViewCaptionText(v, " 2026", false, false, false, false),
                         StandViewCaptionText(v, " 2026", true, true, true, false),
                         StandViewCaptionText(v, " 2026", false, false, false, true),
                         StandViewCaptionText(v, " 2026", false, true, false, false)}),
            (QStringList{"1.0 ha metsikkönäkymä,  puusto 150 m3/ha,  mitattu 2026",
                         "0.5 ha metsikkönäkymä,  lehtitukkipuut,  mitattu 2026",
                         "1.0 ha metsikkönäkymä,  havupuut,  mitattu 2026",
                         "1.0 ha metsikkönäkymä,  tukkipuut,  mitattu 2026"}));
  EXPECT_EQ((QStringList{ViewMessageLine(3, ""), ViewMessageLine(2, "pieni taimikko"), ViewMessageLine(0, "x")}),
            (QStringList{"puusto OK,  runkoluku 12000 kpl/ha,  ei metsikkönäkymää tässä yhteydessä  !",
                         "pieni taimikko,  ei metsikkönäkymää  !", "x"}));
  EXPECT_EQ(MeasHelpLines().size(), 7);
  // Twenty years back (five leap days), a year and a day ahead.
  EXPECT_EQ(std::pair(EarliestMeasurementDate(QDate(2026, 1, 1)), LatestMeasurementDate(QDate(2026, 1, 1))),
            std::pair(QDate(2006, 1, 1), QDate(2027, 1, 2)));
  // Class changes between two classes with trees touch only the header.
  EXPECT_EQ((std::array{ClassChangeKind(5, 6), ClassChangeKind(0, 7), ClassChangeKind(1, 5), ClassChangeKind(2, 5),
                         ClassChangeKind(1, 2)}),
            (std::array{2, 2, 1, 1, 1}));
}

TEST(MeasRules, SampleTreeVisibleUnderEachFilter) {
  // A pine of 30 cm / 22 m (logs), a pine of 5 cm / 5 m (none), a birch of
  // 30 cm / 22 m (logs) and an alder of 8 cm / 9 m (none).
  AllocSampleTrees(4);
  SetSampleTree(0, 100, 100, 3000, 2200, 0);
  SetSampleTree(1, 100, 100, 500, 500, 0);
  SetSampleTree(2, 100, 100, 3000, 2200, 2);
  SetSampleTree(3, 100, 100, 800, 900, 4);
  ASSERT_TRUE(SampleTreeIsLogTree(0) && SampleTreeIsLogTree(2));
  // Trees 0 .. 3 shown (1) or hidden (0).
  const std::pair<SampleViewFilter, const char*> rows[] = {
      {{false, false, false}, "1111"},  // no filter
      {{true, false, false}, "1010"},   // log trees
      {{false, true, false}, "0011"},   // broadleaves
      {{false, false, true}, "1100"},   // conifers
      {{true, true, false}, "0010"},    // broadleaf logs
      {{true, false, true}, "1000"},    // conifer logs
  };
  for (const auto& [filter, shown] : rows) {
    QString seen;
    for (int i = 0; i < 4; ++i) seen += SampleTreeVisible(SampleTreeSpecies(i), i, filter) ? '1' : '0';
    EXPECT_EQ(seen, shown);
  }
  FreeSampleTrees();
}
