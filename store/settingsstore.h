// The per-user settings store: one UTF-8 text file of sections and key=value lines, read and
// written with the four operations of the classic run-time, safe against crashes and against
// two running copies of the game.
#pragma once

#include "store/keyvaluepairs.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

class QLockFile;

namespace tessel {

// A store file larger than this is no file the program wrote (a user's is a few hundred bytes):
// it is read as empty and never replaced.
inline constexpr qsizetype maxSettingsFileBytes = 64 * 1024 * 1024;

// The file's content in memory: sections in file order, each with its pairs in the order they
// were first written. Section names are relative to the application ("Oyun\Bilgiler").
class SettingsDocument
{
public:
    struct Section
    {
        QString name;
        KeyValuePairs values;
    };

    // Reads as much as parses: a line that is not a header, a key=value line, a comment or blank
    // (bad bytes, no "=", a broken escape, a line under a broken header) is dropped and counted.
    // Names are found by hashing, so the time grows with the file's length alone.
    static SettingsDocument parse(QByteArrayView bytes);
    QByteArray toUtf8() const;

    // Lines the last parse dropped; 0 for a well-formed file.
    int droppedLines() const { return m_droppedLines; }
    const std::vector<Section>& sections() const { return m_sections; }

    const QString* value(const QString& section, const QString& key) const;
    // Overwrites in place or appends the key; a new section goes at the end. False when the
    // value was already there.
    bool setValue(const QString& section, const QString& key, const QString& value);
    KeyValuePairs values(const QString& section) const;
    // A section exists when it has a header or a section below it exists, as in a registry tree.
    bool contains(const QString& section) const;
    // Removes the section with every section below it; false when it did not exist.
    bool removeSection(const QString& section);

private:
    const Section* find(const QString& section) const;
    // The section's position, a new one appended when it is not there.
    size_t sectionAt(const QString& section);
    bool set(size_t section, const QString& key, const QString& value);
    // `text` is the line without its line end, nullopt when it is no text; `current` the
    // section the lines under the last header go to.
    void parseLine(std::optional<QStringView> text, bool bracketFirst,
                   std::optional<size_t>& current);

    std::vector<Section> m_sections;
    QHash<QString, size_t> m_sectionIndex; // name to position in m_sections
    std::vector<QHash<QString, size_t>> m_keyIndex; // per section: key to position in values
    int m_droppedLines = 0;
};

// Escaping of one key or value; exact inverse of what the parser reads back.
QString escapeSettingsText(const QString& text, bool isKey);

class SettingsBatch;
struct SettingsQueue;

// A change made in a batch: run again on a fresh read of the file when its batch could not
// be written, so it must not count on what the file held when it was made.
using SettingsChange = std::function<void(SettingsBatch&)>;

// The four operations on a document held under the store's lock; the writes reach the file in
// one atomic replace at commit(). Destroying a batch without commit() writes nothing.
class SettingsBatch
{
public:
    SettingsBatch(SettingsBatch&&) noexcept;
    SettingsBatch& operator=(SettingsBatch&&) noexcept;
    ~SettingsBatch();

    QString GetSetting(const QString& appName, const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;
    void SaveSetting(const QString& appName, const QString& section, const QString& key,
                     const QString& value);
    KeyValuePairs GetAllSettings(const QString& appName, const QString& section) const;
    // A section that does not exist raises InvalidCall; callers ignore it.
    void DeleteSetting(const QString& appName, const QString& section);

    // Replaces the file when anything changed; raises PathFileAccessError when it cannot (a
    // full disk, a file-size limit: any write short of the whole), and the file keeps its
    // previous content byte for byte.
    void commit();

private:
    friend class SettingsStore;
    SettingsBatch(QString filePath, std::unique_ptr<QLockFile> lock, SettingsDocument document,
                  std::shared_ptr<SettingsQueue> queue);
    // Changes that waited for the lock come first, in their order.
    void takeQueued();
    // What was taken and not written goes back to the front of the queue.
    void giveBackQueued();

    QString m_filePath;
    std::unique_ptr<QLockFile> m_lock;
    SettingsDocument m_document;
    bool m_changed = false;
    std::shared_ptr<SettingsQueue> m_queue;
    std::vector<SettingsChange> m_taken;
};

class SettingsStore;

// While one lives, the reads of its store come from one read of the file, taken under the lock
// at the first read: a group of reads (the start-up's) sees one state of the file and opens it
// once. A write through the store lets go of what was read, so later reads see the write.
class SettingsReadHold
{
public:
    explicit SettingsReadHold(const SettingsStore& store);
    ~SettingsReadHold();
    SettingsReadHold(const SettingsReadHold&) = delete;
    SettingsReadHold& operator=(const SettingsReadHold&) = delete;

private:
    const SettingsStore* m_store;
};

// Every operation names an application name and a section; joined with "\" they must start
// with shared().SettingsAppName, and the rest is the section. Each operation takes the lock
// file beside the store, re-reads the file and, for a change, replaces it atomically: the last
// writer of a key wins and the file is never torn. Only a regular file of at most
// maxSettingsFileBytes is read; anything else in its place (a pipe, a device, a huge file)
// reads as an empty store and is never written over, and a lock file that is no regular file
// is refused the same way. One thread uses a store; only the changes it queues are written
// by a thread of its own.
class SettingsStore
{
public:
    // <config>/Velkor/Tessel.ini: $XDG_CONFIG_HOME/Velkor/Tessel.ini on Linux.
    static QString defaultFilePath();
    // How long an operation waits for another copy's lock.
    static constexpr std::chrono::milliseconds lockWait { 5000 };

    explicit SettingsStore(QString filePath = defaultFilePath());
    // Waits a while for queued changes (finishQueued).
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    const QString& filePath() const { return m_filePath; }

    QString GetSetting(const QString& appName, const QString& section, const QString& key,
                       const QString& defaultValue = {}) const;
    void SaveSetting(const QString& appName, const QString& section, const QString& key,
                     const QString& value);
    KeyValuePairs GetAllSettings(const QString& appName, const QString& section) const;
    void DeleteSetting(const QString& appName, const QString& section);

    // Locks and reads the file for several operations committed as one replace. Raises
    // PermissionDenied when another copy keeps the lock too long or the file cannot be read,
    // PathNotFound when the folder cannot be made, PathFileAccessError when the file is no
    // store the program may replace (see above).
    SettingsBatch beginBatch(std::chrono::milliseconds wait = lockWait);

    // Makes `change` in one atomic replace: at once when the lock comes within `wait`, else
    // later, off the calling thread, as soon as the lock is free, and always before any batch
    // this store begins afterwards. True when it was written at once. Raises the store's error
    // when the file cannot be written (the change is then dropped), never for a held lock.
    bool commitOrQueue(SettingsChange change, std::chrono::milliseconds wait);
    // Waits at most `limit` for the queued changes to reach the file, then stops trying; true
    // when none was left behind.
    bool finishQueued(std::chrono::milliseconds limit);
    // Changes queued and not yet written.
    size_t queuedChanges() const;

    // Reads the file as it is now, without waiting for another copy's lock: a whole file all the
    // same, since every writer replaces it in one rename.
    SettingsDocument readNow() const;

    // Reads from one read of the file while the hold lives (see SettingsReadHold).
    [[nodiscard]] SettingsReadHold holdReads() const;

    // How many times this store has read its file.
    int fileReads() const { return m_fileReads; }

private:
    friend class SettingsReadHold;
    std::shared_ptr<const SettingsDocument> readForReading() const;
    // Locks and reads the file, with the leftovers beside it removed first when `sweep` is set.
    static SettingsBatch openBatch(const QString& filePath, std::chrono::milliseconds wait,
                                   std::shared_ptr<SettingsQueue> queue, bool sweep);
    // The writer thread's work.
    static void writeQueued(const QString& filePath, const std::shared_ptr<SettingsQueue>& queue);

    QString m_filePath;
    mutable std::shared_ptr<const SettingsDocument> m_held;
    mutable int m_holds = 0;
    mutable int m_fileReads = 0;
    bool m_leftoversSwept = false;
    std::shared_ptr<SettingsQueue> m_queue;
    std::thread m_writer;
};

// The per-user store every window shares.
SettingsStore& userSettings();

} // namespace tessel
