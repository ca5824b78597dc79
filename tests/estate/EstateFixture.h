#pragma once
// Estates built by code for the estate tests: stands with a measurement date,
// a development class, an area and a chain of steps, each step with its name,
// growing years and volumes.
#include <QString>
#include <initializer_list>
#include <vector>

#include "estate/TimePointRules.h"
#include "model/Data.h"

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
                          std::initializer_list<Step> steps) {
  EstateRecord r;
  r.fileName = QString::fromUtf8(id) + QStringLiteral(".norvalen");
  r.standId = QString::fromUtf8(id);
  r.measurementDate = QString::fromUtf8(date);
  r.developmentClass = developmentClass;
  r.area = area;
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

}  // namespace estatetest
