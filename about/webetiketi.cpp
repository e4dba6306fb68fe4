#include "about/webetiketi.h"

#include "about/linkrules.h"
#include "common/accessibletext.h"
#include "common/numbers.h"
#include "common/urlopener.h"
#include "version.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace tessel {

namespace {

// A link to screen readers: named after its caption; pressing it follows it.
class LinkInterface : public QAccessibleWidget
{
public:
    explicit LinkInterface(WebEtiketi* link)
        : QAccessibleWidget(link, QAccessible::Link)
    { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return plainCaption(link()->Caption());
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << pressAction();
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            link()->follow();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    WebEtiketi* link() const { return static_cast<WebEtiketi*>(widget()); }
};

QAccessibleInterface* linkInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("tessel::WebEtiketi"))
        return new LinkInterface(static_cast<WebEtiketi*>(object));
    return nullptr;
}

} // namespace

QString WebEtiketi::defaultUrl()
{
    return QString::fromUtf8(version::siteUrl);
}

WebEtiketi::WebEtiketi(QWidget* parent)
    : QWidget(parent)
    , Etiket(new Label(this))
    , m_Url(defaultUrl())
{
    static const bool interfaceInstalled = [] {
        QAccessible::installFactory(linkInterface);
        return true;
    }();
    Q_UNUSED(interfaceInstalled);
    Etiket->setObjectName(QStringLiteral("Etiket"));
    Etiket->setCaption(defaultCaption);
    // Opaque, on the platform's usual label ground, whatever the container's colour.
    takeLabelGround();
    Etiket->setAutoFillBackground(true);
    setFocusPolicy(Qt::TabFocus);
    applyForeColor(defaultForeColor);
    Etiket->setCursor(handCursor());
    // Moves without a button reach the label only when it tracks them.
    Etiket->setMouseTracking(true);
    Etiket->installEventFilter(this);
    const QRect initial = twipsToPixels(0, 0, 495, 555);
    resize(initial.size());
}

QString WebEtiketi::Caption() const
{
    return Etiket->text();
}

void WebEtiketi::setCaption(const QString& caption)
{
    Etiket->setCaption(caption);
    fit();
    emit propertyChanged(QStringLiteral("Caption"));
}

bool WebEtiketi::FontUnderline() const
{
    return Etiket->font().underline();
}

void WebEtiketi::setFontUnderline(bool underline)
{
    QFont font = Etiket->font();
    font.setUnderline(underline);
    Etiket->setFont(font);
    Etiket->fitToText();
    emit propertyChanged(QStringLiteral("FontUnderline"));
}

quint32 WebEtiketi::ForeColor() const
{
    return m_foreColor;
}

void WebEtiketi::setForeColor(quint32 color)
{
    applyForeColor(color);
    emit propertyChanged(QStringLiteral("ForeColor"));
}

QFont WebEtiketi::Font() const
{
    return Etiket->font();
}

void WebEtiketi::setFont(const QFont& font)
{
    Etiket->setFont(font);
    Etiket->fitToText();
    emit propertyChanged(QStringLiteral("Font"));
}

void WebEtiketi::setPasifRenk(quint32 color)
{
    m_PasifRenk = color;
    emit propertyChanged(QStringLiteral("PasifRenk"));
}

void WebEtiketi::setAktifRenk(quint32 color)
{
    m_AktifRenk = color;
    applyForeColor(color);
    emit propertyChanged(QStringLiteral("AktifRenk"));
}

void WebEtiketi::setUrl(const QString& url)
{
    m_Url = url;
    emit propertyChanged(QStringLiteral("Url"));
}

void WebEtiketi::setRenkDeğiştir(bool changeColor)
{
    m_RenkDeğiştir = changeColor;
    emit propertyChanged(QString::fromUtf8("RenkDeğiştir"));
}

void WebEtiketi::InitProperties()
{
    m_AktifRenk = defaultAktifRenk;
    m_PasifRenk = defaultPasifRenk;
    m_RenkDeğiştir = false;
    m_Url = defaultUrl();
}

void WebEtiketi::ReadProperties(const PropertyBag& bag)
{
    // The font first, so that a stored underline flag wins over the font's own.
    Etiket->setFont(storedFont(bag.ReadProperty(QStringLiteral("Font"), ambientFont())));
    Etiket->setCaption(storedString(bag.ReadProperty(QStringLiteral("Caption"), defaultCaption)));
    QFont font = Etiket->font();
    font.setUnderline(storedBool(bag.ReadProperty(QStringLiteral("FontUnderline"), false)));
    Etiket->setFont(font);
    Etiket->fitToText();
    applyForeColor(
        storedColor(bag.ReadProperty(QStringLiteral("ForeColor"), QVariant(defaultForeColor))));
    // The resting colour is only remembered: the text keeps ForeColor until a container
    // applies the resting colour.
    m_AktifRenk
        = storedColor(bag.ReadProperty(QStringLiteral("AktifRenk"), QVariant(defaultAktifRenk)));
    m_PasifRenk
        = storedColor(bag.ReadProperty(QStringLiteral("PasifRenk"), QVariant(defaultPasifRenk)));
    m_RenkDeğiştir = storedBool(bag.ReadProperty(QString::fromUtf8("RenkDeğiştir"), false));
    m_Url = storedString(bag.ReadProperty(QStringLiteral("Url"), defaultUrl()));
}

void WebEtiketi::WriteProperties(PropertyBag& bag) const
{
    bag.WriteProperty(QStringLiteral("Caption"), Caption(), defaultCaption);
    bag.WriteProperty(QStringLiteral("FontUnderline"), FontUnderline(), false);
    bag.WriteProperty(QStringLiteral("ForeColor"), QVariant(ForeColor()),
                      QVariant(defaultForeColor));
    bag.WriteProperty(QStringLiteral("Font"), Font(), ambientFont());
    bag.WriteProperty(QStringLiteral("AktifRenk"), QVariant(m_AktifRenk),
                      QVariant(defaultAktifRenk));
    bag.WriteProperty(QStringLiteral("PasifRenk"), QVariant(m_PasifRenk),
                      QVariant(defaultPasifRenk));
    bag.WriteProperty(QString::fromUtf8("RenkDeğiştir"), m_RenkDeğiştir, false);
    bag.WriteProperty(QStringLiteral("Url"), m_Url, defaultUrl());
}

void WebEtiketi::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fit();
}

void WebEtiketi::changeEvent(QEvent* event)
{
    // A system colour follows the palette it is taken from, and every colour the ground.
    if (event->type() == QEvent::PaletteChange) {
        takeLabelGround();
        applyForeColor(m_foreColor);
    }
    QWidget::changeEvent(event);
}

void WebEtiketi::takeLabelGround()
{
    const QColor ground = QApplication::palette().color(QPalette::Window);
    if (Etiket->palette().color(QPalette::Window) == ground)
        return;
    QPalette pal = Etiket->palette();
    pal.setColor(QPalette::Window, ground);
    Etiket->setPalette(pal);
}

void WebEtiketi::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        follow();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void WebEtiketi::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!hasFocus())
        return;
    // In the margin round the text, which is there for it.
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void WebEtiketi::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void WebEtiketi::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

bool WebEtiketi::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Etiket) {
        if (event->type() == QEvent::MouseMove) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            emit mouseMoved(mouseButtonMask(mouse->buttons()), shiftMask(mouse->modifiers()),
                            float(mouse->position().x() * twipsPerPixel),
                            float(mouse->position().y() * twipsPerPixel));
        } else if (m_clicks.endsClick(*event, Etiket->rect())) {
            // A click is a press and a release on the label; the margin does not react.
            Etiket_Click();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void WebEtiketi::fit()
{
    // Setting the size raises one more resize, which finds the size right and stops.
    const LinkFit fitted = fitLinkToLabel(Etiket->size());
    Etiket->move(fitted.labelPosition);
    resize(fitted.controlSize);
}

void WebEtiketi::applyForeColor(quint32 color)
{
    // On a dark ground a dark colour gives way to a lighter shade of it; the stored value stays.
    const QColor shown = readableTextColor(colorFromStored(color, palette()),
                                           Etiket->palette().color(QPalette::Window));
    m_foreColor = color;
    if (Etiket->palette().color(QPalette::WindowText) == shown)
        return;
    QPalette pal = Etiket->palette();
    pal.setColor(QPalette::WindowText, shown);
    Etiket->setPalette(pal);
}

void WebEtiketi::Etiket_Click()
{
    follow();
}

void WebEtiketi::follow()
{
    openUrl(m_Url);
}

QFont WebEtiketi::ambientFont() const
{
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

void showLinkHover(WebEtiketi& link)
{
    if (link.RenkDeğiştir())
        link.setForeColor(link.PasifRenk());
    else
        link.setFontUnderline(true);
}

void showLinkResting(WebEtiketi& link)
{
    link.setFontUnderline(false);
    link.setForeColor(link.AktifRenk());
}

} // namespace tessel
