#include "operations/NewFrst.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

#include "model/Data.h"
#include "ui/Session.h"
#include "stands/Settings.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "texts/Newfrstlan.h"
#include "ui/Info.h"
#include "ui/Palette.h"
#include "ui/RadioGroup.h"
#include "ui/WindowHelpers.h"

TNewFrstForm* NewFrstForm = nullptr;

namespace {

// Layout, client pixels.
constexpr int kWidth = 600;
constexpr int kMargin = 6;
constexpr int kInnerWidth = kWidth - 2 * kMargin;
constexpr int kPageHeight = 272;   // page control with its tabs
constexpr int kRowPitch = 21;      // summary rows
constexpr int kPerHaRight = 430;   // right edge of the per-hectare column
constexpr int kPerStandRight = kInnerWidth - 12;
constexpr int kButtonPanelHeight = 44;

QComboBox* MakeList(QWidget* parent, const char* name, int width) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QLatin1String(name));
  c->setMaxVisibleItems(16);
  c->resize(width, 24);
  return c;
}

// A value label of the summary: right-aligned so that the column lines up.
QLabel* MakeValue(QWidget* parent, const char* name) {
  QLabel* l = MakeSettingsLabel(parent, QLatin1String(name));
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return l;
}

// A value at the right edge of its column, as high as a line of text.
void PlaceValue(QLabel* label, int right, int y, int width = 140) {
  label->setGeometry(right - width, y, width, label->sizeHint().height());
}

void SetText(QLabel* label, const QString& text) {
  label->setText(text);
  if (!(label->alignment() & Qt::AlignRight)) label->adjustSize();
}

// The program's changes of a list run no handler (only the user's choice
// does); a radio group's choice changed by the program runs its handler.
void FillList(QComboBox* list, const QStringList& items) {
  list->clear();
  list->addItems(items);
  list->setCurrentIndex(-1);
}

// The index is kept within the list.
void ChooseItem(QComboBox* list, int index) { list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1); }

void ChooseItem(TRadioGroup* group, int index) {
  group->SetItemIndex(index >= 0 && index < group->Count() ? index : -1);
}

// A stored index that lies within a list of count items, else the fallback.
int WithinList(int index, int count, int fallback) { return index >= 0 && index < count ? index : fallback; }

}  // namespace

TNewFrstForm::TNewFrstForm(QWidget* parent) : QDialog(parent) {
  NewFrstForm = this;
  setObjectName(QStringLiteral("NewFrstForm"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::CustomizeWindowHint);
  setFont(SettingsTextFont());

  RichEdit1 = MakeDisabledInfoText(this, QStringLiteral("RichEdit1"), 1);
  Label23 = MakeSettingsLabel(this, QStringLiteral("Label23"));
  Label23->hide();
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  TabSheet1 = AddTabSheet(PageControl1, QStringLiteral("TabSheet1"));
  TabSheet2 = AddTabSheet(PageControl1, QStringLiteral("TabSheet2"));
  TabSheet3 = AddTabSheet(PageControl1, QStringLiteral("TabSheet3"));

  Panel3 = MakeSettingsPanel(TabSheet1, QStringLiteral("Panel3"), 20);
  RadioGroup3 = new TRadioGroup(Panel3, QStringLiteral("RadioGroup3"), 1);
  Label20 = MakeSettingsLabel(Panel3, QStringLiteral("Label20"));
  ComboBox5 = MakeList(Panel3, "ComboBox5", 90);
  Label4 = MakeSettingsLabel(Panel3, QStringLiteral("Label4"));
  Label22 = MakeSettingsLabel(Panel3, QStringLiteral("Label22"));

  Panel4 = MakeSettingsPanel(TabSheet2, QStringLiteral("Panel4"), 20);
  RadioGroup1 = new TRadioGroup(Panel4, QStringLiteral("RadioGroup1"), 1);
  Label1 = MakeSettingsLabel(Panel4, QStringLiteral("Label1"));
  ComboBox1 = MakeList(Panel4, "ComboBox1", 90);
  Label9 = MakeSettingsLabel(Panel4, QStringLiteral("Label9"));
  Label5 = MakeSettingsLabel(Panel4, QStringLiteral("Label5"));

  Panel5 = MakeSettingsPanel(TabSheet3, QStringLiteral("Panel5"), 20);
  RadioGroup4 = new TRadioGroup(Panel5, QStringLiteral("RadioGroup4"), 1);
  RadioGroup2 = new TRadioGroup(Panel5, QStringLiteral("RadioGroup2"), 1);
  Label10 = MakeSettingsLabel(Panel5, QStringLiteral("Label10"));
  Label10->setFont(SettingsHeadingFont());
  Label2 = MakeSettingsLabel(Panel5, QStringLiteral("Label2"));
  ComboBox2 = MakeList(Panel5, "ComboBox2", 76);
  Label21 = MakeSettingsLabel(Panel5, QStringLiteral("Label21"));
  Label3 = MakeSettingsLabel(Panel5, QStringLiteral("Label3"));
  Label11 = MakeSettingsLabel(Panel5, QStringLiteral("Label11"));
  ComboBox3 = MakeList(Panel5, "ComboBox3", 76);
  Label13 = MakeSettingsLabel(Panel5, QStringLiteral("Label13"));
  Label15 = MakeSettingsLabel(Panel5, QStringLiteral("Label15"));
  Label16 = MakeSettingsLabel(Panel5, QStringLiteral("Label16"));
  Label12 = MakeSettingsLabel(Panel5, QStringLiteral("Label12"));
  ComboBox4 = MakeList(Panel5, "ComboBox4", 76);
  Label19 = MakeSettingsLabel(Panel5, QStringLiteral("Label19"));
  Label17 = MakeSettingsLabel(Panel5, QStringLiteral("Label17"));
  Label18 = MakeSettingsLabel(Panel5, QStringLiteral("Label18"));

  Panel2 = MakeSettingsPanel(this, QStringLiteral("Panel2"), 5);
  Panel2->setFrameShape(QFrame::StyledPanel);
  Label24 = MakeSettingsLabel(Panel2, QStringLiteral("Label24"));
  Label24->setFont(SettingsHeadingFont());
  Label14 = MakeSettingsLabel(Panel2, QStringLiteral("Label14"));
  Label6 = MakeValue(Panel2, "Label6");
  Label28 = MakeValue(Panel2, "Label28");
  Label25 = MakeSettingsLabel(Panel2, QStringLiteral("Label25"));
  Label29 = MakeValue(Panel2, "Label29");
  Label30 = MakeValue(Panel2, "Label30");
  Label26 = MakeSettingsLabel(Panel2, QStringLiteral("Label26"));
  Label60 = MakeSettingsLabel(Panel2, QStringLiteral("Label60"));
  Label58 = MakeValue(Panel2, "Label58");
  Label59 = MakeValue(Panel2, "Label59");
  Label61 = MakeSettingsLabel(Panel2, QStringLiteral("Label61"));
  Label62 = MakeValue(Panel2, "Label62");
  Label63 = MakeValue(Panel2, "Label63");
  Bevel1 = new QFrame(Panel2);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameShape(QFrame::HLine);
  Bevel1->setFrameShadow(QFrame::Sunken);
  Label27 = MakeSettingsLabel(Panel2, QStringLiteral("Label27"));
  Label7 = MakeValue(Panel2, "Label7");
  Label8 = MakeValue(Panel2, "Label8");
  for (QLabel* l : {Label27, Label7, Label8}) l->setFont(SettingsHeadingFont());

  Panel6 = MakeSettingsPanel(this, QStringLiteral("Panel6"), 7);
  BitBtn1 = MakeSettingsButton(Panel6, QStringLiteral("BitBtn1"), QString(), 96);
  BitBtn2 = MakeSettingsButton(Panel6, QStringLiteral("BitBtn2"), QString(), 96);

  connect(RadioGroup1, &TRadioGroup::Clicked, this, [this] { RadioGroup1Click(); });
  connect(RadioGroup2, &TRadioGroup::Clicked, this, [this] { RadioGroup2Click(); });
  connect(RadioGroup3, &TRadioGroup::Clicked, this, [this] { RadioGroup3Click(); });
  connect(RadioGroup4, &TRadioGroup::Clicked, this, [this] { RadioGroup4Click(); });
  connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
  connect(ComboBox2, &QComboBox::activated, this, [this] { ComboBox2Change(); });
  connect(ComboBox3, &QComboBox::activated, this, [this] { ComboBox3Change(); });
  connect(ComboBox4, &QComboBox::activated, this, [this] { ComboBox4Change(); });
  connect(ComboBox5, &QComboBox::activated, this, [this] { ComboBox5Change(); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { done(1); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { done(2); });

  FormCreate();
}

TNewFrstForm::~TNewFrstForm() {
  if (NewFrstForm == this) NewFrstForm = nullptr;
}

// ---- Creation and layout ----------------------------------------------------

void TNewFrstForm::FormCreate() {
  SetNewFrstFormTexts();
  SetOuterWidth(this, kWidth + 6);
  RichEdit1->setGeometry(kMargin, kMargin, kInnerWidth, 40);
  RichEdit1->resize(kInnerWidth, TextBlockHeight(Label23, RichEdit1));
  for (QFrame* p : {Panel2, Panel3, Panel4, Panel5, Panel6}) p->setAutoFillBackground(true);
  SetWidgetColor(Panel2, PaletteColor(5));
  for (QFrame* p : {Panel3, Panel4, Panel5}) SetWidgetColor(p, PaletteColor(20));
  SetWidgetColor(Panel6, PaletteColor(7));
  // The two cost lists are the same 5001 items for the whole run.
  const QStringList costs = CostPerHaItems();
  FillList(ComboBox5, costs);
  FillList(ComboBox1, costs);
  for (auto& m : remembered_) m.fill(-1);
  LayoutPages();
  SetupRegenerationPage();
}

void TNewFrstForm::SetNewFrstFormTexts() {
  setWindowTitle(PadCaption(ActlanText(73)));
  RichEdit1->setPlainText(NewfrstlanText(0));
  PageControl1->setTabText(0, QStringLiteral("Raivaus / kulotus"));
  PageControl1->setTabText(1, QStringLiteral("Muokkaus"));
  PageControl1->setTabText(2, QStringLiteral("Metsänviljely"));
  RadioGroup3->setTitle(QStringLiteral(" hakkuualan raivaus tai kulotus "));
  RadioGroup1->setTitle(QStringLiteral(" maanmuokkaus "));
  RadioGroup4->setTitle(QStringLiteral(" metsänviljely "));
  RadioGroup2->setTitle(QStringLiteral(" puulaji "));
  RadioGroup3->SetItems(ClearingMethodItems());
  RadioGroup1->SetItems(SoilMethodItems());
  RadioGroup4->SetItems(CultivationMethodItems());
  RadioGroup2->SetItems(CultivationListsFor(NoCultivation).species);
  SetText(Label2, QStringLiteral("määrä"));
  SetText(Label4, CommonlanText(56));
  SetText(Label9, CommonlanText(56));
  SetText(Label27, EstimateTotalLabel());
  BitBtn1->setText(CommonlanText(4));
  BitBtn2->setText(QStringLiteral("Peru"));
}

void TNewFrstForm::LayoutPages() {
  PageControl1->resize(kInnerWidth, kPageHeight);
  const int pageWidth = kInnerWidth - 6;
  const int panelHeight = kPageHeight - 34;
  for (QFrame* p : {Panel3, Panel4, Panel5}) p->setGeometry(0, 0, pageWidth, panelHeight);
  // Clearing and soil preparation: the methods at the left, the cost at the
  // right.
  RadioGroup3->setGeometry(10, 8, 260, 118);
  RadioGroup1->setGeometry(10, 8, 260, 170);
  for (auto [label, list, unit, stand] : {std::tuple{Label20, ComboBox5, Label4, Label22},
                                          std::tuple{Label1, ComboBox1, Label9, Label5}}) {
    label->move(292, 24);
    list->move(292, 48);
    unit->move(list->x() + list->width() + 6, 51);
    stand->move(292, 86);
  }
  // Cultivation: method and species at the left, the amount, material and
  // work rows at the right.
  RadioGroup4->setGeometry(10, 8, 170, 90);
  RadioGroup2->setGeometry(10, 102, 170, panelHeight - 110);
  constexpr int kTextX = 196;
  constexpr int kListX = 326;
  Label10->move(kTextX, 12);
  Label2->move(kTextX, 47);
  ComboBox2->move(kListX, 44);
  Label21->move(kListX + ComboBox2->width() + 6, 47);
  Label3->move(kListX, 72);
  Label11->move(kTextX, 105);
  ComboBox3->move(kListX, 102);
  Label13->move(kListX + ComboBox3->width() + 6, 105);
  Label15->move(kListX, 130);
  Label16->move(kListX + 120, 130);
  Label12->move(kTextX, 163);
  ComboBox4->move(kListX, 160);
  Label19->move(kListX + ComboBox4->width() + 6, 163);
  Label17->move(kListX, 188);
  Label18->move(kListX + 120, 188);
  // Summary rows.
  Label24->move(10, 8);
  int y = 36;
  for (auto [text, perHa, perStand] : {std::tuple{Label14, Label6, Label28}, std::tuple{Label25, Label29, Label30}}) {
    text->move(10, y);
    PlaceValue(perHa, kPerHaRight, y);
    PlaceValue(perStand, kPerStandRight, y);
    y += kRowPitch;
  }
  Label26->move(10, y);
  y += kRowPitch;
  for (auto [text, perHa, perStand] : {std::tuple{Label60, Label58, Label59}, std::tuple{Label61, Label62, Label63}}) {
    text->move(28, y);
    PlaceValue(perHa, kPerHaRight, y);
    PlaceValue(perStand, kPerStandRight, y);
    y += kRowPitch;
  }
  Panel6->resize(kWidth, kButtonPanelHeight);
  BitBtn2->move(kWidth - BitBtn2->width() - 10, 8);
  BitBtn1->move(BitBtn2->x() - BitBtn1->width() - 6, 8);
}

void TNewFrstForm::LayoutSummary(bool clearCut) {
  QLabel* last = clearCut ? Label61 : Label25;
  const int totalY = last->y() + last->height() + 4;
  Bevel1->setGeometry(10, totalY - 3, kInnerWidth - 20, 2);
  Label27->move(10, totalY);
  PlaceValue(Label7, kPerHaRight, totalY);
  PlaceValue(Label8, kPerStandRight, totalY);
  const int panelHeight = totalY + Label27->height() + 6;
  PageControl1->move(kMargin, RichEdit1->y() + RichEdit1->height());
  Panel2->setGeometry(kMargin, PageControl1->y() + PageControl1->height() + 4, kInnerWidth, panelHeight);
  Panel6->move(0, Panel2->y() + Panel2->height() + 6);
  FitFormHeight(this, Panel6->y(), Panel6->height());
}

// ---- Services ---------------------------------------------------------------

bool TNewFrstForm::NextOperationIsClearCut() const {
  const ::data* stand = OpenedStand();
  return stand && ::NextOperationIsClearCut(*stand);
}

QString TNewFrstForm::RegenerationTitle(bool shortForm) const {
  const ::data* stand = OpenedStand();
  return stand ? ::RegenerationTitle(*stand, shortForm) : QString();
}

bool TNewFrstForm::CultivationShown() const { return PageControl1->isTabVisible(2); }

void TNewFrstForm::SetupRegenerationPage() {
  const bool clearCut = NextOperationIsClearCut();
  SetText(Label24, RegenerationTitle(false));
  for (QLabel* l : {Label26, Label58, Label59, Label60, Label61, Label62, Label63}) l->setVisible(clearCut);
  PageControl1->setTabVisible(2, clearCut);
  LayoutSummary(clearCut);
}

void TNewFrstForm::LoadRegenerationChoices() {
  const ::data* stand = OpenedStand();
  auto choice = [stand](int i) { return stand ? stand->RegenerationChoice(i) : (i == 5 ? -1 : 0); };
  // Cultivation first: the method (a method chosen anew builds its lists
  // through the group's handler), then its choices. An index that lies
  // outside its list (a stand file written elsewhere) takes the first item,
  // or the default amount.
  const int method = WithinList(choice(CultivationMethodChoice), 3, NoCultivation);
  ChooseItem(RadioGroup4, method);
  if (method != NoCultivation) {
    // The species chosen runs its handler, which remembers it for the
    // method; the amounts, the material and the work are shown, not
    // remembered (their lists run nothing when the program sets them).
    const int species = WithinList(choice(CultivationSpeciesChoice), RadioGroup2->Count(), 0);
    ChooseItem(RadioGroup2, species);
    ChooseItem(ComboBox2, WithinList(choice(AmountChoice), ComboBox2->count(), DefaultAmountIndex(species)));
    ChooseItem(ComboBox3, WithinList(choice(MaterialChoice), ComboBox3->count(), 0));
    ChooseItem(ComboBox4, WithinList(choice(WorkChoice), ComboBox4->count(), 0));
  }
  ShowMethodCaption();
  // Clearing and soil preparation: a chosen method has a cost.
  for (auto [group, list, label, methodIndex, costIndex] :
       {std::tuple{RadioGroup3, ComboBox5, Label20, ClearingMethodChoice, ClearingCostChoice},
        std::tuple{RadioGroup1, ComboBox1, Label1, SoilMethodChoice, SoilCostChoice}}) {
    ChooseItem(group, WithinList(choice(methodIndex), group->Count(), 0));
    const bool chosen = group->ItemIndex() > 0;
    list->setEnabled(chosen);
    ChooseItem(list, chosen ? WithinList(choice(costIndex), list->count(), 0) : -1);
    SyncMethodCombo(group, list, label, false);
  }
}

void TNewFrstForm::StoreRegenerationChoices() {
  ::data* stand = OpenedStand();
  if (!stand) return;
  stand->SetRegenerationChoice(ClearingMethodChoice, RadioGroup3->ItemIndex());
  stand->SetRegenerationChoice(ClearingCostChoice, ComboBox5->currentIndex());
  stand->SetRegenerationChoice(SoilMethodChoice, RadioGroup1->ItemIndex());
  stand->SetRegenerationChoice(SoilCostChoice, ComboBox1->currentIndex());
  if (!CultivationShown()) return;
  stand->SetRegenerationChoice(CultivationMethodChoice, RadioGroup4->ItemIndex());
  stand->SetRegenerationChoice(CultivationSpeciesChoice, RadioGroup2->ItemIndex());
  stand->SetRegenerationChoice(AmountChoice, ComboBox2->currentIndex());
  stand->SetRegenerationChoice(MaterialChoice, ComboBox3->currentIndex());
  stand->SetRegenerationChoice(WorkChoice, ComboBox4->currentIndex());
}

void TNewFrstForm::ComputeRegenerationEstimate() {
  const ::data* stand = OpenedStand();
  RegenerationEstimateInput in;
  in.areaHa = stand ? stand->Area() : 0.0f;
  in.clearingMethod = RadioGroup3->ItemIndex();
  in.clearingCostEnabled = ComboBox5->isEnabled();
  in.clearingCostText = ComboBox5->currentText();
  in.soilMethod = RadioGroup1->ItemIndex();
  in.soilCostEnabled = ComboBox1->isEnabled();
  in.soilCostText = ComboBox1->currentText();
  in.cultivationShown = CultivationShown();
  in.cultivationMethod = Method();
  in.species = RadioGroup2->ItemIndex();
  in.amountIndex = ComboBox2->currentIndex();
  in.amountText = ComboBox2->currentText();
  in.materialEnabled = ComboBox3->isEnabled();
  in.materialText = ComboBox3->currentText();
  in.workEnabled = ComboBox4->isEnabled();
  in.workText = ComboBox4->currentText();
  estimate_ = EstimateRegenerationCosts(in);
  const RegenerationEstimate& e = estimate_;
  SetText(Label6, e.clearingPerHaText);
  SetText(Label28, e.clearingPerStandText);
  SetText(Label22, e.clearingPageText);
  SetText(Label29, e.soilPerHaText);
  SetText(Label30, e.soilPerStandText);
  SetText(Label5, e.soilPageText);
  SetText(Label58, e.materialPerHaText);
  SetText(Label59, e.materialPerStandText);
  SetText(Label60, e.materialLine);
  SetText(Label62, e.workPerHaText);
  SetText(Label63, e.workPerStandText);
  SetText(Label61, e.workLine);
  SetText(Label15, e.materialPagePerHa);
  SetText(Label16, e.materialPagePerStand);
  SetText(Label17, e.workPagePerHa);
  SetText(Label18, e.workPagePerStand);
  SetText(Label7, e.totalPerHaText);
  SetText(Label8, e.totalPerStandText);
  SetText(Label14, e.clearingLine);
  SetText(Label25, e.soilLine);
  if (in.cultivationShown) SetText(Label26, e.cultivationLine);
  SetText(Label3, e.amountPerStand);
  EstimateChanged = true;
}

void TNewFrstForm::UpdatePriceUnitLabels() {
  const PriceUnitTexts units = PriceUnitTextsFor(Method());
  SetText(Label13, units.material);
  SetText(Label19, units.work);
}

bool TNewFrstForm::HasRegenerationEstimate() const {
  return ::HasRegenerationEstimate(RadioGroup3->ItemIndex(), RadioGroup1->ItemIndex(), CultivationShown(), Method());
}

QString TNewFrstForm::RegenerationHintText() const {
  const ::data* stand = OpenedStand();
  return stand ? ::RegenerationHintText(*stand, HasRegenerationEstimate(), Label7->text()) : QString();
}

// ---- Opening and closing ------------------------------------------------------

int TNewFrstForm::ShowModal() {
  FormActivate();
  return exec() == 1 ? 1 : 2;
}

void TNewFrstForm::FormActivate() {
  PageControl1->setCurrentIndex(0);
  setWindowTitle(PadCaption(windowTitle()));
  for (auto& m : remembered_) m.fill(-1);
  if (CultivationShown()) FillCultivationLists();
  LoadRegenerationChoices();
  SyncMethodCombo(RadioGroup1, ComboBox1, Label1, false);
  SyncMethodCombo(RadioGroup3, ComboBox5, Label20, false);
  // The figures shown are those of the choices just loaded.
  ComputeRegenerationEstimate();
  EstimateChanged = false;
  BitBtn1->setEnabled(false);
  ClearActiveControl(this);
}

void TNewFrstForm::done(int r) {
  // Every way of closing (OK, Peru, Esc, the title bar) runs the close rule
  // once.
  if (!closing_) {
    closing_ = true;
    FormClose(r);
    closing_ = false;
  }
  QDialog::done(r);
}

void TNewFrstForm::FormClose(int modalResult) {
  if (!EstimateChanged) return;
  if (modalResult == 1) {
    StoreRegenerationChoices();
    if (TheSession) emit TheSession->regenerationEstimateStored();
  } else {
    // The stored choices back into the controls, and the figures that the
    // main window and the reports read computed from them again.
    LoadRegenerationChoices();
    ComputeRegenerationEstimate();
    if (TheSession && TheSession->NewForestButtonShown) emit TheSession->newForestCaptionOutdated();
  }
}

// ---- Lists and captions -------------------------------------------------------

int TNewFrstForm::Method() const {
  const int m = RadioGroup4->ItemIndex();
  return m == Planting || m == Seeding ? m : NoCultivation;
}

void TNewFrstForm::Remember(RememberedList list, int index) {
  const int m = Method();
  if (m != NoCultivation) remembered_[m - 1][list] = index;
}

int TNewFrstForm::Remembered(RememberedList list) const {
  const int m = Method();
  return m != NoCultivation ? remembered_[m - 1][list] : -1;
}

void TNewFrstForm::SyncMethodCombo(TRadioGroup* group, QComboBox* list, QLabel* label, bool recompute) {
  const int method = group->ItemIndex();
  const bool chosen = method > 0;
  if (chosen) {
    if (!list->isEnabled()) ChooseItem(list, 0);
    list->setEnabled(true);
  } else {
    ChooseItem(list, -1);
    list->setEnabled(false);
  }
  SetText(label, MethodCostCaption(group->ItemText(method), chosen));
  if (recompute) ComputeRegenerationEstimate();
}

void TNewFrstForm::FillCultivationLists() {
  const int method = Method();
  for (QComboBox* list : {ComboBox2, ComboBox3, ComboBox4}) FillList(list, {});
  UpdatePriceUnitLabels();
  const CultivationLists lists = CultivationListsFor(method);
  FillList(ComboBox2, lists.amount);
  FillList(ComboBox3, lists.material);
  FillList(ComboBox4, lists.work);
  SetText(Label11, lists.materialLabel);
  SetText(Label12, lists.workLabel);
  SetText(Label21, lists.amountUnit);
  RadioGroup2->setEnabled(lists.enabled);
  FillSpeciesList();
  ShowMethodCaption();
  for (QComboBox* list : {ComboBox2, ComboBox3, ComboBox4}) list->setEnabled(RadioGroup2->isEnabled());
  if (method != NoCultivation) {
    ChooseItem(ComboBox2, WithinList(Remembered(AmountList), ComboBox2->count(), 0));
    ChooseItem(ComboBox3, WithinList(Remembered(MaterialList), ComboBox3->count(), 0));
    ChooseItem(ComboBox4, WithinList(Remembered(WorkList), ComboBox4->count(), 0));
  }
  ComputeRegenerationEstimate();
}

void TNewFrstForm::FillSpeciesList() {
  const int method = Method();
  // New items leave no choice: the choice set next runs the group's handler.
  RadioGroup2->SetItems(CultivationListsFor(method).species);
  RadioGroup2->SetItemIndex(method == NoCultivation ? -1 : WithinList(Remembered(SpeciesList), RadioGroup2->Count(), 0));
}

void TNewFrstForm::SetDefaultAmount() {
  if (Method() != NoCultivation && Remembered(AmountList) < 0)
    ChooseItem(ComboBox2, DefaultAmountIndex(RadioGroup2->ItemIndex()));
  ShowMethodCaption();
  ComputeRegenerationEstimate();
}

void TNewFrstForm::ShowMethodCaption() { SetText(Label10, CultivationCaption(Method(), RadioGroup2->ItemIndex())); }

void TNewFrstForm::EnableOk() {
  if (isVisible()) BitBtn1->setEnabled(true);
  ClearActiveControl(this);
}

// ---- Handlers -----------------------------------------------------------------

void TNewFrstForm::RadioGroup3Click() {
  SyncMethodCombo(RadioGroup3, ComboBox5, Label20, true);
  EnableOk();
}

void TNewFrstForm::RadioGroup1Click() {
  SyncMethodCombo(RadioGroup1, ComboBox1, Label1, true);
  EnableOk();
}

void TNewFrstForm::ComboBox5Change() {
  ComputeRegenerationEstimate();
  EnableOk();
}

void TNewFrstForm::ComboBox1Change() {
  ComputeRegenerationEstimate();
  EnableOk();
}

void TNewFrstForm::ComboBox2Change() {
  ComputeRegenerationEstimate();
  Remember(AmountList, ComboBox2->currentIndex());
  EnableOk();
}

void TNewFrstForm::ComboBox3Change() {
  ComputeRegenerationEstimate();
  Remember(MaterialList, ComboBox3->currentIndex());
  EnableOk();
}

void TNewFrstForm::ComboBox4Change() {
  ComputeRegenerationEstimate();
  Remember(WorkList, ComboBox4->currentIndex());
  EnableOk();
}

void TNewFrstForm::RadioGroup2Click() {
  SetDefaultAmount();
  Remember(SpeciesList, RadioGroup2->ItemIndex());
  EnableOk();
}

void TNewFrstForm::RadioGroup4Click() {
  FillCultivationLists();
  SetDefaultAmount();
  EnableOk();
}
