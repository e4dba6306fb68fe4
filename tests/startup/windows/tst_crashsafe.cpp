// The whole program on an X server of the test's own, played with the keyboard and then killed,
// or its display killed: the game in progress survives as the close would have stored it.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <optional>

#ifdef TESSEL_TEST_XCB
#include <xcb/xcb.h>
#endif

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The value of `key` in the store's text, empty when absent.
QString storedValue(const QByteArray& store, const QString& key)
{
    for (const QByteArray& line : store.split('\n'))
        if (line.startsWith(key.toUtf8() + '='))
            return QString::fromUtf8(line.mid(key.toUtf8().size() + 1));
    return {};
}

// The lines of one section of the store's text.
QStringList section(const QByteArray& store, const QString& name)
{
    QStringList lines;
    bool inside = false;
    for (const QByteArray& raw : store.split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (line.startsWith(u'['))
            inside = line == u'[' + name + u']';
        else if (inside && !line.isEmpty())
            lines << line;
    }
    return lines;
}

#ifdef TESSEL_TEST_XCB

// An X server of the test's own (Xvfb), no window manager.
class XServer
{
public:
    XServer()
    {
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(QStringLiteral("Xvfb"),
                       { QStringLiteral("-displayfd"), QStringLiteral("1"),
                         QStringLiteral("-screen"), QStringLiteral("0"),
                         QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                         QStringLiteral("tcp") });
        if (!m_server.waitForStarted(30000))
            return;
        QByteArray number;
        while (!number.contains('\n') && m_server.waitForReadyRead(60000))
            number += m_server.readAllStandardOutput();
        if (number.trimmed().isEmpty())
            return;
        m_name = u':' + QString::fromLatin1(number.trimmed());
        m_connection = xcb_connect(m_name.toLatin1().constData(), nullptr);
        if (xcb_connection_has_error(m_connection))
            return;
        m_screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_screen->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
        m_ok = true;
    }
    ~XServer()
    {
        if (m_connection)
            xcb_disconnect(m_connection);
        kill();
    }

    bool ok() const { return m_ok; }
    const QString& name() const { return m_name; }

    // Kills the server as a crash of the display would.
    void kill()
    {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.kill();
            m_server.waitForFinished(30000);
        }
    }

    // The next top-level window mapped, within `ms`; 0 for none.
    xcb_window_t awaitMappedWindow(int ms)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            xcb_generic_event_t* event = xcb_poll_for_event(m_connection);
            if (!event) {
                QTest::qWait(20);
                continue;
            }
            xcb_window_t mapped = 0;
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (!map->override_redirect)
                    mapped = map->window;
            }
            std::free(event);
            if (mapped)
                return mapped;
        }
        return 0;
    }

    // Gives `window` the keyboard focus, as a window manager would.
    void focus(xcb_window_t window)
    {
        xcb_set_input_focus(m_connection, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
        xcb_flush(m_connection);
    }

    // A press and a release of the key that gives `keysym`, sent to `window`.
    bool typeKey(xcb_window_t window, uint32_t keysym)
    {
        const std::optional<xcb_keycode_t> code = keycodeOf(keysym);
        if (!code)
            return false;
        for (uint8_t type : { uint8_t(XCB_KEY_PRESS), uint8_t(XCB_KEY_RELEASE) }) {
            xcb_key_press_event_t key {};
            key.response_type = type;
            key.detail = *code;
            key.time = XCB_CURRENT_TIME;
            key.root = m_screen->root;
            key.event = window;
            key.same_screen = 1;
            xcb_send_event(m_connection, false, window,
                           type == XCB_KEY_PRESS ? XCB_EVENT_MASK_KEY_PRESS
                                                 : XCB_EVENT_MASK_KEY_RELEASE,
                           reinterpret_cast<const char*>(&key));
        }
        xcb_flush(m_connection);
        return true;
    }

private:
    std::optional<xcb_keycode_t> keycodeOf(uint32_t keysym)
    {
        const xcb_setup_t* setup = xcb_get_setup(m_connection);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        xcb_get_keyboard_mapping_reply_t* mapping = xcb_get_keyboard_mapping_reply(
            m_connection,
            xcb_get_keyboard_mapping(m_connection, setup->min_keycode, uint8_t(count)), nullptr);
        if (!mapping)
            return std::nullopt;
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(mapping);
        std::optional<xcb_keycode_t> found;
        for (int k = 0; k < count && !found; ++k)
            if (syms[k * mapping->keysyms_per_keycode] == keysym)
                found = xcb_keycode_t(setup->min_keycode + k);
        std::free(mapping);
        return found;
    }

    QProcess m_server;
    QString m_name;
    xcb_connection_t* m_connection = nullptr;
    xcb_screen_t* m_screen = nullptr;
    bool m_ok = false;
};

constexpr uint32_t keySpace = 0x20;
constexpr uint32_t keyLeft = 0xff51;
constexpr uint32_t keyRight = 0xff53;

#endif

} // namespace

class TestCrashSafe : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;

    QString storePath() const { return m_config.filePath(QStringLiteral("Velkor/Tessel.ini")); }

    void writeStore(bool saveOnExit)
    {
        QVERIFY(QDir(m_config.path()).mkpath(QStringLiteral("Velkor")));
        QFile file(storePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        // A 4 x 4 board: five moves there cannot complete a deal.
        file.write(QByteArray("[Ayarlar]\nSon Bolme=1\nOyunu Kaydet=") + (saveOnExit ? "1" : "0")
                   + "\n");
    }

    QProcessEnvironment environment(const QString& display, const QString& platform) const
    {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        e.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        if (!display.isEmpty())
            e.insert(QStringLiteral("DISPLAY"), display);
        return e;
    }

#ifdef TESSEL_TEST_XCB
    // Starts the program on `display`, deals a game with Space and makes five moves with the
    // arrow keys, then lets it run six seconds.
    void playFiveMoves(XServer& display, QProcess& program, bool saveOnExit)
    {
        program.setProcessEnvironment(environment(display.name(), QStringLiteral("xcb")));
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(QStringLiteral(TESSEL_EXECUTABLE), {});
        QVERIFY(program.waitForStarted(30000));
        const xcb_window_t window = display.awaitMappedWindow(120000);
        QVERIFY2(window, "no window was mapped");
        display.focus(window);
        QTest::qWait(500);
        // Space deals while no game runs and does nothing during one; with "Save on exit"
        // set the game is seen in the store once dealt.
        QVERIFY(display.typeKey(window, keySpace));
        if (saveOnExit)
            QTRY_VERIFY_WITH_TIMEOUT(
                section(fileBytes(storePath()), QStringLiteral("Oyun")).size() == 16, 30000);
        else
            QTest::qWait(3000);
        // Right and Left in turn slide one block to and fro beside the empty corner.
        for (int move = 0; move < 5; ++move)
            QVERIFY(display.typeKey(window, move % 2 == 0 ? keyRight : keyLeft));
        QTest::qWait(6000);
        QCOMPARE(program.state(), QProcess::Running);
    }
#endif

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
    }

    // Killed six seconds after five moves: the next start resumes the game with its five moves.
    void aKilledGameResumesWithItsMoves_data()
    {
        QTest::addColumn<bool>("displayKilled");
        QTest::newRow("SIGKILL") << false;
        QTest::newRow("the display killed") << true;
    }

    void aKilledGameResumesWithItsMoves()
    {
#ifdef TESSEL_TEST_XCB
        QFETCH(bool, displayKilled);
        writeStore(true);
        XServer display;
        QVERIFY2(display.ok(), "Xvfb did not start");
        QProcess program;
        playFiveMoves(display, program, true);
        if (QTest::currentTestFailed())
            return;
        if (displayKilled) {
            display.kill();
            QVERIFY(program.waitForFinished(60000));
        } else {
            ::kill(pid_t(program.processId()), SIGKILL);
            QVERIFY(program.waitForFinished(60000));
            QCOMPARE(program.exitStatus(), QProcess::CrashExit);
        }
        const QByteArray kept = fileBytes(storePath());
        QCOMPARE(storedValue(kept, QStringLiteral("Hamle Bilgisi")), QStringLiteral("5"));
        const QStringList cells = section(kept, QStringLiteral("Oyun"));
        QCOMPARE(cells.size(), 16);

        // The next start restores it; its close (a termination signal) writes it again.
        QProcess next;
        next.setProcessEnvironment(environment({}, QStringLiteral("offscreen")));
        next.setProcessChannelMode(QProcess::ForwardedChannels);
        next.setChildProcessModifier([] {
            sigset_t set;
            sigemptyset(&set);
            sigaddset(&set, SIGTERM);
            pthread_sigmask(SIG_BLOCK, &set, nullptr);
        });
        next.start(QStringLiteral(TESSEL_EXECUTABLE), {});
        QVERIFY(next.waitForStarted(30000));
        QVERIFY(::kill(pid_t(next.processId()), SIGTERM) == 0);
        QVERIFY(next.waitForFinished(60000));
        QCOMPARE(next.exitCode(), 0);
        const QByteArray resumed = fileBytes(storePath());
        QCOMPARE(storedValue(resumed, QStringLiteral("Hamle Bilgisi")), QStringLiteral("5"));
        QCOMPARE(section(resumed, QStringLiteral("Oyun")), cells);
#else
        QSKIP("built without the X client library (libxcb1-dev)");
#endif
    }

    // "Save on exit" clear: play writes nothing, so a kill leaves no game stored.
    void withoutSaveOnExitNothingIsStored()
    {
#ifdef TESSEL_TEST_XCB
        writeStore(false);
        const QByteArray before = fileBytes(storePath());
        XServer display;
        QVERIFY2(display.ok(), "Xvfb did not start");
        QProcess program;
        playFiveMoves(display, program, false);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(fileBytes(storePath()), before);
        ::kill(pid_t(program.processId()), SIGKILL);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(fileBytes(storePath()), before);
        QVERIFY(section(fileBytes(storePath()), QStringLiteral("Oyun")).isEmpty());
#else
        QSKIP("built without the X client library (libxcb1-dev)");
#endif
    }
};

QTEST_GUILESS_MAIN(TestCrashSafe)
#include "tst_crashsafe.moc"
