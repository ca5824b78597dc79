#include "texts/Aboutlan.h"

#include "texts/TextTable.h"

namespace {

constexpr texts::TextEntry kEntries[] = {
    {0, "Tietoja ohjelmasta", nullptr},
};
static_assert(texts::IsSortedTable(kEntries));

}  // namespace

QString AboutlanText(int n) { return texts::LookupText(kEntries, n, texts::kUnknownText); }

QString& AboutlanText(QString& out, int n) { return texts::StoreText(out, AboutlanText(n)); }
