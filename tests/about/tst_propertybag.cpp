#include "about/linkrules.h"
#include "about/propertybag.h"
#include "common/errors.h"
#include "version.h"

#include <QtTest>

using namespace tessel;

class TestPropertyBag : public QObject
{
    Q_OBJECT

private slots:
    void namesMatchInAnyLetterCase_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("read");
        QTest::newRow("stored lower, read as declared") << "forecolor"
                                                        << "ForeColor";
        QTest::newRow("stored as declared, read lower") << "AktifRenk"
                                                        << "aktifrenk";
        QTest::newRow("mixed") << "uRL"
                               << "Url";
        QTest::newRow("Turkish letters")
            << QString::fromUtf8("renkdeğiştir") << QString::fromUtf8("RenkDeğiştir");
    }

    void namesMatchInAnyLetterCase()
    {
        QFETCH(QString, written);
        QFETCH(QString, read);
        PropertyBag bag;
        bag.WriteProperty(written, 42);
        QCOMPARE(bag.ReadProperty(read, 7).toInt(), 42);
        // A second write under another spelling replaces the value in its place.
        bag.WriteProperty(read, 43);
        QCOMPARE(bag.entries().size(), 1);
        QCOMPARE(bag.entries().first().name, written);
        QCOMPARE(bag.ReadProperty(written).toInt(), 43);
    }

    void missingNameGivesItsDefault()
    {
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("Caption"), QStringLiteral("x"));
        QCOMPARE(bag.ReadProperty(QStringLiteral("Url"), QStringLiteral("default")).toString(),
                 QStringLiteral("default"));
        QVERIFY(!bag.ReadProperty(QStringLiteral("Url")).isValid());
    }

    void valuesEqualToTheDefaultAreLeftOut()
    {
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("Caption"), QStringLiteral("..."), QStringLiteral("..."));
        bag.WriteProperty(QStringLiteral("FontUnderline"), false, false);
        bag.WriteProperty(QStringLiteral("ForeColor"), QVariant(0x80000012u),
                          QVariant(0x80000012u));
        QVERIFY(bag.entries().isEmpty());
        // A font is an object: stored even when it looks like the default.
        bag.WriteProperty(QStringLiteral("Font"), QFont(), QFont());
        QVERIFY(bag.contains(QStringLiteral("font")));
        // Writing the default over a stored value removes it.
        bag.WriteProperty(QStringLiteral("Url"), QStringLiteral("a"), QStringLiteral("b"));
        bag.WriteProperty(QStringLiteral("Url"), QStringLiteral("b"), QStringLiteral("b"));
        QVERIFY(!bag.contains(QStringLiteral("Url")));
    }

    void textFormRoundTrips()
    {
        StoredLayout layout;
        PropertyBag& first = layout.add(QString::fromUtf8("MesajGönderEtiketi"));
        first.WriteProperty(QStringLiteral("_extentx"), qlonglong(741));
        first.WriteProperty(QStringLiteral("Caption"),
                            QString::fromUtf8("say \"hi\"\\ C:\\ tab\tline\nnext \x01 ğü"));
        first.WriteProperty(QStringLiteral("ForeColor"), QVariant(0x80000012u));
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(9.75);
        font.setWeight(QFont::Bold);
        font.setItalic(true);
        first.WriteProperty(QStringLiteral("Font"), font);
        first.WriteProperty(QStringLiteral("FontUnderline"), true);
        first.WriteProperty(QStringLiteral("Ratio"), 8.0);
        layout.add(QStringLiteral("Empty"));

        const StoredLayout back = parseStoredLayout(storedLayoutText(layout));
        QCOMPARE(back.controls().size(), 2);
        QCOMPARE(back.controls()[0].name, QString::fromUtf8("MesajGönderEtiketi"));
        const PropertyBag& bag = back.controls()[0].properties;
        QCOMPARE(bag.entries().size(), first.entries().size());
        for (qsizetype i = 0; i < bag.entries().size(); ++i) {
            QCOMPARE(bag.entries()[i].name, first.entries()[i].name);
            QCOMPARE(bag.entries()[i].value, first.entries()[i].value);
        }
        QVERIFY(back.controls()[1].properties.entries().isEmpty());
    }

    // What the writer accepts reads back the same, through UTF-8 as a file holds it.
    void everyValueWrittenReadsBack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("a double needing 17 digits") << "Ratio" << QVariant(0.1 + 0.2);
        QTest::newRow("a huge double") << "Ratio" << QVariant(1e300);
        QTest::newRow("the smallest double") << "Ratio" << QVariant(5e-324);
        QTest::newRow("a whole double") << "Ratio" << QVariant(-0.0);
        QTest::newRow("a lone surrogate") << "Caption" << QVariant(QString(QChar(0xD800)) + "x");
        QTest::newRow("a pair and a half")
            << "Caption" << QVariant(QString::fromUtf8("🧩") + QChar(0xDE00));
        QTest::newRow("a value named like a block") << "BeginProperty" << QVariant(qlonglong(1));
        QTest::newRow("a value named like the end") << "End" << QVariant(QStringLiteral("x"));
        QTest::newRow("a value named like the end of a block") << "EndProperty" << QVariant(true);
    }

    void everyValueWrittenReadsBack()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        StoredLayout layout;
        PropertyBag& bag = layout.add(QStringLiteral("Etiket"));
        bag.WriteProperty(QStringLiteral("Before"), qlonglong(7));
        bag.WriteProperty(name, value);
        bag.WriteProperty(QStringLiteral("After"), QStringLiteral("y"));
        const QString text = storedLayoutText(layout);
        const StoredLayout back = parseStoredLayout(QString::fromUtf8(text.toUtf8()));
        QCOMPARE(back.controls().size(), 1);
        const QList<PropertyBag::Entry>& entries = back.controls()[0].properties.entries();
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[1].name, name);
        QCOMPARE(entries[1].value.typeId(), value.typeId());
        QCOMPARE(entries[1].value, value);
        QCOMPARE(storedLayoutText(back), text);
    }

    // A weight of any size is brought within 1 to 1000 before it becomes a whole number.
    void aFontWeightOfAnySizeIsClamped()
    {
        const StoredLayout layout = parseStoredLayout(
            QStringLiteral("Begin x\n BeginProperty font\n weight = 1e300\n EndProperty\nEnd\n"));
        QCOMPARE(storedFont(layout.find(QStringLiteral("x"))->ReadProperty(QStringLiteral("font")))
                     .weight(),
                 QFont::Weight(1000));
    }

    // What the text form cannot give back is refused rather than written wrong.
    void whatTheTextCannotHoldIsRefused_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value");
        const QVariant one = qlonglong(1);
        QTest::newRow("a name with a blank") << "x"
                                             << "two words" << one;
        QTest::newRow("a name with =") << "x"
                                       << "a=b" << one;
        QTest::newRow("a name read as a comment") << "x"
                                                  << "#note" << one;
        QTest::newRow("an empty name") << "x"
                                       << "" << one;
        QTest::newRow("a control name on two lines") << "x\ny"
                                                     << "a" << one;
        QTest::newRow("a control name with outer blanks") << " x"
                                                          << "a" << one;
        QTest::newRow("a font named like a value") << "x"
                                                   << "= 1" << QVariant(QFont());
        QTest::newRow("not a number") << "x"
                                      << "a" << QVariant(qQNaN());
        QTest::newRow("infinity") << "x"
                                  << "a" << QVariant(qInf());
    }

    void whatTheTextCannotHoldIsRefused()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        StoredLayout layout;
        layout.add(control).WriteProperty(name, value);
        try {
            storedLayoutText(layout);
            QFAIL("written");
        } catch (const TesselError& error) {
            QCOMPARE(error.code(), ErrorCode::TypeMismatch);
        }
    }

    void readsTheWaysValuesAreWritten_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<quint32>("colour");
        QTest::newRow("hex with ampersands") << "&H00FF0000&" << 0x00FF0000u;
        QTest::newRow("hex, short") << "&HFF" << 0x000000FFu;
        QTest::newRow("decimal") << "4210816" << 0x00404080u;
        QTest::newRow("negative system colour") << "-2147483630" << 0x80000012u;
    }

    void readsTheWaysValuesAreWritten()
    {
        QFETCH(QString, value);
        QFETCH(quint32, colour);
        const StoredLayout layout
            = parseStoredLayout(QStringLiteral("Begin x\n forecolor = %1\nEnd\n").arg(value));
        QCOMPARE(storedColor(
                     layout.find(QStringLiteral("X"))->ReadProperty(QStringLiteral("ForeColor"))),
                 colour);
    }

    void typedReads()
    {
        QCOMPARE(storedBool(qlonglong(-1)), true);
        QCOMPARE(storedBool(qlonglong(0)), false);
        QCOMPARE(storedBool(QStringLiteral("true")), true);
        QVERIFY_THROWS_EXCEPTION(TesselError, storedBool(QStringLiteral("yes")));
        QVERIFY_THROWS_EXCEPTION(TesselError, storedColor(QStringLiteral("red")));
        QVERIFY_THROWS_EXCEPTION(TesselError, storedColor(qlonglong(1) << 32));
        QVERIFY_THROWS_EXCEPTION(TesselError, storedFont(QStringLiteral("Arial")));
        QVERIFY_THROWS_EXCEPTION(TesselError, storedString(QFont()));
    }

    void malformedTextIsAnError_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("value outside a block") << "caption = \"x\"\n";
        QTest::newRow("End missing") << "Begin x\n caption = \"x\"\n";
        QTest::newRow("string not closed") << "Begin x\n caption = \"x\nEnd\n";
        QTest::newRow("text after the string") << "Begin x\n caption = \"x\" y\nEnd\n";
        QTest::newRow("unknown value") << "Begin x\n caption = x\nEnd\n";
        QTest::newRow("no name") << "Begin x\n = 1\nEnd\n";
        QTest::newRow("nested Begin") << "Begin x\n Begin y\nEnd\nEnd\n";
        QTest::newRow("font size as text")
            << "Begin x\n BeginProperty font\n size = \"big\"\n EndProperty\nEnd\n";
        QTest::newRow("bad escape") << "Begin x\n caption = \"\\u12\"\nEnd\n";
    }

    void malformedTextIsAnError()
    {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(TesselError, parseStoredLayout(text));
    }

    void aboutWindowLayoutHoldsTheLinkTable_data()
    {
        const QString site = QString::fromUtf8(version::siteUrl);
        QTest::addColumn<QString>("control");
        QTest::addColumn<double>("widthTwips");
        QTest::addColumn<QVariant>("caption");
        QTest::addColumn<QVariant>("foreColor");
        QTest::addColumn<QVariant>("aktifRenk");
        QTest::addColumn<QVariant>("url");
        QTest::newRow("web site") << "VelkorEtiketi" << 1950.0 << QVariant(site)
                                  << QVariant(0x00FF0000u) << QVariant() << QVariant();
        QTest::newRow("message")
            << QString::fromUtf8("MesajGönderEtiketi") << 420.0 << QVariant(QStringLiteral("2500"))
            << QVariant(0x00404080u) << QVariant(0x00404080u)
            << QVariant(site + QStringLiteral("/asp/mesaj/mesaj.asp?ProgramAdi=Mozark"));
        QTest::newRow("e-mail") << QString::fromUtf8("EPostaGönderEtiketi") << 420.0
                                << QVariant(QStringLiteral("2600")) << QVariant(0x00404080u)
                                << QVariant(0x00404080u)
                                << QVariant(QStringLiteral("mailto:")
                                            + QString::fromUtf8(version::email));
    }

    void aboutWindowLayoutHoldsTheLinkTable()
    {
        QFETCH(QString, control);
        QFETCH(double, widthTwips);
        QFETCH(QVariant, caption);
        QFETCH(QVariant, foreColor);
        QFETCH(QVariant, aktifRenk);
        QFETCH(QVariant, url);
        const StoredLayout layout = loadStoredLayout(QStringLiteral("HakkindaFormu"));
        const PropertyBag* bag = layout.find(control);
        QVERIFY(bag);
        QCOMPARE(bag->ReadProperty(QStringLiteral("Caption")), caption);
        QCOMPARE(bag->ReadProperty(QStringLiteral("ForeColor")), foreColor);
        QCOMPARE(bag->ReadProperty(QStringLiteral("AktifRenk")), aktifRenk);
        QCOMPARE(bag->ReadProperty(QStringLiteral("Url")), url);
        // Left to their defaults in all three.
        QVERIFY(!bag->contains(QStringLiteral("PasifRenk")));
        QVERIFY(!bag->contains(QString::fromUtf8("RenkDeğiştir")));
        const QFont font = storedFont(bag->ReadProperty(QStringLiteral("Font")));
        QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(font.pointSizeF(), 8.25);
        QCOMPARE(font.weight(), QFont::Normal);
        QVERIFY(!font.underline());
        // The stored extents agree with the design positions.
        QCOMPARE(bag->ReadProperty(QStringLiteral("_extentx")).toInt(),
                 extentFromTwips(widthTwips));
        QCOMPARE(bag->ReadProperty(QStringLiteral("_extenty")).toInt(), extentFromTwips(255));
    }

    void missingLayoutIsFileNotFound()
    {
        try {
            loadStoredLayout(QStringLiteral("NoSuchWindow"));
            QFAIL("no error");
        } catch (const TesselError& error) {
            QCOMPARE(error.code(), ErrorCode::FileNotFound);
        }
    }
};

QTEST_GUILESS_MAIN(TestPropertyBag)
#include "tst_propertybag.moc"
