// The installed files that speak to people outside the windows (the desktop entry, the AppStream
// metainfo, the manual pages) in every language of the string table's translations. Their
// English texts are translated in the same Qt Linguist files as the windows' (context
// "Desktop"); the manual pages take the windows' captions and access keys from the string
// table, so a page names what the windows of its language show.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace tessel {

// The translation context of the desktop entry's and metainfo's texts.
inline constexpr char desktopTextContext[] = "Desktop";

// Every English text of the desktop entry and metainfo that is translated, as lupdate finds them.
QStringList desktopTexts();

// A text in one language: the translation of `english` (context "Desktop"), or empty when there
// is none.
using DesktopTranslation = std::function<QString(const QString& language, const QString& english)>;

struct LocalizedFile
{
    QString text;
    QStringList untranslatable; // texts of the template that desktopTexts() does not list
};

// After each Name, GenericName, Comment and Keywords line of an entry, the same key for each
// language whose translation differs from the English: "GenericName[de]=...".
LocalizedFile localizeDesktopEntry(const QString& entry, const QStringList& languages,
                                   const DesktopTranslation& translate);

// After each element of the metainfo that people read (summary, caption, keyword, and the
// paragraphs and items of descriptions), written on a line of its own without attributes, the
// same element for each language with a translation, marked xml:lang.
LocalizedFile localizeMetainfo(const QString& metainfo, const QStringList& languages,
                               const DesktopTranslation& translate);

// A caption of the string table as the manual page of that language names it: without its "&"
// and outer blanks, written for roff.
QString manualPageCaption(const QString& caption);

// The access key of a caption as a manual page writes it: "Alt+S" for "&Save on exit ", empty
// for a caption without one.
QString manualPageAccessKey(const QString& caption);

// Fills a manual page's template: "@caption:ID@" and "@key:ID@" with the caption and access key
// of string ID as `strings` gives it (in the page's language), "@VERSION@" with `version`.
// Placeholders of an unknown id are listed in `untranslatable`. "@DATA_FOLDER@" stays for the
// installation, which alone knows its folders.
LocalizedFile fillManualPage(const QString& page, const QString& version,
                             const std::function<QString(int id)>& strings);

} // namespace tessel
