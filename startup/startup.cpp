#include "startup/startup.h"

#include "common/controls.h"
#include "common/messagebox.h"
#include "common/resourcestring.h"
#include "common/shared.h"
#include "common/stringids.h"
#include "common/translations.h"
#include "common/visualstyle.h"
#include "game/anaform.h"
#include "picture/photodecoder.h"
#include "picture/photoprefetch.h"
#include "sound/pcmoutput.h"
#include "store/settingsstore.h"
#include "system/platform.h"
#include "system/programfolders.h"
#include "version.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLocale>
#include <QLoggingCategory>
#include <QPointer>

#ifdef TESSEL_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace tessel {

namespace {

// Off unless asked for (QT_LOGGING_RULES="tessel.startup.debug=true"): where the program found
// its files and what the board shows once it is up.
Q_LOGGING_CATEGORY(startupLog, "tessel.startup", QtWarningMsg)

void logFolders()
{
    qCDebug(startupLog).noquote() << "data folder" << shared().AppFolder;
    qCDebug(startupLog).noquote() << "sound module" << soundModulePath();
}

void logBoard(const AnaForm& form)
{
    if (!startupLog().isDebugEnabled())
        return;
    int blocks = 0;
    for (const PictureBox* cell : form.DağınıkParçalar)
        blocks += cell->picture().isNull() ? 0 : 1;
    const QSize photo = form.OrjinalFotoğrafKutusu.size();
    qCDebug(startupLog).noquote()
        << "photo" << shared().PhotoPath
        << QStringLiteral("%1 x %2").arg(photo.width()).arg(photo.height()) << "board"
        << QStringLiteral("%1 x %1").arg(form.GridSize()) << "blocks shown" << blocks;
}

} // namespace

void prepareWindowSystem()
{
    const char* noSharedMemory = "QT_XCB_NO_MITSHM";
    if (!qEnvironmentVariableIsSet(noSharedMemory))
        qputenv(noSharedMemory, "1");
}

FontPreparation::FontPreparation()
{
    ignoreErrors([this] {
        m_thread = std::thread([application = m_application.get_future()]() mutable {
#ifdef TESSEL_FONTCONFIG
            // Qt reads the same configuration with its first text; the library keeps one copy
            // for the process.
            FcInit();
#endif
            if (application.get())
                ignoreErrors([] { QFontMetrics(designFont()).height(); });
        });
    });
}

FontPreparation::~FontPreparation()
{
    wait();
}

void FontPreparation::applicationReady()
{
    tell(true);
}

void FontPreparation::wait()
{
    // A start-up that never got as far as the application object: the thread ends without it.
    tell(false);
    if (m_thread.joinable())
        m_thread.join();
}

void FontPreparation::tell(bool applicationExists)
{
    if (!m_told)
        m_application.set_value(applicationExists);
    m_told = true;
}

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
        showMessageBox(QMessageBox::Critical, ResourceString(StringId::PlatformTooOld));
    });
    endProgramNow(1);
}

int runEntryRoutine(QApplication& app, const QString& photo)
{
    QApplication::setApplicationName(productName);
    QApplication::setApplicationVersion(QString::fromUtf8(version::text));
    // Docks and window managers match the window to its desktop entry by this name.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(version::appId));
    // Every text in the user's language, Qt's own included, before the first one shows.
    ignoreErrors([] { useLanguageOf(QLocale::system()); });
    const ReportingTrap trap = reportingTrap();
    trap([] { InitVisualStyles(); });
    trap([] { CheckPlatformVersion(); });
    // The program's folder, or once installed its data folder: where the default photo lies.
    trap([] {
        shared().AppFolder
            = withTrailingSeparator(programDataFolder(QCoreApplication::applicationDirPath()));
    });
    trap([] { shared().SettingsAppName = QStringLiteral("Velkor\\") + productName; });
    const QPointer<AnaForm> form = openGameWindow(userSettings(), trap);
    trap([&] {
        if (form)
            form->watchSystemClose();
    });
    if (!form)
        return endOfProgram(1);
    logFolders();
    // The board as the player first sees it with the photo.
    if (form->storedPhotoPending())
        QObject::connect(form, &AnaForm::storedPhotoShown, form,
                         [f = form.data()] { logBoard(*f); });
    else
        logBoard(*form);
    if (!photo.isEmpty()) {
        form->openPhotoFile(photo);
        if (form)
            logBoard(*form);
    }
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
    // A result that waited for another copy's lock is written before the program ends.
    userSettings().finishQueued(std::chrono::seconds(10));
    if (PhotoDecoder::underWay() || photoprefetch::running())
        endProgramNow(exitCode);
    return exitCode;
}

} // namespace tessel
