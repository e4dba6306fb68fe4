// Texts of the program's string table, looked up by number.
#pragma once

#include <QString>

#include <optional>
#include <span>

namespace tessel {

struct StringEntry
{
    int id;
    const char16_t* text;
};

// The whole table in ascending id order.
std::span<const StringEntry> stringTable();

std::optional<QString> findResourceString(int id);

// The string with that id; an id without one raises ErrorCode::ResourceNotFound.
QString ResourceString(int id);

} // namespace tessel
