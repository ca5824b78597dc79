// Opening a stand through the real windows: the start window's stand-list
// button, the scripted open dialog, the open-stand window in its modes with
// its commands, and the activation of the stand in the main window.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

#include "mainwindow/Acts.h"
#include "mainwindow/ActsFileLists.h"
#include "model/Phase.h"
#include "model/Settings.h"
#include "platform/Clock.h"
#include "platform/Screen.h"
#include "stands/Intro.h"
#include "stands/IntroOpen.h"
#include "stands/IntroStartup.h"
#include "stands/Open.h"
#include "tests/support/EstateFixture.h"
#include "tests/support/Shots.h"
#include "tests/support/TempDir.h"
#include "ui/MessageService.h"
#include "ui/WindowHelpers.h"

using namespace estatefixture;

namespace {

// Runs fn once the open-stand window is up and has run its activation (the
// window is modal: the test's next step must be scheduled before the click
// that opens it).
void WhenOpenWindowShown(std::function<void()> fn) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, fn] {
    if (!OpenForm || !OpenForm->isVisible() || !OpenForm->Activated) return;
    timer->stop();
    timer->deleteLater();
    fn();
  });
  timer->start();
}

class OpenWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    savedMetrics_ = platform::GetScreenMetrics();
    savedFolder_ = QDir::currentPath();
    ASSERT_TRUE(QDir(root_.path()).mkpath("Ohjelma"));
    ASSERT_TRUE(QDir(root_.path()).mkpath(QString::fromUtf8("Metsätilat/Koivula")));
    estate_ = root_.path() + QString::fromUtf8("/Metsätilat/Koivula");
    ASSERT_TRUE(QDir::setCurrent(root_.path() + "/Ohjelma"));
    model::SetDefaultSettings(model::CurrentSettings());
    model::SetSettingsFolder(QDir::currentPath());
    ASSERT_TRUE(model::SaveDefaultSettings().written);
  }
  void TearDown() override {
    DestroyApplicationWindows();
    QDir::setCurrent(savedFolder_);
    model::SetSettingsFolder(savedFolder_);
    platform::SetScreenMetrics(savedMetrics_);
  }
  void Start() {
    platform::SetScreenMetrics({.width = 1366, .height = 768});
    CreateApplicationWindows();
    ActForm->show();
    ActForm->FormActivate();
    ASSERT_TRUE(IntroForm->isVisible());
  }
  // A stand of the estate: slot 0 with pine pulpwood and logs.
  QString Stand(const QString& id, int year, float area, int pulp, int logs, int devClass = 6, int n = 60,
                int modelEstate = 0) {
    auto s = MakeStand(id, n, year, area, devClass, 3, 7);
    s->Header.modelEstate = modelEstate;
    s->SpeciesBlocks[0].words[WordMeanDiameter] = 22;
    s->SpeciesBlocks[0].words[WordMeanHeight] = 185;
    s->SpeciesBlocks[0].words[WordBasalArea] = 124;
    s->SpeciesBlocks[0].words[WordAge] = 55;
    s->Slots[0].name = "dummyStr";
    s->Slots[0].volumes[PinePulpwood] = pulp;
    s->Slots[0].volumes[PineLogs] = logs;
    const QString path = estate_ + "/" + id + ".Norvalen";
    EXPECT_TRUE(WriteStand(*s, path));
    return path;
  }

  testsupport::TempDir root_;
  QString estate_;
  MessageScript script_;
  platform::ScreenMetrics savedMetrics_;
  QString savedFolder_;
};

TEST_F(OpenWindow, StandListButtonOpensAStandOfTheChosenEstate) {
  Stand("12a", 2012, 1.25f, 40, 100);
  const QString chosen = Stand("3", 2014, 0.75f, 10, 10);
  Stand("7b", 2013, 2.0f, 80, 20);
  Start();
  script_.AnswerFile(chosen);
  struct Seen {
    QString caption, header, measurementLine, summary, info;
    QStringList rows;
    int row = -1;
    bool openVisible = false, deleteVisible = false, changeVisible = false;
  } seen;
  WhenOpenWindowShown([&] {
    seen.caption = OpenForm->windowTitle();
    seen.header = OpenForm->Label4->text();
    seen.measurementLine = OpenForm->Label2->text();
    seen.summary = OpenForm->Label1->text();
    seen.info = OpenForm->RichEdit1->toPlainText();
    for (int i = 0; i < OpenForm->ListBox1->count(); ++i) seen.rows << OpenForm->ListBox1->item(i)->text();
    seen.row = OpenForm->ListBox1->currentRow();
    seen.openVisible = OpenForm->Button3->isVisible();
    seen.deleteVisible = OpenForm->Panel7->isVisible();
    seen.changeVisible = OpenForm->Button2->isVisible();
    QApplication::processEvents();
    EXPECT_TRUE(OpenForm->grab().save(testsupport::ShotPath("open-window-list.png")));
    QTest::mouseClick(OpenForm->Button3, Qt::LeftButton);
  });
  QTest::mouseClick(IntroForm->findChild<QPushButton*>("Button3"), Qt::LeftButton);

  // The dialog: its title, the estates folder to start from, stand files only.
  const MessageRecord dialog = script_.Last(MessageKind::OpenFile);
  EXPECT_EQ(dialog.caption, QString::fromUtf8("  Kuviolistan avaus  :  valitse hakemisto ja kuviotiedosto"));
  EXPECT_EQ(QDir(dialog.folder).canonicalPath(), QDir(EstatesFolder()).canonicalPath());
  EXPECT_TRUE(dialog.filter.endsWith("(*.Norvalen)")) << dialog.filter.toStdString();

  // The window in list mode over the three stands, the chosen one shown.
  EXPECT_EQ(seen.caption, QString::fromUtf8(" Kuviolistan avaus"));
  EXPECT_EQ(seen.rows, (QStringList{QString::fromUtf8("Kuvio 12a  :  1.25 ha,   varttunut kasvatusmetsä,   puusto 140 m3/ha"),
                                    QString::fromUtf8("Kuvio 3  :  0.75 ha,   varttunut kasvatusmetsä,   puusto 20 m3/ha"),
                                    QString::fromUtf8("Kuvio 7b  :  2.00 ha,   varttunut kasvatusmetsä,   puusto 100 m3/ha")}));
  EXPECT_EQ(seen.row, 1);
  // 140 x 1.25 (50 + 125), 20 x 0.75 (7.5 -> 8 twice), 100 x 2: 175 + 16 + 200.
  EXPECT_EQ(seen.header, QString::fromUtf8("kuviolista Koivula,  3 kuviota,  4.00 ha,  391 m3,  mitattu 2012-14"));
  EXPECT_EQ(seen.measurementLine, QString::fromUtf8("Kuvio 3  :  mittaus 15.06.2014"));
  EXPECT_EQ(seen.summary, QString::fromUtf8("kuvio 3,  varttunut kasvatusmetsä,  hakkuukertymä 0 m3/ha"));
  EXPECT_EQ(seen.info, QString::fromUtf8("Tuore kangas, tasainen maasto."));
  EXPECT_TRUE(seen.openVisible);
  EXPECT_TRUE(seen.deleteVisible);
  EXPECT_FALSE(seen.changeVisible);

  // Open: the stand is active in the main window, the start window gone.
  EXPECT_FALSE(OpenForm->isVisible());
  EXPECT_FALSE(IntroForm->isVisible());
  EXPECT_TRUE(ActForm->isVisible());
  EXPECT_TRUE(ActForm->isEnabled());
  ASSERT_NE(IntroForm->CurrentStand, nullptr);
  EXPECT_EQ(IntroForm->CurrentStand->Header.standId, "3");
  EXPECT_EQ(IntroForm->StandPath, chosen);
  EXPECT_EQ(ActForm->FileListBox1->count(), 3);
  EXPECT_EQ(ActForm->FileListBox1->currentRow(), 1);
  EXPECT_EQ(script_.Count(MessageKind::Busy), 1);  // "Avataan kuviotiedostoa"
  // The estate stand list of the folder, and the main window's stand list.
  ASSERT_EQ(IntroForm->EstateRecords.size(), 3u);
  EXPECT_EQ(IntroForm->EstateRecords[1].standId, "3");
  ASSERT_EQ(ActForm->ListBox1->count(), 3);
  EXPECT_EQ(ActForm->ListBox1->item(1)->text(),
            QString::fromUtf8(" Kuvio 3   :   0.75 ha  •  varttunut kasvatusmetsä  •  20 m3/ha,  tukki % 50"));
  EXPECT_EQ(ActForm->ListBox1->currentRow(), 1);
  EXPECT_TRUE(ActForm->grab().save(testsupport::ShotPath("open-main-after-open.png")));
}


// Clicks row i of a list as the user does.
void ClickRow(QListWidget* list, int i) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(i)).center());
}

QStringList Rows(QListWidget* list) {
  QStringList rows;
  for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
  return rows;
}

TEST_F(OpenWindow, FileThatFailsToPreviewIsNeverTheOneOpened) {
  const QString a = Stand("a", 2015, 1.0f, 50, 50);
  const QString b = Stand("b", 2015, 1.0f, 30, 30, 6, 40);
  // b loses its last tree record: it is listed, but cannot be previewed.
  ASSERT_TRUE(WriteBytes(b, ReadBytes(b).chopped(40)));
  Stand("c", 2015, 1.0f, 20, 20);
  Start();
  script_.AnswerFile(a);
  QString lineAfterFailure;
  int rowAfterFailure = -1;
  QStringList rows;
  WhenOpenWindowShown([&] {
    rows = Rows(OpenForm->ListBox1);
    ClickRow(OpenForm->ListBox1, 1);
    lineAfterFailure = OpenForm->Label2->text();
    rowAfterFailure = OpenForm->ListBox1->currentRow();
    QTest::mouseClick(OpenForm->Button3, Qt::LeftButton);
  });
  QTest::mouseClick(IntroForm->Button3, Qt::LeftButton);
  EXPECT_EQ(rows.value(1), QString::fromUtf8("Kuvio b  :  tiedosto ei ole eheä kuviotiedosto"));
  ASSERT_EQ(script_.Count(MessageKind::Notice), 1);
  EXPECT_EQ(script_.Last(MessageKind::Notice).caption, "Tiedote");
  EXPECT_EQ(script_.Last(MessageKind::Notice).lines,
            QStringList{QString::fromUtf8("valitsemasi tiedosto ei ole eheä kuviotiedosto  !")});
  // The list returned to the stand still shown, and that stand was opened.
  EXPECT_EQ(lineAfterFailure, "Kuvio a  :  mittaus 15.06.2015");
  EXPECT_EQ(rowAfterFailure, 0);
  ASSERT_NE(IntroForm->CurrentStand, nullptr);
  EXPECT_EQ(IntroForm->CurrentStand->Header.standId, "a");
  EXPECT_EQ(IntroForm->StandPath, a);
}

TEST_F(OpenWindow, BrowsingAnotherStandOfTheListOpensThatStand) {
  const QString a = Stand("a", 2015, 1.0f, 50, 50);
  const QString c = Stand("c", 2016, 2.0f, 20, 20, 7, 30);
  Start();
  script_.AnswerFile(a);
  QString line;
  WhenOpenWindowShown([&] {
    ClickRow(OpenForm->ListBox1, 1);
    line = OpenForm->Label2->text();
    QTest::mouseClick(OpenForm->Button3, Qt::LeftButton);
  });
  QTest::mouseClick(IntroForm->Button3, Qt::LeftButton);
  EXPECT_EQ(line, "Kuvio c  :  mittaus 15.06.2016");
  ASSERT_NE(IntroForm->CurrentStand, nullptr);
  EXPECT_EQ(IntroForm->CurrentStand->Header.standId, "c");
  EXPECT_EQ(IntroForm->CurrentStand->TreeCount(), 30);
  EXPECT_EQ(IntroForm->StandPath, c);
  EXPECT_EQ(ActForm->FileListBox1->currentItem()->text(), "c.Norvalen");
  EXPECT_EQ(script_.Count(MessageKind::Notice), 0);
}

TEST_F(OpenWindow, DeletingFromTheListKeepsTheWindowOnTheFirstStandLeft) {
  const QString a = Stand("a", 2015, 1.0f, 50, 50);
  const QString b = Stand("b", 2016, 0.5f, 30, 30);
  const QString m = Stand("m", 2016, 0.5f, 30, 30, 6, 60, 1);  // a model-estate stand
  Start();
  script_.AnswerFile(b);
  QStringList rowsAfter, rowsAfterModel;
  QString header, shown;
  WhenOpenWindowShown([&] {
    script_.Answer(1);
    QTest::mouseClick(OpenForm->Panel7, Qt::LeftButton);
    rowsAfter = Rows(OpenForm->ListBox1);
    header = OpenForm->Label4->text();
    shown = OpenForm->Label2->text();
    // The model-estate stand is refused after the question.
    ClickRow(OpenForm->ListBox1, 1);
    script_.Answer(1);
    QTest::mouseClick(OpenForm->Panel7, Qt::LeftButton);
    rowsAfterModel = Rows(OpenForm->ListBox1);
    // A "no" deletes nothing.
    ClickRow(OpenForm->ListBox1, 0);
    script_.Answer(2);
    QTest::mouseClick(OpenForm->Panel7, Qt::LeftButton);
    QTest::mouseClick(OpenForm->Button1, Qt::LeftButton);
  });
  QTest::mouseClick(IntroForm->Button3, Qt::LeftButton);
  EXPECT_FALSE(QFile::exists(b));
  EXPECT_TRUE(QFile::exists(a));
  EXPECT_TRUE(QFile::exists(m));
  EXPECT_EQ(rowsAfter.size(), 2);
  EXPECT_TRUE(rowsAfter.value(0).startsWith("Kuvio a  :"));
  EXPECT_EQ(header, QString::fromUtf8("kuviolista Koivula,  2 kuviota,  1.50 ha,  130 m3,  mitattu 2015-16"));
  EXPECT_EQ(shown, "Kuvio a  :  mittaus 15.06.2015");
  EXPECT_EQ(rowsAfterModel.size(), 2);
  // Three questions, one model-estate message, one busy display of the
  // deletion.
  ASSERT_EQ(script_.Count(MessageKind::Question), 3);
  const MessageRecord q = script_.Records().at(1);
  EXPECT_EQ(q.caption, "Kuvion poistaminen");
  EXPECT_EQ(script_.Last(MessageKind::Question).lines,
            (QStringList{"Kuvio a poistetaan tuhoamalla kuvion tiedot   !", "Poistetaanko kuvio a  ?"}));
  ASSERT_EQ(script_.Count(MessageKind::Message), 1);
  EXPECT_EQ(script_.Last(MessageKind::Message).lines.value(0), "Mallitilan kuvioita ei suositella poistettavaksi   !");
  // Closed without opening: the start window is still there.
  EXPECT_EQ(IntroForm->CurrentStand, nullptr);
  EXPECT_TRUE(IntroForm->isVisible());
}

TEST_F(OpenWindow, DeletingTheLastStandClosesTheWindow) {
  const QString a = Stand("a", 2015, 1.0f, 50, 50);
  Start();
  script_.AnswerFile(a);
  WhenOpenWindowShown([&] {
    script_.Answer(1);
    QTest::mouseClick(OpenForm->Panel7, Qt::LeftButton);
  });
  QTest::mouseClick(IntroForm->Button3, Qt::LeftButton);
  EXPECT_FALSE(QFile::exists(a));
  EXPECT_FALSE(OpenForm->isVisible());
  EXPECT_EQ(OpenForm->result(), 3);
  EXPECT_EQ(IntroForm->CurrentStand, nullptr);
  EXPECT_TRUE(IntroForm->isVisible());
}

TEST_F(OpenWindow, UnreadableFileFromTheDialogIsRefused) {
  const QString a = Stand("a", 2015, 1.0f, 50, 50);
  const QString foreign = estate_ + "/muistio.Norvalen";
  ASSERT_TRUE(WriteBytes(foreign, ForeignBytes()));
  Start();
  for (const QString& path : {foreign, estate_ + "/puuttuu.Norvalen"}) {
    script_.Clear();
    script_.AnswerFile(path);
    QTest::mouseClick(IntroForm->Button3, Qt::LeftButton);
    ASSERT_EQ(script_.Count(MessageKind::Notice), 1);
    EXPECT_EQ(script_.Last(MessageKind::Notice).caption, "Tiedote");
    EXPECT_FALSE(OpenForm->isVisible());
    EXPECT_EQ(IntroForm->CurrentStand, nullptr);
    EXPECT_TRUE(IntroForm->isVisible());
  }
  EXPECT_EQ(script_.Last(MessageKind::Notice).lines,
            QStringList{QString::fromUtf8("valitsemaasi tiedostoa ei ole hakemistossa !")});
  // A cancelled dialog does nothing at all.
  script_.Clear();
  QTest::mouseClick(IntroForm->Button3, Qt::LeftButton);
  EXPECT_EQ(script_.Count(MessageKind::OpenFile), 1);
  EXPECT_EQ(script_.Count(MessageKind::Notice), 0);
  EXPECT_TRUE(IntroForm->isVisible());
  Q_UNUSED(a);
}

class OpenStandWindow : public OpenWindow {
 protected:
  // Opens a through the dialog (the estate list is then the folder's).
  void OpenFirst(const QString& path) {
    Start();
    script_.AnswerFile(path);
    WhenOpenWindowShown([&] { QTest::mouseClick(OpenForm->Button3, Qt::LeftButton); });
    QTest::mouseClick(IntroForm->Button3, Qt::LeftButton);
    ASSERT_NE(IntroForm->CurrentStand, nullptr);
    script_.Clear();
  }
};

TEST_F(OpenStandWindow, PickFromTheStandListOpensInSingleStandModeAndKeepsTheEstateList) {
  const QString a = Stand("a", 2015, 1.0f, 50, 50);
  const QString b = Stand("b", 2016, 0.5f, 30, 30, 7, 45);
  OpenFirst(a);
  // The estate list as the stand-list pick finds it; mode 0 keeps it.
  IntroForm->EstateRecords.resize(1);
  QString caption, header, row;
  bool listShown = true, openShown = false;
  WhenOpenWindowShown([&] {
    caption = OpenForm->windowTitle();
    header = OpenForm->Label4->text();
    listShown = OpenForm->ListBox1->isVisible();
    openShown = OpenForm->Button3->isVisible();
    QApplication::processEvents();
    EXPECT_TRUE(OpenForm->grab().save(testsupport::ShotPath("open-window-single.png")));
    QTest::mouseClick(OpenForm->Button3, Qt::LeftButton);
  });
  ActForm->FileListBox1->SetFileName(b);
  EXPECT_EQ(OpenStand(IntroForm, b), 45);
  EXPECT_EQ(caption, " Kuvio b, avaa tai poista");
  EXPECT_EQ(header, QString::fromUtf8("Metsätilan nimi  :  Koivulan tila"));
  EXPECT_FALSE(listShown);
  EXPECT_TRUE(openShown);
  EXPECT_EQ(IntroForm->CurrentStand->Header.standId, "b");
  EXPECT_EQ(IntroForm->StandPath, b);
  EXPECT_EQ(IntroForm->EstateRecords.size(), 1u);
  // Open from the stand view page shows no busy display.
  EXPECT_EQ(script_.Count(MessageKind::Busy), 0);
}

TEST_F(OpenStandWindow, ClosingAPickLeavesTheOpenStand) {
  const QString a = Stand("a", 2015, 1.0f, 50, 50);
  const QString b = Stand("b", 2016, 0.5f, 30, 30);
  OpenFirst(a);
  WhenOpenWindowShown([&] { QTest::mouseClick(OpenForm->Button1, Qt::LeftButton); });
  EXPECT_EQ(OpenStand(IntroForm, b), -1);
  EXPECT_EQ(IntroForm->CurrentStand->Header.standId, "a");
  EXPECT_EQ(IntroForm->StandPath, a);
  // The window forgets the stand browsed.
  EXPECT_EQ(OpenForm->PreviewPath, a);
}

TEST_F(OpenStandWindow, StandDataModeShowsTheOpenStand) {
  const QString a = Stand("a", 2015, 1.0f, 50, 50);
  OpenFirst(a);
  QString caption;
  bool openShown = true, changeShown = false, deleteShown = true, viewShown = true;
  WhenOpenWindowShown([&] {
    caption = OpenForm->windowTitle();
    openShown = OpenForm->Button3->isVisible();
    changeShown = OpenForm->Button2->isVisible();
    deleteShown = OpenForm->Panel7->isVisible();
    viewShown = OpenForm->findChild<QWidget*>("Image3")->isVisible();
    QApplication::processEvents();
    EXPECT_TRUE(OpenForm->grab().save(testsupport::ShotPath("open-window-standdata.png")));
    QTest::mouseClick(OpenForm->BitBtn2, Qt::LeftButton);
    QTest::mouseClick(OpenForm->Button1, Qt::LeftButton);
  });
  const data& s = *IntroForm->CurrentStand;
  EXPECT_EQ(DrawStandPicture(IntroForm, s.TreeCount(), s.SpeciesBlocks, s.Header), 2);
  EXPECT_EQ(caption, " Kuvio a, kuviotiedot");
  EXPECT_FALSE(openShown);
  EXPECT_TRUE(changeShown);
  EXPECT_FALSE(deleteShown);
  EXPECT_FALSE(viewShown);
  ASSERT_EQ(script_.Count(MessageKind::HelpText), 1);
  EXPECT_EQ(script_.Last(MessageKind::HelpText).lines, OpenWindowHelpLines(OpenMode::StandData));
}

TEST_F(OpenStandWindow, ChangingTheListToTheSameFolderIsRefused) {
  const QString a = Stand("a", 2015, 1.0f, 50, 50);
  OpenFirst(a);
  script_.AnswerFile(a);
  script_.AnswerFile(QString());
  OpenStandByDialog(IntroForm, true);
  EXPECT_EQ(script_.Count(MessageKind::OpenFile), 2);
  EXPECT_EQ(script_.Records().at(0).caption,
            QString::fromUtf8("  Kuviolistan vaihto  :  valitse hakemisto ja kuviotiedosto"));
  ASSERT_EQ(script_.Count(MessageKind::Notice), 1);
  EXPECT_EQ(script_.Last(MessageKind::Notice).caption, "Kuviolista");
  EXPECT_EQ(script_.Last(MessageKind::Notice).lines, QStringList{"kuviolistaa ei ole vaihdettu  !"});
  EXPECT_EQ(IntroForm->StandPath, a);
}

TEST_F(OpenWindow, SpeciesFiltersOfTheStandViewExcludeEachOther) {
  const QString a = Stand("a", 2015, 1.0f, 50, 50);
  Start();
  script_.AnswerFile(a);
  std::vector<std::pair<bool, bool>> states;
  WhenOpenWindowShown([&] {
    QCheckBox* broadleaves = OpenForm->CheckBox5;
    QCheckBox* conifers = OpenForm->CheckBox7;
    EXPECT_TRUE(broadleaves->isVisible());
    EXPECT_TRUE(broadleaves->isEnabled());  // the stand has birches
    broadleaves->click();
    states.emplace_back(broadleaves->isChecked(), conifers->isChecked());
    conifers->click();
    states.emplace_back(broadleaves->isChecked(), conifers->isChecked());
    // A click on a label toggles its box.
    QTest::mouseClick(OpenForm->Label36, Qt::LeftButton);
    states.emplace_back(broadleaves->isChecked(), conifers->isChecked());
    QTest::mouseClick(OpenForm->Button1, Qt::LeftButton);
  });
  QTest::mouseClick(IntroForm->Button3, Qt::LeftButton);
  EXPECT_EQ(states, (std::vector<std::pair<bool, bool>>{{true, false}, {false, true}, {true, false}}));
}


// The platform's open dialog as the start window shows it (not scripted):
// its title, the estates folder, only stand files listed.
TEST(OpenDialog, ShowsTheEstatesFolderWithStandFilesOnly) {
  InstallFontSubstitutions();
  const platform::ScreenMetrics savedMetrics = platform::GetScreenMetrics();
  const QString savedFolder = QDir::currentPath();
  testsupport::TempDir root;
  ASSERT_TRUE(QDir(root.path()).mkpath("Ohjelma"));
  const QString estate = root.path() + QString::fromUtf8("/Metsätilat/Koivula");
  ASSERT_TRUE(QDir().mkpath(estate));
  ASSERT_TRUE(QDir().mkpath(root.path() + QString::fromUtf8("/Metsätilat/Mallitila")));
  ASSERT_TRUE(WriteBytes(root.path() + QString::fromUtf8("/Metsätilat/muistio.txt"), "x"));
  ASSERT_TRUE(QDir::setCurrent(root.path() + "/Ohjelma"));
  model::SetSettingsFolder(QDir::currentPath());
  ASSERT_TRUE(model::SaveDefaultSettings().written);
  platform::SetScreenMetrics({.width = 1366, .height = 768});
  CreateApplicationWindows();
  ActForm->show();
  ActForm->FormActivate();
  QString title, directory;
  QStringList filters;
  QTimer::singleShot(200, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    directory = dialog->directory().absolutePath();
    filters = dialog->nameFilters();
    dialog->resize(760, 460);
    QApplication::processEvents();
    EXPECT_TRUE(dialog->grab().save(testsupport::ShotPath("open-dialog.png")));
    dialog->reject();
  });
  QTest::mouseClick(IntroForm->Button3, Qt::LeftButton);
  EXPECT_EQ(title, QString::fromUtf8("  Kuviolistan avaus  :  valitse hakemisto ja kuviotiedosto"));
  EXPECT_EQ(directory, QDir(root.path() + QString::fromUtf8("/Metsätilat")).absolutePath());
  // The dialog shows the filter with its blanks run together.
  EXPECT_EQ(filters, QStringList{QString::fromUtf8("kuviotiedostot ( * . Norvalen ) (*.Norvalen)")});
  EXPECT_TRUE(IntroForm->isVisible());
  DestroyApplicationWindows();
  QDir::setCurrent(savedFolder);
  model::SetSettingsFolder(savedFolder);
  platform::SetScreenMetrics(savedMetrics);
}

}  // namespace
