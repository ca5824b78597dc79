#pragma once
// The stand-age dialog `TAgesForm` (one object, `AgesForm`, unit Ages):
// before the first growth the user gives the age of each species of the
// open stand; "Jatka" opens the growth dialog over it and closes with OK
// when that dialog does.

#include <QDialog>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

class TAgesForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAgesForm(QWidget* parent = nullptr);  // FormCreate
  ~TAgesForm() override;

  // ---- Controls (layout names) ----
  QFrame* Panel1 = nullptr;     // the species columns
  QFrame* Panel5 = nullptr;     // hint and buttons
  QLabel* Label28 = nullptr;    // row title of the age lists
  QLabel* Label8 = nullptr;     // "keskiläpimitta"
  QLabel* Label9 = nullptr;     // "keskipituus"
  QLabel* Label2 = nullptr;     // hint
  QPushButton* BitBtn2 = nullptr;  // "Jatka" (default)
  QPushButton* BitBtn1 = nullptr;  // "Peru" (modal result 2)
  // Per species 0 pine .. 4 alder: header, age list, mean diameter, mean
  // height and the "hakattu" label of a species cut out.
  QLabel* Header[5] = {};
  QComboBox* AgeList[5] = {};
  QLabel* DiameterLabel[5] = {};
  QLabel* HeightLabel[5] = {};
  QLabel* CutLabel[5] = {};

  // Rebuilds the five lists for the open stand (each stand activation).
  void PrepareAgeChoices();
  void FillAgeChoices(int first, int count, QComboBox* list);
  // ages[k] of each species whose list is visible; other entries as given.
  void ReadChosenAges(int ages[5]) const;
  // raised 0: at 40 % of the free height, 50 % of the free width; 1: 30 %
  // and 40 % (the growth dialog opened over it).
  void PlaceAgesWindow(int raised);
  void ShowSpeciesMeans(int k, QLabel* diameter, QLabel* height);
  void SetAgesFormTexts();

  // ---- Handlers ----
  void FormActivate();
  void ComboBox1Change();
  void BitBtn2Click();
  // Shows the window modally: 1 when the growth dialog was accepted,
  // otherwise 2.
  int ShowModal();

 protected:
  void showEvent(QShowEvent* e) override;
};

extern TAgesForm* AgesForm;
