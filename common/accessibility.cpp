#include "common/accessibility.h"

#include "common/accessibletext.h"
#include "common/controls.h"
#include "common/localize.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace tessel {

namespace {

const char boardCellProperty[] = "boardCell";
const char mainWindowProperty[] = "accessibleMainWindow";
const char tableProperty[] = "accessibleTable";

// The control at a row and column of a grid, or null.
QWidget* gridWidget(const QGridLayout* grid, int row, int column)
{
    const QLayoutItem* item = grid ? grid->itemAtPosition(row, column) : nullptr;
    return item ? item->widget() : nullptr;
}

QGridLayout* gridOf(const QWidget* container)
{
    return container ? qobject_cast<QGridLayout*>(container->layout()) : nullptr;
}

// A grid of labels as a table: its first row the column headers, its first column the row
// headers. Nothing in it can be selected.
class TableInterface : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit TableInterface(QWidget* container)
        : QAccessibleWidget(container, QAccessible::Table)
    { }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    int columnCount() const override { return grid() ? grid()->columnCount() - 1 : 0; }
    int rowCount() const override { return grid() ? grid()->rowCount() - 1 : 0; }
    QString columnDescription(int column) const override { return textAt(0, column + 1); }
    QString rowDescription(int row) const override { return textAt(row + 1, 0); }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        QWidget* cell = gridWidget(grid(), row + 1, column + 1);
        return cell ? QAccessible::queryAccessibleInterface(cell) : nullptr;
    }

    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { }

private:
    QGridLayout* grid() const { return gridOf(widget()); }
    QString textAt(int row, int column) const
    {
        auto* label = qobject_cast<QLabel*>(gridWidget(grid(), row, column));
        return label ? label->text() : QString();
    }
};

// A label of such a grid: a column header, a row header, or a cell that knows its headers, so
// that a screen reader reads a value with its board size and its column's name.
class TableCellInterface : public QAccessibleWidget, public QAccessibleTableCellInterface
{
public:
    explicit TableCellInterface(QLabel* label)
        : QAccessibleWidget(label, QAccessible::Cell)
    { }

    // Asked each time: a label may be read (its text set) before the grid takes it.
    QAccessible::Role role() const override { return roleOf(static_cast<QLabel*>(widget())); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface && role() == QAccessible::Cell)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QAccessibleInterface* table() const override
    {
        return QAccessible::queryAccessibleInterface(widget()->parentWidget());
    }
    int rowIndex() const override { return position(widget()).first - 1; }
    int columnIndex() const override { return position(widget()).second - 1; }
    int rowExtent() const override { return 1; }
    int columnExtent() const override { return 1; }
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override
    {
        return headerAt(0, columnIndex() + 1);
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override
    {
        return headerAt(rowIndex() + 1, 0);
    }

private:
    // Row and column in the grid, headers included; (-1, -1) outside one.
    static std::pair<int, int> position(const QWidget* label)
    {
        const QGridLayout* grid = gridOf(label->parentWidget());
        const int index = grid ? grid->indexOf(label) : -1;
        if (index < 0)
            return { -1, -1 };
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(index, &row, &column, &rows, &columns);
        return { row, column };
    }

    static QAccessible::Role roleOf(const QLabel* label)
    {
        const auto [row, column] = position(label);
        if (row == 0)
            return QAccessible::ColumnHeader;
        if (column == 0)
            return QAccessible::RowHeader;
        return QAccessible::Cell;
    }

    QList<QAccessibleInterface*> headerAt(int row, int column) const
    {
        QWidget* header = gridWidget(gridOf(widget()->parentWidget()), row, column);
        if (!header)
            return {};
        return { QAccessible::queryAccessibleInterface(header) };
    }
};

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
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (widget->property(mainWindowProperty).toBool())
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (widget->property(tableProperty).toBool())
        return new TableInterface(widget);
    if (className == QLatin1String("QLabel") && widget->parentWidget()
        && widget->parentWidget()->property(tableProperty).toBool())
        return new TableCellInterface(static_cast<QLabel*>(widget));
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

void makeMainWindow(QWidget* window)
{
    installInterfaces();
    window->setProperty(mainWindowProperty, true);
}

void makeTable(QWidget* container)
{
    installInterfaces();
    container->setProperty(tableProperty, true);
}

} // namespace tessel
