// The program's style must look exactly like Fusion: it only changes how the frame picture of a
// group box is read.
#include "common/visualstyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QStyleFactory>
#include <QTest>

#include <memory>

using namespace tessel;

class TestVisualStyle : public QObject
{
    Q_OBJECT

    static QImage drawn(QStyle* style, const QString& title, bool checkable)
    {
        QWidget window;
        window.setStyle(style);
        auto* box = new QGroupBox(title, &window);
        box->setStyle(style);
        box->setCheckable(checkable);
        box->setGeometry(5, 5, 180, 90);
        auto* inside = new QCheckBox(QStringLiteral("Inside"), box);
        inside->setStyle(style);
        inside->move(10, 30);
        window.resize(200, 110);
        return window.grab().toImage();
    }

private slots:
    void groupBoxesLookAsFusionDrawsThem_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("checkable");
        QTest::newRow("titled") << QStringLiteral("Block count") << false;
        QTest::newRow("untitled") << QString() << false;
        QTest::newRow("checkable untitled") << QString() << true;
    }

    void groupBoxesLookAsFusionDrawsThem()
    {
        QFETCH(QString, title);
        QFETCH(bool, checkable);
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        std::unique_ptr<QStyle> ours(VisualStyle::create());
        QVERIFY(fusion && ours);
        const QImage expected = drawn(fusion.get(), title, checkable);
        const QImage actual = drawn(ours.get(), title, checkable);
        QCOMPARE(actual.size(), expected.size());
        QVERIFY(actual == expected);
        // The frame is really there: some pixel differs from the window's background.
        const QRgb background = actual.pixel(1, 1);
        bool framed = false;
        for (int y = 20; y < 95 && !framed; ++y)
            framed = actual.pixel(5, y) != background || actual.pixel(6, y) != background;
        QVERIFY(framed);
    }
};

QTEST_MAIN(TestVisualStyle)
#include "tst_visualstyle.moc"
