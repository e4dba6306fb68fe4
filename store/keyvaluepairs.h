// An ordered list of (key, value) texts, as a settings section reads back.
#pragma once

#include <QString>

#include <utility>
#include <vector>

namespace tessel {

using KeyValuePairs = std::vector<std::pair<QString, QString>>;

} // namespace tessel
