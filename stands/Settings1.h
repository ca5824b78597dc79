#pragma once
// The recommendation settings window (unit Settings1): the stand thresholds at
// which a final cutting, a thinning or the clearing of a dense young stand is
// recommended, and the switch that turns the recommendations off. The user
// chooses the pine, spruce and mixed-stand values; the birch values follow
// from the same choices and are shown as text lines.

#include <QGroupBox>
#include <QStringList>

#include "model/Settings.h"
#include "stands/Settings.h"
#include "ui/RadioGroup.h"

class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;
class QTextEdit;

class TSettForm1 : public TSettingsWindow {
  Q_OBJECT
 public:
  explicit TSettForm1(QWidget* parent = nullptr);
  ~TSettForm1() override;

  // ---- Controls (layout names) ----
  QCheckBox* CheckBox1 = nullptr;     // recommendations off
  QTabWidget* PageControl2 = nullptr;  // final cutting, thinning, clearing
  QWidget *TabSheet1 = nullptr, *TabSheet2 = nullptr, *TabSheet3 = nullptr;
  // Final-cutting page.
  QFrame* Panel1 = nullptr;   // pine, spruce and mixed stands
  QFrame* Panel2 = nullptr;   // birch
  QLabel* Label1 = nullptr;   // heading of Panel1
  QLabel* Label2 = nullptr;   // heading of Panel2
  QLabel* Label3 = nullptr;   // "ja" between the groups
  TRadioGroup* RadioGroup1 = nullptr;  // basal area at least
  TRadioGroup* RadioGroup2 = nullptr;  // mean diameter at least
  QLabel* Label29 = nullptr;  // birch final-cutting line
  QTextEdit* RichEdit1 = nullptr;
  // Thinning page.
  QFrame* Panel3 = nullptr;
  QFrame* Panel4 = nullptr;
  QLabel* Label4 = nullptr;   // heading of Panel3
  QLabel* Label5 = nullptr;   // heading of Panel4
  QLabel* Label6 = nullptr;   // "ja"
  TRadioGroup* RadioGroup3 = nullptr;  // mean height below
  TRadioGroup* RadioGroup4 = nullptr;  // basal area at least
  QLabel* Label23 = nullptr;  // pine and spruce case-1 target
  QLabel* Label13 = nullptr;  // pine and spruce case-2 line
  QLabel* Label30 = nullptr;  // pine and spruce case-2 target
  QLabel* Label14 = nullptr;  // birch case-1 line
  QLabel* Label31 = nullptr;  // birch case-1 target
  QLabel* Label15 = nullptr;  // birch case-2 line
  QLabel* Label32 = nullptr;  // birch case-2 target
  QTextEdit* RichEdit2 = nullptr;
  // Clearing page.
  QFrame* Panel5 = nullptr;
  QLabel* Label7 = nullptr;   // heading
  TRadioGroup* RadioGroup5 = nullptr;  // stem-count lower limit
  QTextEdit* RichEdit3 = nullptr;
  // Buttons.
  QFrame* Panel6 = nullptr;
  QPushButton* Button2 = nullptr;  // restore defaults

  // ---- Choices and thresholds ----
  model::RecommendationChoices Choices() const;
  // Selects the choices (the groups' click handlers run for every change).
  void ShowChoices(const model::RecommendationChoices& c);
  // The recommendation page: the record's choices shown; the window's saved.
  void ShowSettings(const model::SettingsRecord& s) override;
  model::SettingsSaveResult SaveShownSettings() override;
  int FinalCutBasalArea(bool birch) const;
  int FinalCutMeanDiameter(bool birch) const;
  int ThinningHeightLimit(bool birch) const;
  int ThinningBasalArea(bool birch) const;
  int TallStandThinningBasalArea(bool birch) const;
  int StemCountLowerLimit() const;
  bool RecommendationsOff() const;

  // ---- Handlers ----
  void FormCreate();
  void FillRecommendationWindowTexts();
  void FormActivate() override;
  void ShowBirchFinalCutText();
  void ShowThinningTexts();
  void CentreThinningTexts();
  void RadioGroup5Click();
  void CheckBox1Click();
  void Button2Click();

 private:
  void LayoutPages();
};

extern TSettForm1* SettForm1;

// The recommendation switch, read live by the main window.
bool RecommendationsOff();
