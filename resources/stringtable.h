// The program's string table itself: every caption and message by number, in English, the
// source language of the translations.
#pragma once

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

} // namespace tessel
