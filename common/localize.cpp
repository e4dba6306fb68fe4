#include "common/localize.h"

#include "common/controls.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "common/resourcestring.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace tessel {

QString controlKindName(const QObject* control)
{
    const QVariant kind = control->property("controlKind");
    if (kind.isValid())
        return kind.toString();
    if (qobject_cast<const PictureBox*>(control))
        return QStringLiteral("PictureBox");
    if (qobject_cast<const QAbstractItemView*>(control))
        return QStringLiteral("ListBox");
    if (qobject_cast<const QLabel*>(control))
        return QStringLiteral("Label");
    if (qobject_cast<const QGroupBox*>(control))
        return QStringLiteral("Frame");
    if (qobject_cast<const QCheckBox*>(control))
        return QStringLiteral("CheckBox");
    if (qobject_cast<const QRadioButton*>(control))
        return QStringLiteral("OptionButton");
    if (qobject_cast<const QPushButton*>(control))
        return QStringLiteral("CommandButton");
    if (qobject_cast<const QComboBox*>(control))
        return QStringLiteral("ComboBox");
    return QString::fromLatin1(control->metaObject()->className());
}

namespace {

bool isContainer(const QObject* control)
{
    return qobject_cast<const QGroupBox*>(control) || qobject_cast<const PictureBox*>(control);
}

void collect(QObject* parent, QList<QObject*>& out)
{
    for (QObject* child : parent->children()) {
        // Only named objects are controls of a design; Qt's own helpers are not.
        if (child->objectName().isEmpty() || child->isWindowType())
            continue;
        if (child->isWidgetType() && static_cast<QWidget*>(child)->isWindow())
            continue;
        out.append(child);
        if (isContainer(child))
            collect(child, out);
    }
}

QString captionOf(QObject* control)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(control))
        return frame->title();
    const QVariant caption = control->property("Caption");
    if (!caption.isValid())
        throw TesselError(ErrorCode::InvalidCall, QStringLiteral("Object has no caption"));
    return caption.toString();
}

void setCaptionOf(QObject* control, const QString& caption)
{
    if (control->metaObject()->indexOfProperty("Caption") >= 0)
        control->setProperty("Caption", caption);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(caption);
    else if (auto* frame = qobject_cast<QGroupBox*>(control))
        frame->setTitle(caption);
}

} // namespace

QList<QObject*> formControls(QWidget* window)
{
    QList<QObject*> controls;
    collect(window, controls);
    return controls;
}

void LocalizeForm(QWidget* window)
{
    for (QObject* control : formControls(window)) {
        const QString kind = controlKindName(control);
        if (kind == QLatin1String("PictureBox") || kind == QLatin1String("ListBox")
            || kind == QLatin1String("Timer"))
            continue;
        ignoreErrors([&] {
            const int id = toInt16(captionOf(control));
            setCaptionOf(control, ResourceString(id));
        });
    }
}

} // namespace tessel
