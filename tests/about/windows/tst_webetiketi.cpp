#include "about/webetiketi.h"
#include "common/numbers.h"
#include "support/testsupport.h"
#include "version.h"

#include <QtTest>

using namespace tessel;
using namespace tessel::test;

namespace {

QColor textColour(const WebEtiketi& link)
{
    return link.Etiket->palette().color(QPalette::WindowText);
}

QSize plus60Twips(const QSize& label)
{
    return label + QSize(twipsToPixels(60), twipsToPixels(60));
}

} // namespace

class TestWebEtiketi : public QObject
{
    Q_OBJECT

private slots:
    void newInstance()
    {
        QWidget container;
        WebEtiketi link(&container);
        link.InitProperties();
        QCOMPARE(link.size(), twipsToPixels(0, 0, 495, 555).size());
        QCOMPARE(link.Caption(), QStringLiteral("..."));
        QVERIFY(!link.FontUnderline());
        QCOMPARE(link.ForeColor(), 0x80000012u);
        QCOMPARE(textColour(link), link.palette().color(QPalette::ButtonText));
        QCOMPARE(link.PasifRenk(), 0x00404080u);
        QCOMPARE(link.AktifRenk(), 0x00FF0000u);
        QCOMPARE(link.Url(), QString::fromUtf8(version::siteUrl));
        QVERIFY(!link.RenkDeğiştir());
        QVERIFY(link.Etiket->autoFillBackground());
        QCOMPARE(link.Etiket->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(link.Etiket->cursor().hotSpot(), QPoint(13, 5));
        // The caption code reaches the text by name.
        link.setProperty("Caption", QStringLiteral("x"));
        QCOMPARE(link.Etiket->text(), QStringLiteral("x"));
    }

    void captionFitsAtOnce_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("empty") << "";
        QTest::newRow("short") << "Send Message";
        QTest::newRow("web site") << "https://velkor.example";
    }

    void captionFitsAtOnce()
    {
        QFETCH(QString, caption);
        QWidget container;
        WebEtiketi link(&container);
        QSignalSpy changed(&link, &WebEtiketi::propertyChanged);
        link.setCaption(caption);
        QCOMPARE(link.Etiket->text(), caption);
        QCOMPARE(link.Etiket->size(), link.Etiket->sizeHint());
        QCOMPARE(link.Etiket->pos(), QPoint(twipsToPixels(30), twipsToPixels(30)));
        QCOMPARE(link.size(), plus60Twips(link.Etiket->size()));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().first().toString(), QStringLiteral("Caption"));
    }

    void everyResizeFits()
    {
        QWidget container;
        WebEtiketi link(&container);
        container.show();
        QVERIFY(QTest::qWaitForWindowExposed(&container));
        QCOMPARE(link.size(), plus60Twips(link.Etiket->size()));
        link.resize(300, 80);
        QCOMPARE(link.size(), plus60Twips(link.Etiket->size()));
    }

    void fontGrowsTheLabelAtOnceTheControlAtTheNextResize()
    {
        QWidget container;
        WebEtiketi link(&container);
        container.show();
        QVERIFY(QTest::qWaitForWindowExposed(&container));
        link.setCaption(QStringLiteral("Send Message"));
        const QSize before = link.size();
        const QSize labelBefore = link.Etiket->size();

        QFont big = link.Font();
        big.setPointSizeF(big.pointSizeF() * 3);
        link.setFont(big);
        QVERIFY(link.Etiket->width() > labelBefore.width());
        QVERIFY(link.Etiket->height() > labelBefore.height());
        QCOMPARE(link.size(), before);

        link.resize(before + QSize(1, 1));
        QCOMPARE(link.size(), plus60Twips(link.Etiket->size()));
    }

    void storedPropertiesRoundTrip()
    {
        QWidget container;
        WebEtiketi link(&container);
        link.setCaption(QStringLiteral("Send \"E-Mail\""));
        link.setForeColor(0x000000FFu);
        link.setPasifRenk(0x80000008u);
        link.setRenkDeğiştir(true);
        link.setUrl(QStringLiteral("mailto:someone@example.org"));
        // AktifRenk and FontUnderline keep their defaults.

        PropertyBag bag;
        link.WriteProperties(bag);
        QStringList names;
        for (const PropertyBag::Entry& entry : bag.entries())
            names << entry.name;
        QCOMPARE(names,
                 QStringList({ "Caption", "ForeColor", "Font", "PasifRenk",
                               QString::fromUtf8("RenkDeğiştir"), "Url" }));

        // Through the text form of a layout, as a window stores it.
        StoredLayout layout;
        layout.add(QStringLiteral("Link")) = bag;
        const StoredLayout back = parseStoredLayout(storedLayoutText(layout));
        WebEtiketi copy(&container);
        copy.ReadProperties(*back.find(QStringLiteral("link")));
        QCOMPARE(copy.Caption(), link.Caption());
        QCOMPARE(copy.ForeColor(), 0x000000FFu);
        QCOMPARE(textColour(copy), QColor(255, 0, 0));
        QCOMPARE(copy.PasifRenk(), 0x80000008u);
        QCOMPARE(copy.AktifRenk(), WebEtiketi::defaultAktifRenk);
        QVERIFY(copy.RenkDeğiştir());
        QCOMPARE(copy.Url(), link.Url());
        QCOMPARE(copy.Font(), link.Font());
        QVERIFY(!copy.FontUnderline());

        // A fresh link stores its font alone.
        WebEtiketi fresh(&container);
        PropertyBag freshBag;
        fresh.WriteProperties(freshBag);
        QCOMPARE(freshBag.entries().size(), 1);
        QCOMPARE(freshBag.entries().first().name, QStringLiteral("Font"));
    }

    void readsNamesInAnyLetterCaseAndDefaultsTheRest()
    {
        const StoredLayout layout = parseStoredLayout(QStringLiteral(
            "Begin Link\n CAPTION = \"Mixed\"\n fontUNDERLINE = True\n pasifrenk = &H000000FF&\n"
            " renkdeğiştir = -1\nEnd\n"));
        QWidget container;
        QFont ambient = container.font();
        ambient.setPointSizeF(13);
        container.setFont(ambient);
        WebEtiketi link(&container);
        link.setUrl(QStringLiteral("elsewhere"));
        link.ReadProperties(*layout.find(QStringLiteral("link")));
        QCOMPARE(link.Caption(), QStringLiteral("Mixed"));
        QVERIFY(link.FontUnderline());
        QCOMPARE(link.PasifRenk(), 0x000000FFu);
        QVERIFY(link.RenkDeğiştir());
        // Missing names: their defaults, the font the container's.
        QCOMPARE(link.Url(), WebEtiketi::defaultUrl());
        QCOMPARE(link.ForeColor(), 0x80000012u);
        QCOMPARE(link.Font().pointSizeF(), 13.0);
    }

    void layoutWithoutAktifRenkRestsBlue()
    {
        const StoredLayout layout
            = parseStoredLayout(QStringLiteral("Begin Link\n forecolor = &H00008000&\nEnd\n"));
        QWidget container;
        WebEtiketi link(&container);
        link.ReadProperties(*layout.find(QStringLiteral("Link")));
        // Loading colours the text from ForeColor only.
        QCOMPARE(textColour(link), QColor(0, 128, 0));
        QCOMPARE(link.AktifRenk(), 0x00FF0000u);
        showLinkHover(link);
        QCOMPARE(textColour(link), QColor(0, 128, 0));
        QVERIFY(link.FontUnderline());
        showLinkResting(link);
        QCOMPARE(textColour(link), QColor(0, 0, 255));
        QCOMPARE(link.ForeColor(), 0x00FF0000u);
        QVERIFY(!link.FontUnderline());
    }

    void aktifRenkColoursTheTextAtOnce()
    {
        QWidget container;
        WebEtiketi link(&container);
        link.setAktifRenk(0x00404080u);
        QCOMPARE(textColour(link), QColor(128, 64, 64));
        QCOMPARE(link.ForeColor(), 0x00404080u);
    }

    void mouseMovePassesTheLabelsArguments()
    {
        QWidget container;
        WebEtiketi link(&container);
        QSignalSpy moved(&link, &WebEtiketi::mouseMoved);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 3), QPointF(5, 3), QPointF(105, 103),
                         Qt::NoButton, Qt::LeftButton | Qt::RightButton,
                         Qt::ShiftModifier | Qt::AltModifier);
        QApplication::sendEvent(link.Etiket, &move);
        QCOMPARE(moved.size(), 1);
        QCOMPARE(moved[0][0].toInt(), 3);
        QCOMPARE(moved[0][1].toInt(), 5);
        QCOMPARE(moved[0][2].toFloat(), 75.0f);
        QCOMPARE(moved[0][3].toFloat(), 45.0f);
        // Moves over the margin are not the label's.
        QMouseEvent margin(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), QPointF(101, 101),
                           Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&link, &margin);
        QCOMPARE(moved.size(), 1);
    }

    void clickOpensTheUrlUnchanged_data()
    {
        QTest::addColumn<QString>("url");
        QTest::newRow("web page") << "https://velkor.example";
        QTest::newRow("mail") << "mailto:tessel@velkor.example";
        QTest::newRow("any text") << QString::fromUtf8("not a url at all ?&= ğ \"x\"");
    }

    void clickOpensTheUrlUnchanged()
    {
        QFETCH(QString, url);
        UrlOpenerSpy opener;
        QWidget container;
        WebEtiketi link(&container);
        link.setUrl(url);
        container.show();
        QVERIFY(QTest::qWaitForWindowExposed(&container));
        QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(1, 1)); // the margin
        QTest::mouseClick(link.Etiket, Qt::RightButton);
        QVERIFY(opener.opened().isEmpty());
        QTest::mouseClick(link.Etiket, Qt::LeftButton);
        QCOMPARE(opener.opened(), QStringList({ url }));
    }

    // The second press of a double click is no click: the address opens once.
    void doubleClickOpensTheLinkOnce()
    {
        UrlOpenerSpy opener;
        QWidget container;
        WebEtiketi link(&container);
        container.show();
        QVERIFY(QTest::qWaitForWindowExposed(&container));
        doubleClickLikeThePlatform(link.Etiket);
        QCOMPARE(opener.opened(), QStringList({ link.Url() }));
        // A click after it is a click again.
        QTest::mouseClick(link.Etiket, Qt::LeftButton);
        QCOMPARE(opener.opened().size(), 2);
    }
};

QTEST_MAIN(TestWebEtiketi)
#include "tst_webetiketi.moc"
