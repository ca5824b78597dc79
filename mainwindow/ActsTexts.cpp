// The texts around the stand pictures of the stand-view and close-up pages:
// heading rows, description lines, the change line and carbon dioxide, the
// tree-group choice and the view check boxes; the overview header and the
// timber-sale panel of the card.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <functional>

#include "mainwindow/Acts.h"
#include "mainwindow/StandPicture.h"
#include "estate/StandTextsRules.h"
#include "model/Data.h"
#include "model/Phase.h"
#include "model/Settings.h"
#include "ui/Session.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "ui/MessageService.h"
#include "ui/WindowHelpers.h"

namespace {

const QColor kCream(255, 251, 240);  // 0xF0FBFF

QLabel* MakeTextLabel(QWidget* parent, const char* name) {
  auto* l = new QLabel(parent);
  l->setObjectName(QLatin1String(name));
  SetRoleColor(l, QPalette::WindowText, kCream);
  return l;
}

QCheckBox* MakeViewBox(QWidget* parent, const char* name, const QString& text, const QColor& colour) {
  auto* b = new QCheckBox(text, parent);
  b->setObjectName(QLatin1String(name));
  b->setFocusPolicy(Qt::TabFocus);
  SetRoleColor(b, QPalette::WindowText, colour);
  return b;
}

// The marker of the heading rows: a small cream arrow pointing at the text.
QPixmap HeadingMarker() {
  QPixmap pm(12, 14);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kCream);
  const QPointF arrow[] = {{2, 2}, {10, 7}, {2, 12}};
  p.drawPolygon(arrow, 3);
  return pm;
}

// A label that runs an action when clicked (the caption of a check box
// drawn apart from it).
class ClickLabel : public QLabel {
 public:
  ClickLabel(QWidget* parent, std::function<void()> click) : QLabel(parent), click_(std::move(click)) {}

 protected:
  void mousePressEvent(QMouseEvent*) override {
    if (click_) click_();
  }

 private:
  std::function<void()> click_;
};

// Runs an action whenever the watched widget is resized.
class ResizeWatch : public QObject {
 public:
  ResizeWatch(QObject* parent, std::function<void()> resized) : QObject(parent), resized_(std::move(resized)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Resize && resized_) resized_();
    return QObject::eventFilter(watched, e);
  }

 private:
  std::function<void()> resized_;
};

// A picture of the stand view by its layout name, when the picture code has
// made it.
QWidget* Picture(const QWidget* page, const char* name) {
  return page ? page->findChild<QWidget*>(QLatin1String(name)) : nullptr;
}

}  // namespace

void TActForm::CreateStandViewTexts() {
  for (auto [label, name] : std::initializer_list<std::pair<QLabel**, const char*>>{
           {&Label1, "Label1"}, {&Label111, "Label111"}, {&Label2, "Label2"}, {&Label222, "Label222"},
           {&Label18, "Label18"}, {&Label8, "Label8"}, {&Label27, "Label27"}})
    *label = MakeTextLabel(Panel6, name);
  for (auto [label, name] : std::initializer_list<std::pair<QLabel**, const char*>>{
           {&Label9, "Label9"}, {&Label999, "Label999"}, {&Label5, "Label5"}, {&Label555, "Label555"},
           {&Label19, "Label19"}, {&Label21, "Label21"}, {&Label28, "Label28"}})
    *label = MakeTextLabel(Panel7, name);
  // The description and change lines in the system's text colour (the
  // heading rows in cream).
  for (QLabel* l : {Label18, Label8, Label27, Label19, Label21, Label28})
    SetRoleColor(l, QPalette::WindowText, QApplication::palette().color(QPalette::WindowText));
  Image6 = MakeTextLabel(Panel6, "Image6");
  Image7 = MakeTextLabel(Panel7, "Image7");
  for (QLabel* marker : {Image6, Image7}) {
    marker->setPixmap(HeadingMarker());
    marker->resize(12, 14);
  }
  Image7->move(8, 8);
  // Form colours: the removal sample in lime, carbon dioxide in yellow.
  CheckBox33 = MakeViewBox(Panel6, "CheckBox33", CommonlanText(52), QColor(0, 255, 0));
  CheckBox16 = MakeViewBox(Panel6, "CheckBox16", QStringLiteral("hiilidioksidi,  co2"), QColor(255, 255, 0));
  CheckBox21 = MakeViewBox(Panel6, "CheckBox21", QString(), kCream);
  Label22 = new ClickLabel(Panel6, [this] { Label22Click(); });
  Label22->setObjectName(QStringLiteral("Label22"));
  SetRoleColor(Label22, QPalette::WindowText, kCream);
  Label22->setText(ActlanText(92));
  for (QWidget* w : std::initializer_list<QWidget*>{CheckBox33, CheckBox16, CheckBox21, Label22}) w->hide();
  // Every change of a tick runs its handler, the program's too (the full
  // reset, the removal sample with nothing to show, the carbon box
  // disabled); the handlers act only while their box is visible or enabled.
  connect(CheckBox33, &QCheckBox::toggled, this, [this] { CheckBox33Click(); });
  connect(CheckBox16, &QCheckBox::toggled, this, [this] { CheckBox16Click(); });
  connect(CheckBox21, &QCheckBox::toggled, this, [this] { CheckBox21Click(); });
  connect(ComboBox28, &QComboBox::activated, this, [this] { ComboBox28Change(); });
  // The page panels fill their pages, also a page sized while hidden; the
  // texts follow the panels.
  for (auto [page, panel] : std::initializer_list<std::pair<QWidget*, QWidget*>>{
           {TabSheet8, Panel6}, {TabSheet9, Panel7}, {TabSheet6, Panel3}}) {
    auto* fill = new QVBoxLayout(page);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(panel);
  }
  auto* watch = new ResizeWatch(this, [this] { PlaceStandViewTexts(); });
  Panel6->installEventFilter(watch);
  Panel7->installEventFilter(watch);
}

StandViewState TActForm::CurrentStandViewState() const {
  StandViewState v;
  v.phase = CurrentPhase();
  for (int i = 0; i < ComboBox28->count(); ++i) v.groupItems << ComboBox28->itemText(i);
  v.groupItem = qMax(0, ComboBox28->currentIndex());
  v.removal = CheckBox33->isChecked();
  v.carbon = CheckBox16->isChecked();
  v.thinningStage = IsThinningStageChosen();
  v.viewFlags = model::CurrentSettings().standViewFlags;
  return v;
}

bool TActForm::IsWholeStockChosen() const { return ComboBox28->currentIndex() <= 0; }

int TActForm::ChosenTreeGroup(bool raw) const { return ::ChosenTreeGroup(CurrentStandViewState(), raw); }

bool TActForm::IsCarbonShown() const { return CheckBox16->isChecked(); }

void TActForm::ClearStandViewLabels() {
  for (QLabel* l : {Label1, Label111, Label2, Label222, Label18, Label8, Label27, Label28, Label9, Label999, Label5,
                    Label555, Label19, Label21})
    l->clear();
  Image6->hide();
  Image7->hide();
}

// ---- Heading rows ----------------------------------------------------------

void TActForm::RefreshStandViewTexts(bool full) {
  ::data* stand = OpenedStand();
  if (!stand) return;
  // The after rows are refreshed while the after-picture shows.
  if (full) ShowInitialStateTexts();
  else if (Image1->isVisibleTo(Panel6)) RefreshAfterStateTexts(false);
  const HeadingRow row = MeasuredHeadingRow(*stand, CurrentStandViewState());
  Label1->setText(row.group);
  Label111->setText(row.values);
  Label9->setText(row.group);
  Label999->setText(row.values);
  ArrangeHeadingLabels();
}

void TActForm::RefreshAfterStateTexts(bool withDescriptions) {
  ::data* stand = OpenedStand();
  if (!stand || CurrentPhase() == 0) return;
  const bool removal = CheckBox33->isChecked();
  if (withDescriptions) ShowAfterStateTexts(removal);
  const HeadingRow row = AfterHeadingRow(*stand, CurrentStandViewState());
  Label2->setText(row.group);
  Label5->setText(row.group);
  Label222->setText(row.values);
  Label555->setText(row.values);
  ArrangeHeadingLabels();
  ColourHeadingLabels(removal);
}

void TActForm::ArrangeHeadingLabels() {
  for (QLabel* l : {Label1, Label111, Label2, Label222, Label9, Label999, Label5, Label555}) l->adjustSize();
  // The value parts of both rows start in one column after the wider first
  // part.
  const int x = 2 * Image6->x() + Image6->width() - (ComboBox28->x() + ComboBox28->width());
  const bool afterWider = CurrentPhase() != 0 && Label2->width() >= Label1->width();
  const int w = afterWider ? Label2->width() : Label1->width();
  Label1->move(x, Label1->y());
  Label2->move(x, Label2->y());
  Label111->move(x + w, Label111->y());
  Label222->move(x + w, Label222->y());
  const int x2 = 2 * Image7->x() + Image7->width();
  const int w2 = afterWider ? Label5->width() : Label9->width();
  Label9->move(x2, Label9->y());
  Label5->move(x2, Label5->y());
  Label999->move(x2 + w2, Label999->y());
  Label555->move(x2 + w2, Label555->y());
}

// ---- Description lines -----------------------------------------------------

void TActForm::ShowInitialStateTexts() {
  ::data* stand = OpenedStand();
  if (!stand) return;
  const StandViewState v = CurrentStandViewState();
  Label18->setText(InitialStateText(*stand, v, false));
  Label19->setText(InitialStateText(*stand, v, true));
  Label18->adjustSize();
  Label19->adjustSize();
  ColourAfterStateLabels();
}

void TActForm::ShowAfterStateTexts(bool removal) {
  ::data* stand = OpenedStand();
  if (!stand) return;
  StandViewState v = CurrentStandViewState();
  v.removal = removal;
  Label8->setText(AfterStateText(*stand, v, false));
  Label21->setText(AfterStateText(*stand, v, true));
  Label8->move(Label18->x(), Label8->y());
  Label21->move(Label19->x(), Label21->y());
  Label8->adjustSize();
  Label21->adjustSize();
  StockChangeText(false);
}

// ---- Colours ---------------------------------------------------------------

void TActForm::ColourHeadingLabels(bool removal) {
  QColor first = kCream;
  QColor second;
  if (IsCarbonShown() && IsWholeStockChosen()) {
    first = second = CheckBox16->palette().color(QPalette::WindowText);
  } else {
    second = removal ? CheckBox33->palette().color(QPalette::WindowText) : first;
  }
  for (QLabel* l : {Label1, Label111, Label9, Label999}) SetRoleColor(l, QPalette::WindowText, first);
  for (QLabel* l : {Label2, Label222, Label5, Label555}) SetRoleColor(l, QPalette::WindowText, second);
}

void TActForm::ColourAfterStateLabels() {
  const QColor colour = CheckBox33->isChecked() ? CheckBox33->palette().color(QPalette::WindowText)
                                                : QApplication::palette().color(QPalette::WindowText);
  for (QLabel* l : {Label8, Label21, Label27, Label28}) SetRoleColor(l, QPalette::WindowText, colour);
}

// ---- Carbon dioxide and the change line ------------------------------------

void TActForm::StockChangeText(bool layoutOnly) {
  ::data* stand = OpenedStand();
  if (!layoutOnly && stand) {
    const QString r = ::StockChangeText(*stand, CurrentStandViewState());
    Label27->setText(r);
    Label28->setText(r);
  }
  Label27->adjustSize();
  Label28->adjustSize();
  const QWidget* after = Picture(TabSheet8, "Image1");
  const int right = after ? after->geometry().right() + 1 : Panel6->width() - 4;
  Label27->move(right - Label27->width() - 6, Label27->y());
  const QWidget* closeAfter = Picture(TabSheet9, "Image9");
  const int right2 = closeAfter ? closeAfter->geometry().right() + 1 : Panel7->width() - 4;
  Label28->move(closeAfter ? right2 - Label28->width() - 6 : Label27->x(), Label28->y());
}

void TActForm::UpdateCarbonBoxEnabled() {
  const bool enabled = CarbonBoxEnabled(CurrentStandViewState());
  CheckBox16->setEnabled(enabled);
  if (!enabled) CheckBox16->setChecked(false);
}

void TActForm::CheckBox16Click() {
  if (CheckBox16->isEnabled()) {
    ShowBusy(this, 10, 100, QStringLiteral("Laskenta"), PaletteColor(20));
    RefreshStandViewTexts(false);
    if (CurrentPhase() == 0) ColourHeadingLabels(CheckBox33->isChecked());
    else StockChangeText(false);
    const QColor colour =
        CheckBox16->isChecked() ? PaletteColor(226) : QApplication::palette().color(QPalette::WindowText);
    SetRoleColor(Label27, QPalette::WindowText, colour);
    SetRoleColor(Label28, QPalette::WindowText, colour);
  }
  ClearFocus(this);
}

// ---- Options of the stand view ---------------------------------------------

void TActForm::RedrawStandViewForOption(int option) {
  if (Resetting) {
    UpdateCarbonBoxEnabled();
    return;
  }
  // Both pictures of the stand view drawn again for the new tree group or
  // season, the measured one with its controls hidden meanwhile.
  const bool removal = CheckBox33->isChecked();
  if (option == 2) Image6->hide();
  SetBeforeViewControlsVisible(false);
  CheckBox33->hide();
  DrawAfterPicture(this, removal, false);
  DrawStandPictureInto(this, Image3, true, false, false);
  SetBeforeViewControlsVisible(true);
  if (option == 1) {
    RefreshAfterStateTexts(true);
    RefreshStandViewTexts(true);
  }
  const bool afterShown = Image1->isVisibleTo(Panel6);
  CheckBox33->setVisible(afterShown);
  if (option == 2) {
    ColourAfterStateLabels();
    if (afterShown && !CheckBox33->isChecked()) {
      const QColor colour = Label18->palette().color(QPalette::WindowText);
      for (QLabel* l : {Label8, Label27, Label21, Label28}) SetRoleColor(l, QPalette::WindowText, colour);
    }
    // The marker comes back with the after-picture it points at.
    Image6->setVisible(afterShown);
  }
  // The close-up page draws its pictures anew when shown.
  CloseAfterPictureDirty = true;
  CloseBeforePictureDirty = true;
  UpdateCarbonBoxEnabled();
  ClearFocus(this);
}

void TActForm::ComboBox28Change() {
  if (Resetting) return;
  const int item = ComboBox28->currentIndex();
  if (item != TreeGroupIndex) {
    TreeGroupIndex = item;
    RedrawStandViewForOption(1);
    if (CurrentPhase() == 0) ColourHeadingLabels(CheckBox33->isChecked());
  } else {
    ClearFocus(this);
  }
}

void TActForm::CheckBox21Click() {
  if (CheckBox21->isVisible()) RedrawStandViewForOption(2);
}

// The winter box's caption toggles the box, whose handler follows.
void TActForm::Label22Click() { CheckBox21->setChecked(!CheckBox21->isChecked()); }

void TActForm::CheckBox33Click() {
  ::data* stand = OpenedStand();
  if (CheckBox33->isVisible() && stand) {
    if (RemovedStemCount(*stand) > 0) {
      UpdateCarbonBoxEnabled();
      RefreshStandViewTexts(false);
      // The after-picture with or without the removal, the close-up's at
      // its next showing.
      DrawAfterPicture(this, CheckBox33->isChecked(), true);
      RefreshAfterStateTexts(true);
      ColourAfterStateLabels();
    } else if (CheckBox33->isChecked()) {
      ShowNoRemovalNotice(CheckBox33);
    }
  }
  ClearFocus(this);
}

void TActForm::ShowNoRemovalNotice(QCheckBox* box) {
  ShowNotice(CommonlanText(52), CommonlanText(77));
  box->setChecked(false);
}

// ---- Overview header and timber-sale panel ---------------------------------

void TActForm::RefreshOverviewHeaderTexts(int phase) {
  ::data* stand = OpenedStand();
  if (!stand) return;
  RefreshAfterStateTexts(true);
  ShowTimberSalePanel(phase);
  // The overview page's header and species labels, where the page has them.
  if (auto* header = TabSheet6->findChild<QLabel*>(QStringLiteral("Label3"))) {
    header->setText(OperationChainText(*stand, CurrentStandViewState(), phase));
    PlaceRecommendationPanel();
  }
  const std::pair<const char*, int> species[] = {
      {"Label33", 13}, {"Label32", 12}, {"Label31", 11}, {"Label25", 10}, {"Label26", 9}};
  for (int s = 0; s < 5; ++s) {
    auto* label = TabSheet6->findChild<QLabel*>(QLatin1String(species[s].first));
    if (!label) continue;
    label->setText(CommonlanText(species[s].second).toLower() +
                   OverviewSpeciesSuffix(*stand, s, label->isVisibleTo(TabSheet6)));
  }
}

void TActForm::ShowTimberSalePanel(int phase) {
  ::data* stand = OpenedStand();
  if (!stand) return;
  const TimberSalePanel t = TimberSalePanelFor(*stand, phase, Image8->x(), ListBox3->x(), MainWindowHeight);
  Panel11->setText(t.caption);
  SetRoleColor(Panel11, QPalette::Button, PaletteColor(t.hasRemoval ? 1 : 7));
  SetRoleColor(Panel11, QPalette::ButtonText, t.hasRemoval ? QColor(Qt::black) : ColorFromBgr(0x808080));
  Panel11->setGeometry(t.left, Panel11->y(), t.width, Panel11->height());
  ShowStandInfoLabels(t.removal);
}

// ---- Placement -------------------------------------------------------------

void TActForm::PlaceStandViewTexts() {
  // Far view: the heading row of the measured picture beside the tree-group
  // list, the measured picture, its description, the heading row of the
  // after-picture, the after-picture, its description and the change line.
  const int rowHeight = qMax(ComboBox28->sizeHint().height(), Label1->sizeHint().height());
  const QWidget* before = Picture(TabSheet8, "Image3");
  const QWidget* after = Picture(TabSheet8, "Image1");
  const int pageHeight = Panel6->height();
  const int textHeight = Label18->fontMetrics().height() + 2;
  int beforeTop = ComboBox28->y() + rowHeight + 6;
  int beforeBottom = before ? before->geometry().bottom() + 1 : beforeTop + (pageHeight - 4 * rowHeight) / 2;
  if (before) beforeTop = before->y();
  int afterTop = after ? after->y() : beforeBottom + textHeight + rowHeight + 8;
  int afterBottom = after ? after->geometry().bottom() + 1 : pageHeight - textHeight - 8;
  Image6->move(ComboBox28->x() + ComboBox28->width() + Image7->x(), afterTop - rowHeight + (rowHeight - 14) / 2 - 2);
  const int head1 = qMax(2, beforeTop - rowHeight - 2);
  for (QLabel* l : {Label1, Label111}) l->move(l->x(), head1 + (rowHeight - l->sizeHint().height()) / 2);
  for (QLabel* l : {Label2, Label222}) l->move(l->x(), afterTop - rowHeight + (rowHeight - l->sizeHint().height()) / 2 - 2);
  Label18->move((before ? before->x() : 0) + 6, beforeBottom + 2);
  Label8->move(Label18->x(), afterBottom + 2);
  Label27->move(Label27->x(), afterBottom + 2);
  // Check boxes right-aligned to the panel.
  CheckBox33->adjustSize();
  CheckBox16->adjustSize();
  CheckBox21->adjustSize();
  Label22->adjustSize();
  Label22->move(Panel6->width() - Label22->width() - 6, head1 + (rowHeight - Label22->height()) / 2);
  CheckBox21->move(Label22->x() - CheckBox21->width() - 4, head1 + (rowHeight - CheckBox21->height()) / 2);
  CheckBox16->move(CheckBox21->x() - CheckBox16->width() - 12, head1 + (rowHeight - CheckBox16->height()) / 2);
  CheckBox33->move(Panel6->width() - CheckBox33->width() - 10,
                   afterTop - rowHeight + (rowHeight - CheckBox33->height()) / 2 - 2);

  // Close-up: the same rows without the tree-group list.
  const QWidget* closeBefore = Picture(TabSheet9, "Image10");
  const QWidget* closeAfter = Picture(TabSheet9, "Image9");
  const int closeHeight = Panel7->height();
  int cBeforeTop = rowHeight + 12;
  int cBeforeBottom = closeBefore ? closeBefore->geometry().bottom() + 1 : cBeforeTop + (closeHeight - 4 * rowHeight) / 2;
  if (closeBefore) cBeforeTop = closeBefore->y();
  int cAfterTop = closeAfter ? closeAfter->y() : cBeforeBottom + textHeight + rowHeight + 8;
  int cAfterBottom = closeAfter ? closeAfter->geometry().bottom() + 1 : closeHeight - textHeight - 8;
  const int cHead1 = qMax(2, cBeforeTop - rowHeight - 2);
  for (QLabel* l : {Label9, Label999}) l->move(l->x(), cHead1 + (rowHeight - l->sizeHint().height()) / 2);
  Image7->move(Image7->x(), cAfterTop - rowHeight + (rowHeight - 14) / 2 - 2);
  for (QLabel* l : {Label5, Label555}) l->move(l->x(), cAfterTop - rowHeight + (rowHeight - l->sizeHint().height()) / 2 - 2);
  Label19->move((closeBefore ? closeBefore->x() : 0) + 6, cBeforeBottom + 2);
  Label21->move(Label19->x(), cAfterBottom + 2);
  Label28->move(Label28->x(), cAfterBottom + 2);
  ArrangeHeadingLabels();
  StockChangeText(true);
}
