#pragma once
// The estate's time points: the moments at which all stands of an estate are
// totalled and charted together (as measured, after growth, after cutting,
// after cutting and growth), as plain rules without a widget.
//
// The stands of an estate have different chains of steps. The chains are
// classified into one scheme code, the scheme offers its time points as
// items ("v. 2024  :  mittauspuusto"), and for each item every stand tells
// which of its phase slots stands for it. The main window shows the items in
// its time-point group; the estate overview and the estate charts copy them.

#include <QString>
#include <QStringList>
#include <vector>

#include "model/Estate.h"

// Time-point kinds, the phase each stand is taken at (EstatePhaseOfKind).
enum EstateKind : int {
  KindMeasured = 0,
  KindAfterGrowth = 1,
  KindAfterCutting = 2,    // in scheme 6: after the second growing step
  KindAfterCuttingAndGrowth = 3,
  KindFirstGrowthYears = 5,   // years of item type 5 only
  KindSecondGrowthYears = 6,  // years of item type 6 only
};

// ---- Item texts --------------------------------------------------------------

// "  :  ": the mark of an item whose stands share one year.
QString TimePointSeparator();
// Item i exists and carries the separator.
bool TimePointItemHasSingleYear(const QStringList& items, int i);
// Of item index: mode 0 the year (the four characters before the separator),
// 1 " v. " + year, 10 " v." + year, any other mode the text up to and
// including the separator; empty when the item has no separator.
QString TimePointItemYear(const QStringList& items, int index, int mode);
// whole: the item text; else the text after the separator (the whole text
// without one). Empty for an item that does not exist.
QString TimePointItemLabel(const QStringList& items, int index, bool whole);
// The text contains "hakkuun".
bool TextMentionsCutting(const QString& text);
// The kind of item index: index for 0 (and below); index + 1 when item 1
// mentions a cutting, else index.
int EstateKindOfItem(const QStringList& items, int index);
// Item index becomes its year part (through the separator, or nothing)
// followed by label.
void RenameTimePointItem(QStringList& items, int index, const QString& label);
// The label of an item type 0..6 (mittauspuusto, kasvatuksen jälkeen, ...).
QString TimePointTypeLabel(int type);
// The kind whose years an item type shows: type - 1 for 2, 3 and 4, else the
// type.
int TimePointTypeKind(int type);
// The cutting-year text, with prefix " v." and (unless tight) one blank in
// front of it; empty stays empty.
QString CuttingYearText(const QString& cuttingYear, bool prefix, bool tight);

// The index in `to` of the item whose text equals the item `chosen` of
// `from`: the chosen index itself when both lists have the same length, 0
// when no text is equal.
int MatchingTimePointIndex(const QStringList& from, int chosen, const QStringList& to);

// The items that the estate overview (overview set) or the estate charts
// show: item 0 and every single-year item; in scheme 6 the overview keeps
// every item.
QStringList EstateWindowTimePoints(const EstateTimePoints& points, bool overview);

// ---- Growth rate ----------------------------------------------------------

// Mean annual change in percent from b to a over years: 100 x (a / b)^(1 /
// years) - 100. 0 when a or b is 0, when the ratio is negative, or when years
// is not above 0.
float AnnualGrowthPercent(float a, float b, int years);

// ---- Over the estate stand list (Estate, model/Estate.h) ------------------

// One stand's chain of steps (slot 0 the measured state, 1..5 the steps).
int EstateSlotYears(const EstateRecord& r, int k);
QString EstateSlotName(const EstateRecord& r, int k);
bool EstateSlotIsGrowth(const EstateRecord& r, int k);
bool EstateStartsWithGrowth(const EstateRecord& r);
// No step recorded (slot 1 has no name).
bool EstateHasNoSteps(const EstateRecord& r);
// Grown once or twice and nothing else.
bool EstateOnlyGrowths(const EstateRecord& r);
bool EstateGrownTwiceOnly(const EstateRecord& r);
// 0, 1 or 2 growing steps before anything else.
int EstateLeadingGrowthCount(const EstateRecord& r);
// Not only growths, and the slot after the leading growing step is named.
bool EstateStandHasCutting(const EstateRecord& r);
// 0 when flag is clear; -1 only growths or no step; 1 starts with growth;
// else 0.
int EstateStepOrderCode(bool flag, const EstateRecord& r);
// Growing years of slot 1 (all clear) or of slots 1..5 (all set).
QString EstateGrowingYearsText(const EstateRecord& r, bool all);

// The scheme code of the stands (see EstateTimePoints::scheme).
int EstateSchemeCode(const EstateRecordList& stands);
// The cutting-year text is empty or equals the stand's measurement year.
bool MeasuredInCuttingYear(const Estate& e, const EstateRecord& r);
// Calendar year of the stand at a time-point kind as text; cuttingMode asks
// for the year of its cutting. Empty when the date has no year.
QString EstateTimePointYear(const Estate& e, const EstateRecord& r, int kind, const QString& dateText,
                            bool cuttingMode);
// The phase slot that stands for a kind: 0 measured; 1 after the first
// growing step (0 without one); 2 and more the last recorded step, the state
// before a final growth for kind 2.
int EstateLastPhase(const Estate& e, const EstateRecord& r, int kind);
int EstatePhaseOfKind(const Estate& e, const EstateRecord& r, int kind);
// The year or "first - last" range of the cuttings.
QString EstateCuttingYearText(const Estate& e);
// The text of an item type 0..6 over the stands.
QString TimePointItemText(const Estate& e, int type);
// Scheme code, cutting year and items of a stand list.
EstateTimePoints BuildEstateTimePoints(const EstateRecordList& stands);
