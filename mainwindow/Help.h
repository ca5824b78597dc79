#pragma once
// The help window `THelpDlg` (one object, `HelpDlg`): the user's manual as a
// tree of topics with a text for each, and a page of forestry concepts.

#include <QDialog>
#include <QString>
#include <QStringList>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextEdit;
class QTreeWidget;

class THelpDlg : public QDialog {
  Q_OBJECT
 public:
  explicit THelpDlg(QWidget* parent = nullptr);  // FormCreate

  QTextEdit* Memo1 = nullptr;
  QTabWidget* PageControl1 = nullptr;
  QWidget* TabSheet1 = nullptr;  // "Sovellus"
  QWidget* TabSheet2 = nullptr;  // "Käsitteitä"
  QTreeWidget* TreeView1 = nullptr;
  QListWidget* ListBox1 = nullptr;
  QFrame* Panel5 = nullptr;
  QPushButton* Button1 = nullptr;  // "Sulje"

  void FormActivate();
  void TreeView1Change();
  void PageControl1Change();
  void ListBox1Click();
  int ShowModal();

  // Fills the memo with the lines (none: an empty memo) and shows its top.
  void SetMemoLines(const QStringList& lines);
  // The memo's lines as last filled (the memo itself cannot tell one empty
  // line from none).
  QStringList MemoLines() const { return memoLines_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QStringList memoLines_;
};

// Shows the lines of a topic, or of a concept, in the window's memo.
void ShowHelpTopic(THelpDlg* window, const QString& title);
void ShowHelpConcept(THelpDlg* window, const QString& name);

// The start window's introduction as the general topic's three paragraphs:
// the description lines that are shown, joined with blanks.
QStringList IntroductionParagraphs();

extern THelpDlg* HelpDlg;
