#include "common/textescape.h"

namespace tessel {

namespace {

bool isControl(char16_t c)
{
    return c < 0x20 || c == 0x7F;
}

void appendHex4(QString& out, char16_t c)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    out += QLatin1String("\\u");
    for (int shift = 12; shift >= 0; shift -= 4)
        out += QLatin1Char(digits[(c >> shift) & 0xF]);
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

} // namespace

void appendEscaped(QString& out, QStringView text, qsizetype& i)
{
    const QChar c = text[i];
    switch (c.unicode()) {
    case '\\':
        out += QLatin1String("\\\\");
        return;
    case '\n':
        out += QLatin1String("\\n");
        return;
    case '\r':
        out += QLatin1String("\\r");
        return;
    case '\t':
        out += QLatin1String("\\t");
        return;
    default:
        break;
    }
    if (isControl(c.unicode())) {
        appendHex4(out, c.unicode());
    } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        out += c;
        out += text[++i];
    } else if (c.isSurrogate()) {
        appendHex4(out, c.unicode());
    } else {
        out += c;
    }
}

bool appendUnescaped(QString& out, QStringView text, qsizetype& i)
{
    const QChar c = text[i];
    switch (c.unicode()) {
    case 'n':
        out += u'\n';
        return true;
    case 'r':
        out += u'\r';
        return true;
    case 't':
        out += u'\t';
        return true;
    case 'u': {
        if (text.size() - i <= 4)
            return false;
        char16_t code = 0;
        for (qsizetype k = 1; k <= 4; ++k) {
            const int digit = hexValue(text[i + k]);
            if (digit < 0)
                return false;
            code = char16_t(code << 4 | digit);
        }
        out += QChar(code);
        i += 4;
        return true;
    }
    default:
        out += c;
        return true;
    }
}

} // namespace tessel
