#include "mainwindow/OverviewChart.h"

#include <QChart>
#include <QResizeEvent>

#include "ui/EstateChart.h"
#include "ui/Palette.h"
#include "ui/WindowHelpers.h"

namespace {

QFont PointFont(const QString& family, int points) {
  QFont f(family);
  f.setPointSize(points);
  return f;
}

}  // namespace

TOverviewChart::TOverviewChart(QWidget* parent, const QString& name, const QString& horizontalName,
                               const QString& verticalName)
    : QWidget(parent) {
  setObjectName(name);
  horizontal_ = new TEstateChart(this, horizontalName, true);
  vertical_ = new TEstateChart(this, verticalName, false);
  for (TEstateChart* c : {horizontal_, vertical_}) {
    c->SetHeadTop(4, 0);
    // The series take the size of the chart, however narrow.
    c->setMinimumSize(0, 0);
    c->chart()->setMinimumSize(0, 0);
  }
  SetBackColor(QColor(Qt::white));
  Prepare(PrepareOverviewChart(ChartCharacteristics, 0));
}

TEstateChart* TOverviewChart::ActiveSeries() const { return layout_.vertical ? vertical_ : horizontal_; }

void TOverviewChart::Prepare(const OverviewChartLayout& layout) {
  layout_ = layout;
  // The series follow the chart's size also while the page is hidden (a
  // hidden widget gets its resize events only when shown).
  FitSeries();
  Clear();
  horizontal_->setVisible(!layout.vertical);
  vertical_->setVisible(layout.vertical);
  TEstateChart* c = ActiveSeries();
  // The species chart's bar names take the small windows' size; the
  // heading and the value marks keep the chart's own unless the small
  // windows give them theirs.
  if (layout.vertical && fonts_.barNamePoints > 0)
    c->SetTextFont(PointFont(QStringLiteral("Calibri"), fonts_.barNamePoints));
  else
    c->SetTextFont(PixelFont(QStringLiteral("Calibri"), layout.labelFontSize + 4));
  if (fonts_.headingPoints > 0) c->SetHeadFont(PointFont(QStringLiteral("Calibri"), fonts_.headingPoints));
  if (fonts_.markPoints > 0) c->SetMarkFont(PointFont(QStringLiteral("Calibri"), fonts_.markPoints));
  c->SetFootAlignment(layout.footerCentred ? Qt::AlignHCenter : Qt::AlignLeft);
  if (layout.vertical) {
    c->SetAxisSpan(layout.bottomAxisStart, layout.bottomAxisEnd);
    c->SetBottomPercent(100 - layout.leftAxisEnd);
  } else {
    // The category axis of the horizontal bars is the left one.
    c->SetMarginPercents(layout.topMargin, layout.bottomMargin);
    c->SetPlotExtents(layout.leftAxisStart, layout.leftAxisEnd, layout.bottomAxisStart, layout.bottomAxisEnd);
  }
}

void TOverviewChart::SetSmallWindowFonts(const OverviewChartFonts& fonts) { fonts_ = fonts; }

void TOverviewChart::Show(const OverviewChart& content) {
  TEstateChart* c = ActiveSeries();
  valueFormat_ = content.valueFormat;
  const int headLines = static_cast<int>(content.heading.size());
  c->SetTitleLines(content.heading, headLines);
  // The footer's letters as large as its longest line allows, up to 12
  // pixels.
  int footSize = 12;
  for (; footSize > 8; --footSize) {
    const QFontMetrics m(PixelFont(QStringLiteral("Courier New"), footSize));
    int widest = 0;
    for (const QString& line : content.footer) widest = qMax(widest, m.horizontalAdvance(line));
    if (widest <= width() - optionsRoom_ - 16) break;
  }
  c->SetFootFont(PixelFont(QStringLiteral("Courier New"), footSize));
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
  FitSeries();
}

void TOverviewChart::SetOptionsRoom(int pixels) {
  optionsRoom_ = pixels;
  FitSeries();
}

void TOverviewChart::FitSeries() {
  const QRect room(0, 0, qMax(0, width() - optionsRoom_), height());
  for (TEstateChart* c : {horizontal_, vertical_}) {
    c->setGeometry(room);
    c->chart()->resize(room.size());
  }
}
