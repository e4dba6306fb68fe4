// The program's command line: --help, --version and an optional photo file to play with.
#pragma once

#include <QString>
#include <QStringList>

namespace tessel {

struct CommandLine
{
    enum class Outcome {
        Run, // start the game, with `photo` when one was given
        Help, // print `text` and end
        Version, // print `text` and end
        Error, // print `text` to the error stream and end with a failure
    };
    Outcome outcome = Outcome::Run;
    QString photo; // as given: a file name, relative or absolute
    QString text;
};

// Reads the arguments (the first is the program). Qt's own options (-platform, -style and the
// like, which the windows' application takes) are left out, so the same arguments read the same
// before and after that application exists. The help text is
// there only once the application object exists.
CommandLine readCommandLine(const QStringList& arguments);

// The version line: the program's name and version.
QString versionLine();

// The arguments as the program received them, before any application object exists.
QStringList rawArguments(int argc, const char* const* argv);

// Prints the text of a Help, Version or Error outcome (errors to the error stream) and returns
// the program's exit code: 0, or 1 for an error.
int printCommandLineAnswer(const CommandLine& line);

} // namespace tessel
