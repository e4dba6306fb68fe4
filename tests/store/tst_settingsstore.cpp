#include "common/errors.h"
#include "common/shared.h"
#include "store/closesettings.h"
#include "store/settingsstore.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace tessel;

namespace {

const QString app = QStringLiteral("Velkor\\Tessel");

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList keysOf(const KeyValuePairs& pairs)
{
    QStringList keys;
    for (const auto& pair : pairs)
        keys << pair.first;
    return keys;
}

// Helper process: "--write-keys <file> <prefix> <ms>" saves <prefix>-0, <prefix>-1, ... one
// operation each, for <ms> milliseconds, and prints how many it wrote.
int writeKeys(const QString& path, const QString& prefix, int milliseconds)
{
    SettingsStore store(path);
    QElapsedTimer clock;
    clock.start();
    int count = 0;
    while (clock.elapsed() < milliseconds) {
        store.SaveSetting(app, QStringLiteral("Yarış"), prefix + u'-' + QString::number(count),
                          QString::number(count));
        store.SaveSetting(app, QStringLiteral("Yarış"), QStringLiteral("Son"), prefix);
        ++count;
    }
    std::printf("%d\n", count);
    return 0;
}

// Helper process: "--rewrite-generations <file>" rewrites 300 long keys with the same
// generation number in one batch each, until it is killed.
int rewriteGenerations(const QString& path)
{
    SettingsStore store(path);
    const QString padding(200, u'ş');
    std::printf("ready\n");
    std::fflush(stdout);
    for (int generation = 1;; ++generation) {
        SettingsBatch batch = store.beginBatch();
        for (int i = 0; i < 300; ++i)
            batch.SaveSetting(app, QStringLiteral("Nesil"), QStringLiteral("K-%1").arg(i),
                              QString::number(generation) + u'|' + padding);
        batch.commit();
    }
}

// A photo path longer than the file-size limit the full-disk helper sets (6 KB), and shorter
// than the write buffer of Qt's files (16 KB), which is where a short write went unseen.
QString longPhotoPath()
{
    return QStringLiteral("/home/oyuncu/") + QString(3000, u'ş') + QStringLiteral(".jpg");
}

// Helper process: "--write-over-limit <file> <save|close>" writes one setting, or what the
// close writes, with no room for more than 4 KB in any file, as on a disk that is full. Prints
// "raised <number>" or "written".
int writeOverLimit(const QString& path, const QString& what)
{
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the process
    const rlimit limit { 4096, 4096 };
    setrlimit(RLIMIT_FSIZE, &limit);
    SettingsStore store(path);
    try {
        if (what == QLatin1String("save")) {
            store.SaveSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Fotograf"),
                              longPhotoPath());
        } else {
            CloseSnapshot snapshot;
            snapshot.photoPath = longPhotoPath();
            snapshot.saveOnExit = 1;
            snapshot.gameRunning = true;
            for (const char* value : { "1", "0", "2", "3", "4", "5", "6", "7", "8B" })
                snapshot.gameCells.emplace_back(
                    QStringLiteral("Foto-%1").arg(snapshot.gameCells.size()),
                    QString::fromLatin1(value));
            for (const char* key :
                 { "Saniye Bilgisi", "Dakika Bilgisi", "Saat Bilgisi", "Hamle Bilgisi" })
                snapshot.gameInfo.emplace_back(QString::fromLatin1(key), QStringLiteral("0"));
            KeyValuePairs savedGame;
            writeCloseSettings(store, snapshot, savedGame);
        }
        std::printf("written\n");
    } catch (const TesselError& error) {
        std::printf("raised %d\n", error.number());
    }
    return 0;
}

// Helper process: "--use-store <file>" reads "Son Bolme" (default "none"), then tries to write
// it, and prints what it read and "raised <number>" or "written".
int useStore(const QString& path)
{
    SettingsStore store(path);
    std::printf("%s\n",
                qPrintable(store.GetSetting(app, QStringLiteral("Ayarlar"),
                                            QStringLiteral("Son Bolme"), QStringLiteral("none"))));
    try {
        store.SaveSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme"), "1");
        std::printf("written\n");
    } catch (const TesselError& error) {
        std::printf("raised %d\n", error.number());
    }
    return 0;
}

// Runs this program as a helper; its output, or a failure when it does not end in time.
QString runHelper(const QStringList& arguments)
{
    QProcess helper;
    helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    helper.start(QCoreApplication::applicationFilePath(), arguments);
    if (!helper.waitForFinished(60000)) {
        helper.kill();
        helper.waitForFinished();
        return QStringLiteral("(did not end)");
    }
    if (helper.exitStatus() != QProcess::NormalExit || helper.exitCode() != 0)
        return QStringLiteral("(failed)");
    return QString::fromUtf8(helper.readAllStandardOutput()).trimmed();
}

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const char* name = "Tessel.ini") const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        shared().SettingsAppName = app;
    }

    void init() { QFile::remove(path()); }

    void readAllKeepsTheOrderWritten()
    {
        SettingsStore store(path());
        for (int i = 0; i <= 11; ++i)
            store.SaveSetting(app, QStringLiteral("Oyun"), QStringLiteral("Foto-%1").arg(i),
                              QString::number(11 - i));
        const KeyValuePairs pairs
            = SettingsStore(path()).GetAllSettings(app, QStringLiteral("Oyun"));
        QCOMPARE(pairs.size(), size_t(12));
        QCOMPARE(pairs[9].first, QStringLiteral("Foto-9"));
        QCOMPARE(pairs[10].first, QStringLiteral("Foto-10"));
        QCOMPARE(pairs[10].second, QStringLiteral("1"));
        QCOMPARE(pairs[11].first, QStringLiteral("Foto-11"));
    }

    void overwriteKeepsThePlaceAndNewSectionsGoLast()
    {
        SettingsStore store(path());
        store.SaveSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme"), "2");
        store.SaveSetting(app, QStringLiteral("Oyun"), QStringLiteral("Foto-0"), "0");
        store.SaveSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Fotograf"), "a");
        store.SaveSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme"), "1");
        store.SaveSetting(app, QStringLiteral("Oyun\\Bilgiler"), QStringLiteral("Saat Bilgisi"),
                          "3");
        QCOMPARE(fileBytes(path()),
                 QByteArray("[Ayarlar]\nSon Bolme=1\nSon Fotograf=a\n\n"
                            "[Oyun]\nFoto-0=0\n\n"
                            "[Oyun\\Bilgiler]\nSaat Bilgisi=3\n"));
    }

    void sectionAddresses_data()
    {
        QTest::addColumn<QString>("writeApp");
        QTest::addColumn<QString>("writeSection");
        QTest::addColumn<QString>("readApp");
        QTest::addColumn<QString>("readSection");
        QTest::newRow("app\\Oyun + Bilgiler, read as app + Oyun\\Bilgiler")
            << app + "\\Oyun"
            << "Bilgiler" << app << "Oyun\\Bilgiler";
        QTest::newRow("app + Oyun\\Bilgiler, read as app\\Oyun + Bilgiler")
            << app << "Oyun\\Bilgiler" << app + "\\Oyun"
            << "Bilgiler";
        QTest::newRow("Velkor + Tessel\\Ayarlar") << "Velkor"
                                                  << "Tessel\\Ayarlar" << app << "Ayarlar";
        QTest::newRow("doubled and outer separators")
            << app + "\\"
            << "\\Oyun\\\\Bilgiler\\" << app << "Oyun\\Bilgiler";
    }

    void sectionAddresses()
    {
        QFETCH(QString, writeApp);
        QFETCH(QString, writeSection);
        QFETCH(QString, readApp);
        QFETCH(QString, readSection);
        SettingsStore store(path());
        store.SaveSetting(writeApp, writeSection, QStringLiteral("Hamle Bilgisi"), "17");
        QCOMPARE(store.GetSetting(readApp, readSection, QStringLiteral("Hamle Bilgisi")), "17");
        QCOMPARE(fileBytes(path()).count('['), 1);
        store.DeleteSetting(readApp, readSection);
        QVERIFY(store.GetAllSettings(writeApp, writeSection).empty());
    }

    void addressOutsideTheApplicationIsRefused_data()
    {
        QTest::addColumn<QString>("appName");
        QTest::addColumn<QString>("section");
        QTest::newRow("other application") << "Velkor\\Other"
                                           << "Ayarlar";
        QTest::newRow("no section") << app << "";
        QTest::newRow("root only") << "Velkor"
                                   << "Tessel";
    }

    void addressOutsideTheApplicationIsRefused()
    {
        QFETCH(QString, appName);
        QFETCH(QString, section);
        SettingsStore store(path());
        try {
            store.SaveSetting(appName, section, QStringLiteral("k"), QStringLiteral("v"));
            QFAIL("no error");
        } catch (const TesselError& error) {
            QCOMPARE(error.code(), ErrorCode::InvalidCall);
        }
        QVERIFY(!QFile::exists(path()));
    }

    void readingDoesNotCreateTheFile()
    {
        SettingsStore store(m_dir.filePath(QStringLiteral("new/Velkor/Tessel.ini")));
        QCOMPARE(store.GetSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme"), "0"),
                 "0");
        QCOMPARE(store.GetSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Klasor")),
                 QString());
        QVERIFY(store.GetAllSettings(app, QStringLiteral("Oyun")).empty());
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("new"))));
        store.SaveSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme"), "2");
        QCOMPARE(SettingsStore(store.filePath())
                     .GetSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme")),
                 "2");
    }

    void deleteThenRead()
    {
        SettingsStore store(path());
        store.SaveSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme"), "1");
        store.SaveSetting(app, QStringLiteral("Oyun"), QStringLiteral("Foto-0"), "0B");
        store.SaveSetting(app, QStringLiteral("Oyun\\Bilgiler"), QStringLiteral("Saniye Bilgisi"),
                          "5");
        store.DeleteSetting(app + "\\Oyun", QStringLiteral("Bilgiler"));
        QCOMPARE(store.GetSetting(app, QStringLiteral("Oyun\\Bilgiler"),
                                  QStringLiteral("Saniye Bilgisi"), "0"),
                 "0");
        QCOMPARE(store.GetAllSettings(app, QStringLiteral("Oyun")).size(), size_t(1));
        store.DeleteSetting(app, QStringLiteral("Oyun"));
        QVERIFY(store.GetAllSettings(app, QStringLiteral("Oyun")).empty());
        QCOMPARE(store.GetSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme")),
                 "1");
        // Gone: deleting again is the error the callers ignore, and changes nothing.
        const QByteArray before = fileBytes(path());
        QVERIFY_THROWS_EXCEPTION(TesselError, store.DeleteSetting(app, QStringLiteral("Oyun")));
        QCOMPARE(fileBytes(path()), before);
    }

    void deletingAParentTakesItsSubsectionAlong()
    {
        // No orphaned "Oyun\Bilgiler" whatever order a remover uses.
        SettingsStore store(path());
        store.SaveSetting(app, QStringLiteral("Oyun"), QStringLiteral("Foto-0"), "0B");
        store.SaveSetting(app, QStringLiteral("Oyun\\Bilgiler"), QStringLiteral("Saat Bilgisi"),
                          "1");
        store.SaveSetting(app, QStringLiteral("Oyunlar"), QStringLiteral("x"), "y");
        store.DeleteSetting(app, QStringLiteral("Oyun"));
        QVERIFY(store.GetAllSettings(app, QStringLiteral("Oyun\\Bilgiler")).empty());
        QCOMPARE(store.GetSetting(app, QStringLiteral("Oyunlar"), QStringLiteral("x")), "y");
    }

    void textsRoundTripExactly_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("equals signs") << "a=b"
                                      << "=c==d=";
        QTest::newRow("backslashes") << "C:\\Photos\\"
                                     << "\\\\server\\share\\n";
        QTest::newRow("line breaks") << "two\nlines"
                                     << "a\r\nb\rc\n";
        QTest::newRow("leading and trailing blanks") << "  key "
                                                     << "   value \t ";
        QTest::newRow("only a blank") << " "
                                      << " ";
        QTest::newRow("non-ASCII") << "Fotoğraf Şekli"
                                   << "/home/çiğdem/Resimler/Öğle ışığı.jpg";
        QTest::newRow("beyond the basic plane") << "🧩"
                                                << "x🙂y";
        QTest::newRow("control characters") << QString("a\tb\x01") << QString("\x7f\x1b[0m");
        QTest::newRow("header and comment look-alikes") << "[Oyun]"
                                                        << "[Ayarlar]";
        QTest::newRow("comment marks") << ";x"
                                       << "#y";
        QTest::newRow("other white space")
            << QString::fromUtf8("\u00a0k\u3000") << QString::fromUtf8("\u00a0v\u2028");
        QTest::newRow("byte order mark")
            << QString::fromUtf8("\ufeffk") << QString::fromUtf8("\ufeff");
        QTest::newRow("half a surrogate pair")
            << QString(QChar(0xD83D)) << QString(QChar(0xDE00)) + "x";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("escape look-alikes") << "\\n\\s"
                                            << "\\u0041\\";
    }

    void textsRoundTripExactly()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        SettingsStore(path()).SaveSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("önce"),
                                          "1");
        SettingsStore(path()).SaveSetting(app, QStringLiteral("Ayarlar"), key, value);
        SettingsStore(path()).SaveSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("sonra"),
                                          "2");
        const SettingsStore store(path());
        QCOMPARE(store.GetSetting(app, QStringLiteral("Ayarlar"), key, QStringLiteral("?")), value);
        const KeyValuePairs pairs = store.GetAllSettings(app, QStringLiteral("Ayarlar"));
        QCOMPARE(pairs.size(), size_t(3));
        QCOMPARE(pairs[1].first, key);
        QCOMPARE(pairs[1].second, value);
        QCOMPARE(pairs[2].second, QStringLiteral("2"));
        // One line per key, readable as UTF-8.
        const QByteArray bytes = fileBytes(path());
        QCOMPARE(bytes.count('\n'), 4);
        QCOMPARE(SettingsDocument::parse(bytes).droppedLines(), 0);
        QVERIFY(QString::fromUtf8(bytes).toUtf8() == bytes);
    }

    void handEditedFileIsRead()
    {
        writeBytes(path(),
                   "\xEF\xBB\xBF; written by hand\r\n"
                   "  [Ayarlar]\t\r\n"
                   "  Son Bolme = 2  \r\n"
                   "# a note\r\n"
                   "\r\n"
                   "Son Fotograf=/tmp/a b.jpg\r\n"
                   "[Oyun\\\\Bilgiler\\]\r\n"
                   "Saat Bilgisi=4\r\n");
        SettingsStore store(path());
        QCOMPARE(store.GetSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme")),
                 "2");
        QCOMPARE(store.GetSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Fotograf")),
                 "/tmp/a b.jpg");
        QCOMPARE(
            store.GetSetting(app, QStringLiteral("Oyun\\Bilgiler"), QStringLiteral("Saat Bilgisi")),
            "4");
    }

    void damagedFileIsReadAsFarAsItParses_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("keys"); // what survives in [Ayarlar]
        QTest::addColumn<int>("dropped");
        QTest::newRow("lines without a key")
            << QByteArray("[Ayarlar]\nSon Bolme=1\ngarbage\n\\\nSon Fotograf=x\n")
            << QStringList { "Son Bolme", "Son Fotograf" } << 2;
        QTest::newRow("invalid UTF-8 in a value")
            << QByteArray("[Ayarlar]\nSon Bolme=\xff\xfe\nSon Fotograf=\xc3\xa7\n")
            << QStringList { "Son Fotograf" } << 1;
        QTest::newRow("invalid UTF-8 in a header drops its lines")
            << QByteArray("[Ayarlar]\nSon Bolme=1\n[Oy\xc0un]\nFoto-0=1\n[Oyun]\nFoto-1=2\n")
            << QStringList { "Son Bolme" } << 2;
        QTest::newRow("lines before any header")
            << QByteArray("Son Bolme=1\n[Ayarlar]\nSon Fotograf=x\n")
            << QStringList { "Son Fotograf" } << 1;
        QTest::newRow("truncated in an escape")
            << QByteArray("[Ayarlar]\nSon Bolme=1\nSon Fotograf=C:\\")
            << QStringList { "Son Bolme" } << 1;
        QTest::newRow("truncated in a header")
            << QByteArray("[Ayarlar]\nSon Bolme=1\n[Oyu") << QStringList { "Son Bolme" } << 1;
        QTest::newRow("zeros after a crash")
            << QByteArray("[Ayarlar]\nSon Bolme=1\n") + QByteArray(64, '\0')
            << QStringList { "Son Bolme" } << 1;
        QTest::newRow("broken \\u escape")
            << QByteArray("[Ayarlar]\nSon Bolme=\\u12\nSon Fotograf=\\u00e7\n")
            << QStringList { "Son Fotograf" } << 1;
        QTest::newRow("empty header")
            << QByteArray("[]\nSon Bolme=1\n[Ayarlar]\nx=y\n") << QStringList { "x" } << 2;
    }

    void damagedFileIsReadAsFarAsItParses()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, keys);
        QFETCH(int, dropped);
        writeBytes(path(), bytes);
        QCOMPARE(SettingsDocument::parse(bytes).droppedLines(), dropped);
        SettingsStore store(path());
        QCOMPARE(keysOf(store.GetAllSettings(app, QStringLiteral("Ayarlar"))), keys);
        // The next write keeps what parsed and leaves a well-formed file.
        store.SaveSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Yeni"), "1");
        const SettingsDocument after = SettingsDocument::parse(fileBytes(path()));
        QCOMPARE(after.droppedLines(), 0);
        QCOMPARE(keysOf(after.values(QStringLiteral("Ayarlar"))), keys + QStringList { "Yeni" });
    }

    void anyDamageParsesAndWritesBackCleanly()
    {
        // Every truncation and random byte damage of a real file: no crash, and what parsed
        // writes back to a file that reads the same and drops nothing.
        SettingsDocument document;
        for (int i = 0; i < 9; ++i)
            document.setValue(QStringLiteral("Oyun"), QStringLiteral("Foto-%1").arg(i),
                              QString::number(i));
        document.setValue(QStringLiteral("Ayarlar"), QStringLiteral("Son Fotograf"),
                          QStringLiteral(" /home/çiğdem/a=b\\c\n.jpg"));
        document.setValue(QStringLiteral("Oyun\\Bilgiler"), QStringLiteral("Saat Bilgisi"), "1");
        const QByteArray good = document.toUtf8();
        QRandomGenerator random(20260301);
        auto check = [](const QByteArray& bytes) {
            const SettingsDocument parsed = SettingsDocument::parse(bytes);
            const QByteArray written = parsed.toUtf8();
            const SettingsDocument again = SettingsDocument::parse(written);
            QCOMPARE(again.droppedLines(), 0);
            QCOMPARE(again.toUtf8(), written);
        };
        for (qsizetype cut = 0; cut <= good.size(); ++cut)
            check(good.first(cut));
        for (int round = 0; round < 500; ++round) {
            QByteArray bytes = good;
            for (int n = random.bounded(1, 4); n > 0; --n)
                bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
            check(bytes);
            if (QTest::currentTestFailed())
                qFatal("failed on %s", bytes.toHex().constData());
        }
    }

    void batchIsOneReplace()
    {
        SettingsStore store(path());
        store.SaveSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme"), "0");
        const QDateTime before = QFileInfo(path()).lastModified();
        {
            SettingsBatch batch = store.beginBatch();
            batch.SaveSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme"), "2");
            QCOMPARE(batch.GetSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme")),
                     "2");
            // Not on disk before the commit.
            QCOMPARE(fileBytes(path()), QByteArray("[Ayarlar]\nSon Bolme=0\n"));
        }
        // Dropped without commit: nothing written.
        QCOMPARE(QFileInfo(path()).lastModified(), before);
        SettingsBatch batch = store.beginBatch();
        batch.SaveSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme"), "2");
        batch.commit();
        QCOMPARE(store.GetSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme")),
                 "2");
    }

    void twoProcessesWritingTogetherLoseNothing()
    {
        const QString file = path("race.ini");
        QProcess a, b;
        for (QProcess* p : { &a, &b }) {
            p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            p->start(QCoreApplication::applicationFilePath(),
                     { QStringLiteral("--write-keys"), file, p == &a ? "A" : "B", "2500" });
        }
        for (QProcess* p : { &a, &b }) {
            QVERIFY(p->waitForFinished(60000));
            QCOMPARE(p->exitStatus(), QProcess::NormalExit);
            QCOMPARE(p->exitCode(), 0);
        }
        const int countA = a.readAllStandardOutput().trimmed().toInt();
        const int countB = b.readAllStandardOutput().trimmed().toInt();
        QVERIFY2(countA > 10 && countB > 10,
                 qPrintable(QStringLiteral("%1 %2").arg(countA).arg(countB)));

        const SettingsDocument document = SettingsDocument::parse(fileBytes(file));
        QCOMPARE(document.droppedLines(), 0);
        const KeyValuePairs pairs = document.values(QStringLiteral("Yarış"));
        QCOMPARE(pairs.size(), size_t(countA + countB + 1));
        for (const auto& [prefix, count] : { std::pair { "A", countA }, std::pair { "B", countB } })
            for (int i = 0; i < count; ++i)
                QCOMPARE(*document.value(QStringLiteral("Yarış"),
                                         QStringLiteral("%1-%2").arg(prefix).arg(i)),
                         QString::number(i));
        const QString last = *document.value(QStringLiteral("Yarış"), QStringLiteral("Son"));
        QVERIFY(last == "A" || last == "B");
    }

    void killedWriterLeavesAWholeFile()
    {
        const QString file = path("killed.ini");
        {
            SettingsBatch batch = SettingsStore(file).beginBatch();
            for (int i = 0; i < 300; ++i)
                batch.SaveSetting(app, QStringLiteral("Nesil"), QStringLiteral("K-%1").arg(i),
                                  QStringLiteral("0|"));
            batch.commit();
        }
        QRandomGenerator random(7);
        QSet<int> generationsSeen;
        for (int round = 0; round < 8; ++round) {
            QProcess writer;
            writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            writer.start(QCoreApplication::applicationFilePath(),
                         { QStringLiteral("--rewrite-generations"), file });
            QVERIFY(writer.waitForReadyRead(30000));
            QTest::qSleep(random.bounded(30, 300));
            ::kill(pid_t(writer.processId()), SIGKILL);
            QVERIFY(writer.waitForFinished(30000));

            // Every key of one generation: the old file or a new one, never a mixture.
            const SettingsDocument document = SettingsDocument::parse(fileBytes(file));
            QCOMPARE(document.droppedLines(), 0);
            const KeyValuePairs pairs = document.values(QStringLiteral("Nesil"));
            QCOMPARE(pairs.size(), size_t(300));
            const QString generation = pairs.front().second.section(u'|', 0, 0);
            for (const auto& pair : pairs)
                QCOMPARE(pair.second.section(u'|', 0, 0), generation);
            generationsSeen.insert(generation.toInt());

            // The dead writer's lock does not hold up the next operation.
            QElapsedTimer clock;
            clock.start();
            SettingsStore(file).SaveSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("x"),
                                            QString::number(round));
            QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
        }
        QVERIFY(generationsSeen.size() > 1); // the writers did get to write
    }

    // The disk full at a save or at the close: the old store stays byte for byte, the error is
    // raised, and the unfinished copy beside it goes.
    void aFullDiskKeepsTheOldStoreByteForByte_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("a save") << "save";
        QTest::newRow("the close's writes") << "close";
    }

    void aFullDiskKeepsTheOldStoreByteForByte()
    {
        QFETCH(QString, what);
        const QString file = path("full.ini");
        QFile::remove(file);
        SettingsStore(file).SaveSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme"),
                                        QStringLiteral("2"));
        SettingsStore(file).SaveSetting(app, QStringLiteral("Oyun"), QStringLiteral("Foto-0"),
                                        QStringLiteral("0B"));
        const QByteArray before = fileBytes(file);
        QCOMPARE(runHelper({ QStringLiteral("--write-over-limit"), file, what }),
                 QStringLiteral("raised 75"));
        QCOMPARE(fileBytes(file), before);
        QCOMPARE(QDir(m_dir.path())
                     .entryList({ QStringLiteral("full.ini*") }, QDir::Files | QDir::Hidden),
                 QStringList { QStringLiteral("full.ini") });
        // With room again, the same write goes through.
        SettingsStore(file).SaveSetting(app, QStringLiteral("Ayarlar"),
                                        QStringLiteral("Son Fotograf"), longPhotoPath());
        QCOMPARE(SettingsStore(file).GetSetting(app, QStringLiteral("Ayarlar"),
                                                QStringLiteral("Son Fotograf")),
                 longPhotoPath());
    }

    // What stands in the store's place and is no store: read as an empty store, without
    // waiting on it, and never written over.
    void aSpecialFileInPlaceOfTheStore_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a pipe") << "pipe";
        QTest::newRow("a link to /dev/zero") << "zero";
        QTest::newRow("a file over 64 MB") << "large";
    }

    void aSpecialFileInPlaceOfTheStore()
    {
        QFETCH(QString, kind);
        const QString file = path("special.ini");
        QFile::remove(file);
        const QByteArray head("[Ayarlar]\nSon Bolme=2\n");
        if (kind == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        } else if (kind == QLatin1String("zero")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), file));
        } else {
            writeBytes(file, head);
            QVERIFY(QFile::resize(file, maxSettingsFileBytes + 1)); // sparse: no disk used
        }
        const QString outcome = runHelper({ QStringLiteral("--use-store"), file });
        QCOMPARE(outcome, QStringLiteral("none\nraised 75"));
        struct stat status = {};
        QCOMPARE(::lstat(QFile::encodeName(file).constData(), &status), 0);
        if (kind == QLatin1String("pipe")) {
            QVERIFY(S_ISFIFO(status.st_mode));
        } else if (kind == QLatin1String("zero")) {
            QVERIFY(S_ISLNK(status.st_mode));
            QCOMPARE(QFile::symLinkTarget(file), QStringLiteral("/dev/zero"));
        } else {
            QCOMPARE(qint64(status.st_size), qint64(maxSettingsFileBytes + 1));
            QFile large(file);
            QVERIFY(large.open(QIODevice::ReadOnly));
            QCOMPARE(large.read(head.size()), head);
        }
        QFile::remove(file);
    }

    // The bound is the bound: a store of 64 MB exactly is read.
    void aStoreOf64MBIsStillRead()
    {
        const QString file = path("large.ini");
        writeBytes(file, "[Ayarlar]\nSon Bolme=2\n");
        QVERIFY(QFile::resize(file, maxSettingsFileBytes));
        QCOMPARE(SettingsStore(file).GetSetting(app, QStringLiteral("Ayarlar"),
                                                QStringLiteral("Son Bolme")),
                 QStringLiteral("2"));
        QFile::remove(file);
    }

    void aHoldReadsTheFileOnceForAllItsReads()
    {
        SettingsStore store(path());
        store.SaveSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme"), "1");
        store.SaveSetting(app, QStringLiteral("Oyun"), QStringLiteral("Foto-0"), "0B");
        const int before = store.fileReads();
        {
            const SettingsReadHold reads = store.holdReads();
            QCOMPARE(store.GetSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme")),
                     "1");
            // Another copy writes meanwhile: the held reads keep to the state first read.
            SettingsStore(path()).SaveSetting(app, QStringLiteral("Ayarlar"),
                                              QStringLiteral("Son Bolme"), "2");
            QCOMPARE(store.GetSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme")),
                     "1");
            QCOMPARE(store.GetAllSettings(app, QStringLiteral("Oyun")).size(), size_t(1));
            QCOMPARE(store.GetSetting(app, QStringLiteral("Oyun"), QStringLiteral("Foto-1"), "?"),
                     "?");
            QCOMPARE(store.fileReads(), before + 1);
            // A write through the store itself is seen, with what the other copy wrote.
            store.SaveSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Fotograf"), "a");
            QCOMPARE(
                store.GetSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Fotograf")),
                "a");
            QCOMPARE(store.GetSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme")),
                     "2");
        }
        const int afterHold = store.fileReads();
        store.GetSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme"));
        store.GetSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme"));
        QCOMPARE(store.fileReads(), afterHold + 2);
    }

    // Names are found through an index: it must follow a section's removal.
    void keysStayInTheirSectionsAfterARemoval()
    {
        SettingsDocument document;
        for (const char* section : { "A", "B", "B\\Alt", "C" })
            document.setValue(QString::fromUtf8(section), QStringLiteral("k"),
                              QString::fromUtf8(section));
        QVERIFY(document.removeSection(QStringLiteral("B")));
        QVERIFY(!document.removeSection(QStringLiteral("B")));
        QCOMPARE(*document.value(QStringLiteral("C"), QStringLiteral("k")), QStringLiteral("C"));
        QVERIFY(!document.value(QStringLiteral("B\\Alt"), QStringLiteral("k")));
        QVERIFY(document.setValue(QStringLiteral("C"), QStringLiteral("j"), QStringLiteral("2")));
        QVERIFY(!document.setValue(QStringLiteral("C"), QStringLiteral("k"), QStringLiteral("C")));
        QVERIFY(document.setValue(QStringLiteral("B"), QStringLiteral("k"), QStringLiteral("new")));
        QCOMPARE(document.toUtf8(), QByteArray("[A]\nk=A\n\n[C]\nk=C\nj=2\n\n[B]\nk=new\n"));
    }

    void lockLeftWithoutItsOwnerIsBrokenWithinTheWait()
    {
        // What a copy killed between creating the lock file and writing its process id leaves.
        const QString file = path("orphan.ini");
        QFile orphan(file + QStringLiteral(".lock"));
        QVERIFY(orphan.open(QIODevice::WriteOnly));
        orphan.close();
        SettingsStore(file).SaveSetting(app, QStringLiteral("Ayarlar"), QStringLiteral("Son Bolme"),
                                        QStringLiteral("2"));
        QCOMPARE(SettingsStore(file).GetSetting(app, QStringLiteral("Ayarlar"),
                                                QStringLiteral("Son Bolme")),
                 QStringLiteral("2"));
    }
};

int main(int argc, char* argv[])
{
    if (argc == 5 && std::strcmp(argv[1], "--write-keys") == 0) {
        QCoreApplication application(argc, argv);
        shared().SettingsAppName = app;
        return writeKeys(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                         std::atoi(argv[4]));
    }
    if (argc == 3 && std::strcmp(argv[1], "--rewrite-generations") == 0) {
        QCoreApplication application(argc, argv);
        shared().SettingsAppName = app;
        return rewriteGenerations(QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 4 && std::strcmp(argv[1], "--write-over-limit") == 0) {
        QCoreApplication application(argc, argv);
        shared().SettingsAppName = app;
        return writeOverLimit(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    if (argc == 3 && std::strcmp(argv[1], "--use-store") == 0) {
        QCoreApplication application(argc, argv);
        shared().SettingsAppName = app;
        return useStore(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication application(argc, argv);
    TestSettingsStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsstore.moc"
