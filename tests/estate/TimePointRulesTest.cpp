// The estate's time points: item texts, the scheme of a stand list, the items
// each scheme offers with their years, renaming and trimming, and the phase
// each stand is taken at.
#include <gtest/gtest.h>

#include <cmath>

#include "estate/TimePointRules.h"
#include "tests/estate/EstateFixture.h"

using namespace estatetest;

namespace {

const QString kSep = QStringLiteral("  :  ");

QString Single(const char* year, const char* label) {
  return QStringLiteral("v. ") + QString::fromUtf8(year) + kSep + QString::fromUtf8(label);
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
  EXPECT_EQ((std::vector<int>{EstateKindOfItem(items, 0), EstateKindOfItem(items, 1), EstateKindOfItem(items, 2)}),
            (std::vector<int>{0, 2, 3}));
  QStringList growth{Single("2020", "mittauspuusto"), QString::fromUtf8("kasvatuksen jälkeen")};
  EXPECT_EQ(EstateKindOfItem(growth, 1), 1);
  RenameTimePointItem(items, 2, QString::fromUtf8("2. kasvatuksen jälkeen"));
  RenameTimePointItem(items, 1, QString::fromUtf8("1. kasvatuksen jälkeen"));
  EXPECT_EQ(items[2], Single("2031", "2. kasvatuksen jälkeen"));
  EXPECT_EQ(items[1], QString::fromUtf8("1. kasvatuksen jälkeen"));
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
  struct Case {
    EstateRecord r;
    bool startsWithGrowth, noSteps, onlyGrowths, twiceOnly, hasCutting;
    int leading, orderCode;
    const char* years1;
    const char* yearsAll;
  };
  const std::vector<Case> cases = {
      {Stand("m", "01.06.2020", 5, 1, {Measured(100)}), false, true, false, false, false, 0, -1, "0", "0"},
      {Stand("g", "01.06.2020", 5, 1, {Measured(100), Grown(10, 130)}), true, false, true, false, false, 1, -1, "10",
       "10"},
      {Stand("gg", "01.06.2020", 5, 1, {Measured(100), Grown(10, 130), Grown(5, 150)}), true, false, true, true,
       false, 2, -1, "10", "15"},
      {Stand("ggc", "01.06.2020", 5, 1, {Measured(100), Grown(10, 130), Grown(5, 150), ClearCut()}), true, false,
       false, false, true, 2, 1, "10", "15"},
      {Stand("c", "01.06.2020", 5, 1, {Measured(100), Thinned(60)}), false, false, false, false, true, 0, 0, "0", "0"},
      {Stand("cg", "01.06.2020", 5, 1, {Measured(100), Thinned(60), Grown(10, 90)}), false, false, false, false, true,
       0, 0, "0", "10"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.r.standId.toStdString());
    EXPECT_EQ(EstateStartsWithGrowth(c.r), c.startsWithGrowth);
    EXPECT_EQ(EstateHasNoSteps(c.r), c.noSteps);
    EXPECT_EQ(EstateOnlyGrowths(c.r), c.onlyGrowths);
    EXPECT_EQ(EstateGrownTwiceOnly(c.r), c.twiceOnly);
    EXPECT_EQ(EstateStandHasCutting(c.r), c.hasCutting);
    EXPECT_EQ(EstateLeadingGrowthCount(c.r), c.leading);
    EXPECT_EQ(EstateStepOrderCode(true, c.r), c.orderCode);
    EXPECT_EQ(EstateStepOrderCode(false, c.r), 0);
    EXPECT_EQ(EstateGrowingYearsText(c.r, false), c.years1);
    EXPECT_EQ(EstateGrowingYearsText(c.r, true), c.yearsAll);
  }
}

// Every scheme over estates built by code: the scheme code, the cutting year
// and the items with their years (worked out by hand from the rules).
TEST(TimePointSchemes, ItemsOfEveryScheme) {
  struct Case {
    const char* what;
    EstateRecordList stands;
    int scheme;
    const char* cuttingYear;
    QStringList items;
  };
  const std::vector<Case> cases = {
      {"one measured stand", {Stand("a", "15.06.2020", 5, 1, {Measured(100)})}, 0, "",
       {Single("2020", "mittauspuusto")}},
      {"measured in 2015 and 2019",
       {Stand("a", "15.06.2015", 5, 1, {Measured(100)}), Stand("b", "15.06.2019", 5, 1, {Measured(100)})}, 0, "",
       {QStringLiteral("mittauspuusto  v. 2015 - 19")}},
      {"no stand: bare labels", {}, 6, "",
       {QStringLiteral("mittauspuusto"), QString::fromUtf8("1. kasvatuksen jälkeen"),
        QString::fromUtf8("2. kasvatuksen jälkeen")}},
      {"cut in 2020", {Stand("a", "01.06.2020", 5, 1, {Measured(100), ClearCut()}), Stand("b", "01.06.2020", 5, 1, {Measured(80)})},
       1, "2020", {Single("2020", "mittauspuusto"), Single("2020", "hakkuun jälkeen")}},
      {"grown once, same years",
       {Stand("a", "01.06.2020", 5, 1, {Measured(100), Grown(10, 130)}),
        Stand("b", "01.06.2020", 5, 1, {Measured(80), Grown(10, 110)})},
       2, "", {Single("2020", "mittauspuusto"), Single("2030", "kasvatuksen jälkeen")}},
      {"grown once beside a measured stand: the growth item keeps its bare label",
       {Stand("a", "01.06.2020", 5, 1, {Measured(100), Grown(10, 130)}), Stand("b", "01.06.2020", 5, 1, {Measured(80)})},
       2, "", {Single("2020", "mittauspuusto"), QString::fromUtf8("kasvatuksen jälkeen")}},
      {"a small seedling stand takes no part in the later years",
       {Stand("a", "01.06.2020", 5, 1, {Measured(100), Grown(10, 130)}), Stand("t", "01.06.2020", 2, 1, {Measured(0)})},
       2, "", {Single("2020", "mittauspuusto"), Single("2030", "kasvatuksen jälkeen")}},
      {"grown and cut, the cut stand measured earlier: after-cutting item trimmed",
       {Stand("a", "01.06.2020", 5, 1, {Measured(100), Grown(10, 130)}),
        Stand("b", "01.06.2018", 5, 1, {Measured(80), Thinned(50)})},
       3, "2018", {QStringLiteral("mittauspuusto  v. 2018 - 20"), QString::fromUtf8("kasvatuksen jälkeen")}},
      {"grown and cut in one year: the grown stand is taken as measured after the cutting",
       {Stand("a", "01.06.2020", 5, 1, {Measured(100), Grown(10, 130)}),
        Stand("b", "01.06.2020", 5, 1, {Measured(80), Thinned(50)})},
       3, "2020",
       {Single("2020", "mittauspuusto"), QString::fromUtf8("kasvatuksen jälkeen"), Single("2020", "hakkuun jälkeen")}},
      {"cut, then grown; the other stand only measured: last item trimmed",
       {Stand("a", "01.06.2020", 5, 1, {Measured(100), Thinned(60), Grown(10, 90)}),
        Stand("b", "01.06.2020", 5, 1, {Measured(80)})},
       4, "2020", {Single("2020", "mittauspuusto"), Single("2020", "hakkuun jälkeen")}},
      {"cut, then grown, both stands",
       {Stand("a", "01.06.2020", 5, 1, {Measured(100), Thinned(60), Grown(10, 90)}),
        Stand("b", "01.06.2020", 5, 1, {Measured(80), ClearCut(), Grown(10, 5)})},
       4, "2020",
       {Single("2020", "mittauspuusto"), Single("2020", "hakkuun jälkeen"),
        Single("2030", "hakkuun ja kasvatuksen jälkeen")}},
      {"grown then cut beside cut then grown: renamed growth items",
       {Stand("a", "01.06.2020", 5, 1, {Measured(100), Grown(10, 130), Thinned(80)}),
        Stand("b", "01.06.2020", 5, 1, {Measured(80), Thinned(50), Grown(10, 70)})},
       5, "2020 - 2030",
       {Single("2020", "mittauspuusto"), QString::fromUtf8("1. kasvatuksen jälkeen"),
        QString::fromUtf8("hakkuun jälkeen"), Single("2030", "2. kasvatuksen jälkeen")}},
      {"scheme 5 whose after-growth item alone has no year: scheme 44",
       {Stand("a", "01.06.2020", 5, 1, {Measured(100), Grown(10, 130)}),
        Stand("b", "01.06.2020", 5, 1, {Measured(80), Thinned(50), Grown(10, 70)})},
       44, "2020",
       {Single("2020", "mittauspuusto"), Single("2020", "hakkuun jälkeen"),
        Single("2030", "hakkuun ja kasvatuksen jälkeen")}},
      {"every stand grown twice, same years",
       {Stand("a", "01.06.2020", 5, 1, {Measured(100), Grown(10, 130), Grown(10, 160)}),
        Stand("b", "01.06.2020", 5, 1, {Measured(80), Grown(10, 110), Grown(10, 140)})},
       6, "",
       {Single("2020", "mittauspuusto"), Single("2030", "1. kasvatuksen jälkeen"),
        Single("2040", "2. kasvatuksen jälkeen")}},
      {"every stand grown twice, years differ: all items kept",
       {Stand("a", "01.06.2020", 5, 1, {Measured(100), Grown(10, 130), Grown(10, 160)}),
        Stand("b", "01.06.2021", 5, 1, {Measured(80), Grown(10, 110), Grown(10, 140)})},
       6, "",
       {QStringLiteral("mittauspuusto  v. 2020 - 21"), QString::fromUtf8("1. kasvatuksen jälkeen"),
        QString::fromUtf8("2. kasvatuksen jälkeen")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const EstateTimePoints tp = BuildEstateTimePoints(c.stands);
    EXPECT_EQ(tp.scheme, c.scheme);
    EXPECT_EQ(tp.cuttingYear, QString::fromUtf8(c.cuttingYear));
    EXPECT_EQ(tp.items, c.items);
  }
}

// The phase each stand is taken at for every item.
TEST(TimePointSchemes, PhaseOfEachStandAtEachItem) {
  struct Case {
    const char* what;
    EstateRecordList stands;
    std::vector<std::vector<int>> phases;  // [item][stand]
  };
  const std::vector<Case> cases = {
      {"scheme 3 in one year: the grown stand measured after the cutting",
       {Stand("a", "01.06.2020", 5, 1, {Measured(100), Grown(10, 130)}),
        Stand("b", "01.06.2020", 5, 1, {Measured(80), Thinned(50)})},
       {{0, 0}, {1, 0}, {0, 1}}},
      {"scheme 4: cut then grown",
       {Stand("a", "01.06.2020", 5, 1, {Measured(100), Thinned(60), Grown(10, 90)}),
        Stand("b", "01.06.2020", 5, 1, {Measured(80), ClearCut(), Grown(10, 5)})},
       {{0, 0}, {1, 1}, {2, 2}}},
      {"scheme 44: the stand grown once stays measured after the cutting; a clear-cut keeps its cutting",
       {Stand("a", "01.06.2020", 5, 1, {Measured(100), Grown(10, 130)}),
        Stand("b", "01.06.2020", 5, 1, {Measured(80), Thinned(50), Grown(10, 70)}),
        Stand("c", "01.06.2020", 5, 1, {Measured(90), ClearCut()})},
       {{0, 0, 0}, {0, 1, 1}}},
      {"scheme 6: after the first and the second growth",
       {Stand("a", "01.06.2020", 5, 1, {Measured(100), Grown(10, 130), Grown(10, 160)})}, {{0}, {1}, {2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Built b(c.stands);
    const Estate e = b.estate();
    ASSERT_EQ(b.points.items.size(), static_cast<qsizetype>(c.phases.size())) << b.points.items.join('|').toStdString();
    for (size_t i = 0; i < c.phases.size(); ++i) {
      const int kind = EstateKindOfItem(b.points.items, static_cast<int>(i));
      for (size_t s = 0; s < b.stands.size(); ++s)
        EXPECT_EQ(EstatePhaseOfKind(e, b.stands[s], kind), c.phases[i][s]) << "item " << i << " stand " << s;
    }
  }
}

TEST(TimePointSchemes, YearsOfOneStandByKind) {
  const Built b({Stand("a", "01.06.2020", 5, 1, {Measured(100), Grown(5, 120), Thinned(80), Grown(10, 100)})});
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
