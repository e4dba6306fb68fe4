#include "about/hakkindaformu.h"
#include "common/accessibletext.h"
#include "common/resourcestring.h"
#include "common/shared.h"
#include "common/translations.h"
#include "game/anaform.h"
#include "game/rekorlarformu.h"
#include "game/yardimformu.h"
#include "photo/fotografsecformu.h"
#include "support/testsupport.h"

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace tessel;
using namespace tessel::test;

namespace {

QString captionOf(const QWidget* control)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    return QString();
}

// Every control of the window a player can see that shows a caption.
QList<QWidget*> captionedControls(QWidget* window)
{
    QList<QWidget*> found;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->isVisibleTo(window) && !captionOf(control).isEmpty())
            found << control;
    }
    return found;
}

// Each caption fits its control at the window's designed size: a button, check box or option
// has room for its text and mark, a frame for its caption, a label stays inside its parent and
// clear of the controls beside it.
void checkCaptionsFit(QWidget* window, const QString& what)
{
    for (QWidget* control : captionedControls(window)) {
        const QString where
            = QStringLiteral("%1 %2 \"%3\"").arg(what, control->objectName(), captionOf(control));
        if (qobject_cast<QAbstractButton*>(control)) {
            QVERIFY2(control->sizeHint().width() <= control->width(), qPrintable(where));
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            // Fusion sets the caption in from the frame's left edge by about a character.
            const int needed = frame->fontMetrics().horizontalAdvance(frame->title())
                + 2 * frame->fontMetrics().averageCharWidth();
            QVERIFY2(needed <= frame->width(), qPrintable(where));
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            QWidget* parent = label->parentWidget();
            QVERIFY2(parent->rect().contains(label->geometry()), qPrintable(where));
            if (label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                         qPrintable(where));
            else
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(where));
            for (QWidget* sibling :
                 parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (sibling != label && sibling->isVisibleTo(window))
                    QVERIFY2(
                        !sibling->geometry().intersects(label->geometry()),
                        qPrintable(where + QStringLiteral(" overlaps ") + sibling->objectName()));
            }
        }
    }
}

// No two controls of a window share an access key.
void checkAccessKeysAreUnique(QWidget* window, const QString& what)
{
    QMap<QString, QString> keys;
    for (QWidget* control : captionedControls(window)) {
        const QString key = accessKey(captionOf(control));
        if (key.isEmpty())
            continue;
        QVERIFY2(!keys.contains(key),
                 qPrintable(QStringLiteral("%1: %2 and %3 share Alt+%4")
                                .arg(what, keys.value(key), control->objectName(), key)));
        keys.insert(key, control->objectName());
    }
}

// The English texts the current language translates.
QSet<QString> translatedEnglish()
{
    QSet<QString> english;
    for (const StringEntry& entry : stringTable()) {
        const QString source = QString::fromUtf8(entry.source.text);
        if (ResourceString(entry.id) != source)
            english << source;
    }
    return english;
}

// In a translated window no caption is left in English.
void checkCaptionsTranslated(QWidget* window, const QString& what)
{
    if (currentLanguage().isEmpty())
        return;
    const QSet<QString> english = translatedEnglish();
    for (QWidget* control : captionedControls(window))
        QVERIFY2(!english.contains(captionOf(control)),
                 qPrintable(QStringLiteral("%1 %2 \"%3\"")
                                .arg(what, control->objectName(), captionOf(control))));
}

} // namespace

class TestWindowTexts : public GameWindowTest
{
    Q_OBJECT

private:
    // With TESSEL_SCREENSHOTS set to a folder, each window rendered is also written there.
    static void render(QWidget* window, const QString& name)
    {
        const QImage shot = window->grab().toImage();
        QVERIFY(!shot.isNull());
        const QString folder = qEnvironmentVariable("TESSEL_SCREENSHOTS");
        if (!folder.isEmpty()) {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(shot.save(QDir(folder).filePath(name + QStringLiteral(".png"))));
        }
    }

    void checkWindow(QWidget* window, const QString& what)
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        checkCaptionsTranslated(window, what);
        checkCaptionsFit(window, what);
        checkAccessKeysAreUnique(window, what);
        const QString language
            = currentLanguage().isEmpty() ? QStringLiteral("en") : currentLanguage();
        render(window, what + u'-' + language);
    }

private slots:
    void initTestCase()
    {
        shared().AppFolder = m_dir.path() + u'/';
        QVERIFY(testPhoto().save(m_dir.filePath(QStringLiteral("Sample-1.jpg"))));
        m_store = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("Tessel.ini")));
    }

    void cleanup() { useLanguage(QString()); }

    void everyWindowInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << "";
        // Every language the program is translated into, a new one included.
        for (const QString& language : translatedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyWindowInEveryLanguage()
    {
        QFETCH(QString, language);
        QVERIFY(useLanguage(language));
        FakeSoundOutput sound;
        FakeMessageBoxes boxes;

        AnaForm game(*m_store);
        game.setAttribute(Qt::WA_DeleteOnClose, false);
        game.applyAppearance();
        game.restoreAtStartUp();
        arrangeBoard(game, QStringLiteral("0 1 2/3 . 4/6 7 5"));
        game.DağınıkParçalar_Click(5); // the time and the count show
        QCOMPARE(game.ClickCount(), 1);
        checkWindow(&game, QStringLiteral("game"));

        QPointer<FotoğrafSeçFormu> photos
            = new FotoğrafSeçFormu(game, [this] { return QStringList { QDir::rootPath() }; });
        checkWindow(photos, QStringLiteral("photo"));
        photos->close();

        QPointer<HakkındaFormu> about = new HakkındaFormu(&game);
        checkWindow(about, QStringLiteral("about"));
        about->close();

        QPointer<RekorlarFormu> results = new RekorlarFormu(&game, *m_store);
        checkWindow(results, QStringLiteral("results"));
        results->close();

        QPointer<YardımFormu> help = new YardımFormu(&game);
        checkWindow(help, QStringLiteral("help"));
        help->close();

        // The board's menu: its items are translated too.
        std::unique_ptr<QMenu> menu(game.boardMenu());
        const QSet<QString> english
            = currentLanguage().isEmpty() ? QSet<QString>() : translatedEnglish();
        int items = 0;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            ++items;
            QVERIFY2(!action->text().isEmpty() && !english.contains(action->text()),
                     qPrintable(action->text()));
        }
        QCOMPARE(items, 7);
        QVERIFY(boxes.shown().isEmpty());
    }
};

QTEST_MAIN(TestWindowTexts)
#include "tst_windowtexts.moc"
