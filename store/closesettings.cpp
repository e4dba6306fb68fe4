#include "store/closesettings.h"

#include "common/numbers.h"

namespace tessel {

void writeCloseSettings(SettingsBatch& batch, const CloseSnapshot& snapshot,
                        KeyValuePairs& savedGame, const QLocale& locale)
{
    namespace k = settingskeys;
    const QString& app = shared().SettingsAppName;
    auto save = [&](const QString& section, const QString& key, const QString& value) {
        ignoreErrors([&] { batch.SaveSetting(app, section, key, value); });
    };

    if (snapshot.normalState) {
        save(k::Ayarlar, k::SolBosluk, singleToText(snapshot.left, locale));
        save(k::Ayarlar, k::UstBosluk, singleToText(snapshot.top, locale));
    }
    save(k::Ayarlar, k::SonBolme, QString::number(snapshot.divisionIndex));
    save(k::Ayarlar, k::SonFotograf, snapshot.photoPath);
    save(k::Ayarlar, k::OrnekGoster, QString::number(snapshot.showSample));
    save(k::Ayarlar, k::OyunuKaydet, QString::number(snapshot.saveOnExit));
    save(k::Ayarlar, k::SesleriKapat, QString::number(snapshot.soundOff));

    if (!snapshot.gameRunning || snapshot.saveOnExit == 0)
        return;

    ignoreErrors([&] { savedGame = batch.GetAllSettings(app, k::Oyun); });
    removeStoredGame(batch, savedGame);

    for (const auto& [key, value] : snapshot.gameCells)
        save(k::Oyun, key, value);
    for (const auto& [key, value] : snapshot.gameInfo)
        save(k::OyunBilgiler, key, value);
    // A deal left from an older game must not pass for this one's.
    ignoreErrors([&] { batch.DeleteSetting(app, k::Dagitim); });
    for (const auto& [key, value] : snapshot.gameDeal)
        save(k::Dagitim, key, value);
}

void writeCloseSettings(SettingsStore& store, const CloseSnapshot& snapshot,
                        KeyValuePairs& savedGame, const QLocale& locale)
{
    SettingsBatch batch = store.beginBatch();
    writeCloseSettings(batch, snapshot, savedGame, locale);
    batch.commit();
}

} // namespace tessel
