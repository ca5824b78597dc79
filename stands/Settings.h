#pragma once
// The price settings window (unit Settings): mean unit prices of the ten
// priced timber assortments, the currency and the price format. It owns the
// settings record of the run (model::CurrentSettings()), loads and saves the
// settings pages of all three settings windows and asks the close-time
// question that they share.
//
// The main window shows it modally; on modal result 1 it calls
// ApplySettings(). Other windows read the currency through CurrencyUnitText().

#include <QDialog>
#include <QFont>
#include <array>

#include "model/Settings.h"

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
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

  QPushButton* BitBtn1 = nullptr;  // save and close (1)
  QPushButton* Button1 = nullptr;  // close (2)

  // Runs at every showing.
  virtual void FormActivate() = 0;
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

class TSettForm : public TSettingsWindow {
  Q_OBJECT
 public:
  explicit TSettForm(QWidget* parent = nullptr);
  ~TSettForm() override;

  // ---- Controls (layout names) ----
  QFrame* Panel1 = nullptr;       // price panel
  QFrame* Panel2 = nullptr;       // button panel
  QLabel* Label20 = nullptr;      // heading
  QLabel* Label8 = nullptr;       // "rahayksikkö"
  QLabel* Label7 = nullptr;       // "maksimihinta"
  QListWidget* ListBox2 = nullptr;  // currency, 23 items
  QListWidget* ListBox1 = nullptr;  // price format, 3 items
  // Assortment labels: pine, spruce, birch pulpwood; pine, spruce, birch
  // logs; aspen pulpwood, aspen logs, alder pulpwood; energy wood.
  QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
         *Label6 = nullptr, *Label36 = nullptr, *Label37 = nullptr, *Label38 = nullptr, *Label39 = nullptr;
  // Price edits 1..5 pulpwood of pine, spruce, birch, aspen, alder; 6..9 logs
  // of pine, spruce, birch, aspen; 10 energy wood.
  QLineEdit *MaskEdit1 = nullptr, *MaskEdit2 = nullptr, *MaskEdit3 = nullptr, *MaskEdit4 = nullptr,
            *MaskEdit5 = nullptr, *MaskEdit6 = nullptr, *MaskEdit7 = nullptr, *MaskEdit8 = nullptr,
            *MaskEdit9 = nullptr, *MaskEdit10 = nullptr;
  // Their unit labels in the same order.
  QLabel *Label11 = nullptr, *Label9 = nullptr, *Label16 = nullptr, *Label33 = nullptr, *Label34 = nullptr,
         *Label17 = nullptr, *Label18 = nullptr, *Label19 = nullptr, *Label35 = nullptr, *Label40 = nullptr;
  QTextEdit* RichEdit4 = nullptr;  // information text

  // The ten edits and labels in the order of the record's prices.
  std::array<QLineEdit*, model::kPriceEditCount> PriceEdits() const;
  std::array<QLabel*, model::kPriceEditCount> UnitLabels() const;

  // ---- Members ----
  int CurrencyAtActivation = 0;
  model::SettingsRecord& Settings;

  // ---- Settings record and file (all pages) ----
  // Reads the file and fills the windows of a page (0 all three). A missing
  // file is announced, replaced by the defaults and written; one that is not
  // a readable file is reported and left alone.
  void LoadSettings(int page);
  // Page 0 resets to the defaults; pages 1..3 take that page's values from
  // its window; the file is written. A failed write is announced; returns
  // false then.
  bool SaveSettings(int page);
  // After the window was accepted: saves the prices and refreshes every view
  // that shows prices or currency.
  bool ApplySettings();
  void SetDefaultSettings();
  bool WriteSettingsFile();

  // ---- Prices and currency ----
  int CurrencyIndex() const;
  int PriceFormatIndex() const;
  // The chosen currency text; shortened to its unit ("€", "$", "Kr", "M" or
  // the letter) when shorten is set.
  QString CurrencyUnitText(bool shorten) const;
  // Unit labels and the price-format items in the current currency.
  void FillPriceListText();
  // Fills ten (edit, unit label) pairs from the record: mode < 0 the stored
  // prices, 1 ten per cent higher, other modes ten per cent lower (energy
  // wood always as stored). Masks and widths follow this window's format.
  void FillPriceEdits(const std::array<QLineEdit*, model::kPriceEditCount>& edits,
                      const std::array<QLabel*, model::kPriceEditCount>& labels, int mode);
  void FillPriceEdit(float price, int percent, QLineEdit* edit, QLabel* label);
  float MaxPriceValue() const;
  // The text with every blank (the mask's blank character, or a space)
  // replaced by "0".
  static QString FillMaskBlanks(const QString& text, QChar blank = u'_');
  // The values of the window as the price page stores them.
  model::PriceValues PriceValuesOfWindow() const;

  // The close-time question of all three settings windows; returns the modal
  // result with which the window closes.
  int AskSaveSettingsOnClose(bool changed, int result, int page);

  // ---- Handlers ----
  void FormCreate();
  void FormActivate() override;
  void PriceEditChanged(QLineEdit* edit);
  void ListBox2Click();
  void ListBox1Click();

 private:
  void ReportWriteFailure(const QString& error);
  void FillPricePage();
};

extern TSettForm* SettForm;

// ---- Shared by the three settings windows ----

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

// The currency of the whole system, read live from the price window (from the
// record before the window exists). CommonlanText 54 and 57 come from here
// through the application's text state.
QString CurrencyUnitText(bool shortForm);
