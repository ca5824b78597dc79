#include "mainwindow/ActsLayout.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabWidget>

#include "mainwindow/Acts.h"
#include "mainwindow/StandPicture.h"
#include "model/Settings.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"
#include "platform/Screen.h"
#include "ui/Ask.h"
#include "stands/Intro.h"
#include "ui/WindowHelpers.h"
#include "stands/Settings.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"

// ---- The window ------------------------------------------------------------

namespace {

// The size of a page of a page control. A hidden page control lays its pages
// out only when it is shown, so their size is computed here from the control's
// own size as the style places the pages.
QSize PageClientSize(QTabWidget* pages) {
  if (pages->isVisible() && pages->currentWidget()) return pages->currentWidget()->size();
  QStyleOptionTabWidgetFrame option;
  option.initFrom(pages);
  option.lineWidth = pages->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, pages);
  option.shape = pages->tabBar()->shape();
  option.tabBarSize = pages->tabBar()->sizeHint();
  option.rect = pages->rect();
  return pages->style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, pages).size();
}

}  // namespace

void TActForm::ComputeMainWindowSize(int width, int height, bool atStart) {
  const platform::ScreenMetrics m = platform::GetScreenMetrics();
  const MainWindowSize s = ComputeMainWindowSizeFor(width, height, atStart, m.width);
  MainWindowWidth = s.width;
  MainWindowHeight = s.height;
  // The menu bar is counted in the window's height.
  SetOuterSize(this, s.width, s.height - m.menuBarHeight);
  // The client area below the menu takes the new size at once, shown or not.
  if (layout()) layout()->activate();
  PaintBackground();
  PositionMainWindow(atStart);
}

int TActForm::GetMainWindowSize(char axis) const { return axis == 'x' ? MainWindowWidth : MainWindowHeight; }

void TActForm::PositionMainWindow(bool pause) {
  const platform::ScreenMetrics m = platform::GetScreenMetrics();
  move(MainWindowLeft(m.width, OuterWidth(this)), MainWindowTop(m.height, OuterHeight(this), m.menuBarHeight));
  if (pause) platform::Pause(250);
  CenterIntroOverMain();
}

void TActForm::CenterIntroOverMain() {
  if (!IntroForm) return;
  IntroForm->move(platform::TruncToInt(x() + (OuterWidth(this) - OuterWidth(IntroForm)) * 0.5),
                  platform::TruncToInt(y() + (OuterHeight(this) - OuterHeight(IntroForm)) * 0.25));
}

int TActForm::CardBandHeight() const {
  if (IsWindowHeightClass(1, MainWindowHeight)) return 196;
  if (IsWindowHeightClass(2, MainWindowHeight)) return 206;
  return 216;
}

void TActForm::ArrangeMainWindow(bool /*estateFeatures*/) {
  LayoutMainWindow();
  HorizontalLayout(true, true);
  PlaceMainPanels();
  LayoutEstateGrid();
  PlaceCommandButtons();
}

void TActForm::LayoutMainWindow() {
  const int w = MainWindowWidth;
  const int h = MainWindowHeight;
  const int band = CardBandHeight();
  const int clientHeight = Client->height();
  Panel2->setGeometry(Panel2->x(), 0, StandListPanelWidth(w, h), band);
  Panel9->setGeometry(Panel9->x(), band, EstateSummaryPanelWidth(h), clientHeight - band);
  Panel1->setGeometry(Panel1->x(), 0, Client->width() - Panel2->width() + 1, band);

  const bool small = IsWindowHeightClass(1, h);
  QFont cardFont(QStringLiteral("Calibri"));
  cardFont.setPointSize(small ? 9 : 10);
  for (QLabel* l : {Label10, Label4, Label16, Label11, Label15}) l->setFont(cardFont);
  const bool narrowFont = UsesNarrowFont(w, h);
  QFont listFont(narrowFont ? QStringLiteral("Arial Narrow") : QStringLiteral("Calibri"));
  listFont.setPointSize(small ? 9 : 10);
  if (h == 700 && w < 1100) listFont.setPointSize(listFont.pointSize() - 1);
  ListBox1->setFont(listFont);
  QFont stageFont(QStringLiteral("Calibri"));
  stageFont.setPointSize(IsWindowHeightClass(2, h) ? 9 : 10);
  if (h == 700 && w < 1100) stageFont.setPointSize(stageFont.pointSize() - 1);
  ListBox3->setFont(stageFont);
  QFont newForestFont(h == 700 ? QStringLiteral("Calibri Light") : QStringLiteral("Calibri"));
  newForestFont.setPointSize(10);
  Label40->setFont(newForestFont);
  Label6->setFont(PixelFont(narrowFont ? QStringLiteral("Arial Narrow") : QStringLiteral("Calibri"), 13, true));

  // Stand card: the info labels on the left, the cutting stage and the
  // operation buttons to their right, save and undo at the bottom.
  const int stageLeft = small ? 175 : 190;
  int stageWidth = IsWindowHeightClass(2, h) ? 164 : 186;
  if (h == 700 && w < 1200) stageWidth -= 6;
  const int pad = 10;
  int y = pad;
  for (QLabel* l : {Label10, Label4, Label16, Label11, Label15}) {
    l->adjustSize();
    l->setGeometry(pad, y, stageLeft - 2 * pad, l->height());
    y += l->height() + (l == Label10 ? 6 : 2);
  }
  const int rowHeight = small ? 24 : 26;
  ListBox3->setGeometry(stageLeft, pad, stageWidth, 2 * (QFontMetrics(stageFont).height() + 4) + 6);
  // Under the stage list the grow panel and the increment boxes of the card.
  const int growTop = ListBox3->geometry().bottom() + 10;
  Panel4->setGeometry(stageLeft, growTop, qMin(stageWidth, qMax(small ? 96 : 108, Panel4->sizeHint().width() + 6)),
                      rowHeight);
  for (QCheckBox* box : {CheckBox10, CheckBox4}) {
    box->setFont(cardFont);
    box->adjustSize();
  }
  CheckBox10->move(stageLeft, growTop + rowHeight + 4);
  CheckBox4->move(stageLeft + qMax(CheckBox10->width() + 8, stageWidth / 2), growTop + rowHeight + 4);
  // One column of operation buttons beside the stage list: the thinning group
  // (strip roads, thinning, species removal, corridor) and the final-cutting
  // group (regeneration, selection, selection or small gap with species
  // removal) take the same rows, only one group being shown.
  const int buttonLeft = stageLeft + stageWidth + 8;
  QPushButton* thinningGroup[] = {Button5, Button7, Button10, Button1};
  QPushButton* finalGroup[] = {Button14, Button15, Button4};
  int buttonWidth = small ? 96 : 108;
  for (QPushButton* b : thinningGroup) buttonWidth = qMax(buttonWidth, b->sizeHint().width() + 6);
  for (QPushButton* b : finalGroup) buttonWidth = qMax(buttonWidth, b->sizeHint().width() + 6);
  for (int i = 0; i < 4; ++i) {
    thinningGroup[i]->setGeometry(buttonLeft, pad + i * (rowHeight + 4), buttonWidth, rowHeight);
    if (i < 3) finalGroup[i]->setGeometry(buttonLeft, pad + i * (rowHeight + 4), buttonWidth, rowHeight);
  }
  // Bottom row: save, undo and report side by side; the new-forest button
  // under the stand card picture; help at the right. The timber-sale panel
  // above the row, under the info labels (its left and width follow its
  // caption, set with it).
  const int bottom = band - pad - rowHeight;
  int left = pad;
  for (QPushButton* b : {Panel10, Button12, Button3}) {
    const int w = qMax(small ? 80 : 88, b->sizeHint().width() + 6);
    b->setGeometry(left, bottom, w, rowHeight);
    left += w + 6;
  }
  Panel11->setGeometry(Panel11->x(), bottom - rowHeight - 8, Panel11->width(), rowHeight);
  // The stand card picture fills the rest of the card right of the buttons.
  const int cardLeft = buttonLeft + buttonWidth + 10;
  Image4->setGeometry(cardLeft, 4, qMax(0, Panel1->width() - cardLeft - 8), qMax(0, bottom - 10));
  int newForestWidth = 82;
  if (h < 752) newForestWidth -= 6;
  if (h < 728) newForestWidth -= 4;
  Button11->setGeometry(qMax(cardLeft, left + 6), bottom, qMax(newForestWidth, Button11->sizeHint().width()),
                        rowHeight);
  BitBtn2->setGeometry(Panel1->width() - 70, bottom, 60, rowHeight);
  Image8->setGeometry(stageLeft - 4, pad - 4, stageWidth + 8, ListBox3->height() + 8);

  // Estate stand list.
  Label14->setGeometry(8, 4, Panel2->width() - 16, 18);
  ListBox1->setGeometry(8, 24, Panel2->width() - 16, band - 32);

  // Pages: stand view first, close-up second, overview third.
  PageControl2->setGeometry(PageControl2->x(), band, PageControl2->width(), clientHeight - band);
  if (PageControl2->indexOf(TabSheet8) != 0 || PageControl2->indexOf(TabSheet6) != 2) {
    const QString t8 = ActlanText(4), t9 = ActlanText(2), t6 = CommonlanText(68);
    PageControl2->clear();
    PageControl2->addTab(TabSheet8, t8);
    PageControl2->addTab(TabSheet9, t9);
    PageControl2->addTab(TabSheet6, t6);
  }
  PageControl2->setCurrentIndex(0);
}

void TActForm::HorizontalLayout(bool showEstate, bool initial) {
  Panel9->setVisible(showEstate && !initial);
  const int width = Client->width() + 5 + (showEstate ? 0 : 1) - (showEstate ? Panel9->width() : 0);
  PageControl2->resize(width, PageControl2->height());
  if (Panel9->x() < 1) PageControl2->move(showEstate ? Panel9->x() + Panel9->width() : PageControlOffset, PageControl2->y());
  if (!initial) PlaceWideViewCheckBox();
  const QSize page = PageClientSize(PageControl2);
  for (QFrame* p : {Panel6, Panel7, Panel3}) p->setGeometry(0, 0, page.width(), page.height());
  if (initial && PictureWidth == 0) PictureWidth = Panel6->width() + Panel9->width() - 1;
  PlaceStandPictures(this);
  PlaceStandViewTexts();
  LayoutOverviewPage();
  PlaceCommandButtons();
}

void TActForm::PlaceMainPanels() {
  if (model::CurrentSettings().standListOnRight != 0) {
    Panel1->move(0, Panel1->y());
    Panel2->move(Panel1->x() + Panel1->width(), Panel2->y());
    PageControl2->move(-3, PageControl2->y());
    Panel9->move(PageControl2->x() + PageControl2->width() - 2, Panel9->y());
  } else {
    Panel9->move(PanelOffset, Panel9->y());
    Panel2->move(PanelOffset, Panel2->y());
    PageControl2->move(Panel9->x() + Panel9->width() - 1, PageControl2->y());
    Panel1->move(Panel2->x() + Panel2->width(), Panel1->y());
  }
  PlaceWideViewCheckBox();
}

void TActForm::PlaceWideViewCheckBox() {
  CheckBox15->adjustSize();
  const int tabBarHeight = PageControl2->tabBar()->sizeHint().height();
  CheckBox15->move(PageControl2->x() + PageControl2->width() - CheckBox15->width() - 20,
                   PageControl2->y() + qMax(0, (tabBarHeight - CheckBox15->height()) / 2));
  CheckBox15->raise();
}

void TActForm::ApplyWideView(bool initial) { HorizontalLayout(IsNarrowView(), initial); }

void TActForm::CheckBox15Click() {
  if (!CheckBox15->isVisible()) return;
  ApplyWideView(false);
  ClearFocus(this);
}

namespace {

void SetChildText(QWidget* window, const char* name, const QString& text) {
  if (!window) return;
  if (auto* box = window->findChild<QAbstractButton*>(QLatin1String(name))) box->setText(text);
  else if (auto* label = window->findChild<QLabel*>(QLatin1String(name))) label->setText(text);
}

QWidget* TopLevelNamed(const QString& name) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == name) return w;
  return nullptr;
}

}  // namespace

void TActForm::ApplyCurrencyCaptions() {
  const QString unit = CommonlanText(54);
  for (const char* name : {"CheckBox19", "CheckBox7", "CheckBox9", "CheckBox11", "CheckBox13", "CheckBox17"})
    SetChildText(this, name, unit);
  PlaceEstateCurrencyCheckBox();
  for (const char* form : {"ClearForm", "GateForm", "Th4Form"}) SetChildText(TopLevelNamed(form), "CheckBox6", unit);
  SetChildText(TopLevelNamed(QStringLiteral("GraphForm")), "CheckBox2", unit);
  for (const char* form : {"MeasForm", "OpenForm", "PlocCuttForm", "Th1Form"})
    SetChildText(TopLevelNamed(form), "CheckBox1", unit);
  if (QWidget* trade = TopLevelNamed(QStringLiteral("TradeForm"))) {
    const int fieldLength = SettForm && SettForm->MaskEdit1 ? SettForm->MaskEdit1->maxLength() : 0;
    const QString perCubic = CommonlanText(57);
    const QString text = perCubic + CurrencyArrow(perCubic.size(), fieldLength);
    for (const char* name : {"Label34", "Label33", "Label11", "Label94", "Label95", "Label37", "Label36", "Label35",
                             "Label89", "Label114"})
      SetChildText(trade, name, text);
  }
  SetChildText(TopLevelNamed(QStringLiteral("FolderForm")), "CheckBox1",
               QStringLiteral("m3/ha,   ") + CommonlanText(56));
  for (const char* name : {"Label4", "Label9"}) SetChildText(TopLevelNamed(QStringLiteral("NewFrstForm")), name, CommonlanText(56));
}
