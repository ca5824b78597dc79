// The commands of the estate stand list and the help buttons of the main
// window's areas, the map button and the stand card's info panel.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "estate/EstateWindows.h"
#include "estate/Map.h"
#include "mainwindow/Acts.h"
#include "mainwindow/ActsCommandRules.h"
#include "model/Data.h"
#include "model/Phase.h"
#include "platform/Files.h"
#include "stands/Intro.h"
#include "stands/OpenFile.h"
#include "stands/Meas.h"
#include "stands/Open.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "texts/Meoplan.h"
#include "ui/ListClicks.h"
#include "ui/Session.h"
#include "ui/MessageService.h"
#include "ui/WindowHelpers.h"

namespace {

QString StandTitle() {
  const ::data* stand = OpenedStand();
  return stand ? stand->TitleText(2) : QString();
}

}  // namespace

void TActForm::CreateStandCommands() {
  Button6 = MakeEstateButton(Panel2, "Button6", CommonlanText(5));
  Button8 = MakeEstateButton(Panel2, "Button8", ActlanText(27));
  Button9 = MakeEstateButton(Panel2, "Button9", ActlanText(33));
  BitBtn4 = MakeEstateButton(Panel2, "BitBtn4", CommonlanText(22));
  BitBtn6 = MakeEstateButton(Panel6, "BitBtn6", CommonlanText(22));
  BitBtn6->hide();
  connect(Button6, &QPushButton::clicked, this, [this] { Button6Click(); });
  connect(Button8, &QPushButton::clicked, this, [this] { Button8Click(); });
  connect(Button9, &QPushButton::clicked, this, [this] { Button9Click(); });
  // Another stand chosen by the mouse or the keys opens it; a click on the
  // open stand's own row (chosen already) shows its data. The list taking
  // the focus (the window activated again) chooses no stand.
  WatchListClicks(ListBox1, [this] { ListBox1Click(); });
  connect(M11, &QAction::triggered, this, [this] { M11Click(); });
  connect(M12, &QAction::triggered, this, [this] { M12Click(); });
  connect(M13, &QAction::triggered, this, [this] { M13Click(); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
  connect(BitBtn6, &QPushButton::clicked, this, [this] { BitBtn6Click(); });
  // The info panel of a stand without operations: its caption, a click
  // on it tells why.
  SetWidgetColor(Panel14, PaletteColor(27));
  Panel14Caption = AddPanelCaption(Panel14, QString());
  Panel14Caption->setWordWrap(true);
  SetRoleColor(Panel14Caption, QPalette::WindowText, QColor(255, 255, 255));
  OnPanelClick(Panel14, [this] { Panel14Click(); });
}

// ---- Stand list and menu ---------------------------------------------------------

void TActForm::ShowStandInformation() {
  ::data* stand = OpenedStand();
  if (!stand) return;
  ShowBusy(this, 5, 30, CommonlanText(101), PaletteColor(20));
  DrawStandPicture(stand->TreeCount(), stand->SpeciesBlocks, stand->Header);
}

void TActForm::ListBox1Click() {
  const int row = ListBox1->currentRow();
  if (row < 0 || !TheSession) return;
  // The windows opened below read the chosen row from the session.
  TheSession->StandListRow = row;
  // The open stand's own row: its data, nothing loaded.
  if (row == FileListBox1->currentRow()) {
    ShowStandInformation();
    ClearFocus(this);
    return;
  }
  FileListBox1->setCurrentRow(row);
  const QString path = FileListBox1->FileName();
  if (!Panel7->isVisible()) ShowBusy(this, 5, 30, StandListBusyText(path), PaletteColor(20));
  const int opened = path.isEmpty() ? -1 : OpenStand(path);
  if (opened >= 0) {
    StandFileName = platform::FileNameOfPath(TheSession->StandPath);
    FileListBox1->SetFileName(StandFileName);
  } else {
    // The selection returns to the open stand; a file deleted in the
    // open-stand window leaves the lists.
    FileListBox1->SetFileName(StandFileName);
    ListBox1->setCurrentRow(FileListBox1->currentRow());
    if (opened == -2) {
      delete ListBox1->takeItem(row);
      delete FileListBox1->takeItem(row);
      PublishStandList();
      FileListBox1->SetFileName(StandFileName);
      RefreshStandListSummary(true);
    }
  }
  ClearFocus(this);
}

void TActForm::Button6Click() {
  ShowBusy(this, 5, 30, ActlanText(68), PaletteColor(20));
  NewStandFromMeasurementWindow(false);
  ClearFocus(this);
}

void TActForm::Button8Click() {
  ShowBusy(this, 5, 30, MeoplanOpenText(7), PaletteColor(20));
  OpenStandByDialog(true);
  ClearFocus(this);
}

void TActForm::M11Click() {
  ShowStandInformation();
  ClearFocus(this);
}

void TActForm::M12Click() {
  if (OpenedStand()) ChangeStandData();
  ClearFocus(this);
}

void TActForm::M13Click() {
  ::data* stand = OpenedStand();
  if (!stand || !IntroForm) return;
  SetMainWindowMode(0);
  if (!DeleteStand(TheSession->StandPath, stand->TitleText(0), stand->IsModelEstateStand(-1), false)) {
    SetMainWindowMode(1);
    ClearFocus(this);
    return;
  }
  // The stand is gone: the start window again, the main window without a
  // stand until another is opened.
  StandFileName.clear();
  if (OpenForm) OpenForm->FileListBox1->clear();
  TheSession->CurrentStand.reset();
  TheSession->StandPath.clear();
  SetCurrentPhase(0);
  SetStartupPanelsVisibility(false);
  PlaceMainPanels();
  SetMainWindowMode(1);
  IntroForm->show();
  LayoutPending = true;
  setWindowTitle(MainWindowTitle(false));
  SetMenuCaptions(1);
  for (QAction* a : {M11, M12, M13}) a->setEnabled(false);
}

// ---- Help buttons ----------------------------------------------------------------

namespace {

void ShowAreaHelp(TActForm* form, HelpArea area) {
  const HelpText h = MainWindowHelp(area, StandTitle());
  ShowHelpText(h.caption, h.lines);
  ClearFocus(form);
}

}  // namespace

void TActForm::BitBtn4Click() { ShowAreaHelp(this, HelpArea::StandList); }
void TActForm::BitBtn2Click() { ShowAreaHelp(this, HelpArea::StandCard); }
void TActForm::BitBtn6Click() { ShowAreaHelp(this, HelpArea::StandView); }
void TActForm::BitBtn3Click() { ShowAreaHelp(this, HelpArea::Overview); }

// ---- Map and stand info ----------------------------------------------------------

void TActForm::Button9Click() {
  ShowBusy(this, 5, 30, ActlanText(33), PaletteColor(20));
  SetMainWindowMode(0);
  if (MapForm) {
    // Another estate: the window shows no picture of the previous one (it
    // clears itself when it opens) and its picture dialog starts in the
    // estate's folder.
    if (MapForm->FolderChanged) {
      MapForm->DialogFolder = FileListBox1->Directory();
      MapForm->DialogFileName.clear();
    }
    MapForm->ShowModal();
  }
  SetMainWindowMode(1);
  ClearFocus(this);
}

void TActForm::PlaceCommandButtons() {
  // The stand list's buttons right-aligned in the row of its options, or in
  // a row of their own over the options where the panel is too narrow.
  const int height = 22;
  QPushButton* row[] = {BitBtn4, Button9, Button8, Button6};
  int total = -4;
  for (QPushButton* b : row) {
    b->resize(qMax(60, QFontMetrics(b->font()).horizontalAdvance(b->text()) + 16), height);
    total += b->width() + 4;
  }
  const int optionsRight = CheckBox19->geometry().right() + 8;
  int top = Panel2->height() - height - 4;
  if (Panel2->width() - 8 - total < optionsRight) {
    top = CheckBox18->y() - height - 4;
    ListBox1->resize(ListBox1->width(), qMax(40, top - 2 - ListBox1->y()));
  }
  int right = Panel2->width() - 8;
  for (QPushButton* b : row) {
    b->move(right - b->width(), top);
    right -= b->width() + 4;
  }
  // The stand view's help left of its options.
  BitBtn6->resize(qMax(60, QFontMetrics(BitBtn6->font()).horizontalAdvance(BitBtn6->text()) + 16), height);
  BitBtn6->move(CheckBox16->x() - BitBtn6->width() - 12, ComboBox28->y() + (ComboBox28->height() - height) / 2);
  Panel14->setGeometry(ListBox3->geometry());
  Panel14Caption->setGeometry(2, 2, Panel14->width() - 4, Panel14->height() - 4);
}

void TActForm::Panel14Click() {
  const ::data* stand = OpenedStand();
  const NoticeText n = StandInfoNotice(stand ? stand->DevelopmentClass() : 1);
  ShowNotice(n.caption, n.line);
  ClearFocus(this);
}
