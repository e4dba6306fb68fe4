// What the fuzz targets share: the application object Qt needs, a quiet message handler, a
// scratch folder, and a check that stops the run with a crash libFuzzer keeps as a finding.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tessel::fuzz {

// A failed expectation: the input is a finding.
[[noreturn]] inline void fail(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

inline void check(bool holds, const char* what)
{
    if (!holds)
        fail(what);
}

// Qt's own warnings (a damaged picture makes many) would only slow the run.
inline void quietMessages(QtMsgType, const QMessageLogContext&, const QString&) { }

// A GUI application on the offscreen platform: pictures and fonts need one.
inline void startApplication()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tessel_fuzz";
    static char* argv[] = { name, nullptr };
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    Q_UNUSED(app);
    qInstallMessageHandler(quietMessages);
}

// A folder of this process's own, made once, in memory where the system has a place for it:
// the store syncs every file it writes, which on a disk would make each run wait for it.
inline const QString& scratchFolder()
{
    static const QString folder = [] {
        const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable()
            ? QStringLiteral("/dev/shm")
            : QDir::tempPath();
        QByteArray pattern = QFile::encodeName(base) + "/tessel-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern.data());
        if (!made)
            fail("cannot make a scratch folder");
        std::atexit([] { QDir(scratchFolder()).removeRecursively(); });
        return QString::fromLocal8Bit(made);
    }();
    return folder;
}

// Any UTF-16 text, unpaired surrogates and control characters included: two bytes a unit.
inline QString anyText(QByteArrayView bytes)
{
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(char16_t(uint8_t(bytes[i]) | uint8_t(bytes[i + 1]) << 8));
    return text;
}

} // namespace tessel::fuzz
