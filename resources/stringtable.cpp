// The program's string table: every caption and message, by number. Trailing blanks and the
// "&" access keys are part of the texts. The English texts are the source language of the
// translations in resources/translations/ (Qt Linguist files, context "StringTable", the id as
// the disambiguation); resources/README.md says how to add a text or a language.
#include "resources/stringtable.h"

#include <QtGlobal>

namespace tessel {

namespace {
// clang-format off
constexpr StringEntry entries[] = {
    { 10, QT_TRANSLATE_NOOP3("StringTable", "Velkor - Tessel", "10") },
    { 30, QT_TRANSLATE_NOOP3("StringTable",
        "In order for the program to work, it is important that, your computer is installed "
        "with NT 4.0 and 'Servis Pack 3' or with a higher version.", "30") },
    { 40, QT_TRANSLATE_NOOP3("StringTable",
        "Due to the error occured below, the program may not work! \n"
        "Are you sure you want to continue?", "40") },
    { 50, QT_TRANSLATE_NOOP3("StringTable", "Error Code :", "50") },
    { 60, QT_TRANSLATE_NOOP3("StringTable", "Error Message :", "60") },
    { 70, QT_TRANSLATE_NOOP3("StringTable", "Error Occured!", "70") },
    { 100, QT_TRANSLATE_NOOP3("StringTable", "Completing Photo ", "100") },
    { 200, QT_TRANSLATE_NOOP3("StringTable", "Dividing Photo ", "200") },
    { 210, QT_TRANSLATE_NOOP3("StringTable", "&3 x 3 Blocks ", "210") },
    { 220, QT_TRANSLATE_NOOP3("StringTable", "&4 x 4 Blocks ", "220") },
    { 230, QT_TRANSLATE_NOOP3("StringTable", "&5 x 5 Blocks ", "230") },
    { 300, QT_TRANSLATE_NOOP3("StringTable", "Photo Sample ", "300") },
    { 400, QT_TRANSLATE_NOOP3("StringTable", "Show ph&oto sample ", "400") },
    { 410, QT_TRANSLATE_NOOP3("StringTable", "&Save on exit ", "410") },
    { 420, QT_TRANSLATE_NOOP3("StringTable", "Sound o&ff ", "420") },
    { 500, QT_TRANSLATE_NOOP3("StringTable", "Game Information ", "500") },
    //: The label before the elapsed time of the game.
    { 510, QT_TRANSLATE_NOOP3("StringTable", "Remaining Time :", "510") },
    //: The label before the number of moves made.
    { 520, QT_TRANSLATE_NOOP3("StringTable", "Click Counts :", "520") },
    { 600, QT_TRANSLATE_NOOP3("StringTable", "&New Game", "600") },
    { 700, QT_TRANSLATE_NOOP3("StringTable", "New &Photo...", "700") },
    { 800, QT_TRANSLATE_NOOP3("StringTable", "&About", "800") },
    { 900, QT_TRANSLATE_NOOP3("StringTable", "Exit (Esc)", "900") },
    { 1000, QT_TRANSLATE_NOOP3("StringTable", "Firstly, please select a photo!", "1000") },
    //: Follows a number of hours in the completion time; the parts are joined by 3080 and 3090.
    { 1100, QT_TRANSLATE_N_NOOP3("StringTable", " hour, ", "1100") },
    //: Follows a number of minutes in the completion time.
    { 1200, QT_TRANSLATE_N_NOOP3("StringTable", " minute, ", "1200") },
    //: Follows a number of seconds in the completion time.
    { 1250, QT_TRANSLATE_N_NOOP3("StringTable", " second", "1250") },
    { 1300, QT_TRANSLATE_NOOP3("StringTable",
        "Congratulations! You have completed the photo!", "1300") },
    { 1320, QT_TRANSLATE_NOOP3("StringTable", "Completing Time : ", "1320") },
    { 1340, QT_TRANSLATE_NOOP3("StringTable", "Click Counts : ", "1340") },
    { 1400, QT_TRANSLATE_NOOP3("StringTable",
        "Resetting the counter, for games not completed within 24 hours!", "1400") },
    { 1500, QT_TRANSLATE_NOOP3("StringTable", "Do you want to exit the program?", "1500") },
    { 1550, QT_TRANSLATE_NOOP3("StringTable", "Select Photo...", "1550") },
    { 1600, QT_TRANSLATE_NOOP3("StringTable", "Dri&ver(s)", "1600") },
    { 1700, QT_TRANSLATE_NOOP3("StringTable", "&Directory(s)", "1700") },
    { 1800, QT_TRANSLATE_NOOP3("StringTable", "&Photos (*.bmp, *.jpg)", "1800") },
    { 1900, QT_TRANSLATE_NOOP3("StringTable", "Preview ", "1900") },
    { 2000, QT_TRANSLATE_NOOP3("StringTable", "OK", "2000") },
    { 2100, QT_TRANSLATE_NOOP3("StringTable", "Cancel", "2100") },
    { 2200, QT_TRANSLATE_NOOP3("StringTable", "Cannot read drive!", "2200") },
    { 2300, QT_TRANSLATE_NOOP3("StringTable",
        "Please, select photo file from the list!", "2300") },
    { 2400, QT_TRANSLATE_NOOP3("StringTable", "About Program", "2400") },
    { 2450, QT_TRANSLATE_NOOP3("StringTable", "Version ", "2450") },
    { 2500, QT_TRANSLATE_NOOP3("StringTable", "Send Message", "2500") },
    { 2600, QT_TRANSLATE_NOOP3("StringTable", "Send E-Mail", "2600") },

    // Keyboard play and screen readers.
    //: The board's tooltip and its description for screen readers: the keys of the board.
    { 3000, QT_TRANSLATE_NOOP3("StringTable",
        "Arrow keys: slide the block beside the empty cell into it, the way the arrow points\n"
        "Space or an arrow key: deal a new game when none is running", "3000") },
    //: A board cell read by a screen reader: %1 the block's number (1 is the top left block of
    //: the whole photo), %2 and %3 the cell's row and column.
    { 3010, QT_TRANSLATE_NOOP3("StringTable", "Block %1, row %2, column %3", "3010") },
    //: The board cell without a block, read by a screen reader.
    { 3020, QT_TRANSLATE_NOOP3("StringTable", "Empty cell", "3020") },
    //: Screen readers' name of the elapsed time display.
    { 3030, QT_TRANSLATE_NOOP3("StringTable", "Time", "3030") },
    //: Screen readers' name of the move count display.
    { 3040, QT_TRANSLATE_NOOP3("StringTable", "Moves", "3040") },
    //: A display read with its value: %1 its name (3030, 3040), %2 the value shown.
    { 3050, QT_TRANSLATE_NOOP3("StringTable", "%1: %2", "3050") },
    //: Announced after a move: %1 the block's number, %2 and %3 the row and column it moved to.
    { 3060, QT_TRANSLATE_NOOP3("StringTable", "Block %1 moved to row %2, column %3.", "3060") },
    //: Announced when the blocks have been dealt for a new game.
    { 3070, QT_TRANSLATE_NOOP3("StringTable", "A new game is dealt.", "3070") },
    //: Joins a part of the completion time (%2: a number and 1100, 1200 or 1250) to the parts
    //: before it (%1). English words carry their own separators, so English joins with nothing.
    { 3080, QT_TRANSLATE_NOOP3("StringTable", "%1%2", "3080") },
    //: The same for the last part of the completion time, where a language may say "and".
    { 3090, QT_TRANSLATE_NOOP3("StringTable", "%1%2", "3090") },
    //: Announced when the hint outlines a block: %1 the block's number, %2 and %3 its row and
    //: column.
    { 3100, QT_TRANSLATE_NOOP3("StringTable", "Hint: block %1, row %2, column %3.", "3100") },
    //: The About window's picture, read by a screen reader: what it shows.
    { 3110, QT_TRANSLATE_NOOP3("StringTable", "Icon: a 3 x 3 board with one empty cell", "3110") },

    // The solver's help and the best results.
    //: The board's context-menu item that outlines the next block to move.
    { 3200, QT_TRANSLATE_NOOP3("StringTable", "Hint", "3200") },
    //: The board's context-menu item that opens the best results window.
    { 3210, QT_TRANSLATE_NOOP3("StringTable", "Best results...", "3210") },
    //: Added to the congratulation on 3 x 3 and 4 x 4: %1 the length of a shortest solution of the deal.
    { 3220, QT_TRANSLATE_NOOP3("StringTable", "Shortest possible: %1 moves.", "3220") },
    { 3221, QT_TRANSLATE_NOOP3("StringTable", "Shortest possible: 1 move.", "3221") },
    //: Added to the congratulation on 5 x 5: %1 the length of the best solution found for the deal.
    { 3230, QT_TRANSLATE_NOOP3("StringTable", "Best known: %1 moves.", "3230") },
    { 3231, QT_TRANSLATE_NOOP3("StringTable", "Best known: 1 move.", "3231") },
    //: %1 the board's size, 3, 4 or 5.
    { 3240, QT_TRANSLATE_NOOP3("StringTable", "New best time for %1 x %1!", "3240") },
    //: %1 the board's size, 3, 4 or 5.
    { 3250, QT_TRANSLATE_NOOP3("StringTable", "Fewest moves yet for %1 x %1!", "3250") },
    //: The best results window's title.
    { 3300, QT_TRANSLATE_NOOP3("StringTable", "Best Results", "3300") },
    //: Column headings of the best results window.
    { 3310, QT_TRANSLATE_NOOP3("StringTable", "Board", "3310") },
    { 3320, QT_TRANSLATE_NOOP3("StringTable", "Best time", "3320") },
    { 3330, QT_TRANSLATE_NOOP3("StringTable", "Fewest moves", "3330") },
    { 3340, QT_TRANSLATE_NOOP3("StringTable", "Games completed", "3340") },
    //: A board size in the best results window, %1 being 3, 4 or 5.
    { 3350, QT_TRANSLATE_NOOP3("StringTable", "%1 x %1", "3350") },
    //: Shown for a result not yet set.
    { 3360, QT_TRANSLATE_NOOP3("StringTable", "-", "3360") },
    { 3370, QT_TRANSLATE_NOOP3("StringTable", "&Clear...", "3370") },
    { 3380, QT_TRANSLATE_NOOP3("StringTable",
        "Do you want to clear the best results of every board?", "3380") },

    // The command line's texts.
    { 3400, QT_TRANSLATE_NOOP3("StringTable", "A photo sliding-block puzzle.", "3400") },
    //: The photo argument's description in --help.
    { 3410, QT_TRANSLATE_NOOP3("StringTable", "A picture file (.bmp or .jpg) to play with.", "3410") },
    //: The photo argument's name in --help's synopsis.
    { 3420, QT_TRANSLATE_NOOP3("StringTable", "photo", "3420") },
    { 3430, QT_TRANSLATE_NOOP3("StringTable", "Give one photo at most.", "3430") },
    { 3440, QT_TRANSLATE_NOOP3("StringTable", "Displays this help.", "3440") },
    { 3450, QT_TRANSLATE_NOOP3("StringTable", "Displays the version.", "3450") },

    // Taking moves back.
    //: The board's context-menu item that slides the block of the last move back (Ctrl+Z).
    { 3500, QT_TRANSLATE_NOOP3("StringTable", "Undo", "3500") },
    //: The board's context-menu item that makes the last move undone again (Ctrl+Shift+Z).
    { 3510, QT_TRANSLATE_NOOP3("StringTable", "Redo", "3510") },
    //: The board's context-menu item that starts the same deal again from its first board (Ctrl+R).
    { 3520, QT_TRANSLATE_NOOP3("StringTable", "Restart", "3520") },
    //: Announced to screen readers when the game starts again from its deal.
    { 3530, QT_TRANSLATE_NOOP3("StringTable", "The game starts again from its deal.", "3530") },
    // The keys and help window, and the moves seen gliding.
    //: The board's context-menu item, checked while a moved block is seen gliding into the empty cell.
    { 3550, QT_TRANSLATE_NOOP3("StringTable", "Animate moves", "3550") },
    //: The board's context-menu item that opens the keys and help window (F1).
    { 3560, QT_TRANSLATE_NOOP3("StringTable", "Keys and help", "3560") },
    //: The keys and help window's title.
    { 3570, QT_TRANSLATE_NOOP3("StringTable", "Keys and Help", "3570") },
    //: Heading of the keys and help window's list of keys.
    { 3575, QT_TRANSLATE_NOOP3("StringTable", "Keys", "3575") },
    //: Key names in the keys and help window, as the keyboard labels them.
    { 3590, QT_TRANSLATE_NOOP3("StringTable", "Arrow keys", "3590") },
    { 3591, QT_TRANSLATE_NOOP3("StringTable", "Space", "3591") },
    { 3592, QT_TRANSLATE_NOOP3("StringTable", "H", "3592") },
    { 3593, QT_TRANSLATE_NOOP3("StringTable", "Ctrl+Z", "3593") },
    { 3594, QT_TRANSLATE_NOOP3("StringTable", "Ctrl+Shift+Z, Ctrl+Y", "3594") },
    { 3595, QT_TRANSLATE_NOOP3("StringTable", "Ctrl+R", "3595") },
    { 3596, QT_TRANSLATE_NOOP3("StringTable", "Ctrl+B", "3596") },
    { 3597, QT_TRANSLATE_NOOP3("StringTable", "F1", "3597") },
    //: An access key: %1 the letter marked in a caption of the game window.
    { 3598, QT_TRANSLATE_NOOP3("StringTable", "Alt+%1", "3598") },
    //: The access keys of the three block-count options.
    { 3599, QT_TRANSLATE_NOOP3("StringTable", "Alt+%1, Alt+%2, Alt+%3", "3599") },
    { 3600, QT_TRANSLATE_NOOP3("StringTable", "Esc", "3600") },
    { 3601, QT_TRANSLATE_NOOP3("StringTable", "Tab, Shift+Tab", "3601") },
    //: What each key does, beside its name.
    { 3610, QT_TRANSLATE_NOOP3("StringTable",
        "Slide the block beside the empty cell into it, the way the arrow points (on the board).", "3610") },
    { 3611, QT_TRANSLATE_NOOP3("StringTable",
        "Deal a new game while none is running (on the board).", "3611") },
    { 3612, QT_TRANSLATE_NOOP3("StringTable", "Hint: outline the block to move next.", "3612") },
    { 3613, QT_TRANSLATE_NOOP3("StringTable", "Undo the last move.", "3613") },
    { 3614, QT_TRANSLATE_NOOP3("StringTable", "Redo a move undone.", "3614") },
    { 3615, QT_TRANSLATE_NOOP3("StringTable",
        "Restart: the same deal again, moves and time from 0.", "3615") },
    { 3616, QT_TRANSLATE_NOOP3("StringTable", "Show the best results.", "3616") },
    { 3617, QT_TRANSLATE_NOOP3("StringTable", "Show this window.", "3617") },
    { 3618, QT_TRANSLATE_NOOP3("StringTable",
        "Cut the photo into 3 x 3, 4 x 4 or 5 x 5 blocks.", "3618") },
    { 3619, QT_TRANSLATE_NOOP3("StringTable", "Show or hide the photo sample.", "3619") },
    { 3620, QT_TRANSLATE_NOOP3("StringTable", "Save the game on exit, or not.", "3620") },
    { 3621, QT_TRANSLATE_NOOP3("StringTable", "Turn the sound off, or on again.", "3621") },
    { 3622, QT_TRANSLATE_NOOP3("StringTable", "Deal a new game.", "3622") },
    { 3623, QT_TRANSLATE_NOOP3("StringTable", "Choose another photo.", "3623") },
    { 3624, QT_TRANSLATE_NOOP3("StringTable", "About the program.", "3624") },
    { 3625, QT_TRANSLATE_NOOP3("StringTable",
        "Exit the program; in any other window, close it.", "3625") },
    { 3626, QT_TRANSLATE_NOOP3("StringTable",
        "Move between the board and the other controls.", "3626") },
    //: Under the heading 3200.
    { 3630, QT_TRANSLATE_NOOP3("StringTable",
        "The hint outlines for a second the block that moves next on a shortest way to the whole photo (on 5 x 5, on a short way). It moves nothing and counts no move.", "3630") },
    //: Under the heading 3300.
    { 3631, QT_TRANSLATE_NOOP3("StringTable",
        "The best results keep, for each board size, the best time, the fewest moves and the number of games completed. A new record is told after the win; Ctrl+B shows them all.", "3631") },
};
// clang-format on
} // namespace

std::span<const StringEntry> stringTable()
{
    return entries;
}

} // namespace tessel
