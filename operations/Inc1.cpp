#include "operations/Inc1.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ui/EstateChart.h"
#include "model/Data.h"
#include "operations/Inc.h"
#include "operations/Inc1Rules.h"
#include "platform/Numbers.h"
#include "ui/Session.h"
#include "stands/Settings.h"
#include "texts/Commonlan.h"
#include "texts/Inclan.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/WindowHelpers.h"

TIncForm1* IncForm1 = nullptr;

namespace {

constexpr int kWidth = 560;
constexpr int kTopHeight = 104;
constexpr int kChartHeight = 250;
constexpr int kButtonPanelHeight = 44;

}  // namespace

TIncForm1::TIncForm1(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("IncForm1"));
  IncForm1 = this;
  setModal(true);
  setWindowTitle(PadCaption(InclanText(9)));
  const QFont font = PixelFont(QStringLiteral("Calibri"), 13);
  Panel2 = MakeSettingsPanel(this, QStringLiteral("Panel2"), 9);
  Panel2->setGeometry(0, 0, kWidth, kTopHeight);
  Panel5 = MakeSettingsPanel(this, QStringLiteral("Panel5"), 7);
  Panel5->setGeometry(0, kTopHeight, kWidth, kButtonPanelHeight);
  Label1 = new QLabel(Panel2);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label5 = new QLabel(Panel2);
  Label5->setObjectName(QStringLiteral("Label5"));
  for (QLabel* l : {Label1, Label5}) {
    l->setFont(font);
    SetRoleColor(l, QPalette::WindowText, QColor(0, 0, 0));
  }
  Label1->setGeometry(14, 10, kWidth - 28, 22);
  Label5->setGeometry(14, 36, kWidth - 28, 22);
  ComboBox4 = new QComboBox(Panel2);
  ComboBox4->setObjectName(QStringLiteral("ComboBox4"));
  ComboBox4->setFont(font);
  ComboBox4->setGeometry(14, 66, 150, 26);
  ComboBox4->addItems(TimingRateItems());
  Chart1 = new TEstateChart(this, QStringLiteral("Chart1"), true);
  Chart1->SetBackColor(PaletteColor(16));
  Chart1->setGeometry(0, kTopHeight, kWidth, kChartHeight);
  Chart1->hide();
  Button2 = MakeSettingsButton(Panel5, QStringLiteral("Button2"), CommonlanText(8), 80);
  BitBtn1 = MakeSettingsButton(Panel5, QStringLiteral("BitBtn1"), CommonlanText(22), 80);
  Button2->move(kWidth - 92, 8);
  BitBtn1->move(Button2->x() - 86, 8);
  connect(ComboBox4, &QComboBox::activated, this, [this] { ComboBox4Change(); });
  connect(Button2, &QPushButton::clicked, this, [this] { done(1); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  SetOuterWidth(this, kWidth + 6);
  FitFormHeight(this, Panel5->y(), Panel5->height());
}

TIncForm1::~TIncForm1() {
  if (IncForm1 == this) IncForm1 = nullptr;
}

void TIncForm1::ShowTimingChart() {
  if (ComboBox4->currentIndex() < 1) {
    Chart1->hide();
    Panel5->move(0, Panel2->y() + Panel2->height());
  } else {
    DrawTimingChart(static_cast<float>(TimingRate10(ComboBox4->currentIndex())));
    Chart1->move(0, Panel2->y() + Panel2->height());
    Chart1->show();
    Panel5->move(0, Chart1->y() + Chart1->height() + 1);
  }
  FitFormHeight(this, Panel5->y(), Panel5->height());
}

void TIncForm1::DrawTimingChart(float rate10) {
  const ::data* stand = OpenedStand();
  const int startYear = stand ? stand->FirstPhaseYearText().toInt() : 0;
  const std::array<float, 4> factors = IncForm ? IncForm->ValueGrowthFactors : std::array<float, 4>{};
  const TimingChartContent c =
      BuildTimingChart(factors, platform::TruncToInt(rate10), startYear, ComboBox4->currentText());
  std::vector<EstateBar> bars;
  for (const TimingBar& b : c.bars) bars.push_back({b.value, b.label, b.colour, -1});
  Chart1->SetTitleLines({c.title});
  Chart1->SetFootLines(c.foot);
  Chart1->ShowBars(bars, QStringLiteral("###0.0## %"));
}

void TIncForm1::FormActivate() {
  const ::data* stand = OpenedStand();
  const QString subject = IncForm ? IncForm->Button2->text().toLower() : InclanText(9).toLower();
  if (stand) setWindowTitle(StandWindowCaption(*stand, subject));
  ShowTimingChart();
  if (IncForm) IncForm->PlaceGrowthWindows();
  ClearFocus(this);
}

void TIncForm1::ComboBox4Change() {
  ShowTimingChart();
  ClearFocus(this);
}

void TIncForm1::BitBtn1Click() {
  ShowHelpText(InclanText(9), {InclanText(20)});
  ClearFocus(this);
}

int TIncForm1::ShowModal() { return exec() == 1 ? 1 : 2; }

void TIncForm1::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormActivate();
}
