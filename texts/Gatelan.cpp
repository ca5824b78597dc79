#include "texts/Gatelan.h"

#include "texts/TextTable.h"

namespace {

constexpr texts::TextEntry kEntries[] = {
    {0,
        "Käytäväharvennusta voidaan soveltaa lähinnä ensiharvennukseen. Käytäväharvennus "
        "edellyttää ajourien hakkaamista ja vähintään "
        "1600"
        " runkoa/ha "
        "ennen hakkuutoimenpiteitä. Käytäväharvennuksen lisäksi kuviolla ei voi suorittaa "
        "muita hakkuutoimenpiteitä "
        "(ajourien hakkuuta lukuunottamatta).",
        nullptr},
    {1, "harvennuskäytävien väli", nullptr},
    {2, "harvennuskaytävän leveys", nullptr},
    {3, "käytäväharvennus edellyttää ajourien hakkaamista   !", nullptr},
    {4, "Puuston runkoluku / ha ennen ajourien hakkuuta ", nullptr},
    {5,
        "Lähinnä puuston ensiharvennuksiin tarkoitetussa käytäväharvennuksessa runkoluvun "
        "oltava ennen hakkuuta vähintään "
        "1600"
        " kpl/ha   !",
        nullptr},
};
static_assert(texts::IsSortedTable(kEntries));

}  // namespace

QString GatelanText(int n) { return texts::LookupText(kEntries, n, texts::kUnknownText); }

QString& GatelanText(QString& out, int n) { return texts::StoreText(out, GatelanText(n)); }
