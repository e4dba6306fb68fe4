#include "hostile.h"

#include "common/errors.h"
#include "common/shared.h"
#include "game/anaform.h"
#include "picture/photodecoder.h"
#include "picture/picturefile.h"
#include "startup/startup.h"
#include "store/settingsstore.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <atomic>

using namespace tessel;

namespace bench {

namespace {

// A store another copy or a tool has grown: 100,000 keys in one section, with the game
// window's own sections around them.
QByteArray grownStore()
{
    QByteArray text("[Ayarlar]\nSon Bolme=1\nOrnek Goster=1\n\n[Eklenti]\n");
    for (int i = 0; i < 100000; ++i)
        text += "Anahtar-" + QByteArray::number(i) + "=deger " + QByteArray::number(i * 7) + '\n';
    return text;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A JPEG start marker and 100 MB of fill bytes, written in parts.
bool writeFillBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("\xFF\xD8", 2) != 2)
        return false;
    const QByteArray part(1 << 20, '\xFF');
    for (int i = 0; i < 100; ++i)
        if (file.write(part) != part.size())
            return false;
    return true;
}

// A 4 GB file that starts as a JPEG and has no end marker, sparse: its length costs no disk.
bool writeEndlessJpeg(const QString& path)
{
    QFile file(path);
    const QByteArray head("\xFF\xD8\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 12);
    return file.open(QIODevice::WriteOnly) && file.write(head) == head.size()
        && file.resize(qint64(4) << 30);
}

Runs whole(int runs, const QString& path, bool expectComplete)
{
    Runs result = timeHere(runs, [&] {
        if (pictureFileComplete(path) != expectComplete)
            std::abort();
    });
    for (Run& r : result.runs)
        r.refused = !expectComplete;
    return result;
}

// The game window's start-up (its restore, photo included) on the store in `path`, and the
// number of times it read the store.
Runs startUpOn(const QString& path, int& reads)
{
    return timeHere(5, [&] {
        SettingsStore store(path);
        const QPointer<AnaForm> form
            = openGameWindow(store, ReportingTrap([](const TesselError& e) {
                                 std::fprintf(stderr, "start-up error: %s\n", e.what());
                                 std::exit(2);
                             }));
        reads = store.fileReads();
        delete form;
    });
}

} // namespace

void hostileInputs(Table& table, const QString& scratch)
{
    table.section(QStringLiteral("(i) input nobody chose: a grown store, picture files made to be "
                                 "slow, a decode under way at the end"));
    const QByteArray grown = grownStore();
    table.addTimed(
        QStringLiteral("parse of a 100,000-key store (2.6 MB)"),
        timeHere(9,
                 [&] {
                     if (SettingsDocument::parse(grown).values(QStringLiteral("Eklenti")).size()
                         != 100000)
                         std::abort();
                 }),
        500);

    const QString grownPath = scratch + QStringLiteral("/grown.ini");
    const QString normalPath = scratch + QStringLiteral("/normal.ini");
    QString failure;
    if (!writeFile(grownPath, grown)
        || !writeFile(normalPath,
                      "[Ayarlar]\nSon Bolme=1\nOrnek Goster=1\nOyunu Kaydet=1\n\n[Oyun]\n"
                      "Foto-0=0\nFoto-1=1\nFoto-2=2\nFoto-3=3\nFoto-4=4\nFoto-5=5\nFoto-6=6\n"
                      "Foto-7=7\nFoto-8=8\nFoto-9=9\nFoto-10=10\nFoto-11=15B\nFoto-12=12\n"
                      "Foto-13=13\nFoto-14=14\nFoto-15=11\n\n[Oyun\\Bilgiler]\nHamle Bilgisi=1\n"))
        failure = QStringLiteral("cannot write the stores");
    int grownReads = 0;
    int normalReads = 0;
    Runs grownStart = startUpOn(grownPath, grownReads);
    Runs normalStart = startUpOn(normalPath, normalReads);
    grownStart.failure = normalStart.failure = failure;
    table.add(QStringLiteral("game window start-up on that store"), grownStart);
    table.add(QStringLiteral("the same on a store with a 4 x 4 game"), normalStart);
    table.add({ QStringLiteral("store reads by that start-up"),
                QStringLiteral("1"),
                QString::number(normalReads),
                QString::number(normalReads),
                {},
                QStringLiteral("1"),
                normalReads == 1 ? QStringLiteral("met") : QStringLiteral("MISSED") });

    const QString fill = scratch + QStringLiteral("/fill.jpg");
    const QString endless = scratch + QStringLiteral("/endless.jpg");
    Runs fillRuns;
    Runs endlessRuns;
    if (writeFillBytes(fill))
        fillRuns = whole(5, fill, false);
    else
        fillRuns.failure = QStringLiteral("cannot write the file");
    if (writeEndlessJpeg(endless))
        endlessRuns = whole(5, endless, false);
    else
        endlessRuns.failure = QStringLiteral("cannot write the file");
    table.addTimed(QStringLiteral("completeness of a JPEG of 100 MB of fill bytes"), fillRuns,
                   1000);
    table.addTimed(QStringLiteral("completeness of a 4 GB JPEG without its end (sparse)"),
                   endlessRuns, 500);
    QFile::remove(fill);
    QFile::remove(endless);

    const QString self = QCoreApplication::applicationFilePath();
    table.addTimed(QStringLiteral("a process's start and end, a decode never ending"),
                   repeat(5, wholeProgram(self, { QStringLiteral("--end-while-decoding") })), 500);
}

int endWhileDecodingMain()
{
    std::atomic<bool> started = false;
    auto decoder = std::make_unique<PhotoDecoder>([](const QString&, const Photo&, bool) {},
                                                  [&started](const QString&, QSize) {
                                                      started = true;
                                                      for (;;)
                                                          QThread::msleep(50);
                                                      return Photo();
                                                  });
    decoder->request(QStringLiteral("photo.jpg"), QSize(10, 10));
    while (!started)
        QThread::msleep(1);
    decoder.reset();
    return endOfProgram(0);
}

} // namespace bench
