// The stand commands of the main window through its controls: the estate
// stand list (the open stand's own row, another stand, a file that cannot be
// read), the new-stand and change-list buttons, and the stand menu's
// information, change and delete items with the deletion's refusals.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

#include "mainwindow/Acts.h"
#include "mainwindow/ActsFileLists.h"
#include "model/Phase.h"
#include "model/Settings.h"
#include "platform/Screen.h"
#include "stands/Intro.h"
#include "stands/IntroOpen.h"
#include "stands/IntroStartup.h"
#include "stands/Meas.h"
#include "stands/Open.h"
#include "tests/support/EstateFixture.h"
#include "tests/support/TempDir.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "texts/Meoplan.h"
#include "ui/MessageService.h"
#include "ui/WindowHelpers.h"

using namespace estatefixture;

namespace {

// Runs the action once the window is shown (a modal window: scheduled
// before the click that opens it).
void WhenShown(QWidget* window, std::function<void()> action) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, window, action] {
    if (!window->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    action();
  });
  timer->start(5);
}

class StandCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    saved_ = platform::GetScreenMetrics();
    savedFolder_ = QDir::currentPath();
    ASSERT_TRUE(QDir(root_.path()).mkpath("Ohjelma"));
    ASSERT_TRUE(QDir(root_.path()).mkpath(QString::fromUtf8("Metsätilat/Koivula")));
    estate_ = root_.path() + QString::fromUtf8("/Metsätilat/Koivula");
    ASSERT_TRUE(QDir::setCurrent(root_.path() + "/Ohjelma"));
    model::SetDefaultSettings(model::CurrentSettings());
    model::SetSettingsFolder(QDir::currentPath());
    ASSERT_TRUE(model::SaveDefaultSettings().written);
    SetCurrentPhase(0);
  }
  void TearDown() override {
    DestroyApplicationWindows();
    SetCurrentPhase(0);
    QDir::setCurrent(savedFolder_);
    model::SetSettingsFolder(savedFolder_);
    platform::SetScreenMetrics(saved_);
  }
  QString Write(const QString& id, int modelEstate = 0) {
    auto s = MakeStand(id, 80, 2020, 1.5f, 6, 3, 7);
    s->Header.modelEstate = modelEstate;
    s->Slots[0].name = "dummyStr";
    s->Slots[0].volumes[PineLogs] = 90;
    const QString path = estate_ + "/" + id + "." + CommonlanText(0);
    EXPECT_TRUE(WriteStand(*s, path));
    return path;
  }
  // The program started and the stand at path opened from the open dialog.
  void StartWith(const QString& path) {
    platform::SetScreenMetrics({.width = 1366, .height = 768});
    CreateApplicationWindows();
    ActForm->show();
    ActForm->FormActivate();
    ASSERT_TRUE(LoadStandFile(IntroForm, 80, path, true));
    ASSERT_TRUE(ActForm->isEnabled());
  }
  void ClickRow(int row) {
    QListWidget* list = ActForm->ListBox1;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }
  QString OpenId() { return IntroForm->CurrentStand ? IntroForm->CurrentStand->TitleText(0) : QString(); }

  testsupport::TempDir root_;
  QString estate_;
  MessageScript script_;
  platform::ScreenMetrics saved_;
  QString savedFolder_;
};

}  // namespace

TEST_F(StandCommands, StandListOpensAnotherStandAndShowsTheOpenOne) {
  const QString first = Write("12a");
  Write("7b");
  StartWith(first);
  ASSERT_EQ(ActForm->ListBox1->count(), 2);
  const int own = ActForm->FileListBox1->currentRow();
  const int other = 1 - own;
  // The open stand's own row: its data in the open-stand window, nothing
  // loaded.
  const data* before = IntroForm->CurrentStand.get();
  bool shown = false;
  WhenShown(OpenForm, [&] {
    shown = true;
    QTest::mouseClick(OpenForm->Button1, Qt::LeftButton);
  });
  ClickRow(own);
  EXPECT_TRUE(shown);
  EXPECT_EQ(IntroForm->CurrentStand.get(), before);
  EXPECT_EQ(script_.Last(MessageKind::Busy).caption, CommonlanText(101));

  // Another stand: previewed, opened with the open-stand window's Open.
  WhenShown(OpenForm, [&] { QTest::mouseClick(OpenForm->Button3, Qt::LeftButton); });
  ClickRow(other);
  EXPECT_TRUE(script_.Contains("kuvio 7b"));
  EXPECT_EQ(OpenId(), "7b");
  EXPECT_EQ(ActForm->StandFileName, "7b." + CommonlanText(0));
  EXPECT_EQ(ActForm->FileListBox1->currentRow(), other);

  // The preview closed without opening: the selection returns to the open
  // stand.
  WhenShown(OpenForm, [&] { QTest::mouseClick(OpenForm->Button1, Qt::LeftButton); });
  ClickRow(own);
  EXPECT_EQ(OpenId(), "7b");
  EXPECT_EQ(ActForm->ListBox1->currentRow(), other);
  EXPECT_EQ(ActForm->FileListBox1->currentRow(), other);
}

TEST_F(StandCommands, UnreadableStandLeavesTheSelectionOnTheOpenStand) {
  const QString first = Write("12a");
  const QString broken = Write("7b");
  StartWith(first);
  QFile f(broken);
  ASSERT_TRUE(f.resize(700));  // cut in its tree records
  const int own = ActForm->FileListBox1->currentRow();
  ClickRow(1 - own);
  EXPECT_EQ(script_.Count(MessageKind::Notice), 1);
  EXPECT_TRUE(script_.Last(MessageKind::Notice).Text().contains(QString::fromUtf8("ei ole eheä kuviotiedosto")));
  EXPECT_EQ(OpenId(), "12a");
  EXPECT_EQ(ActForm->ListBox1->currentRow(), own);
  EXPECT_EQ(ActForm->FileListBox1->currentRow(), own);
}

TEST_F(StandCommands, NewStandChangeListAndChangeDataOpenTheirWindows) {
  StartWith(Write("12a"));
  // New stand: the measurement window, closed without saving.
  bool measured = false;
  WhenShown(MeasForm, [&] {
    measured = true;
    QTest::mouseClick(MeasForm->Button1, Qt::LeftButton);
  });
  QTest::mouseClick(ActForm->Button6, Qt::LeftButton);
  EXPECT_TRUE(measured);
  EXPECT_TRUE(script_.Contains(ActlanText(68)));
  EXPECT_EQ(OpenId(), "12a");
  // Change of the stand data through the menu.
  measured = false;
  WhenShown(MeasForm, [&] {
    measured = true;
    QTest::mouseClick(MeasForm->Button1, Qt::LeftButton);
  });
  ActForm->findChild<QAction*>("M12")->trigger();
  EXPECT_TRUE(measured);
  EXPECT_TRUE(script_.Contains(MeoplanMeasText(1)));
  // Change of the stand list: the open dialog, cancelled; the main window
  // shows its stand again.
  QTest::mouseClick(ActForm->Button8, Qt::LeftButton);
  EXPECT_TRUE(script_.Contains(MeoplanOpenText(7)));
  EXPECT_EQ(script_.Count(MessageKind::OpenFile), 1);
  EXPECT_TRUE(ActForm->Panel1->isVisible());
  EXPECT_EQ(OpenId(), "12a");
}

TEST_F(StandCommands, DeleteAsksRefusesTheModelEstateAndEndsInTheStartWindow) {
  const QString model = Write("1", 1);
  StartWith(model);
  QAction* remove = ActForm->findChild<QAction*>("M13");
  ASSERT_TRUE(remove->isEnabled());
  // No: nothing happens.
  script_.Answer(2);
  remove->trigger();
  EXPECT_EQ(script_.Last(MessageKind::Question).caption, "Kuvion poistaminen");
  EXPECT_EQ(script_.Last(MessageKind::Question).lines.value(1), "Poistetaanko kuvio 1  ?");
  EXPECT_TRUE(QFile::exists(model));
  EXPECT_TRUE(ActForm->Panel1->isVisible());
  // A stand of the model estate is not deleted.
  script_.Answer(1);
  remove->trigger();
  EXPECT_EQ(script_.Last(MessageKind::Message).lines.value(0), "Mallitilan kuvioita ei suositella poistettavaksi   !");
  EXPECT_TRUE(QFile::exists(model));
  EXPECT_TRUE(ActForm->Panel1->isVisible());
  EXPECT_EQ(OpenId(), "1");

  DestroyApplicationWindows();
  const QString own = Write("12a");
  StartWith(own);
  script_.Answer(1);
  ActForm->findChild<QAction*>("M13")->trigger();
  EXPECT_FALSE(QFile::exists(own));
  EXPECT_TRUE(script_.Contains("Poistetaan kuvio 12a"));
  // The start window again; the main window without a stand.
  EXPECT_TRUE(IntroForm->isVisible());
  EXPECT_FALSE(ActForm->isEnabled());
  EXPECT_FALSE(IntroForm->CurrentStand);
  EXPECT_TRUE(ActForm->StandFileName.isEmpty());
  EXPECT_FALSE(ActForm->findChild<QAction*>("M11")->isEnabled());
  EXPECT_EQ(ActForm->windowTitle(), MainWindowTitle(false));
}
