#include "startuptime.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>

#ifdef TESSEL_BENCH_XCB
#include <xcb/xcb.h>
#endif

extern char** environ;

namespace bench {

bool canWatchWindows()
{
#ifdef TESSEL_BENCH_XCB
    return true;
#else
    return false;
#endif
}

std::vector<Runs> measureStartup(const QStringList& programs, int runs)
{
    std::vector<Runs> result(programs.size());
    auto failAll = [&](const QString& why) {
        for (Runs& r : result)
            r.failure = why;
        return result;
    };
    if (!canWatchWindows())
        return failAll(QStringLiteral("needs libxcb1-dev at build time"));
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (xvfbRun.isEmpty())
        return failAll(QStringLiteral("needs xvfb-run (xvfb, xauth)"));

    QProcess server;
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList arguments { QStringLiteral("-a"),
                            QStringLiteral("-s"),
                            QStringLiteral("-screen 0 1280x1024x24 -nolisten tcp"),
                            QCoreApplication::applicationFilePath(),
                            QStringLiteral("--startup"),
                            QString::number(runs) };
    arguments += programs;
    server.start(xvfbRun, arguments);
    if (!server.waitForFinished(600000) || server.exitCode() != 0)
        return failAll(QStringLiteral("the run under Xvfb failed"));
    for (const QByteArray& line : server.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> words = line.trimmed().split(' ');
        if (words.size() != 3)
            continue;
        const int index = words[0].toInt();
        if (index >= 0 && index < int(result.size()))
            result[index].runs.push_back({ false, words[1].toDouble(), words[2].toDouble() });
    }
    for (Runs& r : result)
        if (r.runs.empty())
            r.failure = QStringLiteral("no window was mapped");
    return result;
}

#ifdef TESSEL_BENCH_XCB

namespace {

struct Start
{
    bool mapped = false;
    double ms = 0;
    double residentMB = 0;
};

// Starts `program` and waits until the server maps a top-level window of a client; the
// connection listens to the root window's children.
Start startOnce(xcb_connection_t* connection, const QString& program,
                const std::vector<char*>& environment)
{
    while (xcb_generic_event_t* old = xcb_poll_for_event(connection))
        std::free(old);
    // "NAME=value|...|path|argument|...": the environment's entries replace those of the same
    // name.
    std::vector<QByteArray> words;
    std::vector<QByteArray> settings;
    for (const QString& word : program.split(u'|')) {
        if (words.empty() && word.contains(u'=') && !word.startsWith(u'/'))
            settings.push_back(QFile::encodeName(word));
        else
            words.push_back(QFile::encodeName(word));
    }
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    std::vector<char*> env;
    for (char* entry : environment) {
        if (!entry)
            break;
        const QByteArray whole(entry);
        const QByteArray name = whole.left(whole.indexOf('=') + 1);
        if (std::none_of(settings.begin(), settings.end(),
                         [&](const QByteArray& s) { return s.startsWith(name); }))
            env.push_back(entry);
    }
    for (QByteArray& entry : settings)
        env.push_back(entry.data());
    env.push_back(nullptr);

    Start start;
    QElapsedTimer clock;
    clock.start();
    // The program's own output must not mix with the figures this process prints.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return start;
    const int fd = xcb_get_file_descriptor(connection);
    while (!start.mapped && clock.elapsed() < 30000) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (!event) {
            if (xcb_connection_has_error(connection))
                break;
            pollfd wait { fd, POLLIN, 0 };
            poll(&wait, 1, 100);
            continue;
        }
        if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (!map->override_redirect) {
                start.ms = clock.nsecsElapsed() / 1e6;
                start.mapped = true;
            }
        }
        std::free(event);
    }
    if (start.mapped) {
        // Once shown: the first paint done.
        QThread::msleep(500);
        start.residentMB = statusKB("VmRSS", pid) / 1024.0;
    }
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    return start;
}

} // namespace

int startupMain(const QStringList& programs, int runs)
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "cannot connect to the X server\n");
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    // Each program starts with the same environment: the server's, a settings folder of its
    // own (nothing of the user's is read or written) and Qt on X.
    QTemporaryDir config;
    std::vector<QByteArray> strings;
    for (char** e = environ; *e; ++e) {
        const QByteArray entry(*e);
        if (!entry.startsWith("XDG_CONFIG_HOME=") && !entry.startsWith("QT_QPA_PLATFORM="))
            strings.push_back(entry);
    }
    strings.push_back("XDG_CONFIG_HOME=" + QFile::encodeName(config.path()));
    strings.push_back("QT_QPA_PLATFORM=xcb");
    std::vector<char*> environment;
    for (QByteArray& s : strings)
        environment.push_back(s.data());
    environment.push_back(nullptr);

    // Alternating, so that a change of the machine's load falls on both alike.
    for (int run = 0; run <= runs; ++run) {
        for (int p = 0; p < programs.size(); ++p) {
            const Start start = startOnce(connection, programs[p], environment);
            if (start.mapped && run > 0)
                std::printf("%d %.3f %.3f\n", p, start.ms, start.residentMB);
        }
    }
    std::fflush(stdout);
    xcb_disconnect(connection);
    return 0;
}

#else

int startupMain(const QStringList&, int)
{
    std::fprintf(stderr, "built without the X client library\n");
    return 1;
}

#endif

} // namespace bench
