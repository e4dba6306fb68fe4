// The About window's icon on a screen of two device pixels per pixel: the 32-pixel art at 64
// device pixels, every line two whole pixels wide, with nothing blended in.
#include "about/aboutinfo.h"
#include "about/hakkindaformu.h"

#include <QtTest>

using namespace tessel;

class TestAboutIconHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void theScreenIsTwiceAsFine() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void theArtAtARatio_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("2") << 2.0;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("3") << 3.0;
    }

    // Each design pixel becomes a block of whole device pixels: only the line colour and the
    // transparent ground, and as many line pixels as the ratio squared asks.
    void theArtAtARatio()
    {
        QFETCH(qreal, ratio);
        const QImage design = aboutIcon(1.0);
        const QImage icon = aboutIcon(ratio);
        const int side = qRound(32 * ratio);
        QCOMPARE(icon.size(), QSize(side, side));
        QCOMPARE(icon.devicePixelRatio(), ratio);
        const QRgb line = qRgb(108, 157, 255);
        int lines = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const QRgb pixel = icon.pixel(x, y);
                QVERIFY(pixel == line || qAlpha(pixel) == 0);
                lines += pixel == line ? 1 : 0;
                if (ratio == 2.0 || ratio == 3.0)
                    QCOMPARE(pixel, design.pixel(int(x / ratio), int(y / ratio)));
            }
        const double expected = 8 * 28 * ratio * ratio;
        QVERIFY2(std::abs(lines - expected) <= expected * 0.15, qPrintable(QString::number(lines)));
    }

    // What the window shows where the icon stands.
    void theWindowShowsItSharp()
    {
        QWidget owner;
        owner.resize(600, 400);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        auto* form = new HakkındaFormu(&owner);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QCOMPARE(form->SimgeKutusu->pixmap().devicePixelRatio(), 2.0);
        const QImage shown
            = form->SimgeKutusu->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage icon = aboutIcon(2.0);
        QCOMPARE(shown.size(), QSize(64, 64));
        const QRgb ground = form->Altlık->backColor().rgb();
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const QRgb want = qAlpha(icon.pixel(x, y)) == 0 ? ground : icon.pixel(x, y);
                QVERIFY2(shown.pixel(x, y) == (want | 0xff000000u),
                         qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            }
        form->close();
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestAboutIconHighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_abouticonhighdpi.moc"
