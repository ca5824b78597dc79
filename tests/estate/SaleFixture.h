#pragma once
// The program's windows over a thinned stand, for the timber-sale and report
// window tests: settings with their default prices in a temporary program
// folder, a 1366 x 768 screen, message windows answered by a script and no
// pauses.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <random>

#include "estate/Raport.h"
#include "estate/ReportPrint.h"
#include "estate/Trade.h"
#include "mainwindow/Acts.h"
#include "model/Phase.h"
#include "model/Settings.h"
#include "platform/Clock.h"
#include "platform/Screen.h"
#include "stands/Intro.h"
#include "stands/IntroStartup.h"
#include "stands/Settings.h"
#include "tests/support/Shots.h"
#include "tests/support/TempDir.h"
#include "ui/MessageService.h"
#include "ui/WindowHelpers.h"

namespace salefixture {

// Koivulan tila, stand 7 of 2.00 ha measured 15.06.2019 and thinned once.
// Removal per hectare: pine pulpwood 20, spruce pulpwood 15, birch pulpwood
// 5, alder pulpwood 5, pine logs 25, spruce logs 8, energy wood 6; for the
// stand twice that: 40, 30, 10, 10, 50, 16, 12 m3 (168 m3).
// Its 1100 trees (600 pines, 400 spruces, 100 birches) stand over the plot;
// every third was taken by the thinning.
inline std::unique_ptr<data> ThinnedStand() {
  auto s = std::make_unique<data>(1100);
  std::mt19937 gen(7);
  std::uniform_real_distribution<float> ux(20.0f, 620.0f), uy(50.0f, 200.0f), ud(1000.0f, 3400.0f);
  for (int i = 0; i < s->TreeCount(); ++i) {
    TreeRecord& t = s->Trees[i];
    t.x = ux(gen);
    t.y = uy(gen);
    t.diameter = ud(gen);
    t.height = 400.0f + t.diameter * 0.55f;
    t.species = i < 600 ? SpeciesPine : (i < 1000 ? SpeciesSpruce : SpeciesBirch);
    t.removedBy = i % 3 == 0 ? 1 : 0;
  }
  s->SortAllTrees(data::SortY);
  s->Header.estateName = QString::fromUtf8("Koivulan tila");
  s->Header.standId = "7";
  s->Header.info =
      QString::fromUtf8("Kivinen rinne, ojitettu 1970-luvulla. Hirvituhoja taimikossa, taimikonhoito tehty 2015.");
  s->Header.developmentClass = 6;
  s->Header.siteType = 3;
  s->Header.measurementDay = 43631;  // 15.06.2019
  s->Header.structureCode = 12;
  s->Header.area = 2.0f;
  const int measured[kAssortmentCount] = {40, 30, 10, 0, 10, 0, 100, 20, 0, 0, 0, 0, 10};
  const int thinned[kAssortmentCount] = {20, 15, 5, 0, 5, 0, 75, 12, 0, 0, 0, 0, 4};
  for (int j = 0; j < kAssortmentCount; ++j) {
    s->Slots[0].volumes[j] = measured[j];
    s->Slots[1].volumes[j] = thinned[j];
  }
  s->Slots[0].name = "mitattu";
  s->Slots[0].stems = 1100;
  s->Slots[1].name = "Alaharvennus, hakkuukertymä 84 m3/ha";
  s->Slots[1].stems = 700;
  const int blocks[3][5] = {{22, 185, 120, 600, 45}, {18, 150, 60, 400, 0}, {14, 160, 25, 100, 38}};
  for (int sp = 0; sp < 3; ++sp) {
    s->SpeciesBlocks[sp].words[WordMeanDiameter] = blocks[sp][0];
    s->SpeciesBlocks[sp].words[WordMeanHeight] = blocks[sp][1];
    s->SpeciesBlocks[sp].words[WordBasalArea] = blocks[sp][2];
    s->SpeciesBlocks[sp].words[WordStems] = blocks[sp][3];
    s->SpeciesBlocks[sp].words[WordAge] = blocks[sp][4];
  }
  return s;
}

class SaleWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    saved_ = platform::GetScreenMetrics();
    savedFolder_ = QDir::currentPath();
    QDir::setCurrent(folder_.path());
    model::SetSettingsFolder(folder_.path());
    platform::SetScreenMetrics({.width = 1366, .height = 768});
    platform::SetToday(QDate(2024, 6, 15));
    CreateApplicationWindows();
    SettForm->LoadSettings(0);  // a missing file: defaults, 10.00 and 1.00
    script_.Clear();
    IntroForm->hide();
    // A stand activation enables the main window and shows its stand card.
    ActForm->SetStartupPanelsVisibility(true);
    LoadStand(ThinnedStand(), 1);
  }
  void TearDown() override {
    SetCurrentPhase(0);
    DestroyApplicationWindows();
    QDir::setCurrent(savedFolder_);
    model::SetSettingsFolder(savedFolder_);
    platform::SetScreenMetrics(saved_);
    platform::SetToday(QDate());
  }
  // The stand becomes the open one at the given phase, as a stand
  // activation leaves it.
  void LoadStand(std::unique_ptr<data> stand, int phase) {
    IntroForm->CurrentStand = std::move(stand);
    SetCurrentPhase(phase);
    TradeForm->NewStand = true;
  }
  // The same removal by a clear-cut, with a clearing of 150 per hectare
  // estimated for regenerating it; the main window's button rules run as at
  // the stand's activation (the new-forest button and the estimate).
  void LoadClearCutStand() {
    auto stand = ThinnedStand();
    stand->Slots[1].name = QString::fromUtf8("avohakkuu, 8 säästöpuuta/ha");
    stand->SetRegenerationChoice(0, 1);    // raivaus
    stand->SetRegenerationChoice(1, 150);  // 150 per hectare
    LoadStand(std::move(stand), 1);
    ActForm->setButtonState(1, 0, false);
  }
  // Runs fn once the window of that name is the open modal window (fn
  // closes it); ExpectOpened fails the test when it never opened.
  void WhenOpen(const QString& name, std::function<void()> fn) {
    pending_ = std::move(fn);
    WaitFor(name, 0);
  }
  void WaitFor(const QString& name, int tries) {
    QTimer::singleShot(0, [this, name, tries] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal && modal->objectName() == name && modal->isVisible()) {
        auto fn = std::move(pending_);
        pending_ = nullptr;
        if (fn) fn();
      } else if (tries < 2000) {
        WaitFor(name, tries + 1);
      }
    });
  }
  void ExpectOpened() {
    EXPECT_FALSE(pending_) << "no window opened";
    pending_ = nullptr;
  }
  // The main window's timber-sale panel; fn runs in the open sale window.
  void OpenSale(std::function<void()> fn) {
    WhenOpen("TradeForm", std::move(fn));
    QTest::mouseClick(ActForm->Panel11, Qt::LeftButton);
    ExpectOpened();
  }
  // The ten rows' check boxes by assortment.
  static QCheckBox* RowBox(int assortment) {
    for (const TTradeForm::SaleRow& r : TradeForm->Rows)
      if (r.assortment == assortment) return r.box;
    return nullptr;
  }
  static const TTradeForm::SaleRow& Row(int assortment) {
    for (const TTradeForm::SaleRow& r : TradeForm->Rows)
      if (r.assortment == assortment) return r;
    return TradeForm->Rows[0];
  }
  // Types a price into an edit as the user does (all of it replaced).
  static void TypePrice(QLineEdit* edit, const QString& digits) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, digits);
  }
  // Chooses an item with the arrow keys, as the user may.
  static void ChooseItem(QComboBox* box, int index) {
    box->setCurrentIndex(index > 0 ? index - 1 : 1);
    QTest::keyClick(box, index > 0 ? Qt::Key_Down : Qt::Key_Up);
  }

  std::function<void()> pending_;
  testsupport::TempDir folder_;
  MessageScript script_;
  platform::ScreenMetrics saved_;
  QString savedFolder_;
};

}  // namespace salefixture
