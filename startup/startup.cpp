#include "startup/startup.h"

#include "common/controls.h"
#include "common/messagebox.h"
#include "common/resourcestring.h"
#include "common/shared.h"
#include "common/visualstyle.h"
#include "game/anaform.h"
#include "picture/photodecoder.h"
#include "picture/photoprefetch.h"
#include "startup/platform.h"
#include "store/settingsstore.h"

#include <QApplication>
#include <QPointer>

namespace tessel {

bool InitVisualStyles()
{
    return ignoreErrors([] {
#ifndef Q_OS_WIN
        // One look on every Linux desktop; Windows keeps its native style.
        if (QStyle* style = VisualStyle::create())
            QApplication::setStyle(style);
#endif
        QApplication::setFont(designFont());
    });
}

void CheckPlatformVersion(const std::function<VersionQuery()>& query)
{
    PlatformDecision decision;
    ignoreErrors([&] { decision = decidePlatform(query()); });
    shared().IsNtPlatform = decision.isNtPlatform;
    if (decision.accept)
        return;
    ignoreErrors([] {
        CenterNextMessageBox();
        showMessageBox(QMessageBox::Critical, ResourceString(30));
    });
    endProgramNow(1);
}

int runEntryRoutine(QApplication& app)
{
    QApplication::setApplicationName(productName);
    QApplication::setWindowIcon(applicationIcon());
    const ReportingTrap trap = reportingTrap();
    trap([] { InitVisualStyles(); });
    trap([] { CheckPlatformVersion(); });
    trap(
        [] { shared().AppFolder = withTrailingSeparator(QCoreApplication::applicationDirPath()); });
    trap([] { shared().SettingsAppName = QStringLiteral("Velkor\\") + productName; });
    const QPointer<AnaForm> form = openGameWindow(userSettings(), trap);
    trap([&] {
        if (form)
            form->watchSystemClose();
    });
    if (!form)
        return endOfProgram(1);
    return endOfProgram(app.exec());
}

QPointer<AnaForm> openGameWindow(SettingsStore& settings, const ReportingTrap& trap)
{
    // One read of the store serves the photo's path here and every read of the restore.
    const SettingsReadHold reads = settings.holdReads();
    // The photo the window opens with decodes on a second core while the window is built.
    ignoreErrors([&] {
        const QString photo = AnaForm::storedPhotoPath(settings);
        if (PathExists(photo))
            photoprefetch::start(photo, Photo::screenDetail());
    });
    QPointer<AnaForm> form;
    trap([&] {
        form = new AnaForm(settings);
        form->Form_Load();
    });
    return form;
}

int endOfProgram(int exitCode)
{
    if (PhotoDecoder::underWay() || photoprefetch::running())
        endProgramNow(exitCode);
    return exitCode;
}

} // namespace tessel
