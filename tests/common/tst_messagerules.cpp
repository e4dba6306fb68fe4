#include "common/messagerules.h"

#include "version.h"

#include <QtTest>

using namespace tessel;

class TestMessageRules : public QObject
{
    Q_OBJECT

private slots:
    void centresOnOwner_data()
    {
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<QPoint>("position");
        // Owner (100,100)-(900,700).
        const QRect owner(100, 100, 800, 600);
        QTest::newRow("400 x 300 over 800 x 600")
            << owner << false << QSize(400, 300) << true << QPoint(300, 250);
        // 100 + 400 - 150.5 = 349.5 -> 350; 100 + 300 - 100.5 = 299.5 -> 300.
        QTest::newRow("odd box: halves up to even")
            << owner << false << QSize(301, 201) << true << QPoint(350, 300);
        // 100 + 400 - 151.5 = 348.5 -> 348; 100 + 300 - 101.5 = 298.5 -> 298.
        QTest::newRow("odd box: halves down to even")
            << owner << false << QSize(303, 203) << true << QPoint(348, 298);
        QTest::newRow("box larger than owner")
            << QRect(0, 0, 200, 100) << false << QSize(400, 300) << true << QPoint(-100, -100);
        QTest::newRow("owner minimised") << owner << true << QSize(400, 300) << false << QPoint();
        QTest::newRow("owner past the left edge")
            << QRect(-10, 100, 800, 600) << false << QSize(400, 300) << false << QPoint();
        QTest::newRow("owner past the top edge")
            << QRect(100, -1, 800, 600) << false << QSize(400, 300) << false << QPoint();
        QTest::newRow("owner at the origin")
            << QRect(0, 0, 800, 600) << false << QSize(400, 300) << true << QPoint(200, 150);
    }

    void centresOnOwner()
    {
        QFETCH(QRect, owner);
        QFETCH(bool, minimised);
        QFETCH(QSize, box);
        QFETCH(bool, moved);
        QFETCH(QPoint, position);
        const auto result = centredBoxPosition(owner, minimised, box);
        QCOMPARE(result.has_value(), moved);
        if (moved)
            QCOMPARE(*result, position);
    }

    void errorReportLayout()
    {
        const QString text = errorReportText(13, QStringLiteral("Type mismatch"));
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        // The two lines of string 40 share one piece: its line feed is not a CR LF.
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0],
                 QStringLiteral("Due to the error occured below, the program may not work! \n"
                                "Are you sure you want to continue?"));
        QCOMPARE(lines[1], QString());
        QCOMPARE(lines[2], QStringLiteral("Error Code : 13"));
        QCOMPARE(lines[3], QString());
        QCOMPARE(lines[4], QStringLiteral("Error Message : Type mismatch"));
    }

    void versionHasNothingBetweenMinorAndRevision()
    {
        QCOMPARE(versionText(1, 2, 0), QStringLiteral("1.20"));
        QCOMPARE(versionText(1, 2, 10), QStringLiteral("1.210"));
        QCOMPARE(versionText(2, 0, 3), QStringLiteral("2.03"));
    }

    // The build writes the version text for --version, the package and the metainfo; it is the
    // one the title and About show.
    void theBuildsVersionTextIsTheTitles()
    {
        QCOMPARE(QString::fromUtf8(version::text),
                 versionText(version::major, version::minor, version::revision));
        QCOMPARE(QString::fromUtf8(version::text), QStringLiteral("1.20"));
    }
};

QTEST_GUILESS_MAIN(TestMessageRules)
#include "tst_messagerules.moc"
