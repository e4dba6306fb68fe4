// The program's own art, made by code at build time: each product writes one file.
#pragma once

#include <QString>

namespace tessel::art {

struct Product
{
    const char* name; // the name given on the command line
    bool (*write)(const QString& path);
};

// The default photo: a landscape with clearly different features in every part, so the
// blocks of a 3 x 3 to 5 x 5 board can be told apart.
bool writeSamplePhoto(const QString& path);

// The game's sounds, short PCM waves: a refused click ("DUR"), a move ("TAMAM") and the
// completed photo ("TEBRIK").
bool writeRefusedSound(const QString& path);
bool writeMoveSound(const QString& path);
bool writeCompletedSound(const QString& path);

// The program's icon: the scalable drawing, and the same drawing at `side` pixels.
bool writeIconSvg(const QString& path);
bool writeIconPng(const QString& path, int side);

} // namespace tessel::art
