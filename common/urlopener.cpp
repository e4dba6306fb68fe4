#include "common/urlopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace tessel {

namespace {

UrlOpener& currentOpener()
{
    static UrlOpener opener;
    return opener;
}

} // namespace

void setUrlOpener(UrlOpener opener)
{
    currentOpener() = std::move(opener);
}

void openUrl(const QString& url)
{
    if (currentOpener())
        currentOpener()(url);
    else
        QDesktopServices::openUrl(QUrl(url));
}

} // namespace tessel
