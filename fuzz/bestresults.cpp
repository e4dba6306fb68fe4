// The best results as read from any store file: a value counts exactly when it is plain decimal
// in range (checked against a reading of its own here), and a completion added to that file
// counts one game more and keeps each record the better of the two, whatever the file held.
#include "fuzzsupport.h"

#include "common/shared.h"
#include "store/bestresults.h"
#include "store/settingskeys.h"

#include <QFile>

#include <limits>

using namespace tessel;
using namespace tessel::fuzz;
namespace k = tessel::settingskeys;

namespace {

// The rule read the long way: digits only, at most ten of them, no more than 2^31 - 1.
std::optional<int32_t> expected(const SettingsDocument& document, const QString& key,
                                int64_t lowest)
{
    const QString* text = document.value(k::Rekorlar, key);
    if (!text || text->isEmpty() || text->size() > 10)
        return std::nullopt;
    int64_t value = 0;
    for (QChar c : *text) {
        if (c.unicode() < '0' || c.unicode() > '9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    if (value < lowest || value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return int32_t(value);
}

QString keyFor(const QString& name, int n)
{
    return name + u' ' + QString::number(n);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startApplication();
    shared().SettingsAppName = QStringLiteral("Velkor\\Tessel");
    return 0;
}

// Input: a store file. Its first bytes also choose the completion added: board, time, moves.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView input(data, qsizetype(size));
    const SettingsDocument document = SettingsDocument::parse(input);
    const BestResults results = bestResultsFrom(document.values(k::Rekorlar));
    for (int n = 3; n <= 5; ++n) {
        const BestResult& result = results[size_t(n - 3)];
        check(result.seconds == expected(document, keyFor(k::EnIyiSure, n), 0),
              "a best time reads wrong");
        check(result.moves == expected(document, keyFor(k::EnAzHamle, n), 1),
              "a fewest-moves count reads wrong");
        check(result.completed == expected(document, keyFor(k::BitenOyun, n), 0).value_or(0),
              "a count of games reads wrong");
    }

    const int gridSize = size > 0 ? 3 + data[0] % 3 : 3;
    const int32_t seconds = size > 1 ? int32_t(data[1]) * 97 : 0;
    const int32_t moves = size > 2 ? 1 + int32_t(data[2]) * 3 : 1;
    const QString path = scratchFolder() + QStringLiteral("/Tessel.ini");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(input.data(), input.size()) != input.size())
            fail("cannot write the scratch file");
    }
    SettingsStore store(path);
    const RecordNews news = recordCompletion(store, gridSize, seconds, moves);
    const BestResult before = results[size_t(gridSize - 3)];
    const BestResults after = readBestResults(store);
    for (int n = 3; n <= 5; ++n) {
        const BestResult& now = after[size_t(n - 3)];
        const BestResult& was = results[size_t(n - 3)];
        if (n != gridSize) {
            check(now.seconds == was.seconds && now.moves == was.moves
                      && now.completed == was.completed,
                  "a completion changed another board's results");
            continue;
        }
        check(now.completed
                  == (was.completed == std::numeric_limits<int32_t>::max() ? was.completed
                                                                           : was.completed + 1),
              "a completion did not count once");
        check(now.seconds == (was.seconds ? std::min(*was.seconds, seconds) : seconds),
              "the best time is not the better one");
        check(now.moves == (was.moves ? std::min(*was.moves, moves) : moves),
              "the fewest moves are not the fewer");
    }
    check(news.bestTime == (before.seconds && seconds < *before.seconds), "wrong best-time news");
    check(news.fewestMoves == (before.moves && moves < *before.moves), "wrong fewest-moves news");
    // Everything else in the file is still there.
    const SettingsDocument written = store.readNow();
    for (const SettingsDocument::Section& section : document.sections()) {
        if (section.name == k::Rekorlar)
            continue;
        check(written.values(section.name) == section.values,
              "a completion changed another section");
    }
    return 0;
}
