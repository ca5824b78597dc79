#pragma once
// The regeneration cutting dialog `TClearForm` (one object, `ClearForm`): a
// small-gap cutting, a clear-cut with retention-tree groups, a seed-tree
// cutting, a shelterwood cutting or a strip cutting of the open stand, one
// per page, tried into the phase after the current one. Which pages the
// stand allows is decided at each opening; the main window hides the strip
// page (and with it every page but the clear-cut) before opening the dialog
// when the stand's mean diameter is below 18 cm.

#include <QString>

#include "operations/ClearRules.h"
#include "operations/CuttingFrame.h"

class QCheckBox;
class QFrame;
class QLabel;
class QTabWidget;
class QTextEdit;
class TRadioGroup;

class TClearForm : public TCuttingForm {
  Q_OBJECT
 public:
  explicit TClearForm(QWidget* parent = nullptr);  // FormCreate
  ~TClearForm() override;

  // ---- Controls (layout names) ----
  QTextEdit* RichEdit2 = nullptr;   // the regeneration methods
  QLabel* Label3 = nullptr;         // hidden, measures a line of RichEdit2
  QTabWidget* PageControl1 = nullptr;
  QWidget* TabSheet5 = nullptr;     // page 0: small gap
  QWidget* TabSheet1 = nullptr;     // page 1: clear-cut with retention groups
  QWidget* TabSheet2 = nullptr;     // page 2: seed trees
  QWidget* TabSheet3 = nullptr;     // page 3: shelter trees
  QWidget* TabSheet4 = nullptr;     // page 4: strips
  QFrame* Panel10 = nullptr;        // small-gap page
  TRadioGroup* RadioGroup8 = nullptr;  // gap size, ha
  QFrame* Panel2 = nullptr;         // clear-cut page
  QFrame* Panel1 = nullptr;         // its left panel
  TRadioGroup* RadioGroup1 = nullptr;  // retention groups per ha
  TRadioGroup* RadioGroup2 = nullptr;  // retention trees per group
  QFrame* Panel4 = nullptr;         // seed-tree page
  QFrame* Panel3 = nullptr;         // its left panel
  QLabel* Label2 = nullptr;         // "puulajit"
  QCheckBox* CheckBox1 = nullptr;   // pine
  QCheckBox* CheckBox2 = nullptr;   // birch
  TRadioGroup* RadioGroup3 = nullptr;  // seed trees per ha
  TRadioGroup* RadioGroup6 = nullptr;  // seed-tree size
  QFrame* Panel6 = nullptr;         // shelterwood page
  QFrame* Panel5 = nullptr;         // its left panel
  QLabel* Label1 = nullptr;         // "puulajit"
  QCheckBox* CheckBox5 = nullptr;   // spruce, always kept
  QCheckBox* CheckBox3 = nullptr;   // pine
  QCheckBox* CheckBox4 = nullptr;   // birch
  TRadioGroup* RadioGroup4 = nullptr;  // shelter trees per ha
  TRadioGroup* RadioGroup7 = nullptr;  // shelter-tree size
  QFrame* Panel7 = nullptr;         // strip page
  TRadioGroup* RadioGroup5 = nullptr;  // strip width, m
  QFrame* Panel8 = nullptr;         // the 1-ha samples, result labels and chart
  QFrame* Panel9 = nullptr;         // the operation text and the buttons

  // ---- State ----
  // The description of the trial cutting: the trial phase's name.
  QString OperationText;
  bool FirstActivation = true;

  void FormActivate() override;
  void SetAllowedCuttingTypes();
  void RefreshPreview();
  void TrySmallGapCut();
  void TryClearCut();
  void TrySeedTreeCut();
  void TryShelterwoodCut();
  void TryStripCut();
  void RefreshSampleCaptions();
  // Handlers.
  void RadioGroup1Click();
  void RadioGroup2Click();  // every option and the page change
  void PageControl1Change();
  void CheckBox5Click();
  void CheckBox6Click();

 protected:
  void BitBtn1Click() override;

 private:
  void SetClearFormTexts();
  void LayoutVertically();
  // The number an item of a group stands for (0 without a choice).
  static int ChosenValue(const TRadioGroup* group);
  int ActivePage() const;
};

extern TClearForm* ClearForm;
