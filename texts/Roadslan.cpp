#include "texts/Roadslan.h"

#include "texts/TextTable.h"

namespace {

constexpr texts::TextEntry kEntries[] = {
    {0,
        "Keskikokoinen metsätraktori vaatii n. 4 m ajouran. Kasvatushakkuussa ajourien väli "
        "monitoimikoneella on n. 20 m. Metsurihakkuussa ajourien väli voi olla jopa 30-40 m. "
        "Ajourien leveys voi olla hyvin kapea tai säännöllistä ajouraverkostoa ei tarvita "
        "välttämättä lainkaan, jos hakkuu suoritetaan metsurihakkuuna ja puiden kuljetus esim. "
        "mönkijällä tai hevosella.",
        nullptr},
    {1, "urien väli", nullptr},
    {2, "ajourien leveys", nullptr},
    {3, " : ei uria", nullptr},
};
static_assert(texts::IsSortedTable(kEntries));

}  // namespace

QString RoadslanText(int n) { return texts::LookupText(kEntries, n, texts::kUnknownText); }

QString& RoadslanText(QString& out, int n) { return texts::StoreText(out, RoadslanText(n)); }
