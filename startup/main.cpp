// Tessel: a photo sliding-block puzzle.
#include "startup/commandline.h"
#include "startup/startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Help, the version and a command line that cannot be read are answered before a window
    // system is asked for, so they need no display.
    if (tessel::readCommandLine(tessel::rawArguments(argc, argv)).outcome
        != tessel::CommandLine::Outcome::Run) {
        QCoreApplication app(argc, argv);
        return tessel::printCommandLineAnswer(tessel::readCommandLine(app.arguments()));
    }
    tessel::prepareWindowSystem();
    QApplication app(argc, argv);
    return tessel::runEntryRoutine(app, tessel::readCommandLine(QApplication::arguments()).photo);
}
