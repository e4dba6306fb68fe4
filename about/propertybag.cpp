#include "about/propertybag.h"

#include "about/aboutinfo.h"
#include "common/errors.h"
#include "common/textescape.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace tessel {

namespace {

[[noreturn]] void mismatch(const QString& what)
{
    throw TesselError(ErrorCode::TypeMismatch, what);
}

bool isInteger(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

} // namespace

qsizetype PropertyBag::indexOf(const QString& name) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant PropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const
{
    const qsizetype i = indexOf(name);
    return i < 0 ? defaultValue : m_entries[i].value;
}

void PropertyBag::WriteProperty(const QString& name, const QVariant& value,
                                const QVariant& defaultValue)
{
    const qsizetype i = indexOf(name);
    const bool isObject = value.typeId() == QMetaType::QFont;
    if (!isObject && defaultValue.isValid() && value == defaultValue) {
        if (i >= 0)
            m_entries.removeAt(i);
        return;
    }
    if (i >= 0)
        m_entries[i].value = value;
    else
        m_entries.append({ name, value });
}

bool PropertyBag::operator==(const PropertyBag& other) const
{
    if (m_entries.size() != other.m_entries.size())
        return false;
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].name != other.m_entries[i].name
            || m_entries[i].value != other.m_entries[i].value)
            return false;
    return true;
}

QString storedString(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (isInteger(value) || value.typeId() == QMetaType::Double)
        return value.toString();
    mismatch(QStringLiteral("Stored value is not text"));
}

bool storedBool(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (isInteger(value))
        return value.toLongLong() != 0;
    if (value.typeId() == QMetaType::QString) {
        if (value.toString().compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (value.toString().compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
    }
    mismatch(QStringLiteral("Stored value is not a Boolean"));
}

quint32 storedColor(const QVariant& value)
{
    if (!isInteger(value))
        mismatch(QStringLiteral("Stored value is not a colour"));
    // Colours are 32-bit: a negative number is the signed reading of a system colour.
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok || number < std::numeric_limits<qint32>::min()
        || number > qlonglong(std::numeric_limits<quint32>::max()))
        throw TesselError(ErrorCode::Overflow, QStringLiteral("Overflow"));
    return static_cast<quint32>(number);
}

QFont storedFont(const QVariant& value)
{
    if (value.typeId() != QMetaType::QFont)
        mismatch(QStringLiteral("Stored value is not a font"));
    return value.value<QFont>();
}

const PropertyBag* StoredLayout::find(const QString& controlName) const
{
    for (const Control& control : m_controls)
        if (control.name.compare(controlName, Qt::CaseInsensitive) == 0)
            return &control.properties;
    return nullptr;
}

PropertyBag& StoredLayout::add(const QString& controlName)
{
    m_controls.append({ controlName, {} });
    return m_controls.last().properties;
}

// ---- text form --------------------------------------------------------------------------------

namespace {

QString quoted(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'"')
            out += QLatin1String("\\\"");
        else
            appendEscaped(out, text, i);
    }
    return out + u'"';
}

// What the parser reads as a name: a control's or a font's name stands after its keyword to the
// end of the line, a value's name before its "=", alone.
enum class NameKind { Control, Font, Value };

// A name the text form cannot give back as it is raises TypeMismatch: writing it would make a
// layout that reads differently, or not at all.
const QString& writableName(const QString& name, NameKind kind)
{
    const bool fits = !name.isEmpty() && name == name.trimmed() && !name.contains(u'\n')
        && (kind != NameKind::Value
            || (!name.contains(u' ') && !name.contains(u'=') && !name.startsWith(u'#')))
        && (kind != NameKind::Font || !name.startsWith(u'='));
    if (!fits)
        mismatch(QStringLiteral("Name cannot be stored: %1").arg(name));
    return name;
}

QString valueText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return quoted(value.toString());
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::UInt:
        return QStringLiteral("&H%1&").arg(value.toUInt(), 8, 16, QLatin1Char('0')).toUpper();
    case QMetaType::Int:
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    case QMetaType::Double: {
        const double number = value.toDouble();
        if (!std::isfinite(number))
            mismatch(QStringLiteral("A number that is not finite cannot be stored"));
        // The fewest digits that read back as the same number, with a point or an exponent so
        // that it reads back as a real number.
        QString text = QLocale::c().toString(number, 'g', QLocale::FloatingPointShortest);
        if (!text.contains(u'.') && !text.contains(u'e'))
            text += QLatin1String(".0");
        return text;
    }
    default:
        mismatch(QStringLiteral("Value of type %1 cannot be stored")
                     .arg(QString::fromLatin1(value.typeName())));
    }
}

void writeFont(QString& out, const QString& name, const QFont& font)
{
    const double size = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    out += QStringLiteral("   BeginProperty %1\n").arg(writableName(name, NameKind::Font));
    out += QStringLiteral("      name = %1\n").arg(quoted(font.family()));
    out += QStringLiteral("      size = %1\n").arg(valueText(size));
    out += QStringLiteral("      weight = %1\n").arg(int(font.weight()));
    out += QStringLiteral("      underline = %1\n").arg(valueText(font.underline()));
    out += QStringLiteral("      italic = %1\n").arg(valueText(font.italic()));
    out += QStringLiteral("      strikethrough = %1\n").arg(valueText(font.strikeOut()));
    out += QLatin1String("   EndProperty\n");
}

class Parser
{
public:
    explicit Parser(const QString& text)
        : m_lines(text.split(u'\n'))
    { }

    StoredLayout parse()
    {
        StoredLayout layout;
        PropertyBag* control = nullptr;
        QString fontName;
        QFont font;
        bool inFont = false;
        for (m_line = 0; m_line < m_lines.size(); ++m_line) {
            const QString line = m_lines[m_line].trimmed();
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            const QString word = line.section(u' ', 0, 0);
            const QString rest = line.section(u' ', 1).trimmed();
            // A value may be named like a keyword: "BeginProperty = 1" is a value.
            const bool isAssignment = word.contains(u'=') || rest.startsWith(u'=');
            if (!control) {
                if (!isWord(word, "Begin") || rest.isEmpty())
                    fail(QStringLiteral("Begin expected"));
                control = &layout.add(rest);
            } else if (inFont) {
                if (isWord(word, "EndProperty") && rest.isEmpty()) {
                    control->WriteProperty(fontName, font);
                    inFont = false;
                } else {
                    setFontField(font, assignment(line));
                }
            } else if (isWord(word, "End") && rest.isEmpty()) {
                control = nullptr;
            } else if (!isAssignment && isWord(word, "BeginProperty") && !rest.isEmpty()) {
                fontName = rest;
                font = QFont();
                inFont = true;
            } else {
                const auto [name, value] = assignment(line);
                control->WriteProperty(name, value);
            }
        }
        if (control)
            fail(QStringLiteral("End missing"));
        return layout;
    }

private:
    static bool isWord(const QString& word, const char* keyword)
    {
        return word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
    }

    [[noreturn]] void fail(const QString& what) const
    {
        mismatch(QStringLiteral("Stored layout, line %1: %2").arg(m_line + 1).arg(what));
    }

    std::pair<QString, QVariant> assignment(const QString& line) const
    {
        const qsizetype eq = line.indexOf(u'=');
        const QString name = line.left(eq).trimmed();
        if (eq < 0 || name.isEmpty() || name.contains(u' '))
            fail(QStringLiteral("name = value expected"));
        return { name, value(line.mid(eq + 1).trimmed()) };
    }

    QVariant value(const QString& text) const
    {
        if (text.startsWith(u'"'))
            return string(text);
        static const QRegularExpression hex(QStringLiteral("^&H([0-9A-Fa-f]{1,8})&?$"));
        static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
        static const QRegularExpression real(
            QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
        bool ok = false;
        if (const auto m = hex.match(text); m.hasMatch())
            return QVariant::fromValue(m.captured(1).toUInt(nullptr, 16));
        if (integer.match(text).hasMatch()) {
            const qlonglong number = text.toLongLong(&ok);
            if (!ok)
                fail(QStringLiteral("number out of range"));
            return QVariant::fromValue(number);
        }
        if (real.match(text).hasMatch()) {
            const double number = QLocale::c().toDouble(text, &ok);
            if (ok)
                return number;
        }
        if (isWord(text, "True"))
            return true;
        if (isWord(text, "False"))
            return false;
        fail(QStringLiteral("value not understood: %1").arg(text));
    }

    QString string(const QString& text) const
    {
        QString out;
        qsizetype i = 1;
        for (; i < text.size() && text[i] != u'"'; ++i) {
            if (text[i] != u'\\') {
                out += text[i];
                continue;
            }
            if (++i == text.size())
                break;
            if (!appendUnescaped(out, text, i))
                fail(QStringLiteral("bad \\u escape"));
        }
        if (i >= text.size() || i != text.size() - 1)
            fail(QStringLiteral("string not closed where the line ends"));
        return out;
    }

    static double positiveNumber(const QVariant& value)
    {
        if (!isInteger(value) && value.typeId() != QMetaType::Double)
            mismatch(QStringLiteral("number expected"));
        if (value.toDouble() <= 0)
            mismatch(QStringLiteral("positive number expected"));
        return value.toDouble();
    }

    void setFontField(QFont& font, const std::pair<QString, QVariant>& field) const
    {
        const auto& [name, value] = field;
        try {
            if (isWord(name, "name"))
                font.setFamily(storedString(value));
            else if (isWord(name, "size"))
                font.setPointSizeF(positiveNumber(value));
            else if (isWord(name, "weight"))
                font.setWeight(QFont::Weight(int(std::clamp(positiveNumber(value), 1.0, 1000.0))));
            else if (isWord(name, "underline"))
                font.setUnderline(storedBool(value));
            else if (isWord(name, "italic"))
                font.setItalic(storedBool(value));
            else if (isWord(name, "strikethrough"))
                font.setStrikeOut(storedBool(value));
            // Anything else (the character set) has no meaning to Qt, which picks glyphs by
            // character.
        } catch (const TesselError& error) {
            fail(error.description());
        }
    }

    QStringList m_lines;
    qsizetype m_line = 0;
};

} // namespace

StoredLayout parseStoredLayout(const QString& text)
{
    return Parser(text).parse();
}

QString storedLayoutText(const StoredLayout& layout)
{
    QString out;
    for (const StoredLayout::Control& control : layout.controls()) {
        if (!out.isEmpty())
            out += u'\n';
        out += QStringLiteral("Begin %1\n").arg(writableName(control.name, NameKind::Control));
        for (const PropertyBag::Entry& entry : control.properties.entries()) {
            if (entry.value.typeId() == QMetaType::QFont)
                writeFont(out, entry.name, entry.value.value<QFont>());
            else
                out += QStringLiteral("   %1 = %2\n")
                           .arg(writableName(entry.name, NameKind::Value), valueText(entry.value));
        }
        out += QLatin1String("End\n");
    }
    return out;
}

StoredLayout loadStoredLayout(const QString& name)
{
    QFile file(QStringLiteral(":/tessel/layouts/%1.layout").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        throw TesselError(ErrorCode::FileNotFound,
                          QStringLiteral("Stored layout %1 not found").arg(name));
    StoredLayout parsed = parseStoredLayout(QString::fromUtf8(file.readAll()));
    StoredLayout layout;
    for (const StoredLayout::Control& control : parsed.controls()) {
        PropertyBag& bag = layout.add(control.name);
        for (const PropertyBag::Entry& entry : control.properties.entries()) {
            QVariant value = entry.value;
            if (value.typeId() == QMetaType::QString)
                value = expandBuildFields(value.toString());
            bag.WriteProperty(entry.name, value);
        }
    }
    return layout;
}

} // namespace tessel
