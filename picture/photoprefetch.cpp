#include "picture/photoprefetch.h"

#include <chrono>
#include <future>

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

} // namespace

void start(const QString& path, QSize detail)
{
    Pending& p = pending();
    if (p.photo.valid())
        p.photo.wait();
    p.path = path;
    p.detail = detail;
    p.photo = std::async(std::launch::async, [path, detail] { return Photo::load(path, detail); });
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
