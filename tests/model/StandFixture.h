#pragma once
// Stands built by code for the tests, the benchmarks and the fuzz seeds: a
// fixed seed gives the same stand every time.

#include "model/Data.h"

#include <memory>
#include <random>

namespace standfixture {

// A stand of n trees: positions over the plot frame, diameters 5..40 cm,
// heights following the diameter, species 0..4 mixed; the species blocks
// count the trees, so the stand file's tree count is n.
inline std::unique_ptr<data> MakeStand(int n, unsigned seed) {
  auto s = std::make_unique<data>(n);
  s->Header.estateName = QString::fromUtf8("Testitila Mäkelä");
  s->Header.standId = "12a";
  s->Header.info = QString::fromUtf8("Kuusivaltainen kangas, ojitettu 1970-luvulla.");
  s->Header.developmentClass = 6;
  s->Header.siteType = 3;
  s->Header.measurementDay = 43631;  // 15.06.2019
  s->Header.structureCode = 12;
  s->Header.area = 2.5f;
  std::mt19937 gen(seed);
  std::uniform_real_distribution<float> ux(20.0f, 620.0f), uy(50.0f, 200.0f), ud(500.0f, 4000.0f),
      un(-150.0f, 150.0f);
  std::uniform_int_distribution<int> us(0, 4);
  for (TreeRecord& t : s->Trees) {
    t.x = ux(gen);
    t.y = uy(gen);
    t.diameter = ud(gen);
    t.height = 130.0f + t.diameter * 0.55f + un(gen);
    t.species = us(gen);
    s->SpeciesBlocks[t.species].words[WordStems] += 1;
  }
  for (int sp = 0; sp < 5; ++sp) {
    s->SpeciesBlocks[sp].words[WordMeanDiameter] = 20;
    s->SpeciesBlocks[sp].words[WordMeanHeight] = 180;
    s->SpeciesBlocks[sp].words[WordAge] = 40 + sp;
  }
  return s;
}

}  // namespace standfixture
