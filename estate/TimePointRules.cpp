#include "estate/TimePointRules.h"

#include <algorithm>
#include <cmath>

#include "texts/Actlan.h"
#include "ui/PaletteRules.h"

QString TimePointSeparator() { return QStringLiteral("  :  "); }

bool TimePointItemHasSingleYear(const QStringList& items, int i) {
  return i >= 0 && i < items.size() && items[i].contains(TimePointSeparator());
}

QString TimePointItemYear(const QStringList& items, int index, int mode) {
  if (!TimePointItemHasSingleYear(items, index)) return QString();
  const QString& text = items[index];
  const int at = static_cast<int>(text.indexOf(TimePointSeparator()));
  const QString year = text.mid(qMax(0, at - 4), qMin(4, at));
  switch (mode) {
    case 0: return year;
    case 1: return QStringLiteral(" v. ") + year;
    case 10: return QStringLiteral(" v.") + year;
    default: return text.left(at + TimePointSeparator().size());
  }
}

QString TimePointItemLabel(const QStringList& items, int index, bool whole) {
  if (index < 0 || index >= items.size()) return QString();
  const QString& text = items[index];
  if (whole) return text;
  const int at = static_cast<int>(text.indexOf(TimePointSeparator()));
  return at < 0 ? text : text.mid(at + TimePointSeparator().size());
}

bool TextMentionsCutting(const QString& text) { return text.contains(QStringLiteral("hakkuun")); }

int EstateKindOfItem(const QStringList& items, int index) {
  if (index < 1) return index;
  return items.size() > 1 && TextMentionsCutting(items[1]) ? index + 1 : index;
}

void RenameTimePointItem(QStringList& items, int index, const QString& label) {
  if (index < 0 || index >= items.size()) return;
  items[index] = TimePointItemYear(items, index, 2) + label;
}

QString TimePointTypeLabel(int type) {
  static const int kActlan[] = {46, 10, 10, 11, 13, 83, 84};
  return type >= 0 && type <= 6 ? ActlanText(kActlan[type]) : QString();
}

int TimePointTypeKind(int type) { return type >= 2 && type <= 4 ? type - 1 : type; }

QString CuttingYearText(const QString& cuttingYear, bool prefix, bool tight) {
  if (cuttingYear.isEmpty() || !prefix) return cuttingYear;
  return (tight ? QStringLiteral(" v.") : QStringLiteral(" v. ")) + cuttingYear;
}

int MatchingTimePointIndex(const QStringList& from, int chosen, const QStringList& to) {
  if (from.size() == to.size()) return chosen;
  if (chosen < 0 || chosen >= from.size()) return 0;
  const int at = static_cast<int>(to.indexOf(from[chosen]));
  return at < 0 ? 0 : at;
}

QStringList EstateWindowTimePoints(const EstateTimePoints& points, bool overview) {
  QStringList out;
  for (int i = 0; i < points.items.size(); ++i) {
    if (i == 0 || TimePointItemHasSingleYear(points.items, i) || (overview && points.scheme == 6))
      out << points.items[i];
  }
  return out;
}

float AnnualGrowthPercent(float a, float b, int years) {
  if (a == 0.0f || b == 0.0f || years <= 0) return 0.0f;
  const float ratio = a / b;
  if (!(ratio > 0.0f)) return 0.0f;
  const float factor = std::exp(std::log(ratio) / static_cast<float>(years));
  return factor > 0.0f ? 100.0f * factor - 100.0f : 0.0f;
}

// ---- Over the estate stand list ---------------------------------------------

int EstateSlotYears(const EstateRecord& r, int k) { return k >= 0 && k < kPhaseCount ? r.phaseSlots[k].years : 0; }

QString EstateSlotName(const EstateRecord& r, int k) {
  return k >= 0 && k < kPhaseCount ? r.phaseSlots[k].name : QString();
}

bool EstateSlotIsGrowth(const EstateRecord& r, int k) { return EstateSlotYears(r, k) > 0; }

bool EstateStartsWithGrowth(const EstateRecord& r) { return EstateSlotIsGrowth(r, 1); }

bool EstateHasNoSteps(const EstateRecord& r) { return r.phaseSlots[1].name.isEmpty(); }

bool EstateOnlyGrowths(const EstateRecord& r) {
  if (!EstateSlotIsGrowth(r, 1)) return false;
  if (EstateSlotIsGrowth(r, 2)) return r.phaseSlots[3].name.isEmpty();
  return r.phaseSlots[2].name.isEmpty();
}

bool EstateGrownTwiceOnly(const EstateRecord& r) {
  return EstateSlotIsGrowth(r, 1) && EstateSlotIsGrowth(r, 2) && r.phaseSlots[3].name.isEmpty();
}

int EstateLeadingGrowthCount(const EstateRecord& r) {
  if (!EstateSlotIsGrowth(r, 1)) return 0;
  return EstateSlotIsGrowth(r, 2) ? 2 : 1;
}

bool EstateStandHasCutting(const EstateRecord& r) {
  if (EstateOnlyGrowths(r)) return false;
  return !r.phaseSlots[EstateStartsWithGrowth(r) ? 2 : 1].name.isEmpty();
}

int EstateStepOrderCode(bool flag, const EstateRecord& r) {
  if (!flag) return 0;
  if (EstateOnlyGrowths(r) || EstateHasNoSteps(r)) return -1;
  return EstateStartsWithGrowth(r) ? 1 : 0;
}

QString EstateGrowingYearsText(const EstateRecord& r, bool all) {
  int years = EstateSlotYears(r, 1);
  if (all)
    for (int k = 2; k < kPhaseCount; ++k) years += EstateSlotYears(r, k);
  return QString::number(years);
}

int EstateSchemeCode(const EstateRecordList& stands) {
  if (std::all_of(stands.begin(), stands.end(), EstateGrownTwiceOnly)) return 6;
  bool leadingGrowth = false, growthAfterCutting = false, cutting = false;
  for (const EstateRecord& r : stands) {
    const int g = EstateLeadingGrowthCount(r);
    if (g > 0) leadingGrowth = true;
    if (!growthAfterCutting && g < 2) {
      for (int k = 2; k < kPhaseCount; ++k) {
        if (EstateSlotYears(r, k) != 0) {
          growthAfterCutting = true;
          cutting = true;
          break;
        }
      }
    }
    if (!cutting && !r.phaseSlots[g + 1].name.isEmpty()) cutting = true;
  }
  if (leadingGrowth && growthAfterCutting) return 5;
  if (growthAfterCutting) return 4;
  if (leadingGrowth && cutting) return 3;
  if (leadingGrowth) return 2;
  return cutting ? 1 : 0;
}

bool MeasuredInCuttingYear(const Estate& e, const EstateRecord& r) {
  return e.points.cuttingYear.isEmpty() || e.points.cuttingYear == YearOfDateText(r.measurementDate);
}

namespace {

// The first slot whose growth counts toward a time point's year.
int YearStartSlot(const Estate& e, const EstateRecord& r, int kind) {
  const QStringList& items = e.points.items;
  const int cnt = static_cast<int>(items.size());
  if (kind < 2 || cnt < 1) return 1;
  auto single = [&](int i) { return TimePointItemHasSingleYear(items, i); };
  const int scheme = e.points.scheme;
  const bool cutScheme = scheme == 3 || scheme == 5;
  if (!single(0)) {
    if (kind == KindAfterCutting)
      return cnt > 1 && !single(1) && cutScheme && EstateOnlyGrowths(r) && MeasuredInCuttingYear(e, r) ? 2 : 1;
    if (kind == KindFirstGrowthYears || kind == KindSecondGrowthYears) return 1;
    const bool laterSingle = cnt < 3 ? single(1) : single(2);
    if (!laterSingle) return kind == KindAfterCuttingAndGrowth ? 1 : 2;
    return 1;
  }
  if (kind != KindAfterCutting) return 1;
  const bool next = cnt == 1 ? single(0) : single(1);
  if (!next) return cutScheme && EstateOnlyGrowths(r) ? 2 : 1;
  return scheme == 44 ? 2 : 1;
}

}  // namespace

QString EstateTimePointYear(const Estate& e, const EstateRecord& r, int kind, const QString& dateText,
                            bool cuttingMode) {
  const QString y = YearOfDateText(dateText);
  if (y.isEmpty()) return y;
  bool grown = false;
  for (int k = YearStartSlot(e, r, kind); k < kPhaseCount; ++k) grown = grown || EstateSlotYears(r, k) != 0;
  if (!grown) return y;
  const bool firstGrowth = EstateStartsWithGrowth(r);
  const int years1 = EstateSlotYears(r, 1);
  int added = 0;
  if (cuttingMode) {
    added = firstGrowth ? years1 : 0;
  } else if (kind == KindSecondGrowthYears || (kind == KindAfterCutting && e.points.scheme == 6)) {
    added = years1 + EstateSlotYears(r, 2);
  } else if (kind == KindFirstGrowthYears) {
    added = years1;
  } else if ((kind == KindAfterGrowth || kind == KindAfterCutting) && firstGrowth) {
    added = years1;
  } else if (kind == KindAfterCuttingAndGrowth) {
    for (int k = 1; k < kPhaseCount; ++k) added += EstateSlotYears(r, k);
  }
  return QString::number(y.toInt() + added);
}

int EstateLastPhase(const Estate& e, const EstateRecord& r, int kind) {
  int last = 0;
  for (int k = 1; k < kPhaseCount; ++k)
    if (!r.phaseSlots[k].name.isEmpty()) last = k;
  const int scheme = e.points.scheme;
  if (kind != KindAfterCutting || scheme == 6) return last;
  if (last > 1 && EstateSlotIsGrowth(r, last)) return last - 1;
  // Scheme 44 has no after-growth item: a stand grown once and nothing else
  // is taken as measured. A stand whose one step is a cutting keeps it.
  if (last == 1 && scheme == 44 && EstateSlotIsGrowth(r, 1)) return 0;
  const QStringList& items = e.points.items;
  if ((scheme == 3 || scheme == 5) && !TimePointItemHasSingleYear(items, 1) && EstateOnlyGrowths(r) &&
      (TimePointItemHasSingleYear(items, 0) || MeasuredInCuttingYear(e, r)))
    return last - 1;
  return last;
}

int EstatePhaseOfKind(const Estate& e, const EstateRecord& r, int kind) {
  if (kind <= KindMeasured) return 0;
  if (kind == KindAfterGrowth) return EstateStartsWithGrowth(r) ? 1 : 0;
  return EstateLastPhase(e, r, kind);
}

QString EstateCuttingYearText(const Estate& e) {
  bool any = false;
  int earliest = 0, latest = 0;
  for (const EstateRecord& r : e.stands) {
    if (r.phaseSlots[EstateLeadingGrowthCount(r) + 1].name.isEmpty()) continue;
    const QString text = EstateTimePointYear(e, r, KindAfterCutting, r.measurementDate, true);
    if (text.isEmpty()) continue;
    const int y = text.toInt();
    if (!any) {
      earliest = latest = y;
      any = true;
    } else if (y < earliest) {
      earliest = y;
    } else if (y > latest) {
      latest = y;
    }
  }
  if (!any) return QString();
  if (earliest == latest) return QString::number(earliest);
  return QString::number(earliest) + QStringLiteral(" - ") + QString::number(latest);
}

QString TimePointItemText(const Estate& e, int type) {
  const int kind = TimePointTypeKind(type);
  const QString label = TimePointTypeLabel(type);
  int earliest = 10000, latest = 0;
  for (const EstateRecord& r : e.stands) {
    if (kind > 0 && !HasTreePicture(r.developmentClass)) continue;
    const QString year = EstateTimePointYear(e, r, kind, r.measurementDate, false);
    if (year.isEmpty()) continue;
    earliest = std::min(earliest, year.toInt());
    latest = std::max(latest, year.toInt());
  }
  if (earliest == latest) return QStringLiteral("v. ") + QString::number(earliest) + TimePointSeparator() + label;
  // No counted stand (an empty list): the bare label.
  if (type != 0 || latest < earliest) return label;
  return label + QStringLiteral("  v. ") + QString::number(earliest) + QStringLiteral(" - ") +
         QString::number(latest).mid(2, 2);
}

EstateTimePoints BuildEstateTimePoints(const EstateRecordList& stands) {
  EstateTimePoints tp;
  const Estate e{stands, tp};
  tp.scheme = EstateSchemeCode(stands);
  const int scheme = tp.scheme;
  if (scheme == 1 || scheme == 3 || scheme == 4 || scheme == 5) tp.cuttingYear = EstateCuttingYearText(e);
  std::vector<int> types{0};
  switch (scheme) {
    case 6: types.insert(types.end(), {5, 6}); break;
    case 5: types.insert(types.end(), {2, 3, 4}); break;
    case 4: types.insert(types.end(), {3, 4}); break;
    case 3: types.insert(types.end(), {1, 3}); break;
    case 2: types.push_back(1); break;
    case 1: types.push_back(3); break;
    default: break;
  }
  // Each item's years are worked out over the items already added.
  for (int type : types) tp.items << TimePointItemText(e, type);
  auto single = [&](int i) { return TimePointItemHasSingleYear(tp.items, i); };
  if (scheme == 5 && single(0) && single(2) && !single(1)) {
    tp.items.removeAt(1);
    tp.scheme = 44;
  }
  if (tp.scheme == 5 && single(3)) {
    RenameTimePointItem(tp.items, 1, ActlanText(83));
    RenameTimePointItem(tp.items, 3, ActlanText(84));
  }
  if (tp.scheme != 6) {
    const int lowest = tp.scheme == 5 ? 1 : 2;
    for (int i = static_cast<int>(tp.items.size()) - 1; i >= lowest && !single(i); --i) tp.items.removeAt(i);
  }
  return tp;
}
