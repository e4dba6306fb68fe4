// The start-up environment check and the small file-system helpers every window uses.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace tessel {

// What the operating system told of its version.
struct VersionQuery
{
    enum class Result {
        NoRecord, // the platform has no record of this kind (not Windows): accept
        Failed, // the platform has one but the call failed: refuse
        Record,
    };
    Result result = Result::NoRecord;
    uint32_t majorVersion = 0;
    uint32_t minorVersion = 0;
    uint32_t buildNumber = 0;
    uint32_t platformId = 0; // 2 for the NT platform
    QByteArray servicePack; // up to 128 bytes, NUL-terminated
};

struct PlatformDecision
{
    bool accept = false;
    bool isNtPlatform = false;
};

// The rule: too old an NT platform (before 4, or 4 with the first or second service pack)
// and a failed query are refused; everything else runs.
PlatformDecision decidePlatform(const VersionQuery& query);

// Asks the operating system (only Windows has a record).
VersionQuery queryPlatformVersion();

// A folder with exactly one trailing separator.
QString withTrailingSeparator(const QString& folder);

// True when a file or folder exists at the path; false for the empty path and on any error.
bool PathExists(const QString& path);

inline const QString productName = QStringLiteral("Tessel");

} // namespace tessel
