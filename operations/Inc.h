#pragma once
// The growth and forecast dialog `TIncForm` (one object, `IncForm`, unit
// Inc): the user chooses the length of a growing step (1 to 20 years) and
// may look at a 20-year forecast of the open stand; the caller reads the
// chosen item and grows. The forecast grows a copy and leaves the stand as
// it was; it is recomputed at the first showing after NeedsRecompute is set.

#include <QDialog>

#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;
class TRadioGroup;

class TIncForm : public QDialog {
  Q_OBJECT
 public:
  explicit TIncForm(QWidget* parent = nullptr);  // FormCreate
  ~TIncForm() override;

  // ---- Controls (layout names) ----
  QFrame* Panel1 = nullptr;        // title strip: Label3 and CheckBox1
  QFrame* Panel3 = nullptr;        // RadioGroup1 and Button2
  QFrame* Panel5 = nullptr;        // Label1 and the buttons
  QTableWidget* StringGrid1 = nullptr;  // the forecast table, display only
  TRadioGroup* RadioGroup1 = nullptr;   // growth period, 1..20 years
  QCheckBox* CheckBox1 = nullptr;  // "20 v kehitysennuste"
  QPushButton* Button2 = nullptr;  // "Uudistushakkuun ajoitus"
  QPushButton* BitBtn2 = nullptr;  // OK (1)
  QPushButton* BitBtn3 = nullptr;  // "Peru" (4)
  QPushButton* BitBtn1 = nullptr;  // "OHJE"
  QLabel* Label1 = nullptr;        // the choice line
  QLabel* Label3 = nullptr;        // the age line
  QLabel* Label4 = nullptr;        // hidden: measures texts

  // ---- State ----
  // Set by every main-view refresh, a changed age choice and saved price or
  // recommendation settings; the next showing recomputes the forecast.
  bool NeedsRecompute = false;
  // The annual value increment of each 5-year period (0 where a value is not
  // positive); the timing dialog reads them.
  std::array<float, 4> ValueGrowthFactors{};

  // The growing years of the chosen item (0 when none is chosen).
  int ChosenYears() const;

  void SetGrowthCaptions();
  void FillGrowthForecast(int startYear, bool noGrowthYet);
  void ShowGrowthChoice(int index);
  void ShowForecastTable(bool show);
  void PlaceGrowthWindows();
  void ShowGrowthHelp();

  // ---- Handlers ----
  void FormActivate();
  void RadioGroup1Click();
  void CheckBox1Click();
  void Button2Click();
  void BitBtn2Click();
  // Shows the window modally: 1 (OK with a period chosen), 4 ("Peru") or 2
  // (closed otherwise).
  int ShowModal();

 protected:
  void showEvent(QShowEvent* e) override;
};

extern TIncForm* IncForm;
