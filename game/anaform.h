// The game window: the board, the options, the clock display and the command buttons.
#pragma once

#include "board/boardrules.h"
#include "board/clocktimer.h"
#include "board/game.h"
#include "board/savedgame.h"
#include "common/controls.h"
#include "photo/photorecipient.h"
#include "picture/photo.h"
#include "sound/gamesound.h"
#include "store/closesettings.h"
#include "store/gamekeeper.h"
#include "store/keyvaluepairs.h"
#include "store/settingsstore.h"

#include <QPixmap>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QCloseEvent;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QGroupBox;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tessel {

class BlockSlide;
class BoardFrame;
class HintController;

class AnaForm : public QWidget, public PhotoRecipient
{
    Q_OBJECT

public:
    // Creates the window with its designed controls; nothing of the game is set yet. The
    // window and the windows it opens keep their settings in `settings` (the per-user store
    // unless given).
    explicit AnaForm(QWidget* parent = nullptr);
    explicit AnaForm(SettingsStore& settings, QWidget* parent = nullptr);
    ~AnaForm() override;

    // Appearance, restore, then show.
    void Form_Load();
    // The restore of the load (anaformrestore.cpp): options, photo, block count, board, an
    // unfinished game and the window's place, in that order, each failing step reported.
    void restoreAtStartUp();

    // The appearance steps of the load: texts, colours, title.
    void applyAppearance();

    // Closes the window as the program does (Exit, Esc): no question is asked.
    void closeByProgram();

    // The board (anaformboard.cpp). Divides the photo for block option Index (0, 1, 2), then
    // shows the blocks in order (clock stopped), deals a new game (clock running), or leaves the
    // cells empty for the restore of a saved game.
    void ParçalaraBölSeçeneği_Click(int Index);
    // Cuts every block again from the held photo for cells shown at `ratio` device pixels per
    // pixel, each cell keeping the piece it shows: the window moved to a screen of another
    // scale. No file is read; nothing happens when the blocks are cut for that ratio already.
    void cutPiecesForRatio(qreal ratio);
    // Deals a new game and starts the clock; without a photo it only asks for one.
    void YeniOyunDüğmesi_Click();
    // A click on cell Index (anaformplay.cpp): a new game while the clock is stopped, else a
    // move of the block beside the empty cell, or a refusal.
    void DağınıkParçalar_Click(int Index);
    // Taking moves back (anaformundo.cpp): Ctrl+Z, Ctrl+Shift+Z or Ctrl+Y, Ctrl+R and the
    // board's context menu. An undo and a redo are moves as a click's: the block slides, the
    // move sound plays, the count goes up by one. Restart deals the same board again, the count
    // and the clock at 0. Each is refused with the refused click's sound when there is nothing
    // to take back or make again, or no game runs.
    void undoMove();
    void redoMove();
    void restartGame();
    // Plays "DUR", "TAMAM" or "TEBRIK" unless there is no output device or "Sound off" is set.
    void PlayGameSound(const QString& name);
    // One second of the game clock.
    void SüreHesapla_Timer();

    // The keyboard on the board (anaformkeys.cpp), each key a click on a cell: an arrow clicks
    // the cell whose block slides the arrow's way into the empty cell, or the empty cell itself
    // when no block lies on that side (refused, or a deal while no game runs); Space deals
    // while no game runs and does nothing during a game.
    void boardArrow(Arrow arrow);
    void boardSpace();
    // The board frame, the window's first focus stop (Çerçeve(0)).
    BoardFrame* board() const;
    // Names every cell for screen readers after what it shows ("Block 5, row 2, column 2",
    // "Empty cell"); every change of the cells ends with it.
    void nameCells();

    SettingsStore& settings() const override { return m_settings; }
    // The photo selection window opens modal to this window.
    QWidget& photoWindowOwner() override { return *this; }

    // The close handling, for every CloseReason: reason 0 asks the player first and No sets
    // `cancel` (nothing written); then the options, the position and a running game are
    // written. Every error is ignored.
    void Form_QueryUnload(bool& cancel, int closeReason);
    // The system ends the program (a termination signal): settings written without a
    // question, then the program ends.
    void closeBySystem(int closeReason);
    // The session is ending (log-out, shut-down): settings written without a question; the
    // session then ends the program, or it goes on when the log-out is cancelled.
    void sessionEnding();
    // Routes the session's end and the termination signals to the close handling.
    void watchSystemClose();
    // What the close writes, gathered from the controls and members.
    CloseSnapshot closeSnapshot() const;
    // Keeps the game in progress in the store a few seconds after each change while "Save on
    // exit" is set, so that a crash costs little play; the close writes as it always did.
    GameKeeper& keeper() const { return *m_keeper; }

    // The photo the start-up restores: the last photo stored in `settings`, by default
    // Sample-1.jpg in the program's folder. Uses the shared AppFolder and SettingsAppName.
    static QString storedPhotoPath(SettingsStore& settings);

    // Puts a new picture into the photo holder: the one way the photo changes, so that what
    // follows a change of photo happens every time (the sample is drawn again).
    void setOriginalPhoto(const Photo& photo);

    // Whether the stored photo the start-up restores is still decoding. The window shows
    // meanwhile with the cells and the sample box in their plain colours.
    bool storedPhotoPending() const { return m_storedPhotoPending; }
    // Puts the stored photo on the board and the sample, waiting for its decode; nothing when
    // none is pending. Input to the window that comes before the photo is ready calls it
    // first, so that it is handled as if it came after.
    void showStoredPhoto();

    // Photos handed to the window (anaformphoto.cpp). A photo chosen by the player, as the photo
    // selection window's OK hands it over: `path` becomes PhotoPath (and so the last photo),
    // the picture the photo, and the board is divided with the current block count. Each step
    // is reported when it fails.
    void takePhoto(const Photo& photo, const QString& path) override;
    // A photo file from outside the selection window (the command line, a drop, "Open with"):
    // read, then taken as OK takes one. A file that is missing or no picture is reported and
    // changes nothing.
    void openPhotoFile(const QString& path);

    // The options and command buttons (anaformoptions.cpp). The sample: the photo holder
    // stretched over ÖrnekKutusu, or an empty box while "Show photo sample" is clear. Runs on
    // every change of photo and of the check box, the program's changes included.
    void drawSample();
    void FotoğrafınÖrneğiniGöster_Click();
    // Clearing "Save on exit" deletes a stored game at once; checking it does nothing now.
    void OyunuKaydetOnayı_Click();
    // Opens the photo selection window, modal to this window; returns once it has closed.
    void YeniFotoğrafDüğmesi_Click();

    // The solver's help and the best results (anaformhint.cpp): the hint key H, the board's
    // context menu ("Hint", "Best results...", "Undo", "Redo", "Restart", a new menu each time,
    // the caller's to delete) and
    // Ctrl+B, which opens the best results window.
    HintController* hints() const { return m_hints; }
    QMenu* boardMenu();
    void showBestResults();
    // The keys and help window (F1, "Keys and help" in the board's menu), modal; returns once it
    // has closed.
    void showHelp();

    // A moved block glides into the empty cell (anaformslide.cpp) unless "Animate moves" is
    // cleared; the player's choice is kept in the store's "Tercihler". The glide is drawing
    // only: the move is made, counted, heard and told before it starts, and whatever comes next
    // (a click, a key, a deal) ends it at once.
    bool animatesMoves() const;
    void setAnimatesMoves(bool animate);
    BlockSlide* blockSlide() const { return m_slide; }
    void finishSlide();

    // Controls, by their design names; arrays hold element 0 from the design and the rest at
    // run time.
    std::vector<QGroupBox*> Çerçeve;
    std::vector<PictureBox*> DağınıkParçalar;
    std::vector<QPixmap> SıralıParçalar; // the ordered block images, off-screen
    QListWidget* SayıListesi = nullptr;
    Photo OrjinalFotoğrafKutusu; // the photo, off-screen
    std::vector<PictureBox*> Altlık;
    std::vector<QRadioButton*> ParçalaraBölSeçeneği;
    PictureBox* ÖrnekKutusu = nullptr;
    QCheckBox* FotoğrafınÖrneğiniGöster = nullptr;
    QCheckBox* OyunuKaydetOnayı = nullptr;
    QCheckBox* SesleriKapatOnayı = nullptr;
    std::vector<Label*> Etiket;
    // The game information's labels by what they show.
    Label* timeCaption() const { return Etiket.at(0); }
    Label* timeDisplay() const { return Etiket.at(1); }
    Label* moveCountCaption() const { return Etiket.at(2); }
    Label* moveCountDisplay() const { return Etiket.at(3); }
    ClockTimer* SüreHesapla = nullptr;
    QPushButton* YeniOyunDüğmesi = nullptr;
    QPushButton* YeniFotoğrafDüğmesi = nullptr;
    QPushButton* HakkındaDüğmesi = nullptr;
    QPushButton* ÇıkışDüğmesi = nullptr;

    // The game: the board, the moves, the count and the time. The handlers change it; the
    // cells, the labels and the store show it. A change made from outside the handlers shows
    // once the board is drawn again (showBoard) and the labels are written.
    const Game& game() const { return m_game; }
    Game& game() { return m_game; }
    // The design's members of the game, as the window reads them.
    uint8_t GridSize() const { return static_cast<uint8_t>(m_game.gridSize()); }
    int16_t BlankIndex() const { return static_cast<int16_t>(m_game.blankIndex()); }
    int32_t ClickCount() const { return m_game.moveCount(); }
    uint8_t Seconds() const { return m_game.elapsed().seconds; }
    uint8_t Minutes() const { return m_game.elapsed().minutes; }
    uint8_t Hours() const { return m_game.elapsed().hours; }
    // Draws cell `cell` as the game has it: the image of the block it shows (none for the empty
    // cell) and its block number as tag.
    void showCell(int cell);
    // Draws every cell so, each failure reported, and names them for screen readers.
    void showBoard();

    // Shared by the board, the clock and the store.
    KeyValuePairs SavedGame;
    bool RestoringGame = false;
    uint8_t PieceIndex = 0;
    QByteArray SoundData;

signals:
    // The stored photo that was pending is on the board (or was reported unreadable).
    void storedPhotoShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // A local picture file may be dropped on the window; anything else is refused.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createControls();
    void setProgramIcon();

    void connectBoard();
    void connectKeys();
    void connectOptions();
    // News of the board for screen readers, told through the board's description.
    void announce(const QString& news);
    void connectHelp();
    void connectUndo();
    // An accepted move's steps after the rule allowed it: the block of cell Index slides into
    // the empty cell, the game changed by `change` (a move, an undo or a redo); then the count,
    // the sound, the news, and the completion test.
    void slideBlock(int Index, const std::function<void()>& change);
    void connectSlide();
    // Shows the block now in cell `to` gliding there from cell `from`.
    void glideBlock(int from, int to, const QColor& ground);
    void completePhoto();
    // The lines after the congratulation's five: the solution's length, the new bests; records
    // the completed game in the best results.
    QString completionNews();
    void rebuildSavedGame(const SavedArrangement& saved, const ReportingTrap& trap);
    void awaitStoredPhoto(const QString& path);
    // The game changed: kept soon while it runs with "Save on exit" set.
    void keepGameSoon();
    // Waits for the keeper, so that what is written next comes after it; a game it stored is
    // the stored game the removals delete.
    void settleKeptGame();
    // Every block cut again from the photo held, and the cells showing them.
    void showPiecesOfPhoto();
    void placeWindow(const ReportingTrap& trap);
    SoundOutput& soundOutput();
    void UnloadScatteredPieces();
    void UnloadOrderedPieces();
    PictureBox* copyOfFirstCell(int index);
    QPixmap cutPiece(int block, QSize pieceSize, qreal ratio) const;
    void connectCell(PictureBox* cell, int index);

    Game m_game;
    bool m_dayMessageOpen = false;
    bool m_storedPhotoPending = false;
    QString m_storedPhotoPath;
    qreal m_cutRatio = 0; // device pixels per pixel the blocks were cut for
    bool m_watchingScreen = false;
    bool m_iconSet = false;

    SettingsStore& m_settings;
    // Made on the first sound, so that start-up never touches the audio layer. Declared after
    // SoundData: it goes first, and the sound playing stops before its bytes are released.
    std::unique_ptr<SoundOutput> m_sound;
    int m_closeReason = FormControlMenu; // of the close under way
    bool m_unloaded = false; // the close went through: nothing more is written
    HintController* m_hints = nullptr;
    GameKeeper* m_keeper = nullptr;
    BlockSlide* m_slide = nullptr;
    // Read at the first need: the start-up reads the store once, for the designed values.
    mutable std::optional<bool> m_animateMoves;
};

} // namespace tessel
