// The game window: the board, the options, the clock display and the command buttons.
#pragma once

#include "common/controls.h"
#include "game/clocktimer.h"
#include "game/keyvaluepairs.h"

#include <QWidget>

#include <cstdint>
#include <vector>

class QCheckBox;
class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace tessel {

class AnaForm : public QWidget
{
    Q_OBJECT

public:
    // Creates the window with its designed controls; nothing of the game is set yet.
    explicit AnaForm(QWidget* parent = nullptr);
    ~AnaForm() override;

    // Appearance, restore, then show.
    void Form_Load();

    // The appearance steps of the load: texts, colours, title.
    void applyAppearance();

    // Closes the window as the program does (Exit, Esc): no question is asked.
    void closeByProgram();

    // Controls, by their design names; arrays hold element 0 from the design and the rest at
    // run time.
    std::vector<QGroupBox*> Çerçeve;
    std::vector<PictureBox*> DağınıkParçalar;
    std::vector<PictureBox*> SıralıParçalar;
    QListWidget* SayıListesi = nullptr;
    PictureBox* OrjinalFotoğrafKutusu = nullptr;
    std::vector<PictureBox*> Altlık;
    std::vector<QRadioButton*> ParçalaraBölSeçeneği;
    PictureBox* ÖrnekKutusu = nullptr;
    QCheckBox* FotoğrafınÖrneğiniGöster = nullptr;
    QCheckBox* OyunuKaydetOnayı = nullptr;
    QCheckBox* SesleriKapatOnayı = nullptr;
    std::vector<Label*> Etiket;
    ClockTimer* SüreHesapla = nullptr;
    QPushButton* YeniOyunDüğmesi = nullptr;
    QPushButton* YeniFotoğrafDüğmesi = nullptr;
    QPushButton* HakkındaDüğmesi = nullptr;
    QPushButton* ÇıkışDüğmesi = nullptr;

    // Game state shared by the board, the clock and the store.
    uint8_t GridSize = 0;
    int16_t BlankIndex = 0;
    int32_t ClickCount = 0;
    uint8_t Seconds = 0;
    uint8_t Minutes = 0;
    uint8_t Hours = 0;
    KeyValuePairs SavedGame;
    bool RestoringGame = false;
    uint8_t PieceIndex = 0;
    QByteArray SoundData;

private:
    void createControls();
    void placeCentredOnPrimaryScreen();
};

} // namespace tessel
