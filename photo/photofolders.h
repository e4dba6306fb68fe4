// Volumes, folders and picture files as the photo selection window lists them. Paths are in
// Qt's form ("/" separators); a folder has no trailing separator unless it is a root.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QMimeData;

namespace tessel {

// The root paths of the volumes the drive list offers.
using VolumeLister = std::function<QStringList()>;

// One of the player's own folders the drive list offers above the volumes.
struct PhotoPlace
{
    QString name; // as the desktop names it
    QString path; // a clean folder path

    bool operator==(const PhotoPlace&) const = default;
};
using PlaceLister = std::function<QList<PhotoPlace>()>;

// The player's home folder, named `homeName`, then their pictures folder, named by its own
// folder name (the desktop's user folder name: "Pictures", "Bilder", "Resimler"). Only folders
// that can be listed, each once: a pictures folder that is the home folder itself (the desktop's
// way of having none) or is missing is left out.
QList<PhotoPlace> photoPlaces(const QString& home, const QString& homeName,
                              const QString& pictures);

// The places of the player running the program, from the desktop's standard folders.
QList<PhotoPlace> standardPhotoPlaces();

// The mounted volumes that are ready and readable, by root path, sorted and without repeats
// (Windows: the drive roots "C:/", ...).
QStringList mountedVolumeRoots();

// The volume that holds the path: the longest root that is the path or a folder above it
// (the stand-in for "the first two characters of a path"). Empty when no root holds it.
QString volumeRootFor(const QString& path, const QStringList& roots);

// A folder path in one form: "/" separators, "." and ".." resolved, no trailing separator
// except a root's ("/", "C:/").
QString cleanFolderPath(const QString& path);

// The folders from the root down to the folder itself: "/a/b" gives "/", "/a", "/a/b".
QStringList folderChain(const QString& folder);

// The folder's visible subfolders by name, sorted as the lists sort. A folder that is no
// readable folder raises PathNotFound.
QStringList listSubfolders(const QString& folder);

// Whether a file name matches the file list's pattern "*.bmp;*.jpg", in any letter case.
bool isPictureFileName(const QString& name);

// The picture file a drag carries, by its full path: one local plain file holding a photo of a
// kind the program opens (photoFileFormat), whatever its name. Empty for anything else.
QString droppedPictureFile(const QMimeData* data);

// The folder's visible files matching the pattern, sorted by name. A folder that cannot be
// listed raises PathNotFound.
QStringList listPictureFiles(const QString& folder);

// A file in a folder, with exactly one separator between them (a root folder has its own).
QString joinFolderFile(const QString& folder, const QString& fileName);

// The order of the lists: by name ignoring letter case, then by exact name.
bool listsBefore(const QString& a, const QString& b);

} // namespace tessel
