#pragma once
// The regeneration timing dialog `TIncForm1` (one object, `IncForm1`, unit
// Inc1): the annual value increment of each 5-year period of the growth
// forecast against a minimum rate of return the user chooses, as a
// horizontal bar chart. Its numbers and the two lines come from the growth
// dialog.

#include <QDialog>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class TEstateChart;

class TIncForm1 : public QDialog {
  Q_OBJECT
 public:
  explicit TIncForm1(QWidget* parent = nullptr);  // FormCreate
  ~TIncForm1() override;

  // ---- Controls (layout names) ----
  QFrame* Panel2 = nullptr;     // the lines and the rate list
  QFrame* Panel5 = nullptr;     // the buttons
  QLabel* Label1 = nullptr;     // the state after 20 years
  QLabel* Label5 = nullptr;     // the question of the rate
  QComboBox* ComboBox4 = nullptr;  // minimum rate of return
  TEstateChart* Chart1 = nullptr;  // one bar per period
  QPushButton* Button2 = nullptr;  // "Sulje" (1)
  QPushButton* BitBtn1 = nullptr;  // "Ohje"

  void ShowTimingChart();
  // rate10: the chosen rate in tenths of a percent.
  void DrawTimingChart(float rate10);

  // ---- Handlers ----
  void FormActivate();
  void ComboBox4Change();
  void BitBtn1Click();
  int ShowModal();

 protected:
  void showEvent(QShowEvent* e) override;
};

extern TIncForm1* IncForm1;
