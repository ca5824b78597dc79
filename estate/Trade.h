#pragma once
// The timber-sale window `TTradeForm` (one object, `TradeForm`): the income
// from selling the cutting removal of the open stand. Ten sale rows with
// their volumes, prices and values, pine and spruce stem prices, the
// log-to-pulp shift, the totals with the prepayment tax and the net income,
// a chart of the values and an optional 1-ha sample picture of the removal.
// The arithmetic and the texts are in TradeRules.h; the window keeps the
// user's choices while the same stand stays loaded.
//
// Shown modally by the main window's timber-sale panel and by the stand
// report, which reads the sale back (SaleReport) to print it.

#include <QDialog>
#include <QString>
#include <array>

#include "estate/RaportRules.h"
#include "estate/TradeRules.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;
class TCanvas;
class TRadioGroup;
class TSaleChart;

class TTradeForm : public QDialog {
  Q_OBJECT
 public:
  explicit TTradeForm(QWidget* parent = nullptr);  // FormCreate
  ~TTradeForm() override;

  // One sale row's controls.
  struct SaleRow {
    int assortment = 0;
    QCheckBox* box = nullptr;       // ticked: the row is sold
    QLineEdit* price = nullptr;     // unit price
    QLabel* volume = nullptr;       // hidden: "<volume> m3"
    QLabel* value = nullptr;        // "<value> <currency>"
    QLabel* unit = nullptr;         // currency per m3
    QLabel* marker = nullptr;       // the bar's colour beside a sold row
  };

  // ---- Controls (layout names) ----
  QFrame* Panel1 = nullptr;   // the sale
  QLabel* Label87 = nullptr;  // method, area and removal of the cutting
  QLabel* Label3 = nullptr;   // how to choose rows and prices
  // Rows in the order of trade::kSaleRows (energy wood first).
  std::array<SaleRow, trade::kSaleRowCount> Rows{};
  QCheckBox* CheckBox14 = nullptr;  // pine priced as stems
  QCheckBox* CheckBox15 = nullptr;  // spruce priced as stems
  QLabel* Label21 = nullptr;        // "aseta mäntyrungon hinta  !"
  QLabel* Label22 = nullptr;        // "aseta kuusirungon hinta  !"
  QLabel* Label23 = nullptr;        // "Arvio huonolaatuisen"
  QLabel* Label8 = nullptr;         // "tukin siirtymästä kuitupuuhun"
  QComboBox* ComboBox1 = nullptr;   // log-to-pulp shift, 0..40 %
  QLabel* Label26 = nullptr;        // moved logs, or why no shift
  QLabel* Label2 = nullptr;         // caption of the change
  QLabel* Label14 = nullptr;        // change of the income
  QLabel* Label20 = nullptr;        // change in percent
  QLabel* Label7 = nullptr;         // "yhteensä"
  QLabel* Label44 = nullptr;        // total volume
  QLabel* Label43 = nullptr;        // total value
  QLabel* Label64 = nullptr;        // "- ennakkovero"
  QComboBox* ComboBox4 = nullptr;   // tax percentage, 0..40 %
  QLabel* Label66 = nullptr;        // tax
  QLabel* Label65 = nullptr;        // "puukauppa, nettotulot"
  QLabel* Label67 = nullptr;        // net income
  TSaleChart* Chart2 = nullptr;     // values by assortment
  QPushButton* Panel11 = nullptr;   // "Luo raportti" / "Liitä raporttiin"
  TCanvas* Image1 = nullptr;        // 1-ha sample of the removal
  QLabel* Label1 = nullptr;         // its caption
  QCheckBox* CheckBox10 = nullptr;  // "tukkipuut": only log trees drawn
  QLabel* Label24 = nullptr;        // clickable "tukkipuut"
  QFrame* Panel4 = nullptr;         // buttons
  TRadioGroup* RadioGroup1 = nullptr;  // sample picture "ei" / "kyllä"
  QPushButton* Button2 = nullptr;   // "Sulje" (2)
  QPushButton* BitBtn1 = nullptr;   // "OHJE"

  // ---- Members ----
  bool NeedsRefresh = false;  // the next activation recomputes everything
  bool NewStand = true;       // another stand was loaded: reset all choices
  int PriceClass = -1;        // price class of the default prices shown
  bool AskStemPrice = true;   // the stem-price question is still to be asked
  bool InPriceSwitch = false; // price edits rewritten by the program
  int SavedShiftIndex = 0;    // shift kept while the shift list is disabled
  // Pine and spruce: the price not shown in the log row's edit.
  std::array<trade::StemPrices, 2> SavedPrices{};

  // ---- Services ----
  // The ten price edits from the mean prices of the price settings, raised
  // or lowered by the price class of the cutting.
  void SetDefaultTradePrices();
  // A full price reset: stem prices off, default prices, the question asked
  // again (a new stand, another price class or saved price settings).
  void ResetPrices();
  // mode 0 beside the report, 1 centred, 2 centred across under the
  // report's top; withCaption lets the panel say "Liitä raporttiin".
  void PlaceReportPanel(int mode, bool withCaption);
  int CuttingMethodPriceClass() const;
  // The sale as the window shows it, for the stand report.
  raport::SaleReportTexts SaleReport() const;

  // ---- The recalculation ----
  void RecalculateTimberSale(bool withCaptions);
  void RefreshSaleRowCaptions(bool withCaptions);
  void ShowPrepaymentTax();
  void UpdateLogShiftList();
  void FlashAndRecalculate(bool withCaptions);
  void ShowSalePicture(bool show);
  // The unshifted whole-stand removal of the open stand's cutting.
  AssortmentVolumes RemovalOfStand() const;
  trade::SaleChoices Choices() const;

  // ---- Handlers ----
  void FormActivate();
  void OnSaleRowClick(bool updateShift);
  void OnChange1();
  void ComboBox1Change();
  void ComboBox4Change();
  void CheckBox14Click();
  void CheckBox15Click();
  void RadioGroup1Click();
  void CheckBox10Click();
  void Label24Click();
  void Panel11Click();
  void BitBtn1Click();

  // Shows the window modally: 1 when the sale is to be attached to the
  // report, 2 when closed.
  int ShowModal();

 signals:
  // The stand report asked for over this window (the report window, above
  // this one, opens itself; app/ connects it).
  void standReportRequested();

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void CreateRows();
  void CreateSideControls();
  void CreateChartAndButtons();
  void SetSaleCaptions();
  // The unit labels in the currency of the settings (at creation; the main
  // window's currency captions set them afterwards).
  void ShowUnitCaptions();
  void ResetSaleChoices();
  void SetStemPriceBoxState(QCheckBox* box, int logRemoval);
  void ShowLogShiftEffect(trade::ShiftState state, int moved, int value, int unshifted);
  void ShowStemHints();
  void SwitchStemPrice(int species, QCheckBox* box, QCheckBox* logRow, QLabel* hint);
  // The pine (0) or spruce (1) log edit switched to the stem price (aqua)
  // or back to the log price, the other price kept.
  void ShowStemOrLogPrice(int species, bool stem);
  void ShowSampleArea(bool show);
  void PlaceLowerPart();
  SaleRow& RowOf(int assortment);
  const SaleRow& RowOf(int assortment) const;
  float PriceOf(const SaleRow& row) const;
  void ShowPrice(QLineEdit* edit, float price);
  int LogShiftPercent() const;
  void ClearActiveControl();

  int chartBottom_ = 0;  // the bottom of the chart (the sample picture below it)
};

extern TTradeForm* TradeForm;
