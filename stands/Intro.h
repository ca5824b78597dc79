#pragma once
// The start window `TIntroForm` (one object, `IntroForm`): what the user
// sees before the first stand is opened. It takes the program folder into the
// session at its first activation; the open stand and its file are the
// session's (ui/Session.h).

#include <QString>
#include <QWidget>

#include "stands/IntroRules.h"

class QLabel;
class QListWidget;
class QPushButton;

class TIntroForm : public QWidget {
  Q_OBJECT
 public:
  explicit TIntroForm(QWidget* parent = nullptr);  // IntroCreate
  ~TIntroForm() override;

  // ---- Controls (layout names) ----
  QLabel* Image1 = nullptr;   // start picture, shown by the main window
  QLabel* Image2 = nullptr;   // program icon
  QLabel* Label4 = nullptr;   // program title
  QLabel* Label6 = nullptr;   // first description line
  QLabel* Label8 = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* Label10 = nullptr;
  QLabel* Label11 = nullptr;
  QLabel* Label12 = nullptr;
  QLabel* Label13 = nullptr;
  QLabel* Label14 = nullptr;
  QLabel* Label15 = nullptr;
  QLabel* Label17 = nullptr;  // hint line
  QLabel* Label5 = nullptr;   // caption of the size list
  QListWidget* ListBox1 = nullptr;  // window size
  QPushButton* Button3 = nullptr;   // stand list
  QPushButton* Button2 = nullptr;   // new stand
  QPushButton* Button1 = nullptr;   // close
  QString OpenDialog1Filter;        // filter of the stand-file open dialog

  // ---- State ----
  int SmallestSizeIndex = -1;
  int SizeIndex = -1;
  bool FirstActivation = true;
  bool FirstStandActivation = true;

  // ---- Handlers ----
  void FormActivate();
  void ListBox1Click(int index);
  void Button1Click();
  void Button2Click();
  void Button3Click();
  // Shows the start picture (the main window's first activation does).
  void ShowStartPicture();
  // The description lines in order (Label6, Label8 ... Label15).
  QList<QLabel*> DescriptionLines() const;

 protected:
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;
  bool event(QEvent* e) override;

 private:
  void LayOutStartDisplay();
  void ClearActiveControl();
};

extern TIntroForm* IntroForm;
