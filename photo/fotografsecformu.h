// The photo selection window: drives, folders and picture files with a preview; OK hands the
// picture to the game window.
#pragma once

#include "common/controls.h"
#include "photo/folderlists.h"
#include "photo/photofolders.h"
#include "photo/photorecipient.h"
#include "picture/photo.h"
#include "picture/photodecoder.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QEventLoop;
class QPushButton;

namespace tessel {

// No Q_OBJECT: moc cannot take the Turkish class name, and the window declares no signals.
class FotoğrafSeçFormu : public QDialog
{
public:
    // Creates the window from its design, modal to the owner's window (the game window), and
    // runs the load steps. It reads and writes its remembered folder in the owner's store, hands
    // OK's photo to the owner, and is deleted when it closes. `volumes` lists the drive list's
    // volumes, `places` the player's folders offered above them.
    explicit FotoğrafSeçFormu(PhotoRecipient& owner,
                              const VolumeLister& volumes = mountedVolumeRoots,
                              const PlaceLister& places = standardPhotoPlaces);

    // The New Photo button's action: a new window, modal to the owner's window; returns once it
    // is gone.
    static void showModal(PhotoRecipient& owner);

    // The full path of the picture in OrjinalFotoğrafKutusu: what OK hands over as PhotoPath.
    // Empty while no file has been loaded.
    const QString& loadedPhotoPath() const { return m_loadedPath; }

    // Whether a file clicked is still decoding: its picture is not shown yet. OK waits for it.
    bool decoding() const { return m_decoder->pending(); }

    // The volume or place the drive list shows, by its path.
    QString selectedVolume() const;
    // How many of the player's places stand above the volumes in the drive list.
    int placeCount() const { return m_placeCount; }

    // Handlers, as the controls' events run them.
    void SürücüListesi_Change();
    void KlasörListesi_Change();
    void DosyaListesi_Click();
    void TamamDüğmesi_Click();
    void İptalDüğmesi_Click();

    // Controls, by their design names.
    std::vector<Label*> Etiket;
    QComboBox* SürücüListesi = nullptr;
    FolderList* KlasörListesi = nullptr;
    FileList* DosyaListesi = nullptr;
    PictureBox* ÖnizlemeKutusu = nullptr;
    Photo OrjinalFotoğrafKutusu; // the picture loaded, off-screen
    QPushButton* TamamDüğmesi = nullptr;
    QPushButton* İptalDüğmesi = nullptr;

protected:
    // Every way the window closes (OK, Cancel, Esc, close box) ends here.
    void done(int result) override;

private:
    void createControls();
    void Form_Load();
    void Form_Unload();

    // Starts reading a picture file away from the window's thread; when it is the latest file
    // asked for, it goes into the holder, and a file that fails keeps the picture held.
    void loadPhotoFile(const QString& path);
    // The holder's picture changes: the preview follows.
    void holdPhoto(const Photo& photo, const QString& path);
    void drawPreview();
    // Runs the window's events until the latest file asked for is decoded; false when the
    // window closed meanwhile.
    bool waitForDecode();

    // Selects the volume that holds the path; a change runs the drive change.
    void selectVolumeOf(const QString& path);
    // The folder list moves to the process's current folder when a folder cannot be listed.
    void fallBackToCurrentFolder();

    PhotoRecipient& m_owner;
    PhotoDecoder* m_decoder = nullptr; // a child of the window
    QString m_loadedPath;
    bool m_latestFailed = false; // the file decoded last is no readable picture
    QEventLoop* m_decodeWait = nullptr; // while OK waits for a decode
    bool m_fallingBack = false;
    int m_placeCount = 0;
    bool m_unloaded = false;
};

} // namespace tessel
