#include "board/gameclock.h"
#include "common/shared.h"
#include "game/anaform.h"
#include "game/hintcontroller.h"
#include "store/bestresults.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessel;
using namespace tessel::test;
namespace k = tessel::settingskeys;

namespace {

const QString app = QStringLiteral("Velkor\\Tessel");

// Counts the cells a division creates in the board frame.
class ChildCounter : public QObject
{
public:
    int added = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ChildAdded)
            ++added;
        return false;
    }
};

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestAnaFormRestore : public GameWindowTest
{
    Q_OBJECT

private:
    QString photoPath() const { return m_dir.filePath(QStringLiteral("Sample-1.jpg")); }

    // A new game window on the test's store, loaded as the program loads it.
    std::unique_ptr<AnaForm> start()
    {
        auto form = std::make_unique<AnaForm>(*m_store);
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->Form_Load();
        return form;
    }

    void store(const QString& section, const QString& key, const QString& value)
    {
        m_store->SaveSetting(app, section, key, value);
    }

    void storeGame(const QStringList& values, int divisionIndex,
                   const KeyValuePairs& info = { { k::HamleBilgisi, "5" } })
    {
        SettingsBatch batch = m_store->beginBatch();
        batch.SaveSetting(app, k::Ayarlar, k::SonBolme, QString::number(divisionIndex));
        for (int i = 0; i < values.size(); ++i)
            batch.SaveSetting(app, k::Oyun, k::FotoPrefix + QString::number(i), values[i]);
        for (const auto& [key, value] : info)
            batch.SaveSetting(app, k::OyunBilgiler, key, value);
        batch.commit();
    }

    static void click(AnaForm& form, int cell)
    {
        QTest::mouseClick(form.DağınıkParçalar.at(cell), Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    // The board shown in order with no game, as a first start leaves it.
    static void verifyNoGame(const AnaForm& form, int gridSize)
    {
        const int n = gridSize * gridSize;
        QCOMPARE(int(form.DağınıkParçalar.size()), n);
        for (int c = 0; c < n; ++c) {
            QCOMPARE(form.DağınıkParçalar[c]->picture().cacheKey(),
                     form.SıralıParçalar[c].cacheKey());
            QVERIFY(form.DağınıkParçalar[c]->tag().isEmpty());
        }
        QCOMPARE(form.SüreHesapla->interval(), 0);
        QVERIFY(form.timeDisplay()->text().isEmpty());
        QVERIFY(form.moveCountDisplay()->text().isEmpty());
        QVERIFY(!form.RestoringGame);
    }

    // The offscreen screen is 800 x 800; the window 634 x 413: 1245 and 2902.5 twips.
    static QPoint centred() { return QPoint(83, 194); }

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 800, 800));
        shared().AppFolder = m_dir.path() + u'/';
        QVERIFY(testPhoto(QSize(120, 90)).save(photoPath()));
    }

    void init()
    {
        freshStore();
        shared().DivisionIndex = 0;
    }

    void aFirstStart()
    {
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        auto form = std::make_unique<AnaForm>(*m_store);
        ChildCounter cells;
        form->Çerçeve[0]->installEventFilter(&cells);
        form->Form_Load();
        form->Çerçeve[0]->removeEventFilter(&cells);
        QVERIFY(boxes.shown().isEmpty());
        QVERIFY(form->isVisible());
        QVERIFY(form->FotoğrafınÖrneğiniGöster->isChecked());
        QVERIFY(!form->SesleriKapatOnayı->isChecked());
        QVERIFY(!form->OyunuKaydetOnayı->isChecked());
        QCOMPARE(shared().PhotoPath, photoPath());
        QCOMPARE(form->OrjinalFotoğrafKutusu.size(), QSize(120, 90));
        QVERIFY(form->ParçalaraBölSeçeneği[0]->isChecked());
        QCOMPARE(int(shared().DivisionIndex), 0);
        verifyNoGame(*form, 3);
        QCOMPARE(cells.added, 8); // divided once: cells 1 to 8 are new
        QVERIFY(form->SavedGame.empty());
        QCOMPARE(form->pos(), centred());
        // Nothing sounded, so nothing asked the audio layer.
        QCOMPARE(sound.deviceQueries, 0);
        // Nor is anything written before the close.
        QVERIFY(!QFile::exists(m_store->filePath()));
    }

    void theStoredOptionsComeBack()
    {
        FakeMessageBoxes boxes;
        store(k::Ayarlar, k::OrnekGoster, "0");
        store(k::Ayarlar, k::SesleriKapat, "1");
        store(k::Ayarlar, k::OyunuKaydet, "1");
        store(k::Ayarlar, k::SonBolme, "2");
        auto form = start();
        QVERIFY(boxes.shown().isEmpty());
        QVERIFY(!form->FotoğrafınÖrneğiniGöster->isChecked());
        QVERIFY(form->SesleriKapatOnayı->isChecked());
        QVERIFY(form->OyunuKaydetOnayı->isChecked());
        QVERIFY(form->ParçalaraBölSeçeneği[2]->isChecked());
        verifyNoGame(*form, 5);
    }

    void aSavedGamePlaysOnAfterARestart()
    {
        // Four slides from home on a 4 x 4 board, the empty cell in the second row, then three
        // moves towards home before the exit.
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        {
            auto first = start();
            first->OyunuKaydetOnayı->setChecked(true);
            arrangeBoard(*first, QStringLiteral("4 0 1 2/. 5 6 3/8 9 10 7/12 13 14 11"));
            for (int cell : { 0, 1, 2 })
                click(*first, cell);
            first->game().setElapsed({ .minutes = 2, .seconds = 30 });
            first->closeByProgram();
        }
        QCOMPARE(m_store->GetAllSettings(app, k::Oyun).size(), size_t(16));

        const int reads = m_store->fileReads();
        auto form = start();
        // Options, photo, block count, game, time and place: one read of the store.
        QCOMPARE(m_store->fileReads(), reads + 1);
        QVERIFY(boxes.shown().isEmpty());
        QVERIFY(form->ParçalaraBölSeçeneği[1]->isChecked());
        QCOMPARE(boardText(*form), QStringLiteral("0 1 . 2/4 5 6 3/8 9 10 7/12 13 14 11"));
        QCOMPARE(int(form->BlankIndex()), 2);
        QCOMPARE(form->ClickCount(), 3);
        QCOMPARE((QList<int> { form->Hours(), form->Minutes(), form->Seconds() }),
                 (QList<int> { 0, 2, 30 }));
        QCOMPARE(form->timeDisplay()->text(), clockText({ 0, 2, 30 }));
        QCOMPARE(form->moveCountDisplay()->text(), QStringLiteral("3"));
        QCOMPARE(form->SüreHesapla->interval(), 1000);
        QVERIFY(!form->RestoringGame);
        QCOMPARE(form->SavedGame.size(), size_t(16));
        // The clock goes on from the saved time.
        form->SüreHesapla_Timer();
        QCOMPARE(form->timeDisplay()->text(), clockText({ 0, 2, 31 }));

        for (int cell : { 3, 7, 11 })
            click(*form, cell);
        QVERIFY(boxes.shown().isEmpty());
        // The restored game was solved in the background from where it stood.
        QTRY_VERIFY_WITH_TIMEOUT(form->hints()->solutionLength().has_value(), 30000);
        click(*form, 15);
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(boxes.shown()[0].text.contains(QStringLiteral("2 minute, 31 second")));
        QVERIFY(boxes.shown()[0].text.endsWith(
            QStringLiteral("Click Counts : 7\r\n\r\nShortest possible: 4 moves.")));
        // A resumed game counts like any other, with its whole time and count.
        const BestResult four = readBestResults(*m_store)[1];
        QCOMPARE(four.completed, 1);
        QCOMPARE(four.seconds, std::optional<int32_t>(151));
        QCOMPARE(four.moves, std::optional<int32_t>(7));
        // The stored game went with the completion; the options stay.
        QVERIFY(m_store->GetAllSettings(app, k::Oyun).empty());
        QVERIFY(m_store->GetAllSettings(app, k::OyunBilgiler).empty());
        QCOMPARE(m_store->GetSetting(app, k::Ayarlar, k::OyunuKaydet), QStringLiteral("1"));
    }

    void noFalseCompletionAfterAResume()
    {
        // Saved one move before the solution with the empty cell at 7 and block 7 in the last
        // cell. Moving block 6 across and back must not count as a completion.
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        storeGame({ "0", "1", "2", "3", "4", "5", "6", "7B", "7" }, 0);
        auto form = start();
        QCOMPARE(int(form->BlankIndex()), 7);
        QCOMPARE(form->DağınıkParçalar[8]->tag(), QStringLiteral("7"));
        click(*form, 6);
        click(*form, 7);
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(form->SüreHesapla->interval(), 1000);
        // The empty cell carries n - 1, as in a fresh game.
        QCOMPARE(form->DağınıkParçalar[7]->tag(), QStringLiteral("8"));
        QCOMPARE(boardText(*form), QStringLiteral("0 1 2/3 4 5/6 . 7"));
        QCOMPARE(form->ClickCount(), 7);
        click(*form, 8);
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boardText(*form), QStringLiteral("0 1 2/3 4 5/6 7 8"));
    }

    void aDamagedStoredGameIsDropped_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("divisionIndex");
        const QStringList oneMove = { "0", "1", "2", "3", "4", "5", "6", "7B", "7" };
        QTest::newRow("a 3 x 3 game for a 4 x 4 board") << oneMove << 1;
        QTest::newRow("two empty cells")
            << QStringList { "0", "1", "2", "3", "4", "5", "6B", "7B", "7" } << 0;
        QTest::newRow("a number written with a leading zero")
            << QStringList { "0", "1", "2", "3", "4", "5", "6", "7B", "07" } << 0;
        QTest::newRow("two blocks exchanged: it cannot come home")
            << QStringList { "1", "0", "2", "3", "4", "5", "6", "7B", "7" } << 0;
    }

    void aDamagedStoredGameIsDropped()
    {
        QFETCH(QStringList, values);
        QFETCH(int, divisionIndex);
        FakeMessageBoxes boxes;
        storeGame(values, divisionIndex);
        auto form = start();
        QVERIFY(boxes.shown().isEmpty());
        verifyNoGame(*form, divisionIndex + 3);
        QVERIFY(form->SavedGame.empty());
        QVERIFY(m_store->GetAllSettings(app, k::Oyun).empty());
        QVERIFY(m_store->GetAllSettings(app, k::OyunBilgiler).empty());
        QCOMPARE(m_store->GetSetting(app, k::Ayarlar, k::SonBolme), QString::number(divisionIndex));
    }

    void aValueThatDoesNotConvertIsReported_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("error");
        QTest::newRow("sample option as text") << k::Ayarlar << k::OrnekGoster << "yes" << 13;
        QTest::newRow("sound option 5") << k::Ayarlar << k::SesleriKapat << "5" << 380;
        QTest::newRow("block count as text") << k::Ayarlar << k::SonBolme << "four" << 13;
        QTest::newRow("block count 7") << k::Ayarlar << k::SonBolme << "7" << 380;
        QTest::newRow("block count -1") << k::Ayarlar << k::SonBolme << "-1" << 380;
        QTest::newRow("left edge as text") << k::Ayarlar << k::SolBosluk << "left" << 13;
        QTest::newRow("seconds beyond a byte") << k::OyunBilgiler << k::SaniyeBilgisi << "300" << 6;
        QTest::newRow("minutes beyond the clock")
            << k::OyunBilgiler << k::DakikaBilgisi << "75" << 6;
        QTest::newRow("moves as text") << k::OyunBilgiler << k::HamleBilgisi << "many" << 13;
    }

    void aValueThatDoesNotConvertIsReported()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(int, error);
        FakeMessageBoxes boxes;
        const bool game = section == k::OyunBilgiler;
        if (game)
            storeGame({ "0", "1", "2", "3", "4", "5", "6", "7B", "7" }, 0,
                      { { k::SaniyeBilgisi, "9" }, { k::DakikaBilgisi, "8" } });
        store(section, key, value);
        auto form = start();
        QCOMPARE(boxes.shown().size(), 1);
        const MessageBoxRequest& report = boxes.shown().first();
        QCOMPARE(report.icon, QMessageBox::Critical);
        QCOMPARE(report.title, QStringLiteral("Error Occured!"));
        QVERIFY2(report.text.contains(QStringLiteral("Error Code : %1").arg(error)),
                 qPrintable(report.text));
        // Yes went on: the window opened with everything else restored.
        QVERIFY(form->isVisible());
        QVERIFY(form->FotoğrafınÖrneğiniGöster->isChecked());
        QVERIFY(!form->SesleriKapatOnayı->isChecked());
        if (key == k::SonBolme) {
            QVERIFY(form->ParçalaraBölSeçeneği[0]->isChecked());
            QCOMPARE(int(shared().DivisionIndex), 0);
        }
        if (key == k::SolBosluk)
            QCOMPARE(form->pos(), centred());
        if (game) {
            // The value that failed keeps its previous value, zero; the others come back.
            QCOMPARE(boardText(*form), QStringLiteral("0 1 2/3 4 5/6 . 7"));
            QCOMPARE(form->SüreHesapla->interval(), 1000);
            QCOMPARE(int(form->Seconds()), key == k::SaniyeBilgisi ? 0 : 9);
            QCOMPARE(int(form->Minutes()), key == k::DakikaBilgisi ? 0 : 8);
        } else {
            QCOMPARE(int(form->DağınıkParçalar.size()), 9);
        }
    }

    void answeringNoEndsWithNothingWritten()
    {
        FakeMessageBoxes boxes;
        ProgramEndSpy end;
        store(k::Ayarlar, k::SonBolme, "four");
        const QByteArray before = fileBytes(m_store->filePath());
        boxes.answerNext(QMessageBox::No);
        auto form = std::make_unique<AnaForm>(*m_store);
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        QVERIFY(endsProgram([&] { form->Form_Load(); }));
        QCOMPARE(end.ends(), 1);
        QVERIFY(!form->isVisible());
        form.reset();
        QCOMPARE(fileBytes(m_store->filePath()), before);
    }

    void theLastPhoto_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content"); // null: no such file
        QTest::addColumn<bool>("reported");
        QTest::newRow("gone: no error") << "gone.jpg" << QByteArray() << false;
        QTest::newRow("not a picture: reported")
            << "notes.jpg" << QByteArray("not a photo") << true;
    }

    void theLastPhoto()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(bool, reported);
        FakeMessageBoxes boxes;
        const QString path = m_dir.filePath(file);
        if (!content.isNull()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        store(k::Ayarlar, k::SonFotograf, path);
        auto form = start();
        QCOMPARE(boxes.shown().size(), reported ? 1 : 0);
        if (reported)
            QVERIFY(boxes.shown()[0].text.contains(QStringLiteral("Error Code : 481")));
        QCOMPARE(shared().PhotoPath, path);
        QVERIFY(form->OrjinalFotoğrafKutusu.isNull());
        QCOMPARE(int(form->DağınıkParçalar.size()), 9);
        QVERIFY(form->isVisible());
        QFile::remove(path);
    }

    void theWindowsPlace_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("as stored") << "1500"
                                   << "2250" << QPoint(100, 150);
        QTest::newRow("a fraction, halves to even") << "1252.5"
                                                    << "37.5" << QPoint(84, 2);
        QTest::newRow("a decimal comma") << "1252,5"
                                         << "22,5" << QPoint(84, 2);
        QTest::newRow("partly off the left edge: as stored") << "-3000"
                                                             << "300" << QPoint(-200, 20);
        QTest::newRow("partly below the screen: as stored") << "1500"
                                                            << "7995" << QPoint(100, 533);
        QTest::newRow("wholly right of the screen: centred") << "12000"
                                                             << "300" << centred();
        QTest::newRow("wholly above the screen: centred") << "300"
                                                          << "-6195" << centred();
        QTest::newRow("far beyond any screen: centred") << "900000000000000000000000000000"
                                                        << "0" << centred();
    }

    void theWindowsPlace()
    {
        QFETCH(QString, left);
        QFETCH(QString, top);
        QFETCH(QPoint, position);
        FakeMessageBoxes boxes;
        store(k::Ayarlar, k::SolBosluk, left);
        store(k::Ayarlar, k::UstBosluk, top);
        auto form = start();
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(form->pos(), position);
    }
};

QTEST_MAIN(TestAnaFormRestore)
#include "tst_anaformrestore.moc"
