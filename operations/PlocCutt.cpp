#include "operations/PlocCutt.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QTextEdit>

#include "model/Phase.h"
#include "platform/Numbers.h"
#include "stands/StandCardRules.h"
#include "ui/Session.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "texts/Ploclan.h"
#include "ui/Info.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/RadioGroup.h"
#include "ui/WindowHelpers.h"

TPlocCuttForm* PlocCuttForm = nullptr;

namespace {

// Whether the step of phase p is a selection or small-gap cutting.
bool GapOrSelectionAt(const ::data& stand, int p) {
  return p >= 1 && (IsSelectionOrSmallGapCutting(stand, p, QString(), true) ||
                    IsSelectionOrSmallGapCutting(stand, p, QString(), false));
}

}  // namespace

int ConfirmStemCountAfterCutting(bool selection, int stems, const QString& caption) {
  const QStringList lines = StemCountQuestionLines(selection, stems);
  return ShowQuestion(caption, lines[0], lines[1], CommonlanText(7), CommonlanText(21));
}

TPlocCuttForm::TPlocCuttForm(QWidget* parent) : TCuttingForm(parent, QStringLiteral("PlocCuttForm")) {
  PlocCuttForm = this;
  setWindowTitle(PadCaption(ActlanText(6)));
  RichEdit1 = new QTextEdit(this);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1->setReadOnly(true);
  RichEdit1->setFrameShape(QFrame::NoFrame);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RichEdit1->setFocusPolicy(Qt::NoFocus);
  SetRoleColor(RichEdit1, QPalette::Base, PaletteColor(1));
  Label18 = new QLabel(this);
  Label18->setObjectName(QStringLiteral("Label18"));
  Label18->hide();
  Panel1 = MakePanel("Panel1", 5, 112);
  RadioGroup1 = new TRadioGroup(Panel1, QStringLiteral("RadioGroup1"), 7);
  RadioGroup1->setGeometry(8, 4, WindowWidth - 16, 76);
  CheckBox2 = new QCheckBox(PloclanText(1), Panel1);
  CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
  CheckBox2->setGeometry(12, 84, 300, 22);
  Panel2 = MakePanel("Panel2", 13, kPreviewPanelHeight);
  BuildPreview(Panel2, {"Image1", "Label10", "Image2", "Label9", "Label17", "Label12", "Label11", "Label13",
                        "Label4", "Chart1", "CheckBox1"});
  Panel5 = MakePanel("Panel5", 7, 46);
  BuildButtonPanel(Panel5, "Label15", false);
  Label5 = new QLabel(Panel5);
  Label5->setObjectName(QStringLiteral("Label5"));
  Label6 = new QLabel(Panel5);
  Label6->setObjectName(QStringLiteral("Label6"));
  for (QLabel* l : {Label5, Label6}) SetRoleColor(l, QPalette::WindowText, QColor(255, 255, 255));
  Label5->move(10, 5);
  Label6->move(10, 23);
  ConnectChange(RadioGroup1, &TRadioGroup::Clicked, [this] { RadioGroup1Click(); });
  ConnectChange(CheckBox2, &QCheckBox::toggled, [this] { RadioGroup1Click(); });
  ConnectChange(Preview.chartSwitch, &QCheckBox::toggled, [this] { CheckBox1Click(); });
}

TPlocCuttForm::~TPlocCuttForm() {
  if (PlocCuttForm == this) PlocCuttForm = nullptr;
}

void TPlocCuttForm::FormActivate() {
  ::data* stand = OpenedStand();
  if (!stand) return;
  Activating = true;
  setWindowTitle(StandWindowCaption(*stand, PadCaption(ActlanText(6).toLower())));
  RadioGroup1->SetItemIndex(-1);
  Preview.chartSwitch->setChecked(false);
  CheckBox2->setChecked(false);
  const bool enabled = RadioGroup1->isEnabled();
  BitBtn1->setVisible(enabled);
  Panel1->setVisible(enabled);
  Panel2->setVisible(enabled);
  Label5->setVisible(!enabled);
  Label6->setVisible(!enabled);
  Preview.operationLabel->setVisible(enabled);
  for (QLabel* l : {Label5, Label6}) l->adjustSize();
  RichEdit1->setPlainText(SelectionExplanation(!enabled));
  RichEdit1->setGeometry(0, 0, WindowWidth, 40);
  RichEdit1->setFixedHeight(TextBlockHeight(Label18, RichEdit1));
  StackPanels({RichEdit1, Panel1, Panel2, Panel5});
  Centre();
  if (enabled) {
    Activating = false;
    BuildSelectionRemovalList();
  }
  ClearFocus(this);
}

void TPlocCuttForm::BuildSelectionRemovalList() {
  ::data* stand = OpenedStand();
  if (!stand) return;
  list_ = BuildSelectionRemovalChoices(stand->SlotTotalVolume(CurrentPhase()));
  RadioGroup1->SetItems(list_.items);
  RadioGroup1->setTitle(QLatin1Char(' ') + PloclanText(4) + QLatin1Char(' '));
  RadioGroup1->SetColumns(list_.columns);
  RadioGroup1->SetItemIndex(0);
}

void TPlocCuttForm::RadioGroup1Click() {
  ::data* stand = OpenedStand();
  if (Activating || !stand) return;
  const int p = CurrentPhase();
  const int i = RadioGroup1->ItemIndex();
  const int v = stand->SlotTotalVolume(p);
  const int a = CuttingStartSlot(*stand);
  const bool oneStep = p == a + 1;
  const bool gapOrSelection = GapOrSelectionAt(*stand, p);
  const SelectionCaptions captions = SelectionCaptionsFor(i, oneStep, gapOrSelection);
  const int removal = i > 0 && i < static_cast<int>(list_.values.size()) ? list_.values[i] : 0;
  RunSelectionCutting(v - removal, v, CheckBox2->isChecked(), captions.remaining, captions.removal);
  ClearFocus(this);
}

void TPlocCuttForm::CheckBox1Click() { ChartSwitchClick(); }

void TPlocCuttForm::RunSelectionCutting(int target, int volume, bool heavy, const QString& remainingCaption,
                                        const QString& removalCaption) {
  ::data* stand = BeginTrial();
  if (!stand) return;
  const int p = CurrentPhase();
  const bool cut = target < volume;
  const int sel = platform::RoundHalfAway(0.2 * (volume - target));
  for (QLabel* l : {Preview.remainingCaption, Preview.removalCaption, Preview.operationLabel}) l->clear();
  CheckBox2->setEnabled(cut);
  if (!cut && CheckBox2->isChecked()) {
    Activating = true;
    CheckBox2->setChecked(false);
    Activating = false;
  }
  Preview.chartSwitch->setVisible(cut);
  ResetTrialCutting(*stand, p + 1);
  const int soFar = RemovalValueSum(*stand, true, false, false);
  QString name;
  if (cut) {
    stand->SelectLargestTrees(p, static_cast<float>(sel));
    const int v = stand->ThinToTargetVolume(p, static_cast<float>(target), 4 + (heavy ? 1 : 0), false);
    name = SelectionName(true, heavy, stand->SlotTotalVolume(CuttingStartSlot(*stand)) - v - soFar);
  } else {
    name = SelectionName(false, heavy, 0);
  }
  RepaintNow();
  DrawCuttingPreview(*stand, Preview);
  stand->RecordPhase(p + 1, name, 0, 0);
  Preview.remainingCaption->setText(remainingCaption);
  Preview.removalCaption->setText(removalCaption);
  const bool gapOrSelection = GapOrSelectionAt(*stand, p);
  ShowOperationText(SelectionMessage(name, cut, soFar, gapOrSelection));
  ShowSelectionResult(cut);
}

void TPlocCuttForm::ShowSelectionResult(bool cut) {
  ::data* stand = OpenedStand();
  ShowCuttingResult(*stand, Preview.volumeLabel, Preview.label2, Preview.label3, Preview.label4,
                    cut ? Preview.chart : nullptr, cut && Preview.chartSwitch->isChecked());
}

void TPlocCuttForm::BitBtn1Click() {
  ::data* stand = OpenedStand();
  if (!stand) return;
  if (RadioGroup1->ItemIndex() <= 0) {
    ShowNotice(windowTitle(), Preview.operationLabel->text());
    return;
  }
  const int n = TrialStemCount(*stand);
  if (n > kStemCountQuestionLimit && ConfirmStemCountAfterCutting(true, n, windowTitle()) != 1) return;
  done(Accepted);
}
