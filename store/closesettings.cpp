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

    for (size_t cell = 0; cell < snapshot.cellTags.size(); ++cell) {
        const bool blank = cell == size_t(snapshot.blankIndex);
        save(k::Oyun, k::FotoPrefix + QString::number(cell),
             blank ? QString::number(snapshot.blankIndex) + k::BlankSuffix
                   : snapshot.cellTags[cell]);
    }
    save(k::OyunBilgiler, k::SaniyeBilgisi, QString::number(snapshot.seconds));
    save(k::OyunBilgiler, k::DakikaBilgisi, QString::number(snapshot.minutes));
    save(k::OyunBilgiler, k::SaatBilgisi, QString::number(snapshot.hours));
    save(k::OyunBilgiler, k::HamleBilgisi, QString::number(snapshot.clickCount));
}

void writeCloseSettings(SettingsStore& store, const CloseSnapshot& snapshot,
                        KeyValuePairs& savedGame, const QLocale& locale)
{
    SettingsBatch batch = store.beginBatch();
    writeCloseSettings(batch, snapshot, savedGame, locale);
    batch.commit();
}

} // namespace tessel
