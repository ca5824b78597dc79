// The stand card picture: every phase from the measured state to the current
// one with its text and, for the phases that show a state, its standing
// volume as a stacked bar of energy wood, pulpwood and logs.
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "mainwindow/Acts.h"
#include "stands/StandCardRules.h"
#include "model/Data.h"
#include "model/Phase.h"
#include "ui/Canvas.h"
#include "ui/Session.h"
#include "texts/Commonlan.h"
#include "ui/WindowHelpers.h"

namespace {

QFont PointFont(const QString& family, int points) {
  QFont f(family);
  f.setPointSize(points);
  return f;
}

void DrawText(QPainter& p, const QFont& font, int x, int top, const QString& text) {
  p.setFont(font);
  p.drawText(x, top + QFontMetrics(font).ascent(), text);
}

}  // namespace

void TActForm::SetIncrementBoxesVisible(bool hasGrowth, int phase) {
  ::data* stand = OpenedStand();
  const bool visible = hasGrowth && stand && IncrementBoxesVisible(*stand, phase);
  // Both boxes hidden before either is unticked: the unticking runs their
  // handler, which redraws the card only while they are shown.
  for (QCheckBox* box : {CheckBox10, CheckBox4}) box->setVisible(visible);
  if (!visible)
    for (QCheckBox* box : {CheckBox10, CheckBox4}) box->setChecked(false);
}

void TActForm::CheckBox10Click() {
  if (CheckBox10->isVisible() || CheckBox4->isVisible()) DrawStandCard();
  ClearFocus(this);
}

void TActForm::DrawStandCard() {
  ::data* stand = OpenedStand();
  const int width = Image4->width();
  const int height = Image4->height();
  if (width <= 0 || height <= 0) return;
  const int p = CurrentPhase();
  const int g = stand ? stand->GrowthStepCount() : 0;
  SetIncrementBoxesVisible(g > 0, p);

  StandCardFigureRects.clear();
  QPixmap pm(width, height);
  pm.fill(PaletteColor(7));
  QPainter painter(&pm);
  painter.setPen(QPen(PaletteColor(15), 1));

  // Legend: energy wood, pulpwood and logs with their swatches.
  const QFont legend = PointFont(QStringLiteral("Corbel"), 9);
  struct LegendItem {
    int textX, swatchLeft, text, colour;
  };
  const LegendItem legendItems[] = {{6, 7, 48, 26}, {38, 37, 74, 25}, {68, 67, 73, 17}};
  for (const LegendItem& item : legendItems) {
    painter.setPen(Qt::white);
    DrawText(painter, legend, item.textX, 2, CommonlanText(item.text).toLower());
    FillCornerBox(painter, item.swatchLeft, 17, item.swatchLeft + 27, 25, PaletteColor(item.colour));
  }
  if (!stand) {
    painter.end();
    Image4->setPixmap(pm);
    return;
  }

  const int textPoints = StandCardTextPointSize(MainWindowWidth, MainWindowHeight);
  const QFont textFont = PointFont(QStringLiteral("Calibri"), textPoints);
  const QFont valueFont = PointFont(QStringLiteral("Courier New"), textPoints - 1);
  const StandCardContent card = BuildStandCard(*stand, p, {CheckBox10->isChecked(), CheckBox4->isChecked()},
                                               IsNewForestButtonVisible(), textPoints);
  // Column widths measured in the card's fonts.
  const QFontMetrics textMetrics(textFont);
  int textColumn = 0;
  for (const StandCardRow& row : card.rows)
    textColumn = qMax(textColumn, textMetrics.horizontalAdvance(row.text) + (row.phase > 0 ? 16 : 0) + 5);
  const QFontMetrics valueMetrics(valueFont);
  const int valueColumn = valueMetrics.horizontalAdvance(card.valueLabel) + 8;
  const StandCardColumns columns = StandCardColumnsFor(width, textColumn, valueColumn);

  for (const StandCardRow& row : card.rows) {
    if (!row.selectable) {
      painter.setPen(Qt::white);
      const QString figure = StandCardValueText(row.volume, card.fieldWidth);
      DrawText(painter, valueFont, columns.valueX, row.textY, figure);
      StandCardFigureRects.emplace_back(columns.valueX, row.textY, valueMetrics.horizontalAdvance(figure),
                                        valueMetrics.height());
    }
    painter.setPen(row.growth ? PaletteColor(252) : QColor(Qt::white));
    // Shortened only where the figures leave it too little room.
    const int textX = row.phase == 0 ? columns.textX0 : columns.textX;
    DrawText(painter, textFont, textX, row.textY, textMetrics.elidedText(row.text, Qt::ElideRight, width - textX));
    if (!row.selectable && columns.barWidth > 0) {
      const StandCardBar bar = StandCardBarFor(row, columns.barWidth, card.scale);
      const int top = row.top;
      const int bottom = row.top + card.geometry.barHeight;
      FillCornerBox(painter, 4, top, bar.energyEnd, bottom, PaletteColor(26));
      FillCornerBox(painter, bar.energyEnd - 1, top, bar.pulpEnd, bottom, PaletteColor(25));
      FillCornerBox(painter, bar.pulpEnd - 1, top, bar.logsEnd, bottom, PaletteColor(17));
    }
  }
  const StandCardBracket bracket = StandCardBracketFor(card, columns.bracketX, textPoints);
  if (bracket.shown) {
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(bracket.x, bracket.y1, bracket.x, bracket.y2);
    painter.drawLine(bracket.x, bracket.y2 - 6, bracket.x - 12, bracket.y2 - 6);
  }
  painter.end();
  Image4->setPixmap(pm);
}
