// tessel_art NAME OUTPUT: writes the art product NAME (see the table below, and "iconN.png" for
// the icon at N pixels, N one of the installed sizes) to OUTPUT.
#include "art.h"

#include "resources/appicon.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

const tessel::art::Product products[] = {
    { "sample", tessel::art::writeSamplePhoto }, { "DUR", tessel::art::writeRefusedSound },
    { "TAMAM", tessel::art::writeMoveSound },    { "TEBRIK", tessel::art::writeCompletedSound },
    { "icon.svg", tessel::art::writeIconSvg },
};

// The icon at N pixels for "iconN.png" with N an installed size; 0 for any other name.
int iconSide(const char* name)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^icon([0-9]+)\\.png$"))
                                              .match(QString::fromLocal8Bit(name));
    const int side = match.hasMatch() ? match.captured(1).toInt() : 0;
    return std::ranges::count(tessel::appIconSizes, side) ? side : 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3) {
        const QString output = QString::fromLocal8Bit(argv[2]);
        std::optional<bool> written;
        if (const int side = iconSide(argv[1]))
            written = tessel::art::writeIconPng(output, side);
        for (const auto& product : products) {
            if (std::strcmp(product.name, argv[1]) == 0)
                written = product.write(output);
        }
        if (written) {
            if (*written)
                return 0;
            std::fprintf(stderr, "tessel_art: cannot write %s\n", argv[2]);
            return 1;
        }
    }
    std::fprintf(stderr, "usage: tessel_art NAME OUTPUT, NAME one of:");
    for (const auto& product : products)
        std::fprintf(stderr, " %s", product.name);
    for (int side : tessel::appIconSizes)
        std::fprintf(stderr, " icon%d.png", side);
    std::fprintf(stderr, "\n");
    return 2;
}
