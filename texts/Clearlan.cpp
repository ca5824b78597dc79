#include "texts/Clearlan.h"

#include "texts/TextTable.h"

namespace {

constexpr texts::TextEntry kRetentionEntries[] = {
    {1, "Säästöpuuryhmiä / ha", nullptr},
    {2, "Säästöpuita / ryhmä", nullptr},
    {3,
        "Uudistushakkuumenetelmiä ovat pienaukko - , avo - , siemenpuu - , suojuspuu - ja "
        "kaistalehakkuu. Osa hakkuumenetelmistä saattaa rajautua pois metsikön "
        "erityispiirteiden vuoksi. Pienaukkohakkuun lisäksi on mahdollista tehdä puulajin "
        "poisto tai poimintahakkuu.",
        nullptr},
};
static_assert(texts::IsSortedTable(kRetentionEntries));

constexpr texts::TextEntry kSeedTreeEntries[] = {
    {1, "Puulajit", nullptr},
    {2, "Siemenpuiden lukumäärä,  kpl/ha", nullptr},
    {3, "Valitse puulajit", nullptr},
    {4, "Valittuja puita hakkuualalla", nullptr},
    {5, "Siemenpuiden koko", nullptr},
};
static_assert(texts::IsSortedTable(kSeedTreeEntries));

constexpr texts::TextEntry kShelterTreeEntries[] = {
    {1, nullptr, nullptr},  // composed at call time
    {2, "Suojuspuiden lukumäärä,  kpl/ha", nullptr},
    {3, "Suojuspuiden koko", nullptr},
};
static_assert(texts::IsSortedTable(kShelterTreeEntries));

constexpr texts::TextEntry kStripEntries[] = {
    {1, "Kaistaleen leveys,  metriä", nullptr},
    {2, "kaistaleen leveys", nullptr},
};
static_assert(texts::IsSortedTable(kStripEntries));

constexpr texts::TextEntry kGapEntries[] = {
    {0, "Puoliympyrän muotoisen pienaukon koko,  ha", nullptr},
    {1, "aukon koko", nullptr},
};
static_assert(texts::IsSortedTable(kGapEntries));

}  // namespace

QString ClearlanRetentionText(int n) { return texts::LookupText(kRetentionEntries, n, texts::kUnknownText); }

QString& ClearlanRetentionText(QString& out, int n) { return texts::StoreText(out, ClearlanRetentionText(n)); }

QString ClearlanSeedTreeText(int n) { return texts::LookupText(kSeedTreeEntries, n, texts::kUnknownText); }

QString& ClearlanSeedTreeText(QString& out, int n) { return texts::StoreText(out, ClearlanSeedTreeText(n)); }

QString ClearlanShelterTreeText(int n) {
    // The species caption is the seed-tree one, in both language columns.
    if (texts::IsKnownLanguage() && n == 1) return ClearlanSeedTreeText(1);
    return texts::LookupText(kShelterTreeEntries, n, texts::kUnknownText);
}

QString& ClearlanShelterTreeText(QString& out, int n) { return texts::StoreText(out, ClearlanShelterTreeText(n)); }

QString ClearlanStripText(int n) { return texts::LookupText(kStripEntries, n, texts::kUnknownText); }

QString& ClearlanStripText(QString& out, int n) { return texts::StoreText(out, ClearlanStripText(n)); }

QString ClearlanGapText(int n) { return texts::LookupText(kGapEntries, n, texts::kUnknownText); }

QString& ClearlanGapText(QString& out, int n) { return texts::StoreText(out, ClearlanGapText(n)); }
