#include "framework/platform/qt/ImageFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstring>

namespace platform {

namespace {

// QImage's ARGB32 is the same 0xAARRGGBB word per pixel; the image only borrows the buffer.
QImage Borrowed(const PixelBuffer& pixels) {
    return QImage(reinterpret_cast<const uchar*>(pixels.Pixels.data()), pixels.Width, pixels.Height,
                  pixels.Width * 4, QImage::Format_ARGB32);
}

} // namespace

bool WritePng(const std::string& path, const PixelBuffer& pixels) {
    if (pixels.Width <= 0 || pixels.Height <= 0) {
        return false;
    }
    return Borrowed(pixels).save(QString::fromStdString(path), "PNG");
}

std::optional<std::vector<std::uint8_t>> EncodePng(const PixelBuffer& pixels) {
    if (pixels.Width <= 0 || pixels.Height <= 0) {
        return std::nullopt;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !Borrowed(pixels).save(&buffer, "PNG")) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

std::optional<PixelBuffer> ReadImage(const std::string& path) {
    QImage image;
    if (!image.load(QString::fromStdString(path))) {
        return std::nullopt;
    }
    image.convertTo(QImage::Format_ARGB32);
    PixelBuffer pixels(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        std::memcpy(pixels.Row(y), image.constScanLine(y),
                    static_cast<std::size_t>(image.width()) * 4);
    }
    return pixels;
}

} // namespace platform
