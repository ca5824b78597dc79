#pragma once
// What the notice, question, message and help-text windows share: a text
// panel over a button panel, both in palette colours, a close button, and
// modal results 1 (yes) and 2 (close, also every other way of closing).

#include <QDialog>
#include <QFont>

class QLabel;
class QPushButton;
class QFrame;

// The fonts of the message windows' lines and buttons.
QFont MessageLineFont();
QFont MessageButtonFont();

class TMessageWindow : public QDialog {
  Q_OBJECT
 public:
  explicit TMessageWindow(const QString& name, QWidget* parent = nullptr);

  QFrame* Panel1 = nullptr;   // text panel
  QFrame* Panel5 = nullptr;   // button panel
  QPushButton* Button1 = nullptr;  // close, modal result 2

  // Lays the window out and places it; run at every showing.
  virtual void FormActivate() = 0;
  // Shows the window modally; 1 for yes, otherwise 2.
  int ShowModal();
  // Closing by the title bar or Esc: modal result 2.
  void reject() override;

 protected:
  void showEvent(QShowEvent* e) override;
  // Height of the button panel under the text.
  static constexpr int kButtonPanelHeight = 46;
  // The outer height of a window whose text panel is this high.
  static int PanelsOuterHeight(int textPanelHeight);
  // Sizes the window to the outer width and the panels' height and lays the
  // text panel over the button panel, both as wide as the client area.
  void PlacePanels(int windowWidth, int textPanelHeight);
  // Places a button of the button panel, centred in its height.
  static void PlaceButton(QPushButton* button, int left);
  // A line label in the text panel.
  QLabel* MakeLine(const QString& name);
  // Auto-sizes a label to its text; returns its width.
  static int FitLabel(QLabel* label);
};
