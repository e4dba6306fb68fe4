// The game window's start-up restore: the options, the last photo and block count, an unfinished
// game, and the window's place on the screen, each step reported when it fails.
#include "game/anaform.h"

#include "board/boardlayout.h"
#include "board/gameclock.h"
#include "board/windowplacement.h"
#include "common/frameplacement.h"
#include "common/messagebox.h"
#include "common/numbers.h"
#include "common/shared.h"
#include "game/hintcontroller.h"
#include "picture/photoprefetch.h"
#include "store/settingskeys.h"
#include "system/platform.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>

#include <algorithm>

namespace tessel {

namespace k = settingskeys;

namespace {

// A stored check box value: 0 clear, 1 checked. The box keeps its state for any other.
void setCheckBoxValue(QCheckBox* box, int16_t value)
{
    if (value != 0 && value != 1)
        throw TesselError(ErrorCode::InvalidPropertyValue,
                          QStringLiteral("Invalid property value"));
    box->setChecked(value == 1);
}

} // namespace

QString AnaForm::storedPhotoPath(SettingsStore& settings)
{
    return settings.GetSetting(shared().SettingsAppName, k::Ayarlar, k::SonFotograf,
                               shared().AppFolder + QStringLiteral("Sample-1.jpg"));
}

void AnaForm::restoreAtStartUp()
{
    // Every read below is one read of the store, taken under its lock.
    const SettingsReadHold reads = m_settings.holdReads();
    const ReportingTrap trap = reportingTrap();
    const QString& app = shared().SettingsAppName;
    auto setting = [&](const QString& key, const QString& defaultValue) {
        return m_settings.GetSetting(app, k::Ayarlar, key, defaultValue);
    };

    trap(
        [&] { setCheckBoxValue(FotoğrafınÖrneğiniGöster, toInt16(setting(k::OrnekGoster, "1"))); });
    trap([&] { setCheckBoxValue(SesleriKapatOnayı, toInt16(setting(k::SesleriKapat, "0"))); });
    trap([&] { setCheckBoxValue(OyunuKaydetOnayı, toInt16(setting(k::OyunuKaydet, "0"))); });

    trap([&] { shared().PhotoPath = storedPhotoPath(m_settings); });
    // A photo that is gone is no error: the board is cut from the empty photo. The entry
    // routine has had it decoding since before the window was built.
    trap([&] {
        if (PathExists(shared().PhotoPath))
            setOriginalPhoto(photoprefetch::take(shared().PhotoPath));
    });

    trap([&] {
        SavedGame = m_settings.GetAllSettings(app, k::Oyun);
        RestoringGame = !SavedGame.empty();
    });

    // A block count that is unreadable or names no option is reported and the board is 3 x 3.
    int16_t index = 0;
    trap([&] { index = readDivisionIndex(setting(k::SonBolme, "0")); });
    shared().DivisionIndex = index;

    // The stored game is checked as a whole before anything is built from it. One that cannot
    // be played goes from the store unannounced, and the window starts as if there were none.
    std::optional<SavedArrangement> saved;
    if (RestoringGame) {
        saved = readSavedArrangement(SavedGame, gridSizeFor(index));
        if (!saved) {
            removeStoredGame(m_settings, SavedGame);
            SavedGame.clear();
            RestoringGame = false;
        }
    }

    // Selected quietly: the divide runs once, below.
    trap([&] {
        QRadioButton* option = ParçalaraBölSeçeneği.at(index);
        const QSignalBlocker quiet(option);
        option->setChecked(true);
    });
    trap([&] { ParçalaraBölSeçeneği_Click(index); });
    if (RestoringGame && saved)
        rebuildSavedGame(*saved, trap);
    RestoringGame = false;

    placeWindow(trap);
}

void AnaForm::rebuildSavedGame(const SavedArrangement& saved, const ReportingTrap& trap)
{
    // The saved game, checked as a whole, goes on the board at once; the cells then show it one
    // by one, the empty cell (BlankIndex) without a block.
    trap([&] { m_game.restore(saved); });
    const int n = static_cast<int>(saved.pieces.size());
    for (int c = 0; c < n; ++c) {
        PieceIndex = static_cast<uint8_t>(c);
        trap([&] { showCell(c); });
    }
    trap([&] { SüreHesapla->setInterval(ClockTimer::runningInterval); });
    nameCells();

    const QString& app = shared().SettingsAppName;
    auto info = [&](const QString& key) {
        trap([&] {
            m_game.readStoredInfo(
                key, m_settings.GetSetting(app, k::OyunBilgiler, key, QStringLiteral("0")));
        });
    };
    info(k::SaniyeBilgisi);
    info(k::DakikaBilgisi);
    info(k::SaatBilgisi);
    info(k::HamleBilgisi);
    trap([&] { timeDisplay()->setCaption(clockText(m_game.elapsed())); });
    trap([&] { moveCountDisplay()->setCaption(QString::number(ClickCount())); });
    m_hints->gameStarted();
}

void AnaForm::placeWindow(const ReportingTrap& trap)
{
    QRect primary;
    QList<QRect> screens;
    trap([&] {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            primary = screen->geometry();
        for (QScreen* screen : QGuiApplication::screens())
            screens.append(screen->geometry());
    });
    // The outer size; before the window is first shown, the frame is not known yet.
    const QSize outer = frameGeometry().size();
    const QPointF centred = centredWindowTwips(primary, outer);
    QPointF edges = centred;
    KeyValuePairs stored;
    trap([&] { stored = m_settings.GetAllSettings(shared().SettingsAppName, k::Ayarlar); });
    // Whether the edge was stored and read; an edge that was not is centred.
    auto read = [&](const QString& key, auto set) {
        const auto found = std::find_if(stored.begin(), stored.end(),
                                        [&](const auto& pair) { return pair.first == key; });
        if (found == stored.end())
            return false;
        return trap([&] { set(toSingle(found->second)); });
    };
    bool leftStored = read(k::SolBosluk, [&](float left) { edges.setX(left); });
    bool topStored = read(k::UstBosluk, [&](float top) { edges.setY(top); });
    trap([&] {
        // Used as stored, also partly off the screens; a window nobody could see is centred.
        if (liesOutsideEveryScreen(QRect(windowPixels(edges), outer), screens))
            leftStored = topStored = false;
        if (leftStored && topStored) {
            move(windowPixels(edges));
            return;
        }
        // A centred edge is centred once more when the window manager has framed the window,
        // by its whole outer size.
        placeFrame(this, [=](QSize frame) -> std::optional<QPoint> {
            const QPointF middle = centredWindowTwips(primary, frame);
            return windowPixels(
                QPointF(leftStored ? edges.x() : middle.x(), topStored ? edges.y() : middle.y()));
        });
    });
}

} // namespace tessel
