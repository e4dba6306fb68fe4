// Values shared by every window of the program, set at start-up and by the game window.
#pragma once

#include <QString>

#include <cstdint>

namespace tessel {

struct SharedValues
{
    QString AppFolder; // the executable's folder, ending in one separator
    QString SettingsAppName; // "Velkor\Tessel": the root of every stored setting
    bool IsNtPlatform = false;
    QString PhotoPath; // full path of the current photo
    int16_t DivisionIndex = 0; // 0, 1, 2 for 3 x 3, 4 x 4, 5 x 5 blocks
};

SharedValues& shared();

} // namespace tessel
