// tessel_screenshot OUTPUT: the game window as a player sees it during a game on the default
// photo, saved as a PNG for the metainfo. The window is the program's own, restored from a
// stored game in a settings file of its own.
#include "common/shared.h"
#include "game/anaform.h"
#include "startup/startup.h"
#include "store/settingskeys.h"
#include "store/settingsstore.h"
#include "system/platform.h"
#include "system/programfolders.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

using namespace tessel;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessel_screenshot OUTPUT.png\n");
        return 2;
    }
    InitVisualStyles();
    shared().SettingsAppName = QStringLiteral("Velkor\\") + productName;
    shared().AppFolder
        = withTrailingSeparator(programDataFolder(QCoreApplication::applicationDirPath()));

    QTemporaryDir folder;
    SettingsStore store(QDir(folder.path()).filePath(QStringLiteral("Tessel.ini")));
    {
        namespace k = settingskeys;
        const QString& app = shared().SettingsAppName;
        SettingsBatch batch = store.beginBatch();
        // A 3 x 3 game that sliding can finish, part way: the empty cell in the middle.
        const QStringList cells { "4", "1", "2", "0", "4B", "5", "3", "7", "6" };
        for (int i = 0; i < cells.size(); ++i)
            batch.SaveSetting(app, k::Oyun, k::FotoPrefix + QString::number(i), cells[i]);
        batch.SaveSetting(app, k::OyunBilgiler, k::SaniyeBilgisi, QStringLiteral("37"));
        batch.SaveSetting(app, k::OyunBilgiler, k::DakikaBilgisi, QStringLiteral("1"));
        batch.SaveSetting(app, k::OyunBilgiler, k::HamleBilgisi, QStringLiteral("23"));
        batch.commit();
    }
    AnaForm form(store);
    form.Form_Load();
    QCoreApplication::processEvents();
    const bool saved = form.grab().save(QString::fromLocal8Bit(argv[1]), "PNG");
    if (!saved) {
        std::fprintf(stderr, "tessel_screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
