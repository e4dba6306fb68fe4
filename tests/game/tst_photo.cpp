#include "common/errors.h"
#include "game/photo.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tessel;

class TestPhoto : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString file(const QString& name) const { return m_dir.filePath(name); }

    static ErrorCode loadError(const QString& path)
    {
        try {
            Photo::load(path);
        } catch (const TesselError& e) {
            return e.code();
        }
        return ErrorCode::InvalidCall; // stands for "no error"
    }

    // Left half red, right half blue.
    static QImage halves(QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::red);
        for (int y = 0; y < size.height(); ++y)
            for (int x = size.width() / 2; x < size.width(); ++x)
                image.setPixelColor(x, y, Qt::blue);
        return image;
    }

private slots:
    void loadFailures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<int>("code");
        QTest::newRow("missing file") << "missing.jpg" << QByteArray() << 53;
        QTest::newRow("text named .jpg") << "text.jpg" << QByteArray("not a picture") << 481;
        QTest::newRow("truncated JPEG")
            << "cut.jpg" << QByteArray("\xFF\xD8\xFF\xE0\0\x10JF", 9) << 481;
    }

    void loadFailures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(int, code);
        if (!content.isEmpty()) {
            QFile f(file(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        QCOMPARE(int(loadError(file(name))), code);
    }

    void aFolderIsNoPicture() { QCOMPARE(loadError(m_dir.path()), ErrorCode::InvalidPicture); }

    void loadKeepsTheTrueSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("JPEG") << "photo.jpg";
        QTest::newRow("BMP") << "photo.bmp";
    }

    void loadKeepsTheTrueSize()
    {
        QFETCH(QString, name);
        QVERIFY(halves(QSize(150, 100)).save(file(name)));
        const Photo photo = Photo::load(file(name));
        QVERIFY(!photo.isNull());
        QCOMPARE(photo.size(), QSize(150, 100));
        QCOMPARE(photo.pixels().size(), QSize(150, 100));
    }

    void noPicture()
    {
        const Photo photo;
        QVERIFY(photo.isNull());
        QVERIFY(photo.cut(QRect(0, 0, 10, 10), QSize(5, 5)).isNull());
        QVERIFY(photo.scaled(QSize(5, 5)).isNull());
    }

    // Cutting measures in true pixels, whatever size the pixels are held at.
    void cutMapsTrueCoordinates_data()
    {
        QTest::addColumn<QSize>("held");
        QTest::newRow("held at true size") << QSize(100, 80);
        QTest::newRow("held at half size") << QSize(50, 40);
    }

    void cutMapsTrueCoordinates()
    {
        QFETCH(QSize, held);
        const Photo photo(halves(held), QSize(100, 80));
        QCOMPARE(photo.size(), QSize(100, 80));
        const QImage left = photo.cut(QRect(0, 0, 50, 80), QSize(20, 30));
        const QImage right = photo.cut(QRect(50, 0, 50, 80), QSize(20, 30));
        QCOMPARE(left.size(), QSize(20, 30));
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 20; ++x) {
                QCOMPARE(left.pixelColor(x, y), QColor(Qt::red));
                QCOMPARE(right.pixelColor(x, y), QColor(Qt::blue));
            }
    }

    void aBlockNarrowerThanAPixelStillTakesOne()
    {
        // A 2-pixel photo in 3 columns: blocks of round(0.67) = 1 and round(0) = 0 pixels.
        const Photo photo(halves(QSize(2, 2)));
        const QImage cut = photo.cut(QRect(1, 0, 0, 1), QSize(4, 4));
        QCOMPARE(cut.size(), QSize(4, 4));
        QCOMPARE(cut.pixelColor(2, 2), QColor(Qt::blue));
    }

    void scaledFillsTheTargetIgnoringProportions()
    {
        const Photo photo(halves(QSize(100, 20)));
        const QImage sample = photo.scaled(QSize(40, 40));
        QCOMPARE(sample.size(), QSize(40, 40));
        QCOMPARE(sample.pixelColor(5, 35), QColor(Qt::red));
        QCOMPARE(sample.pixelColor(35, 5), QColor(Qt::blue));
    }
};

QTEST_GUILESS_MAIN(TestPhoto)
#include "tst_photo.moc"
