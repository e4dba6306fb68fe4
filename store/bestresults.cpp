#include "store/bestresults.h"

#include "common/errors.h"
#include "common/shared.h"
#include "store/closesettings.h"
#include "store/settingskeys.h"

#include <limits>
#include <memory>

namespace tessel {

namespace k = settingskeys;

namespace {

QString keyFor(const QString& name, int gridSize)
{
    return name + u' ' + QString::number(gridSize);
}

// Plain decimal digits only, within range; anything else is no value.
std::optional<int32_t> plainNumber(const QString& text, int32_t lowest)
{
    if (text.isEmpty() || text.size() > 10)
        return std::nullopt;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value < lowest || value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return int32_t(value);
}

bool beats(int32_t value, const std::optional<int32_t>& record)
{
    return !record || value < *record;
}

} // namespace

BestResults bestResultsFrom(const KeyValuePairs& section)
{
    BestResults results;
    for (int n = 3; n <= 5; ++n) {
        BestResult& result = results[size_t(n - 3)];
        for (const auto& [key, value] : section) {
            if (key == keyFor(k::EnIyiSure, n))
                result.seconds = plainNumber(value, 0);
            else if (key == keyFor(k::EnAzHamle, n))
                result.moves = plainNumber(value, 1);
            else if (key == keyFor(k::BitenOyun, n))
                result.completed = plainNumber(value, 0).value_or(0);
        }
    }
    return results;
}

BestResults readBestResults(const SettingsStore& store)
{
    KeyValuePairs section;
    ignoreErrors([&] { section = store.GetAllSettings(shared().SettingsAppName, k::Rekorlar); });
    return bestResultsFrom(section);
}

RecordNews recordCompletion(SettingsBatch& batch, const Completion& completion)
{
    // The won game goes whatever its board: it must not be offered again.
    removeStoredGame(batch, completion.savedGame);
    const int gridSize = completion.gridSize;
    if (gridSize < 3 || gridSize > 5)
        return {};
    const QString& app = shared().SettingsAppName;
    // Read under the lock and written back in the same replace: another copy's result, written
    // meanwhile, is kept.
    const BestResult before
        = bestResultsFrom(batch.GetAllSettings(app, k::Rekorlar))[size_t(gridSize - 3)];
    RecordNews news;
    if (beats(completion.seconds, before.seconds)) {
        news.bestTime = before.seconds.has_value();
        batch.SaveSetting(app, k::Rekorlar, keyFor(k::EnIyiSure, gridSize),
                          QString::number(completion.seconds));
    }
    if (beats(completion.moves, before.moves)) {
        news.fewestMoves = before.moves.has_value();
        batch.SaveSetting(app, k::Rekorlar, keyFor(k::EnAzHamle, gridSize),
                          QString::number(completion.moves));
    }
    const int32_t completed = before.completed < std::numeric_limits<int32_t>::max()
        ? before.completed + 1
        : before.completed;
    batch.SaveSetting(app, k::Rekorlar, keyFor(k::BitenOyun, gridSize), QString::number(completed));
    return news;
}

RecordNews recordCompletion(SettingsStore& store, int gridSize, int32_t seconds, int32_t moves)
{
    SettingsBatch batch = store.beginBatch();
    const RecordNews news = recordCompletion(batch, { gridSize, seconds, moves, {} });
    batch.commit();
    return news;
}

RecordNews recordCompletionSoon(SettingsStore& store, const Completion& completion,
                                std::chrono::milliseconds wait)
{
    // Shared: a change that waits for the lock runs after this call has returned.
    const auto made = std::make_shared<RecordNews>();
    if (store.commitOrQueue(
            [completion, made](SettingsBatch& batch) {
                *made = recordCompletion(batch, completion);
            },
            wait))
        return *made;
    if (completion.gridSize < 3 || completion.gridSize > 5)
        return {};
    // The records as another copy left them, which this result will be weighed against but for
    // a write of that copy still to come.
    const BestResult before
        = bestResultsFrom(store.readNow().values(k::Rekorlar))[size_t(completion.gridSize - 3)];
    return { beats(completion.seconds, before.seconds) && before.seconds.has_value(),
             beats(completion.moves, before.moves) && before.moves.has_value() };
}

void clearBestResults(SettingsStore& store)
{
    SettingsBatch batch = store.beginBatch();
    try {
        batch.DeleteSetting(shared().SettingsAppName, k::Rekorlar);
    } catch (const TesselError&) {
        return; // nothing stored: nothing to clear
    }
    batch.commit();
}

} // namespace tessel
