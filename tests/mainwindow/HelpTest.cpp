// The help window through its controls: opened from the help menu, a topic
// chosen in the tree, a relascope on the second page, and a fresh window at
// every opening.
#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "mainwindow/Acts.h"
#include "mainwindow/Help.h"
#include "platform/Screen.h"
#include "stands/IntroStartup.h"
#include "tests/support/Shots.h"
#include "tests/support/TempDir.h"
#include "texts/Helplan.h"
#include "ui/MessageService.h"
#include "ui/WindowHelpers.h"

namespace {

class HelpWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    saved_ = platform::GetScreenMetrics();
    platform::SetScreenMetrics({.width = 1366, .height = 768});
    CreateApplicationWindows();
  }
  void TearDown() override {
    DestroyApplicationWindows();
    platform::SetScreenMetrics(saved_);
  }
  // Opens the window from the help menu, runs the action in it, then closes
  // it with its close button.
  void WithHelpOpen(const std::function<void()>& action) {
    QTimer::singleShot(0, [&] {
      action();
      QTest::mouseClick(HelpDlg->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    });
    ActForm->M31->trigger();
  }
  void ClickItem(QTreeWidget* tree, QTreeWidgetItem* item) {
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
  }
  QTreeWidgetItem* Node(QTreeWidget* tree, const QString& title) {
    const auto found = tree->findItems(title, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
  }
  platform::ScreenMetrics saved_;
  MessageScript script_;
};

}  // namespace

TEST_F(HelpWindow, TopicsAndConceptsChosenThroughTheControls) {
  WithHelpOpen([&] {
    auto* tree = HelpDlg->findChild<QTreeWidget*>("TreeView1");
    auto* memo = HelpDlg;
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->topLevelItemCount(), 8);
    EXPECT_TRUE(memo->MemoLines().isEmpty());
    // A parent shows its own one-line topic, not its children's.
    ClickItem(tree, Node(tree, "Toimenpidepainikkeet"));
    EXPECT_EQ(memo->MemoLines(), HelpTopicLines("Toimenpidepainikkeet"));
    tree->expandAll();
    ClickItem(tree, Node(tree, "Käytävä"));
    EXPECT_TRUE(memo->MemoLines().value(0).contains("vähintään 1600 runkoa/ha"));
    ClickItem(tree, Node(tree, "Perusasetukset"));
    EXPECT_EQ(memo->MemoLines(), QStringList{""});
    ClickItem(tree, Node(tree, "Yleistä"));
    const QStringList general = memo->MemoLines();
    ASSERT_EQ(general.size(), 7);
    EXPECT_TRUE(general.at(0).startsWith("Norvalen on monipuolinen"));
    EXPECT_EQ(general.at(6), HelpDisclaimer());
    ClickItem(tree, Node(tree, "Uudistushakkuu"));
    EXPECT_EQ(memo->MemoLines().size(), 11);
    HelpDlg->grab().save(testsupport::ShotPath("help-topic.png"));

    // The relascopes page.
    auto* pages = HelpDlg->findChild<QTabWidget*>("PageControl1");
    QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(1).center());
    ASSERT_EQ(pages->currentIndex(), 1);
    EXPECT_TRUE(memo->MemoLines().isEmpty());
    auto* list = HelpDlg->findChild<QListWidget*>("ListBox1");
    QListWidgetItem* relascope = list->findItems("Relaskooppi", Qt::MatchExactly).first();
    list->scrollToItem(relascope);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(relascope).center());
    EXPECT_EQ(memo->MemoLines(), QStringList{HelpConceptText("Relaskooppi")});
    HelpDlg->grab().save(testsupport::ShotPath("help-concept.png"));
    // Back on the topics page the chosen topic shows again.
    QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(0).center());
    EXPECT_EQ(memo->MemoLines().size(), 11);
  });
  // Opened again: the first page, nothing chosen, an empty memo.
  WithHelpOpen([&] {
    EXPECT_EQ(HelpDlg->PageControl1->currentIndex(), 0);
    EXPECT_EQ(HelpDlg->TreeView1->currentItem(), nullptr);
    EXPECT_EQ(HelpDlg->ListBox1->currentRow(), -1);
    EXPECT_TRUE(HelpDlg->MemoLines().isEmpty());
    EXPECT_EQ(HelpDlg->windowTitle(), " Ohjeita käyttäjälle");
  });
}
