#pragma once
// The notice window: a caption and one line over a close button.

#include "ui/MessageWindow.h"

class QLabel;

// Geometry of the notice window for a line of the given width; window width
// and height are outer sizes, left/top its place on the screen.
struct NoticeLayout {
  int windowWidth = 0;
  int panelWidth = 0;
  int lineLeft = 0;
  int buttonLeft = 0;
  int left = 0;
  int top = 0;
};
NoticeLayout ComputeNoticeLayout(int lineWidth, int buttonWidth, int windowHeight, int screenWidth,
                                 int screenHeight);

class TErrorForm : public TMessageWindow {
  Q_OBJECT
 public:
  explicit TErrorForm(QWidget* parent = nullptr);
  QLabel* errorMsg = nullptr;
  void FormActivate() override;
};

extern TErrorForm* ErrorForm;
