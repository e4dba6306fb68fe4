// The few control kinds the window designs use beyond Qt's own: a picture box that keeps what
// is drawn into it, a label that sizes itself to its text, and the shared pointer and font.
#pragma once

#include "common/colors.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPixmap>

class QAbstractButton;
class QGroupBox;

namespace tessel {

// Gives a control its design name, the name tests and the localisation find it by.
template<class Control>
Control* named(Control* control, const QString& name)
{
    control->setObjectName(name);
    return control;
}

// A label's text in a design colour: the colour itself on a light ground, a lighter shade of it
// where the control's ground is dark (readableTextColor), chosen again whenever the palette
// changes.
void setTextColor(QWidget* control, const QColor& design);

// A frame's caption in a design colour, made readable as above; the controls inside keep the
// window's text colour.
void setCaptionColor(QGroupBox* box, const QColor& design);

// Return and Enter press the button while it has the focus, as Space does: the desktop's
// convention for a focused button, without making it a default button of its window.
void pressOnReturn(QAbstractButton* button);

// Places a control at a design rectangle given in twips.
void setTwipsGeometry(QWidget* control, double left, double top, double width, double height);

// The pointing hand of every clickable control (hot spot 13, 5).
const QCursor& handCursor();

// The design font, "MS Sans Serif" 8.25 pt, or the closest sans font the system has.
QFont designFont(bool bold = false);

// The application icon, drawn at every size and device-pixel ratio it is shown at.
QIcon applicationIcon();

// Tells the clicks among a control's mouse events: a left press and release over the control.
// The second press of a double click is no click, so its release ends none.
class ClickRecogniser
{
public:
    // Whether `event`, one of the control's events, ends a click within `area`.
    bool endsClick(const QEvent& event, const QRect& area);

private:
    bool m_doubleClickPress = false; // the left button went down as the second of a double click
};

class PictureBox : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QString Tag READ tag WRITE setTag)

public:
    enum class Border { None, Sunken };

    explicit PictureBox(QWidget* parent = nullptr, Border border = Border::Sunken);

    // The persistent picture, drawn at the top left of the interior; null for none.
    const QPixmap& picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);

    // What a click does, for the keyboard and screen readers.
    void click() { emit clicked(); }

    QColor backColor() const;
    void setBackColor(const QColor& color);
    // The back colour of the ground the box stands on, kept when the desktop's colours change.
    void useParentBackColor();

    const QString& tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }

    Border border() const { return m_border; }

    // Interior size in logical pixels and in device pixels (what pictures are cut to).
    QSize innerSize() const { return contentsRect().size(); }
    QSize innerDeviceSize() const;
    // Device pixels per logical pixel where the box is shown; pictures cut for it carry it.
    qreal deviceRatio() const;

signals:
    void clicked();
    void mouseMoved(QPoint position);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    QString m_tag;
    Border m_border;
    ClickRecogniser m_clicks;
};

// A label whose size follows its caption when it sizes itself; a right-aligned one keeps its
// right edge, a left-aligned one its left edge.
class Label : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setCaption)

public:
    explicit Label(QWidget* parent = nullptr, bool autoSize = true);

    void setCaption(const QString& caption);
    void fitToText();
    // The size QLabel::sizeHint() gives for the caption, found with one measure of the text
    // where the caption is one line of plain text; the clock asks every second.
    QSize textSizeHint() const;

    // Makes the label a display that screen readers read with its value: its accessible name
    // becomes string `nameId` and the caption ("Moves: 12"), kept up to date by setCaption.
    void setSpokenName(int nameId);

private:
    void nameForScreenReaders();

    bool m_autoSize;
    int m_spokenNameId = 0;
};

} // namespace tessel
