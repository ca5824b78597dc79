#include "operations/PlocCuttRules.h"

#include <cmath>

#include "platform/Numbers.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "texts/Ploclan.h"

using platform::IntText;

SelectionRemovalList BuildSelectionRemovalChoices(int volume) {
  SelectionRemovalList l;
  const double v = volume;
  const double f = v <= 400 ? 0.4 + 0.2 * std::sqrt(0.0025 * v) : 0.6;
  if (v < 300) {
    l.step = 10;
    l.first = 20;
  } else if (v < 420) {
    l.step = 20;
    l.first = 40;
  } else {
    l.step = 20;
    l.first = 60;
  }
  const int limit = platform::RoundHalfAway((v - 40) * f);
  const int most = volume < 200 ? 11 : 13;
  l.values.push_back(0);
  for (int j = 0; j < limit; j += l.step) {
    l.values.push_back(l.first + j);
    if (static_cast<int>(l.values.size()) > most) break;
  }
  for (int value : l.values) l.items << IntText(value);
  const int n = static_cast<int>(l.items.size());
  l.columns = n < 7 ? 3 : n <= 8 ? 4 : n <= 10 ? 5 : n <= 12 ? 6 : 7;
  return l;
}

SelectionCaptions SelectionCaptionsFor(int item, bool oneStepAfterStart, bool gapOrSelection) {
  if (item <= 0)
    return {QStringLiteral("1 ha otos puustosta ennen poimintahakkuuta"),
            QStringLiteral("1 ha otos hakkuukertymästä ennen poimintahakkuuta")};
  QString tail = QStringLiteral("poimintahakkuun jälkeen");
  if (oneStepAfterStart) tail.prepend(gapOrSelection ? QStringLiteral("pienaukko - ja ") : QStringLiteral("puulajin poiston ja "));
  return {QStringLiteral("1 ha otos puustosta ") + tail, QStringLiteral("1 ha otos hakkuukertymästä ") + tail};
}

QString SelectionName(bool cut, bool heavy, int removal) {
  if (!cut) return QStringLiteral("valitse poimintahakkuun hakkuukertymä  !");
  return ActlanText(6).toLower() + (heavy ? QStringLiteral("+ ") : QStringLiteral(" ")) + IntText(removal) +
         QStringLiteral(" m3/ha");
}

QString SelectionMessage(const QString& name, bool cut, int removalSoFar, bool gapOrSelectionBefore) {
  if (!cut || removalSoFar < 1) return name;
  return CommonlanText(gapOrSelectionBefore ? 33 : 28) + QLatin1Char(' ') + IntText(removalSoFar) +
         QStringLiteral(" m3/ha,  ") + name;
}

QString SelectionExplanation(bool requirementsFail) {
  QString text = PloclanText(0);
  if (requirementsFail) text += PloclanText(2);
  return text;
}

QStringList StemCountQuestionLines(bool selection, int stems) {
  return {QStringLiteral("Puuston runkoluku hakkuun jälkeen ") + IntText(stems) + QStringLiteral(" kpl/ha. ") +
              QStringLiteral("Koska ajouraverkostoa ei hakata, runkoluvuksi suositellaan ") +
              QStringLiteral("korkeintaan ") + IntText(kStemCountQuestionLimit) + QStringLiteral(" kpl/ha  !"),
          selection ? QStringLiteral("Harkitse hakkuun perumista tai poimintahakkuun voimakkuuden lisäämistä  !")
                    : QStringLiteral("Harkitse hakkuun perumista ja kasvatushakkuun valitsemista, jolloin voit "
                                     "hakata ajourat ja poistaa puulajin  !")};
}
