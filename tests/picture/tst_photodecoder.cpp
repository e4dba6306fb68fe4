#include "common/errors.h"
#include "picture/photodecoder.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace tessel;

namespace {

// A stand-in for reading files: every read waits until the test lets it end, so the test
// decides which decode is slow. A path starting with "bad" is no picture. Shared with the
// worker, which may outlive a test's decoder.
struct SlowFiles
{
    QMutex mutex;
    QStringList started;
    QSemaphore gate;

    PhotoDecoder::Loader loader(const std::shared_ptr<SlowFiles>& self)
    {
        return [self](const QString& path, QSize) {
            {
                const QMutexLocker lock(&self->mutex);
                self->started << path;
            }
            self->gate.acquire();
            if (path.startsWith(QLatin1String("bad")))
                throw TesselError(ErrorCode::InvalidPicture, QStringLiteral("Invalid picture"));
            QImage image(path.size(), 1, QImage::Format_RGB32); // its width tells the file
            image.fill(Qt::gray);
            return Photo(image);
        };
    }

    QStringList startedSoFar()
    {
        const QMutexLocker lock(&mutex);
        return started;
    }
};

struct Delivered
{
    QString path;
    int width = -1;
    bool ok = false;
};

} // namespace

class TestPhotoDecoder : public QObject
{
    Q_OBJECT

private slots:
    void theLatestRequestWins_data()
    {
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<QStringList>("read"); // the files actually decoded
        QTest::addColumn<QString>("delivered");
        QTest::newRow("one file") << QStringList { "a.jpg" } << QStringList { "a.jpg" } << "a.jpg";
        // a.jpg is under way when the others come: b.jpg's turn is passed over, a.jpg's
        // result dropped.
        QTest::newRow("clicking on through three files")
            << QStringList { "a.jpg", "bb.jpg", "ccc.jpg" } << QStringList { "a.jpg", "ccc.jpg" }
            << "ccc.jpg";
        QTest::newRow("back to the file under way") << QStringList { "a.jpg", "bb.jpg", "a.jpg" }
                                                    << QStringList { "a.jpg", "a.jpg" } << "a.jpg";
    }

    void theLatestRequestWins()
    {
        QFETCH(QStringList, requests);
        QFETCH(QStringList, read);
        QFETCH(QString, delivered);
        auto files = std::make_shared<SlowFiles>();
        QList<Delivered> got;
        PhotoDecoder decoder(
            [&](const QString& path, const Photo& photo, bool ok) {
                got.append({ path, photo.size().width(), ok });
            },
            files->loader(files));

        QElapsedTimer clock;
        clock.start();
        decoder.request(requests.first(), QSize(10, 10));
        QTRY_COMPARE(files->startedSoFar().size(), 1); // the first decode is under way
        for (const QString& path : requests.mid(1))
            decoder.request(path, QSize(10, 10));
        // Asking never waits for a decode.
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(decoder.pending());

        files->gate.release(read.size());
        QTRY_VERIFY(!decoder.pending());
        QCOMPARE(files->startedSoFar(), read);
        QCOMPARE(got.size(), 1);
        QCOMPARE(got.first().path, delivered);
        QCOMPARE(got.first().width, delivered.size());
        QVERIFY(got.first().ok);
    }

    // The slow decode ends after the newer request was made: its picture must not replace
    // what the newer one brings, whichever arrives first.
    void aSlowDecodeEndingAfterANewerRequestIsDropped()
    {
        auto files = std::make_shared<SlowFiles>();
        QList<Delivered> got;
        PhotoDecoder decoder(
            [&](const QString& path, const Photo& photo, bool ok) {
                got.append({ path, photo.size().width(), ok });
            },
            files->loader(files));
        decoder.request(QStringLiteral("slow.jpg"), QSize(10, 10));
        QTRY_COMPARE(files->startedSoFar().size(), 1);
        decoder.request(QStringLiteral("new.jpg"), QSize(10, 10));
        files->gate.release(); // the slow one ends now, after the newer request
        QTest::qWait(50);
        QVERIFY(got.isEmpty());
        files->gate.release();
        QTRY_COMPARE(got.size(), 1);
        QCOMPARE(got.first().path, QStringLiteral("new.jpg"));
    }

    void aFileThatIsNoPictureIsDeliveredAsFailed()
    {
        auto files = std::make_shared<SlowFiles>();
        QList<Delivered> got;
        PhotoDecoder decoder(
            [&](const QString& path, const Photo& photo, bool ok) {
                got.append({ path, photo.isNull() ? 0 : photo.size().width(), ok });
            },
            files->loader(files));
        files->gate.release();
        decoder.request(QStringLiteral("bad.jpg"), QSize(10, 10));
        QTRY_VERIFY(!decoder.pending());
        QCOMPARE(got.size(), 1);
        QVERIFY(!got.first().ok);
        QCOMPARE(got.first().width, 0);
    }

    // The window closes while a photo decodes: nothing arrives, nothing waits.
    void aDecoderGoneWhileDecodingDeliversNothing()
    {
        auto files = std::make_shared<SlowFiles>();
        int deliveries = 0;
        {
            PhotoDecoder decoder([&](const QString&, const Photo&, bool) { ++deliveries; },
                                 files->loader(files));
            decoder.request(QStringLiteral("a.jpg"), QSize(10, 10));
            QTRY_COMPARE(files->startedSoFar().size(), 1);
        } // gone at once, its decode still waiting at the gate
        files->gate.release();
        // A later decoder on the same worker still gets its own.
        PhotoDecoder next([&](const QString&, const Photo&, bool) { ++deliveries; },
                          files->loader(files));
        files->gate.release();
        next.request(QStringLiteral("b.jpg"), QSize(10, 10));
        QTRY_VERIFY(!next.pending());
        QCOMPARE(deliveries, 1);
    }

    // The real reader on the worker.
    void decodesAFileOffThisThread()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.jpg"));
        QImage image(80, 60, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(path));
        Photo got;
        PhotoDecoder decoder([&](const QString&, const Photo& photo, bool) { got = photo; });
        decoder.request(path, QSize(10, 10));
        QTRY_VERIFY(!decoder.pending());
        QCOMPARE(got.size(), QSize(80, 60));
    }
};

QTEST_GUILESS_MAIN(TestPhotoDecoder)
#include "tst_photodecoder.moc"
