// Low and high thinning and the thinning pass of a selection cutting: a
// spacing pass removes one tree of every close pair, the distance searched so
// that the pass takes a planned share of the removal; a size pass then
// removes trees in height order until the stand reaches its target volume,
// basal area or stem count.

#include "model/Thinning.h"

#include "model/AssortmentSums.h"
#include "model/Data.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace {

// The spacing pass compares list neighbours, so it needs the list in y
// order. The program always hands it so (the cutting patterns and the
// drawings of the trees leave the list sorted back by y, and a stand is
// drawn before any cutting); a caller of the engine that holds the list in
// another order has it sorted here first.
void EnsureYOrder(data& stand) {
  for (int i = 1; i < stand.TreeCount(); ++i) {
    if (stand.Trees[i].y < stand.Trees[i - 1].y) {
      stand.SortAllTrees(data::SortY);
      return;
    }
  }
}

// Which tree of a close pair goes: true for tree i, false for tree j.
// Heights are the latest heights; xj and yj the truncated position of j.
bool ChoosePairTree(float heightI, float heightJ, int xj, int yj, bool lowThinning, int option) {
  const bool xRule = xj % 2 != 0;  // i goes when xj is odd, j when even
  if (lowThinning) return heightI < heightJ;
  if (option != 3 && yj % 2 != 0) return heightI < heightJ || xRule;
  return heightI > heightJ || xRule;
}

// The minimum-spacing rule over the list in y order, at up to 16 spacings in
// one pass. At each spacing, tree i is compared with the trees that stand at
// most `window` list positions before it, in list order, until it is itself
// taken; the pairs are decided in the order of the plain scan.
//
// The trees that can be close to tree i are gathered once for the widest
// spacing: the trees before it are kept in columns at least that distance
// wide, each column in list order, so a tree's close neighbours are in its
// own and the two neighbouring columns, read down from the latest and left
// at the first one as far below in y. Each spacing keeps its own standing
// trees as one bit of a tree's mask; the tree of a pair that goes is the same
// at every spacing that finds the pair, so a pair is decided for all of them
// at once.
class SpacingScanner {
 public:
  using Lanes = std::uint16_t;  // bit l: spacing l
  static constexpr int kMaxSpacings = 16;

  explicit SpacingScanner(const data& stand) : stand_(stand) {
    const int n = stand.TreeCount();
    heights_.resize(n);
    xTrunc_.resize(n);
    yTrunc_.resize(n);
    standingBefore_.resize(n);
    for (int i = 0; i < n; ++i) {
      heights_[i] = stand.TreeHeight(i);
      xTrunc_[i] = platform::TruncToInt(stand.Trees[i].x);
      yTrunc_[i] = platform::TruncToInt(stand.Trees[i].y);
      standingBefore_[i] = IsStanding(stand.Trees[i]);
    }
    if (n > 0) {
      minX_ = maxX_ = stand.Trees[0].x;
      for (const TreeRecord& t : stand.Trees) {
        minX_ = std::min(minX_, t.x);
        maxX_ = std::max(maxX_, t.x);
      }
    }
  }

  // At most 16 spacings, in metres. Returns, tree by tree, the spacings at
  // which it was taken (bit l for spacings[l]); the stand is not changed.
  std::vector<Lanes> Scan(const std::vector<float>& spacings, bool lowThinning, int option) const {
    const int n = stand_.TreeCount();
    std::vector<Lanes> taken(static_cast<std::size_t>(n), 0);
    const int lanes = std::min(static_cast<int>(spacings.size()), kMaxSpacings);
    std::array<float, kMaxSpacings> r{};
    std::array<double, kMaxSpacings> r2{}, nearer{}, farther{};
    std::array<int, kMaxSpacings> window{};
    Lanes valid = 0;
    float reach = 0.0f;
    int widest = 0;
    for (int l = 0; l < lanes; ++l) {
      const float s = spacings[static_cast<std::size_t>(l)];
      r[l] = static_cast<float>(150.0 * s * 0.02);  // units, 3 per metre
      window[l] = platform::TruncToInt(0.75 * s * 0.02 * n);
      r2[l] = static_cast<double>(r[l]) * r[l];
      // hypot(dx, dy) < r is decided on the squares unless it is too close
      // to call, where the distance itself is taken.
      nearer[l] = r2[l] * (1.0 - 1e-9);
      farther[l] = r2[l] * (1.0 + 1e-9);
      if (!(r[l] > 0.0f) || window[l] <= 0 || n < 2) continue;
      valid |= static_cast<Lanes>(1u << l);
      reach = std::max(reach, r[l]);
      widest = std::max(widest, window[l]);
    }
    if (!valid) return taken;

    // Columns at least `reach` wide (two trees closer than it lie in the
    // same or in neighbouring columns), at most 1024 of them.
    const double extent = static_cast<double>(maxX_) - minX_;
    const double width = std::max(static_cast<double>(reach) * 1.0001 + 1e-4, extent / 1024);
    const int columns = static_cast<int>(extent / width) + 1;
    std::vector<int> head(static_cast<std::size_t>(columns), -1);  // latest tree of each column
    std::vector<int> next(static_cast<std::size_t>(n));            // the tree before it in its column
    std::vector<Lanes> standing(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) standing[i] = standingBefore_[i] ? valid : 0;
    struct Near {
      int index;
      float dx;
      float dy;
    };
    std::vector<Near> close;
    const std::vector<TreeRecord>& trees = stand_.Trees;
    for (int i = 0; i < n; ++i) {
      const float xi = trees[i].x;
      const float yi = trees[i].y;
      const int c = std::min(columns - 1, static_cast<int>((xi - minX_) / width));
      Lanes alive = standing[i];
      if (alive) {
        const int lo = std::max(0, i - widest);
        close.clear();
        for (int col = std::max(0, c - 1); col <= std::min(columns - 1, c + 1); ++col) {
          for (int j = head[col]; j >= lo; j = next[j]) {
            const float dy = yi - trees[j].y;
            if (dy >= reach) break;  // this and every earlier tree of the column is too far
            if (standing[j] & alive) close.push_back({j, xi - trees[j].x, dy});
          }
        }
        std::sort(close.begin(), close.end(), [](const Near& a, const Near& b) { return a.index < b.index; });
        for (const Near& b : close) {
          const double d2 = static_cast<double>(b.dx) * b.dx + static_cast<double>(b.dy) * b.dy;
          Lanes found = 0;
          for (int l = 0; l < lanes; ++l) {
            bool within = d2 < nearer[l];
            if (!within && d2 <= farther[l])
              within = std::hypot(static_cast<double>(b.dx), static_cast<double>(b.dy)) < r[l];
            found |= static_cast<Lanes>((within && b.index >= i - window[l]) ? 1u << l : 0u);
          }
          const Lanes pair = alive & standing[b.index] & found;
          if (!pair) continue;
          const bool goesI =
              ChoosePairTree(heights_[i], heights_[b.index], xTrunc_[b.index], yTrunc_[b.index], lowThinning, option);
          const int gone = goesI ? i : b.index;
          standing[gone] &= static_cast<Lanes>(~pair);
          taken[gone] |= pair;
          if (goesI) {
            alive &= static_cast<Lanes>(~pair);
            if (!alive) break;
          }
        }
      }
      // A tree taken at every spacing is never close to a later one.
      if (standing[i]) {
        next[i] = head[c];
        head[c] = i;
      }
    }
    return taken;
  }

  // The number of trees taken at spacing `lane` of a scan.
  static int Count(const std::vector<Lanes>& taken, int lane) {
    int count = 0;
    for (Lanes t : taken) count += (t >> lane) & 1;
    return count;
  }

 private:
  const data& stand_;
  std::vector<float> heights_;
  std::vector<int> xTrunc_, yTrunc_;     // truncated positions
  std::vector<uint8_t> standingBefore_;  // the trees standing before the pass
  float minX_ = 0.0f, maxX_ = 0.0f;
};

}  // namespace

StockVolumeTracker::StockVolumeTracker(data& stand) : stand_(stand) {
  const int n = stand.TreeCount();
  place_.resize(n);
  standing_.resize(n);
  Group& energy = groups_[kEnergyGroup];
  energy.trees.resize(n);
  energy.values.resize(n);
  for (int i = 0; i < n; ++i) {
    const int s = stand.Trees[i].species;
    float bins[kAssortmentCount] = {};
    data::AddTreeVolume(bins, stand.TreeDiameter(i), stand.TreeHeight(i), s);
    Group& g = groups_[s];
    place_[i] = static_cast<int>(g.trees.size());
    g.trees.push_back(i);
    g.values.push_back({bins[s], bins[s + 6]});
    energy.trees[i] = i;
    energy.values[i] = {bins[EnergyWood], 0.0f};
    standing_[i] = IsStanding(stand.Trees[i]);
  }
  for (Group& g : groups_) {
    for (const auto& v : g.values) {
      g.magnitude[0] += std::fabs(v[0]);
      g.magnitude[1] += std::fabs(v[1]);
    }
    g.checkpoints.assign(g.trees.size() / kBlock + 1, {0.0f, 0.0f});
    g.dirtyFrom = 0;
    SumAgain(g);
  }
}

double StockVolumeTracker::Uncertainty(const Group& g, int slot, double v) {
  const int n = static_cast<int>(g.trees.size());
  const int later = n - g.dirtyFrom;  // additions that may differ
  if (later <= 0 || g.changes == 0) return 0.0;
  constexpr double u = 0x1p-24;  // unit roundoff of single precision
  const double nu = n * u;
  const double growth = nu < 0.5 ? nu / (1.0 - nu) : 1.0;  // bound of g
  // Both sums, with twice the growth for the rounding of M itself.
  const double sums = 2.0 * u * later * g.magnitude[slot] * (1.0 + 2.0 * growth);
  // The change summed in double: each of its additions errs by at most
  // 2^-53 of a running sum no larger than `moved`.
  const double change = 2.0 * g.changes * 0x1p-53 * g.moved[slot];
  // Forming v and v -/+ e in double.
  const double forming = 0x1p-50 * (std::fabs(v) + sums + change);
  return sums + change + forming;
}

StockVolumeTracker::Range StockVolumeTracker::Bounds() const {
  Range r;
  for (int b = 0; b < kAssortmentCount; ++b) {
    const Group& g = groups_[GroupOf(b)];
    const int slot = SlotOf(b);
    const double v = static_cast<double>(g.sums[slot]) + g.change[slot];
    const double e = Uncertainty(g, slot, v);
    const int a = platform::RoundHalfAway(v - e);
    const int c = platform::RoundHalfAway(v + e);
    r.lo += a;
    r.hi += c;
    if (!std::isfinite(v + e)) r.finite = false;
    if (a != c || !std::isfinite(v + e)) r.unsure[GroupOf(b)] = true;
  }
  return r;
}

int StockVolumeTracker::Volume() {
  Range r = Bounds();
  if (r.unsure != std::array<bool, kGroups>{}) {
    for (int g = 0; g < kGroups; ++g) {
      if (r.unsure[g]) SumAgain(groups_[g]);
    }
    // Every bin is now exact (no uncertainty left) or was certain before.
    r = Bounds();
  }
  return ClampToInt(r.lo);
}

int StockVolumeTracker::Compare(double level) {
  // The rounded volume lies in [lo, hi]: decide from the bounds when they
  // leave no doubt, and only otherwise from the volume itself.
  const Range r = Bounds();
  if (r.finite && ClampToInt(r.lo) > level) return 1;
  if (r.finite && ClampToInt(r.hi) < level) return -1;
  const int v = Volume();
  return v > level ? 1 : v < level ? -1 : 0;
}

void StockVolumeTracker::Set(int i, int phase) {
  TreeRecord& t = stand_.Trees[i];
  const bool wasStanding = IsStanding(t);
  t.removedBy = phase;
  if (wasStanding == (phase == 0)) return;
  standing_[i] = !wasStanding;
  const double sign = wasStanding ? -1.0 : 1.0;
  Group& g = groups_[t.species];
  const int e = place_[i];
  for (int b = 0; b < 2; ++b) {
    g.change[b] += sign * g.values[e][b];
    g.moved[b] += std::fabs(g.values[e][b]);
  }
  ++g.changes;
  g.dirtyFrom = std::min(g.dirtyFrom, e);
  Group& energy = groups_[kEnergyGroup];
  energy.change[0] += sign * energy.values[i][0];
  energy.moved[0] += std::fabs(energy.values[i][0]);
  ++energy.changes;
  energy.dirtyFrom = std::min(energy.dirtyFrom, i);
}

void StockVolumeTracker::SumAgain(Group& g) {
  const int n = static_cast<int>(g.trees.size());
  if (g.dirtyFrom >= n) return;
  int e = g.dirtyFrom / kBlock * kBlock;
  std::array<float, 2> sums = g.checkpoints[e / kBlock];
  for (; e < n; ++e) {
    if (e % kBlock == 0) g.checkpoints[e / kBlock] = sums;
    if (!standing_[g.trees[e]]) continue;
    sums[0] += g.values[e][0];
    sums[1] += g.values[e][1];
  }
  g.sums = sums;
  g.change = {0.0, 0.0};
  g.moved = {0.0, 0.0};
  g.changes = 0;
  g.dirtyFrom = n;
}

bool data::ChooseTreeOfPair(int i, int j, int xj, int yj, bool lowThinning, int option) {
  return ChoosePairTree(TreeHeight(i), TreeHeight(j), xj, yj, lowThinning, option);
}

int data::ThinByMinimumSpacing(float spacing, int p, bool lowThinning, int option) {
  EnsureYOrder(*this);
  const std::vector<SpacingScanner::Lanes> taken = SpacingScanner(*this).Scan({spacing}, lowThinning, option);
  for (int i = 0; i < TreeCount(); ++i)
    if (taken[i]) Trees[i].removedBy = p + 1;
  return SpacingScanner::Count(taken, 0);
}

float data::SpacingThinningPass(int p, float target, int mode, bool lowThinning) {
  EnsureYOrder(*this);
  const int k = p + 1;
  const int stems = SlotTreeCount(p);
  const double density = stems / 12000.0;
  // Start spacing in hundredths of a metre: close for a dense stand.
  int t = 150 - platform::RoundHalfAway(150 * std::pow(density, 0.25));
  const double current = mode >= 2 ? SlotTotalVolume(p) : mode == 1 ? SlotBasalArea(p) : stems;
  int wanted = 0;
  if (current > 0) {
    const double weight = (lowThinning ? 0.4 : 0.0) + 0.4 * std::sqrt(density) + 0.5 -
                          (mode == 4 ? 0.2 : 0.0) - (mode == 5 ? 0.4 : 0.0);
    const double f = (mode == 0 ? 0.6692307692307692 : 1.0) * weight;
    wanted = platform::RoundHalfAway((current - target) / current * f * stems);
  }

  // Every trial scans the same stand: the spacings a search is about to try
  // are scanned together with the one it asks for, a spacing tried again is
  // not scanned again, and the pass at the spacing found takes the trees of
  // its trial. Which spacings go together changes only the time taken. Only
  // the trials up to 10 cm below the latest are kept: the spacing found is
  // always among them.
  SpacingScanner scanner(*this);
  struct Trial {
    int count = 0;
    std::shared_ptr<const std::vector<SpacingScanner::Lanes>> taken;
    int lane = 0;
  };
  std::map<int, Trial> trials;
  int step = 10;
  // The spacings from `spacing` on that the search will try next: a few
  // steps of 10 cm, up to the first at or beyond 3.01 m; or, climbing by
  // 1 cm below a spacing known to take too many, those up to just past where
  // the counts on either side place the end of the climb.
  auto ahead = [&](int spacing) {
    std::vector<int> batch;
    if (step == 10) {
      for (int next = spacing; batch.size() < 4; next += 10) {
        batch.push_back(next);
        if (next >= 301) break;
      }
      return batch;
    }
    int last = spacing + 9;
    const auto above = trials.upper_bound(spacing);
    const auto below = trials.find(spacing - 1);
    if (above != trials.end() && below != trials.end() && above->second.count > below->second.count) {
      const double share = static_cast<double>(wanted - below->second.count) /
                           (above->second.count - below->second.count);
      last = std::min(above->first - 1, below->first + 1 + static_cast<int>(std::ceil(share * (above->first - below->first))));
    }
    for (int next = spacing; next <= std::max(last, spacing); ++next) batch.push_back(next);
    return batch;
  };
  auto trial = [&](int spacing) -> const Trial& {
    if (trials.find(spacing) == trials.end()) {
      const std::vector<int> batch = ahead(spacing);
      std::vector<float> metres;
      for (int b : batch) metres.push_back(static_cast<float>(b * 0.01));
      const auto taken = std::make_shared<const std::vector<SpacingScanner::Lanes>>(
          scanner.Scan(metres, lowThinning, 0));
      for (int l = 0; l < static_cast<int>(batch.size()); ++l)
        trials[batch[static_cast<std::size_t>(l)]] = {SpacingScanner::Count(*taken, l), taken, l};
    }
    trials.erase(trials.begin(), trials.lower_bound(spacing - 10));
    return trials.at(spacing);
  };
  int lastRemoved = 0;
  for (;;) {
    lastRemoved = trial(t).count;
    if (t >= 301) {  // never beyond 3.00 m
      t -= step;
      break;
    }
    if (lastRemoved > wanted) {
      if (step == 1) {
        t -= 1;
        break;
      }
      // Back to the last spacing that did not take too many, then climb by 1 cm.
      t = t - 11 + 1;
      step = 1;
    } else {
      t += step;
    }
  }
  int taken = 0;
  if (lastRemoved > 0) {
    const Trial& found = trial(t);
    for (int i = 0; i < TreeCount(); ++i)
      if (((*found.taken)[i] >> found.lane) & 1) Trees[i].removedBy = k;
    taken = found.count;
  }
  if (mode == 1) return SlotBasalArea(p) - StandingBasalArea(*this);
  return static_cast<float>(taken);
}

int data::ThinToTargetVolume(int p, float target, int mode, bool lowThinning) {
  // A target that is not below the stock of phase p asks for no removal: the
  // spacing pass would still take one tree of each close pair, and trees
  // too small to change the rounded volume would stay taken.
  if (!(target < SlotTotalVolume(p))) return StandingStockVolume();
  SpacingThinningPass(p, target, mode, lowThinning);
  SortAllTrees(SortHeight);
  ThinToVolumeByHeight(p, target, lowThinning);
  SortAllTrees(SortY);
  return StandingStockVolume();
}

void data::ThinToVolumeByHeight(int p, float target, bool lowThinning) {
  const int n = TreeCount();
  const int k = p + 1;
  StockVolumeTracker stock(*this);
  // In stands of small trees the volume is summed again only every 25 (low)
  // or 5 (high thinning) trees while it is more than 10 m3/ha above the
  // target; inside such a batch it is taken as target + 1. Only comparisons
  // of the volume with the target (and target + 10) decide anything, and the
  // tracker settles those from its bounds, summing only when they are close.
  const int batchSize = lowThinning ? 25 : 5;
  int batch = platform::RoundHalfAway(SlotMeanDiameter(p)) < 26 ? 0 : -1;
  bool inBatch = false;
  const double standIn = static_cast<double>(target) + 1.0;
  auto compare = [&](double level) {
    if (!inBatch) return stock.Compare(level);
    return standIn > level ? 1 : standIn < level ? -1 : 0;
  };
  // The trees of a batch not yet summed. A batch that the end of the list
  // cuts short (in a stand of fewer trees than a batch, all of them) is
  // taken again tree by tree, so that it stops at the target instead of
  // removing every tree it reached.
  std::vector<int> unsummed;
  for (int i = lowThinning ? 0 : n - 1; i >= 0 && i < n && compare(target) > 0;
       i += lowThinning ? 1 : -1) {
    if (!IsStanding(Trees[i])) continue;
    stock.Mark(i, k);
    if (batch >= 0) ++batch;
    if (batch == batchSize) {
      inBatch = false;
      batch = compare(target + 10) > 0 ? 0 : -1;
      unsummed.clear();
    } else if (batch < 0) {
      inBatch = false;
    } else {
      inBatch = true;
      unsummed.push_back(i);
    }
  }
  if (!unsummed.empty()) {
    for (int i : unsummed) stock.Reinstate(i);
    inBatch = false;
    for (size_t u = 0; u < unsummed.size() && compare(target) > 0; ++u) {
      stock.Mark(unsummed[u], k);
    }
  }

  // Correction: walk the list once, reinstating marked trees while the
  // volume is below the target and marking standing ones while above,
  // until it is exactly the target.
  for (int j = 0; j < n; ++j) {
    const int c = stock.Compare(target);
    if (c == 0) break;
    if (c < 0 && Trees[j].removedBy == k) {
      stock.Reinstate(j);
    } else if (c > 0 && IsStanding(Trees[j])) {
      stock.Mark(j, k);
    }
  }
}

bool data::ThinToTargetBasalArea(int p, float target, int mode, bool lowThinning) {
  const double current = mode == 1 ? static_cast<double>(SlotBasalArea(p)) : SlotTreeCount(p);
  if (target >= current) return false;
  float removed = mode == 100 ? 0.0f : SpacingThinningPass(p, target, mode, lowThinning);
  SortAllTrees(SortHeight);
  const int n = TreeCount();
  for (int i = lowThinning ? 0 : n - 1; target + removed < current && i >= 0 && i < n;
       i += lowThinning ? 1 : -1) {
    if (!IsStanding(Trees[i])) continue;
    Trees[i].removedBy = p + 1;
    removed += mode == 1 ? TreeBasalArea(TreeDiameter(i)) : 1.0f;
  }
  SortAllTrees(SortY);
  return true;
}
