#include "board/clocktimer.h"
#include "common/controls.h"
#include "common/localize.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace tessel;

// A control that counts how often its caption is asked for.
class CaptionSpy : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)

public:
    CaptionSpy(const QString& kind, const QString& caption, QObject* parent)
        : QObject(parent)
        , m_caption(caption)
    {
        setObjectName(kind + QStringLiteral("Spy"));
        setProperty("controlKind", kind);
    }
    QString caption() const
    {
        ++reads;
        return m_caption;
    }
    void setCaption(const QString& caption) { m_caption = caption; }
    mutable int reads = 0;

private:
    QString m_caption;
};

class TestLocalize : public QObject
{
    Q_OBJECT

private:
    template<class Control>
    static Control* add(Control* control, const char* name)
    {
        control->setObjectName(QString::fromLatin1(name));
        return control;
    }

private slots:
    void replacesNumericCaptionsOfEveryKind()
    {
        QWidget window;
        auto* frame = add(new QGroupBox(QStringLiteral("200"), &window), "frame");
        auto* check = add(new QCheckBox(QStringLiteral("400"), frame), "check");
        auto* box = add(new PictureBox(&window), "box");
        auto* inBox = add(new Label(box), "inBox");
        inBox->setText(QStringLiteral("510"));
        auto* button = add(new QPushButton(QStringLiteral(" 600 "), &window), "button");
        auto* spy = new CaptionSpy(QStringLiteral("WebEtiketi"), QStringLiteral("2500"), &window);

        LocalizeForm(&window);

        QCOMPARE(frame->title(), QStringLiteral("Dividing Photo "));
        QCOMPARE(check->text(), QStringLiteral("Show ph&oto sample "));
        QCOMPARE(inBox->text(), QStringLiteral("Remaining Time :"));
        QCOMPARE(button->text(), QStringLiteral("&New Game"));
        QCOMPARE(spy->caption(), QStringLiteral("Send Message"));
    }

    void leavesOtherCaptionsAlone_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::newRow("empty") << "";
        QTest::newRow("words") << "Exit";
        QTest::newRow("number and words") << "100 blocks";
        QTest::newRow("beyond 16 bits") << "70000";
        QTest::newRow("no such string") << "15";
        QTest::newRow("negative") << "-100";
    }

    void leavesOtherCaptionsAlone()
    {
        QFETCH(QString, caption);
        QWidget window;
        auto* label = add(new Label(&window), "label");
        label->setText(caption);
        auto* after = add(new Label(&window), "after");
        after->setText(QStringLiteral("900"));
        LocalizeForm(&window);
        QCOMPARE(label->text(), caption);
        // A caption that fails does not stop the ones after it.
        QCOMPARE(after->text(), QStringLiteral("Exit (Esc)"));
    }

    void skipsPictureBoxesListsAndTimersWithoutAsking()
    {
        QWidget window;
        QList<CaptionSpy*> skipped;
        for (const char* kind : { "PictureBox", "ListBox", "Timer" })
            skipped << new CaptionSpy(QString::fromLatin1(kind), QStringLiteral("100"), &window);
        // The kind comparison is exact: another spelling is localised.
        auto* lowerCase
            = new CaptionSpy(QStringLiteral("picturebox"), QStringLiteral("100"), &window);
        auto* list = add(new QListWidget(&window), "list");
        list->addItem(QStringLiteral("100"));
        auto* timer = add(new ClockTimer(&window), "timer");

        LocalizeForm(&window);

        for (CaptionSpy* spy : skipped) {
            QCOMPARE(spy->reads, 0);
            QCOMPARE(spy->caption(), QStringLiteral("100"));
        }
        QCOMPARE(lowerCase->caption(), QStringLiteral("Completing Photo "));
        QCOMPARE(list->item(0)->text(), QStringLiteral("100"));
        QCOMPARE(controlKindName(list), QStringLiteral("ListBox"));
        QCOMPARE(controlKindName(timer), QStringLiteral("Timer"));
    }

    void walksControlsInDesignOrderAndRunsOnce()
    {
        QWidget window;
        auto* first = add(new QGroupBox(QStringLiteral("100"), &window), "first");
        auto* inner = add(new Label(first), "inner");
        inner->setText(QStringLiteral("300"));
        auto* second = add(new QPushButton(QStringLiteral("800"), &window), "second");
        const QList<QObject*> order = formControls(&window);
        QCOMPARE(order, QList<QObject*>({ first, inner, second }));

        LocalizeForm(&window);
        LocalizeForm(&window);
        QCOMPARE(first->title(), QStringLiteral("Completing Photo "));
        QCOMPARE(inner->text(), QStringLiteral("Photo Sample "));
        QCOMPARE(second->text(), QStringLiteral("&About"));
    }
};

QTEST_MAIN(TestLocalize)
#include "tst_localize.moc"
