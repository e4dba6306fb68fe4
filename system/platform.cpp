#include "system/platform.h"

#include <QFileInfo>

namespace tessel {

PlatformDecision decidePlatform(const VersionQuery& query)
{
    switch (query.result) {
    case VersionQuery::Result::NoRecord:
        return { true, false };
    case VersionQuery::Result::Failed:
        return { false, false };
    case VersionQuery::Result::Record:
        break;
    }
    if (query.platformId != 2)
        return { true, false };
    if (query.majorVersion < 4)
        return { false, true };
    if (query.majorVersion == 4) {
        const int nul = query.servicePack.indexOf('\0');
        const QByteArray pack = nul >= 0 ? query.servicePack.left(nul) : query.servicePack;
        if (pack == "Service Pack 1" || pack == "Service Pack 2")
            return { false, true };
    }
    return { true, true };
}

#ifndef Q_OS_WIN
VersionQuery queryPlatformVersion()
{
    return {};
}
#endif

QString withTrailingSeparator(const QString& folder)
{
    if (folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder;
    return folder + u'/';
}

bool PathExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

} // namespace tessel
