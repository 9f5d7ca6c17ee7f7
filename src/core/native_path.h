#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace orvane {

// File names as the system gives them: any bytes but NUL, most often UTF-8.
// A name that is not valid UTF-8 must still open the file it names, so each
// byte that is no part of a valid UTF-8 sequence is kept as the lone
// surrogate U+DC80..U+DCFF and turned back into that byte by nativePath.
// Qt's own decoding would make it U+FFFD and lose the name.
QString pathFromNative(QByteArrayView bytes);

// The bytes of a file name for the system: UTF-8, with the kept bytes put
// back. Equal to QFile::encodeName for every name that is valid UTF-8.
QByteArray nativePath(const QString& path);

// A file name for a message: kept bytes shown as U+FFFD, which every font
// can draw.
QString shownPath(const QString& path);

}  // namespace orvane
