#include "photo/fotografsecformu.h"

#include "common/accessibility.h"
#include "common/accessibletext.h"
#include "common/controls.h"
#include "common/frameplacement.h"
#include "common/localize.h"
#include "common/messagebox.h"
#include "common/numbers.h"
#include "common/resourcestring.h"
#include "common/shared.h"
#include "common/stringids.h"
#include "picture/photodraw.h"
#include "store/settingskeys.h"
#include "system/platform.h"

#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QPushButton>
#include <QSignalBlocker>

namespace tessel {

FotoğrafSeçFormu::FotoğrafSeçFormu(PhotoRecipient& owner, const VolumeLister& volumes,
                                   const PlaceLister& places)
    : QDialog(&owner.photoWindowOwner())
    , m_owner(owner)
{
    setObjectName(QString::fromUtf8("FotoğrafSeçFormu"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Fixed dialog border: a caption and a close box only. As an owned dialog it stays out of
    // the task bar, and it is centred on its owner when it is shown.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFont(designFont());
    setFixedSize(twipsToPixels(0, 0, 7875, 3960).size());
    setWindowTitle(QStringLiteral("1550"));
    createControls();
    m_decoder = new PhotoDecoder(
        [this](const QString& path, const Photo& photo, bool ok) {
            // No message for a file that is no picture: the previous one stays.
            m_latestFailed = !ok;
            if (ok)
                holdPhoto(photo, path);
            if (m_decodeWait)
                m_decodeWait->quit();
        },
        {}, this);

    // The drive list starts on the volume of the current folder, as the classic one does; the
    // load then picks the application's.
    QStringList roots;
    ignoreErrors([&] { roots = volumes(); });
    // The player's own folders first: on this platform the volumes alone lie many folders away
    // from the player's photos. Picking one is a drive change to that folder.
    QList<PhotoPlace> homes;
    ignoreErrors([&] { homes = places(); });
    {
        const QSignalBlocker quiet(SürücüListesi);
        for (const PhotoPlace& place : homes) {
            SürücüListesi->addItem(place.name, place.path);
            SürücüListesi->setItemData(SürücüListesi->count() - 1,
                                       QDir::toNativeSeparators(place.path), Qt::ToolTipRole);
        }
        m_placeCount = SürücüListesi->count();
        for (const QString& root : roots)
            SürücüListesi->addItem(QDir::toNativeSeparators(root), root);
        SürücüListesi->setCurrentIndex(-1);
        selectVolumeOf(QDir::currentPath());
    }
    connect(SürücüListesi, &QComboBox::currentIndexChanged, this,
            [this] { SürücüListesi_Change(); });
    connect(KlasörListesi, &FolderList::changed, this, [this] { KlasörListesi_Change(); });
    connect(KlasörListesi, &FolderList::openFailed, this, [this] { fallBackToCurrentFolder(); });
    connect(DosyaListesi, &FileList::fileClicked, this, [this] { DosyaListesi_Click(); });
    connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { TamamDüğmesi_Click(); });
    connect(İptalDüğmesi, &QPushButton::clicked, this, [this] { İptalDüğmesi_Click(); });

    Form_Load();
}

void FotoğrafSeçFormu::showModal(PhotoRecipient& owner)
{
    auto* form = new FotoğrafSeçFormu(owner);
    centreOnOwner(form, &owner.photoWindowOwner());
    form->exec(); // deletes the window when it closes
}

void FotoğrafSeçFormu::createControls()
{
    // In design order: that is the order localisation walks.
    Etiket.resize(4);
    auto label = [this](int index, const char* caption, double left, double top) {
        auto* l = named(new Label(this), QStringLiteral("Etiket(%1)").arg(index));
        l->move(twipsToPixels(left), twipsToPixels(top));
        l->setCaption(QString::fromLatin1(caption));
        Etiket[index] = l;
        return l;
    };

    label(0, "1600", 300, 300);
    SürücüListesi = named(new QComboBox(this), QString::fromUtf8("SürücüListesi"));
    setTwipsGeometry(SürücüListesi, 300, 600, 2205, 315);

    label(1, "1700", 300, 1170);
    KlasörListesi = named(new FolderList(this), QString::fromUtf8("KlasörListesi"));
    setTwipsGeometry(KlasörListesi, 300, 1470, 2205, 2115);

    label(2, "1800", 2760, 300);
    DosyaListesi = named(new FileList(this), QString::fromUtf8("DosyaListesi"));
    setTwipsGeometry(DosyaListesi, 2760, 600, 2175, 3015);

    label(3, "1900", 5190, 300);
    ÖnizlemeKutusu = named(new PictureBox(this), QString::fromUtf8("ÖnizlemeKutusu"));
    setTwipsGeometry(ÖnizlemeKutusu, 5190, 600, 2370, 1778);

    // OrjinalFotoğrafKutusu is off-screen: the Photo member.

    auto button = [this](const char* name, const char* caption, double top) {
        auto* b
            = named(new QPushButton(QString::fromLatin1(caption), this), QString::fromUtf8(name));
        setTwipsGeometry(b, 5190, top, 2370, 345);
        // OK is not the default button: Enter in the lists does not hand a picture over.
        b->setAutoDefault(false);
        b->setDefault(false);
        // Return presses the button that has the focus, and no other.
        pressOnReturn(b);
        return b;
    };
    TamamDüğmesi = button("TamamDüğmesi", "2000", 2700);
    İptalDüğmesi = button("İptalDüğmesi", "2100", 3120);

    // Each caption's access key moves the focus to the list after it.
    Etiket[0]->setBuddy(SürücüListesi);
    Etiket[1]->setBuddy(KlasörListesi);
    Etiket[2]->setBuddy(DosyaListesi);

    QWidget* tabOrder[]
        = { SürücüListesi, KlasörListesi, DosyaListesi, TamamDüğmesi, İptalDüğmesi };
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void FotoğrafSeçFormu::Form_Load()
{
    ignoreErrors([this] { LocalizeForm(this); });
    ignoreErrors([this] { setWindowTitle(ResourceString(StringId::SelectPhotoTitle)); });
    ignoreErrors([this] {
        nameForScreenReaders(this);
        ÖnizlemeKutusu->setAccessibleName(plainCaption(Etiket.at(3)->text()));
    });
    // The picture boxes already measure their interior in pixels: nothing to switch.
    ignoreErrors([this] { selectVolumeOf(shared().AppFolder); });
    ignoreErrors([this] {
        const QString remembered = m_owner.settings().GetSetting(
            shared().SettingsAppName, settingskeys::Ayarlar, settingskeys::SonKlasor);
        // A remembered path that is no folder any more counts as none.
        if (PathExists(remembered) && ignoreErrors([&] { KlasörListesi->setPath(remembered); }))
            return;
        KlasörListesi->setPath(shared().AppFolder);
    });
}

void FotoğrafSeçFormu::selectVolumeOf(const QString& path)
{
    // Among the volumes only: the program's own choices of a drive stay as they were.
    QStringList roots;
    for (int i = m_placeCount; i < SürücüListesi->count(); ++i)
        roots << SürücüListesi->itemData(i).toString();
    const int index = roots.indexOf(volumeRootFor(path, roots));
    if (index >= 0)
        SürücüListesi->setCurrentIndex(m_placeCount + index);
}

QString FotoğrafSeçFormu::selectedVolume() const
{
    return SürücüListesi->currentData().toString();
}

void FotoğrafSeçFormu::SürücüListesi_Change()
{
    const QString root = selectedVolume();
    if (ignoreErrors([&] { KlasörListesi->setPath(root); }))
        return;
    ignoreErrors([] { showInformation(ResourceString(StringId::CannotReadDrive)); });
    // Back on the application's volume; when that is the one that failed, the selection does
    // not change and nothing runs again.
    ignoreErrors([this] { selectVolumeOf(shared().AppFolder); });
}

void FotoğrafSeçFormu::KlasörListesi_Change()
{
    if (!ignoreErrors([this] { DosyaListesi->setPath(KlasörListesi->path()); }))
        fallBackToCurrentFolder();
}

void FotoğrafSeçFormu::fallBackToCurrentFolder()
{
    // A current folder that cannot be listed either ends the chain here.
    if (m_fallingBack)
        return;
    m_fallingBack = true;
    ignoreErrors([this] { KlasörListesi->setPath(QDir::currentPath()); });
    m_fallingBack = false;
}

void FotoğrafSeçFormu::DosyaListesi_Click()
{
    const QString name = DosyaListesi->fileName();
    if (!name.isEmpty())
        loadPhotoFile(joinFolderFile(DosyaListesi->path(), name));
}

void FotoğrafSeçFormu::loadPhotoFile(const QString& path)
{
    // The detail is asked here: the screens belong to this thread.
    ignoreErrors([&] { m_decoder->request(path, Photo::screenDetail()); });
}

void FotoğrafSeçFormu::holdPhoto(const Photo& photo, const QString& path)
{
    OrjinalFotoğrafKutusu = photo;
    m_loadedPath = path;
    drawPreview();
}

void FotoğrafSeçFormu::drawPreview()
{
    ignoreErrors([this] { drawStretchedPhoto(*ÖnizlemeKutusu, OrjinalFotoğrafKutusu); });
}

bool FotoğrafSeçFormu::waitForDecode()
{
    QEventLoop wait;
    m_decodeWait = &wait;
    // Every event goes on meanwhile: the window answers, and Cancel or a close ends the wait.
    wait.exec();
    m_decodeWait = nullptr;
    return !m_unloaded;
}

void FotoğrafSeçFormu::TamamDüğmesi_Click()
{
    if (m_decodeWait)
        return; // pressed again while waiting
    const ReportingTrap trap = reportingTrap();
    // The file selected last is what OK hands over, not an older picture still shown: its
    // decode is waited for, and a file that turns out unreadable is no picture selected.
    bool unreadable = false;
    if (m_decoder->pending()) {
        if (!waitForDecode())
            return; // the window closed meanwhile
        unreadable = m_latestFailed;
    }
    if (unreadable || OrjinalFotoğrafKutusu.isNull()) {
        trap([] { showInformation(ResourceString(StringId::SelectPhotoFromList)); });
        trap([this] { DosyaListesi->setFocus(); });
        return;
    }
    // The path of the picture held, not of the list's selection now: a folder opened or a file
    // that failed after the load would name another file.
    trap([this] { m_owner.takePhoto(OrjinalFotoğrafKutusu, m_loadedPath); });
    trap([this] { accept(); });
}

void FotoğrafSeçFormu::İptalDüğmesi_Click()
{
    reject();
}

void FotoğrafSeçFormu::done(int result)
{
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
    if (m_decodeWait)
        m_decodeWait->quit();
    QDialog::done(result);
}

void FotoğrafSeçFormu::Form_Unload()
{
    ignoreErrors([this] {
        m_owner.settings().SaveSetting(shared().SettingsAppName, settingskeys::Ayarlar,
                                       settingskeys::SonKlasor, KlasörListesi->path());
    });
}

} // namespace tessel
