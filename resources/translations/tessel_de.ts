<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Desktop</name>
    <message>
        <source>Photo Sliding Puzzle</source>
        <extracomment>The desktop entry&apos;s generic name, shown under or instead of &quot;Tessel&quot; in menus.</extracomment>
        <translation>Foto-Schiebepuzzle</translation>
    </message>
    <message>
        <source>Cut a photo into blocks and slide them back into place</source>
        <extracomment>The desktop entry&apos;s comment: a menu&apos;s tooltip.</extracomment>
        <translation>Ein Foto in Teile zerlegen und die Teile zurück an ihren Platz schieben</translation>
    </message>
    <message>
        <source>puzzle;sliding;slide;fifteen;photo;picture;tiles;blocks;hint;solver;best results;high scores;undo;keyboard;</source>
        <extracomment>Words a menu&apos;s search finds the game by, each ended by a semicolon; no blanks round them.</extracomment>
        <translation>Puzzle;Schiebepuzzle;schieben;15er-Puzzle;Foto;Bild;Kacheln;Teile;Tipp;Lösung;Bestleistungen;Rekorde;rückgängig;Tastatur;</translation>
    </message>
    <message>
        <source>Slide the blocks of your own photo back into place</source>
        <extracomment>The one-line summary of a software centre.</extracomment>
        <translation>Schieben Sie die Teile Ihres eigenen Fotos zurück an ihren Platz</translation>
    </message>
    <message>
        <source>Tessel is a sliding-block puzzle made from a photo of your choice. It cuts the photo into a board of 3 x 3, 4 x 4 or 5 x 5 blocks, deals them with the last cell empty, and you slide the blocks beside the empty cell until the photo is whole again.</source>
        <translation>Tessel ist ein Schiebepuzzle aus einem Foto Ihrer Wahl. Es zerlegt das Foto in ein Spielfeld aus 3 x 3, 4 x 4 oder 5 x 5 Teilen und mischt sie mit leerem letztem Feld; Sie schieben die Teile neben dem leeren Feld, bis das Foto wieder ganz ist.</translation>
    </message>
    <message>
        <source>Play with any JPEG or bitmap photo, opened from the game, from a file manager or dropped on the window</source>
        <translation>Spielen Sie mit jedem JPEG- oder Bitmap-Foto, im Spiel geöffnet, aus einem Dateimanager geöffnet oder auf das Fenster gezogen</translation>
    </message>
    <message>
        <source>Every deal can be won, and a hint shows the next move of a shortest solution</source>
        <translation>Jedes gemischte Spiel ist lösbar, und ein Tipp zeigt den nächsten Zug einer kürzesten Lösung</translation>
    </message>
    <message>
        <source>Best results for each board size: the best time, the fewest moves and the games completed</source>
        <translation>Bestleistungen für jede Spielfeldgröße: die Bestzeit, die wenigsten Züge und die gelösten Spiele</translation>
    </message>
    <message>
        <source>Moves can be undone</source>
        <translation>Züge lassen sich rückgängig machen</translation>
    </message>
    <message>
        <source>Play with the mouse or the keyboard: the arrow keys slide the blocks, and every control has an access key</source>
        <translation>Spielen mit Maus oder Tastatur: Die Pfeiltasten schieben die Teile, und jedes Bedienelement hat eine Zugriffstaste</translation>
    </message>
    <message>
        <source>A clock and a move counter, and short sounds for moves and the completed photo</source>
        <translation>Eine Uhr und ein Zugzähler, dazu kurze Klänge für Züge und das fertige Foto</translation>
    </message>
    <message>
        <source>A small sample of the whole photo beside the board</source>
        <translation>Eine kleine Vorlage des ganzen Fotos neben dem Spielfeld</translation>
    </message>
    <message>
        <source>An unfinished game can be kept for the next start</source>
        <translation>Ein unvollendetes Spiel kann für den nächsten Start aufbewahrt werden</translation>
    </message>
    <message>
        <source>In English, German and Turkish, and readable by screen readers</source>
        <translation>Auf Englisch, Deutsch und Türkisch, und für Bildschirmleser lesbar</translation>
    </message>
    <message>
        <source>A game in progress on a 3 x 3 board</source>
        <extracomment>The caption of the software centre&apos;s screenshot.</extracomment>
        <translation>Ein laufendes Spiel auf einem Spielfeld mit 3 x 3 Teilen</translation>
    </message>
    <message>
        <source>puzzle</source>
        <extracomment>Single search words of a software centre, one each.</extracomment>
        <translation>Puzzle</translation>
    </message>
    <message>
        <source>sliding</source>
        <translation>Schiebepuzzle</translation>
    </message>
    <message>
        <source>photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>best results</source>
        <translation>Bestleistungen</translation>
    </message>
    <message>
        <source>undo</source>
        <translation>rückgängig</translation>
    </message>
    <message>
        <source>keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>The first release for the desktop: a menu entry and icon, manual pages in English, German and Turkish, a photo given on the command line or dropped on the window, and a Debian package.</source>
        <extracomment>What the release brought, shown by a software centre.</extracomment>
        <translation>Die erste Ausgabe für den Desktop: ein Menüeintrag mit Symbol, Handbuchseiten auf Englisch, Deutsch und Türkisch, ein Foto auf der Befehlszeile oder auf das Fenster gezogen, und ein Debian-Paket.</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Velkor - Tessel</source>
        <comment>10</comment>
        <translation>Velkor - Tessel</translation>
    </message>
    <message>
        <source>In order for the program to work, it is important that, your computer is installed with NT 4.0 and &apos;Servis Pack 3&apos; or with a higher version.</source>
        <comment>30</comment>
        <translation>Damit das Programm funktioniert, muss auf Ihrem Computer NT 4.0 mit &apos;Service Pack 3&apos; oder eine neuere Version installiert sein.</translation>
    </message>
    <message>
        <source>Due to the error occured below, the program may not work! 
Are you sure you want to continue?</source>
        <comment>40</comment>
        <translation>Wegen des unten genannten Fehlers funktioniert das Programm möglicherweise nicht! 
Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>Error Code :</source>
        <comment>50</comment>
        <translation>Fehlercode:</translation>
    </message>
    <message>
        <source>Error Message :</source>
        <comment>60</comment>
        <translation>Fehlermeldung:</translation>
    </message>
    <message>
        <source>Error Occured!</source>
        <comment>70</comment>
        <translation>Ein Fehler ist aufgetreten!</translation>
    </message>
    <message>
        <source>Completing Photo </source>
        <comment>100</comment>
        <translation>Foto zusammensetzen </translation>
    </message>
    <message>
        <source>Dividing Photo </source>
        <comment>200</comment>
        <translation>Foto aufteilen </translation>
    </message>
    <message>
        <source>&amp;3 x 3 Blocks </source>
        <comment>210</comment>
        <translation>&amp;3 x 3 Teile </translation>
    </message>
    <message>
        <source>&amp;4 x 4 Blocks </source>
        <comment>220</comment>
        <translation>&amp;4 x 4 Teile </translation>
    </message>
    <message>
        <source>&amp;5 x 5 Blocks </source>
        <comment>230</comment>
        <translation>&amp;5 x 5 Teile </translation>
    </message>
    <message>
        <source>Photo Sample </source>
        <comment>300</comment>
        <translation>Fotovorlage </translation>
    </message>
    <message>
        <source>Show ph&amp;oto sample </source>
        <comment>400</comment>
        <translation>&amp;Vorlage anzeigen </translation>
    </message>
    <message>
        <source>&amp;Save on exit </source>
        <comment>410</comment>
        <translation>Beim Beenden &amp;speichern </translation>
    </message>
    <message>
        <source>Sound o&amp;ff </source>
        <comment>420</comment>
        <translation>&amp;Ton aus </translation>
    </message>
    <message>
        <source>Game Information </source>
        <comment>500</comment>
        <translation>Spielinformationen </translation>
    </message>
    <message>
        <source>Remaining Time :</source>
        <comment>510</comment>
        <extracomment>The label before the elapsed time of the game.</extracomment>
        <translation>Spielzeit:</translation>
    </message>
    <message>
        <source>Click Counts :</source>
        <comment>520</comment>
        <extracomment>The label before the number of moves made.</extracomment>
        <translation>Züge:</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <comment>600</comment>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>New &amp;Photo...</source>
        <comment>700</comment>
        <translation>Neues &amp;Foto...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <comment>800</comment>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Exit (Esc)</source>
        <comment>900</comment>
        <translation>Beenden (Esc)</translation>
    </message>
    <message>
        <source>Firstly, please select a photo!</source>
        <comment>1000</comment>
        <translation>Bitte wählen Sie zuerst ein Foto aus!</translation>
    </message>
    <message numerus="yes">
        <source> hour, </source>
        <comment>1100</comment>
        <extracomment>Follows a number of hours in the completion time; the parts are joined by 3080 and 3090.</extracomment>
        <translation>
            <numerusform> Stunde</numerusform>
            <numerusform> Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> minute, </source>
        <comment>1200</comment>
        <extracomment>Follows a number of minutes in the completion time.</extracomment>
        <translation>
            <numerusform> Minute</numerusform>
            <numerusform> Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> second</source>
        <comment>1250</comment>
        <extracomment>Follows a number of seconds in the completion time.</extracomment>
        <translation>
            <numerusform> Sekunde</numerusform>
            <numerusform> Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Congratulations! You have completed the photo!</source>
        <comment>1300</comment>
        <translation>Herzlichen Glückwunsch! Sie haben das Foto vervollständigt!</translation>
    </message>
    <message>
        <source>Completing Time : </source>
        <comment>1320</comment>
        <translation>Benötigte Zeit: </translation>
    </message>
    <message>
        <source>Click Counts : </source>
        <comment>1340</comment>
        <translation>Anzahl der Züge: </translation>
    </message>
    <message>
        <source>Resetting the counter, for games not completed within 24 hours!</source>
        <comment>1400</comment>
        <translation>Das Spiel wurde nicht innerhalb von 24 Stunden beendet, der Zähler wird zurückgesetzt!</translation>
    </message>
    <message>
        <source>Do you want to exit the program?</source>
        <comment>1500</comment>
        <translation>Möchten Sie das Programm beenden?</translation>
    </message>
    <message>
        <source>Select Photo...</source>
        <comment>1550</comment>
        <translation>Foto auswählen...</translation>
    </message>
    <message>
        <source>Dri&amp;ver(s)</source>
        <comment>1600</comment>
        <translation>&amp;Laufwerke</translation>
    </message>
    <message>
        <source>&amp;Directory(s)</source>
        <comment>1700</comment>
        <translation>&amp;Ordner</translation>
    </message>
    <message>
        <source>&amp;Photos (*.bmp, *.jpg)</source>
        <comment>1800</comment>
        <translation>&amp;Fotos (*.bmp, *.jpg)</translation>
    </message>
    <message>
        <source>Preview </source>
        <comment>1900</comment>
        <translation>Vorschau </translation>
    </message>
    <message>
        <source>OK</source>
        <comment>2000</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>2100</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cannot read drive!</source>
        <comment>2200</comment>
        <translation>Das Laufwerk kann nicht gelesen werden!</translation>
    </message>
    <message>
        <source>Please, select photo file from the list!</source>
        <comment>2300</comment>
        <translation>Bitte wählen Sie eine Fotodatei aus der Liste aus!</translation>
    </message>
    <message>
        <source>About Program</source>
        <comment>2400</comment>
        <translation>Über das Programm</translation>
    </message>
    <message>
        <source>Version </source>
        <comment>2450</comment>
        <translation>Version </translation>
    </message>
    <message>
        <source>Send Message</source>
        <comment>2500</comment>
        <translation>Nachricht senden</translation>
    </message>
    <message>
        <source>Send E-Mail</source>
        <comment>2600</comment>
        <translation>E-Mail senden</translation>
    </message>
    <message>
        <source>Arrow keys: slide the block beside the empty cell into it, the way the arrow points
Space or an arrow key: deal a new game when none is running</source>
        <comment>3000</comment>
        <extracomment>The board&apos;s tooltip and its description for screen readers: the keys of the board.</extracomment>
        <translation>Pfeiltasten: das Teil neben dem leeren Feld in Pfeilrichtung hineinschieben
Leertaste oder Pfeiltaste: ein neues Spiel beginnen, wenn keines läuft</translation>
    </message>
    <message>
        <source>Block %1, row %2, column %3</source>
        <comment>3010</comment>
        <extracomment>A board cell read by a screen reader: %1 the block&apos;s number (1 is the top left block of the whole photo), %2 and %3 the cell&apos;s row and column.</extracomment>
        <translation>Teil %1, Zeile %2, Spalte %3</translation>
    </message>
    <message>
        <source>Empty cell</source>
        <comment>3020</comment>
        <extracomment>The board cell without a block, read by a screen reader.</extracomment>
        <translation>Leeres Feld</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>3030</comment>
        <extracomment>Screen readers&apos; name of the elapsed time display.</extracomment>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>Moves</source>
        <comment>3040</comment>
        <extracomment>Screen readers&apos; name of the move count display.</extracomment>
        <translation>Züge</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>3050</comment>
        <extracomment>A display read with its value: %1 its name (3030, 3040), %2 the value shown.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Block %1 moved to row %2, column %3.</source>
        <comment>3060</comment>
        <extracomment>Announced after a move: %1 the block&apos;s number, %2 and %3 the row and column it moved to.</extracomment>
        <translation>Teil %1 ist jetzt in Zeile %2, Spalte %3.</translation>
    </message>
    <message>
        <source>A new game is dealt.</source>
        <comment>3070</comment>
        <extracomment>Announced when the blocks have been dealt for a new game.</extracomment>
        <translation>Die Teile sind für ein neues Spiel gemischt.</translation>
    </message>
    <message>
        <source>%1%2</source>
        <comment>3080</comment>
        <extracomment>Joins a part of the completion time (%2: a number and 1100, 1200 or 1250) to the parts before it (%1). English words carry their own separators, so English joins with nothing.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1%2</source>
        <comment>3090</comment>
        <extracomment>The same for the last part of the completion time, where a language may say &quot;and&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>A photo sliding-block puzzle.</source>
        <comment>3400</comment>
        <translation>Ein Schiebepuzzle mit Fotos.</translation>
    </message>
    <message>
        <source>A picture file (.bmp or .jpg) to play with.</source>
        <comment>3410</comment>
        <extracomment>The photo argument&apos;s description in --help.</extracomment>
        <translation>Eine Bilddatei (.bmp oder .jpg), mit der gespielt wird.</translation>
    </message>
    <message>
        <source>photo</source>
        <comment>3420</comment>
        <extracomment>The photo argument&apos;s name in --help&apos;s synopsis.</extracomment>
        <translation>foto</translation>
    </message>
    <message>
        <source>Give one photo at most.</source>
        <comment>3430</comment>
        <translation>Bitte höchstens ein Foto angeben.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <comment>3440</comment>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <comment>3450</comment>
        <translation>Zeigt die Version an.</translation>
    </message>
    <message>
        <source>Undo</source>
        <comment>3500</comment>
        <extracomment>The board&apos;s context-menu item that slides the block of the last move back (Ctrl+Z).</extracomment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <comment>3510</comment>
        <extracomment>The board&apos;s context-menu item that makes the last move undone again (Ctrl+Shift+Z).</extracomment>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Restart</source>
        <comment>3520</comment>
        <extracomment>The board&apos;s context-menu item that starts the same deal again from its first board (Ctrl+R).</extracomment>
        <translation>Von vorn beginnen</translation>
    </message>
    <message>
        <source>The game starts again from its deal.</source>
        <comment>3530</comment>
        <extracomment>Announced to screen readers when the game starts again from its deal.</extracomment>
        <translation>Das Spiel beginnt von vorn mit derselben Verteilung.</translation>
    </message>
    <message>
        <source>Hint</source>
        <comment>3200</comment>
        <extracomment>The board&apos;s context-menu item that outlines the next block to move.</extracomment>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Best results...</source>
        <comment>3210</comment>
        <extracomment>The board&apos;s context-menu item that opens the best results window.</extracomment>
        <translation>Bestleistungen...</translation>
    </message>
    <message>
        <source>Shortest possible: %1 moves.</source>
        <comment>3220</comment>
        <extracomment>Added to the congratulation on 3 x 3 and 4 x 4: %1 the length of a shortest solution of the deal.</extracomment>
        <translation>Kürzestmöglich: %1 Züge.</translation>
    </message>
    <message>
        <source>Shortest possible: 1 move.</source>
        <comment>3221</comment>
        <translation>Kürzestmöglich: 1 Zug.</translation>
    </message>
    <message>
        <source>Best known: %1 moves.</source>
        <comment>3230</comment>
        <extracomment>Added to the congratulation on 5 x 5: %1 the length of the best solution found for the deal.</extracomment>
        <translation>Beste bekannte Lösung: %1 Züge.</translation>
    </message>
    <message>
        <source>Best known: 1 move.</source>
        <comment>3231</comment>
        <translation>Beste bekannte Lösung: 1 Zug.</translation>
    </message>
    <message>
        <source>New best time for %1 x %1!</source>
        <comment>3240</comment>
        <extracomment>%1 the board&apos;s size, 3, 4 or 5.</extracomment>
        <translation>Neue Bestzeit für %1 x %1!</translation>
    </message>
    <message>
        <source>Fewest moves yet for %1 x %1!</source>
        <comment>3250</comment>
        <extracomment>%1 the board&apos;s size, 3, 4 or 5.</extracomment>
        <translation>So wenige Züge wie nie für %1 x %1!</translation>
    </message>
    <message>
        <source>Best Results</source>
        <comment>3300</comment>
        <extracomment>The best results window&apos;s title.</extracomment>
        <translation>Bestleistungen</translation>
    </message>
    <message>
        <source>Board</source>
        <comment>3310</comment>
        <extracomment>Column headings of the best results window.</extracomment>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Best time</source>
        <comment>3320</comment>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Fewest moves</source>
        <comment>3330</comment>
        <translation>Wenigste Züge</translation>
    </message>
    <message>
        <source>Games completed</source>
        <comment>3340</comment>
        <translation>Gelöste Spiele</translation>
    </message>
    <message>
        <source>%1 x %1</source>
        <comment>3350</comment>
        <extracomment>A board size in the best results window, %1 being 3, 4 or 5.</extracomment>
        <translation>%1 x %1</translation>
    </message>
    <message>
        <source>-</source>
        <comment>3360</comment>
        <extracomment>Shown for a result not yet set.</extracomment>
        <translation>-</translation>
    </message>
    <message>
        <source>&amp;Clear...</source>
        <comment>3370</comment>
        <translation>&amp;Löschen...</translation>
    </message>
    <message>
        <source>Do you want to clear the best results of every board?</source>
        <comment>3380</comment>
        <translation>Möchten Sie die Bestleistungen aller Spielfelder löschen?</translation>
    </message>
    <message>
        <source>Hint: block %1, row %2, column %3.</source>
        <comment>3100</comment>
        <extracomment>Announced when the hint outlines a block: %1 the block&apos;s number, %2 and %3 its row and column.</extracomment>
        <translation>Tipp: Teil %1, Zeile %2, Spalte %3.</translation>
    </message>
    <message>
        <source>Icon: a 3 x 3 board with one empty cell</source>
        <comment>3110</comment>
        <extracomment>The About window&apos;s picture, read by a screen reader: what it shows.</extracomment>
        <translation>Symbol: ein Spielfeld aus 3 x 3 Feldern, eines davon leer</translation>
    </message>
    <message>
        <source>Animate moves</source>
        <comment>3550</comment>
        <extracomment>The board&apos;s context-menu item, checked while a moved block is seen gliding into the empty cell.</extracomment>
        <translation>Züge animieren</translation>
    </message>
    <message>
        <source>Keys and help</source>
        <comment>3560</comment>
        <extracomment>The board&apos;s context-menu item that opens the keys and help window (F1).</extracomment>
        <translation>Tasten und Hilfe</translation>
    </message>
    <message>
        <source>Keys and Help</source>
        <comment>3570</comment>
        <extracomment>The keys and help window&apos;s title.</extracomment>
        <translation>Tasten und Hilfe</translation>
    </message>
    <message>
        <source>Keys</source>
        <comment>3575</comment>
        <extracomment>Heading of the keys and help window&apos;s list of keys.</extracomment>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <comment>3590</comment>
        <extracomment>Key names in the keys and help window, as the keyboard labels them.</extracomment>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>3591</comment>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>H</source>
        <comment>3592</comment>
        <translation>H</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <comment>3593</comment>
        <translation>Strg+Z</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z, Ctrl+Y</source>
        <comment>3594</comment>
        <translation>Strg+Umschalt+Z, Strg+Y</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <comment>3595</comment>
        <translation>Strg+R</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <comment>3596</comment>
        <translation>Strg+B</translation>
    </message>
    <message>
        <source>F1</source>
        <comment>3597</comment>
        <translation>F1</translation>
    </message>
    <message>
        <source>Alt+%1</source>
        <comment>3598</comment>
        <extracomment>An access key: %1 the letter marked in a caption of the game window.</extracomment>
        <translation>Alt+%1</translation>
    </message>
    <message>
        <source>Alt+%1, Alt+%2, Alt+%3</source>
        <comment>3599</comment>
        <extracomment>The access keys of the three block-count options.</extracomment>
        <translation>Alt+%1, Alt+%2, Alt+%3</translation>
    </message>
    <message>
        <source>Esc</source>
        <comment>3600</comment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <comment>3601</comment>
        <translation>Tab, Umschalt+Tab</translation>
    </message>
    <message>
        <source>Slide the block beside the empty cell into it, the way the arrow points (on the board).</source>
        <comment>3610</comment>
        <extracomment>What each key does, beside its name.</extracomment>
        <translation>Schiebt das Teil neben dem leeren Feld in Pfeilrichtung hinein (auf dem Spielfeld).</translation>
    </message>
    <message>
        <source>Deal a new game while none is running (on the board).</source>
        <comment>3611</comment>
        <translation>Gibt ein neues Spiel, solange keines läuft (auf dem Spielfeld).</translation>
    </message>
    <message>
        <source>Hint: outline the block to move next.</source>
        <comment>3612</comment>
        <translation>Tipp: umrandet das Teil, das als Nächstes zu schieben ist.</translation>
    </message>
    <message>
        <source>Undo the last move.</source>
        <comment>3613</comment>
        <translation>Nimmt den letzten Zug zurück.</translation>
    </message>
    <message>
        <source>Redo a move undone.</source>
        <comment>3614</comment>
        <translation>Stellt einen zurückgenommenen Zug wieder her.</translation>
    </message>
    <message>
        <source>Restart: the same deal again, moves and time from 0.</source>
        <comment>3615</comment>
        <translation>Neustart: dieselbe Verteilung noch einmal, Züge und Zeit ab 0.</translation>
    </message>
    <message>
        <source>Show the best results.</source>
        <comment>3616</comment>
        <translation>Zeigt die Bestleistungen.</translation>
    </message>
    <message>
        <source>Show this window.</source>
        <comment>3617</comment>
        <translation>Zeigt dieses Fenster.</translation>
    </message>
    <message>
        <source>Cut the photo into 3 x 3, 4 x 4 or 5 x 5 blocks.</source>
        <comment>3618</comment>
        <translation>Teilt das Foto in 3 x 3, 4 x 4 oder 5 x 5 Teile.</translation>
    </message>
    <message>
        <source>Show or hide the photo sample.</source>
        <comment>3619</comment>
        <translation>Zeigt oder verbirgt die Fotovorlage.</translation>
    </message>
    <message>
        <source>Save the game on exit, or not.</source>
        <comment>3620</comment>
        <translation>Speichert das Spiel beim Beenden, oder nicht.</translation>
    </message>
    <message>
        <source>Turn the sound off, or on again.</source>
        <comment>3621</comment>
        <translation>Schaltet den Ton aus oder wieder ein.</translation>
    </message>
    <message>
        <source>Deal a new game.</source>
        <comment>3622</comment>
        <translation>Gibt ein neues Spiel.</translation>
    </message>
    <message>
        <source>Choose another photo.</source>
        <comment>3623</comment>
        <translation>Wählt ein anderes Foto.</translation>
    </message>
    <message>
        <source>About the program.</source>
        <comment>3624</comment>
        <translation>Über das Programm.</translation>
    </message>
    <message>
        <source>Exit the program; in any other window, close it.</source>
        <comment>3625</comment>
        <translation>Beendet das Programm; in jedem anderen Fenster schließt es das Fenster.</translation>
    </message>
    <message>
        <source>Move between the board and the other controls.</source>
        <comment>3626</comment>
        <translation>Wechselt zwischen dem Spielfeld und den übrigen Bedienelementen.</translation>
    </message>
    <message>
        <source>The hint outlines for a second the block that moves next on a shortest way to the whole photo (on 5 x 5, on a short way). It moves nothing and counts no move.</source>
        <comment>3630</comment>
        <extracomment>Under the heading 3200.</extracomment>
        <translation>Der Tipp umrandet eine Sekunde lang das Teil, das auf einem kürzesten Weg zum ganzen Foto als Nächstes gleitet (bei 5 x 5 auf einem kurzen Weg). Er verschiebt nichts und zählt keinen Zug.</translation>
    </message>
    <message>
        <source>The best results keep, for each board size, the best time, the fewest moves and the number of games completed. A new record is told after the win; Ctrl+B shows them all.</source>
        <comment>3631</comment>
        <extracomment>Under the heading 3300.</extracomment>
        <translation>Die Bestleistungen halten für jede Spielfeldgröße die beste Zeit, die wenigsten Züge und die Zahl der beendeten Spiele fest. Ein neuer Rekord wird nach dem Sieg gemeldet; Strg+B zeigt alle.</translation>
    </message>
</context>
</TS>
