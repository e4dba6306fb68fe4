// What the game window writes when it closes: the options, the window position and an
// unfinished game, in the order the close takes its steps.
#pragma once

#include "common/errors.h"
#include "common/shared.h"
#include "store/keyvaluepairs.h"
#include "store/settingskeys.h"
#include "store/settingsstore.h"

#include <QLocale>
#include <QString>

#include <cstdint>

namespace tessel {

// Why the game window closes, numbered as the classic run-time numbers them.
enum CloseReason : int {
    FormControlMenu = 0, // the player, through the window frame: close box, system menu, Alt+F4
    FormCode = 1, // the program: the Exit button or Esc
    AppWindows = 2, // the session ends (log-out, shut-down)
    AppTaskManager = 3, // a task manager or a termination signal
};

// The game window's state at the close, gathered by the window.
struct CloseSnapshot
{
    bool normalState = true; // not minimised: only then is the position written
    float left = 0; // outer window edges, twips
    float top = 0;
    int16_t divisionIndex = 0;
    QString photoPath;
    int16_t showSample = 1; // check box values: 0 clear, 1 checked, 2 grey
    int16_t saveOnExit = 0;
    int16_t soundOff = 0;
    bool gameRunning = false; // the clock's interval is above 0
    // The game as stored: the values of section "Oyun" and of "Oyun\Bilgiler", in order.
    KeyValuePairs gameCells;
    KeyValuePairs gameInfo;
    // Its deal, for section "Dagitim"; empty when the game's deal is not known.
    KeyValuePairs gameDeal;
};

// The stored game goes, sub-section first, and its deal after it; only when one was read
// (savedGame not empty), and a section already gone is no error.
template<class Store>
void removeStoredGame(Store& store, const KeyValuePairs& savedGame)
{
    if (savedGame.empty())
        return;
    ignoreErrors(
        [&] { store.DeleteSetting(shared().SettingsAppName, settingskeys::OyunBilgiler); });
    ignoreErrors([&] { store.DeleteSetting(shared().SettingsAppName, settingskeys::Oyun); });
    ignoreErrors([&] { store.DeleteSetting(shared().SettingsAppName, settingskeys::Dagitim); });
}

// The close's writes in their order: position (normal state only), the five options, then,
// while a game runs with save-on-exit set, the game replacing the stored one, its deal (when
// known) after it. A step that
// fails is skipped. savedGame receives section "Oyun" as re-read before the replacement.
// Numbers with a fraction use the locale's decimal separator.
void writeCloseSettings(SettingsBatch& batch, const CloseSnapshot& snapshot,
                        KeyValuePairs& savedGame, const QLocale& locale = QLocale::system());

// The same as one atomic replace of the store's file. Raises when the file cannot be locked
// or replaced; the file then keeps what it held.
void writeCloseSettings(SettingsStore& store, const CloseSnapshot& snapshot,
                        KeyValuePairs& savedGame, const QLocale& locale = QLocale::system());

} // namespace tessel
