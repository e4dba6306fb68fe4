#include "picture/photodraw.h"

namespace tessel {

void drawStretchedPhoto(PictureBox& box, const Photo& photo)
{
    const QImage image = photo.scaled(box.innerDeviceSize());
    if (image.isNull()) {
        box.setPicture(QPixmap());
        return;
    }
    QPixmap picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(box.deviceRatio());
    box.setPicture(picture);
}

} // namespace tessel
