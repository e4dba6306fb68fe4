#include "photo/photofolders.h"

#include "picture/photoformats.h"
#include "system/filenames.h"

#include "common/errors.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QUrl>

#include <algorithm>
#include <cstring>
#include <vector>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace tessel {

namespace {

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity pathCase = Qt::CaseInsensitive;
constexpr bool isWindows = true;
#else
constexpr Qt::CaseSensitivity pathCase = Qt::CaseSensitive;
constexpr bool isWindows = false;
#endif

[[noreturn]] void pathNotFound()
{
    throw TesselError(ErrorCode::PathNotFound, QStringLiteral("Path not found"));
}

bool isListableFolder(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    const QFileInfo info(folder);
#ifdef Q_OS_WIN
    return info.isDir() && info.isReadable();
#else
    // Listing needs read permission, looking at the entries the search permission.
    return info.isDir() && info.isReadable() && info.isExecutable();
#endif
}

// Whether root is the path itself or a folder above it.
bool holds(const QString& root, const QString& path)
{
    if (root.isEmpty())
        return false;
    if (path.compare(root, pathCase) == 0)
        return true;
    const QString prefix = root.endsWith(u'/') ? root : root + u'/';
    return path.startsWith(prefix, pathCase);
}

// A folder of a hundred thousand photos is sorted in a blink only when the letter case is
// folded once per name, not once per comparison.
QStringList sortedForLists(const QStringList& names)
{
    struct Keyed
    {
        QString folded;
        qsizetype index;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i)
        keyed.push_back({ names[i].toCaseFolded(), i });
    std::sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
        const int folded = a.folded.compare(b.folded);
        return folded != 0 ? folded < 0 : names[a.index] < names[b.index];
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const Keyed& k : keyed)
        sorted.append(names[k.index]);
    return sorted;
}

enum class EntryKind { File, Folder };

// The names of the folder's visible entries of one kind, links followed (a link to nothing is
// neither), in no order. `named` picks names before anything else is asked of an entry.
template<class NameTest>
QStringList visibleEntries(const QString& folder, EntryKind kind, NameTest named)
{
    if (!isListableFolder(folder))
        pathNotFound();
    QStringList names;
#ifdef Q_OS_UNIX
    // The directory's own entry types: asking the file system about each of a hundred thousand
    // files, as QDir does, takes seconds.
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        pathNotFound();
    const int wanted = kind == EntryKind::File ? DT_REG : DT_DIR;
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (name[0] == '.' || !named(name))
            continue; // hidden, or the folder itself and its parent, or not wanted
        int type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat target;
            if (::fstatat(::dirfd(dir), name, &target, 0) != 0)
                continue;
            type = S_ISREG(target.st_mode) ? DT_REG : S_ISDIR(target.st_mode) ? DT_DIR : -1;
        }
        if (type == wanted)
            names.append(QFile::decodeName(name));
    }
    ::closedir(dir);
#else
    const QDir::Filters filters
        = kind == EntryKind::File ? QDir::Files : QDir::Dirs | QDir::NoDotAndDotDot;
    for (const QString& name : QDir(folder).entryList(filters, QDir::NoSort))
        if (named(QFile::encodeName(name).constData()))
            names.append(name);
#endif
    return names;
}

// Whether a name in the file system's encoding ends in ".bmp" or ".jpg", in any letter case.
bool hasPictureSuffix(const char* name)
{
    const size_t length = std::strlen(name);
    if (length < 4)
        return false;
    const char* suffix = name + length - 4;
    return qstricmp(suffix, ".bmp") == 0 || qstricmp(suffix, ".jpg") == 0;
}

} // namespace

bool listsBefore(const QString& a, const QString& b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

QStringList mountedVolumeRoots()
{
    QStringList roots;
#ifdef Q_OS_WIN
    // Every drive letter, ready or not: a drive without a medium says so when it is picked.
    for (const QFileInfo& drive : QDir::drives())
        roots << drive.absoluteFilePath();
#else
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        // Files mounted over files (a container's /etc/hosts) and closed volumes are no drives.
        if (isListableFolder(volume.rootPath()))
            roots << volume.rootPath();
    }
#endif
    roots.removeDuplicates();
    return sortedForLists(roots);
}

QList<PhotoPlace> photoPlaces(const QString& home, const QString& homeName, const QString& pictures)
{
    QList<PhotoPlace> places;
    const QString homeFolder = cleanFolderPath(home);
    if (isListableFolder(homeFolder))
        places.append({ homeName, homeFolder });
    const QString picturesFolder = cleanFolderPath(pictures);
    if (isListableFolder(picturesFolder) && picturesFolder.compare(homeFolder, pathCase) != 0)
        places.append({ QDir(picturesFolder).dirName(), picturesFolder });
    return places;
}

QList<PhotoPlace> standardPhotoPlaces()
{
    return photoPlaces(QStandardPaths::writableLocation(QStandardPaths::HomeLocation),
                       QStandardPaths::displayName(QStandardPaths::HomeLocation),
                       QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
}

QString cleanFolderPath(const QString& path)
{
    if (path.isEmpty())
        return QString();
    return QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath());
}

QString volumeRootFor(const QString& path, const QStringList& roots)
{
    if (path.isEmpty())
        return QString();
    // A folder reached through a link lies on the volume of its target.
    const QFileInfo info(path);
    const QString canonical = info.exists() ? info.canonicalFilePath() : QString();
    const QString target = cleanFolderPath(canonical.isEmpty() ? path : canonical);
    QString best;
    qsizetype bestLength = -1;
    for (const QString& root : roots) {
        const QString clean = cleanFolderPath(root);
        if (holds(clean, target) && clean.size() > bestLength) {
            best = root;
            bestLength = clean.size();
        }
    }
    return best;
}

QStringList folderChain(const QString& folder)
{
    QStringList chain;
    QString current = cleanFolderPath(folder);
    // Bounded: a path has no more levels than characters.
    for (qsizetype guard = current.size() + 1; !current.isEmpty() && guard > 0; --guard) {
        chain.prepend(current);
        if (QDir(current).isRoot())
            break;
        const QString parent = cleanFolderPath(QFileInfo(current).path());
        if (parent == current)
            break;
        current = parent;
    }
    return chain;
}

QStringList listSubfolders(const QString& folder)
{
    return sortedForLists(
        visibleEntries(folder, EntryKind::Folder, [](const char*) { return true; }));
}

bool isPictureFileName(const QString& name)
{
    return name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)
        || name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
}

QString droppedPictureFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    // The content decides, as for a file named on the command line: a JPEG under any name.
    const QFileInfo file(localFileOf(urls.first()));
    if (photoFileFormat(file.absoluteFilePath()) == PhotoFormat::None)
        return {};
    return file.absoluteFilePath();
}

QStringList listPictureFiles(const QString& folder)
{
    // Plain files only: a pipe or a device named .jpg would block the reader.
    return sortedForLists(visibleEntries(folder, EntryKind::File, hasPictureSuffix));
}

QString joinFolderFile(const QString& folder, const QString& fileName)
{
    // A backslash separates only on Windows; elsewhere it is a letter a folder's name may end in.
    const bool separated = folder.endsWith(u'/') || (isWindows && folder.endsWith(u'\\'));
    if (folder.isEmpty() || separated)
        return folder + fileName;
    return folder + u'/' + fileName;
}

} // namespace tessel
