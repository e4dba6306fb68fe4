// The settings file's parser: whatever a file holds, what parses writes back to a file that
// parses to the same content with nothing dropped, and setting one key changes that key alone.
#include "fuzzsupport.h"

#include "store/settingsstore.h"

using namespace tessel;
using namespace tessel::fuzz;

namespace {

bool sameContent(const SettingsDocument& a, const SettingsDocument& b)
{
    if (a.sections().size() != b.sections().size())
        return false;
    for (size_t i = 0; i < a.sections().size(); ++i)
        if (a.sections()[i].name != b.sections()[i].name
            || a.sections()[i].values != b.sections()[i].values)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView input(data, qsizetype(size));
    const SettingsDocument parsed = SettingsDocument::parse(input);
    const QByteArray written = parsed.toUtf8();
    const SettingsDocument again = SettingsDocument::parse(written);
    check(again.droppedLines() == 0, "a written file drops lines");
    check(sameContent(parsed, again), "a written file reads back different");
    check(again.toUtf8() == written, "writing is not stable");

    // One key set, any text in key and value: taken from the input's last bytes, the section
    // one of the file's or a new one.
    const qsizetype tail = std::min<qsizetype>(input.size(), 24);
    const QByteArrayView chosen = input.last(tail);
    const QString key = anyText(chosen.first(tail / 2));
    const QString value = anyText(chosen.sliced(tail / 2));
    const auto& sections = parsed.sections();
    const QString section = sections.empty() || (tail > 0 && uint8_t(chosen[0]) % 4 == 0)
        ? QStringLiteral("Yeni\\Bölüm")
        : sections[size_t(tail > 0 ? uint8_t(chosen.back()) : 0) % sections.size()].name;

    SettingsDocument changed = parsed;
    const QString* before = parsed.value(section, key);
    const bool reported = changed.setValue(section, key, value);
    check(reported == (!before || *before != value), "setValue misreports a change");
    check(changed.value(section, key) && *changed.value(section, key) == value,
          "the key set does not read back");
    for (const SettingsDocument::Section& s : parsed.sections()) {
        const KeyValuePairs now = changed.values(s.name);
        check(now.size() == s.values.size() + (s.name == section && !before ? 1 : 0),
              "setting a key changed how many keys a section has");
        for (size_t i = 0; i < s.values.size(); ++i) {
            check(now[i].first == s.values[i].first, "setting a key moved another");
            if (s.name != section || s.values[i].first != key)
                check(now[i].second == s.values[i].second, "setting a key changed another");
        }
    }
    const SettingsDocument reread = SettingsDocument::parse(changed.toUtf8());
    check(reread.droppedLines() == 0 && sameContent(reread, changed),
          "a set key does not survive writing");
    return 0;
}
