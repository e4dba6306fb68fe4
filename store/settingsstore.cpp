#include "store/settingsstore.h"

#include "common/errors.h"
#include "common/shared.h"
#include "common/textescape.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QThread>

#include <algorithm>
#include <optional>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tessel {

namespace {

// Long enough for another copy's whole write, short enough that a close never hangs.
constexpr int lockWaitMs = 5000;
// Far longer than any holder keeps the lock (a whole close takes a few milliseconds).
constexpr int staleLockMs = 2000;

// QLockFile's own wait sleeps 100 ms and more between tries, so a copy that writes often
// would starve the other; short random naps share the lock fairly.
bool lockWithin(QLockFile& lock, int milliseconds)
{
    // A copy killed while it was creating the lock leaves a lock file without its owner's
    // process id, which QLockFile only breaks by age: well within our wait, not 30 s later.
    lock.setStaleLockTime(staleLockMs);
    const QDeadlineTimer deadline(milliseconds);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        QThread::msleep(QRandomGenerator::global()->bounded(1, 4));
    }
    return true;
}

[[noreturn]] void invalidCall()
{
    throw TesselError(ErrorCode::InvalidCall, QStringLiteral("Invalid procedure call or argument"));
}

bool isControl(char16_t c)
{
    return c < 0x20 || c == 0x7F;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Only blanks count: other white space (no-break space, say) is part of a value.
QStringView trimBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

bool isAtOrBelow(const QString& name, const QString& section)
{
    return name == section
        || (name.size() > section.size() && name.startsWith(section)
            && name[section.size()] == u'\\');
}

// The section below the application: the joined path without the root's levels. Empty levels
// (doubled or outer separators) do not count, as in a registry path.
QString sectionPath(const QString& appName, const QString& section)
{
    const QStringList levels = QString(appName + u'\\' + section).split(u'\\', Qt::SkipEmptyParts);
    const QStringList root = shared().SettingsAppName.split(u'\\', Qt::SkipEmptyParts);
    if (levels.size() <= root.size() || levels.mid(0, root.size()) != root)
        invalidCall();
    const QString path = levels.mid(root.size()).join(u'\\');
    // A header line cannot hold control characters or half a surrogate pair.
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path[i];
        if (isControl(c.unicode()))
            invalidCall();
        if (c.isHighSurrogate() && i + 1 < path.size() && path[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            invalidCall();
    }
    return path;
}

QString normalisedSection(QStringView name)
{
    return name.toString().split(u'\\', Qt::SkipEmptyParts).join(u'\\');
}

// Reads an escaped text, dropping blanks around it that were not escaped (hand edits).
std::optional<QString> unescape(QStringView raw)
{
    if (!raw.contains(u'\\'))
        return trimBlanks(raw).toString(); // nearly every key and value
    QString out;
    out.reserve(raw.size());
    qsizetype keep = 0; // everything up to here stays; raw blanks after it may be trailing
    bool leading = true;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == u'\\') {
            if (++i == raw.size())
                return std::nullopt; // a line cut after its escape character
            if (raw[i] == u's')
                out += u' ';
            else if (!appendUnescaped(out, raw, i))
                return std::nullopt;
            keep = out.size();
            leading = false;
        } else if (isBlank(c)) {
            if (!leading)
                out += c;
        } else {
            out += c;
            keep = out.size();
            leading = false;
        }
    }
    out.truncate(keep);
    return out;
}

// The first "=" that is not escaped.
qsizetype separatorIndex(QStringView line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'\\')
            ++i;
        else if (line[i] == u'=')
            return i;
    }
    return -1;
}

bool holdsControl(QStringView line)
{
    return std::any_of(line.begin(), line.end(),
                       [](QChar c) { return isControl(c.unicode()) && c != u'\t'; });
}

// A line that is no text (bad bytes, raw control characters) may still have been meant as a
// header: then the lines under it belong to no section.
template<class Text>
bool startsWithBracket(const Text& line)
{
    for (auto c : line) {
        if (c == ' ' || (c >= '\t' && c <= '\r'))
            continue;
        return c == '[';
    }
    return false;
}

// The store's file as read: a missing file reads as empty and may be written; one that cannot
// be read, or is no regular file (a pipe would block the reader, a device never end), or is
// larger than any store the program writes is kept as it is.
struct StoreFile
{
    enum State { Missing, Read, Unreadable, Refused } state = Missing;
    QByteArray bytes;
};

StoreFile readStoreFile(const QString& path)
{
#ifdef Q_OS_UNIX
    // Opened without waiting, so that a pipe in its place cannot block the start-up; only then
    // is it asked what it is.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return { errno == ENOENT || errno == ENOTDIR ? StoreFile::Missing : StoreFile::Unreadable,
                 {} };
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    } closer { fd };
    struct stat status = {};
    if (::fstat(fd, &status) != 0)
        return { StoreFile::Unreadable, {} };
    if (!S_ISREG(status.st_mode) || status.st_size > maxSettingsFileBytes)
        return { StoreFile::Refused, {} };
    QByteArray bytes(qsizetype(status.st_size), Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            // Grown since it was measured.
            if (bytes.size() > maxSettingsFileBytes)
                return { StoreFile::Refused, {} };
            bytes.resize(std::min(bytes.size() + 65536, maxSettingsFileBytes + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return { StoreFile::Unreadable, {} };
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return { StoreFile::Read, bytes };
#else
    const QFileInfo info(path);
    if (!info.exists())
        return { StoreFile::Missing, {} };
    if (!info.isFile() || info.size() > maxSettingsFileBytes)
        return { StoreFile::Refused, {} };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { StoreFile::Unreadable, {} };
    QByteArray bytes = file.read(maxSettingsFileBytes + 1);
    if (bytes.size() > maxSettingsFileBytes)
        return { StoreFile::Refused, {} };
    return { StoreFile::Read, bytes };
#endif
}

// Every byte handed to the system, and the system done with them: a full disk or a file-size
// limit shows as a short write, and the caller keeps the old file. QSaveFile's commit() does not
// see a failure of its buffer's last flush (Qt 6.4), so the flush is asked for here.
bool writeWhole(QSaveFile& file, const QByteArray& bytes)
{
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError)
        return false;
#ifdef Q_OS_UNIX
    // Some file systems report a lack of room only when the data goes to the disk.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != ENOTSUP)
        return false;
#endif
    return true;
}

[[noreturn]] void accessError()
{
    throw TesselError(ErrorCode::PathFileAccessError, QStringLiteral("Path/File access error"));
}

[[noreturn]] void permissionDenied()
{
    throw TesselError(ErrorCode::PermissionDenied, QStringLiteral("Permission denied"));
}

} // namespace

QString escapeSettingsText(const QString& text, bool isKey)
{
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool outer = i == 0 || i == text.size() - 1;
        if (c == u' ' && outer)
            out += QLatin1String("\\s");
        else if (isKey && c == u'=')
            out += QLatin1String("\\=");
        else if (isKey && i == 0 && (c == u'[' || c == u';' || c == u'#'))
            out += QLatin1Char('\\') + c; // would read as a header or a comment
        else
            appendEscaped(out, text, i);
    }
    return out;
}

// ---- SettingsDocument ----

const SettingsDocument::Section* SettingsDocument::find(const QString& section) const
{
    const auto it = m_sectionIndex.constFind(section);
    return it == m_sectionIndex.cend() ? nullptr : &m_sections[*it];
}

size_t SettingsDocument::sectionAt(const QString& section)
{
    const auto it = m_sectionIndex.constFind(section);
    if (it != m_sectionIndex.cend())
        return *it;
    m_sections.push_back({ section, {} });
    m_keyIndex.emplace_back();
    m_sectionIndex.insert(section, m_sections.size() - 1);
    return m_sections.size() - 1;
}

bool SettingsDocument::set(size_t section, const QString& key, const QString& value)
{
    KeyValuePairs& values = m_sections[section].values;
    QHash<QString, size_t>& keys = m_keyIndex[section];
    const auto it = keys.constFind(key);
    if (it == keys.cend()) {
        keys.insert(key, values.size());
        values.emplace_back(key, value);
        return true;
    }
    QString& stored = values[*it].second;
    if (stored == value)
        return false;
    stored = value;
    return true;
}

void SettingsDocument::parseLine(std::optional<QStringView> text, bool bracketFirst,
                                 std::optional<size_t>& current)
{
    const QStringView line = text ? trimBlanks(*text) : QStringView();
    if (text && (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')))
        return;
    if (text ? line.startsWith(u'[') && line.endsWith(u']') : bracketFirst) {
        // Under a broken header nothing belongs to the section before it.
        current.reset();
        const QString name = text ? normalisedSection(line.sliced(1, line.size() - 2)) : QString();
        if (name.isEmpty())
            ++m_droppedLines;
        else
            current = sectionAt(name);
        return;
    }
    const qsizetype eq = text ? separatorIndex(line) : -1;
    const std::optional<QString> key = eq < 0 ? std::nullopt : unescape(line.first(eq));
    const std::optional<QString> value = eq < 0 ? std::nullopt : unescape(line.sliced(eq + 1));
    if (!current || !key || !value) {
        ++m_droppedLines;
        return;
    }
    set(*current, *key, *value);
}

SettingsDocument SettingsDocument::parse(QByteArrayView bytes)
{
    SettingsDocument document;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    std::optional<size_t> current;
    // Keep a BOM inside the file: only the file's first one is a marker.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString whole = decoder(bytes);
    if (!decoder.hasError()) {
        // Good UTF-8 throughout, as nearly every file is: decoded at once.
        QStringView rest = whole;
        while (!rest.isEmpty()) {
            const qsizetype end = rest.indexOf(u'\n');
            QStringView line = end < 0 ? rest : rest.first(end);
            rest = end < 0 ? QStringView() : rest.sliced(end + 1);
            if (line.endsWith(u'\r'))
                line.chop(1);
            const bool clean = !holdsControl(line);
            document.parseLine(clean ? std::optional(line) : std::nullopt,
                               !clean && startsWithBracket(line), current);
        }
        return document;
    }
    // Bad bytes somewhere: line by line, so that only the lines holding them are lost.
    while (!bytes.isEmpty()) {
        const qsizetype end = bytes.indexOf('\n');
        QByteArrayView lineBytes = end < 0 ? bytes : bytes.first(end);
        bytes = end < 0 ? QByteArrayView() : bytes.sliced(end + 1);
        if (lineBytes.endsWith('\r'))
            lineBytes.chop(1);
        QStringDecoder lineDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        const QString line = lineDecoder(lineBytes);
        const bool clean = !lineDecoder.hasError() && !holdsControl(line);
        document.parseLine(clean ? std::optional(QStringView(line)) : std::nullopt,
                           !clean && startsWithBracket(lineBytes), current);
    }
    return document;
}

QByteArray SettingsDocument::toUtf8() const
{
    QString text;
    for (const Section& section : m_sections) {
        if (!text.isEmpty())
            text += u'\n';
        text += u'[' + section.name + QStringLiteral("]\n");
        for (const auto& [key, value] : section.values)
            text += escapeSettingsText(key, true) + u'=' + escapeSettingsText(value, false) + u'\n';
    }
    return text.toUtf8();
}

const QString* SettingsDocument::value(const QString& section, const QString& key) const
{
    const Section* s = find(section);
    if (!s)
        return nullptr;
    const QHash<QString, size_t>& keys = m_keyIndex[size_t(s - m_sections.data())];
    const auto it = keys.constFind(key);
    return it == keys.cend() ? nullptr : &s->values[*it].second;
}

bool SettingsDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    return set(sectionAt(section), key, value);
}

KeyValuePairs SettingsDocument::values(const QString& section) const
{
    const Section* s = find(section);
    return s ? s->values : KeyValuePairs();
}

bool SettingsDocument::contains(const QString& section) const
{
    return std::any_of(m_sections.begin(), m_sections.end(),
                       [&](const Section& s) { return isAtOrBelow(s.name, section); });
}

bool SettingsDocument::removeSection(const QString& section)
{
    std::vector<Section> kept;
    std::vector<QHash<QString, size_t>> keptKeys;
    for (size_t i = 0; i < m_sections.size(); ++i) {
        if (isAtOrBelow(m_sections[i].name, section))
            continue;
        kept.push_back(std::move(m_sections[i]));
        keptKeys.push_back(std::move(m_keyIndex[i]));
    }
    if (kept.size() == m_sections.size()) {
        m_sections = std::move(kept);
        m_keyIndex = std::move(keptKeys);
        return false;
    }
    m_sections = std::move(kept);
    m_keyIndex = std::move(keptKeys);
    m_sectionIndex.clear();
    for (size_t i = 0; i < m_sections.size(); ++i)
        m_sectionIndex.insert(m_sections[i].name, i);
    return true;
}

// ---- SettingsBatch ----

SettingsBatch::SettingsBatch(QString filePath, std::unique_ptr<QLockFile> lock,
                             SettingsDocument document)
    : m_filePath(std::move(filePath))
    , m_lock(std::move(lock))
    , m_document(std::move(document))
{ }

SettingsBatch::SettingsBatch(SettingsBatch&&) noexcept = default;
SettingsBatch& SettingsBatch::operator=(SettingsBatch&&) noexcept = default;
SettingsBatch::~SettingsBatch() = default;

QString SettingsBatch::GetSetting(const QString& appName, const QString& section,
                                  const QString& key, const QString& defaultValue) const
{
    const QString* value = m_document.value(sectionPath(appName, section), key);
    return value ? *value : defaultValue;
}

void SettingsBatch::SaveSetting(const QString& appName, const QString& section, const QString& key,
                                const QString& value)
{
    if (m_document.setValue(sectionPath(appName, section), key, value))
        m_changed = true;
}

KeyValuePairs SettingsBatch::GetAllSettings(const QString& appName, const QString& section) const
{
    return m_document.values(sectionPath(appName, section));
}

void SettingsBatch::DeleteSetting(const QString& appName, const QString& section)
{
    if (!m_document.removeSection(sectionPath(appName, section)))
        invalidCall();
    m_changed = true;
}

void SettingsBatch::commit()
{
    if (!m_changed)
        return;
    // Written beside the file and renamed over it: a crash or a full disk leaves the old file.
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly) || !writeWhole(file, m_document.toUtf8()))
        accessError(); // the unfinished file beside it goes with `file`
    if (!file.commit())
        accessError();
    m_changed = false;
}

// ---- SettingsStore ----

QString SettingsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Velkor/Tessel.ini");
}

SettingsStore::SettingsStore(QString filePath)
    : m_filePath(std::move(filePath))
{ }

SettingsBatch SettingsStore::beginBatch()
{
    // What a hold keeps may be about to change.
    m_held.reset();
    if (!QDir().mkpath(QFileInfo(m_filePath).absolutePath()))
        throw TesselError(ErrorCode::PathNotFound, QStringLiteral("Path not found"));
    auto lock = std::make_unique<QLockFile>(m_filePath + QStringLiteral(".lock"));
    if (!lockWithin(*lock, lockWaitMs))
        permissionDenied();
    ++m_fileReads;
    const StoreFile file = readStoreFile(m_filePath);
    // Replacing a file that is there but cannot be read, or is no store at all, would lose
    // what it holds.
    if (file.state == StoreFile::Unreadable)
        permissionDenied();
    if (file.state == StoreFile::Refused)
        accessError();
    return SettingsBatch(m_filePath, std::move(lock), SettingsDocument::parse(file.bytes));
}

std::shared_ptr<const SettingsDocument> SettingsStore::readForReading() const
{
    if (m_held)
        return m_held;
    std::shared_ptr<const SettingsDocument> document;
    if (!QFileInfo::exists(m_filePath)) {
        document = std::make_shared<const SettingsDocument>();
    } else {
        // Writers replace the file in one rename, so a reader that cannot get the lock in time
        // still reads a whole file, only perhaps an older one.
        QLockFile lock(m_filePath + QStringLiteral(".lock"));
        lockWithin(lock, lockWaitMs);
        ++m_fileReads;
        const StoreFile file = readStoreFile(m_filePath);
        document = std::make_shared<const SettingsDocument>(SettingsDocument::parse(file.bytes));
    }
    if (m_holds > 0)
        m_held = document;
    return document;
}

QString SettingsStore::GetSetting(const QString& appName, const QString& section,
                                  const QString& key, const QString& defaultValue) const
{
    const QString path = sectionPath(appName, section);
    const std::shared_ptr<const SettingsDocument> document = readForReading();
    const QString* value = document->value(path, key);
    return value ? *value : defaultValue;
}

void SettingsStore::SaveSetting(const QString& appName, const QString& section, const QString& key,
                                const QString& value)
{
    sectionPath(appName, section); // a bad address fails before the file is touched
    SettingsBatch batch = beginBatch();
    batch.SaveSetting(appName, section, key, value);
    batch.commit();
}

KeyValuePairs SettingsStore::GetAllSettings(const QString& appName, const QString& section) const
{
    const QString path = sectionPath(appName, section);
    return readForReading()->values(path);
}

void SettingsStore::DeleteSetting(const QString& appName, const QString& section)
{
    sectionPath(appName, section);
    SettingsBatch batch = beginBatch();
    batch.DeleteSetting(appName, section);
    batch.commit();
}

SettingsReadHold SettingsStore::holdReads() const
{
    return SettingsReadHold(*this);
}

SettingsReadHold::SettingsReadHold(const SettingsStore& store)
    : m_store(&store)
{
    ++m_store->m_holds;
}

SettingsReadHold::~SettingsReadHold()
{
    if (--m_store->m_holds == 0)
        m_store->m_held.reset();
}

SettingsStore& userSettings()
{
    static SettingsStore store;
    return store;
}

} // namespace tessel
