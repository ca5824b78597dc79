#include "operations/Th4.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>

#include "operations/CuttingRefusalRules.h"
#include "model/Phase.h"
#include "operations/PlocCutt.h"
#include "stands/StandCardRules.h"
#include "ui/Session.h"
#include "texts/Commonlan.h"
#include "texts/Th1lan.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/WindowHelpers.h"

TTh4Form* Th4Form = nullptr;

namespace {
constexpr int kRowTop = 24;
constexpr int kRowPitch = 28;
}  // namespace

TTh4Form::TTh4Form(QWidget* parent) : TCuttingForm(parent, QStringLiteral("Th4Form")) {
  Th4Form = this;
  setWindowTitle(PadCaption(CommonlanText(28)));
  Panel2 = MakePanel("Panel2", 3, 180);
  GroupBox1 = new QGroupBox(Panel2);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setTitle(QLatin1Char(' ') + Th1lanText(11).toLower() + QLatin1Char(' '));
  GroupBox1->move(8, 6);
  const int names[5] = {13, 12, 11, 10, 9};
  for (int s = 0; s < 5; ++s) {
    auto* box = new QCheckBox(CommonlanText(names[s]).toLower(), GroupBox1);
    box->setObjectName(QStringLiteral("CheckBox%1").arg(s + 1));
    box->setGeometry(12, kRowTop + s * kRowPitch, 80, 22);
    auto* combo = new QComboBox(GroupBox1);
    combo->setObjectName(QStringLiteral("ComboBox%1").arg(s + 1));
    combo->setGeometry(96, kRowTop + s * kRowPitch, 250, 24);
    CheckBoxes[s] = box;
    ComboBoxes[s] = combo;
    ConnectChange(box, &QCheckBox::toggled, [this, s] { CheckBoxClick(s); });
    ConnectChange(combo, &QComboBox::activated, [this] { ComboBoxChange(); });
  }
  const char* lineNames[5] = {"Label8", "Label5", "Label7", "Label9", "Label14"};
  for (int i = 0; i < 5; ++i) {
    auto* l = new QLabel(Panel2);
    l->setObjectName(QLatin1String(lineNames[i]));
    l->setGeometry(380, 16 + i * 20, WindowWidth - 390, 20);
    GuidanceLines[i] = l;
  }
  Panel6 = MakePanel("Panel6", 13, kPreviewPanelHeight);
  BuildPreview(Panel6, {"Image1", "Label4", "Image2", "Label3", "Label17", "Label12", "Label11", "Label13",
                        "Label1", "Chart1", "CheckBox6"});
  Panel5 = MakePanel("Panel5", 7, 46);
  BuildButtonPanel(Panel5, "Label16", false);
  StackPanels({Panel2, Panel6, Panel5});
  ConnectChange(Preview.chartSwitch, &QCheckBox::toggled, [this] { CheckBox6Click(); });
}

TTh4Form::~TTh4Form() {
  if (Th4Form == this) Th4Form = nullptr;
}

bool TTh4Form::ThinningStage() const { return TheSession && TheSession->ThinningStageChosen; }

void TTh4Form::FormActivate() {
  ::data* stand = OpenedStand();
  if (!stand) return;
  const bool thinning = ThinningStage();
  const QStringList guidance = SpeciesRemovalGuidance(thinning);
  for (int i = 0; i < 5; ++i) GuidanceLines[i]->setText(guidance[i]);
  int standing[kSpeciesSlots] = {};
  stand->CountStandingBySpecies(1, standing);
  setWindowTitle(StandWindowCaption(*stand, CommonlanText(28).toLower()));
  Activating = true;
  for (int s = 0; s < 5; ++s) {
    CheckBoxes[s]->setChecked(false);
    if (s < 3) CheckBoxes[s]->setEnabled(standing[s] > 0);
    else CheckBoxes[s]->setVisible(standing[s] > 0);
  }
  Preview.chartSwitch->hide();
  Preview.chartSwitch->setChecked(false);
  int small[kSpeciesSlots] = {};
  if (thinning) stand->CountZeroVolumeTrees(small);
  FillSpeciesChoices(small);
  for (int s = 3; s < 5; ++s) ComboBoxes[s]->setVisible(CheckBoxes[s]->isVisibleTo(GroupBox1));
  // The alder row takes the aspen row's place when there is no aspen.
  const bool aspen = CheckBoxes[3]->isVisibleTo(GroupBox1);
  const bool alder = CheckBoxes[4]->isVisibleTo(GroupBox1);
  const int alderRow = aspen ? 4 : 3;
  CheckBoxes[4]->move(CheckBoxes[4]->x(), kRowTop + alderRow * kRowPitch);
  ComboBoxes[4]->move(ComboBoxes[4]->x(), kRowTop + alderRow * kRowPitch);
  const int rows = 3 + (aspen ? 1 : 0) + (alder ? 1 : 0);
  GroupBox1->resize(356, kRowTop + rows * kRowPitch + 4);
  Panel2->setFixedHeight(std::max(GroupBox1->height(), 16 + 5 * 20) + 14);
  StackPanels({Panel2, Panel6, Panel5});
  Centre();
  Activating = false;
  AllRemoved = false;
  RecalculateSpeciesRemoval();
  ClearFocus(this);
}

void TTh4Form::FillSpeciesChoices(const int small[kSpeciesSlots]) {
  for (int s = 0; s < 5; ++s) {
    QComboBox* c = ComboBoxes[s];
    c->clear();
    c->addItems(SpeciesChoiceItems(s, small[s] > 0));
    c->setCurrentIndex(-1);
    c->setEnabled(false);
  }
}

void TTh4Form::CheckBoxClick(int species) {
  QComboBox* c = ComboBoxes[species];
  const bool on = CheckBoxes[species]->isChecked();
  c->setEnabled(on);
  c->setCurrentIndex(on ? 0 : -1);
  RecalculateSpeciesRemoval();
}

void TTh4Form::ComboBoxChange() {
  RecalculateSpeciesRemoval();
  ClearFocus(this);
}

void TTh4Form::CheckBox6Click() { ChartSwitchClick(); }

void TTh4Form::RecalculateSpeciesRemoval() {
  if (Activating) return;
  ::data* stand = BeginTrial();
  if (!stand) return;
  const int k = CurrentPhase() + 1;
  SpeciesRemovalChoices c{};
  for (int s = 0; s < 5; ++s)
    c[s] = CheckBoxes[s]->isChecked() ? std::max(0, ComboBoxes[s]->currentIndex()) + 1 : 0;
  ResetTrialCutting(*stand, k);
  const QString name = SpeciesRemovalName(c);
  AllRemoved = stand->SelectSpeciesRemoval(c[0], c[1], c[2], c[3], c[4], k);
  RepaintNow();
  DrawCuttingPreview(*stand, Preview);
  stand->RecordPhase(k, name, 0, 0);
  const int soFar = RemovalValueSum(*stand, true, false, false);
  const int removal = stand->SlotTotalVolume(CuttingStartSlot(*stand)) - stand->SlotTotalVolume(k) - soFar;
  ShowOperationText(SpeciesRemovalMessage(name, ThinningStage(), soFar, removal));
  const int r = TrialStemsRemoved(*stand);
  ShowSpeciesRemovalResult(r);
  Preview.chartSwitch->setVisible(r >= 1);
  Preview.chart->SetBottomAxisVisible(r >= 1);
  ClearFocus(this);
}

void TTh4Form::ShowSpeciesRemovalResult(int removed) {
  ::data* stand = OpenedStand();
  const bool chart = removed >= 1;
  ShowCuttingResult(*stand, Preview.volumeLabel, Preview.label2, Preview.label3, Preview.label4,
                    chart ? Preview.chart : nullptr, chart && Preview.chartSwitch->isChecked());
  const SpeciesRemovalCaptions t =
      SpeciesRemovalCaptionsFor(removed, ThinningStage(), TrialStemsRemovedSinceStart(*stand));
  Preview.remainingCaption->setText(t.remaining);
  Preview.removalCaption->setText(t.removal);
}

void TTh4Form::BitBtn1Click() {
  ::data* stand = OpenedStand();
  if (!stand) return;
  const int p = CurrentPhase();
  SpeciesRemovalOkInput in;
  in.allRemoved = AllRemoved;
  in.removed = TrialStemsRemoved(*stand);
  in.thinningStage = ThinningStage();
  in.stemsAfter = TrialStemCount(*stand);
  in.gapBefore = IsSelectionOrSmallGapCutting(*stand, p, QString(), false);
  in.selectionAccepts = SelectionPreconditionsHoldAt(*stand, p + 1);
  const SpeciesRemovalOk decision = DecideSpeciesRemovalOk(in);
  switch (decision) {
    case SpeciesRemovalOk::Accept:
      done(Accepted);
      break;
    case SpeciesRemovalOk::AskStemCount:
      if (ConfirmStemCountAfterCutting(false, in.stemsAfter, windowTitle()) == 1) done(Accepted);
      break;
    default:
      ShowNotice(windowTitle(), SpeciesRemovalRefusalLine(decision));
      break;
  }
}
