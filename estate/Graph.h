#pragma once
// The estate charts window `TGraphForm` (one object, `GraphForm`): the whole
// estate as three horizontal bar charts: development classes and site types
// by measured stock or area, and the timber assortments of the stock at a
// time point or of the removal, as volumes or values. It opens the estate
// overview ("Taulukot"). The chart contents are in GraphRules.

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class TEstateChart;
class TRadioGroup;

class TGraphForm : public QDialog {
  Q_OBJECT
 public:
  explicit TGraphForm(QWidget* parent = nullptr);  // FormCreate

  // ---- Controls (layout names) ----
  QFrame* Panel2 = nullptr;          // holds the charts and options
  TEstateChart* Chart3 = nullptr;    // development classes (HorizBarSeries2)
  TEstateChart* Chart1 = nullptr;    // site types (HorizBarSeries1)
  TEstateChart* Chart4 = nullptr;    // timber assortments (HorizBarSeries3)
  TRadioGroup* RadioGroup1 = nullptr;  // the estate time point
  QCheckBox* CheckBox1 = nullptr;    // "hakkuukertymä"
  QCheckBox* CheckBox2 = nullptr;    // currency
  QCheckBox* CheckBox3 = nullptr;    // distributions by area
  QLabel* Label3 = nullptr;          // stand count and total area
  QPushButton* Button1 = nullptr;    // "Sulje"
  QPushButton* BitBtn2 = nullptr;    // " Ohje"
  QPushButton* Button2 = nullptr;    // "Taulukot"
  QFrame* Panel5 = nullptr;          // "info"

  // Set by the opener before each showing: the activation rebuilds the
  // window, the option handlers do nothing meanwhile.
  bool Rebuilding = false;

  void ShowDevelopmentClassChart(bool byVolume);
  void ShowSiteTypeChart(bool byVolume);
  void ShowEstateAssortmentChart();
  // Beside the estate overview (beside set) or on its own place.
  void PlaceChartWindow(bool beside);
  // The time-point items copied from the main window, and the group's height.
  void SetTimePointItems(const QStringList& items);
  void SetTimePointGroupHeight(int height);

  // ---- Handlers ----
  void FormActivate();
  void CheckBox1Click();
  void CheckBox2Click();
  void CheckBox3Click();
  void RadioGroup1Click();
  void BitBtn2Click();
  void Panel5Click();
  void Button2Click();

  int ShowModal();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void StackControls();
  // The handlers run only while the window is shown and not rebuilding.
  bool HandlersActive() const;
};

extern TGraphForm* GraphForm;
