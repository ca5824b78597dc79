#include "stands/Settings1.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

#include "platform/Numbers.h"
#include "ui/WindowHelpers.h"
#include "stands/Settings.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "texts/Settlan.h"

TSettForm1* SettForm1 = nullptr;

namespace {

// Layout, client pixels.
constexpr int kWidth = 640;
constexpr int kPageTop = 30;          // page control under the check box
constexpr int kPanelLeft = 6;
constexpr int kPanelWidth = kWidth - 12 - 4 - 2 * kPanelLeft;  // inside the page frame

QString Lower(int commonNumber) { return CommonlanText(commonNumber).toLower(); }
QString Num(int v) { return platform::IntText(v); }

void CentreInParent(QLabel* label, int top) {
  label->adjustSize();
  label->move((label->parentWidget()->width() - label->width()) / 2, top);
}

}  // namespace

// ---- The recommendation settings window -----------------------------------------

TSettForm1::TSettForm1(QWidget* parent)
    : TSettingsWindow(parent, QStringLiteral("SettForm1"), model::kRecommendationPage) {
  SettForm1 = this;

  CheckBox1 = new QCheckBox(this);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox1->move(12, 6);
  PageControl2 = new QTabWidget(this);
  PageControl2->setObjectName(QStringLiteral("PageControl2"));
  TabSheet1 = AddTabSheet(PageControl2, QStringLiteral("TabSheet1"));
  TabSheet2 = AddTabSheet(PageControl2, QStringLiteral("TabSheet2"));
  TabSheet3 = AddTabSheet(PageControl2, QStringLiteral("TabSheet3"));

  auto heading = [](QWidget* panel, const QString& name) {
    QLabel* l = MakeSettingsLabel(panel, name);
    l->setFont(SettingsHeadingFont());
    return l;
  };

  // Final cutting.
  Panel1 = MakeSettingsPanel(TabSheet1, QStringLiteral("Panel1"), 5);
  Label1 = heading(Panel1, QStringLiteral("Label1"));
  RadioGroup1 = new TRadioGroup(Panel1, QStringLiteral("RadioGroup1"), 6);
  Label3 = MakeSettingsLabel(Panel1, QStringLiteral("Label3"));
  RadioGroup2 = new TRadioGroup(Panel1, QStringLiteral("RadioGroup2"), 5);
  Panel2 = MakeSettingsPanel(TabSheet1, QStringLiteral("Panel2"), 8);
  Label2 = heading(Panel2, QStringLiteral("Label2"));
  Label29 = MakeSettingsLabel(Panel2, QStringLiteral("Label29"));
  RichEdit1 = MakeSettingsInfoText(TabSheet1, QStringLiteral("RichEdit1"), 1);

  // Thinning.
  Panel3 = MakeSettingsPanel(TabSheet2, QStringLiteral("Panel3"), 5);
  Label4 = heading(Panel3, QStringLiteral("Label4"));
  RadioGroup3 = new TRadioGroup(Panel3, QStringLiteral("RadioGroup3"), 5);
  Label6 = MakeSettingsLabel(Panel3, QStringLiteral("Label6"));
  RadioGroup4 = new TRadioGroup(Panel3, QStringLiteral("RadioGroup4"), 5);
  Label23 = MakeSettingsLabel(Panel3, QStringLiteral("Label23"));
  Label13 = MakeSettingsLabel(Panel3, QStringLiteral("Label13"));
  Label30 = MakeSettingsLabel(Panel3, QStringLiteral("Label30"));
  Panel4 = MakeSettingsPanel(TabSheet2, QStringLiteral("Panel4"), 8);
  Label5 = heading(Panel4, QStringLiteral("Label5"));
  Label14 = MakeSettingsLabel(Panel4, QStringLiteral("Label14"));
  Label31 = MakeSettingsLabel(Panel4, QStringLiteral("Label31"));
  Label15 = MakeSettingsLabel(Panel4, QStringLiteral("Label15"));
  Label32 = MakeSettingsLabel(Panel4, QStringLiteral("Label32"));
  RichEdit2 = MakeSettingsInfoText(TabSheet2, QStringLiteral("RichEdit2"), 1);

  // Clearing.
  Panel5 = MakeSettingsPanel(TabSheet3, QStringLiteral("Panel5"), 3);
  Label7 = heading(Panel5, QStringLiteral("Label7"));
  RadioGroup5 = new TRadioGroup(Panel5, QStringLiteral("RadioGroup5"), 8);
  RichEdit3 = MakeSettingsInfoText(TabSheet3, QStringLiteral("RichEdit3"), 1);

  Panel6 = MakeSettingsPanel(this, QStringLiteral("Panel6"), 7);
  Button2 = MakeSettingsButton(Panel6, QStringLiteral("Button2"), QString(), 150);
  MakeButtons(Panel6);

  connect(RadioGroup1, &TRadioGroup::Clicked, this, [this] { ShowBirchFinalCutText(); });
  connect(RadioGroup2, &TRadioGroup::Clicked, this, [this] { ShowBirchFinalCutText(); });
  connect(RadioGroup3, &TRadioGroup::Clicked, this, [this] { ShowThinningTexts(); });
  connect(RadioGroup4, &TRadioGroup::Clicked, this, [this] { ShowThinningTexts(); });
  connect(RadioGroup5, &TRadioGroup::Clicked, this, [this] { RadioGroup5Click(); });
  connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

  FormCreate();
}

TSettForm1::~TSettForm1() {
  if (SettForm1 == this) SettForm1 = nullptr;
}

void TSettForm1::FormCreate() {
  FillRecommendationWindowTexts();
  LayoutPages();
  setWindowTitle(PadCaption(CommonlanText(100)));
}

void TSettForm1::FillRecommendationWindowTexts() {
  PageControl2->setTabText(0, ActlanText(9));
  PageControl2->setTabText(1, ActlanText(8));
  PageControl2->setTabText(2, SettlanText(3));
  const QString sep = QStringLiteral("   :   ");
  Label1->setText(SettlanText(8) + sep + ActlanText(9).toLower() + SettlanText(9));
  Label2->setText(SettlanText(11) + sep + ActlanText(9).toLower() + SettlanText(9));
  Label4->setText(SettlanText(8) + sep + ActlanText(8).toLower() + SettlanText(9));
  Label5->setText(SettlanText(11) + sep + ActlanText(8).toLower() + SettlanText(9));
  const QString basalAreaCaption = Lower(14) + QLatin1Char(' ') + SettlanText(10) + QStringLiteral(", ") + CommonlanText(15);
  RadioGroup1->setTitle(basalAreaCaption);
  RadioGroup2->setTitle(Lower(16) + QLatin1Char(' ') + SettlanText(10) + QStringLiteral(", ") + CommonlanText(17));
  RadioGroup3->setTitle(Lower(18) + QLatin1Char(' ') + SettlanText(14) + QStringLiteral(", ") + CommonlanText(19));
  RadioGroup4->setTitle(basalAreaCaption);
  RadioGroup5->setTitle(QStringLiteral("runkoluvun alaraja, ") + CommonlanText(35));
  Label3->setText(SettlanText(12));
  Label6->setText(SettlanText(12));
  Label7->setText(SettlanText(16));
  RichEdit1->setPlainText(SettlanText(5) + QStringLiteral("\n\n") + SettlanText(0));
  RichEdit2->setPlainText(SettlanText(6));
  RichEdit3->setPlainText(SettlanText(7));
  CheckBox1->setText(SettlanText(1));
  CheckBox1->adjustSize();
  Button2->setText(SettlanText(17));

  // The items replace those of the layout and leave no choice.
  RadioGroup1->SetItems({"16", "18", "20", "22", "24", "26"});
  RadioGroup2->SetItems({"24", "25", "26", "27", "28"});
  RadioGroup3->SetItems({"12", "13", "14", "15", "16"});
  RadioGroup4->SetItems({"20", "21", "22", "23", "24"});
  QStringList counts;
  for (int i = 0; i < model::kStemCountItems; ++i) counts << Num(2000 + 100 * i);
  RadioGroup5->SetItems(counts);
}

void TSettForm1::LayoutPages() {
  // Final cutting: two groups side by side with "ja" between.
  Panel1->setGeometry(kPanelLeft, 6, kPanelWidth, 102);
  RadioGroup1->setGeometry(10, 34, 300, 58);
  Label3->adjustSize();
  Label3->move(318, 60);
  RadioGroup2->setGeometry(346, 34, kPanelWidth - 356, 58);
  Panel2->setGeometry(kPanelLeft, 114, kPanelWidth, 64);
  // Thinning.
  Panel3->setGeometry(kPanelLeft, 6, kPanelWidth, 162);
  RadioGroup3->setGeometry(10, 34, 280, 58);
  Label6->adjustSize();
  Label6->move(298, 60);
  RadioGroup4->setGeometry(326, 34, kPanelWidth - 336, 58);
  Label23->move(0, 96);
  Label13->move(0, 118);
  Label30->move(0, 138);
  Panel4->setGeometry(kPanelLeft, 174, kPanelWidth, 108);
  Label14->move(0, 30);
  Label31->move(0, 48);
  Label15->move(0, 68);
  Label32->move(0, 86);
  // Clearing.
  Panel5->setGeometry(kPanelLeft, 6, kPanelWidth, 110);
  RadioGroup5->setGeometry(10, 34, kPanelWidth - 20, 66);

  for (QLabel* h : {Label1, Label2, Label4, Label5, Label7}) CentreInParent(h, 8);

  // Information texts: the thinning text by its lines; the other two end at
  // the same bottom; the page control 30 pixels below.
  RichEdit2->setGeometry(kPanelLeft, 288, kPanelWidth, 100);
  const int infoHeight = InfoTextHeight(RichEdit2, Label4->height() - 1);
  RichEdit2->resize(kPanelWidth, infoHeight);
  const int bottom = RichEdit2->y() + infoHeight;
  RichEdit1->setGeometry(kPanelLeft, 184, kPanelWidth, bottom - 184);
  RichEdit3->setGeometry(kPanelLeft, 122, kPanelWidth, bottom - 122);
  const int pageHeight = PageControl2->tabBar()->sizeHint().height() + bottom + 30;
  PageControl2->setGeometry(6, kPageTop, kWidth - 12, pageHeight);

  PlaceButtonPanel(Panel6, kPageTop + pageHeight + 6, kWidth);
  Button2->move(10, 8);
}

void TSettForm1::FormActivate() {
  PlaceOnScreen(this, 0.5, 0.5);
  setWindowTitle(PadCaption(windowTitle()));
  PageControl2->setCurrentIndex(0);
  BitBtn1->setEnabled(false);
  ClearActiveControl(this);
}

// ---- Choices ------------------------------------------------------------------

model::RecommendationChoices TSettForm1::Choices() const {
  // A group without a choice (before the settings are loaded) counts as its
  // default.
  const model::RecommendationChoices defaults;
  auto chosen = [](const TRadioGroup* g, int fallback) { return g->ItemIndex() < 0 ? fallback : g->ItemIndex(); };
  model::RecommendationChoices c;
  c.recommendationsOff = CheckBox1->isChecked();
  c.finalCutBasalAreaIndex = chosen(RadioGroup1, defaults.finalCutBasalAreaIndex);
  c.finalCutDiameterIndex = chosen(RadioGroup2, defaults.finalCutDiameterIndex);
  c.thinningHeightIndex = chosen(RadioGroup3, defaults.thinningHeightIndex);
  c.thinningBasalAreaIndex = chosen(RadioGroup4, defaults.thinningBasalAreaIndex);
  c.stemCountIndex = chosen(RadioGroup5, defaults.stemCountIndex);
  return c;
}

void TSettForm1::ShowChoices(const model::RecommendationChoices& c) {
  CheckBox1->setChecked(c.recommendationsOff);
  RadioGroup1->SetItemIndex(c.finalCutBasalAreaIndex);
  RadioGroup2->SetItemIndex(c.finalCutDiameterIndex);
  RadioGroup3->SetItemIndex(c.thinningHeightIndex);
  RadioGroup4->SetItemIndex(c.thinningBasalAreaIndex);
  RadioGroup5->SetItemIndex(c.stemCountIndex);
}

void TSettForm1::ShowSettings(const model::SettingsRecord& s) { ShowChoices(model::RecommendationChoicesOf(s)); }

model::SettingsSaveResult TSettForm1::SaveShownSettings() { return model::SaveRecommendationSettings(Choices()); }

int TSettForm1::FinalCutBasalArea(bool birch) const { return model::FinalCutBasalArea(Choices(), birch); }
int TSettForm1::FinalCutMeanDiameter(bool birch) const { return model::FinalCutMeanDiameter(Choices(), birch); }
int TSettForm1::ThinningHeightLimit(bool birch) const { return model::ThinningHeightLimit(Choices(), birch); }
int TSettForm1::ThinningBasalArea(bool birch) const { return model::ThinningBasalArea(Choices(), birch); }
int TSettForm1::TallStandThinningBasalArea(bool birch) const {
  return model::TallStandThinningBasalArea(Choices(), birch);
}
int TSettForm1::StemCountLowerLimit() const {
  // The chosen item's text as a number.
  bool ok = false;
  const int limit = RadioGroup5->ItemText(RadioGroup5->ItemIndex()).toInt(&ok);
  return ok ? limit : model::StemCountLowerLimit(Choices());
}
bool TSettForm1::RecommendationsOff() const { return CheckBox1->isChecked(); }

// ---- Text lines ------------------------------------------------------------------

void TSettForm1::ShowBirchFinalCutText() {
  Label29->setText(Lower(14) + QStringLiteral(" => ") + Num(FinalCutBasalArea(true)) + QLatin1Char(' ') +
                   CommonlanText(15) + QStringLiteral("  ") + SettlanText(12) + QStringLiteral("  ") + Lower(16) +
                   QStringLiteral(" => ") + Num(FinalCutMeanDiameter(true)) + QLatin1Char(' ') + CommonlanText(17));
  CentreInParent(Label29, 34);
  BitBtn1->setEnabled(true);
}

void TSettForm1::ShowThinningTexts() {
  const QString basal = Lower(14) + QStringLiteral(" => ");
  auto caseTwo = [&](bool birch) {
    return SettlanText(13) + QLatin1Char(' ') + Lower(18) + QStringLiteral(" => ") + Num(ThinningHeightLimit(birch)) +
           QLatin1Char(' ') + CommonlanText(19) + QStringLiteral("  ") + SettlanText(12) + QStringLiteral("  ") + basal +
           Num(TallStandThinningBasalArea(birch)) + QLatin1Char(' ') + CommonlanText(15);
  };
  auto target = [](int t) {
    return QStringLiteral("- ") + SettlanText(15) + QLatin1Char(' ') + Num(t - 2) + QStringLiteral(" - ") + Num(t + 2) +
           QLatin1Char(' ') + CommonlanText(15);
  };
  Label14->setText(Lower(18) + QStringLiteral(" < ") + Num(ThinningHeightLimit(true)) + QLatin1Char(' ') +
                   CommonlanText(19) + QStringLiteral("  ja ") + basal + Num(ThinningBasalArea(true)) + QLatin1Char(' ') +
                   CommonlanText(15));
  Label13->setText(caseTwo(false));
  Label15->setText(caseTwo(true));
  Label23->setText(target(ThinningBasalArea(false) - 6));
  Label31->setText(target(ThinningBasalArea(true) - 6));
  Label30->setText(target(TallStandThinningBasalArea(false) - 7));
  Label32->setText(target(TallStandThinningBasalArea(true) - 7));
  CentreThinningTexts();
  BitBtn1->setEnabled(true);
}

void TSettForm1::CentreThinningTexts() {
  for (QLabel* l : {Label13, Label14, Label15}) l->adjustSize();
  const int left = (Panel3->width() - Label14->width()) / 2;
  Label13->move(left, Label13->y());
  Label14->move(left, Label14->y());
  Label15->move(left, Label15->y());
  for (QLabel* l : {Label23, Label30, Label31, Label32}) CentreInParent(l, l->y());
}

// ---- Handlers ---------------------------------------------------------------------

void TSettForm1::RadioGroup5Click() { BitBtn1->setEnabled(true); }

void TSettForm1::CheckBox1Click() {
  if (!isVisible()) return;
  BitBtn1->setEnabled(true);
  ClearActiveControl(this);
}

void TSettForm1::Button2Click() {
  CheckBox1->setChecked(false);
  ShowChoices(model::RecommendationChoices{});
  ClearActiveControl(this);
}

bool RecommendationsOff() {
  if (SettForm1) return SettForm1->RecommendationsOff();
  return model::CurrentSettings().recommendationsOff != 0;
}
