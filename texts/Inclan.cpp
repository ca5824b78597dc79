#include "texts/Inclan.h"

#include "texts/TextTable.h"

namespace {

constexpr texts::TextEntry kEntries[] = {
    {0, "Jos pylvään väri on punainen,", nullptr},
    {1,
        "uudistushakkuuta voidaan harkita 5 v. jakson aikana minimikorkovaatimuksen "
        "perusteella  !",
        nullptr},
    {2, "kasvu", nullptr},
    {3, "arvon kasvu", nullptr},
    {4, "arvokasvu", nullptr},
    {5, "20 v kehitysennuste", nullptr},
    {6, "puuston arvo", nullptr},
    {7, "kasvatusaika", nullptr},
    {8, nullptr, nullptr},  // composed at call time
    {9, "Uudistushakkuun ajoitus", nullptr},
    {10, "aseta vaatimus minimikorolle", nullptr},
    {11, "Puuston arvon kasvu  -  korkovaatimus", nullptr},
    {12, "valitse kasvatusaika", nullptr},
    {18,
        "Kuvion puustoa voidaan kasvattaa 2 kertaa. Yleensä kasvatukset ajoitetaan ennen "
        "hakkuuta ja hakkuun jälkeen. Jos puustoa kasvatetaan alussa kahdesti peräkkäin, "
        "hakkuutoimenpiteitä ei voi suorittaa. Puustoa kasvatetaan valitsemalla kasvatusjakson "
        "pituus ja painamalla OK - painiketta. Ennen kasvatusta voidaan tarkastella puuston "
        "kehitysennustetta tulevalla 20 vuoden jaksolla.",
        nullptr},
    {19,
        "Puuston kasvu on vahvasti sidottu puuston ikään. Puulaji, metsätyyppi ja metsikön "
        "tilavuus vaikuttavat kasvuun vain pienessä määrin. Koska metsätyypin määrityksessä "
        "tapahtuu helposti virheitä, sitä ei käytetä kasvun arvioinnissa. Metsätyyppi tulee "
        "huomioiduksi siten, että samankokoisen puuston ikä on nuorempi hyvällä kasvupaikalla "
        "kuin huonommalla.",
        nullptr},
    {20,
        "Keskimääräiset vuotuiset kasvuprosentit antavat viitettä uudistushakkuun "
        "ajankohdasta. Uudistushakkuuta voidaan harkita (taloudellisin perustein), kun puuston "
        "vuotuinen arvokasvu on pienempi kuin asetettu minimikorkovaatimus. "
        "Minimikorkovaatimus ei metsätaloudessa ole yleensä kovin korkea, tavallisesti 2.5 - "
        "3.5 % / vuosi. Inflaation ja talletuskorkojen ollessa alhaalla, on hyvät perusteet "
        "soveltaa alhaisempaa minimikorkovaatimusta (esim. 1.0 - 2.0 % / vuosi). "
        "Uudistushakkuu edellyttää myös, että esim. puuston ikään ja keskiläpimittaan "
        "liittyvät vähimmäisvaatimukset täyttyvät.",
        nullptr},
    {21,
        "Puuston kehitysennusteessa esitetyt kasvuprosentit ovat keskimääräisiä 5 v. jakson "
        "aikana. Muiden tunnusten osalta lukemat ajoittuvat jakson loppuun. Puuston ja puuston "
        "arvon kasvuprosentit eroavat varsinkin nuorissa ja keski-ikäisissä metsissä "
        "toisistaan, koska siirtymä rankapuusta kuitupuuhun ja kuitupuusta tukkiin on nopeaa. "
        "Arvon kasvuprosentin laskennassa käytettyjä puutavaralajien hintoja voi muuttaa "
        "valitsemalla valikosta asetukset.",
        nullptr},
    {22,
        "Uudistushakkuun ajoitus - painikkeella avautuu lomake, jolla voidaan arvioida "
        "uudistushakkuun ajankohta  ( taloudellisin perustein )  20 vuoden jaksolla.",
        nullptr},
};
static_assert(texts::IsSortedTable(kEntries));

}  // namespace

QString InclanText(int n) {
    if (texts::IsFinnish() && n == 8) return InclanText(7) + QStringLiteral(" 1 - 20 vuotta");
    return texts::LookupText(kEntries, n, texts::kUnknownText);
}

QString& InclanText(QString& out, int n) { return texts::StoreText(out, InclanText(n)); }
