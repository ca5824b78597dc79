#include "estate/EstateWindows.h"

#include <QCheckBox>
#include <QDialog>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>

#include "estate/FolderRules.h"
#include "platform/Screen.h"
#include "ui/MessageService.h"
#include "ui/ApplicationWindows.h"
#include "texts/Actlan.h"
#include "ui/Palette.h"
#include "ui/RadioGroup.h"
#include "ui/Session.h"
#include "ui/WindowHelpers.h"

namespace {

class ClickFilter : public QObject {
 public:
  ClickFilter(QWidget* panel, std::function<void()> onClick) : QObject(panel), onClick_(std::move(onClick)) {
    panel->installEventFilter(this);
    panel->setCursor(Qt::PointingHandCursor);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::MouseButtonRelease) {
      auto* m = static_cast<QMouseEvent*>(e);
      if (m->button() == Qt::LeftButton && static_cast<QWidget*>(watched)->rect().contains(m->position().toPoint())) {
        onClick_();
        return true;
      }
    }
    return QObject::eventFilter(watched, e);
  }

 private:
  std::function<void()> onClick_;
};

}  // namespace

QTableWidget* MakeEstateGrid(QWidget* parent, const char* name, int rows, int columns) {
  auto* g = new QTableWidget(rows, columns, parent);
  g->setObjectName(QLatin1String(name));
  g->horizontalHeader()->hide();
  g->verticalHeader()->hide();
  g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  g->setEditTriggers(QAbstractItemView::NoEditTriggers);
  g->setSelectionMode(QAbstractItemView::NoSelection);
  g->setFocusPolicy(Qt::NoFocus);
  g->setWordWrap(false);
  return g;
}

void SetGridColors(QTableWidget* grid, const QColor& back, const QColor& text) {
  SetRoleColor(grid, QPalette::Base, back);
  SetRoleColor(grid, QPalette::Text, text);
}

void SetStandTableHeadings(QTableWidget* grid, bool removalView) {
  const QStringList h = StandTableHeadings(removalView);
  for (int c = 0; c < h.size() && c < grid->columnCount(); ++c) grid->setItem(0, c, new QTableWidgetItem(h[c]));
}

void OnPanelClick(QWidget* panel, std::function<void()> onClick) { new ClickFilter(panel, std::move(onClick)); }

QLabel* AddPanelCaption(QFrame* panel, const QString& text) {
  auto* l = new QLabel(text, panel);
  l->setObjectName(panel->objectName() + QStringLiteral("Caption"));
  l->setAlignment(Qt::AlignCenter);
  l->setAttribute(Qt::WA_TransparentForMouseEvents);
  return l;
}

QFrame* MakeClickPanel(QWidget* parent, const char* name, const QString& caption, std::function<void()> onClick) {
  auto* p = new QFrame(parent);
  p->setObjectName(QLatin1String(name));
  p->setFrameShape(QFrame::Panel);
  p->setFrameShadow(QFrame::Raised);
  AddPanelCaption(p, caption)->setGeometry(0, 0, 40, 20);
  p->resize(40, 20);
  OnPanelClick(p, std::move(onClick));
  return p;
}

QFrame* MakeInfoPanel(QWidget* parent, const char* name, std::function<void()> onClick) {
  QFrame* p = MakeClickPanel(parent, name, ActlanText(48), std::move(onClick));
  SetWidgetColor(p, PaletteColor(1));
  return p;
}

QPushButton* MakeEstateButton(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QLatin1String(name));
  b->setAutoDefault(false);
  b->setFocusPolicy(Qt::TabFocus);
  return b;
}

void PlaceButtonRow(std::initializer_list<QPushButton*> rightToLeft, int right, int top) {
  int x = right;
  for (QPushButton* b : rightToLeft) {
    b->resize(qMax(80, b->sizeHint().width() + 10), 26);
    x -= b->width();
    b->move(x, top);
    x -= 8;
  }
}

void SetTimePointGroupItems(TRadioGroup* group, const QStringList& items) {
  // New items leave no choice: item 0 chosen next runs the group's handler.
  group->SetItems(items);
  group->SetItemIndex(0);
}

QStringList RadioGroupItems(const TRadioGroup* group) {
  QStringList items;
  for (int i = 0; i < group->Count(); ++i) items << group->ItemText(i);
  return items;
}

void ShowTimePointForecastInfo(const TRadioGroup* group) {
  if (!TheSession) return;
  const ForecastInfo f =
      ForecastInfoFor(TheSession->CurrentEstate(), RadioGroupItems(group), std::max(0, group->ItemIndex()));
  ShowNotice(f.caption, f.line1);
}

void OpenEstateReport(const QString& standSectionCaption) {
  auto* report = qobject_cast<QDialog*>(ApplicationWindow(QStringLiteral("dbRapForm")));
  if (!report) return;
  // The stand table's section (the report's third check box).
  if (auto* box = report->findChild<QCheckBox*>(QStringLiteral("CheckBox5"))) box->setText(standSectionCaption);
  ShowBusy(report->parentWidget(), 10, 100, ActlanText(88), PaletteColor(20));
  report->exec();
}

void CentreReportWindow(QWidget* report) {
  const platform::ScreenMetrics s = platform::GetScreenMetrics();
  report->move(ScreenOffset(s.width, OuterWidth(report), 0.5), ScreenOffset(s.height - 30, OuterHeight(report), 0.8));
}
