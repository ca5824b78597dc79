// The open-stand window's activation and closing, its commands and its view
// options.

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMetaObject>
#include <QPushButton>
#include <QTabWidget>

#include "ui/FileLists.h"
#include "platform/Files.h"
#include "stands/OpenFile.h"
#include "stands/EstateListRules.h"
#include "stands/Open.h"
#include "texts/Actlan.h"
#include "ui/ApplicationWindows.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/Session.h"
#include "ui/StandHost.h"
#include "ui/WindowHelpers.h"

void TOpenForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  QMetaObject::invokeMethod(this, [this] { FormActivate(); }, Qt::QueuedConnection);
}

void TOpenForm::FormActivate() {
  if (Activated || !isVisible()) {
    ClearActiveControl();
    return;
  }
  // 1.
  Activated = true;
  Panel7->setVisible(IsOpenMode());
  Button2->setVisible(!IsOpenMode());
  // 2.
  LayoutOpenWindow(IsOpenMode());
  ArrangePreviewRows();
  PositionOpenWindow();
  DrawPreviewMap();
  // 3.
  if (IsListMode()) {
    const QString folder = platform::FolderOfPath(PreviewPath);
    FileListBox1->SetDirectory(folder);
    DirectoryListBox1->SetDirectory(folder);
    FillOpenWindowStandList(false);
    FileListBox1->SetFileName(PreviewPath);
    ListBox1->setCurrentRow(FileListBox1->currentRow());
  } else {
    SetOpenWindowHeader(IsOpenMode() ? 1 : 0, 0, 0, 0.0f, QString());
  }
  // 4.
  RefreshOpenPreview(true);
  // 5. The open stand's lines are the ones remembered when it was opened.
  if (!IsOpenMode()) {
    Label29->setText(SavedBasalAreaCaption);
    Label29->adjustSize();
    Label25->setText(SavedSampleCaption);
    Label25->adjustSize();
  }
  // 6. Over the main window (the start window gone) the main window shows
  // its own colour, not the colour of its hidden state.
  const QWidget* intro = ApplicationWindow(QStringLiteral("IntroForm"));
  if (StandHost* host = SessionHost(); host && !(intro && intro->isVisible()))
    host->SetWindowColor(ColorFromBgr(kButtonFaceColor));
  ClearActiveControl();
}

void TOpenForm::done(int r) {
  // Close and the title bar give result 2.
  if (r == QDialog::Rejected) r = 2;
  FormClose();
  if (r == 1) {
    SavedBasalAreaCaption = Label29->text();
    SavedSampleCaption = Label25->text();
  } else if (TheSession && !TheSession->StandPath.isEmpty() && TheSession->StandPath != PreviewPath) {
    // A stand browsed but not opened is forgotten: the next showing starts
    // from the open stand.
    PreviewPath = TheSession->StandPath;
    if (FileListBox1->Directory() != TheSession->EstateFolder) FileListBox1->SetDirectory(TheSession->EstateFolder);
  }
  QDialog::done(r);
}

void TOpenForm::FormClose() {}

void TOpenForm::ListBox1Click() {
  // Nothing of the window runs while it is hidden.
  if (!isVisible()) return;
  const int row = ListBox1->currentRow();
  if (row >= 0 && row != FileListBox1->currentRow()) {
    FileListBox1->setCurrentRow(row);
    PreviewSelectedFile();
  }
  ClearActiveControl();
}

void TOpenForm::PreviewSelectedFile() {
  const QString chosen = FileListBox1->FileName();
  OpenStandFile(chosen, true, true);
  if (PreviewPath != chosen) {
    // The file could not be previewed (its message was shown): the lists
    // return to the stand still shown, so that Open opens what is seen.
    FileListBox1->SetFileName(PreviewPath);
    ListBox1->setCurrentRow(FileListBox1->currentRow());
  }
  RefreshOpenPreview(false);
}

void TOpenForm::Button3Click() {
  const bool singleStand = !IsListMode();
  // A stand picked in the main window's list shows the busy display only over
  // the overview page.
  if (!(singleStand && TheSession && !TheSession->OverviewPageShown))
    ShowBusy(MainApplicationWindow(), 5, 500, ActlanText(69), PaletteColor(20));
  done(1);
}

void TOpenForm::Panel7Click() {
  // The stand shown is the one deleted: the list's selection follows it.
  const QString path = PreviewPath;
  const QString title = StripTitleSuffix(platform::FileNameOfPath(path));
  const bool model = PreviewHeader.modelEstate == 1;
  StandHost* host = SessionHost();
  if (host && host->DeleteStand(path, title, model, true)) {
    if (IsListMode()) {
      // The rows go and row 0 is chosen in both lists without a preview of
      // their own; the first stand is previewed once, below.
      const int i = FileListBox1->currentRow();
      delete ListBox1->takeItem(i);
      delete FileListBox1->takeItem(i);
      FileListBox1->setCurrentRow(0);
      ListBox1->setCurrentRow(0);
      if (ListBox1->count() > 0) {
        FillOpenWindowStandList(true);
        PreviewSelectedFile();
      } else {
        done(3);
      }
    } else {
      done(3);
    }
  }
  ClearActiveControl();
}

void TOpenForm::Button2Click() {
  StandHost* host = SessionHost();
  if (host && host->ChangeStandData() == 1) {
    done(2);
    return;
  }
  ClearActiveControl();
}

void TOpenForm::BitBtn2Click() {
  ShowHelpText(windowTitle(), OpenWindowHelpLines(Mode()));
  ClearActiveControl();
}

void TOpenForm::CheckBox1Click() {
  if (isVisible()) DrawGrowingStockChart();
  ClearActiveControl();
}

void TOpenForm::CheckBox2Click() {
  if (CheckBox2->isVisible()) DrawOpenStandView(false);
  ClearActiveControl();
}

void TOpenForm::CheckBox4Click() {
  if (CheckBox4->isVisible() && CheckBox4->isEnabled()) DrawOpenStandView(false);
  ClearActiveControl();
}

void TOpenForm::ExclusiveFilterClick(QCheckBox* box, QCheckBox* other) {
  if (!box->isVisible() || !box->isEnabled()) return;
  // The other box unticked while disabled: its handler redraws nothing.
  other->setEnabled(false);
  other->setChecked(false);
  other->setEnabled(true);
  DrawOpenStandView(false);
}

void TOpenForm::CheckBox5Click() {
  ExclusiveFilterClick(CheckBox5, CheckBox7);
  ClearActiveControl();
}

void TOpenForm::CheckBox7Click() {
  ExclusiveFilterClick(CheckBox7, CheckBox5);
  ClearActiveControl();
}
