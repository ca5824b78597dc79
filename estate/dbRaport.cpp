#include "estate/dbRaport.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>

#include "estate/EstateRules.h"
#include "estate/Folder.h"
#include "estate/Raport.h"
#include "estate/RaportRules.h"
#include "estate/ReportMemo.h"
#include "estate/ReportPrint.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"
#include "platform/Screen.h"
#include "texts/Commonlan.h"
#include "ui/Palette.h"
#include "ui/Session.h"
#include "ui/WindowHelpers.h"

TdbRapForm* dbRapForm = nullptr;

namespace {

constexpr int kMemoWidth = 760;
constexpr int kPanelHeight = 44;

QStringList RowOf(const QTableWidget* grid, int row) {
  QStringList cells;
  if (!grid || row >= grid->rowCount()) return cells;
  for (int c = 0; c < grid->columnCount(); ++c) {
    const QTableWidgetItem* item = grid->item(row, c);
    cells << (item ? item->text() : QString());
  }
  return cells;
}

}  // namespace

TdbRapForm::TdbRapForm(QWidget* parent) : QDialog(parent) {
  SetUpReportWindow(this, QStringLiteral("dbRapForm"));
  dbRapForm = this;
  Memo2 = MakeReportMemo(this, QStringLiteral("Memo2"));
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  SetWidgetColor(Panel1, PaletteColor(7));
  CheckBox3 = MakeReportCheckBox(Panel1, QStringLiteral("CheckBox3"), QStringLiteral("kasvupaikkatyyppi"));
  CheckBox4 = MakeReportCheckBox(Panel1, QStringLiteral("CheckBox4"), QStringLiteral("puutavaralajit ja hakkuukertymä"));
  CheckBox5 = MakeReportCheckBox(Panel1, QStringLiteral("CheckBox5"), QStringLiteral("kuvioiden hakkuukertymä"));
  for (QCheckBox* b : {CheckBox3, CheckBox4, CheckBox5}) {
    b->setChecked(true);
    b->move(12, 10);
    connect(b, &QCheckBox::toggled, this, [this] { CheckBox3Click(); });
  }
  Button2 = MakeReportButton(Panel1, QStringLiteral("Button2"), CommonlanText(40));
  Button1 = MakeReportButton(Panel1, QStringLiteral("Button1"), CommonlanText(8));
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(Button1, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
  Label47 = new QLabel(this);
  Label47->setObjectName(QStringLiteral("Label47"));
  Label47->hide();
  LayoutReportWindow();
}

TdbRapForm::~TdbRapForm() {
  if (dbRapForm == this) dbRapForm = nullptr;
}

void TdbRapForm::LayoutReportWindow() {
  if (FolderForm) Label47->setFont(FolderForm->StringGrid1->font());
  const platform::ScreenMetrics s = platform::GetScreenMetrics();
  const int h = qMin(platform::TruncToInt(0.85 * s.height), 840);
  Memo2->setGeometry(0, 0, kMemoWidth, h);
  Panel1->setGeometry(0, h + 1, kMemoWidth, kPanelHeight);
  Button1->move(kMemoWidth - 10 - Button1->width(), (kPanelHeight - Button1->height()) / 2);
  Button2->move(Button1->x() - 5 - Button2->width(), Button1->y());
  SetOuterWidth(this, kMemoWidth + 8);
  FitFormHeight(this, Panel1->y(), kPanelHeight);
}

QStringList TdbRapForm::MemoLines() const { return ReportMemoLines(Memo2); }

dbraport::OverviewTable TdbRapForm::TableOf(QLabel* title, QTableWidget* heading, QTableWidget* rows,
                                            QTableWidget* totals) const {
  dbraport::OverviewTable t;
  t.title = title ? title->text() : QString();
  t.headings = RowOf(heading, 0);
  for (int r = 0; rows && r < rows->rowCount(); ++r) t.rows.push_back(RowOf(rows, r));
  t.totals = RowOf(totals, 0);
  return t;
}

void TdbRapForm::BuildEstateReport() {
  dbraport::EstateReportInput in;
  in.distribution = CheckBox3->isChecked();
  in.assortments = CheckBox4->isChecked();
  in.stands = CheckBox5->isChecked();
  Button2->setEnabled(in.distribution || in.assortments || in.stands);
  in.today = raport::TodayDateText(platform::Today());
  if (FolderForm) {
    TFolderForm* f = FolderForm;
    in.countLabel = f->Label2->text();
    in.distributionTable = TableOf(f->Label10, f->StringGrid33, f->StringGrid11, f->StringGrid22);
    in.assortmentTable = TableOf(f->Label23, f->StringGrid333, f->StringGrid111, f->StringGrid222);
    in.standTable = TableOf(f->Label39, f->StringGrid3, f->StringGrid1, f->StringGrid2);
    if (f->Panel5->isVisible() && TheSession) {
      float area = 0.0f;
      const int n = SmallSeedlingStandsBefore(TheSession->CurrentEstate(), 10000, area);
      in.assortmentNote = dbraport::SmallSeedlingNote(StandCountText(n, 0), area);
    }
  }
  // The stand table has a row per stand of the estate.
  in.standCount = static_cast<int>(in.standTable.rows.size());
  ShowReportLines(Memo2, dbraport::BuildEstateReport(in), 0);
}

void TdbRapForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormActivate();
}

void TdbRapForm::FormActivate() {
  LayoutReportWindow();
  const int item = FolderForm && FolderForm->ListBox1->currentRow() > 0 ? 1 : 0;
  // The distribution box is as wide as its first caption needs (and the
  // second less the 25 pixels it moves the others by), 25 wider for the
  // second; the assortment box starts at its right edge.
  int base = 0;
  for (int i = 0; FolderForm && i < FolderForm->ListBox1->count() && i < 2; ++i) {
    CheckBox3->setText(FolderForm->ListBox1->item(i)->text());
    base = qMax(base, CheckBox3->sizeHint().width() - 25 * i);
  }
  if (FolderForm && FolderForm->ListBox1->item(item)) CheckBox3->setText(FolderForm->ListBox1->item(item)->text());
  for (QCheckBox* b : {CheckBox3, CheckBox4, CheckBox5}) b->adjustSize();
  base = qMax(base, CheckBox3->width() - 25 * item) + 10;
  CheckBox3->resize(base + 25 * item, CheckBox3->height());
  CheckBox4->move(CheckBox3->x() + CheckBox3->width(), CheckBox3->y());
  CheckBox5->move(CheckBox4->x() + CheckBox4->width() + 25, CheckBox3->y());
  const platform::ScreenMetrics s = platform::GetScreenMetrics();
  move(ScreenOffset(s.width, OuterWidth(this), 0.5), ScreenOffset(s.height, OuterHeight(this), 0.5) - 10);
  BuildEstateReport();
  ClearFocus(this);
}

void TdbRapForm::CheckBox3Click() {
  if (isVisible()) BuildEstateReport();
  ClearFocus(this);
}

void TdbRapForm::Button2Click() {
  ReportPrintOptions options;
  options.heading = true;
  options.boldFirst = true;
  // The count line under the heading is printed too.
  options.firstBodyLine = 1;
  const ReportPrintFonts fonts{RapForm ? RapForm->Label3->font() : PixelFont(QStringLiteral("Arial"), 15, true),
                               Memo2->font()};
  PrintReportLines(this, MemoLines(), fonts, options, windowTitle(), CommonlanText(84).toLower() + QStringLiteral(" !"));
  ClearFocus(this);
}
