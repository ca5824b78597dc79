// The main window frame: palette, busy display, modes, captions, menus and
// titles, the stand information labels and the estate file list (the frame
// laid out at every size is in StandCardWindowTest).
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QProgressBar>

#include "platform/Clock.h"
#include "tests/support/MainWindowFixture.h"
#include "texts/TextState.h"
#include "ui/ApplicationWindows.h"
#include "ui/ProgBar.h"
#include "ui/Session.h"

TEST(Palette, ColoursOfTheIndices) {
  // 0xBBGGRR: 0x7AE0FF is red 255, green 224, blue 122.
  EXPECT_EQ((std::vector<QColor>{PaletteColor(1), PaletteColor(20), PaletteColor(222), PaletteColor22(),
                                 PaleOrPaletteColor12(nullptr, true), PaleOrPaletteColor12(nullptr, false),
                                 PictureBackdropColor()}),
            (std::vector<QColor>{{255, 224, 122}, {86, 112, 153}, {255, 107, 81}, {242, 242, 165}, {255, 251, 240},
                                 {71, 71, 71}, {0, 0, 0}}));
}

TEST(BusyDisplay, ThirtyFourStepsThenGone) {
  MessageScript script;
  std::vector<int> steps;
  platform::SetPauseFunction([&](int) {
    if (ProgBarForm) steps.push_back(ProgBarForm->ProgressBar1->value());
  });
  const long long before = platform::PausedMilliseconds();
  ShowBusy(nullptr, 10, 100, "Talletetaan", PaletteColor(20));
  // 34 x 10 + 100 = 440 ms in 35 pauses: before each of the 34 steps and
  // the end pause; the bar was at 0, 0, 3, ..., 96 before them and at 99 for
  // the end pause.
  EXPECT_EQ(platform::PausedMilliseconds() - before, 440);
  ASSERT_EQ(steps.size(), 35u);
  EXPECT_EQ(std::tuple(steps.front(), steps.back(), ProgBarForm), std::tuple(0, 99, nullptr));
  EXPECT_EQ(script.Last(MessageKind::Busy).caption, "Talletetaan");
  ShowBusy(nullptr, 5, 50, "x", PaletteColor(222));
  EXPECT_EQ(platform::PausedMilliseconds() - before, 440 + 34 * 5 + 50);
  platform::SetPauseFunction([](int) {});
}

using MainFrame = testsupport::MainWindowTest;

TEST_F(MainFrame, CaptionsMenusTitlesAndTheOpenStandsLabels) {
  StartProgram(1920, 1080);
  TActForm* f = ActForm;
  EXPECT_EQ((QStringList{f->M1->title(), f->M11->text(), f->M15->text(), f->M2->title(), f->M22->text(),
                         f->M3->title(), f->M32->text(), f->Button7->text(), f->PageControl2->tabText(0),
                         f->PageControl2->tabText(2)}),
            (QStringList{"KUVIO", "KUVIOTIEDOT ...", "SULJE NORVALEN", "ASETUKSET", "PUUTAVARALAJIEN HINNAT ...",
                         "OHJEET", "TIETOJA OHJELMASTA ...", "Harvennus", "Kaukonäkymä", "Puustotunnukset"}));
  // The title options: the currency unit after the title (the defaults
  // switch it on).
  model::CurrentSettings().titleBarFlags = 1;
  f->MainWindowTitleText();
  EXPECT_EQ(f->windowTitle(), " Norvalen  •  rahayksikkö €");
  // The texts read the live values from the main window.
  EXPECT_TRUE(CurrentTextState()->IsNarrowView());
  f->CheckBox15->setChecked(true);
  EXPECT_EQ(std::tuple(CurrentTextState()->IsNarrowView(), CurrentTextState()->CarbonFactor(),
                       CurrentTextState()->CurrencyUnitShort()),
            std::tuple(false, 1300, QString("€")));
  // The about box from the menu.
  f->M32->trigger();
  EXPECT_EQ(script_.Count(MessageKind::About), 1);
  // The currency captions reach the other windows' controls by name.
  auto* box = new QCheckBox(ApplicationWindow("ClearForm"));
  box->setObjectName("CheckBox6");
  model::CurrentSettings().currencyIndex = 1;  // "dollari, $"
  f->ApplyCurrencyCaptions();
  EXPECT_EQ(box->text(), "$");
  model::CurrentSettings().currencyIndex = 0;

  // An open stand: 45292 days after 30.12.1899 is 1.1.2024.
  IntroForm->hide();
  auto stand = std::make_unique<data>(0);
  stand->Header.standId = "koivu7";
  stand->Header.area = 2.345f;
  stand->Header.developmentClass = 5;
  stand->Header.measurementDay = 45292;
  TheSession->CurrentStand = std::move(stand);
  model::CurrentSettings().titleBarFlags = 100;  // the stand title only
  f->UpdateView(1);
  // Area "%1.2f" of 2.345f (2.34500003); no trees: the whole stock and the
  // log trees in the tree-group list.
  EXPECT_EQ((QStringList{f->Label10->text(), f->Label4->text(), f->Label11->text(), f->M1->title(), f->windowTitle(),
                         CurrentTextState()->StandTitle(3), f->Label16->text().left(2), f->ComboBox28->itemText(0),
                         f->ComboBox28->itemText(1)}),
            (QStringList{"Kuvio koivu7", "- 2.35 ha", "- puusto mitattu 2024", "KUVIO koivu7",
                         " Norvalen  •  kuvio koivu7", "KUVIO koivu7", "- ", "Kuvio koivu7", "Kuvio koivu7, tukkipuut"}));
  EXPECT_EQ(f->ComboBox28->count(), 2);
  // The list opens wide enough for its longest item.
  EXPECT_GE(f->ComboBox28->view()->minimumWidth(),
            f->ComboBox28->fontMetrics().horizontalAdvance("Kuvio koivu7, tukkipuut"));
  f->ShowStandInfoLabels(125);
  EXPECT_EQ(f->Label15->text(), "- hakkuukertymä 125 m3/ha");
  TheSession->CurrentStand.reset();
}

TEST_F(MainFrame, ModesLeaveTheCardAloneWhileTheStartWindowIsUp) {
  StartProgram(1366, 768);
  TActForm* f = ActForm;
  ASSERT_TRUE(IntroForm->isVisible());
  f->SetMainWindowMode(1);
  EXPECT_FALSE(f->Panel1->isVisibleTo(f) || f->PageControl2->isVisibleTo(f));
  EXPECT_TRUE(f->Button7->isVisibleTo(f->Panel1));
  f->SetMainWindowMode(2);
  EXPECT_FALSE(f->Panel1->isVisibleTo(f));
  // With the start window hidden the modes switch the card and pages.
  IntroForm->hide();
  f->SetStartupPanelsVisibility(true);
  EXPECT_TRUE(f->isEnabled());
  f->SetMainWindowMode(0);
  EXPECT_FALSE(f->Panel1->isVisibleTo(f) || f->Button7->isVisibleTo(f->Panel1));
  EXPECT_EQ(f->Client->palette().color(QPalette::Window), PaletteColor(7));
  f->SetMainWindowMode(1);
  EXPECT_TRUE(f->Panel1->isVisibleTo(f) && f->PageControl2->isVisibleTo(f) && f->Label10->isVisibleTo(f->Panel1));
  // Mode 2 (after the measurement window saved) on the stand view: card,
  // colour and pages back, the tree-group list hidden until the next picture.
  f->SetMainWindowMode(0);
  f->PageControl2->setCurrentWidget(f->TabSheet8);
  f->ComboBox28->show();
  f->SetMainWindowMode(2);
  EXPECT_TRUE(f->Panel1->isVisibleTo(f) && f->PageControl2->isVisibleTo(f));
  EXPECT_EQ(f->Client->palette().color(QPalette::Window), ColorFromBgr(kButtonFaceColor));
  EXPECT_FALSE(f->ComboBox28->isVisibleTo(f->Panel6));

  // The estate panel lists the stand files of its folder.
  testsupport::TempDir estate;
  for (const char* name : {"b2.Norvalen", "a1.Norvalen", "notes.txt", "C3.Norvalen"})
    testsupport::WriteAll(estate.file(name), {});
  f->ResetEstatePanel("b2.Norvalen", estate.path());
  EXPECT_EQ(testsupport::Rows(f->FileListBox1), (QStringList{"a1.Norvalen", "b2.Norvalen", "C3.Norvalen"}));
  EXPECT_EQ(std::tuple(f->FileListBox1->currentRow(), f->FileListBox1->FileName(), f->StandFileName,
                       f->DirectoryListBox1->Directory()),
            std::tuple(1, estate.file("b2.Norvalen"), QString("b2.Norvalen"), estate.path()));
  EXPECT_EQ((QStringList{WindowTextByMode(estate.path() + "/Koivula", 3), WindowTextByMode("/a/Koivula", 5),
                         WindowTextByMode("/a/Koivula", 0)}),
            (QStringList{"kuviolista Koivula", "kuviolista   •   hakemisto Koivula", "Koivula"}));
}
