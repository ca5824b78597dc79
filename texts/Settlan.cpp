#include "texts/Settlan.h"

#include "texts/TextTable.h"

namespace {

constexpr texts::TextEntry kEntries[] = {
    {0, "Mahdolliset toimenpidesuositukset sijaitsevat Puustotunnukset - välilehdellä.", nullptr},
    {1, "Toimenpidesuositukset eivät ole käytössä", nullptr},
    {2, "Puutavaralajien keskihinnat", nullptr},
    {3, "Raivaus", nullptr},
    {4, "Puuttuva tiedosto korvataan uudella", nullptr},
    {5,
        "Voit asettaa puuston keskiläpimitalle ja pohjapinta-alalle alarajat, jolloin "
        "kehoitetaan harkitsemaan uudistushakkuuta. Lehtipuumetsiköissä vastaavat alarajat "
        "ovat hieman pienempiä kuin mänty-, kuusi- ja sekapuumetsiköille asetetut alarajat.",
        nullptr},
    {6,
        "Voit asettaa puuston keskipituudelle ja pohjapinta-alalle alarajat (tapaukset 1 ja "
        "2), jolloin kehoitetaan harkitsemaan kasvatushakkuuta. Lehtipuumetsiköissä vastaavat "
        "alarajat ovat hieman pienempiä kuin mänty-, kuusi- ja sekapuumetsiköille asetetut "
        "alarajat.",
        nullptr},
    {7,
        "Pienpuuston raivauskehotus annetaan, jos runkoluku on vähintään alarajalla ja "
        "edellytyksiä varsinaiselle kasvatushakkuulle ei vielä ole.",
        nullptr},
    {8, "Mänty- ,kuusi- ja sekapuumetsiköt", nullptr},
    {9, "suositus annetaan, kun puuston", nullptr},
    {10, "on vähintään", nullptr},
    {11, "Lehtipuumetsiköt", nullptr},
    {12, "ja", "och"},
    {13, "tai", "och"},
    {14, "on pienempi kuin", nullptr},
    {15, "kasvatushakkuun jälkeen pohjapinta-alaksi suositellaan", nullptr},
    {16, "Voit asettaa runkoluvun alarajan pienpuuston raivauskehotukselle.", nullptr},
    {17, "Palauta oletusarvot", nullptr},
    {18,
        "Metsikkökuvioiden puuston ja hakkuukertymän arvo lasketaan puutavaralajien "
        "keskihintojen perusteella. "
        "Puukaupan oletushinnat ovat tukki- ja kuitupuiden osalta kasvatus-, poiminta- ja "
        "pienaukkohakkuissa "
        "10"
        " % keskihintoja pienemmät. "
        "Uudistushakkuissa (ei pienaukkohakkuu) vastaavat hinnat ovat "
        "10"
        " % keskihintoja suuremmat. "
        "Oletushintoja voidaan muuttaa puukauppalomakkeella.",
        nullptr},
    {19, "Settings.dat", nullptr},
    {20, "euro", nullptr},
    {21, "dollari", nullptr},
    {22, "kruunu", nullptr},
    {23, "markka", nullptr},
};
static_assert(texts::IsSortedTable(kEntries));

}  // namespace

QString SettlanText(int n) { return texts::LookupText(kEntries, n, texts::kUnknownText); }

QString& SettlanText(QString& out, int n) { return texts::StoreText(out, SettlanText(n)); }
