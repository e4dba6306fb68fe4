// What the keys and help window says: every key of the game window with what it does, and what
// the hint and the best results are.
#pragma once

#include <QString>

#include <vector>

namespace tessel {

struct KeyHelpRow
{
    QString keys; // as the keyboard labels them: "Ctrl+Z", "Alt+N"
    QString action;
};

// The game window's keys in the order the window lists them, in the string table's language.
// The access keys are the letters the game window's captions mark in that language, so the list
// names the keys that work (Alt+N in English is Alt+Y in Turkish).
std::vector<KeyHelpRow> keyHelpRows();

} // namespace tessel
