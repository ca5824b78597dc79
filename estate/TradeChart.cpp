#include "estate/TradeChart.h"

#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QTextDocument>
#include <QTextOption>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QStackedBarSeries>
#include <QtCharts/QValueAxis>

#include "texts/Commonlan.h"
#include "ui/Palette.h"
#include "ui/WindowHelpers.h"

namespace {

// Fonts of the chart: the title, the bar texts and the foot line.
QFont TitleFont() { return PixelFont(QStringLiteral("Calibri"), 13, true); }
QFont BarFont() { return PixelFont(QStringLiteral("Calibri"), 11); }

QColor BarColor(int code, const QColor& background) {
  return code == trade::kGradientStartBar ? background : SpeciesColor(code);
}

}  // namespace

TSaleChart::TSaleChart(QWidget* parent) : QChartView(parent) {
  auto* chart = new QChart;
  chart->legend()->hide();
  chart->setBackgroundRoundness(0);
  chart->setMargins(QMargins(0, 0, 0, 0));
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  series_ = new QStackedBarSeries;
  series_->setBarWidth(0.6);
  chart->addSeries(series_);
  // The bars' texts are the chart's own items (two lines under each bar).
  categories_ = new QBarCategoryAxis;
  categories_->setLabelsVisible(false);
  categories_->setGridLineVisible(false);
  chart->addAxis(categories_, Qt::AlignBottom);
  series_->attachAxis(categories_);
  values_ = new QValueAxis;
  values_->setVisible(false);
  chart->addAxis(values_, Qt::AlignLeft);
  series_->attachAxis(values_);
  setChart(chart);
  setRenderHint(QPainter::Antialiasing);
  setFrameShape(QFrame::NoFrame);
  title_ = new QGraphicsSimpleTextItem(chart);
  title_->setFont(TitleFont());
  foot_ = new QGraphicsSimpleTextItem(chart);
  foot_->setFont(BarFont());
}

void TSaleChart::SetBackgroundColor(const QColor& c) {
  background_ = c;
  chart()->setBackgroundBrush(c);
  chart()->setPlotAreaBackgroundVisible(false);
  setBackgroundBrush(c);
}

void TSaleChart::Clear() {
  contents_ = {};
  series_->clear();
  categories_->clear();
  categories_->setVisible(false);
  title_->setText(QString());
  foot_->setText(QString());
  for (QGraphicsSimpleTextItem* t : valueTexts_) delete t;
  for (QGraphicsTextItem* t : labelTexts_) delete t;
  valueTexts_.clear();
  labelTexts_.clear();
}

void TSaleChart::ShowContents(const trade::SaleChart& contents) {
  Clear();
  contents_ = contents;
  title_->setText(contents.title);
  foot_->setText(contents.foot);
  const int n = static_cast<int>(contents.bars.size());
  QStringList labels;
  int largest = 0;
  for (int i = 0; i < n; ++i) {
    const trade::SaleBar& bar = contents.bars[i];
    auto* set = new QBarSet(QString::number(i));
    for (int j = 0; j < n; ++j) *set << (j == i ? bar.value : 0);
    set->setColor(BarColor(bar.colourCode, background_));
    set->setBorderColor(bar.colourCode == trade::kGradientStartBar ? background_ : QColor(60, 60, 60));
    series_->append(set);
    largest = qMax(largest, bar.value);
    // One category per bar (the categories' own texts are not shown).
    labels << QString::number(i);
    auto* label = new QGraphicsTextItem(chart());
    label->setFont(BarFont());
    label->document()->setDocumentMargin(0);
    label->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    label->setPlainText(bar.label);
    labelTexts_.push_back(label);
    if (bar.value != 0) {
      auto* text = new QGraphicsSimpleTextItem(QString::number(bar.value) + QLatin1Char(' ') + CommonlanText(54),
                                               chart());
      text->setFont(BarFont());
      valueTexts_.push_back(text);
    } else {
      valueTexts_.push_back(nullptr);
    }
  }
  categories_->append(labels);
  categories_->setVisible(true);
  values_->setRange(0, largest > 0 ? largest * 1.2 : 1);
  PlaceAreaAndTexts();
}

void TSaleChart::resizeEvent(QResizeEvent* e) {
  QChartView::resizeEvent(e);
  PlaceAreaAndTexts();
}

void TSaleChart::PlaceAreaAndTexts() {
  // The bars stand between the title and the bottom axis, which lies
  // bottomAxisPercent of the height above the bottom; the bar labels and the
  // foot line are below it.
  const qreal h = height();
  const qreal titleHeight = QFontMetrics(TitleFont()).height() + 4;
  const qreal bottom = h * (100 - contents_.bottomAxisPercent) / 100.0 - (contents_.foot.isEmpty() ? 12 : 24);
  chart()->setPlotArea(QRectF(8, titleHeight + 12, width() - 16, qMax<qreal>(10, bottom - titleHeight - 12)));
  title_->setPos(8, 3);
  foot_->setPos(8, h - QFontMetrics(BarFont()).height() - 2);
  for (int i = 0; i < static_cast<int>(labelTexts_.size()); ++i) {
    const QPointF top = chart()->mapToPosition(QPointF(i, contents_.bars[i].value), series_);
    const QPointF base = chart()->mapToPosition(QPointF(i, 0), series_);
    if (QGraphicsSimpleTextItem* t = valueTexts_[i]) {
      const QRectF r = t->boundingRect();
      t->setPos(top.x() - r.width() / 2, top.y() - r.height() - 1);
    }
    // Centred under the bar, as wide as a bar's share of the plot.
    const qreal slot = chart()->plotArea().width() / qMax<int>(1, int(labelTexts_.size()));
    labelTexts_[i]->setTextWidth(slot);
    labelTexts_[i]->setPos(base.x() - slot / 2, base.y() + 1);
  }
}
