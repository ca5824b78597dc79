#include "operations/Roads.h"

#include <QFrame>
#include <QPushButton>

#include "model/Phase.h"
#include "operations/RoadsRules.h"
#include "ui/Session.h"
#include "texts/Commonlan.h"
#include "texts/Roadslan.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/RadioGroup.h"
#include "ui/WindowHelpers.h"

TRoadForm* RoadForm = nullptr;

TRoadForm::TRoadForm(QWidget* parent) : TCuttingForm(parent, QStringLiteral("RoadForm")) {
  RoadForm = this;
  WindowWidth = 560;
  // 1. Colours and panels.
  Panel2 = MakePanel("Panel2", 3, 76);
  Panel1 = MakePanel("Panel1", 5, 76);
  Panel6 = MakePanel("Panel6", 13, kPreviewPanelHeight);
  Panel5 = MakePanel("Panel5", 7, 46);
  // 2. Items and 3. captions.
  RadioGroup2 = new TRadioGroup(Panel2, QStringLiteral("RadioGroup2"), 5);
  RadioGroup2->SetItems(StripRoadWidthItems());
  RadioGroup2->setTitle(QLatin1Char(' ') + RoadslanText(2) + QStringLiteral(", metriä "));
  RadioGroup2->setGeometry(8, 4, WindowWidth - 16, 66);
  RadioGroup1 = new TRadioGroup(Panel1, QStringLiteral("RadioGroup1"), 6);
  RadioGroup1->SetItems(StripRoadSpacingItems());
  RadioGroup1->setTitle(QLatin1Char(' ') + RoadslanText(1) + QStringLiteral(", metriä "));
  RadioGroup1->setGeometry(8, 4, WindowWidth - 16, 66);
  BuildPreview(Panel6, {"Image1", "Label1", "Image2", "Label3", "Label17", nullptr, nullptr, nullptr, nullptr,
                        nullptr, nullptr});
  Preview.removalCaption->setText(QStringLiteral("1 ha otos ajourilta poistetusta puustosta"));
  Preview.remainingCaption->setText(QStringLiteral("1 ha otos puustosta ajourien hakkuun jälkeen"));
  BuildButtonPanel(Panel5, "Label7", true);
  // 4. Stacked, the window fitted to the button panel.
  StackPanels({Panel2, Panel1, Panel6, Panel5});
  ConnectChange(RadioGroup1, &TRadioGroup::Clicked, [this] { RadioGroup1Click(); });
  ConnectChange(RadioGroup2, &TRadioGroup::Clicked, [this] { RadioGroup1Click(); });
}

TRoadForm::~TRoadForm() {
  if (RoadForm == this) RoadForm = nullptr;
}

void TRoadForm::FormActivate() {
  ::data* stand = OpenedStand();
  if (!stand) return;
  const int n = stand->SlotTreeCount(CurrentPhase());
  Activating = true;
  Centre();
  setWindowTitle(StandWindowCaption(*stand, CommonlanText(23).toLower()));
  const bool offered = n >= kStripRoadStemLimit;
  RadioGroup1->SetItemIndex(offered ? 5 : -1);
  RadioGroup2->SetItemIndex(offered ? 6 : 0);
  RadioGroup1->setEnabled(offered);
  RadioGroup2->setEnabled(offered);
  RecomputeStripRoads();
  Activating = false;
  ClearFocus(this);
}

void TRoadForm::RadioGroup1Click() {
  if (Activating) return;
  RecomputeStripRoads();
  ClearFocus(this);
}

void TRoadForm::RecomputeStripRoads() {
  ::data* stand = BeginTrial();
  if (!stand) return;
  const int k = CurrentPhase() + 1;
  // The strip-road button's caption.
  const QString caption = CommonlanText(23);
  ResetTrialCutting(*stand, k);
  const int j = RadioGroup2->ItemIndex();
  RadioGroup1->setEnabled(j > 0);
  const QString name = StripRoadName(caption, RadioGroup2->ItemText(j), RadioGroup1->ItemText(RadioGroup1->ItemIndex()),
                                     j > 0);
  ComputeStripRoadRemoval(k, name);
}

void TRoadForm::ComputeStripRoadRemoval(int k, const QString& name) {
  ::data* stand = OpenedStand();
  if (!IsOpen() || !stand || k >= kPhaseCount) return;
  const int j = RadioGroup2->ItemIndex();
  const int i = RadioGroup1->ItemIndex();
  if (j > 0 && i >= 0)
    stand->SelectStripRoads(StripRoadWidth(j), static_cast<float>(StripRoadSpacing(i)), k);
  const bool below = !RadioGroup1->isEnabled() && !RadioGroup2->isEnabled();
  RepaintNow();
  DrawCuttingPreview(*stand, Preview);
  ShowOperationText(StripRoadMessage(name, below));
  stand->RecordPhase(k, name, 0, 0);
}

void TRoadForm::BitBtn3Click() { ShowHelpText(CommonlanText(23), {RoadslanText(0)}); }
