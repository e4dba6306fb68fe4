#include "common/numbers.h"
#include "game/anaform.h"
#include "resources/appicon.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessel;
using namespace tessel::test;

class TestAnaForm : public QObject
{
    Q_OBJECT

private:
    static QWidget* control(AnaForm& form, const QString& name)
    {
        if (name == QLatin1String("AnaForm"))
            return &form;
        auto* widget = form.findChild<QWidget*>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }

    static QString captionOf(QWidget* widget)
    {
        if (auto* frame = qobject_cast<QGroupBox*>(widget))
            return frame->title();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            return button->text();
        if (auto* label = qobject_cast<QLabel*>(widget))
            return label->text();
        return QString();
    }

private slots:
    void designTable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("twips"); // left, top, width, height
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("hand");
        auto row = [](const char* name, const char* parent, QRect twips, const char* caption,
                      bool visible, bool hand) {
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(parent) << twips
                                << QString::fromUtf8(caption) << visible << hand;
        };
        row("Çerçeve(0)", "AnaForm", { 270, 270, 5745, 4485 }, "Completing Photo ", true, false);
        row("DağınıkParçalar(0)", "Çerçeve(0)", { 300, 300, 705, 555 }, "", true, true);
        row("SayıListesi", "Çerçeve(0)", { 210, 1650, 915, 2595 }, "", false, false);
        row("Çerçeve(1)", "AnaForm", { 270, 4920, 5745, 915 }, "Dividing Photo ", true, false);
        row("Altlık(0)", "Çerçeve(1)", { 120, 270, 5505, 495 }, "", true, false);
        row("ParçalaraBölSeçeneği(0)", "Altlık(0)", { 150, 120, 1635, 285 }, "&3 x 3 Blocks ", true,
            true);
        row("ParçalaraBölSeçeneği(1)", "Altlık(0)", { 1905, 120, 1635, 285 }, "&4 x 4 Blocks ",
            true, true);
        row("ParçalaraBölSeçeneği(2)", "Altlık(0)", { 3660, 120, 1635, 285 }, "&5 x 5 Blocks ",
            true, true);
        row("Çerçeve(2)", "AnaForm", { 6330, 270, 2895, 2325 }, "Photo Sample ", true, false);
        row("ÖrnekKutusu", "Çerçeve(2)", { 180, 300, 2535, 1875 }, "", true, false);
        row("FotoğrafınÖrneğiniGöster", "AnaForm", { 6480, 2730, 2745, 225 }, "Show ph&oto sample ",
            true, true);
        row("OyunuKaydetOnayı", "AnaForm", { 6480, 3030, 2745, 225 }, "&Save on exit ", true, true);
        row("SesleriKapatOnayı", "AnaForm", { 6480, 3330, 2745, 225 }, "Sound o&ff ", true, true);
        row("Çerçeve(3)", "AnaForm", { 6330, 3720, 2895, 1035 }, "Game Information ", true, false);
        row("Altlık(1)", "Çerçeve(3)", { 120, 210, 2655, 705 }, "", true, false);
        row("YeniOyunDüğmesi", "AnaForm", { 6330, 4980, 1365, 345 }, "&New Game", true, false);
        row("YeniFotoğrafDüğmesi", "AnaForm", { 7770, 4980, 1425, 345 }, "New &Photo...", true,
            false);
        row("HakkındaDüğmesi", "AnaForm", { 6330, 5400, 1365, 345 }, "&About", true, false);
        row("ÇıkışDüğmesi", "AnaForm", { 7770, 5400, 1425, 345 }, "Exit (Esc)", true, false);
    }

    void designTable()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        QFETCH(bool, visible);
        QFETCH(bool, hand);

        AnaForm form;
        form.applyAppearance();
        QWidget* widget = control(form, name);
        QCOMPARE(widget->parentWidget(), control(form, parent));
        QCOMPARE(widget->geometry(),
                 twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
        QCOMPARE(captionOf(widget), caption);
        QCOMPARE(widget->isVisibleTo(&form), visible);
        QCOMPARE(widget->cursor().shape() == Qt::BitmapCursor, hand);
        if (hand)
            QCOMPARE(widget->cursor().hotSpot(), QPoint(13, 5));
        // Every caption fits its control.
        if (visible && !caption.isEmpty() && !qobject_cast<QGroupBox*>(widget))
            QVERIFY2(
                widget->sizeHint().width() <= widget->width(),
                qPrintable(
                    QStringLiteral("%1 needs %2 px").arg(name).arg(widget->sizeHint().width())));
    }

    void clockLabelsAfterAppearance()
    {
        AnaForm form;
        form.applyAppearance();
        QCOMPARE(form.Etiket.size(), size_t(4));
        QCOMPARE(form.timeCaption()->text(), QStringLiteral("Remaining Time :"));
        QCOMPARE(form.moveCountCaption()->text(), QStringLiteral("Click Counts :"));
        QVERIFY(form.timeDisplay()->text().isEmpty());
        QVERIFY(form.moveCountDisplay()->text().isEmpty());
        // The captions size themselves to the left and keep their right edge, clear of the values.
        for (int i : { 0, 2 }) {
            QCOMPARE(form.Etiket[i]->geometry().right() + 1, twipsToPixels(1050 + 270));
            QVERIFY(form.Etiket[i]->x() >= 0);
            QVERIFY(form.Etiket[i]->geometry().right() < form.Etiket[i + 1]->x());
        }
        for (int i : { 1, 3 }) {
            QVERIFY(form.Etiket[i]->font().bold());
            QCOMPARE(form.Etiket[i]->palette().color(QPalette::WindowText), QColor(192, 64, 0));
            QCOMPARE(form.Etiket[i]->pos(), twipsToPixels(1380, i == 1 ? 90 : 390, 0, 0).topLeft());
        }
        QCOMPARE(form.SüreHesapla->interval(), 0);
        QCOMPARE(form.SüreHesapla->parent(), form.Altlık[1]);
    }

    void windowAppearance()
    {
        AnaForm form;
        form.applyAppearance();
        QCOMPARE(form.windowTitle(), QStringLiteral("Velkor - Tessel 1.20"));
        QCOMPARE(form.size(), QSize(634, 413));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        const QColor windowColour = form.palette().color(QPalette::Window);
        QCOMPARE(form.Altlık[0]->backColor(), windowColour);
        QCOMPARE(form.Altlık[1]->backColor(), windowColour);
        QCOMPARE(form.DağınıkParçalar[0]->backColor(), QColor(255, 255, 192));
        for (int i : { 0, 2, 3 })
            QCOMPARE(form.Çerçeve[i]->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        QVERIFY(form.FotoğrafınÖrneğiniGöster->isChecked());
        QVERIFY(!form.OyunuKaydetOnayı->isChecked());
        QVERIFY(!form.SesleriKapatOnayı->isChecked());
        for (QRadioButton* option : form.ParçalaraBölSeçeneği)
            QVERIFY(!option->isChecked());
        QCOMPARE(form.DağınıkParçalar.size(), size_t(1));
        QCOMPARE(form.SıralıParçalar.size(), size_t(1));
        // The hidden picture boxes of the design are off-screen images, empty until a photo.
        QVERIFY(form.SıralıParçalar[0].isNull());
        QVERIFY(form.OrjinalFotoğrafKutusu.isNull());
        QCOMPARE(form.SayıListesi->count(), 0);
        // The program's icon, this window's and the others', once the window has been drawn:
        // not before, so that drawing its sizes does not hold the window back.
        QVERIFY(!form.testAttribute(Qt::WA_SetWindowIcon));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(form.testAttribute(Qt::WA_SetWindowIcon));
        const QList<QSize> iconSizes { QSize(16, 16),   QSize(22, 22),  QSize(24, 24),
                                       QSize(32, 32),   QSize(48, 48),  QSize(64, 64),
                                       QSize(128, 128), QSize(256, 256) };
        for (const QIcon& icon : { form.windowIcon(), QApplication::windowIcon() }) {
            QCOMPARE(icon.availableSizes(), iconSizes);
            QCOMPARE(
                icon.pixmap(QSize(32, 32), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
                appIconImage(32).convertToFormat(QImage::Format_ARGB32));
        }
    }

    void tabOrderFollowsTheDesign()
    {
        AnaForm form;
        const QList<QWidget*> expected
            = { form.ParçalaraBölSeçeneği[0], form.ParçalaraBölSeçeneği[1],
                form.ParçalaraBölSeçeneği[2], form.FotoğrafınÖrneğiniGöster,
                form.OyunuKaydetOnayı,        form.SesleriKapatOnayı,
                form.YeniOyunDüğmesi,         form.YeniFotoğrafDüğmesi,
                form.HakkındaDüğmesi,         form.ÇıkışDüğmesi };
        auto nextTabStop = [&form](QWidget* widget) {
            do
                widget = widget->nextInFocusChain();
            while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(&form));
            return widget;
        };
        for (qsizetype i = 1; i < expected.size(); ++i)
            QCOMPARE(nextTabStop(expected[i - 1]), expected[i]);
    }

    // A window that is shown but not drawn (minimized) gets the icon a moment later all the same.
    void theIconComesAlsoToAWindowNeverDrawn()
    {
        struct NoPaint : QObject
        {
            bool eventFilter(QObject*, QEvent* event) override
            {
                return event->type() == QEvent::Paint;
            }
        } noPaint;
        AnaForm form;
        form.installEventFilter(&noPaint);
        form.show();
        QVERIFY(!form.testAttribute(Qt::WA_SetWindowIcon));
        QTRY_VERIFY(form.testAttribute(Qt::WA_SetWindowIcon));
        QCOMPARE(form.windowIcon().availableSizes().size(), 8);
    }

    void escapePressesExit()
    {
        FakeMessageBoxes boxes;
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("Tessel.ini")));
        QPointer<AnaForm> form = new AnaForm(store);
        form->Form_Load();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTest::keyClick(form, Qt::Key_Escape);
        QTRY_VERIFY(form.isNull());
        QVERIFY(boxes.shown().isEmpty());
    }
};

QTEST_MAIN(TestAnaForm)
#include "tst_anaform.moc"
