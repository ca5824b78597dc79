#pragma once
// The bar charts of the estate views and of the growth forecast, drawn from
// plain chart contents (the rules compute bars, texts and colours; this only
// draws them): one bar per entry in its own colour (one stacked bar set per
// bar, so each category holds one bar), the value mark at the bar's end, the
// bar's text under it (beside it when horizontal, several lines allowed), a
// title of several lines, a note over the plot and a foot of our own under
// it.

#include <QChartView>
#include <QStringList>
#include <vector>

#include "ui/ChartBarRules.h"

class QAbstractBarSeries;
class QBarCategoryAxis;
class QGraphicsSimpleTextItem;
class QValueAxis;
class QLabel;

class TEstateChart : public QChartView {
  Q_OBJECT
 public:
  TEstateChart(QWidget* parent, const QString& name, bool horizontal);

  // valueFormat: the marks' format ("###0.### m3").
  void ShowBars(const std::vector<EstateBar>& bars, const QString& valueFormat);
  // The title: the first leftLines lines (blank ones dropped) in the
  // top-left corner, the others centred above the plot.
  void SetTitleLines(const QStringList& lines, int leftLines = 0);
  void SetFootLines(const QStringList& lines);
  void SetTopNote(const QString& note);
  // Vertical charts: the bars spread between these percentages of the
  // width; the plot's bottom raised by bottomPercent of the height.
  void SetAxisSpan(int startPercent, int endPercent);
  void SetBottomPercent(int bottomPercent);
  // Horizontal charts: the bars spread between these percentages of the
  // height that the title, foot and bar texts leave (the category axis),
  // the value axis between these percentages of the width they leave.
  void SetPlotExtents(int categoryStart, int categoryEnd, int valueStart, int valueEnd);
  // Margins above the title and below the foot, in percent of the height.
  void SetMarginPercents(int top, int bottom);
  // The corner title lines' and the value marks' fonts (SetTextFont sets
  // both to the text font; these set them apart afterwards).
  void SetHeadFont(const QFont& font);
  void SetMarkFont(const QFont& font);
  // Empties title, foot, note and bars.
  void ClearChart();
  void SetBackColor(const QColor& c);
  void SetTextFont(const QFont& font);
  void SetTitleFont(const QFont& font);
  // The foot's own font and alignment (until set: the text font, left).
  void SetFootFont(const QFont& font);
  void SetFootAlignment(Qt::Alignment alignment);
  // The value axis reaches this factor times the largest bar, leaving room
  // for its mark (0: 1.3 for horizontal bars, 1.15 for vertical ones).
  void SetValueRoom(double factor);
  // Where the corner lines of the title start, and the least top of the
  // centred title (room for controls over the chart's corners).
  void SetHeadTop(int top, int titleTop) {
    headTop_ = top;
    titleTop_ = titleTop;
    PlaceMargins();
  }

  const std::vector<EstateBar>& Bars() const { return bars_; }
  const QStringList& TitleLines() const { return title_; }
  const QStringList& FootLines() const { return foot_; }
  QString TopNote() const { return note_; }
  // The mark drawn at bar i.
  QString MarkOf(int i) const;
  // Where the bars' marks are drawn, in the chart's coordinates.
  std::vector<QRectF> MarkRects() const;

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  void Rebuild();
  void PlaceTexts();
  void PlaceMargins();
  // Lengthens the value axis so that the longest bar's mark ends inside
  // the chart (a horizontal chart of positive values).
  void KeepMarksInside(int plotWidth, int rightMargin);
  QLabel* MakeLabel(const QString& suffix, Qt::Alignment alignment);
  bool horizontal_;
  std::vector<EstateBar> bars_;
  QString valueFormat_;
  QStringList title_, foot_;
  QString note_;
  int headTop_ = 6;
  int titleTop_ = 0;
  int startPercent_ = 0, endPercent_ = 100, bottomPercent_ = 0;
  int categoryStart_ = 0, categoryEnd_ = 100, valueStart_ = 0, valueEnd_ = 100;
  int marginTop_ = 0, marginBottom_ = 0;
  QLabel* headLabel_ = nullptr;
  QLabel* titleLabel_ = nullptr;
  QLabel* footLabel_ = nullptr;
  QLabel* noteLabel_ = nullptr;
  QFont textFont_;
  QFont markFont_;
  bool footFontSet_ = false;
  double valueRoom_ = 0;
  std::vector<QGraphicsSimpleTextItem*> marks_, texts_;
  // One series and its two axes for the chart's life; each drawing replaces
  // their bar sets, categories and range.
  QAbstractBarSeries* series_ = nullptr;
  QBarCategoryAxis* categoryAxis_ = nullptr;
  QValueAxis* valueAxis_ = nullptr;
};

// The colour of a bar: its species colour, else its 0xBBGGRR value.
QColor EstateBarColor(const EstateBar& bar);
