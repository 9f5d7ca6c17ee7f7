#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace orvane {

// Pictures and icons are decoded and drawn at build time into a plain pixel
// layout, so start-up only copies pixels: a small header (a tag, the pixel
// size, the row length, the pixel format and the size of the source drawing)
// and then the rows as QImage holds them.
QByteArray PackImage(const QImage& image, QSize sourceSize);

// The picture in packed bytes, or a null image when they are not a whole,
// sound packed picture. sourceSize, when given, receives the size of the
// drawing the pixels were made from (for an icon, its vector file's size).
QImage UnpackImage(const QByteArray& packed, QSize* sourceSize = nullptr);
QImage UnpackImage(const uchar* data, qint64 size, QSize* sourceSize = nullptr);

// The picture the bytes describe, pointing into them: for bytes that outlive
// every use of the image, such as compiled-in data aligned to four bytes.
QImage ViewPackedImage(const uchar* data, qint64 size, QSize* sourceSize = nullptr);

}  // namespace orvane
