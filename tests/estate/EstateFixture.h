#pragma once
// Estates built by code for the estate tests: stands with a measurement date,
// a development class, an area and a chain of steps, each step with its name,
// growing years and volumes.
#include <QString>
#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>

#include "estate/TimePointRules.h"
#include "model/Data.h"
#include "model/Settings.h"

// Texts shown as text when an expectation fails.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace estatetest {

// One phase slot: name (empty = not recorded), growing years, volumes.
// A bare volume goes to pine pulpwood.
struct Step {
  const char* name = "";
  int years = 0;
  AssortmentVolumes volumes{};
  Step(const char* n, int y, int pulp) : name(n), years(y) { volumes[PinePulpwood] = pulp; }
  Step(const char* n, int y, AssortmentVolumes v) : name(n), years(y), volumes(v) {}
};

// Slot 0 ("mittaus") and the steps after it.
inline EstateRecord Stand(const char* id, const char* date, int developmentClass, float area,
                          std::initializer_list<Step> steps, int siteType = 0) {
  EstateRecord r;
  r.siteType = siteType;
  r.fileName = QString::fromUtf8(id) + QStringLiteral(".norvalen");
  r.standId = QString::fromUtf8(id);
  r.measurementDate = QString::fromUtf8(date);
  r.developmentClass = developmentClass;
  r.area = area;
  r.status = StandFileStatus::Ok;
  int k = 0;
  for (const Step& s : steps) {
    if (k >= kPhaseCount) break;
    r.phaseSlots[k].name = QString::fromUtf8(s.name);
    r.phaseSlots[k].years = s.years;
    r.phaseSlots[k].volumes = s.volumes;
    ++k;
  }
  return r;
}

// The default prices of the settings (10.00 per m3 of pulpwood and logs,
// 1.00 of energy wood) while a test runs.
class DefaultPrices : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = model::CurrentSettings();
    model::SetDefaultSettings(model::CurrentSettings());
  }
  void TearDown() override { model::CurrentSettings() = saved_; }

 private:
  model::SettingsRecord saved_;
};

// Common steps.
inline Step Measured(int pulp) { return Step("mittaus", 0, pulp); }
inline Step Grown(int years, int pulp) { return Step("kasvatus", years, pulp); }
inline Step Thinned(int pulp) { return Step("alaharvennus, 40 m3/ha", 0, pulp); }
inline Step ClearCut(int pulp = 0) { return Step("avohakkuu, 5 säästöpuuta/ha", 0, pulp); }

// A time-point state built as the main window builds it.
struct Built {
  EstateRecordList stands;
  EstateTimePoints points;
  explicit Built(EstateRecordList s) : stands(std::move(s)), points(BuildEstateTimePoints(stands)) {}
  Estate estate() const { return Estate{stands, points}; }
};

// Volumes in m3/ha: pine, spruce and birch pulpwood and logs, energy wood.
inline AssortmentVolumes Mix(int pinePulp, int sprucePulp, int birchPulp, int pineLogs, int spruceLogs, int birchLogs,
                             int energy) {
  AssortmentVolumes v{};
  v[PinePulpwood] = pinePulp;
  v[SprucePulpwood] = sprucePulp;
  v[BirchPulpwood] = birchPulp;
  v[PineLogs] = pineLogs;
  v[SpruceLogs] = spruceLogs;
  v[BirchLogs] = birchLogs;
  v[EnergyWood] = energy;
  return v;
}

// An estate of ten stands measured in 2024 across the development classes
// and site types: some grown ten years, some thinned, one clear-cut, one
// selection-cut, a seedling stand and a treeless area.
inline EstateRecordList ModelEstate() {
  return {
      Stand("k1", "12.06.2024", 7, 2.4f,
            {Step("mittaus", 0, Mix(30, 25, 10, 120, 90, 8, 25)),
             Step("avohakkuu, 8 säästöpuuta/ha", 0, Mix(0, 0, 0, 6, 0, 0, 1))}, 3),
      Stand("k2", "12.06.2024", 6, 3.1f,
            {Step("mittaus", 0, Mix(40, 35, 15, 60, 40, 5, 15)),
             Step("alaharvennus, 70 m3/ha", 0, Mix(22, 20, 8, 50, 32, 2, 6))}, 3),
      Stand("k3", "14.06.2024", 5, 1.8f,
            {Step("mittaus", 0, Mix(45, 30, 20, 10, 5, 0, 10)), Step("kasvatus", 10, Mix(55, 40, 25, 30, 15, 2, 8))}, 2),
      Stand("k4", "14.06.2024", 3, 1.2f,
            {Step("mittaus", 0, Mix(10, 8, 5, 0, 0, 0, 2)), Step("kasvatus", 10, Mix(32, 20, 12, 0, 0, 0, 6))}, 4),
      Stand("k5", "15.06.2024", 2, 0.9f, {Step("mittaus", 0, Mix(0, 0, 0, 0, 0, 0, 0))}, 3),
      Stand("k6", "15.06.2024", 1, 0.6f, {Step("mittaus", 0, Mix(0, 0, 0, 0, 0, 0, 0))}, 5),
      Stand("k7", "18.06.2024", 6, 2.7f,
            {Step("mittaus", 0, Mix(50, 20, 10, 70, 25, 4, 14)),
             Step("alaharvennus, 80 m3/ha", 0, Mix(30, 14, 5, 50, 18, 3, 9))}, 4),
      Stand("k8", "18.06.2024", 5, 1.5f, {Step("mittaus", 0, Mix(60, 20, 15, 25, 10, 2, 12))}, 2),
      Stand("k9", "20.06.2024", 8, 1.1f, {Step("mittaus", 0, Mix(8, 6, 2, 30, 10, 0, 4))}, 5),
      Stand("k10", "20.06.2024", 7, 4.2f,
            {Step("mittaus", 0, Mix(20, 45, 12, 40, 110, 6, 22)),
             Step("poimintahakkuu, 90 m3/ha", 0, Mix(15, 30, 9, 20, 70, 3, 14))}, 1),
  };
}

}  // namespace estatetest
