#include "board/slidepath.h"

#include <QtTest>

#include <cmath>

using namespace tessel;

class TestSlidePath : public QObject
{
    Q_OBJECT

private slots:
    void progressFromStartToEnd()
    {
        QCOMPARE(slideProgress(0, 100), 0.0);
        QCOMPARE(slideProgress(-5, 100), 0.0);
        QCOMPARE(slideProgress(100, 100), 1.0);
        QCOMPARE(slideProgress(250, 100), 1.0);
        // Cubic ease-out: half the time covers 1 - 0.5^3 of the way.
        QCOMPARE(slideProgress(50, 100), 0.875);
        QCOMPARE(slideProgress(25, 100), 1.0 - 0.75 * 0.75 * 0.75);
        // No duration: done at once.
        QCOMPARE(slideProgress(0, 0), 1.0);
    }

    void progressNeverGoesBack()
    {
        double last = 0.0;
        for (int ms = 0; ms <= 100; ++ms) {
            const double now = slideProgress(ms, 100);
            QVERIFY2(now >= last, qPrintable(QString::number(ms)));
            // Eased out: always ahead of an even pace until the end.
            QVERIFY(now >= ms / 100.0);
            last = now;
        }
    }

    void positionAtTheEndsIsTheCells()
    {
        const QPoint from(10, 40), to(95, 40);
        for (double ratio : { 1.0, 1.25, 1.5, 2.0, 3.0 }) {
            QCOMPARE(slidePosition(from, to, 0.0, ratio), QPointF(from));
            QCOMPARE(slidePosition(from, to, 1.0, ratio), QPointF(to));
            // Out of range clamps to the ends.
            QCOMPARE(slidePosition(from, to, 1.5, ratio), QPointF(to));
            QCOMPARE(slidePosition(from, to, -1.0, ratio), QPointF(from));
        }
    }

    void positionOnTheDevicePixelGrid_data()
    {
        QTest::addColumn<double>("ratio");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.25") << 1.25;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
    }

    void positionOnTheDevicePixelGrid()
    {
        QFETCH(double, ratio);
        // Vertical slide, up: x stays, y falls from 201 to 117 (at 1.25 and 1.5 neither is on
        // the device grid: the block keeps the phase its cell drew it at).
        const QPoint from(33, 201), to(33, 117);
        for (int step = 0; step < 20; ++step) {
            const double t = step / 20.0;
            const QPointF at = slidePosition(from, to, t, ratio);
            QCOMPARE(at.x(), 33.0);
            const double device = (at.y() - from.y()) * ratio;
            // Whole device pixels from its cell, within half a device pixel of the exact way.
            QVERIFY2(std::abs(device - std::round(device)) < 1e-9, qPrintable(QString::number(t)));
            const double exact = (117 - 201) * t * ratio;
            QVERIFY(std::abs(device - exact) <= 0.5 + 1e-9);
        }
    }
};

QTEST_GUILESS_MAIN(TestSlidePath)
#include "tst_slidepath.moc"
