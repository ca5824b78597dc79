#pragma once
// The three settings windows over a settings file in a temporary program
// folder, with message windows answered by a script and the currency of the
// text tables read from the record, as the main window reads it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <memory>

#include "tests/support/Shots.h"
#include "model/Settings.h"
#include "ui/WindowHelpers.h"
#include "ui/MessageService.h"
#include "stands/Settings.h"
#include "stands/Settings1.h"
#include "stands/Settings2.h"
#include "tests/support/TempDir.h"
#include "texts/TextState.h"

class SettingsCurrencyState : public TextState {
 public:
  QString CurrencyUnitShort() const override {
    return model::CurrencyUnitOf(model::CurrencyListText(model::CurrentSettings().currencyIndex), true);
  }
};

class SettingsWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    model::SetSettingsFolder(dir.path());
    model::SetSettingsRefresh(nullptr);
    SetTextState(&state);
    price = std::make_unique<TSettForm>();
    recommendation = std::make_unique<TSettForm1>();
    display = std::make_unique<TSettForm2>();
  }
  void TearDown() override {
    for (QDialog* w : {static_cast<QDialog*>(price.get()), static_cast<QDialog*>(recommendation.get()),
                       static_cast<QDialog*>(display.get())})
      w->hide();
    display.reset();
    recommendation.reset();
    price.reset();
    SetTextState(nullptr);
    model::SetSettingsRefresh(nullptr);
  }
  // Loads every page (a missing file is announced and written).
  void LoadAll() {
    price->LoadSettings(0);
    script.Clear();
  }
  QByteArray FileBytes() const {
    QFile f(model::SettingsFilePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // Renders a window to <name>.png among the test pictures.
  static void Shoot(QWidget* w, const QString& name) {
    w->grab().save(testsupport::ShotPath(name + ".png"));
  }

  testsupport::TempDir dir;
  MessageScript script;
  SettingsCurrencyState state;
  std::unique_ptr<TSettForm> price;
  std::unique_ptr<TSettForm1> recommendation;
  std::unique_ptr<TSettForm2> display;
};
