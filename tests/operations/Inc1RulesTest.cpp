// The regeneration timing chart: the rate list and the bars of worked
// factors against a rate.
#include <gtest/gtest.h>

#include "operations/Inc1Rules.h"

namespace {

TEST(TimingRules, RateList) {
  const QStringList items = TimingRateItems();
  ASSERT_EQ(items.size(), 10);
  EXPECT_EQ((QStringList{items[0], items[1], items[4], items[9]}),
            (QStringList{"", "1.0 % / vuosi", "2.5 % / vuosi", "5.0 % / vuosi"}));
  EXPECT_EQ(DefaultTimingRateItem(items.size()), 4);
  EXPECT_EQ((std::vector<int>{TimingRate10(1), TimingRate10(4), TimingRate10(9)}), (std::vector<int>{10, 25, 50}));
}

TEST(TimingRules, BarsOfWorkedFactors) {
  // Rate 2.5 % (25 tenths), start 2019. Period k: n = round(1000 f - 1000).
  //  k 3: f 1.0351 -> n 35, bar (35 - 25) x 0.1 = +1.0, green;
  //  k 2: f 1.025  -> n 25, bar 0, red (not above 0);
  //  k 1: f 1.0    -> n 0, bar -2.5, red;
  //  k 0: f 0      -> no bar.
  const TimingChartContent c = BuildTimingChart({0.0f, 1.0f, 1.025f, 1.0351f}, 25, 2019, "2.5 % / vuosi");
  EXPECT_EQ(c.title, "Puuston arvon kasvu  -  korkovaatimus  ( 2.5 % / vuosi )");
  ASSERT_EQ(c.bars.size(), 3u);
  EXPECT_NEAR(c.bars[0].value, 1.0f, 1e-5f);
  EXPECT_EQ(c.bars[0].colour, 0x008000);
  EXPECT_EQ(c.bars[0].label, "   2034 - 2039     3.5 % - 2.5 %");
  EXPECT_NEAR(c.bars[1].value, 0.0f, 1e-6f);
  EXPECT_EQ(c.bars[1].colour, 0x0000FF);
  EXPECT_EQ(c.bars[1].label, "   2029 - 2034     2.5 % - 2.5 %");
  EXPECT_NEAR(c.bars[2].value, -2.5f, 1e-5f);
  EXPECT_EQ(c.bars[2].colour, 0x0000FF);
  EXPECT_EQ(c.bars[2].label, "   2024 - 2029     0.0 % - 2.5 %");
  EXPECT_EQ(c.foot, (QStringList{QString::fromUtf8("Jos pylvään väri on punainen,"),
                                 "uudistushakkuuta voidaan harkita 5 v. jakson aikana minimikorkovaatimuksen "
                                 "perusteella  !"}));
  // A value increment of 12.0 % at 5.0 %: +7.0; every factor 0: no bars.
  const TimingChartContent high = BuildTimingChart({1.12f, 0, 0, 0}, 50, 2000, "5.0 % / vuosi");
  ASSERT_EQ(high.bars.size(), 1u);
  EXPECT_NEAR(high.bars[0].value, 7.0f, 1e-5f);
  EXPECT_EQ(high.bars[0].label, "   2000 - 2005    12.0 % - 5.0 %");
  EXPECT_TRUE(BuildTimingChart({0, 0, 0, 0}, 10, 2019, "1.0 % / vuosi").bars.empty());
}

}  // namespace
