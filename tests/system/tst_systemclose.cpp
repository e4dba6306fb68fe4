#include "system/terminationsignals.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace tessel;

class TestSystemClose : public QObject
{
    Q_OBJECT

private slots:
    void signalsArriveOnTheEventLoop()
    {
        QSignalSpy spy(&TerminationSignals::instance(), &TerminationSignals::received);
        for (int signalNumber : { SIGTERM, SIGHUP, SIGINT })
            QVERIFY(::raise(signalNumber) == 0);
        QVERIFY(spy.count() == 3 || spy.wait(5000));
        QTRY_COMPARE(spy.count(), 3);
        QCOMPARE(spy.at(0).at(0).toInt(), SIGTERM);
        QCOMPARE(spy.at(2).at(0).toInt(), SIGINT);
    }

    // The whole program, ended by the system: it writes its settings without asking and ends
    // normally. A question box would block it, and the wait would fail.
    void terminatedProgramWritesItsSettings_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("SIGINT") << int(SIGINT);
    }

    void terminatedProgramWritesItsSettings()
    {
        QFETCH(int, signalNumber);
        QTemporaryDir config;
        QVERIFY(config.isValid());
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        // Held back until the program watches for it, so it arrives neither too early nor lost.
        program.setChildProcessModifier([] {
            sigset_t set;
            sigemptyset(&set);
            sigaddset(&set, SIGTERM);
            sigaddset(&set, SIGHUP);
            sigaddset(&set, SIGINT);
            pthread_sigmask(SIG_BLOCK, &set, nullptr);
        });
        program.start(QStringLiteral(TESSEL_EXECUTABLE), {});
        QVERIFY(program.waitForStarted(30000));
        QVERIFY(::kill(pid_t(program.processId()), signalNumber) == 0);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);

        QFile file(config.filePath(QStringLiteral("Velkor/Tessel.ini")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY2(text.startsWith("[Ayarlar]\nSol Bosluk="), text.constData());
        QVERIFY(text.contains("\nSon Bolme=0\n"));
        QVERIFY(text.contains("\nOrnek Goster=1\n"));
        QVERIFY(text.contains("\nSesleri Kapat=0\n"));
    }
};

QTEST_GUILESS_MAIN(TestSystemClose)
#include "tst_systemclose.moc"
