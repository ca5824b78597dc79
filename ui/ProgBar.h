#pragma once
// The progress window of the busy display: a bar 0..100 in two panels, no
// title-bar buttons, on top of the other windows. The busy display creates
// one for each use and destroys it afterwards.

#include <QDialog>
#include <QRect>

class QFrame;
class QProgressBar;

// Place of a progress window of the given outer size: over the anchor window
// (centred across, 0.42 of the free height down) when one is given, else at
// 0.5 / 0.4 of the free screen.
QPoint ComputeProgressPosition(int windowWidth, int windowHeight, int screenWidth, int screenHeight,
                               const QRect* anchor);

class TProgBarForm : public QDialog {
  Q_OBJECT
 public:
  explicit TProgBarForm(QWidget* parent = nullptr);
  QFrame* Panel1 = nullptr;
  QFrame* Panel2 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  // Pads the caption and places the window over the measurement or the
  // open-stand window when one of them is shown.
  void FormActivate();
};

extern TProgBarForm* ProgBarForm;
