// The estate views over the model estate "Mallitila" as the build wrote it:
// a stand opened from the folder as the open dialog opens it, then the
// estate panel, the estate charts and the estate overview through their
// controls. Pictures of each are left for a person to look at.
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "estate/EstateChart.h"
#include "estate/EstateRules.h"
#include "estate/EstateWindows.h"
#include "estate/Folder.h"
#include "estate/Graph.h"
#include "mainwindow/Acts.h"
#include "model/Estate.h"
#include "model/Settings.h"
#include "platform/Screen.h"
#include "stands/Intro.h"
#include "stands/IntroOpen.h"
#include "stands/IntroStartup.h"
#include "tests/support/Shots.h"
#include "tests/support/TempDir.h"
#include "ui/MessageService.h"
#include "ui/RadioGroup.h"
#include "ui/WindowHelpers.h"

#ifdef NORVALEN_MODEL_ESTATE_DIR

namespace {

const QString kModelEstate = QString::fromUtf8(NORVALEN_MODEL_ESTATE_DIR);

void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

void AfterShown(QWidget* w, std::function<void()> fn, int tries = 200) {
  QTimer::singleShot(5, [w, fn, tries] {
    if (w->isVisible() || tries <= 0) fn();
    else AfterShown(w, fn, tries - 1);
  });
}

class ModelEstateViews : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    saved_ = platform::GetScreenMetrics();
    savedFolder_ = QDir::currentPath();
    QDir::setCurrent(folder_.path());
    model::SetSettingsFolder(folder_.path());
    platform::SetScreenMetrics({.width = 1366, .height = 768});
    CreateApplicationWindows();
    ActForm->show();
    ActForm->FormActivate();
  }
  void TearDown() override {
    DestroyApplicationWindows();
    QDir::setCurrent(savedFolder_);
    model::SetSettingsFolder(savedFolder_);
    platform::SetScreenMetrics(saved_);
  }
  testsupport::TempDir folder_;
  MessageScript script_;
  platform::ScreenMetrics saved_;
  QString savedFolder_;
};

}  // namespace

TEST_F(ModelEstateViews, PanelChartsAndOverview) {
  const EstateRecordList records = ListEstateFolder(kModelEstate);
  ASSERT_FALSE(records.empty());
  ASSERT_TRUE(LoadStandFile(IntroForm, 0, kModelEstate + "/" + records[0].fileName, true));
  ASSERT_EQ(IntroForm->EstateRecords.size(), records.size());
  // The panel totals what the folder holds.
  const EstateTimePoints points = BuildEstateTimePoints(records);
  EXPECT_EQ(RadioGroupItems(ActForm->RadioGroup1), points.items);
  ASSERT_FALSE(ActForm->Chart2->Bars().empty());
  EXPECT_EQ(ActForm->Chart2->Bars()[0].value, EstateAssortmentTotal(Estate{records, points}, 0, false, true));
  EXPECT_TRUE(ActForm->Label14->text().contains(StandCountText(static_cast<int>(records.size()), 0)));
  ActForm->grab().save(testsupport::ShotPath("mallitila-main-1366.png"));
  ActForm->Panel9->grab().scaled(ActForm->Panel9->size() * 2).save(testsupport::ShotPath("mallitila-panel-x2.png"));

  bool charts = false, overview = false;
  AfterShown(GraphForm, [&] {
    charts = GraphForm->isVisible();
    EXPECT_EQ(GraphForm->Chart3->Bars().size(), 10u);
    GraphForm->grab().save(testsupport::ShotPath("mallitila-charts.png"));
    if (GraphForm->CheckBox1->isEnabled()) {
      Click(GraphForm->CheckBox1);
      GraphForm->grab().save(testsupport::ShotPath("mallitila-charts-removal.png"));
    }
    Click(GraphForm->CheckBox3);
    GraphForm->grab().save(testsupport::ShotPath("mallitila-charts-area.png"));
    AfterShown(FolderForm, [&] {
      overview = FolderForm->isVisible();
      EXPECT_EQ(FolderForm->StringGrid1->rowCount(), static_cast<int>(records.size()));
      FolderForm->grab().save(testsupport::ShotPath("mallitila-overview.png"));
      Click(FolderForm->CheckBox2);
      FolderForm->grab().save(testsupport::ShotPath("mallitila-overview-removal.png"));
      Click(FolderForm->Button1);
    });
    Click(GraphForm->Button2);
    Click(GraphForm->Button1);
  });
  Click(ActForm->Panel8);
  EXPECT_TRUE(charts);
  EXPECT_TRUE(overview);
}

#endif
