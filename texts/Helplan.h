#pragma once
// The help window's texts: the topic tree with a text for every node, and
// the forestry concepts with a one-line definition each.

#include <QString>
#include <QStringList>
#include <vector>

// One node of the topic tree: its title and its depth (0 for a root).
struct HelpTopicNode {
  QString title;
  int depth = 0;
};
// The topic tree in the order shown, parents before their children.
const std::vector<HelpTopicNode>& HelpTopicTree();

// The lines of the topic with this exact title (an empty string is an empty
// line of the text); the single line "error" for an unknown title. The
// general topic "Yleistä" is built from the start window's three
// introduction paragraphs given here.
QStringList HelpTopicLines(const QString& title, const QStringList& introParagraphs = {});

// The concept names in list order, the last one empty.
QStringList HelpConceptNames();
// The one-line definition of a concept; "Huti" for a name without one.
QString HelpConceptText(const QString& name);

// The disclaimer that ends the general topic.
QString HelpDisclaimer();
