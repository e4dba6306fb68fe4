#include "about/hakkindaformu.h"
#include "common/shared.h"
#include "game/anaform.h"
#include "game/boardframe.h"
#include "photo/fotografsecformu.h"
#include "support/testsupport.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace tessel;
using namespace tessel::test;

namespace {

QAccessibleInterface* accessible(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    if (!iface)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return iface;
}

QString nameOf(QObject* object)
{
    return accessible(object)->text(QAccessible::Name);
}

// Every interface below `root`, depth first, hidden ones left out.
QList<QAccessibleInterface*> tree(QAccessibleInterface* root)
{
    QList<QAccessibleInterface*> all;
    if (root->state().invisible)
        return all;
    all << root;
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface* child = root->child(i))
            all << tree(child);
    }
    return all;
}

bool interactive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::List:
    case QAccessible::Link:
        return true;
    default:
        return false;
    }
}

// The widgets the Tab key visits in the active window: more presses than a window has controls.
QSet<QWidget*> tabStops()
{
    QSet<QWidget*> reached;
    for (int i = 0; i < 30; ++i) {
        if (QWidget* now = QApplication::focusWidget())
            reached << now;
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Tab);
    }
    return reached;
}

// Every interactive control of the window's accessibility tree can be reached by Tab: a board
// cell through its board, an option through the option of its group the Tab key stops at.
void checkTabReachesEveryControl(QWidget* window)
{
    const QSet<QWidget*> stops = tabStops();
    for (QAccessibleInterface* iface : tree(accessible(window))) {
        if (!interactive(iface->role()) || !iface->object()->isWidgetType())
            continue;
        auto* widget = static_cast<QWidget*>(iface->object());
        if (!widget->isVisible() || !widget->isEnabled())
            continue;
        QWidget* stop = widget;
        if (widget->property("boardCell").toBool())
            stop = widget->parentWidget();
        bool reached = stops.contains(stop);
        if (qobject_cast<QRadioButton*>(widget)) {
            for (QRadioButton* option : widget->parentWidget()->findChildren<QRadioButton*>(
                     QString(), Qt::FindDirectChildrenOnly))
                reached = reached || stops.contains(option);
        }
        QVERIFY2(reached,
                 qPrintable(QStringLiteral("%1 \"%2\" is no Tab stop")
                                .arg(widget->objectName(), iface->text(QAccessible::Name))));
    }
}

// Names say what a control shows, without access-key marks or blanks round them.
void checkNamesAreClean(QWidget* window)
{
    for (QAccessibleInterface* iface : tree(accessible(window))) {
        const QString name = iface->text(QAccessible::Name);
        const QString what = iface->object() ? iface->object()->objectName() : QString();
        QVERIFY2(!name.contains(u'&'), qPrintable(name));
        QVERIFY2(name == name.trimmed(), qPrintable(QStringLiteral("\"%1\" %2").arg(name, what)));
        if (interactive(iface->role()))
            QVERIFY2(!name.isEmpty(), qPrintable(what));
    }
}

} // namespace

class TestAccessibility : public GameWindowTest
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A folder with a picture for the photo selection window to list.
        QDir(m_dir.path()).mkdir(QStringLiteral("photos"));
        shared().AppFolder = m_dir.filePath(QStringLiteral("photos")) + u'/';
        QVERIFY(testPhoto().save(shared().AppFolder + QStringLiteral("beach.jpg")));
        m_store = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("Tessel.ini")));
    }

    void cleanup() { closeForm(); }

    void theGameWindowReadsAsItShows()
    {
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        arrangeBoard(form, QStringLiteral("0 1 2/3 . 4/6 7 5"));

        QAccessibleInterface* board = accessible(form.board());
        QCOMPARE(board->role(), QAccessible::Grouping);
        QCOMPARE(board->text(QAccessible::Name), QStringLiteral("Completing Photo"));
        QVERIFY(board->state().focusable);
        QCOMPARE(form.board()->toolTip(), board->text(QAccessible::Description));
        QVERIFY(form.board()->toolTip().contains(QStringLiteral("Arrow keys")));
        QVERIFY(form.board()->toolTip().contains(QStringLiteral("Space")));

        const QStringList names { "Block 1, row 1, column 1",
                                  "Block 2, row 1, column 2",
                                  "Block 3, row 1, column 3",
                                  "Block 4, row 2, column 1",
                                  "Empty cell",
                                  "Block 5, row 2, column 3",
                                  "Block 7, row 3, column 1",
                                  "Block 8, row 3, column 2",
                                  "Block 6, row 3, column 3" };
        for (int c = 0; c < 9; ++c) {
            QAccessibleInterface* cell = accessible(form.DağınıkParçalar[c]);
            QCOMPARE(cell->role(), QAccessible::Button);
            QCOMPARE(cell->text(QAccessible::Name), names[c]);
            QCOMPARE(cell->parent()->object(), form.board());
        }

        QCOMPARE(nameOf(form.timeDisplay()), QStringLiteral("Time: 00:00:00"));
        QCOMPARE(nameOf(form.moveCountDisplay()), QStringLiteral("Moves: 0"));
        QCOMPARE(nameOf(form.timeCaption()), QStringLiteral("Remaining Time :"));
        QCOMPARE(nameOf(form.ParçalaraBölSeçeneği[2]), QStringLiteral("5 x 5 Blocks"));
        QCOMPARE(nameOf(form.FotoğrafınÖrneğiniGöster), QStringLiteral("Show photo sample"));
        QCOMPARE(nameOf(form.SesleriKapatOnayı), QStringLiteral("Sound off"));
        QCOMPARE(nameOf(form.YeniFotoğrafDüğmesi), QStringLiteral("New Photo..."));
        QCOMPARE(nameOf(form.Çerçeve[3]), QStringLiteral("Game Information"));
        QCOMPARE(nameOf(form.ÖrnekKutusu), QStringLiteral("Photo Sample"));
        checkNamesAreClean(&form);
        form.board()->setFocus();
        checkTabReachesEveryControl(&form);
    }

    void aMoveAndTheCompletionTellScreenReaders()
    {
        // Qt tells screen readers of every change of a name or description; headless there is
        // no reader to listen, so the names and descriptions themselves are checked.
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        form.ParçalaraBölSeçeneği[0]->setChecked(true);
        form.board()->setFocus();
        QTest::keyClick(form.board(), Qt::Key_Space);
        QCOMPARE(form.board()->accessibleDescription(), QStringLiteral("A new game is dealt."));
        for (int c = 0; c < 9; ++c) {
            const QString tag = form.DağınıkParçalar[c]->tag();
            QCOMPARE(nameOf(form.DağınıkParçalar[c]),
                     c == 8 ? QStringLiteral("Empty cell")
                            : QStringLiteral("Block %1, row %2, column %3")
                                  .arg(tag.toInt() + 1)
                                  .arg(c / 3 + 1)
                                  .arg(c % 3 + 1));
        }

        arrangeBoard(form, QStringLiteral("0 1 2/3 4 5/6 . 7"));
        // Right slides the block left of the empty cell (block 7, in cell 6) into it.
        QTest::keyClick(form.board(), Qt::Key_Right);
        QCOMPARE(boardText(form), QStringLiteral("0 1 2/3 4 5/. 6 7"));
        QCOMPARE(nameOf(form.DağınıkParçalar[7]), QStringLiteral("Block 7, row 3, column 2"));
        QCOMPARE(nameOf(form.DağınıkParçalar[6]), QStringLiteral("Empty cell"));
        QCOMPARE(nameOf(form.moveCountDisplay()), QStringLiteral("Moves: 1"));
        QCOMPARE(accessible(form.board())->text(QAccessible::Description),
                 QStringLiteral("Block 7 moved to row 3, column 2."));

        // A screen reader's press on a cell is a click: the block back, then the last one home.
        QAccessibleInterface* cell = accessible(form.DağınıkParçalar[7]);
        QVERIFY(cell->actionInterface());
        QVERIFY(cell->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
        QCOMPARE(boardText(form), QStringLiteral("0 1 2/3 4 5/6 . 7"));
        QCOMPARE(accessible(form.board())->text(QAccessible::Description),
                 QStringLiteral("Block 7 moved to row 3, column 1."));
        accessible(form.DağınıkParçalar[8])
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(accessible(form.board())->text(QAccessible::Description),
                 QStringLiteral("Congratulations! You have completed the photo!"));
        QCOMPARE(nameOf(form.DağınıkParçalar[8]), QStringLiteral("Block 9, row 3, column 3"));
        QCOMPARE(nameOf(form.moveCountDisplay()), QStringLiteral("Moves: 0"));
        QCOMPARE(nameOf(form.timeDisplay()), QStringLiteral("Time: 00:00:00"));
    }

    void thePhotoWindowNamesItsListsAndDriveBox()
    {
        AnaForm& form = openForm();
        QPointer<FotoğrafSeçFormu> photos
            = new FotoğrafSeçFormu(form, [] { return QStringList { QStringLiteral("/") }; });
        showActive(photos);
        QCOMPARE(accessible(photos->SürücüListesi)->role(), QAccessible::ComboBox);
        QCOMPARE(nameOf(photos->SürücüListesi), QStringLiteral("Driver(s)"));
        QCOMPARE(accessible(photos->KlasörListesi)->role(), QAccessible::List);
        QCOMPARE(nameOf(photos->KlasörListesi), QStringLiteral("Directory(s)"));
        QCOMPARE(nameOf(photos->DosyaListesi), QStringLiteral("Photos (*.bmp, *.jpg)"));
        QCOMPARE(nameOf(photos->ÖnizlemeKutusu), QStringLiteral("Preview"));
        QCOMPARE(nameOf(photos->TamamDüğmesi), QStringLiteral("OK"));
        QCOMPARE(nameOf(photos->Etiket[0]), QStringLiteral("Driver(s)"));
        checkNamesAreClean(photos);
        photos->SürücüListesi->setFocus();
        checkTabReachesEveryControl(photos);
        photos->close();
    }

    void theAboutWindowsLinksAreNamedTabStops()
    {
        UrlOpenerSpy urls;
        AnaForm& form = openForm();
        QPointer<HakkındaFormu> about = new HakkındaFormu(&form);
        showActive(about);
        QCOMPARE(QApplication::focusWidget(), about->TamamDüğmesi); // Enter closes it

        for (WebEtiketi* link :
             { about->VelkorEtiketi, about->MesajGönderEtiketi, about->EPostaGönderEtiketi }) {
            QCOMPARE(accessible(link)->role(), QAccessible::Link);
            QCOMPARE(nameOf(link), link->Caption());
        }
        QCOMPARE(nameOf(about->MesajGönderEtiketi), QStringLiteral("Send Message"));
        QCOMPARE(nameOf(about->EPostaGönderEtiketi), QStringLiteral("Send E-Mail"));
        checkNamesAreClean(about);
        about->TamamDüğmesi->setFocus();
        checkTabReachesEveryControl(about);

        // Enter on a focused link, and a screen reader's press, follow it.
        about->MesajGönderEtiketi->setFocus();
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
        accessible(about->EPostaGönderEtiketi)
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(
            urls.opened(),
            (QStringList { about->MesajGönderEtiketi->Url(), about->EPostaGönderEtiketi->Url() }));
        about->close();
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
