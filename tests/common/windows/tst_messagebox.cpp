#include "common/messagebox.h"
#include "support/testsupport.h"

#include <QScreen>
#include <QtTest>

using namespace tessel;
using namespace tessel::test;

class TestMessageBox : public QObject
{
    Q_OBJECT

private:
    // Arms the centring with `owner` active, shows a 400 x 300 window placed at (5, 5) and
    // tells where its frame went and how large the frame is.
    QRect shownFrame(QWidget* owner)
    {
        if (owner) {
            owner->show();
            QApplication::setActiveWindow(owner);
        }
        CenterNextMessageBox();
        QWidget box;
        box.setGeometry(5, 5, 400, 300);
        box.show();
        return box.frameGeometry();
    }

    // Where a window placed at (5, 5) lands when nothing moves it.
    static QPoint unmovedFrame()
    {
        QWidget box;
        box.setGeometry(5, 5, 400, 300);
        box.show();
        return box.frameGeometry().topLeft();
    }

private slots:
    void centresTheNextWindowOnTheActiveOne()
    {
        QWidget owner;
        owner.setGeometry(100, 100, 800, 600);
        const QRect box = shownFrame(&owner);
        const QRect frame = owner.frameGeometry();
        // Frame sizes are even here, so the halves are exact.
        QCOMPARE(box.topLeft(),
                 QPoint(frame.x() + frame.width() / 2 - box.width() / 2,
                        frame.y() + frame.height() / 2 - box.height() / 2));
        QVERIFY(!centringArmed());

        // One shot: the window shown after that one stays where it was put.
        QWidget later;
        later.setGeometry(5, 5, 400, 300);
        later.show();
        QCOMPARE(later.frameGeometry().topLeft(), unmovedFrame());
    }

    void withoutActiveWindowCentresOnTheScreen()
    {
        QApplication::setActiveWindow(nullptr);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect box = shownFrame(nullptr);
        QCOMPARE(box.topLeft(),
                 QPoint(screen.x() + screen.width() / 2 - box.width() / 2,
                        screen.y() + screen.height() / 2 - box.height() / 2));
    }

    void minimisedOwnerLeavesTheBoxAlone()
    {
        QWidget owner;
        owner.setGeometry(100, 100, 800, 600);
        owner.show();
        owner.setWindowState(Qt::WindowMinimized);
        QApplication::setActiveWindow(&owner);
        QVERIFY(owner.isMinimized());
        CenterNextMessageBox();
        QWidget box;
        box.setGeometry(5, 5, 400, 300);
        box.show();
        QCOMPARE(box.frameGeometry().topLeft(), unmovedFrame());
        QVERIFY(!centringArmed());
    }

    void boxWithoutTitleShowsTheApplicationTitle()
    {
        FakeMessageBoxes boxes;
        showInformation(QStringLiteral("Firstly, please select a photo!"));
        QCOMPARE(boxes.shown().size(), 1);
        const MessageBoxRequest& box = boxes.shown().first();
        QCOMPARE(box.title, QStringLiteral("Tessel"));
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(box.centred);
        QVERIFY(!centringArmed());
    }

    void errorReportYesGoesOn()
    {
        FakeMessageBoxes boxes;
        ProgramEndSpy end;
        boxes.answerNext(QMessageBox::Yes);
        QVERIFY(!endsProgram([] {
            ShowErrorReport(TesselError(ErrorCode::TypeMismatch, QStringLiteral("Type mismatch")));
        }));
        QCOMPARE(end.ends(), 0);
        const MessageBoxRequest& box = boxes.shown().first();
        QCOMPARE(box.title, QStringLiteral("Error Occured!"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
        QVERIFY(box.centred);
        QVERIFY(box.text.endsWith(
            QStringLiteral("Error Code : 13\r\n\r\nError Message : Type mismatch")));
    }

    void errorReportNoEndsAtOnce()
    {
        FakeMessageBoxes boxes;
        ProgramEndSpy end;
        boxes.answerNext(QMessageBox::No);
        QVERIFY(endsProgram([] {
            ShowErrorReport(TesselError(ErrorCode::FileNotFound, QStringLiteral("File not found")));
        }));
        QCOMPARE(end.ends(), 1);
    }

    void reportingTrapResumesWithTheNextStep()
    {
        FakeMessageBoxes boxes;
        ProgramEndSpy end;
        QStringList ran;
        const ReportingTrap trap = reportingTrap();
        trap([&] { ran << "one"; });
        trap([&] {
            throw TesselError(ErrorCode::Overflow, QStringLiteral("Overflow"));
            ran << "never";
        });
        trap([&] { ran << "three"; });
        QCOMPARE(ran, QStringList({ "one", "three" }));
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(boxes.shown().first().text.contains(QStringLiteral("Error Code : 6")));

        // Anything else a step lets out is reported too, as a run-time error.
        boxes.clear();
        trap([] { throw std::out_of_range("vector index"); });
        QVERIFY(boxes.shown().first().text.contains(QStringLiteral("Error Code : 9")));
    }

    void ignoringTrapSwallows()
    {
        FakeMessageBoxes boxes;
        QVERIFY(!ignoreErrors([] { throw TesselError(ErrorCode::Overflow, QString()); }));
        QVERIFY(ignoreErrors([] {}));
        QVERIFY(boxes.shown().isEmpty());
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
