// Tessel: a photo sliding-block puzzle.
#include "startup/startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return tessel::runEntryRoutine(app);
}
