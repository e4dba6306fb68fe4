// tessel_bench: times the program's hot paths beside the physical floor of each, and prints one
// table. Not a test: `make bench` builds and runs it. It makes its own photos, and measures a
// photo's path in a fresh process per run so that the peak memory it reports is that path's.
#include "benchphotos.h"
#include "folderlisting.h"
#include "hostile.h"
#include "idleclock.h"
#include "measure.h"
#include "solverbench.h"
#include "startuptime.h"

#include "board/boardlayout.h"
#include "common/errors.h"
#include "common/messagebox.h"
#include "common/numbers.h"
#include "common/shared.h"
#include "game/anaform.h"
#include "picture/bitmapstream.h"
#include "picture/photo.h"
#include "store/closesettings.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <string_view>

using namespace tessel;
using namespace bench;

namespace {

// ---- In a measuring process: one run of one path ----

// What the program makes of a photo: the blocks of a 5 x 5 board at the cells' interior
// (2 pixels of border), the sample and the preview, each ready to draw.
struct Views
{
    std::vector<QPixmap> blocks;
    QPixmap sample, preview;
};

Views viewsOf(const Photo& photo)
{
    using namespace boardlayout;
    const int n = 5;
    const QSize border(4, 4);
    const QSize piece = cellRectPixels(0, n, cellSizeTwips(n, frameTwips)).size() - border;
    auto pixels = [](QSize twips) {
        return QSize(twipsToPixels(twips.width()), twipsToPixels(twips.height()));
    };
    Views views;
    for (int k = 0; k < n * n; ++k)
        views.blocks.push_back(QPixmap::fromImage(photo.cut(blockRect(k, n, photo.size()), piece)));
    views.sample = QPixmap::fromImage(photo.scaled(pixels(sampleBoxTwips) - border));
    views.preview = QPixmap::fromImage(photo.scaled(pixels(previewBoxTwips) - border));
    return views;
}

// The program's path: its own loader, at the screens' device-pixel ratio.
bool programPath(const QString& path)
{
    try {
        const Views views = viewsOf(Photo::load(path));
        return !views.blocks.front().isNull();
    } catch (const TesselError&) {
        return false;
    }
}

// The naive path: the whole picture decoded, then cut.
bool naivePath(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage whole = reader.read();
    if (whole.isNull())
        return false;
    const Views views = viewsOf(Photo(std::move(whole)));
    return !views.blocks.front().isNull();
}

// A plain read of the file, in the chunks the bitmap stream reads.
bool plainRead(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    std::vector<char> chunk(bitmapChunkBytes);
    qint64 got = 0, total = 0;
    unsigned touched = 0;
    while ((got = file.read(chunk.data(), qint64(chunk.size()))) > 0) {
        total += got;
        touched += uchar(chunk[size_t(got) - 1]);
    }
    return total == file.size() && touched != 1; // uses what was read
}

int childMain(const QStringList& arguments)
{
    // --child <task> <file> <warm JPEG> <warm bitmap>
    const QString task = arguments.value(2);
    const QString path = arguments.value(3);
    // Plug-ins loaded, code paged in, Qt's scaling threads started: the program has all that
    // long before a photo is chosen.
    programPath(arguments.value(4));
    programPath(arguments.value(5));
    naivePath(arguments.value(4));
    if (task == QLatin1String("naive-unlimited"))
        QImageReader::setAllocationLimit(0);
    malloc_trim(0);

    const qint64 base = statusKB("VmRSS");
    const bool peakReset = resetPeakMemory();
    QElapsedTimer clock;
    clock.start();
    bool done = false;
    if (task == QLatin1String("program"))
        done = programPath(path);
    else if (task.startsWith(QLatin1String("naive")))
        done = naivePath(path);
    else if (task == QLatin1String("read"))
        done = plainRead(path);
    const double ms = clock.nsecsElapsed() / 1e6;
    const qint64 peak = statusKB("VmHWM");
    printRun({ !done, ms, peakReset && base >= 0 && peak >= 0 ? (peak - base) / 1024.0 : -1 });
    return 0;
}

// ---- In the bench ----

struct Context
{
    BenchPhotos photos;
    QString djpeg;
    Runs djpegStart;
};

// A path of the program (or the naive path, or a plain read) in a fresh process.
OneRun ours(const Context& c, const QString& task, const QString& path)
{
    return inChild(
        { QStringLiteral("--child"), task, path, c.photos.warmJpeg, c.photos.warmBitmap });
}

OneRun djpeg(const Context& c, const QString& path, bool eighth)
{
    if (c.djpeg.isEmpty())
        return [](QString& failure) -> std::optional<Run> {
            failure = QStringLiteral("needs djpeg (libjpeg-turbo-progs)");
            return std::nullopt;
        };
    QStringList arguments;
    if (eighth)
        arguments << QStringLiteral("-scale") << QStringLiteral("1/8");
    arguments << QStringLiteral("-outfile") << QStringLiteral("/dev/null") << path;
    return wholeProgram(c.djpeg, arguments);
}

// djpeg's times less what starting and ending djpeg costs (an 8 x 8 JPEG's run).
Runs lessStart(Runs runs, const Context& c)
{
    const double start = c.djpegStart.ok() ? c.djpegStart.medianMs() : 0;
    for (Run& r : runs.runs)
        r.ms = std::max(0.0, r.ms - start);
    return runs;
}

QString scratchFolder()
{
    static QTemporaryDir dir(QCoreApplication::applicationDirPath() + "/bench-XXXXXX");
    return dir.path();
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    const QList<QByteArray> words = file.readAll().split(' ');
    return QString::fromLatin1(words.mid(0, 3).join(' '));
}

void photoPaths(Table& table, Context& c)
{
    const BenchPhotos& p = c.photos;
    const int many = 9, few = 5;
    const QString program = QStringLiteral("program");
    const QString naive = QStringLiteral("naive");
    const QString unlimited = QStringLiteral("naive-unlimited");

    // Each path and its floor in turns.
    auto [a24, c24] = inTurns(many, ours(c, program, p.jpeg24), djpeg(c, p.jpeg24, true));
    auto [a96, c96] = inTurns(few, ours(c, program, p.jpeg96), djpeg(c, p.jpeg96, true));
    auto [aProgressive, cProgressive]
        = inTurns(few, ours(c, program, p.progressive24), djpeg(c, p.progressive24, true));
    auto [aBmp24, cBmp24]
        = inTurns(many, ours(c, program, p.bitmap24), ours(c, QStringLiteral("read"), p.bitmap24));
    auto [aBmp96, cBmp96]
        = inTurns(few, ours(c, program, p.bitmap96), ours(c, QStringLiteral("read"), p.bitmap96));
    c24 = lessStart(c24, c);
    c96 = lessStart(c96, c);
    cProgressive = lessStart(cProgressive, c);

    table.section(QStringLiteral("(a) photo to 25 blocks + sample + preview ready, the program's "
                                 "own code, at Qt's default allocation limit"));
    table.add(QStringLiteral("24 MP JPEG 6000 x 4000, q90"), a24, 10);
    table.add(QStringLiteral("96 MP JPEG 12000 x 8000, q90"), a96, 16);
    table.add(QStringLiteral("24 MP progressive JPEG"), aProgressive);
    table.add(QStringLiteral("24 MP BMP, 24-bit"), aBmp24, 5);
    table.add(QStringLiteral("96 MP BMP, 24-bit"), aBmp96, 5);
    table.addTimed(QStringLiteral("header-only JPEG claiming 65000 x 65000"),
                   repeat(many, ours(c, program, p.jpegBomb)), 5, 1);
    table.addTimed(QStringLiteral("header-only BMP claiming 65000 x 65000"),
                   repeat(many, ours(c, program, p.bitmapBomb)), 5, 1);

    table.section(QStringLiteral("(b) naive: the whole picture decoded, then cut"));
    table.add(QStringLiteral("24 MP JPEG, Qt's default limit"),
              repeat(few, ours(c, naive, p.jpeg24)));
    table.add(QStringLiteral("96 MP JPEG, Qt's default limit"),
              repeat(3, ours(c, naive, p.jpeg96)));
    table.add(QStringLiteral("96 MP JPEG, limit lifted"), repeat(3, ours(c, unlimited, p.jpeg96)));
    table.add(QStringLiteral("24 MP BMP, Qt's default limit"),
              repeat(few, ours(c, naive, p.bitmap24)));
    table.add(QStringLiteral("96 MP BMP, Qt's default limit"),
              repeat(3, ours(c, naive, p.bitmap96)));
    table.add(QStringLiteral("96 MP BMP, limit lifted"), repeat(3, ours(c, unlimited, p.bitmap96)));

    table.section(QStringLiteral("(c) floors: djpeg (less its start, ")
                  + formatMs(c.djpegStart.medianMs())
                  + QStringLiteral(" ms; memory: its whole peak RSS) and a plain read"));
    table.add(QStringLiteral("djpeg -scale 1/8, 24 MP JPEG"), c24);
    table.add(QStringLiteral("djpeg full, 24 MP JPEG"),
              lessStart(repeat(few, djpeg(c, p.jpeg24, false)), c));
    table.add(QStringLiteral("djpeg -scale 1/8, 96 MP JPEG"), c96);
    table.add(QStringLiteral("djpeg full, 96 MP JPEG"),
              lessStart(repeat(3, djpeg(c, p.jpeg96, false)), c));
    table.add(QStringLiteral("djpeg -scale 1/8, 24 MP progressive JPEG"), cProgressive);
    table.add(QStringLiteral("plain read of the 24 MP BMP (72 MB)"), cBmp24);
    table.add(QStringLiteral("plain read of the 96 MP BMP (288 MB)"), cBmp96);

    table.section(QStringLiteral("(d) ratios (a) / (c), taken in turns: medians (mins in the "
                                 "min column)"));
    table.addRatio(QStringLiteral("24 MP JPEG / djpeg -scale 1/8"), a24, c24, 1.1);
    table.addRatio(QStringLiteral("96 MP JPEG / djpeg -scale 1/8"), a96, c96, 1.1);
    table.addRatio(QStringLiteral("24 MP progressive JPEG / djpeg -scale 1/8"), aProgressive,
                   cProgressive, 0);
    table.addRatio(QStringLiteral("24 MP BMP / plain read"), aBmp24, cBmp24, 4);
    table.addRatio(QStringLiteral("96 MP BMP / plain read"), aBmp96, cBmp96, 4);
}

// A change of block count: the board laid out again and every block cut from the held photo,
// through the game window's own handler; no file is read.
Runs reDivision(const Context& c)
{
    SettingsStore store(scratchFolder() + "/redivide.ini");
    AnaForm form(store);
    form.setOriginalPhoto(Photo::load(c.photos.jpeg24));
    form.show();
    QCoreApplication::processEvents();
    int next = 0;
    return timeHere(30, [&] { form.ParçalaraBölSeçeneği_Click(next++ % 3); });
}

// One accepted move through the game window's click handler, sound asked for as in play (the
// handler asks for the output devices on every sound): a block beside the empty cell slides
// into it, and back at the next click.
Runs oneMove(const Context& c, bool painted)
{
    SettingsStore store(scratchFolder() + "/move.ini");
    AnaForm form(store);
    form.setOriginalPhoto(Photo::load(c.photos.jpeg24));
    form.show();
    form.ParçalaraBölSeçeneği_Click(1);
    form.YeniOyunDüğmesi_Click();
    QCoreApplication::processEvents();
    const int n = form.GridSize();
    const int blank = form.BlankIndex();
    const int beside = blank % n > 0 ? blank - 1 : blank + 1;
    int clicks = 0;
    Runs runs = timeHere(30, [&] {
        form.DağınıkParçalar_Click(clicks++ % 2 ? blank : beside);
        if (painted)
            QCoreApplication::processEvents();
    });
    // Every click must have been a move: the counter says so.
    if (form.ClickCount() != clicks || !form.SüreHesapla->running())
        runs.failure = QStringLiteral("a click was no move");
    return runs;
}

// The close handler's writes (one locked, atomic replace) at the exit of a 5 x 5 game in
// progress, replacing the 5 x 5 game stored at the exit before. The store lives beside the
// program, on a real disk like the user's configuration folder (a tmpfs /tmp would hide the
// cost of the sync).
Runs closeWritesFiveByFive()
{
    CloseSnapshot snapshot;
    snapshot.left = 4605;
    snapshot.top = 3255;
    snapshot.divisionIndex = 2;
    snapshot.photoPath = QStringLiteral("/home/player/Resimler/Sample-1.jpg");
    snapshot.saveOnExit = 1;
    snapshot.gameRunning = true;
    for (int i = 0; i < 25; ++i)
        snapshot.gameCells.emplace_back(QStringLiteral("Foto-%1").arg(i),
                                        i == 12 ? QStringLiteral("12B")
                                                : QString::number((i * 7) % 25));
    snapshot.gameInfo = { { QStringLiteral("Saniye Bilgisi"), QStringLiteral("42") },
                          { QStringLiteral("Dakika Bilgisi"), QStringLiteral("17") },
                          { QStringLiteral("Saat Bilgisi"), QStringLiteral("0") },
                          { QStringLiteral("Hamle Bilgisi"), QStringLiteral("311") } };

    const QString path = scratchFolder() + "/Tessel.ini";
    Runs result;
    for (int run = 0; run < 30; ++run) {
        QFile::remove(path);
        {
            SettingsStore store(path);
            KeyValuePairs none;
            writeCloseSettings(store, snapshot, none); // the earlier exit's file
        }
        QElapsedTimer clock;
        clock.start();
        SettingsStore store(path);
        KeyValuePairs savedGame;
        writeCloseSettings(store, snapshot, savedGame);
        result.runs.push_back({ false, clock.nsecsElapsed() / 1e6, -1 });
    }
    return result;
}

void startUp(Table& table)
{
    const QString dir = QCoreApplication::applicationDirPath();
    // A settings folder whose last photo is a 24 MP camera JPEG.
    QTemporaryDir camera(scratchFolder() + "/camera-XXXXXX");
    const QString photo = camera.filePath(QStringLiteral("camera.jpg"));
    const bool cameraReady = camera.isValid()
        && QDir(camera.path()).mkpath(QStringLiteral("Velkor")) && makeCameraJpeg(photo) && [&] {
               QFile store(camera.filePath(QStringLiteral("Velkor/Tessel.ini")));
               return store.open(QIODevice::WriteOnly)
                   && store.write("[Ayarlar]\nSon Fotograf=" + photo.toUtf8() + '\n') > 0;
           }();
    const std::vector<Runs> starts = measureStartup(
        { dir + "/Tessel", dir + "/tessel_bare_window", dir + "/tessel_bare_window|--label",
          QStringLiteral("XDG_CONFIG_HOME=") + camera.path() + u'|' + dir + "/Tessel" },
        15);
    table.section(QStringLiteral("(h) start to window mapped under Xvfb, no window manager, in "
                                 "turns (memory: resident 0.5 s after)"));
    table.add(QStringLiteral("build/Tessel"), starts[0]);
    table.add(QStringLiteral("bare Qt 6 window, no text (tessel_bare_window)"), starts[1]);
    table.add(QStringLiteral("minimal Qt 6 window: one line of text (fonts loaded)"), starts[2]);
    // The goals' reference is the smallest Qt program a person writes, a window showing a line
    // of text: every window with a caption pays for the fonts, which the bare window never loads.
    table.addRatio(QStringLiteral("Tessel / minimal window, time"), starts[0], starts[2], 1.5);
    if (starts[0].ok() && starts[2].ok()) {
        std::vector<double> tessel, minimal;
        for (const Run& r : starts[0].runs)
            tessel.push_back(r.peakMB);
        for (const Run& r : starts[2].runs)
            minimal.push_back(r.peakMB);
        table.addRatio(QStringLiteral("Tessel / minimal window, resident memory"),
                       median(tessel) / median(minimal),
                       *std::min_element(tessel.begin(), tessel.end())
                           / *std::min_element(minimal.begin(), minimal.end()),
                       1.5, QStringLiteral("memory"));
    }
    table.addRatio(QStringLiteral("Tessel / bare window, time"), starts[0], starts[1], 0);
    // The window does not wait for the photo's decode.
    if (!cameraReady) {
        table.add({ QStringLiteral("build/Tessel, a 24 MP JPEG as the last photo"),
                    {},
                    {},
                    {},
                    {},
                    {},
                    QStringLiteral("cannot write the photo") });
        return;
    }
    table.add(QStringLiteral("build/Tessel, a 24 MP JPEG as the last photo"), starts[3]);
    table.addRatio(QStringLiteral("the same / minimal window, time"), starts[3], starts[2], 1.3);
    table.addRatio(QStringLiteral("the same / bare window, time"), starts[3], starts[1], 0);
}

// A running game left alone under Xvfb: its clock's tick should be all it does.
void quietClock(Table& table)
{
    const auto [wakeups, cpu]
        = measureIdleClock(QCoreApplication::applicationDirPath() + "/Tessel", 3, 10);
    table.section(QStringLiteral("(q) idle in a running 4 x 4 game under Xvfb, no input, "
                                 "3 stretches of 10 s (figures a second, in the ms columns)"));
    auto row = [&](const QString& name, const Runs& runs, double goal, const QString& unit) {
        Line line { name, {}, {}, {}, {}, {}, runs.failure };
        if (runs.ok()) {
            line.runs = QString::number(runs.runs.size());
            line.min = QString::number(runs.minMs(), 'f', 2);
            line.median = QString::number(runs.medianMs(), 'f', 2);
            line.goal = QStringLiteral("<= %1 %2").arg(goal).arg(unit);
            line.result
                = runs.medianMs() <= goal ? QStringLiteral("met") : QStringLiteral("MISSED");
        }
        table.add(line);
    };
    row(QStringLiteral("wake-ups a second, all threads"), wakeups, 2.5, QStringLiteral("/s"));
    row(QStringLiteral("processor time a second, all threads"), cpu, 1, QStringLiteral("ms/s"));
}

// `parts`: the letters of the parts to run, all when empty.
int benchMain(const QString& parts)
{
    auto wanted = [&](char part) { return parts.isEmpty() || parts.contains(QLatin1Char(part)); };
    // No dialog may wait for an answer nobody gives.
    setMessageBoxHandler([](const MessageBoxRequest& box) {
        std::fprintf(stderr, "unexpected message: %s\n", box.text.toUtf8().constData());
        std::exit(2);
        return QMessageBox::Ok;
    });
    shared().SettingsAppName = QStringLiteral("Velkor\\Tessel");
    shared().AppFolder = QCoreApplication::applicationDirPath() + u'/';

    const QString startLoad = loadAverage();
    QTemporaryDir photoDir(QCoreApplication::applicationDirPath() + "/bench-photos-XXXXXX");
    Context c;
    QElapsedTimer making;
    making.start();
    // Only the parts that read photos need them made.
    const std::string_view photoParts = "abcdef";
    const bool photosNeeded = std::any_of(photoParts.begin(), photoParts.end(), wanted);
    if (photosNeeded && (!photoDir.isValid() || !makeBenchPhotos(photoDir.path(), c.photos))) {
        std::fprintf(stderr, "cannot write the bench photos\n");
        return 1;
    }
    const double madeIn = making.elapsed() / 1000.0;
    c.djpeg = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    if (photosNeeded && !c.djpeg.isEmpty())
        c.djpegStart = repeat(9, djpeg(c, c.photos.tinyJpeg, false));

    Table table;
    if (wanted('a') || wanted('b') || wanted('c') || wanted('d'))
        photoPaths(table, c);
    if (wanted('e')) {
        table.section(QStringLiteral("(e) re-division from the held photo (24 MP JPEG held), "
                                     "the game window's handler, 3 x 3 -> 4 x 4 -> 5 x 5 -> ..."));
        table.addTimed(QStringLiteral("ParçalaraBölSeçeneği_Click"), reDivision(c), 10);
    }
    if (wanted('f')) {
        table.section(QStringLiteral("(f) one accepted move in the handler, 4 x 4, sound on"));
        table.addTimed(QStringLiteral("DağınıkParçalar_Click"), oneMove(c, false), 2);
        table.add(QStringLiteral("the same and the repaint it asks for (offscreen)"),
                  oneMove(c, true));
    }
    if (wanted('g')) {
        table.section(QStringLiteral("(g) the close handler's writes"));
        table.addTimed(QStringLiteral("a 5 x 5 game in progress, one atomic replace"),
                       closeWritesFiveByFive(), 20);
    }
    if (wanted('h'))
        startUp(table);
    if (wanted('i'))
        hostileInputs(table, scratchFolder());
    if (wanted('j'))
        folderListing(table, scratchFolder());
    if (wanted('k'))
        solverPart(table);
    if (wanted('l'))
        hintPart(table);
    if (wanted('q'))
        quietClock(table);

    std::printf("tessel_bench: %d CPUs; load average %s at the start, %s at the end; photos "
                "made in %.1f s; Qt %s; photo detail held %d x %d (device-pixel ratio 1)\n\n",
                QThread::idealThreadCount(), qPrintable(startLoad), qPrintable(loadAverage()),
                madeIn, qVersion(), Photo::screenDetail().width(), Photo::screenDetail().height());
    table.print();
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("--idle-clock")) {
        QCoreApplication app(argc, argv);
        const QStringList arguments = app.arguments();
        return idleClockMain(arguments.value(2), arguments.value(3).toInt(),
                             arguments.value(4).toInt());
    }
    if (mode == QLatin1String("--startup")) {
        QCoreApplication app(argc, argv);
        const QStringList arguments = app.arguments();
        return startupMain(arguments.mid(3), arguments.value(2).toInt());
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (mode == QLatin1String("--end-while-decoding")) {
        QCoreApplication app(argc, argv);
        return endWhileDecodingMain();
    }
    if (mode == QLatin1String("--child")) {
        QGuiApplication app(argc, argv);
        return childMain(app.arguments());
    }
    QApplication app(argc, argv);
    return benchMain(mode.startsWith(u'-') ? QString() : mode);
}
