// Tessel: a photo sliding-block puzzle.
#include "common/translations.h"
#include "startup/commandline.h"
#include "startup/startup.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[])
{
    // Help, the version and a command line that cannot be read are answered before a window
    // system is asked for, so they need no display.
    if (tessel::readCommandLine(tessel::rawArguments(argc, argv)).outcome
        != tessel::CommandLine::Outcome::Run) {
        QCoreApplication app(argc, argv);
        // In the user's language, as the windows would be; only this path pays for loading it.
        tessel::useLanguageOf(QLocale::system());
        return tessel::printCommandLineAnswer(tessel::readCommandLine(app.arguments()));
    }
    QApplication app(argc, argv);
    return tessel::runEntryRoutine(app, tessel::readCommandLine(QApplication::arguments()).photo);
}
