// The game window's options and command buttons: the photo sample, save on exit and New Photo.
// Exit and Esc are wired with the controls; "Sound off" is read by the sounds.
#include "game/anaform.h"

#include "photo/fotografsecformu.h"
#include "picture/photodraw.h"
#include "store/closesettings.h"

#include <QCheckBox>
#include <QPushButton>

namespace tessel {

void AnaForm::connectOptions()
{
    // toggled, not clicked: a change the program makes redraws the sample too.
    connect(FotoğrafınÖrneğiniGöster, &QCheckBox::toggled, this,
            [this] { FotoğrafınÖrneğiniGöster_Click(); });
    connect(OyunuKaydetOnayı, &QCheckBox::toggled, this, [this] { OyunuKaydetOnayı_Click(); });
    connect(YeniFotoğrafDüğmesi, &QPushButton::clicked, this,
            [this] { YeniFotoğrafDüğmesi_Click(); });
}

void AnaForm::drawSample()
{
    ignoreErrors([this] {
        if (FotoğrafınÖrneğiniGöster->checkState() == Qt::Unchecked) {
            ÖrnekKutusu->setPicture(QPixmap());
            return;
        }
        drawStretchedPhoto(*ÖrnekKutusu, OrjinalFotoğrafKutusu);
    });
}

void AnaForm::FotoğrafınÖrneğiniGöster_Click()
{
    drawSample();
}

void AnaForm::OyunuKaydetOnayı_Click()
{
    ignoreErrors([this] {
        if (OyunuKaydetOnayı->checkState() == Qt::Unchecked)
            removeStoredGame(m_settings, SavedGame);
    });
}

void AnaForm::YeniFotoğrafDüğmesi_Click()
{
    FotoğrafSeçFormu::showModal(*this);
}

} // namespace tessel
