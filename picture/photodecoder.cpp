#include "picture/photodecoder.h"

#include <QThreadPool>

#include <atomic>
#include <mutex>

namespace tessel {

struct PhotoDecoder::Shared
{
    std::mutex mutex;
    quint64 latest = 0; // the newest request's number
    PhotoDecoder* receiver = nullptr; // none once the decoder is gone
};

namespace {

// Requests taken and not yet ended.
std::atomic<int> s_underWay = 0;

// One worker for every decoder: photos decode one at a time. Its end waits for a decode under
// way (see underWay()).
QThreadPool& decodingThread()
{
    static QThreadPool pool;
    static const bool once = [] {
        pool.setMaxThreadCount(1);
        return true;
    }();
    Q_UNUSED(once);
    return pool;
}

} // namespace

PhotoDecoder::PhotoDecoder(Delivery deliver, Loader load, QObject* parent)
    : QObject(parent)
    , m_shared(std::make_shared<Shared>())
    , m_deliver(std::move(deliver))
    , m_load(load ? std::move(load) : Loader([](const QString& path, QSize detail) {
        return Photo::load(path, detail);
    }))
{
    m_shared->receiver = this;
}

PhotoDecoder::~PhotoDecoder()
{
    const std::lock_guard<std::mutex> lock(m_shared->mutex);
    m_shared->receiver = nullptr;
    ++m_shared->latest;
}

void PhotoDecoder::request(const QString& path, QSize detail)
{
    quint64 generation = 0;
    {
        const std::lock_guard<std::mutex> lock(m_shared->mutex);
        generation = ++m_shared->latest;
    }
    m_pending = true;
    ++s_underWay;
    decodingThread().start([shared = m_shared, load = m_load, path, detail, generation] {
        struct Ended
        {
            ~Ended() { --s_underWay; }
        } ended;
        {
            const std::lock_guard<std::mutex> lock(shared->mutex);
            if (generation != shared->latest)
                return; // passed over before its turn
        }
        Photo photo;
        bool ok = true;
        try {
            photo = load(path, detail);
        } catch (...) {
            ok = false; // no picture, of whatever kind the failure
        }
        // Under the lock: the decoder cannot go while its delivery is being posted.
        const std::lock_guard<std::mutex> lock(shared->mutex);
        PhotoDecoder* receiver = shared->receiver;
        if (generation != shared->latest || !receiver)
            return; // overtaken while it ran
        QMetaObject::invokeMethod(
            receiver,
            [receiver, generation, path, photo, ok] {
                receiver->arrive(generation, path, photo, ok);
            },
            Qt::QueuedConnection);
    });
}

bool PhotoDecoder::underWay()
{
    return s_underWay > 0;
}

void PhotoDecoder::arrive(quint64 generation, const QString& path, const Photo& photo, bool ok)
{
    {
        const std::lock_guard<std::mutex> lock(m_shared->mutex);
        if (generation != m_shared->latest)
            return; // a newer request came while this one was on its way
    }
    m_pending = false;
    m_deliver(path, photo, ok);
}

} // namespace tessel
