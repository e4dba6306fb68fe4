#include "startup/commandline.h"

#include "common/resourcestring.h"
#include "common/stringids.h"
#include "system/filenames.h"
#include "version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace tessel {

namespace {

struct Parser
{
    QCommandLineParser parser;
    QCommandLineOption help { { QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?") },
                              ResourceString(StringId::HelpOptionHelp) };
    QCommandLineOption version { { QStringLiteral("v"), QStringLiteral("version") },
                                 ResourceString(StringId::VersionOptionHelp) };

    Parser()
    {
        parser.setApplicationDescription(ResourceString(StringId::CommandLineDescription));
        parser.addOption(help);
        parser.addOption(version);
        parser.addPositionalArgument(ResourceString(StringId::PhotoArgumentName),
                                     ResourceString(StringId::PhotoArgumentHelp),
                                     u'[' + ResourceString(StringId::PhotoArgumentName) + u']');
    }
};

// The options Qt's windows' application reads and takes out itself (with their values), so that
// a command line can be judged before that application exists.
QStringList withoutQtOptions(const QStringList& arguments)
{
    static const QStringList withValue { "platform",
                                         "platformpluginpath",
                                         "platformtheme",
                                         "plugin",
                                         "qwindowgeometry",
                                         "geometry",
                                         "qwindowicon",
                                         "icon",
                                         "qwindowtitle",
                                         "title",
                                         "session",
                                         "display",
                                         "name",
                                         "style",
                                         "stylesheet",
                                         "visual",
                                         "qmljsdebugger" };
    static const QStringList flags { "reverse", "widgetcount", "sync",
                                     "nograb",  "dograb",      "testability" };
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i == 0 || !argument.startsWith(u'-')) {
            kept.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            kept.append(arguments.mid(i));
            break;
        }
        QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const bool hasValue = name.contains(u'=');
        name = name.section(u'=', 0, 0);
        if (flags.contains(name))
            continue;
        if (withValue.contains(name)) {
            if (!hasValue)
                ++i;
            continue;
        }
        kept.append(argument);
    }
    return kept;
}

} // namespace

QString versionLine()
{
    return QString::fromUtf8(version::productName) + u' ' + QString::fromUtf8(version::text);
}

CommandLine readCommandLine(const QStringList& arguments)
{
    Parser p;
    CommandLine line;
    if (!p.parser.parse(withoutQtOptions(arguments))) {
        line.outcome = CommandLine::Outcome::Error;
        line.text = p.parser.errorText() + u'\n';
        return line;
    }
    if (p.parser.isSet(p.help)) {
        line.outcome = CommandLine::Outcome::Help;
        // Its usage line names the program as the application object was started.
        if (QCoreApplication::instance())
            line.text = p.parser.helpText();
        return line;
    }
    if (p.parser.isSet(p.version)) {
        line.outcome = CommandLine::Outcome::Version;
        line.text = versionLine() + u'\n';
        return line;
    }
    const QStringList photos = p.parser.positionalArguments();
    if (photos.size() > 1) {
        line.outcome = CommandLine::Outcome::Error;
        line.text = ResourceString(StringId::OnePhotoAtMost) + u'\n';
        return line;
    }
    if (!photos.isEmpty())
        line.photo = photos.first();
    return line;
}

QStringList rawArguments(int argc, const char* const* argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(decodeFileName(argv[i])); // a photo's name keeps its bytes
    return arguments;
}

int printCommandLineAnswer(const CommandLine& line)
{
    const bool error = line.outcome == CommandLine::Outcome::Error;
    std::FILE* stream = error ? stderr : stdout;
    std::fputs(line.text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return error ? 1 : 0;
}

} // namespace tessel
