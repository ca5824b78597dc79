#include "texts/TextTable.h"

namespace {
int g_language = kLanguageFinnish;
}

void SetTextLanguage(int language) { g_language = language; }

int TextLanguage() { return g_language; }

namespace texts {

bool IsKnownLanguage() { return g_language == kLanguageFinnish || g_language == kLanguageSwedish; }

bool IsFinnish() { return g_language == kLanguageFinnish; }

QString LookupText(std::span<const TextEntry> table, int n, const char* unknown) {
    const auto it = std::ranges::lower_bound(table, n, {}, &TextEntry::number);
    if (it == table.end() || it->number != n) return QString::fromUtf8(unknown);
    if (g_language == kLanguageFinnish && it->finnish != nullptr) return QString::fromUtf8(it->finnish);
    if (g_language == kLanguageSwedish)
        return QString::fromUtf8(it->swedish != nullptr ? it->swedish : "svenska");
    return QString::fromUtf8(unknown);
}

QString& StoreText(QString& out, QString text) {
    out = std::move(text);
    return out;
}

}  // namespace texts
