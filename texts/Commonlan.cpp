#include "texts/Commonlan.h"

#include "texts/TextState.h"
#include "texts/TextTable.h"

namespace {

constexpr texts::TextEntry kEntries[] = {
    {0, "Norvalen", nullptr},
    {4, "OK", "OK"},
    {5, "Uusi", "Ny"},
    {6, "Avaa", "Öppna"},
    {7, "Jatka", "Forward"},
    {8, "Sulje", "Stänga"},
    {9, "Leppä", nullptr},
    {10, "Haapa", nullptr},
    {11, "Koivu", "Björk"},
    {12, "Kuusi", "Gran"},
    {13, "Mänty", "Tall"},
    {14, "Pohjapinta-ala", nullptr},
    {15, nullptr, nullptr},  // composed at call time
    {16, "Keskiläpimitta", nullptr},
    {17, "cm", "cm"},
    {18, "Keskipituus", nullptr},
    {19, "m", "m"},
    {20, "kuviotiedostot", nullptr},
    {21, "Peru", nullptr},
    {22, "Ohje", nullptr},
    {23, "Ajourat", nullptr},
    {24, "Kuviolistan avaus / uusi metsikkökuvio", nullptr},
    {25, "Kasvatus", nullptr},
    {26, "Alaharvennus", nullptr},
    {27, "Yläharvennus", nullptr},
    {28, "Puulajin poisto", nullptr},
    {29, "Avohakkuu", nullptr},
    {30, "Siemenpuuhakkuu", nullptr},
    {31, "Suojuspuuhakkuu", nullptr},
    {32, "Kaistalehakkuu", nullptr},
    {33, "Pienaukkohakkuu", nullptr},
    {35, nullptr, nullptr},  // composed at call time
    {36, "tavoite", nullptr},
    {37, "kpl", "st"},
    {38, "Kyllä", "Ja"},
    {39, "Ei", "Nej"},
    {40, "Tulosta", nullptr},
    {41, "Puukauppa", nullptr},
    {42, "Koivutukki", nullptr},
    {43, "Kuusitukki", nullptr},
    {44, "Mäntytukki", nullptr},
    {45, "Koivukuitu", nullptr},
    {46, "Kuusikuitu", nullptr},
    {47, "Mäntykuitu", nullptr},
    {48, "Ranka", nullptr},
    {49, "Hakkuutoimenpiteet", nullptr},
    {50, "Kuvio", nullptr},
    {51, "Puusto mitattu", nullptr},
    {52, "Hakkuukertymä", nullptr},
    {53, "m3", "m3"},
    {54, nullptr, nullptr},  // composed at call time
    {55, "ha", "ha"},
    {56, nullptr, nullptr},  // composed at call time
    {57, nullptr, nullptr},  // composed at call time
    {58, nullptr, nullptr},  // composed at call time
    {59, "puuston ikä annetaan kasvatuksen yhteydessä", nullptr},
    {60, "vuosi", "år"},
    {61, "vuotta", nullptr},
    {62, "v.", "år"},
    {63, "Harvennus", nullptr},
    {64, nullptr, nullptr},  // composed at call time
    {65, "aika", nullptr},
    {66, "mitattu", nullptr},
    {67, "toimenpiteiden jälkeen ja ennen toimenpiteitä", nullptr},
    {68, "Puustotunnukset", nullptr},
    {69, "Raportti", nullptr},
    {70, "Puulaji", nullptr},
    {71, "Runkoluku", nullptr},
    {72, nullptr, nullptr},  // composed at call time
    {73, "Tukki", nullptr},
    {74, "Kuitu", nullptr},
    {75, "Rankapuu", nullptr},
    {76, "suoritetut toimenpiteet", nullptr},
    {77, "ei hakkuutoimia,  ei hakkuukertymää  !", nullptr},
    {78, "Toimenpidesuositus", nullptr},
    {79, "Rajoite", nullptr},
    {80, "mittaus", nullptr},
    {83, "dummyStr", nullptr},
    {84, "Kirjoitinta ei ole asennettu", nullptr},
    {85, "Virhe", nullptr},
    {86, "Toimenpidesuositus", nullptr},
    {87, "Tiedote", nullptr},
    {88, "Kirjoitinta ei ole asennettu", nullptr},
    {89, "v", "år"},
    {90, "Kuviolistan vaihto  :  valitse hakemisto ja kuviotiedosto", nullptr},
    {91, "Kuviolistan avaus  :  valitse hakemisto ja kuviotiedosto", nullptr},
    {93, "Puusto", nullptr},
    {94, "suositus", nullptr},
    {95, "Ala - tai  yläharvennus", nullptr},
    {96, "Muuta kuviotietoja", nullptr},
    {97, "Poista kuvio", nullptr},
    {98, "Puutavaralajien hinnat", nullptr},
    {99, "Perusasetukset", nullptr},
    {100, "Toimenpidesuositukset", nullptr},
    {101, "Kuviotiedot", nullptr},
    {102, "Metsikkökuvio", nullptr},
    {103, "ei uria", nullptr},
    {106, "Käytävä", nullptr},
    {107, "ei hakkuuta", nullptr},
    {108, "Käytäväharvennus", nullptr},
    {109, "ei hakkuukertymää", nullptr},
    {111, "Mittauspäivä", nullptr},
    {112, "Puuston kasvatus", nullptr},
    {113, "ennen hakkuuta", nullptr},
    {114, "runkoa/ha", nullptr},
    {115, "Asetukset", nullptr},
    {116, "Talleta", nullptr},
    {117, "Ikä", nullptr},
    {118, "puustoon sitoutunut hiilidioksidi", nullptr},
    {119, "Talletetaanko muutokset  ?", nullptr},
    {120, "Puutavaralajien hintoja muutettu  !", nullptr},
    {121, "Toimenpidesuositusten asetuksia muutettu  !", nullptr},
    {122, "Perusasetuksia muutettu  !", nullptr},
    {123, "puuston muutos", nullptr},
    {124, "puustoon sitoutuneen hiilidioksidin muutos", nullptr},
    {125, "hiilidioksidi (co2)", nullptr},
};
static_assert(texts::IsSortedTable(kEntries));

}  // namespace

QString CommonlanText(int n) {
    // The units are composed alike in both language columns; the currency is
    // asked from the price settings at every call.
    if (texts::IsKnownLanguage()) {
        switch (n) {
            case 15: return QStringLiteral("m2/") + CommonlanText(55);
            case 35: return CommonlanText(37) + u'/' + CommonlanText(55);
            case 54: return CurrentTextState()->CurrencyUnitShort();
            case 56: return CommonlanText(54) + u'/' + CommonlanText(55);
            case 57: return CommonlanText(54) + u'/' + CommonlanText(53);
            case 58: return CommonlanText(54) + u'/' + CommonlanText(50).toLower();
            case 64: return CommonlanText(53) + u'/' + CommonlanText(55);
            default: break;
        }
    }
    if (texts::IsFinnish() && n == 72) return CommonlanText(50) + CommonlanText(69).toLower();
    return texts::LookupText(kEntries, n, texts::kUnknownText);
}

QString& CommonlanText(QString& out, int n) { return texts::StoreText(out, CommonlanText(n)); }
