// Decodes picture files away from the window's thread, for a window where the player clicks
// through files: the request made last wins. Decodes run one at a time on one worker thread; a
// request passed over before its turn is never decoded, and the result of one overtaken by a
// newer request while it ran is dropped. So clicking on through a folder of large photos never
// holds the window up, and never waits for more than the decode under way.
#pragma once

#include "picture/photo.h"

#include <QObject>

#include <functional>
#include <memory>

namespace tessel {

class PhotoDecoder : public QObject
{
public:
    // How a file is read: Photo::load unless a test gives a stand-in. Runs on the worker.
    using Loader = std::function<Photo(const QString& path, QSize detail)>;
    // The latest request's result, on this object's thread: the photo, or a null one with
    // `ok` false for a file that is no readable picture.
    using Delivery = std::function<void(const QString& path, const Photo& photo, bool ok)>;

    explicit PhotoDecoder(Delivery deliver, Loader load = {}, QObject* parent = nullptr);
    // Drops what is under way without waiting for it: a decode running ends on its own.
    ~PhotoDecoder() override;

    // Starts reading `path` for `detail` pixels (see Photo::load); an earlier request not yet
    // delivered will not be.
    void request(const QString& path, QSize detail);

    // Whether a request has been made that is not delivered yet.
    bool pending() const { return m_pending; }

    struct Shared; // what the worker and this object share

    // Whether a decode of any decoder runs or waits its turn on the worker.
    static bool underWay();

private:
    void arrive(quint64 generation, const QString& path, const Photo& photo, bool ok);

    std::shared_ptr<Shared> m_shared;
    Delivery m_deliver;
    Loader m_load;
    bool m_pending = false;
};

} // namespace tessel
