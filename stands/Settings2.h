#pragma once
// The display settings window (unit Settings2): the side of the main window
// on which the stand list stands, the items of the main window's title bar
// and the values written beside the stand pictures, and a language switch
// that is refused. Other windows read the options live from its boxes.

#include "model/Settings.h"
#include "stands/Settings.h"

class QCheckBox;
class QFrame;

class TSettForm2 : public TSettingsWindow {
  Q_OBJECT
 public:
  explicit TSettForm2(QWidget* parent = nullptr);
  ~TSettForm2() override;

  // ---- Controls (layout names) ----
  QFrame* Panel1 = nullptr;   // box panel
  QFrame* Panel2 = nullptr;   // button panel
  QCheckBox* CheckBox2 = nullptr;   // stand list on the right
  QCheckBox* CheckBox8 = nullptr;   // title bar: currency unit
  QCheckBox* CheckBox9 = nullptr;   // title bar: stand-list name
  QCheckBox* CheckBox10 = nullptr;  // title bar: stand identifier
  QCheckBox* CheckBox3 = nullptr;   // stand view: value
  QCheckBox* CheckBox4 = nullptr;   // stand view: mean height
  QCheckBox* CheckBox5 = nullptr;   // stand view: mean diameter
  QCheckBox* CheckBox7 = nullptr;   // stand view: carbon dioxide of the removal
  QCheckBox* CheckBox6 = nullptr;   // language (refused)

  // Item 1..3: that title-bar box as 0 or 1; any other item: the packed value.
  int TitleBarFlags(int item) const;
  // Item 1..4: that stand-view box; any other item: the packed value.
  int StandViewFlags(int item) const;
  int StandListOnRight() const;
  static int InitialWideViewState() { return 0; }

  model::DisplayValues Values() const;
  // Ticks the boxes (while hidden this does not mark the window changed).
  void ShowValues(const model::DisplayValues& v);
  // The display page: the record's options shown; the window's saved.
  void ShowSettings(const model::SettingsRecord& s) override;
  model::SettingsSaveResult SaveShownSettings() override;

  // ---- Handlers ----
  void FormCreate();
  void FormActivate() override;
  void DisplaySettingChanged();
  void CheckBox6Click();
};

extern TSettForm2* SettForm2;

// Live readers of the display options (the record's values before the window
// exists).
int TitleBarFlags(int item);
int StandViewFlags(int item);
int StandListOnRight();
int InitialWideViewState();
