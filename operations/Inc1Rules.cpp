#include "operations/Inc1Rules.h"

#include "platform/Numbers.h"
#include "texts/Commonlan.h"
#include "texts/Inclan.h"

using platform::FormatC;
using platform::IntText;

QStringList TimingRateItems() {
  QStringList items{QString()};
  for (int r = 10; r <= 50; r += 5)
    items << FormatC("%1.1f", r * 0.1) + QStringLiteral(" % / ") + CommonlanText(60);
  return items;
}

int TimingRate10(int itemIndex) { return (itemIndex + 1) * 5; }

int DefaultTimingRateItem(int itemCount) { return itemCount / 2 - 1; }

int TimingBarColor(float bar) { return bar > 0.0f ? 0x008000 : 0x0000FF; }

TimingChartContent BuildTimingChart(const std::array<float, 4>& factors, int rate10, int startYear,
                                    const QString& rateItemText) {
  TimingChartContent chart;
  chart.title = InclanText(11) + QStringLiteral("  ( ") + rateItemText + QStringLiteral(" )");
  for (int k = 3; k >= 0; --k) {
    const float f = factors[static_cast<std::size_t>(k)];
    if (!(f > 0.0f)) continue;
    const int n = platform::RoundHalfAway(1000.0f * f - 1000.0f);
    TimingBar bar;
    bar.value = static_cast<float>(n - rate10) * 0.1f;
    const int from = startYear + 5 * k;
    bar.label = QStringLiteral("   ") + IntText(from) + QStringLiteral(" - ") + IntText(from + 5) +
                FormatC("   %5.1f", static_cast<double>(100.0f * f - 100.0f)) + QStringLiteral(" % - ") +
                FormatC("%3.1f", 0.1 * rate10) + QStringLiteral(" %");
    bar.colour = TimingBarColor(bar.value);
    chart.bars.push_back(bar);
  }
  chart.foot = QStringList{InclanText(0), InclanText(1)};
  return chart;
}
