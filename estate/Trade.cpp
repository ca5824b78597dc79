#include "estate/Trade.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>

#include "estate/EstateWindows.h"
#include "estate/TradeChart.h"
#include "ui/ApplicationWindows.h"
#include "ui/Canvas.h"
#include "ui/StandPicture.h"
#include "estate/StandTextsRules.h"
#include "model/Phase.h"
#include "operations/NewFrst.h"
#include "model/Settings.h"
#include "platform/Clock.h"
#include "platform/Screen.h"
#include "ui/Session.h"
#include "stands/Settings.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "texts/Tradelan.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/RadioGroup.h"
#include "ui/WindowHelpers.h"

TTradeForm* TradeForm = nullptr;

namespace {

// Layout of the window, client pixels.
constexpr int kWidth = 800;
constexpr int kRowTop = 62;
constexpr int kRowStep = 26;
constexpr int kRowHeight = 22;
constexpr int kBoxLeft = 12;
constexpr int kBoxWidth = 236;
constexpr int kEditLeft = 254;
constexpr int kValueLeft = 384;
constexpr int kValueWidth = 96;
constexpr int kMarkerLeft = 488;
constexpr int kSideLeft = 514;
constexpr int kChartHeight = 122;
constexpr int kButtonPanelHeight = 56;

QColor Cream() { return ColorFromBgr(0xF0FBFF); }

// Controls of the ten rows, in the order of trade::kSaleRows.
struct RowNames {
  const char* box;
  const char* price;
  const char* volume;
  const char* value;
  const char* unit;
  const char* marker;
};
constexpr RowNames kRowNames[trade::kSaleRowCount] = {
    {"CheckBox11", "MaskEdit10", "Label112", "Label72", "Label114", "Label5"},  // energy wood
    {"CheckBox1", "MaskEdit1", "Label29", "Label39", "Label34", "Label4"},      // pine pulpwood
    {"CheckBox2", "MaskEdit2", "Label28", "Label38", "Label33", "Label6"},      // spruce pulpwood
    {"CheckBox3", "MaskEdit3", "Label10", "Label12", "Label11", "Label9"},      // birch pulpwood
    {"CheckBox4", "MaskEdit4", "Label96", "Label98", "Label94", "Label13"},     // aspen pulpwood
    {"CheckBox5", "MaskEdit5", "Label97", "Label99", "Label95", "Label15"},     // alder pulpwood
    {"CheckBox6", "MaskEdit6", "Label32", "Label42", "Label37", "Label16"},     // pine logs
    {"CheckBox7", "MaskEdit7", "Label31", "Label41", "Label36", "Label17"},     // spruce logs
    {"CheckBox8", "MaskEdit8", "Label30", "Label40", "Label35", "Label18"},     // birch logs
    {"CheckBox9", "MaskEdit9", "Label90", "Label91", "Label89", "Label19"},     // aspen logs
};
// The price settings window fills the edits in the order of the record:
// pulpwood of pine, spruce, birch, aspen and alder, logs of pine, spruce,
// birch and aspen, energy wood.
constexpr int kPriceFillOrder[model::kPriceEditCount] = {PinePulpwood, SprucePulpwood, BirchPulpwood,
                                                         AspenPulpwood, AlderPulpwood, PineLogs,
                                                         SpruceLogs, BirchLogs, AspenLogs, EnergyWood};

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text = QString()) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QLatin1String(name));
  l->setAttribute(Qt::WA_TranslucentBackground);
  return l;
}

QFrame* MakePanel(QWidget* parent, const char* name, int colourIndex) {
  auto* p = new QFrame(parent);
  p->setObjectName(QLatin1String(name));
  SetWidgetColor(p, PaletteColor(colourIndex));
  return p;
}

QComboBox* MakePercentList(QWidget* parent, const char* name) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QLatin1String(name));
  c->addItems(trade::PercentItems());
  c->setMaxVisibleItems(12);
  c->resize(64, kRowHeight);
  return c;
}

// The stand report window, which opens this window in turn.
QWidget* StandReportWindow() { return ApplicationWindow(QStringLiteral("RapForm")); }

bool ReportWindowVisible() {
  const QWidget* report = StandReportWindow();
  return report && report->isVisible();
}

// The cutting method of the current phase as the stand view names it (the
// cutting stage chosen in the main window), or nothing without a main window.
QString SaleMethodName(const data& stand) {
  if (!SessionHost()) return QString();
  StandViewState v;
  v.phase = CurrentPhase();
  v.thinningStage = TheSession->ThinningStageChosen;
  return OperationMethodName(stand, v, true);
}

// The chart's foot line after a regeneration cutting: the regeneration cost
// estimate's totals per hectare and per stand, or that there is none.
QString RegenerationFootLine() {
  const bool estimate = NewFrstForm && NewFrstForm->HasRegenerationEstimate();
  return trade::RegenerationEstimateLine(TheSession && TheSession->NewForestButtonShown, estimate,
                                         estimate ? NewFrstForm->Label7->text() : QString(),
                                         estimate ? NewFrstForm->Label8->text() : QString());
}

}  // namespace

// ---- Creation ----------------------------------------------------------------

TTradeForm::TTradeForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TradeForm"));
  TradeForm = this;
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::CustomizeWindowHint);
  setFont(PixelFont(QStringLiteral("Calibri"), 14));
  setWindowTitle(PadCaption(CommonlanText(41)));
  Panel1 = MakePanel(this, "Panel1", 200);
  SetRoleColor(Panel1, QPalette::WindowText, Cream());
  Label87 = MakeLabel(Panel1, "Label87");
  Label87->setFont(PixelFont(QStringLiteral("Calibri"), 16, true));
  Label87->setGeometry(kBoxLeft, 8, kWidth - 2 * kBoxLeft, 22);
  Label3 = MakeLabel(Panel1, "Label3");
  Label3->setGeometry(kBoxLeft, 32, kWidth - 2 * kBoxLeft, 20);
  CreateRows();
  CreateSideControls();
  CreateChartAndButtons();
  SetSaleCaptions();
  PlaceLowerPart();
  installEventFilter(this);
}

TTradeForm::~TTradeForm() {
  if (TradeForm == this) TradeForm = nullptr;
}

void TTradeForm::CreateRows() {
  const QFont boxFont = PixelFont(QStringLiteral("Courier New"), 13);
  for (int r = 0; r < trade::kSaleRowCount; ++r) {
    SaleRow& row = Rows[r];
    const RowNames& n = kRowNames[r];
    const int top = kRowTop + r * kRowStep;
    row.assortment = trade::kSaleRows[r];
    row.box = new QCheckBox(Panel1);
    row.box->setObjectName(QLatin1String(n.box));
    row.box->setFont(boxFont);
    row.box->setGeometry(kBoxLeft, top, kBoxWidth, kRowHeight);
    row.box->setEnabled(false);
    row.price = new QLineEdit(Panel1);
    row.price->setObjectName(QLatin1String(n.price));
    row.price->setFont(PixelFont(QStringLiteral("Arial Narrow"), 13));
    row.price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.price->setGeometry(kEditLeft, top, 33, kRowHeight);
    SetRoleColor(row.price, QPalette::Base, PaletteColor(1));
    row.volume = MakeLabel(Panel1, n.volume);
    row.volume->hide();
    row.value = MakeLabel(Panel1, n.value);
    row.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.value->setGeometry(kValueLeft, top, kValueWidth, kRowHeight);
    row.unit = MakeLabel(Panel1, n.unit);
    row.unit->setGeometry(kEditLeft + 40, top, 80, kRowHeight);
    row.marker = new QLabel(Panel1);
    row.marker->setObjectName(QLatin1String(n.marker));
    row.marker->setFrameShape(QFrame::Box);
    row.marker->setGeometry(kMarkerLeft, top + 6, 10, 10);
    const int k = row.assortment;
    // Pulpwood and log rows of pine, spruce, birch and aspen change what the
    // shift can move; alder pulpwood and energy wood do not.
    const bool updateShift = k != AlderPulpwood && k != EnergyWood;
    // Every change of the tick, the user's or the program's, raises the
    // row's reaction; its guards decide.
    connect(row.box, &QCheckBox::toggled, this, [this, updateShift] { OnSaleRowClick(updateShift); });
    connect(row.price, &QLineEdit::textEdited, this, [this] { OnChange1(); });
  }
}

void TTradeForm::CreateSideControls() {
  const int right = kWidth - kSideLeft - 12;
  CheckBox14 = new QCheckBox(Panel1);
  CheckBox14->setObjectName(QStringLiteral("CheckBox14"));
  CheckBox14->setGeometry(kSideLeft, kRowTop, right, kRowHeight);
  Label21 = MakeLabel(Panel1, "Label21");
  Label21->setGeometry(kSideLeft + 20, kRowTop + 20, right - 20, 20);
  CheckBox15 = new QCheckBox(Panel1);
  CheckBox15->setObjectName(QStringLiteral("CheckBox15"));
  CheckBox15->setGeometry(kSideLeft, kRowTop + 44, right, kRowHeight);
  Label22 = MakeLabel(Panel1, "Label22");
  Label22->setGeometry(kSideLeft + 20, kRowTop + 64, right - 20, 20);
  for (QLabel* hint : {Label21, Label22}) {
    hint->setFont(PixelFont(QStringLiteral("Calibri"), 14, true));
    SetRoleColor(hint, QPalette::WindowText, ColorFromBgr(0x00FFFF));
    hint->hide();
  }
  connect(CheckBox14, &QCheckBox::toggled, this, [this] { CheckBox14Click(); });
  connect(CheckBox15, &QCheckBox::toggled, this, [this] { CheckBox15Click(); });

  const int shiftTop = kRowTop + 104;
  Label23 = MakeLabel(Panel1, "Label23");
  Label23->move(kSideLeft, shiftTop);
  Label8 = MakeLabel(Panel1, "Label8");
  Label8->move(kSideLeft, shiftTop + 20);
  ComboBox1 = MakePercentList(Panel1, "ComboBox1");
  connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
  Label26 = MakeLabel(Panel1, "Label26");
  Label26->setGeometry(kSideLeft, shiftTop + 50, right, 20);
  Label2 = MakeLabel(Panel1, "Label2");
  Label2->move(kSideLeft, shiftTop + 70);
  Label14 = MakeLabel(Panel1, "Label14");
  Label20 = MakeLabel(Panel1, "Label20");

  // Totals, tax and net income under the rows, values in the value column.
  const int totalTop = kRowTop + trade::kSaleRowCount * kRowStep + 10;
  const QFont bold = PixelFont(QStringLiteral("Calibri"), 14, true);
  Label7 = MakeLabel(Panel1, "Label7");
  Label7->setGeometry(kBoxLeft + 20, totalTop, 120, kRowHeight);
  Label44 = MakeLabel(Panel1, "Label44");
  Label44->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Label44->setGeometry(kEditLeft - 110, totalTop, 100, kRowHeight);
  Label43 = MakeLabel(Panel1, "Label43");
  Label43->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Label43->setGeometry(kValueLeft, totalTop, kValueWidth, kRowHeight);
  Label64 = MakeLabel(Panel1, "Label64");
  Label64->setGeometry(kBoxLeft + 20, totalTop + kRowStep, 200, kRowHeight);
  ComboBox4 = MakePercentList(Panel1, "ComboBox4");
  ComboBox4->move(kEditLeft, totalTop + kRowStep);
  connect(ComboBox4, &QComboBox::activated, this, [this] { ComboBox4Change(); });
  Label66 = MakeLabel(Panel1, "Label66");
  Label66->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Label66->setGeometry(kValueLeft, totalTop + kRowStep, kValueWidth, kRowHeight);
  Label65 = MakeLabel(Panel1, "Label65");
  Label65->setGeometry(kBoxLeft + 20, totalTop + 2 * kRowStep, 220, kRowHeight);
  Label67 = MakeLabel(Panel1, "Label67");
  Label67->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Label67->setGeometry(kValueLeft, totalTop + 2 * kRowStep, kValueWidth, kRowHeight);
  for (QLabel* l : {Label7, Label44, Label43, Label65, Label67}) l->setFont(bold);
  Panel1->setGeometry(0, 0, kWidth, totalTop + 3 * kRowStep + 8);
}

void TTradeForm::CreateChartAndButtons() {
  Chart2 = new TSaleChart(this);
  Chart2->setObjectName(QStringLiteral("Chart2"));
  Chart2->SetBackgroundColor(PaletteColor(15));
  Chart2->setGeometry(0, Panel1->height() + 1, kWidth, kChartHeight);
  chartBottom_ = Chart2->y() + Chart2->height();
  // The report panel in the chart's top right corner, 3 pixels in.
  Panel11 = new QPushButton(this);
  Panel11->setObjectName(QStringLiteral("Panel11"));
  Panel11->setAutoDefault(false);
  Panel11->setFont(PixelFont(QStringLiteral("Calibri"), 14, true));
  Panel11->setStyleSheet(QStringLiteral("QPushButton { background: %1; border: 1px solid #3a6a3a; padding: 2px 10px; }")
                             .arg(PaletteColor(253).name()));
  Panel11->resize(140, 26);
  Panel11->move(kWidth - Panel11->width() - 3, Chart2->y() + 3);
  connect(Panel11, &QPushButton::clicked, this, [this] { Panel11Click(); });

  // The 1-ha sample strip under the chart (a 200 m x 50 m hectare).
  Image1 = new TCanvas(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, chartBottom_ + 1, kWidth, kWidth / 4);
  Label1 = MakeLabel(this, "Label1");
  Label1->setGeometry(8, Image1->y() + 4, kWidth - 200, 20);
  Label24 = MakeLabel(this, "Label24", ActlanText(106));
  Label24->adjustSize();
  Label24->move(kWidth - 6 - Label24->width(), Image1->y() + 4);
  Label24->setCursor(Qt::PointingHandCursor);
  Label24->installEventFilter(this);
  CheckBox10 = new QCheckBox(this);
  CheckBox10->setObjectName(QStringLiteral("CheckBox10"));
  CheckBox10->resize(18, 20);
  CheckBox10->move(Label24->x() - 6 - CheckBox10->width(), Image1->y() + 4);
  for (QLabel* l : {Label1, Label24}) SetRoleColor(l, QPalette::WindowText, Cream());
  connect(CheckBox10, &QCheckBox::toggled, this, [this] { CheckBox10Click(); });
  for (QWidget* w : std::initializer_list<QWidget*>{Image1, Label1, Label24, CheckBox10}) w->hide();

  Panel4 = MakePanel(this, "Panel4", 7);
  RadioGroup1 = new TRadioGroup(Panel4, QStringLiteral("RadioGroup1"), 2);
  RadioGroup1->setTitle(QLatin1Char(' ') + TradelanText(21) + QLatin1Char(' '));
  RadioGroup1->SetItems({QStringLiteral("ei"), QStringLiteral("kyllä")});
  RadioGroup1->setGeometry(8, 2, 250, kButtonPanelHeight - 6);
  SetRoleColor(RadioGroup1, QPalette::WindowText, Cream());
  connect(RadioGroup1, &TRadioGroup::Clicked, this, [this] { RadioGroup1Click(); });
  Button2 = new QPushButton(CommonlanText(8), Panel4);
  Button2->setObjectName(QStringLiteral("Button2"));
  BitBtn1 = new QPushButton(CommonlanText(22).toUpper(), Panel4);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  for (QPushButton* b : {Button2, BitBtn1}) {
    b->setAutoDefault(false);
    b->resize(96, 30);
  }
  // Right-aligned with 3-pixel gaps.
  Button2->move(kWidth - 3 - Button2->width(), (kButtonPanelHeight - 30) / 2);
  BitBtn1->move(Button2->x() - 3 - BitBtn1->width(), Button2->y());
  connect(Button2, &QPushButton::clicked, this, [this] { done(2); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

void TTradeForm::SetSaleCaptions() {
  Label3->setText(TradelanText(6));
  const QString stem = TradelanText(18).toLower();
  CheckBox14->setText((CommonlanText(13) + QStringLiteral(", ") + stem).toLower());
  CheckBox15->setText((CommonlanText(12) + QStringLiteral(", ") + stem).toLower());
  Label21->setText(TradelanText(19));
  Label22->setText(TradelanText(20));
  Label23->setText(TradelanText(7));
  Label23->adjustSize();
  Label8->setText(TradelanText(8));
  Label8->adjustSize();
  ComboBox1->move(Label8->x() + Label8->width() + 5, Label8->y() - 2);
  Label7->setText(TradelanText(5));
  Label64->setText(TradelanText(24).toLower());
  Label65->setText(TradelanText(0).toLower());
  Panel11->setText(TradelanText(22));
  for (SaleRow& row : Rows) row.box->setText(trade::SaleRowCaption(row.assortment, 0, Choices()));
  ShowUnitCaptions();
}

void TTradeForm::ShowUnitCaptions() {
  // The main window's currency captions add an arrow to the value column.
  for (SaleRow& row : Rows) row.unit->setText(CommonlanText(57));
}

void TTradeForm::PlaceLowerPart() {
  // The buttons under the sample picture when it is shown, else under the
  // chart; the window fits them.
  const int top = Image1->isVisibleTo(this) ? Image1->y() + Image1->height() + 1 : chartBottom_ + 1;
  Panel4->setGeometry(0, top, kWidth, kButtonPanelHeight);
  SetOuterWidth(this, kWidth + 6);
  FitFormHeight(this, top, kButtonPanelHeight);
}

// ---- Reading the window ------------------------------------------------------

TTradeForm::SaleRow& TTradeForm::RowOf(int assortment) {
  for (SaleRow& r : Rows)
    if (r.assortment == assortment) return r;
  return Rows[0];
}

const TTradeForm::SaleRow& TTradeForm::RowOf(int assortment) const {
  for (const SaleRow& r : Rows)
    if (r.assortment == assortment) return r;
  return Rows[0];
}

float TTradeForm::PriceOf(const SaleRow& row) const {
  // Empty positions of the mask count as 0.
  return model::ParseDecimalText(TSettForm::FillMaskBlanks(row.price->displayText())).value_or(0.0f);
}

void TTradeForm::ShowPrice(QLineEdit* edit, float price) {
  // The price window's filling: its mask, width and text format, 0 %.
  if (!SettForm) return;
  for (SaleRow& r : Rows)
    if (r.price == edit) SettForm->FillPriceEdit(price, 0, edit, r.unit);
}

int TTradeForm::LogShiftPercent() const { return qMax(0, ComboBox1->currentIndex()); }

trade::SaleChoices TTradeForm::Choices() const {
  trade::SaleChoices c;
  c.pineStem = CheckBox14 && CheckBox14->isChecked();
  c.spruceStem = CheckBox15 && CheckBox15->isChecked();
  c.shiftPercent = ComboBox1 ? LogShiftPercent() : 0;
  c.shiftEnabled = ComboBox1 && ComboBox1->isEnabled();
  return c;
}

AssortmentVolumes TTradeForm::RemovalOfStand() const {
  AssortmentVolumes removal{};
  if (const ::data* stand = OpenedStand())
    for (int j = 0; j < kAssortmentCount; ++j) removal[j] = AssortmentRemoval(*stand, j, true, 0);
  return removal;
}

int TTradeForm::CuttingMethodPriceClass() const {
  return trade::CuttingMethodPriceClass(TheSession && TheSession->NewForestButtonShown,
                                        TheSession && TheSession->ThinningStageChosen);
}

// ---- Prices --------------------------------------------------------------------

void TTradeForm::SetDefaultTradePrices() {
  if (!SettForm) return;
  std::array<QLineEdit*, model::kPriceEditCount> edits{};
  std::array<QLabel*, model::kPriceEditCount> units{};
  for (int i = 0; i < model::kPriceEditCount; ++i) {
    edits[i] = RowOf(kPriceFillOrder[i]).price;
    units[i] = RowOf(kPriceFillOrder[i]).unit;
  }
  const bool switching = InPriceSwitch;
  InPriceSwitch = true;
  SettForm->FillPriceEdits(edits, units, trade::PriceFillMode(CuttingMethodPriceClass()));
  InPriceSwitch = switching;
}

void TTradeForm::ResetPrices() {
  InPriceSwitch = false;
  // A ticked box that is enabled switches back to the log price through its
  // handler, which ticks the log row again; a disabled one does nothing.
  for (QCheckBox* b : {CheckBox14, CheckBox15}) b->setChecked(false);
  for (trade::StemPrices& p : SavedPrices) p.stem = 0.0f;
  AskStemPrice = true;
  SetDefaultTradePrices();
  PriceClass = CuttingMethodPriceClass();
  // The log edits take the colour of the pulpwood edits back.
  RowOf(PineLogs).price->setPalette(RowOf(PinePulpwood).price->palette());
  RowOf(SpruceLogs).price->setPalette(RowOf(SprucePulpwood).price->palette());
  Label21->hide();
  Label22->hide();
}

// ---- The recalculation -------------------------------------------------------

void TTradeForm::RefreshSaleRowCaptions(bool withCaptions) {
  for (SaleRow& row : Rows) {
    // Every position holds a digit; the user types on where the cursor was.
    const QString filled = TSettForm::FillMaskBlanks(row.price->displayText());
    if (filled == row.price->displayText()) continue;
    const int cursor = row.price->cursorPosition();
    row.price->setText(filled);
    row.price->setCursorPosition(cursor);
  }
  if (!withCaptions) return;
  const AssortmentVolumes removal = RemovalOfStand();
  const trade::SaleChoices choices = Choices();
  for (SaleRow& row : Rows) {
    const int volume = trade::SaleRowVolume(removal, choices, row.assortment);
    row.box->setText(trade::SaleRowCaption(row.assortment, volume, choices));
    const trade::RowState state = trade::RowStateForVolume(volume, {row.box->isEnabled(), row.box->isChecked()});
    // A row with volume is enabled and then ticked; one without is unticked
    // and then disabled. A tick changed here raises the row's reaction.
    if (state.enabled) row.box->setEnabled(true);
    row.box->setChecked(state.ticked);
    row.box->setEnabled(state.enabled);
  }
}

void TTradeForm::RecalculateTimberSale(bool withCaptions) {
  RefreshSaleRowCaptions(withCaptions);
  trade::SaleInput in;
  in.removal = RemovalOfStand();
  in.choices = Choices();
  for (const SaleRow& row : Rows) {
    in.ticked[row.assortment] = row.box->isChecked();
    in.prices[row.assortment] = PriceOf(row);
  }
  const trade::SaleResult r = trade::ComputeTimberSale(in);
  const trade::SaleChart chart = trade::SaleChartContents(
      r, in, OpenedStand() ? OpenedStand()->TitleText(2) : QString(), OpenedStand() ? OpenedStand()->PhaseYearText(CurrentPhase()) : QString(),
      RegenerationFootLine());
  for (SaleRow& row : Rows) {
    const bool ticked = row.box->isChecked();
    row.price->setVisible(ticked);
    row.unit->setVisible(ticked);
    row.marker->setVisible(ticked);
    if (ticked) {
      row.volume->setText(trade::VolumeText(r.volume[row.assortment]));
      row.value->setText(trade::MoneyText(r.value[row.assortment]));
      const int code = chart.bars[&row - Rows.data()].colourCode;
      const QColor colour = code == trade::kGradientStartBar ? PaletteColor(15) : SpeciesColor(code);
      SetWidgetColor(row.marker, colour);
      SetRoleColor(row.marker, QPalette::WindowText, QColor(32, 32, 32));
    }
    row.value->setVisible(ticked);
  }
  Label43->setText(trade::MoneyText(r.totalValue));
  Label44->setText(trade::VolumeText(r.totalVolume));
  if (ComboBox1->isEnabled()) ShowLogShiftEffect(trade::ShiftState::Enabled, r.moved, r.totalValue, r.unshiftedValue);
  Chart2->ShowContents(chart);
  ShowPrepaymentTax();
}

void TTradeForm::ShowPrepaymentTax() {
  const trade::TaxResult t = trade::PrepaymentTax(trade::LeadingNumber(Label43->text()), qMax(0, ComboBox4->currentIndex()));
  Label66->setText(trade::MoneyText(t.tax));
  Label67->setText(trade::MoneyText(t.net));
}

void TTradeForm::ShowLogShiftEffect(trade::ShiftState state, int moved, int value, int unshifted) {
  const trade::ShiftEffectTexts t = trade::LogShiftEffectTexts(state, moved, value, unshifted);
  Label26->setText(t.moved);
  Label2->setText(t.caption);
  Label14->setText(t.change);
  Label20->setText(t.percent);
  for (QLabel* l : {Label2, Label14, Label20}) l->adjustSize();
  Label14->move(Label2->x() + Label2->width() + 5, Label2->y());
  Label20->move(Label14->x() + Label14->width() + 5, Label2->y());
}

void TTradeForm::UpdateLogShiftList() {
  std::array<bool, 4> logRows{};
  for (int i = 0; i < 4; ++i) logRows[i] = RowOf(trade::kShiftableLogRows[i]).box->isEnabled();
  if (trade::IsLogShiftAllowed(Choices(), logRows)) {
    if (!ComboBox1->isEnabled()) {
      ComboBox1->setCurrentIndex(SavedShiftIndex);
      ComboBox1->setEnabled(true);
    }
    if (ComboBox1->currentIndex() < 0) ComboBox1->setCurrentIndex(0);
    RecalculateTimberSale(false);
    return;
  }
  if (ComboBox1->currentIndex() >= 0 && ComboBox1->isEnabled()) SavedShiftIndex = ComboBox1->currentIndex();
  ComboBox1->setEnabled(false);
  ComboBox1->setCurrentIndex(-1);
  const trade::ShiftState state = CheckBox14->isChecked() || CheckBox15->isChecked() ? trade::ShiftState::StemPrice
                                  : !logRows[0] && !logRows[1] && !logRows[2] && !logRows[3]
                                      ? trade::ShiftState::NoLogRows
                                      : trade::ShiftState::Other;
  ShowLogShiftEffect(state, 0, 0, 0);
}

void TTradeForm::FlashAndRecalculate(bool withCaptions) {
  // The totals and the chart go blank for a moment, so that the user sees
  // the figures change.
  for (QWidget* w : std::initializer_list<QWidget*>{Label7, Label64, Label65, ComboBox4}) w->hide();
  for (QLabel* l : {Label43, Label44, Label66, Label67}) l->clear();
  Chart2->Clear();
  repaint();
  platform::Pause(500);
  for (QWidget* w : std::initializer_list<QWidget*>{Label7, Label64, Label65, ComboBox4}) w->show();
  RecalculateTimberSale(withCaptions);
}

// ---- Activation ----------------------------------------------------------------

void TTradeForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormActivate();
}

void TTradeForm::ResetSaleChoices() {
  ComboBox4->setCurrentIndex(trade::kDefaultTaxPercent);
  for (SaleRow& row : Rows) {
    row.box->setChecked(false);
    row.box->setEnabled(false);
  }
}

void TTradeForm::SetStemPriceBoxState(QCheckBox* box, int logRemoval) {
  box->setEnabled(logRemoval != 0);
  if (logRemoval == 0) box->setChecked(false);
  SetRoleColor(box, QPalette::WindowText, ColorFromBgr(box->isEnabled() ? 0x00FFFF : 0xF0FBFF));
}

void TTradeForm::ShowStemHints() {
  Label21->setVisible(!NewStand && CheckBox14->isChecked() && RowOf(PineLogs).box->isChecked());
  Label22->setVisible(!NewStand && CheckBox15->isChecked() && RowOf(SpruceLogs).box->isChecked());
}

void TTradeForm::FormActivate() {
  if (!NeedsRefresh) return;
  ::data* stand = OpenedStand();
  if (!stand) return;
  const QString yearText = stand->PhaseYearText(CurrentPhase());
  const QString method = SaleMethodName(*stand);
  Label87->setText(trade::CuttingLineText(method, stand->Area(), RemovalValueSum(*stand, true, false, false)));
  setWindowTitle(PadCaption(trade::SaleCaptionText(stand->TitleText(2), yearText)));
  if (NewStand) {
    ComboBox1->setEnabled(false);
    ComboBox1->setCurrentIndex(0);
    SavedShiftIndex = 0;
    ResetSaleChoices();
  }
  const AssortmentVolumes removal = RemovalOfStand();
  // A stem price that lost its log removal is switched off, and its log
  // edit is switched back to the log price as the user's untick would (the
  // stem price kept for the box), so that logs coming back are sold at the
  // log price.
  for (auto [box, logs, species] : {std::tuple{CheckBox14, PineLogs, 0}, {CheckBox15, SpruceLogs, 1}}) {
    const bool wasTicked = box->isChecked();
    SetStemPriceBoxState(box, removal[logs]);
    if (wasTicked && !box->isChecked()) ShowStemOrLogPrice(species, false);
  }
  if (NewStand || CuttingMethodPriceClass() != PriceClass) ResetPrices();
  // The view: the shift list enabled, everything recomputed, no sample.
  ComboBox1->setEnabled(true);
  RecalculateTimberSale(true);
  ShowSalePicture(false);
  // "ei" chosen while the group is disabled, so that its handler does
  // nothing.
  RadioGroup1->setEnabled(false);
  RadioGroup1->SetItemIndex(0);
  RadioGroup1->setEnabled(true);
  // (Hidden with the sample: its handler does nothing.)
  CheckBox10->setChecked(false);
  UpdateLogShiftList();
  ShowStemHints();
  NeedsRefresh = false;
  NewStand = false;
  ClearActiveControl();
}

// ---- Handlers --------------------------------------------------------------------

void TTradeForm::OnSaleRowClick(bool updateShift) {
  if (isVisible() && !NewStand) {
    if (updateShift) UpdateLogShiftList();
    FlashAndRecalculate(false);
    ShowStemHints();
  }
  ClearActiveControl();
}

void TTradeForm::OnChange1() {
  if (isVisible() && !NewStand && !InPriceSwitch) FlashAndRecalculate(false);
}

void TTradeForm::ComboBox1Change() {
  if (ComboBox1->isEnabled()) {
    if (ComboBox1->currentIndex() == 0) SavedShiftIndex = 0;
    for (int k : {PinePulpwood, SprucePulpwood, BirchPulpwood, AspenPulpwood, PineLogs, SpruceLogs, BirchLogs,
                  AspenLogs})
      if (RowOf(k).box->isEnabled()) RowOf(k).value->clear();
    FlashAndRecalculate(true);
  }
  ClearActiveControl();
}

void TTradeForm::ComboBox4Change() {
  ShowPrepaymentTax();
  ClearActiveControl();
}

void TTradeForm::SwitchStemPrice(int species, QCheckBox* box, QCheckBox* logRow, QLabel* hint) {
  if (!box->isEnabled()) return;
  if (AskStemPrice) {
    const int answer = ShowQuestion(TradelanText(17), TradelanText(15), TradelanText(16), CommonlanText(7),
                                    CommonlanText(21));
    if (answer != 1) {
      // Put back while disabled, so that its handler does nothing.
      box->setEnabled(false);
      box->setChecked(!box->isChecked());
      box->setEnabled(true);
      return;
    }
  }
  InPriceSwitch = true;
  AskStemPrice = false;
  ShowStemOrLogPrice(species, box->isChecked());
  // The values that the switch changes go blank before the recalculation.
  for (int k : {PinePulpwood, SprucePulpwood, PineLogs, SpruceLogs}) RowOf(k).value->clear();
  if (LogShiftPercent() > 0 || SavedShiftIndex > 0)
    for (int k : {BirchPulpwood, AspenPulpwood, BirchLogs, AspenLogs}) RowOf(k).value->clear();
  FlashAndRecalculate(false);
  InPriceSwitch = false;
  hint->hide();
  // The rows that the switch ticks or unticks, the log row last, react as
  // to the user's click.
  UpdateLogShiftList();
  RecalculateTimberSale(true);
  logRow->setChecked(true);
  hint->setVisible(box->isChecked());
}

void TTradeForm::ShowStemOrLogPrice(int species, bool stem) {
  SaleRow& row = RowOf(species == 0 ? PineLogs : SpruceLogs);
  ShowPrice(row.price, trade::SwitchStemPrice(stem, PriceOf(row), SavedPrices[species]));
  if (stem) {
    SetRoleColor(row.price, QPalette::Base, ColorFromBgr(0xFFFF00));
  } else {
    row.price->setPalette(RowOf(species == 0 ? PinePulpwood : SprucePulpwood).price->palette());
  }
}

void TTradeForm::CheckBox14Click() {
  SwitchStemPrice(0, CheckBox14, RowOf(PineLogs).box, Label21);
  ClearActiveControl();
}

void TTradeForm::CheckBox15Click() {
  SwitchStemPrice(1, CheckBox15, RowOf(SpruceLogs).box, Label22);
  ClearActiveControl();
}

void TTradeForm::RadioGroup1Click() {
  if (RadioGroup1->isEnabled()) ShowSalePicture(RadioGroup1->ItemIndex() == 1);
  ClearActiveControl();
}

void TTradeForm::CheckBox10Click() {
  if (CheckBox10->isVisible()) ShowSalePicture(RadioGroup1->ItemIndex() == 1);
  ClearActiveControl();
}

void TTradeForm::Label24Click() {
  // The box's handler follows its change.
  CheckBox10->setChecked(!CheckBox10->isChecked());
}

bool TTradeForm::eventFilter(QObject* watched, QEvent* e) {
  if (watched == Label24 && e->type() == QEvent::MouseButtonRelease) {
    Label24Click();
    return true;
  }
  return QDialog::eventFilter(watched, e);
}

void TTradeForm::ShowSalePicture(bool show) {
  ::data* stand = OpenedStand();
  if (show && stand) {
    SetWidgetColor(this, PaletteColor(12));
    Image1->show();
    DrawOpenStandPicture(HostWindowSize(), MainApplicationWindow(), Image1, false, true, false, false,
                         CheckBox10->isChecked() ? TreeFilterLogTrees : TreeFilterAll);
    setAutoFillBackground(false);
    setPalette(QPalette());
    Label1->setText(trade::SamplePictureCaption(stand->TitleText(2), CheckBox10->isChecked(),
                                                RemovalValueSum(*stand, true, false, false)));
  }
  ShowSampleArea(show && stand);
}

void TTradeForm::ShowSampleArea(bool show) {
  for (QWidget* w : std::initializer_list<QWidget*>{Image1, Label1, Label24, CheckBox10}) w->setVisible(show);
  for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label24, CheckBox10}) w->raise();
  PlaceLowerPart();
  PlaceReportPanel(1 + (ReportWindowVisible() ? 1 : 0), true);
}

void TTradeForm::PlaceReportPanel(int mode, bool withCaption) {
  const bool attach = withCaption && ReportWindowVisible();
  Panel11->setText(attach ? TradelanText(23) : TradelanText(22));
  QWidget* report = StandReportWindow();
  if (attach) CentreReportWindow(report);
  const platform::ScreenMetrics s = platform::GetScreenMetrics();
  switch (mode) {
    case 0:
      if (report) move(report->x() - 20, report->y() - 40);
      break;
    case 1:
      PlaceOnScreen(this, 0.5, 0.5);
      break;
    default:
      move(ScreenOffset(s.width, OuterWidth(this), 0.5), report ? report->y() + 40 : y());
      break;
  }
}

void TTradeForm::Panel11Click() {
  if (!ReportWindowVisible()) {
    emit standReportRequested();
    ClearActiveControl();
    return;
  }
  platform::Pause(500);
  done(1);
}

void TTradeForm::BitBtn1Click() {
  ShowHelpText(CommonlanText(41), {TradelanText(1), QString(), TradelanText(2), QString(), TradelanText(3), QString(),
                                   TradelanText(4)});
  ClearActiveControl();
}

int TTradeForm::ShowModal() { return exec() == 1 ? 1 : 2; }

void TTradeForm::ClearActiveControl() { ClearFocus(this); }

raport::SaleReportTexts TTradeForm::SaleReport() const {
  raport::SaleReportTexts s;
  const ::data* stand = OpenedStand();
  if (stand) {
    s.yearText = stand->PhaseCalendarYearText(CurrentPhase());
    s.methodName = SaleMethodName(*stand);
    s.areaHa = stand->Area();
  }
  for (const SaleRow& row : Rows) {
    raport::SaleReportRow r;
    r.assortment = row.assortment;
    r.stem = (row.assortment == PineLogs && CheckBox14->isChecked()) ||
             (row.assortment == SpruceLogs && CheckBox15->isChecked());
    r.included = row.box->isChecked();
    r.priceText = row.price->displayText();
    r.volumeText = row.volume->text();
    r.valueText = row.value->text();
    s.rows.push_back(r);
  }
  s.totalCaption = Label7->text();
  s.totalVolumeText = Label44->text();
  s.totalValueText = Label43->text();
  s.taxCaption = Label64->text();
  s.taxPercent = qMax(0, ComboBox4->currentIndex());
  s.taxText = Label66->text();
  s.netCaption = Label65->text();
  s.netText = Label67->text();
  s.shiftPercent = ComboBox1->isEnabled() ? LogShiftPercent() : 0;
  s.movedText = Label26->text();
  s.changeCaption = Label2->text();
  s.changeText = Label14->text();
  s.changePercentText = Label20->text();
  return s;
}
