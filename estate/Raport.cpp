#include "estate/Raport.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include "estate/EstateWindows.h"
#include "estate/RaportRules.h"
#include "estate/ReportMemo.h"
#include "estate/ReportPrint.h"
#include "estate/Trade.h"
#include "stands/StandCardRules.h"
#include "estate/StandTextsRules.h"
#include "model/Estate.h"
#include "model/Phase.h"
#include "model/Settings.h"
#include "operations/NewFrst.h"
#include "operations/NewFrstRules.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"
#include "platform/Screen.h"
#include "ui/ApplicationWindows.h"
#include "ui/FileLists.h"
#include "ui/Session.h"
#include "stands/Meas.h"
#include "texts/Commonlan.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/WindowHelpers.h"

TRapForm* RapForm = nullptr;

namespace {

constexpr int kMemoWidth = 700;
constexpr int kPanelHeight = 44;
// The measurement window's notes editor as laid out, whose wrapping the
// report keeps (its own size and font are taken when that window exists).
constexpr int kNotesWidth = 429;
constexpr int kNotesFontPixels = 11;

// The regeneration cost estimate as its window shows it.
raport::RegenerationCostTexts RegenerationCostTextsOf(const TNewFrstForm& f) {
  raport::RegenerationCostTexts c;
  c.title = f.Label24->text();
  c.clearingLabel = f.Label14->text();
  c.clearingPerHa = f.Label6->text();
  c.clearingPerStand = f.Label28->text();
  c.soilLabel = f.Label25->text();
  c.soilPerHa = f.Label29->text();
  c.soilPerStand = f.Label30->text();
  // The cultivation lines are shown after a clear-cut only.
  c.seedlingShown = !f.Label26->isHidden();
  c.seedlingHeading = f.Label26->text();
  c.seedlingLabel = f.Label60->text();
  c.seedlingPerHa = f.Label58->text();
  c.seedlingPerStand = f.Label59->text();
  c.workLabel = f.Label61->text();
  c.workPerHa = f.Label62->text();
  c.workPerStand = f.Label63->text();
  c.totalLabel = f.Label27->text();
  c.totalPerHa = f.Label7->text();
  c.totalPerStand = f.Label8->text();
  return c;
}

}  // namespace

TRapForm::TRapForm(QWidget* parent) : QDialog(parent) {
  SetUpReportWindow(this, QStringLiteral("RapForm"));
  RapForm = this;
  Memo1 = MakeReportMemo(this, QStringLiteral("Memo1"));
  Memo1->setGeometry(0, 0, kMemoWidth, 600);
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  CheckBox1 = MakeReportCheckBox(Panel1, QStringLiteral("CheckBox1"), QStringLiteral("Lisää puustoarvio"));
  CheckBox3 = MakeReportCheckBox(Panel1, QStringLiteral("CheckBox3"), QStringLiteral("Lisää puukauppa"));
  Button4 = MakeReportButton(Panel1, QStringLiteral("Button4"), CommonlanText(40));
  Button1 = MakeReportButton(Panel1, QStringLiteral("Button1"), CommonlanText(8));
  CheckBox1->setGeometry(12, 10, 170, 24);
  CheckBox3->setGeometry(190, 10, 170, 24);
  Button1->move(kMemoWidth - 10 - Button1->width(), 7);
  Button4->move(Button1->x() - 5 - Button4->width(), 7);
  RichEdit1 = new QTextEdit(this);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1->hide();
  RichEdit1->setEnabled(false);
  Label3 = new QLabel(QStringLiteral("PrintCaption"), this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setFont(PixelFont(QStringLiteral("Arial"), 15, true));
  Label3->hide();
  Label2 = new QLabel(QStringLiteral("TextHeight"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->hide();
  // Every change of a tick runs its handler; the program changes them under
  // InBoxUpdate, which the handlers obey.
  connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
  connect(CheckBox3, &QCheckBox::toggled, this, [this] { CheckBox3Click(); });
  connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
  connect(Button1, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
  // FormCreate.
  CheckBox3->setChecked(false);
  StyleReportWindow();
  Panel1->setGeometry(0, Memo1->height() + 1, kMemoWidth, kPanelHeight);
  SetOuterWidth(this, kMemoWidth + 6);
  FitFormHeight(this, Panel1->y(), kPanelHeight);
}

TRapForm::~TRapForm() {
  if (RapForm == this) RapForm = nullptr;
}

void TRapForm::StyleReportWindow() {
  // The memo on palette colour 1, the check boxes on the button panel's 7.
  SetWidgetColor(Panel1, PaletteColor(7));
  // The notes wrap as they do in the measurement window's notes editor.
  if (MeasForm && MeasForm->RichEdit1) {
    RichEdit1->setFont(MeasForm->RichEdit1->font());
    RichEdit1->resize(MeasForm->RichEdit1->size());
    RichEdit1->setVerticalScrollBarPolicy(MeasForm->RichEdit1->verticalScrollBarPolicy());
    RichEdit1->document()->setDocumentMargin(MeasForm->RichEdit1->document()->documentMargin());
  } else {
    RichEdit1->setFont(PixelFont(QStringLiteral("Courier New"), kNotesFontPixels));
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->resize(kNotesWidth, 44);
  }
}

QStringList TRapForm::WrappedNotesLines(const QString& notes) {
  QTextDocument doc;
  doc.setDefaultFont(RichEdit1->font());
  doc.setDocumentMargin(RichEdit1->document()->documentMargin());
  doc.setPlainText(notes);
  // The width the editor's text has: inside its frame, less the scroll bar
  // it always shows.
  const bool bar = RichEdit1->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
  doc.setTextWidth(RichEdit1->width() - 2 * RichEdit1->frameWidth() -
                   (bar ? RichEdit1->verticalScrollBar()->sizeHint().width() : 0));
  doc.size();  // lays the text out
  QStringList lines;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    const QTextLayout* layout = b.layout();
    if (!layout || layout->lineCount() == 0) {
      lines << QString();
      continue;
    }
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      QString text = b.text().mid(line.textStart(), line.textLength());
      while (text.endsWith(QLatin1Char(' '))) text.chop(1);
      lines << text;
    }
  }
  return lines;
}

QStringList TRapForm::MemoLines() const { return ReportMemoLines(Memo1); }

void TRapForm::SetMemoLines(const QStringList& lines, int showLine) { ShowReportLines(Memo1, lines, showLine); }

// ---- Composition ---------------------------------------------------------------

void TRapForm::ComposeStandReport(bool openSale, bool addStock) {
  ::data* stand = OpenedStand();
  if (!stand) return;
  const bool stockWanted = CheckBox1->isChecked();
  const bool saleHidden = CheckBox3->isHidden();
  bool cancelled = false;
  bool saleWanted = false;
  if (openSale) {
    ShowBusy(MainApplicationWindow(), 10, 50, CommonlanText(41), PaletteColor(20));
    if (TradeForm) {
      TradeForm->NeedsRefresh = true;
      saleWanted = TradeForm->ShowModal() == 1;
    }
    if (!saleWanted) {
      cancelled = true;
      InBoxUpdate = true;
      CheckBox3->setChecked(false);
    }
  } else {
    saleWanted = saleHidden || CheckBox3->isChecked();
  }
  const int phase = CurrentPhase();
  QStringList memo = MemoLines();
  const int before = memo.size();
  const auto appendSale = [&] {
    if (TradeForm) raport::AppendTimberSale(memo, TradeForm->SaleReport());
  };
  if (cancelled) {
    // Nothing more.
  } else if (stockWanted && addStock) {
    raport::AppendStockEstimate(memo, *stand, phase, model::SettingsPriceVector());
    SetMemoLines(memo, before);
  } else if (saleWanted && !addStock && !saleHidden) {
    appendSale();
    SetMemoLines(memo, before);
  } else {
    memo.clear();
    raport::StandReportContext context;
    context.today = raport::TodayDateText(platform::Today());
    context.standFileCount = TheSession ? TheSession->StandFiles->count() : 1;
    context.estateAreaHa = TheSession ? EstateTotalArea(TheSession->EstateRecords, context.standFileCount) : 0.0f;
    context.groupingWord = StandGroupingText(false, stand->StructureCode());
    if (!stand->InfoText().isEmpty()) context.notesLines = WrappedNotesLines(stand->InfoText());
    raport::AppendStandBasicData(memo, *stand, context);
    QStringList phaseTexts;
    for (int k = 0; k <= phase; ++k) phaseTexts << PhaseText(*stand, k, true);
    raport::AppendOperationsAndStock(memo, *stand, phase, phaseTexts);
    if (TheSession && TheSession->NewForestButtonShown && NewFrstForm && NewFrstForm->HasRegenerationEstimate())
      raport::AppendRegenerationCosts(memo, RegenerationCostTextsOf(*NewFrstForm));
    if (CheckBox3->isChecked() || saleHidden) appendSale();
    else if (CheckBox1->isChecked()) raport::AppendStockEstimate(memo, *stand, phase, model::SettingsPriceVector());
    SetMemoLines(memo, 0);
  }
  InBoxUpdate = false;
}

// ---- Activation and handlers ---------------------------------------------------

void TRapForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormActivate();
}

void TRapForm::FormActivate() {
  if (!Initialised) {
    StyleReportWindow();
    ::data* stand = OpenedStand();
    setWindowTitle(PadCaption((stand ? stand->TitleText(2) : QString()) + QStringLiteral(",  ") +
                              CommonlanText(72).toLower()));
    const platform::ScreenMetrics s = platform::GetScreenMetrics();
    int h = qMin(platform::TruncToInt(0.85 * s.height), 870);
    const bool newForest = TheSession && TheSession->NewForestButtonShown;
    if (h > 800 && !newForest) h = 800;
    if (h > 850 && newForest && !(stand && NextOperationIsClearCut(*stand))) h = 850;
    Memo1->setGeometry(0, 0, kMemoWidth, h);
    Panel1->move(0, Memo1->y() + h + 1);
    FitFormHeight(this, Panel1->y(), kPanelHeight);
    CentreReportWindow(this);
    InBoxUpdate = true;
    CheckBox1->setChecked(false);
    CheckBox3->setChecked(false);
    if (TradeForm && TradeForm->isVisible()) TradeForm->PlaceReportPanel(0, false);
    ComposeStandReport(false, false);
    Initialised = true;
  }
  ClearActiveControl();
}

void TRapForm::ShowOverSale(QWidget* sale) {
  Initialised = false;
  ShowBusy(sale, 10, 100, CommonlanText(69), PaletteColor(20));
  ShowModal();
}

void TRapForm::done(int r) {
  if (TradeForm && TradeForm->isVisible()) TradeForm->PlaceReportPanel(1, false);
  QDialog::done(r);
}

void TRapForm::CheckBox3Click() {
  if (InBoxUpdate) return;
  if (!CheckBox3->isChecked()) {
    ComposeStandReport(false, false);
  } else if (OpenedStand() && RemovalValueSum(*OpenedStand(), true, true, false) == 0) {
    ShowNotice(CommonlanText(41), QStringLiteral("ei hakkuukertymää, ei arvioita puukaupasta kertyvistä tuloista  !"));
    InBoxUpdate = true;
    CheckBox3->setChecked(false);
    InBoxUpdate = false;
  } else {
    ComposeStandReport(true, false);
  }
  Button1->setFocus();
}

void TRapForm::CheckBox1Click() {
  if (InBoxUpdate) return;
  ComposeStandReport(false, true);
  Button1->setFocus();
}

void TRapForm::Button4Click() {
  ReportPrintOptions options;
  options.heading = true;
  options.boldFirst = false;
  options.firstBodyLine = 2;
  PrintReportLines(this, MemoLines(), {Label3->font(), Memo1->font()}, options, CommonlanText(85),
                   CommonlanText(88).toLower() + QStringLiteral(" !"));
  ClearActiveControl();
}

int TRapForm::ShowModal() { return exec(); }

void TRapForm::ClearActiveControl() { ClearFocus(this); }
