// The entry routine and the steps it runs before the game window loads.
#pragma once

#include "startup/platform.h"

#include <functional>

class QApplication;

namespace tessel {

// Switches on the platform's look; true when nothing failed.
bool InitVisualStyles();

// Returns with IsNtPlatform set, or, on too old a system, tells the user and ends the program.
void CheckPlatformVersion(const std::function<VersionQuery()>& query = queryPlatformVersion);

// The whole start-up; returns the program's exit code once the game window is gone. A `photo`
// from the command line is taken, once the window is up, as the photo selection window's OK
// takes one.
int runEntryRoutine(QApplication& app, const QString& photo = {});

} // namespace tessel
