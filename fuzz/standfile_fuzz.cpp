// The stand-file reader on arbitrary bytes: a file is either refused or gives
// a stand that every reader of the stand object can use, and writing that
// stand gives a file that reads back to the same stand.
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "model/Data.h"
#include "model/Phase.h"
#include "model/StandFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  if (size > 800000) return 0;
  const QByteArray input(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
  std::unique_ptr<data> stand;
  const StandFileStatus status = standfile::DecodeStand(input, stand);
  if (status != StandFileStatus::Ok) {
    if (stand) std::abort();  // a refused file leaves nothing behind
    return 0;
  }
  if (!stand) std::abort();
  if (input.size() != standfile::FileLength(stand->TreeCount(), stand->GrowthStepCount())) std::abort();
  // The writers take what the reader took.
  if (standfile::CheckStand(*stand, stand->Header) != StandFileStatus::Ok) std::abort();

  // Everything a view reads of an opened stand.
  SetCurrentPhase(standfile::NamedStepCount(*stand));
  const int n = stand->TreeCount();
  for (int i = 0; i < n; ++i) {
    if (stand->TreeSpecies(i) < 0 || stand->TreeSpecies(i) > 4) std::abort();
    if (stand->TreeRemovedBy(i) < 0 || stand->TreeRemovedBy(i) > 5) std::abort();
    (void)stand->TreeValueForView(i, false, true, true);
    (void)stand->TreeDiameter(i);
  }
  int counts[kSpeciesSlots] = {};
  stand->CountZeroVolumeTrees(counts);
  stand->CountStandingBySpecies(1, counts);
  float volumes[kSpeciesSlots] = {};
  (void)stand->SpeciesVolumes(false, false, volumes);
  for (int k = 0; k < kPhaseCount; ++k) {
    (void)stand->DescriptionText(k, false);
    (void)stand->PhaseYearText(k);
    (void)stand->SlotAssortmentVolume(k, 6, true);
    (void)stand->IsPhaseSelectable(k);
  }
  (void)stand->TitleText(3);
  (void)stand->StandingStockVolume();

  // Written again, the stand reads back to the same image.
  const QByteArray once = standfile::EncodeStand(*stand);
  std::unique_ptr<data> again;
  if (standfile::DecodeStand(once, again) != StandFileStatus::Ok) std::abort();
  if (standfile::EncodeStand(*again) != once) std::abort();

  stand->SortTreesForSave(true, true);
  stand->RecordPhase(0, QStringLiteral("Mitattu"), 0, 0);
  SetCurrentPhase(0);
  return 0;
}
