#include "common/errors.h"
#include "game/anaform.h"
#include "sound/gamesound.h"
#include "sound/pcmoutput.h"
#include "sound/wave.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QLibrary>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace tessel;
using namespace tessel::test;

namespace {

QByteArray le32(quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

QByteArray le16(quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    return QByteArray(b, 2);
}

QByteArray chunk(const char* id, const QByteArray& body, qint64 claimed = -1)
{
    QByteArray c = QByteArray(id) + le32(quint32(claimed < 0 ? body.size() : claimed)) + body;
    if (body.size() % 2)
        c.append('\0');
    return c;
}

QByteArray fmt(int tag, int channels, int rate, int bits, int blockAlign = -1)
{
    const int align = blockAlign < 0 ? channels * bits / 8 : blockAlign;
    return chunk("fmt ",
                 le16(tag) + le16(channels) + le32(rate) + le32(rate * align) + le16(align)
                     + le16(bits));
}

QByteArray riff(const QByteArray& chunks)
{
    return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

double peak(const QByteArray& wave, const WaveFormat& format)
{
    int highest = 0;
    for (qsizetype i = 0; i + 1 < format.dataSize; i += 2)
        highest = std::max(
            highest,
            std::abs(int(qFromLittleEndian<qint16>(wave.constData() + format.dataOffset + i))));
    return highest / 32768.0;
}

// The sound server's devices and streams, as its own client tool lists them.
QString serverList(const QString& what)
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), { QStringLiteral("list"), what });
    pactl.waitForFinished(5000);
    return QString::fromUtf8(pactl.readAllStandardOutput());
}

} // namespace

class TestGameSound : public QObject
{
    Q_OBJECT

    QTemporaryDir m_runtime;
    QString m_socket;

private slots:
    // No sound server is reachable but the one a test starts: the address the audio layer asks
    // for is in a folder of this test's own, where nothing listens until then.
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        m_socket = m_runtime.filePath(QStringLiteral("native"));
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(m_socket));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    }

    void waveHeader_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<bool>("playable");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("size");
        const QByteArray samples(100, '\x10');
        QTest::newRow("16-bit mono") << riff(fmt(1, 1, 22050, 16) + chunk("data", samples)) << true
                                     << 1 << 22050 << 16 << 44 << 100;
        QTest::newRow("8-bit stereo") << riff(fmt(1, 2, 11025, 8) + chunk("data", samples)) << true
                                      << 2 << 11025 << 8 << 44 << 100;
        QTest::newRow("an odd chunk before, padded")
            << riff(chunk("LIST", "abc") + fmt(1, 1, 8000, 16) + chunk("data", samples)) << true
            << 1 << 8000 << 16 << 56 << 100;
        QTest::newRow("data claiming more than there is: cut to whole frames")
            << riff(fmt(1, 2, 8000, 16) + chunk("data", QByteArray(10, 'x'), 1000)) << true << 2
            << 8000 << 16 << 44 << 8;
        QTest::newRow("ADPCM is not played")
            << riff(fmt(2, 1, 11025, 4, 256) + chunk("data", samples)) << false << 0 << 0 << 0 << 0
            << 0;
        QTest::newRow("data before its format")
            << riff(chunk("data", samples) + fmt(1, 1, 8000, 16)) << false << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("a block align that does not fit")
            << riff(fmt(1, 2, 8000, 16, 2) + chunk("data", samples)) << false << 0 << 0 << 0 << 0
            << 0;
        QTest::newRow("no data chunk")
            << riff(fmt(1, 1, 8000, 16)) << false << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("a format chunk cut short")
            << riff(fmt(1, 1, 8000, 16)).left(30) << false << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("not RIFF") << QByteArray("RIFX") + riff(QByteArray()).mid(4) << false << 0
                                  << 0 << 0 << 0 << 0;
        QTest::newRow("empty") << QByteArray() << false << 0 << 0 << 0 << 0 << 0;
    }

    void waveHeader()
    {
        QFETCH(QByteArray, image);
        QFETCH(bool, playable);
        const auto format = readWaveHeader(image);
        QCOMPARE(format.has_value(), playable);
        if (!format)
            return;
        QTEST(format->channels, "channels");
        QTEST(format->sampleRate, "rate");
        QTEST(format->bitsPerSample, "bits");
        QTEST(int(format->dataOffset), "offset");
        QTEST(int(format->dataSize), "size");
    }

    void theGamesSoundsAreShortPlayableWaves_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("refused click") << "DUR";
        QTest::newRow("move") << "TAMAM";
        QTest::newRow("completed photo") << "TEBRIK";
    }

    void theGamesSoundsAreShortPlayableWaves()
    {
        QFETCH(QString, name);
        const QByteArray wave = gameSoundBytes(name);
        const auto format = readWaveHeader(wave);
        QVERIFY(format);
        QCOMPARE(format->dataOffset + format->dataSize, wave.size());
        QCOMPARE(format->bitsPerSample, 16);
        const double seconds
            = double(format->dataSize) / (format->sampleRate * format->channels * 2);
        QVERIFY2(seconds > 0.03 && seconds < 1.5, qPrintable(QString::number(seconds)));
        const double loudest = peak(wave, *format);
        QVERIFY2(loudest > 0.2 && loudest < 1.0, qPrintable(QString::number(loudest)));
    }

    void theThreeSoundsDiffer()
    {
        const QByteArray dur = gameSoundBytes(QStringLiteral("DUR"));
        QVERIFY(dur != gameSoundBytes(QStringLiteral("TAMAM")));
        QVERIFY(dur != gameSoundBytes(QStringLiteral("TEBRIK")));
    }

    void anUnknownSoundIsAMissingResource()
    {
        try {
            gameSoundBytes(QStringLiteral("ALKIS"));
            QFAIL("no error");
        } catch (const TesselError& e) {
            QCOMPARE(e.code(), ErrorCode::ResourceNotFound);
        }
    }

    void playRule_data()
    {
        QTest::addColumn<int>("devices");
        QTest::addColumn<bool>("soundOff");
        QTest::addColumn<bool>("heard");
        QTest::newRow("one device, sound on") << 1 << false << true;
        QTest::newRow("two devices") << 2 << false << true;
        QTest::newRow("no device: silent") << 0 << false << false;
        QTest::newRow("sound off: silent") << 1 << true << false;
        QTest::newRow("neither") << 0 << true << false;
    }

    void playRule()
    {
        QFETCH(int, devices);
        QFETCH(bool, soundOff);
        QFETCH(bool, heard);
        FakeSoundOutput sound(devices);
        AnaForm form;
        form.SesleriKapatOnayı->setChecked(soundOff);
        form.PlayGameSound(QStringLiteral("DUR"));
        form.PlayGameSound(QStringLiteral("TAMAM"));
        // The devices are counted for every sound.
        QCOMPARE(sound.deviceQueries, 2);
        const QStringList expected = heard ? QStringList { "DUR", "TAMAM" } : QStringList();
        QCOMPARE(sound.played, expected);
        QCOMPARE(form.SoundData, heard ? gameSoundBytes(QStringLiteral("TAMAM")) : QByteArray());
    }

    void aNewSoundStopsTheOnePlayingBeforeItsBytesAreReplaced()
    {
        FakeSoundOutput sound;
        {
            AnaForm form;
            form.PlayGameSound(QStringLiteral("TAMAM"));
            form.PlayGameSound(QStringLiteral("TEBRIK"));
            QCOMPARE(sound.calls, (QStringList { "stop", "play TAMAM", "stop", "play TEBRIK" }));
            QVERIFY(sound.bytesKeptWhilePlaying);
            QCOMPARE(form.SoundData, gameSoundBytes(QStringLiteral("TEBRIK")));
        }
        // Nor do the bytes go with the window while they play.
        QCOMPARE(sound.calls.last(), QStringLiteral("stop"));
        QVERIFY(sound.bytesKeptWhilePlaying);
    }

    void aWindowThatNeverSoundsNeverAsksForDevices()
    {
        FakeSoundOutput sound;
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("Tessel.ini")));
        FakeMessageBoxes boxes;
        {
            AnaForm form(store);
            form.Form_Load();
        }
        QCOMPARE(sound.deviceQueries, 0);
        QVERIFY(sound.calls.isEmpty());
    }

    // The audio layer is a module next to the program; without it the game would be silent
    // everywhere, so its being there and loading is checked here.
    void theSoundModuleLoadsFromBesideTheProgram()
    {
        QLibrary module(soundModulePath());
        auto create = reinterpret_cast<CreatePcmOutput>(module.resolve(createPcmOutputName));
        QVERIFY2(create, qPrintable(module.errorString()));
        std::unique_ptr<PcmOutput> pcm(create());
        QVERIFY(pcm->deviceCount() >= 0);
        // A machine without a device plays nothing and says nothing.
        const QByteArray wave = gameSoundBytes(QStringLiteral("DUR"));
        const std::optional<WaveFormat> header = readWaveHeader(wave);
        QVERIFY(header);
        pcm->play(*header, wave.constData() + header->dataOffset, header->dataSize);
        pcm->stop();
        // The system output the window uses asks the same module.
        QCOMPARE(makeSystemSoundOutput()->deviceCount(), pcm->deviceCount());
    }

    // Qt's audio layer looks for the sound server once: a server that starts after the first
    // sound found none (a session still coming up) must still be heard.
    void aSoundServerThatStartsAfterTheFirstSoundIsUsed()
    {
        const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (pulseaudio.isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty())
            QSKIP("No PulseAudio server to start here (make deps installs one unless PipeWire "
                  "serves the desktop)");
        QLibrary module(soundModulePath());
        auto create = reinterpret_cast<CreatePcmOutput>(module.resolve(createPcmOutputName));
        QVERIFY2(create, qPrintable(module.errorString()));
        std::unique_ptr<PcmOutput> pcm(create());
        QCOMPARE(pcm->deviceCount(), 0);

        QProcess server;
        server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server.start(pulseaudio,
                     { QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                       QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                       QStringLiteral("--log-level=error"),
                       QStringLiteral("--load=module-null-sink sink_name=tessel_test"),
                       QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=")
                           + m_socket });
        QVERIFY(server.waitForStarted());
        const auto endServer = qScopeGuard([&] {
            server.terminate();
            if (!server.waitForFinished(5000))
                server.kill();
        });
        QTRY_VERIFY_WITH_TIMEOUT(serverList(QStringLiteral("sinks")).contains(u"tessel_test"),
                                 10000);

        QCOMPARE(pcm->deviceCount(), 1);
        const QByteArray wave = gameSoundBytes(QStringLiteral("TEBRIK"));
        const std::optional<WaveFormat> header = readWaveHeader(wave);
        QVERIFY(header);
        pcm->play(*header, wave.constData() + header->dataOffset, header->dataSize);
        // The server plays it: the game's stream feeds its sink, in the wave's own format...
        QTRY_VERIFY_WITH_TIMEOUT(
            serverList(QStringLiteral("sink-inputs")).contains(u"media.name = \"Game sound\""),
            5000);
        const QString stream = serverList(QStringLiteral("sink-inputs"));
        QVERIFY2(stream.contains(
                     QStringLiteral("%1ch %2Hz").arg(header->channels).arg(header->sampleRate)),
                 qPrintable(stream));
        // ...and a stop ends it.
        pcm->stop();
        QTRY_VERIFY_WITH_TIMEOUT(!serverList(QStringLiteral("sink-inputs")).contains(u"Game sound"),
                                 5000);
    }
};

QTEST_MAIN(TestGameSound)
#include "tst_gamesound.moc"
