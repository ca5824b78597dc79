// The measurement window through its controls: a new stand from the start
// window to the stand file and the main window, the dependent lists and the
// stem-count alternatives, the checks on Save, the save loop, a stand file
// that cannot be written, loading the open stand without a new draw, header
// changes with the rename, and a re-measurement.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include "model/Sample.h"
#include "stands/Meas.h"
#include "stands/MeasWidgets.h"
#include "tests/support/ProgramWindows.h"
#include "ui/Session.h"

using testsupport::FileBytes;

namespace {

template <class T = QWidget>
T* Find(const char* name) {
  return testsupport::Child<T>(MeasForm, name);
}
void Choose(const char* name, const QString& text) { testsupport::ChooseItem(Find<QComboBox>(name), text); }
void Type(const char* name, const QString& text) { testsupport::TypeInto(Find<QLineEdit>(name), text); }
void Click(const char* name) { testsupport::Click(Find(name)); }

// Three species: pine 20 cm, 18 m, 14 m2/ha; spruce 16 cm, 15 m, 8 m2/ha;
// birch 12 cm, 13 m, 3 m2/ha.
void EnterThreeSpecies() {
  for (auto [list, item] : {std::pair{"ComboBox10", "varttunut kasvatusmetsä"}, {"ComboBox7", "20"},
                            {"ComboBox4", "18.0"}, {"ComboBox1", "14.0"}, {"ComboBox8", "16"}, {"ComboBox5", "15.0"},
                            {"ComboBox2", "8.0"}, {"ComboBox9", "12"}, {"ComboBox6", "13.0"}, {"ComboBox3", "3.0"}})
    Choose(list, QString::fromUtf8(item));
}

class MeasWindow : public testsupport::ProgramWindowsTest {
 protected:
  void SetUp() override {
    ProgramWindowsTest::SetUp();
    estates_ = QFileInfo(LayOutProgramFolder("Kotitila")).absolutePath();
    ASSERT_TRUE(QDir().mkpath(estates_ + "/Mallitila"));
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
    ProgramWindowsTest::TearDown();
  }
  // Runs `inside` in the measurement window that `open` opens; the window
  // is closed afterwards if it is still up (a failed save must not hang the
  // test).
  static void InMeas(const std::function<void()>& open, const std::function<void()>& inside) {
    EXPECT_TRUE(testsupport::InModal(
        [] { return MeasForm->isVisible() && MeasForm->Initialised; },
        [&] {
          inside();
          if (MeasForm->isVisible()) MeasForm->reject();
        },
        open));
  }
  // The start window's new-stand button.
  static void NewStand(const std::function<void()>& inside) {
    InMeas([] { testsupport::Click(IntroForm->Button2); }, inside);
  }
  // The open stand's data.
  static void ChangeData(const std::function<void()>& inside) {
    InMeas([] { NewStandFromMeasurementWindow(true); }, inside);
  }
  // Estate "Tila", the identifier and three species, saved to `path`.
  void EnterAndSave(const QString& id, const QString& path) {
    Type("Edit2", "Tila");
    Type("Edit3", id);
    EnterThreeSpecies();
    script_.Answer(1);
    script_.AnswerFile(path);
    Click("Button2");
  }
  // Creates stand 101 in Kotitila through the window.
  void CreateStand101() {
    NewStand([&] { EnterAndSave("101", Kotitila("101.Norvalen")); });
    ASSERT_TRUE(QFile::exists(Kotitila("101.Norvalen")));
  }
  QString Kotitila(const QString& file) const { return estates_ + "/Kotitila/" + file; }

  QString estates_;
};

}  // namespace

TEST_F(MeasWindow, NewStandFromTheStartWindowPreviewedViewedAndSavedToTheMainWindow) {
  const QString path = Kotitila("101.Norvalen");
  std::array<int, 5> stems{};
  NewStand([&] {
    EXPECT_EQ(MeasForm->windowTitle(), " Uusi metsikkökuvio");
    EXPECT_EQ(Find<QDateEdit>("DateTimePicker1")->date(), QDate(2026, 5, 14));
    EXPECT_EQ(Find<QLineEdit>("MaskEdit10")->text(), "1.00");
    EXPECT_TRUE(Find<QLineEdit>("Edit2")->text().isEmpty());
    EXPECT_EQ(std::pair(Find<QComboBox>("ComboBox10")->currentIndex(), Find<QComboBox>("ComboBox15")->currentIndex()),
              std::pair(0, 0));
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
    testsupport::SaveShot(MeasForm, "meas-new.png");

    Type("Edit2", "Kotitila");
    Type("Edit3", "101");
    Type("MaskEdit10", "2.50");
    Choose("ComboBox15", "tuore kangas");
    EnterThreeSpecies();
    // Pine 20 cm: 11 .. 25 m, 18.0 preselected before the choice.
    EXPECT_EQ(Find<QComboBox>("ComboBox4")->count(), 29);
    EXPECT_EQ(Find<QComboBox>("ComboBox1")->count(), 161);
    auto* alternatives = Find<QComboBox>("ComboBox14");
    EXPECT_TRUE(alternatives->isVisible());
    EXPECT_EQ(std::pair(alternatives->count(), alternatives->currentIndex()), std::pair(5, 2));
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
    // Another alternative keeps the list and recomputes the counts; the
    // default one gives them back.
    const QString preset = alternatives->currentText();
    Choose("ComboBox14", alternatives->itemText(0));
    EXPECT_GT(MeasForm->EnteredTotalStemCount(), total);
    EXPECT_EQ(alternatives->currentIndex(), 0);
    testsupport::SaveShot(MeasForm, "meas-three-species.png");
    Choose("ComboBox14", preset);
    EXPECT_EQ(MeasForm->EnteredTotalStemCount(), total);
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
    testsupport::SaveShot(MeasForm, "meas-stand-view.png");
    Click("RadioGroup1Item0");
    EXPECT_FALSE(Find<QLabel>("Image3")->isVisible());
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
  EXPECT_EQ(std::tuple(saved->EstateName(), saved->TitleText(0), saved->Area(), saved->SiteType(),
                       saved->DevelopmentClass(), saved->MeasurementDay()),
            std::tuple(QString("Kotitila"), QString("101"), 2.5f, 3, 6, DayNumberOf(QDate(2026, 5, 14))));
  EXPECT_EQ(saved->StructureCode(), 12);  // A2 and B3
  EXPECT_EQ(saved->TreeCount(), stems[0] + stems[1] + stems[2]);
  EXPECT_EQ(std::tuple(saved->SpeciesValue(0, 10), saved->SpeciesValue(1, 2), saved->SpeciesValue(2, 6)),
            std::tuple(stems[0], 16, 30));
  // Phase 0 is recorded and the stand is the open one.
  EXPECT_FALSE(saved->Slots[0].name.isEmpty());
  EXPECT_EQ(saved->Slots[0].stems, saved->TreeCount());
  ASSERT_NE(TheSession->CurrentStand, nullptr);
  EXPECT_EQ(TheSession->StandPath, path);
  EXPECT_EQ(TheSession->CurrentStand->TreeCount(), saved->TreeCount());
  EXPECT_EQ(std::tuple(IntroForm->isVisible(), ActForm->isVisible(), ActForm->isEnabled()),
            std::tuple(false, true, true));
  // The estate's stand list was built from the stand's folder.
  ASSERT_EQ(TheSession->EstateRecords.size(), 1u);
  EXPECT_EQ(std::pair(TheSession->EstateRecords.at(0).fileName, TheSession->EstateRecords.at(0).standId),
            std::pair(QString("101.Norvalen"), QString("101")));
  testsupport::SaveShot(ActForm, "meas-created-main-window.png");
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
    QStringList folders;
    for (const MessageRecord& m : script_.Records())
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
  EXPECT_EQ(TheSession->CurrentStand->TitleText(0), "abc");
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
    EXPECT_EQ(TheSession->CurrentStand, nullptr);
  });
  EXPECT_FALSE(QFile::exists(estates_ + "/Puuttuu/101.Norvalen"));
}

TEST_F(MeasWindow, TheOpenStandShowsItsStoredTreesAndAHeaderChangeKeepsThem) {
  const QString path = Kotitila("101.Norvalen");
  CreateStand101();
  const QByteArray before = FileBytes(path);
  const ::data& stand = *TheSession->CurrentStand;
  ChangeData([&] {
    EXPECT_EQ(MeasForm->windowTitle(), " Kuvio 101, tietojen muuttaminen");
    EXPECT_FALSE(Find<QPushButton>("Button2")->isEnabled());
    QStringList pine;
    for (const char* list : {"ComboBox7", "ComboBox4", "ComboBox1"}) pine << Find<QComboBox>(list)->currentText().trimmed();
    EXPECT_EQ(pine, QStringList({"20", "18.0", "14.0"}));
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
    EXPECT_EQ(std::pair(MeasForm->HeaderChanged, MeasForm->MeasurementChanged), std::pair(true, false));
    script_.AnswerFile(path);
    Click("Button2");
    EXPECT_FALSE(MeasForm->isVisible());
  });
  const QByteArray after = FileBytes(path);
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(after.mid(580), before.mid(580)) << "trees and phases stay";
  EXPECT_EQ(TheSession->CurrentStand->InfoText(), "Kuusi taimikossa");
  // A new identifier: the file is copied to its new name and the old one
  // removed.
  ChangeData([&] {
    Type("Edit3", "102");
    script_.AnswerFile(Kotitila("102.Norvalen"));
    Click("Button2");
  });
  EXPECT_EQ(std::tuple(QFile::exists(path), QFile::exists(Kotitila("102.Norvalen")), TheSession->StandPath),
            std::tuple(false, true, Kotitila("102.Norvalen")));
  EXPECT_EQ(FileBytes(Kotitila("102.Norvalen")).mid(580), before.mid(580));
  // A copy that fails: the stand stays in the file that still exists.
  int notices = script_.Count(MessageKind::Notice);
  ChangeData([&] {
    Type("Edit3", "104");
    script_.AnswerFile(estates_ + "/Puuttuu/104.Norvalen");
    Click("Button2");
  });
  EXPECT_EQ(script_.Count(MessageKind::Notice), notices + 1);
  EXPECT_EQ(std::pair(TheSession->StandPath, QFile::exists(Kotitila("102.Norvalen"))),
            std::pair(Kotitila("102.Norvalen"), true));
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
  CreateStand101();
  const int oldCount = TheSession->CurrentStand->TreeCount();
  // Same file: rewritten in place with the new sample.
  ChangeData([&] {
    Choose("ComboBox3", "6.0");
    EXPECT_TRUE(MeasForm->MeasurementChanged);
    script_.AnswerFile(path);
    Click("Button2");
  });
  EXPECT_TRUE(QFile::exists(path));
  EXPECT_GT(TheSession->CurrentStand->TreeCount(), oldCount);
  // A file that cannot be written: the old stand and file stay.
  const QByteArray kept = FileBytes(path);
  ChangeData([&] {
    Choose("ComboBox3", "3.0");
    script_.AnswerFile(estates_ + "/Puuttuu/101.Norvalen");
    Click("Button2");
    EXPECT_TRUE(MeasForm->isVisible());
  });
  EXPECT_EQ(FileBytes(path), kept);
  EXPECT_EQ(TheSession->StandPath, path);
  // Another file: written first, then the old one removed.
  ChangeData([&] {
    Choose("ComboBox3", "3.0");
    script_.AnswerFile(Kotitila("103.Norvalen"));
    script_.Answer(1);  // the stand takes the name 103
    Click("Button2");
  });
  EXPECT_TRUE(QFile::exists(Kotitila("103.Norvalen")));
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_EQ(TheSession->CurrentStand->TitleText(0), "103");
}

TEST_F(MeasWindow, ClassLayoutsAndTheStandViewRefusals) {
  NewStand([&] {
    Choose("ComboBox10", "pieni taimikko");
    EXPECT_EQ(std::tuple(Find<QComboBox>("ComboBox11")->isVisible(), Find<QComboBox>("ComboBox7")->isVisible(),
                         Find<QLabel>("Label8")->text(), Find<QComboBox>("ComboBox4")->count()),
              std::tuple(true, false, QString("runkoluku"), 13));
    Choose("ComboBox11", "2000");
    EXPECT_TRUE(Find<QComboBox>("ComboBox4")->isEnabled());
    Choose("ComboBox4", "0.8");
    EXPECT_EQ(std::pair(MeasForm->SpeciesStems[0], SampleTreeCount()), std::pair(2000, 2000));
    EXPECT_EQ(Find<QLabel>("Label24")->text(), "keskipituus 0.8 m");
    Click("RadioGroup1Item1");
    EXPECT_EQ(script_.Last(MessageKind::Notice).lines.at(0),
              "puuston kehitysluokka pieni taimikko,  ei metsikkönäkymää  !");
    EXPECT_TRUE(Find<QRadioButton>("RadioGroup1Item0")->isChecked());
    // Back to a measured class: every species at 0.
    Choose("ComboBox10", "nuori kasvatusmetsä");
    EXPECT_EQ(std::tuple(Find<QComboBox>("ComboBox7")->isVisible(), MeasForm->EnteredTotalStemCount(),
                         Find<QComboBox>("ComboBox4")->currentText()),
              std::tuple(true, 0, QString(" 0.0")));
    // A diameter without a basal area is refused for the stand view too.
    Choose("ComboBox9", "12");
    Click("RadioGroup1Item1");
    EXPECT_EQ(script_.Last(MessageKind::Notice).lines.at(0),
              "koivu  :  aseta pohjapinta-ala tai nollaa keskiläpimitta  !");
    // Nothing entered: the instruction in the view.
    Choose("ComboBox9", "0");
    Click("RadioGroup1Item1");
    EXPECT_TRUE(Find<QLabel>("Image3")->isVisible() && Find<QRadioButton>("RadioGroup1Item1")->isChecked());
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
    EXPECT_EQ(SampleTreeCount(), 0);  // nothing is drawn
    auto* means = Find<QLabel>("Label24");
    EXPECT_EQ(means->text(), "yli 12000 runkoa/ha, lisää läpimittaa tai vähennä pohjapinta-alaa  !");
    EXPECT_EQ(means->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(Find<TBarChart>("Chart1")->TitleLines(),
              QStringList({"ei puustoarviota, max.", "runkoluku 12000 kpl/ha  !"}));
    EXPECT_EQ(std::tuple(Find<TBarChart>("Chart1")->Bars().empty(), Find<QCheckBox>("CheckBox1")->isVisible(),
                         Find<QComboBox>("ComboBox14")->isVisible(), Find<TBarChart>("Chart3")->Bars().empty()),
              std::tuple(true, false, false, true));
    // Save refuses with the stem-count notice.
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
    EXPECT_EQ(std::pair(Find<QComboBox>("ComboBox14")->currentIndex(), Find<QListWidget>("ListBox2")->currentRow()),
              std::pair(2, 1));
    // Another grouping moves the trees but keeps the counts.
    testsupport::ClickRow(Find<QListWidget>("ListBox2"), 0);
    EXPECT_EQ(MeasForm->GroupingIndex, 0);
    EXPECT_TRUE(Find<QLabel>("Label18")->text().endsWith("(A3, B3)"));
    EXPECT_NEAR(MeasForm->EnteredTotalStemCount(), 743, 1);
  });
}

TEST_F(MeasWindow, AStandOfAnotherYearInTheEstateIsWarnedAbout) {
  CreateStand101();
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
  NewStandFromMeasurementWindow(false);
  ASSERT_TRUE(ran);
  EXPECT_EQ(TheSession->CurrentStand->MeasurementYearText(), "2024");
  EXPECT_TRUE(script_.Contains("Puustotietojen mittausvuosi"));
}
