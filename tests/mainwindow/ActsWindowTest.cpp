// The main window frame: palette, busy display, modes, captions, the estate
// file list and pictures of the frame at every size, the stand list on
// either side.
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
  // 34 x 10 + 100 = 440 ms.
  EXPECT_EQ(platform::PausedMilliseconds() - before, 440);
  // 35 pauses: before each of the 34 steps and the end pause; the bar was at
  // 0, 0, 3, ..., 96 before them and at 99 for the end pause.
  ASSERT_EQ(steps.size(), 35u);
  EXPECT_EQ(std::pair(steps.front(), steps.back()), std::pair(0, 99));
  EXPECT_EQ(ProgBarForm, nullptr);
  EXPECT_EQ(script.Last(MessageKind::Busy).caption, "Talletetaan");
  ShowBusy(nullptr, 5, 50, "x", PaletteColor(222));
  EXPECT_EQ(platform::PausedMilliseconds() - before, 440 + 34 * 5 + 50);
  platform::SetPauseFunction([](int) {});
}

using MainFrame = testsupport::MainWindowTest;

TEST_F(MainFrame, CaptionsMenusAndTitle) {
  StartProgram(1920, 1080);
  EXPECT_EQ((QStringList{ActForm->M1->title(), ActForm->M11->text(), ActForm->M15->text(), ActForm->M2->title(),
                         ActForm->M22->text(), ActForm->M3->title(), ActForm->M32->text(), ActForm->Button7->text(),
                         ActForm->PageControl2->tabText(0), ActForm->PageControl2->tabText(2)}),
            (QStringList{"KUVIO", "KUVIOTIEDOT ...", "SULJE NORVALEN", "ASETUKSET", "PUUTAVARALAJIEN HINNAT ...",
                         "OHJEET", "TIETOJA OHJELMASTA ...", "Harvennus", "Kaukonäkymä", "Puustotunnukset"}));
  // The title options: the currency unit after the title (the defaults
  // switch it on).
  model::CurrentSettings().titleBarFlags = 1;
  ActForm->MainWindowTitleText();
  EXPECT_EQ(ActForm->windowTitle(), " Norvalen  •  rahayksikkö €");
  // The texts read the live values from the main window.
  EXPECT_TRUE(CurrentTextState()->IsNarrowView());
  ActForm->CheckBox15->setChecked(true);
  EXPECT_FALSE(CurrentTextState()->IsNarrowView());
  EXPECT_EQ(CurrentTextState()->CarbonFactor(), 1300);
  EXPECT_EQ(CurrentTextState()->CurrencyUnitShort(), "€");
  // The about box from the menu.
  ActForm->M32->trigger();
  EXPECT_EQ(script_.Count(MessageKind::About), 1);
  // The currency captions reach the other windows' controls by name.
  auto* box = new QCheckBox(ApplicationWindow("ClearForm"));
  box->setObjectName("CheckBox6");
  model::CurrentSettings().currencyIndex = 1;  // "dollari, $"
  ActForm->ApplyCurrencyCaptions();
  EXPECT_EQ(box->text(), "$");
  model::CurrentSettings().currencyIndex = 0;
}

TEST_F(MainFrame, ModesLeaveTheCardAloneWhileTheStartWindowIsUp) {
  StartProgram(1366, 768);
  ASSERT_TRUE(IntroForm->isVisible());
  ActForm->SetMainWindowMode(1);
  EXPECT_FALSE(ActForm->Panel1->isVisibleTo(ActForm) || ActForm->PageControl2->isVisibleTo(ActForm));
  EXPECT_TRUE(ActForm->Button7->isVisibleTo(ActForm->Panel1));
  ActForm->SetMainWindowMode(2);
  EXPECT_FALSE(ActForm->Panel1->isVisibleTo(ActForm));
  // With the start window hidden the modes switch the card and pages.
  IntroForm->hide();
  ActForm->SetStartupPanelsVisibility(true);
  EXPECT_TRUE(ActForm->isEnabled());
  ActForm->SetMainWindowMode(0);
  EXPECT_FALSE(ActForm->Panel1->isVisibleTo(ActForm) || ActForm->Button7->isVisibleTo(ActForm->Panel1));
  EXPECT_EQ(ActForm->Client->palette().color(QPalette::Window), PaletteColor(7));
  ActForm->SetMainWindowMode(1);
  EXPECT_TRUE(ActForm->Panel1->isVisibleTo(ActForm) && ActForm->PageControl2->isVisibleTo(ActForm) &&
              ActForm->Label10->isVisibleTo(ActForm->Panel1));
  // Mode 2 (after the measurement window saved) on the stand view: card,
  // colour and pages back, the tree-group list hidden until the next picture.
  ActForm->SetMainWindowMode(0);
  ActForm->PageControl2->setCurrentWidget(ActForm->TabSheet8);
  ActForm->ComboBox28->show();
  ActForm->SetMainWindowMode(2);
  EXPECT_TRUE(ActForm->Panel1->isVisibleTo(ActForm) && ActForm->PageControl2->isVisibleTo(ActForm));
  EXPECT_EQ(ActForm->Client->palette().color(QPalette::Window), ColorFromBgr(kButtonFaceColor));
  EXPECT_FALSE(ActForm->ComboBox28->isVisibleTo(ActForm->Panel6));
}

TEST_F(MainFrame, StandInfoLabelsMenuAndTitleOfAnOpenStand) {
  StartProgram(1920, 1080);
  IntroForm->hide();
  auto stand = std::make_unique<data>(0);
  stand->Header.standId = "koivu7";
  stand->Header.area = 2.345f;
  stand->Header.developmentClass = 5;
  // 45292 days after 30.12.1899 is 1.1.2024.
  stand->Header.measurementDay = 45292;
  TheSession->CurrentStand = std::move(stand);
  model::CurrentSettings().titleBarFlags = 100;  // the stand title only
  ActForm->UpdateView(1);
  // Area "%1.2f" of 2.345f (2.34500003); no trees: the whole stock and the
  // log trees in the tree-group list.
  EXPECT_EQ((QStringList{ActForm->Label10->text(), ActForm->Label4->text(), ActForm->Label11->text(),
                         ActForm->M1->title(), ActForm->windowTitle(), CurrentTextState()->StandTitle(3)}),
            (QStringList{"Kuvio koivu7", "- 2.35 ha", "- puusto mitattu 2024", "KUVIO koivu7",
                         " Norvalen  •  kuvio koivu7", "KUVIO koivu7"}));
  EXPECT_TRUE(ActForm->Label16->text().startsWith("- "));
  EXPECT_EQ(std::tuple(ActForm->ComboBox28->count(), ActForm->ComboBox28->itemText(0), ActForm->ComboBox28->itemText(1)),
            std::tuple(2, QString("Kuvio koivu7"), QString("Kuvio koivu7, tukkipuut")));
  // The list opens wide enough for its longest item.
  EXPECT_GE(ActForm->ComboBox28->view()->minimumWidth(),
            ActForm->ComboBox28->fontMetrics().horizontalAdvance("Kuvio koivu7, tukkipuut"));
  ActForm->ShowStandInfoLabels(125);
  EXPECT_EQ(ActForm->Label15->text(), "- hakkuukertymä 125 m3/ha");
  TheSession->CurrentStand.reset();
}

TEST_F(MainFrame, EstatePanelListsTheStandFilesOfTheFolder) {
  StartProgram(1920, 1080);
  testsupport::TempDir estate;
  for (const char* name : {"b2.Norvalen", "a1.Norvalen", "notes.txt", "C3.Norvalen"}) {
    QFile f(estate.file(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  ActForm->ResetEstatePanel("b2.Norvalen", estate.path());
  EXPECT_EQ(testsupport::Rows(ActForm->FileListBox1), (QStringList{"a1.Norvalen", "b2.Norvalen", "C3.Norvalen"}));
  EXPECT_EQ(std::tuple(ActForm->FileListBox1->currentRow(), ActForm->FileListBox1->FileName(), ActForm->StandFileName,
                       ActForm->DirectoryListBox1->Directory()),
            std::tuple(1, estate.file("b2.Norvalen"), QString("b2.Norvalen"), estate.path()));
  EXPECT_EQ((QStringList{WindowTextByMode(estate.path() + "/Koivula", 3), WindowTextByMode("/a/Koivula", 5),
                         WindowTextByMode("/a/Koivula", 0)}),
            (QStringList{"kuviolista Koivula", "kuviolista   •   hakemisto Koivula", "Koivula"}));
}

TEST_F(MainFrame, FrameLayoutAtEverySize) {
  // 1024 x 768: 1024 x 700, started after the small-screen question.
  for (QSize screen : {QSize(1920, 1080), QSize(1366, 768), QSize(1280, 720), QSize(1024, 768)}) {
    const int w = screen.width();
    SCOPED_TRACE(w);
    if (w < 1100) script_.Answer(1);  // "Kyllä" to the small-screen question
    StartProgram(w, screen.height());
    ASSERT_TRUE(ActForm->Started());
    testsupport::Shot(IntroForm, QStringLiteral("intro_%1.png").arg(w));
    // The frame as a stand activation leaves it (the card and pages empty).
    IntroForm->hide();
    ActForm->ArrangeMainWindow(true);
    ActForm->SetStartupPanelsVisibility(true);
    ActForm->UpdateView(2);
    const QRect client = ActForm->Client->rect();
    QFrame* card = ActForm->Panel1;
    QFrame* list = ActForm->Panel2;
    QTabWidget* pages = ActForm->PageControl2;
    for (QWidget* p : std::initializer_list<QWidget*>{card, list, pages}) {
      EXPECT_TRUE(p->isVisibleTo(ActForm)) << p->objectName().toStdString();
      EXPECT_GE(p->geometry().right(), client.left());
      EXPECT_LE(p->x(), client.right());
      EXPECT_LE(p->geometry().bottom(), client.bottom() + 1) << p->objectName().toStdString();
    }
    // Card band and page control do not overlap; the card's buttons stay in
    // the card.
    EXPECT_GE(pages->y(), card->geometry().bottom());
    QList<QPushButton*> shown;
    for (QPushButton* b : card->findChildren<QPushButton*>()) {
      if (!b->isVisibleTo(card)) continue;
      EXPECT_TRUE(card->rect().contains(b->geometry())) << b->objectName().toStdString();
      EXPECT_GE(b->width(), b->fontMetrics().horizontalAdvance(b->text()) + 8)  // text not cut
          << b->objectName().toStdString();
      for (QPushButton* other : shown)
        EXPECT_FALSE(b->geometry().intersects(other->geometry()))
            << b->objectName().toStdString() << " " << other->objectName().toStdString();
      shown << b;
    }
    testsupport::Shot(ActForm, QStringLiteral("main_%1.png").arg(w));
    // Card and stand list side by side across the window, the list on the
    // chosen side; the pages under them reach across the window but for the
    // estate summary beside them.
    for (int onRight : {0, 1}) {
      SCOPED_TRACE(onRight);
      model::CurrentSettings().standListOnRight = onRight;
      ActForm->PlaceMainPanels();
      EXPECT_EQ(onRight ? card->x() : list->x(), onRight ? 0 : -1);
      EXPECT_EQ(onRight ? list->x() : card->x(), (onRight ? card : list)->geometry().right() + 1);
      EXPECT_GE(qMax(card->geometry().right(), list->geometry().right()), client.width() - 2);
      QFrame* summary = ActForm->Panel9;
      if (summary->isVisibleTo(ActForm)) {
        EXPECT_FALSE(pages->geometry().adjusted(2, 0, -2, 0).intersects(summary->geometry()));
        EXPECT_EQ(onRight != 0, summary->x() > pages->x());
      }
      // With the list on the right the frame is as in main_<width>.png.
      if (!onRight) testsupport::Shot(ActForm, QStringLiteral("main_%1_listleft.png").arg(w));
    }
    DestroyApplicationWindows();
  }
}
