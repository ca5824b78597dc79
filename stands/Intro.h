#pragma once
// The start window `TIntroForm` (one object, `IntroForm`): what the user
// sees before the first stand is opened, and the holder of the application's
// data for the whole run (the open stand, the program folder, the path of the
// open stand file).

#include <QString>
#include <QWidget>
#include <memory>

#include "model/Data.h"
#include "model/Estate.h"
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

  // ---- The application's data ----
  int SmallestSizeIndex = -1;
  int SizeIndex = -1;
  bool FirstActivation = true;
  bool FirstStandActivation = true;
  std::unique_ptr<::data> CurrentStand;
  QString ProgramFolder;
  QString StandPath;
  // The estate stand list: one record per stand file of the open stand's
  // folder, in the order of the main window's stand-file list (record i is
  // item i). Rebuilt by OpenEstateFolder.
  EstateRecordList EstateRecords;

  // ---- Handlers ----
  void FormActivate();
  void ListBox1Click(int index);
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void SetStandPath(const QString& path) { StandPath = path; }
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
  // Set once the first activation has offered the window sizes.
  bool sizeChoiceReady_ = false;
};

extern TIntroForm* IntroForm;

// The open stand, or nullptr while none is open (or before the start window
// is made). Every window reaches the stand through this.
::data* OpenedStand();

// The folder that holds the program folder.
QString ProgramParentFolder();
// The estates folder beside the program folder ("Metsätilat").
QString EstatesFolder();
