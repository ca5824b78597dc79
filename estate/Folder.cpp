#include "estate/Folder.h"

#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "estate/EstateWindows.h"
#include "estate/Graph.h"
#include "estate/Map.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "texts/Folderlan.h"
#include "ui/ListClicks.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/RadioGroup.h"
#include "ui/ApplicationWindows.h"
#include "ui/Session.h"
#include "ui/WindowHelpers.h"

TFolderForm* FolderForm = nullptr;

namespace {

constexpr int kRowHeight = 18;
constexpr int kVisibleStandRows = 8;
constexpr int kMargin = 8;

// The tables' letters: the nine columns of the stand table, measured in
// them, keep the window within a 1100-pixel screen.
QFont GridFont() { return PixelFont(QStringLiteral("Courier New"), 11); }

}  // namespace

TFolderForm::TFolderForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FolderForm"));
  FolderForm = this;
  setWindowTitle(PadCaption(QString()));
  SetWidgetColor(this, PaletteColor(13));
  auto label = [this](const char* name, const QString& text) {
    auto* l = new QLabel(text, this);
    l->setObjectName(QLatin1String(name));
    return l;
  };
  Label2 = label("Label2", QString());
  Label39 = label("Label39", QString::fromUtf8("Metsikkökuviot"));
  Label10 = label("Label10", QStringLiteral("khl - jakauma"));
  Label23 = label("Label23", QStringLiteral("puutavaralajijakauma"));
  Label47 = label("Label47", QString());
  Label47->hide();
  for (QLabel* l : {Label2, Label39, Label10, Label23}) l->setFont(PixelFont(QStringLiteral("Calibri"), 14, true));
  StringGrid3 = MakeEstateGrid(this, "StringGrid3", 1, kStandTableColumns);
  StringGrid1 = MakeEstateGrid(this, "StringGrid1", 0, kStandTableColumns);
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  StringGrid2 = MakeEstateGrid(this, "StringGrid2", 1, kStandTableColumns);
  StringGrid33 = MakeEstateGrid(this, "StringGrid33", 1, 3);
  StringGrid11 = MakeEstateGrid(this, "StringGrid11", 10, 3);
  StringGrid22 = MakeEstateGrid(this, "StringGrid22", 1, 3);
  StringGrid333 = MakeEstateGrid(this, "StringGrid333", 1, 3);
  StringGrid111 = MakeEstateGrid(this, "StringGrid111", 10, 3);
  StringGrid222 = MakeEstateGrid(this, "StringGrid222", 1, 3);
  for (QTableWidget* g : {StringGrid3, StringGrid33, StringGrid333}) SetGridColors(g, PaletteColor(14), Qt::white);
  for (QTableWidget* g : {StringGrid1, StringGrid11, StringGrid111}) SetGridColors(g, ColorFromBgr(0xF0FBFF), Qt::black);
  SetGridColors(StringGrid2, PaletteColor(14), Qt::white);
  for (QTableWidget* g : {StringGrid22, StringGrid222}) SetGridColors(g, PaletteColor(15), Qt::black);
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->addItems({QStringLiteral("kehitysluokat"), QStringLiteral("kasvupaikkatyypit")});
  ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetRoleColor(ListBox1, QPalette::Base, PaletteColor(15));
  // The distribution follows the user's click or key; a click on the item
  // already chosen shows it again (after a refill has put the development
  // classes in its place).
  WatchListClicks(ListBox1, [this] { ListBox1Click(); });
  CheckBox1 = new QCheckBox(QStringLiteral("m3/ha,   ") + CommonlanText(56), this);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox2 = new QCheckBox(QString::fromUtf8("hakkuukertymä"), this);
  CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
  connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
  connect(CheckBox2, &QCheckBox::toggled, this, [this] { CheckBox2Click(); });
  RadioGroup1 = new TRadioGroup(this, QStringLiteral("RadioGroup1"), 1);
  RadioGroup1->setTitle(QStringLiteral(" Kaikki kuviot,  ajankohta "));
  RadioGroup1->SetItems({QString::fromUtf8("ei toimenpiteitä"), QString::fromUtf8("kasvatuksen jälkeen, ei hakkuuta "),
                         QString::fromUtf8("hakkuun jälkeen"), QString::fromUtf8("hakkuun ja kasvatuksen jälkeen")});
  connect(RadioGroup1, &TRadioGroup::Clicked, this, [this] { RadioGroup1Click(); });
  Panel5 = MakeInfoPanel(this, "Panel5", [this] { Panel5Click(); });
  Panel5->hide();
  Button23 = MakeEstateButton(this, "Button23", QStringLiteral("Raportti"));
  Button6 = MakeEstateButton(this, "Button6", ActlanText(33));
  BitBtn2 = MakeEstateButton(this, "BitBtn2", QStringLiteral(" Ohje"));
  Button1 = MakeEstateButton(this, "Button1", QStringLiteral("Sulje"));
  connect(Button23, &QPushButton::clicked, this, [this] { Button23Click(); });
  connect(Button6, &QPushButton::clicked, this, [this] { Button6Click(); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  connect(Button1, &QPushButton::clicked, this, [this] { done(1); });
  SetStandTableHeadings(StringGrid3, false);
  LayoutEstateOverview();
}

// ---- Layout ---------------------------------------------------------------------

void TFolderForm::LayoutEstateOverview() {
  const QFont font = GridFont();
  for (QTableWidget* g : findChildren<QTableWidget*>()) g->setFont(font);
  auto textWidth = [&](const char* text) {
    Label47->setFont(font);
    Label47->setText(QString::fromUtf8(text));
    Label47->adjustSize();
    return Label47->width();
  };
  const int standColumn = textWidth("taimikko,ýlisp.") + 10;
  const int classColumn = textWidth("kasvatusmetsä,varttunut") + 9;
  const int sortColumn = textWidth("puutavaralaji   hinta") + 23;
  for (QTableWidget* g : {StringGrid3, StringGrid1, StringGrid2})
    for (int c = 0; c < kStandTableColumns; ++c) g->setColumnWidth(c, standColumn);
  for (QTableWidget* g : {StringGrid33, StringGrid11, StringGrid22})
    for (int c = 0; c < 3; ++c) g->setColumnWidth(c, classColumn);
  for (QTableWidget* g : {StringGrid333, StringGrid111, StringGrid222})
    for (int c = 0; c < 3; ++c) g->setColumnWidth(c, sortColumn);
  for (QTableWidget* g : findChildren<QTableWidget*>())
    for (int r = 0; r < g->rowCount(); ++r) g->setRowHeight(r, kRowHeight);
  StackControls();
}

void TFolderForm::StackControls() {
  auto gridWidth = [](QTableWidget* g) {
    int w = 2 * g->frameWidth();
    for (int c = 0; c < g->columnCount(); ++c) w += g->columnWidth(c);
    return w;
  };
  const int standWidth = gridWidth(StringGrid3) + 18;  // room for the rows' scroll bar
  int y = kMargin;
  Label2->setGeometry(kMargin, y, standWidth, 20);
  y += 24;
  Label39->setGeometry(kMargin, y, standWidth, 20);
  y += 22;
  StringGrid3->setGeometry(kMargin, y, standWidth, kRowHeight + 2);
  y += kRowHeight + 2;
  StringGrid1->setGeometry(kMargin, y, standWidth, kVisibleStandRows * kRowHeight + 2);
  y += StringGrid1->height();
  StringGrid2->setGeometry(kMargin, y, standWidth, kRowHeight + 2);
  y += kRowHeight + 2 + 8;
  RadioGroup1->move(kMargin, y);
  RadioGroup1->resize(qMax(360, RadioGroup1->sizeHint().width() + 20), RadioGroup1->height());
  const int boxes = RadioGroup1->x() + RadioGroup1->width() + 16;
  CheckBox1->adjustSize();
  CheckBox2->adjustSize();
  CheckBox1->move(boxes, y + 8);
  CheckBox2->move(boxes, y + 8 + CheckBox1->height() + 4);
  Panel5->move(boxes + qMax(CheckBox1->width(), CheckBox2->width()) + 16, y + 8);
  y += qMax(RadioGroup1->height(), 60) + 10;

  const int classWidth = gridWidth(StringGrid33);
  const int sortWidth = gridWidth(StringGrid333);
  const int right = kMargin + standWidth - sortWidth;
  const int titleTop = y;
  Label10->setGeometry(kMargin, titleTop, classWidth - 130, 20);
  ListBox1->setGeometry(kMargin + classWidth - 124, titleTop - 4, 124, 2 * ListBox1->sizeHintForRow(0) + 6);
  Label23->setGeometry(right, titleTop, sortWidth, 20);
  y = titleTop + qMax(24, ListBox1->height() + 2);
  StringGrid33->setGeometry(kMargin, y, classWidth, kRowHeight + 2);
  StringGrid333->setGeometry(right, y, sortWidth, kRowHeight + 2);
  y += kRowHeight + 2;
  StringGrid11->setGeometry(kMargin, y, classWidth, 10 * kRowHeight + 2);
  StringGrid111->setGeometry(right, y, sortWidth, 10 * kRowHeight + 2);
  y += 10 * kRowHeight + 2;
  StringGrid22->setGeometry(kMargin, y, classWidth, kRowHeight + 2);
  StringGrid222->setGeometry(right, y, sortWidth, kRowHeight + 2);
  y += kRowHeight + 2 + 12;
  PlaceButtonRow({Button1, BitBtn2, Button6, Button23}, kMargin + standWidth, y);
  SetOuterWidth(this, kMargin * 2 + standWidth + 6);
  FitFormHeight(this, y, 26 + kMargin);
}

void TFolderForm::SetTimePointItems(const QStringList& items) { SetTimePointGroupItems(RadioGroup1, items); }

void TFolderForm::SetTimePointGroupHeight(int height) {
  RadioGroup1->resize(RadioGroup1->width(), height);
  StackControls();
}

// ---- Contents -------------------------------------------------------------------

bool TFolderForm::WholeStand() const { return !CheckBox1->isChecked(); }
bool TFolderForm::RemovalView() const { return CheckBox2->isChecked(); }

int TFolderForm::OverviewTimePointIndex() const {
  const QStringList main = TheSession ? TheSession->TimePoints.items : QStringList();
  return MatchingTimePointIndex(RadioGroupItems(RadioGroup1), std::max(0, RadioGroup1->ItemIndex()), main);
}

void TFolderForm::FillGrid(QTableWidget* grid, int row, const QStringList& cells) {
  for (int c = 0; c < cells.size() && c < grid->columnCount(); ++c) grid->setItem(row, c, new QTableWidgetItem(cells[c]));
}

void TFolderForm::FillEstateOverview(int /*timePoint*/, int /*view*/) {
  if (!TheSession) return;
  const Estate e = TheSession->CurrentEstate();
  const StandTable t = EstateStandTable(e, {WholeStand(), RemovalView(), OverviewTimePointIndex()});
  StringGrid1->setRowCount(static_cast<int>(t.rows.size()));
  for (int r = 0; r < static_cast<int>(t.rows.size()); ++r) {
    FillGrid(StringGrid1, r, QStringList(t.rows[r].begin(), t.rows[r].end()));
    StringGrid1->setRowHeight(r, kRowHeight);
  }
  FillGrid(StringGrid2, 0, QStringList(t.totals.begin(), t.totals.end()));
  const AssortmentTable a = EstateAssortmentTable(e, OverviewTimePointIndex());
  for (int r = 0; r < 10; ++r) FillGrid(StringGrid111, r, QStringList(a.rows[r].begin(), a.rows[r].end()));
  FillGrid(StringGrid222, 0, QStringList(a.totals.begin(), a.totals.end()));
  Classes = EstateDistribution(e, false);
  Sites = EstateDistribution(e, true);
  ShowEstateDistribution(false, true);
  Label39->setText(t.title);
}

void TFolderForm::RefillEstateOverview(bool withTables) {
  if (withTables && TheSession) {
    const AssortmentTable a = EstateAssortmentTable(TheSession->CurrentEstate(), OverviewTimePointIndex());
    FillGrid(StringGrid333, 0, a.headings);
    for (int r = 0; r < 10; ++r) FillGrid(StringGrid111, r, QStringList(a.rows[r].begin(), a.rows[r].end()));
    FillGrid(StringGrid222, 0, QStringList(a.totals.begin(), a.totals.end()));
    Label23->setText(a.title);
    SetStandTableHeadings(StringGrid3, RemovalView());
  }
  FillEstateOverview(0, 0);
}

void TFolderForm::ShowEstateDistribution(bool siteTypes, bool withHeadings) {
  if (!TheSession) return;
  const DistributionTable t = DistributionTableOf(TheSession->CurrentEstate(), siteTypes ? Sites : Classes, siteTypes);
  if (withHeadings) FillGrid(StringGrid33, 0, t.headings);
  FillGrid(StringGrid22, 0, QStringList(t.totals.begin(), t.totals.end()));
  Label10->setText(t.title);
  StringGrid11->clearContents();
  for (int r = 0; r < static_cast<int>(t.rows.size()); ++r)
    FillGrid(StringGrid11, r, QStringList(t.rows[r].begin(), t.rows[r].end()));
  StringGrid33->setItem(0, 0, new QTableWidgetItem(t.headings[0]));
}

void TFolderForm::SetEstateCaptions() {
  if (!TheSession) return;
  const QString folder = TheSession->EstateFolder;
  const QString title = EstateTitleText(folder);
  setWindowTitle(PadCaption(title + QStringLiteral(",  ") + ActlanText(32).toLower()));
  if (QWidget* report = ApplicationWindow(QStringLiteral("dbRapForm")))
    report->setWindowTitle(PadCaption(title + QStringLiteral(",  ") + CommonlanText(69).toLower()));
  const Estate e = TheSession->CurrentEstate();
  Label2->setText(EstateCountAreaText(e, folder));
  if (GraphForm) {
    GraphForm->setWindowTitle(PadCaption(title + QStringLiteral(",  ") + ActlanText(30).toLower()));
    GraphForm->Label3->setText(Label2->text());
  }
  StringGrid1->setRowCount(e.Count());
}

// ---- Activation and handlers --------------------------------------------------------

int TFolderForm::ShowModal() { return exec(); }

void TFolderForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormActivate();
}

void TFolderForm::FormActivate() {
  if (SetupRequested) {
    // A tick or a time point changed here runs its handler; the
    // development classes chosen in the list are shown by the refill.
    CheckBox1->setChecked(false);
    CheckBox2->setChecked(false);
    RadioGroup1->setEnabled(true);
    RadioGroup1->SetItemIndex(0);
    ListBox1->setCurrentRow(0);
    SetGridColors(StringGrid2, PaletteColor(14), Qt::white);
    RefillEstateOverview(true);
    RadioGroup1->setTitle(TimePointCaptionText(0, false));
    StackControls();
    // Centred on the screen, like every window without a place of its own.
    PlaceOnScreen(this, 0.5, 0.5);
    Panel5->hide();
    if (GraphForm) GraphForm->PlaceChartWindow(true);
    SetupRequested = 0;
  }
  ClearFocus(this);
}

void TFolderForm::done(int r) {
  // Every way of closing puts the estate charts back in their own place.
  if (GraphForm) GraphForm->PlaceChartWindow(false);
  QDialog::done(r);
}

void TFolderForm::CheckBox1Click() {
  RefillEstateOverview(false);
  ClearFocus(this);
}

void TFolderForm::CheckBox2Click() {
  RadioGroup1->setEnabled(!RemovalView());
  RadioGroup1->setTitle(TimePointCaptionText(0, RemovalView()));
  RefillEstateOverview(true);
  SetGridColors(StringGrid2, PaletteColor(RemovalView() ? 6 : 14), Qt::white);
  ClearFocus(this);
}

void TFolderForm::RadioGroup1Click() {
  RefillEstateOverview(true);
  if (isVisible()) {
    Panel5->setVisible(InfoPanelByYear(RadioGroupItems(RadioGroup1), RadioGroup1->ItemIndex()));
    ClearFocus(this);
  }
}

void TFolderForm::ListBox1Click() {
  ShowEstateDistribution(ListBox1->currentRow() > 0, false);
  ClearFocus(this);
}

void TFolderForm::Panel5Click() { ShowTimePointForecastInfo(RadioGroup1); }

void TFolderForm::Button23Click() {
  OpenEstateReport(RemovalView() ? QString::fromUtf8("kuvioiden hakkuukertymä") : QStringLiteral("kuvioiden puustotiedot"));
  ClearFocus(this);
}

void TFolderForm::Button6Click() {
  if (MapForm) MapForm->ShowModal();
  ClearFocus(this);
}

void TFolderForm::BitBtn2Click() {
  ShowHelpText(windowTitle(), {FolderlanText(0)});
  ClearFocus(this);
}
