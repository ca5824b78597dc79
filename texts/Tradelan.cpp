#include "texts/Tradelan.h"

#include "texts/TextTable.h"

namespace {

constexpr texts::TextEntry kEntries[] = {
    {0, "puukauppa, nettotulot", nullptr},
    {1,
        "Hakkuukertymästä valitaan puukauppaan kuuluvat puutavaralajit ja asetetaan hinnat. "
        "Puukaupan oletushinnat määräytyvät puutavaralajien keskihintojen ja hakkuutavan "
        "perusteella. Keskihintoja voidaan muuttaa valitsemalla päävalikosta ASETUKSET. ",
        nullptr},
    {2,
        "Huonolaatuisen tukin siirtymä kuitupuuhun on yleensä muutama prosentti. Tällöin "
        "tukkipuun maksimaallinen osuus ja puukaupan tulot hieman pienenevät. Männyn ja kuusen "
        "osalta ( lähinnä uudistushakkuissa ) voidaan soveltaa runkohintaa tavanomaisen "
        "tukkihinnan sijaan.",
        nullptr},
    {3,
        "Puukaupan tulot kuuluvat pääomaverotuksen piiriin. Ennakonpidätysprosentti on yleensä "
        "hieman pienempi kuin voimassa oleva pääomaveroprosentti, koska esim. metsänhoitoon "
        "liittyvät kulut ovat lopullisessa verotuksessa vähennyskelpoisia.",
        nullptr},
    {4,
        "Liita raporttiin - painikkeella voidaan liittää Kuvioraporttiin tiedot "
        "puukaupasta.Luo raportti - painikkeella luodaan puukauppatiedot sisältävä "
        "kuvioraportti, joka voidaan tulostaa kirjoittimella. ",
        nullptr},
    {5, "yhteensä", nullptr},
    {6, "Hakkuukertymästä valitaan puukaupan puutavaralajit ja asetetaan hinnat.", nullptr},
    {7, "Arvio huonolaatuisen", nullptr},
    {8, "tukin siirtymästä kuitupuuhun", nullptr},
    {9,
        "Metsän uudistamisen menetelmät ja kustannukset voidaan arvioida Puukauppalomakkeen "
        "sulkemisen jälkeen Uusi metsä - painikkeella.",
        nullptr},
    {10, "vaikutus tuloihin", nullptr},
    {11, "tulot", nullptr},
    {12, "ei tukkipuuta", nullptr},
    {13, "tukin siirtymä", nullptr},
    {14, "ei tukin siirtymän arviointia  !", nullptr},
    {15,
        "Runkohintamenetelmää voidaan soveltaa männyn ja kuusen osalta lähinnä "
        "uudistushakkuissa.",
        nullptr},
    {16, "Jos valitset runkohinnoittelun, paina Jatka - painiketta ja aseta runkohinta  !", nullptr},
    {17, "Runkohinta", nullptr},
    {18, "Tukkihinnan sijaan runkohinta ", nullptr},
    {19, "aseta mäntyrungon hinta  !", nullptr},
    {20, "aseta kuusirungon hinta  !", nullptr},
    {21, "1 ha otos hakkuukertymästä", nullptr},
    {22, "Luo raportti", nullptr},
    {23, "Liitä raporttiin", nullptr},
    {24, "- Ennakkovero", nullptr},
};
static_assert(texts::IsSortedTable(kEntries));

}  // namespace

QString TradelanText(int n) { return texts::LookupText(kEntries, n, texts::kUnknownText); }

QString& TradelanText(QString& out, int n) { return texts::StoreText(out, TradelanText(n)); }
