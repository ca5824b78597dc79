// The regeneration timing chart: the bars of worked factors against a rate
// (the rate list is read in the timing dialog, GrowthDialogsTest).
#include <gtest/gtest.h>

#include "operations/Inc1Rules.h"

namespace {

// Each bar as "value colour label", the value to four decimals.
QStringList Bars(const TimingChartContent& c) {
  QStringList bars;
  for (const auto& b : c.bars)
    bars << QString("%1 %2 %3").arg(b.value, 0, 'f', 4).arg(b.colour, 6, 16, QChar('0')).arg(b.label);
  return bars;
}

TEST(TimingRules, BarsOfWorkedFactors) {
  // Rate 2.5 % (25 tenths), start 2019. Period k: n = round(1000 f - 1000).
  //  k 3: f 1.0351 -> n 35, bar (35 - 25) x 0.1 = +1.0, green;
  //  k 2: f 1.025  -> n 25, bar 0, red (not above 0);
  //  k 1: f 1.0    -> n 0, bar -2.5, red;
  //  k 0: f 0      -> no bar.
  const TimingChartContent c = BuildTimingChart({0.0f, 1.0f, 1.025f, 1.0351f}, 25, 2019, "2.5 % / vuosi");
  EXPECT_EQ(c.title, "Puuston arvon kasvu  -  korkovaatimus  ( 2.5 % / vuosi )");
  EXPECT_EQ(Bars(c), (QStringList{"1.0000 008000    2034 - 2039     3.5 % - 2.5 %",
                                  "0.0000 0000ff    2029 - 2034     2.5 % - 2.5 %",
                                  "-2.5000 0000ff    2024 - 2029     0.0 % - 2.5 %"}));
  EXPECT_EQ(c.foot, (QStringList{QString::fromUtf8("Jos pylvään väri on punainen,"),
                                 "uudistushakkuuta voidaan harkita 5 v. jakson aikana minimikorkovaatimuksen "
                                 "perusteella  !"}));
  // A value increment of 12.0 % at 5.0 %: +7.0; every factor 0: no bars.
  EXPECT_EQ(Bars(BuildTimingChart({1.12f, 0, 0, 0}, 50, 2000, "5.0 % / vuosi")),
            (QStringList{"7.0000 008000    2000 - 2005    12.0 % - 5.0 %"}));
  EXPECT_TRUE(BuildTimingChart({0, 0, 0, 0}, 10, 2019, "1.0 % / vuosi").bars.empty());
}

}  // namespace
