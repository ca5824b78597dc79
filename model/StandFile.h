#pragma once
// The stand file: one binary file per stand, the records of the stand object
// one after the other, little-endian, written and read field by field:
//
//   0            580       StandHeader
//   580          6 x 52    SpeciesBlocks, 13 x i32 each
//   892          40        RegenerationChoices
//   932          6 x 144   PhaseSlots
//   1796         N x 40    TreeRecords
//   1796 + 40 N  N x 8     sizes after the first growing step (when any)
//   1796 + 48 N  N x 8     sizes after the second growing step (when two)
//
// N is the sum of the stems words of the species blocks; the number of
// growing steps is the number of slots with growing years. There is no magic
// number, version or checksum, so a reader checks every count, range and the
// exact file length before it trusts the file.
//
// The reading and writing operations are members of `data` (Data.h).

#include "model/Data.h"

#include <QByteArray>

namespace standfile {

constexpr int kHeaderOffset = 0;
constexpr int kBlocksOffset = 580;
constexpr int kBlockBytes = 52;
constexpr int kChoicesOffset = 892;
constexpr int kChoicesBytes = 40;
constexpr int kSlotsOffset = 932;
constexpr int kSlotBytes = 144;
constexpr int kTreesOffset = 1796;
constexpr int kTreeBytes = 40;
constexpr int kGrownSizeBytes = 8;

// The file length of a stand of n trees with g growing steps.
qint64 FileLength(int n, int g);

// The 580 header bytes of a header and back. Texts are cut to their field
// less one byte and NUL-terminated; reading stops at the first NUL or at the
// field's last byte.
QByteArray EncodeHeader(const StandHeader& header);
StandHeader DecodeHeader(const char* bytes);

// The whole file image of a stand (header included), in the tree order the
// stand has now.
QByteArray EncodeStand(const data& stand);

// The fixed records of a stand file (everything before the trees) with the
// tree count and the number of growing steps they give.
struct StandSummary {
  StandHeader header;
  std::array<SpeciesBlock, kSpeciesSlots> blocks{};
  RegenerationChoices regeneration;
  std::array<PhaseSlot, kPhaseCount> phaseSlots{};
  int treeCount = 0;
  int growthSteps = 0;
};

// Parses the fixed records from the first `available` bytes of a file of
// `fileSize` bytes with the same checks as DecodeStand except those of the
// tree records themselves (counts, ranges and the exact file length). A
// number of candidate ages beyond what the program offers from the block's
// first candidate age is held to that most (Ages.h). On failure `out` is not
// touched.
StandFileStatus DecodeSummary(const char* bytes, qint64 available, qint64 fileSize, StandSummary& out);
// Reads only the fixed records of a file (opened read-only) and checks them
// as DecodeSummary does: what a stand list needs of every file of a folder.
StandFileStatus ReadStandSummary(const QString& path, StandSummary& out);

// Parses a whole file image into a new stand object after checking it; on
// failure `out` is not touched. Does not change the current phase.
StandFileStatus DecodeStand(const QByteArray& bytes, std::unique_ptr<data>& out);

// The checks of DecodeStand on a stand about to be written with the given
// header: the species blocks count 0..12000 stems together and exactly the
// stand's tree records, and hold stand ages and first candidate ages that
// the program gives (Ages.h); at most two growing steps of 0..20 years; sound
// slots; an area of 0..1000 ha; every tree of species 0..4, removing phase
// 0..5 and sound position and sizes, and sound grown sizes. The writers
// refuse a stand that fails, so that every file written reads back.
StandFileStatus CheckStand(const data& stand, const StandHeader& header);

// Whether a header read from a stand file names the same stand as the
// object's header once that is written: the same identifier, estate and
// measurement day. Notes, area and the other fields may differ (the file
// keeps its own header on a save).
bool SameStandHeader(const StandHeader& onDisk, const StandHeader& own);

// The number of slots 1..5 with a name: the phase an opened stand shows.
int NamedStepCount(const data& stand);

}  // namespace standfile
