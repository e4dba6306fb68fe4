#include "common/shared.h"
#include "startup/startup.h"
#include "support/testsupport.h"

#include <QtTest>

using namespace tessel;
using namespace tessel::test;

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void tooOldSystemIsRefusedWithItsMessage()
    {
        FakeMessageBoxes boxes;
        ProgramEndSpy end;
        const auto nt4sp2 = [] {
            VersionQuery query;
            query.result = VersionQuery::Result::Record;
            query.platformId = 2;
            query.majorVersion = 4;
            query.servicePack = "Service Pack 2";
            return query;
        };
        QVERIFY(endsProgram([&] { CheckPlatformVersion(nt4sp2); }));
        QCOMPARE(end.ends(), 1);
        QCOMPARE(boxes.shown().size(), 1);
        const MessageBoxRequest& box = boxes.shown().first();
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.title, QStringLiteral("Tessel"));
        QVERIFY(box.centred);
        QVERIFY(box.text.startsWith(QStringLiteral("In order for the program to work")));
        QVERIFY(shared().IsNtPlatform);
    }

    void acceptedSystemSetsTheFlagQuietly()
    {
        FakeMessageBoxes boxes;
        ProgramEndSpy end;
        CheckPlatformVersion([] {
            VersionQuery query;
            query.result = VersionQuery::Result::Record;
            query.platformId = 1;
            return query;
        });
        QVERIFY(!shared().IsNtPlatform);
        CheckPlatformVersion([] { return VersionQuery {}; });
        QVERIFY(!shared().IsNtPlatform);
        QCOMPARE(end.ends(), 0);
        QVERIFY(boxes.shown().isEmpty());
    }

    void visualStylesStartWithoutError() { QVERIFY(InitVisualStyles()); }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
