// What the photo selection window needs of the window that opens it, so that it knows no more
// of the game window than that.
#pragma once

#include "picture/photo.h"
#include "store/settingsstore.h"

#include <QString>

class QWidget;

namespace tessel {

class PhotoRecipient
{
public:
    // The window the selection window is modal to and centred on.
    virtual QWidget& photoWindowOwner() = 0;
    // The store that keeps the selection window's remembered folder.
    virtual SettingsStore& settings() const = 0;
    // OK's hand-over: the picture chosen and its full path.
    virtual void takePhoto(const Photo& photo, const QString& path) = 0;

protected:
    ~PhotoRecipient() = default;
};

} // namespace tessel
