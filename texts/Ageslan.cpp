#include "texts/Ageslan.h"

#include "texts/TextTable.h"

namespace {

constexpr texts::TextEntry kEntries[] = {
    {0, "Puuston ikä", nullptr},
    {1, "aseta puuston ikä ja jatka kasvatukseen", nullptr},
};
static_assert(texts::IsSortedTable(kEntries));

}  // namespace

QString AgeslanText(int n) { return texts::LookupText(kEntries, n, texts::kUnknownText); }

QString& AgeslanText(QString& out, int n) { return texts::StoreText(out, AgeslanText(n)); }
