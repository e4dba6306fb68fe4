#include "system/platform.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tessel;

Q_DECLARE_METATYPE(VersionQuery::Result)

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void decisionTable_data()
    {
        QTest::addColumn<VersionQuery::Result>("result");
        QTest::addColumn<uint>("platformId");
        QTest::addColumn<uint>("major");
        QTest::addColumn<QByteArray>("servicePack");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<bool>("isNt");
        using R = VersionQuery::Result;
        const QByteArray none;
        QTest::newRow("no record on this platform: accept")
            << R::NoRecord << 0u << 0u << none << true << false;
        QTest::newRow("call failed: refuse") << R::Failed << 0u << 0u << none << false << false;
        QTest::newRow("non-NT: accept") << R::Record << 1u << 4u << none << true << false;
        QTest::newRow("non-NT with old text: accept")
            << R::Record << 1u << 3u << QByteArray("Service Pack 1") << true << false;
        QTest::newRow("NT 3: refuse") << R::Record << 2u << 3u << none << false << true;
        QTest::newRow("NT 4 SP1: refuse")
            << R::Record << 2u << 4u << QByteArray("Service Pack 1") << false << true;
        QTest::newRow("NT 4 SP2: refuse")
            << R::Record << 2u << 4u << QByteArray("Service Pack 2") << false << true;
        QTest::newRow("NT 4 SP2 then NUL and junk: refuse")
            << R::Record << 2u << 4u << QByteArray("Service Pack 2\0junk", 19) << false << true;
        QTest::newRow("NT 4 no service pack: accept")
            << R::Record << 2u << 4u << none << true << true;
        QTest::newRow("NT 4 SP3: accept")
            << R::Record << 2u << 4u << QByteArray("Service Pack 3") << true << true;
        QTest::newRow("NT 4 other case: accept")
            << R::Record << 2u << 4u << QByteArray("service pack 2") << true << true;
        QTest::newRow("NT 4 trailing blank: accept")
            << R::Record << 2u << 4u << QByteArray("Service Pack 2 ") << true << true;
        QTest::newRow("NT 5 with SP1 text: accept")
            << R::Record << 2u << 5u << QByteArray("Service Pack 1") << true << true;
        QTest::newRow("NT 10: accept") << R::Record << 2u << 10u << none << true << true;
    }

    void decisionTable()
    {
        QFETCH(VersionQuery::Result, result);
        QFETCH(uint, platformId);
        QFETCH(uint, major);
        QFETCH(QByteArray, servicePack);
        QFETCH(bool, accept);
        QFETCH(bool, isNt);
        VersionQuery query;
        query.result = result;
        query.platformId = platformId;
        query.majorVersion = major;
        query.servicePack = servicePack;
        const PlatformDecision decision = decidePlatform(query);
        QCOMPARE(decision.accept, accept);
        if (accept)
            QCOMPARE(decision.isNtPlatform, isNt);
    }

    void thisPlatformRuns() { QVERIFY(decidePlatform(queryPlatformVersion()).accept); }

    void trailingSeparatorNeverDoubled_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain folder") << "/opt/tessel"
                                      << "/opt/tessel/";
        QTest::newRow("root") << "/"
                              << "/";
        QTest::newRow("drive root") << "C:/"
                                    << "C:/";
        QTest::newRow("drive root, backslash") << "C:\\"
                                               << "C:\\";
        QTest::newRow("already ends") << "/opt/tessel/"
                                      << "/opt/tessel/";
    }

    void trailingSeparatorNeverDoubled()
    {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QCOMPARE(withTrailingSeparator(folder), expected);
    }

    void pathExistsForFilesAndFolders()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("photo.jpg"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(PathExists(file));
        QVERIFY(PathExists(dir.path()));
        QVERIFY(PathExists(dir.path() + u'/'));
        QVERIFY(!PathExists(dir.filePath(QStringLiteral("missing.jpg"))));
        QVERIFY(!PathExists(QString()));
        QVERIFY(!PathExists(QString::fromLatin1("\0bad", 4)));
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
