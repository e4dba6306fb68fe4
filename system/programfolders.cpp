#include "system/programfolders.h"

#include "installdirs.h"

#include <QDir>
#include <QFileInfo>

namespace tessel {

namespace {

QString inProgramTree(const QString& programFolder, const QString& folder)
{
    return QDir::cleanPath(QDir(programFolder).absoluteFilePath(folder));
}

} // namespace

InstalledLayout installedLayout()
{
    return { QString::fromUtf8(installdirs::dataFromProgram),
             QString::fromUtf8(installdirs::moduleFromProgram),
             QString::fromUtf8(installdirs::soundModuleFile) };
}

QString programDataFolder(const QString& programFolder, const InstalledLayout& layout)
{
    const QString beside = QDir::cleanPath(programFolder);
    if (QFileInfo(QDir(beside).filePath(defaultPhotoName)).isFile())
        return beside;
    const QString installed = inProgramTree(programFolder, layout.dataFolder);
    if (!layout.dataFolder.isEmpty() && QFileInfo(installed).isDir())
        return installed;
    return beside;
}

QString soundModuleFile(const QString& programFolder, const InstalledLayout& layout)
{
    const QString beside = QDir(QDir::cleanPath(programFolder)).filePath(layout.soundModuleFile);
    if (QFileInfo(beside).isFile())
        return beside;
    const QString installed
        = QDir(inProgramTree(programFolder, layout.moduleFolder)).filePath(layout.soundModuleFile);
    if (!layout.moduleFolder.isEmpty() && QFileInfo(installed).isFile())
        return installed;
    return beside;
}

} // namespace tessel
