// The language of the program's texts: the string table's translation for the user's language,
// with Qt's own texts (message-box buttons and the like) in the same language. English, the
// table's own language, needs no catalogue.
#pragma once

#include <QStringList>

class QLocale;

namespace tessel {

// The languages the program's texts are translated into ("de", "tr"): one embedded catalogue
// each, compiled from resources/translations/tessel_<language>.ts.
QStringList translatedLanguages();

// The first of the user's languages (most wanted first, as QLocale::uiLanguages() gives them:
// "de-DE", "tr", "en-US", ...) that the program speaks: a translated one, or "" for English. A
// language it does not speak is passed over; none at all means English.
QString chooseLanguage(const QStringList& uiLanguages, const QStringList& translated);

// Installs the catalogues of `language` ("" for English, which removes them): the program's
// and Qt's own qtbase catalogue from the Qt installation (or a "translations" folder next to
// the program). Returns false, leaving English, for a language without a program catalogue.
// Needs the application object.
bool useLanguage(const QString& language);

// The language installed: "" for English.
QString currentLanguage();

// Chooses and installs the language of `locale`'s user-interface languages.
QString useLanguageOf(const QLocale& locale);

} // namespace tessel
