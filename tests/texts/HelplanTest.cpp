// The help texts: every topic of the tree has its text with its number of
// lines, the built topics, and the concepts answer with their definitions.
#include <gtest/gtest.h>

#include "texts/Helplan.h"

TEST(HelpTexts, EveryTopicHasItsNumberOfLines) {
  const std::map<QString, int> lineCounts = {
      {"Yleistä", 7}, {"Järjestelmäsuositukset", 3}, {"Sovelluksen poistaminen", 2}, {"Täsmäohjeet", 2},
      {"Uudistushakkuu", 11}, {"Ajourat", 5}, {"Uusi", 3}, {"Kasvatus", 3}};
  int nodes = 0, roots = 0;
  for (const HelpTopicNode& node : HelpTopicTree()) {
    ++nodes;
    roots += node.depth == 0;
    const QStringList lines = HelpTopicLines(node.title, {"a", "b", "c"});
    const auto it = lineCounts.find(node.title);
    EXPECT_EQ(lines.size(), it == lineCounts.end() ? 1 : it->second) << node.title.toStdString();
    EXPECT_NE(lines.value(0), "error") << node.title.toStdString();
    // Every text but the one empty line of the basic settings says something.
    if (node.title != "Perusasetukset") {
      EXPECT_GT(lines.join("").size(), 10) << node.title.toStdString();
    }
  }
  EXPECT_EQ(std::pair(nodes, roots), std::pair(39, 8));
  EXPECT_EQ(HelpTopicLines("Perusasetukset"), QStringList{""});
  EXPECT_EQ(HelpTopicLines("yleistä"), QStringList{"error"});
  EXPECT_EQ(HelpTopicLines(""), QStringList{"error"});
}

TEST(HelpTexts, BuiltTopics) {
  // The general topic holds the introduction's paragraphs, each followed by
  // an empty line, and the disclaimer; the corridor topic is the corridor
  // thinning window's help.
  EXPECT_EQ(HelpTopicLines("Yleistä", {"eka ", "toka ", "kolmas "}),
            (QStringList{"eka ", "", "toka ", "", "kolmas ", "", HelpDisclaimer()}));
  EXPECT_TRUE(HelpTopicLines("Käytävä").at(0).contains("vähintään 1600 runkoa/ha"));
  // The system needs named as this program really needs them.
  EXPECT_TRUE(HelpTopicLines("Järjestelmäsuositukset").at(0).contains("Linux"));
}

TEST(HelpTexts, ConceptsWithDefinitions) {
  const QStringList names = HelpConceptNames();
  ASSERT_EQ(names.size(), 52);
  EXPECT_EQ(names.first(), "Ajoura");
  EXPECT_EQ(names.at(50), "Yläharvennus");
  EXPECT_EQ(names.last(), "");
  EXPECT_EQ(names.indexOf("Päätehakkuu") + 1, names.indexOf("Pohjapinta-ala"));
  for (const QString& name : names.mid(0, 51)) EXPECT_NE(HelpConceptText(name), "Huti") << name.toStdString();
  EXPECT_EQ(HelpConceptText(""), "Huti");
  EXPECT_EQ(HelpConceptText("Uudistushakkuu"), HelpConceptText("Päätehakkuu"));
}
