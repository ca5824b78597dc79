#include "operations/Th4Rules.h"

#include "platform/Numbers.h"
#include "texts/Commonlan.h"
#include "texts/Th1lan.h"

namespace {

// Per species: full name, plural for the "kaikki" item, the small-tree stem
// name, and the short forms of a long name.
struct SpeciesNames {
  const char* full;
  const char* plural;
  const char* stem;
  const char* shortFull;
  const char* shortStem;
};
constexpr SpeciesNames kNames[5] = {
    {"mänty", "männyt", "mäntyranka", "mä", "mäRa"},
    {"kuusi", "kuuset", "kuusiranka", "ku", "kuRa"},
    {"koivu", "koivut", "koivuranka", "ko", "koRa"},
    {"haapa", "haavat", "haaparanka", "ha", "haRa"},
    {"leppä", "lepät", "leppäranka", "le", "leRa"},
};

}  // namespace

QStringList SpeciesRemovalGuidance(bool thinningStage) {
  if (thinningStage)
    return {QStringLiteral("Poistettavien puiden koko voidaan"), QStringLiteral("valita, jos kuviolla on kuitupuuta"),
            QStringLiteral("pienempää rankapuuta. Valintaa"), QStringLiteral("voidaan soveltaa esim. hakkuualan"),
            QStringLiteral("ennakkoraivauksessa.")};
  return {QStringLiteral("Koska ajouraverkostoa ei hakata,"), QStringLiteral("puulajin poistoa voidaan harkita"),
          QStringLiteral("lähinnä pienaukkohakkuun tai"), QStringLiteral("poimintahakkuun yhteydessä."), QString()};
}

QStringList SpeciesChoiceItems(int species, bool offerSmallTrees) {
  if (species < 0 || species > 4) return {};
  QStringList items{QStringLiteral("kaikki ") + QString::fromUtf8(kNames[species].plural)};
  if (offerSmallTrees) items << QStringLiteral("kuitupuuta pienempi ") + QString::fromUtf8(kNames[species].stem);
  return items;
}

QString SpeciesRemovalName(const SpeciesRemovalChoices& choices) {
  int m = 0;
  for (int c : choices) m += c > 0 ? 1 : 0;
  if (m == 0) return QString();
  QString name = CommonlanText(28) + QStringLiteral(", ");
  for (int s = 0; s < 5; ++s) {
    const SpeciesNames& n = kNames[s];
    const char* part = nullptr;
    if (choices[s] == 1) part = m == 5 ? n.shortFull : n.full;
    else if (choices[s] == 2) part = m < 3 ? n.stem : n.shortStem;
    if (part) name += QString::fromUtf8(part) + QLatin1Char('/');
  }
  // The trailing "/" goes; a name always has one here.
  name.chop(1);
  return name;
}

QString SpeciesRemovalMessage(const QString& name, bool thinningStage, int removalSoFar, int removal) {
  if (name.isEmpty()) return Th1lanText(11).toLower() + QStringLiteral("   !");
  if (!thinningStage && removalSoFar > 0)
    return CommonlanText(33) + QLatin1Char(' ') + platform::IntText(removalSoFar) + QStringLiteral(" m3/ha,  ") +
           CommonlanText(28) + QLatin1Char(' ') + platform::IntText(removal) + QStringLiteral(" m3/ha");
  return name;
}

SpeciesRemovalCaptions SpeciesRemovalCaptionsFor(int removed, bool thinningStage, int removedSinceStart) {
  if (removed < 1)
    return {QStringLiteral("1 ha otos puustosta ennen puulajin poistoa"),
            QStringLiteral("1 ha otos hakkuukertymästä ennen puulajin poistoa")};
  QString suffix = !thinningStage && removedSinceStart > removed ? QStringLiteral(" pienaukkohakkuun ja") : QString();
  suffix += QStringLiteral(" puulajin poiston jälkeen");
  return {QStringLiteral("1 ha otos puustosta") + suffix, QStringLiteral("1 ha otos hakkuukertymästä") + suffix};
}

SpeciesRemovalOk DecideSpeciesRemovalOk(const SpeciesRemovalOkInput& in) {
  if (in.allRemoved) return SpeciesRemovalOk::RefuseAll;
  if (in.removed <= 0) return SpeciesRemovalOk::RefuseNothing;
  bool ask = false;
  if (!in.thinningStage && in.stemsAfter > 1000) ask = in.gapBefore || !in.selectionAccepts;
  return ask ? SpeciesRemovalOk::AskStemCount : SpeciesRemovalOk::Accept;
}

QString SpeciesRemovalRefusalLine(SpeciesRemovalOk decision) {
  if (decision == SpeciesRemovalOk::RefuseAll) return Th1lanText(12).toLower() + QStringLiteral(" !");
  return Th1lanText(11).toLower() + QStringLiteral(" tai paina Peru - painiketta   !");
}
