#include "photo/folderlists.h"

#include "common/errors.h"
#include "photo/photofolders.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace tessel {

namespace {

constexpr int pathRole = Qt::UserRole;
constexpr int levelRole = Qt::UserRole + 1;
constexpr int indentPerLevel = 8; // logical pixels

// Draws each entry moved right by its level, so the folders read as a path going down.
class IndentingDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(option.rect.left() + indent(index));
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(index), 0);
    }

private:
    static int indent(const QModelIndex& index)
    {
        return index.data(levelRole).toInt() * indentPerLevel;
    }
};

// A yellow folder, its front flap lowered when it is open: the folders on the way down to the
// current one are open, its subfolders closed.
QIcon folderIcon(bool open)
{
    QIcon icon;
    for (int size : { 16, 32 }) {
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        painter.setPen(QPen(QColor(150, 110, 20), 1));
        QPainterPath back;
        back.moveTo(1.5, 2.5);
        back.lineTo(6, 2.5);
        back.lineTo(7.5, 4.5);
        back.lineTo(14.5, 4.5);
        back.lineTo(14.5, 13.5);
        back.lineTo(1.5, 13.5);
        back.closeSubpath();
        painter.setBrush(QColor(222, 172, 52));
        painter.drawPath(back);
        painter.setBrush(QColor(250, 214, 110));
        if (open) {
            const QPointF flap[] = { { 4, 7.5 }, { 15.5, 7.5 }, { 13, 13.5 }, { 1.5, 13.5 } };
            painter.drawPolygon(flap, 4);
        } else {
            painter.drawRect(QRectF(1.5, 6.5, 13, 7));
        }
        painter.end();
        icon.addPixmap(picture);
    }
    return icon;
}

QString entryName(const QString& folder)
{
    if (QDir(folder).isRoot())
        return QDir::toNativeSeparators(folder);
    return QFileInfo(folder).fileName();
}

} // namespace

FolderList::FolderList(QWidget* parent)
    : QListWidget(parent)
{
    setItemDelegate(new IndentingDelegate(this));
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { openEntry(row(item)); });
}

void FolderList::setPath(const QString& folder)
{
    const QString clean = cleanFolderPath(folder);
    const QStringList subfolders = listSubfolders(clean); // raises before anything changes
    const QStringList chain = folderChain(clean);

    {
        const QSignalBlocker quiet(this);
        clear();
        static const QIcon open = folderIcon(true);
        static const QIcon closed = folderIcon(false);
        auto add = [this](const QIcon& icon, const QString& text, const QString& path, int level) {
            auto* item = new QListWidgetItem(icon, text, this);
            item->setData(pathRole, path);
            item->setData(levelRole, level);
        };
        for (qsizetype level = 0; level < chain.size(); ++level)
            add(open, entryName(chain[level]), chain[level], int(level));
        for (const QString& name : subfolders)
            add(closed, name, joinFolderFile(clean, name), int(chain.size()));
        setCurrentRow(int(chain.size()) - 1);
    }
    scrollToItem(currentItem());

    const bool moved = clean != m_path;
    m_path = clean;
    if (moved)
        emit changed();
}

QString FolderList::entryPath(int row) const
{
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(pathRole).toString() : QString();
}

bool FolderList::openEntry(int row)
{
    const QString folder = entryPath(row);
    if (folder.isEmpty())
        return false;
    if (ignoreErrors([&] { setPath(folder); }))
        return true;
    emit openFailed();
    return false;
}

void FolderList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openEntry(currentRow());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

FileList::FileList(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Every row is one line of text: the view need not measure a hundred thousand of them.
    setUniformItemSizes(true);
    // The selection, not the current row: a press makes the row current before selecting it.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        m_selectionChangedSincePress = true;
        if (!selectedItems().isEmpty())
            emit fileClicked();
    });
    // A click on the file already selected counts as well, as a click does on the classic list.
    connect(this, &QListWidget::itemClicked, this, [this] {
        if (!m_selectionChangedSincePress)
            emit fileClicked();
    });
}

void FileList::setPath(const QString& folder)
{
    const QString clean = cleanFolderPath(folder);
    const QStringList files = listPictureFiles(clean); // raises before anything changes
    {
        const QSignalBlocker quiet(this);
        clear();
        addItems(files);
    }
    m_path = clean;
}

QString FileList::fileName() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void FileList::mousePressEvent(QMouseEvent* event)
{
    m_selectionChangedSincePress = false;
    QListWidget::mousePressEvent(event);
}

void FileList::focusInEvent(QFocusEvent* event)
{
    // Qt makes the first file current when the list gets the focus; that is no click, and the
    // first arrow key should select the first file rather than the second.
    const bool hadCurrent = currentIndex().isValid();
    {
        const QSignalBlocker quiet(this);
        QListWidget::focusInEvent(event);
        if (!hadCurrent && event->reason() != Qt::MouseFocusReason)
            selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

QModelIndex FileList::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // With no file current every key would go to the first one; End goes to the last.
    if (action == MoveEnd && !currentIndex().isValid() && count() > 0)
        return indexFromItem(item(count() - 1));
    return QListWidget::moveCursor(action, modifiers);
}

} // namespace tessel
