#pragma once
// The question window: a caption, two lines, a yes button (modal result 1)
// and a close button (2). An empty yes caption hides the yes button.

#include "ui/MessageWindow.h"

class QLabel;

struct QuestionLayout {
  int windowWidth = 0;
  int panelWidth = 0;
  int lineLeft = 0;
  int closeLeft = 0;
  int yesLeft = 0;
  int left = 0;
  int top = 0;
};
// tradeWindowTop: the top of the timber-sale window while it is shown, else
// negative (the question then sits at 0.4 of the free screen height).
QuestionLayout ComputeQuestionLayout(int line1Width, int line2Width, int yesWidth, int closeWidth,
                                     int windowHeight, int screenWidth, int screenHeight,
                                     int tradeWindowTop);

class TAskForm : public TMessageWindow {
  Q_OBJECT
 public:
  explicit TAskForm(QWidget* parent = nullptr);
  QLabel* askMsg1 = nullptr;
  QLabel* askMsg2 = nullptr;
  QPushButton* BitBtn1 = nullptr;  // yes, modal result 1
  void FormActivate() override;
};

extern TAskForm* AskForm;

// The visible top-level window of the given object name, or nullptr.
QWidget* VisibleWindowNamed(const QString& name);
