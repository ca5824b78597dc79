#include "texts/Newfrstlan.h"

#include "texts/TextTable.h"

namespace {

constexpr texts::TextEntry kEntries[] = {
    {0,
        "Siemenpuu- ,suojuspuu- ja kaistalehakkuun jälkeen metsä pyritään uudistamaan "
        "luontaisesti. Avohakkuun jälkeen sovelletaan metsänviljelyä. ",
        nullptr},
};
static_assert(texts::IsSortedTable(kEntries));

}  // namespace

QString NewfrstlanText(int n) { return texts::LookupText(kEntries, n, texts::kUnknownText); }

QString& NewfrstlanText(QString& out, int n) { return texts::StoreText(out, NewfrstlanText(n)); }
