#include "common/shared.h"
#include "game/anaform.h"
#include "game/yardimformu.h"
#include "support/testsupport.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using namespace tessel;
using namespace tessel::test;

namespace {

// What screen readers meet in the window, in their order: the texts of its interfaces, depth
// first, the window's own title left out.
QStringList spokenTexts(QWidget* window)
{
    QStringList texts;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (node->state().invisible)
            return;
        if (node->object() != window) {
            const QString name = node->text(QAccessible::Name);
            if (!name.isEmpty())
                texts << name;
        }
        for (int i = 0; i < node->childCount(); ++i)
            if (QAccessibleInterface* child = node->child(i))
                walk(child);
    };
    walk(QAccessible::queryAccessibleInterface(window));
    return texts;
}

// Runs `inspect` on the keys and help window that `open` opens, then presses Esc in it.
void withHelpWindow(const std::function<void()>& open,
                    const std::function<void(YardımFormu&)>& inspect)
{
    bool seen = false;
    QPointer<YardımFormu> shown;
    QTimer::singleShot(0, [&] {
        auto* window = dynamic_cast<YardımFormu*>(QApplication::activeModalWidget());
        if (!window)
            return; // the test fails below
        seen = true;
        shown = window;
        inspect(*window);
        QTest::keyClick(window, Qt::Key_Escape);
    });
    open();
    QVERIFY(seen);
    // Esc closed it, and a closed window is gone.
    QVERIFY(shown.isNull());
}

} // namespace

class TestYardimFormu : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        shared().SettingsAppName = QStringLiteral("Velkor\\Tessel");
    }

    void init() { m_store = emptyStore(m_dir); }

    void f1OpensItAndEscClosesIt()
    {
        const auto form = shownGameWindow(*m_store);
        withHelpWindow(
            [&] { QTest::keyClick(form.get(), Qt::Key_F1); },
            [&](YardımFormu& help) {
                QCOMPARE(help.windowTitle(), QStringLiteral("Keys and Help"));
                const QStringList texts = help.texts();
                // Each key beside what it does.
                const QStringList pairs[] = {
                    { "Arrow keys",
                      "Slide the block beside the empty cell into it, the way the "
                      "arrow points (on the board)." },
                    { "H", "Hint: outline the block to move next." },
                    { "Ctrl+Z", "Undo the last move." },
                    { "Ctrl+Shift+Z, Ctrl+Y", "Redo a move undone." },
                    { "Ctrl+R", "Restart: the same deal again, moves and time from 0." },
                    { "Ctrl+B", "Show the best results." },
                    { "F1", "Show this window." },
                    { "Alt+N", "Deal a new game." },
                    { "Esc", "Exit the program; in any other window, close it." },
                };
                for (const QStringList& pair : pairs) {
                    const qsizetype at = texts.indexOf(pair[0]);
                    QVERIFY2(at >= 0, qPrintable(pair[0]));
                    QCOMPARE(texts.value(at + 1), pair[1]);
                }
                QVERIFY(texts.contains(QStringLiteral("Hint")));
                QVERIFY(texts.contains(QStringLiteral("Best Results")));
                // Centred on the game window.
                const QPoint offset = help.geometry().center() - form->geometry().center();
                QVERIFY2(offset.manhattanLength() <= 4,
                         qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
            });
    }

    void screenReadersReadItInOrder()
    {
        const auto form = shownGameWindow(*m_store);
        auto* help = new YardımFormu(form.get());
        help->show();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QStringList expected = help->texts();
        expected << QStringLiteral("OK");
        QCOMPARE(spokenTexts(help), expected);
        QCOMPARE(expected.first(), QStringLiteral("Keys"));
        QCOMPARE(expected.at(1), QStringLiteral("Arrow keys"));
        help->close();
    }

    void theBoardsMenuOpensIt()
    {
        const auto form = shownGameWindow(*m_store);
        std::unique_ptr<QMenu> menu(form->boardMenu());
        auto* item = menu->findChild<QAction*>(QStringLiteral("KeysAndHelpAction"));
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("Keys and help"));
        QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F1));
        withHelpWindow([&] { item->trigger(); }, [](YardımFormu&) {});
    }
};

QTEST_MAIN(TestYardimFormu)
#include "tst_yardimformu.moc"
