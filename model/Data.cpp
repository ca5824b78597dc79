// The stand object: life, tree and header accessors, species blocks,
// regeneration choices and the stand's texts.

#include "model/Data.h"

#include "model/AssortmentSums.h"
#include "model/Calc.h"
#include "platform/Numbers.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"

#include <QDate>

#include <cmath>
#include <utility>

void DefaultPlotFrame(PlotFrame& frame) { frame = PlotFrame{20, 50, 620, 200}; }

data::data(int n) : Trees(static_cast<size_t>(n > 0 ? n : 0)) { DefaultPlotFrame(Plot); }

// ---- Trees ----

float data::TreeDiameter(int i) const {
  const GrownSize* g = LatestGrownSizes(*this);
  return g ? g[i].diameter : Trees[i].diameter;
}

float data::TreeHeight(int i) const {
  const GrownSize* g = LatestGrownSizes(*this);
  return g ? g[i].height : Trees[i].height;
}

float data::TreeDiameterAfterFirstGrowth(int i) const {
  if (FirstPhaseIsGrowth() && GrownSizes1.size() == Trees.size()) return GrownSizes1[i].diameter;
  return Trees[i].diameter;
}

float data::TreeHeightAfterFirstGrowth(int i) const {
  if (FirstPhaseIsGrowth() && GrownSizes1.size() == Trees.size()) return GrownSizes1[i].height;
  return Trees[i].height;
}

float data::TreeValueForView(int i, bool measured, bool before, bool height) const {
  const int g = GrowthStepCount();
  const GrownSize* sizes = nullptr;
  if (!measured && g == 1 && !(before && !FirstPhaseIsGrowth())) {
    sizes = GrownSizes1.size() == Trees.size() ? GrownSizes1.data() : nullptr;
  } else if (!measured && g >= 2) {
    const GrownSizeArray& a = before ? GrownSizes1 : GrownSizes2;
    sizes = a.size() == Trees.size() ? a.data() : nullptr;
  }
  if (sizes) return height ? sizes[i].height : sizes[i].diameter;
  return height ? Trees[i].height : Trees[i].diameter;
}

int data::HeightFractionKey(int i) const {
  const float h = Trees[i].height;
  return platform::TruncToInt((h - std::trunc(h)) * 10000.0f);
}

void data::CountZeroVolumeTrees(int counts[kSpeciesSlots]) const {
  const int n = TreeCount();
  for (int i = 0; i < n; ++i) {
    if (!IsStanding(Trees[i])) continue;
    float pulp = 0.0f;
    AssortmentShares(pulp, platform::RoundHalfAway(TreeDiameter(i) * 0.01f),
                     platform::RoundHalfAway(TreeHeight(i) * 0.01f), Trees[i].species);
    if (pulp == 0.0f) ++counts[Trees[i].species];
  }
}

bool data::FindSpecies(int s) const {
  for (const TreeRecord& t : Trees) {
    if (s == 2 ? t.species > 1 : t.species == s) return true;
  }
  return false;
}

void data::CountStandingBySpecies(int k, int counts[kSpeciesSlots]) const {
  for (const TreeRecord& t : Trees) {
    if (t.removedBy < k) ++counts[t.species];
  }
}

void data::SwapTrees(int i, int j) {
  std::swap(Trees[i], Trees[j]);
  const int g = GrowthStepCount();
  if (g >= 1 && GrownSizes1.size() == Trees.size()) std::swap(GrownSizes1[i], GrownSizes1[j]);
  if (g >= 2 && GrownSizes2.size() == Trees.size()) std::swap(GrownSizes2[i], GrownSizes2[j]);
}

// ---- Species blocks, choices and header ----

void data::CopySpeciesBlock(int32_t out[13], int s) const {
  for (int w = 0; w < 13; ++w) out[w] = SpeciesBlocks[s].words[w];
}

int32_t data::SpeciesValue(int s, int index) const {
  const auto& w = SpeciesBlocks[s].words;
  if (index >= 0 && index <= 6) return w[index];
  switch (index) {
    case 7: return w[WordAge];
    case 8: return w[WordFirstAge];
    case 9: return w[WordAgeCount];
    case 10: return w[WordStems];
    default: return 0;
  }
}

void data::SetSpeciesAges(const int ages[kSpeciesSlots]) {
  for (int s = 0; s < kSpeciesSlots; ++s) SpeciesBlocks[s].words[WordAge] = ages[s];
}

void data::SetAgeChoices(const int first[kSpeciesSlots], const int counts[kSpeciesSlots]) {
  for (int s = 0; s < kSpeciesSlots; ++s) {
    SpeciesBlocks[s].words[WordFirstAge] = first[s];
    SpeciesBlocks[s].words[WordAgeCount] = counts[s];
  }
}

namespace {
// Choices 0, 2, 4 and 5 are single bytes in the stand.
bool IsByteChoice(int index) { return index == 0 || index == 2 || index == 4 || index == 5; }
}  // namespace

int data::RegenerationChoice(int index) const {
  if (index < 0 || index >= RegenerationChoices::kCount) return 0;
  return Regeneration.choice[index];
}

void data::SetRegenerationChoice(int index, int value) {
  if (index < 0 || index >= RegenerationChoices::kCount) return;
  Regeneration.choice[index] = IsByteChoice(index) ? static_cast<int8_t>(value) : value;
}

void data::ResetRegenerationChoices() { Regeneration = RegenerationChoices{}; }

bool data::IsModelEstateStand(int v) const {
  if (v < 0) return Header.modelEstate == 1;
  return v == 1;
}

// ---- Texts ----

QString data::TitleText(int style) const {
  const QString word = CommonlanText(50);
  switch (style) {
    case 0: return Header.standId;
    case 1: return word.toLower() + " " + Header.standId;
    case 2: return word + " " + Header.standId;
    case 3: return word.toUpper() + " " + Header.standId;
    default: return word + Header.standId;
  }
}

QString data::MeasurementDateText() const { return MeasurementDateTextOfDay(Header.measurementDay); }

QString MeasurementDateTextOfDay(int day) {
  const QDate date = QDate(1899, 12, 30).addDays(day);
  if (!date.isValid()) return QStringLiteral("00.00.0000");
  return platform::FormatC("%02d.%02d.%04d", date.day(), date.month(), date.year());
}

QString data::MeasurementYearText() const { return YearOfDateText(MeasurementDateText()); }

QString data::DescriptionText(int k, bool omitTitle) const {
  if (k > 0) return Slots[k].name;
  QString text;
  if (!omitTitle) text = TitleText(1) + ", ";
  text += CommonlanText(66) + " " + MeasurementYearText() + ", " + ActlanText(44).toLower();
  return text;
}

QString YearOfDateText(const QString& date) { return date.mid(6); }
