#include "estate/Graph.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ui/EstateChart.h"
#include "estate/EstateWindows.h"
#include "estate/Folder.h"
#include "estate/GraphRules.h"
#include "platform/Screen.h"
#include "texts/Commonlan.h"
#include "texts/Folderlan.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/RadioGroup.h"
#include "ui/Session.h"
#include "ui/WindowHelpers.h"

TGraphForm* GraphForm = nullptr;

namespace {

// Two columns of charts: the window 1090 pixels wide, within a 1100-pixel
// screen.
constexpr int kChartWidth = 530;
constexpr int kMargin = 8;
constexpr int kBoxGap = 4;  // between the controls stacked under the assortment chart

TEstateChart* MakeChart(QWidget* parent, const char* name, int height) {
  auto* c = new TEstateChart(parent, QLatin1String(name), true);
  c->SetBackColor(PaletteColor(15));
  c->SetTextFont(PixelFont(QStringLiteral("Courier New"), 11));
  c->chart()->setTitleFont(PixelFont(QStringLiteral("Calibri"), 13, true));
  c->resize(kChartWidth, height);
  return c;
}

QCheckBox* MakeBox(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QCheckBox(caption, parent);
  b->setObjectName(QLatin1String(name));
  b->setFocusPolicy(Qt::TabFocus);
  return b;
}

}  // namespace

TGraphForm::TGraphForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("GraphForm"));
  GraphForm = this;
  setWindowTitle(PadCaption(QString()));
  SetWidgetColor(this, PaletteColor(13));
  Panel2 = new QFrame(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setFrameShape(QFrame::Panel);
  Panel2->setFrameShadow(QFrame::Raised);
  SetWidgetColor(Panel2, PaletteColor(7));
  Chart3 = MakeChart(Panel2, "Chart3", 250);
  Chart1 = MakeChart(Panel2, "Chart1", 250);
  Chart4 = MakeChart(Panel2, "Chart4", 330);
  Label3 = new QLabel(Panel2);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setFont(PixelFont(QStringLiteral("Calibri"), 14, true));
  SetRoleColor(Label3, QPalette::WindowText, Qt::white);
  RadioGroup1 = new TRadioGroup(Panel2, QStringLiteral("RadioGroup1"), 1);
  RadioGroup1->setTitle(QStringLiteral(" Kaikki kuviot,  ajankohta "));
  RadioGroup1->SetItems({QString::fromUtf8("ei toimenpiteitä"), QString::fromUtf8("kasvatuksen jälkeen, ei hakkuuta "),
                         QString::fromUtf8("hakkuun jälkeen"), QString::fromUtf8("hakkuun ja kasvatuksen jälkeen")});
  SetWidgetColor(RadioGroup1, PaletteColor(15));
  connect(RadioGroup1, &TRadioGroup::Clicked, this, [this] { RadioGroup1Click(); });
  CheckBox1 = MakeBox(Panel2, "CheckBox1", QString::fromUtf8("hakkuukertymä"));
  CheckBox2 = MakeBox(Panel2, "CheckBox2", CommonlanText(54));
  CheckBox3 = MakeBox(Panel2, "CheckBox3", QStringLiteral("kehitysluokat ja kasvupaikkatyypit,  pinta-ala"));
  for (QCheckBox* b : {CheckBox1, CheckBox2}) SetWidgetColor(b, PaletteColor(15));
  SetRoleColor(CheckBox3, QPalette::WindowText, Qt::white);
  // Every change of a tick runs its handler, which acts only while the
  // window is shown and not being rebuilt.
  connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
  connect(CheckBox2, &QCheckBox::toggled, this, [this] { CheckBox2Click(); });
  connect(CheckBox3, &QCheckBox::toggled, this, [this] { CheckBox3Click(); });
  Panel5 = MakeInfoPanel(Panel2, "Panel5", [this] { Panel5Click(); });
  Panel5->hide();
  Button1 = MakeEstateButton(this, "Button1", QStringLiteral("Sulje"));
  BitBtn2 = MakeEstateButton(this, "BitBtn2", QStringLiteral(" Ohje"));
  Button2 = MakeEstateButton(this, "Button2", QStringLiteral("Taulukot"));
  connect(Button1, &QPushButton::clicked, this, [this] { done(1); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  StackControls();
}

void TGraphForm::StackControls() {
  // Left column: the two distribution charts. Right column: the assortment
  // chart and under it, one under another, what it shows (the time point,
  // the removal, the value), then the area option of the distribution
  // charts; the column ends where the left one does unless the time
  // points need more room than the chart can give.
  int y = kMargin;
  Label3->setGeometry(kMargin, y, 2 * kChartWidth, 20);
  y += 26;
  Chart3->move(kMargin, y);
  Chart1->move(kMargin, y + Chart3->height() + kMargin);
  const int right = kMargin + kChartWidth + kMargin;
  const int bottom = Chart1->y() + Chart1->height();
  const int groupHeight = qMax(55, RadioGroup1->height());
  int stack = kMargin + groupHeight;
  for (QCheckBox* b : {CheckBox1, CheckBox2, CheckBox3}) {
    b->adjustSize();
    stack += kBoxGap + b->height();
  }
  Chart4->setGeometry(right, y, kChartWidth, qMax(Chart3->height(), bottom - y - stack));
  RadioGroup1->setGeometry(right, Chart4->y() + Chart4->height() + kMargin, 300, groupHeight);
  Panel5->move(right + kChartWidth - Panel5->width() - 4, RadioGroup1->y() + 6);
  QWidget* above = RadioGroup1;
  for (QCheckBox* b : {CheckBox1, CheckBox2, CheckBox3}) {
    b->move(right, above->y() + above->height() + kBoxGap);
    above = b;
  }
  // FormCreate: the panel as wide as the right edge of Chart4 + 8; the
  // window as wide as the panel's right edge + 6.
  Panel2->setGeometry(0, 0, Chart4->x() + Chart4->width() + 8, qMax(bottom, CheckBox3->y() + CheckBox3->height()) + 8);
  const int buttonsTop = Panel2->height() + 8;
  PlaceButtonRow({Button1, BitBtn2, Button2}, Panel2->width() - kMargin, buttonsTop);
  SetOuterWidth(this, Panel2->x() + Panel2->width() + 6);
  FitFormHeight(this, buttonsTop, 26 + kMargin);
}

void TGraphForm::SetTimePointItems(const QStringList& items) { SetTimePointGroupItems(RadioGroup1, items); }

void TGraphForm::SetTimePointGroupHeight(int height) {
  RadioGroup1->resize(RadioGroup1->width(), height);
  StackControls();
}

void TGraphForm::PlaceChartWindow(bool beside) {
  const platform::ScreenMetrics s = platform::GetScreenMetrics();
  const int items = TheSession ? static_cast<int>(TheSession->StandListRows.size()) : 0;
  const WindowPlace p = ChartWindowPlace(beside, s.width, s.height, OuterWidth(this), OuterHeight(this), items);
  move(p.left, p.top);
}

// ---- Charts ----------------------------------------------------------------------

namespace {

void Draw(TEstateChart* chart, const HorizontalChart& c) {
  chart->ClearChart();
  chart->ShowBars(c.bars, c.valueFormat);
  chart->SetTitleLines(c.titleLines);
  chart->SetFootLines({c.foot});
}

}  // namespace

void TGraphForm::ShowDevelopmentClassChart(bool byVolume) {
  if (!FolderForm) return;
  Draw(Chart3, DistributionChart(FolderForm->Classes, false, byVolume,
                                 TimePointItemYear(RadioGroupItems(RadioGroup1), 0, 1)));
}

void TGraphForm::ShowSiteTypeChart(bool byVolume) {
  if (!FolderForm) return;
  Draw(Chart1, DistributionChart(FolderForm->Sites, true, byVolume,
                                 TimePointItemYear(RadioGroupItems(RadioGroup1), 0, 1)));
}

void TGraphForm::ShowEstateAssortmentChart() {
  if (!TheSession) return;
  const QStringList items = RadioGroupItems(RadioGroup1);
  const int chosen = std::max(0, RadioGroup1->ItemIndex());
  const int mainItem = MatchingTimePointIndex(items, chosen, TheSession->TimePoints.items);
  Draw(Chart4, EstateAssortmentChart(TheSession->CurrentEstate(), mainItem, CheckBox1->isChecked(),
                                     CheckBox2->isChecked(), TimePointItemLabel(items, chosen, false)));
}

// ---- Activation and handlers --------------------------------------------------------

int TGraphForm::ShowModal() { return exec(); }

void TGraphForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormActivate();
}

void TGraphForm::FormActivate() {
  if (Rebuilding) {
    StackControls();
    // (Rebuilding: the options' handlers do nothing.)
    RadioGroup1->setEnabled(true);
    RadioGroup1->SetItemIndex(0);
    CheckBox1->setChecked(false);
    CheckBox2->setChecked(false);
    CheckBox3->setChecked(false);
    Panel5->hide();
    RadioGroup1->setTitle(TimePointCaptionText(1, false));
    // The removal can be shown when the estate has a cutting.
    CheckBox1->setEnabled(TheSession && !TheSession->TimePoints.cuttingYear.isEmpty());
    ShowDevelopmentClassChart(true);
    ShowSiteTypeChart(true);
    ShowEstateAssortmentChart();
    PlaceChartWindow(false);
    Rebuilding = false;
  }
  ClearFocus(this);
}

bool TGraphForm::HandlersActive() const { return isVisible() && !Rebuilding; }

void TGraphForm::CheckBox3Click() {
  if (!HandlersActive()) return;
  ShowDevelopmentClassChart(!CheckBox3->isChecked());
  ShowSiteTypeChart(!CheckBox3->isChecked());
  ClearFocus(this);
}

void TGraphForm::CheckBox2Click() {
  if (!HandlersActive()) return;
  ShowEstateAssortmentChart();
  ClearFocus(this);
}

void TGraphForm::CheckBox1Click() {
  if (!HandlersActive()) return;
  ShowEstateAssortmentChart();
  RadioGroup1->setEnabled(!CheckBox1->isChecked());
  RadioGroup1->setTitle(TimePointCaptionText(1, CheckBox1->isChecked()));
  ClearFocus(this);
}

void TGraphForm::RadioGroup1Click() {
  if (!HandlersActive()) return;
  ShowEstateAssortmentChart();
  if (TheSession && TheSession->ForecastInfoShown)
    Panel5->setVisible(InfoPanelByYear(RadioGroupItems(RadioGroup1), RadioGroup1->ItemIndex()));
  ClearFocus(this);
}

void TGraphForm::BitBtn2Click() {
  if (!HandlersActive()) return;
  ShowHelpText(windowTitle(), {FolderlanText(2)});
  ClearFocus(this);
}

void TGraphForm::Panel5Click() {
  if (HandlersActive()) ShowTimePointForecastInfo(RadioGroup1);
}

void TGraphForm::Button2Click() {
  if (!HandlersActive()) return;
  if (TheSession) emit TheSession->estateOverviewRequested();
  ClearFocus(this);
}
