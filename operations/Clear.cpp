#include "operations/Clear.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

#include "model/Phase.h"
#include "ui/Session.h"
#include "stands/Settings.h"
#include "texts/Actlan.h"
#include "texts/Clearlan.h"
#include "texts/Commonlan.h"
#include "ui/Info.h"
#include "ui/ListClicks.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/RadioGroup.h"
#include "ui/WindowHelpers.h"

TClearForm* ClearForm = nullptr;

namespace {

constexpr int kWidth = 760;
constexpr int kPageHeight = 150;      // the page control with its tabs
constexpr int kLeftPanelWidth = 150;  // species and group panels of the pages

// The chosen item's number of the groups whose items are numbers.
constexpr int kSeedTreeFirst = 20;
constexpr int kSeedTreeLast = 150;
constexpr int kShelterFirst = 100;
constexpr int kShelterLast = 300;

QFrame* PagePanel(QWidget* parent, const char* name, int colour, const QRect& geometry) {
  auto* p = new QFrame(parent);
  p->setObjectName(QLatin1String(name));
  p->setAutoFillBackground(true);
  SetWidgetColor(p, PaletteColor(colour));
  p->setGeometry(geometry);
  return p;
}

QCheckBox* SpeciesBox(QWidget* parent, const char* name, int commonText, int y) {
  auto* b = new QCheckBox(CommonlanText(commonText).toLower(), parent);
  b->setObjectName(QLatin1String(name));
  b->move(14, y);
  b->adjustSize();
  return b;
}

}  // namespace

TClearForm::TClearForm(QWidget* parent) : TCuttingForm(parent, QStringLiteral("ClearForm")) {
  ClearForm = this;
  WindowWidth = kWidth;

  RichEdit2 = MakeDisabledInfoText(this, QStringLiteral("RichEdit2"), 1);
  Label3 = new QLabel(this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->hide();

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  TabSheet5 = AddTabSheet(PageControl1, QStringLiteral("TabSheet5"));
  TabSheet1 = AddTabSheet(PageControl1, QStringLiteral("TabSheet1"));
  TabSheet2 = AddTabSheet(PageControl1, QStringLiteral("TabSheet2"));
  TabSheet3 = AddTabSheet(PageControl1, QStringLiteral("TabSheet3"));
  TabSheet4 = AddTabSheet(PageControl1, QStringLiteral("TabSheet4"));
  PageControl1->resize(kWidth - 12, kPageHeight);
  const QRect page(0, 0, kWidth - 18, kPageHeight - 32);
  const QRect left(0, 0, kLeftPanelWidth, page.height());
  const QRect right(kLeftPanelWidth, 0, page.width() - kLeftPanelWidth, page.height());
  const int groupWidth = right.width() - 16;

  // Small gap.
  Panel10 = PagePanel(TabSheet5, "Panel10", 3, page);
  RadioGroup8 = new TRadioGroup(Panel10, QStringLiteral("RadioGroup8"), 6);
  RadioGroup8->setGeometry(10, 10, page.width() - 20, 56);
  // Clear-cut: the groups at the left, the trees per group at the right.
  Panel2 = PagePanel(TabSheet1, "Panel2", 3, page);
  Panel1 = PagePanel(Panel2, "Panel1", 5, left);
  RadioGroup1 = new TRadioGroup(Panel1, QStringLiteral("RadioGroup1"), 2);
  RadioGroup1->setGeometry(6, 10, kLeftPanelWidth - 12, 76);
  RadioGroup2 = new TRadioGroup(Panel2, QStringLiteral("RadioGroup2"), 8);
  RadioGroup2->setGeometry(right.x() + 8, 10, groupWidth, 100);
  // Seed and shelter trees: the species at the left, count and size at the
  // right; spruce always stays among the shelter trees.
  auto retentionPage = [&](QWidget* sheet, const char* pageName, QFrame** pagePanel, const char* leftName,
                           QFrame** leftPanel, const char* labelName, QLabel** label, const char* countName,
                           int countColumns, TRadioGroup** count, const char* sizeName, TRadioGroup** size) {
    *pagePanel = PagePanel(sheet, pageName, 3, page);
    *leftPanel = PagePanel(*pagePanel, leftName, 5, left);
    *label = new QLabel(*leftPanel);
    (*label)->setObjectName(QLatin1String(labelName));
    (*label)->move(14, 10);
    *count = new TRadioGroup(*pagePanel, QLatin1String(countName), countColumns);
    (*count)->setGeometry(right.x() + 8, 10, 330, 100);
    *size = new TRadioGroup(*pagePanel, QLatin1String(sizeName), 1);
    (*size)->setGeometry(right.x() + 348, 10, groupWidth - 340, 100);
  };
  retentionPage(TabSheet2, "Panel4", &Panel4, "Panel3", &Panel3, "Label2", &Label2, "RadioGroup3", 5, &RadioGroup3,
                "RadioGroup6", &RadioGroup6);
  CheckBox1 = SpeciesBox(Panel3, "CheckBox1", 13, 34);
  CheckBox2 = SpeciesBox(Panel3, "CheckBox2", 11, 56);
  retentionPage(TabSheet3, "Panel6", &Panel6, "Panel5", &Panel5, "Label1", &Label1, "RadioGroup4", 4, &RadioGroup4,
                "RadioGroup7", &RadioGroup7);
  CheckBox5 = SpeciesBox(Panel5, "CheckBox5", 12, 34);
  CheckBox3 = SpeciesBox(Panel5, "CheckBox3", 13, 56);
  CheckBox4 = SpeciesBox(Panel5, "CheckBox4", 11, 78);
  // Strips.
  Panel7 = PagePanel(TabSheet4, "Panel7", 3, page);
  RadioGroup5 = new TRadioGroup(Panel7, QStringLiteral("RadioGroup5"), 6);
  RadioGroup5->setGeometry(10, 10, page.width() - 20, 76);

  // The 1-ha samples with the removal volume and the stems left, and the
  // chart; the bottom panel with the operation text.
  Panel8 = MakePanel("Panel8", 13, kPreviewPanelHeight);
  BuildPreview(Panel8, {"Image1", "Label10", "Image2", "Label9", "Label17", "Label12", "Label4", nullptr, nullptr,
                        "Chart1", "CheckBox6"});
  Panel9 = MakePanel("Panel9", 7, 46);
  BuildButtonPanel(Panel9, "Label7", false);

  SetClearFormTexts();

  for (TRadioGroup* g : {RadioGroup2, RadioGroup3, RadioGroup4, RadioGroup5, RadioGroup6, RadioGroup7, RadioGroup8})
    ConnectChange(g, &TRadioGroup::Clicked, [this] { RadioGroup2Click(); });
  for (QCheckBox* b : {CheckBox1, CheckBox2, CheckBox3, CheckBox4})
    ConnectChange(b, &QCheckBox::toggled, [this] { RadioGroup2Click(); });
  ConnectChange(RadioGroup1, &TRadioGroup::Clicked, [this] { RadioGroup1Click(); });
  ConnectChange(CheckBox5, &QCheckBox::toggled, [this] { CheckBox5Click(); });
  ConnectChange(Preview.chartSwitch, &QCheckBox::toggled, [this] { CheckBox6Click(); });
  // The user's page change; the window's own choice and hiding of pages
  // (the main window hides the strip page of the hidden dialog) run
  // nothing.
  WatchPageChanges(PageControl1, [this] {
    if (IsOpen()) PageControl1Change();
  });
}

TClearForm::~TClearForm() {
  if (ClearForm == this) ClearForm = nullptr;
}

void TClearForm::SetClearFormTexts() {
  setWindowTitle(PadCaption(ActlanText(9)));
  const int pageTexts[kRegenerationPageCount] = {33, 29, 30, 31, 32};
  for (int i = 0; i < kRegenerationPageCount; ++i) PageControl1->setTabText(i, CommonlanText(pageTexts[i]).toLower());
  RichEdit2->setPlainText(ClearlanRetentionText(3));
  RadioGroup8->setTitle(RadioGroupCaption(ClearlanGapText(0)));
  RadioGroup8->SetItems(SmallGapItems());
  RadioGroup1->setTitle(RadioGroupCaption(ClearlanRetentionText(1)));
  RadioGroup1->SetItems(RetentionGroupItems());
  RadioGroup2->setTitle(RadioGroupCaption(ClearlanRetentionText(2)));
  RadioGroup2->SetItems(RetentionPerGroupItems(1));
  RadioGroup3->setTitle(RadioGroupCaption(ClearlanSeedTreeText(2)));
  RadioGroup3->SetItems(SeedTreeCountItems());
  RadioGroup6->setTitle(RadioGroupCaption(ClearlanSeedTreeText(5)));
  RadioGroup6->SetItems(RetentionSizeItems());
  RadioGroup4->setTitle(RadioGroupCaption(ClearlanShelterTreeText(2)));
  RadioGroup4->SetItems(ShelterTreeCountItems());
  RadioGroup7->setTitle(RadioGroupCaption(ClearlanShelterTreeText(3)));
  RadioGroup7->SetItems(RetentionSizeItems());
  RadioGroup5->setTitle(RadioGroupCaption(ClearlanStripText(1)));
  RadioGroup5->SetItems(StripWidthItems());
  for (QLabel* l : {Label2, Label1}) {
    l->setText(ClearlanSeedTreeText(1).toLower());
    l->adjustSize();
  }
  CheckBox5->setChecked(true);
}

// ---- Opening ------------------------------------------------------------------

void TClearForm::LayoutVertically() {
  // The overview text as high as its lines, the pages one pixel below it,
  // the samples under the pages, the buttons over the samples' last row.
  RichEdit2->setGeometry(6, 2, kWidth - 12, 40);
  RichEdit2->resize(kWidth - 12, TextBlockHeight(Label3, RichEdit2));
  PageControl1->setGeometry(6, RichEdit2->y() + RichEdit2->height() + 1, kWidth - 12, kPageHeight);
  Panel8->setGeometry(0, PageControl1->y() + PageControl1->height(), kWidth, Panel8->height());
  Panel9->setGeometry(0, Panel8->y() + Panel8->height() - 1, kWidth, Panel9->height());
  setFixedWidth(kWidth);
  FitFormHeight(this, Panel9->y(), Panel9->height() - 1);
}

void TClearForm::FormActivate() {
  ::data* stand = OpenedStand();
  if (!stand) return;
  if (FirstActivation) {
    LayoutVertically();
    FirstActivation = false;
  }
  Centre();
  Activating = true;
  setWindowTitle(ClearFormCaption(*stand));
  SetAllowedCuttingTypes();
  PageControl1->setCurrentIndex(PageControl1->isTabVisible(SmallGapPage) ? SmallGapPage : ClearCutPage);
  RefreshPreview();
  Activating = false;
  ClearFocus(this);
}

void TClearForm::SetAllowedCuttingTypes() {
  ::data* stand = OpenedStand();
  if (!stand) return;
  const int p = CurrentPhase();
  const AllowedCuttingTypes a =
      AllowedCuttingTypesFor(RegenerationFactsOf(*stand, p, PageControl1->isTabVisible(StripPage)));
  Preview.chartSwitch->setChecked(false);
  if (a.retentionEnabled) {
    RadioGroup1->SetItemIndex(a.retentionGroups);
    RadioGroup2->SetItemIndex(kPerGroupDefault);
  } else {
    RadioGroup1->SetItemIndex(0);
  }
  RadioGroup1->setEnabled(a.retentionEnabled);
  if (a.optionsReset) {
    CheckBox1->setEnabled(a.seedPineEnabled);
    CheckBox1->setChecked(a.seedPineTicked);
    CheckBox2->setEnabled(a.seedBirchEnabled);
    CheckBox2->setChecked(a.seedBirchTicked);
    RadioGroup3->SetItemIndex(kSeedTreeCountDefault);
    RadioGroup6->SetItemIndex(kSizeDefault);
    RadioGroup4->SetItemIndex(kShelterCountDefault);
    RadioGroup7->SetItemIndex(kSizeDefault);
    CheckBox3->setChecked(false);
    CheckBox4->setChecked(false);
    CheckBox3->setEnabled(a.shelterPineEnabled);
    CheckBox4->setEnabled(a.shelterBirchEnabled);
    RadioGroup5->SetItemIndex(kStripWidthDefault);
    RadioGroup8->SetItemIndex(kSmallGapDefault);
  }
  for (int page = 0; page < kRegenerationPageCount; ++page) PageControl1->setTabVisible(page, a.visible[page]);
}

// ---- The trial ------------------------------------------------------------------

int TClearForm::ChosenValue(const TRadioGroup* group) {
  bool ok = false;
  const int v = group->ItemText(group->ItemIndex()).toInt(&ok);
  return ok ? v : 0;
}

int TClearForm::ActivePage() const { return PageControl1->currentIndex(); }

void TClearForm::RefreshPreview() {
  ::data* stand = BeginTrial();
  if (!stand) return;
  const int p = CurrentPhase();
  ResetTrialCutting(*stand, p + 1);
  switch (ActivePage()) {
    case SmallGapPage: TrySmallGapCut(); break;
    case ClearCutPage: TryClearCut(); break;
    case SeedTreePage: TrySeedTreeCut(); break;
    case ShelterwoodPage: TryShelterwoodCut(); break;
    default: TryStripCut(); break;
  }
  RepaintNow();
  DrawCuttingPreview(*stand, Preview);
  ShowOperationText(OperationText);
  stand->RecordPhase(p + 1, OperationText, 0, 0);
  RefreshSampleCaptions();
}

void TClearForm::TrySmallGapCut() {
  const int gap = qMax(0, RadioGroup8->ItemIndex());
  OpenedStand()->SelectSmallGapCut(SmallGapArea(gap), CurrentPhase());
  OperationText = SmallGapOperationText(gap);
}

void TClearForm::TryClearCut() {
  const int groups = qMax(0, RadioGroup1->ItemIndex());
  const int perGroup = groups >= 1 ? ChosenValue(RadioGroup2) : 0;
  OpenedStand()->SelectSpacedRetention(groups, perGroup, CurrentPhase());
  OperationText = ClearCutOperationText(groups, perGroup);
}

void TClearForm::TrySeedTreeCut() {
  const bool pine = CheckBox1->isChecked();
  const bool birch = CheckBox2->isChecked();
  const bool large = RadioGroup6->ItemIndex() == 0;
  if (!pine && !birch) {
    OperationText.clear();
    return;
  }
  const int kept = OpenedStand()->SelectRetentionCutBySpecies(pine ? SpeciesPine : -1, birch ? SpeciesBirch : -1, large,
                                                        ChosenValue(RadioGroup3), kSeedTreeFirst, kSeedTreeLast,
                                                        CurrentPhase() + 1);
  OperationText = SeedTreeOperationText(pine, birch, large, kept);
}

void TClearForm::TryShelterwoodCut() {
  const bool pine = CheckBox3->isChecked();
  const bool birch = CheckBox4->isChecked();
  const bool large = RadioGroup7->ItemIndex() == 0;
  const int kept = OpenedStand()->SelectRetentionCut(pine ? SpeciesPine : -1, birch ? SpeciesBirch : -1, large,
                                               ChosenValue(RadioGroup4), kShelterFirst, kShelterLast,
                                               CurrentPhase() + 1);
  OperationText = ShelterwoodOperationText(pine, birch, large, kept);
}

void TClearForm::TryStripCut() {
  const int width = ChosenValue(RadioGroup5);
  OpenedStand()->SelectStripCut(width, CurrentPhase());
  OperationText = StripOperationText(width);
}

void TClearForm::RefreshSampleCaptions() {
  const int page = ActivePage();
  Preview.remainingCaption->setText(RemainingSampleCaption(page));
  Preview.removalCaption->setText(RemovalSampleCaption(page));
  ShowCuttingResult(*OpenedStand(), Preview.volumeLabel, Preview.label2, nullptr, nullptr, Preview.chart,
                    Preview.chartSwitch->isChecked());
}

// ---- Handlers -------------------------------------------------------------------

void TClearForm::RadioGroup1Click() {
  const bool ownActivation = !Activating;
  if (ownActivation) Activating = true;
  const int groups = RadioGroup1->ItemIndex();
  if (groups >= 1) {
    RadioGroup2->setEnabled(true);
    if (RadioGroup2->ItemIndex() < 0) RadioGroup2->SetItemIndex(kPerGroupDefault);
    const int remembered = RadioGroup2->ItemIndex();
    const QStringList items = RetentionPerGroupItems(groups);
    RadioGroup2->SetItems(items);
    RadioGroup2->SetColumns(RetentionPerGroupColumns(groups));
    RadioGroup2->SetItemIndex(RetainedIndex(remembered, static_cast<int>(items.size())));
  } else {
    RadioGroup2->setEnabled(false);
    RadioGroup2->SetItemIndex(-1);
  }
  if (ownActivation) {
    Activating = false;
    RefreshPreview();
  }
  ClearFocus(this);
}

void TClearForm::RadioGroup2Click() {
  if (Activating) return;
  RefreshPreview();
  ClearFocus(this);
}

void TClearForm::PageControl1Change() { RadioGroup2Click(); }

void TClearForm::CheckBox5Click() {
  // Spruce always stays in a shelterwood cutting.
  if (!CheckBox5->isChecked()) CheckBox5->setChecked(true);
}

void TClearForm::CheckBox6Click() { ChartSwitchClick(); }

void TClearForm::BitBtn1Click() {
  const int page = ActivePage();
  const int chosen = page == SeedTreePage ? ChosenValue(RadioGroup3) : ChosenValue(RadioGroup4);
  const ClearOkCheck check =
      ClearOkCheckFor(page, CheckBox1->isChecked(), CheckBox2->isChecked(), chosen, TrialStemCount(*OpenedStand()));
  switch (check.kind) {
    case ClearOkCheck::Notice:
      ShowNotice(check.caption, check.line1);
      return;
    case ClearOkCheck::Question:
      if (ShowQuestion(check.caption, check.line1, check.line2, CommonlanText(38), CommonlanText(39)) != 1) return;
      break;
    case ClearOkCheck::Close:
      break;
  }
  done(Accepted);
}
