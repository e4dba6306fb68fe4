#include "common/controls.h"

#include <QtTest>

using namespace tessel;

// The label's own measure of its caption agrees with QLabel's, which it stands in for.
class TestLabel : public QObject
{
    Q_OBJECT

private slots:
    void textSizeIsQLabelsSizeHint_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<int>("margin");
        const int left = int(Qt::AlignLeft | Qt::AlignVCenter);
        const int right = int(Qt::AlignRight | Qt::AlignVCenter);
        QTest::newRow("a time") << "01:02:05" << left << true << 8 << 0;
        QTest::newRow("elevens") << "11:11:11" << left << true << 8 << 0;
        QTest::newRow("a count") << "2147483647" << left << true << 12 << 0;
        QTest::newRow("a caption, right") << "Remaining Time :" << right << false << 8 << 0;
        QTest::newRow("empty") << "" << left << false << 8 << 0;
        QTest::newRow("blanks around") << "  13 h 05 min  " << left << false << 10 << 0;
        QTest::newRow("right to left")
            << QString::fromUtf8("٠١:٠٢:٠٥ م") << right << true << 9 << 0;
        QTest::newRow("rich text") << "<b>5</b>" << left << false << 8 << 0;
        QTest::newRow("two lines") << "1\n2" << left << false << 8 << 0;
        QTest::newRow("ampersand") << "Click & Count" << left << false << 8 << 0;
        QTest::newRow("contents margins") << "00:00:00" << left << true << 8 << 3;
    }

    void textSizeIsQLabelsSizeHint()
    {
        QFETCH(QString, text);
        QFETCH(int, alignment);
        QFETCH(bool, bold);
        QFETCH(int, pointSize);
        QFETCH(int, margin);
        Label label;
        QFont font = label.font();
        font.setBold(bold);
        font.setPointSize(pointSize);
        label.setFont(font);
        label.setAlignment(Qt::Alignment(alignment));
        label.setContentsMargins(margin, margin, 2 * margin, margin);
        label.setCaption(text);
        QCOMPARE(label.textSizeHint(), label.sizeHint());
        QCOMPARE(label.size(), label.sizeHint()); // what the caption fitted it to
    }
};

QTEST_MAIN(TestLabel)
#include "tst_label.moc"
