// The main window's estate panel: the estate chart `Chart2`, the time-point
// group `RadioGroup1` and the estate grid `StringGrid6` in `Panel9`, the
// stand-list summary `Label14` and options `CheckBox18` / `CheckBox19` in
// `Panel2`, and the opening of the estate charts and estate overview.
#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QTableWidget>

#include "ui/EstateChart.h"
#include "estate/EstateRules.h"
#include "estate/EstateWindows.h"
#include "estate/FolderRules.h"
#include "estate/Folder.h"
#include "estate/Graph.h"
#include "mainwindow/Acts.h"
#include "platform/Clock.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "ui/ApplicationWindows.h"
#include "ui/ListClicks.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/RadioGroup.h"
#include "ui/Session.h"
#include "ui/WindowHelpers.h"

namespace {

constexpr int kGridLineWidth = 1;  // the estate grid's lines

QCheckBox* EstateBox(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QCheckBox(caption, parent);
  b->setObjectName(QLatin1String(name));
  b->setFocusPolicy(Qt::TabFocus);
  SetWidgetColor(b, PaletteColor(15));
  return b;
}

}  // namespace

Estate TActForm::CurrentEstate() const { return TheSession->CurrentEstate(); }

void TActForm::CreateEstateControls() {
  Chart2 = new TEstateChart(Panel9, QStringLiteral("Chart2"), false);
  Chart2->SetBackColor(PaletteColor(19));
  Label13 = new QLabel(Chart2);
  Label13->setObjectName(QStringLiteral("Label13"));
  Label13->setAlignment(Qt::AlignCenter);
  RadioGroup1 = new TRadioGroup(Panel9, QStringLiteral("RadioGroup1"), 1);
  SetWidgetColor(RadioGroup1, PaletteColor(15));
  connect(RadioGroup1, &TRadioGroup::Clicked, this, [this] { RadioGroup1Click(); });
  StringGrid6 = MakeEstateGrid(Panel9, "StringGrid6", 6, 3);
  SetGridColors(StringGrid6, PaletteColor(151), Qt::black);
  CheckBox8 = EstateBox(Panel9, "CheckBox8", QStringLiteral("ha"));
  CheckBox9 = EstateBox(Panel9, "CheckBox9", CommonlanText(54));
  CheckBox17 = EstateBox(Panel9, "CheckBox17", CommonlanText(54));
  // 25 pixels wide for a one-character currency: its caption follows the
  // box closely, so that the caption shows whole beside this style's box.
  CheckBox17->setStyleSheet(QStringLiteral("QCheckBox { spacing: 2px; }"));
  CheckBox18 = EstateBox(Panel2, "CheckBox18", CommonlanText(52).toLower());
  CheckBox19 = EstateBox(Panel2, "CheckBox19", CommonlanText(54));
  // Every change of a tick runs its handler, which acts while its box is
  // visible (the stand-list summary hides CheckBox18 while it unticks it).
  connect(CheckBox8, &QCheckBox::toggled, this, [this] { CheckBox8Click(); });
  connect(CheckBox9, &QCheckBox::toggled, this, [this] { CheckBox8Click(); });
  connect(CheckBox17, &QCheckBox::toggled, this, [this] { CheckBox17Click(); });
  connect(CheckBox18, &QCheckBox::toggled, this, [this] { CheckBox18Click(); });
  connect(CheckBox19, &QCheckBox::toggled, this, [this] { CheckBox18Click(); });
  Panel5Caption = AddPanelCaption(Panel5, ActlanText(48));
  Panel8Caption = AddPanelCaption(Panel8, ActlanText(30));
  SetWidgetColor(Panel5, PaletteColor(1));
  OnPanelClick(Panel5, [this] { Panel5Click(); });
  OnPanelClick(Panel8, [this] { Panel8Click(); });
  // Any folder clicked, the open one too, or chosen by the keys is
  // refused with the notice.
  WatchListClicks(DirectoryListBox1, [this] { DirectoryListBox1Click(); });
  SetEstatePanelVisibility(0);
  CheckBox18->hide();
  CheckBox19->hide();
}

// ---- Time points --------------------------------------------------------------

void TActForm::BuildEstateTimePoints() {
  const Estate e = CurrentEstate();
  EstateTimePoints& timePoints = TheSession->TimePoints;
  timePoints = ::BuildEstateTimePoints(e.stands);
  RadioGroup1->SetItems(timePoints.items);
  for (int i = 0; i < RadioGroup1->Count(); ++i) RadioGroup1->Item(i)->setFixedHeight(15);
  CopyTimePointsToEstateWindows();
  RefreshEstateGridAndChart();
}

void TActForm::CopyTimePointsToEstateWindows() {
  int base = 35;
  if (IsWindowHeightClass(2, MainWindowHeight)) base -= 4;
  if (IsWindowHeightClass(1, MainWindowHeight)) base -= 3;
  const EstateTimePoints& timePoints = CurrentEstate().points;
  if (FolderForm) FolderForm->SetTimePointItems(EstateWindowTimePoints(timePoints, true));
  if (GraphForm) GraphForm->SetTimePointItems(EstateWindowTimePoints(timePoints, false));
  RadioGroup1->resize(RadioGroup1->width(), 10 * RadioGroup1->Count() + base);
  PlaceEstateTimePointGroup();
  SetEstateTimePointCaption(true);
  if (FolderForm) FolderForm->SetTimePointGroupHeight(RadioGroup1->height());
  if (GraphForm) GraphForm->SetTimePointGroupHeight(std::max(55, RadioGroup1->height()));
}

void TActForm::SetEstateTimePointCaption(bool /*shown*/) {
  RadioGroup1->setTitle(QStringLiteral("  ") + ActlanText(81) + QStringLiteral("  "));
  // Item 0 chosen anew runs the group's handler (the grid and the chart).
  RadioGroup1->SetItemIndex(0);
  RadioGroup1->setEnabled(true);
  CheckBox17->show();
  repaint();
  platform::Pause(200);
  DirectoryListBox1->show();
  SetEstatePanelVisibility(1);
  Panel8->show();
}

void TActForm::RefreshEstateViews() {
  SetEstateTimePointCaption(true);
  BuildEstateTimePoints();
  if (!FolderForm) return;
  FolderForm->SetEstateCaptions();
  FolderForm->FillEstateOverview(1, 1);
  if (FolderForm->StringGrid1->rowCount() > 0) FolderForm->StringGrid1->setCurrentCell(0, 0);
}

// ---- Grid and chart -----------------------------------------------------------

void TActForm::RefreshEstateGridAndChart() {
  FillEstateGrid();
  ShowEstateChart(RadioGroup1->Count(), CheckBox9->isChecked(), CheckBox8->isChecked());
}

void TActForm::FillEstateGrid() {
  const EstateGridCells cells =
      FillEstateGridCells(CurrentEstate(), std::max(0, RadioGroup1->ItemIndex()), CheckBox17->isChecked());
  for (int row = 0; row < 6; ++row) {
    StringGrid6->setItem(row, 0, new QTableWidgetItem(cells.labels[row]));
    StringGrid6->setItem(row, 1, new QTableWidgetItem(cells.values[row]));
  }
}

void TActForm::ClearEstateChart() { Chart2->ClearChart(); }

void TActForm::ShowEstateChart(int count, bool inCurrency, bool perHa) {
  const EstateChartContent c = EstateChart(CurrentEstate(), count, inCurrency, perHa, MainWindowHeight);
  Chart2->SetAxisSpan(c.axisStartPercent, c.axisEndPercent);
  ClearEstateChart();
  Chart2->ShowBars(c.bars, c.valueFormat);
  Chart2->SetFootLines(c.footLines);
  ShowForecastInfoPanel(c.infoPanelVisible);
  Chart2->SetTopNote(c.topAxisTitle);
  Chart2->SetBottomPercent(c.bottomAxisPositionPercent);
  // "Kuviotietokanta", the stand count and the area in the corner, the
  // chart's own title over the bars.
  Chart2->SetTitleLines(c.titleLines, 4);
  Label13->raise();
}

// ---- Stand-list summary ----------------------------------------------------------

void TActForm::ShowStandListSummary(int listMode, bool valueMode) {
  const QString sep = SummarySeparator(MainWindowHeight);
  const QString head = WindowTextByMode(DirectoryListBox1->Directory(), 3);
  const QString tail = StandListSummaryTail(CurrentEstate(), listMode, valueMode, sep);
  Label14->setText(FitTextToLabel(head, tail, Panel2->width(), 12, Label14->font()));
  Label14->move(8, Label14->y());
}

void TActForm::RefreshStandListSummary(bool warn) {
  for (QCheckBox* b : {CheckBox8, CheckBox9, CheckBox17}) b->setChecked(false);
  OpenEstateFolder();
  ShowStandListSummary(0, false);
  CheckBox18->hide();
  CheckBox18->setChecked(false);
  CheckBox19->setChecked(false);
  CheckBox18->show();
  CheckBox19->show();
  FillStandList(false, false);
  if (warn) WarnMeasurementYears(LatestMeasurementYear(CurrentEstate().stands, 0));
}

namespace {

// The removal of stand i at the estate's chosen time point.
std::function<StandRemovalAtTimePoint(int)> RemovalOfStand(const Estate& e) {
  return [&e](int i) {
    return i >= 0 && i < e.Count() ? EstateStandRemoval(e, e.stands[i]) : StandRemovalAtTimePoint{};
  };
}

}  // namespace

void TActForm::FillStandList(bool removal, bool value) {
  const Estate e = CurrentEstate();
  FillMainStandList(removal, value, RemovalOfStand(e));
}

QString TActForm::ShownStandListRow(int row, const QString& separator) const {
  const Estate e = CurrentEstate();
  return MainStandListRow(row, separator, CheckBox18->isChecked(), CheckBox19->isChecked(), RemovalOfStand(e));
}

void TActForm::WarnMeasurementYears(const QString& yearText) {
  if (!yearText.isEmpty()) return;
  if (QWidget* open = ApplicationWindow(QStringLiteral("OpenForm")); open && open->isVisible()) open->hide();
  ShowQuestion(QStringLiteral("Puustotietojen mittausvuosi"),
               QStringLiteral("Kuviolistan kuvioiden puuston mittausvuosissa on eroja. Kuviotietokannan selkeyden kannalta"),
               QString::fromUtf8("on suositeltavaa, että kuviolistan kuvioiden mittaustiedot ovat samalta vuodelta."),
               QStringLiteral(""), CommonlanText(8));
}

// ---- Layout ---------------------------------------------------------------------

void TActForm::SetEstatePanelVisibility(int mode) {
  CheckBox8->setVisible(mode == 1);
  CheckBox9->setVisible(CheckBox8->isVisibleTo(Panel9));
  CheckBox17->setVisible(CheckBox8->isVisibleTo(Panel9));
}

void TActForm::PlaceEstateCurrencyCheckBox() {
  CheckBox17->resize(CheckBox17->text().size() == 1 ? 25 : 30, CheckBox17->height());
  CheckBox17->move(RadioGroup1->x() + RadioGroup1->width() - CheckBox17->width() - 4, CheckBox17->y());
}

void TActForm::LayoutEstateGrid() {
  SetEstatePanelVisibility(0);
  const bool low = IsWindowHeightClass(2, MainWindowHeight);
  const int fontSize = low ? 9 : 10;
  const QFont estateFont = PixelFont(QStringLiteral("Calibri"), fontSize + 3);
  Chart2->SetTextFont(PixelFont(QStringLiteral("Calibri"), 11));
  Chart2->SetTitleFont(PixelFont(QStringLiteral("Calibri"), fontSize + 3, true));
  Chart2->setGeometry(1, low ? -3 : -7, Panel9->width() - 2, Chart2->height());
  Chart2->SetHeadTop(4 - Chart2->y(), 70 - Chart2->y());
  RadioGroup1->setFont(PixelFont(QStringLiteral("Calibri"), fontSize + 2));
  RadioGroup1->setGeometry(Chart2->x(), RadioGroup1->y(), Chart2->width() - 1, RadioGroup1->height());
  const int rowHeight = low ? 16 : 17;
  StringGrid6->setFont(PixelFont(QStringLiteral("Calibri Light"), 12));
  StringGrid6->setStyleSheet(QStringLiteral("QTableWidget::item { padding: 0px 1px; }"));
  StringGrid6->setShowGrid(true);
  // Six whole rows in the grid's height: each row its height and the grid
  // line under it (Qt draws the line within the row), no frame around, and
  // no larger least row height than the one set.
  StringGrid6->setFrameShape(QFrame::NoFrame);
  StringGrid6->verticalHeader()->setMinimumSectionSize(1);
  for (int r = 0; r < 6; ++r) StringGrid6->setRowHeight(r, rowHeight + kGridLineWidth);
  const int gridHeight = (rowHeight + kGridLineWidth) * 6;
  const int gridWidth = RadioGroup1->width() - 1;
  StringGrid6->setGeometry(RadioGroup1->x() + 1, Panel9->height() - gridHeight - 1, gridWidth, gridHeight);
  const int columnWidth = (gridWidth - kGridLineWidth) / 2 + 1;
  for (int c = 0; c < 3; ++c) StringGrid6->setColumnWidth(c, columnWidth);
  for (QCheckBox* b : {CheckBox8, CheckBox9, CheckBox17}) {
    b->setFont(estateFont);
    b->adjustSize();
  }
  // The chart's corner lines on the left; on the right "Lisätietoja", the
  // chart's options and the estate folder (its row shown) under it.
  Panel8->setGeometry(Panel9->width() - 92, 4, 86, 22);
  DirectoryListBox1->setFont(PixelFont(QStringLiteral("Calibri"), 11));
  DirectoryListBox1->setGeometry(Panel9->width() - 118, 50, 112, 18);
  DirectoryListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  DirectoryListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Panel8Caption->setGeometry(0, 0, Panel8->width(), Panel8->height());
  Panel8Caption->setFont(estateFont);
  Panel5->resize(36, 18);
  Panel5Caption->setGeometry(0, 0, Panel5->width(), Panel5->height());
  Panel5Caption->setFont(estateFont);
  CheckBox8->move(Panel9->width() - CheckBox8->width() - CheckBox9->width() - 10, 30);
  CheckBox9->move(Panel9->width() - CheckBox9->width() - 6, 30);
  // The stand list's options under the list.
  for (QCheckBox* b : {CheckBox18, CheckBox19}) {
    b->setFont(estateFont);
    b->adjustSize();
  }
  const int optionsTop = Panel2->height() - CheckBox18->height() - 4;
  ListBox1->resize(ListBox1->width(), std::max(40, optionsTop - ListBox1->y() - 2));
  CheckBox18->move(ListBox1->x(), optionsTop);
  CheckBox19->move(CheckBox18->x() + CheckBox18->width() + 8, optionsTop);
  Label13->setFont(estateFont);
  PlaceEstateTimePointGroup();
}

void TActForm::PlaceEstateTimePointGroup() {
  // The group as the items need it, at least its designed height.
  RadioGroup1->resize(RadioGroup1->width(), std::max(RadioGroup1->height(), RadioGroup1->sizeHint().height()));
  RadioGroup1->move(RadioGroup1->x(), StringGrid6->y() - RadioGroup1->height() - 1);
  CheckBox17->move(CheckBox17->x(), RadioGroup1->y() + 12);
  PlaceEstateCurrencyCheckBox();
  int chartHeight = RadioGroup1->y() - Chart2->y() - (5 - RadioGroup1->Count()) * 6;
  if (IsWindowHeightClass(1, MainWindowHeight)) chartHeight += 3;
  Chart2->resize(Chart2->width(), std::max(40, chartHeight));
  Label13->setGeometry(0, 0, Chart2->width(), Label13->sizeHint().height());
  Label13->move(0, static_cast<int>((Chart2->height() - Label13->height()) * 0.68));
  Panel5->move(Chart2->x() + Chart2->width() - Panel5->width() - 4,
               Chart2->y() + Chart2->height() - Panel5->height() - 4);
  DirectoryListBox1->scrollToItem(DirectoryListBox1->currentItem());
  for (QWidget* w : std::initializer_list<QWidget*>{Panel5, Panel8, DirectoryListBox1, CheckBox8, CheckBox9, CheckBox17})
    w->raise();
}

void TActForm::ClearEstatePanel() {
  SetEstatePanelVisibility(2);
  ClearEstateChart();
  RadioGroup1->setTitle(QString());
  RadioGroup1->SetItems({});
  for (int row = 0; row < StringGrid6->rowCount(); ++row) {
    StringGrid6->setItem(row, 0, new QTableWidgetItem);
    StringGrid6->setItem(row, 1, new QTableWidgetItem);
  }
}

// ---- Information and the estate windows -------------------------------------------

void TActForm::ShowForecastInfo(int item) {
  const Estate e = CurrentEstate();
  const ForecastInfo f = ForecastInfoFor(e, e.points.items, item);
  if (item == -1) ShowMessage(f.caption, f.line1, f.line2);
  else ShowNotice(f.caption, f.line1);
}

void TActForm::ShowStandDatabase(bool charts) {
  ShowBusy(this, 5, 150, ActlanText(88), PaletteColor(20));
  if (charts) {
    SetMainWindowMode(0);
    if (GraphForm) {
      GraphForm->Rebuilding = true;
      GraphForm->exec();
    }
    SetMainWindowMode(1);
  } else if (FolderForm) {
    FolderForm->SetupRequested = 1;
    FolderForm->exec();
  }
  ClearFocus(this);
}

// ---- Handlers --------------------------------------------------------------------

void TActForm::RadioGroup1Click() {
  RefreshEstateGridAndChart();
  if (RadioGroup1->isVisible()) ClearFocus(this);
}

void TActForm::CheckBox8Click() {
  if (CheckBox8->isVisible()) ShowEstateChart(RadioGroup1->Count(), CheckBox9->isChecked(), CheckBox8->isChecked());
  ClearFocus(this);
}

void TActForm::CheckBox17Click() {
  if (CheckBox17->isVisible()) FillEstateGrid();
  ClearFocus(this);
}

void TActForm::CheckBox18Click() {
  if (CheckBox18->isVisible()) {
    ShowStandListSummary(CheckBox18->isChecked() ? 1 : 0, CheckBox19->isChecked());
    FillStandList(CheckBox18->isChecked(), CheckBox19->isChecked());
  }
  ClearFocus(this);
}

void TActForm::Panel8Click() { ShowStandDatabase(true); }

void TActForm::Panel5Click() { ShowForecastInfo(-1); }

void TActForm::DirectoryListBox1Click() {
  ShowNotice(ActlanText(31), ActlanText(87));
  DirectoryListBox1->setCurrentRow(DirectoryListBox1->count() - 1);
  ClearFocus(this);
}
