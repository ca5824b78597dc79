#pragma once
// A chart of the overview page: horizontal bars (the stand characteristics
// and the assortments) or vertical bars (the species), with a heading at the
// top left and a footer under the bars. Its content comes whole from the
// chart rules (mainwindow/OverviewChartRules.h); this only draws it.
//
// The two bar series are charts of their own inside this one, named as the
// layout names the series (`HorizBarSeries1` and `BarSeries2` in `Chart3`),
// one of them shown.

#include <QStringList>
#include <QWidget>

#include "mainwindow/ActsLayoutRules.h"
#include "mainwindow/OverviewChartRules.h"

class TEstateChart;

class TOverviewChart : public QWidget {
  Q_OBJECT
 public:
  TOverviewChart(QWidget* parent, const QString& name, const QString& horizontalName, const QString& verticalName);

  // Empties the chart and arranges it for a content.
  void Prepare(const OverviewChartLayout& layout);
  // Draws a content into the series chosen by the last Prepare.
  void Show(const OverviewChart& content);
  // Empties heading, footer and both series (the layout stays).
  void Clear();
  void SetBackColor(const QColor& colour);
  // The heading, footer and value marks in the small windows' point sizes
  // (0: the chart's own size), from the next Prepare and Show on.
  void SetSmallWindowFonts(const OverviewChartFonts& fonts);
  // The chart's right part that the page's options cover: the bars and
  // texts keep out of it.
  void SetOptionsRoom(int pixels);
  const OverviewChartFonts& SmallWindowFonts() const { return fonts_; }
  QColor BackColor() const { return back_; }

  const OverviewChartLayout& Layout() const { return layout_; }
  // What the chart shows now.
  const std::vector<EstateBar>& Bars() const;
  QStringList Heading() const;
  QStringList Footer() const;
  QString ValueFormat() const { return valueFormat_; }
  TEstateChart* ActiveSeries() const;

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  void FitSeries();
  TEstateChart* horizontal_ = nullptr;
  TEstateChart* vertical_ = nullptr;
  OverviewChartLayout layout_;
  OverviewChartFonts fonts_;
  QString valueFormat_;
  QColor back_;
  int optionsRoom_ = 0;
};
