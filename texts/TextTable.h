#pragma once
// The lookup shared by every text table: a table is a list of entries sorted
// by number, each with a Finnish and a Swedish text. A number that the table
// does not hold (a gap or anything out of range) and a language other than
// Finnish or Swedish give the table's unknown-number text.

#include <QString>

#include <algorithm>
#include <span>

// The language column in force: 1 Finnish (what the program shows), 2 Swedish.
// The program never changes it; other values make every entry unknown.
inline constexpr int kLanguageFinnish = 1;
inline constexpr int kLanguageSwedish = 2;
void SetTextLanguage(int language);
int TextLanguage();

namespace texts {

// One entry. finnish == nullptr: the table composes the Finnish text itself.
// swedish == nullptr: the Swedish column holds the placeholder "svenska".
struct TextEntry {
    int number;
    const char* finnish;
    const char* swedish;
};

inline constexpr char kUnknownText[] = "error !";

// True when a table's numbers ascend strictly (checked at compile time).
constexpr bool IsSortedTable(std::span<const TextEntry> table) {
    return std::ranges::adjacent_find(table, [](const TextEntry& a, const TextEntry& b) {
               return a.number >= b.number;
           }) == table.end();
}

// The text of entry n in the language in force, or `unknown`.
QString LookupText(std::span<const TextEntry> table, int n, const char* unknown);

// True in the languages whose column the tables compose from other entries
// (the unit texts are composed in both columns, the rest only in Finnish).
bool IsKnownLanguage();
bool IsFinnish();

// The out-parameter form of every table operation: stores text in out.
QString& StoreText(QString& out, QString text);

}  // namespace texts
