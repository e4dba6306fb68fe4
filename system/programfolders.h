// Where the program finds its own files (the default photo, the sound module). Beside the
// executable in the build folder and in a Windows-style program folder; in an installed tree,
// in the program's own data and library folders, found relative to the executable, so that a
// tree moved to another prefix still finds them.
#pragma once

#include <QString>

namespace tessel {

// The name of the default photo in the data folder.
inline const QString defaultPhotoName = QStringLiteral("Sample-1.jpg");

// An installed tree: the data and module folders relative to the executable's folder (or
// absolute), and the module's file name.
struct InstalledLayout
{
    QString dataFolder;
    QString moduleFolder;
    QString soundModuleFile;
};

// This build's layout, from its install rules.
InstalledLayout installedLayout();

// The folder of the program's own data: the executable's folder when the default photo lies
// there, else the installed data folder when it exists, else the executable's folder. No
// trailing separator.
QString programDataFolder(const QString& programFolder,
                          const InstalledLayout& layout = installedLayout());

// The sound module's file: beside the executable when it is there, else in the installed
// module folder when it is there, else where it would be beside the executable.
QString soundModuleFile(const QString& programFolder,
                        const InstalledLayout& layout = installedLayout());

} // namespace tessel
