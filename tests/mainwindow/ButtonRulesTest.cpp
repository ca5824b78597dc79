// The operation-button rules: every row of the rule table in both modes, the
// effects beside the buttons, and random legal chains of operations, growths
// and undos whose button states always equal a fresh replay of the recorded
// chain (which holds the thinning-group rebuild after an undone growing step,
// the baseline and the undo button; the main window's tests read them too).
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "mainwindow/ActsSaveRules.h"
#include "mainwindow/ButtonRules.h"
#include "stands/StandCardRules.h"
#include "model/Data.h"
#include "model/Phase.h"
#include "tests/mainwindow/SlotStands.h"
#include "tests/model/CuttingStands.h"

namespace {

const char* kRoads = "ajourat 4.0 m, uraväli 20 m";
const char* kLow = "alaharvennus hakkuukertymään 40 m3/ha";
const char* kHigh = "yläharvennus 600 runkoon/ha";
const char* kRemoval = "Puulajin poisto, koivu/haapa";
const char* kCorridor = "käytäväharvennus 2.0 m, väli 10 m";
const char* kSmallGap = "Pienaukkohakkuu, aukon koko 0.20 ha";
const char* kSelection = "poimintahakkuu 40 m3/ha";
const char* kClearCut = "Avohakkuu, säästöpuita 30 kpl/ha";
const char* kGrowth = "Kasvatus";

data Chain(const std::vector<const char*>& steps) { return slotstands::Chain({steps.begin(), steps.end()}); }

// Buttons in the order Button14, Button15, Button4, Button5, Button7,
// Button10, Button1: '1' set enabled, '0' set disabled, '-' left as it was.
void ExpectRow(const std::vector<const char*>& steps, int mode, bool thinningStage, const char* expected,
               const char* label) {
  const data s = Chain(steps);
  const int phase = static_cast<int>(steps.size());
  for (bool start : {false, true}) {
    ButtonStates states{};
    states.fill(start);
    ApplyButtonRule(states, s, phase, mode, thinningStage);
    for (int b = 0; b < kOperationButtonCount; ++b) {
      const bool want = expected[b] == '-' ? start : expected[b] == '1';
      EXPECT_EQ(states[b], want) << label << " mode " << mode << " button " << b << " from " << start;
    }
  }
}

}  // namespace

TEST(ButtonRules, EveryRowOfTheTableInBothModes) {
  struct Row {
    const char* label;
    std::vector<const char*> steps;
    bool thinningStage;
    const char* mode0;
    const char* mode1;
  };
  const std::vector<Row> rows = {
      {"growth at phase 1", {kGrowth}, true, "1111000", "1111000"},
      {"growth at phase 2, final stage", {kRoads, kGrowth}, false, "-------", "-------"},
      // Undone growth after strip roads, thinning stage: the group reopened,
      // then strip roads of phase 1 closed again.
      {"growth after strip roads", {kRoads, kGrowth}, true, "-------", "---0111"},
      // Two growing steps, the second after a thinning: phase 3 > 2.
      {"second growth after a thinning", {kGrowth, kLow, kGrowth}, true, "-------", "---1000"},
      {"small gap", {kSmallGap}, false, "0------", "1-11000"},
      {"selection", {kSelection}, false, "000----", "1111000"},
      {"selection after small gap", {kSmallGap, kSelection}, false, "000----", "0111000"},
      {"selection after species removal", {kRemoval, kSelection}, false, "000----", "01-1000"},
      {"regeneration", {kClearCut}, false, "000----", "1111000"},
      {"species removal, final stage", {kRemoval}, false, "0-0----", "1-1----"},
      {"species removal after small gap", {kSmallGap, kRemoval}, false, "000----", "011----"},
      {"strip roads", {kRoads}, true, "0--0111", "1--1000"},
      {"low thinning", {kRoads, kLow}, true, "----000", "----111"},
      {"high thinning", {kRoads, kHigh}, true, "----000", "----111"},
      {"thinning after species removal", {kRoads, kRemoval, kHigh}, true, "----000", "----1-0"},
      {"species removal, thinning stage", {kRoads, kRemoval}, true, "-----00", "-----11"},
      {"corridor thinning", {kRoads, kCorridor}, true, "----000", "----111"},
      {"unknown kind", {"jotain muuta"}, true, "-------", "-------"},
  };
  for (const Row& r : rows) {
    ExpectRow(r.steps, 0, r.thinningStage, r.mode0, r.label);
    ExpectRow(r.steps, 1, r.thinningStage, r.mode1, r.label);
  }
}

TEST(ButtonRules, EffectsBesideTheButtons) {
  ButtonStates states = BaselineButtonStates();
  const data regen = Chain({kClearCut});
  ButtonRuleEffects fx = ApplyButtonRule(states, regen, 1, 0, false);
  EXPECT_TRUE(fx.regeneration && fx.newForestVisible && fx.loadRegenerationEstimate);
  fx = ApplyButtonRule(states, regen, 1, 1, false);
  EXPECT_TRUE(fx.regeneration && !fx.newForestVisible && fx.resetRegenerationChoices && fx.enableGrowPanel);
  // Undone growing steps: the first (at phase 1, or alone after a cutting)
  // clears the ages and frees its sizes; the second frees its own.
  fx = ApplyButtonRule(states, Chain({kGrowth}), 1, 1, true);
  EXPECT_TRUE(fx.resetSpeciesAges && fx.freeFirstGrowth && !fx.freeSecondGrowth);
  fx = ApplyButtonRule(states, Chain({kRoads, kGrowth}), 2, 1, false);
  EXPECT_TRUE(fx.resetSpeciesAges && fx.freeFirstGrowth && !fx.restoreThinning);
  fx = ApplyButtonRule(states, Chain({kGrowth, kGrowth}), 2, 1, true);
  EXPECT_TRUE(!fx.resetSpeciesAges && fx.freeSecondGrowth && !fx.restoreThinning);
  fx = ApplyButtonRule(states, Chain({kGrowth, kGrowth}), 2, 0, true);
  EXPECT_FALSE(fx.freeSecondGrowth);
  EXPECT_TRUE(ApplyButtonRule(states, Chain({"jotain muuta"}), 1, 0, true).unknownKind);

  // The stand changes asked for.
  data s = cuttingstands::RandomStand(20, 3);
  s.GrownSizes1 = s.AllocGrownSizes();
  s.GrownSizes2 = s.AllocGrownSizes();
  s.SetRegenerationChoice(2, 4);
  const int ages[kSpeciesSlots] = {40, 50, 30, 20, 10, 0};
  s.SetSpeciesAges(ages);
  ApplyStandEffects(s, {.resetSpeciesAges = true, .freeSecondGrowth = true, .resetRegenerationChoices = true});
  EXPECT_EQ(s.SpeciesValue(SpeciesSpruce, 7), 0);
  EXPECT_FALSE(s.GrownSizes1.empty());
  EXPECT_TRUE(s.GrownSizes2.empty());
  EXPECT_EQ(s.RegenerationChoice(2), RegenerationChoices{}.choice[2]);
}

namespace {

// One random session on a stand: operations pressed through enabled and
// shown buttons where the cutting timing allows them, growths where the
// grow command allows them, undos, and stage changes before any cutting.
class ChainSession {
 public:
  ChainSession(unsigned seed) : stand_(cuttingstands::RandomStand(60, seed)), gen_(seed) {
    SetCurrentPhase(0);
    thinningStage_ = gen_() % 2 == 0;
    states_ = ReplayButtonStates(stand_, 0, thinningStage_);
  }

  void Step() {
    const int p = CurrentPhase();
    std::vector<int> choices;  // 0..6 buttons, 7 growth, 8 undo, 9 stage change
    if (CuttingAllowed(p)) {
      for (int b = 0; b < kOperationButtonCount; ++b)
        if (states_[b] && Shown(OperationButton(b)) && Preconditions(OperationButton(b), p)) choices.push_back(b);
    }
    if (GrowthAllowed(p)) choices.push_back(7);
    if (p > 0) choices.push_back(8);
    if (p == 0 || stand_.IsCurrentLeadingGrowth(true) || stand_.IsCurrentLeadingGrowth(false)) choices.push_back(9);
    if (choices.empty()) return;
    const int c = choices[gen_() % choices.size()];
    if (c < kOperationButtonCount) Cut(OperationButton(c), p);
    else if (c == 7) Grow(p);
    else if (c == 8) Undo(p);
    else {
      // The stage list is open only before a cutting; the window replays.
      thinningStage_ = !thinningStage_;
      states_ = ReplayButtonStates(stand_, p, thinningStage_);
    }
  }

  void ExpectReplayed(int step) const {
    const int p = CurrentPhase();
    EXPECT_EQ(states_, ReplayButtonStates(stand_, p, thinningStage_)) << "step " << step << " phase " << p;
    // Grown sizes exist exactly for the recorded growing steps.
    const int g = stand_.GrowthStepCount();
    EXPECT_EQ(stand_.GrownSizes1.empty(), g == 0) << "step " << step;
    EXPECT_EQ(stand_.GrownSizes2.empty(), g < 2) << "step " << step;
  }

  int cuttings = 0, growths = 0, undos = 0;

 private:
  bool Shown(OperationButton b) const {
    const bool finalGroup = b == RegenerationButton || b == SelectionButton || b == CombinedRemovalButton;
    return finalGroup != thinningStage_;
  }
  // The cutting commands' and the grow command's own refusals.
  bool CuttingAllowed(int p) const { return !CuttingTimingRefusal(stand_, p).Refused(); }
  bool Preconditions(OperationButton b, int p) const {
    // Corridor thinning needs strip roads that removed trees just before.
    if (b == CorridorButton) return p >= 1 && stand_.SlotTreeCount(p) != stand_.SlotTreeCount(p - 1);
    return true;
  }
  bool GrowthAllowed(int p) const { return !GrowRefusal(stand_, p).Refused(); }
  // A name the button's dialog records: strip roads without roads one time
  // in three, the others drawn evenly.
  QString NameFor(OperationButton b) {
    static const std::vector<const char*> kNames[kOperationButtonCount] = {
        {kSmallGap, kClearCut, "Siemenpuuhakkuu, mänty 50 kpl/ha", "Suojuspuuhakkuu, Kuusi/Mänty 100 kpl/ha",
         "Kaistalehakkuu, kaistaleen leveys 50 m"},
        {"poimintahakkuu+ 35 m3/ha", kSelection},
        {kRemoval},
        {"ajourat : ei uria", kRoads, kRoads},
        {kHigh, kLow},
        {kRemoval},
        {kCorridor}};
    const std::vector<const char*>& names = kNames[b];
    return QString::fromUtf8(names[names.size() > 1 ? gen_() % names.size() : 0]);
  }
  void Cut(OperationButton b, int p) {
    const QString name = NameFor(b);
    // Strip roads "ei uria" remove nothing; every other cutting a few trees.
    const int removeCount = name.endsWith(QStringLiteral("ei uria")) ? 0 : 1 + static_cast<int>(gen_() % 4);
    int removed = 0;
    for (TreeRecord& t : stand_.Trees) {
      if (removed == removeCount) break;
      if (IsStanding(t) && gen_() % 3 == 0) {
        t.removedBy = p + 1;
        ++removed;
      }
    }
    Record(p + 1, name, 0, 0);
    ++cuttings;
  }
  void Grow(int p) {
    const int g = stand_.GrowthStepCount();
    GrownSizeArray& sizes = g == 0 ? stand_.GrownSizes1 : stand_.GrownSizes2;
    sizes = stand_.AllocGrownSizes();
    for (int i = 0; i < stand_.TreeCount(); ++i) sizes[i] = {stand_.TreeDiameter(i) + 100.0f, stand_.TreeHeight(i) + 50.0f};
    Record(p + 1, QStringLiteral("Kasvatus"), g + 1, 5 + static_cast<int>(gen_() % 4) * 5);
    ++growths;
  }
  // The step recorded as the window records it, then its rule.
  void Record(int phase, const QString& name, int kind, int years) {
    stand_.RecordPhase(phase, name, kind, years);
    SetCurrentPhase(100);
    ApplyButtonRule(states_, stand_, phase, 0, thinningStage_);
  }
  void Undo(int p) {
    stand_.UndoOperation(p);
    const ButtonRuleEffects fx = ApplyButtonRule(states_, stand_, p, 1, thinningStage_);
    ApplyStandEffects(stand_, fx);
    stand_.ClearSlot(p);
    SetCurrentPhase(-1);
    ++undos;
  }

  data stand_;
  std::mt19937 gen_;
  bool thinningStage_ = true;
  ButtonStates states_{};
};

}  // namespace

TEST(ButtonRules, RandomLegalChainsEqualAFreshReplay) {
  int cuttings = 0, growths = 0, undos = 0;
  for (unsigned seed = 1; seed <= 300; ++seed) {
    SCOPED_TRACE(seed);
    ChainSession session(seed);
    for (int step = 0; step < 40; ++step) {
      session.Step();
      session.ExpectReplayed(step);
      if (::testing::Test::HasFailure()) break;
    }
    cuttings += session.cuttings;
    growths += session.growths;
    undos += session.undos;
    if (::testing::Test::HasFailure()) break;
  }
  // The sessions did exercise every kind of action.
  EXPECT_GT(cuttings, 1000);
  EXPECT_GT(growths, 300);
  EXPECT_GT(undos, 1000);
  SetCurrentPhase(0);
}
