#include "common/resourcestring.h"

#include "common/errors.h"

#include <QCoreApplication>

#include <algorithm>

namespace tessel {

namespace {

const StringEntry* findEntry(int id)
{
    const auto table = stringTable();
    const auto it
        = std::lower_bound(table.begin(), table.end(), id,
                           [](const StringEntry& entry, int wanted) { return entry.id < wanted; });
    if (it == table.end() || it->id != id)
        return nullptr;
    return &*it;
}

QString lookUp(int id, int count)
{
    const StringEntry* entry = findEntry(id);
    if (!entry)
        throw TesselError(ErrorCode::ResourceNotFound,
                          QStringLiteral("Resource with identifier '%1' not found").arg(id));
    // Without an installed catalogue this is the English text itself.
    return QCoreApplication::translate(stringTableContext, entry->source.text, entry->source.id,
                                       count);
}

} // namespace

std::optional<QString> findResourceString(int id)
{
    if (!findEntry(id))
        return std::nullopt;
    return lookUp(id, -1);
}

std::optional<QString> sourceResourceString(int id)
{
    if (const StringEntry* entry = findEntry(id))
        return QString::fromUtf8(entry->source.text);
    return std::nullopt;
}

QString ResourceString(int id)
{
    return lookUp(id, -1);
}

QString ResourceStringForCount(int id, int count)
{
    return lookUp(id, count);
}

} // namespace tessel
