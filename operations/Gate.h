#pragma once
// The corridor thinning dialog `TGateForm` (one object, `GateForm`): narrow
// corridors at a fixed spacing across the 50 m side of the 1-ha plot, after
// strip roads, tried into the phase after the current one.

#include "operations/CuttingFrame.h"

class QFrame;
class TRadioGroup;

class TGateForm : public TCuttingForm {
  Q_OBJECT
 public:
  explicit TGateForm(QWidget* parent = nullptr);  // FormCreate
  ~TGateForm() override;

  QFrame* Panel2 = nullptr;  // corridor spacing
  QFrame* Panel1 = nullptr;  // corridor width
  QFrame* Panel6 = nullptr;  // pictures, result labels, chart
  QFrame* Panel5 = nullptr;  // buttons and operation text
  TRadioGroup* RadioGroup1 = nullptr;  // spacing 6 .. 12 m
  TRadioGroup* RadioGroup2 = nullptr;  // width 1.0 .. 2.5 m

  void FormActivate() override;
  void RadioGroup1Click();
  void CheckBox6Click();
  void RecomputeCorridorThinning();

 protected:
  void BitBtn3Click() override;
};

extern TGateForm* GateForm;
