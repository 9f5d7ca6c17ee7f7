#include "widgets/packed_image.h"

#include <QtEndian>
#include <array>

namespace orvane {

namespace {

constexpr quint32 kTag = 0x314B504F;  // "OPK1"
constexpr int kHeaderWords = 8;
constexpr int kHeaderBytes = kHeaderWords * 4;
constexpr int kLargestSide = 16384;

bool KnownFormat(quint32 format) {
  switch (QImage::Format(format)) {
    case QImage::Format_Grayscale8:
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
      return true;
    default:
      return false;
  }
}

QImage View(const uchar* data, qint64 size, QSize* sourceSize) {
  if (!data || size < kHeaderBytes) return {};
  std::array<quint32, kHeaderWords> h{};
  for (int i = 0; i < kHeaderWords; ++i) h[i] = qFromLittleEndian<quint32>(data + 4 * i);
  const auto [tag, width, height, bytesPerLine, format, sourceWidth, sourceHeight, spare] = h;
  (void)spare;
  if (tag != kTag || !KnownFormat(format)) return {};
  if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide) return {};
  const int depth = format == QImage::Format_Grayscale8 ? 1 : 4;
  if (bytesPerLine % 4 != 0 || bytesPerLine < width * depth || bytesPerLine > width * depth + 3) return {};
  if (size != kHeaderBytes + qint64(bytesPerLine) * height) return {};
  if (sourceSize) *sourceSize = QSize(int(sourceWidth), int(sourceHeight));
  return QImage(data + kHeaderBytes, int(width), int(height), qsizetype(bytesPerLine), QImage::Format(format));
}

}  // namespace

QImage ViewPackedImage(const uchar* data, qint64 size, QSize* sourceSize) {
  if (reinterpret_cast<quintptr>(data) % 4 != 0) return {};
  return View(data, size, sourceSize);
}

QByteArray PackImage(const QImage& image, QSize sourceSize) {
  if (image.isNull() || !KnownFormat(image.format()) || image.width() > kLargestSide ||
      image.height() > kLargestSide)
    return {};
  const std::array<quint32, kHeaderWords> h{kTag,
                                            quint32(image.width()),
                                            quint32(image.height()),
                                            quint32(image.bytesPerLine()),
                                            quint32(image.format()),
                                            quint32(std::max(0, sourceSize.width())),
                                            quint32(std::max(0, sourceSize.height())),
                                            0};
  QByteArray packed(kHeaderBytes, Qt::Uninitialized);
  for (int i = 0; i < kHeaderWords; ++i) qToLittleEndian<quint32>(h[i], packed.data() + 4 * i);
  packed.append(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
  return packed;
}

QImage UnpackImage(const uchar* data, qint64 size, QSize* sourceSize) {
  // A copy: the image must not depend on the caller's bytes.
  return View(data, size, sourceSize).copy();
}

QImage UnpackImage(const QByteArray& packed, QSize* sourceSize) {
  return UnpackImage(reinterpret_cast<const uchar*>(packed.constData()), packed.size(), sourceSize);
}

}  // namespace orvane
