#include "art.h"

#include "resources/appicon.h"

#include <QFile>

namespace tessel::art {

bool writeIconSvg(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(appIconSvg()) >= 0
        && file.flush();
}

bool writeIconPng(const QString& path, int side)
{
    return appIconImage(side).save(path, "PNG");
}

} // namespace tessel::art
