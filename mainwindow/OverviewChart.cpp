#include "mainwindow/OverviewChart.h"

#include <QResizeEvent>

#include "estate/EstateChart.h"
#include "ui/Palette.h"
#include "ui/WindowHelpers.h"

TOverviewChart::TOverviewChart(QWidget* parent, const QString& name, const QString& horizontalName,
                               const QString& verticalName)
    : QWidget(parent) {
  setObjectName(name);
  horizontal_ = new TEstateChart(this, horizontalName, true);
  vertical_ = new TEstateChart(this, verticalName, false);
  const QFont foot = PixelFont(QStringLiteral("Courier New"), 12);
  for (TEstateChart* c : {horizontal_, vertical_}) {
    c->SetFootFont(foot);
    c->SetHeadTop(4, 0);
  }
  SetBackColor(QColor(Qt::white));
  Prepare(PrepareOverviewChart(ChartCharacteristics, 0));
}

TEstateChart* TOverviewChart::ActiveSeries() const { return layout_.vertical ? vertical_ : horizontal_; }

void TOverviewChart::Prepare(const OverviewChartLayout& layout) {
  layout_ = layout;
  Clear();
  horizontal_->setVisible(!layout.vertical);
  vertical_->setVisible(layout.vertical);
  TEstateChart* c = ActiveSeries();
  c->SetTextFont(PixelFont(QStringLiteral("Calibri"), layout.labelFontSize + 4));
  c->SetFootAlignment(layout.footerCentred ? Qt::AlignHCenter : Qt::AlignLeft);
  if (layout.vertical) {
    c->SetAxisSpan(layout.bottomAxisStart, layout.bottomAxisEnd);
    c->SetBottomPercent(100 - layout.leftAxisEnd);
  }
}

void TOverviewChart::Show(const OverviewChart& content) {
  TEstateChart* c = ActiveSeries();
  valueFormat_ = content.valueFormat;
  const int headLines = static_cast<int>(content.heading.size());
  c->SetTitleLines(content.heading, headLines);
  c->SetFootLines(layout_.footerVisible ? content.footer : QStringList());
  c->ShowBars(content.bars, content.valueFormat);
}

void TOverviewChart::Clear() {
  valueFormat_.clear();
  horizontal_->ClearChart();
  vertical_->ClearChart();
}

void TOverviewChart::SetBackColor(const QColor& colour) {
  back_ = colour;
  horizontal_->SetBackColor(colour);
  vertical_->SetBackColor(colour);
  SetWidgetColor(this, colour);
}

const std::vector<EstateBar>& TOverviewChart::Bars() const { return ActiveSeries()->Bars(); }
QStringList TOverviewChart::Heading() const { return ActiveSeries()->TitleLines(); }
QStringList TOverviewChart::Footer() const { return ActiveSeries()->FootLines(); }

void TOverviewChart::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  horizontal_->setGeometry(rect());
  vertical_->setGeometry(rect());
}
