#include "desktop/desktoptexts.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace tessel {

namespace {

// The desktop entry's and metainfo's English texts, letter for letter as the templates in
// desktop/ write them (the tool that fills the templates refuses one missing here). A note for
// translators goes in a //: comment above the text.
// clang-format off
const char* const texts[] = {
    //: The desktop entry's generic name, shown under or instead of "Tessel" in menus.
    QT_TRANSLATE_NOOP("Desktop", "Photo Sliding Puzzle"),
    //: The desktop entry's comment: a menu's tooltip.
    QT_TRANSLATE_NOOP("Desktop", "Cut a photo into blocks and slide them back into place"),
    //: Words a menu's search finds the game by, each ended by a semicolon; no blanks round them.
    QT_TRANSLATE_NOOP("Desktop", "puzzle;sliding;slide;fifteen;photo;picture;tiles;blocks;hint;"
                                 "solver;best results;high scores;undo;keyboard;"),
    //: The one-line summary of a software centre.
    QT_TRANSLATE_NOOP("Desktop", "Slide the blocks of your own photo back into place"),
    QT_TRANSLATE_NOOP("Desktop",
        "Tessel is a sliding-block puzzle made from a photo of your choice. It cuts the photo "
        "into a board of 3 x 3, 4 x 4 or 5 x 5 blocks, deals them with the last cell empty, and "
        "you slide the blocks beside the empty cell until the photo is whole again."),
    QT_TRANSLATE_NOOP("Desktop",
        "Play with any JPEG or bitmap photo, opened from the game, from a file manager or "
        "dropped on the window"),
    QT_TRANSLATE_NOOP("Desktop",
        "Every deal can be won, and a hint shows the next move of a shortest solution"),
    QT_TRANSLATE_NOOP("Desktop",
        "Best results for each board size: the best time, the fewest moves and the games "
        "completed"),
    QT_TRANSLATE_NOOP("Desktop", "Moves can be undone"),
    QT_TRANSLATE_NOOP("Desktop",
        "Play with the mouse or the keyboard: the arrow keys slide the blocks, and every control "
        "has an access key"),
    QT_TRANSLATE_NOOP("Desktop",
        "A clock and a move counter, and short sounds for moves and the completed photo"),
    QT_TRANSLATE_NOOP("Desktop", "A small sample of the whole photo beside the board"),
    QT_TRANSLATE_NOOP("Desktop", "An unfinished game can be kept for the next start"),
    QT_TRANSLATE_NOOP("Desktop",
        "In English, German and Turkish, and readable by screen readers"),
    //: The caption of the software centre's screenshot.
    QT_TRANSLATE_NOOP("Desktop", "A game in progress on a 3 x 3 board"),
    //: Single search words of a software centre, one each.
    QT_TRANSLATE_NOOP("Desktop", "puzzle"),
    QT_TRANSLATE_NOOP("Desktop", "sliding"),
    QT_TRANSLATE_NOOP("Desktop", "photo"),
    QT_TRANSLATE_NOOP("Desktop", "hint"),
    QT_TRANSLATE_NOOP("Desktop", "best results"),
    QT_TRANSLATE_NOOP("Desktop", "undo"),
    QT_TRANSLATE_NOOP("Desktop", "keyboard"),
    //: What the release brought, shown by a software centre.
    QT_TRANSLATE_NOOP("Desktop",
        "The first release for the desktop: a menu entry and icon, manual pages in English, "
        "German and Turkish, a photo given on the command line or dropped on the window, and a "
        "Debian package."),
};
// clang-format on

QString xmlEscaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString xmlUnescaped(QString text)
{
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

// What a language says for `english`: empty when it has nothing of its own.
QString translated(const DesktopTranslation& translate, const QString& language,
                   const QString& english)
{
    const QString text = translate(language, english);
    return text == english ? QString() : text;
}

} // namespace

QStringList desktopTexts()
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

LocalizedFile localizeDesktopEntry(const QString& entry, const QStringList& languages,
                                   const DesktopTranslation& translate)
{
    static const QRegularExpression translatable(
        QStringLiteral("^(Name|GenericName|Comment|Keywords)=(.*)$"));
    const QStringList known = desktopTexts();
    LocalizedFile file;
    QStringList lines = entry.split(u'\n');
    QStringList out;
    for (const QString& line : lines) {
        out << line;
        const QRegularExpressionMatch m = translatable.match(line);
        if (!m.hasMatch())
            continue;
        const QString english = m.captured(2);
        // The program's name is the same in every language.
        if (m.captured(1) == QLatin1String("Name"))
            continue;
        if (!known.contains(english)) {
            file.untranslatable << english;
            continue;
        }
        for (const QString& language : languages) {
            const QString text = translated(translate, language, english);
            if (!text.isEmpty())
                out << QStringLiteral("%1[%2]=%3").arg(m.captured(1), language, text);
        }
    }
    file.text = out.join(u'\n');
    return file;
}

LocalizedFile localizeMetainfo(const QString& metainfo, const QStringList& languages,
                               const DesktopTranslation& translate)
{
    static const QRegularExpression translatable(
        QStringLiteral("^(\\s*)<(summary|caption|keyword|p|li)>(.*)</\\2>\\s*$"));
    const QStringList known = desktopTexts();
    LocalizedFile file;
    QStringList out;
    for (const QString& line : metainfo.split(u'\n')) {
        out << line;
        const QRegularExpressionMatch m = translatable.match(line);
        if (!m.hasMatch())
            continue;
        const QString english = xmlUnescaped(m.captured(3));
        if (!known.contains(english)) {
            file.untranslatable << english;
            continue;
        }
        for (const QString& language : languages) {
            const QString text = translated(translate, language, english);
            if (!text.isEmpty())
                out << QStringLiteral("%1<%2 xml:lang=\"%3\">%4</%2>")
                           .arg(m.captured(1), m.captured(2), language, xmlEscaped(text));
        }
    }
    file.text = out.join(u'\n');
    return file;
}

QString manualPageCaption(const QString& caption)
{
    QString text = caption.trimmed();
    // "&&" stands for a "&" of its own; a single one marks the access key.
    text.replace(QLatin1String("&&"), QString(QChar(0xE000)));
    text.remove(u'&');
    text.replace(QChar(0xE000), u'&');
    // roff: a backslash is its escape, a minus sign is not a hyphen, and a line that begins
    // with a dot or quote would be a request.
    text.replace(u'\\', QLatin1String("\\e"));
    text.replace(u'-', QLatin1String("\\-"));
    if (text.startsWith(u'.') || text.startsWith(u'\''))
        text.prepend(QLatin1String("\\&"));
    return text;
}

QString manualPageAccessKey(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != u'&')
            continue;
        if (caption.at(i + 1) == u'&') {
            ++i;
            continue;
        }
        return QStringLiteral("Alt+") + caption.at(i + 1).toUpper();
    }
    return QString();
}

LocalizedFile fillManualPage(const QString& page, const QString& version,
                             const std::function<QString(int id)>& strings)
{
    static const QRegularExpression placeholder(QStringLiteral("@(caption|key):(\\d+)@"));
    LocalizedFile file;
    QString text;
    qsizetype done = 0;
    for (auto it = placeholder.globalMatch(page); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        text += page.mid(done, m.capturedStart() - done);
        done = m.capturedEnd();
        const QString caption = strings(m.captured(2).toInt());
        if (caption.isEmpty()) {
            file.untranslatable << m.captured();
            continue;
        }
        text += m.captured(1) == QLatin1String("caption") ? manualPageCaption(caption)
                                                          : manualPageAccessKey(caption);
    }
    text += page.mid(done);
    text.replace(QLatin1String("@VERSION@"), version);
    file.text = text;
    return file;
}

} // namespace tessel
