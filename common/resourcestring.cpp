#include "common/resourcestring.h"

#include "common/errors.h"

#include <algorithm>

namespace tessel {

std::optional<QString> findResourceString(int id)
{
    const auto table = stringTable();
    const auto it
        = std::lower_bound(table.begin(), table.end(), id,
                           [](const StringEntry& entry, int wanted) { return entry.id < wanted; });
    if (it == table.end() || it->id != id)
        return std::nullopt;
    return QString::fromUtf16(it->text);
}

QString ResourceString(int id)
{
    if (auto text = findResourceString(id))
        return *text;
    throw TesselError(ErrorCode::ResourceNotFound,
                      QStringLiteral("Resource with identifier '%1' not found").arg(id));
}

} // namespace tessel
