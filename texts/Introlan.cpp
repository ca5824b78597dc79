#include "texts/Introlan.h"

#include "texts/TextTable.h"

namespace {

constexpr texts::TextEntry kEntries[] = {
    {2, "Norvalen on monipuolinen ja helppokäyttönen sovellus, jolla voidaan arvioida", nullptr},
    {3, "metsikkökuvioiden puusto sekä suorittaa kasvatus- , poiminta- ja uudistushakkuita.", nullptr},
    {4, "Hakkuutoimenpiteiden ja puuston kasvatuksen simuloinnilla saadaan ennakolta", nullptr},
    {5, "tietoa metsikkönäkymän muutoksesta sekä puukaupasta kertyvistä tuloista.", nullptr},
    {6, "Kuviot luodaan yksi kerrallaan muutamien puustotunnuksïen perusteella, jotka on", nullptr},
    {7, "maastossa helppo arvioida. Tunnukset voidaan myös siirtää metsäsuunnitelmasta.", nullptr},
    {8, "Jos suunnitelma ei ole ajantasalla, tunnukset päivitetään kasvattamalla puustoa.", nullptr},
    {9, "Metsätilan nykyinen ja tulevaisuuden puusto sekä puuston arvo voidaan selvittää,", nullptr},
    {10,
        "kun tilan kuviosta luodaan kuviolista. Listassa voi olla yksi tai jopa satoja "
        "kuvioita.",
        nullptr},
    {22, "Harkitse uudistus - tai kasvatushakkuuta", nullptr},
    {24, "Harkitse uudistushakkuuta", nullptr},
    {25, "alaharvennuksen jälkeen", nullptr},
    {26, "Harkitse kasvatushakkuuta", nullptr},
    {27, "Voit avata kuviolistan tai antaa uuden kuvion tiedot  !", nullptr},
    {28, "Harkitse puuston harventamista", nullptr},
    {29, "yläharvennuksen jälkeen", nullptr},
    {30, "harvennuksen jälkeen", nullptr},
    {32, "Sovelluksen koko", nullptr},
    {33, "Lisää näytön kokoa (resoluutiota), jos haluat muuttaa sovelluksen koon ", nullptr},
    {34, "suureksi", nullptr},
    {35, "keskikokoiseksi", nullptr},
    {36, "Sovelluksen koko", nullptr},
};
static_assert(texts::IsSortedTable(kEntries));

}  // namespace

QString IntrolanText(int n) { return texts::LookupText(kEntries, n, texts::kUnknownText); }

QString& IntrolanText(QString& out, int n) { return texts::StoreText(out, IntrolanText(n)); }
