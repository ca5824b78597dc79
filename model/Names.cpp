// Names of development classes, site types and timber assortments. The
// padded names keep their trailing blanks: lists and reports line up on them.

#include "model/Names.h"

#include "texts/Commonlan.h"

namespace {

struct DevelopmentClassRow {
  const char* longName;  // styles 0, 1 (code 0 differs, see below)
  const char* padded23;  // style 2
  const char* spaced;    // style 3
  const char* padded24;  // style 4
  const char* shortName; // style 5 and above
};

const DevelopmentClassRow kDevelopmentClasses[10] = {
    {"", "ei tietoa              ", "ei tietoa kehitysluokasta", "ei kehitysluokkatietoa  ", "ei tietoa"},
    {"puuton alue", "puuton alue            ", "puuton alue", "puuton alue             ", "puuton alue"},
    {"pieni taimikko", "taimikko,pieni         ", "taimikko, pieni", "taimikko,pieni          ", "taimikko,pieni"},
    {"varttunut taimikko", "taimikko,varttunut     ", "taimikko, varttunut", "taimikko,varttunut      ", "taimikko,vartt."},
    {"ylispuinen taimikko", "taimikko,ylispuinen    ", "taimikko, ylispuinen", "taimikko,ylispuinen     ", "taimikko,ylisp."},
    {"nuori kasvatusmetsä", "kasvatusmetsä,nuori    ", "kasvatusmetsä, nuori", "kasvatusmetsä,nuori     ", "kasvatus,nuori"},
    {"varttunut kasvatusmetsä", "kasvatusmetsä,varttunut", "kasvatusmetsä, varttunut", "kasvatusmetsä,varttunut ", "kasvatus,vartt."},
    {"uudistuskypsä metsä", "uudistuskypsä metsikkö ", "uudistuskypsä metsä", "uudistuskypsä metsä     ", "uudistuskypsä"},
    {"suojuspuumetsikkö", "suojuspuumetsikkö      ", "suojuspuumetsikkö", "suojuspuumetsikkö       ", "suojuspuu"},
    {"siemenpuumetsikkö", "siemenpuumetsikkö      ", "siemenpuumetsikkö", "siemenpuumetsikkö       ", "siemenpuu"},
};

const char* const kSiteTypes[7] = {
    "", "lehto", "lehtomainen kangas", "tuore kangas", "kuivahko kangas", "kuiva kangas", "karukkokangas",
};

QString PadTo(const QString& text, int width) { return text.leftJustified(width, QLatin1Char(' ')); }

}  // namespace

QString DevelopmentClassName(int style, int code) {
  if (code < 0 || code > 9) return QStringLiteral("khl - error");
  const DevelopmentClassRow& row = kDevelopmentClasses[code];
  if (style == 2) return QString::fromUtf8(row.padded23);
  if (style == 3) return QString::fromUtf8(row.spaced);
  if (style == 4) return QString::fromUtf8(row.padded24);
  if (style > 4) return QString::fromUtf8(row.shortName);
  if (code == 0) {
    return style == 0 ? QStringLiteral("ei tietoa puuston kehitysluokasta")
                      : QStringLiteral("ei tietoa kehitysluokasta");
  }
  return QString::fromUtf8(row.longName);
}

QString SiteTypeName(int style, int code) {
  if (code < 0 || code > 6) return QStringLiteral("mt - error");
  if (code == 0) {
    if (style < 2) {
      return style == 0 ? QString::fromUtf8("ei tietoa kuvion kasvupaikkatyypistä")
                        : QString::fromUtf8("ei kasvupaikkatyyppiä");
    }
    return style == 3 ? PadTo(QStringLiteral("ei tietoa"), 21) : QString::fromUtf8("ei kasvupaikkatyyppiä");
  }
  const QString name = QString::fromUtf8(kSiteTypes[code]);
  return style < 2 ? name : PadTo(name, 21);
}

QString AssortmentName(int code, bool prefix) {
  QString name;
  switch (code) {
    case 0: name = CommonlanText(47); break;
    case 1: name = CommonlanText(46); break;
    case 2: name = CommonlanText(45); break;
    case 3: name = QString::fromUtf8("haapakuitu"); break;
    case 4: name = QString::fromUtf8("leppäkuitu"); break;
    case 6: name = CommonlanText(44); break;
    case 7: name = CommonlanText(43); break;
    case 8: name = CommonlanText(42); break;
    case 9: name = QString::fromUtf8("haapatukki"); break;
    case 12: name = CommonlanText(48) + QStringLiteral("     "); break;
    case 100: name = QString::fromUtf8("mäk"); break;
    case 101: name = QStringLiteral("kuk"); break;
    case 102: name = QStringLiteral("kok"); break;
    case 103: name = QStringLiteral("hak"); break;
    case 104: name = QStringLiteral("lek"); break;
    case 106: name = QString::fromUtf8("mät"); break;
    case 107: name = QStringLiteral("kut"); break;
    case 108: name = QStringLiteral("kot"); break;
    case 109: name = QStringLiteral("hat"); break;
    case 112: name = QStringLiteral("ranka"); break;
    case 1006: name = QString::fromUtf8("mäRun"); break;
    case 1007: name = QStringLiteral("kuRun"); break;
    case 2006: name = QString::fromUtf8("mäntyrunko"); break;
    case 2007: name = QStringLiteral("kuusirunko"); break;
    default: name = CommonlanText(48) + QStringLiteral("   "); break;
  }
  if (code < 1001) name = name.toLower();
  return prefix ? QStringLiteral(" ") + name : name;
}
