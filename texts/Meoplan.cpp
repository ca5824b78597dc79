#include "texts/Meoplan.h"

#include "texts/TextTable.h"

namespace {

constexpr texts::TextEntry kMeasEntries[] = {
    {0,
        " - jos puustoa halutaan kasvattaa, puuston ikä  :  arvioidaan keskimääräisen puun "
        "ikä. Ikä annetaan kasvatuksen yhteydessä.",
        nullptr},
    {1, "Tietojen muuttaminen", nullptr},
    {2, "  :  aseta keskipituus tai nollaa runkoluku  !", nullptr},
    {3,
        " - sovellus määrittää puuston arvon puutavaralajien keskihintojen perusteella. "
        "Hintoja voi muuttaa valitsemalla valikosta Asetukset.",
        nullptr},
    {4, "Kuvion puuston mittaus", nullptr},
    {5, "Kuvion talletus", nullptr},
    {6, "Jatketaanko ?", nullptr},
    {7, "Kuvion pinta-ala", nullptr},
    {8, "lisää läpimittaa tai vähennä pohjapinta-alaa", nullptr},
    {9,
        "Kirjoitetaan metsätilan nimi, metsikkökuvion tunnus ja pinta-ala sekä valitaan kuvion "
        "kasvupaikkatyyppi. Asetetaan puuston mittaustiedot puulajeittain  :",
        nullptr},
    {10, " - keskiläpimitta  :  mitataan keskimääräisen puun läpimitta rinnankorkeudelta.", nullptr},
    {11,
        " - keskipituus  :  arvioidaan keskiläpimittaa vastaavan puun pituus. Sovellus tekee "
        "keskipituudesta keskiläpimitan perusteella ehdotuksen, jota voi muuttaa.",
        nullptr},
    {12,
        " - pohjapinta-ala  :  arvioidaan ( max. "
        "80"
        " m2/ha ) yleensä relaskoopilla. Pienissä puustoissa pohjapinta-ala voidaan asettaa "
        "runkolukuarvion perusteella.",
        nullptr},
    {13,
        "Sovellus määrittää puuston runkoluvun ( max. "
        "12000"
        " kpl/ha ) ja tilavuuden "
        "ja muodostaa kuvion puustosta 1 ha otoksen ja metsikkönäkymän.",
        nullptr},
    {14,
        "Valitaan puuston mittaustietojen ajankohta ja puuston kehitystä kuvaava "
        "kehitysluokka. Pienissä taimikoissa arvioidaan puuston runkoluku ja keskipituus. "
        "Kuviosta voi kirjoittaa vapaamuotoisesti lisätietoja. Metsätilan kuviot talletetaan "
        "samaan hakemistoon, joka on nimetty esim. tilan mukaan.",
        nullptr},
    {16, "Valitse ( tai luo uusi ) hakemisto ja talleta kuviotiedosto", nullptr},
    {17, "Muutosten talletus", nullptr},
    {18, "Metsätilan nimi", nullptr},
    {19, "  :  aseta pohjapinta-ala tai nollaa keskiläpimitta  !", nullptr},
    {20, "havu", nullptr},
    {21, "lehti", nullptr},
    {22, "talvi", nullptr},
    {23, "1 ha metsikkönäkymä kuvion puustosta.", nullptr},
    {24, ",  lehtipuut", nullptr},
    {25, ",  lehtitukkipuut", nullptr},
    {26, ",  havupuut", nullptr},
    {27, ",  havutukkipuut", nullptr},
    {28, ",  tukkipuut", nullptr},
    {29, "- aseta kuviolla esiintyvien puulajien keskiläpimitta, keskipituus ja pohjapinta-ala !", nullptr},
    {30, "ei metsikkönäkymää  !", nullptr},
    {31, "ei metsikkönäkymää tässä yhteydessä  !", nullptr},
};
static_assert(texts::IsSortedTable(kMeasEntries));

constexpr texts::TextEntry kOpenEntries[] = {
    {0, "Poista", nullptr},
    {1,
        "Kuviolistassa ovat samaan talletushakemistoon sijoitetut (esim. metsätilan) "
        "metsikkökuviot.",
        nullptr},
    {2, "Kuvio avataan Avaa - painikkeella. Kuvio voidaan poistaa Poista - painikkeella.", nullptr},
    {3, "Kuvion tietoja voidaan muuttaa Muuta kuviotietoja - painikkeella.", nullptr},
    {4,
        "Metsikkökuvion puustosta arvioidaan maastokäynnillä puulajeittain keskiläpimitta, "
        "keskipituus, pohjapinta-ala ja puuston ikä. Pienissä taimikoissa arvioidaan puuston "
        "runkoluku ja keskipituus. Mittaustietojen perusteella sovellus määrittää puuston "
        "runkoluvun ja tilavuuden sekä muodostaa kuvion puustosta 1 ha otoksen ja "
        "metsikkönäkymän.",
        nullptr},
    {5,
        "Kuviolistasta valittu kuvio avataan Avaa - painikkeella ja kuvio poistetaan Poista - "
        "painikkeella.",
        nullptr},
    {6, "Muuta kuviotietoja", nullptr},
    {7, "Kuviolistan vaihto", nullptr},
    {8, "Kuviolistan avaus", nullptr},
    {9, "Avaa tai poista", nullptr},
};
static_assert(texts::IsSortedTable(kOpenEntries));

}  // namespace

QString MeoplanMeasText(int n) { return texts::LookupText(kMeasEntries, n, texts::kUnknownText); }

QString& MeoplanMeasText(QString& out, int n) { return texts::StoreText(out, MeoplanMeasText(n)); }

QString MeoplanOpenText(int n) { return texts::LookupText(kOpenEntries, n, texts::kUnknownText); }

QString& MeoplanOpenText(QString& out, int n) { return texts::StoreText(out, MeoplanOpenText(n)); }
