// The best results window: for each board size the best time, the fewest moves and the games
// completed, read from the store on every opening, and a button that clears them after asking.
#pragma once

#include "store/settingsstore.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tessel {

// No Q_OBJECT: it declares no signals.
class RekorlarFormu : public QDialog
{
public:
    RekorlarFormu(QWidget* owner, SettingsStore& store);

    // The board's "Best results" and Ctrl+B: a new window, modal to the owner, deleted when it
    // closes; returns once it has.
    static void showModal(QWidget* owner, SettingsStore& store);

    // The results as stored now.
    void refresh();
    // Asks, and on Yes removes every stored result. A store that cannot be written keeps them.
    void TemizleDüğmesi_Click();

    // The value shown for an N x N board in column 0 (best time), 1 (fewest moves) or
    // 2 (games completed).
    QLabel* value(int gridSize, int column) const;

    // The grid of headings and values: a table to screen readers.
    QWidget* Tablo = nullptr;
    QPushButton* TemizleDüğmesi = nullptr;
    QPushButton* TamamDüğmesi = nullptr;

private:
    SettingsStore& m_store;
    QLabel* m_values[3][3] {};
};

} // namespace tessel
