#include "operations/CuttingFrame.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QGraphicsLayout>
#include <QPainter>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QThread>
#include <QValueAxis>
#include <QWindow>

#include <algorithm>

#include "model/Calc.h"
#include "model/Phase.h"
#include "ui/StandPictureRules.h"
#include "platform/Clock.h"
#include "ui/Session.h"
#include "stands/MeasWidgets.h"
#include "texts/Commonlan.h"
#include "ui/DotStamps.h"
#include "ui/Palette.h"
#include "ui/WindowHelpers.h"

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name) {
  auto* l = new QLabel(parent);
  l->setObjectName(QLatin1String(name));
  return l;
}

void FillPicture(QLabel* picture, const QColor& colour) {
  QPixmap pm(picture->size());
  pm.fill(colour);
  picture->setPixmap(pm);
}

void ClearLabel(QLabel* label) {
  if (!label) return;
  label->clear();
  label->repaint();
}

// Lets the window system put a window just shown on the screen (and the
// window paint itself there), so that what the window draws next, and the
// preview's pause, are seen in it. Neither the user's input nor a timer runs
// meanwhile; a window system that never shows it is waited for a moment.
void ShowOnScreen(QWidget* window) {
  constexpr int kLongestWaitMs = 250;
  QElapsedTimer waited;
  waited.start();
  for (;;) {
    const QWindow* w = window->windowHandle();
    if (!w || !window->isVisible() || w->isExposed() || waited.hasExpired(kLongestWaitMs)) return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers);
    if (!w->isExposed()) QThread::msleep(1);
  }
}

}  // namespace

// ---- The removal chart ----------------------------------------------------

TRemovalChart::TRemovalChart(QWidget* parent, const QString& name) : QChartView(parent) {
  setObjectName(name);
  setRenderHint(QPainter::Antialiasing);
  QChart* c = chart();
  c->legend()->hide();
  c->setMargins(QMargins(0, 0, 0, 0));
  c->setBackgroundRoundness(0);
  QLinearGradient g(0, 0, 0, 1);
  g.setCoordinateMode(QGradient::ObjectBoundingMode);
  g.setColorAt(0, PaletteColor(kRemovalChartColour));
  g.setColorAt(1, PaletteColor(kRemovalChartColour));
  c->setBackgroundBrush(g);
  QFont title = c->titleFont();
  title.setPixelSize(12);
  title.setBold(true);
  c->setTitleFont(title);
  Clear();
}

void TRemovalChart::Clear() {
  content_ = {};
  QChart* c = chart();
  c->setTitle(QString());
  // The chart takes the drawings of removed axes away only once the event
  // loop runs again, and the title's text at its next layout: the axes are
  // hidden first and the chart laid out at once, so that the blank chart is
  // drawn blank (and the next axes alone) meanwhile.
  for (QAbstractAxis* a : c->axes()) a->setVisible(false);
  EmptyChart(c);
  if (c->layout()) c->layout()->activate();
  axisVisible_ = false;
}

void TRemovalChart::Show(const RemovalChartContent& content) {
  Clear();
  content_ = content;
  QChart* c = chart();
  c->setTitle(content.title.join(QStringLiteral("<br>")));
  if (content.bars.empty()) return;
  // One bar set per coloured bar, each with its value in its own category.
  auto* series = new QStackedBarSeries;
  QStringList categories;
  int top = 0;
  int bottom = 0;
  const int n = static_cast<int>(content.bars.size());
  for (int i = 0; i < n; ++i) {
    const RemovalChartBar& b = content.bars[i];
    auto* set = new QBarSet(b.label);
    for (int j = 0; j < n; ++j) *set << (j == i ? b.value : 0);
    set->setColor(ColorFromBgr(b.colour));
    set->setBorderColor(QColor(90, 90, 90));
    series->append(set);
    categories << b.label;
    top = std::max(top, b.value);
    bottom = std::min(bottom, b.value);
  }
  series->setBarWidth(0.6);
  series->setLabelsVisible(false);
  c->addSeries(series);
  auto* x = new QBarCategoryAxis;
  x->append(categories);
  QFont axisFont = x->labelsFont();
  axisFont.setPixelSize(11);
  x->setLabelsFont(axisFont);
  c->addAxis(x, Qt::AlignBottom);
  series->attachAxis(x);
  auto* y = new QValueAxis;
  y->setRange(bottom, top > bottom ? top * 1.1 : bottom + 1);
  y->setLabelFormat(QStringLiteral("%d"));
  y->setLabelsFont(axisFont);
  y->setTickCount(3);
  c->addAxis(y, Qt::AlignLeft);
  series->attachAxis(y);
  SetBottomAxisVisible(axisVisible_);
}

void TRemovalChart::SetBottomAxisVisible(bool visible) {
  axisVisible_ = visible;
  for (QAbstractAxis* a : chart()->axes(Qt::Horizontal)) a->setVisible(visible);
}

bool TRemovalChart::BottomAxisVisible() const { return axisVisible_; }

// ---- The preview ----------------------------------------------------------

void BlankCuttingPreview(const CuttingPreview& preview) {
  FillPicture(preview.removalPicture, PaleOrPaletteColor12(preview.removalPicture, false));
  FillPicture(preview.remainingPicture, PaletteColor22(preview.remainingPicture));
  preview.removalPicture->repaint();
  preview.remainingPicture->repaint();
  for (QLabel* l : {preview.volumeLabel, preview.label2, preview.label3, preview.label4}) ClearLabel(l);
  if (preview.chart) {
    preview.chart->Clear();
    preview.chart->repaint();
  }
  ClearLabel(preview.operationLabel);
  ClearLabel(preview.sawlogNote);
}

void ClearCuttingPreview(const CuttingPreview& preview) {
  BlankCuttingPreview(preview);
  platform::Pause(kPreviewPauseMs);
}

void DrawCuttingPreview(::data& stand, const CuttingPreview& preview) {
  ClearCuttingPreview(preview);
  const std::vector<PreviewTree> trees = CuttingPreviewTrees(stand);
  const int w = preview.removalPicture->width();
  const int h = preview.removalPicture->height();
  QImage removal = preview.removalPicture->pixmap().toImage();
  QImage remaining = preview.remainingPicture->pixmap().toImage();
  // A tree is a circle in its species colour with a black edge, of radius 4
  // for a sawlog tree and 2 for any other: the circle of the box x - r ..
  // x + r, y - r .. y + r (its right and bottom edges outside, as the
  // platform's ellipse draws it).
  static DotStamps stamps;
  const QColor edge(0, 0, 0);
  for (const PreviewTree& t : trees) {
    const int px = InterpolatePicturePosition(0, w, t.plotX, 20, 620);
    const int py = InterpolatePicturePosition(0, h, t.plotY, 50, 200);
    stamps.Draw(t.removed ? removal : remaining, px, py, t.sawlog ? 4 : 2, edge, SpeciesColor(t.species));
  }
  preview.removalPicture->setPixmap(QPixmap::fromImage(removal));
  preview.remainingPicture->setPixmap(QPixmap::fromImage(remaining));
  if (preview.sawlogNote) {
    preview.sawlogNote->setText(SawlogNoteText(trees));
    preview.sawlogNote->adjustSize();
    preview.sawlogNote->move(preview.removalPicture->x() + 3, preview.sawlogNote->y());
  }
}

void ShowCuttingResult(const ::data& stand, QLabel* volumeLabel, QLabel* label2, QLabel* label3, QLabel* label4,
                       TRemovalChart* chart, bool priced) {
  const CuttingResultTexts t = CuttingResultLabels(stand, label3 != nullptr);
  if (volumeLabel) volumeLabel->setText(t.volume);
  if (label2) label2->setText(t.label2);
  if (label3) label3->setText(t.label3);
  if (label4) label4->setText(t.label4);
  if (chart) DrawRemovalChart(chart, stand, priced);
}

void DrawRemovalChart(TRemovalChart* chart, const ::data& stand, bool priced) {
  chart->Show(RemovalChartFor(stand, priced));
  chart->SetBottomAxisVisible(true);
}

// ---- The dialog base ------------------------------------------------------

TCuttingForm::TCuttingForm(QWidget* parent, const QString& name) : QDialog(parent) {
  setObjectName(name);
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
  setModal(true);
}

int TCuttingForm::ShowModal() {
  Open();
  // Nothing in the activation closes the dialog; should it, the loop would
  // show it again.
  if (isVisible()) exec();
  return result() == Accepted ? 1 : 2;
}

void TCuttingForm::Open() {
  ::data* stand = OpenedStand();
  openedPhase_ = CurrentPhase();
  if (stand) {
    openedTrees_ = stand->Trees;
    openedSizes1_ = stand->GrownSizes1;
    openedSizes2_ = stand->GrownSizes2;
  }
  setResult(0);
  // The last opening's pictures are not the stand's: the window comes up
  // with the preview blank, where it was last centred.
  BlankCuttingPreview(Preview);
  Centre();
  show();
  ShowOnScreen(this);
  // Open from here on: nothing of the dialog ran while it was being shown.
  open_ = true;
  FormActivate();
}

::data* TCuttingForm::BeginTrial() {
  ::data* stand = OpenedStand();
  if (!IsOpen() || !stand || CurrentPhase() + 1 >= kPhaseCount) return nullptr;
  ++RecalculationCount;
  return stand;
}

void TCuttingForm::done(int r) {
  ::data* stand = OpenedStand();
  if (stand && openedPhase_ >= 0) {
    if (r == Accepted) {
      SetCurrentPhase(100);
    } else {
      ResetTrialCutting(*stand, CurrentPhase() + 1);
      // The same trees now; the preview and the thinnings sorted them.
      if (CurrentPhase() == openedPhase_ && openedTrees_.size() == stand->Trees.size()) {
        stand->Trees = openedTrees_;
        stand->GrownSizes1 = openedSizes1_;
        stand->GrownSizes2 = openedSizes2_;
      }
    }
  }
  openedPhase_ = -1;
  open_ = false;
  openedTrees_.clear();
  openedSizes1_.clear();
  openedSizes2_.clear();
  QDialog::done(r);
}

QFrame* TCuttingForm::MakePanel(const char* name, int colour, int height) {
  auto* p = new QFrame(this);
  p->setObjectName(QLatin1String(name));
  p->setFrameShape(QFrame::Panel);
  p->setFrameShadow(QFrame::Raised);
  SetWidgetColor(p, PaletteColor(colour));
  p->setFixedHeight(height);
  return p;
}

void TCuttingForm::BuildPreview(QWidget* panel, const PreviewNames& n) {
  constexpr int kCaptionHeight = 18;
  // Without result labels and chart the pictures stand in the middle.
  const int left = n.volumeLabel ? 10 : (WindowWidth - kPreviewWidth) / 2;
  Preview.removalCaption = MakeLabel(panel, n.removalCaption);
  Preview.removalCaption->setGeometry(left, 6, kPreviewWidth, kCaptionHeight);
  Preview.removalPicture = MakeLabel(panel, n.removalPicture);
  Preview.removalPicture->setGeometry(left, 6 + kCaptionHeight, kPreviewWidth, kPreviewHeight);
  Preview.remainingCaption = MakeLabel(panel, n.remainingCaption);
  Preview.remainingCaption->setGeometry(left, 130, kPreviewWidth, kCaptionHeight);
  Preview.remainingPicture = MakeLabel(panel, n.remainingPicture);
  Preview.remainingPicture->setGeometry(left, 130 + kCaptionHeight, kPreviewWidth, kPreviewHeight);
  Preview.sawlogNote = MakeLabel(panel, n.sawlogNote);
  Preview.sawlogNote->move(left + 3, 252);
  QFont small = Preview.sawlogNote->font();
  small.setPixelSize(11);
  Preview.sawlogNote->setFont(small);
  for (QLabel* pic : {Preview.removalPicture, Preview.remainingPicture}) {
    pic->setFrameShape(QFrame::Box);
    pic->setLineWidth(0);
    FillPicture(pic, PaletteColor22(pic));
  }
  const int right = left + kPreviewWidth + 14;
  if (n.volumeLabel) {
    Preview.volumeLabel = MakeLabel(panel, n.volumeLabel);
    Preview.label2 = MakeLabel(panel, n.label2);
    // The regeneration dialog shows the stems in the second label and has
    // no third and fourth.
    if (n.label3) Preview.label3 = MakeLabel(panel, n.label3);
    if (n.label4) Preview.label4 = MakeLabel(panel, n.label4);
    QFont bold = Preview.volumeLabel->font();
    bold.setBold(true);
    Preview.volumeLabel->setFont(bold);
    int y = 8;
    for (QLabel* l : {Preview.volumeLabel, Preview.label2, Preview.label3, Preview.label4}) {
      if (!l) continue;
      l->setGeometry(right, y, 110, 18);
      y += 20;
    }
    Preview.chartSwitch = new QCheckBox(CommonlanText(54), panel);
    Preview.chartSwitch->setObjectName(QLatin1String(n.chartSwitch));
    Preview.chartSwitch->setAutoFillBackground(true);
    SetWidgetColor(Preview.chartSwitch, PaletteColor(kRemovalSwitchColour));
    Preview.chartSwitch->setGeometry(right + 116, 8, 60, 20);
    Preview.chart = new TRemovalChart(panel, QLatin1String(n.chart));
    Preview.chart->setGeometry(right, 92, WindowWidth - right - 12, 172);
  }
}

void TCuttingForm::BuildButtonPanel(QFrame* panel, const char* operationLabel, bool help) {
  Preview.operationLabel = MakeLabel(panel, operationLabel);
  QFont f = Preview.operationLabel->font();
  f.setBold(true);
  Preview.operationLabel->setFont(f);
  SetRoleColor(Preview.operationLabel, QPalette::WindowText, QColor(255, 255, 255));
  auto button = [panel](const char* name, const QString& text) {
    auto* b = new QPushButton(text, panel);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    b->resize(80, 28);
    return b;
  };
  BitBtn1 = button("BitBtn1", CommonlanText(4));
  BitBtn2 = button("BitBtn2", CommonlanText(21));
  if (help) BitBtn3 = button("BitBtn3", CommonlanText(22));
  panel->setFixedHeight(46);
  int x = WindowWidth - 8;
  for (QPushButton* b : {BitBtn3, BitBtn2, BitBtn1}) {
    if (!b) continue;
    x -= b->width();
    b->move(x, 9);
    x -= 6;
  }
  Preview.operationLabel->move(10, 15);
  connect(BitBtn1, &QPushButton::clicked, this, [this] {
    BitBtn1Click();
    ClearFocus(this);
  });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { reject(); });
  if (BitBtn3) connect(BitBtn3, &QPushButton::clicked, this, [this] {
    BitBtn3Click();
    ClearFocus(this);
  });
}

void TCuttingForm::StackPanels(const std::vector<QWidget*>& panels) {
  int top = 0;
  int last = 0;
  for (QWidget* p : panels) {
    if (p->isHidden()) continue;
    p->setGeometry(0, top, WindowWidth, p->height());
    last = top;
    top += p->height() - 1;
  }
  setFixedWidth(WindowWidth);
  FitFormHeight(this, last, top + 1 - last);
}

void TCuttingForm::ShowOperationText(const QString& text) {
  QLabel* l = Preview.operationLabel;
  l->setText(text.toLower());
  l->adjustSize();
  l->move(std::max(4, OperationLabelLeft(BitBtn1->x(), l->width())), l->y());
}

void TCuttingForm::Centre() { PlaceOnScreen(this, 0.5, 0.5); }

void TCuttingForm::RepaintNow() { repaint(); }

void TCuttingForm::ChartSwitchClick() {
  if (Activating) return;
  if (const ::data* stand = OpenedStand()) DrawRemovalChart(Preview.chart, *stand, Preview.chartSwitch->isChecked());
  ClearFocus(this);
}
