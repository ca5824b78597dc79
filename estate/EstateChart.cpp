#include "estate/EstateChart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QStackedBarSeries>
#include <QValueAxis>

#include "stands/SpeciesColors.h"
#include "ui/Palette.h"
#include "ui/WindowHelpers.h"

QColor EstateBarColor(const EstateBar& bar) {
  return bar.speciesColorCode >= 0 ? SpeciesColor(bar.speciesColorCode) : ColorFromBgr(bar.colorBgr);
}

TEstateChart::TEstateChart(QWidget* parent, const QString& name, bool horizontal)
    : QChartView(parent), horizontal_(horizontal), textFont_(PixelFont(QStringLiteral("Calibri"), 11)) {
  setObjectName(name);
  setRenderHint(QPainter::Antialiasing);
  setFrameShape(QFrame::NoFrame);
  auto* c = new QChart;
  c->legend()->hide();
  c->setBackgroundRoundness(0);
  c->layout()->setContentsMargins(0, 0, 0, 0);
  c->setTitleFont(PixelFont(QStringLiteral("Calibri"), 12));
  setChart(c);
  footLabel_ = new QLabel(this);
  footLabel_->setObjectName(name + QStringLiteral("Foot"));
  footLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  footLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
  noteLabel_ = new QLabel(this);
  noteLabel_->setObjectName(name + QStringLiteral("Note"));
  noteLabel_->setAlignment(Qt::AlignCenter);
  noteLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
  connect(c, &QChart::plotAreaChanged, this, [this] { PlaceTexts(); });
  Rebuild();
}

void TEstateChart::ShowBars(const std::vector<EstateBar>& bars, const QString& valueFormat) {
  bars_ = bars;
  valueFormat_ = valueFormat;
  Rebuild();
}

void TEstateChart::SetTitleLines(const QStringList& lines) {
  title_ = lines;
  QStringList shown;
  for (const QString& l : lines) shown << l.toHtmlEscaped();
  // A leading empty line keeps its height, as the chart title shows it.
  chart()->setTitle(shown.isEmpty() ? QString() : shown.join(QStringLiteral("<br>")));
}

void TEstateChart::SetFootLines(const QStringList& lines) {
  foot_ = lines;
  footLabel_->setText(lines.join(QLatin1Char('\n')));
  PlaceMargins();
}

void TEstateChart::SetTopNote(const QString& note) {
  note_ = note;
  noteLabel_->setText(note);
  noteLabel_->setVisible(!note.isEmpty());
  PlaceTexts();
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

void TEstateChart::ClearChart() {
  SetTitleLines({});
  SetFootLines({});
  SetTopNote(QString());
  ShowBars({}, valueFormat_);
}

void TEstateChart::SetBackColor(const QColor& c) {
  chart()->setBackgroundBrush(c);
  chart()->setPlotAreaBackgroundVisible(false);
  SetWidgetColor(this, c);
}

void TEstateChart::SetTextFont(const QFont& font) {
  textFont_ = font;
  footLabel_->setFont(font);
  noteLabel_->setFont(font);
  Rebuild();
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
  c->removeAllSeries();
  for (QAbstractAxis* a : c->axes()) {
    c->removeAxis(a);
    delete a;
  }
  if (bars_.empty()) return;
  QAbstractBarSeries* series = horizontal_ ? static_cast<QAbstractBarSeries*>(new QHorizontalStackedBarSeries)
                                           : static_cast<QAbstractBarSeries*>(new QStackedBarSeries);
  const int n = static_cast<int>(bars_.size());
  QStringList categories;
  double top = 0.0;
  for (int i = 0; i < n; ++i) {
    categories << QString::number(i);
    auto* set = new QBarSet(QString::number(i));
    for (int j = 0; j < n; ++j) *set << (j == i ? bars_[i].value : 0.0);
    const QColor colour = EstateBarColor(bars_[i]);
    set->setColor(colour);
    set->setBorderColor(colour == Qt::white ? QColor(120, 120, 120) : colour.darker(130));
    series->append(set);
    top = qMax(top, bars_[i].value);
  }
  series->setBarWidth(horizontal_ ? 0.6 : 0.55);
  c->addSeries(series);
  auto* categoryAxis = new QBarCategoryAxis;
  categoryAxis->append(categories);
  categoryAxis->setLabelsVisible(false);
  categoryAxis->setGridLineVisible(false);
  auto* valueAxis = new QValueAxis;
  // Room for the marks past the longest bar.
  valueAxis->setRange(0.0, top > 0 ? top * (horizontal_ ? 1.45 : 1.25) : 1.0);
  valueAxis->setLabelsVisible(false);
  valueAxis->setGridLineVisible(false);
  valueAxis->setLineVisible(false);
  valueAxis->setTickCount(2);
  c->addAxis(categoryAxis, horizontal_ ? Qt::AlignLeft : Qt::AlignBottom);
  c->addAxis(valueAxis, horizontal_ ? Qt::AlignBottom : Qt::AlignLeft);
  series->attachAxis(categoryAxis);
  series->attachAxis(valueAxis);
  for (int i = 0; i < n; ++i) {
    auto* mark = new QGraphicsSimpleTextItem(MarkOf(i), c);
    mark->setFont(textFont_);
    marks_.push_back(mark);
    auto* text = new QGraphicsSimpleTextItem(bars_[i].text, c);
    text->setFont(textFont_);
    texts_.push_back(text);
  }
  PlaceMargins();
  PlaceTexts();
}

void TEstateChart::PlaceMargins() {
  QChart* c = chart();
  const QRect r = rect();
  int widest = 0;
  for (const EstateBar& b : bars_) widest = qMax(widest, QFontMetrics(textFont_).boundingRect(b.text).width());
  const int footHeight = foot_.isEmpty() ? 0 : QFontMetrics(footLabel_->font()).lineSpacing() * int(foot_.size()) + 4;
  QMargins m(4, 4, 4, 4);
  if (horizontal_) {
    m.setLeft(widest + 10);
    m.setRight(8);
    m.setBottom(footHeight + 2);
  } else {
    const int lines = bars_.empty() ? 1 : int(bars_.front().text.count(QLatin1Char('\n'))) + 1;
    m.setLeft(qMax(4, r.width() * startPercent_ / 100));
    m.setRight(qMax(4, r.width() * (100 - endPercent_) / 100));
    m.setBottom(qMax(footHeight + QFontMetrics(textFont_).lineSpacing() * lines + 6, r.height() * bottomPercent_ / 100));
  }
  c->setMargins(m);
  footLabel_->setGeometry(6, r.height() - footHeight, r.width() - 12, footHeight);
  footLabel_->setVisible(footHeight > 0);
  PlaceTexts();
}

void TEstateChart::PlaceTexts() {
  QChart* c = chart();
  const QRectF plot = c->plotArea();
  const int n = static_cast<int>(bars_.size());
  if (n > 0 && !c->series().isEmpty()) {
    QAbstractSeries* s = c->series().first();
    for (int i = 0; i < n; ++i) {
      const QPointF base = c->mapToPosition(horizontal_ ? QPointF(0, i) : QPointF(i, 0), s);
      const QPointF end = c->mapToPosition(horizontal_ ? QPointF(bars_[i].value, i) : QPointF(i, bars_[i].value), s);
      const QRectF mb = marks_[i]->boundingRect(), tb = texts_[i]->boundingRect();
      if (horizontal_) {
        marks_[i]->setPos(end.x() + 4, end.y() - mb.height() / 2);
        texts_[i]->setPos(plot.left() - tb.width() - 6, base.y() - tb.height() / 2);
      } else {
        marks_[i]->setPos(end.x() - mb.width() / 2, end.y() - mb.height() - 1);
        texts_[i]->setPos(base.x() - tb.width() / 2, plot.bottom() + 3);
      }
    }
  }
  noteLabel_->setGeometry(0, qMax(0, int(plot.top()) - 16), width(), 16);
}
