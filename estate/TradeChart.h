#pragma once
// The timber-sale window's chart: draws the contents that TradeRules.h
// computes (title, foot line, one coloured bar per sale row with its value
// above it and its code and volume below it). Nothing is computed here.

#include <QtCharts/QChartView>
#include <vector>

#include "estate/TradeRules.h"

class QGraphicsSimpleTextItem;
class QGraphicsTextItem;
class QBarCategoryAxis;
class QStackedBarSeries;
class QValueAxis;

class TSaleChart : public QChartView {
  Q_OBJECT
 public:
  explicit TSaleChart(QWidget* parent = nullptr);
  // Shows the contents; the currency unit follows the values.
  void ShowContents(const trade::SaleChart& contents);
  // Empties the chart (the window's flash before a recalculation); the
  // bottom axis is hidden until the next contents.
  void Clear();
  // The colour of the chart's background, which an empty bar takes.
  void SetBackgroundColor(const QColor& c);
  const trade::SaleChart& Contents() const { return contents_; }

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  void PlaceAreaAndTexts();
  QStackedBarSeries* series_ = nullptr;
  QBarCategoryAxis* categories_ = nullptr;
  QValueAxis* values_ = nullptr;
  QGraphicsSimpleTextItem* title_ = nullptr;
  QGraphicsSimpleTextItem* foot_ = nullptr;
  // Per bar: its value above it, its code and volume below it.
  std::vector<QGraphicsSimpleTextItem*> valueTexts_;
  std::vector<QGraphicsTextItem*> labelTexts_;
  trade::SaleChart contents_;
  QColor background_;
};
