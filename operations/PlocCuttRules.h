#pragma once
// The selection cutting dialog's rules without a widget: the removal list,
// the picture captions, the operation name and line, the explanation text
// and the stem-count question.

#include <QString>
#include <QStringList>

#include <vector>

// The removal choices for a growing stock of V m3/ha: "0" (no cutting) and
// then first, first + step, ... as long as the removal stays below
// (V - 40) x f, at most 11 (V < 200) or 13 removals.
struct SelectionRemovalList {
  int first = 0;
  int step = 0;
  std::vector<int> values;  // values[0] = 0
  QStringList items;
  int columns = 0;
};
SelectionRemovalList BuildSelectionRemovalChoices(int volume);

// The picture captions (remaining, removal) for item i. stepsAfterStart:
// the current phase is exactly one step after slot a; gapOrSelection: that
// step is a selection or small-gap cutting.
struct SelectionCaptions {
  QString remaining;
  QString removal;
};
SelectionCaptions SelectionCaptionsFor(int item, bool oneStepAfterStart, bool gapOrSelection);

// The name of the trial phase: "poimintahakkuu" ("poimintahakkuu+" with
// more weight on large trees) and this cutting's removal, or the request to
// choose a removal when nothing is cut.
QString SelectionName(bool cut, bool heavy, int removal);
// The operation line (not yet lower-cased): beside an earlier cutting
// (removal so far S >= 1) that cutting and S first.
QString SelectionMessage(const QString& name, bool cut, int removalSoFar, bool gapOrSelectionBefore);

// The explanation at the top; with the requirements line when they fail.
QString SelectionExplanation(bool requirementsFail);

// The two lines of the stem-count question after a cutting that leaves n
// stems/ha; the selection flag chooses the advice of the second line.
QStringList StemCountQuestionLines(bool selection, int stems);
// More than this many stems/ha left after a cutting is asked about.
constexpr int kStemCountQuestionLimit = 1000;
