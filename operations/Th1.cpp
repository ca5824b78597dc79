#include "operations/Th1.h"

#include <QCheckBox>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "model/Phase.h"
#include "platform/Numbers.h"
#include "ui/Session.h"
#include "texts/Commonlan.h"
#include "texts/Th1lan.h"
#include "ui/ListClicks.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/RadioGroup.h"
#include "ui/WindowHelpers.h"

TTh1Form* Th1Form = nullptr;

namespace {

constexpr int kWidth = 760;
constexpr int kPagesLeft = 150;
constexpr int kOptionsHeight = 196;

QFrame* PagePanel(QWidget* page, const char* name) {
  auto* p = new QFrame(page);
  p->setObjectName(QLatin1String(name));
  SetWidgetColor(p, PaletteColor(5));
  p->setGeometry(0, 0, kWidth - kPagesLeft - 12, kOptionsHeight - 38);
  return p;
}

void FillGroup(TRadioGroup* group, const ThinningChoices& c) {
  group->SetItems(c.items);
  if (c.columns > 0) group->SetColumns(c.columns);
  group->SetItemIndex(c.selected);
}

}  // namespace

TTh1Form::TTh1Form(QWidget* parent) : TCuttingForm(parent, QStringLiteral("Th1Form")) {
  Th1Form = this;
  WindowWidth = kWidth;
  setWindowTitle(PadCaption(QStringLiteral("Ala - tai yläharvennus")));
  Panel7 = MakePanel("Panel7", 13, kOptionsHeight);
  ListBox3 = new QListWidget(Panel7);
  ListBox3->setObjectName(QStringLiteral("ListBox3"));
  ListBox3->addItems({CommonlanText(26).toLower(), CommonlanText(27).toLower()});
  ListBox3->setGeometry(10, 30, kPagesLeft - 20, 44);
  ListBox3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListBox3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  PageControl1 = new QTabWidget(Panel7);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->setGeometry(kPagesLeft, 6, kWidth - kPagesLeft - 8, kOptionsHeight - 10);
  struct PageDef {
    QWidget** sheet;
    const char* sheetName;
    QFrame** panel;
    const char* panelName;
    TRadioGroup** group;
    const char* groupName;
    QString caption;
  };
  const PageDef pages[] = {
      {&TabSheet3, "TabSheet3", &Panel2, "Panel2", &RadioGroup3, "RadioGroup3", CommonlanText(52).toLower()},
      {&TabSheet1, "TabSheet1", &Panel3, "Panel3", &RadioGroup1, "RadioGroup1", CommonlanText(71).toLower()},
      {&TabSheet2, "TabSheet2", &Panel4, "Panel4", &RadioGroup2, "RadioGroup2", CommonlanText(14).toLower()},
      {&TabSheet4, "TabSheet4", &Panel5, "Panel5", &RadioGroup4, "RadioGroup4", Th1lanText(9)},
  };
  for (const PageDef& d : pages) {
    *d.sheet = new QWidget;
    (*d.sheet)->setObjectName(QLatin1String(d.sheetName));
    *d.panel = PagePanel(*d.sheet, d.panelName);
    *d.group = new TRadioGroup(*d.panel, QLatin1String(d.groupName), 4);
    (*d.group)->setGeometry(6, 4, (*d.panel)->width() - 12, (*d.panel)->height() - 30);
    PageControl1->addTab(*d.sheet, d.caption);
    ConnectChange(*d.group, &TRadioGroup::Clicked, [this] { RadioGroupClick(); });
  }
  Label5 = new QLabel(Panel3);
  Label5->setObjectName(QStringLiteral("Label5"));
  Label6 = new QLabel(Panel4);
  Label6->setObjectName(QStringLiteral("Label6"));
  for (QLabel* l : {Label5, Label6}) l->move(0, Panel3->height() - 22);

  Panel6 = MakePanel("Panel6", 13, kPreviewPanelHeight);
  BuildPreview(Panel6, {"Image1", "Label10", "Image2", "Label9", "Label8", "Label12", "Label11", "Label13",
                        "Label4", "Chart1", "CheckBox1"});
  Panel1 = MakePanel("Panel1", 7, 46);
  BuildButtonPanel(Panel1, "Label7", true);
  StackPanels({Panel7, Panel6, Panel1});

  // The user's page change, and the user's click on a type (the type
  // already chosen too) or move by the keys.
  WatchPageChanges(PageControl1, [this] {
    if (IsOpen()) PageControl1Change();
  });
  WatchListClicks(ListBox3, [this] {
    if (IsOpen()) ListBox3Click();
  });
  ConnectChange(Preview.chartSwitch, &QCheckBox::toggled, [this] { CheckBox1Click(); });
}

TTh1Form::~TTh1Form() {
  if (Th1Form == this) Th1Form = nullptr;
}

void TTh1Form::FormActivate() {
  ::data* stand = OpenedStand();
  if (!stand) return;
  Centre();
  Activating = true;
  const ThinningStand s = ThinningStandOf(*stand);
  startVolume_ = s.startVolume;
  const int a = CuttingStartSlot(*stand);
  setWindowTitle(StandWindowCaption(*stand, CommonlanText(95).toLower()));
  ListBox3->setCurrentRow(0);
  ListBox3->setEnabled(s.volume >= 50);
  SetThinningCaptions(0);

  stems_ = StemCountChoices(s.stems);
  FillGroup(RadioGroup1, stems_);
  Label5->setText(StemsBeforeText(stand->SlotTreeCount(a)));
  basal_ = BasalAreaChoices(s.stems, s.basalArea);
  FillGroup(RadioGroup2, basal_);
  Label6->setText(BasalAreaBeforeText(stand->SlotBasalArea(a)));
  distance_ = DistanceChoices(s.stems);
  FillGroup(RadioGroup4, distance_);
  removal_ = RemovalChoices(s);
  FillGroup(RadioGroup3, removal_);
  for (QLabel* l : {Label5, Label6}) {
    l->adjustSize();
    l->move(l->parentWidget()->width() - l->width() - 25, l->y());
  }
  PageControl1->setTabVisible(ThinningRemovalPage, removal_.Offered());
  PageControl1->setTabVisible(ThinningStemPage, true);
  PageControl1->setTabVisible(ThinningBasalPage, basal_.Offered());
  PageControl1->setTabVisible(ThinningDistancePage, distance_.Offered());
  Preview.chartSwitch->setChecked(false);
  PageControl1->setCurrentIndex(removal_.Offered() ? ThinningRemovalPage : ThinningStemPage);
  RecalculateThinning();
  Activating = false;
}

void TTh1Form::PageControl1Change() {
  if (Activating) return;
  RecalculateThinning();
}

void TTh1Form::RadioGroupClick() {
  if (Activating) return;
  RecalculateThinning();
}

void TTh1Form::ListBox3Click() {
  SetThinningCaptions(ListBox3->currentRow());
  ClearFocus(this);
}

void TTh1Form::CheckBox1Click() { ChartSwitchClick(); }

void TTh1Form::SetThinningCaptions(int type) {
  const QStringList captions = ThinningCaptions(type < 0 ? 0 : type);
  RadioGroup3->setTitle(captions[0]);
  RadioGroup1->setTitle(captions[1]);
  RadioGroup2->setTitle(captions[2]);
  RadioGroup4->setTitle(captions[3]);
  if (!Activating) RecalculateThinning();
}

void TTh1Form::RecalculateThinning() {
  ::data* stand = BeginTrial();
  if (!stand) return;
  const int p = CurrentPhase();
  const int page = PageControl1->currentIndex();
  const bool low = ListBox3->currentRow() != 1;
  QString text;
  ResetTrialCutting(*stand, p + 1);
  const int code = ThinningCriterionCode(page);
  auto chosen = [](TRadioGroup* g, const ThinningChoices& c) {
    const int i = g->ItemIndex();
    return i >= 0 && i < static_cast<int>(c.values.size()) ? c.values[i] : 0;
  };
  switch (page) {
    case ThinningRemovalPage: {
      const int r = chosen(RadioGroup3, removal_);
      const int v = stand->ThinToTargetVolume(p, static_cast<float>(startVolume_ - r), code, low);
      Feasible = true;
      text = ThinningRemovalText(low, startVolume_ - v);
      break;
    }
    case ThinningDistancePage: {
      const float d = ThinningDistance(RadioGroup4->ItemIndex());
      Feasible = stand->ThinByMinimumSpacing(d, p, low, code) > 0;
      if (Feasible) text = ThinningDistanceText(low, d);
      break;
    }
    case ThinningStemPage: {
      const int t = chosen(RadioGroup1, stems_);
      Feasible = stand->ThinToTargetBasalArea(p, static_cast<float>(t), code, low);
      if (Feasible) text = ThinningStemText(low, t);
      break;
    }
    default: {
      const int t = chosen(RadioGroup2, basal_);
      Feasible = stand->ThinToTargetBasalArea(p, static_cast<float>(t), code, low);
      if (Feasible) text = ThinningBasalAreaText(low, t);
      break;
    }
  }
  RepaintNow();
  DrawCuttingPreview(*stand, Preview);
  OperationText = text;
  ShowOperationText(text);
  stand->RecordPhase(p + 1, OperationText, 0, 0);
  ShowCuttingResult(*stand, Preview.volumeLabel, Preview.label2, Preview.label3, Preview.label4, Preview.chart,
                    Preview.chartSwitch->isChecked());
  Preview.remainingCaption->setText(ThinningRemainingCaption(low));
  Preview.removalCaption->setText(ThinningRemovalCaption(low));
  ClearFocus(this);
}

void TTh1Form::BitBtn1Click() {
  if (Feasible) {
    done(Accepted);
    return;
  }
  ShowNotice(ThinningRefusalCaption(ListBox3->currentRow() != 1), ThinningRefusalLine(PageControl1->currentIndex()));
}

void TTh1Form::BitBtn3Click() { ShowHelpText(CommonlanText(95), {Th1lanText(0)}); }
