#include "operations/Inc.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

#include "model/Data.h"
#include "model/Phase.h"
#include "model/Recommend.h"
#include "operations/Ages.h"
#include "operations/Inc1.h"
#include "operations/Inc1Rules.h"
#include "operations/IncRules.h"
#include "platform/Numbers.h"
#include "platform/Screen.h"
#include "ui/Session.h"
#include "stands/Settings.h"
#include "texts/Commonlan.h"
#include "texts/Inclan.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/RadioGroup.h"
#include "ui/WindowHelpers.h"

TIncForm* IncForm = nullptr;

namespace {

constexpr int kLeft = 8;
constexpr int kTitleHeight = 30;
constexpr int kPeriodPanelHeight = 74;
constexpr int kButtonPanelHeight = 44;

}  // namespace

TIncForm::TIncForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("IncForm"));
  IncForm = this;
  setModal(true);
  setWindowTitle(PadCaption(QStringLiteral("Puuston kehitys ja kasvatus")));
  const QFont font = PixelFont(QStringLiteral("Calibri"), 13);
  Panel1 = MakeSettingsPanel(this, QStringLiteral("Panel1"), 20);
  Panel3 = MakeSettingsPanel(this, QStringLiteral("Panel3"), 20);
  Panel5 = MakeSettingsPanel(this, QStringLiteral("Panel5"), 7);
  Label3 = new QLabel(Panel1);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setFont(font);
  SetRoleColor(Label3, QPalette::WindowText, QColor(255, 255, 255));
  CheckBox1 = new QCheckBox(Panel1);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox1->setFont(font);
  SetRoleColor(CheckBox1, QPalette::WindowText, QColor(255, 255, 255));
  StringGrid1 = new QTableWidget(kForecastRows, kForecastColumns, this);
  StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
  StringGrid1->setFont(font);
  StringGrid1->setEnabled(false);
  StringGrid1->horizontalHeader()->hide();
  StringGrid1->verticalHeader()->hide();
  StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid1->setFocusPolicy(Qt::NoFocus);
  SetRoleColor(StringGrid1, QPalette::Base, PaletteColor(1));
  SetRoleColor(StringGrid1, QPalette::Text, QColor(0, 0, 0));
  Label4 = new QLabel(this);
  Label4->setObjectName(QStringLiteral("Label4"));
  Label4->hide();
  RadioGroup1 = new TRadioGroup(Panel3, QStringLiteral("RadioGroup1"), kGrowthPeriodColumns);
  RadioGroup1->SetColumnMajor(true);
  RadioGroup1->setFont(font);
  SetRoleColor(RadioGroup1, QPalette::WindowText, QColor(255, 255, 255));
  RadioGroup1->SetItems(GrowthPeriodItems());
  Button2 = MakeSettingsButton(Panel3, QStringLiteral("Button2"), QString(), 170);
  Label1 = new QLabel(Panel5);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(font);
  SetRoleColor(Label1, QPalette::WindowText, QColor(240, 240, 240));
  BitBtn2 = MakeSettingsButton(Panel5, QStringLiteral("BitBtn2"), QString(), 76);
  BitBtn1 = MakeSettingsButton(Panel5, QStringLiteral("BitBtn1"), QString(), 76);
  BitBtn3 = MakeSettingsButton(Panel5, QStringLiteral("BitBtn3"), QString(), 76);
  connect(RadioGroup1, &TRadioGroup::Clicked, this, [this] { RadioGroup1Click(); });
  connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  connect(BitBtn3, &QPushButton::clicked, this, [this] { done(4); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { ShowGrowthHelp(); });

  SetGrowthCaptions();
  // Table geometry: every column as wide as the widest heading measured
  // with Label4 in the table's font, + 8; the rows as high as the age line
  // + 4. Each cell is followed by a grid line of one pixel, which Qt counts
  // in the column's width and the row's height; the frame takes the rest.
  Label4->setFont(StringGrid1->font());
  int widest = 0;
  for (const QString& h : ForecastHeadings()) {
    Label4->setText(h);
    Label4->adjustSize();
    widest = std::max(widest, Label4->width());
  }
  const int columnWidth = widest + 8;
  Label3->setText(QStringLiteral("Ag"));
  Label3->adjustSize();
  const int rowHeight = Label3->height() + 4;
  for (int c = 0; c < kForecastColumns; ++c) StringGrid1->setColumnWidth(c, columnWidth + 1);
  for (int r = 0; r < kForecastRows; ++r) StringGrid1->setRowHeight(r, rowHeight + 1);
  const int tableWidth = platform::TruncToInt(kForecastColumns * (columnWidth + 1.5));
  StringGrid1->setGeometry(kLeft, kLeft + kTitleHeight, tableWidth, rowHeight * kForecastRows + 10);
  // The headings in the table's own font on its colour, as every cell.
  const QStringList headings = ForecastHeadings();
  for (int c = 0; c < kForecastColumns; ++c) StringGrid1->setItem(0, c, new QTableWidgetItem(headings[c]));
  const int width = kLeft + tableWidth + kLeft;
  Panel1->setGeometry(kLeft, kLeft, tableWidth, kTitleHeight);
  Panel3->setGeometry(kLeft, StringGrid1->y() + StringGrid1->height() - 1, tableWidth, kPeriodPanelHeight);
  Panel5->setGeometry(kLeft, Panel3->y() + Panel3->height(), tableWidth, kButtonPanelHeight);
  Label3->move(8, (kTitleHeight - Label3->height()) / 2);
  CheckBox1->adjustSize();
  CheckBox1->move(Panel1->width() - CheckBox1->width() - 2, (kTitleHeight - CheckBox1->height()) / 2);
  RadioGroup1->move(6, 2);
  RadioGroup1->resize(RadioGroup1->sizeHint().width(), kPeriodPanelHeight - 6);
  Button2->move(tableWidth - Button2->width() - 8, (kPeriodPanelHeight - Button2->height()) / 2);
  BitBtn3->move(tableWidth - BitBtn3->width() - 7, (kButtonPanelHeight - BitBtn3->height()) / 2);
  BitBtn1->move(BitBtn3->x() - BitBtn1->width() - 3, BitBtn3->y());
  BitBtn2->move(BitBtn1->x() - BitBtn2->width() - 2, BitBtn3->y());
  SetOuterWidth(this, width + 6);
  ShowForecastTable(true);
  Button2->hide();
}

TIncForm::~TIncForm() {
  if (IncForm == this) IncForm = nullptr;
}

void TIncForm::SetGrowthCaptions() {
  RadioGroup1->setTitle(QLatin1Char(' ') + InclanText(8) + QLatin1Char(' '));
  CheckBox1->setText(InclanText(5));
  BitBtn2->setText(CommonlanText(4));
  BitBtn3->setText(CommonlanText(21));
  BitBtn1->setText(CommonlanText(22).toUpper());
  Button2->setText(InclanText(9));
}

int TIncForm::ChosenYears() const {
  const int i = RadioGroup1->ItemIndex();
  return i >= 0 ? GrowthYearsOfItem(RadioGroup1->ItemText(i)) : 0;
}

void TIncForm::FillGrowthForecast(int startYear, bool noGrowthYet) {
  ::data* stand = OpenedStand();
  for (int r = 1; r < kForecastRows; ++r)
    for (int c = 0; c < kForecastColumns; ++c) StringGrid1->setItem(r, c, new QTableWidgetItem(QString()));
  ValueGrowthFactors = {};
  Button2->hide();
  if (!stand) return;
  int chosen[kSpeciesSlots] = {};
  if (AgesForm) AgesForm->ReadChosenAges(chosen);
  int ages[kSpeciesSlots] = {};
  ForecastStartAges(*stand, chosen, noGrowthYet, ages);
  PriceFactors prices{};
  GetAssortmentPriceFactors(true, prices);
  const GrowthForecast f = ::FillGrowthForecast(*stand, CurrentPhase(), startYear, ages, noGrowthYet, prices);
  for (int r = 1; r < kForecastRows; ++r)
    for (int c = 0; c < kForecastColumns; ++c) StringGrid1->item(r, c)->setText(f.cells[r][c]);
  ValueGrowthFactors = f.valueFactors;
  Label3->setText(StandAgeLineText(ages, platform::IntText(startYear)));
  Label3->adjustSize();
  const bool timing = TimingButtonVisible(TheSession && TheSession->NewForestButtonShown, f.diameter20,
                                          f.basalArea20, SilvicultureThreshold(*stand, ThresholdCutDiameter),
                                          SilvicultureThreshold(*stand, ThresholdCutBasalArea));
  Button2->setVisible(timing);
  if (timing && IncForm1) {
    IncForm1->Label1->setText(TimingStateLine(startYear, f.diameter20, f.basalArea20));
    IncForm1->ComboBox4->setCurrentIndex(DefaultTimingRateItem(IncForm1->ComboBox4->count()));
    IncForm1->Label5->setText(TimingRateLine(startYear));
  }
}

void TIncForm::ShowGrowthChoice(int index) {
  const ::data* stand = OpenedStand();
  const int g = stand ? stand->GrowthStepCount() : 0;
  const QString year = stand ? stand->FirstPhaseYearText() : QString();
  Label1->setText(GrowthChoiceLine(g, year, index >= 0 ? RadioGroup1->ItemText(index) : QString()));
  BitBtn2->setEnabled(index >= 0);
  Label1->adjustSize();
  Label1->move(platform::TruncToInt((BitBtn2->x() - Label1->width()) * 0.5), (kButtonPanelHeight - Label1->height()) / 2);
}

void TIncForm::ShowForecastTable(bool show) {
  StringGrid1->setVisible(show);
  Panel3->move(Panel3->x(), show ? StringGrid1->y() + StringGrid1->height() - 1 : StringGrid1->y());
  Panel5->move(Panel5->x(), Panel3->y() + Panel3->height());
  FitFormHeight(this, Panel5->y(), Panel5->height());
}

void TIncForm::PlaceGrowthWindows() {
  const platform::ScreenMetrics s = platform::GetScreenMetrics();
  if (AgesForm && AgesForm->isVisible()) {
    AgesForm->PlaceAgesWindow(1);
    move(AgesForm->x() + 60, AgesForm->y() + 80);
  } else {
    const int h = OuterHeight(this) - (CheckBox1->isChecked() ? StringGrid1->height() : 0);
    move(platform::TruncToInt((s.width - OuterWidth(this)) * 0.5), platform::TruncToInt((s.height - h) * 0.4));
  }
  if (IncForm1 && IncForm1->isVisible())
    IncForm1->move(platform::TruncToInt((OuterWidth(this) - OuterWidth(IncForm1)) * 0.5 + x()), y() + 56);
}

void TIncForm::FormActivate() {
  ::data* stand = OpenedStand();
  if (NeedsRecompute && stand) {
    const int n = stand->GrowthStepCount();
    FillGrowthForecast(stand->FirstPhaseYearText().toInt(), n == 0);
    CheckBox1->setChecked(true);
    NeedsRecompute = false;
  }
  const int left = RadioGroup1->x();
  if (Button2->isVisibleTo(Panel3))
    RadioGroup1->resize(Panel3->width() - left - Button2->width() - 16, RadioGroup1->height());
  else
    RadioGroup1->resize(Panel3->width() - 2 * left - 2, RadioGroup1->height());
  ShowForecastTable(CheckBox1->isChecked());
  RadioGroup1->SetItemIndex(-1);
  ShowGrowthChoice(-1);
  if (stand)
    setWindowTitle(StandWindowCaption(*stand, CommonlanText(112).toLower()));
  PlaceGrowthWindows();
  ClearFocus(this);
}

void TIncForm::RadioGroup1Click() {
  ShowGrowthChoice(RadioGroup1->ItemIndex());
  ClearFocus(this);
}

void TIncForm::CheckBox1Click() {
  ShowForecastTable(CheckBox1->isChecked());
  ClearFocus(this);
}

void TIncForm::Button2Click() {
  if (IncForm1) IncForm1->ShowModal();
  ClearFocus(this);
}

void TIncForm::BitBtn2Click() {
  if (RadioGroup1->ItemIndex() < 0) {
    ShowNotice(CommonlanText(112), InclanText(12) + QStringLiteral("   !"));
    ClearFocus(this);
    return;
  }
  done(1);
}

void TIncForm::ShowGrowthHelp() {
  QStringList lines{InclanText(18)};
  if (CheckBox1->isChecked()) lines << QString() << InclanText(21);
  if (Button2->isVisibleTo(Panel3)) lines << QString() << InclanText(22);
  ShowHelpText(CommonlanText(112), lines);
  ClearFocus(this);
}

int TIncForm::ShowModal() {
  const int r = exec();
  return r == 1 || r == 4 ? r : 2;
}

void TIncForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormActivate();
}
