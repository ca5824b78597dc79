#pragma once
// The grow command without a widget: its refusals in their order, the
// species ages of the first and the second growing step, and the growing
// steps themselves on the open stand.

#include "operations/CuttingRefusalRules.h"
#include "model/Data.h"

// Growth at the current phase p is refused, in this order: no stems; fewer
// than 10 stems/ha; two growing steps recorded; one recorded that was not
// the first step (a cutting came first); five steps recorded (told, as the
// cutting commands tell it).
constexpr int kMinGrowingStems = 10;
CuttingRefusal GrowRefusal(const data& stand, int p);

// The growing step the grow command makes: 1 the first (after the stand-age
// dialog), 2 the second (after the growth dialog alone).
int NextGrowthKind(const data& stand);

// The ages of the first step: the species' stand ages. Of the second: each
// species with a stand age has it plus the years of phase 1, others 0.
void FirstGrowthAges(const data& stand, int ages[kSpeciesSlots]);
void SecondGrowthAges(const data& stand, int ages[kSpeciesSlots]);

// A growing step of the given kind over 1..20 years: the sizes of the step
// are allocated in the stand, the current phase steps forward and every
// standing tree grows with mortality (the first step from the measured
// sizes, the second from the sizes after the first); then the grown state
// is recorded as the new current phase, named "Kasvatus".
void ApplyGrowingStep(data& stand, int kind, int years);
