// The timber outturn table.
//
// The listed rows below are the table's measured rows, written as the list of
// height classes at which a row's cell changes ("h:L/P" valid from h metres
// up; "<h:L/P" valid for every height class below h; below the first entry
// of a row without "<" there is no timber, 0/0).
//
// Rows of the diameter classes not listed are filled by one rule: at each
// height class the cell is interpolated linearly in the diameter between the
// listed rows on either side, log and pulpwood percentages each rounded half
// away from zero, the pulpwood then limited so that L + P stays at or below
// 100. Where exactly one of the two neighbouring cells is 0/0 (the tree is too
// short to give timber in that row) the cell of the nearer row is taken, the
// smaller diameter at equal distance, so that the lowest timber height moves
// from one listed row to the other in steps.

#include "model/Outturn.h"

#include "model/Calc.h"
#include "platform/Numbers.h"

#include <array>
#include <cstdlib>

namespace {

constexpr int kMinClass = 8;
constexpr int kMaxDiameter = 50;
constexpr int kMaxHeight = 30;
constexpr int kGroups = 3;

struct ListedRow {
  int diameter;
  const char* cells;
};

// Group 0: pine. The 27 m cell of the 32 cm row is 93/6, between its
// neighbours 94/5 (26 m) and 91/7 (28 m) and equal to the 33 cm row.
constexpr ListedRow kPine[] = {
    {8, "5:0/79 6:0/77 7:0/75 8:0/73 9:0/72 10:0/71 11:0/70 12:0/69 13:0/68"},
    {12, "4:0/95 6:0/94 8:0/93"},
    {16, "5:0/98 6:0/97"},
    {17, "5:0/98 8:0/97 11:63/34 12:58/39 13:57/40 14:54/43 15:51/46 16:48/49 17:45/52 "
         "18:43/54 19:41/56 20:40/58 21:38/59"},
    {21, "<8:85/13 8:86/12 9:83/14 10:81/17 11:76/22 12:74/24 13:70/28 14:69/29 15:65/33 "
         "16:62/36 17:61/37 18:78/20 19:77/21 20:74/24 21:73/25 22:70/28 23:68/30 24:66/32"},
    {26, "<10:89/10 10:84/14 11:82/17 12:77/21 13:76/23 14:91/7 15:90/9 16:88/10 17:85/13 "
         "18:84/15 19:82/16 20:79/19 21:90/8 22:89/9 23:87/11 24:86/13 25:85/14 26:83/16 "
         "27:81/17 28:80/18 29:79/20"},
    {32, "<12:86/12 12:96/3 13:95/3 14:94/5 15:91/7 16:90/9 17:88/10 18:87/12 19:95/4 20:94/5 "
         "21:93/6 22:92/7 23:90/8 24:87/11 25:87/12 26:94/5 27:93/6 28:91/7 29:91/8 30:90/9"},
    {40, "<15:95/4 15:93/6 16:91/7 17:90/9 18:97/2 19:96/2 20:95/3 21:94/4 22:93/6 23:92/7 "
         "24:97/2 25:96/3 26:95/3 27:94/5 28:93/6 29:92/7 30:91/7"},
    {50, "<19:98/1 19:97/2 20:96/3 21:95/4 22:94/5 23:98/1 24:97/2 26:96/3 27:95/4 29:93/6 "
         "30:92/7"},
};

// Group 1: spruce.
constexpr ListedRow kSpruce[] = {
    {8, "5:0/76 6:0/73 7:0/71 8:0/70"},
    {12, "4:0/96 5:0/94 6:0/92 7:0/91 11:0/92 14:0/93"},
    {17, "5:0/98 7:0/97 9:0/96 11:0/97 17:42/55 19:39/58 20:40/58 21:40/57"},
    {21, "7:0/98 9:76/21 10:75/22 11:77/20 12:75/22 13:74/24 14:69/28 15:68/30 16:64/34 "
         "17:60/38 18:59/39 19:77/21 20:75/23 21:74/24 22:72/26 23:71/27 24:69/29"},
    {28, "9:89/9 10:88/10 11:85/13 12:82/16 13:78/20 14:75/24 15:73/25 16:90/9 17:87/11 "
         "18:85/13 19:84/15 21:82/16 22:90/9 23:89/10 24:88/10 25:87/12 26:86/13 27:84/14 "
         "28:91/8 29:90/9 30:89/9"},
    {36, "12:83/15 13:95/4 15:94/5 16:92/7 17:91/8 18:90/9 19:88/10 20:87/12 21:94/5 22:93/6 "
         "23:92/7 24:91/8 25:90/8 26:95/4 27:94/5 28:93/6 29:92/6 30:91/7"},
    {50, "17:93/6 18:98/1 19:97/2 20:96/3 22:95/4 23:94/4 24:94/5 25:97/2 27:96/3 28:95/4 "
         "29:94/4 30:97/2"},
};

// Group 2: broadleaves (birch, aspen, alder).
constexpr ListedRow kBroadleaf[] = {
    {8, "4:0/83 5:0/78 6:0/75 7:0/72 8:0/70 9:0/68 10:0/66 11:0/64 12:0/61 13:0/57"},
    {15, "5:0/98 6:0/97 8:0/96"},
    {21, "7:0/99 9:0/98 18:44/53 20:42/56 21:42/55 22:43/55 23:41/57"},
    {25, "9:0/99 12:65/33 13:66/33 14:66/32 15:66/33 16:67/31 18:66/32 19:63/35 20:70/29 "
         "21:70/28 22:69/29 23:70/28 24:71/27"},
    {30, "11:79/19 13:79/20 15:78/20 16:75/23 17:73/26 18:81/18 19:80/19 20:81/18 21:81/17 "
         "22:82/17 24:82/16 26:83/16 27:84/15"},
    {38, "14:88/10 15:89/9 16:89/10 18:90/9 19:89/10 20:89/9 21:90/9 27:91/8"},
    {40, "15:91/8"},
    {50, "18:95/4"},
};

using Row = std::array<OutturnCell, kMaxHeight + 1>;  // height classes 0..30
using Group = std::array<Row, kMaxDiameter + 1>;      // diameter classes 0..50

// Expands one listed row into its cells at height classes 0..30.
Row ExpandRow(const char* text) {
  Row row{};
  const char* p = text;
  while (*p) {
    while (*p == ' ') ++p;
    if (!*p) break;
    const bool below = *p == '<';
    if (below) ++p;
    char* end = nullptr;
    const long h = std::strtol(p, &end, 10);
    p = end + 1;  // ':'
    const long l = std::strtol(p, &end, 10);
    p = end + 1;  // '/'
    const long pulp = std::strtol(p, &end, 10);
    p = end;
    const int from = below ? 0 : static_cast<int>(h);
    const int to = below ? static_cast<int>(h) - 1 : kMaxHeight;
    for (int k = from; k <= to && k <= kMaxHeight; ++k) {
      row[k] = OutturnCell{static_cast<int>(l), static_cast<int>(pulp)};
    }
  }
  return row;
}

bool IsEmpty(const OutturnCell& c) { return c.logPercent == 0 && c.pulpPercent == 0; }

OutturnCell Interpolate(const OutturnCell& a, const OutturnCell& b, int d, int d0, int d1) {
  if (IsEmpty(a) != IsEmpty(b)) return (d - d0) <= (d1 - d) ? a : b;
  const double t = static_cast<double>(d - d0) / static_cast<double>(d1 - d0);
  OutturnCell c;
  c.logPercent = platform::RoundHalfAway(a.logPercent + (b.logPercent - a.logPercent) * t);
  c.pulpPercent = platform::RoundHalfAway(a.pulpPercent + (b.pulpPercent - a.pulpPercent) * t);
  if (c.logPercent + c.pulpPercent > 100) c.pulpPercent = 100 - c.logPercent;
  return c;
}

template <size_t n>
Group BuildGroup(const ListedRow (&listed)[n]) {
  Group group{};
  for (size_t r = 0; r < n; ++r) group[listed[r].diameter] = ExpandRow(listed[r].cells);
  for (size_t r = 0; r + 1 < n; ++r) {
    const int d0 = listed[r].diameter;
    const int d1 = listed[r + 1].diameter;
    for (int d = d0 + 1; d < d1; ++d) {
      for (int h = 0; h <= kMaxHeight; ++h) {
        group[d][h] = Interpolate(group[d0][h], group[d1][h], d, d0, d1);
      }
    }
  }
  return group;
}

// Single cells of unlisted rows that are known as they stand; they replace
// the interpolated cell (the 31 cm pine row at 27 m, beside the 27 m cell of
// the 32 cm row above).
struct KnownCell {
  int group;
  int diameter;
  int height;
  OutturnCell cell;
};
constexpr KnownCell kKnownCells[] = {{0, 31, 27, {92, 6}}};

std::array<Group, kGroups> BuildTable() {
  std::array<Group, kGroups> table{BuildGroup(kPine), BuildGroup(kSpruce), BuildGroup(kBroadleaf)};
  for (const KnownCell& k : kKnownCells) table[k.group][k.diameter][k.height] = k.cell;
  return table;
}

const std::array<Group, kGroups>& Table() {
  static const std::array<Group, kGroups> table = BuildTable();
  return table;
}

}  // namespace

int OutturnGroup(int species) {
  if (species == 0) return 0;
  if (species == 1) return 1;
  return 2;
}

OutturnCell OutturnTableCell(int group, int dClass, int hClass) {
  if (dClass < kMinClass || group < 0 || group >= kGroups) return OutturnCell{};
  const int d = dClass > kMaxDiameter ? kMaxDiameter : dClass;
  const int h = hClass > kMaxHeight ? kMaxHeight : (hClass < 0 ? 0 : hClass);
  return Table()[group][d][h];
}

float AssortmentShares(float& pulpShare, int dClass, int hClass, int species) {
  const OutturnCell cell = OutturnTableCell(OutturnGroup(species), dClass, hClass);
  float logs = static_cast<float>(cell.logPercent);
  float pulp = static_cast<float>(cell.pulpPercent);
  if (species == 4) {  // alder logs go to pulpwood
    pulp = pulp + logs;
    logs = 0.0f;
  }
  pulpShare = 0.01f * (pulp + 0.03f * logs);
  return 0.01f * 0.97f * logs;
}

bool TreeHasVolume(int species, int d, int h) {
  float pulp = 0.0f;
  return AssortmentShares(pulp, d, h, species) > 0.0f;
}
