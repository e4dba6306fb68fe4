// The program's string table: every caption and message, by number. Trailing blanks and the
// "&" access keys are part of the texts.
#include "common/resourcestring.h"

namespace tessel {

namespace {
constexpr StringEntry entries[] = {
    { 10, u"Velkor - Tessel" },
    { 30,
      u"In order for the program to work, it is important that, your computer is installed "
      u"with NT 4.0 and 'Servis Pack 3' or with a higher version." },
    { 40,
      u"Due to the error occured below, the program may not work! \n"
      u"Are you sure you want to continue?" },
    { 50, u"Error Code :" },
    { 60, u"Error Message :" },
    { 70, u"Error Occured!" },
    { 100, u"Completing Photo " },
    { 200, u"Dividing Photo " },
    { 210, u"&3 x 3 Blocks " },
    { 220, u"&4 x 4 Blocks " },
    { 230, u"&5 x 5 Blocks " },
    { 300, u"Photo Sample " },
    { 400, u"Show ph&oto sample " },
    { 410, u"&Save on exit " },
    { 420, u"Sound o&ff " },
    { 500, u"Game Information " },
    { 510, u"Remaining Time :" },
    { 520, u"Click Counts :" },
    { 600, u"&New Game" },
    { 700, u"New &Photo..." },
    { 800, u"&About" },
    { 900, u"Exit (Esc)" },
    { 1000, u"Firstly, please select a photo!" },
    { 1100, u" hour, " },
    { 1200, u" minute, " },
    { 1250, u" second" },
    { 1300, u"Congratulations! You have completed the photo!" },
    { 1320, u"Completing Time : " },
    { 1340, u"Click Counts : " },
    { 1400, u"Resetting the counter, for games not completed within 24 hours!" },
    { 1500, u"Do you want to exit the program?" },
    { 1550, u"Select Photo..." },
    { 1600, u"Dri&ver(s)" },
    { 1700, u"&Directory(s)" },
    { 1800, u"&Photos (*.bmp, *.jpg)" },
    { 1900, u"Preview " },
    { 2000, u"OK" },
    { 2100, u"Cancel" },
    { 2200, u"Cannot read drive!" },
    { 2300, u"Please, select photo file from the list!" },
    { 2400, u"About Program" },
    { 2450, u"Version " },
    { 2500, u"Send Message" },
    { 2600, u"Send E-Mail" },
    // The solver's help and the best results.
    { 3200, u"Hint" },
    { 3210, u"Best results..." },
    { 3220, u"Shortest possible: %1 moves." },
    { 3221, u"Shortest possible: 1 move." },
    { 3230, u"Best known: %1 moves." },
    { 3231, u"Best known: 1 move." },
    { 3240, u"New best time for %1 x %1!" },
    { 3250, u"Fewest moves yet for %1 x %1!" },
    { 3300, u"Best Results" },
    { 3310, u"Board" },
    { 3320, u"Best time" },
    { 3330, u"Fewest moves" },
    { 3340, u"Games completed" },
    { 3350, u"%1 x %1" },
    { 3360, u"-" },
    { 3370, u"&Clear..." },
    { 3380, u"Do you want to clear the best results of every board?" },
    // The command line's texts.
    { 3400, u"A photo sliding-block puzzle." },
    { 3410, u"A picture file (.bmp or .jpg) to play with." },
    { 3420, u"photo" },
    { 3430, u"Give one photo at most." },
    { 3440, u"Displays this help." },
    { 3450, u"Displays the version." },
};
} // namespace

std::span<const StringEntry> stringTable()
{
    return entries;
}

} // namespace tessel
