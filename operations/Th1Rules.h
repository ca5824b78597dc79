#pragma once
// The thinning dialog's rules without a widget: the four option lists
// computed from the stand before the cutting, the group captions, the
// operation texts and the refusal of OK.

#include <QString>
#include <QStringList>

#include <vector>

#include "model/Data.h"

// Pages of the thinning dialog, in page order.
enum ThinningPage : int {
  ThinningRemovalPage = 0,   // cutting removal, m3/ha
  ThinningStemPage = 1,      // stems left, stems/ha
  ThinningBasalPage = 2,     // basal area left, m2/ha
  ThinningDistancePage = 3,  // minimum distance between the trees left
};

// Columns of a radio group of `items` choices.
int ThinningColumnCount(int items);

// One option list: the numbers its items stand for (the item texts, except
// the distances), the item texts, the columns and the item chosen at first.
// An empty list is not offered (its page is hidden).
struct ThinningChoices {
  std::vector<int> values;
  QStringList items;
  int columns = 0;
  int selected = -1;
  bool Offered() const { return !items.isEmpty(); }
};

// What the lists are built from: the stand at the current phase p and at
// the start slot a (Part of every cutting dialog), and the removal so far.
struct ThinningStand {
  int stems = 0;        // n, stems/ha of slot p
  float basalArea = 0;  // G, m2/ha of slot p
  int volume = 0;       // V, m3/ha of slot p
  int meanDiameter = 0; // D, cm of slot p, rounded
  int startVolume = 0;  // V0, m3/ha of slot a
  int removalSoFar = 0; // S, m3/ha
};
ThinningStand ThinningStandOf(const data& stand);

ThinningChoices StemCountChoices(int stems);
ThinningChoices BasalAreaChoices(int stems, float basalArea);
ThinningChoices DistanceChoices(int stems);
ThinningChoices RemovalChoices(const ThinningStand& s);
// The distance of the item, metres: index x 0.25 + 1.0.
float ThinningDistance(int index);

// The four group captions for thinning type 0 (low) or 1 (high), each with a
// blank before and after: removal, stems, basal area, distance.
QStringList ThinningCaptions(int type);
// "alaharvennuksen" / "yläharvennuksen" and the two picture captions.
QString ThinningRemainingCaption(bool low);
QString ThinningRemovalCaption(bool low);

// The engine's criterion code of a page: 0 -> 2, 1 -> 0, 2 -> 1, 3 -> 3.
int ThinningCriterionCode(int page);

// Operation texts (empty when the trial was not feasible).
QString ThinningRemovalText(bool low, int removal);
QString ThinningDistanceText(bool low, float distance);
QString ThinningStemText(bool low, int stems);
QString ThinningBasalAreaText(bool low, int basalArea);

// The labels beside the stem-count and basal-area lists.
QString StemsBeforeText(int stems);
QString BasalAreaBeforeText(float basalArea);

// The notice of a refused OK: caption and line.
QString ThinningRefusalCaption(bool low);
QString ThinningRefusalLine(int page);
