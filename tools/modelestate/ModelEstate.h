#pragma once
// The model estate "Mallitila": sample stands of a Finnish forest estate
// built with the program's own engine from per-species measurements (fixed
// seed, so every build writes the same files), every one marked as a stand
// of the model estate, and a map of the estate's stands with their
// identifiers.

#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "model/Data.h"

// What is done to a model stand after it is measured.
enum class ModelStep { StripRoads, LowThinning, Growth };

struct ModelSpecies {
  int species = 0;
  int diameterCm = 0;    // mean diameter (0 for seedlings)
  int heightDm = 0;      // mean height
  int basalAreaTenths = 0;  // 0.1 m2/ha (0 for seedlings)
  int stems = 0;         // seedlings only: stems per hectare
};

struct ModelStandPlan {
  QString id;
  int developmentClass = 0;
  int siteType = 0;
  float areaHa = 0.0f;
  QString info;
  std::vector<ModelSpecies> species;
  struct Step {
    ModelStep kind;
    int value;  // years of growth, or the basal area left by a thinning, m2/ha
  };
  std::vector<Step> steps;
};

// The stands of the model estate.
std::vector<ModelStandPlan> ModelEstatePlans();

// The name of the model estate and its measurement day (15 June 2024).
QString ModelEstateName();
int ModelEstateMeasurementDay();

// Builds one stand from its measurements with the engine (sample, tree
// list, phase 0, species ages) and records its steps.
std::unique_ptr<data> BuildModelStand(const ModelStandPlan& plan);

// The map of the estate's stands.
QImage DrawModelEstateMap(const std::vector<ModelStandPlan>& plans);

// Writes every stand file, stored as the program's own save stores it, and
// "Mallitila.jpg" into the folder (created when missing). False with the
// reason when something could not be written.
bool WriteModelEstate(const QString& folder, QString* error);
