// What the About window shows that needs no window: the program's information, the build's
// addresses and the window's icon.
#pragma once

#include <QImage>
#include <QString>

namespace tessel {

// The program information the About window reads when it loads.
struct ProgramInfo
{
    QString title; // the application title
    int major = 0;
    int minor = 0;
    int revision = 0;
    QString legalNotice; // the legal-rights text of the version information
};

ProgramInfo thisProgram();

// Fills ${siteUrl}, ${email} and ${projectName} in a stored text with the build's values.
QString expandBuildFields(const QString& text);

// The About window's own 32 x 32 icon: a 3 x 3 board of square outlines with the last cell empty.
// For a screen of `ratio` device pixels per pixel the same art comes at that many device pixels,
// each design pixel a block of whole device pixels, so that its lines stay sharp.
QImage aboutIcon(qreal ratio = 1.0);

} // namespace tessel
