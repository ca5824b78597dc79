// Every text that the windows of the start-up path show comes from a text
// table entry that exists: no window shows the tables' unknown-number text
// "error !", neither in its controls nor in the messages it raises.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <QTextEdit>
#include <gtest/gtest.h>

#include "mainwindow/Acts.h"
#include "model/Settings.h"
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

class WindowTexts : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    saved_ = platform::GetScreenMetrics();
    savedFolder_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder_.path()));
    platform::ScreenMetrics m;
    m.width = 1366;
    m.height = 768;
    platform::SetScreenMetrics(m);
  }
  void TearDown() override {
    DestroyApplicationWindows();
    QDir::setCurrent(savedFolder_);
    model::SetSettingsFolder(savedFolder_);
    platform::SetScreenMetrics(saved_);
  }
  testsupport::TempDir folder_;
  MessageScript script_;
  platform::ScreenMetrics saved_;
  QString savedFolder_;
};

}  // namespace

TEST_F(WindowTexts, NoWindowShowsTheUnknownNumberText) {
  CreateApplicationWindows();
  ActForm->show();
  ActForm->FormActivate();
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
