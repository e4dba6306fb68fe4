// The store on a real file: a save or a delete on any file, under a file-size limit that any
// write may hit, either replaces the file with exactly what the change asks for or raises and
// leaves the file byte for byte as it was, with nothing left beside it.
#include "fuzzsupport.h"

#include "common/errors.h"
#include "common/shared.h"
#include "store/settingsstore.h"

#include <QFile>

#include <csignal>
#include <sys/resource.h>

using namespace tessel;
using namespace tessel::fuzz;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// The process may write no file beyond `bytes` while it lives: a write past it fails as on a
// full disk. The signal that would end the process is ignored meanwhile (libFuzzer sets its own
// handler for it after the start).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limit = m_before;
        limit.rlim_cur = std::min(bytes, m_before.rlim_max);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_before {};
    void (*m_handler)(int) = SIG_DFL;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startApplication();
    shared().SettingsAppName = QStringLiteral("Velkor\\Tessel");
    return 0;
}

// Input: a control byte (its low bit chooses a delete), a limit byte (when not 0, the files
// written are capped at 64 bytes a step), then section, key and value, each a length byte and
// that many bytes (the section UTF-8, key and value any UTF-16), then the file's bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArrayView input(data, qsizetype(size));
    if (input.size() < 2)
        return 0;
    const bool remove = input[0] & 1;
    const rlim_t limit = input[1] ? rlim_t(uint8_t(input[1])) * 64 : RLIM_INFINITY;
    input = input.sliced(2);
    auto field = [&input] {
        const qsizetype length
            = input.isEmpty() ? 0 : std::min<qsizetype>(uint8_t(input[0]), input.size() - 1);
        const QByteArrayView bytes = input.isEmpty() ? QByteArrayView() : input.sliced(1, length);
        input = input.isEmpty() ? input : input.sliced(1 + length);
        return bytes;
    };
    const QString section = QString::fromUtf8(field());
    const QString key = anyText(field());
    const QString value = anyText(field());
    const QByteArray before = input.toByteArray();

    const QString path = scratchFolder() + QStringLiteral("/Tessel.ini");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(before) != before.size())
            fail("cannot write the input file");
    }

    // What the change makes of the file, worked out on the parsed document.
    SettingsDocument expected = SettingsDocument::parse(before);
    const QString app = shared().SettingsAppName;
    bool raised = false;
    {
        const FileSizeLimit capped(limit);
        SettingsStore store(path);
        try {
            if (remove)
                store.DeleteSetting(app, section);
            else
                store.SaveSetting(app, section, key, value);
        } catch (const TesselError&) {
            raised = true;
        }
    }
    const QByteArray after = fileBytes(path);
    if (raised) {
        check(after == before, "a refused write changed the file");
    } else {
        // The section as the store names it: levels joined by one separator.
        const QString name = section.split(u'\\', Qt::SkipEmptyParts).join(u'\\');
        const bool changed
            = remove ? expected.removeSection(name) : expected.setValue(name, key, value);
        check(after == (changed ? expected.toUtf8() : before),
              "the file is not what the change asks for");
    }
    const QStringList left = QDir(scratchFolder()).entryList(QDir::Files | QDir::Hidden);
    check(left == QStringList { QStringLiteral("Tessel.ini") }, "files left beside the store");
    return 0;
}
