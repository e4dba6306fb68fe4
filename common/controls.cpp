#include "common/controls.h"

#include "common/accessibletext.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "common/resourcestring.h"
#include "resources/appicon.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontInfo>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QWindow>

#include <utility>

namespace tessel {

namespace {
// The pointer art, compiled in: read from an array it costs no image reader, whose first use
// scans every image plug-in (a start-up cost). The icon is drawn in code for the same reason.
#include "resources/hand.xpm"
} // namespace

void setTwipsGeometry(QWidget* control, double left, double top, double width, double height)
{
    control->setGeometry(twipsToPixels(left, top, width, height));
}

const QCursor& handCursor()
{
    static const QCursor cursor(QPixmap(hand_xpm), 13, 5);
    return cursor;
}

namespace {

class ReturnPresses : public QObject
{
public:
    explicit ReturnPresses(QAbstractButton* button)
        : QObject(button)
        , m_button(button)
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_button || event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || modifiers != Qt::NoModifier)
            return false;
        // A held key presses once.
        if (!key->isAutoRepeat() && m_button->isEnabled())
            m_button->click();
        return true;
    }

private:
    QAbstractButton* m_button;
};

} // namespace

void pressOnReturn(QAbstractButton* button)
{
    new ReturnPresses(button);
}

namespace {

// Keeps a control's design colour readable on its ground: applied now and at every change of
// its palette (a change of the desktop's colours, or of the ground behind it).
class DesignTextColour : public QObject
{
public:
    DesignTextColour(QWidget* control, const QColor& design, bool captionOnly)
        : QObject(control)
        , m_control(control)
        , m_design(design)
        , m_captionOnly(captionOnly)
    {
        control->installEventFilter(this);
        apply();
    }

    static DesignTextColour* of(QWidget* control)
    {
        // No Q_OBJECT of its own, so not findChild: that would take any QObject.
        for (QObject* child : control->children())
            if (auto* keeper = dynamic_cast<DesignTextColour*>(child))
                return keeper;
        return nullptr;
    }

    void setDesign(const QColor& design, bool captionOnly)
    {
        m_design = design;
        m_captionOnly = captionOnly;
        apply();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_control && event->type() == QEvent::PaletteChange)
            apply();
        return false;
    }

private:
    static void setWindowText(QWidget* widget, const QColor& colour)
    {
        // Only a real change: setting the palette raises the next PaletteChange.
        if (widget->palette().color(QPalette::WindowText) == colour)
            return;
        QPalette pal = widget->palette();
        pal.setColor(QPalette::WindowText, colour);
        widget->setPalette(pal);
    }

    void apply()
    {
        const QColor ground = m_control->palette().color(QPalette::Window);
        setWindowText(m_control, readableTextColor(m_design, ground));
        if (!m_captionOnly)
            return;
        const QPalette outside
            = m_control->parentWidget() ? m_control->parentWidget()->palette() : QPalette();
        for (QWidget* child :
             m_control->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            setWindowText(child, outside.color(QPalette::WindowText));
    }

    QWidget* m_control;
    QColor m_design;
    bool m_captionOnly;
};

void keepTextColour(QWidget* control, const QColor& design, bool captionOnly)
{
    if (DesignTextColour* keeper = DesignTextColour::of(control))
        keeper->setDesign(design, captionOnly);
    else
        new DesignTextColour(control, design, captionOnly);
}

} // namespace

void setTextColor(QWidget* control, const QColor& design)
{
    keepTextColour(control, design, false);
}

void setCaptionColor(QGroupBox* box, const QColor& design)
{
    keepTextColour(box, design, true);
}

QFont designFont(bool bold)
{
    static const bool substituted = [] {
        // Metric-compatible stand-ins first, so the designed captions keep their room.
        QFont::insertSubstitutions(
            QStringLiteral("MS Sans Serif"),
            { QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"),
              QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
              QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans") });
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

QIcon applicationIcon()
{
    return appIcon();
}

PictureBox::PictureBox(QWidget* parent, Border border)
    : QFrame(parent)
    , m_border(border)
{
    if (border == Border::Sunken)
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(border == Border::Sunken ? 2 : 0);
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

QColor PictureBox::backColor() const
{
    return palette().color(QPalette::Window);
}

void PictureBox::setBackColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

void PictureBox::useParentBackColor()
{
    // A palette without roles of its own inherits every colour.
    setPalette(QPalette());
}

qreal PictureBox::deviceRatio() const
{
    return window()->windowHandle() ? window()->windowHandle()->devicePixelRatio()
                                    : devicePixelRatioF();
}

QSize PictureBox::innerDeviceSize() const
{
    const qreal ratio = deviceRatio();
    const QSize inner = innerSize();
    return QSize(qRound(inner.width() * ratio), qRound(inner.height() * ratio));
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawPixmap(contentsRect().topLeft(), m_picture);
}

bool ClickRecogniser::endsClick(const QEvent& event, const QRect& area)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto& mouse = static_cast<const QMouseEvent&>(event);
        if (mouse.button() == Qt::LeftButton)
            m_doubleClickPress = event.type() == QEvent::MouseButtonDblClick;
        return false;
    }
    case QEvent::MouseButtonRelease: {
        const auto& mouse = static_cast<const QMouseEvent&>(event);
        if (mouse.button() != Qt::LeftButton)
            return false;
        const bool secondOfDouble = std::exchange(m_doubleClickPress, false);
        return !secondOfDouble && area.contains(mouse.position().toPoint());
    }
    default:
        return false;
    }
}

bool PictureBox::event(QEvent* event)
{
    // A click is a press and a release over the box, as on a button.
    if (m_clicks.endsClick(*event, rect()))
        emit clicked();
    return QFrame::event(event);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->position().toPoint());
    QFrame::mouseMoveEvent(event);
}

Label::Label(QWidget* parent, bool autoSize)
    : QLabel(parent)
    , m_autoSize(autoSize)
{ }

void Label::setCaption(const QString& caption)
{
    setText(caption);
    fitToText();
    nameForScreenReaders();
}

void Label::setSpokenName(int nameId)
{
    m_spokenNameId = nameId;
    nameForScreenReaders();
}

void Label::nameForScreenReaders()
{
    if (m_spokenNameId == 0)
        return;
    QString name;
    ignoreErrors([&] {
        name = text().isEmpty() ? plainCaption(ResourceString(m_spokenNameId))
                                : namedValue(m_spokenNameId, text());
    });
    // Set only when it changes: each setting tells screen readers the name changed.
    if (name != accessibleName())
        setAccessibleName(name);
}

QSize Label::textSizeHint() const
{
    // QLabel measures its text three times over for the hint (the widths it could take);
    // one line of plain text has one size whatever the width.
    const bool oneLine = !wordWrap() && !text().isEmpty() && !text().contains(u'\n');
    const bool plain = textFormat() == Qt::PlainText
        || (textFormat() == Qt::AutoText && !Qt::mightBeRichText(text()));
    if (!oneLine || !plain || buddy() || frameWidth() != 0 || indent() > 0 || margin() != 0
        || !pixmap().isNull())
        return sizeHint();
    // As QLabel lays the text out: its alignment less the centring, in the widest box it tries.
    const Qt::LayoutDirection direction
        = text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const int flags
        = QStyle::visualAlignment(direction, alignment()) & ~(Qt::AlignVCenter | Qt::AlignHCenter);
    const QMargins margins = contentsMargins();
    const QRect box = fontMetrics().boundingRect(0, 0, 2000 - margins.left() - margins.right(),
                                                 2000, int(flags), text());
    return (box.size() + QSize(margins.left() + margins.right(), margins.top() + margins.bottom()))
        .expandedTo(minimumSize());
}

void Label::fitToText()
{
    if (!m_autoSize)
        return;
    const QRect before = geometry();
    const QSize wanted = textSizeHint();
    QRect after(before.topLeft(), wanted);
    if (alignment() & Qt::AlignRight)
        after.moveRight(before.right());
    setGeometry(after);
}

} // namespace tessel
