#include "texts/Ploclan.h"

#include "texts/TextTable.h"

namespace {

constexpr texts::TextEntry kEntries[] = {
    {0,
        "Poimintahakkuussa poistetaan etupäässä suuria puita. Poimintahakkuu voi olla "
        "vaihtoehto esim. avohakkuulle, jos uudistushakkuuta ei jostain syystä haluta tehdä. "
        "Poimintahakkuu voidaan tehdä itsenäisenä toimenpiteena tai pienaukkohakkuun / "
        "puulajin poiston yhteydessä. ",
        nullptr},
    {1, "paino suurilla puilla (+)", nullptr},
    {2,
        "Poimintahakkuulle asetetut vaatimukset  :  puusto vähintään "
        "150"
        " m3/ha, "
        "keskiläpimitta vähintään "
        "18"
        " cm ja "
        "runkoluku "
        "400"
        " - "
        "1500"
        " / ha. ",
        nullptr},
    {3, "poimintahakkuun hakkuukertymä", nullptr},
    {4, "poimintahakkuun hakkuukertymä, m3/ha", nullptr},
};
static_assert(texts::IsSortedTable(kEntries));

}  // namespace

QString PloclanText(int n) { return texts::LookupText(kEntries, n, texts::kUnknownText); }

QString& PloclanText(QString& out, int n) { return texts::StoreText(out, PloclanText(n)); }
