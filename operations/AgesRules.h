#pragma once
// The stand-age dialog without a widget: the candidate ages of a species'
// list and its default choice, the age read back from a chosen item, the
// species means shown under each list and the dialog's texts.

#include <QString>
#include <QStringList>

// The items of a species' age list: first .. first + count - 1, each the
// age, a blank and "v.".
QStringList AgeChoiceItems(int first, int count);

// The item chosen when the list is built, for a list of n = count items:
// trunc(n x 0.1 + 3) below 21 items, else trunc((first x 0.002 + 0.17) x n).
// A list shorter than that index chooses its last item (never none, so an
// age is always read back); an empty list -1.
int DefaultAgeChoiceIndex(int first, int count);

// The age of an item's text: the integer before its first blank (0 when the
// text has none).
int AgeOfChoiceText(const QString& text);

// The species' mean diameter under its list, "%2d cm", and mean height
// ("%4.1f m" of the height in dm x 0.1); both empty when the diameter is 0.
QString SpeciesMeanDiameterText(int meanDiameterCm);
QString SpeciesMeanHeightText(int meanDiameterCm, int meanHeightDm);

// The row title over the lists: "puuston ikä" and the measurement year.
QString AgeRowTitle(const QString& yearText);

// The window's place by the free screen space: (left factor, top factor),
// 0.5 and 0.4 normally, 0.4 and 0.3 raised (the growth dialog opened over
// it).
struct PlaceFactors {
  double left = 0.5;
  double top = 0.5;
};
PlaceFactors AgesWindowPlaceFactors(bool raised);
