// Sections and keys of the settings store: every reader and writer uses these names.
#pragma once

#include <QString>

namespace tessel::settingskeys {

// Sections, below SettingsAppName.
inline const QString Ayarlar = QStringLiteral("Ayarlar"); // options and window position
inline const QString Oyun = QStringLiteral("Oyun"); // the cells of the unfinished game
inline const QString OyunBilgiler = QStringLiteral("Oyun\\Bilgiler"); // its time and moves
inline const QString Bilgiler = QStringLiteral("Bilgiler"); // as addressed below "...\Oyun"
// The program's own: the deal of the game in "Oyun", written and removed with it, in the form of
// "Oyun" (the empty cell, the last, "kB"). Restart goes back to it, and the completion tells how
// short the deal could be solved.
inline const QString Dagitim = QStringLiteral("Dagitim");

// "Ayarlar"
inline const QString SolBosluk = QStringLiteral("Sol Bosluk"); // left edge, twips
inline const QString UstBosluk = QStringLiteral("Ust Bosluk"); // top edge, twips
inline const QString SonBolme = QStringLiteral("Son Bolme"); // DivisionIndex
inline const QString SonFotograf = QStringLiteral("Son Fotograf"); // PhotoPath
inline const QString OrnekGoster = QStringLiteral("Ornek Goster"); // check box states 0/1
inline const QString OyunuKaydet = QStringLiteral("Oyunu Kaydet");
inline const QString SesleriKapat = QStringLiteral("Sesleri Kapat");
inline const QString SonKlasor = QStringLiteral("Son Klasor"); // the photo window's folder

// "Oyun": "Foto-" + cell number; the empty cell's value is its number followed by "B".
inline const QString FotoPrefix = QStringLiteral("Foto-");
inline const QString BlankSuffix = QStringLiteral("B");

// "Oyun\Bilgiler"
inline const QString SaniyeBilgisi = QStringLiteral("Saniye Bilgisi");
inline const QString DakikaBilgisi = QStringLiteral("Dakika Bilgisi");
inline const QString SaatBilgisi = QStringLiteral("Saat Bilgisi");
inline const QString HamleBilgisi = QStringLiteral("Hamle Bilgisi");

// "Rekorlar": the best results of each board size N (3, 4, 5), each key followed by a blank
// and N. Times are whole seconds; every value is plain decimal.
inline const QString Rekorlar = QStringLiteral("Rekorlar");
inline const QString EnIyiSure = QStringLiteral("En Iyi Sure"); // best time
inline const QString EnAzHamle = QStringLiteral("En Az Hamle"); // fewest moves
inline const QString BitenOyun = QStringLiteral("Biten Oyun"); // games completed

// "Tercihler": the player's choices beyond the designed options, "1" or "0".
inline const QString Tercihler = QStringLiteral("Tercihler");
inline const QString HamleleriCanlandir = QStringLiteral("Hamleleri Canlandir"); // blocks slide

} // namespace tessel::settingskeys
