// Build tool: writes the desktop entry, the metainfo and the manual pages in every language the
// program's catalogues speak, from their templates.
//   tessel_desktopfiles entry TEMPLATE OUTPUT
//   tessel_desktopfiles metainfo TEMPLATE OUTPUT
//   tessel_desktopfiles manual LANGUAGE TEMPLATE VERSION OUTPUT   (LANGUAGE "en" for English)
#include "common/resourcestring.h"
#include "common/translations.h"
#include "desktop/desktoptexts.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

using namespace tessel;

namespace {

bool readText(const QString& path, QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = QString::fromUtf8(file.readAll());
    return true;
}

bool writeText(const QString& path, const QString& text)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit();
}

// Translations of the desktop texts through the embedded catalogues.
QString translateDesktop(const QString& language, const QString& english)
{
    if (currentLanguage() != language)
        useLanguage(language);
    return QCoreApplication::translate(desktopTextContext, english.toUtf8().constData());
}

int fail(const QString& message)
{
    std::fprintf(stderr, "tessel_desktopfiles: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.value(1);
    const bool manual = mode == QLatin1String("manual");
    if (args.size() != (manual ? 6 : 4))
        return fail(QStringLiteral("usage: entry|metainfo TEMPLATE OUTPUT, or manual LANGUAGE "
                                   "TEMPLATE VERSION OUTPUT"));
    QString source;
    if (!readText(args.at(manual ? 3 : 2), source))
        return fail(QStringLiteral("cannot read ") + args.at(manual ? 3 : 2));

    LocalizedFile file;
    if (mode == QLatin1String("entry")) {
        file = localizeDesktopEntry(source, translatedLanguages(), translateDesktop);
    } else if (mode == QLatin1String("metainfo")) {
        file = localizeMetainfo(source, translatedLanguages(), translateDesktop);
    } else if (manual) {
        const QString language = args.at(2);
        if (!useLanguage(language == QLatin1String("en") ? QString() : language))
            return fail(QStringLiteral("no catalogue for ") + language);
        file = fillManualPage(source, args.at(4),
                              [](int id) { return findResourceString(id).value_or(QString()); });
    } else {
        return fail(QStringLiteral("unknown mode ") + mode);
    }
    // A text that no catalogue can translate would ship in English only.
    if (!file.untranslatable.isEmpty())
        return fail(QStringLiteral("not among the translated texts: ")
                    + file.untranslatable.join(QLatin1String(" | ")));
    useLanguage(QString());
    if (!writeText(args.last(), file.text))
        return fail(QStringLiteral("cannot write ") + args.last());
    return 0;
}
