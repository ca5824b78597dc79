#pragma once
// The estate report window `TdbRapForm` (one object, `dbRapForm`): the
// estate overview's tables as a fixed-width text report (dbRaportRules.h)
// with up to three sections chosen by check boxes, printed with the print
// button. It reads only what the overview shows, never the stand files.
//
// Opened modally from the estate overview's report button.

#include <QDialog>
#include <QStringList>

#include "estate/dbRaportRules.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QTableWidget;

class TdbRapForm : public QDialog {
  Q_OBJECT
 public:
  explicit TdbRapForm(QWidget* parent = nullptr);  // FormCreate
  ~TdbRapForm() override;

  // ---- Controls (layout names) ----
  QPlainTextEdit* Memo2 = nullptr;  // the report
  QFrame* Panel1 = nullptr;         // buttons
  QCheckBox* CheckBox3 = nullptr;   // the distribution (its caption: the overview's choice)
  QCheckBox* CheckBox4 = nullptr;   // "puutavaralajit ja hakkuukertymä"
  QCheckBox* CheckBox5 = nullptr;   // the stand table (caption set by the overview)
  QPushButton* Button2 = nullptr;   // "Tulosta"
  QPushButton* Button1 = nullptr;   // "Sulje"
  QLabel* Label47 = nullptr;        // hidden, in the overview stand table's font

  QStringList MemoLines() const;
  // Sizes the window for the screen: memo 760 wide and 0.85 of the screen
  // height high (at most 840), the buttons under it.
  void LayoutReportWindow();
  void BuildEstateReport();

  // ---- Handlers ----
  void FormActivate();
  void CheckBox3Click();
  void Button2Click();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  dbraport::OverviewTable TableOf(QLabel* title, QTableWidget* heading, QTableWidget* rows,
                                  QTableWidget* totals) const;
};

extern TdbRapForm* dbRapForm;
