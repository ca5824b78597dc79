#pragma once
// The help-text window: a caption and a text of any number of lines over a
// close button; it stays on top of the other windows.

#include "ui/MessageWindow.h"

class QLabel;
class QTextEdit;

// Height of a text block of lineCount lines whose measuring label is
// labelHeight pixels high: lineCount x labelHeight + 6.
int TextBlockHeight(int lineCount, int labelHeight);
// The same for a rich edit: the measuring label takes the edit's font; the
// edit's lines are counted as they wrap at its present width.
int TextBlockHeight(QLabel* label, QTextEdit* richEdit);
// The number of lines a rich edit shows at its present width.
int RichEditLineCount(QTextEdit* richEdit);

class TInfoForm : public TMessageWindow {
  Q_OBJECT
 public:
  explicit TInfoForm(QWidget* parent = nullptr);
  QTextEdit* RichEdit1 = nullptr;
  QLabel* Label1 = nullptr;  // hidden, measures a line of RichEdit1
  void FormActivate() override;
};

extern TInfoForm* InfoForm;
