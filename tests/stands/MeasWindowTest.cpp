// The measurement window through its controls: a new stand from the start
// window to the stand file and the main window, the dependent lists and the
// stem-count alternatives, the checks on Save, the save loop, a stand file
// that cannot be written, loading the open stand without a new draw, header
// changes with the rename, a re-measurement and a stand of another year.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include <set>

#include "model/Sample.h"
#include "estate/Raport.h"
#include "stands/Meas.h"
#include "stands/MeasWidgets.h"
#include "tests/support/ProgramWindows.h"
#include "tests/support/StandCompare.h"
#include "tests/support/TreeOrder.h"
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
// The main window's stand menu item of that name.
void Menu(const char* name) { ActForm->findChild<QAction*>(QLatin1String(name))->trigger(); }

// What the named controls show: a list's chosen item (blanks trimmed), an
// edit's or a label's text.
QStringList Shown(std::initializer_list<const char*> names) {
  QStringList out;
  for (const char* name : names) {
    QWidget* w = Find(name);
    if (auto* list = qobject_cast<QComboBox*>(w))
      out << list->currentText().trimmed();
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
      out << edit->text();
    else if (auto* label = qobject_cast<QLabel*>(w))
      out << label->text();
  }
  return out;
}

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
  // The open stand's data, and the measurement of a new stand from it.
  static void ChangeData(const std::function<void()>& inside, bool changeData = true) {
    InMeas([changeData] { NewStandFromMeasurementWindow(changeData); }, inside);
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
  // The change of the open stand's data saved to `path`: the estate and the
  // identifier left in a window that stays open (none when it closed).
  QStringList SaveChange(const std::function<void()>& change, const QString& path) {
    QStringList left;
    ChangeData([&] {
      change();
      script_.AnswerFile(path);
      Click("Button2");
      if (MeasForm->isVisible()) left = Shown({"Edit2", "Edit3"});
    });
    return left;
  }
  QString Kotitila(const QString& file) const { return estates_ + "/Kotitila/" + file; }
  // The last line of every message so far (a question's own line), a file
  // dialog by its folder.
  QStringList Said() const {
    QStringList out;
    for (const MessageRecord& m : script_.Records()) {
      if (m.kind == MessageKind::SaveFile)
        out << "dialog " + m.folder.mid(estates_.size());
      else if (m.kind != MessageKind::Busy)
        out << m.lines.value(m.lines.size() - 1);
    }
    return out;
  }

  QString estates_;
};

}  // namespace

TEST_F(MeasWindow, NewStandFromTheStartWindowPreviewedViewedAndSavedToTheMainWindow) {
  const QString path = Kotitila("101.Norvalen");
  std::array<int, 5> stems{};
  NewStand([&] {
    EXPECT_EQ(MeasForm->windowTitle(), " Uusi metsikkökuvio");
    EXPECT_EQ(Find<QDateEdit>("DateTimePicker1")->date(), QDate(2026, 5, 14));
    EXPECT_EQ(Shown({"MaskEdit10", "Edit2", "Label36"}),
              QStringList({"1.00", "", "kuvio ?,  1.00 ha,  mittauspäivä 14.05.2026"}));
    EXPECT_EQ(
        std::pair(Find<QComboBox>("ComboBox10")->currentIndex(), Find<QComboBox>("ComboBox15")->currentIndex()),
        std::pair(0, 0));
    for (const char* h : {"ComboBox4", "ComboBox5", "ComboBox6", "ComboBox24", "ComboBox25"}) {
      EXPECT_EQ(std::tuple(Find<QComboBox>(h)->count(), Find<QComboBox>(h)->currentText(),
                           Find<QComboBox>(h)->isEnabled()),
                std::tuple(1, QString(" 0.0"), false));
    }
    EXPECT_EQ(std::tuple(Find<QComboBox>("ComboBox14")->isVisible(), Find<QListWidget>("ListBox2")->isVisible(),
                         Find<QListWidget>("ListBox2")->currentRow(), Find<QPushButton>("Button2")->isEnabled()),
              std::tuple(false, false, 1, true));
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
    EXPECT_EQ(std::pair(Find<QComboBox>("ComboBox4")->count(), Find<QComboBox>("ComboBox1")->count()),
              std::pair(29, 161));
    auto* alternatives = Find<QComboBox>("ComboBox14");
    EXPECT_EQ(std::tuple(alternatives->isVisible(), alternatives->count(), alternatives->currentIndex(),
                         Find<QListWidget>("ListBox2")->isVisible()),
              std::tuple(true, 5, 2, true));
    EXPECT_TRUE(alternatives->currentText().endsWith("    ( oletus )"));
    const int total = MeasForm->EnteredTotalStemCount();
    EXPECT_GT(total, 500);
    EXPECT_EQ(SampleTreeCount(), total);
    EXPECT_TRUE(Find<QLabel>("Label18")->text().startsWith(QString::number(total) + " runkoa/ha     (A2, B3)"));
    EXPECT_EQ(std::pair(Find<TBarChart>("Chart3")->Bars().size(), Find<TBarChart>("Chart1")->Bars().size()),
              (std::pair<size_t, size_t>(5, 10)));
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
    EXPECT_TRUE(Find<QLabel>("Image3")->isVisible() && Find<QCheckBox>("CheckBox2")->isVisible());
    EXPECT_TRUE(Find<QLabel>("Label6")->text().startsWith("1.0 ha metsikkönäkymä,  puusto "));
    // Over a picture with its sky the caption and options are dark.
    for (const char* name : {"Label6", "Label12", "Label27", "Label15", "Label19", "Label21"}) {
      EXPECT_EQ(std::pair(Find(name)->isVisible(), Find(name)->palette().color(QPalette::WindowText)),
                std::pair(true, QColor(32, 32, 32)))
          << name;
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
  EXPECT_EQ(Said(), QStringList({"Talletustiedosto, joka nimetään kuvion tunnuksen mukaan  :  101. Norvalen",
                                 "dialog /101.Norvalen"}));
  std::unique_ptr<::data> saved;
  ASSERT_EQ(::data::ReadStandFile(path, true, saved), StandFileStatus::Ok);
  EXPECT_EQ(std::tuple(saved->EstateName(), saved->TitleText(0), saved->Area(), saved->SiteType(),
                       saved->DevelopmentClass(), saved->MeasurementDay(), saved->StructureCode()),
            std::tuple(QString("Kotitila"), QString("101"), 2.5f, 3, 6, DayNumberOf(QDate(2026, 5, 14)), 12));
  EXPECT_EQ(saved->TreeCount(), stems[0] + stems[1] + stems[2]);
  EXPECT_EQ(std::tuple(saved->SpeciesValue(0, 10), saved->SpeciesValue(1, 2), saved->SpeciesValue(2, 6)),
            std::tuple(stems[0], 16, 30));
  // The stand is the open one (its activation is the activation tests').
  ASSERT_NE(TheSession->CurrentStand, nullptr);
  EXPECT_EQ(std::pair(TheSession->StandPath, TheSession->CurrentStand->TreeCount()),
            std::pair(path, saved->TreeCount()));
  testsupport::SaveShot(ActForm, "meas-created-main-window.png");
}

TEST_F(MeasWindow, SaveRefusesAsksAndKeepsTheEntriesWhenTheFileCannotBeWritten) {
  NewStand([&] {
    Click("Button2");  // nothing entered: a measured class asks for the measurement
    EnterThreeSpecies();
    Type("MaskEdit10", "0.09");
    Click("Button2");
    Type("MaskEdit10", "1.00");
    Click("Button2");
    Type("Edit3", "101");
    // No estate name: "Ei" keeps the window open; then the save question
    // declined, then the dialog cancelled.
    script_.Answer(2);
    Click("Button2");
    Type("Edit2", "Tila");
    script_.Answer(2);
    Click("Button2");
    script_.Answer(1);
    Click("Button2");
    // The model estate, the estates folder itself, a long name and a
    // renamed file declined, each opening the dialog again; then a folder
    // that is not there: the write fails and is told.
    const std::array<int, 5> stems = MeasForm->SpeciesStems;
    for (int answer : {1, 2, 2, 2}) script_.Answer(answer);
    for (const char* file : {"/Mallitila/101.Norvalen", "/Kotitila/../101.Norvalen", "/Kotitila/1234567.Norvalen",
                             "/Kotitila/abc.Norvalen", "/Puuttuu/101.Norvalen"})
      script_.AnswerFile(estates_ + file);
    Click("Button2");
    EXPECT_EQ(Said().mid(7),
              QStringList({"Talletustiedosto, joka nimetään kuvion tunnuksen mukaan  :  101. Norvalen",
                           "dialog /101.Norvalen",
                           "Palaa Metsätilat - hakemistoon ja valitse tai luo uusi talletushakemisto  !",
                           "dialog /101.Norvalen",
                           "Valitse tai luo uusi, esim. metsätilan mukaan nimetty, talletushakemisto  !",
                           "dialog /Kotitila/../101.Norvalen",
                           "talletustiedoston nimen pituus korkeintaan 6 merkkiä  !",
                           "dialog /Kotitila/1234567.Norvalen", "Vaihdetaanko kuvion tunnus 101 ---> abc   ?",
                           "dialog /101.Norvalen",
                           "kuviotiedoston tallennus ei onnistunut (tiedostoa tai kansiota ei ole)  !"}));
    EXPECT_TRUE(MeasForm->isVisible());
    EXPECT_EQ(std::tuple(MeasForm->SpeciesStems, SampleTreeCount(), Shown({"Edit3", "ComboBox7"})),
              std::tuple(stems, stems[0] + stems[1] + stems[2], QStringList({"101", "20"})));
    EXPECT_EQ(TheSession->CurrentStand, nullptr);
    // Renaming accepted: the stand takes the file's name.
    script_.Answer(1);
    script_.AnswerFile(Kotitila("ABC.Norvalen"));
    script_.Answer(1);
    Click("Button2");
    EXPECT_FALSE(MeasForm->isVisible());
  });
  EXPECT_EQ(Said().mid(0, 7),
            QStringList({"aseta puuston mittaustiedot tai sulje lomake Sulje - painikkeella  !",
                         "kuvion pinta-ala 0.10 - 9.99 ha", "kirjoita kuvion tunnus  !",
                         "talletetaanko kuvio ilman metsätilan nimeä  ?",
                         "Talletustiedosto, joka nimetään kuvion tunnuksen mukaan  :  101. Norvalen",
                         "Talletustiedosto, joka nimetään kuvion tunnuksen mukaan  :  101. Norvalen",
                         "dialog /101.Norvalen"}));
  EXPECT_FALSE(QFile::exists(estates_ + "/Puuttuu/101.Norvalen"));
  EXPECT_TRUE(QFile::exists(Kotitila("abc.Norvalen")));
  EXPECT_EQ(TheSession->CurrentStand->TitleText(0), "abc");
}

TEST_F(MeasWindow, TheOpenStandIsShownChangedRenamedAndReMeasuredNeverLosingItsFile) {
  const QString path = Kotitila("101.Norvalen"), renamed = Kotitila("102.Norvalen");
  NewStand([&] { EnterAndSave("101", path); });
  ASSERT_TRUE(QFile::exists(path));
  const QByteArray before = FileBytes(path);
  const ::data& stand = *TheSession->CurrentStand;
  // The stand's data: the stored values and trees (not a new draw); the
  // notes only are a header change.
  ChangeData([&] {
    EXPECT_EQ(MeasForm->windowTitle(), " Kuvio 101, tietojen muuttaminen");
    EXPECT_FALSE(Find<QPushButton>("Button2")->isEnabled());
    EXPECT_EQ(Shown({"ComboBox7", "ComboBox4", "ComboBox1"}), QStringList({"20", "18.0", "14.0"}));
    EXPECT_EQ(Find<QComboBox>("ComboBox10")->currentIndex(), 6);
    ASSERT_EQ(SampleTreeCount(), stand.TreeCount());
    std::multiset<std::tuple<float, float, float>> sample, stored;
    for (int i = 0; i < stand.TreeCount(); ++i) {
      sample.emplace(SampleTreeX(i), SampleTreeY(i), SampleTreeHeight(i));
      stored.emplace(stand.TreeX(i), stand.TreeY(i), stand.BaseHeight(i));
    }
    EXPECT_EQ(sample, stored);
    Find<QTextEdit>("RichEdit1")->setFocus();
    QTest::keyClicks(Find<QTextEdit>("RichEdit1"), "Kuusi taimikossa");
    EXPECT_EQ(std::pair(MeasForm->HeaderChanged, MeasForm->MeasurementChanged), std::pair(true, false));
    script_.AnswerFile(path);
    Click("Button2");
  });
  ASSERT_EQ(FileBytes(path).size(), before.size());
  EXPECT_EQ(FileBytes(path).mid(580), before.mid(580)) << "trees and phases stay";
  EXPECT_EQ(TheSession->CurrentStand->InfoText(), "Kuusi taimikossa");
  // A new identifier: the file is copied to its new name and the old one
  // removed; a copy that fails keeps the stand in the file that still
  // exists; a header that cannot be rewritten (the file has gone) keeps the
  // window open with its entries. Each failure is told.
  EXPECT_EQ(QStringList(), SaveChange([] { Type("Edit3", "102"); }, renamed));
  EXPECT_EQ(std::tuple(QFile::exists(path), TheSession->StandPath, FileBytes(renamed).mid(580)),
            std::tuple(false, renamed, before.mid(580)));
  script_.Clear();
  EXPECT_EQ(QStringList(), SaveChange([] { Type("Edit3", "104"); }, estates_ + "/Puuttuu/104.Norvalen"));
  EXPECT_EQ(std::pair(TheSession->StandPath, QFile::exists(renamed)), std::pair(renamed, true));
  ASSERT_TRUE(QFile::remove(renamed));
  EXPECT_EQ(SaveChange([] { Type("Edit2", "Toinen"); }, Kotitila("104.Norvalen")), QStringList({"Toinen", "104"}));
  EXPECT_EQ(script_.Count(MessageKind::Notice), 2);
  EXPECT_FALSE(QFile::exists(Kotitila("104.Norvalen")));
  // A new stand from the main window, re-measured into the same file:
  // rewritten with the new sample.
  ChangeData([&] { EnterAndSave("101", path); }, false);
  const int oldCount = TheSession->CurrentStand->TreeCount();
  EXPECT_EQ(QStringList(), SaveChange([] { Choose("ComboBox3", "6.0"); }, path));
  EXPECT_TRUE(QFile::exists(path));
  EXPECT_GT(TheSession->CurrentStand->TreeCount(), oldCount);
  // A file that cannot be written: the old stand and file stay.
  const QByteArray kept = FileBytes(path);
  EXPECT_EQ(SaveChange([] { Choose("ComboBox3", "3.0"); }, estates_ + "/Puuttuu/101.Norvalen"),
            QStringList({"Tila", "101"}));
  EXPECT_EQ(std::pair(FileBytes(path), TheSession->StandPath), std::pair(kept, path));
  // Another file: written first, then the old one removed.
  script_.Answer(1);  // the stand takes the name 103
  EXPECT_EQ(QStringList(), SaveChange([] { Choose("ComboBox3", "3.0"); }, Kotitila("103.Norvalen")));
  EXPECT_EQ(std::tuple(QFile::exists(Kotitila("103.Norvalen")), QFile::exists(path),
                       TheSession->CurrentStand->TitleText(0)),
            std::tuple(true, false, QString("103")));
  // A new stand measured in another year from the open stand's session
  // warns about the estate's measurement years.
  EXPECT_FALSE(script_.Contains("Puustotietojen mittausvuosi"));
  ChangeData(
      [&] {
        auto* date = Find<QDateEdit>("DateTimePicker1");
        date->setFocus();
        date->setSelectedSection(QDateTimeEdit::YearSection);
        QTest::keyClicks(date, "2024");
        EXPECT_TRUE(Find<QLabel>("Label36")->text().endsWith("14.05.2024"));
        EnterAndSave("102", renamed);
      },
      false);
  EXPECT_EQ(TheSession->CurrentStand->MeasurementYearText(), "2024");
  EXPECT_TRUE(script_.Contains("Puustotietojen mittausvuosi"));
}

TEST_F(MeasWindow, ClassLayoutsLimitsAndTheStandViewRefusals) {
  NewStand([&] {
    Choose("ComboBox10", "pieni taimikko");
    EXPECT_EQ(std::tuple(Find<QComboBox>("ComboBox11")->isVisible(), Find<QComboBox>("ComboBox7")->isVisible(),
                         Find<QLabel>("Label8")->text(), Find<QComboBox>("ComboBox4")->count()),
              std::tuple(true, false, QString("runkoluku"), 13));
    Choose("ComboBox11", "2000");
    EXPECT_TRUE(Find<QComboBox>("ComboBox4")->isEnabled());
    Choose("ComboBox4", "0.8");
    EXPECT_EQ(std::tuple(MeasForm->SpeciesStems[0], SampleTreeCount(), Shown({"Label24"})),
              std::tuple(2000, 2000, QStringList{"keskipituus 0.8 m"}));
    Click("RadioGroup1Item1");
    EXPECT_TRUE(Find<QRadioButton>("RadioGroup1Item0")->isChecked());
    // Back to a measured class: every species at 0; a diameter without a
    // basal area is refused for the stand view too.
    Choose("ComboBox10", "nuori kasvatusmetsä");
    EXPECT_EQ(std::tuple(Find<QComboBox>("ComboBox7")->isVisible(), MeasForm->EnteredTotalStemCount(),
                         Find<QComboBox>("ComboBox4")->currentText()),
              std::tuple(true, 0, QString(" 0.0")));
    Choose("ComboBox9", "12");
    Click("RadioGroup1Item1");
    EXPECT_EQ(Said(), QStringList({"puuston kehitysluokka pieni taimikko,  ei metsikkönäkymää  !",
                                   "koivu  :  aseta pohjapinta-ala tai nollaa keskiläpimitta  !"}));
    // Nothing entered: the instruction in the view.
    Choose("ComboBox9", "0");
    Click("RadioGroup1Item1");
    EXPECT_TRUE(Find<QLabel>("Image3")->isVisible() && Find<QRadioButton>("RadioGroup1Item1")->isChecked());
    Click("RadioGroup1Item0");
    // Pine at 2 cm with 25.0 m2/ha is far over 12000 stems: nothing is
    // drawn, the means line warns in red, and Save refuses.
    Choose("ComboBox7", "2");
    Choose("ComboBox1", "25.0");
    EXPECT_GT(MeasForm->EnteredTotalStemCount(), 12000);
    EXPECT_EQ(SampleTreeCount(), 0);
    auto* means = Find<QLabel>("Label24");
    EXPECT_EQ(means->text(), "yli 12000 runkoa/ha, lisää läpimittaa tai vähennä pohjapinta-alaa  !");
    EXPECT_EQ(means->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(Find<TBarChart>("Chart1")->TitleLines(),
              QStringList({"ei puustoarviota, max.", "runkoluku 12000 kpl/ha  !"}));
    EXPECT_EQ(std::tuple(Find<TBarChart>("Chart1")->Bars().empty(), Find<QCheckBox>("CheckBox1")->isVisible(),
                         Find<QComboBox>("ComboBox14")->isVisible(), Find<TBarChart>("Chart3")->Bars().empty()),
              std::tuple(true, false, false, true));
    Type("Edit3", "101");
    Click("Button2");
    EXPECT_EQ(script_.Last(MessageKind::Notice).lines.at(0),
              "runkoluku korkeintaan 12000 kpl/ha,  lisää läpimittaa tai vähennä pohjapinta-alaa  !");
    // Back within the limits with a larger diameter: the default
    // alternative, grouping A2, and a sample again; another grouping moves
    // the trees but keeps the counts.
    Choose("ComboBox7", "20");
    Choose("ComboBox1", "20.0");
    EXPECT_NEAR(MeasForm->EnteredTotalStemCount(), 743, 1);
    EXPECT_EQ(SampleTreeCount(), MeasForm->EnteredTotalStemCount());
    EXPECT_EQ(
        std::pair(Find<QComboBox>("ComboBox14")->currentIndex(), Find<QListWidget>("ListBox2")->currentRow()),
        std::pair(2, 1));
    testsupport::ClickRow(Find<QListWidget>("ListBox2"), 0);
    EXPECT_EQ(MeasForm->GroupingIndex, 0);
    EXPECT_TRUE(Find<QLabel>("Label18")->text().endsWith("(A3, B3)"));
    EXPECT_NEAR(MeasForm->EnteredTotalStemCount(), 743, 1);
    // Treeless area: no diameters. Help.
    Choose("ComboBox10", "puuton alue");
    EXPECT_FALSE(Find<QComboBox>("ComboBox7")->isEnabled());
    Click("BitBtn2");
    EXPECT_EQ(script_.Count(MessageKind::HelpText), 1);
  });
}

// The lines of a text editor as it lays its text out on the screen.
QStringList EditorLines(QTextEdit* editor) {
  QApplication::processEvents();
  QTextDocument* doc = editor->document();
  doc->documentLayout()->documentSize();  // lays the text out
  QStringList lines;
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
    for (int i = 0; i < b.layout()->lineCount(); ++i)
      lines << b.text().mid(b.layout()->lineAt(i).textStart(), b.layout()->lineAt(i).textLength()).trimmed();
  return lines;
}

// The notes editor is 429 wide in "Courier New" of 11 pixels (Liberation
// Mono here) under its caption and keeps 400 characters; the stand report
// wraps the notes into the lines the editor shows. The sample map's caption
// runs up to 2 pixels left of the stem-count chart while the stand is
// within the limits, and is not padded beyond them.
TEST_F(MeasWindow, NotesWrapInTheReportAsInTheEditorAndTheSampleCaptionReachesTheChart) {
  NewStand([&] {
    auto* notes = Find<QTextEdit>("RichEdit1");
    const QFontInfo font(notes->font());
    EXPECT_EQ(std::tuple(notes->width(), font.family(), font.pixelSize()),
              std::tuple(429, QString("Liberation Mono"), 11));
    EXPECT_LE(Find("Label20")->geometry().bottom(), notes->y());
    EXPECT_LT(notes->geometry().right(), Find("Panel6")->x());
    QString text;
    for (int i = 0; text.size() < 410; ++i)
      text += QString("kuusi").left(1 + i * 7 % 5) + QString::number(i * 37 % 1000) + (i % 3 ? " " : ", ");
    text = text.left(410);
    notes->setFocus();
    QTest::keyClicks(notes, text);
    EXPECT_EQ(notes->toPlainText(), text.left(400));
    const QStringList shown = EditorLines(notes);
    EXPECT_GE(shown.size(), 6);
    EXPECT_EQ(RapForm->WrappedNotesLines(notes->toPlainText()), shown);

    EnterThreeSpecies();
    auto* caption = Find<QLabel>("Label2");
    EXPECT_TRUE(caption->text().startsWith("1 ha (50 m * 200 m) otos puustosta"));
    EXPECT_TRUE(testsupport::PaddedUpTo(caption, Find("Chart3")->x() - 2)) << caption->text().toStdString();
    testsupport::SaveShot(MeasForm, "meas-notes.png");
    // Over 12000 stems: the caption alone.
    Choose("ComboBox7", "2");
    Choose("ComboBox1", "25.0");
    EXPECT_GT(MeasForm->EnteredTotalStemCount(), 12000);
    EXPECT_EQ(caption->text(), "1 ha (50 m * 200 m) otos puustosta");
  });
}

// A stand made or changed here: the main window holds its trees as the full
// refresh sorts the file's, the stand-data view shows the stand-means line
// and sample caption of the save. The save dialog places the measurement
// window again; a change from the stand-data view cancelled places the
// open-stand window again. After the open stand is deleted, the open and
// save dialogs start in its estate's folder.
TEST_F(MeasWindow, StandMadeHereShownInRefreshOrderWithTheLinesOfItsSaveAndItsFolderKeptAfterDeletion) {
  const QString path = Kotitila("101.Norvalen");
  QStringList atSave;
  QPoint atDialog;
  script_.OnShow([&](const MessageRecord& r, QWidget*) {
    if (r.kind != MessageKind::SaveFile) return;
    atDialog = MeasForm->pos();
    atSave = Shown({"Label24", "Label2"});
  });
  // The stand-data view ("Kuviotiedot"): its two lines; `inside` runs there.
  const auto standData = [](const std::function<void()>& inside = {}) {
    QStringList lines;
    EXPECT_TRUE(testsupport::InModal(testsupport::OpenWindowUp, [&] {
      lines = {OpenForm->Label29->text(), OpenForm->Label25->text()};
      if (inside) inside();
      if (OpenForm->isVisible()) testsupport::Click(OpenForm->Button1);
    }, [] { Menu("M11"); }));
    return lines;
  };
  const auto expectShownAsSaved = [&] {
    auto stored = treeorder::ReadAsStored(path);
    ASSERT_TRUE(stored && TheSession->CurrentStand);
    treeorder::SortAsTheFullRefresh(*stored);
    standcompare::ExpectSameStand(*TheSession->CurrentStand, *stored);
    EXPECT_EQ(standData(), atSave);
  };
  NewStand([&] {
    MeasForm->move(3, 4);  // by the user
    EnterAndSave("101", path);
  });
  EXPECT_EQ(atDialog, IntroForm->pos() + QPoint(8, 8));
  EXPECT_TRUE(atSave.at(0).startsWith("keskiläpimitta ") && atSave.at(1).startsWith("1 ha (50 m * 200 m)"));
  expectShownAsSaved();
  // Changed measurements (birch 6.0 m2/ha), saved.
  const QStringList before = atSave;
  InMeas([] { Menu("M12"); }, [&] {
    Choose("ComboBox3", "6.0");
    script_.AnswerFile(path);
    Click("Button2");
  });
  EXPECT_NE(atSave.at(0), before.at(0));
  expectShownAsSaved();
  // A change started in the stand-data view moves the open-stand window up
  // (0.4 of the free height); cancelled, it is centred on the screen again
  // (frame 3 on every side, caption 23).
  standData([&] {
    const int w = OpenForm->width() + 6, h = OpenForm->height() + 6 + 23;
    InMeas([] { testsupport::Click(OpenForm->Button2); }, [&] {
      EXPECT_EQ(OpenForm->pos(), QPoint((1366 - w) / 2, int((768 - h) * 0.4)));
      Click("Button1");
    });
    EXPECT_EQ(std::pair(OpenForm->isVisible(), OpenForm->pos()),
              std::pair(true, QPoint((1366 - w) / 2, (768 - h) / 2)));
  });
  script_.Answer(1);
  Menu("M13");
  ASSERT_TRUE(IntroForm->isVisible() && !QFile::exists(path));
  testsupport::Click(IntroForm->Button3);  // cancelled
  EXPECT_EQ(script_.Last(MessageKind::OpenFile).folder, estates_ + "/Kotitila");
  NewStand([&] { EnterAndSave("102", Kotitila("102.Norvalen")); });
  EXPECT_EQ(script_.Last(MessageKind::SaveFile).folder, Kotitila("102.Norvalen"));
  EXPECT_EQ(TheSession->StandPath, Kotitila("102.Norvalen"));
}
