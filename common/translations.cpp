#include "common/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace tessel {

namespace {

const QString catalogueFolder = QStringLiteral(":/i18n");
const QString cataloguePrefix = QStringLiteral("tessel_");

struct Installed
{
    QString language;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed()
{
    static Installed state;
    return state;
}

void removeInstalled()
{
    Installed& state = installed();
    for (auto* translator : { &state.program, &state.qt }) {
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
    state.language.clear();
}

// "de-DE", "de_DE", "de" -> "de"; "C" and "POSIX" read as English.
QString languagePart(const QString& uiLanguage)
{
    QString language = uiLanguage.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
    if (language == QLatin1String("c") || language == QLatin1String("posix"))
        return QStringLiteral("en");
    return language;
}

} // namespace

QStringList translatedLanguages()
{
    QStringList languages;
    const QStringList files
        = QDir(catalogueFolder)
              .entryList({ cataloguePrefix + QStringLiteral("*.qm") }, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages << file.mid(cataloguePrefix.size()).chopped(3);
    return languages;
}

QString chooseLanguage(const QStringList& uiLanguages, const QStringList& translated)
{
    for (const QString& uiLanguage : uiLanguages) {
        const QString language = languagePart(uiLanguage);
        if (language == QLatin1String("en"))
            return QString();
        if (translated.contains(language))
            return language;
    }
    return QString();
}

bool useLanguage(const QString& language)
{
    removeInstalled();
    if (language.isEmpty())
        return true;
    Installed& state = installed();
    auto program = std::make_unique<QTranslator>();
    if (!program->load(cataloguePrefix + language, catalogueFolder))
        return false;
    QCoreApplication::installTranslator(program.get());
    state.program = std::move(program);
    state.language = language;

    // Qt's own texts where the Qt installation keeps them, else beside the program. Without
    // them Qt's buttons stay English; the program's texts are translated all the same.
    const QString qtCatalogue = QStringLiteral("qtbase_") + language;
    const QStringList folders
        = { QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            QCoreApplication::applicationDirPath() + QStringLiteral("/translations") };
    for (const QString& folder : folders) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(qtCatalogue, folder)) {
            QCoreApplication::installTranslator(qt.get());
            state.qt = std::move(qt);
            break;
        }
    }
    return true;
}

QString currentLanguage()
{
    return installed().language;
}

QString useLanguageOf(const QLocale& locale)
{
    const QString language = chooseLanguage(locale.uiLanguages(), translatedLanguages());
    useLanguage(language);
    return currentLanguage();
}

} // namespace tessel
