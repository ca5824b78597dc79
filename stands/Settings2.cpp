#include "stands/Settings2.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>

#include "ui/WindowHelpers.h"
#include "ui/MessageService.h"
#include "stands/Settings.h"
#include "texts/Commonlan.h"
#include "texts/TextState.h"

TSettForm2* SettForm2 = nullptr;

namespace {
constexpr int kWidth = 560;
constexpr int kBoxStep = 26;
constexpr int kGroupGap = 12;

int Ticked(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }
}  // namespace

TSettForm2::TSettForm2(QWidget* parent)
    : TSettingsWindow(parent, QStringLiteral("SettForm2"), model::kDisplayPage) {
  SettForm2 = this;

  Panel1 = MakeSettingsPanel(this, QStringLiteral("Panel1"), 3);
  // Boxes in groups: list side; title bar; stand views; language.
  struct Box {
    QCheckBox** box;
    const char* name;
    const char* caption;
    int group;
  };
  const Box boxes[] = {
      {&CheckBox2, "CheckBox2", "Kuviolista ja tietokantaliittymä oikeassa reunassa", 0},
      {&CheckBox8, "CheckBox8", "Näytä otsikkopalkissa puuston ja hakkuukertymän arvon laskennan rahayksikkö", 1},
      {&CheckBox9, "CheckBox9", "Näytä otsikkopalkissa kuviolistan nimi", 1},
      {&CheckBox10, "CheckBox10", "Näytä otsikkopalkissa metsikkökuvion tunnus", 1},
      {&CheckBox3, "CheckBox3", "Näytä metsikkönäkymien yhteydessä puuston arvo", 2},
      {&CheckBox4, "CheckBox4", "Näytä metsikkönäkymien yhteydessä puuston keskipituus", 2},
      {&CheckBox5, "CheckBox5", "Näytä metsikkönäkymien yhteydessä puuston keskiläpimitta", 2},
      {&CheckBox7, "CheckBox7", "Näytä metsikkönäkymien yhteydessä hakkuukertymään sitoutunut hiilidioksidi", 2},
      {&CheckBox6, "CheckBox6", "Sovelluksen kieliversio suomen sijasta ruotsi", 3},
  };
  int top = 14;
  int group = 0;
  for (const Box& b : boxes) {
    if (b.group != group) {
      top += kGroupGap;
      group = b.group;
    }
    auto* box = new QCheckBox(QString::fromUtf8(b.caption), Panel1);
    box->setObjectName(QString::fromLatin1(b.name));
    box->adjustSize();
    box->move(18, top);
    top += kBoxStep;
    *b.box = box;
    if (box != CheckBox6) connect(box, &QCheckBox::toggled, this, [this] { DisplaySettingChanged(); });
  }
  connect(CheckBox6, &QCheckBox::toggled, this, [this] { CheckBox6Click(); });
  Panel1->setGeometry(0, 0, kWidth, top + 10);

  Panel2 = MakeSettingsPanel(this, QStringLiteral("Panel2"), 7);
  MakeButtons(Panel2);

  FormCreate();
}

TSettForm2::~TSettForm2() {
  if (SettForm2 == this) SettForm2 = nullptr;
}

void TSettForm2::FormCreate() {
  PlaceButtonPanel(Panel2, Panel1->height(), kWidth);
  setWindowTitle(PadCaption(CommonlanText(99)));
}

void TSettForm2::FormActivate() {
  PlaceOnScreen(this, 0.5, 0.5);
  // The panels change sides only in the narrow view.
  CheckBox2->setEnabled(CurrentTextState()->IsNarrowView());
  BitBtn1->setEnabled(false);
  ClearActiveControl(this);
}

int TSettForm2::TitleBarFlags(int item) const {
  switch (item) {
    case 1: return Ticked(CheckBox8);
    case 2: return Ticked(CheckBox9);
    case 3: return Ticked(CheckBox10);
    default: return Ticked(CheckBox8) + 10 * Ticked(CheckBox9) + 100 * Ticked(CheckBox10);
  }
}

int TSettForm2::StandViewFlags(int item) const {
  switch (item) {
    case 1: return Ticked(CheckBox3);
    case 2: return Ticked(CheckBox4);
    case 3: return Ticked(CheckBox5);
    case 4: return Ticked(CheckBox7);
    default:
      return Ticked(CheckBox3) + 10 * Ticked(CheckBox4) + 100 * Ticked(CheckBox5) + 1000 * Ticked(CheckBox7);
  }
}

int TSettForm2::StandListOnRight() const { return Ticked(CheckBox2); }

model::DisplayValues TSettForm2::Values() const {
  model::DisplayValues v;
  v.standListOnRight = StandListOnRight();
  v.titleBarFlags = TitleBarFlags(4);
  v.standViewFlags = StandViewFlags(5);
  return v;
}

void TSettForm2::ShowValues(const model::DisplayValues& v) {
  CheckBox2->setChecked(v.standListOnRight != 0);
  const std::pair<QCheckBox*, int> title[] = {{CheckBox8, 1}, {CheckBox9, 2}, {CheckBox10, 3}};
  for (const auto& [box, item] : title) box->setChecked(model::TitleBarFlagItem(v.titleBarFlags, item) != 0);
  const std::pair<QCheckBox*, int> view[] = {{CheckBox3, 1}, {CheckBox4, 2}, {CheckBox5, 3}, {CheckBox7, 4}};
  for (const auto& [box, item] : view) box->setChecked(model::StandViewFlagItem(v.standViewFlags, item) != 0);
}

void TSettForm2::ShowSettings(const model::SettingsRecord& s) { ShowValues(model::DisplayValuesOf(s)); }

model::SettingsSaveResult TSettForm2::SaveShownSettings() { return model::SaveDisplaySettings(Values()); }

void TSettForm2::DisplaySettingChanged() {
  if (!isVisible()) return;
  BitBtn1->setEnabled(true);
  ClearActiveControl(this);
}

void TSettForm2::CheckBox6Click() {
  if (CheckBox6->isChecked()) {
    ShowNotice(CommonlanText(99), QString::fromUtf8("toistaiseksi käytettävissä vain suomenkielinen versio   !"));
    // Unticked: its handler runs again and does nothing but clear the
    // focus.
    CheckBox6->setChecked(false);
  }
  ClearActiveControl(this);
}

int TitleBarFlags(int item) {
  if (SettForm2) return SettForm2->TitleBarFlags(item);
  const int packed = model::DisplayValuesOf(model::CurrentSettings()).titleBarFlags;
  return item >= 1 && item <= 3 ? model::TitleBarFlagItem(packed, item) : packed;
}

int StandViewFlags(int item) {
  if (SettForm2) return SettForm2->StandViewFlags(item);
  const int packed = model::DisplayValuesOf(model::CurrentSettings()).standViewFlags;
  return item >= 1 && item <= 4 ? model::StandViewFlagItem(packed, item) : packed;
}

int StandListOnRight() {
  if (SettForm2) return SettForm2->StandListOnRight();
  return model::CurrentSettings().standListOnRight != 0 ? 1 : 0;
}

int InitialWideViewState() { return TSettForm2::InitialWideViewState(); }
