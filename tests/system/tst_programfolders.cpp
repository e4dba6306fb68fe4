// Where the program finds its default photo and sound module, in the folder layouts it is run
// from: the build folder, a Windows-style program folder, an installed tree and a moved one.
#include "system/programfolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessel;

namespace {

const InstalledLayout layout { QStringLiteral("../share/tessel"), QStringLiteral("../lib/tessel"),
                               QStringLiteral("libtessel_sound.so") };

void touch(const QString& path)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class TestProgramFolders : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString& relative) const
    {
        return QDir::cleanPath(QDir(m_dir.path()).filePath(relative));
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(m_dir.path()).removeRecursively());
        QVERIFY(QDir().mkpath(m_dir.path()));
    }

    // The build folder and a Windows-style installation keep everything beside the program.
    void besideTheProgram()
    {
        touch(path("build/Tessel"));
        touch(path("build/Sample-1.jpg"));
        touch(path("build/libtessel_sound.so"));
        QCOMPARE(programDataFolder(path("build"), layout), path("build"));
        QCOMPARE(soundModuleFile(path("build"), layout), path("build/libtessel_sound.so"));
    }

    void inTheInstalledTree()
    {
        touch(path("usr/bin/tessel"));
        touch(path("usr/share/tessel/Sample-1.jpg"));
        touch(path("usr/lib/tessel/libtessel_sound.so"));
        QCOMPARE(programDataFolder(path("usr/bin"), layout), path("usr/share/tessel"));
        QCOMPARE(soundModuleFile(path("usr/bin"), layout),
                 path("usr/lib/tessel/libtessel_sound.so"));
        // Given with a trailing separator, as the shared folder is kept.
        QCOMPARE(programDataFolder(path("usr/bin") + u'/', layout), path("usr/share/tessel"));
    }

    void aMovedTreeFindsItsOwn()
    {
        touch(path("old/bin/tessel"));
        touch(path("old/share/tessel/Sample-1.jpg"));
        touch(path("old/lib/tessel/libtessel_sound.so"));
        QVERIFY(QDir(m_dir.path()).rename(QStringLiteral("old"), QStringLiteral("new")));
        QCOMPARE(programDataFolder(path("new/bin"), layout), path("new/share/tessel"));
        QCOMPARE(soundModuleFile(path("new/bin"), layout),
                 path("new/lib/tessel/libtessel_sound.so"));
    }

    // A photo beside the program wins over an installed folder: a build folder inside a prefix
    // keeps using its own files.
    void besideWinsOverInstalled()
    {
        touch(path("usr/bin/Sample-1.jpg"));
        touch(path("usr/bin/libtessel_sound.so"));
        touch(path("usr/share/tessel/Sample-1.jpg"));
        touch(path("usr/lib/tessel/libtessel_sound.so"));
        QCOMPARE(programDataFolder(path("usr/bin"), layout), path("usr/bin"));
        QCOMPARE(soundModuleFile(path("usr/bin"), layout), path("usr/bin/libtessel_sound.so"));
    }

    // With its files gone the program still names a place: its own folder. The photo is then
    // simply missing and the game silent, as the program handles those.
    void nothingFound()
    {
        touch(path("bin/tessel"));
        QCOMPARE(programDataFolder(path("bin"), layout), path("bin"));
        QCOMPARE(soundModuleFile(path("bin"), layout), path("bin/libtessel_sound.so"));
        // An installed data folder without the photo is still the data folder: the selection
        // window starts there.
        QVERIFY(QDir().mkpath(path("share/tessel")));
        QCOMPARE(programDataFolder(path("bin"), layout), path("share/tessel"));
        // A folder named like the module is no module.
        QVERIFY(QDir().mkpath(path("lib/tessel/libtessel_sound.so")));
        QCOMPARE(soundModuleFile(path("bin"), layout), path("bin/libtessel_sound.so"));
    }

    // This build's layout is the one its install rules use, relative to the program.
    void thisBuildsLayoutIsRelative()
    {
        const InstalledLayout own = installedLayout();
        QVERIFY(QDir::isRelativePath(own.dataFolder));
        QVERIFY(QDir::isRelativePath(own.moduleFolder));
        QVERIFY(own.soundModuleFile.contains(QLatin1String("tessel_sound")));
        // The build folder itself has its files beside the program.
        QCOMPARE(programDataFolder(QCoreApplication::applicationDirPath()),
                 QDir::cleanPath(QCoreApplication::applicationDirPath()));
        QVERIFY(QFile::exists(soundModuleFile(QCoreApplication::applicationDirPath())));
    }
};

QTEST_GUILESS_MAIN(TestProgramFolders)
#include "tst_programfolders.moc"
