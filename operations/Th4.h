#pragma once
// The species removal dialog `TTh4Form` (one object, `Th4Form`): chosen
// species removed whole, or (on the thinning stage) only their trees
// smaller than pulpwood, tried into the phase after the current one.

#include <array>

#include "operations/CuttingFrame.h"
#include "operations/Th4Rules.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;

class TTh4Form : public TCuttingForm {
  Q_OBJECT
 public:
  explicit TTh4Form(QWidget* parent = nullptr);  // FormCreate
  ~TTh4Form() override;

  QFrame* Panel2 = nullptr;      // species rows and guidance
  QGroupBox* GroupBox1 = nullptr;
  std::array<QCheckBox*, 5> CheckBoxes{};  // CheckBox1 .. CheckBox5: pine .. alder
  std::array<QComboBox*, 5> ComboBoxes{};  // ComboBox1 .. ComboBox5
  std::array<QLabel*, 5> GuidanceLines{};  // Label8, Label5, Label7, Label9, Label14
  QFrame* Panel6 = nullptr;      // pictures, result labels, chart
  QFrame* Panel5 = nullptr;      // buttons and operation text

  bool AllRemoved = false;

  void FormActivate() override;
  void CheckBoxClick(int species);
  void ComboBoxChange();
  void CheckBox6Click();
  void FillSpeciesChoices(const int small[kSpeciesSlots]);
  void RecalculateSpeciesRemoval();
  void ShowSpeciesRemovalResult(int removed);

 protected:
  void BitBtn1Click() override;

 private:
  bool ThinningStage() const;
};

extern TTh4Form* Th4Form;
