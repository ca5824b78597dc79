#pragma once
// Stands without trees whose phase slots are set directly, for the rules
// that read only the slots: stand 12a measured 15.06.2019.
#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "model/Data.h"
#include "model/Phase.h"
#include "model/Settings.h"

namespace slotstands {

// Volumes per hectare by assortment.
using Volumes = std::initializer_list<std::pair<int, float>>;

// Slot k holding only the given name, stems, volumes and growing years.
inline void SetSlot(data& s, int k, const QString& name, int stems, Volumes volumes = {}, int years = 0) {
  s.Slots[k] = PhaseSlot{};
  s.Slots[k].name = name;
  s.Slots[k].stems = stems;
  s.Slots[k].years = years;
  for (const auto& [assortment, volume] : volumes) s.Slots[k].volumes[assortment] = volume;
}

// Measured on `area` ha: slot 0 "mitattu" as given.
inline data Measured(float area, int stems, Volumes volumes, int developmentClass = 0) {
  data s(0);
  s.Header.standId = "12a";
  s.Header.measurementDay = 43631;
  s.Header.area = area;
  s.Header.developmentClass = developmentClass;
  SetSlot(s, 0, "mitattu", stems, volumes);
  return s;
}

// Slot k a growing step of `years` keeping the stock of slot k - 1.
inline void Grow(data& s, int k, int years) {
  s.Slots[k] = s.Slots[k - 1];
  s.Slots[k].name = "Kasvatus";
  s.Slots[k].years = years;
}

// Slots 1.. named by the steps, "Kasvatus" a growing step of 10 years; the
// stems of slots 0.. as given, the last figure for the slots after.
inline data Chain(const std::vector<QString>& steps, const std::vector<int>& stems = {0}) {
  data s = Measured(1.0f, stems.front(), {});
  for (std::size_t k = 1; k <= steps.size(); ++k)
    SetSlot(s, static_cast<int>(k), steps[k - 1], stems[std::min(k, stems.size() - 1)], {},
            steps[k - 1] == "Kasvatus" ? 10 : 0);
  return s;
}
// Steps by kind letters: 'G' a growing step, 'C' a low thinning.
inline std::vector<QString> Steps(const char* kinds) {
  std::vector<QString> steps;
  for (const char* k = kinds; *k; ++k) steps.push_back(*k == 'G' ? "Kasvatus" : "Alaharvennus");
  return steps;
}

// The rule tests' base: default prices (pulpwood and logs 10 €, energy wood
// 1 €) and the measured state, before and after each test.
class SlotStandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model::SetDefaultSettings(model::CurrentSettings());
    SetCurrentPhase(0);
  }
  void TearDown() override { SetCurrentPhase(0); }
};

}  // namespace slotstands
