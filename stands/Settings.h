#pragma once
// The price settings window (unit Settings): mean unit prices of the ten
// priced timber assortments, the currency and the price format. The loading
// and saving of the settings pages and the close-time question that the
// three settings windows share are in SettingsWindow.h.
//
// The main window shows it modally; on modal result 1 it calls
// ApplySettings(). Other windows read the currency through CurrencyUnitText().

#include <QDialog>
#include <QFont>
#include <array>

#include "model/Settings.h"
#include "stands/SettingsWindow.h"

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextEdit;

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

  // ---- Settings record and file ----
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

  // ---- Handlers ----
  void FormCreate();
  void FormActivate() override;
  void PriceEditChanged(QLineEdit* edit);
  void ListBox2Click();
  void ListBox1Click();

  // The price page: the record's currency, format and prices shown; the
  // window's prices saved.
  void ShowSettings(const model::SettingsRecord& s) override;
  model::SettingsSaveResult SaveShownSettings() override;
};

extern TSettForm* SettForm;

// The currency of the whole system, read live from the price window (from the
// record before the window exists). CommonlanText 54 and 57 come from here
// through the application's text state.
QString CurrencyUnitText(bool shortForm);
