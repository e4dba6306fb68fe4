#include "about/hakkindaformu.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "game/anaform.h"
#include "support/testsupport.h"
#include "version.h"

#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

using namespace tessel;
using namespace tessel::test;

namespace {

const ProgramInfo version120 { QStringLiteral("Tessel"), 1, 2, 0, QStringLiteral("Notice") };

QPoint centreOf(QWidget* widget)
{
    return widget->rect().center();
}

QList<WebEtiketi*> links(HakkındaFormu& form)
{
    return { form.VelkorEtiketi, form.MesajGönderEtiketi, form.EPostaGönderEtiketi };
}

QColor textColour(const WebEtiketi* link)
{
    return link->Etiket->palette().color(QPalette::WindowText);
}

// A bare spot of the panel: below the icon, left of the texts.
QPoint barePanel()
{
    return QPoint(twipsToPixels(300), twipsToPixels(2300));
}

QString captionOf(QObject* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    return control->property("Caption").toString();
}

} // namespace

class TestHakkindaFormu : public QObject
{
    Q_OBJECT

private slots:
    void designTable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("twips"); // left, top, width, height; no size: sized to its text
        auto row = [](const char* name, const char* parent, QRect twips) {
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(parent) << twips;
        };
        row("TamamDüğmesi", "HakkındaFormu", { 3210, 3330, 1215, 345 });
        row("Çerçeve", "HakkındaFormu", { 300, 240, 4125, 2895 });
        row("Altlık", "Çerçeve", { 120, 210, 3885, 2565 });
        row("Etiket(3)", "Altlık", { 930, 1200, 0, 0 });
        row("Etiket(2)", "Altlık", { 930, 750, 2775, 405 });
        row("Etiket(1)", "Altlık", { 930, 420, 0, 0 });
        row("Etiket(0)", "Altlık", { 930, 180, 0, 0 });
        row("SimgeKutusu", "Altlık", { 180, 300, 480, 480 });
        row("VelkorEtiketi", "Altlık", { 930, 1440, 0, 0 });
        row("MesajGönderEtiketi", "Altlık", { 930, 1830, 0, 0 });
        row("EPostaGönderEtiketi", "Altlık", { 930, 2130, 0, 0 });
    }

    void designTable()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, twips);
        auto* form = new HakkındaFormu(nullptr);
        QScopedPointer<HakkındaFormu> owner(form);
        QWidget* widget = form->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        const QRect expected = twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height());
        QCOMPARE(widget->pos(), expected.topLeft());
        if (twips.width() > 0)
            QCOMPARE(widget->size(), expected.size());
        // Nothing is clipped: every text fits its control, and every control its parent.
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap())
            QVERIFY(label->sizeHint().width() <= label->width());
        if (auto* button = qobject_cast<QPushButton*>(widget))
            QVERIFY(button->sizeHint().width() <= button->width());
        QVERIFY(widget->parentWidget()->rect().contains(widget->geometry()));
    }

    void window()
    {
        QWidget owner;
        auto* form = new HakkındaFormu(&owner);
        QCOMPARE(form->parentWidget(), &owner);
        QVERIFY(form->isModal());
        QVERIFY(form->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(form->size(), twipsToPixels(0, 0, 4755, 3915).size());
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(
            !(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(form->Altlık->backColor(), form->palette().color(QPalette::Window));
        QCOMPARE(form->SimgeKutusu->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                 aboutIcon());
        QCOMPARE(form->Etiket[0]->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        QCOMPARE(form->Etiket[3]->palette().color(QPalette::WindowText), QColor(128, 64, 64));
        QVERIFY(form->Etiket[2]->wordWrap());
        // Shown, it stands centred on its owner.
        owner.setGeometry(100, 100, 700, 500);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QVERIFY((form->geometry().center() - owner.geometry().center()).manhattanLength() <= 2);
        // The first resize fitted every link to its text; the notice fits its two lines.
        for (WebEtiketi* link : links(*form))
            QCOMPARE(link->size(), link->Etiket->size() + QSize(4, 4));
        QVERIFY(form->Etiket[2]->heightForWidth(form->Etiket[2]->width())
                <= form->Etiket[2]->height());
        form->close();
    }

    void loadSetsTheTexts()
    {
        QScopedPointer<HakkındaFormu> form(new HakkındaFormu(nullptr));
        QCOMPARE(form->windowTitle(), QStringLiteral("About Program"));
        QCOMPARE(form->Etiket[0]->text(), QStringLiteral("Tessel"));
        QCOMPARE(form->Etiket[1]->text(), QStringLiteral("Version 1.20"));
        QCOMPARE(form->Etiket[2]->text(), QString::fromUtf8(version::legalNotice));
        QCOMPARE(form->Etiket[3]->text(), QStringLiteral("Velkor"));
        QCOMPARE(form->VelkorEtiketi->Caption(), QString::fromUtf8(version::siteUrl));
        QCOMPARE(form->MesajGönderEtiketi->Caption(), QStringLiteral("Send Message"));
        QCOMPARE(form->EPostaGönderEtiketi->Caption(), QStringLiteral("Send E-Mail"));
        QCOMPARE(form->TamamDüğmesi->text(), QStringLiteral("OK"));
        // The links as stored: colours, and hovering underlines.
        QCOMPARE(textColour(form->VelkorEtiketi), QColor(0, 0, 255));
        for (WebEtiketi* link : { form->MesajGönderEtiketi, form->EPostaGönderEtiketi }) {
            QCOMPARE(textColour(link), QColor(128, 64, 64));
            QCOMPARE(link->AktifRenk(), 0x00404080u);
        }
        for (WebEtiketi* link : links(*form)) {
            QVERIFY(!link->RenkDeğiştir());
            QVERIFY(!link->FontUnderline());
            QCOMPARE(link->PasifRenk(), 0x00404080u);
        }
        // Links re-fitted to their new captions.
        QCOMPARE(form->MesajGönderEtiketi->width(),
                 form->MesajGönderEtiketi->Etiket->sizeHint().width() + twipsToPixels(60));
    }

    void versionText_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.2.0") << 1 << 2 << 0 << "Version 1.20";
        QTest::newRow("revision 10") << 1 << 2 << 10 << "Version 1.210";
        QTest::newRow("major 10") << 10 << 0 << 3 << "Version 10.03";
    }

    void versionText()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, text);
        ProgramInfo program = version120;
        program.major = major;
        program.minor = minor;
        program.revision = revision;
        QScopedPointer<HakkındaFormu> form(new HakkındaFormu(nullptr, program));
        QCOMPARE(form->Etiket[1]->text(), text);
    }

    void aFailingStepKeepsItsDesignText_data()
    {
        QTest::addColumn<int>("missing");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("kept");
        QTest::newRow("button string") << 2000 << "TamamDüğmesi"
                                       << "2000";
        QTest::newRow("message string") << 2500 << "MesajGönderEtiketi"
                                        << "2500";
        QTest::newRow("version string") << 2450 << "Etiket(1)"
                                        << "#";
    }

    void aFailingStepKeepsItsDesignText()
    {
        QFETCH(int, missing);
        QFETCH(QString, control);
        QFETCH(QString, kept);
        const auto strings = [missing](int id) {
            if (id == missing)
                throw TesselError(ErrorCode::ResourceNotFound, QStringLiteral("missing"));
            return ResourceString(id);
        };
        QPointer<HakkındaFormu> form = new HakkındaFormu(nullptr, version120, strings);
        QCOMPARE(captionOf(form->findChild<QObject*>(control)), kept);
        // The other steps ran, and the window still works.
        QCOMPARE(form->EPostaGönderEtiketi->Caption(), QStringLiteral("Send E-Mail"));
        QCOMPARE(form->Etiket[2]->text(), QStringLiteral("Notice"));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTest::mouseClick(form->TamamDüğmesi, Qt::LeftButton);
        QTRY_VERIFY(form.isNull());
    }

    void clickOnEachLinkOpensItsAddress_data()
    {
        const QString site = QString::fromUtf8(version::siteUrl);
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("url");
        QTest::newRow("web site") << "VelkorEtiketi" << site;
        QTest::newRow("message") << "MesajGönderEtiketi"
                                 << site + QStringLiteral("/asp/mesaj/mesaj.asp?ProgramAdi=Mozark");
        QTest::newRow("e-mail") << "EPostaGönderEtiketi"
                                << QStringLiteral("mailto:") + QString::fromUtf8(version::email);
    }

    void clickOnEachLinkOpensItsAddress()
    {
        QFETCH(QString, link);
        QFETCH(QString, url);
        UrlOpenerSpy opener;
        QPointer<HakkındaFormu> form = new HakkındaFormu(nullptr);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        auto* control = form->findChild<WebEtiketi*>(link);
        QTest::mouseClick(control->Etiket, Qt::LeftButton, {}, centreOf(control->Etiket));
        QCOMPARE(opener.opened(), QStringList({ url }));
        QVERIFY(!form.isNull()); // a click opens, and nothing else
        form->close();
    }

    void hoverUnderlinesAndTheBarePanelOrWindowClears_data()
    {
        QTest::addColumn<bool>("overWindow");
        QTest::newRow("leave over the panel") << false;
        QTest::newRow("leave over the window") << true;
    }

    void hoverUnderlinesAndTheBarePanelOrWindowClears()
    {
        QFETCH(bool, overWindow);
        QPointer<HakkındaFormu> form = new HakkındaFormu(nullptr);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        WebEtiketi* message = form->MesajGönderEtiketi;
        WebEtiketi* site = form->VelkorEtiketi;

        QTest::mouseMove(message->Etiket, centreOf(message->Etiket));
        QTRY_VERIFY(message->FontUnderline());
        QVERIFY(!site->FontUnderline());
        // The plain labels, the icon, the frame's border and a link's margin change nothing.
        for (QWidget* over :
             { static_cast<QWidget*>(form->Etiket[3]), static_cast<QWidget*>(form->SimgeKutusu),
               static_cast<QWidget*>(form->Çerçeve), static_cast<QWidget*>(site) }) {
            QTest::mouseMove(over, over == form->Çerçeve ? QPoint(1, 1) : QPoint(0, 0));
            QTest::qWait(20);
            QVERIFY2(message->FontUnderline(), qPrintable(over->objectName()));
        }
        // A quick jump to another link leaves both underlined.
        QTest::mouseMove(site->Etiket, centreOf(site->Etiket));
        QTRY_VERIFY(site->FontUnderline());
        QVERIFY(message->FontUnderline());

        if (overWindow)
            QTest::mouseMove(form, QPoint(3, form->height() - 3));
        else
            QTest::mouseMove(form->Altlık, barePanel());
        QTRY_VERIFY(!site->FontUnderline());
        QVERIFY(!message->FontUnderline());
        QCOMPARE(textColour(site), QColor(0, 0, 255));
        QCOMPARE(textColour(message), QColor(128, 64, 64));
        form->close();
    }

    void changingColourNeverUnderlines()
    {
        QPointer<HakkındaFormu> form = new HakkındaFormu(nullptr);
        WebEtiketi* mail = form->EPostaGönderEtiketi;
        mail->setRenkDeğiştir(true);
        mail->setPasifRenk(0x00008000u);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTest::mouseMove(mail->Etiket, centreOf(mail->Etiket));
        QTRY_COMPARE(textColour(mail), QColor(0, 128, 0));
        QVERIFY(!mail->FontUnderline());
        QTest::mouseMove(form->Altlık, barePanel());
        QTRY_COMPARE(textColour(mail), QColor(128, 64, 64));
        QVERIFY(!mail->FontUnderline());
        form->close();
    }

    void closesByOkEscOrCloseBox_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("OK") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("close box") << 2;
    }

    void closesByOkEscOrCloseBox()
    {
        QFETCH(int, way);
        QPointer<HakkındaFormu> form = new HakkındaFormu(nullptr);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        if (way == 0)
            QTest::mouseClick(form->TamamDüğmesi, Qt::LeftButton);
        else if (way == 1)
            QTest::keyClick(form, Qt::Key_Escape);
        else
            QVERIFY(form->windowHandle()->close());
        QTRY_VERIFY(form.isNull());
    }

    void aboutButtonOpensANewWindowEachTime()
    {
        FakeMessageBoxes boxes;
        AnaForm game;
        game.applyAppearance();
        game.show();
        QVERIFY(QTest::qWaitForWindowExposed(&game));

        struct Seen
        {
            QWidget* parent = nullptr;
            bool modal = false;
            bool underlined = true;
            bool underlinedAfterHover = false;
            QPointer<QWidget> window;
        };
        QList<Seen> seen;
        // Looks at the window while it is open, hovers a link, and closes it.
        std::function<void()> inspect = [&] {
            auto* form = dynamic_cast<HakkındaFormu*>(QApplication::activeModalWidget());
            if (!form || !form->isVisible()) {
                QTimer::singleShot(10, inspect);
                return;
            }
            Seen s { form->parentWidget(), form->isModal(), false, false, form };
            for (WebEtiketi* link : links(*form))
                s.underlined = s.underlined || link->FontUnderline();
            // Straight to the window: the offscreen cursor would find the game window under it.
            // A move to where the last one ended would be dropped as no move at all.
            QLabel* label = form->VelkorEtiketi->Etiket;
            QTest::mouseMove(form->windowHandle(), QPoint(1, 1));
            QTest::mouseMove(form->windowHandle(), label->mapTo(form, centreOf(label)));
            s.underlinedAfterHover
                = QTest::qWaitFor([&] { return form->VelkorEtiketi->FontUnderline(); });
            seen.append(s);
            QTest::mouseClick(form->TamamDüğmesi, Qt::LeftButton);
        };
        for (int opening = 0; opening < 2; ++opening) {
            QTimer::singleShot(0, inspect);
            QTest::mouseClick(game.HakkındaDüğmesi, Qt::LeftButton);
        }
        QCOMPARE(seen.size(), 2);
        for (const Seen& s : seen) {
            QCOMPARE(s.parent, &game);
            QVERIFY(s.modal);
            QVERIFY(!s.underlined); // the second opening too
            QVERIFY(s.underlinedAfterHover);
            QVERIFY(s.window.isNull()); // gone once the click returned
        }
    }
};

QTEST_MAIN(TestHakkindaFormu)
#include "tst_hakkindaformu.moc"
