#pragma once
// The regeneration cost estimate `TNewFrstForm` (one window, `NewFrstForm`):
// what regenerating the open stand costs after its regeneration cutting, per
// hectare and for the whole stand, in three parts (clearing or burning, soil
// preparation, and after a clear-cut the cultivation by planting or
// seeding). The user's nine choices are kept with the stand as its
// regeneration choices; the main window and the reports read the estimate's
// texts from this window.
//
// The controls always show the stand's stored choices outside an opening:
// the main window loads them (LoadRegenerationChoices) whenever a
// regeneration cutting is recorded or replayed, and Cancel loads them back.

#include <QDialog>

#include <array>

#include "operations/NewFrstRules.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;
class QTextEdit;
class TRadioGroup;
class data;

class TNewFrstForm : public QDialog {
  Q_OBJECT
 public:
  explicit TNewFrstForm(QWidget* parent = nullptr);
  ~TNewFrstForm() override;

  // ---- Controls (layout names) ----
  QTextEdit* RichEdit1 = nullptr;     // what regenerates naturally, what is cultivated
  QLabel* Label23 = nullptr;          // hidden, measures a line of RichEdit1
  QTabWidget* PageControl1 = nullptr;
  QWidget* TabSheet1 = nullptr;       // clearing / burning
  QWidget* TabSheet2 = nullptr;       // soil preparation
  QWidget* TabSheet3 = nullptr;       // cultivation
  // Clearing page.
  QFrame* Panel3 = nullptr;
  TRadioGroup* RadioGroup3 = nullptr;  // clearing method
  QLabel* Label20 = nullptr;           // method caption of the cost list
  QComboBox* ComboBox5 = nullptr;      // clearing cost per ha
  QLabel* Label4 = nullptr;            // currency per ha
  QLabel* Label22 = nullptr;           // clearing cost of the stand
  // Soil-preparation page.
  QFrame* Panel4 = nullptr;
  TRadioGroup* RadioGroup1 = nullptr;  // soil-preparation method
  QLabel* Label1 = nullptr;
  QComboBox* ComboBox1 = nullptr;      // soil-preparation cost per ha
  QLabel* Label9 = nullptr;            // currency per ha
  QLabel* Label5 = nullptr;            // soil-preparation cost of the stand
  // Cultivation page.
  QFrame* Panel5 = nullptr;
  TRadioGroup* RadioGroup4 = nullptr;  // method
  TRadioGroup* RadioGroup2 = nullptr;  // species
  QLabel* Label10 = nullptr;           // method and species
  QLabel* Label2 = nullptr;            // "määrä"
  QComboBox* ComboBox2 = nullptr;      // stems or kg per ha
  QLabel* Label21 = nullptr;           // its unit
  QLabel* Label3 = nullptr;            // the amount for the stand
  QLabel* Label11 = nullptr;           // material caption
  QComboBox* ComboBox3 = nullptr;      // material price
  QLabel* Label13 = nullptr;           // its unit
  QLabel* Label15 = nullptr;           // material per ha
  QLabel* Label16 = nullptr;           // material per stand
  QLabel* Label12 = nullptr;           // work caption
  QComboBox* ComboBox4 = nullptr;      // work price
  QLabel* Label19 = nullptr;           // its unit
  QLabel* Label17 = nullptr;           // work per ha
  QLabel* Label18 = nullptr;           // work per stand
  // Summary.
  QFrame* Panel2 = nullptr;
  QLabel* Label24 = nullptr;           // title
  QLabel* Label14 = nullptr;           // clearing line
  QLabel* Label6 = nullptr;
  QLabel* Label28 = nullptr;
  QLabel* Label25 = nullptr;           // soil-preparation line
  QLabel* Label29 = nullptr;
  QLabel* Label30 = nullptr;
  QLabel* Label26 = nullptr;           // cultivation line
  QLabel* Label60 = nullptr;           // material line
  QLabel* Label58 = nullptr;
  QLabel* Label59 = nullptr;
  QLabel* Label61 = nullptr;           // work line
  QLabel* Label62 = nullptr;
  QLabel* Label63 = nullptr;
  QFrame* Bevel1 = nullptr;            // rule above the total line
  QLabel* Label27 = nullptr;           // total line
  QLabel* Label7 = nullptr;            // total per ha
  QLabel* Label8 = nullptr;            // total per stand
  // Buttons.
  QFrame* Panel6 = nullptr;
  QPushButton* BitBtn1 = nullptr;      // OK
  QPushButton* BitBtn2 = nullptr;      // Peru

  // ---- State ----
  // Set by every computation of the estimate, cleared at each opening.
  bool EstimateChanged = false;

  // Shows the window modally: 1 for OK, 2 otherwise.
  int ShowModal();
  void done(int r) override;

  // ---- Services of other windows ----
  bool NextOperationIsClearCut() const;
  void SetupRegenerationPage();
  QString RegenerationTitle(bool shortForm) const;
  void LoadRegenerationChoices();
  void StoreRegenerationChoices();
  void ComputeRegenerationEstimate();
  void UpdatePriceUnitLabels();
  bool HasRegenerationEstimate() const;
  QString RegenerationHintText() const;
  // Whether the cultivation page is offered (after a clear-cut).
  bool CultivationShown() const;
  // The estimate last computed, with every text shown.
  const RegenerationEstimate& Estimate() const { return estimate_; }

  // ---- Handlers ----
  void FormCreate();
  void FormActivate();
  void FormClose(int modalResult);
  void RadioGroup1Click();
  void RadioGroup2Click();
  void RadioGroup3Click();
  void RadioGroup4Click();
  void ComboBox1Change();
  void ComboBox2Change();
  void ComboBox3Change();
  void ComboBox4Change();
  void ComboBox5Change();

 private:
  // The user's last choice of each list per method within one opening (the
  // choices loaded from the stand are not remembered).
  enum RememberedList { AmountList = 0, MaterialList, WorkList, SpeciesList, kRememberedLists };
  void SyncMethodCombo(TRadioGroup* group, QComboBox* list, QLabel* label, bool recompute);
  void FillCultivationLists();
  void FillSpeciesList();
  void SetDefaultAmount();
  void ShowMethodCaption();
  void EnableOk();
  void SetNewFrstFormTexts();
  void LayoutPages();
  void LayoutSummary(bool clearCut);
  void Remember(RememberedList list, int index);
  int Remembered(RememberedList list) const;
  int Method() const;

  RegenerationEstimate estimate_;
  // [method - 1][list]; -1 when nothing is remembered.
  std::array<std::array<int, kRememberedLists>, 2> remembered_{};
  bool closing_ = false;
};

extern TNewFrstForm* NewFrstForm;
