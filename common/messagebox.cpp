#include "common/messagebox.h"

#include "common/frameplacement.h"
#include "common/messagerules.h"
#include "common/resourcestring.h"
#include "common/stringids.h"

#include <QApplication>
#include <QEvent>

#include <cstdio>
#include <cstdlib>

namespace tessel {

namespace {

MessageBoxHandler& messageBoxHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

ProgramEndHandler& programEndHandler()
{
    static ProgramEndHandler handler;
    return handler;
}

// Moves the next top-level window that is shown to the centre of the owner, then removes
// itself: the stand-in for a thread hook that sees the box being activated.
class CentringFilter : public QObject
{
public:
    explicit CentringFilter(QWidget* owner)
        : m_owner(owner)
        , m_hadOwner(owner != nullptr)
    {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* box = static_cast<QWidget*>(watched);
            if (box->isWindow() && box != m_owner) {
                centre(box);
                disarm();
            }
        }
        return false;
    }

    void disarm()
    {
        qApp->removeEventFilter(this);
        deleteLater();
        s_armed = nullptr;
    }

    static inline CentringFilter* s_armed = nullptr;

private:
    void centre(QWidget* box)
    {
        if (m_hadOwner && !m_owner)
            return; // the owner went away meanwhile
        // By outer frames: the box's is estimated from its owner's until the window manager
        // has framed it, and the box is placed again once it has.
        centreOnOwner(box, m_owner);
    }

    QPointer<QWidget> m_owner;
    bool m_hadOwner;
};

} // namespace

void setMessageBoxHandler(MessageBoxHandler handler)
{
    messageBoxHandler() = std::move(handler);
}

void setProgramEndHandler(ProgramEndHandler handler)
{
    programEndHandler() = std::move(handler);
}

void CenterNextMessageBox()
{
    if (CentringFilter::s_armed)
        CentringFilter::s_armed->disarm();
    CentringFilter::s_armed = new CentringFilter(QApplication::activeWindow());
}

bool centringArmed()
{
    return CentringFilter::s_armed != nullptr;
}

QMessageBox::StandardButton showMessageBox(QMessageBox::Icon icon, const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           const QString& title)
{
    MessageBoxRequest request;
    request.icon = icon;
    request.title = title.isEmpty() ? QStringLiteral("Tessel") : title;
    request.text = text;
    request.buttons = buttons;
    request.owner = QApplication::activeWindow();
    request.centred = centringArmed();

    if (const auto& handler = messageBoxHandler()) {
        const auto answer = handler(request);
        // No window was shown, so nothing consumed the centring.
        if (CentringFilter::s_armed)
            CentringFilter::s_armed->disarm();
        return answer;
    }

    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon, request.title, shown, buttons, request.owner);
    box.setTextFormat(Qt::PlainText);
    const int answer = box.exec();
    if (CentringFilter::s_armed)
        CentringFilter::s_armed->disarm();
    return static_cast<QMessageBox::StandardButton>(answer);
}

void showInformation(const QString& text)
{
    CenterNextMessageBox();
    showMessageBox(QMessageBox::Information, text);
}

void endProgramNow(int exitCode)
{
    if (const auto& handler = programEndHandler()) {
        handler(exitCode);
        return;
    }
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

void ShowErrorReport(const TesselError& error)
{
    CenterNextMessageBox();
    const auto answer = showMessageBox(
        QMessageBox::Critical, errorReportText(error.number(), error.description()),
        QMessageBox::Yes | QMessageBox::No, ResourceString(StringId::ErrorReportTitle));
    if (answer != QMessageBox::Yes)
        endProgramNow(1);
}

ReportingTrap reportingTrap()
{
    return ReportingTrap([](const TesselError& error) { ShowErrorReport(error); });
}

} // namespace tessel
