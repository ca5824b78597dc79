#pragma once
// The selection cutting dialog `TPlocCuttForm` (one object, `PlocCuttForm`):
// mainly large trees taken out until a chosen cutting removal is reached,
// tried into the phase after the current one. The main window disables its
// removal list and writes the reasons when the stand fails the selection
// cutting's requirements; the window then shows only the explanation.

#include <QString>

#include "operations/CuttingFrame.h"
#include "operations/PlocCuttRules.h"

class QCheckBox;
class QFrame;
class QTextEdit;
class TRadioGroup;

// The stem-count question after a cutting that leaves n stems/ha: 1 for
// "Jatka", 2 for "Peru". The selection flag chooses the advice line (set by
// the selection cutting, clear for the species removal).
int ConfirmStemCountAfterCutting(bool selection, int stems, const QString& caption);

class TPlocCuttForm : public TCuttingForm {
  Q_OBJECT
 public:
  explicit TPlocCuttForm(QWidget* parent = nullptr);  // FormCreate
  ~TPlocCuttForm() override;

  QTextEdit* RichEdit1 = nullptr;   // explanation
  QLabel* Label18 = nullptr;        // hidden, measures a line of RichEdit1
  QFrame* Panel1 = nullptr;         // options
  TRadioGroup* RadioGroup1 = nullptr;  // removal choices, m3/ha; "0" no cutting
  QCheckBox* CheckBox2 = nullptr;   // more weight on large trees
  QFrame* Panel2 = nullptr;         // pictures, result labels, chart
  QFrame* Panel5 = nullptr;         // buttons, operation text, reasons
  QLabel* Label5 = nullptr;         // reasons (written by the main window)
  QLabel* Label6 = nullptr;

  void FormActivate() override;
  void RadioGroup1Click();
  void CheckBox1Click();
  void BuildSelectionRemovalList();
  void RunSelectionCutting(int target, int volume, bool heavy, const QString& remainingCaption,
                           const QString& removalCaption);
  void ShowSelectionResult(bool cut);

 protected:
  void BitBtn1Click() override;

 private:
  SelectionRemovalList list_;
};

extern TPlocCuttForm* PlocCuttForm;
