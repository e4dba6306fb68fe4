#include "photo/photofolders.h"

#include "common/errors.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QStorageInfo>
#include <QUrl>

#include <algorithm>

namespace tessel {

namespace {

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity pathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity pathCase = Qt::CaseSensitive;
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

QStringList sortedForLists(QStringList names)
{
    std::sort(names.begin(), names.end(), listsBefore);
    return names;
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
    if (!isListableFolder(folder))
        pathNotFound();
    return sortedForLists(QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort));
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
    const QFileInfo file(urls.first().toLocalFile());
    const bool jpegName = file.suffix().compare(QLatin1String("jpeg"), Qt::CaseInsensitive) == 0
        || file.suffix().compare(QLatin1String("jpe"), Qt::CaseInsensitive) == 0;
    if (!(isPictureFileName(file.fileName()) || jpegName) || !file.isFile())
        return {};
    return file.absoluteFilePath();
}

QStringList listPictureFiles(const QString& folder)
{
    if (!isListableFolder(folder))
        pathNotFound();
    // Plain files only: a pipe or a device named .jpg would block the reader.
    QStringList names = QDir(folder).entryList(QDir::Files, QDir::NoSort);
    names.removeIf([](const QString& name) { return !isPictureFileName(name); });
    return sortedForLists(names);
}

QString joinFolderFile(const QString& folder, const QString& fileName)
{
    if (folder.isEmpty() || folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder + fileName;
    return folder + u'/' + fileName;
}

} // namespace tessel
