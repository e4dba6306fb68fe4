#include "store/settingsstore.h"

#include "common/errors.h"
#include "common/shared.h"
#include "common/textescape.h"

#include <QDateTime>
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
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <utility>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tessel {

// Changes waiting for the store's lock, shared by the store, its batches and its writer thread.
struct SettingsQueue
{
    std::mutex mutex;
    std::condition_variable wake; // a change queued, written or given back; or stop
    std::deque<SettingsChange> changes;
    size_t taken = 0; // changes a batch holds and has not yet written
    bool stopping = false;
};

namespace {

// Far longer than any holder keeps the lock (a whole close takes a few milliseconds).
constexpr int staleLockMs = 2000;
// A temporary copy of the store this old is no write under way: that copy's writer died.
constexpr qint64 leftoverAgeSeconds = 60;

enum class Locking { Locked, TimedOut, NotAFile };

// QLockFile reads a lock file it finds to judge whether its owner still lives: a pipe put in its
// place would block that read for ever, a device never end it.
bool lockFileIsUsable(const QString& lockPath)
{
#ifdef Q_OS_UNIX
    struct stat status = {};
    if (::lstat(QFile::encodeName(lockPath).constData(), &status) != 0)
        return true; // none yet: QLockFile makes a regular one
    return S_ISREG(status.st_mode);
#else
    const QFileInfo info(lockPath);
    return !info.exists() || (info.isFile() && !info.isSymLink());
#endif
}

// QLockFile's own wait sleeps 100 ms and more between tries, so a copy that writes often
// would starve the other; short random naps share the lock fairly.
Locking lockWithin(QLockFile& lock, const QString& lockPath, std::chrono::milliseconds wait)
{
    // A copy killed while it was creating the lock leaves a lock file without its owner's
    // process id, which QLockFile only breaks by age: well within our wait, not 30 s later.
    lock.setStaleLockTime(staleLockMs);
    const QDeadlineTimer deadline(wait.count());
    for (;;) {
        if (!lockFileIsUsable(lockPath))
            return Locking::NotAFile;
        if (lock.tryLock(0))
            return Locking::Locked;
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return Locking::TimedOut;
        QThread::msleep(QRandomGenerator::global()->bounded(1, 4));
    }
}

QString lockPathOf(const QString& filePath)
{
    return filePath + QStringLiteral(".lock");
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

// A rename reaches the disk with its folder: without this a power cut soon after a write may
// bring back the old file, or none.
void syncFolderOf(const QString& filePath)
{
#ifdef Q_OS_UNIX
    const QByteArray folder = QFile::encodeName(QFileInfo(filePath).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
#else
    Q_UNUSED(filePath);
#endif
}

// The temporary copies QSaveFile makes beside the store are named after it with six letters or
// digits added ("Tessel.ini.a1B2c3"). Under the lock no write of ours is under way, and one
// older than a minute is no other program's either: what a killed writer left behind.
void sweepLeftovers(const QString& filePath)
{
    const QFileInfo store(filePath);
    const QString prefix = store.fileName() + u'.';
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QFileInfoList candidates
        = QDir(store.absolutePath())
              .entryInfoList({ prefix + QStringLiteral("??????") },
                             QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& candidate : candidates) {
        const QString name = candidate.fileName();
        const QStringView suffix = QStringView(name).sliced(prefix.size());
        const bool named = std::all_of(suffix.begin(), suffix.end(), [](QChar c) {
            return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
        });
        if (!named || candidate.isSymLink() || !candidate.isFile())
            continue;
        if (candidate.lastModified().toUTC().secsTo(now) < leftoverAgeSeconds)
            continue;
        QFile::remove(candidate.absoluteFilePath());
    }
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
                             SettingsDocument document, std::shared_ptr<SettingsQueue> queue)
    : m_filePath(std::move(filePath))
    , m_lock(std::move(lock))
    , m_document(std::move(document))
    , m_queue(std::move(queue))
{
    takeQueued();
}

SettingsBatch::SettingsBatch(SettingsBatch&& other) noexcept
    : m_filePath(std::move(other.m_filePath))
    , m_lock(std::move(other.m_lock))
    , m_document(std::move(other.m_document))
    , m_changed(std::exchange(other.m_changed, false))
    , m_queue(std::move(other.m_queue))
    , m_taken(std::exchange(other.m_taken, {}))
{ }

SettingsBatch& SettingsBatch::operator=(SettingsBatch&& other) noexcept
{
    if (this != &other) {
        giveBackQueued();
        m_filePath = std::move(other.m_filePath);
        m_lock = std::move(other.m_lock);
        m_document = std::move(other.m_document);
        m_changed = std::exchange(other.m_changed, false);
        m_queue = std::move(other.m_queue);
        m_taken = std::exchange(other.m_taken, {});
    }
    return *this;
}

SettingsBatch::~SettingsBatch()
{
    giveBackQueued();
}

void SettingsBatch::takeQueued()
{
    if (!m_queue)
        return;
    {
        const std::lock_guard guard(m_queue->mutex);
        m_taken.assign(std::make_move_iterator(m_queue->changes.begin()),
                       std::make_move_iterator(m_queue->changes.end()));
        m_queue->changes.clear();
        m_queue->taken += m_taken.size();
    }
    for (const SettingsChange& change : m_taken)
        ignoreErrors([&] { change(*this); });
}

void SettingsBatch::giveBackQueued()
{
    if (!m_queue || m_taken.empty())
        return;
    {
        const std::lock_guard guard(m_queue->mutex);
        m_queue->changes.insert(m_queue->changes.begin(), std::make_move_iterator(m_taken.begin()),
                                std::make_move_iterator(m_taken.end()));
        m_queue->taken -= m_taken.size();
    }
    m_taken.clear();
    m_queue->wake.notify_all();
}

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
    if (m_changed) {
        // Written beside the file and renamed over it: a crash or a full disk leaves the old file.
        QSaveFile file(m_filePath);
        if (!file.open(QIODevice::WriteOnly) || !writeWhole(file, m_document.toUtf8()))
            accessError(); // the unfinished file beside it goes with `file`
        if (!file.commit())
            accessError();
        syncFolderOf(m_filePath);
        m_changed = false;
    }
    if (m_queue && !m_taken.empty()) {
        {
            const std::lock_guard guard(m_queue->mutex);
            m_queue->taken -= m_taken.size();
        }
        m_taken.clear();
        m_queue->wake.notify_all();
    }
}

// ---- SettingsStore ----

QString SettingsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Velkor/Tessel.ini");
}

SettingsStore::SettingsStore(QString filePath)
    : m_filePath(std::move(filePath))
    , m_queue(std::make_shared<SettingsQueue>())
{ }

SettingsStore::~SettingsStore()
{
    // Time for another copy to let go of the lock; the program's end waits longer itself.
    finishQueued(std::chrono::milliseconds(2000));
}

SettingsBatch SettingsStore::beginBatch(std::chrono::milliseconds wait)
{
    // What a hold keeps may be about to change.
    m_held.reset();
    ++m_fileReads;
    SettingsBatch batch = openBatch(m_filePath, wait, m_queue, !m_leftoversSwept);
    m_leftoversSwept = true;
    return batch;
}

SettingsBatch SettingsStore::openBatch(const QString& filePath, std::chrono::milliseconds wait,
                                       std::shared_ptr<SettingsQueue> queue, bool sweep)
{
    if (!QDir().mkpath(QFileInfo(filePath).absolutePath()))
        throw TesselError(ErrorCode::PathNotFound, QStringLiteral("Path not found"));
    auto lock = std::make_unique<QLockFile>(lockPathOf(filePath));
    switch (lockWithin(*lock, lockPathOf(filePath), wait)) {
    case Locking::Locked:
        break;
    case Locking::TimedOut:
        permissionDenied();
    case Locking::NotAFile:
        accessError();
    }
    if (sweep)
        sweepLeftovers(filePath);
    const StoreFile file = readStoreFile(filePath);
    // Replacing a file that is there but cannot be read, or is no store at all, would lose
    // what it holds.
    if (file.state == StoreFile::Unreadable)
        permissionDenied();
    if (file.state == StoreFile::Refused)
        accessError();
    return SettingsBatch(filePath, std::move(lock), SettingsDocument::parse(file.bytes),
                         std::move(queue));
}

// The queued changes, each time the lock comes, until none is left or the store stops it. A file
// that cannot be written is tried again after a pause.
void SettingsStore::writeQueued(const QString& filePath,
                                const std::shared_ptr<SettingsQueue>& queue)
{
    for (;;) {
        {
            std::unique_lock guard(queue->mutex);
            queue->wake.wait(guard, [&] { return queue->stopping || !queue->changes.empty(); });
            if (queue->stopping)
                return;
        }
        try {
            openBatch(filePath, std::chrono::milliseconds(500), queue, false).commit();
        } catch (const TesselError&) {
            std::unique_lock guard(queue->mutex);
            queue->wake.wait_for(guard, std::chrono::milliseconds(200),
                                 [&] { return queue->stopping; });
        }
    }
}

bool SettingsStore::commitOrQueue(SettingsChange change, std::chrono::milliseconds wait)
{
    std::optional<SettingsBatch> batch;
    try {
        batch.emplace(beginBatch(wait));
    } catch (const TesselError& error) {
        if (error.code() != ErrorCode::PermissionDenied)
            throw;
    }
    if (batch) {
        change(*batch);
        batch->commit();
        return true;
    }
    {
        const std::lock_guard guard(m_queue->mutex);
        m_queue->changes.push_back(std::move(change));
        m_queue->stopping = false;
    }
    if (!m_writer.joinable())
        m_writer = std::thread(writeQueued, m_filePath, m_queue);
    m_queue->wake.notify_all();
    return false;
}

bool SettingsStore::finishQueued(std::chrono::milliseconds limit)
{
    bool done = true;
    {
        std::unique_lock guard(m_queue->mutex);
        done = m_queue->wake.wait_for(
            guard, limit, [&] { return m_queue->changes.empty() && m_queue->taken == 0; });
        m_queue->stopping = true;
    }
    m_queue->wake.notify_all();
    if (m_writer.joinable())
        m_writer.join();
    return done;
}

size_t SettingsStore::queuedChanges() const
{
    const std::lock_guard guard(m_queue->mutex);
    return m_queue->changes.size() + m_queue->taken;
}

SettingsDocument SettingsStore::readNow() const
{
    ++m_fileReads;
    return SettingsDocument::parse(readStoreFile(m_filePath).bytes);
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
        QLockFile lock(lockPathOf(m_filePath));
        lockWithin(lock, lockPathOf(m_filePath), lockWait);
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
