// The version record of the Windows platform; built only for Windows.
#include "system/platform.h"

#include <windows.h>

namespace tessel {

VersionQuery queryPlatformVersion()
{
    OSVERSIONINFOA info {};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma warning(suppress : 4996)
    if (!GetVersionExA(&info))
        return { VersionQuery::Result::Failed };
    VersionQuery query;
    query.result = VersionQuery::Result::Record;
    query.majorVersion = info.dwMajorVersion;
    query.minorVersion = info.dwMinorVersion;
    query.buildNumber = info.dwBuildNumber;
    query.platformId = info.dwPlatformId;
    query.servicePack = QByteArray(info.szCSDVersion, sizeof(info.szCSDVersion));
    return query;
}

} // namespace tessel
