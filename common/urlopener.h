// Hands a link to the platform (browser or mail program), behind a seam for tests.
#pragma once

#include <QString>

#include <functional>

namespace tessel {

using UrlOpener = std::function<void(const QString& url)>;

// An empty opener restores the platform's.
void setUrlOpener(UrlOpener opener);

// Passes the text on unchanged; whether the platform could open it is not examined.
void openUrl(const QString& url);

} // namespace tessel
