// The keys and help window: every key of the game window with what it does, then what the hint
// and the best results are. Screen readers meet its texts in the order they are shown.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tessel {

// No Q_OBJECT: moc cannot take the Turkish class name, and the window declares no signals.
class YardımFormu : public QDialog
{
public:
    explicit YardımFormu(QWidget* owner);

    // F1 and "Keys and help": a new window, modal to the owner and centred on it, deleted when
    // it closes; returns once it has. Esc closes it.
    static void showModal(QWidget* owner);

    // The texts in reading order, as shown.
    QStringList texts() const;

    QPushButton* TamamDüğmesi = nullptr;

private:
    QLabel* addLabel(const QString& text, bool bold = false);

    QList<QLabel*> m_labels; // in reading order
};

} // namespace tessel
