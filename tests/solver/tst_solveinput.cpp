#include "solver/solveinput.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

#include <sys/stat.h>

using namespace tessel::solver;

namespace {

// A reader over bytes in memory, handing them out `chunk` at a time.
LineReader::Read fromBytes(const std::string& bytes, size_t chunk, size_t* handed = nullptr)
{
    return [bytes, chunk, handed, at = size_t(0)](char* to, size_t count) mutable {
        const size_t n = std::min({ count, chunk, bytes.size() - at });
        std::memcpy(to, bytes.data() + at, n);
        at += n;
        if (handed)
            *handed = at;
        return long(n);
    };
}

struct Outcome
{
    int exitCode = -1;
    QByteArray out, err;
};

// tessel-solve with `arguments`, standard input from `inputFile` when given.
Outcome runSolve(const QStringList& arguments, const QString& inputFile = {})
{
    QProcess process;
    if (!inputFile.isEmpty())
        process.setStandardInputFile(inputFile);
    process.start(QStringLiteral(TESSEL_SOLVE), arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
             process.readAllStandardOutput(), process.readAllStandardError() };
}

} // namespace

class TestSolveInput : public QObject
{
    Q_OBJECT

private slots:
    void linesAreCheckedNumberByNumber()
    {
        std::string error;
        auto line = parseInputLine("1 2 3 4 5 6 7 0 8 1", false, error);
        QVERIFY(line.has_value());
        QCOMPARE(line->board, (Board { 3, { 1, 2, 3, 4, 5, 6, 7, 0, 8 } }));
        QCOMPARE(line->given, 1);
        QCOMPARE(parseInputLine("\t1 2 3  4 5 6 7 0 8\r", false, error)->given, -1);

        // Numbers past any range are refused, never cut or turned negative.
        for (const char* text :
             { "1 2 3 4 5 6 7 8 0 4294967297", "1 2 3 4 5 6 7 8 0 2147483648",
               "1 2 3 4 5 6 7 8 0 1001", "1 2 3 4 5 6 7 8 0 99999999999999999999999",
               "1 2 3 4 5 6 7 8 0 -1", "4294967297 2 3 4 5 6 7 8 0" }) {
            QVERIFY2(!parseInputLine(text, false, error), text);
            QVERIFY2(error.find("out of range") != std::string::npos, error.c_str());
        }
        QVERIFY(parseInputLine("1 2 3 4 5 6 7 8 0 1000", false, error).has_value());
        QVERIFY(!parseInputLine("1 2 3 4 5 6 7 8 0 +3", false, error));
        QCOMPARE(error, std::string("not a list of numbers"));
        QVERIFY(!parseInputLine("1 2 3 4 5 6 7 9 0", false, error));
        QVERIFY(!parseInputLine("1 2 3 4 5 6 8 7 0", false, error));
        QCOMPARE(error, std::string("sliding cannot bring this board home"));
        QVERIFY(!parseInputLine("1 2 3", false, error));

        // Korf's form: an instance number, the empty cell top left in the goal.
        line = parseInputLine("7 1 0 2 3 4 5 6 7 8 1", true, error);
        QVERIFY(line.has_value());
        QCOMPARE(line->board, (Board { 3, { 1, 2, 3, 4, 5, 6, 7, 0, 8 } }));
        QVERIFY(!parseInputLine("4294967297 1 0 2 3 4 5 6 7 8 1", true, error));

        QVERIFY(isSkippedLine("  # a note"));
        QVERIFY(isSkippedLine(" \t\r"));
        QVERIFY(!isSkippedLine("1 2 3"));
    }

    void linesAreReadWithinTheirBound()
    {
        for (const size_t chunk : { size_t(1), size_t(7), size_t(100000) }) {
            LineReader reader(fromBytes("one\n\ntwo\r\nlast", chunk), 8);
            std::string line;
            QStringList lines;
            while (reader.next(line) == LineReader::Status::Line)
                lines << QString::fromStdString(line);
            QCOMPARE(lines, (QStringList { "one", "", "two\r", "last" }));
            QCOMPARE(reader.next(line), LineReader::Status::End);
        }
        // A line exactly at the bound passes; one byte more stops the reading, having taken
        // no more than the bound and a byte from its source.
        std::string line;
        LineReader exact(fromBytes("12345678\n", 3), 8);
        QCOMPARE(exact.next(line), LineReader::Status::Line);
        QCOMPARE(line, std::string("12345678"));
        size_t handed = 0;
        LineReader endless(fromBytes(std::string(1 << 20, '1'), 1 << 20, &handed), 8);
        QCOMPARE(endless.next(line), LineReader::Status::TooLong);
        QCOMPARE(handed, size_t(9));
        LineReader failing([](char*, size_t) { return -1L; });
        QCOMPARE(failing.next(line), LineReader::Status::Failed);
    }

    void theCommandRefusesWhatItCannotReadThrough()
    {
        QTemporaryDir dir;
        const QString boards = dir.filePath(QStringLiteral("boards.txt"));
        auto write = [&](const QByteArray& content) {
            QFile file(boards);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
                || file.write(content) != content.size())
                qFatal("cannot write");
        };

        write("1 2 3 4 5 6 7 0 8 1\n");
        Outcome ok = runSolve({ QStringLiteral("--check"), boards });
        QCOMPARE(ok.exitCode, 0);
        QVERIFY(ok.out.contains("expected 1, ok"));

        write("1 2 3 4 5 6 7 8 0 4294967297\n");
        Outcome range = runSolve({ QStringLiteral("--check"), boards });
        QCOMPARE(range.exitCode, 1);
        QVERIFY(range.out.contains("out of range: 4294967297"));
        QVERIFY(!range.out.contains("ok"));

        Outcome folder = runSolve({ dir.path() });
        QCOMPARE(folder.exitCode, 2);
        QVERIFY(folder.err.contains("a folder"));
        Outcome device = runSolve({ QStringLiteral("/dev/zero") });
        QCOMPARE(device.exitCode, 2);
        QVERIFY(device.err.contains("not a regular file"));
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        Outcome pipe = runSolve({ fifo });
        QCOMPARE(pipe.exitCode, 2);

        // Standard input without end, or with one endless line: stopped at the line's bound.
        Outcome zeros = runSolve({}, QStringLiteral("/dev/zero"));
        QCOMPARE(zeros.exitCode, 2);
        QVERIFY(zeros.err.contains("longer than any board needs"));
        write("1 2 3 4 5 6 7 0 8 1\n" + QByteArray(100000, '1') + "\n1 2 3 4 5 6 7 0 8 1\n");
        Outcome longLine = runSolve({}, boards);
        QCOMPARE(longLine.exitCode, 2);
        QVERIFY(longLine.out.startsWith("1:"));
        QVERIFY(longLine.err.contains("line 2 is longer"));
    }
};

QTEST_GUILESS_MAIN(TestSolveInput)
#include "tst_solveinput.moc"
