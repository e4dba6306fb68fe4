// File names as the system has them: bytes. A name that is not valid UTF-8 (written by an old
// camera or another system's encoding) keeps its bytes: each byte that is no part of a character
// is held as the lone surrogate U+DC00 + byte, which no decoded name holds, and is written back
// as that byte. Qt's own decoding would put U+FFFD in its place and lose the file.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QUrl;

namespace tessel {

QString decodeFileName(QByteArrayView bytes);
QByteArray encodeFileName(const QString& name);

// A local file URL's path with its bytes kept (its percent escapes are bytes, not UTF-8).
QString localFileOf(const QUrl& url);

// Whether a file or folder is there under the name's bytes.
bool fileNameExists(const QString& name);

} // namespace tessel
