#pragma once
// The thinning dialog `TTh1Form` (one object, `Th1Form`): a low or high
// thinning to a chosen cutting removal, stem count, basal area or minimum
// distance between the trees left, tried into the phase after the current
// one.

#include <QString>

#include "operations/CuttingFrame.h"
#include "operations/Th1Rules.h"

class QFrame;
class QListWidget;
class QTabWidget;
class TRadioGroup;

class TTh1Form : public TCuttingForm {
  Q_OBJECT
 public:
  explicit TTh1Form(QWidget* parent = nullptr);  // FormCreate
  ~TTh1Form() override;

  QFrame* Panel7 = nullptr;  // options: type list and pages
  QListWidget* ListBox3 = nullptr;  // "alaharvennus", "yläharvennus"
  QTabWidget* PageControl1 = nullptr;
  QWidget* TabSheet3 = nullptr;  // page 0: removal
  QWidget* TabSheet1 = nullptr;  // page 1: stem count
  QWidget* TabSheet2 = nullptr;  // page 2: basal area
  QWidget* TabSheet4 = nullptr;  // page 3: minimum distance
  QFrame* Panel2 = nullptr;
  QFrame* Panel3 = nullptr;
  QFrame* Panel4 = nullptr;
  QFrame* Panel5 = nullptr;
  TRadioGroup* RadioGroup3 = nullptr;  // removal, m3/ha
  TRadioGroup* RadioGroup1 = nullptr;  // stems/ha
  TRadioGroup* RadioGroup2 = nullptr;  // basal area, m2/ha
  TRadioGroup* RadioGroup4 = nullptr;  // minimum distance
  QLabel* Label5 = nullptr;  // stems before the cutting
  QLabel* Label6 = nullptr;  // basal area before the cutting
  QFrame* Panel6 = nullptr;  // pictures, result labels, chart
  QFrame* Panel1 = nullptr;  // buttons and operation text

  bool Feasible = false;
  QString OperationText;

  void FormActivate() override;
  void PageControl1Change();
  void RadioGroupClick();
  void ListBox3Click();
  void CheckBox1Click();
  void SetThinningCaptions(int type);
  void RecalculateThinning();

 protected:
  void BitBtn1Click() override;
  void BitBtn3Click() override;

 private:
  // The numbers the items of each list stand for.
  ThinningChoices removal_, stems_, basal_, distance_;
  int startVolume_ = 0;
};

extern TTh1Form* Th1Form;
