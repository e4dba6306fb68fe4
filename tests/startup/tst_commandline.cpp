// The command line: help, the version, an optional photo, and Qt's own options left to Qt;
// the program itself answers help and the version with no display.
#include "startup/commandline.h"

#include <QProcess>
#include <QtTest>

using namespace tessel;
using Outcome = CommandLine::Outcome;

namespace {

const QString program = QStringLiteral("tessel");

QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE" })
        environment.remove(QString::fromLatin1(name));
    return environment;
}

struct Answer
{
    int exitCode = -1;
    QString out;
    QString err;
};

Answer runProgram(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess tessel;
    tessel.setProcessEnvironment(environment);
    tessel.start(QStringLiteral(TESSEL_EXECUTABLE), arguments);
    Answer answer;
    if (!tessel.waitForFinished(60000) || tessel.exitStatus() != QProcess::NormalExit)
        return answer;
    answer.exitCode = tessel.exitCode();
    answer.out = QString::fromUtf8(tessel.readAllStandardOutput());
    answer.err = QString::fromUtf8(tessel.readAllStandardError());
    return answer;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void outcomes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("photo");
        QTest::newRow("nothing") << QStringList() << int(Outcome::Run) << QString();
        QTest::newRow("a photo") << QStringList { "My Photos/a.jpg" } << int(Outcome::Run)
                                 << "My Photos/a.jpg";
        QTest::newRow("--version")
            << QStringList { "--version" } << int(Outcome::Version) << QString();
        QTest::newRow("-v") << QStringList { "-v" } << int(Outcome::Version) << QString();
        QTest::newRow("--help") << QStringList { "--help" } << int(Outcome::Help) << QString();
        QTest::newRow("-h with a photo")
            << QStringList { "a.jpg", "-h" } << int(Outcome::Help) << QString();
        QTest::newRow("-?") << QStringList { "-?" } << int(Outcome::Help) << QString();
        QTest::newRow("an unknown option")
            << QStringList { "--shuffle" } << int(Outcome::Error) << QString();
        QTest::newRow("two photos")
            << QStringList { "a.jpg", "b.jpg" } << int(Outcome::Error) << QString();
        QTest::newRow("Qt's options with values")
            << QStringList { "-style", "fusion", "-platform", "offscreen", "a.jpg" }
            << int(Outcome::Run) << "a.jpg";
        QTest::newRow("Qt's options, = and --")
            << QStringList { "--style=fusion", "-reverse" } << int(Outcome::Run) << QString();
        QTest::newRow("Qt's option before --version")
            << QStringList { "-platform", "xcb", "--version" } << int(Outcome::Version)
            << QString();
        QTest::newRow("a photo named like an option, after --")
            << QStringList { "--", "-style.jpg" } << int(Outcome::Run) << "-style.jpg";
    }

    void outcomes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, outcome);
        QFETCH(QString, photo);
        const CommandLine line = readCommandLine(QStringList { program } + arguments);
        QCOMPARE(int(line.outcome), outcome);
        QCOMPARE(line.photo, photo);
        if (line.outcome == Outcome::Error)
            QVERIFY(!line.text.isEmpty());
    }

    void versionAndHelpTexts()
    {
        QCOMPARE(readCommandLine({ program, "--version" }).text, QStringLiteral("Tessel 1.20\n"));
        const QString help = readCommandLine({ program, "--help" }).text;
        for (const char* part : { "A photo sliding-block puzzle.", "[photo]", "--help", "--version",
                                  "A picture file (.bmp or .jpg) to play with." })
            QVERIFY2(help.contains(QLatin1String(part)), qPrintable(help));
        QVERIFY(readCommandLine({ program, "a.jpg", "b.jpg" })
                    .text.contains(QLatin1String("one photo")));
    }

    // The program answers before any window system is asked for: no display is needed.
    void theProgramAnswersWithoutADisplay_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("--version") << "--version" << 0 << "Tessel 1.20\n";
        QTest::newRow("--help") << "--help" << 0 << "Usage: ";
        QTest::newRow("unknown option") << "--shuffle" << 1 << "";
    }

    void theProgramAnswersWithoutADisplay()
    {
        QFETCH(QString, argument);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcess tessel;
        tessel.setProcessEnvironment(withoutDisplay());
        tessel.start(QStringLiteral(TESSEL_EXECUTABLE), { argument });
        QVERIFY(tessel.waitForFinished(60000));
        QCOMPARE(tessel.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tessel.exitCode(), exitCode);
        const QString printed = QString::fromLocal8Bit(tessel.readAllStandardOutput());
        if (exitCode == 0) {
            QVERIFY2(printed.startsWith(output), qPrintable(printed));
        } else {
            QVERIFY2(printed.isEmpty(), qPrintable(printed));
            QVERIFY(tessel.readAllStandardError().contains("shuffle"));
        }
    }

    // The help speaks the language of the locale, as the windows do; the texts are the
    // translators' (resources/translations/), Qt's own words ("Usage:") Qt's catalogue.
    void theHelpSpeaksTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("error");
        QTest::newRow("German")
            << "de"
            << QStringList { "Ein Schiebepuzzle mit Fotos.",
                             "Eine Bilddatei (.bmp oder .jpg), mit der gespielt wird.", "[foto]",
                             "Zeigt diese Hilfe an.", "Zeigt die Version an." }
            << "Bitte höchstens ein Foto angeben.";
        QTest::newRow("Turkish") << "tr"
                                 << QStringList { "Fotoğraflı bir kaydırmalı yapboz.",
                                                  "Oynanacak bir resim dosyası (.bmp ya da .jpg).",
                                                  "[fotoğraf]" }
                                 << "En çok bir fotoğraf verin.";
    }

    void theHelpSpeaksTheUsersLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, expected);
        QFETCH(QString, error);
        QProcessEnvironment environment = withoutDisplay();
        environment.insert(QStringLiteral("LANGUAGE"), language);
        const Answer help = runProgram({ QStringLiteral("--help") }, environment);
        QCOMPARE(help.exitCode, 0);
        for (const QString& text : expected)
            QVERIFY2(help.out.contains(text), qPrintable(help.out));
        QVERIFY2(!help.out.contains(QLatin1String("A photo sliding-block puzzle.")),
                 qPrintable(help.out));
        QVERIFY2(!help.out.startsWith(QLatin1String("Usage:")), qPrintable(help.out));

        const Answer two
            = runProgram({ QStringLiteral("a.jpg"), QStringLiteral("b.jpg") }, environment);
        QCOMPARE(two.exitCode, 1);
        QCOMPARE(two.err, error + u'\n');
        // The version line is the same in every language.
        QCOMPARE(runProgram({ QStringLiteral("--version") }, environment).out,
                 QStringLiteral("Tessel 1.20\n"));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
