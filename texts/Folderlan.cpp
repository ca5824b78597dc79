#include "texts/Folderlan.h"

#include "texts/TextTable.h"

namespace {

constexpr texts::TextEntry kEntries[] = {
    {0,
        "Taulukkojen tiedot koostuvat samaan hakemistoon talletetuista (esim. metsätilan) "
        "metsikkökuvioista. Alimpaan taulukkoon voidaan valita kuvioiden puustotiedot tai "
        "vaihtoehtoisesti, mikäli hakkuutoimia on suoritettu, kuvioiden hakkuukertymä. Jos "
        "alimmassa taulukossa kuvion hakkuuvuosi on myöhäisempi kuin mittausvuosi, puustoa on "
        "kasvatettu ennen hakkuutoimenpiteitä. Hakkuutapa on jaettu kolmeen luokkaan : "
        "kasvatushakkuu, uudistushakkuu ja poimintahakkuu. Puuston ja hakkuukertymän arvon "
        "laskennassa sovellettuja puutavaralajien keskihintoja voidaan muuttaa sulkemalla "
        "grafiikka- ja taulukkolomake ja valitsemalla valikosta Asetukset. Taulukoiden tiedot "
        "voidaan tulostaa kirjoittimella avaamalla Raportti - lomake.",
        nullptr},
    {2,
        "Piirrosgrafiikan tiedot koostuvat samaan hakemistoon talletetuista (esim. metsätilan) "
        "metsikkökuvioista. Puutavaralajijakauman ajankohta voidaan valita. Puutavaralajien "
        "sijaan voidaan valita hakkuukertymä mikäli hakkuutoimenpiteitä on suoritettu. "
        "Taulukot - painikkeella graafisesti esitetty informaatio muutetaan taulukkomuotoon, "
        "jolloin ne voidaan tulostaa kirjoittimella.",
        nullptr},
};
static_assert(texts::IsSortedTable(kEntries));

}  // namespace

QString FolderlanText(int n) { return texts::LookupText(kEntries, n, texts::kUnknownText); }

QString& FolderlanText(QString& out, int n) { return texts::StoreText(out, FolderlanText(n)); }
