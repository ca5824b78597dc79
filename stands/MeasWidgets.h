#pragma once
// Small controls of the measurement window that the open-stand window shares:
// a bar chart that only draws the bars, titles and axis state it is given,
// and a label that reports clicks (a view-option label toggles its box);
// the emptying of a chart, which the cutting dialogs' removal chart uses too.

#include <QChartView>
#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QStringList>
#include <vector>

class QBarCategoryAxis;
class QGraphicsSimpleTextItem;
class QGraphicsTextItem;
class QValueAxis;

// One bar: its value, its label on the category axis and its colour.
struct ChartBar {
  double value = 0.0;
  QString label;
  QColor colour;
};

// A bar chart of one series whose bars each have their own colour (one bar
// set per bar, stacked, so that each category holds exactly one bar),
// horizontal or vertical, with title lines, value marks and a footer line of
// its own under the chart.
class TBarChart : public QChartView {
  Q_OBJECT
 public:
  TBarChart(QWidget* parent, const QString& name, bool horizontal);

  void SetTitleLines(const QStringList& lines);
  QStringList TitleLines() const { return title_; }
  // Replaces the bars (an empty list clears the chart).
  void SetBars(const std::vector<ChartBar>& bars);
  const std::vector<ChartBar>& Bars() const { return bars_; }
  // The category axis (the left one of a horizontal chart).
  void SetLeftAxisVisible(bool visible);
  bool LeftAxisVisible() const { return leftAxisVisible_; }
  void SetMarksVisible(bool visible);
  void SetFooterLines(const QStringList& lines) { footer_ = lines; }
  QStringList FooterLines() const { return footer_; }
  // The background gradient runs from this colour to white.
  void SetGradientStart(const QColor& c);
  // Pixel size of the axis labels, marks and title.
  void SetTextSize(int labelPixels, int titlePixels);
  // Room under the bars (the chart's bottom margin).
  void SetBottomMargin(int pixels);
  // The bars' names as drawn beside a horizontal chart's bars (none while
  // the category axis is hidden).
  QStringList ShownNames() const;
  // Where each shown name is drawn, in the chart's coordinates.
  std::vector<QRectF> ShownNameRects() const;

 private:
  void Rebuild();
  // A horizontal chart names every bar: the category axis drops the names
  // that do not fit its spacing, so the names are drawn beside the bars
  // instead, in the room the chart's left margin keeps for them.
  void PlaceNames();
  // The title is the chart's own item, each line centred over the chart's
  // whole width: the room kept for the names narrows only the plot, never
  // the title. The chart's top margin keeps the title's height.
  void PlaceTitle();
  void ApplyMargins();
  bool horizontal_;
  QStringList title_;
  QStringList footer_;
  std::vector<ChartBar> bars_;
  bool leftAxisVisible_ = true;
  bool marksVisible_ = true;
  int labelPixels_ = 10;
  int titlePixels_ = 11;
  QGraphicsTextItem* titleItem_ = nullptr;
  std::vector<QGraphicsSimpleTextItem*> names_;
  int nameRoom_ = 0;      // left of the bars, for their names
  int bottomMargin_ = 0;
};

// Removes every series and every axis of a chart (the axes are deleted).
void EmptyChart(QChart* chart);

// The small horizontal chart of the stand's species (the measurement and
// open-stand windows): a gradient from palette colour 13, small texts, no
// value marks and, with no room for names, no category axis (the bars take
// the colours of the species).
TBarChart* MakeSpeciesMiniChart(QWidget* parent, const QString& name);

// A message written on a stand picture in place of the trees (the line of
// ViewMessageLine for the mode, and an optional line above it), in the ink
// colour over palette colour 15.
QPixmap ViewMessagePicture(const QSize& size, int mode, const QString& line, const QString& upperLine,
                           const QColor& ink);

// The sample map's caption (SampleCaptionText) in the label; with pad, its
// text runs up to 2 pixels left of the chart beside the map
// (PadLabelToRight).
void ShowSampleCaption(const QWidget* chart, QLabel* label, bool hasLogTrees, bool pad);
// The text in the label, which sizes itself to it, with one blank more
// appended each time while the label's right edge lies left of x.
void PadLabelToRight(int x, QLabel* label, const QString& text);

// A label that emits clicked() when pressed with the left button.
class TClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
};
