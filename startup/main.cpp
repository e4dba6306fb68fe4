// Tessel: a photo sliding-block puzzle.
#include "common/translations.h"
#include "startup/commandline.h"
#include "startup/startup.h"

#include <QApplication>
#include <QLocale>

#include <csignal>

int main(int argc, char* argv[])
{
#ifdef SIGXFSZ
    // A write past a file-size limit (ulimit -f) then fails like any other failed write and is
    // reported as one, instead of ending the program in the middle of its close.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // Help, the version and a command line that cannot be read are answered before a window
    // system is asked for, so they need no display.
    if (tessel::readCommandLine(tessel::rawArguments(argc, argv)).outcome
        != tessel::CommandLine::Outcome::Run) {
        QCoreApplication app(argc, argv);
        // In the user's language, as the windows would be; only this path pays for loading it.
        tessel::useLanguageOf(QLocale::system());
        return tessel::printCommandLineAnswer(tessel::readCommandLine(app.arguments()));
    }
    tessel::prepareWindowSystem();
    tessel::FontPreparation fonts;
    QApplication app(argc, argv);
    fonts.applicationReady();
    // What the application left of the arguments (it takes its own options out), read with the
    // photo's name as bytes: QApplication::arguments() would lose a name that is not UTF-8.
    const int exitCode = tessel::runEntryRoutine(
        app, tessel::readCommandLine(tessel::rawArguments(argc, argv)).photo);
    fonts.wait();
    return exitCode;
}
