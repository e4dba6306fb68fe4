#include "store/settingsstore.h"

#include "common/errors.h"
#include "common/shared.h"

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

QString hex4(char16_t c)
{
    return QStringLiteral("\\u") + QStringLiteral("%1").arg(uint(c), 4, 16, QChar(u'0')).toUpper();
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
    QString out;
    out.reserve(raw.size());
    qsizetype keep = 0; // everything up to here stays; raw blanks after it may be trailing
    bool leading = true;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == u'\\') {
            if (i + 1 == raw.size())
                return std::nullopt; // a line cut after its escape character
            const QChar d = raw[++i];
            switch (d.unicode()) {
            case 'n':
                out += u'\n';
                break;
            case 'r':
                out += u'\r';
                break;
            case 't':
                out += u'\t';
                break;
            case 's':
                out += u' ';
                break;
            case 'u': {
                bool ok = false;
                const uint code = raw.mid(i + 1, 4).toUInt(&ok, 16);
                if (!ok || raw.mid(i + 1, 4).size() != 4)
                    return std::nullopt;
                out += QChar(char16_t(code));
                i += 4;
                break;
            }
            default:
                out += d;
            }
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

std::optional<QString> decodeLine(QByteArrayView bytes)
{
    // Keep a BOM inside the file: only the file's first one is a marker.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString line = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    for (QChar c : line)
        if (isControl(c.unicode()) && c != u'\t')
            return std::nullopt;
    return line;
}

QByteArray readFile(const QString& path, bool* readable)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *readable = !file.exists();
        return {};
    }
    *readable = true;
    return file.readAll();
}

} // namespace

QString escapeSettingsText(const QString& text, bool isKey)
{
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool outer = i == 0 || i == text.size() - 1;
        switch (c.unicode()) {
        case '\\':
            out += QStringLiteral("\\\\");
            continue;
        case '\n':
            out += QStringLiteral("\\n");
            continue;
        case '\r':
            out += QStringLiteral("\\r");
            continue;
        case '\t':
            out += QStringLiteral("\\t");
            continue;
        case ' ':
            out += outer ? QStringLiteral("\\s") : QStringLiteral(" ");
            continue;
        case '=':
            out += isKey ? QStringLiteral("\\=") : QStringLiteral("=");
            continue;
        case '[':
        case ';':
        case '#':
            // Would read as a header or a comment at the start of a line.
            if (isKey && i == 0)
                out += u'\\';
            out += c;
            continue;
        default:
            break;
        }
        if (isControl(c.unicode())) {
            out += hex4(c.unicode());
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
        } else if (c.isSurrogate()) {
            out += hex4(c.unicode()); // half a pair has no UTF-8 form
        } else {
            out += c;
        }
    }
    return out;
}

SettingsDocument SettingsDocument::parse(QByteArrayView bytes)
{
    SettingsDocument document;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    Section* current = nullptr;
    while (!bytes.isEmpty()) {
        qsizetype end = bytes.indexOf('\n');
        QByteArrayView lineBytes = end < 0 ? bytes : bytes.first(end);
        bytes = end < 0 ? QByteArrayView() : bytes.sliced(end + 1);
        if (lineBytes.endsWith('\r'))
            lineBytes.chop(1);

        const std::optional<QString> decoded = decodeLine(lineBytes);
        const QStringView line = decoded ? trimBlanks(*decoded) : QStringView();
        if (decoded && (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')))
            continue;
        const bool looksLikeHeader = decoded ? line.startsWith(u'[') && line.endsWith(u']')
                                             : lineBytes.trimmed().startsWith('[');
        if (looksLikeHeader) {
            // Under a broken header nothing belongs to the section before it.
            current = nullptr;
            const QString name
                = decoded ? normalisedSection(line.sliced(1, line.size() - 2)) : QString();
            if (name.isEmpty()) {
                ++document.m_droppedLines;
                continue;
            }
            auto it = std::find_if(document.m_sections.begin(), document.m_sections.end(),
                                   [&](const Section& s) { return s.name == name; });
            if (it == document.m_sections.end()) {
                document.m_sections.push_back({ name, {} });
                it = document.m_sections.end() - 1;
            }
            current = &*it;
            continue;
        }
        const qsizetype eq = decoded ? separatorIndex(line) : -1;
        const std::optional<QString> key = eq < 0 ? std::nullopt : unescape(line.first(eq));
        const std::optional<QString> value = eq < 0 ? std::nullopt : unescape(line.sliced(eq + 1));
        if (!current || !key || !value) {
            ++document.m_droppedLines;
            continue;
        }
        auto pair = std::find_if(current->values.begin(), current->values.end(),
                                 [&](const auto& p) { return p.first == *key; });
        if (pair == current->values.end())
            current->values.emplace_back(*key, *value);
        else
            pair->second = *value;
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
    for (const Section& s : m_sections) {
        if (s.name != section)
            continue;
        for (const auto& pair : s.values)
            if (pair.first == key)
                return &pair.second;
    }
    return nullptr;
}

bool SettingsDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    auto it = std::find_if(m_sections.begin(), m_sections.end(),
                           [&](const Section& s) { return s.name == section; });
    if (it == m_sections.end()) {
        m_sections.push_back({ section, { { key, value } } });
        return true;
    }
    for (auto& pair : it->values) {
        if (pair.first == key) {
            if (pair.second == value)
                return false;
            pair.second = value;
            return true;
        }
    }
    it->values.emplace_back(key, value);
    return true;
}

KeyValuePairs SettingsDocument::values(const QString& section) const
{
    for (const Section& s : m_sections)
        if (s.name == section)
            return s.values;
    return {};
}

bool SettingsDocument::contains(const QString& section) const
{
    return std::any_of(m_sections.begin(), m_sections.end(),
                       [&](const Section& s) { return isAtOrBelow(s.name, section); });
}

bool SettingsDocument::removeSection(const QString& section)
{
    const auto removed
        = std::erase_if(m_sections, [&](const Section& s) { return isAtOrBelow(s.name, section); });
    return removed > 0;
}

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
    const QByteArray bytes = m_document.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw TesselError(ErrorCode::PathFileAccessError, QStringLiteral("Path/File access error"));
    m_changed = false;
}

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
    if (!QDir().mkpath(QFileInfo(m_filePath).absolutePath()))
        throw TesselError(ErrorCode::PathNotFound, QStringLiteral("Path not found"));
    auto lock = std::make_unique<QLockFile>(m_filePath + QStringLiteral(".lock"));
    if (!lockWithin(*lock, lockWaitMs))
        throw TesselError(ErrorCode::PermissionDenied, QStringLiteral("Permission denied"));
    bool readable = false;
    const QByteArray bytes = readFile(m_filePath, &readable);
    // Replacing a file that is there but cannot be read would lose what it holds.
    if (!readable)
        throw TesselError(ErrorCode::PermissionDenied, QStringLiteral("Permission denied"));
    return SettingsBatch(m_filePath, std::move(lock), SettingsDocument::parse(bytes));
}

SettingsDocument SettingsStore::readForReading() const
{
    if (!QFileInfo::exists(m_filePath))
        return {};
    // Writers replace the file in one rename, so a reader that cannot get the lock in time
    // still reads a whole file, only perhaps an older one.
    QLockFile lock(m_filePath + QStringLiteral(".lock"));
    lockWithin(lock, lockWaitMs);
    bool readable = false;
    return SettingsDocument::parse(readFile(m_filePath, &readable));
}

QString SettingsStore::GetSetting(const QString& appName, const QString& section,
                                  const QString& key, const QString& defaultValue) const
{
    const QString path = sectionPath(appName, section);
    const SettingsDocument document = readForReading();
    const QString* value = document.value(path, key);
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
    return readForReading().values(path);
}

void SettingsStore::DeleteSetting(const QString& appName, const QString& section)
{
    sectionPath(appName, section);
    SettingsBatch batch = beginBatch();
    batch.DeleteSetting(appName, section);
    batch.commit();
}

SettingsStore& userSettings()
{
    static SettingsStore store;
    return store;
}

} // namespace tessel
