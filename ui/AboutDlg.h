#pragma once
// The about box: the program title, two pictures and a few fixed lines.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);
  QFrame* Panel1 = nullptr;
  QLabel* ProductName = nullptr;
  QLabel* ProgramIcon = nullptr;
  QLabel* TreePicture = nullptr;
  QPushButton* BitBtn1 = nullptr;  // close
  void FormActivate();

 protected:
  void showEvent(QShowEvent* e) override;
};

extern TAboutBox* AboutBox;
