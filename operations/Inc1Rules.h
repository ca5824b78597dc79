#pragma once
// The regeneration timing dialog without a widget: the minimum-rate list
// and the chart of the forecast's annual value increments against the rate.

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// The rate list: an empty item, then "1.0 % / vuosi" ... "5.0 % / vuosi" in
// steps of 0.5.
QStringList TimingRateItems();
// The rate of item k >= 1 in tenths of a percent: (k + 1) x 5.
int TimingRate10(int itemIndex);
// The item preselected after a recomputed forecast: count / 2 - 1 ("2.5 %").
int DefaultTimingRateItem(int itemCount);

// 0x008000 (green) for a bar above 0, else 0x0000FF (red), as 0xBBGGRR.
int TimingBarColor(float bar);

struct TimingBar {
  float value = 0.0f;  // value increment less the rate, %
  QString label;
  int colour = 0;      // 0xBBGGRR
};
struct TimingChartContent {
  QString title;
  std::vector<TimingBar> bars;  // in the order added: the fourth period first
  QStringList foot;
};

// The chart for the four annual value-increment factors of the forecast
// and a rate (tenths of a percent); a period with factor 0 gets no bar.
TimingChartContent BuildTimingChart(const std::array<float, 4>& factors, int rate10, int startYear,
                                    const QString& rateItemText);
