#include "stands/MeasWidgets.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QTextDocument>
#include <QHorizontalStackedBarSeries>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <QtMath>

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

#include "platform/Numbers.h"
#include "stands/MeasRules.h"
#include "ui/Palette.h"
#include "ui/WindowHelpers.h"

TBarChart::TBarChart(QWidget* parent, const QString& name, bool horizontal)
    : QChartView(parent), horizontal_(horizontal) {
  setObjectName(name);
  setRenderHint(QPainter::Antialiasing);
  setFrameShape(QFrame::NoFrame);
  auto* c = new QChart;
  c->legend()->hide();
  c->setMargins(QMargins(0, 0, 0, 0));
  c->setBackgroundRoundness(0);
  c->layout()->setContentsMargins(0, 0, 0, 0);
  setChart(c);
  titleItem_ = new QGraphicsTextItem(c);
  titleItem_->setAcceptedMouseButtons({});
  titleItem_->setFont(c->titleFont());
  titleItem_->setDefaultTextColor(c->titleBrush().color());
  titleItem_->document()->setDocumentMargin(0.5);
  // Each line centred in the width of the longest.
  QTextOption centred = titleItem_->document()->defaultTextOption();
  centred.setAlignment(Qt::AlignHCenter);
  titleItem_->document()->setDefaultTextOption(centred);
  titleItem_->setZValue(10);
  connect(c, &QChart::plotAreaChanged, this, [this] {
    PlaceNames();
    PlaceTitle();
  });
  Rebuild();
}

void TBarChart::SetTitleLines(const QStringList& lines) {
  title_ = lines;
  QStringList shown;
  for (const QString& l : lines)
    if (!l.isEmpty()) shown << l;
  titleItem_->setPlainText(shown.join(QLatin1Char('\n')));
  titleItem_->setTextWidth(-1);
  titleItem_->setTextWidth(titleItem_->document()->idealWidth());
  titleItem_->setVisible(!shown.isEmpty());
  ApplyMargins();
  PlaceTitle();
}

void TBarChart::PlaceTitle() {
  const qreal width = titleItem_->boundingRect().width();
  titleItem_->setPos(qRound((chart()->size().width() - width) / 2), 0);
}

void TBarChart::ApplyMargins() {
  const int title = titleItem_->isVisible() ? qCeil(titleItem_->boundingRect().height()) + 1 : 0;
  chart()->setMargins(QMargins(nameRoom_, title, 0, bottomMargin_));
}

void EmptyChart(QChart* chart) {
  chart->removeAllSeries();
  for (QAbstractAxis* a : chart->axes()) {
    chart->removeAxis(a);
    delete a;
  }
}

TBarChart* MakeSpeciesMiniChart(QWidget* parent, const QString& name) {
  auto* c = new TBarChart(parent, name, true);
  c->SetGradientStart(PaletteColor(13));
  c->SetTextSize(8, 9);
  c->SetMarksVisible(false);
  c->SetLeftAxisVisible(false);
  return c;
}

void TBarChart::SetBars(const std::vector<ChartBar>& bars) {
  // Building the series, its bar labels and axes anew is what a refresh of
  // the chart costs: bars that keep their labels and colours only take their
  // new values, and the same bars change nothing.
  const bool sameBars = std::equal(bars.begin(), bars.end(), bars_.begin(), bars_.end(),
                                   [](const ChartBar& a, const ChartBar& b) {
                                     return a.label == b.label && a.colour == b.colour;
                                   });
  const auto* series = chart()->series().isEmpty()
                           ? nullptr
                           : qobject_cast<QAbstractBarSeries*>(chart()->series().constFirst());
  if (!sameBars || (!bars.empty() && !series)) {
    bars_ = bars;
    Rebuild();
    return;
  }
  double top = 0.0;
  for (int i = 0; i < static_cast<int>(bars.size()); ++i) {
    const double value = bars[static_cast<std::size_t>(i)].value;
    if (value != bars_[static_cast<std::size_t>(i)].value) series->barSets().at(i)->replace(i, value);
    top = qMax(top, value);
  }
  bars_ = bars;
  for (QAbstractAxis* a : chart()->axes())
    if (auto* values = qobject_cast<QValueAxis*>(a)) values->setRange(0.0, top > 0.0 ? top * 1.05 : 1.0);
}

void TBarChart::SetLeftAxisVisible(bool visible) {
  if (visible == leftAxisVisible_) return;
  leftAxisVisible_ = visible;
  if (horizontal_) {
    Rebuild();
    return;
  }
  for (QAbstractAxis* a : chart()->axes())
    if (qobject_cast<QBarCategoryAxis*>(a)) a->setVisible(visible);
}

void TBarChart::SetBottomMargin(int pixels) {
  bottomMargin_ = pixels;
  ApplyMargins();
}

QStringList TBarChart::ShownNames() const {
  QStringList shown;
  for (const QGraphicsSimpleTextItem* n : names_)
    if (n->isVisible()) shown << n->text();
  return shown;
}

std::vector<QRectF> TBarChart::ShownNameRects() const {
  std::vector<QRectF> rects;
  for (const QGraphicsSimpleTextItem* n : names_)
    if (n->isVisible()) rects.push_back(n->mapRectToParent(n->boundingRect()));
  return rects;
}

void TBarChart::PlaceNames() {
  if (names_.empty() || chart()->series().isEmpty()) return;
  const QRectF plot = chart()->plotArea();
  const int n = static_cast<int>(names_.size());
  for (int i = 0; i < n; ++i) {
    QGraphicsSimpleTextItem* name = names_[static_cast<std::size_t>(i)];
    // Category i lies at the middle of its band, the first at the bottom.
    const double middle = plot.bottom() - (i + 0.5) * plot.height() / n;
    const QRectF r = name->boundingRect();
    name->setPos(plot.left() - 4 - r.width(), middle - r.height() / 2);
  }
}

void TBarChart::SetMarksVisible(bool visible) {
  marksVisible_ = visible;
  Rebuild();
}

void TBarChart::SetGradientStart(const QColor& c) {
  QLinearGradient g(0, 0, 0, 1);
  g.setCoordinateMode(QGradient::ObjectBoundingMode);
  g.setColorAt(0.0, c);
  g.setColorAt(1.0, Qt::white);
  chart()->setBackgroundBrush(g);
}

void TBarChart::SetTextSize(int labelPixels, int titlePixels) {
  labelPixels_ = labelPixels;
  titlePixels_ = titlePixels;
  titleItem_->setFont(PixelFont(QStringLiteral("Calibri"), titlePixels_));
  SetTitleLines(title_);
  Rebuild();
}

void TBarChart::Rebuild() {
  QChart* c = chart();
  EmptyChart(c);
  for (QGraphicsSimpleTextItem* n : names_) delete n;
  names_.clear();
  nameRoom_ = 0;
  ApplyMargins();
  if (bars_.empty()) return;
  QAbstractBarSeries* series = horizontal_ ? static_cast<QAbstractBarSeries*>(new QHorizontalStackedBarSeries)
                                           : static_cast<QAbstractBarSeries*>(new QStackedBarSeries);
  QStringList categories;
  double top = 0.0;
  const int n = static_cast<int>(bars_.size());
  for (int i = 0; i < n; ++i) {
    const ChartBar& b = bars_[static_cast<std::size_t>(i)];
    // Categories must differ; a blank label is padded to stay unique.
    QString label = b.label;
    while (categories.contains(label)) label += QLatin1Char(' ');
    categories << label;
    auto* set = new QBarSet(label);
    for (int j = 0; j < n; ++j) *set << (j == i ? b.value : 0.0);
    set->setColor(b.colour);
    set->setBorderColor(b.colour.darker(140));
    set->setLabelColor(Qt::black);
    set->setLabelFont(PixelFont(QStringLiteral("Calibri"), labelPixels_));
    series->append(set);
    top = qMax(top, b.value);
  }
  series->setBarWidth(0.8);
  series->setLabelsVisible(marksVisible_);
  series->setLabelsFormat(QStringLiteral("@value"));
  series->setLabelsPosition(QAbstractBarSeries::LabelsInsideBase);
  c->addSeries(series);
  auto* categoryAxis = new QBarCategoryAxis;
  categoryAxis->append(categories);
  categoryAxis->setLabelsFont(PixelFont(QStringLiteral("Calibri"), labelPixels_));
  categoryAxis->setGridLineVisible(false);
  categoryAxis->setTruncateLabels(false);
  categoryAxis->setVisible(leftAxisVisible_);
  if (horizontal_ && leftAxisVisible_) {
    // The names beside the bars, each whole; the axis keeps its line.
    categoryAxis->setLabelsVisible(false);
    const QFont font = PixelFont(QStringLiteral("Calibri"), labelPixels_);
    int widest = 0;
    for (const ChartBar& b : bars_) {
      auto* name = new QGraphicsSimpleTextItem(b.label, c);
      name->setFont(font);
      name->setBrush(QColor(32, 32, 32));
      name->setZValue(10);
      widest = qMax(widest, qCeil(name->boundingRect().width()));
      names_.push_back(name);
    }
    nameRoom_ = widest + 6;
    ApplyMargins();
  }
  auto* valueAxis = new QValueAxis;
  valueAxis->setRange(0.0, top > 0.0 ? top * 1.05 : 1.0);
  valueAxis->setVisible(false);
  c->addAxis(categoryAxis, horizontal_ ? Qt::AlignLeft : Qt::AlignBottom);
  c->addAxis(valueAxis, horizontal_ ? Qt::AlignBottom : Qt::AlignLeft);
  series->attachAxis(categoryAxis);
  series->attachAxis(valueAxis);
  PlaceNames();
}

void ShowSampleCaption(const QWidget* chart, QLabel* label, bool hasLogTrees, bool pad) {
  const QString text = SampleCaptionText(hasLogTrees);
  label->setText(text);
  label->adjustSize();
  if (pad) PadLabelToRight(chart->x() - 2, label, text);
}

void PadLabelToRight(int x, QLabel* label, const QString& text) {
  QString padded = text;
  // Most of the blanks at once, by the width of one, short of the edge:
  // a label laid out anew for each blank takes milliseconds.
  const qreal blank = QFontMetricsF(label->font()).horizontalAdvance(QLatin1Char(' '));
  const int gap = x - label->x() - label->width();
  if (blank >= 1.0 && gap > 0) {
    padded += QString(std::max(0, static_cast<int>(gap / blank) - 1), QLatin1Char(' '));
    label->setText(padded);
    label->adjustSize();
  }
  while (label->x() + label->width() < x) {
    const int before = label->width();
    padded += QLatin1Char(' ');
    label->setText(padded);
    label->adjustSize();
    // A font whose blank has no width would never get there.
    if (label->width() <= before) break;
  }
}

void TClickLabel::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit clicked();
  QLabel::mousePressEvent(e);
}

QPixmap ViewMessagePicture(const QSize& size, int mode, const QString& line, const QString& upperLine,
                           const QColor& ink) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(PaletteColor(15));
  QPainter p(&image);
  p.setFont(PixelFont(QStringLiteral("Calibri"), 12));
  p.setPen(ink);
  const QFontMetrics fm(p.font());
  const QString text = ViewMessageLine(mode, line);
  const int h = fm.height();
  const int y = platform::TruncToInt(0.2 * (image.height() - h));
  p.drawText(platform::TruncToInt(0.05 * fm.horizontalAdvance(text)), y + fm.ascent(), text);
  if (!upperLine.isEmpty())
    p.drawText(platform::TruncToInt(0.05 * fm.horizontalAdvance(upperLine)),
               platform::TruncToInt(0.2 * (image.height() - h) - 1.2 * h) + fm.ascent(), upperLine);
  p.end();
  return QPixmap::fromImage(image);
}
