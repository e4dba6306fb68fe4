// The frame round the board: the board's one focus stop, where the arrow keys slide blocks.
#pragma once

#include "board/boardrules.h"

#include <QGroupBox>

namespace tessel {

// A frame that takes the focus (by Tab and by a click on a cell), shows it by a frame round the
// cells, and turns the arrow keys and Space into signals: the game window decides what they do.
class BoardFrame : public QGroupBox
{
    Q_OBJECT

public:
    explicit BoardFrame(const QString& title, QWidget* parent = nullptr);

    // Where the focus frame is drawn: round the cells shown, a few pixels out.
    QRect focusFrameRect() const;

signals:
    void arrowPressed(tessel::Arrow arrow);
    void spacePressed();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void childEvent(QChildEvent* event) override;
};

} // namespace tessel
