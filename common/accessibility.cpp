#include "common/accessibility.h"

#include "common/accessibletext.h"
#include "common/controls.h"
#include "common/localize.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace tessel {

namespace {

const char boardCellProperty[] = "boardCell";

// A board cell: a button named after what it shows; pressing it is a click.
class BoardCellInterface : public QAccessibleWidget
{
public:
    explicit BoardCellInterface(QWidget* cell)
        : QAccessibleWidget(cell, QAccessible::Button)
    { }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << pressAction();
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            static_cast<PictureBox*>(widget())->click();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

// A drop-down list that answers to its name. Qt's own interface on Linux gives the current item
// as the name and leaves the label to a relation, so the drive list was called "/".
class NamedComboInterface : public QAccessibleWidget
{
public:
    explicit NamedComboInterface(QComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && !combo()->accessibleName().isEmpty())
            return combo()->accessibleName();
        if (t == QAccessible::Name || t == QAccessible::Value)
            return combo()->currentText();
        return QAccessibleWidget::text(t);
    }

    // The drop-down list is the one child, as in Qt's own interface.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == combo()->view() ? 0 : -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = combo()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList { showMenuAction(), pressAction() } << QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override
    {
        if (actionName != showMenuAction() && actionName != pressAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        if (combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* programInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("tessel::PictureBox")
        && object->property(boardCellProperty).toBool())
        return new BoardCellInterface(static_cast<QWidget*>(object));
    if (className == QLatin1String("QComboBox"))
        return new NamedComboInterface(static_cast<QComboBox*>(object));
    return nullptr;
}

void installInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(programInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void nameIfUnnamed(QWidget* control, const QString& caption)
{
    const QString name = plainCaption(caption);
    if (control->accessibleName().isEmpty() && !name.isEmpty())
        control->setAccessibleName(name);
}

} // namespace

void nameForScreenReaders(QWidget* window)
{
    installInterfaces();
    for (QObject* object : formControls(window)) {
        auto* control = qobject_cast<QWidget*>(object);
        if (!control)
            continue;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            nameIfUnnamed(label, label->text());
            if (label->buddy())
                nameIfUnnamed(label->buddy(), label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            nameIfUnnamed(button, button->text());
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            nameIfUnnamed(frame, frame->title());
        } else if (auto* around = qobject_cast<QGroupBox*>(control->parentWidget())) {
            // Qt would take the frame's caption as it stands, blanks and marks included.
            nameIfUnnamed(control, around->title());
        }
    }
}

void makeBoardCell(PictureBox* cell)
{
    installInterfaces();
    cell->setProperty(boardCellProperty, true);
}

} // namespace tessel
