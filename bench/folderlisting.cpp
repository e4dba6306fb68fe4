#include "folderlisting.h"

#include "game/anaform.h"
#include "photo/fotografsecformu.h"
#include "photo/photofolders.h"
#include "store/settingsstore.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

namespace bench {

namespace {

constexpr int pictureCount = 100000;

double threadCpuMs()
{
    timespec now {};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Empty files named as a camera names them, half of them .JPG; a few other files and folders
// beside them. Empty files list like full ones: the listing reads no picture.
bool makeFolder(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (int i = 0; i < pictureCount; ++i) {
        const QString name = QStringLiteral("IMG_%1.%2")
                                 .arg(i, 6, 10, QLatin1Char('0'))
                                 .arg(i % 2 ? QLatin1String("JPG") : QLatin1String("bmp"));
        const QByteArray path = QFile::encodeName(folder + u'/' + name);
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            return false;
        ::close(fd);
    }
    for (int i = 0; i < 20; ++i) {
        if (!QDir(folder).mkdir(QStringLiteral("album %1").arg(i)))
            return false;
        QFile note(folder + QStringLiteral("/note %1.txt").arg(i));
        if (!note.open(QIODevice::WriteOnly))
            return false;
    }
    return true;
}

} // namespace

void folderListing(Table& table, const QString& scratch)
{
    table.section(QStringLiteral("(j) a folder of 100,000 pictures opened in the photo selection "
                                 "window"));
    const QString folder = scratch + QStringLiteral("/many-pictures");
    const QString small = scratch + QStringLiteral("/few-pictures");
    if (!makeFolder(folder) || !QDir().mkpath(small)) {
        table.add({ QStringLiteral("the folder could not be made"),
                    {},
                    {},
                    {},
                    {},
                    {},
                    QStringLiteral("not measured") });
        return;
    }

    tessel::SettingsStore store(scratch + QStringLiteral("/listing.ini"));
    tessel::AnaForm owner(store);
    owner.show();
    auto* form = new tessel::FotoğrafSeçFormu(owner);
    form->show();
    QCoreApplication::processEvents();

    // The window's thread from a folder change until both lists are drawn: what the player
    // waits, with the window frozen, before it answers again. Into the folder, and out of it
    // (the 100,000 rows let go). Beside the time on the clock, the processor time the window's
    // thread spent: on a loaded machine the first is longer by the time other programs had.
    struct Change
    {
        double ms, cpuMs;
    };
    auto change = [&](const QString& to) {
        const double cpuBefore = threadCpuMs();
        QElapsedTimer clock;
        clock.start();
        form->KlasörListesi->setPath(to);
        QCoreApplication::processEvents();
        (void)form->grab();
        return Change { clock.nsecsElapsed() / 1e6, threadCpuMs() - cpuBefore };
    };
    int shownFiles = 0;
    Runs into, intoCpu, outOf, outOfCpu;
    for (int i = 0; i <= 9; ++i) {
        const Change in = change(folder);
        shownFiles = form->DosyaListesi->count();
        const Change out = change(small);
        if (i > 0) {
            into.runs.push_back({ false, in.ms, -1 });
            intoCpu.runs.push_back({ false, in.cpuMs, -1 });
            outOf.runs.push_back({ false, out.ms, -1 });
            outOfCpu.runs.push_back({ false, out.cpuMs, -1 });
        }
    }
    if (shownFiles != pictureCount)
        into.failure = QStringLiteral("%1 files listed").arg(shownFiles);
    form->close();
    QCoreApplication::processEvents();

    qsizetype listed = 0;
    const Runs files = timeHere(9, [&] { listed = tessel::listPictureFiles(folder).size(); });
    const Runs folders = timeHere(9, [&] { (void)tessel::listSubfolders(folder); });
    // The floor: the directory read as the system gives it, names and nothing else.
    const QByteArray encoded = QFile::encodeName(folder);
    qsizetype names = 0;
    const Runs floor = timeHere(9, [&] {
        names = 0;
        if (DIR* dir = ::opendir(encoded.constData())) {
            while (::readdir(dir))
                ++names;
            ::closedir(dir);
        }
    });
    table.addTimed(QStringLiteral("folder change into it, to both lists drawn (offscreen)"), into,
                   300);
    table.addTimed(QStringLiteral("  the same, processor time of the window's thread"), intoCpu,
                   300);
    table.addTimed(QStringLiteral("folder change out of it, the same"), outOf, 300);
    table.addTimed(QStringLiteral("  the same, processor time of the window's thread"), outOfCpu,
                   300);
    table.add(QStringLiteral("its picture files listed and sorted (listPictureFiles)"), files, 0,
              listed == pictureCount ? QString() : QStringLiteral("%1 listed").arg(listed));
    table.add(QStringLiteral("its subfolders listed and sorted (listSubfolders)"), folders);
    table.add(QStringLiteral("floor: the directory's %1 names read (readdir)").arg(names), floor);
    QDir(folder).removeRecursively();
}

} // namespace bench
