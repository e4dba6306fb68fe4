// Photos handed to the game window: by the photo selection window's OK, the command line, or a
// picture file dropped on the window. All of them end in the same hand-over.
#include "game/anaform.h"

#include "common/messagebox.h"
#include "common/shared.h"
#include "game/boardframe.h"
#include "photo/photofolders.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

namespace tessel {

void AnaForm::takePhoto(const Photo& photo, const QString& path)
{
    // The stored photo first, so that it cannot come after this one.
    showStoredPhoto();
    const ReportingTrap trap = reportingTrap();
    trap([&] { shared().PhotoPath = path; });
    trap([&] { setOriginalPhoto(photo); });
    trap([&] { ParçalaraBölSeçeneği_Click(shared().DivisionIndex); });
    // The board is what a new photo is played on: a click or Space there deals.
    trap([&] { board()->setFocus(Qt::OtherFocusReason); });
}

void AnaForm::openPhotoFile(const QString& path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    Photo photo;
    if (reportingTrap()([&] { photo = Photo::load(file); }))
        takePhoto(photo, file);
}

void AnaForm::dragEnterEvent(QDragEnterEvent* event)
{
    // Not accepted: the pointer shows that nothing can be dropped here.
    if (!droppedPictureFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void AnaForm::dragMoveEvent(QDragMoveEvent* event)
{
    if (!droppedPictureFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void AnaForm::dropEvent(QDropEvent* event)
{
    const QString file = droppedPictureFile(event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    // In its own turn: the drag's source waits for the drop to end, and a picture that fails
    // shows a report.
    QMetaObject::invokeMethod(
        this, [this, file] { openPhotoFile(file); }, Qt::QueuedConnection);
}

} // namespace tessel
