#pragma once
// The strip-road dialog `TRoadForm` (one object, `RoadForm`): parallel
// strip roads of a chosen width and spacing across the 200 m side of the
// 1-ha plot, tried into the phase after the current one.

#include "operations/CuttingFrame.h"

class QFrame;
class TRadioGroup;

class TRoadForm : public TCuttingForm {
  Q_OBJECT
 public:
  explicit TRoadForm(QWidget* parent = nullptr);  // FormCreate
  ~TRoadForm() override;

  QFrame* Panel2 = nullptr;   // road width
  QFrame* Panel1 = nullptr;   // road spacing
  QFrame* Panel6 = nullptr;   // pictures
  QFrame* Panel5 = nullptr;   // buttons and operation text
  TRadioGroup* RadioGroup2 = nullptr;  // width: "ei uria", 1.5 .. 5.0 m
  TRadioGroup* RadioGroup1 = nullptr;  // spacing: 10 .. 50 m

  void FormActivate() override;
  void RadioGroup1Click();
  void RecomputeStripRoads();
  void ComputeStripRoadRemoval(int k, const QString& name);

 protected:
  void BitBtn3Click() override;
};

extern TRoadForm* RoadForm;
