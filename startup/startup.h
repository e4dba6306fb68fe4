// The entry routine and the steps it runs before the game window loads.
#pragma once

#include "common/errors.h"
#include "system/platform.h"

#include <QPointer>

#include <functional>
#include <future>
#include <thread>

class QApplication;

namespace tessel {

class AnaForm;
class SettingsStore;

// Choices of the window system's layer that must be made before the application object
// exists. On X, windows are drawn through the connection rather than through shared memory
// (unless the user's environment says otherwise): shared memory costs a round trip to the
// server before each repaint of an area drawn before, and the clock repaints its time every
// second, two wake-ups of the process more each time.
void prepareWindowSystem();

// The fonts made ready on a second thread while the first starts the window system: the
// system's font configuration read at once, then, once the application object exists, Qt's
// list of fonts made and the design font found (the list is the process's, behind a lock).
// The first text the windows measure then waits for what is left of that, if anything.
class FontPreparation
{
public:
    FontPreparation();
    ~FontPreparation();
    FontPreparation(const FontPreparation&) = delete;
    FontPreparation& operator=(const FontPreparation&) = delete;

    void applicationReady();
    // Before the application object goes.
    void wait();

private:
    void tell(bool applicationExists);

    std::promise<bool> m_application;
    bool m_told = false;
    std::thread m_thread;
};

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
