#pragma once
// The stand report window `TRapForm` (one object, `RapForm`): a fixed-width
// text report of the open stand in a read-only memo (RaportRules.h writes
// the lines), extended on request by the timber sale and a stock estimate,
// and printed with the print button. It writes no file and changes no
// stand.
//
// Opened modally by the main window's report button and by the timber-sale
// window's report panel; every opening builds the report anew.

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QTextEdit;

class TRapForm : public QDialog {
  Q_OBJECT
 public:
  explicit TRapForm(QWidget* parent = nullptr);  // FormCreate
  ~TRapForm() override;

  // ---- Controls (layout names) ----
  QPlainTextEdit* Memo1 = nullptr;  // the report
  QFrame* Panel1 = nullptr;         // buttons
  QCheckBox* CheckBox1 = nullptr;   // "Lisää puustoarvio"
  QCheckBox* CheckBox3 = nullptr;   // "Lisää puukauppa"
  QPushButton* Button4 = nullptr;   // "Tulosta"
  QPushButton* Button1 = nullptr;   // "Sulje"
  QTextEdit* RichEdit1 = nullptr;   // hidden: wraps the notes as the notes editor does
  QLabel* Label3 = nullptr;         // hidden: the printed heading's font
  QLabel* Label2 = nullptr;         // hidden: the printed lines' font

  // ---- Members ----
  bool InBoxUpdate = false;  // the program sets the boxes or builds the report
  bool Initialised = false;  // the report of this opening is built

  // The report's lines as the memo holds them.
  QStringList MemoLines() const;
  // Builds the report (or adds the sale or the stock estimate to it).
  void ComposeStandReport(bool openSale, bool addStock);
  // The notes as the notes editor wraps them.
  QStringList WrappedNotesLines(const QString& notes);

  // ---- Handlers ----
  void FormActivate();
  void CheckBox3Click();
  void CheckBox1Click();
  void Button4Click();

  // Shows the window modally.
  int ShowModal();
  // Shows the window modally, built anew, over the timber-sale window that
  // asked for it (after the busy display over that window).
  void ShowOverSale(QWidget* sale);

 protected:
  void showEvent(QShowEvent* e) override;
  void done(int r) override;

 private:
  void StyleReportWindow();
  void SetMemoLines(const QStringList& lines, int showLine);
  void ClearActiveControl();
};

extern TRapForm* RapForm;
