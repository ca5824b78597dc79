#pragma once
// The message window: a caption and two centred lines over a close button.

#include "ui/MessageWindow.h"

class QLabel;

struct MessageLayout {
  int windowWidth = 0;
  int panelWidth = 0;
  int lineLeft = 0;
  int lineWidth = 0;  // both lines are this wide, their texts centred
  int buttonLeft = 0;
  int left = 0;
  int top = 0;
};
MessageLayout ComputeMessageLayout(int line1Width, int line2Width, int buttonWidth, int windowHeight,
                                   int screenWidth, int screenHeight);

class TMsgForm : public TMessageWindow {
  Q_OBJECT
 public:
  explicit TMsgForm(QWidget* parent = nullptr);
  QLabel* msg1 = nullptr;
  QLabel* msg2 = nullptr;
  void FormActivate() override;
};

extern TMsgForm* MsgForm;
