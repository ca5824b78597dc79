// The start of the program: the windows in their order, the main window's
// first activation with its screen test, the start window's first activation
// with the settings and the window sizes, and the size choice.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

#include "tests/support/ProgramWindows.h"
#include "stands/Meas.h"
#include "ui/AboutDlg.h"
#include "stands/Settings.h"
#include "stands/Settings1.h"
#include "stands/Settings2.h"
#include "ui/Session.h"

namespace {

// Every text a window shows: its caption, the text, title or plain text of
// every control, label, menu and action, tabs, list and combo items.
QStringList ShownTexts(QWidget* window) {
  QStringList texts{window->windowTitle()};
  for (QObject* o : window->findChildren<QObject*>())
    for (const char* name : {"text", "title", "plainText"})
      if (o->property(name).isValid()) texts << o->property(name).toString();
  for (QTabWidget* t : window->findChildren<QTabWidget*>())
    for (int i = 0; i < t->count(); ++i) texts << t->tabText(i);
  for (QListWidget* l : window->findChildren<QListWidget*>()) texts << testsupport::Rows(l);
  for (QComboBox* c : window->findChildren<QComboBox*>())
    for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
  return texts;
}

// The unknown-number text, also in capitals as the menus show their texts.
void ExpectNoUnknownText(QWidget* window) {
  for (const QString& t : ShownTexts(window))
    EXPECT_FALSE(t.contains("error", Qt::CaseInsensitive))
        << window->objectName().toStdString() << ": " << t.toStdString();
}

class StartUp : public testsupport::ProgramWindowsTest {
 protected:
  static QSize MainSize() { return QSize(ActForm->GetMainWindowSize('x'), ActForm->GetMainWindowSize('y')); }
  QByteArray SettingsBytes() const { return testsupport::FileBytes(folder_.file("Settings.dat")); }
};

}  // namespace

TEST_F(StartUp, EveryWindowOnceInItsOrder) {
  const QStringList names = CreateApplicationWindows();
  EXPECT_EQ(names, QString("ActForm IntroForm AboutBox AgesForm AskForm ClearForm dbRapForm ErrorForm FolderForm "
                           "GateForm GraphForm HelpDlg IncForm IncForm1 InfoForm MapForm MeasForm MsgForm "
                           "NewFrstForm OpenForm PlocCuttForm ProgBarForm RapForm RoadForm SettForm SettForm1 "
                           "SettForm2 Th1Form Th4Form TradeForm")
                       .split(' '));
  // Nothing happens before the event loop: no file, no message.
  EXPECT_TRUE(SettingsBytes().isEmpty());
  EXPECT_TRUE(script_.Records().empty());
  EXPECT_TRUE(IntroForm->windowTitle().isEmpty());
}

TEST_F(StartUp, FirstStartRunsOnceFromTheEventLoopAndWritesTheSettingsAfterTheNotice) {
  platform::SetScreenMetrics({.width = 1920, .height = 1080});
  // 250 ms when the main window is placed at start, then half a second
  // before the start window is shown, then 50 ms when the measurement
  // window's view panel is set, the start window up.
  std::vector<std::pair<int, bool>> pauses;  // (ms, start window up)
  platform::SetPauseFunction([&](int ms) { pauses.emplace_back(ms, IntroForm && IntroForm->isVisible()); });
  // A message window runs its own event loop: let posted events run there.
  int shown = 0;
  bool fileAtNotice = true;
  script_.OnShow([&](const MessageRecord& r, QWidget*) {
    if (r.kind == MessageKind::Notice) fileAtNotice = QFile::exists(folder_.file("Settings.dat"));
    QCoreApplication::processEvents();
    ++shown;
  });
  CreateApplicationWindows();
  ActForm->show();
  EXPECT_FALSE(ActForm->Started());  // nothing inside show()
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  platform::SetPauseFunction([](int) {});
  ASSERT_TRUE(ActForm->Started());
  EXPECT_EQ(pauses, (std::vector<std::pair<int, bool>>{{250, false}, {500, false}, {50, true}}));
  // The measurement window without its stand view, over the start window.
  EXPECT_EQ(std::pair(MeasForm->pos(), MeasForm->Image3->isHidden()),
            std::pair(IntroForm->pos() + QPoint(8, 8), true));
  // One notice, captioned "Tiedote", before the file existed.
  EXPECT_EQ(shown, 1);
  ASSERT_EQ(script_.Count(MessageKind::Notice), 1);
  EXPECT_EQ(QStringList{script_.Last(MessageKind::Notice).caption} + script_.Last(MessageKind::Notice).lines,
            QStringList({"Tiedote", "puuttuva tiedosto korvataan uudella Settings.dat"}));
  EXPECT_FALSE(fileAtNotice);
  const QByteArray bytes = SettingsBytes();
  EXPECT_EQ(bytes.size(), 188);
  EXPECT_EQ(bytes, model::SettingsToBytes(model::CurrentSettings()));
  EXPECT_EQ(TheSession->ProgramFolder, QDir::currentPath());
  EXPECT_EQ(ProgramParentFolder(), QFileInfo(folder_.path()).absolutePath());
  EXPECT_TRUE(EstatesFolder().endsWith("/Metsätilat"));
  // The start window is up, the main window captioned with the program title
  // but disabled, its panels hidden.
  EXPECT_EQ(QStringList({IntroForm->windowTitle(), ActForm->windowTitle()}),
            QStringList({" Kuviolistan avaus / uusi metsikkökuvio", " Norvalen"}));
  EXPECT_EQ(std::tuple(IntroForm->isVisible(), IntroForm->Image1->isVisible(), IntroForm->FirstActivation),
            std::tuple(true, true, false));
  EXPECT_EQ(std::tuple(ActForm->isEnabled(), ActForm->Panel1->isVisible(), ActForm->PageControl2->isVisible()),
            std::tuple(false, false, false));
  // Later activations change nothing; a second start reads the file without
  // a word.
  ActForm->FormActivate();
  IntroForm->FormActivate();
  EXPECT_EQ(script_.Count(MessageKind::Notice), 1);
  DestroyApplicationWindows();
  script_.Clear();
  Start(1920, 1080);
  EXPECT_EQ(script_.Count(MessageKind::Notice), 0);
}

TEST_F(StartUp, WindowSizesOfferedByTheScreenOrTheStartRefused) {
  // yes: questions answered "Kyllä"; boxes: the system message boxes, the
  // first one's line starting or (accepted) containing `line`; item: the size
  // in force, smallest: the largest size allowed. A refused start shows
  // nothing after its refusal and writes no settings.
  const QString small = "Näytön pieni koko (resoluutio) ei mahdollista sovelluksen käynnistämistä   !";
  struct Case {
    int w, h, menuBar, yes, boxes;
    QString line;
    bool refused;
    int mainW = 0, mainH = 0, item = -1, smallest = -1;
  } cases[] = {
      {1920, 1080, 20, 0, 0, "", false, 1429, 752, 0, 0},  // "suuri"
      {1366, 768, 20, 0, 0, "", false, 1347, 728, 1, 1},   // "keski", narrower than 1536: no "suuri"
      {1600, 900, 20, 0, 0, "", false, 1347, 728, 1, 0},   // "keski", but "suuri" may be chosen
      {1280, 720, 20, 0, 0, "", false, 1266, 700, 2, 2},   // "pieni"
      // 1200 wide or less: no list; 1100 x 700 without a question, 1024 x
      // 768 after the small-screen one.
      {1200, 1000, 20, 0, 0, "", false, 1200, 675, -1, -1},
      {1100, 700, 20, 0, 0, "", false, 1100, 700, -1, -1},
      {1024, 768, 20, 1, 1, "Suositellaan suurempaa", false, 1024, 700, -1, -1},
      // An enlarged system font (menu bar 21 pixels) is asked about.
      {1920, 1080, 21, 1, 1, "( 100 % )", false, 1429, 752, 0, 0},
      {1280, 1070, 20, 0, 1, "Näytön kuvasuhde tulee olla vähintään 12:10 !", true},
      {1099, 767, 20, 0, 1, small, true},
      {800, 600, 20, 0, 1, small, true},
      // The small-screen question closed ("Ei"); a small screen with a large
      // font: the first question accepted, the second not.
      {1024, 768, 20, 0, 1, "Suositellaan suurempaa", true},
      {1024, 768, 25, 1, 2, "Suositellaan suurempaa", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << ", menu bar " << c.menuBar);
    QFile::remove(folder_.file("Settings.dat"));
    script_.Clear();
    for (int i = 0; i < c.yes; ++i) script_.Answer(1);
    Start(c.w, c.h, c.menuBar);
    ASSERT_EQ(script_.Count(MessageKind::SystemBox), c.boxes);
    if (c.boxes > 0) {
      EXPECT_EQ(script_.Records().at(0).caption, "Norvalen");
      EXPECT_TRUE(script_.Records().at(0).lines.at(0).startsWith(c.line) ||
                  (!c.refused && script_.Records().at(0).lines.at(0).contains(c.line)));
    }
    if (c.refused) {
      EXPECT_EQ(script_.Records().size(), size_t(c.boxes));  // nothing after the refusal
      EXPECT_EQ(
          std::tuple(ActForm->Refused(), IntroForm->isVisible(), IntroForm->FirstActivation, SettingsBytes()),
          std::tuple(true, false, true, QByteArray()));
      DestroyApplicationWindows();
      continue;
    }
    EXPECT_TRUE(ActForm->Started());
    EXPECT_EQ(SettingsBytes().size(), 188);
    EXPECT_EQ(MainSize(), QSize(c.mainW, c.mainH));
    // The window is the computed size less the menu bar, centred.
    EXPECT_EQ(QSize(OuterWidth(ActForm), OuterHeight(ActForm)), QSize(c.mainW, c.mainH - c.menuBar));
    EXPECT_EQ(ActForm->x(), (c.w - c.mainW) / 2);
    EXPECT_EQ(std::pair(IntroForm->ListBox1->isVisibleTo(IntroForm), IntroForm->Label5->isVisibleTo(IntroForm)),
              std::pair(c.item >= 0, c.item >= 0));
    EXPECT_EQ(std::tuple(IntroForm->ListBox1->currentRow(), IntroForm->SizeIndex, IntroForm->SmallestSizeIndex),
              std::tuple(c.item, c.item, c.smallest));
    // Where "suuri" may be chosen it is taken without a word.
    if (c.smallest == 0 && c.item > 0) {
      IntroForm->ListBox1Click(0);
      EXPECT_EQ(script_.Count(MessageKind::Notice), 1);  // only the settings notice
      EXPECT_EQ(MainSize(), QSize(1429, 752));
    }
    // The start window over the main window: centred across, a quarter of
    // the free height down.
    EXPECT_EQ(IntroForm->pos(),
              QPoint(ActForm->x() + (OuterWidth(ActForm) - OuterWidth(IntroForm)) / 2,
                     static_cast<int>(ActForm->y() + (OuterHeight(ActForm) - OuterHeight(IntroForm)) * 0.25)));
    DestroyApplicationWindows();
  }
}

TEST_F(StartUp, StartWindowLayout) {
  Start(1920, 1080);
  // 888 x 332; the description column at 888 x 0.482 = 428.
  EXPECT_EQ(QSize(OuterWidth(IntroForm), OuterHeight(IntroForm)), QSize(888, 332));
  EXPECT_EQ(IntroForm->Label6->x(), 428);
  EXPECT_EQ(IntroForm->Image1->height(), 332 - 34);
  EXPECT_EQ((QStringList{IntroForm->Label4->text(), IntroForm->Button2->text(), IntroForm->Button3->text(),
                         IntroForm->Button1->text(), IntroForm->Label5->text(), IntroForm->Label17->text(),
                         IntroForm->OpenDialog1Filter.right(11)}),
            (QStringList{"Norvalen", "Uusi kuvio", "Kuviolista", "Sulje", "sovelluksen koko",
                         "Voit avata kuviolistan tai antaa uuden kuvion tiedot  !", "|*.Norvalen"}));
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
  EXPECT_GE(IntroForm->Button3->y(), IntroForm->Label17->geometry().bottom());
  // Caption buttons 18 pixels high: the picture leaves 29 pixels.
  DestroyApplicationWindows();
  platform::SetScreenMetrics({.width = 1920, .height = 1080, .captionButtonHeight = 18});
  CreateApplicationWindows();
  EXPECT_EQ(IntroForm->Image1->height(), 332 - 29);
}

TEST_F(StartUp, ChoosingAWindowSizeAndClosing) {
  Start(1366, 768);
  script_.Clear();
  // A click on "suuri".
  QListWidget* list = IntroForm->ListBox1;
  testsupport::ClickRow(list, 0);
  QCoreApplication::processEvents();
  // Refused on a screen narrower than 1536: the list shows "keski" again, as
  // current and as the selected row.
  ASSERT_EQ(script_.Count(MessageKind::Notice), 1);
  EXPECT_EQ(QStringList{script_.Last(MessageKind::Notice).caption} + script_.Last(MessageKind::Notice).lines,
            QStringList({"Sovelluksen koko",
                         "Lisää näytön kokoa (resoluutiota), jos haluat muuttaa sovelluksen koon suureksi  !"}));
  EXPECT_EQ(std::pair(list->currentRow(), IntroForm->SizeIndex), std::pair(1, 1));
  EXPECT_EQ(list->selectedItems(), QList<QListWidgetItem*>{list->item(1)});
  // A later choice still reacts: "pieni", 1280 x 720 on a 1366 screen, which
  // is wider: 1310 x 708.
  testsupport::ClickRow(list, 2);
  QCoreApplication::processEvents();
  EXPECT_EQ(IntroForm->SizeIndex, 2);
  EXPECT_EQ(MainSize(), QSize(1310, 708));
  // Back to "keski": allowed, 1347 x 728 again; the same entry again does
  // nothing.
  IntroForm->ListBox1Click(1);
  EXPECT_EQ(MainSize(), QSize(1347, 728));
  const long long paused = platform::PausedMilliseconds();
  IntroForm->ListBox1Click(1);
  EXPECT_EQ(platform::PausedMilliseconds(), paused);
  EXPECT_EQ(script_.Count(MessageKind::Notice), 1);
  // The close button asks; "Ei" keeps the program, "Kyllä" ends it.
  script_.Answer(2);
  testsupport::Click(IntroForm->Button1);
  ASSERT_EQ(script_.Count(MessageKind::Question), 1);
  const MessageRecord q = script_.Last(MessageKind::Question);
  EXPECT_EQ((QStringList{q.caption, q.yesCaption, q.closeCaption} + q.lines),
            (QStringList{"Norvalen", "Kyllä", "Ei", "Haluatko", "sulkea sovelluksen  ?"}));
  EXPECT_TRUE(IntroForm->isVisible());
  script_.Answer(1);
  testsupport::Click(IntroForm->Button1);
  EXPECT_EQ(std::pair(IntroForm->isVisible(), ActForm->isVisible()), std::pair(false, false));
}

TEST(StartMetrics, ScreenSizeAndMenuBarFromTheScreen) {
  const platform::ScreenMetrics saved = platform::GetScreenMetrics();
  const QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_NE(screen, nullptr);
  ReadScreenMetrics(screen);
  const QSize read(platform::GetScreenMetrics().width, platform::GetScreenMetrics().height);
  platform::SetScreenMetrics(saved);
  EXPECT_EQ(read, screen->size());
  // 20 pixels at 96 dpi, scaled and rounded (120 dpi: 25); no dpi: 20.
  for (auto [dpi, height] : {std::pair{96.0, 20}, {120.0, 25}, {0.0, 20}})
    EXPECT_EQ(MenuBarHeightForDpi(dpi), height) << dpi;
}

TEST_F(StartUp, NoWindowShowsTheUnknownNumberText) {
  // No window shows the text tables' unknown-number text "error !",
  // neither in its controls nor in the messages it raises.
  Start(1366, 768);
  ASSERT_TRUE(ActForm->Started());
  // The start window: its nine description lines, the hint line inviting to
  // open a stand list, the size list.
  ExpectNoUnknownText(IntroForm);
  // The size choice refused on this screen, and the close question.
  IntroForm->ListBox1Click(0);
  script_.Answer(2);
  testsupport::Click(IntroForm->Button1);
  // The main window as a stand activation leaves it.
  IntroForm->hide();
  ActForm->ArrangeMainWindow(true);
  ActForm->SetStartupPanelsVisibility(true);
  ActForm->UpdateView(2);
  ExpectNoUnknownText(ActForm);
  // The settings windows, and their close questions for a changed page.
  for (QWidget* w : std::initializer_list<QWidget*>{SettForm, SettForm1, SettForm2}) ExpectNoUnknownText(w);
  for (int page = 1; page <= 3; ++page) AskSaveSettingsOnClose(true, 2, page);
  SettForm2->CheckBox6->click();
  // The about box and every message raised on the way.
  ExpectNoUnknownText(AboutBox);
  ASSERT_GE(script_.Records().size(), 6u);
  for (const MessageRecord& r : script_.Records()) {
    const QString all = r.Text() + "|" + r.yesCaption + "|" + r.closeCaption;
    EXPECT_FALSE(all.contains("error", Qt::CaseInsensitive)) << all.toStdString();
  }
}
