// The help window through its controls: opened from the help menu, a topic
// chosen in the tree, a relascope on the second page, and a fresh window at
// every opening.
#include <QTreeWidget>

#include "mainwindow/Help.h"
#include "tests/support/MainWindowFixture.h"
#include "texts/Helplan.h"

using namespace testsupport;

namespace {

class HelpWindow : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    StartProgram();
  }
  // Opens the window from the help menu, runs the action in it, then closes
  // it with its close button.
  static void WithHelpOpen(const std::function<void()>& action) {
    EXPECT_TRUE(InModal("HelpDlg", [&] {
      action();
      Click(Child(HelpDlg, "Button1"));
    }, [] { ActForm->M31->trigger(); }));
  }
  static void ClickNode(QTreeWidget* tree, const QString& title) {
    const auto found = tree->findItems(title, Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_FALSE(found.isEmpty()) << title.toStdString();
    tree->scrollToItem(found.first());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(found.first()).center());
  }
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
    ClickNode(tree, "Toimenpidepainikkeet");
    EXPECT_EQ(memo->MemoLines(), HelpTopicLines("Toimenpidepainikkeet"));
    tree->expandAll();
    ClickNode(tree, "Käytävä");
    EXPECT_TRUE(memo->MemoLines().value(0).contains("vähintään 1600 runkoa/ha"));
    ClickNode(tree, "Perusasetukset");
    EXPECT_EQ(memo->MemoLines(), QStringList{""});
    ClickNode(tree, "Yleistä");
    const QStringList general = memo->MemoLines();
    ASSERT_EQ(general.size(), 7);
    EXPECT_TRUE(general.at(0).startsWith("Norvalen on monipuolinen"));
    EXPECT_EQ(general.at(6), HelpDisclaimer());
    ClickNode(tree, "Uudistushakkuu");
    EXPECT_EQ(memo->MemoLines().size(), 11);
    Shot(HelpDlg, "help-topic.png");

    // The relascopes page.
    auto* pages = HelpDlg->findChild<QTabWidget*>("PageControl1");
    ClickTab(pages, pages->widget(1));
    // The memo shows the concept of the list's current row, if any (the
    // list takes the focus and with it a current row).
    auto* list = HelpDlg->findChild<QListWidget*>("ListBox1");
    EXPECT_EQ(memo->MemoLines(),
              list->currentItem() ? QStringList{HelpConceptText(list->currentItem()->text())} : QStringList{});
    ClickRow(list, list->row(list->findItems("Relaskooppi", Qt::MatchExactly).value(0)));
    EXPECT_EQ(memo->MemoLines(), QStringList{HelpConceptText("Relaskooppi")});
    Shot(HelpDlg, "help-concept.png");
    // Back on the topics page the chosen topic shows again.
    ClickTab(pages, pages->widget(0));
    EXPECT_EQ(memo->MemoLines().size(), 11);
  });
  // Opened again: the first page, nothing chosen, an empty memo.
  WithHelpOpen([&] {
    EXPECT_EQ(std::tuple(HelpDlg->PageControl1->currentIndex(), HelpDlg->TreeView1->currentItem(),
                         HelpDlg->ListBox1->currentRow(), HelpDlg->MemoLines(), HelpDlg->windowTitle()),
              std::tuple(0, nullptr, -1, QStringList{}, QString(" Ohjeita käyttäjälle")));
  });
}
