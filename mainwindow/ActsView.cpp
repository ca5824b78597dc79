#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>

#include "mainwindow/Acts.h"
#include "mainwindow/ActsLayoutRules.h"
#include "operations/Inc.h"
#include "mainwindow/StandPicture.h"
#include "ui/StandPicture.h"
#include "estate/Trade.h"
#include "model/Data.h"
#include "model/Names.h"
#include "model/Phase.h"
#include "model/Settings.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"
#include "ui/Session.h"
#include "ui/RadioGroup.h"
#include <QAbstractItemView>
#include <algorithm>

#include "estate/Map.h"
#include "estate/MapRules.h"
#include "stands/Intro.h"
#include "ui/ApplicationWindows.h"
#include "ui/WindowHelpers.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"

bool TActForm::IsNarrowView() const { return !CheckBox15->isChecked(); }

void TActForm::UpdateView(int level) {
  const int phase = CurrentPhase();
  ::data* stand = OpenedStand();
  // Every refresh may change what the growth forecast starts from.
  if (IncForm) IncForm->NeedsRecompute = true;
  if (level > 0) UpdateMainWindow(-1);
  if (stand && HasTreePicture(stand->DevelopmentClass()) && PageControl2->currentWidget() != TabSheet6) {
    Image3->show();
    Image10->show();
    RefreshStandViewPictures(this, phase);
  }
  if (level > 0) UpdateMainWindow(phase);
  // The card and the overview page; the dot map after the steps brings the
  // after-state rows, the overview header and the timber-sale panel.
  if (level > 0 || StandCardDirty) {
    RefreshCardAndRecommendation(level > 0, phase);
    if (IsNewForestButtonVisible()) UpdateNewForestCaption();
  }
  StandCardDirty = false;
  // A new, opened or edited stand: the estate's summary, warning about
  // differing measurement years unless the measurement window is open.
  if (level > 1) {
    const QWidget* meas = ApplicationWindow(QStringLiteral("MeasForm"));
    RefreshStandListSummary(!(meas && meas->isVisible()));
  }
  ClearFocus(this);
}

void TActForm::UpdateMainWindow(int phase) {
  ::data* stand = OpenedStand();
  if (phase < 0) {
    if (LayoutPending) {
      LayoutEstateGrid();
      if (IsNarrowView()) Panel9->show();
      LayoutPending = false;
    }
    // A loaded stand carries no unsaved mark.
    ShowSaveState(false);
    Panel2->update();
    Panel9->update();
    Image4->clear();
    DrawCardFrame(Panel1->palette().color(QPalette::Window));
    ClearStandViewLabels();
    for (QWidget* w : std::initializer_list<QWidget*>{CheckBox10, CheckBox4, CheckBox33, CheckBox21, Label22, CheckBox16})
      w->hide();
    CheckBox33->setChecked(false);
    CheckBox10->setChecked(false);
    CheckBox4->setChecked(false);
    for (QWidget* w : std::initializer_list<QWidget*>{Image1, Image9, Image3, Image10}) w->hide();
    ComboBox28->hide();
    BitBtn6->hide();
    PageControl2->update();
    ShowNewForestButton(false);
    Label40->hide();
    BeforePictureDirty = true;
    CloseBeforePictureDirty = true;
    // A loaded stand shows the pictures after its recorded steps at once
    // (without these two it would show them only after its next step, and
    // meanwhile whatever an earlier stand left unconsumed).
    AfterPictureDirty = true;
    CloseAfterPictureDirty = true;
    CheckBox15->hide();
    Label7->setFont(CheckBox15->font());
    Label7->setText(ActlanText(89));
    Label7->adjustSize();
    CheckBox15->setText(ActlanText(89));
    CheckBox15->resize(Label7->width() + 22, CheckBox15->sizeHint().height());
    HorizontalLayout(IsNarrowView(), false);
    ShowStandInfoLabels(-1);
    setWindowTitle(MainWindowTitle(true));
    SetMenuCaptions(2);
    for (QAction* a : {M11, M12, M13}) a->setEnabled(stand != nullptr);
    Resetting = true;
    CheckBox16->setEnabled(false);
    CheckBox16->setChecked(false);
    CheckBox16->setEnabled(true);
    CheckBox21->setChecked(false);
    {
      ComboBox28->clear();
      if (stand)
        ComboBox28->addItems(TreeGroupItems(stand->TitleText(2), stand->FindSpecies(0), stand->FindSpecies(1),
                                            stand->FindSpecies(2)));
      Label7->setFont(ComboBox28->font());
      Label7->setText(ComboBox28->itemText(0));
      Label7->adjustSize();
      ComboBox28->resize(Label7->width() + 30, ComboBox28->height());
      // The closed box is as wide as the stand title; its list opens wide
      // enough for the longest group item.
      int widest = 0;
      for (int i = 0; i < ComboBox28->count(); ++i)
        widest = std::max(widest, ComboBox28->fontMetrics().horizontalAdvance(ComboBox28->itemText(i)));
      ComboBox28->view()->setMinimumWidth(widest + 30);
      TreeGroupIndex = 0;
      ComboBox28->setCurrentIndex(0);
    }
    ListBox2->setCurrentRow(0);
    RadioGroup4->SetItemIndex(1);
    RadioGroup5->SetItemIndex(1);
    Resetting = false;
    PlaceStandViewTexts();
    RefreshStandViewTexts(true);
    ResetOverviewTab();
    Panel1->update();
    // Another stand is loaded: the timber sale starts from its defaults.
    if (TradeForm) TradeForm->NewStand = true;
    if (PageControl2->currentWidget() == TabSheet6) platform::Pause(300);
    return;
  }
  // Phase-dependent part: the card's frame, the cutting-stage list by the
  // development class and the stand-view pages with it.
  DrawCardFrame(Image14->palette().color(QPalette::WindowText));
  if (stand) ApplyDevelopmentClassState(stand->DevelopmentClass());
  SetStandViewTabsVisible(ListBox3->isEnabled(), PageControl2->indexOf(TabSheet6), PageControl2->currentIndex());
  MainWindowTitleText();
  SetMainWindowMode(1);
}

void TActForm::DrawCardFrame(const QColor& pen) {
  QImage frame(qMax(1, Image8->width()), qMax(1, Image8->height()), QImage::Format_RGB32);
  DrawCanvasFrame(frame, Panel1->palette().color(QPalette::Window), pen, 0);
  Image8->setPixmap(QPixmap::fromImage(frame));
}

void TActForm::SetStandViewTabsVisible(bool visible, int overviewIndex, int activeIndex) {
  const StandViewTabs t = StandViewTabsFor(visible, PageControl2->isTabVisible(1), overviewIndex, activeIndex);
  if (t.change) {
    PageControl2->setTabVisible(t.first, t.visible);
    PageControl2->setTabVisible(t.second, t.visible);
  }
  PageControl2->setCurrentIndex(t.active);
}

void TActForm::SetStandCardLabelsVisible(bool visible) {
  for (QWidget* w : std::initializer_list<QWidget*>{Label10, Label16, Label4, Label11, Label15, Button12, Button3,
                                                    Panel10, BitBtn2, Panel11})
    w->setVisible(visible);
}

void TActForm::SetOperationControlsVisible(bool visible) {
  for (QWidget* w : std::initializer_list<QWidget*>{ListBox3, Button5, Button7, Button14, Button4, Button15, Button10,
                                                    Button1, Image8, Panel4, Image14, Image15, Image16, Image17})
    w->setVisible(visible);
  if (!visible) Panel14->hide();
}

void TActForm::SetMainWindowMode(int mode) {
  const bool introShown = IntroForm && IntroForm->isVisible();
  if (mode == 0 || mode == 1) {
    const bool on = mode == 1;
    SetStandCardLabelsVisible(on);
    SetOperationControlsVisible(on);
    if (!introShown) {
      SetWindowColor(on ? ColorFromBgr(kButtonFaceColor) : PaletteColor(7));
      CheckBox15->setVisible(on);
      PageControl2->setVisible(on);
      Panel1->setVisible(on);
    }
    if (on) UpdateOperationButtonsVisibility(true);
    return;
  }
  if (introShown) return;
  Panel1->show();
  SetWindowColor(ColorFromBgr(kButtonFaceColor));
  PageControl2->show();
  // The stand view's own controls come back with its next picture.
  if (PageControl2->currentWidget() == TabSheet8) {
    ComboBox28->hide();
    CheckBox16->hide();
    CheckBox21->hide();
  } else if (PageControl2->currentWidget() == TabSheet6) update();
}

void TActForm::ShowStandInfoLabels(int n) {
  ::data* stand = OpenedStand();
  const QString dash = QStringLiteral("- ");
  if (n >= 0) {
    Label15->setText(dash + CommonlanText(52).toLower() + QLatin1Char(' ') + platform::IntText(n) +
                     QStringLiteral(" m3/ha"));
    return;
  }
  if (!stand) {
    for (QLabel* l : {Label10, Label4, Label16, Label11}) l->clear();
    return;
  }
  Label10->setText(stand->TitleText(2));
  Label4->setText(dash + platform::FormatC("%1.2f ha", static_cast<double>(stand->Area())));
  Label16->setText(dash + DevelopmentClassName(1, stand->DevelopmentClass()));
  Label11->setText(dash + CommonlanText(51).toLower() + QLatin1Char(' ') + stand->PhaseCalendarYearText(0));
}

void TActForm::MainWindowTitleText() {
  ::data* stand = OpenedStand();
  // The program title, also before a stand is open (the start window shows
  // the text for opening a stand list meanwhile).
  QString title = MainWindowTitle(true);
  const model::SettingsRecord& s = model::CurrentSettings();
  const QString dot = QStringLiteral("  •  ");
  if (model::TitleBarFlagItem(s.titleBarFlags, 1))
    title += dot + QStringLiteral("rahayksikkö ") + CommonlanText(54);
  if (model::TitleBarFlagItem(s.titleBarFlags, 2) && !DirectoryListBox1->Directory().isEmpty())
    title += dot + WindowTextByMode(DirectoryListBox1->Directory(), 3);
  if (model::TitleBarFlagItem(s.titleBarFlags, 3) && stand) title += dot + stand->TitleText(1);
  setWindowTitle(title);
}

void TActForm::ResetEstatePanel(const QString& fileName, const QString& folder) {
  // The map of the previous estate is not shown for this one.
  if (MapForm && !SameFolder(FileListBox1->Directory(), folder)) MapForm->FolderChanged = true;
  FileListBox1->SetDirectory(folder);
  StandFileName = fileName;
  FileListBox1->SetFileName(fileName);
  Label14->clear();
  DirectoryListBox1->hide();
  Panel8->hide();
  ListBox1->clear();
  PublishStandList();
  ShowForecastInfoPanel(false);
  ClearEstatePanel();
  // The estate's folder is shown, not chosen by the user.
  DirectoryListBox1->SetDirectory(folder);
  if (TheSession) TheSession->EstateFolder = folder;
  HorizontalLayout(IsNarrowView(), false);
}

void TActForm::PageControl2Change() { UpdateView(0); }
