#pragma once
// The kinds of the recorded steps and the contents of the stand card, as
// plain functions (no widget): the phase texts, the kind word cut from an
// operation text, and the rows, bars and geometry of the card.

#include <QString>

#include <vector>

class data;

// The word that names the kind of an operation text: the text up to its
// first blank, or up to an earlier comma ("avohakkuu, säästöpuita ..." gives
// "avohakkuu"). A text without a blank is one word. A word found within
// "puulajin poisto" stands for the whole species-removal name. The case of
// the text is kept.
QString OperationKindWord(const QString& text);

// The lower-case kind words (the common table's operation names).
QString StripRoadsKind();        // "ajourat"
QString LowThinningKind();       // "alaharvennus"
QString HighThinningKind();      // "yläharvennus"
QString SpeciesRemovalKind();    // "puulajin poisto"
QString CorridorThinningKind();  // "käytäväharvennus"
QString SmallGapKind();          // "pienaukkohakkuu"
QString SelectionKind();         // "poimintahakkuu"

// True for the five regeneration cuttings: clear-cut, seed-tree,
// shelterwood, strip and small-gap (the word compared in lower case).
bool IsRegenerationKindWord(const QString& word);

// The increment boxes of the stand card ("arvokasvu", "kasvu %").
struct IncrementBoxes {
  bool value = false;
  bool percent = false;
};
// 0 volume per year, 1 volume percent, 2 value per year, 3 value percent;
// percent only for a slot of at least 100 stems/ha.
int IncrementMode(IncrementBoxes boxes, int slotStemsPerHa);

// The text of one phase, in lower case: the operation's description (phase 0:
// the measured stand, described with or without the stand title by
// omitTitle), or for a growing step the years and "kasvatus" with the
// increment over the step, ended by "/vuosi" ("10 v kasvatus, kasvu 5.2
// m3/vuosi").
QString PhaseText(const data& stand, int phase, bool omitTitle, IncrementBoxes boxes = {});

// The kind word of the phase's own text (the title included for phase 0).
QString PhaseKindWord(const data& stand, int phase);

// With a nonempty text the kind of that text, else the kind of the phase.
bool IsRegenerationCutting(const data& stand, int phase, const QString& text);
// selection set: a selection cutting (the kind contains "poimintahakkuu");
// clear: a small-gap cutting.
bool IsSelectionOrSmallGapCutting(const data& stand, int phase, const QString& text, bool selection);

// The increment boxes are shown when the stand has a growing step and the
// slot (1 when phase 1 is a growing step, else the given phase) holds at
// least 100 stems/ha.
bool IncrementBoxesVisible(const data& stand, int phase);

// ---- Stand card --------------------------------------------------------

struct StandCardGeometry {
  int pitch = 18;      // row pitch, pixels
  int offset = 38;     // top of row 0
  int barHeight = 14;  // height of a stacked bar
};
// By the new-forest button, the growing steps and the current phase.
StandCardGeometry StandCardGeometryFor(bool newForestVisible, int growthSteps, int phase);

// Text point size of the card: 9 in windows below 752 pixels high or below
// 1200 wide, else 10. The value font is one point smaller.
int StandCardTextPointSize(int mainWindowWidth, int mainWindowHeight);

// One row of the card: a phase from the measured state to the current one.
struct StandCardRow {
  int phase = 0;
  QString text;             // PhaseText
  bool growth = false;      // drawn in the growth colour
  bool selectable = false;  // selectable rows get neither value nor bar
  int volume = 0;           // total m3/ha of the slot
  int energyWood = 0;       // m3/ha, assortment 12
  int pulpwood = 0;         // m3/ha, assortments 0..5
  int logs = 0;             // m3/ha, assortments 6..11
  int top = 0;              // top of the bar
  int textY = 0;            // top of the text line
};

struct StandCardContent {
  StandCardGeometry geometry;
  std::vector<StandCardRow> rows;
  int maxVolume = 0;      // largest total volume of the rows
  int scale = 1000;       // bar scale: maxVolume, or 1000 when it is 0
  QString valueLabel;     // "<max> m3/ha", which sizes the value column
  int fieldWidth = 1;     // digits of maxVolume: values are padded to it
  // Text lines of the first and last operation rows (after phase 0, not
  // growing steps); the bracket joins them when there are two or more.
  int operationRows = 0;
  int firstOperationY = 0;
  int lastOperationY = 0;
};
StandCardContent BuildStandCard(const data& stand, int phase, IncrementBoxes boxes, bool newForestVisible,
                                int textPointSize);

// The value text of a row: the volume right-aligned to the field width,
// " " and "m3/ha".
QString StandCardValueText(int volume, int fieldWidth);

// Ends of a stacked bar from x = 4 with the bar width B (integer division):
// energy wood to energyEnd, pulpwood from one pixel before that to pulpEnd,
// logs from one pixel before that to logsEnd.
struct StandCardBar {
  int energyEnd = 4;
  int pulpEnd = 4;
  int logsEnd = 4;
};
StandCardBar StandCardBarFor(const StandCardRow& row, int barWidth, int scale);

// Horizontal layout of the card in an image of width W with the text column
// width T and the value column width C.
struct StandCardColumns {
  int barWidth = 0;    // B = W - T - C - 4 - 5
  int valueX = 0;      // W - C - T, never below 0
  int textX0 = 0;      // phase 0: valueX + C (W - T while the texts fit)
  int textX = 0;       // later phases: textX0 + 16
  int bracketX = 0;    // textX0 + 8
};
StandCardColumns StandCardColumnsFor(int width, int textColumn, int valueColumn);

// The bracket that joins the operation rows: a vertical line at x from y1
// down to y2 and a tick from (x, y2 - 6) twelve pixels to the left.
struct StandCardBracket {
  bool shown = false;
  int x = 0;
  int y1 = 0;
  int y2 = 0;
};
StandCardBracket StandCardBracketFor(const StandCardContent& card, int bracketX, int textPointSize);
