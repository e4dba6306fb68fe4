// The game window's close handling: the question, and the writes of the settings and of an
// unfinished game, for a close by the player, by the program or by the system.
#include "game/anaform.h"

#include "common/messagebox.h"
#include "common/numbers.h"
#include "common/resourcestring.h"
#include "common/stringids.h"
#include "system/terminationsignals.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QSessionManager>

#include <utility>

namespace tessel {

namespace {

// The classic check box value: 0 clear, 1 checked, 2 grey.
int16_t checkBoxValue(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 0;
    }
}

} // namespace

CloseSnapshot AnaForm::closeSnapshot() const
{
    CloseSnapshot s;
    s.normalState
        = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    // A window's position is its frame's, as the restore's move() takes it.
    s.left = static_cast<float>(x() * twipsPerPixel);
    s.top = static_cast<float>(y() * twipsPerPixel);
    s.divisionIndex = shared().DivisionIndex;
    s.photoPath = shared().PhotoPath;
    s.showSample = checkBoxValue(FotoğrafınÖrneğiniGöster);
    s.saveOnExit = checkBoxValue(OyunuKaydetOnayı);
    s.soundOff = checkBoxValue(SesleriKapatOnayı);
    s.gameRunning = SüreHesapla->interval() > 0;
    s.gameCells = m_game.storedCells();
    s.gameInfo = m_game.storedInfo();
    return s;
}

void AnaForm::Form_QueryUnload(bool& cancel, int closeReason)
{
    if (closeReason == FormControlMenu) {
        QMessageBox::StandardButton answer = QMessageBox::Yes;
        ignoreErrors([&] {
            // A minimised window has no place to centre on.
            if (!isMinimized())
                CenterNextMessageBox();
            answer = showMessageBox(QMessageBox::Question, ResourceString(StringId::ExitQuestion),
                                    QMessageBox::Yes | QMessageBox::No);
        });
        if (answer == QMessageBox::No) {
            cancel = true;
            return;
        }
    }
    // One replace of the file for the whole close.
    ignoreErrors([this] { writeCloseSettings(m_settings, closeSnapshot(), SavedGame); });
}

void AnaForm::closeEvent(QCloseEvent* event)
{
    const int reason = std::exchange(m_closeReason, int(FormControlMenu));
    if (m_unloaded) {
        event->accept();
        return;
    }
    bool cancel = false;
    Form_QueryUnload(cancel, reason);
    if (cancel) {
        event->ignore();
        return;
    }
    m_unloaded = true;
    event->accept();
}

void AnaForm::closeBySystem(int closeReason)
{
    if (!m_unloaded) {
        bool cancel = false;
        Form_QueryUnload(cancel, closeReason);
        m_unloaded = true;
    }
    // Even with a modal window open: it goes with the process.
    endProgramNow(0);
}

void AnaForm::sessionEnding()
{
    if (m_unloaded)
        return;
    bool cancel = false;
    Form_QueryUnload(cancel, AppWindows);
}

void AnaForm::watchSystemClose()
{
#ifndef QT_NO_SESSIONMANAGER
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { sessionEnding(); });
#endif
    // The session's end quits the application without closing the window.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        sessionEnding();
        m_unloaded = true;
    });
    connect(&TerminationSignals::instance(), &TerminationSignals::received, this,
            [this](int) { closeBySystem(AppTaskManager); });
}

} // namespace tessel
