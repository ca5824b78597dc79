// Opening a stand through the real windows: the start window's stand-list
// button, the scripted open dialog, the open-stand window in its modes with
// its commands, and the activation of the stand in the main window.
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "ui/FileLists.h"
#include "stands/OpenFile.h"
#include "stands/Open.h"
#include "estate/Map.h"
#include "stands/Meas.h"
#include "stands/MeasWidgets.h"
#include "ui/Palette.h"
#include "ui/PaletteRules.h"
#include "operations/Ages.h"
#include "tests/support/EstateFixture.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ProgramWindows.h"
#include "ui/Session.h"

using namespace estatefixture;
using namespace testsupport;

namespace {

class OpenWindow : public ProgramWindowsTest {
 protected:
  void SetUp() override {
    ProgramWindowsTest::SetUp();
    estate_ = LayOutProgramFolder();
  }
  void Start() {
    ProgramWindowsTest::Start();
    ASSERT_TRUE(IntroForm->isVisible());
  }
  // A stand of the estate: slot 0 with pine pulpwood and logs.
  QString Stand(const QString& id, int year, float area, int pulp, int logs, int devClass = 6, int n = 60,
                int modelEstate = 0) {
    auto s = MakeStand(id, n, year, area, devClass, 3, 7);
    s->Header.modelEstate = modelEstate;
    auto& w = s->SpeciesBlocks[0].words;
    w[WordMeanDiameter] = 22;
    w[WordMeanHeight] = 185;
    w[WordBasalArea] = 124;
    w[WordAge] = 55;
    s->Slots[0].name = "dummyStr";
    s->Slots[0].volumes[PinePulpwood] = pulp;
    s->Slots[0].volumes[PineLogs] = logs;
    const QString path = estate_ + "/" + id + ".Norvalen";
    EXPECT_TRUE(WriteStand(*s, path));
    return path;
  }
  // Opens a stand through the dialog (the estate list is then the folder's).
  void OpenFirst(const QString& path) {
    Start();
    OpenFromTheList(path);
  }

  QString estate_;
};

TEST_F(OpenWindow, StandListButtonOpensAStandOfTheChosenEstate) {
  Stand("12a", 2012, 1.25f, 40, 100);
  const QString chosen = Stand("3", 2014, 0.75f, 10, 10);
  Stand("7b", 2013, 2.0f, 80, 20);
  Start();
  QStringList shown, rows;
  int row = -1;
  std::tuple<bool, bool, bool> buttons;
  std::vector<std::pair<bool, bool>> filters;
  ASSERT_TRUE(OpenThroughTheList(chosen, [&] {
    shown = {OpenForm->windowTitle(), OpenForm->Label4->text(), OpenForm->Label2->text(), OpenForm->Label1->text(),
             OpenForm->RichEdit1->toPlainText()};
    rows = Rows(OpenForm->ListBox1);
    row = OpenForm->ListBox1->currentRow();
    buttons = {OpenForm->Button3->isVisible(), OpenForm->Panel7->isVisible(), OpenForm->Button2->isVisible()};
    // The sample map's caption runs up to 2 pixels left of the stem-count
    // chart.
    EXPECT_TRUE(OpenForm->Label25->text().startsWith("1 ha (50 m * 200 m) otos puustosta"));
    EXPECT_TRUE(PaddedUpTo(OpenForm->Label25, OpenForm->Chart3->x() - 2)) << OpenForm->Label25->text().toStdString();
    SaveShot(OpenForm, "open-window-list.png");
    // The map's dots are crisp: every pixel the ground, the black edge or
    // a species colour, never a blend.
    const QImage map = OpenForm->Image1->pixmap().toImage();
    QSet<QRgb> colours;
    for (int y = 1; y < map.height() - 1; ++y)
      for (int x = 1; x < map.width() - 1; ++x) colours.insert(map.pixel(x, y));
    EXPECT_TRUE((colours - QSet<QRgb>{PaletteColor22().rgb(), qRgb(0, 0, 0), SpeciesColor(0).rgb(),
                                      SpeciesColor(1).rgb(), SpeciesColor(2).rgb()})
                    .isEmpty());
    // The species filters of the stand view exclude each other: broadleaves
    // (the stand has birches), conifers, then the broadleaves' label, which
    // toggles its box.
    EXPECT_TRUE(OpenForm->CheckBox5->isVisible() && OpenForm->CheckBox5->isEnabled());
    for (QWidget* w :
         std::initializer_list<QWidget*>{OpenForm->CheckBox5, OpenForm->CheckBox7, OpenForm->Label36}) {
      Click(w);
      filters.emplace_back(OpenForm->CheckBox5->isChecked(), OpenForm->CheckBox7->isChecked());
    }
    Click(OpenForm->Button3);
  }));
  EXPECT_EQ(filters, (std::vector<std::pair<bool, bool>>{{true, false}, {false, true}, {true, false}}));
  // (The dialog's title, folder and filter are the platform dialog's test.)
  // The window in list mode over the three stands, the chosen one shown.
  // 140 x 1.25 (50 + 125), 20 x 0.75 (7.5 -> 8 twice), 100 x 2: 175 + 16 + 200.
  EXPECT_EQ(shown, QStringList({QString::fromUtf8(" Kuviolistan avaus"),
                                QString::fromUtf8("kuviolista Koivula,  3 kuviota,  4.00 ha,  391 m3,  mitattu 2012-14"),
                                "Kuvio 3  :  mittaus 15.06.2014",
                                QString::fromUtf8("kuvio 3,  varttunut kasvatusmetsä,  hakkuukertymä 0 m3/ha"),
                                "Tuore kangas, tasainen maasto."}));
  EXPECT_EQ(rows, QString::fromUtf8("Kuvio 12a  :  1.25 ha,   varttunut kasvatusmetsä,   puusto 140 m3/ha|"
                                    "Kuvio 3  :  0.75 ha,   varttunut kasvatusmetsä,   puusto 20 m3/ha|"
                                    "Kuvio 7b  :  2.00 ha,   varttunut kasvatusmetsä,   puusto 100 m3/ha")
                      .split('|'));
  EXPECT_EQ(row, 1);
  EXPECT_EQ(buttons, std::tuple(true, true, false));  // open and delete, no change
  // Open: the stand is active in the main window, the start window gone.
  EXPECT_EQ(std::tuple(OpenForm->isVisible(), IntroForm->isVisible(), ActForm->isVisible(), ActForm->isEnabled()),
            std::tuple(false, false, true, true));
  ASSERT_NE(TheSession->CurrentStand, nullptr);
  EXPECT_EQ(TheSession->CurrentStand->Header.standId, "3");
  EXPECT_EQ(TheSession->StandPath, chosen);
  EXPECT_EQ(std::pair(ActForm->FileListBox1->count(), ActForm->FileListBox1->currentRow()), std::pair(3, 1));
  EXPECT_EQ(script_.Count(MessageKind::Busy), 1);  // "Avataan kuviotiedostoa"
  // The estate stand list of the folder, the open stand's row chosen in the
  // main window's list (whose rows are the main window's tests').
  EXPECT_EQ(std::pair(TheSession->EstateRecords.size(), ActForm->ListBox1->currentRow()), std::pair(size_t(3), 1));
  SaveShot(ActForm, "open-main-after-open.png");
}

TEST_F(OpenWindow, UnreadableFilesAreRefusedAndBrowsingOpensTheStandShownNeverOneThatFailsToPreview) {
  const QString a = Stand("a", 2015, 1.0f, 50, 50);
  const QString b = Stand("b", 2015, 1.0f, 30, 30, 6, 40);
  // b loses its last tree record: it is listed, but cannot be previewed.
  ASSERT_TRUE(WriteBytes(b, ReadBytes(b).chopped(40)));
  const QString c = Stand("c", 2016, 2.0f, 20, 20, 7, 30);
  const QString foreign = estate_ + "/muistio.Norvalen";
  ASSERT_TRUE(WriteBytes(foreign, ForeignBytes()));
  Start();
  // A foreign file and a missing one chosen in the dialog are refused, and
  // a cancelled dialog does nothing at all; the start window stays.
  for (const QString& path : {foreign, estate_ + "/puuttuu.Norvalen", QString()}) {
    script_.AnswerFile(path);
    Click(IntroForm->Button3);
    EXPECT_EQ(std::tuple(OpenForm->isVisible(), TheSession->CurrentStand == nullptr, IntroForm->isVisible()),
              std::tuple(false, true, true));
  }
  EXPECT_EQ(script_.Count(MessageKind::OpenFile), 3);
  ASSERT_EQ(script_.Count(MessageKind::Notice), 2);
  EXPECT_EQ(script_.Records().at(1).lines,
            QStringList{QString::fromUtf8("valitsemasi tiedosto ei ole eheä kuviotiedosto  !")});
  EXPECT_EQ(QStringList{script_.Last(MessageKind::Notice).caption} + script_.Last(MessageKind::Notice).lines,
            QStringList({"Tiedote", QString::fromUtf8("valitsemaasi tiedostoa ei ole hakemistossa !")}));
  script_.Clear();
  QStringList rows, lines;
  int rowAfterFailure = -1;
  OpenThroughTheList(a, [&] {
    rows = Rows(OpenForm->ListBox1);
    ClickRow(OpenForm->ListBox1, 1);
    lines << OpenForm->Label2->text();
    rowAfterFailure = OpenForm->ListBox1->currentRow();
    ClickRow(OpenForm->ListBox1, 2);
    lines << OpenForm->Label2->text();
    Click(OpenForm->Button3);
  });
  EXPECT_EQ(rows.value(1), QString::fromUtf8("Kuvio b  :  tiedosto ei ole eheä kuviotiedosto"));
  ASSERT_EQ(script_.Count(MessageKind::Notice), 1);
  EXPECT_EQ(QStringList{script_.Last(MessageKind::Notice).caption} + script_.Last(MessageKind::Notice).lines,
            QStringList({"Tiedote", QString::fromUtf8("valitsemasi tiedosto ei ole eheä kuviotiedosto  !")}));
  // The list returned to the stand still shown; then c was shown and opened.
  EXPECT_EQ(rowAfterFailure, 0);
  EXPECT_EQ(lines, QStringList({"Kuvio a  :  mittaus 15.06.2015", "Kuvio c  :  mittaus 15.06.2016"}));
  ASSERT_NE(TheSession->CurrentStand, nullptr);
  EXPECT_EQ(std::tuple(TheSession->CurrentStand->Header.standId, TheSession->CurrentStand->TreeCount(), TheSession->StandPath,
                       ActForm->FileListBox1->currentItem()->text()),
            std::tuple(QString("c"), 30, c, QString("c.Norvalen")));
}

// Pine's age words at values the program never writes: a first candidate
// age (byte 616) over 369 is a damaged file, listed as such, its preview and
// opening refused; a count (byte 620) over the 51 ages offered from 30 years
// is held (listed, previewed, opened with 51 ages). No wait, no file changed.
TEST_F(OpenWindow, AgeWordsTheProgramNeverWritesAreRefusedOrHeldAndNoFileChanges) {
  // first: pine's first age item (of 51), 0: no ages, -1: refused.
  const struct Case { const char* id; int at, value, first; } cases[] = {
      {"a0", 616, 0, 0},   {"a1m", 616, 1000000, -1},  {"a369", 616, 369, 369}, {"a370", 616, 370, -1},
      {"amax", 616, 2147483647, -1}, {"b0", 620, 0, 0}, {"b1m", 620, 1000000, 30}, {"b51", 620, 51, 30},
      {"b52", 620, 52, 30}, {"bmax", 620, 2147483647, 30}};
  for (const Case& c : cases) {
    const QString path = Stand(c.id, 2015, 1.0f, 50, 50);
    QByteArray bytes = ReadBytes(path);
    for (auto [at, value] : {std::pair(616, 30), {620, 51}, {c.at, c.value}}) PutI32(bytes, at, value);
    ASSERT_TRUE(WriteBytes(path, bytes));
  }
  const std::string before = FolderState(estate_);
  const QString damaged = QString::fromUtf8("valitsemasi tiedosto ei ole eheä kuviotiedosto  !");
  Start();
  Deadline deadline("age words", 60);
  QStringList rows, shown;
  OpenThroughTheList(estate_ + "/b51.Norvalen", [&] {
    rows = Rows(OpenForm->ListBox1);
    for (int i = 0; i < 10; ++i) {
      ClickRow(OpenForm->ListBox1, i);
      shown << OpenForm->Label2->text();
    }
    ClickRow(OpenForm->ListBox1, 7);
    Click(OpenForm->Button3);
  });
  // Then each opened from the main window's stand list.
  for (int i = 0; i < 10; ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.id);
    const QString head = QString("Kuvio ") + c.id + "  :  ", path = estate_ + "/" + c.id + ".Norvalen";
    const char* row = c.first < 0 ? "tiedosto ei ole eheä kuviotiedosto"
                                  : "1.00 ha,   varttunut kasvatusmetsä,   puusto 100 m3/ha";
    EXPECT_EQ(rows.value(i), head + QString::fromUtf8(row));
    // A refused preview leaves the stand shown before.
    EXPECT_EQ(shown.value(i), c.first < 0 ? shown.value(i - 1) : head + "mittaus 15.06.2015");
    const QString opened = TheSession->StandPath;
    if (opened != path)
      InModal(OpenWindowUp, [] { Click(OpenForm->Button3); }, [i] { ClickRow(ActForm->ListBox1, i); });
    ASSERT_EQ(TheSession->StandPath, c.first < 0 ? opened : path);
    if (c.first < 0) continue;
    const QComboBox* pine = Child<QComboBox>(AgesForm, "ComboBox1");
    EXPECT_EQ(QString("%1: %2-%3").arg(pine->count()).arg(pine->itemText(0), pine->itemText(pine->count() - 1)),
              c.first ? QString("51: %1 v.-%2 v.").arg(c.first).arg(c.first + 50) : QString("0: -"));
  }
  // Each refusal, in the previews and at the openings, told as a damaged file.
  QStringList notices;
  for (const MessageRecord& m : script_.Records())
    if (m.kind == MessageKind::Notice) notices << m.lines.join('|');
  EXPECT_EQ(notices, QStringList(6, damaged));
  EXPECT_EQ(FolderState(estate_), before);
}

TEST_F(OpenWindow, DeletingFromTheListKeepsTheWindowOnTheFirstStandLeftAndTheLastClosesIt) {
  // (The refusal for a stand of the model estate is the model estate's
  // test.)
  const QString a = Stand("a", 2015, 1.0f, 50, 50);
  const QString b = Stand("b", 2016, 0.5f, 30, 30);
  Start();
  QStringList rowsAfter;
  QString header, shown;
  OpenThroughTheList(b, [&] {
    script_.Answer(1);
    Click(OpenForm->Panel7);
    rowsAfter = Rows(OpenForm->ListBox1);
    header = OpenForm->Label4->text();
    shown = OpenForm->Label2->text();
    // A "no" deletes nothing; a "yes" on the last stand closes the window.
    script_.Answer(2);
    Click(OpenForm->Panel7);
    EXPECT_TRUE(QFile::exists(a));
    script_.Answer(1);
    Click(OpenForm->Panel7);
    if (OpenForm->isVisible()) Click(OpenForm->Button1);  // (a window left open fails below, never hangs)
  });
  EXPECT_EQ(std::pair(QFile::exists(a), QFile::exists(b)), std::pair(false, false));
  EXPECT_EQ(std::pair(rowsAfter.size(), rowsAfter.value(0).startsWith("Kuvio a  :")),
            std::pair(qsizetype(1), true));
  EXPECT_EQ(header, QString::fromUtf8("kuviolista Koivula,  1 kuvio,  1.00 ha,  100 m3,  mitattu 2015"));
  EXPECT_EQ(shown, "Kuvio a  :  mittaus 15.06.2015");
  ASSERT_EQ(script_.Count(MessageKind::Question), 3);
  EXPECT_EQ(script_.Records().at(1).caption, "Kuvion poistaminen");
  EXPECT_EQ(script_.Last(MessageKind::Question).lines,
            (QStringList{"Kuvio a poistetaan tuhoamalla kuvion tiedot   !", "Poistetaanko kuvio a  ?"}));
  // Closed with result 3 without opening: the start window is still there.
  EXPECT_EQ(std::pair(OpenForm->isVisible(), OpenForm->result()), std::pair(false, 3));
  EXPECT_TRUE(TheSession->CurrentStand == nullptr && IntroForm->isVisible());
}

// What is not a regular file under the names the program reads: the
// settings file at start, a stand file chosen in the dialog or clicked in
// the open-stand window's list (where only a link is listed), a map fetched.
// Each is refused at once with the message for an unreadable file of its
// kind, the program goes on, and nothing anywhere changes.
class NotAFileWindows : public OpenWindow, public testing::WithParamInterface<NotAFile> {};

TEST_P(NotAFileWindows, RefusedAtOnceWithItsMessageAndLeftAsItIs) {
  const QString a = Stand("a", 2015, 1.0f, 50, 50);
  const QString settings = model::SettingsFilePath(), stand = estate_ + "/x.Norvalen";
  ASSERT_TRUE(QFile::remove(settings));
  for (const QString& path : {settings, stand, estate_ + "/kartta.jpg"}) ASSERT_TRUE(GetParam().make(path));
  const bool listed = QFileInfo(stand).isSymLink();
  const std::string before = FolderState(folder_.path());
  Deadline deadline(GetParam().what, 20);
  QStringList notices, rows;
  script_.OnShow([&](const MessageRecord& r, QWidget*) {
    if (r.kind == MessageKind::Notice) notices << r.lines;
  });
  Start();
  script_.AnswerFile(stand);
  Click(IntroForm->Button3);
  OpenThroughTheList(a, [&] {
    rows = Rows(OpenForm->ListBox1);
    if (listed) ClickRow(OpenForm->ListBox1, 1);
    Click(OpenForm->Button3);
  });
  QTimer::singleShot(0, [&] {
    script_.AnswerFile(estate_ + "/kartta.jpg");
    Click(Child<QPushButton>(MapForm, "Button2"));
    Click(Child<QPushButton>(MapForm, "Button1"));
  });
  MapForm->ShowModal();
  const QString unreadable = QString::fromUtf8("valitsemaasi kuviotiedostoa ei voi lukea  !");
  EXPECT_EQ(notices, QStringList({model::UnreadableSettingsText(settings, QString::fromUtf8(GetParam().reason), true),
                                  unreadable})
                         << (listed ? QStringList{unreadable} : QStringList())
                         << QString::fromUtf8("Karttaa kartta.jpg ei voi näyttää: tiedostoa ei voi avata   !"));
  EXPECT_EQ(rows.mid(1), listed ? QStringList{"Kuvio x  :  kuviotiedostoa ei voi lukea"} : QStringList());
  EXPECT_EQ(std::pair(TheSession->StandPath, ActForm->isVisible()), std::pair(a, true));
  EXPECT_EQ(FolderState(folder_.path()), before);
}

INSTANTIATE_TEST_SUITE_P(Kinds, NotAFileWindows, testing::ValuesIn(kNotAFiles), [](const auto& info) {
  return QString(info.param.what).remove("a ").remove(' ').toStdString();
});

TEST_F(OpenWindow, PickFromTheStandListAndTheOpenStandsData) {
  const QString a = Stand("a", 2015, 1.0f, 50, 50);
  const QString b = Stand("b", 2016, 0.5f, 30, 30, 7, 45);
  OpenFirst(a);
  // Closing a pick leaves the open stand; the window forgets the stand
  // browsed.
  ActForm->FileListBox1->SetFileName(b);
  InModal(OpenWindowUp, [] { Click(OpenForm->Button1); },
          [&] { EXPECT_EQ(OpenStand(b), -1); });
  EXPECT_EQ(TheSession->CurrentStand->Header.standId, "a");
  EXPECT_EQ(TheSession->StandPath, a);
  EXPECT_EQ(OpenForm->PreviewPath, a);
  // The estate list as the stand-list pick finds it; mode 0 keeps it.
  TheSession->EstateRecords.resize(1);
  QStringList shown;
  bool listShown = true, openShown = false;
  InModal(
      OpenWindowUp,
      [&] {
        shown = {OpenForm->windowTitle(), OpenForm->Label4->text()};
        listShown = OpenForm->ListBox1->isVisible();
        openShown = OpenForm->Button3->isVisible();
        SaveShot(OpenForm, "open-window-single.png");
        Click(OpenForm->Button3);
      },
      [&] { EXPECT_EQ(OpenStand(b), 45); });
  EXPECT_EQ(shown, QStringList({" Kuvio b, avaa tai poista", QString::fromUtf8("Metsätilan nimi  :  Koivulan tila")}));
  EXPECT_EQ(std::pair(listShown, openShown), std::pair(false, true));
  EXPECT_EQ(TheSession->CurrentStand->Header.standId, "b");
  EXPECT_EQ(TheSession->StandPath, b);
  EXPECT_EQ(TheSession->EstateRecords.size(), 1u);
  // Open from the stand view page shows no busy display.
  EXPECT_EQ(script_.Count(MessageKind::Busy), 0);
  // The open stand's data: only the change button, no stand view; its help.
  QString caption;
  std::tuple<bool, bool, bool, bool> visible;
  InModal(
      OpenWindowUp,
      [&] {
        caption = OpenForm->windowTitle();
        visible = {OpenForm->Button3->isVisible(), OpenForm->Button2->isVisible(), OpenForm->Panel7->isVisible(),
                   OpenForm->findChild<QWidget*>("Image3")->isVisible()};
        SaveShot(OpenForm, "open-window-standdata.png");
        Click(OpenForm->BitBtn2);
        Click(OpenForm->Button1);
      },
      [] {
        const data& s = *TheSession->CurrentStand;
        EXPECT_EQ(DrawStandPicture(s.TreeCount(), s.SpeciesBlocks, s.Header), 2);
      });
  EXPECT_EQ(caption, " Kuvio b, kuviotiedot");
  EXPECT_EQ(visible, std::tuple(false, true, false, false));  // only the change button, no stand view
  ASSERT_EQ(script_.Count(MessageKind::HelpText), 1);
  EXPECT_EQ(script_.Last(MessageKind::HelpText).lines, OpenWindowHelpLines(OpenMode::StandData));
  // Changing the list to the folder it shows is refused.
  script_.Clear();
  script_.AnswerFile(a);
  script_.AnswerFile(QString());
  OpenStandByDialog(true);
  EXPECT_EQ(script_.Count(MessageKind::OpenFile), 2);
  EXPECT_EQ(script_.Records().at(0).caption,
            QString::fromUtf8("  Kuviolistan vaihto  :  valitse hakemisto ja kuviotiedosto"));
  ASSERT_EQ(script_.Count(MessageKind::Notice), 1);
  EXPECT_EQ(QStringList{script_.Last(MessageKind::Notice).caption} + script_.Last(MessageKind::Notice).lines,
            QStringList({"Kuviolista", "kuviolistaa ei ole vaihdettu  !"}));
  EXPECT_EQ(TheSession->StandPath, b);
}

// The stand list answers the keys as the mouse, never keeping the focus;
// deleting the last stand previews the first. Outside list mode the top
// line is the main window's stand list row (as the list shows it) with
// commas, over the main window's own colour. The upper panel is the
// measurement window's less 26 (44 more with the list), the growing-stock
// chart fills its panel with the currency box on its footer line.
TEST_F(OpenWindow, StandListRowsByKeysOrMouseAndOutsideListModeTheMainListRow) {
  const QString a = Stand("a", 2015, 1.0f, 50, 50);
  Stand("b", 2016, 0.5f, 30, 30, 7, 45);
  const QString c = Stand("c", 2017, 2.0f, 20, 20, 7, 30);
  Start();
  QStringList lines;
  // The measurement window's upper panel, then the panels' heights, the
  // chart's width less its panel's and its height.
  QList<int> sizes{MeasForm->Panel2->height()};
  const auto note = [&] {  // the preview's line and the chosen row
    EXPECT_FALSE(OpenForm->ListBox1->hasFocus());
    lines << OpenForm->Label2->text() + QString(" / %1").arg(OpenForm->ListBox1->currentRow());
  };
  const auto key = [&](Qt::Key k) {
    OpenForm->ListBox1->setFocus();  // reached with the Tab key
    QTest::keyClick(OpenForm->ListBox1, k);
    note();
  };
  const auto measure = [&] {
    const QRect chart = OpenForm->Chart1->geometry(), box = OpenForm->CheckBox1->geometry();
    sizes << OpenForm->Panel2->height() << OpenForm->Panel6->height()
          << OpenForm->Chart1->width() - OpenForm->Panel6->width() << OpenForm->Chart1->height();
    EXPECT_TRUE(chart.contains(box) && box.bottom() >= chart.bottom() - 1 - box.height()) << box.y();
  };
  EXPECT_TRUE(OpenThroughTheList(a, [&] {
    measure();
    key(Qt::Key_Down);
    ClickRow(OpenForm->ListBox1, 1);  // the row already chosen
    note();
    key(Qt::Key_End);
    script_.Answer(1);
    Click(OpenForm->Panel7);  // the last stand deleted
    note();
    Click(OpenForm->Button3);
  }));
  EXPECT_FALSE(QFile::exists(c));
  // The open stand's own row (its data), then another stand's picked with
  // the list showing the cutting removal at the estate's time point.
  QColor behind;
  const auto look = [&] {
    lines << OpenForm->Label47->text();
    behind = ActForm->Client->palette().color(QPalette::Window);
    measure();
    Click(OpenForm->Button1);
  };
  EXPECT_TRUE(InModal(OpenWindowUp, look, [] { ClickRow(ActForm->ListBox1, 0); }));
  Tick(ActForm->CheckBox18);
  EXPECT_TRUE(InModal(OpenWindowUp, look, [] { ClickRow(ActForm->ListBox1, 1); }));
  // The same stand reached with the keys from the open stand's row.
  EXPECT_TRUE(InModal(OpenWindowUp, look, [] { QTest::keyClick(ActForm->ListBox1, Qt::Key_Down); }));
  EXPECT_EQ(lines, QStringList({"Kuvio b  :  mittaus 15.06.2016 / 1", "Kuvio b  :  mittaus 15.06.2016 / 1",
                                "Kuvio c  :  mittaus 15.06.2017 / 2", "Kuvio a  :  mittaus 15.06.2015 / 0",
                                QString::fromUtf8("Kuvio a   :   1.00 ha,  varttunut kasvatusmetsä,  100 m3/ha,  tukki % 50"),
                                "Kuvio b   :   0.50 ha,  ei hakkuuta", "Kuvio b   :   0.50 ha,  ei hakkuuta"}));
  EXPECT_EQ(behind, ColorFromBgr(kButtonFaceColor));
  EXPECT_EQ(sizes, (QList<int>{204, 222, 222, -4, 216, 178, 178, -4, 172, 178, 178, -4, 172, 178, 178, -4, 172}));
}

// The platform's open dialog as the start window shows it (not scripted):
// its title, the estates folder, only stand files listed.
TEST_F(OpenWindow, PlatformDialogShowsTheEstatesFolderWithStandFilesOnly) {
  ASSERT_TRUE(QDir().mkpath(folder_.file(QString::fromUtf8("Metsätilat/Mallitila"))));
  ASSERT_TRUE(WriteBytes(folder_.file(QString::fromUtf8("Metsätilat/muistio.txt")), "x"));
  { MessageScript dropped; }  // the last script made is gone: the real dialogs show
  ASSERT_FALSE(MessagesScripted());
  Start();
  QString title, directory;
  QStringList filters;
  QTimer::singleShot(200, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    directory = dialog->directory().absolutePath();
    filters = dialog->nameFilters();
    dialog->resize(760, 460);
    SaveShot(dialog, "open-dialog.png");
    dialog->reject();
  });
  Click(IntroForm->Button3);
  EXPECT_EQ(title, QString::fromUtf8("  Kuviolistan avaus  :  valitse hakemisto ja kuviotiedosto"));
  EXPECT_EQ(directory, QDir(folder_.file(QString::fromUtf8("Metsätilat"))).absolutePath());
  // The dialog shows the filter with its blanks run together.
  EXPECT_EQ(filters, QStringList{QString::fromUtf8("kuviotiedostot ( * . Norvalen ) (*.Norvalen)")});
  EXPECT_TRUE(IntroForm->isVisible());
}

}  // namespace
