// The measurement window through its controls: a new stand from the start
// window to the stand file and the main window, the dependent lists and the
// stem-count alternatives, the checks on Save, the save loop, a stand file
// that cannot be written, loading the open stand without a new draw, header
// changes with the rename, and a re-measurement.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include "mainwindow/Acts.h"
#include "model/Sample.h"
#include "model/Settings.h"
#include "platform/Clock.h"
#include "platform/Screen.h"
#include "stands/Intro.h"
#include "stands/IntroStartup.h"
#include "stands/Meas.h"
#include "stands/MeasWidgets.h"
#include "tests/support/Shots.h"
#include "tests/support/TempDir.h"
#include "ui/MessageService.h"
#include "ui/WindowHelpers.h"

namespace {

template <class T = QWidget>
T* Find(const char* name) {
  T* w = MeasForm->findChild<T*>(QLatin1String(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

// Opens a list and clicks the item with the given text (blanks ignored).
void Choose(const char* name, const QString& text) {
  auto* list = Find<QComboBox>(name);
  ASSERT_NE(list, nullptr);
  int index = -1;
  for (int i = 0; i < list->count(); ++i)
    if (list->itemText(i).trimmed() == text.trimmed()) index = i;
  ASSERT_GE(index, 0) << name << " has no " << text.toStdString();
  // The open list takes the item with the keys (the popup ignores a mouse
  // release that follows its opening too closely).
  list->showPopup();
  QAbstractItemView* view = list->view();
  view->setCurrentIndex(view->model()->index(index, 0));
  QTest::keyClick(view, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(list->currentIndex(), index) << name;
}

void Type(const char* name, const QString& text) {
  auto* edit = Find<QLineEdit>(name);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, text);
}


void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton); }

// Three species: pine 20 cm, 18 m, 14 m2/ha; spruce 16 cm, 15 m, 8 m2/ha;
// birch 12 cm, 13 m, 3 m2/ha.
void EnterThreeSpecies() {
  Choose("ComboBox10", "varttunut kasvatusmetsä");
  Choose("ComboBox7", "20");
  Choose("ComboBox4", "18.0");
  Choose("ComboBox1", "14.0");
  Choose("ComboBox8", "16");
  Choose("ComboBox5", "15.0");
  Choose("ComboBox2", "8.0");
  Choose("ComboBox9", "12");
  Choose("ComboBox6", "13.0");
  Choose("ComboBox3", "3.0");
}

// The window as drawn, and under a real display (Xvfb) the whole screen.
void SaveShot(QWidget* w, const QString& name) {
  QApplication::processEvents();
  w->grab().save(testsupport::ShotPath(name));
  if (QGuiApplication::platformName() != "offscreen")
    QGuiApplication::primaryScreen()->grabWindow(0).save(testsupport::ShotPath("screen-" + name));
}

class MeasWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    savedMetrics_ = platform::GetScreenMetrics();
    savedFolder_ = QDir::currentPath();
    program_ = root_.file("Ohjelma");
    estates_ = root_.file("Metsätilat");
    ASSERT_TRUE(QDir().mkpath(program_));
    ASSERT_TRUE(QDir().mkpath(estates_ + "/Kotitila"));
    ASSERT_TRUE(QDir().mkpath(estates_ + "/Mallitila"));
    ASSERT_TRUE(QDir::setCurrent(program_));
    platform::SetToday(QDate(2026, 5, 14));
    platform::SetScreenMetrics({.width = 1366, .height = 768, .menuBarHeight = 20});
    CreateApplicationWindows();
    ActForm->show();
    QApplication::processEvents();
    QApplication::processEvents();
    ASSERT_TRUE(IntroForm->isVisible());
    script_.Clear();
  }
  void TearDown() override {
    FreeSampleTrees();
    DestroyApplicationWindows();
    QDir::setCurrent(savedFolder_);
    model::SetSettingsFolder(savedFolder_);
    platform::SetScreenMetrics(savedMetrics_);
    platform::SetToday(QDate());
  }
  // Runs `inside` while the measurement window, opened by `open`, is up.
  void WithWindow(const std::function<void()>& open, const std::function<void()>& inside) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
      QApplication::processEvents();
      ran = true;
      ASSERT_TRUE(MeasForm->isVisible());
      ASSERT_TRUE(MeasForm->Initialised);
      inside();
      if (MeasForm->isVisible()) MeasForm->reject();
    });
    open();
    EXPECT_TRUE(ran);
  }
  void NewStand(const std::function<void()>& inside) {
    WithWindow([] { QTest::mouseClick(IntroForm->Button2, Qt::LeftButton); }, inside);
  }
  QString Kotitila(const QString& file) const { return estates_ + "/Kotitila/" + file; }

  testsupport::TempDir root_;
  QString program_;
  QString estates_;
  MessageScript script_;
  platform::ScreenMetrics savedMetrics_;
  QString savedFolder_;
};

}  // namespace

TEST_F(MeasWindow, NewStandLooksAsANewStandShould) {
  bool checked = false;
  WithWindow([] { QTest::mouseClick(IntroForm->Button2, Qt::LeftButton); },
             [&] {
               EXPECT_EQ(MeasForm->windowTitle(), " Uusi metsikkökuvio");
               EXPECT_EQ(Find<QDateEdit>("DateTimePicker1")->date(), QDate(2026, 5, 14));
               EXPECT_EQ(Find<QLineEdit>("MaskEdit10")->text(), "1.00");
               EXPECT_TRUE(Find<QLineEdit>("Edit2")->text().isEmpty());
               EXPECT_EQ(Find<QComboBox>("ComboBox10")->currentIndex(), 0);
               EXPECT_EQ(Find<QComboBox>("ComboBox15")->currentIndex(), 0);
               for (const char* h : {"ComboBox4", "ComboBox5", "ComboBox6", "ComboBox24", "ComboBox25"}) {
                 EXPECT_EQ(Find<QComboBox>(h)->count(), 1);
                 EXPECT_EQ(Find<QComboBox>(h)->currentText(), " 0.0");
                 EXPECT_FALSE(Find<QComboBox>(h)->isEnabled());
               }
               EXPECT_FALSE(Find<QComboBox>("ComboBox14")->isVisible());
               EXPECT_FALSE(Find<QListWidget>("ListBox2")->isVisible());
               EXPECT_EQ(Find<QListWidget>("ListBox2")->currentRow(), 1);
               EXPECT_TRUE(Find<QPushButton>("Button2")->isEnabled());
               EXPECT_EQ(Find<QLabel>("Label36")->text(), "kuvio ?,  1.00 ha,  mittauspäivä 14.05.2026");
               // Blanks are dropped and capitals lowered as they are typed.
               QTest::keyClicks(Find<QLineEdit>("Edit3"), "a bD");
               EXPECT_EQ(Find<QLineEdit>("Edit3")->text(), "abd");
               SaveShot(MeasForm, "meas-new.png");
               checked = true;
             });
  EXPECT_TRUE(checked);
}

TEST_F(MeasWindow, ThreeSpeciesPreviewAndStandView) {
  NewStand([&] {
    EnterThreeSpecies();
    // Pine 20 cm: 11 .. 25 m, 18.0 preselected before the choice.
    EXPECT_EQ(Find<QComboBox>("ComboBox4")->count(), 29);
    EXPECT_EQ(Find<QComboBox>("ComboBox1")->count(), 161);
    auto* alternatives = Find<QComboBox>("ComboBox14");
    EXPECT_TRUE(alternatives->isVisible());
    EXPECT_EQ(alternatives->count(), 5);
    EXPECT_EQ(alternatives->currentIndex(), 2);
    EXPECT_TRUE(alternatives->currentText().endsWith("    ( oletus )"));
    EXPECT_TRUE(Find<QListWidget>("ListBox2")->isVisible());
    const int total = MeasForm->EnteredTotalStemCount();
    EXPECT_GT(total, 500);
    EXPECT_EQ(SampleTreeCount(), total);
    EXPECT_TRUE(Find<QLabel>("Label18")->text().startsWith(QString::number(total) + " runkoa/ha     (A2, B3)"));
    EXPECT_EQ(Find<TBarChart>("Chart3")->Bars().size(), 5u);
    EXPECT_EQ(Find<TBarChart>("Chart1")->Bars().size(), 10u);
    EXPECT_TRUE(Find<TBarChart>("Chart1")->TitleLines().at(0).startsWith("puuston tilavuus"));
    EXPECT_TRUE(Find<QLabel>("Label24")->text().startsWith("keskiläpimitta "));
    // Another alternative keeps the list and recomputes the counts.
    Choose("ComboBox14", alternatives->itemText(0));
    EXPECT_GT(MeasForm->EnteredTotalStemCount(), total);
    EXPECT_EQ(alternatives->currentIndex(), 0);
    SaveShot(MeasForm, "meas-three-species.png");
    // The stand view.
    Click("RadioGroup1Item1");
    EXPECT_TRUE(Find<QLabel>("Image3")->isVisible());
    EXPECT_TRUE(Find<QCheckBox>("CheckBox2")->isVisible());
    EXPECT_TRUE(Find<QLabel>("Label6")->text().startsWith("1.0 ha metsikkönäkymä,  puusto "));
    // Over a picture with its sky the caption and options are dark.
    for (const char* name : {"Label6", "Label12", "Label27", "Label15", "Label19", "Label21"}) {
      auto* label = Find<QLabel>(name);
      EXPECT_TRUE(label->isVisible()) << name;
      EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(32, 32, 32)) << name;
    }
    SaveShot(MeasForm, "meas-stand-view.png");
    Click("RadioGroup1Item0");
    EXPECT_FALSE(Find<QLabel>("Image3")->isVisible());
  });
}

TEST_F(MeasWindow, NewStandEndToEndFromTheStartWindowToTheMainWindow) {
  const QString path = Kotitila("101.Norvalen");
  std::array<int, 5> stems{};
  NewStand([&] {
    Type("Edit2", "Kotitila");
    Type("Edit3", "101");
    Type("MaskEdit10", "2.50");
    Choose("ComboBox15", "tuore kangas");
    EnterThreeSpecies();
    stems = MeasForm->SpeciesStems;
    // Save: the new-stand question, then the save dialog in the estate folder.
    script_.Answer(1);
    script_.AnswerFile(path);
    Click("Button2");
    EXPECT_FALSE(MeasForm->isVisible());
  });
  ASSERT_EQ(script_.Count(MessageKind::SaveFile), 1);
  EXPECT_EQ(script_.Last(MessageKind::SaveFile).folder, estates_ + "/101.Norvalen");
  EXPECT_EQ(script_.Last(MessageKind::Question).lines.at(1),
            "Talletustiedosto, joka nimetään kuvion tunnuksen mukaan  :  101. Norvalen");
  ASSERT_TRUE(QFile::exists(path));
  std::unique_ptr<::data> saved;
  ASSERT_EQ(::data::ReadStandFile(path, true, saved), StandFileStatus::Ok);
  EXPECT_EQ(saved->EstateName(), "Kotitila");
  EXPECT_EQ(saved->TitleText(0), "101");
  EXPECT_FLOAT_EQ(saved->Area(), 2.5f);
  EXPECT_EQ(saved->SiteType(), 3);
  EXPECT_EQ(saved->DevelopmentClass(), 6);
  EXPECT_EQ(saved->MeasurementDay(), DayNumberOf(QDate(2026, 5, 14)));
  EXPECT_EQ(saved->StructureCode(), 12);  // A2 and B3
  EXPECT_EQ(saved->TreeCount(), stems[0] + stems[1] + stems[2]);
  EXPECT_EQ(saved->SpeciesValue(0, 10), stems[0]);
  EXPECT_EQ(saved->SpeciesValue(1, 2), 16);
  EXPECT_EQ(saved->SpeciesValue(2, 6), 30);
  // Phase 0 is recorded and the stand is the open one.
  EXPECT_FALSE(saved->Slots[0].name.isEmpty());
  EXPECT_EQ(saved->Slots[0].stems, saved->TreeCount());
  ASSERT_NE(IntroForm->CurrentStand, nullptr);
  EXPECT_EQ(IntroForm->StandPath, path);
  EXPECT_EQ(IntroForm->CurrentStand->TreeCount(), saved->TreeCount());
  EXPECT_FALSE(IntroForm->isVisible());
  EXPECT_TRUE(ActForm->isVisible());
  EXPECT_TRUE(ActForm->isEnabled());
  // The estate's stand list was built from the stand's folder.
  ASSERT_EQ(IntroForm->EstateRecords.size(), 1u);
  EXPECT_EQ(IntroForm->EstateRecords.at(0).fileName, "101.Norvalen");
  EXPECT_EQ(IntroForm->EstateRecords.at(0).standId, "101");
  SaveShot(ActForm, "meas-created-main-window.png");
}

TEST_F(MeasWindow, SaveRefusesAndAsksInItsOrder) {
  NewStand([&] {
    // Nothing entered: a measured class asks for the measurement.
    Click("Button2");
    EXPECT_EQ(script_.Last(MessageKind::Notice).lines.at(0),
              "aseta puuston mittaustiedot tai sulje lomake Sulje - painikkeella  !");
    EnterThreeSpecies();
    // No identifier.
    Type("MaskEdit10", "0.09");
    Click("Button2");
    EXPECT_EQ(script_.Last(MessageKind::Notice).lines.at(0), "kuvion pinta-ala 0.10 - 9.99 ha");
    Type("MaskEdit10", "1.00");
    Click("Button2");
    EXPECT_EQ(script_.Last(MessageKind::Notice).lines.at(0), "kirjoita kuvion tunnus  !");
    Type("Edit3", "101");
    // No estate name: "Ei" keeps the window open; then the save question
    // declined, then the dialog cancelled.
    script_.Answer(2);
    Click("Button2");
    EXPECT_EQ(script_.Last(MessageKind::Question).lines.at(0), "metsätilan nimi puuttuu  !");
    Type("Edit2", "Tila");
    script_.Answer(2);
    Click("Button2");
    EXPECT_EQ(script_.Count(MessageKind::SaveFile), 0);
    script_.Answer(1);
    Click("Button2");
    EXPECT_EQ(script_.Count(MessageKind::SaveFile), 1);
    // The model estate, the estates folder itself, a long name and a
    // renamed file declined; each opens the dialog again.
    script_.Clear();
    script_.Answer(1);
    script_.AnswerFile(estates_ + "/Mallitila/101.Norvalen");
    script_.AnswerFile(estates_ + "/Kotitila/../101.Norvalen");
    script_.AnswerFile(Kotitila("1234567.Norvalen"));
    script_.AnswerFile(Kotitila("abc.Norvalen"));
    script_.Answer(2);  // model estate: only the close button
    script_.Answer(2);  // estates folder
    script_.Answer(2);  // rename declined
    Click("Button2");
    EXPECT_EQ(script_.Count(MessageKind::SaveFile), 5);
    const auto& r = script_.Records();
    QStringList folders;
    for (const MessageRecord& m : r)
      if (m.kind == MessageKind::SaveFile) folders << m.folder;
    EXPECT_EQ(folders.at(1), estates_ + "/101.Norvalen");             // back to the estates folder
    EXPECT_EQ(folders.at(4), estates_ + "/101.Norvalen");             // rename declined: the preset again
    EXPECT_TRUE(script_.Contains("talletustiedoston nimen pituus korkeintaan 6 merkkiä  !"));
    EXPECT_TRUE(script_.Contains("Vaihdetaanko kuvion tunnus 101 ---> abc   ?"));
    EXPECT_TRUE(MeasForm->isVisible());
    EXPECT_EQ(Find<QLineEdit>("Edit3")->text(), "101");
    // Renaming accepted: the stand takes the file's name.
    script_.Answer(1);
    script_.AnswerFile(Kotitila("ABC.Norvalen"));
    script_.Answer(1);
    Click("Button2");
    EXPECT_FALSE(MeasForm->isVisible());
  });
  EXPECT_TRUE(QFile::exists(Kotitila("abc.Norvalen")));
  EXPECT_EQ(IntroForm->CurrentStand->TitleText(0), "abc");
}

TEST_F(MeasWindow, AFileThatCannotBeWrittenKeepsTheWindowAndItsEntries) {
  NewStand([&] {
    Type("Edit2", "Tila");
    Type("Edit3", "101");
    EnterThreeSpecies();
    const std::array<int, 5> stems = MeasForm->SpeciesStems;
    script_.Answer(1);
    // A folder that is not there: the write fails.
    script_.AnswerFile(estates_ + "/Puuttuu/101.Norvalen");
    const int notices = script_.Count(MessageKind::Notice);
    Click("Button2");
    EXPECT_TRUE(MeasForm->isVisible());
    EXPECT_EQ(script_.Count(MessageKind::Notice), notices + 1) << "the failed write is told";
    EXPECT_EQ(MeasForm->SpeciesStems, stems);
    EXPECT_EQ(Find<QComboBox>("ComboBox7")->currentText().trimmed(), "20");
    EXPECT_EQ(SampleTreeCount(), stems[0] + stems[1] + stems[2]);
    EXPECT_EQ(IntroForm->CurrentStand, nullptr);
  });
  EXPECT_FALSE(QFile::exists(estates_ + "/Puuttuu/101.Norvalen"));
}

namespace {

// Creates stand 101 in Kotitila through the window.
void CreateStand101(MeasWindow* t, MessageScript& script, const QString& path) {
  (void)t;
  bool ran = false;
  QTimer::singleShot(0, [&] {
    QApplication::processEvents();
    Type("Edit2", "Tila");
    Type("Edit3", "101");
    EnterThreeSpecies();
    script.Answer(1);
    script.AnswerFile(path);
    Click("Button2");
    ran = true;
    if (MeasForm->isVisible()) MeasForm->reject();  // a failed save must not hang the test
  });
  QTest::mouseClick(IntroForm->Button2, Qt::LeftButton);
  ASSERT_TRUE(ran);
  ASSERT_TRUE(QFile::exists(path));
}

// Opens the window for the open stand and runs `inside`.
void ChangeData(const std::function<void()>& inside) {
  bool ran = false;
  QTimer::singleShot(0, [&] {
    QApplication::processEvents();
    ran = true;
    inside();
    if (MeasForm->isVisible()) MeasForm->reject();
  });
  NewStandFromMeasurementWindow(IntroForm, true);
  EXPECT_TRUE(ran);
}

QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST_F(MeasWindow, TheOpenStandShowsItsStoredTreesAndAHeaderChangeKeepsThem) {
  const QString path = Kotitila("101.Norvalen");
  CreateStand101(this, script_, path);
  const QByteArray before = Bytes(path);
  const ::data& stand = *IntroForm->CurrentStand;
  ChangeData([&] {
    EXPECT_EQ(MeasForm->windowTitle(), " Kuvio 101, tietojen muuttaminen");
    EXPECT_FALSE(Find<QPushButton>("Button2")->isEnabled());
    EXPECT_EQ(Find<QComboBox>("ComboBox7")->currentText().trimmed(), "20");
    EXPECT_EQ(Find<QComboBox>("ComboBox4")->currentText().trimmed(), "18.0");
    EXPECT_EQ(Find<QComboBox>("ComboBox1")->currentText().trimmed(), "14.0");
    EXPECT_EQ(Find<QComboBox>("ComboBox10")->currentIndex(), 6);
    // The sample is the stored tree list, not a new draw.
    ASSERT_EQ(SampleTreeCount(), stand.TreeCount());
    int same = 0;
    for (int i = 0; i < stand.TreeCount(); ++i) {
      for (int j = 0; j < stand.TreeCount(); ++j) {
        if (SampleTreeX(j) == stand.TreeX(i) && SampleTreeY(j) == stand.TreeY(i) &&
            SampleTreeHeight(j) == stand.BaseHeight(i)) {
          ++same;
          break;
        }
      }
    }
    EXPECT_EQ(same, stand.TreeCount());
    // Notes only: a header change.
    Find<QTextEdit>("RichEdit1")->setFocus();
    QTest::keyClicks(Find<QTextEdit>("RichEdit1"), "Kuusi taimikossa");
    EXPECT_TRUE(MeasForm->HeaderChanged);
    EXPECT_FALSE(MeasForm->MeasurementChanged);
    script_.AnswerFile(path);
    Click("Button2");
    EXPECT_FALSE(MeasForm->isVisible());
  });
  const QByteArray after = Bytes(path);
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(after.mid(580), before.mid(580)) << "trees and phases stay";
  EXPECT_EQ(IntroForm->CurrentStand->InfoText(), "Kuusi taimikossa");
  // A new identifier: the file is copied to its new name and the old one
  // removed.
  ChangeData([&] {
    Type("Edit3", "102");
    script_.AnswerFile(Kotitila("102.Norvalen"));
    Click("Button2");
  });
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_TRUE(QFile::exists(Kotitila("102.Norvalen")));
  EXPECT_EQ(IntroForm->StandPath, Kotitila("102.Norvalen"));
  EXPECT_EQ(Bytes(Kotitila("102.Norvalen")).mid(580), before.mid(580));
  // A copy that fails: the stand stays in the file that still exists.
  int notices = script_.Count(MessageKind::Notice);
  ChangeData([&] {
    Type("Edit3", "104");
    script_.AnswerFile(estates_ + "/Puuttuu/104.Norvalen");
    Click("Button2");
  });
  EXPECT_EQ(script_.Count(MessageKind::Notice), notices + 1);
  EXPECT_EQ(IntroForm->StandPath, Kotitila("102.Norvalen"));
  EXPECT_TRUE(QFile::exists(Kotitila("102.Norvalen")));
  // A header that cannot be rewritten (the file has gone): told, and the
  // window stays open with its entries.
  ASSERT_TRUE(QFile::remove(Kotitila("102.Norvalen")));
  notices = script_.Count(MessageKind::Notice);
  ChangeData([&] {
    Type("Edit2", "Toinen");
    script_.AnswerFile(Kotitila("104.Norvalen"));
    Click("Button2");
    EXPECT_TRUE(MeasForm->isVisible());
    EXPECT_EQ(Find<QLineEdit>("Edit2")->text(), "Toinen");
  });
  EXPECT_EQ(script_.Count(MessageKind::Notice), notices + 1);
  EXPECT_FALSE(QFile::exists(Kotitila("104.Norvalen")));
}

TEST_F(MeasWindow, AReMeasurementWritesTheNewFileBeforeTheOldOneGoes) {
  const QString path = Kotitila("101.Norvalen");
  CreateStand101(this, script_, path);
  const int oldCount = IntroForm->CurrentStand->TreeCount();
  // Same file: rewritten in place with the new sample.
  ChangeData([&] {
    Choose("ComboBox3", "6.0");
    EXPECT_TRUE(MeasForm->MeasurementChanged);
    script_.AnswerFile(path);
    Click("Button2");
  });
  EXPECT_TRUE(QFile::exists(path));
  EXPECT_GT(IntroForm->CurrentStand->TreeCount(), oldCount);
  // A file that cannot be written: the old stand and file stay.
  const QByteArray kept = Bytes(path);
  ChangeData([&] {
    Choose("ComboBox3", "3.0");
    script_.AnswerFile(estates_ + "/Puuttuu/101.Norvalen");
    Click("Button2");
    EXPECT_TRUE(MeasForm->isVisible());
  });
  EXPECT_EQ(Bytes(path), kept);
  EXPECT_EQ(IntroForm->StandPath, path);
  // Another file: written first, then the old one removed.
  ChangeData([&] {
    Choose("ComboBox3", "3.0");
    script_.AnswerFile(Kotitila("103.Norvalen"));
    script_.Answer(1);  // the stand takes the name 103
    Click("Button2");
  });
  EXPECT_TRUE(QFile::exists(Kotitila("103.Norvalen")));
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_EQ(IntroForm->CurrentStand->TitleText(0), "103");
}

TEST_F(MeasWindow, ClassLayoutsAndTheStandViewRefusals) {
  NewStand([&] {
    Choose("ComboBox10", "pieni taimikko");
    EXPECT_TRUE(Find<QComboBox>("ComboBox11")->isVisible());
    EXPECT_FALSE(Find<QComboBox>("ComboBox7")->isVisible());
    EXPECT_EQ(Find<QLabel>("Label8")->text(), "runkoluku");
    EXPECT_EQ(Find<QComboBox>("ComboBox4")->count(), 13);
    Choose("ComboBox11", "2000");
    EXPECT_TRUE(Find<QComboBox>("ComboBox4")->isEnabled());
    Choose("ComboBox4", "0.8");
    EXPECT_EQ(MeasForm->SpeciesStems[0], 2000);
    EXPECT_EQ(SampleTreeCount(), 2000);
    EXPECT_EQ(Find<QLabel>("Label24")->text(), "keskipituus 0.8 m");
    Click("RadioGroup1Item1");
    EXPECT_EQ(script_.Last(MessageKind::Notice).lines.at(0),
              "puuston kehitysluokka pieni taimikko,  ei metsikkönäkymää  !");
    EXPECT_TRUE(Find<QRadioButton>("RadioGroup1Item0")->isChecked());
    // Back to a measured class: every species at 0.
    Choose("ComboBox10", "nuori kasvatusmetsä");
    EXPECT_TRUE(Find<QComboBox>("ComboBox7")->isVisible());
    EXPECT_EQ(MeasForm->EnteredTotalStemCount(), 0);
    EXPECT_EQ(Find<QComboBox>("ComboBox4")->currentText(), " 0.0");
    // A diameter without a basal area is refused for the stand view too.
    Choose("ComboBox9", "12");
    Click("RadioGroup1Item1");
    EXPECT_EQ(script_.Last(MessageKind::Notice).lines.at(0),
              "koivu  :  aseta pohjapinta-ala tai nollaa keskiläpimitta  !");
    // Nothing entered: the instruction in the view.
    Choose("ComboBox9", "0");
    Click("RadioGroup1Item1");
    EXPECT_TRUE(Find<QLabel>("Image3")->isVisible());
    EXPECT_TRUE(Find<QRadioButton>("RadioGroup1Item1")->isChecked());
    // Treeless area: no diameters.
    Choose("ComboBox10", "puuton alue");
    EXPECT_FALSE(Find<QComboBox>("ComboBox7")->isEnabled());
    // Help.
    Click("BitBtn2");
    EXPECT_EQ(script_.Count(MessageKind::HelpText), 1);
  });
}

TEST_F(MeasWindow, OverTheLimitsTheWindowWarnsAndDrawsNothing) {
  NewStand([&] {
    // Pine at 2 cm with 25.0 m2/ha is far over 12000 stems.
    Choose("ComboBox7", "2");
    Choose("ComboBox1", "25.0");
    EXPECT_GT(MeasForm->EnteredTotalStemCount(), 12000);
    EXPECT_EQ(SampleTreeCount(), 0);
    auto* means = Find<QLabel>("Label24");
    EXPECT_EQ(means->text(), "yli 12000 runkoa/ha, lisää läpimittaa tai vähennä pohjapinta-alaa  !");
    EXPECT_EQ(means->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(Find<TBarChart>("Chart1")->TitleLines(),
              QStringList({"ei puustoarviota, max.", "runkoluku 12000 kpl/ha  !"}));
    EXPECT_TRUE(Find<TBarChart>("Chart1")->Bars().empty());
    EXPECT_FALSE(Find<QCheckBox>("CheckBox1")->isVisible());
    EXPECT_FALSE(Find<QComboBox>("ComboBox14")->isVisible());
    EXPECT_TRUE(Find<TBarChart>("Chart3")->Bars().empty());
    // Nothing is drawn and Save refuses with the stem-count notice.
    Type("Edit3", "101");
    Click("Button2");
    EXPECT_EQ(script_.Last(MessageKind::Notice).lines.at(0),
              "runkoluku korkeintaan 12000 kpl/ha,  lisää läpimittaa tai vähennä pohjapinta-alaa  !");
    // Back within the limits with a larger diameter: the default
    // alternative, grouping A2, and a sample again.
    Choose("ComboBox7", "20");
    Choose("ComboBox1", "20.0");
    EXPECT_NEAR(MeasForm->EnteredTotalStemCount(), 743, 1);
    EXPECT_EQ(SampleTreeCount(), MeasForm->EnteredTotalStemCount());
    EXPECT_EQ(Find<QComboBox>("ComboBox14")->currentIndex(), 2);
    EXPECT_EQ(Find<QListWidget>("ListBox2")->currentRow(), 1);
    // Another grouping moves the trees but keeps the counts.
    QTest::mouseClick(Find<QListWidget>("ListBox2")->viewport(), Qt::LeftButton, {},
                      Find<QListWidget>("ListBox2")->visualItemRect(Find<QListWidget>("ListBox2")->item(0)).center());
    EXPECT_EQ(MeasForm->GroupingIndex, 0);
    EXPECT_TRUE(Find<QLabel>("Label18")->text().endsWith("(A3, B3)"));
    EXPECT_NEAR(MeasForm->EnteredTotalStemCount(), 743, 1);
  });
}

TEST_F(MeasWindow, AStandOfAnotherYearInTheEstateIsWarnedAbout) {
  CreateStand101(this, script_, Kotitila("101.Norvalen"));
  EXPECT_FALSE(script_.Contains("Puustotietojen mittausvuosi"));
  bool ran = false;
  QTimer::singleShot(0, [&] {
    QApplication::processEvents();
    Type("Edit2", "Tila");
    Type("Edit3", "102");
    auto* date = Find<QDateEdit>("DateTimePicker1");
    date->setFocus();
    date->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(date, "2024");
    EXPECT_EQ(date->date().year(), 2024);
    EXPECT_TRUE(Find<QLabel>("Label36")->text().endsWith("14.05.2024"));
    EnterThreeSpecies();
    script_.Answer(1);
    script_.AnswerFile(Kotitila("102.Norvalen"));
    Click("Button2");
    ran = true;
    if (MeasForm->isVisible()) MeasForm->reject();
  });
  // The new-stand command, now from the open stand's session.
  NewStandFromMeasurementWindow(IntroForm, false);
  ASSERT_TRUE(ran);
  EXPECT_EQ(IntroForm->CurrentStand->MeasurementYearText(), "2024");
  EXPECT_TRUE(script_.Contains("Puustotietojen mittausvuosi"));
}
