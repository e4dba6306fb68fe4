// The entry routine and the steps it runs before the game window loads.
#pragma once

#include "common/errors.h"
#include "system/platform.h"

#include <QPointer>

#include <functional>

class QApplication;

namespace tessel {

class AnaForm;
class SettingsStore;

// Switches on the platform's look; true when nothing failed.
bool InitVisualStyles();

// Returns with IsNtPlatform set, or, on too old a system, tells the user and ends the program.
void CheckPlatformVersion(const std::function<VersionQuery()>& query = queryPlatformVersion);

// The whole start-up; returns the program's exit code once the game window is gone. A `photo`
// from the command line is taken, once the window is up, as the photo selection window's OK
// takes one.
int runEntryRoutine(QApplication& app, const QString& photo = {});

// Starts decoding the stored photo, then creates and loads the game window on `settings`, all
// on one read of the store; a failing step goes to `trap`. Null when no window came of it.
QPointer<AnaForm> openGameWindow(SettingsStore& settings, const ReportingTrap& trap);

// After the last window: ends the process at once while a photo is still decoding (a huge or
// damaged file may take its time, and nothing waits for it any more), else returns `exitCode`.
int endOfProgram(int exitCode);

} // namespace tessel
