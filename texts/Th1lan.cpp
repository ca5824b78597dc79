#include "texts/Th1lan.h"

#include "texts/TextTable.h"

namespace {

constexpr texts::TextEntry kEntries[] = {
    {0,
        "Jos puustoa on ennen harvennusta vähintään 50 m3/ha, voidaan tavanomaisen "
        "alaharvennuksen sijaan valita yläharvennus. Alaharvennuksessa poistetaan pieniä "
        "puita. Yläharvennuksessa poistetaan etupäässä suuria mutta myös pieniä puita. Hakkuun "
        "jälkeinen tavoitepuusto voidaan asettaa hakkuukertymän, runkoluvun, pohjapinta-alan "
        "tai puiden välisen minimietäisyyden mukaan. Osa vaihtohdoista saattaa rajautua "
        "metsikön erityispiirteiden vuoksi pois.",
        nullptr},
    {3, "ennen alaharvennusta", nullptr},
    {4, "ennen yläharvennusta", nullptr},
    {5, "lisää harvennusvoimakkuutta tai peru hakkuu !", nullptr},
    {6, "runkoon/ha", nullptr},
    {7, "puiden välinen minimietäisyys", nullptr},
    {8, "lisää minimietäisyyttä tai peru hakkuu !", nullptr},
    {9, "minimietäisyys", nullptr},
    {11, "Valitse poistettavat puulajit", nullptr},
    {12, "Suorita avohakkuu, jos haluat poistaa kaikki puulajit", nullptr},
};
static_assert(texts::IsSortedTable(kEntries));

}  // namespace

QString Th1lanText(int n) { return texts::LookupText(kEntries, n, texts::kUnknownText); }

QString& Th1lanText(QString& out, int n) { return texts::StoreText(out, Th1lanText(n)); }
