// tessel_art NAME OUTPUT: writes the art product NAME (see the table below) to OUTPUT.
#include "art.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace {

const tessel::art::Product products[] = {
    { "sample", tessel::art::writeSamplePhoto },
    { "DUR", tessel::art::writeRefusedSound },
    { "TAMAM", tessel::art::writeMoveSound },
    { "TEBRIK", tessel::art::writeCompletedSound },
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3) {
        for (const auto& product : products) {
            if (std::strcmp(product.name, argv[1]) != 0)
                continue;
            if (product.write(QString::fromLocal8Bit(argv[2])))
                return 0;
            std::fprintf(stderr, "tessel_art: cannot write %s\n", argv[2]);
            return 1;
        }
    }
    std::fprintf(stderr, "usage: tessel_art NAME OUTPUT, NAME one of:");
    for (const auto& product : products)
        std::fprintf(stderr, " %s", product.name);
    std::fprintf(stderr, "\n");
    return 2;
}
