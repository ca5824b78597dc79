#pragma once
#include <QString>
// The common texts the message windows show.
#if __has_include("texts/Commonlan.h")
#include "texts/Commonlan.h"
#else
inline QString CommonlanText(int n) {
  switch (n) {
    case 0: return QStringLiteral("Norvalen");
    case 8: return QStringLiteral("Sulje");
    case 38: return QStringLiteral("Kyllä");
    case 39: return QStringLiteral("Ei");
    case 24: return QStringLiteral("Kuviolistan avaus / uusi metsikkökuvio");
    case 87: return QStringLiteral("Tiedote");
    default: return QStringLiteral("error !");
  }
}
#endif
#if __has_include("texts/Aboutlan.h")
#include "texts/Aboutlan.h"
#else
inline QString AboutlanText(int n) { return n == 0 ? QStringLiteral("Tietoja ohjelmasta") : QStringLiteral("error !"); }
#endif
