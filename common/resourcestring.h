// Texts of the program's string table, looked up by number, in the user's language.
#pragma once

#include <QString>

#include <optional>
#include <span>

namespace tessel {

// The translation context of every entry; Qt Linguist files list the table under it.
inline constexpr char stringTableContext[] = "StringTable";

struct StringEntry
{
    int id;
    // What QT_TRANSLATE_NOOP3 gives: the English text (UTF-8) and the entry's id in decimal,
    // which tells translators where they are and keeps equal English texts apart.
    struct
    {
        const char* text;
        const char* id;
    } source;
};

// The whole table in ascending id order.
std::span<const StringEntry> stringTable();

// The entry's text in the language installed (see translations.h); English when there is no
// translation.
std::optional<QString> findResourceString(int id);

// The string with that id; an id without one raises ErrorCode::ResourceNotFound.
QString ResourceString(int id);

// The same for a text that stands beside a number: the plural form for `count` where the
// language has one (English keeps the table's text whatever the count).
QString ResourceStringForCount(int id, int count);

// The English text itself, whatever the language.
std::optional<QString> sourceResourceString(int id);

} // namespace tessel
