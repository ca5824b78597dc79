#pragma once
// The rows of the estate's stand lists and the texts they are made of,
// without a widget: the main window's stand list, the open-stand window's
// list and its header totals.

#include <QString>

#include "model/Data.h"
#include "model/Estate.h"

// The text without its last (length of the program title + 1) characters:
// a stand file's name without "." and the extension. A text no longer than
// that gives the empty text.
QString StripTitleSuffix(const QString& text);

// A prefix (mode 0 none, 1 "Hakemistossa ", 2 "Listassa ", other
// "Metsätilalla "), n, and " kuvio" for one, else " kuviota".
QString StandCountText(int n, int mode);

// a / b rounded half away from zero as an integer ("0" when b is 0), then " "
// and the currency per cubic metre: the average unit value of a removal or a
// growing stock.
QString NumberWithUnitText(int a, int b);

// What a row shows of a stand at the estate's chosen time point; the estate
// views compute it.
struct StandRemovalAtTimePoint {
  int volumeM3PerHa = 0;   // the removal, 0 when the stand is not cut then
  int value = 0;           // the removal's value, currency per hectare
  AssortmentVolumes volumesM3PerHa{};  // the removal by assortment
  QString cuttingMethod;   // the name of the stand's cutting then
  QString slotSummary;     // the summary of the cutting's slot
};

// One row of a stand list:
// head = "Kuvio" + " " + identifier + ("  :  " compact, "   :   " otherwise);
// without a time point: area "%1.2f ha", the separator and the development
// class name, then compact: the separator and the site type name; otherwise
// the separator and the growing stock of slot 0: as value "W €/ha,  w €/m3",
// as volume "V m3/ha,  tukki % s" (s the sawlog share);
// with a time point: the area and the separator, then the cutting method,
// its slot summary and ",  kertymä " with the removal (value or volume as
// above), or "ei hakkuuta" when there is no removal (the body in lower case).
// A record whose file could not be read shows its file name and that.
QString StandListRowText(const EstateRecord& record, bool compact, const QString& separator,
                         const StandRemovalAtTimePoint* timePoint, bool asValue);

// The separator of the main window's stand list.
QString MainStandListSeparator();

// The text of a stand file that could not be read or is not a stand file,
// for the notice window and the stand lists.
QString StandFileProblemText(StandFileStatus status);
