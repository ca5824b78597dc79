#pragma once
// The frame that every cutting dialog shares: the two 1-ha preview pictures
// (trees removed, trees remaining) with sawlog trees drawn larger, the
// result labels, the removal chart with its volume / value switch, and the
// dialog base that runs the trial-cutting protocol's closing rule on every
// way of closing.
//
// The trial itself (reset, readings, chart content, preview trees) is in
// CuttingFrameRules.h.

#include <QChartView>
#include <QDialog>
#include <QLabel>

#include <vector>

#include "model/Data.h"
#include "operations/CuttingFrameRules.h"

class QCheckBox;
class QFrame;
class QPushButton;

// The removal chart: one bar per assortment group in its own colour, two
// title lines, a bottom axis that the frame hides while it is empty.
class TRemovalChart : public QChartView {
  Q_OBJECT
 public:
  TRemovalChart(QWidget* parent, const QString& name);
  // Empties the title and the bars and hides the bottom axis.
  void Clear();
  void Show(const RemovalChartContent& content);
  void SetBottomAxisVisible(bool visible);
  bool BottomAxisVisible() const;
  // What the chart shows (tests read it).
  const RemovalChartContent& Content() const { return content_; }
  QStringList TitleLines() const { return content_.title; }

 private:
  RemovalChartContent content_;
  bool axisVisible_ = false;
};

// The controls of one dialog's preview; the labels 2-4 and the chart may
// be absent.
struct CuttingPreview {
  QLabel* removalPicture = nullptr;
  QLabel* remainingPicture = nullptr;
  QLabel* removalCaption = nullptr;
  QLabel* remainingCaption = nullptr;
  QLabel* sawlogNote = nullptr;
  QLabel* volumeLabel = nullptr;
  QLabel* label2 = nullptr;
  QLabel* label3 = nullptr;
  QLabel* label4 = nullptr;
  QLabel* operationLabel = nullptr;
  TRemovalChart* chart = nullptr;
  QCheckBox* chartSwitch = nullptr;
};

// Size of both preview pictures.
constexpr int kPreviewWidth = 400;
constexpr int kPreviewHeight = 100;
// Height of the panel that holds the pictures, labels and chart.
constexpr int kPreviewPanelHeight = 272;
// Pause before the pictures are drawn again, so that the user sees them
// blank first.
constexpr int kPreviewPauseMs = 600;
// Palette colours of the removal chart's background and its switch.
constexpr int kRemovalChartColour = 19;
constexpr int kRemovalSwitchColour = 13;

// Blanks the pictures (palette colours 12 and 22) and empties the labels and
// the chart.
void BlankCuttingPreview(const CuttingPreview& preview);
// Blanks the preview, then pauses.
void ClearCuttingPreview(const CuttingPreview& preview);
// Clears, then draws the open stand's trees into the two pictures and sets
// the sawlog note.
void DrawCuttingPreview(::data& stand, const CuttingPreview& preview);
// The result labels from the recorded trial phase, and the chart.
void ShowCuttingResult(const ::data& stand, QLabel* volumeLabel, QLabel* label2, QLabel* label3, QLabel* label4,
                       TRemovalChart* chart, bool priced);
void DrawRemovalChart(TRemovalChart* chart, const ::data& stand, bool priced);

// Base of the cutting dialogs. Every opening shows the dialog and then runs
// FormActivate (which runs the first trial in the shown window); every way
// of closing (OK, Cancel, Esc, the title bar) runs the closing rule: OK
// steps the current phase onto the trial phase, anything else throws the
// trial away, leaving the stand's trees, their order and the trial slot
// exactly as they were when the dialog opened.
//
// Nothing of a dialog runs while it is not open: its option handlers ignore
// the changes that Qt reports of a hidden dialog (a page hidden by the main
// window changes the current page), and no trial is made, so the trial
// phase exists in the stand only between the opening and the closing.
class TCuttingForm : public QDialog {
  Q_OBJECT
 public:
  TCuttingForm(QWidget* parent, const QString& name);

  // Opens the dialog and waits until it closes; 1 for OK, otherwise 2.
  int ShowModal();
  // Opens the dialog without waiting: the stand kept for the closing rule,
  // the window shown modally with its preview blank and put on the screen,
  // then FormActivate.
  void Open();
  // Shown by Open and not closed since.
  bool IsOpen() const { return open_ && isVisible(); }
  virtual void FormActivate() = 0;
  void done(int r) override;

  // Recalculations of the trial since the dialog was created (tests read it).
  int RecalculationCount = 0;

 protected:
  // A raised panel of the window in a palette colour and of a height.
  QFrame* MakePanel(const char* name, int colour, int height);
  // The layout names of a dialog's preview controls.
  struct PreviewNames {
    const char* removalPicture;
    const char* removalCaption;
    const char* remainingPicture;
    const char* remainingCaption;
    const char* sawlogNote;
    const char* volumeLabel;  // nullptr: no result labels and no chart
    const char* label2;
    const char* label3;
    const char* label4;
    const char* chart;
    const char* chartSwitch;
  };
  // Builds the standard preview with the given control names into `panel`
  // (kPreviewPanelHeight high).
  void BuildPreview(QWidget* panel, const PreviewNames& names);
  // The bottom panel: the operation label at its left, OK, Cancel and (with
  // help) the help button at its right.
  void BuildButtonPanel(QFrame* panel, const char* operationLabel, bool help);
  // Stacks the panels from the top (each overlapping the one above by one
  // pixel), gives them the window's width and fits the window's height to
  // the last one.
  void StackPanels(const std::vector<QWidget*>& panels);
  // Sets the operation label's text (lower-cased) and places it left of OK.
  void ShowOperationText(const QString& text);
  // Centres the window on the screen.
  void Centre();
  // Repaints the window before the preview's pause.
  void RepaintNow();
  // The preview's chart switch clicked: the removal chart again in volume or
  // in value (nothing while the dialog sets its own controls).
  void ChartSwitchClick();

  CuttingPreview Preview;
  QPushButton* BitBtn1 = nullptr;  // OK
  QPushButton* BitBtn2 = nullptr;  // Cancel
  QPushButton* BitBtn3 = nullptr;  // help (when the dialog has one)
  int WindowWidth = 680;
  // Set while the dialog's own code sets its option controls.
  bool Activating = false;

  // Connects a control's change to its handler, which runs only while the
  // dialog is open.
  template <typename Sender, typename Signal, typename Handler>
  void ConnectChange(Sender* sender, Signal signal, Handler handler) {
    connect(sender, signal, this, [this, handler] {
      if (IsOpen()) handler();
    });
  }
  // The start of every recalculation: the open stand when a trial may be
  // made (the dialog open and a phase after the current one left), else
  // nullptr and nothing is tried.
  ::data* BeginTrial();

  // OK button pressed: a dialog whose OK may refuse overrides this.
  virtual void BitBtn1Click() { done(Accepted); }
  virtual void BitBtn3Click() {}

 private:
  // The trees as they were when the dialog opened: once the trial is
  // thrown away they are the same trees, put back in their order.
  std::vector<TreeRecord> openedTrees_;
  GrownSizeArray openedSizes1_;
  GrownSizeArray openedSizes2_;
  int openedPhase_ = -1;
  bool open_ = false;
};
