#include "about/hakkindaformu.h"
#include "common/colors.h"
#include "common/shared.h"
#include "game/anaform.h"
#include "support/testsupport.h"

#include <QGroupBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace tessel;
using namespace tessel::test;

namespace {

// A dark desktop's colours, as a dark theme gives them.
QPalette darkPalette()
{
    QPalette dark;
    const QColor window(0x2b, 0x2b, 0x2b);
    const QColor base(0x1e, 0x1e, 0x1e);
    for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
        dark.setColor(group, QPalette::Window, window);
        dark.setColor(group, QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        dark.setColor(group, QPalette::Base, base);
        dark.setColor(group, QPalette::AlternateBase, window);
        dark.setColor(group, QPalette::Text, QColor(0xee, 0xee, 0xee));
        dark.setColor(group, QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
        dark.setColor(group, QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
        dark.setColor(group, QPalette::Light, QColor(0x55, 0x55, 0x55));
        dark.setColor(group, QPalette::Midlight, QColor(0x45, 0x45, 0x45));
        dark.setColor(group, QPalette::Mid, QColor(0x30, 0x30, 0x30));
        dark.setColor(group, QPalette::Dark, QColor(0x18, 0x18, 0x18));
        dark.setColor(group, QPalette::Shadow, Qt::black);
        dark.setColor(group, QPalette::Highlight, QColor(0x3d, 0x8e, 0xe6));
        dark.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    return dark;
}

struct Measured
{
    QColor ground; // the colour most pixels have
    QColor text; // the pixel that stands out most from it
};

// What a part of a control shows on the screen, read from its pixels.
Measured measure(QWidget* control, const QRect& area)
{
    const QImage image = control->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb ground = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(ground))
            ground = it.key();
    QColor text = QColor(ground);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (contrastRatio(QColor(it.key()), QColor(ground)) > contrastRatio(text, QColor(ground)))
            text = QColor(it.key());
    return { QColor(ground), text };
}

struct ColouredText
{
    QString what;
    QWidget* control;
    QRect area;
    QColor design;
};

} // namespace

class TestDarkPalette : public GameWindowTest
{
    Q_OBJECT

private:
    QPalette m_light;

    // Every text the windows colour: the frame captions and the time and move values of the
    // game window, the About window's title, maker and links.
    static QList<ColouredText> colouredTexts(AnaForm& game, HakkındaFormu& about)
    {
        QList<ColouredText> texts;
        for (int i : { 0, 2, 3 }) {
            QGroupBox* frame = game.Çerçeve[i];
            const QFontMetrics metrics = frame->fontMetrics();
            texts.append(
                { frame->objectName(), frame,
                  QRect(0, 0, metrics.horizontalAdvance(frame->title()) + 16, metrics.height()),
                  QColor(128, 0, 0) });
        }
        for (int i : { 1, 3 })
            texts.append({ game.Etiket[i]->objectName(), game.Etiket[i], game.Etiket[i]->rect(),
                           QColor(192, 64, 0) });
        texts.append({ QStringLiteral("About title"), about.Etiket[0], about.Etiket[0]->rect(),
                       QColor(0, 0, 192) });
        texts.append({ QStringLiteral("About maker"), about.Etiket[3], about.Etiket[3]->rect(),
                       QColor(128, 64, 64) });
        texts.append({ QStringLiteral("site link"), about.VelkorEtiketi->Etiket,
                       about.VelkorEtiketi->Etiket->rect(), QColor(0, 0, 255) });
        for (WebEtiketi* link : { about.MesajGönderEtiketi, about.EPostaGönderEtiketi })
            texts.append(
                { link->objectName(), link->Etiket, link->Etiket->rect(), QColor(128, 64, 64) });
        return texts;
    }

private slots:
    void initTestCase()
    {
        m_store = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("Tessel.ini")));
        m_light = QApplication::palette();
        QVERIFY(!isDarkGround(m_light.color(QPalette::Window)));
        QVERIFY(isDarkGround(darkPalette().color(QPalette::Window)));
    }

    void cleanup() { QApplication::setPalette(m_light); }

    void everyColouredTextIsReadable_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<bool>("switchedWhileOpen");
        QTest::newRow("light desktop") << false << false;
        QTest::newRow("dark desktop") << true << false;
        QTest::newRow("desktop turned dark while the windows are open") << true << true;
    }

    void everyColouredTextIsReadable()
    {
        QFETCH(bool, dark);
        QFETCH(bool, switchedWhileOpen);
        if (dark && !switchedWhileOpen)
            QApplication::setPalette(darkPalette());
        FakeSoundOutput sound;
        AnaForm game(*m_store);
        game.setAttribute(Qt::WA_DeleteOnClose, false);
        game.applyAppearance();
        game.OrjinalFotoğrafKutusu = Photo(testPhoto());
        arrangeBoard(game, QStringLiteral("0 1 2/3 4 5/6 . 7"));
        game.show();
        QVERIFY(QTest::qWaitForWindowExposed(&game));
        QScopedPointer<HakkındaFormu> about(new HakkındaFormu(&game));
        about->setAttribute(Qt::WA_DeleteOnClose, false);
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about.get()));
        if (switchedWhileOpen) {
            QApplication::setPalette(darkPalette());
            QCoreApplication::processEvents(); // the windows hear of it
        }

        for (const ColouredText& text : colouredTexts(game, *about)) {
            const Measured shown = measure(text.control, text.area);
            const QString what = QStringLiteral("%1: %2 on %3, %4:1")
                                     .arg(text.what, shown.text.name(), shown.ground.name())
                                     .arg(contrastRatio(shown.text, shown.ground), 0, 'f', 2);
            QVERIFY2(isDarkGround(shown.ground) == dark, qPrintable(what));
            if (!dark) {
                // As designed: the colour itself, seen through the font's smoothing.
                QCOMPARE(text.control->palette().color(QPalette::WindowText), text.design);
                const int off = std::max({ std::abs(shown.text.red() - text.design.red()),
                                           std::abs(shown.text.green() - text.design.green()),
                                           std::abs(shown.text.blue() - text.design.blue()) });
                QVERIFY2(off <= 8, qPrintable(what));
                continue;
            }
            QVERIFY2(contrastRatio(shown.text, shown.ground) >= 4.5, qPrintable(what));
            // A lighter shade of the design's own hue.
            const int hueDifference
                = std::abs(shown.text.toHsl().hslHue() - text.design.toHsl().hslHue());
            QVERIFY2(std::min(hueDifference, 360 - hueDifference) <= 4, qPrintable(what));
            QVERIFY2(shown.text.lightnessF() > text.design.lightnessF(), qPrintable(what));
        }
    }
};

QTEST_MAIN(TestDarkPalette)
#include "tst_darkpalette.moc"
