#include "texts/Actlan.h"

#include "platform/Numbers.h"
#include "texts/TextState.h"
#include "texts/TextTable.h"

namespace {

constexpr char kUnknown[] = "error";

constexpr texts::TextEntry kEntries[] = {
    {1, "Metsikkönäkymä", nullptr},
    {2, "Lähinäkymä", nullptr},
    {3, "Hakemisto", nullptr},
    {4, "Kaukonäkymä", nullptr},
    {6, "Poimintahakkuu", nullptr},
    {7, "Hakkuutapa", nullptr},
    {8, "Kasvatushakkuu", nullptr},
    {9, "Uudistushakkuu", nullptr},
    {10, "kasvatuksen jälkeen", nullptr},
    {11, "hakkuun jälkeen", nullptr},
    {12, "Metsikkönäkymät", nullptr},
    {13, "hakkuun ja kasvatuksen jälkeen", nullptr},
    {14, "mittauksen jälkeen", nullptr},
    {15, "otos hakkuukertymästä", nullptr},
    {16, "otos tukkipuiden hakkuukertymästä", nullptr},
    {17, "toimenpiteiden jälkeen", nullptr},
    {18, "Otos puustosta", nullptr},
    {19, "mahdollisia toimenpidesuosituksia ei näytetä   !", nullptr},
    {20, "näytön kirjasinkoko on oletusasetusta suurempi   !", nullptr},
    {21, "Otos tukkipuista", nullptr},
    {22, "Toimenpiteiden suoritus", nullptr},
    {23, "toimenpiteiden talletus", nullptr},
    {25, "uudistus- tai poimintahakkuu", nullptr},
    {26, "Tukkiosan tilavuus", nullptr},
    {27, "Vaihda", nullptr},
    {28, "Toimenpiteiden talletus", nullptr},
    {29, nullptr, nullptr},  // composed at call time
    {30, "Lisätietoja", nullptr},
    {31, "Kuviotietokanta", nullptr},
    {32, "Taulukot", nullptr},
    {33, "Kartta", nullptr},
    {34, "1 ha (50 m * 200 m) otos puustosta", nullptr},
    {35, "Luonnonpoistuma", nullptr},
    {36, "tukkipuut isolla pisteellä", nullptr},
    {37, "A3 :  puuston ryhmitys tasainen", nullptr},
    {38, "A2 :  puuston ryhmitys normaali", nullptr},
    {39, "A1 :  puuston ryhmitys epätasainen", nullptr},
    {40,
        "Suoritettuja toimenpiteitä havainnollistetaan vertailemalla otoksia kuvion puustosta "
        "( 50 m * 200 m = 1 ha ) ennen toimenpiteitä ja toimenpiteiden suorituksen jälkeen. "
        "Otosten vieressä on keskeisiä puustotunnuksia. Puut on merkitty otoksiin "
        "puulajeittain erivärisillä pisteillä. Puiden pistekoko voidaan valita. Tukkipuiden "
        "pistekoko voidaan asettaa suuremmaksi vaihtoehdoilla 2, 3 ja 4.",
        nullptr},
    {41,
        "Kuviolistasta valitaan kuvio, jolla suoritetaan toimenpiteitä. Kasvatushakkuussa "
        "ajourien hakkuun jälkeen voidaan valita käytäväharvennus, puulajin poisto, ala- tai "
        "yläharvennus. Uudistuskypsissä metsiköissä sovelletaan uudistus - tai "
        "poimintahakkuuta. Uudistushakkuita ovat pienaukko -, avo -, siemenpuu -, suojuspuu - "
        "ja kaistalehakkuu. Poimintahakkuun yhteydessä voidaan tehdä pienaukkohakkuu tai "
        "puulajin poisto. Puustoa voidaan kasvattaa kerran tai kahdesti. Toimenpide perutaan "
        "PERU - painikkeella. Lopuksi toimenpiteet talletetaan TALLETA - painikkeella. Jos "
        "hakkuukertymää on kertynyt, puukaupan brutto- ja nettotulot voidaan arvioida "
        "Puukauppa - painikkeella. Raportti - painikkeella luodaan kuvioraportti, joka voidaan "
        "tulostaa kirjoittimella.",
        nullptr},
    {42, "Puuston kehitys", nullptr},
    {43, "Puuston arvon kehitys", nullptr},
    {44, "Ei toimenpiteitä", nullptr},
    {45, nullptr, nullptr},  // composed at call time
    {46, "mittauspuusto", nullptr},
    {48, "info", nullptr},
    {49, "Metsätila", nullptr},
    {50, "Metsikkökuviot", nullptr},
    {51, "Kasvatettavan puuston runkoluku vähintään", nullptr},
    {52, "Metsätilat", nullptr},
    {53, "Ohjeet", nullptr},
    {54, "Tietoja ohjelmasta", nullptr},
    {56, "Toimenpiteiden lukumäärä korkeintaan", nullptr},
    {57, "Ohjeita käyttäjälle", nullptr},
    {58, "Kasvatettavan puuston pohjapinta-ala vähintään", nullptr},
    {59, "Uusi toimenpide", nullptr},
    {60, "Metsikössä ei ole mäntyjä eikä koivuja", nullptr},
    {61, "Perutaan toimenpidettä", nullptr},
    {62, "Hakkuutoimenpiteet on peruttava, jos hakkuutapaa halutaan vaihtaa", nullptr},
    {63, "Metsikkö ei sovellu uudistushakattavaksi", nullptr},
    {64, "Haluatko todella tehdä uudistushakkuun", nullptr},
    {65, "jatka harventamista", nullptr},
    {66, "hakkuutavan", nullptr},
    {67, "Piirretään puita", nullptr},
    {68, "Uusi metsikkökuvio", nullptr},
    {69, "Avataan kuviotiedostoa", nullptr},
    {70, nullptr, nullptr},  // composed at call time
    {71, "Mallitila", nullptr},
    {72, "Kuviolista", nullptr},
    {73, "Uusi metsä", nullptr},
    {74, "harkitse kustannusarvion laatimista metsänuudistamisen kuluista   !", nullptr},
    {75, "Muutetaan puustotietoja", nullptr},
    {76, "Talletetaan toimenpiteitä", nullptr},
    {77, "Poiminta", nullptr},
    {79, "Muutetaan kuviotietoja", nullptr},
    {80, "otokset puustosta, 50 m * 200 m = 1 ha", nullptr},
    {81, "Kuviotietokanta,  puustotietoja", nullptr},
    {82, "Uusi metsä", nullptr},
    {83, "1. kasvatuksen jälkeen", nullptr},
    {84, "2. kasvatuksen jälkeen", nullptr},
    {86, nullptr, nullptr},  // composed at call time
    {87, "Kuviolista ja kuviotietokanta voidaan vaihtaa Vaihda - painikkeella  !", nullptr},
    {88, "Luetaan tietokantaa", nullptr},
    {89, "Laaja näkymä, ei tietokantaliittymää", nullptr},
    {90, nullptr, ""},  // composed at call time
    {91, nullptr, nullptr},  // composed at call time
    {92, "vuodenaika talvi", nullptr},
    {93, "pinta-ala", nullptr},
    {94, "Kuviota ei suositella uudistushakattavaksi", nullptr},
    {95, "Puuston keskiläpimitta ", nullptr},
    {96, "Puulajin poisto ja poimintahakkuu", nullptr},
    {97, "Pienaukkohakkuu ja puulajin poisto", nullptr},
    {99, "otos männyistä", nullptr},
    {100, "otos kuusista", nullptr},
    {101, "otos lehtipuista", nullptr},
    {102, "otos mäntyjen hakkuukertymästä", nullptr},
    {103, "otos kuusten hakkuukertymästä", nullptr},
    {104, "otos lehtipuiden hakkuukertymästä", nullptr},
    {105, "Pienaukko- ja poimintahakkuu", nullptr},
    {106, "tukkipuut", nullptr},
    {107, "männyt", nullptr},
    {108, "kuuset", nullptr},
    {109, "lehtipuut", nullptr},
};
static_assert(texts::IsSortedTable(kEntries));

// Help of the stand list; names the open stand, whose main-menu items change
// and delete it.
QString StandListHelp() {
    return QStringLiteral(
               "Kuviolista koostuu (esim. metsätilan) kuviotiedostoista, jotka on talletettu samaan "
               "hakemistoon. "
               "Kuviolistan rivillä on metsikkökuvion tunnus ja pinta-ala sekä puuston kehitysluokka, "
               "tilavuus ja tukkiprosentti. "
               "Tukkiprosentti on laskennallinen, jota puuston runkoviat yleensä hieman pienentävät. "
               "Vaihtoehtoisesti kuviolistaan voidaan valita kuvioiden hakkuukertymä. "
               "Vaihda - painikkeella vaihdetaan kuviolista ja "
               "Uusi - painikkeella annetaan uuden metsikkökuvion tiedot. "
               "Jos karttatiedostoja on käytettävissä, Kartta - painikkeella voidaan hakea esim. "
               "metsätilan kuviokartta. "
               "Valitsemalla vasemman yläkulman päävalikosta ") +
           CurrentTextState()->StandTitle(3) +
           QStringLiteral(" voidaan tarkastella kuviotietoja, muuttaa kuviotietoja ja poistaa kuvio.");
}

// Help of the stand database; the wide view has no database panel.
QString StandDatabaseHelp() {
    QString text = QStringLiteral("Kuviotietokanta muodostetaan kuviolistan metsikkökuvioista. ");
    if (CurrentTextState()->IsNarrowView()) {
        text += QStringLiteral(
            "Pylväsgrafiikassa havainnollistetaan kuviotietokantaan sisältyvien kuvioiden puuston "
            "kehitystä. "
            "Pylväsgrafiikan alapuolella on tietoja kuvioiden puustosta, kasvusta ja hakkuukertymästä. "
            "Jos kuvion toimenpideketjua muutetaan ja muutosten halutaan jäävän voimaan, "
            "kuviotietokanta "
            "päivittyy talletuksen jälkeen. "
            "Lisätietoja - painikkeella saadaan tarkempaa tietoa kuviotietokannasta. ");
    } else {
        text += QStringLiteral("Tietokantaliittymä avautuu poistamalla  ") + ActlanText(89) +
                QStringLiteral(" - valinta.");
    }
    return text;
}

// Help of the stand view; points to the other stand-view page (far: 1 ha,
// near: the 0.5 ha close-up).
QString StandViewHelp() {
    const TextState* state = CurrentTextState();
    const bool far = state->IsFarViewPageActive();
    const QString shown = state->PlotAreaText(3, !far);
    const QString other = state->PlotAreaText(2, far);
    return QStringLiteral("Yläkuvassa ") + shown +
           QStringLiteral(" metsikkönäkymä toimenpiteiden jälkeen. "
                          "Vertailun helpottamiseksi alakuvassa näkymä ennen toimenpiteitä. Jos "
                          "hakkuutoimenpiteitä on "
                          "suoritettu, yläkuvaan voidaan valita ") +
           shown +
           QStringLiteral(" otos hakkuukertymästä. "
                          "Näkymien vuodenajaksi voidaan valita kesä tai talvi ja kaikkien puiden "
                          "sijasta valita esim. vain tukkipuut. "
                          "Metsikkönäkymiä voidaan laajentaa valitsemalla laaja näkymä. ") +
           (far ? QStringLiteral("Seuraavalla ") : QStringLiteral("Edellisellä ")) +
           QStringLiteral("välilehdellä metsikkönäkymät ") + other + u' ' +
           (far ? QStringLiteral("lähempää") : QStringLiteral("kauempaa")) +
           QStringLiteral(" tarkasteluna.");
}

// Help of the stand card: the carbon dioxide factor in tonnes per cubic metre.
QString StandCardHelp() {
    return QStringLiteral(
               "Hiilidioksidilaskennan osalta yhden kuutiometrin runkopuuta oletetaan sitovan "
               "kasvuprosessin aikana runkoon, oksiin "
               "ja juuriin ") +
           platform::FormatC("%1.1f tonnia hiilidioksidia (co2). ",
                             CurrentTextState()->CarbonFactor() * 0.001) +
           QStringLiteral(
               "Puuston arvo lasketaan puutavaralajien keskihintojen perusteella. "
               "Hintoja voidaan muuttaa valitsemalla valikosta asetukset. ");
}

}  // namespace

QString ActlanText(int n) {
    if (texts::IsFinnish()) {
        switch (n) {
            case 29: return StandListHelp();
            case 45: return StandDatabaseHelp();
            case 70: return StandViewHelp();
            case 86: return StandCardHelp();
            case 90: return ActlanText(52) + QStringLiteral(" - hakemistoon");
            case 91: return ActlanText(36) + QStringLiteral("  !");
            default: break;
        }
    }
    return texts::LookupText(kEntries, n, kUnknown);
}

QString& ActlanText(QString& out, int n) { return texts::StoreText(out, ActlanText(n)); }
