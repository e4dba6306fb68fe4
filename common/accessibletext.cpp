#include "common/accessibletext.h"

#include "common/resourcestring.h"
#include "common/stringids.h"

namespace tessel {

QString plainCaption(const QString& caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // A mark's letter, or the second "&" of a doubled one, is kept as it stands.
        if (caption[i] == u'&' && ++i == caption.size())
            break;
        plain += caption[i];
    }
    return plain.trimmed();
}

QString accessKey(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        ++i; // the marked letter, or the second "&" of a doubled one
        if (caption[i] != u'&')
            return caption[i].toUpper();
    }
    return QString();
}

QString namedValue(int nameId, const QString& value)
{
    return ResourceString(StringId::NamedValue).arg(plainCaption(ResourceString(nameId)), value);
}

} // namespace tessel
