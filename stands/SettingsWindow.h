#pragma once
// What the three settings windows (prices, recommendations, display) share:
// the window base with its buttons and close-time question, the loading and
// saving of the settings pages, and the fonts and controls of their layouts.
// Each window shows and saves its own page (ShowSettings, SaveShownSettings);
// the record of the run is model::CurrentSettings().

#include <QDialog>
#include <QFont>

#include "model/Settings.h"

class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;

// What the three settings windows share: a fixed dialog of one settings
// page with a save-and-close button BitBtn1 (modal result 1; enabled while
// the window holds unsaved changes) and a close button Button1 (2). However
// the window is closed (buttons, Esc, title bar), the close question runs.
class TSettingsWindow : public QDialog {
  Q_OBJECT
 public:
  TSettingsWindow(QWidget* parent, const QString& name, int page);
  ~TSettingsWindow() override;

  QPushButton* BitBtn1 = nullptr;  // save and close (1)
  QPushButton* Button1 = nullptr;  // close (2)

  // Runs at every showing.
  virtual void FormActivate() = 0;
  // This window's page of the settings record shown in its controls, and
  // the values of its controls saved as that page.
  virtual void ShowSettings(const model::SettingsRecord& s) = 0;
  virtual model::SettingsSaveResult SaveShownSettings() = 0;
  // Shows the window modally; 1 when accepted, otherwise 2.
  int ShowModal();
  void done(int r) override;
  void reject() override;

 protected:
  void showEvent(QShowEvent* e) override;
  // Makes the two buttons in the button panel.
  void MakeButtons(QWidget* panel);
  // The button panel under everything else: buttons at its right, the
  // window fitted to it.
  void PlaceButtonPanel(QWidget* panel, int top, int width);

 private:
  int page_;
};

// The settings window of a page (1 prices, 2 recommendations, 3 display),
// or nullptr while it does not exist.
TSettingsWindow* SettingsWindowOfPage(int page);

// ---- Settings record and file (all pages) ----
// Reads the file and fills the windows of a page (0 all three). A missing
// file is announced, replaced by the defaults and written; one that is not a
// readable file is reported and left alone.
void LoadSettings(int page);
// Page 0 resets to the defaults; pages 1..3 take that page's values from
// its window; the file is written. A failed write is announced; returns
// false then.
bool SaveSettings(int page);
// The close-time question of all three settings windows; returns the modal
// result with which the window closes.
int AskSaveSettingsOnClose(bool changed, int result, int page);
// The notice of a settings file that could not be written.
void ReportSettingsWriteFailure(const QString& error);

// ---- Fonts and controls ----

// Fonts of the settings windows: text, headings and buttons.
QFont SettingsTextFont();
QFont SettingsHeadingFont();
QFont SettingsButtonFont();
// A panel of a palette colour at the given geometry.
QFrame* MakeSettingsPanel(QWidget* parent, const QString& name, int colourIndex);
// A transparent label.
QLabel* MakeSettingsLabel(QWidget* parent, const QString& name, const QString& text = QString());
QPushButton* MakeSettingsButton(QWidget* parent, const QString& name, const QString& text, int width);
// A read-only information text with wrapping and no scroll bars.
QTextEdit* MakeSettingsInfoText(QWidget* parent, const QString& name, int colourIndex);
// The same, disabled against input and the mouse, its text in the enabled
// colour so that it reads as any other.
QTextEdit* MakeDisabledInfoText(QWidget* parent, const QString& name, int colourIndex);
// The number of displayed lines of a text edit's text at its present width.
int DisplayedLineCount(const QTextEdit* edit);
// The height of an information text: its lines x lineHeight + 10, or what
// the laid-out text needs when that is more.
int InfoTextHeight(const QTextEdit* edit, int lineHeight);
// No control keeps the keyboard focus.
void ClearActiveControl(QWidget* window);
