#include "common/shared.h"
#include "game/anaform.h"
#include "store/settingskeys.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessel;
using namespace tessel::test;
namespace k = tessel::settingskeys;

namespace {

const QString app = QStringLiteral("Velkor\\Tessel");

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The game window keeps the game in progress while it is played; the rules of the keeping are
// the keeper's own tests.
class TestAnaFormKeep : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
    FakeMessageBoxes m_boxes;
    FakeSoundOutput m_sound;

    // A window playing `board`, "Save on exit" as given, its keeper quick.
    std::unique_ptr<AnaForm> playing(const QString& board, bool saveOnExit)
    {
        auto form = shownGameWindow(*m_store);
        form->keeper().setDelayMs(50);
        form->OyunuKaydetOnayı->setChecked(saveOnExit);
        arrangeBoard(*form, board);
        return form;
    }

    KeyValuePairs storedGame() const { return m_store->GetAllSettings(app, k::Oyun); }
    QString storedMoves() const
    {
        return m_store->GetSetting(app, k::OyunBilgiler, k::HamleBilgisi);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        shared().SettingsAppName = app;
    }

    void init()
    {
        QFile::remove(m_dir.filePath(QStringLiteral("Tessel.ini")));
        m_store = emptyStore(m_dir);
        m_boxes.clear();
    }

    // Moves reach the store as the close would write the game at that moment.
    void movesAreKeptWhileSaveOnExitIsSet()
    {
        auto form = playing(QStringLiteral("1 0 2/3 4 5/6 . 7"), true);
        for (int cell : { 6, 7, 6 })
            form->DağınıkParçalar_Click(cell);
        QCOMPARE(form->ClickCount(), 3);
        QTRY_COMPARE(storedMoves(), QStringLiteral("3"));
        QTRY_VERIFY(!form->keeper().busy());

        QTemporaryDir other;
        SettingsStore closed(other.filePath(QStringLiteral("Tessel.ini")));
        KeyValuePairs replaced;
        writeCloseSettings(closed, form->closeSnapshot(), replaced);
        QCOMPARE(storedGame(), closed.GetAllSettings(app, k::Oyun));
        QCOMPARE(storedGame().at(6).second, QStringLiteral("6B"));
    }

    // "Save on exit" clear: play writes nothing at all.
    void nothingIsWrittenWhileSaveOnExitIsClear()
    {
        auto form = playing(QStringLiteral("1 0 2/3 4 5/6 . 7"), false);
        for (int cell : { 6, 7, 6 })
            form->DağınıkParçalar_Click(cell);
        form->YeniOyunDüğmesi_Click();
        QTest::qWait(300);
        QVERIFY(!form->keeper().busy());
        QCOMPARE(form->keeper().writesBegun(), 0);
        QVERIFY(!QFileInfo::exists(m_store->filePath()));
    }

    // A game kept during play leaves the store when it is won, though none was read at the
    // start: the next start must not offer a won game.
    void aWonGameLeavesTheStore()
    {
        auto form = playing(QStringLiteral("0 1 2/3 4 5/. 6 7"), true);
        QVERIFY(form->SavedGame.empty());
        form->DağınıkParçalar_Click(7);
        QTRY_COMPARE(storedMoves(), QStringLiteral("1"));
        form->DağınıkParçalar_Click(8);
        QVERIFY(!form->SüreHesapla->running()); // completed
        QCOMPARE(m_boxes.shown().size(), 1);
        QTest::qWait(200);
        QVERIFY(storedGame().empty());
        QVERIFY(m_store->GetAllSettings(app, k::OyunBilgiler).empty());
    }

    // Clearing "Save on exit" removes a kept game, and no write under way brings it back.
    void clearingSaveOnExitRemovesAKeptGame()
    {
        auto form = playing(QStringLiteral("1 0 2/3 4 5/6 . 7"), true);
        form->DağınıkParçalar_Click(6);
        QTRY_COMPARE(storedMoves(), QStringLiteral("1"));
        form->DağınıkParçalar_Click(7);
        form->OyunuKaydetOnayı->setChecked(false);
        QTest::qWait(300);
        QVERIFY(storedGame().empty());
        QVERIFY(storedMoves().isEmpty());

        // Checked again in a game: kept again.
        form->OyunuKaydetOnayı->setChecked(true);
        QTRY_COMPARE(storedMoves(), QStringLiteral("2"));
    }

    // The close waits for the keeper and writes last: nothing the keeper had armed comes after.
    void theClosesWriteIsTheLast()
    {
        auto form = playing(QStringLiteral("1 0 2/3 4 5/6 . 7"), true);
        form->keeper().setDelayMs(200);
        form->DağınıkParçalar_Click(6);
        form->game().setElapsed({ 0, 0, 17 });
        form->closeByProgram();
        QVERIFY(!form->keeper().busy());
        const QByteArray closed = fileBytes(m_store->filePath());
        QVERIFY(closed.contains("\nSaniye Bilgisi=17\n"));
        QVERIFY(closed.contains("\nHamle Bilgisi=1\n"));
        QTest::qWait(500);
        QCOMPARE(fileBytes(m_store->filePath()), closed);
        QCOMPARE(form->keeper().writesBegun(), 0);
    }
};

QTEST_MAIN(TestAnaFormKeep)
#include "tst_anaformkeep.moc"
