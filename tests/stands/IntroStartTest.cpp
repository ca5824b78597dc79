// The start of the program: the windows in their order, the main window's
// first activation with its screen test, the start window's first activation
// with the settings and the window sizes, and the size choice.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QMenu>
#include <QTabWidget>
#include <QTextEdit>
#include <QGuiApplication>
#include <QScreen>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

#include "mainwindow/Acts.h"
#include "model/Settings.h"
#include "platform/Clock.h"
#include "platform/Screen.h"
#include "stands/AboutDlg.h"
#include "stands/Intro.h"
#include "stands/IntroHelpers.h"
#include "stands/IntroStartup.h"
#include "stands/MessageService.h"
#include "stands/Settings.h"
#include "stands/Settings1.h"
#include "stands/Settings2.h"
#include "tests/support/TempDir.h"

namespace {

// Every text a window shows: its caption, labels, buttons, group titles,
// tabs, list items, text edits and menus.
QStringList ShownTexts(QWidget* window) {
  QStringList texts{window->windowTitle()};
  for (QLabel* l : window->findChildren<QLabel*>()) texts << l->text();
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) texts << b->text();
  for (QGroupBox* g : window->findChildren<QGroupBox*>()) texts << g->title();
  for (QTabWidget* t : window->findChildren<QTabWidget*>())
    for (int i = 0; i < t->count(); ++i) texts << t->tabText(i);
  for (QListWidget* l : window->findChildren<QListWidget*>())
    for (int i = 0; i < l->count(); ++i) texts << l->item(i)->text();
  for (QComboBox* c : window->findChildren<QComboBox*>())
    for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
  for (QTextEdit* e : window->findChildren<QTextEdit*>()) texts << e->toPlainText();
  for (QMenu* m : window->findChildren<QMenu*>()) {
    texts << m->title();
    for (QAction* a : m->actions()) texts << a->text();
  }
  return texts;
}

void ExpectNoUnknownText(QWidget* window) {
  for (const QString& t : ShownTexts(window))
    EXPECT_FALSE(t.contains("error")) << window->objectName().toStdString() << ": " << t.toStdString();
}

class StartUp : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    savedMetrics_ = platform::GetScreenMetrics();
    savedFolder_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder_.path()));
  }
  void TearDown() override {
    DestroyApplicationWindows();
    QDir::setCurrent(savedFolder_);
    model::SetSettingsFolder(savedFolder_);
    platform::SetScreenMetrics(savedMetrics_);
  }
  // Creates the windows and runs the main window's first activation on a
  // screen of the given size.
  void Start(int width, int height, int menuBarHeight = 20) {
    platform::ScreenMetrics m;
    m.width = width;
    m.height = height;
    m.menuBarHeight = menuBarHeight;
    platform::SetScreenMetrics(m);
    CreateApplicationWindows();
    ActForm->show();
    ActForm->FormActivate();
  }
  QByteArray SettingsBytes() const {
    QFile f(folder_.file("Settings.dat"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  testsupport::TempDir folder_;
  MessageScript script_;
  platform::ScreenMetrics savedMetrics_;
  QString savedFolder_;
};

}  // namespace

TEST_F(StartUp, EveryWindowOnceInItsOrder) {
  const QStringList names = CreateApplicationWindows();
  const QStringList expected = {
      "ActForm",     "IntroForm",  "AboutBox",    "AgesForm",    "AskForm",      "ClearForm",
      "dbRapForm",   "ErrorForm",  "FolderForm",  "GateForm",    "GraphForm",    "HelpDlg",
      "IncForm",     "IncForm1",   "InfoForm",    "MapForm",     "MeasForm",     "MsgForm",
      "NewFrstForm", "OpenForm",   "PlocCuttForm", "ProgBarForm", "RapForm",     "RoadForm",
      "SettForm",    "SettForm1",  "SettForm2",   "Th1Form",     "Th4Form",      "TradeForm"};
  EXPECT_EQ(names, expected);
  EXPECT_EQ(ApplicationWindow("ActForm"), ActForm);
  EXPECT_EQ(ApplicationWindow("IntroForm"), IntroForm);
  // Nothing happens before the event loop: no file, no message.
  EXPECT_TRUE(SettingsBytes().isEmpty());
  EXPECT_TRUE(script_.Records().empty());
  EXPECT_TRUE(IntroForm->windowTitle().isEmpty());
  EXPECT_EQ(IntroForm->CurrentStand, nullptr);
}

TEST_F(StartUp, FirstStartAnnouncesAndWritesTheSettings) {
  // 250 ms when the main window is placed at start, then half a second
  // before the start window is shown.
  std::vector<std::pair<int, bool>> pauses;  // (ms, start window up)
  platform::SetPauseFunction([&](int ms) { pauses.emplace_back(ms, IntroForm && IntroForm->isVisible()); });
  bool fileAtNotice = true;
  script_.OnShow([&](const MessageRecord& r, QWidget*) {
    if (r.kind == MessageKind::Notice) fileAtNotice = QFile::exists(folder_.file("Settings.dat"));
  });
  Start(1920, 1080);
  platform::SetPauseFunction([](int) {});
  ASSERT_TRUE(ActForm->Started());
  EXPECT_EQ(pauses, (std::vector<std::pair<int, bool>>{{250, false}, {500, false}}));
  // One notice, captioned "Tiedote", before the file existed.
  ASSERT_EQ(script_.Count(MessageKind::Notice), 1);
  const MessageRecord notice = script_.Last(MessageKind::Notice);
  EXPECT_EQ(notice.caption, "Tiedote");
  EXPECT_EQ(notice.lines.at(0), "puuttuva tiedosto korvataan uudella Settings.dat");
  EXPECT_FALSE(fileAtNotice);
  const QByteArray bytes = SettingsBytes();
  EXPECT_EQ(bytes.size(), 188);
  EXPECT_EQ(bytes, model::SettingsToBytes(model::CurrentSettings()));
  EXPECT_EQ(IntroForm->ProgramFolder, QDir::currentPath());
  EXPECT_EQ(ProgramParentFolder(), QFileInfo(folder_.path()).absolutePath());
  EXPECT_TRUE(EstatesFolder().endsWith("/Metsätilat"));
  // The start window is up, the main window disabled with its panels hidden.
  EXPECT_TRUE(IntroForm->isVisible());
  EXPECT_TRUE(IntroForm->Image1->isVisible());
  EXPECT_EQ(IntroForm->windowTitle(), " Kuviolistan avaus / uusi metsikkökuvio");
  EXPECT_EQ(ActForm->windowTitle(), " Norvalen");
  EXPECT_FALSE(ActForm->isEnabled());
  EXPECT_FALSE(ActForm->Panel1->isVisible());
  EXPECT_FALSE(ActForm->PageControl2->isVisible());
  EXPECT_FALSE(IntroForm->FirstActivation);

  // A second start reads the file without a word.
  DestroyApplicationWindows();
  script_.Clear();
  Start(1920, 1080);
  EXPECT_EQ(script_.Count(MessageKind::Notice), 0);
}

TEST_F(StartUp, SettingsThatCannotBeWrittenAreReported) {
  // A folder where the file should be: it can be neither read nor written.
  ASSERT_TRUE(QDir(folder_.path()).mkdir("Settings.dat"));
  Start(1366, 768);
  ASSERT_EQ(script_.Count(MessageKind::Notice), 2);
  EXPECT_TRUE(script_.Records().at(1).lines.at(0).contains("Settings.dat"));
  EXPECT_NE(script_.Records().at(1).lines.at(0), script_.Records().at(0).lines.at(0));
  EXPECT_TRUE(IntroForm->isVisible());  // the program goes on with the defaults
}

TEST_F(StartUp, WindowSizesOfferedByTheScreen) {
  struct Case {
    int w, h;
    int mainW, mainH;
    int item, smallest;
  } cases[] = {
      {1920, 1080, 1429, 752, 0, 0},  // "suuri"
      {1366, 768, 1347, 728, 1, 1},   // "keski", narrower than 1536: no "suuri"
      {1600, 900, 1347, 728, 1, 0},   // "keski", but "suuri" may be chosen
      {1280, 720, 1266, 700, 2, 2},   // "pieni"
      {1200, 1000, 1200, 675, -1, -1},  // 1200 wide or less: no list
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
    Start(c.w, c.h);
    EXPECT_EQ(ActForm->GetMainWindowSize('x'), c.mainW);
    EXPECT_EQ(ActForm->GetMainWindowSize('y'), c.mainH);
    // The window is the computed size less the menu bar, centred.
    EXPECT_EQ(OuterWidth(ActForm), c.mainW);
    EXPECT_EQ(OuterHeight(ActForm), c.mainH - 20);
    EXPECT_EQ(ActForm->x(), (c.w - c.mainW) / 2);
    EXPECT_EQ(IntroForm->ListBox1->isVisibleTo(IntroForm), c.item >= 0);
    EXPECT_EQ(IntroForm->Label5->isVisibleTo(IntroForm), c.item >= 0);
    EXPECT_EQ(IntroForm->ListBox1->currentRow(), c.item);
    EXPECT_EQ(IntroForm->SizeIndex, c.item);
    EXPECT_EQ(IntroForm->SmallestSizeIndex, c.smallest);
    // The start window over the main window: centred across, a quarter of
    // the free height down.
    EXPECT_EQ(IntroForm->x(), ActForm->x() + (OuterWidth(ActForm) - OuterWidth(IntroForm)) / 2);
    EXPECT_EQ(IntroForm->y(),
              static_cast<int>(ActForm->y() + (OuterHeight(ActForm) - OuterHeight(IntroForm)) * 0.25));
    DestroyApplicationWindows();
  }
}

TEST_F(StartUp, StartWindowLayout) {
  Start(1920, 1080);
  // 888 x 332; the description column at 888 x 0.482 = 428.
  EXPECT_EQ(OuterWidth(IntroForm), 888);
  EXPECT_EQ(OuterHeight(IntroForm), 332);
  EXPECT_EQ(IntroForm->Label6->x(), 428);
  EXPECT_EQ(IntroForm->Image1->height(), 332 - 34);
  EXPECT_EQ(IntroForm->Label4->text(), "Norvalen");
  EXPECT_EQ(IntroForm->Button2->text(), "Uusi kuvio");
  EXPECT_EQ(IntroForm->Button3->text(), "Kuviolista");
  EXPECT_EQ(IntroForm->Button1->text(), "Sulje");
  EXPECT_EQ(IntroForm->Label5->text(), "sovelluksen koko");
  EXPECT_EQ(IntroForm->Label17->text(), "Voit avata kuviolistan tai antaa uuden kuvion tiedot  !");
  EXPECT_EQ(IntroForm->OpenDialog1Filter.right(11), "|*.Norvalen");
  // Lines: Label6.Top + 7 x group + (Label6.Height - 2) x k.
  const QList<QLabel*> lines = IntroForm->DescriptionLines();
  const int step = IntroForm->Label6->height() - 2;
  EXPECT_EQ(lines[3]->y(), IntroForm->Label6->y() + 3 * step);
  EXPECT_EQ(lines[4]->y(), IntroForm->Label6->y() + 7 + 4 * step);
  EXPECT_EQ(lines[8]->y(), IntroForm->Label6->y() + 14 + 8 * step);
  // Nothing leaves the window, nothing overlaps the size list or the buttons.
  const QRect client = IntroForm->rect();
  for (QWidget* w : IntroForm->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(IntroForm) || w->parentWidget() != IntroForm || w == IntroForm->Image1) continue;
    EXPECT_TRUE(client.contains(w->geometry())) << w->objectName().toStdString();
  }
  for (QLabel* l : lines) EXPECT_FALSE(l->geometry().intersects(IntroForm->ListBox1->geometry()));
  EXPECT_LE(IntroForm->Button1->geometry().right(), client.right());
  EXPECT_GE(IntroForm->Button3->y(), IntroForm->Label17->geometry().bottom());
  // Caption buttons 18 pixels high: the picture leaves 29 pixels.
  DestroyApplicationWindows();
  platform::ScreenMetrics m = platform::GetScreenMetrics();
  m.captionButtonHeight = 18;
  platform::SetScreenMetrics(m);
  CreateApplicationWindows();
  EXPECT_EQ(IntroForm->Image1->height(), 332 - 29);
}

TEST_F(StartUp, ChoosingAWindowSize) {
  Start(1366, 768);
  script_.Clear();
  // "suuri" on a screen narrower than 1536 is refused and the list reverts.
  IntroForm->ListBox1Click(0);
  ASSERT_EQ(script_.Count(MessageKind::Notice), 1);
  EXPECT_EQ(script_.Last(MessageKind::Notice).caption, "Sovelluksen koko");
  EXPECT_EQ(script_.Last(MessageKind::Notice).lines.at(0),
            "Lisää näytön kokoa (resoluutiota), jos haluat muuttaa sovelluksen koon suureksi  !");
  EXPECT_EQ(IntroForm->ListBox1->currentRow(), 1);
  EXPECT_EQ(IntroForm->SizeIndex, 1);
  // "pieni" chosen in the list: 1280 x 720 on a 1366 screen, which is wider:
  // 1310 x 708.
  IntroForm->ListBox1->setCurrentRow(2);
  QCoreApplication::processEvents();
  EXPECT_EQ(IntroForm->SizeIndex, 2);
  EXPECT_EQ(ActForm->GetMainWindowSize('x'), 1310);
  EXPECT_EQ(ActForm->GetMainWindowSize('y'), 708);
  // Back to "keski": allowed, 1347 x 728 again; the same entry again does
  // nothing.
  IntroForm->ListBox1Click(1);
  EXPECT_EQ(ActForm->GetMainWindowSize('x'), 1347);
  const long long paused = platform::PausedMilliseconds();
  IntroForm->ListBox1Click(1);
  EXPECT_EQ(platform::PausedMilliseconds(), paused);
  EXPECT_EQ(script_.Count(MessageKind::Notice), 1);
}

TEST_F(StartUp, RefusedSizeClickedWithTheMouseLeavesTheListOnTheSizeInForce) {
  Start(1366, 768);
  script_.Clear();
  // A click on "suuri", as the mouse makes it: press and release on the row.
  QListWidget* list = IntroForm->ListBox1;
  QWidget* viewport = list->viewport();
  const QPoint p = list->visualItemRect(list->item(0)).center();
  QMouseEvent press(QEvent::MouseButtonPress, p, viewport->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, p, viewport->mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(viewport, &press);
  QApplication::sendEvent(viewport, &release);
  QCoreApplication::processEvents();
  ASSERT_EQ(script_.Count(MessageKind::Notice), 1);
  // Refused: the list shows "keski" again, as current and as the selected
  // row, and a later choice of another size still reacts.
  EXPECT_EQ(list->currentRow(), 1);
  ASSERT_EQ(list->selectedItems().size(), 1);
  EXPECT_EQ(list->selectedItems().at(0), list->item(1));
  EXPECT_EQ(IntroForm->SizeIndex, 1);
  list->setCurrentRow(2);
  QCoreApplication::processEvents();
  EXPECT_EQ(IntroForm->SizeIndex, 2);
}

TEST_F(StartUp, LargeChoiceOnAWideScreen) {
  Start(1600, 900);
  IntroForm->ListBox1Click(0);
  EXPECT_EQ(script_.Count(MessageKind::Notice), 1);  // only the settings notice
  EXPECT_EQ(ActForm->GetMainWindowSize('x'), 1429);
  EXPECT_EQ(ActForm->GetMainWindowSize('y'), 752);
}

TEST_F(StartUp, RefusedScreenEndsTheStartAtOnce) {
  for (QSize screen : {QSize(1280, 1070), QSize(1099, 767), QSize(800, 600)}) {
    SCOPED_TRACE(testing::Message() << screen.width() << " x " << screen.height());
    script_.Clear();
    Start(screen.width(), screen.height());
    ASSERT_EQ(script_.Count(MessageKind::SystemBox), 1);
    EXPECT_EQ(script_.Records().size(), 1u);  // nothing after the refusal
    EXPECT_EQ(script_.Last(MessageKind::SystemBox).caption, "Norvalen");
    EXPECT_TRUE(ActForm->Refused());
    EXPECT_FALSE(IntroForm->isVisible());
    EXPECT_TRUE(IntroForm->FirstActivation);
    EXPECT_TRUE(SettingsBytes().isEmpty());
    DestroyApplicationWindows();
  }
  script_.Clear();
  Start(1280, 1070);
  EXPECT_EQ(script_.Last(MessageKind::SystemBox).lines.at(0), "Näytön kuvasuhde tulee olla vähintään 12:10 !");
  DestroyApplicationWindows();
  script_.Clear();
  Start(1099, 767);
  EXPECT_EQ(script_.Last(MessageKind::SystemBox).lines.at(0),
            "Näytön pieni koko (resoluutio) ei mahdollista sovelluksen käynnistämistä   !");
}

TEST_F(StartUp, QuestionedScreens) {
  // 1024 x 768: asked; "Ei" ends the start, "Kyllä" goes on.
  Start(1024, 768);
  EXPECT_EQ(script_.Count(MessageKind::SystemBox), 1);
  EXPECT_TRUE(script_.Last(MessageKind::SystemBox).lines.at(0).startsWith("Suositellaan suurempaa"));
  EXPECT_TRUE(ActForm->Refused());
  EXPECT_TRUE(SettingsBytes().isEmpty());
  DestroyApplicationWindows();
  script_.Clear();
  script_.Answer(1);
  Start(1024, 768);
  EXPECT_TRUE(ActForm->Started());
  EXPECT_EQ(ActForm->GetMainWindowSize('x'), 1024);
  EXPECT_EQ(ActForm->GetMainWindowSize('y'), 700);
  EXPECT_EQ(IntroForm->SizeIndex, -1);
  EXPECT_EQ(SettingsBytes().size(), 188);
  DestroyApplicationWindows();
  // 1100 x 700: no question.
  script_.Clear();
  Start(1100, 700);
  EXPECT_EQ(script_.Count(MessageKind::SystemBox), 0);
  EXPECT_TRUE(ActForm->Started());
  DestroyApplicationWindows();
  // An enlarged system font (menu bar 21 pixels): asked; "Kyllä" goes on.
  script_.Clear();
  script_.Answer(1);
  Start(1920, 1080, 21);
  ASSERT_EQ(script_.Count(MessageKind::SystemBox), 1);
  EXPECT_TRUE(script_.Last(MessageKind::SystemBox).lines.at(0).contains("( 100 % )"));
  EXPECT_TRUE(ActForm->Started());
  // Both questions on a small screen with a large font, the second refused.
  DestroyApplicationWindows();
  script_.Clear();
  script_.Answer(1);
  script_.Answer(2);
  Start(1024, 768, 25);
  EXPECT_EQ(script_.Count(MessageKind::SystemBox), 2);
  EXPECT_TRUE(ActForm->Refused());
}

TEST_F(StartUp, CloseAsksAndEndsOnYes) {
  Start(1920, 1080);
  script_.Clear();
  script_.Answer(2);
  IntroForm->Button1Click();
  ASSERT_EQ(script_.Count(MessageKind::Question), 1);
  const MessageRecord q = script_.Last(MessageKind::Question);
  EXPECT_EQ(q.caption, "Norvalen");
  EXPECT_EQ(q.lines, QStringList({"Haluatko", "sulkea sovelluksen  ?"}));
  EXPECT_EQ(q.yesCaption, "Kyllä");
  EXPECT_EQ(q.closeCaption, "Ei");
  EXPECT_TRUE(IntroForm->isVisible());
  script_.Answer(1);
  IntroForm->Button1Click();
  EXPECT_FALSE(IntroForm->isVisible());
  EXPECT_FALSE(ActForm->isVisible());
}

TEST_F(StartUp, ShowingTheMainWindowRunsTheStartFromTheEventLoop) {
  platform::ScreenMetrics m;
  m.width = 1366;
  m.height = 768;
  platform::SetScreenMetrics(m);
  // A message window runs its own event loop: let posted events run there.
  int starts = 0;
  script_.OnShow([&](const MessageRecord&, QWidget*) {
    QCoreApplication::processEvents();
    ++starts;
  });
  CreateApplicationWindows();
  ActForm->show();
  EXPECT_FALSE(ActForm->Started());  // nothing inside show()
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  EXPECT_TRUE(ActForm->Started());
  EXPECT_TRUE(IntroForm->isVisible());
  EXPECT_FALSE(IntroForm->FirstActivation);
  EXPECT_EQ(script_.Count(MessageKind::Notice), 1);
  EXPECT_EQ(starts, 1);
  EXPECT_EQ(SettingsBytes().size(), 188);
  // Later activations change nothing.
  ActForm->FormActivate();
  IntroForm->FormActivate();
  EXPECT_EQ(script_.Count(MessageKind::Notice), 1);
}

TEST(StartMetrics, MenuBarFollowsTheFontSize) {
  const platform::ScreenMetrics saved = platform::GetScreenMetrics();
  const QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_NE(screen, nullptr);
  ReadScreenMetrics(screen);
  EXPECT_EQ(platform::GetScreenMetrics().width, screen->size().width());
  EXPECT_EQ(platform::GetScreenMetrics().height, screen->size().height());
  platform::SetScreenMetrics(saved);
  EXPECT_EQ(MenuBarHeightForDpi(96), 20);
  EXPECT_EQ(MenuBarHeightForDpi(120), 25);
  EXPECT_EQ(MenuBarHeightForDpi(0), 20);
}

TEST_F(StartUp, NoWindowShowsTheUnknownNumberText) {
  // No window shows the text tables' unknown-number text "error !",
  // neither in its controls nor in the messages it raises.
  Start(1366, 768);
  ASSERT_TRUE(ActForm->Started());
  // The start window: its nine description lines, the hint line inviting to
  // open a stand list (the start-window table's 27), the size list.
  ExpectNoUnknownText(IntroForm);
  EXPECT_EQ(IntroForm->Label17->text(), "Voit avata kuviolistan tai antaa uuden kuvion tiedot  !");
  // The size choice refused on this screen, and the close question.
  IntroForm->ListBox1Click(0);
  script_.Answer(2);
  IntroForm->Button1Click();
  // The main window as a stand activation leaves it.
  IntroForm->hide();
  ActForm->ArrangeMainWindow(true);
  ActForm->SetStartupPanelsVisibility(true);
  ActForm->UpdateView(2);
  ExpectNoUnknownText(ActForm);
  // The settings windows, and their close questions for a changed page.
  for (QDialog* w : {static_cast<QDialog*>(SettForm), static_cast<QDialog*>(SettForm1),
                     static_cast<QDialog*>(SettForm2)}) {
    ExpectNoUnknownText(w);
  }
  for (int page = 1; page <= 3; ++page) SettForm->AskSaveSettingsOnClose(true, 2, page);
  SettForm2->CheckBox6->click();
  // The about box and every message raised on the way.
  ExpectNoUnknownText(AboutBox);
  ASSERT_GE(script_.Records().size(), 6u);
  for (const MessageRecord& r : script_.Records()) {
    EXPECT_FALSE(r.Text().contains("error")) << r.Text().toStdString();
    EXPECT_FALSE(r.yesCaption.contains("error"));
    EXPECT_FALSE(r.closeCaption.contains("error"));
  }
}
