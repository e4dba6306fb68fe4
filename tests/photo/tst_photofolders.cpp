#include "common/errors.h"
#include "photo/photofolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace tessel;

namespace {

ErrorCode listingError(const std::function<void()>& listing)
{
    try {
        listing();
    } catch (const TesselError& e) {
        return e.code();
    }
    return ErrorCode::InvalidCall; // stands for "no error"
}

void touch(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class TestPhotoFolders : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString base() const { return QFileInfo(m_dir.path()).canonicalFilePath(); }

private slots:
    void photoPlacesHomeThenPictures()
    {
        QVERIFY(QDir(base()).mkpath("ali/Bilder"));
        const QString home = base() + "/ali";
        // Paths as the desktop may give them: a trailing separator, a step up and back.
        const QList<PhotoPlace> places
            = photoPlaces(home + "/", "Home", home + "/Bilder/../Bilder/");
        const QList<PhotoPlace> expected = { { "Home", home }, { "Bilder", home + "/Bilder" } };
        QCOMPARE(places, expected);
    }

    void photoPlacesLeaveOutWhatCannotBeOpened()
    {
        QVERIFY(QDir(base()).mkpath("veli"));
        const QString home = base() + "/veli";
        touch(home + "/Pictures"); // a file, no folder
        QCOMPARE(photoPlaces(home, "Home", home + "/Pictures"),
                 (QList<PhotoPlace> { { "Home", home } }));
        QCOMPARE(photoPlaces(home, "Home", home + "/Missing"),
                 (QList<PhotoPlace> { { "Home", home } }));
        // A desktop without a pictures folder names the home folder for it.
        QCOMPARE(photoPlaces(home, "Home", home + "/"), (QList<PhotoPlace> { { "Home", home } }));
        QVERIFY(QDir(home).mkdir("Resimler"));
        QCOMPARE(photoPlaces(base() + "/nobody", "Home", home + "/Resimler"),
                 (QList<PhotoPlace> { { "Resimler", home + "/Resimler" } }));
        QVERIFY(photoPlaces(QString(), "Home", QString()).isEmpty());
    }

    void standardPlacesFollowTheDesktopsUserFolders()
    {
        // The desktop names the pictures folder in its user-dirs file, here in Turkish.
        QVERIFY(QDir(base()).mkpath("ayse/Resimler"));
        QVERIFY(QDir(base()).mkpath("ayse/config"));
        const QString home = base() + "/ayse";
        QFile dirs(home + "/config/user-dirs.dirs");
        QVERIFY(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_PICTURES_DIR=\"$HOME/Resimler\"\n");
        dirs.close();
        const QByteArray oldHome = qgetenv("HOME");
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(home));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + "/config"));
        const QList<PhotoPlace> places = standardPhotoPlaces();
        qputenv("HOME", oldHome);
        qputenv("XDG_CONFIG_HOME", oldConfig);
        QCOMPARE(places.size(), 2);
        QCOMPARE(places[0].path, home);
        QVERIFY(!places[0].name.isEmpty());
        QCOMPARE(places[1], (PhotoPlace { "Resimler", home + "/Resimler" }));
    }
    void volumeRootFor_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("roots");
        QTest::addColumn<QString>("volume");
        const QStringList mounts = { "/", "/mnt/usb", "/mnt/usb/inner" };
        QTest::newRow("only the root holds it") << "/home/ali/photos" << mounts << "/";
        QTest::newRow("the deepest mount wins") << "/mnt/usb/inner/a" << mounts << "/mnt/usb/inner";
        QTest::newRow("a mount point itself") << "/mnt/usb" << mounts << "/mnt/usb";
        QTest::newRow("a longer name is no folder below") << "/mnt/usb2/photos" << mounts << "/";
        QTest::newRow("trailing separator") << "/mnt/usb/photos/" << mounts << "/mnt/usb";
        QTest::newRow("no root holds it") << "/home/ali" << QStringList { "/mnt/usb" } << "";
        QTest::newRow("no volumes") << "/home/ali" << QStringList() << "";
        QTest::newRow("no path") << "" << mounts << "";
    }

    void volumeRootFor()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, roots);
        QFETCH(QString, volume);
        QCOMPARE(tessel::volumeRootFor(path, roots), volume);
    }

    void aLinkedFolderLiesOnItsTargetsVolume()
    {
        const QString volume = base() + QStringLiteral("/volume");
        QVERIFY(QDir().mkpath(volume + QStringLiteral("/photos")));
        const QString link = base() + QStringLiteral("/link");
        QVERIFY(QFile::link(volume + QStringLiteral("/photos"), link));
        QCOMPARE(tessel::volumeRootFor(link, { "/", volume }), volume);
    }

    void mountedVolumesAreListableFolders()
    {
        QStringList roots = mountedVolumeRoots();
        QVERIFY(!roots.isEmpty());
        QCOMPARE(roots.removeDuplicates(), 0);
        for (qsizetype i = 0; i < roots.size(); ++i) {
            QVERIFY2(QFileInfo(roots[i]).isDir(), qPrintable(roots[i]));
            if (i > 0)
                QVERIFY(listsBefore(roots[i - 1], roots[i]));
        }
        // The folders the program uses lie on a listed volume.
        QVERIFY(!tessel::volumeRootFor(QDir::tempPath(), roots).isEmpty());
        QVERIFY(!tessel::volumeRootFor(QDir::currentPath(), roots).isEmpty());
    }

    void folderChain_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("chain");
        QTest::newRow("root") << "/" << QStringList { "/" };
        QTest::newRow("two levels") << "/home/ali" << QStringList { "/", "/home", "/home/ali" };
        QTest::newRow("trailing separator")
            << "/home/ali/" << QStringList { "/", "/home", "/home/ali" };
        QTest::newRow("dots resolved")
            << "/home/./x/../ali" << QStringList { "/", "/home", "/home/ali" };
        QTest::newRow("doubled separators")
            << "//home//ali" << QStringList { "/", "/home", "/home/ali" };
        QTest::newRow("no folder") << "" << QStringList();
    }

    void folderChain()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, chain);
        QCOMPARE(tessel::folderChain(folder), chain);
    }

    void pictureFilesOnly()
    {
        const QString folder = base() + QStringLiteral("/pictures");
        QVERIFY(QDir().mkpath(folder));
        for (const char* name : { "b.JPG", "a.jpg", "C.bmp", "B.jpg", "d.jpeg", "e.png",
                                  "f.jpg.txt", "g.Bmp", ".hidden.jpg", "jpg" })
            touch(folder + u'/' + QString::fromLatin1(name));
        // Named like pictures but no plain files: a folder, a pipe that would block a reader,
        // and a link to nothing.
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/folder.jpg")));
        QCOMPARE(
            ::mkfifo(QFile::encodeName(folder + QStringLiteral("/pipe.jpg")).constData(), 0600), 0);
        QVERIFY(
            QFile::link(folder + QStringLiteral("/nothing"), folder + QStringLiteral("/gone.bmp")));

        // A link to a picture file is listed like the file.
        QVERIFY(QFile::link(folder + QStringLiteral("/a.jpg"), folder + QStringLiteral("/l.jpg")));

        const QStringList expected = { "a.jpg", "B.jpg", "b.JPG", "C.bmp", "g.Bmp", "l.jpg" };
        QCOMPARE(listPictureFiles(folder), expected);
        QCOMPARE(listPictureFiles(folder + u'/'), expected);
    }

    void subfoldersSorted()
    {
        const QString folder = base() + QStringLiteral("/tree");
        for (const char* name : { "beta", "Alpha", "alpha", ".hidden", "Gamma" })
            QVERIFY(QDir().mkpath(folder + u'/' + QString::fromLatin1(name)));
        touch(folder + QStringLiteral("/file.jpg"));
        // A link to a folder is a folder; one to a file or to nothing is none.
        QVERIFY(QFile::link(folder + QStringLiteral("/beta"), folder + QStringLiteral("/delta")));
        QVERIFY(QFile::link(folder + QStringLiteral("/file.jpg"), folder + QStringLiteral("/eta")));
        QVERIFY(QFile::link(folder + QStringLiteral("/none"), folder + QStringLiteral("/zeta")));
        QCOMPARE(listSubfolders(folder),
                 (QStringList { "Alpha", "alpha", "beta", "delta", "Gamma" }));
    }

    // The lists sort a folder's names once, with each name's letter case folded ahead; the order
    // must be the one of listsBefore, which folds at every comparison. Names from many scripts
    // and of both cases, with letters whose folding is special (dotted and dotless i, sharp s,
    // final sigma, ligatures, letters beyond the 16-bit range).
    void listsSortAsListsBeforeOrders()
    {
        const QString folder = base() + QStringLiteral("/scripts");
        QVERIFY(QDir().mkpath(folder));
        const QStringList stems = { "a",  "A",  "ä", "Ä", "z", "Z", "ı",  "I", "i", "İ", "ß", "ẞ",
                                    "ss", "SS", "σ", "ς", "Σ", "ﬁ", "fi", "Ω", "ω", "Ж", "ж", "𐐀",
                                    "𐐨",  "é",  "É", "e", "_", "-", "0",  "9", "Ǆ", "ǅ", "ǆ", "K" };
        QStringList names;
        for (const QString& first : stems) {
            for (const QString& second : stems) {
                const QString name = first + second + QStringLiteral(".jpg");
                touch(folder + u'/' + name);
                names << name;
            }
        }
        // The file system may have merged names that differ only in their form.
        const QStringList listed = listPictureFiles(folder);
        QVERIFY(listed.size() > stems.size() * stems.size() / 2);
        QStringList expected = listed;
        std::sort(expected.begin(), expected.end(), listsBefore);
        QCOMPARE(listed, expected);
        for (qsizetype i = 1; i < listed.size(); ++i)
            QVERIFY(listed[i - 1].compare(listed[i], Qt::CaseInsensitive) <= 0);
    }

    void unlistableFolders_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("missing") << base() + QStringLiteral("/missing");
        QTest::newRow("a file") << base() + QStringLiteral("/file.jpg");
        QTest::newRow("empty path") << QString();
    }

    void unlistableFolders()
    {
        QFETCH(QString, folder);
        touch(base() + QStringLiteral("/file.jpg"));
        QCOMPARE(listingError([&] { listPictureFiles(folder); }), ErrorCode::PathNotFound);
        QCOMPARE(listingError([&] { listSubfolders(folder); }), ErrorCode::PathNotFound);
    }

    void joinFolderFile_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("joined");
        QTest::newRow("folder") << "/home/ali"
                                << "/home/ali/p.jpg";
        QTest::newRow("root folder") << "/"
                                     << "/p.jpg";
        QTest::newRow("folder with separator") << "/home/ali/"
                                               << "/home/ali/p.jpg";
        QTest::newRow("drive root") << "C:/"
                                    << "C:/p.jpg";
#ifdef Q_OS_WIN
        QTest::newRow("native drive root") << "D:\\"
                                           << "D:\\p.jpg";
#else
        // Only Windows separates with a backslash; elsewhere a folder's name may end in one.
        QTest::newRow("folder named with a final backslash") << "/home/ali/pics\\"
                                                             << "/home/ali/pics\\/p.jpg";
#endif
    }

    void joinFolderFile()
    {
        QFETCH(QString, folder);
        QFETCH(QString, joined);
        QCOMPARE(tessel::joinFolderFile(folder, QStringLiteral("p.jpg")), joined);
    }
};

QTEST_GUILESS_MAIN(TestPhotoFolders)
#include "tst_photofolders.moc"
