// Texts of the program's string table, looked up by number, in the user's language.
#pragma once

#include "resources/stringtable.h"

#include <QString>

#include <optional>

namespace tessel {

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
