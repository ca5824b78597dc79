// The help window through its controls: opened from the help menu, a topic
// chosen in the tree, a relascope on the second page, and a fresh window at
// every opening.
#include <QTreeWidget>

#include "mainwindow/Help.h"
#include "tests/support/MainWindowFixture.h"
#include "texts/Helplan.h"

using namespace testsupport;

namespace {

using HelpWindow = MainWindowTest;

// Opens the window from the help menu, runs the action in it, then closes
// it with its close button.
void WithHelpOpen(const std::function<void()>& action) {
  EXPECT_TRUE(InModal("HelpDlg", [&] {
    action();
    Click(Child(HelpDlg, "Button1"));
  }, [] { ActForm->M31->trigger(); }));
}
// A click on the topic of that title; the memo's lines then.
QStringList ClickTopic(const QString& title) {
  QTreeWidget* tree = HelpDlg->TreeView1;
  const auto found = tree->findItems(title, Qt::MatchExactly | Qt::MatchRecursive);
  EXPECT_FALSE(found.isEmpty()) << title.toStdString();
  if (found.isEmpty()) return {};
  tree->scrollToItem(found.first());
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(found.first()).center());
  return HelpDlg->MemoLines();
}

}  // namespace

TEST_F(HelpWindow, TopicsAndConceptsChosenThroughTheControls) {
  StartProgram();
  WithHelpOpen([&] {
    EXPECT_EQ(std::pair(HelpDlg->TreeView1->topLevelItemCount(), HelpDlg->MemoLines()), std::pair(8, QStringList{}));
    // A parent shows its own one-line topic, not its children's.
    EXPECT_EQ(ClickTopic("Toimenpidepainikkeet"), HelpTopicLines("Toimenpidepainikkeet"));
    HelpDlg->TreeView1->expandAll();
    EXPECT_TRUE(ClickTopic("Käytävä").value(0).contains("vähintään 1600 runkoa/ha"));
    EXPECT_EQ(ClickTopic("Perusasetukset"), QStringList{""});
    const QStringList general = ClickTopic("Yleistä");
    ASSERT_EQ(general.size(), 7);
    EXPECT_TRUE(general.at(0).startsWith("Norvalen on monipuolinen"));
    EXPECT_EQ(general.at(6), HelpDisclaimer());
    EXPECT_EQ(ClickTopic("Uudistushakkuu").size(), 11);
    Shot(HelpDlg, "help-topic.png");

    // The relascopes page: the memo shows the concept of the list's current
    // row, if any (the list takes the focus and with it a current row).
    QTabWidget* pages = HelpDlg->PageControl1;
    ClickTab(pages, pages->widget(1));
    QListWidget* list = HelpDlg->ListBox1;
    EXPECT_EQ(HelpDlg->MemoLines(),
              list->currentItem() ? QStringList{HelpConceptText(list->currentItem()->text())} : QStringList{});
    ClickRow(list, list->row(list->findItems("Relaskooppi", Qt::MatchExactly).value(0)));
    EXPECT_EQ(HelpDlg->MemoLines(), QStringList{HelpConceptText("Relaskooppi")});
    Shot(HelpDlg, "help-concept.png");
    // Back on the topics page the chosen topic shows again.
    ClickTab(pages, pages->widget(0));
    EXPECT_EQ(HelpDlg->MemoLines().size(), 11);
  });
  // Opened again: the first page, nothing chosen, an empty memo.
  WithHelpOpen([&] {
    EXPECT_EQ(std::tuple(HelpDlg->PageControl1->currentIndex(), HelpDlg->TreeView1->currentItem(),
                         HelpDlg->ListBox1->currentRow(), HelpDlg->MemoLines(), HelpDlg->windowTitle()),
              std::tuple(0, nullptr, -1, QStringList{}, QString(" Ohjeita käyttäjälle")));
  });
}
