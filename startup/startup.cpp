#include "startup/startup.h"

#include "common/controls.h"
#include "common/messagebox.h"
#include "common/resourcestring.h"
#include "common/shared.h"
#include "common/translations.h"
#include "common/visualstyle.h"
#include "game/anaform.h"
#include "picture/photoprefetch.h"
#include "startup/platform.h"

#include <QApplication>
#include <QLocale>
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
    // Every text in the user's language, Qt's own included, before the first one shows.
    ignoreErrors([] { useLanguageOf(QLocale::system()); });
    const ReportingTrap trap = reportingTrap();
    trap([] { InitVisualStyles(); });
    trap([] { CheckPlatformVersion(); });
    trap(
        [] { shared().AppFolder = withTrailingSeparator(QCoreApplication::applicationDirPath()); });
    trap([] { shared().SettingsAppName = QStringLiteral("Velkor\\") + productName; });
    // The photo the window opens with decodes on a second core while the window is built.
    ignoreErrors([] {
        const QString photo = AnaForm::storedPhotoPath(userSettings());
        if (PathExists(photo))
            photoprefetch::start(photo, Photo::screenDetail());
    });
    QPointer<AnaForm> form;
    trap([&] {
        form = new AnaForm;
        form->Form_Load();
    });
    trap([&] {
        if (form)
            form->watchSystemClose();
    });
    if (!form)
        return 1;
    return app.exec();
}

} // namespace tessel
