// The stored-layout format: whatever text parses writes back to a text that parses to the same
// layout (every name and value, every font field the format keeps), through UTF-8 as a file
// holds it, and writing that again gives the same text.
#include "fuzzsupport.h"

#include "about/propertybag.h"
#include "common/errors.h"

#include <QFont>

using namespace tessel;
using namespace tessel::fuzz;

namespace {

bool sameFont(const QFont& a, const QFont& b)
{
    return a.family() == b.family() && a.pointSizeF() == b.pointSizeF() && a.weight() == b.weight()
        && a.underline() == b.underline() && a.italic() == b.italic()
        && a.strikeOut() == b.strikeOut();
}

bool sameValue(const QVariant& a, const QVariant& b)
{
    const bool fontA = a.typeId() == QMetaType::QFont;
    if (fontA != (b.typeId() == QMetaType::QFont))
        return false;
    if (fontA)
        return sameFont(a.value<QFont>(), b.value<QFont>());
    return a.typeId() == b.typeId() && a == b;
}

bool sameLayout(const StoredLayout& a, const StoredLayout& b)
{
    if (a.controls().size() != b.controls().size())
        return false;
    for (qsizetype i = 0; i < a.controls().size(); ++i) {
        const auto& ca = a.controls()[i];
        const auto& cb = b.controls()[i];
        if (ca.name != cb.name || ca.properties.entries().size() != cb.properties.entries().size())
            return false;
        for (qsizetype k = 0; k < ca.properties.entries().size(); ++k) {
            const auto& ea = ca.properties.entries()[k];
            const auto& eb = cb.properties.entries()[k];
            if (ea.name != eb.name || !sameValue(ea.value, eb.value))
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    StoredLayout parsed;
    try {
        parsed = parseStoredLayout(
            QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const TesselError& error) {
        check(error.code() == ErrorCode::TypeMismatch, "parsing raised another error");
        return 0;
    }
    QString written;
    StoredLayout again;
    try {
        written = storedLayoutText(parsed);
        again = parseStoredLayout(QString::fromUtf8(written.toUtf8()));
    } catch (const TesselError&) {
        fail("a parsed layout does not write and read back");
    }
    check(sameLayout(parsed, again), "a written layout reads back different");
    check(storedLayoutText(again) == written, "writing is not stable");
    return 0;
}
