// The engine under long random use: seeded stands (from the sample engine and
// from the shared fixture) go through random sequences of the steps a user
// can take in the main window: every cutting pattern with its trials and
// cancels, growths, undos, saves, header changes and reopenings of the stand
// file. After every step the stand must hold together:
//   - the species blocks count the tree records of each species;
//   - the current phase is the number of named slots 1..5, later slots are
//     empty, no tree carries a mark beyond the current phase;
//   - each recorded slot k still describes the trees standing after step k
//     (stems exactly, volumes to the rounding of a float sum), stems never
//     grow from one slot to the next, nothing is negative or not a number;
//   - an undo gives back exactly the stand before the step;
//   - a save writes the same bytes twice, and the file reads back as the
//     stand that was saved; reopening gives the last saved stand.
//
// The run in CI is short. NORVALEN_SOAK_SEQUENCES (sequences),
// NORVALEN_SOAK_SEED (first seed) and NORVALEN_SOAK_MAX_STEMS (largest
// stand) make a long run; its figures are printed at the end.

#include "model/Ages.h"
#include "model/ClassTables.h"
#include "model/Phase.h"
#include "model/Sample.h"
#include "model/StandFile.h"
#include "platform/Random.h"
#include "tests/model/CuttingStands.h"
#include "tests/support/FileBytes.h"
#include "tests/support/PictureStands.h"
#include "tests/support/TempDir.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using testsupport::ReadAll;

#ifdef __SANITIZE_ADDRESS__
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

int EnvInt(const char* name, int fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::atoi(v) : fallback;
}

using Rng = std::mt19937;

int Uniform(Rng& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
bool Chance(Rng& rng, double p) { return std::bernoulli_distribution(p)(rng); }

// ---- The stand as its file holds it, whatever the order of its tree list ---

// The fixed records of a stand file, its tree records (each with its grown
// sizes) in sorted order, the phase shown, and the regeneration choices as
// the stand holds them (a byte choice read back as 255 is written as -1 is).
struct Snapshot {
  QByteArray fixed;
  std::vector<QByteArray> trees;
  int phase = 0;
  std::array<int32_t, RegenerationChoices::kCount> choices{};
};

Snapshot Records(const QByteArray& file, const data& s) {
  using namespace standfile;
  const int n = s.TreeCount();
  Snapshot x{file.left(kTreesOffset), std::vector<QByteArray>(static_cast<size_t>(n)), CurrentPhase(),
             s.Regeneration.choice};
  for (int i = 0; i < n; ++i) {
    QByteArray& t = x.trees[static_cast<size_t>(i)];
    t = file.mid(kTreesOffset + i * kTreeBytes, kTreeBytes);
    for (int step = 0; step < s.GrowthStepCount(); ++step)
      t += file.mid(kTreesOffset + qint64(n) * (kTreeBytes + step * kGrownSizeBytes) + qint64(i) * kGrownSizeBytes,
                    kGrownSizeBytes);
  }
  std::sort(x.trees.begin(), x.trees.end());
  return x;
}

Snapshot Take(const data& s) { return Records(standfile::EncodeStand(s), s); }

// What differs between two snapshots ("" when nothing). An undo gives back
// the trees, blocks and slots; the header and the regeneration choices are
// changed by windows of their own and are compared only when whole is set.
std::string Difference(const Snapshot& a, const Snapshot& b, bool whole) {
  using namespace standfile;
  if (a.trees != b.trees || a.fixed.size() != b.fixed.size()) return "trees";
  if (whole && a.choices != b.choices) return "regeneration choices";
  for (int i = 0; i < a.fixed.size(); ++i) {
    const bool ownWindow = i < kBlocksOffset || (i >= kChoicesOffset && i < kSlotsOffset);
    if (a.fixed[i] == b.fixed[i] || (ownWindow && !whole)) continue;
    if (i >= kSlotsOffset) return "slot " + std::to_string((i - kSlotsOffset) / kSlotBytes);
    return i < kBlocksOffset ? "header" : i < kChoicesOffset ? "species blocks" : "regeneration choices";
  }
  return a.phase == b.phase ? "" : "phase " + std::to_string(a.phase) + " / " + std::to_string(b.phase);
}

// Whether two trees share a measured height or a y (the keys of the sorts
// around a save), so that their order in the file is the partition sort's.
bool HasEqualSortKeys(const data& s) {
  for (bool byY : {false, true}) {
    std::vector<float> keys;
    for (const TreeRecord& t : s.Trees) keys.push_back(byY ? t.y : t.height);
    std::sort(keys.begin(), keys.end());
    if (std::adjacent_find(keys.begin(), keys.end()) != keys.end()) return true;
  }
  return false;
}

// ---- Seeded stands ---------------------------------------------------------

bool HasTrees(const data& s) { return s.DevelopmentClass() != 1 && s.DevelopmentClass() != 2; }

// A measurement of one to three species whose sample has 1..maxStems stems,
// built by the sample engine as the measurement window builds it.
std::unique_ptr<data> SampleStand(Rng& rng, int maxStems) {
  SampleMeasurement m;
  for (int attempt = 0;; ++attempt) {
    m = SampleMeasurement{};
    const int species = Uniform(rng, 1, 3);
    for (int k = 0; k < species; ++k) {
      const auto s = static_cast<size_t>(Uniform(rng, 0, 4));
      const int d = Uniform(rng, 6, 42);
      const double hm = 1.3 + d * 0.75 - d * d * 0.006;
      m.meanDiameter[s] = d;
      m.meanHeightTenths[s] = std::clamp(static_cast<int>(hm * 10.0) + Uniform(rng, -20, 20), 20, 350);
      m.basalAreaTenths[s] = Uniform(rng, 10, attempt < 20 ? 280 : 40);
    }
    m.grouping = Uniform(rng, 0, 2);
    m.developmentClass = Uniform(rng, 3, 8);
    int stems[5] = {};
    ApplyStemCountAlternative(m.basalAreaTenths.data(), m.meanDiameter.data(),
                              Uniform(rng, 0, kStemCountAlternatives - 1), stems, m.classes);
    for (int s = 0; s < 5; ++s) m.stems[static_cast<size_t>(s)] = stems[s];
    if (m.TotalStems() >= 1 && m.TotalStems() <= maxStems) break;
  }
  platform::ForceSeed(rng());
  const int n = RebuildStandSample(m);
  StandHeader header;
  header.estateName = QString::fromUtf8("Soak-tila Äijälä");
  header.standId = QStringLiteral("%1a").arg(Uniform(rng, 1, 999));
  header.info = QString::fromUtf8("Mäntyvaltainen kangas, hinta 12 €/m3.");
  header.developmentClass = m.developmentClass;
  header.siteType = Uniform(rng, 0, 6);
  header.measurementDay = Uniform(rng, 40000, 46000);
  header.area = static_cast<float>(Uniform(rng, 1, 5000)) * 0.01f;
  return picturestands::StandOfSample(m, n, header);
}

// A stand of the shared fixture; now and then a tiny one, an empty one, a
// treeless area or a small seedling stand (on which nothing may be done).
std::unique_ptr<data> FixtureStand(Rng& rng, int maxStems) {
  const int kind = Uniform(rng, 0, 9);
  int n = Uniform(rng, 1, std::min(maxStems, 2500));
  if (kind == 0) n = Uniform(rng, 0, 12);
  auto stand = standfixture::MakeStand(n, rng());
  stand->Header.standId = QStringLiteral("f%1").arg(Uniform(rng, 1, 999));
  if (kind == 1) stand->Header.developmentClass = 1;
  if (kind == 2) {
    stand->Header.developmentClass = 2;
    for (TreeRecord& t : stand->Trees) t.diameter = t.height = 0.0f;
  }
  return stand;
}

// ---- The soak --------------------------------------------------------------

// How many of each step (and trees) a run took.
using Figures = std::map<std::string, long>;

class Soak {
 public:
  Soak(Rng& rng, Figures& figures, const QString& folder, int maxStems)
      : rng_(rng), fig_(figures), folder_(folder), maxStems_(maxStems) {}

  void Run(int steps) {
    stand_ = Chance(rng_, 0.6) ? SampleStand(rng_, maxStems_) : FixtureStand(rng_, maxStems_);
    fig_["trees"] += stand_->TreeCount();
    Activate();
    Check("created");
    for (int i = 0; i < steps && !::testing::Test::HasFatalFailure(); ++i) {
      ++fig_["steps"];
      // At the fifth step nothing more can be recorded: mostly walk back.
      const int r = Phase() == kPhaseCount - 1 && Chance(rng_, 0.5) ? 60 : Uniform(rng_, 0, 99);
      std::string what;
      if (r < 40) what = Cut();
      else if (r < 55) what = Grow();
      else if (r < 72) what = Undo();
      else if (r < 86) what = SaveFile();
      else if (r < 94) what = Reopen();
      else if (r < 97) what = ChangeHeader();
      else what = ChangeRegenerationChoices();
      Check(what);
    }
  }

 private:
  int Phase() const { return CurrentPhase(); }
  data& S() { return *stand_; }
  std::string Refused(const char* what) {
    ++fig_["refused"];
    return what;
  }

  // What the activation of a new stand does: slot 0, the stand ages the
  // growth dialog would offer, the new file; then the picture is drawn,
  // which leaves the trees in y order.
  void Activate() {
    SetCurrentPhase(0);
    if (S().DevelopmentClass() == 2) S().RecordInitialPhase(QStringLiteral("Mitattu"));
    else S().RecordPhase(0, QStringLiteral("Mitattu"), 0, 0);
    if (HasTrees(S())) EstimateSpeciesAges(S());
    int ages[kSpeciesSlots] = {};
    for (int s = 0; s < 5; ++s) ages[s] = S().SpeciesBlocks[s].words[WordStems] > 0 ? Uniform(rng_, 5, 140) : 0;
    S().SetSpeciesAges(ages);
    path_ = folder_ + "/" + S().Header.standId + ".Norvalen";
    QString error;
    ASSERT_EQ(S().WriteNewFile(path_, &error), StandFileStatus::Ok) << error.toStdString();
    DrawPicture();
    undo_.clear();
    saved_ = Take(S());
    savedUndo_.clear();
  }

  // The full refresh draws both dot maps, then the one after the steps.
  void DrawPicture() {
    S().SortTreesForDotMaps(true, true);
    DrawAfterMap();
  }
  // So does the refresh after a cutting, growth or undo.
  void DrawAfterMap() { S().SortTreesForDotMaps(false, true); }

  // ---- Cuttings: the main window's timing checks, then one dialog's
  // trials with the options changed between them, and OK or Cancel.
  bool CuttingAllowed() {
    const int p = Phase();
    return HasTrees(S()) && p < kPhaseCount - 1 && !S().FirstTwoPhasesAreGrowth() && !S().IsGrowthAfterCutting() &&
           S().SlotTreeCount(p) > 0;
  }

  std::string Cut() {
    if (!CuttingAllowed()) return Refused("cutting refused");
    const Snapshot before = Take(S());
    const int p = Phase();
    const int k = p + 1;
    const int dialog = Uniform(rng_, 0, 11);
    const int trials = Uniform(rng_, 1, 3);
    // The phase's name as the dialogs write theirs: the cutting and its options.
    const QString name = QString::fromUtf8("Hakkuu %1, %2 kokeilua – mänty/kuusi €").arg(dialog).arg(trials);
    for (int t = 0; t < trials; ++t) {
      ++fig_["trials"];
      // Every cutting starts from the list in y order.
      EXPECT_TRUE(std::is_sorted(S().Trees.begin(), S().Trees.end(),
                                 [](const TreeRecord& a, const TreeRecord& b) { return a.y < b.y; }));
      S().UndoOperation(k);  // the dialog's reset of its trial phase
      S().ClearSlot(k);
      Trial(dialog, p);
      S().RecordPhase(k, name, 0, 0);
      // The trial phase holds what was cut (a mark beyond it stays and is
      // found by the checks after the step).
      EXPECT_EQ(S().SlotTreeCount(k), CountStandingAfter(k));
    }
    if (Chance(rng_, 0.25)) {
      ++fig_["cancels"];
      S().UndoOperation(k);
      S().ClearSlot(k);
      const std::string diff = Difference(before, Take(S()), true);
      EXPECT_EQ(diff, "") << "after a cancelled cutting";
      return "cutting cancelled";
    }
    ++fig_["cuttings"];
    SetCurrentPhase(100);
    DrawAfterMap();
    undo_.push_back(before);
    return "cutting " + std::to_string(dialog) + ": " + name.toStdString();
  }

  // One trial of a cutting dialog into phase p + 1, with options as the
  // dialog offers them.
  void Trial(int dialog, int p) {
    const int k = p + 1;
    const int volume = S().SlotTotalVolume(p);
    const bool low = Chance(rng_, 0.5);
    switch (dialog) {
      case 0: {  // strip cutting
        static const int widths[] = {20, 25, 30, 35, 40, 45, 50, 60, 70, 80, 90, 100};
        return S().SelectStripCut(widths[Uniform(rng_, 0, 11)], p);
      }
      case 1:  // small-gap cutting
        return S().SelectSmallGapCut(Uniform(rng_, 1, 6) * 5, p);
      case 2: {  // clear-cut with retention groups
        const int g = Uniform(rng_, 0, 3);
        S().SelectSpacedRetention(g, g == 0 ? 0 : Uniform(rng_, 1, g == 1 ? 60 : g == 2 ? 40 : 25), p);
        return;
      }
      case 3: {  // seed-tree cutting: pine, birch or both
        const bool pine = Chance(rng_, 0.7);
        const bool birch = !pine || Chance(rng_, 0.5);
        const int c = Uniform(rng_, 0, 13) * 10 + 20;
        S().SelectRetentionCutBySpecies(pine ? 0 : -1, birch ? 2 : -1, Uniform(rng_, 0, 1), c, 20, 150, k);
        return;
      }
      case 4: {  // shelterwood cutting
        const int c = Uniform(rng_, 0, 10) * 20 + 100;
        const int spruce = Chance(rng_, 0.5) ? 0 : -1;
        S().SelectRetentionCut(spruce, Chance(rng_, 0.5) ? 2 : -1, Uniform(rng_, 0, 1), c, 100, 300, k);
        return;
      }
      case 5: {  // species removal
        int c[5];
        do {
          for (int& v : c) v = Uniform(rng_, 0, 2);
        } while (c[0] + c[1] + c[2] + c[3] + c[4] == 0);
        const bool all = S().SelectSpeciesRemoval(c[0], c[1], c[2], c[3], c[4], k);
        EXPECT_EQ(all, cuttingstands::CountMarked(S(), k) == S().SlotTreeCount(p)) << "species removal's whole answer";
        return;
      }
      case 6: {  // corridor thinning
        const float width = static_cast<float>(Uniform(rng_, 0, 3)) * 0.5f + 1.0f;
        return S().SelectCorridors(width, Uniform(rng_, 0, 3) * 2.0f + 6.0f, k);
      }
      case 7: {  // strip roads: the chosen width plus 1.0 m at a spacing of the list, or none
        const int j = Uniform(rng_, 0, 8);
        const int i = Uniform(rng_, 0, 10);
        const float spacing = i < 6 ? 10.0f + 2 * i : i <= 9 ? 25.0f + 5 * (i - 6) : 50.0f;
        if (j > 0) S().SelectStripRoads(0.5f * j + 2.0f, spacing, k);
        return;
      }
      case 8: {  // selection cutting: the largest trees, then a thinning pass
        const int target = volume - (volume > 2 ? Uniform(rng_, 1, volume - 1) : 0);
        if (target == volume) return;
        S().SelectLargestTrees(p, static_cast<float>(std::lround(0.2 * (volume - target))));
        EXPECT_GE(S().ThinToTargetVolume(p, static_cast<float>(target), 4 + Uniform(rng_, 0, 1), false), 0);
        return;
      }
      case 9: {  // thinning to a standing volume (now and then none to take)
        const int target = std::max(0, volume - Uniform(rng_, 1, std::max(1, volume / 2 + 1))) +
                           (Chance(rng_, 0.1) ? Uniform(rng_, 0, 50) : 0);
        EXPECT_GE(S().ThinToTargetVolume(p, static_cast<float>(target), 2, low), 0);
        return;
      }
      case 10: {  // thinning to a stem count or a basal area
        const int mode = Uniform(rng_, 0, 1);
        const int most = mode == 0 ? S().SlotTreeCount(p) + 5 : static_cast<int>(S().SlotBasalArea(p)) + 2;
        S().ThinToTargetBasalArea(p, static_cast<float>(Uniform(rng_, 0, most)), mode, low);
        return;
      }
      default:  // thinning to a minimum distance
        S().ThinByMinimumSpacing(static_cast<float>(Uniform(rng_, 0, 12)) * 0.25f + 1.0f, p, Chance(rng_, 0.5), 3);
    }
  }

  // ---- Growth as the main window's grow command makes it.
  std::string Grow() {
    const int p = Phase();
    const int g = S().GrowthStepCount();
    const bool allowed = HasTrees(S()) && S().SlotTreeCount(p) >= 10 && g < 2 && !(g == 1 && !S().FirstPhaseIsGrowth()) &&
                         p < kPhaseCount - 1;
    if (!allowed) return Refused("growth refused");
    const Snapshot before = Take(S());
    const int years = Chance(rng_, 0.3) ? Uniform(rng_, 1, 20) : Uniform(rng_, 1, 4) * 5;
    int ages[kSpeciesSlots] = {};
    for (int s = 0; s < kSpeciesSlots; ++s) ages[s] = S().SpeciesValue(s, 7);
    // A second step grows on from the first, the ages raised by its years.
    if (g == 1) for (int& a : ages) a = a > 0 ? a + S().FirstPhaseYears() : 0;
    GrownSizeArray& sizes = g == 0 ? S().GrownSizes1 : S().GrownSizes2;
    sizes = S().AllocGrownSizes();
    SetCurrentPhase(100);
    S().GrowTrees(sizes, CurrentPhase(), years, ages, true, g == 0);
    S().RecordPhase(CurrentPhase(), QStringLiteral("Kasvatus"), g + 1, years);
    EXPECT_TRUE(S().HeightWork.empty());
    DrawAfterMap();
    ++fig_["growths"];
    undo_.push_back(before);
    return "growth " + std::to_string(years) + " years";
  }

  std::string Undo() {
    const int p = Phase();
    if (p == 0) return Refused("undo at the measured state");  // nothing to undo: nothing changes
    const bool growth = S().Slots[p].years > 0;
    const int g = S().GrowthStepCount();
    S().UndoOperation(p);
    if (growth) (g == 2 ? S().GrownSizes2 : S().GrownSizes1).clear();
    S().ClearSlot(p);
    SetCurrentPhase(-1);
    DrawAfterMap();
    ++fig_["undos"];
    if (!undo_.empty()) {
      const std::string diff = Difference(undo_.back(), Take(S()), false);
      EXPECT_EQ(diff, "") << "undo of phase " << p;
      undo_.pop_back();
    }
    return "undo of phase " + std::to_string(p);
  }

  std::string SaveFile() {
    const int p = Phase();
    QString error;
    const StandFileStatus st = S().Save(path_, &error);
    EXPECT_EQ(st, StandFileStatus::Ok) << error.toStdString();
    if (st != StandFileStatus::Ok) return "save failed";
    ++fig_["saves"];
    const QByteArray first = ReadAll(path_);
    EXPECT_EQ(first.size(), standfile::FileLength(S().TreeCount(), S().GrowthStepCount()));
    // Written twice, the same bytes. The save sorts the trees by measured
    // height with the stand's partition sort, which leaves trees of equal
    // height in an order that depends on the order before it; with such
    // trees the two files hold the same records, perhaps in another order.
    EXPECT_EQ(S().Save(path_), StandFileStatus::Ok);
    const QByteArray second = ReadAll(path_);
    const bool equalKeys = HasEqualSortKeys(S());
    EXPECT_TRUE(equalKeys ? Difference(Records(second, S()), Records(first, S()), true).empty() : second == first)
        << "a second save wrote other " << (equalKeys ? "records" : "bytes");
    // The file reads back as the stand that was saved, at the same phase.
    std::unique_ptr<data> back;
    EXPECT_EQ(data::ReadStandFile(path_, false, back), StandFileStatus::Ok);
    if (!back) return "save not readable";
    EXPECT_EQ(CurrentPhase(), p);
    SetCurrentPhase(p);
    saved_ = Take(S());
    const std::string diff = Difference(saved_, Take(*back), true);
    EXPECT_EQ(diff, "") << "the file read back after a save";
    EXPECT_TRUE(standfile::EncodeStand(*back) == second) << "what was read encodes to other bytes";
    savedUndo_ = undo_;
    return "save";
  }

  std::string Reopen() {
    std::unique_ptr<data> back;
    const StandFileStatus st = data::ReadStandFile(path_, false, back);
    EXPECT_EQ(st, StandFileStatus::Ok);
    if (st != StandFileStatus::Ok) return "reopen failed";
    ++fig_["reopens"];
    stand_ = std::move(back);
    // The view draws the picture; the stand is the one last saved.
    DrawPicture();
    const std::string diff = Difference(saved_, Take(S()), true);
    EXPECT_EQ(diff, "") << "the reopened stand";
    undo_ = savedUndo_;
    return "reopen";
  }

  // The measurement window's change of the header: a new note and area.
  std::string ChangeHeader() {
    StandHeader h = S().Header;
    h.info = QString::fromUtf8("Muutettu %1: ÅÄÖ åäö € ").arg(Uniform(rng_, 0, 99999)).repeated(Uniform(rng_, 1, 30));
    h.area = static_cast<float>(Uniform(rng_, 0, 100000)) * 0.01f;
    QString error;
    const QByteArray before = ReadAll(path_);
    EXPECT_EQ(S().RewriteHeader(path_, h, &error), StandFileStatus::Ok) << error.toStdString();
    const QByteArray after = ReadAll(path_);
    EXPECT_EQ(after.size(), before.size());
    EXPECT_TRUE(after.mid(StandHeader::kBytes) == before.mid(StandHeader::kBytes)) << "a header change wrote more";
    EXPECT_TRUE(after.left(StandHeader::kBytes) == standfile::EncodeHeader(h));
    ++fig_["headers"];
    // What is on disk now is the saved stand with the new header.
    saved_.fixed.replace(0, StandHeader::kBytes, standfile::EncodeHeader(S().Header));
    return "header changed";
  }

  // The regeneration cost window's choices (saved with the stand).
  std::string ChangeRegenerationChoices() {
    for (int i = 0; i < RegenerationChoices::kCount; ++i) S().SetRegenerationChoice(i, Uniform(rng_, -1, 12));
    return "regeneration choices";
  }

  // Trees standing after step k: not removed, or removed by a later step.
  int CountStandingAfter(int k) const {
    int n = 0;
    for (const TreeRecord& t : stand_->Trees) n += (t.removedBy == 0 || t.removedBy > k) ? 1 : 0;
    return n;
  }

  // Slot k recorded again from the trees standing after step k, with the
  // sizes of that step, on a copy of the stand cut back to phase k.
  PhaseSlot Rerecorded(int k) const {
    data copy = *stand_;
    int growths = 0;
    for (int q = 1; q <= k; ++q) growths += copy.Slots[q].years > 0 ? 1 : 0;
    for (int q = k + 1; q < kPhaseCount; ++q) copy.ClearSlot(q);
    if (growths < 2) copy.GrownSizes2.clear();
    if (growths < 1) copy.GrownSizes1.clear();
    for (TreeRecord& t : copy.Trees)
      if (t.removedBy > k) t.removedBy = 0;
    const int source = copy.Slots[k].years > 0 ? growths : 0;
    copy.RecordPhase(k, copy.Slots[k].name, source, copy.Slots[k].years);
    return copy.Slots[k];
  }

  void Check(const std::string& what) {
    SCOPED_TRACE(what);
    const data& s = *stand_;
    const int p = Phase();
    const int n = s.TreeCount();

    // Species blocks count the tree records; species 0..4; marks 0..p.
    int perSpecies[kSpeciesSlots] = {};
    for (const TreeRecord& t : s.Trees) {
      ASSERT_TRUE(t.species >= 0 && t.species <= 4) << t.species;
      ASSERT_TRUE(t.removedBy >= 0 && t.removedBy <= p) << "mark " << t.removedBy << " at phase " << p;
      ++perSpecies[t.species];
      for (float v : {t.diameter, t.height}) ASSERT_TRUE(std::isfinite(v) && v >= 0.0f) << v;
    }
    for (int sp = 0; sp < kSpeciesSlots; ++sp)
      ASSERT_EQ(s.SpeciesBlocks[sp].words[WordStems], perSpecies[sp]) << "species " << sp;

    // Phase and slots: 0..p named, later ones empty (no byte of them set),
    // at most two growths.
    ASSERT_EQ(standfile::NamedStepCount(s), p);
    const int beyond = (kPhaseCount - 1 - p) * standfile::kSlotBytes;
    ASSERT_EQ(standfile::EncodeStand(s).mid(standfile::kTreesOffset - beyond, beyond), QByteArray(beyond, '\0'))
        << "slots beyond phase " << p;
    for (int k = 0; k <= p; ++k) {
      const PhaseSlot& slot = s.Slots[k];
      ASSERT_FALSE(slot.name.isEmpty()) << "slot " << k;
      ASSERT_TRUE(slot.years >= 0 && slot.years <= 20) << slot.years;
      ASSERT_GE(slot.stems, 0);
      for (int v : slot.volumes) ASSERT_GE(v, 0) << "slot " << k;
      for (float v : {slot.basalArea, slot.meanDiameter, slot.meanHeight})
        ASSERT_TRUE(std::isfinite(v) && v >= 0.0f) << "slot " << k << ": " << v;
      if (k > 0) {
        ASSERT_LE(slot.stems, s.Slots[k - 1].stems) << "stems grew at slot " << k;
      }
      if (k > 0 || s.DevelopmentClass() != 2) {
        ASSERT_EQ(slot.stems, CountStandingAfter(k)) << "slot " << k;
      }
    }
    const int g = s.GrowthStepCount();
    ASSERT_LE(g, 2);
    ASSERT_EQ(s.GrownSizes1.size(), g >= 1 ? static_cast<size_t>(n) : 0u);
    ASSERT_EQ(s.GrownSizes2.size(), g >= 2 ? static_cast<size_t>(n) : 0u);
    for (const GrownSizeArray* a : {&s.GrownSizes1, &s.GrownSizes2})
      for (const GrownSize& x : *a) ASSERT_TRUE(std::isfinite(x.diameter) && x.diameter >= 0.0f &&
                                                std::isfinite(x.height) && x.height >= 0.0f);

    // Each slot still describes its trees: recorded again on a copy, the
    // same stems, each volume to within the rounding of a float sum taken
    // in another tree order, the means to float precision.
    if (s.DevelopmentClass() == 2) return;
    for (int k = 0; k <= p; ++k) {
      const PhaseSlot again = Rerecorded(k);
      const PhaseSlot& slot = s.Slots[k];
      ASSERT_EQ(again.stems, slot.stems) << "slot " << k;
      for (int j = 0; j < kAssortmentCount; ++j)
        ASSERT_LE(std::abs(again.volumes[j] - slot.volumes[j]), 1) << "slot " << k << " assortment " << j;
      const auto near = [](float a, float b) { return std::fabs(a - b) <= 1e-3f * std::max(1.0f, std::fabs(b)); };
      ASSERT_TRUE(near(again.basalArea, slot.basalArea)) << "slot " << k;
      ASSERT_TRUE(near(again.meanDiameter, slot.meanDiameter)) << "slot " << k;
      ASSERT_TRUE(near(again.meanHeight, slot.meanHeight)) << "slot " << k;
    }
  }

  Rng& rng_;
  Figures& fig_;
  QString folder_;
  int maxStems_;
  std::unique_ptr<data> stand_;
  QString path_;
  std::vector<Snapshot> undo_;       // the stand before each recorded step
  Snapshot saved_;                   // the stand as its file holds it
  std::vector<Snapshot> savedUndo_;  // undo_ when it was saved
};

class SoakTest : public ::testing::Test {
 protected:
  void SetUp() override { SetCurrentPhase(0); }
  void TearDown() override {
    platform::ClearForcedSeed();
    FreeSampleTrees();
    SetCurrentPhase(0);
  }
  testsupport::TempDir dir;
};

TEST_F(SoakTest, RandomSequencesKeepTheStandWhole) {
  const int sequences = EnvInt("NORVALEN_SOAK_SEQUENCES", kSanitized ? 40 : 150);
  const int firstSeed = EnvInt("NORVALEN_SOAK_SEED", 20240601);
  const int maxStems = std::clamp(EnvInt("NORVALEN_SOAK_MAX_STEMS", kSanitized ? 800 : 1500), 1, kMaxTreeCount);
  Figures fig;
  const auto start = std::chrono::steady_clock::now();
  for (int q = 0; q < sequences && !HasFatalFailure(); ++q) {
    const unsigned seed = static_cast<unsigned>(firstSeed + q);
    SCOPED_TRACE("sequence seed " + std::to_string(seed));
    Rng rng(seed);
    Soak soak(rng, fig, dir.path(), maxStems);
    soak.Run(Uniform(rng, 5, 40));
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("soak: %d sequences, largest stand %d, %.1f s:", sequences, maxStems, seconds);
  for (const auto& [what, n] : fig) std::printf(" %ld %s;", n, what.c_str());
  std::printf("\n");
}

}  // namespace
