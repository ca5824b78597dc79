#include "operations/Gate.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>

#include "model/Phase.h"
#include "operations/GateRules.h"
#include "ui/Session.h"
#include "texts/Commonlan.h"
#include "texts/Gatelan.h"
#include "ui/MessageService.h"
#include "ui/RadioGroup.h"
#include "ui/WindowHelpers.h"

TGateForm* GateForm = nullptr;

TGateForm::TGateForm(QWidget* parent) : TCuttingForm(parent, QStringLiteral("GateForm")) {
  GateForm = this;
  Panel2 = MakePanel("Panel2", 3, 56);
  Panel1 = MakePanel("Panel1", 5, 56);
  Panel6 = MakePanel("Panel6", 13, kPreviewPanelHeight);
  Panel5 = MakePanel("Panel5", 7, 46);
  RadioGroup1 = new TRadioGroup(Panel2, QStringLiteral("RadioGroup1"), 4);
  RadioGroup1->SetItems(CorridorSpacingItems());
  RadioGroup1->setTitle(QLatin1Char(' ') + GatelanText(1) + QLatin1Char(' '));
  RadioGroup1->setGeometry(8, 4, 400, 46);
  RadioGroup2 = new TRadioGroup(Panel1, QStringLiteral("RadioGroup2"), 4);
  RadioGroup2->SetItems(CorridorWidthItems());
  RadioGroup2->setTitle(QLatin1Char(' ') + GatelanText(2) + QLatin1Char(' '));
  RadioGroup2->setGeometry(8, 4, 400, 46);
  BuildPreview(Panel6, {"Image1", "Label1", "Image2", "Label3", "Label17", "Label12", "Label11", "Label13",
                        "Label2", "Chart1", "CheckBox6"});
  Preview.removalCaption->setText(QStringLiteral("1 ha otos hakkuukertymästä käytäväharvennuksen jälkeen"));
  Preview.remainingCaption->setText(QStringLiteral("1 ha otos puustosta käytäväharvennuksen jälkeen"));
  BuildButtonPanel(Panel5, "Label7", true);
  StackPanels({Panel2, Panel1, Panel6, Panel5});
  ConnectChange(RadioGroup1, &TRadioGroup::Clicked, [this] { RadioGroup1Click(); });
  ConnectChange(RadioGroup2, &TRadioGroup::Clicked, [this] { RadioGroup1Click(); });
  ConnectChange(Preview.chartSwitch, &QCheckBox::toggled, [this] { CheckBox6Click(); });
}

TGateForm::~TGateForm() {
  if (GateForm == this) GateForm = nullptr;
}

void TGateForm::FormActivate() {
  ::data* stand = OpenedStand();
  if (!stand) return;
  Centre();
  Activating = true;
  setWindowTitle(StandWindowCaption(*stand, CommonlanText(108).toLower()));
  RadioGroup1->SetItemIndex(2);
  RadioGroup2->SetItemIndex(2);
  Preview.chartSwitch->setChecked(false);
  RecomputeCorridorThinning();
  Activating = false;
  ClearFocus(this);
}

void TGateForm::RadioGroup1Click() {
  if (Activating) return;
  RecomputeCorridorThinning();
  ClearFocus(this);
}

void TGateForm::CheckBox6Click() { ChartSwitchClick(); }

void TGateForm::RecomputeCorridorThinning() {
  ::data* stand = BeginTrial();
  if (!stand) return;
  const int k = CurrentPhase() + 1;
  const int i = RadioGroup1->ItemIndex();
  const int j = RadioGroup2->ItemIndex();
  const QString name = CorridorName(RadioGroup2->ItemText(j), RadioGroup1->ItemText(i));
  Preview.chart->Clear();
  ResetTrialCutting(*stand, k);
  if (i >= 0 && j >= 0) stand->SelectCorridors(CorridorWidth(j), static_cast<float>(CorridorSpacing(i)), k);
  RepaintNow();
  // The pictures first (they read only the trees); the labels and the
  // chart read the recorded phase.
  CuttingPreview pictures = Preview;
  pictures.volumeLabel = pictures.label2 = pictures.label3 = pictures.label4 = nullptr;
  pictures.chart = nullptr;
  DrawCuttingPreview(*stand, pictures);
  ShowOperationText(name);
  stand->RecordPhase(k, name, 0, 0);
  ShowCuttingResult(*stand, Preview.volumeLabel, Preview.label2, Preview.label3, Preview.label4, Preview.chart,
                    Preview.chartSwitch->isChecked());
  Preview.chart->SetBottomAxisVisible(true);
}

void TGateForm::BitBtn3Click() { ShowHelpText(CommonlanText(108), {GatelanText(0)}); }
