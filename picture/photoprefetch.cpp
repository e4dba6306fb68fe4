#include "picture/photoprefetch.h"

#include <QPointer>
#include <QScopeGuard>

#include <atomic>
#include <chrono>
#include <future>
#include <vector>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace tessel::photoprefetch {

namespace {

struct Pending
{
    QString path;
    QSize detail;
    std::future<Photo> photo;
};

Pending& pending()
{
    static Pending instance;
    return instance;
}

// Set by the decoding thread as its last step; the user-interface thread clears it.
std::atomic<bool> decodeEnded { true };

// On the user-interface thread: the calls waiting for the decode's end.
struct Waiting
{
    QPointer<QObject> context;
    std::function<void()> call;
};
std::vector<Waiting>& waiting()
{
    static std::vector<Waiting> calls;
    return calls;
}

void callWaiting()
{
    for (Waiting& w : std::exchange(waiting(), {}))
        if (w.context)
            w.call();
}

// Lives on the user-interface thread, for the decoding thread to post to. Never deleted: a
// decode may end while the program ends.
QObject* home()
{
    static QObject* object = new QObject;
    return object;
}

} // namespace

void start(const QString& path, QSize detail)
{
    start(path, detail,
          [](const QString& file, QSize wanted) { return Photo::load(file, wanted); });
}

void start(const QString& path, QSize detail,
           std::function<Photo(const QString& path, QSize detail)> decode)
{
    Pending& p = pending();
    if (p.photo.valid())
        p.photo.wait();
    p.path = path;
    p.detail = detail;
    QObject* told = home();
    decodeEnded = false;
    p.photo = std::async(std::launch::async, [path, detail, told, decode = std::move(decode)] {
    // The window comes first: while it is being built, the decode takes only what the
    // window's thread leaves of a busy processor (once shown, the window waits for input).
#ifdef Q_OS_LINUX
        setpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid)), 10);
#endif
        // Also when the photo cannot be read: the error waits in the future.
        const auto tell = qScopeGuard([told] {
            decodeEnded = true;
            QMetaObject::invokeMethod(told, &callWaiting, Qt::QueuedConnection);
        });
        return decode(path, detail);
    });
}

bool decoding(const QString& path)
{
    const Pending& p = pending();
    return p.photo.valid() && p.path == path && p.detail == Photo::screenDetail() && running();
}

void whenDone(QObject* context, std::function<void()> call)
{
    // A decode that ends after this test posts its news after the call is listed.
    if (decodeEnded) {
        QMetaObject::invokeMethod(context, std::move(call), Qt::QueuedConnection);
        return;
    }
    waiting().push_back({ context, std::move(call) });
}

Photo take(const QString& path)
{
    Pending& p = pending();
    const QSize detail = Photo::screenDetail();
    if (p.photo.valid()) {
        std::future<Photo> photo = std::move(p.photo);
        if (p.path == path && p.detail == detail)
            return photo.get();
        photo.wait(); // not the one asked for: let it end before the next read
    }
    return Photo::load(path, detail);
}

bool running()
{
    const Pending& p = pending();
    return p.photo.valid()
        && p.photo.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
}

} // namespace tessel::photoprefetch
