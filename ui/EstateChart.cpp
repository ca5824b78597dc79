#include "ui/EstateChart.h"

#include <QBarCategoryAxis>
#include <algorithm>
#include <QBarSet>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <QtMath>

#include "ui/Palette.h"
#include "ui/WindowHelpers.h"

QColor EstateBarColor(const EstateBar& bar) {
  return bar.speciesColorCode >= 0 ? SpeciesColor(bar.speciesColorCode) : ColorFromBgr(bar.colorBgr);
}

QLabel* TEstateChart::MakeLabel(const QString& suffix, Qt::Alignment alignment) {
  auto* l = new QLabel(this);
  l->setObjectName(objectName() + suffix);
  l->setAlignment(alignment);
  l->setAttribute(Qt::WA_TransparentForMouseEvents);
  l->setFont(textFont_);
  return l;
}

TEstateChart::TEstateChart(QWidget* parent, const QString& name, bool horizontal)
    : QChartView(parent),
      horizontal_(horizontal),
      textFont_(PixelFont(QStringLiteral("Calibri"), 11)),
      markFont_(textFont_) {
  setObjectName(name);
  setRenderHint(QPainter::Antialiasing);
  setFrameShape(QFrame::NoFrame);
  auto* c = new QChart;
  c->legend()->hide();
  c->setBackgroundRoundness(0);
  c->layout()->setContentsMargins(0, 0, 0, 0);
  setChart(c);
  headLabel_ = MakeLabel(QStringLiteral("Head"), Qt::AlignLeft | Qt::AlignTop);
  titleLabel_ = MakeLabel(QStringLiteral("Title"), Qt::AlignHCenter | Qt::AlignTop);
  noteLabel_ = MakeLabel(QStringLiteral("Note"), Qt::AlignHCenter | Qt::AlignTop);
  footLabel_ = MakeLabel(QStringLiteral("Foot"), Qt::AlignLeft | Qt::AlignTop);
  SetTitleFont(PixelFont(QStringLiteral("Calibri"), 13, true));
  series_ = horizontal_ ? static_cast<QAbstractBarSeries*>(new QHorizontalStackedBarSeries)
                        : static_cast<QAbstractBarSeries*>(new QStackedBarSeries);
  series_->setBarWidth(horizontal_ ? 0.65 : 0.55);
  c->addSeries(series_);
  categoryAxis_ = new QBarCategoryAxis;
  categoryAxis_->setLabelsVisible(false);
  categoryAxis_->setGridLineVisible(false);
  valueAxis_ = new QValueAxis;
  valueAxis_->setLabelsVisible(false);
  valueAxis_->setGridLineVisible(false);
  valueAxis_->setLineVisible(false);
  valueAxis_->setTickCount(2);
  c->addAxis(categoryAxis_, horizontal_ ? Qt::AlignLeft : Qt::AlignBottom);
  c->addAxis(valueAxis_, horizontal_ ? Qt::AlignBottom : Qt::AlignLeft);
  series_->attachAxis(categoryAxis_);
  series_->attachAxis(valueAxis_);
  connect(c, &QChart::plotAreaChanged, this, [this] { PlaceTexts(); });
  Rebuild();
}

void TEstateChart::ShowBars(const std::vector<EstateBar>& bars, const QString& valueFormat) {
  bars_ = bars;
  valueFormat_ = valueFormat;
  Rebuild();
}

void TEstateChart::SetTitleLines(const QStringList& lines, int leftLines) {
  title_ = lines;
  QStringList head, centred;
  for (int i = 0; i < lines.size(); ++i) {
    if (i < leftLines) {
      if (!lines[i].isEmpty()) head << lines[i];
    } else {
      centred << lines[i];
    }
  }
  headLabel_->setText(head.join(QLatin1Char('\n')));
  titleLabel_->setText(centred.join(QLatin1Char('\n')));
  PlaceMargins();
}

void TEstateChart::SetFootLines(const QStringList& lines) {
  foot_ = lines;
  footLabel_->setText(lines.join(QLatin1Char('\n')));
  PlaceMargins();
}

void TEstateChart::SetTopNote(const QString& note) {
  note_ = note;
  noteLabel_->setText(note);
  PlaceMargins();
}

void TEstateChart::SetAxisSpan(int startPercent, int endPercent) {
  startPercent_ = startPercent;
  endPercent_ = endPercent;
  PlaceMargins();
}

void TEstateChart::SetBottomPercent(int bottomPercent) {
  bottomPercent_ = bottomPercent;
  PlaceMargins();
}

void TEstateChart::SetPlotExtents(int categoryStart, int categoryEnd, int valueStart, int valueEnd) {
  categoryStart_ = categoryStart;
  categoryEnd_ = categoryEnd;
  valueStart_ = valueStart;
  valueEnd_ = valueEnd;
  PlaceMargins();
}

void TEstateChart::SetMarginPercents(int top, int bottom) {
  marginTop_ = top;
  marginBottom_ = bottom;
  PlaceMargins();
}

void TEstateChart::SetHeadFont(const QFont& font) {
  headLabel_->setFont(font);
  PlaceMargins();
}

void TEstateChart::SetMarkFont(const QFont& font) {
  markFont_ = font;
  Rebuild();
}

void TEstateChart::ClearChart() {
  SetTitleLines({});
  SetFootLines({});
  SetTopNote(QString());
  ShowBars({}, valueFormat_);
}

void TEstateChart::SetBackColor(const QColor& c) {
  chart()->setBackgroundBrush(c);
  chart()->setBackgroundPen(Qt::NoPen);
  chart()->setPlotAreaBackgroundVisible(false);
  SetWidgetColor(this, c);
}

void TEstateChart::SetTextFont(const QFont& font) {
  textFont_ = font;
  markFont_ = font;
  for (QLabel* l : {headLabel_, noteLabel_}) l->setFont(font);
  if (!footFontSet_) footLabel_->setFont(font);
  Rebuild();
}

void TEstateChart::SetFootFont(const QFont& font) {
  footFontSet_ = true;
  footLabel_->setFont(font);
  PlaceMargins();
}

void TEstateChart::SetValueRoom(double factor) {
  valueRoom_ = factor;
  Rebuild();
}

void TEstateChart::SetFootAlignment(Qt::Alignment alignment) {
  footLabel_->setAlignment(alignment | Qt::AlignTop);
}

void TEstateChart::SetTitleFont(const QFont& font) {
  titleLabel_->setFont(font);
  PlaceMargins();
}

QString TEstateChart::MarkOf(int i) const {
  return i >= 0 && i < static_cast<int>(bars_.size()) ? ChartValueText(bars_[i].value, valueFormat_) : QString();
}

void TEstateChart::resizeEvent(QResizeEvent* e) {
  QChartView::resizeEvent(e);
  PlaceMargins();
}

void TEstateChart::Rebuild() {
  QChart* c = chart();
  for (QGraphicsSimpleTextItem* t : marks_) delete t;
  for (QGraphicsSimpleTextItem* t : texts_) delete t;
  marks_.clear();
  texts_.clear();
  series_->clear();
  categoryAxis_->clear();
  const int n = static_cast<int>(bars_.size());
  series_->setVisible(n > 0);
  categoryAxis_->setVisible(n > 0);
  QStringList categories;
  double top = 0.0;
  double bottom = 0.0;
  for (int i = 0; i < n; ++i) {
    categories << QString::number(i);
    auto* set = new QBarSet(QString::number(i));
    for (int j = 0; j < n; ++j) *set << (j == i ? bars_[i].value : 0.0);
    const QColor colour = EstateBarColor(bars_[i]);
    set->setColor(colour);
    set->setBorderColor(colour == Qt::white ? QColor(120, 120, 120) : colour.darker(130));
    series_->append(set);
    top = qMax(top, bars_[i].value);
    bottom = qMin(bottom, bars_[i].value);
  }
  categoryAxis_->append(categories);
  // Room for the marks past the longest bar, on either side of zero.
  const double room = valueRoom_ > 0 ? valueRoom_ : horizontal_ ? 1.3 : 1.15;
  valueAxis_->setRange(bottom * room, top > 0 ? top * room : (bottom < 0 ? 0.0 : 1.0));
  for (int i = 0; i < n; ++i) {
    auto* mark = new QGraphicsSimpleTextItem(MarkOf(i), c);
    mark->setFont(markFont_);
    marks_.push_back(mark);
    auto* text = new QGraphicsSimpleTextItem(bars_[i].text, c);
    text->setFont(textFont_);
    texts_.push_back(text);
  }
  PlaceMargins();
}

void TEstateChart::PlaceMargins() {
  QChart* c = chart();
  const QRect r = rect();
  auto fit = [&](QLabel* l, int top, int left, int width) {
    if (l->text().isEmpty()) {
      l->hide();
      return top;
    }
    l->setGeometry(left, top, width, l->heightForWidth(width) > 0 ? l->heightForWidth(width) : l->sizeHint().height());
    l->show();
    return top + l->height();
  };
  // The corner lines share the top with a centred title, else they may take
  // the chart's width, to 2 pixels of its right edge as the title does.
  const int marginTop = r.height() * marginTop_ / 100;
  const int marginBottom = r.height() * marginBottom_ / 100;
  int top = fit(headLabel_, headTop_ + marginTop, 6, titleLabel_->text().isEmpty() ? r.width() - 8 : r.width() / 2);
  top = fit(titleLabel_, std::max(top + 2, titleTop_), 2, r.width() - 4);
  top = fit(noteLabel_, top, 2, r.width() - 4);
  const QFontMetrics fm(textFont_);
  const int footHeight =
      foot_.isEmpty() ? 0 : QFontMetrics(footLabel_->font()).lineSpacing() * static_cast<int>(foot_.size()) + 6;
  footLabel_->setGeometry(8, r.height() - footHeight - marginBottom, r.width() - 16, footHeight);
  footLabel_->setVisible(footHeight > 0);
  QMargins m(4, top + 4, 4, footHeight + marginBottom + 4);
  if (horizontal_) {
    int widest = 0;
    for (const EstateBar& b : bars_) widest = qMax(widest, fm.horizontalAdvance(b.text));
    m.setLeft(widest + 12);
    m.setRight(8);
    // The axes' extents within the room the texts leave.
    const int roomWidth = std::max(0, r.width() - m.left() - m.right());
    const int roomHeight = std::max(0, r.height() - m.top() - m.bottom());
    m.setLeft(m.left() + roomWidth * valueStart_ / 100);
    m.setRight(m.right() + roomWidth * (100 - valueEnd_) / 100);
    m.setTop(m.top() + roomHeight * categoryStart_ / 100);
    m.setBottom(m.bottom() + roomHeight * (100 - categoryEnd_) / 100);
    KeepMarksInside(r.width() - m.left() - m.right(), m.right());
  } else {
    int lines = 1;
    for (const EstateBar& b : bars_) lines = qMax(lines, static_cast<int>(b.text.count(QLatin1Char('\n'))) + 1);
    m.setLeft(qMax(4, r.width() * startPercent_ / 100));
    m.setRight(qMax(4, r.width() * (100 - endPercent_) / 100));
    m.setTop(top + QFontMetrics(markFont_).lineSpacing() + 4);  // the marks above the bars
    m.setBottom(qMax(footHeight + fm.lineSpacing() * lines + 8, r.height() * bottomPercent_ / 100));
  }
  c->setMargins(m);
  // The chart lays itself out at its next layout request; the marks and
  // texts follow the plot at once.
  c->layout()->activate();
  PlaceTexts();
}

void TEstateChart::KeepMarksInside(int plotWidth, int rightMargin) {
  // The longest bar ends where its mark, 4 pixels after it, still ends 4
  // pixels inside the chart: the value axis reaches that much further.
  double top = 0.0;
  int widest = 0;
  for (std::size_t i = 0; i < bars_.size() && i < marks_.size(); ++i) {
    top = qMax(top, bars_[i].value);
    widest = qMax(widest, qCeil(marks_[i]->boundingRect().width()));
  }
  if (top <= 0 || plotWidth <= 0) return;
  const double room = valueRoom_ > 0 ? valueRoom_ : 1.3;
  const double free = plotWidth + rightMargin - 8.0 - widest;
  const double needed = free > 1.0 ? plotWidth / free : room;
  const double reach = top * qMax(room, needed);
  if (valueAxis_->max() != reach) valueAxis_->setMax(reach);
}

std::vector<QRectF> TEstateChart::MarkRects() const {
  std::vector<QRectF> rects;
  for (const QGraphicsSimpleTextItem* m : marks_)
    if (m->isVisible() && !m->text().isEmpty()) rects.push_back(m->mapRectToParent(m->boundingRect()));
  return rects;
}

void TEstateChart::PlaceTexts() {
  QChart* c = chart();
  const QRectF plot = c->plotArea();
  const int n = static_cast<int>(bars_.size());
  if (n == 0 || static_cast<int>(marks_.size()) != n) return;
  QAbstractSeries* s = series_;
  for (int i = 0; i < n; ++i) {
    const QPointF base = c->mapToPosition(horizontal_ ? QPointF(0, i) : QPointF(i, 0), s);
    const QPointF end = c->mapToPosition(horizontal_ ? QPointF(bars_[i].value, i) : QPointF(i, bars_[i].value), s);
    const QRectF mb = marks_[i]->boundingRect(), tb = texts_[i]->boundingRect();
    if (horizontal_) {
      const bool negative = bars_[i].value < 0;
      marks_[i]->setPos(negative ? end.x() - mb.width() - 4 : end.x() + 4, end.y() - mb.height() / 2);
      texts_[i]->setPos(plot.left() - tb.width() - 6, base.y() - tb.height() / 2);
    } else {
      marks_[i]->setPos(end.x() - mb.width() / 2, bars_[i].value < 0 ? end.y() + 1 : end.y() - mb.height() - 1);
      texts_[i]->setPos(base.x() - tb.width() / 2, plot.bottom() + 3);
    }
  }
}
