// The estate's time points: item texts, the scheme of a stand list, the items
// each scheme offers with their years, renaming and trimming, and the phase
// each stand is taken at.
#include <gtest/gtest.h>

#include <cmath>

#include "estate/TimePointRules.h"
#include "tests/estate/EstateFixture.h"

using namespace estatetest;

namespace {

QString Single(const char* year, const char* label) {
  return QStringLiteral("v. ") + QString::fromUtf8(year) + QStringLiteral("  :  ") + QString::fromUtf8(label);
}

// A stand on 1 ha measured on 1 June of `year` (100 m3/ha), then its steps,
// separated by blanks: "g10" grown 10 years, "t" thinned, "c" clear-cut.
EstateRecord S(const char* id, int year, const char* steps, int devClass = 5) {
  const QByteArray date = QByteArray("01.06.") + QByteArray::number(year);
  EstateRecord r = Stand(id, date.constData(), devClass, 1, {Measured(100)});
  int k = 1;
  for (const QString& s : QString(steps).split(' ', Qt::SkipEmptyParts)) {
    const Step step = s == "t" ? Thinned(60) : s == "c" ? ClearCut() : Grown(s.mid(1).toInt(), 130);
    r.phaseSlots[k].name = QString::fromUtf8(step.name);
    r.phaseSlots[k].years = step.years;
    r.phaseSlots[k++].volumes = step.volumes;
  }
  return r;
}

}  // namespace

TEST(TimePointItems, YearLabelKindAndRenaming) {
  QStringList items{Single("2020", "mittauspuusto"), QStringLiteral("hakkuun jälkeen"),
                    Single("2031", "hakkuun ja kasvatuksen jälkeen")};
  EXPECT_EQ((std::array{TimePointItemHasSingleYear(items, 0), TimePointItemHasSingleYear(items, 1),
                        TimePointItemHasSingleYear(items, 3), TimePointItemHasSingleYear(items, -1)}),
            (std::array{true, false, false, false}));
  const std::vector<std::tuple<int, int, const char*>> years = {
      {0, 0, "2020"}, {0, 1, " v. 2020"}, {0, 10, " v.2020"}, {0, 2, "v. 2020  :  "}, {1, 0, ""}, {2, 0, "2031"},
      {5, 0, ""}};
  for (auto [i, mode, want] : years) EXPECT_EQ(TimePointItemYear(items, i, mode), QString::fromUtf8(want)) << i << mode;
  EXPECT_EQ(QStringList({TimePointItemLabel(items, 0, false), TimePointItemLabel(items, 0, true),
                         TimePointItemLabel(items, 1, false), TimePointItemLabel(items, 7, false)}),
            QStringList({"mittauspuusto", items[0], QString::fromUtf8("hakkuun jälkeen"), ""}));
  // Item 1 mentions a cutting: the kinds skip the after-growth kind.
  const QStringList growth{Single("2020", "mittauspuusto"), QString::fromUtf8("kasvatuksen jälkeen")};
  EXPECT_EQ((std::vector<int>{EstateKindOfItem(items, 0), EstateKindOfItem(items, 1), EstateKindOfItem(items, 2),
                              EstateKindOfItem(growth, 1)}),
            (std::vector<int>{0, 2, 3, 1}));
  RenameTimePointItem(items, 2, QString::fromUtf8("2. kasvatuksen jälkeen"));
  RenameTimePointItem(items, 1, QString::fromUtf8("1. kasvatuksen jälkeen"));
  EXPECT_EQ(items.mid(1), (QStringList{"1. kasvatuksen jälkeen", Single("2031", "2. kasvatuksen jälkeen")}));
  EXPECT_EQ(QStringList({CuttingYearText("2020 - 2022", true, false), CuttingYearText("2020", true, true),
                         CuttingYearText("2020", false, true), CuttingYearText("", true, false)}),
            QStringList({" v. 2020 - 2022", " v.2020", "2020", ""}));
}

TEST(TimePointItems, MatchingIndexAndWindowCopies) {
  const QStringList main{Single("2020", "mittauspuusto"), QString::fromUtf8("kasvatuksen jälkeen"),
                         Single("2020", "hakkuun jälkeen")};
  EstateTimePoints tp{3, "2020", main};
  const QStringList charts = EstateWindowTimePoints(tp, false);
  EXPECT_EQ(charts, (QStringList{main[0], main[2]}));
  EXPECT_EQ(EstateWindowTimePoints(tp, true), charts);
  tp.scheme = 6;
  EXPECT_EQ(EstateWindowTimePoints(tp, true), main);
  EXPECT_EQ((std::array{MatchingTimePointIndex(charts, 1, main), MatchingTimePointIndex(main, 2, main),
                        MatchingTimePointIndex(charts, 5, main), MatchingTimePointIndex({"x", "y"}, 1, main)}),
            (std::array{2, 2, 0, 0}));
}

TEST(TimePointItems, AnnualGrowthPercent) {
  // (121 / 100)^(1/10) = 1.019245; (100 / 121)^(1/10) = 0.981112.
  EXPECT_NEAR(AnnualGrowthPercent(121, 100, 10), 1.9245f, 1e-3f);
  EXPECT_NEAR(AnnualGrowthPercent(100, 121, 10), -1.8886f, 1e-3f);
  // No division by zero, no root of a negative ratio.
  EXPECT_EQ((std::array{AnnualGrowthPercent(0, 100, 10), AnnualGrowthPercent(100, 0, 10),
                        AnnualGrowthPercent(-100, 50, 10), AnnualGrowthPercent(100, 50, 0)}),
            (std::array{0.0f, 0.0f, 0.0f, 0.0f}));
}

TEST(TimePointStands, StepChainPredicates) {
  // Starts with growth, no steps, only growths, grown twice only, has a
  // cutting; leading growths, the step order code; the first and all growing
  // years.
  const std::tuple<EstateRecord, std::array<bool, 5>, int, int, const char*, const char*> cases[] = {
      {S("m", 2020, ""), {false, true, false, false, false}, 0, -1, "0", "0"},
      {S("g", 2020, "g10"), {true, false, true, false, false}, 1, -1, "10", "10"},
      {S("gg", 2020, "g10 g5"), {true, false, true, true, false}, 2, -1, "10", "15"},
      {S("ggc", 2020, "g10 g5 c"), {true, false, false, false, true}, 2, 1, "10", "15"},
      {S("c", 2020, "t"), {false, false, false, false, true}, 0, 0, "0", "0"},
      {S("cg", 2020, "t g10"), {false, false, false, false, true}, 0, 0, "0", "10"},
  };
  for (const auto& [r, flags, leading, order, years1, yearsAll] : cases) {
    SCOPED_TRACE(r.standId.toStdString());
    EXPECT_EQ((std::array{EstateStartsWithGrowth(r), EstateHasNoSteps(r), EstateOnlyGrowths(r),
                          EstateGrownTwiceOnly(r), EstateStandHasCutting(r)}),
              flags);
    EXPECT_EQ(std::tuple(EstateLeadingGrowthCount(r), EstateStepOrderCode(true, r), EstateStepOrderCode(false, r),
                         EstateGrowingYearsText(r, false), EstateGrowingYearsText(r, true)),
              std::tuple(leading, order, 0, QString(years1), QString(yearsAll)));
  }
}

// Every scheme over estates built by code: the scheme code, the cutting year
// and the items with their years (worked out by hand from the rules).
TEST(TimePointSchemes, ItemsOfEveryScheme) {
  const QString measured = Single("2020", "mittauspuusto"), afterGrowth = QString::fromUtf8("kasvatuksen jälkeen");
  const std::tuple<const char*, EstateRecordList, int, const char*, QStringList> cases[] = {
      {"one measured stand", {S("a", 2020, "")}, 0, "", {measured}},
      {"measured in 2015 and 2019", {S("a", 2015, ""), S("b", 2019, "")}, 0, "", {"mittauspuusto  v. 2015 - 19"}},
      {"no stand: bare labels", {}, 6, "",
       {"mittauspuusto", "1. kasvatuksen jälkeen", "2. kasvatuksen jälkeen"}},
      {"cut in 2020", {S("a", 2020, "c"), S("b", 2020, "")}, 1, "2020", {measured, Single("2020", "hakkuun jälkeen")}},
      {"grown once, same years", {S("a", 2020, "g10"), S("b", 2020, "g10")}, 2, "",
       {measured, Single("2030", "kasvatuksen jälkeen")}},
      {"grown once beside a measured stand: the growth item keeps its bare label",
       {S("a", 2020, "g10"), S("b", 2020, "")}, 2, "", {measured, afterGrowth}},
      {"a small seedling stand takes no part in the later years", {S("a", 2020, "g10"), S("t", 2020, "", 2)}, 2,
       "", {measured, Single("2030", "kasvatuksen jälkeen")}},
      {"grown and cut, the cut stand measured earlier: after-cutting item trimmed",
       {S("a", 2020, "g10"), S("b", 2018, "t")}, 3, "2018", {"mittauspuusto  v. 2018 - 20", afterGrowth}},
      {"grown and cut in one year: the grown stand is taken as measured after the cutting",
       {S("a", 2020, "g10"), S("b", 2020, "t")}, 3, "2020",
       {measured, afterGrowth, Single("2020", "hakkuun jälkeen")}},
      {"cut, then grown; the other stand only measured: last item trimmed", {S("a", 2020, "t g10"), S("b", 2020, "")},
       4, "2020", {measured, Single("2020", "hakkuun jälkeen")}},
      {"cut, then grown, both stands", {S("a", 2020, "t g10"), S("b", 2020, "c g10")}, 4, "2020",
       {measured, Single("2020", "hakkuun jälkeen"), Single("2030", "hakkuun ja kasvatuksen jälkeen")}},
      {"grown then cut beside cut then grown: renamed growth items", {S("a", 2020, "g10 t"), S("b", 2020, "t g10")}, 5,
       "2020 - 2030",
       {measured, "1. kasvatuksen jälkeen", "hakkuun jälkeen", Single("2030", "2. kasvatuksen jälkeen")}},
      {"scheme 5 whose after-growth item alone has no year: scheme 44", {S("a", 2020, "g10"), S("b", 2020, "t g10")},
       44, "2020", {measured, Single("2020", "hakkuun jälkeen"), Single("2030", "hakkuun ja kasvatuksen jälkeen")}},
      {"every stand grown twice, same years", {S("a", 2020, "g10 g10"), S("b", 2020, "g10 g10")}, 6, "",
       {measured, Single("2030", "1. kasvatuksen jälkeen"), Single("2040", "2. kasvatuksen jälkeen")}},
      {"every stand grown twice, years differ: all items kept", {S("a", 2020, "g10 g10"), S("b", 2021, "g10 g10")}, 6,
       "", {"mittauspuusto  v. 2020 - 21", "1. kasvatuksen jälkeen", "2. kasvatuksen jälkeen"}},
  };
  for (const auto& [what, stands, scheme, cuttingYear, items] : cases) {
    SCOPED_TRACE(what);
    const EstateTimePoints tp = BuildEstateTimePoints(stands);
    EXPECT_EQ(std::tuple(tp.scheme, tp.cuttingYear, tp.items), std::tuple(scheme, QString(cuttingYear), items));
  }
}

// The phase each stand is taken at for every item.
TEST(TimePointSchemes, PhaseOfEachStandAtEachItem) {
  const std::tuple<const char*, EstateRecordList, std::vector<std::vector<int>>> cases[] = {
      // [item][stand]
      {"scheme 3 in one year: the grown stand measured after the cutting", {S("a", 2020, "g10"), S("b", 2020, "t")},
       {{0, 0}, {1, 0}, {0, 1}}},
      {"scheme 4: cut then grown", {S("a", 2020, "t g10"), S("b", 2020, "c g10")}, {{0, 0}, {1, 1}, {2, 2}}},
      {"scheme 44: the stand grown once stays measured after the cutting; a clear-cut keeps its cutting",
       {S("a", 2020, "g10"), S("b", 2020, "t g10"), S("c", 2020, "c")}, {{0, 0, 0}, {0, 1, 1}}},
      {"scheme 6: after the first and the second growth", {S("a", 2020, "g10 g10")}, {{0}, {1}, {2}}},
  };
  for (const auto& [what, stands, phases] : cases) {
    SCOPED_TRACE(what);
    const Built b(stands);
    ASSERT_EQ(b.points.items.size(), static_cast<qsizetype>(phases.size())) << b.points.items.join('|').toStdString();
    for (size_t i = 0; i < phases.size(); ++i) {
      const int kind = EstateKindOfItem(b.points.items, static_cast<int>(i));
      for (size_t s = 0; s < b.stands.size(); ++s)
        EXPECT_EQ(EstatePhaseOfKind(b.estate(), b.stands[s], kind), phases[i][s]) << "item " << i << " stand " << s;
    }
  }
}

TEST(TimePointSchemes, YearsOfOneStandByKind) {
  const Built b({S("a", 2020, "g5 t g10")});
  const Estate e = b.estate();
  const EstateRecord& r = b.stands[0];
  EXPECT_EQ(QStringList({EstateTimePointYear(e, r, KindMeasured, r.measurementDate, false),
                         EstateTimePointYear(e, r, KindAfterGrowth, r.measurementDate, false),
                         EstateTimePointYear(e, r, KindAfterCutting, r.measurementDate, false),
                         EstateTimePointYear(e, r, KindAfterCuttingAndGrowth, r.measurementDate, false),
                         EstateTimePointYear(e, r, KindAfterCutting, r.measurementDate, true),
                         EstateTimePointYear(e, r, KindMeasured, QString(), false)}),
            QStringList({"2020", "2025", "2025", "2035", "2025", ""}));
  EXPECT_EQ(b.points.cuttingYear, "2025");
  EXPECT_TRUE(MeasuredInCuttingYear(Estate{b.stands, EstateTimePoints{}}, r));
  EXPECT_FALSE(MeasuredInCuttingYear(e, r));
}
