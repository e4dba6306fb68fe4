// Where the windows stand under a window manager (openbox on an X server of the test's own):
// the game window's default place and the centring of the boxes and windows it opens are rules
// for the outer frame, which the window manager adds after a window is first shown.
#include "about/hakkindaformu.h"
#include "board/windowplacement.h"
#include "common/messagebox.h"
#include "common/messagerules.h"
#include "common/numbers.h"
#include "common/shared.h"
#include "game/anaform.h"
#include "photo/fotografsecformu.h"
#include "store/settingskeys.h"
#include "support/testsupport.h"

#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessel;
using namespace tessel::test;
namespace k = tessel::settingskeys;

namespace {

const QString app = QStringLiteral("Velkor\\Tessel");

// A loaded machine may take its time to map and frame a window.
constexpr int patienceMs = 20000;

// The outer frame as the window system has it now. A widget's own frameGeometry() keeps the
// margins of its last move, which may be from before the window manager framed it.
QRect outerFrame(const QWidget* window)
{
    return window->windowHandle() ? window->windowHandle()->frameGeometry()
                                  : window->frameGeometry();
}

bool framed(const QWidget* window)
{
    return outerFrame(window) != window->geometry();
}

// The default place of the game window: its outer frame centred on the primary screen.
QPoint centredOnScreen(QSize frame)
{
    return windowPixels(centredWindowTwips(QGuiApplication::primaryScreen()->geometry(), frame));
}

// Where a modal window came to stand, and where the rule puts a frame of its size.
struct Placed
{
    QRect frame;
    QPoint expected;
    bool shown = false; // it was shown and framed
    QString kind; // its class, for the failure message
};

// Runs `open`, which shows a modal window and returns once it is closed. Meanwhile: waits for
// that window to be framed, then until its frame stands where `rule` puts a frame of its size
// for a few polls running (or the patience ends), records the place and closes it with `close`.
Placed placeOfModal(const std::function<void()>& open,
                    const std::function<QPoint(QSize frame)>& rule,
                    const std::function<void(QWidget*)>& close)
{
    Placed placed;
    int steady = 0;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (!window || !window->isVisible())
            return;
        const bool outOfPatience = clock.elapsed() > patienceMs;
        if (framed(window)) {
            placed.shown = true;
            placed.kind = QString::fromLatin1(window->metaObject()->className());
            placed.frame = outerFrame(window);
            placed.expected = rule(placed.frame.size());
            steady = placed.frame.topLeft() == placed.expected ? steady + 1 : 0;
        }
        if (steady >= 3 || outOfPatience) {
            poll.stop();
            close(window);
        }
    });
    poll.start();
    open();
    poll.stop();
    return placed;
}

} // namespace

class TestWindowPlaces : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
    QPointer<AnaForm> m_game;

    // The game window loaded from the test's store, shown, framed and active.
    AnaForm& loadGame()
    {
        m_game = new AnaForm(*m_store);
        m_game->Form_Load();
        if (!QTest::qWaitForWindowExposed(m_game, patienceMs))
            qFatal("the game window was not shown");
        if (!QTest::qWaitFor([&] { return framed(m_game); }, patienceMs))
            qFatal("the window manager did not frame the game window");
        m_game->activateWindow();
        if (!QTest::qWaitForWindowActive(m_game, patienceMs))
            qFatal("the game window did not become active");
        return *m_game;
    }

    // The rule of the centred boxes and windows: on the game window's outer frame.
    std::function<QPoint(QSize)> centredOnGame()
    {
        return [this](QSize box) {
            return centredBoxPosition(outerFrame(m_game), false, box).value_or(QPoint());
        };
    }

    static void verifyPlaced(const Placed& placed)
    {
        QVERIFY2(placed.shown, "no window was shown and framed");
        QVERIFY2(placed.frame.topLeft() == placed.expected,
                 qPrintable(QStringLiteral("%1 frame at (%2, %3) %4 x %5, the rule gives (%6, %7)")
                                .arg(placed.kind)
                                .arg(placed.frame.x())
                                .arg(placed.frame.y())
                                .arg(placed.frame.width())
                                .arg(placed.frame.height())
                                .arg(placed.expected.x())
                                .arg(placed.expected.y())));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        shared().SettingsAppName = app;
        // No default photo: the program's folder is empty.
        shared().AppFolder = m_dir.path() + u'/';
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
                 "runs under a window manager on X (tests/support/underopenbox.sh)");
    }

    void init() { m_store = emptyStore(m_dir); }

    void cleanup() { delete m_game; }

    // No place stored: the window's outer frame, title bar and borders included, is centred on
    // the primary screen once the window manager has framed it.
    void firstStartCentresTheOuterFrame()
    {
        AnaForm& game = loadGame();
        QTRY_COMPARE_WITH_TIMEOUT(outerFrame(&game).topLeft(),
                                  centredOnScreen(outerFrame(&game).size()), patienceMs);
        // The window stays there: the place is corrected once, not fought over.
        QTest::qWait(200);
        QCOMPARE(outerFrame(&game).topLeft(), centredOnScreen(outerFrame(&game).size()));
    }

    // A stored place is the frame's place and is used as stored, framed or not.
    void aStoredPlaceIsKept()
    {
        m_store->SaveSetting(app, k::Ayarlar, k::SolBosluk, QStringLiteral("1500"));
        m_store->SaveSetting(app, k::Ayarlar, k::UstBosluk, QStringLiteral("3000"));
        AnaForm& game = loadGame();
        QTRY_COMPARE_WITH_TIMEOUT(outerFrame(&game).topLeft(), QPoint(100, 200), patienceMs);
        QTest::qWait(200);
        QCOMPARE(outerFrame(&game).topLeft(), QPoint(100, 200));
    }

    // Every centred message box stands with its outer frame on the centre of the game window's
    // outer frame.
    void messageBoxesAreCentredByTheirFrames_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("the close question") << "close";
        QTest::newRow("no photo for a new game") << "no photo";
        QTest::newRow("the error report") << "error";
        QTest::newRow("no window active: on the screen") << "no owner";
    }

    void messageBoxesAreCentredByTheirFrames()
    {
        QFETCH(QString, box);
        std::function<void()> open;
        QMessageBox::StandardButton answer = QMessageBox::Ok;
        if (box == QLatin1String("no owner")) {
            // Nothing to take the frame's margins from: the box is placed again once framed.
            QVERIFY(!QApplication::activeWindow());
            const Placed placed = placeOfModal(
                [] { showInformation(QStringLiteral("On the screen")); },
                [](QSize frame) {
                    return centredBoxPosition(QGuiApplication::primaryScreen()->geometry(), false,
                                              frame)
                        .value_or(QPoint());
                },
                [](QWidget* window) { window->close(); });
            verifyPlaced(placed);
            return;
        }
        AnaForm& game = loadGame();
        if (box == QLatin1String("close")) {
            open = [&] { game.close(); };
            answer = QMessageBox::No; // the window stays open
        } else if (box == QLatin1String("no photo")) {
            open = [&] { game.YeniOyunDüğmesi_Click(); };
        } else {
            open = [] {
                ShowErrorReport(TesselError(ErrorCode::Overflow, QStringLiteral("Overflow")));
            };
            answer = QMessageBox::Yes; // goes on
        }
        const Placed placed = placeOfModal(open, centredOnGame(), [answer](QWidget* window) {
            if (auto* messageBox = qobject_cast<QMessageBox*>(window))
                messageBox->done(answer);
        });
        QVERIFY(m_game);
        QCOMPARE(placed.kind, QStringLiteral("QMessageBox"));
        verifyPlaced(placed);
    }

    // The photo selection and About windows stand centred on the game window the same way.
    void windowsOpenedFromTheGameAreCentredByTheirFrames_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("photo selection") << "photo";
        QTest::newRow("About") << "about";
    }

    void windowsOpenedFromTheGameAreCentredByTheirFrames()
    {
        QFETCH(QString, window);
        AnaForm& game = loadGame();
        const std::function<void()> open = window == QLatin1String("photo")
            ? std::function<void()>([&] { FotoğrafSeçFormu::showModal(game); })
            : std::function<void()>([&] { HakkındaFormu::showModal(&game); });
        const Placed placed = placeOfModal(open, centredOnGame(), [](QWidget* opened) {
            if (auto* dialog = qobject_cast<QDialog*>(opened))
                dialog->reject();
        });
        verifyPlaced(placed);
    }
};

QTEST_MAIN(TestWindowPlaces)
#include "tst_windowplaces.moc"
