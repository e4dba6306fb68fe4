// The link label: one line of text that opens its address when clicked and tells its container
// when the mouse moves over it, so the container can highlight it.
#pragma once

#include "about/propertybag.h"
#include "common/colors.h"
#include "common/controls.h"

#include <QWidget>

namespace tessel {

class WebEtiketi : public QWidget
{
    Q_OBJECT
    // By this name the shared caption code reaches the link's text.
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

public:
    // New-instance values, which are also the defaults of the stored properties.
    static inline const QString defaultCaption = QStringLiteral("...");
    static constexpr quint32 defaultForeColor = buttonTextColor;
    static constexpr quint32 defaultPasifRenk = rgbValue(128, 64, 64);
    static constexpr quint32 defaultAktifRenk = rgbValue(0, 0, 255);
    static QString defaultUrl(); // the maker's web site

    explicit WebEtiketi(QWidget* parent = nullptr);

    Label* const Etiket; // the constituent label; the control wraps it with a 30-twip margin

    // Properties, in declaration order. Caption, FontUnderline, ForeColor and Font live in
    // Etiket. Every setter reports its property's stored name through propertyChanged.
    QString Caption() const;
    void setCaption(const QString& caption); // re-fits at once
    bool FontUnderline() const;
    void setFontUnderline(bool underline);
    quint32 ForeColor() const;
    void setForeColor(quint32 color);
    QFont Font() const;
    // Hides QWidget::setFont on purpose: the link's font is its label's. The label resizes at
    // once; the control follows at its next fit.
    void setFont(const QFont& font);
    quint32 PasifRenk() const { return m_PasifRenk; }
    void setPasifRenk(quint32 color);
    quint32 AktifRenk() const { return m_AktifRenk; }
    void setAktifRenk(quint32 color); // also colours the text at once
    QString Url() const { return m_Url; }
    void setUrl(const QString& url);
    bool RenkDeğiştir() const { return m_RenkDeğiştir; }
    void setRenkDeğiştir(bool changeColor);

    // The container's notifications: a new instance, and loading and saving its stored layout.
    // The container keeps the extents ("_extentx", "_extenty") beside these itself.
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // Opens the link's address, as a click on its text does: also Enter or Space while the
    // link has the focus (it is a Tab stop), and a screen reader's press.
    void follow();

signals:
    // MouseMove: the label's mouse moves, buttons (1, 2, 4) and keys (Shift 1, Ctrl 2, Alt 4)
    // held, position on the label in twips.
    void mouseMoved(int button, int shift, float x, float y);
    // The stored name of a property set through its setter.
    void propertyChanged(const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit();
    void applyForeColor(quint32 color);
    void takeLabelGround();
    void Etiket_Click();
    QFont ambientFont() const;

    // Members, in design order.
    quint32 m_AktifRenk = defaultAktifRenk;
    quint32 m_PasifRenk = defaultPasifRenk;
    bool m_RenkDeğiştir = false;
    QString m_Url;

    quint32 m_foreColor = defaultForeColor; // Etiket's text colour as the stored value
    ClickRecogniser m_clicks;
};

// The hover protocol, carried out by a container through the link's properties.
// The mouse is over the link: another colour, or an underline.
void showLinkHover(WebEtiketi& link);
// The mouse is over the container's background: no underline, the resting colour.
void showLinkResting(WebEtiketi& link);

} // namespace tessel
