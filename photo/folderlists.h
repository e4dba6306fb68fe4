// The folder list and the file list of the photo selection window, after the classic
// directory and file list boxes.
#pragma once

#include <QListWidget>
#include <QString>

namespace tessel {

// The folders of the current path from the root down (open folders, each indented one step
// more), then the current folder's subfolders (closed, one step further). The current folder
// is highlighted; a double click or Enter on an entry opens it.
class FolderList : public QListWidget
{
    Q_OBJECT

public:
    explicit FolderList(QWidget* parent = nullptr);

    // The folder shown; empty until the first setPath.
    const QString& path() const { return m_path; }

    // Shows the folder and re-reads its subfolders; changed() follows when the folder is another
    // than before. A folder that cannot be listed raises PathNotFound and leaves the list as it
    // was.
    void setPath(const QString& folder);

    // The full path of an entry; empty for a row that has none.
    QString entryPath(int row) const;

    // Opens the entry at row as a double click does; false when it could not be listed, and
    // openFailed() tells the window.
    bool openEntry(int row);

signals:
    void changed();
    void openFailed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_path;
};

// The picture files of one folder, sorted by name. A click on a file, or a move of the
// selection by the keyboard or the program, reports fileClicked().
class FileList : public QListWidget
{
    Q_OBJECT

public:
    explicit FileList(QWidget* parent = nullptr);

    // The folder listed; empty until the first setPath.
    const QString& path() const { return m_path; }

    // Lists the folder's picture files, none selected. A folder that cannot be listed raises
    // PathNotFound and leaves the list as it was.
    void setPath(const QString& folder);

    // The selected file's name; empty when none is selected.
    QString fileName() const;

signals:
    void fileClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    QString m_path;
    bool m_selectionChangedSincePress = false;
};

} // namespace tessel
