#include "framework/platform/qt/ImageFile.h"

#include <QImage>
#include <QString>

#include <cstring>

namespace platform {

bool WritePng(const std::string& path, const PixelBuffer& pixels) {
    if (pixels.Width <= 0 || pixels.Height <= 0) {
        return false;
    }
    // QImage's ARGB32 is the same 0xAARRGGBB word per pixel; the image only borrows the buffer.
    const QImage image(reinterpret_cast<const uchar*>(pixels.Pixels.data()), pixels.Width,
                       pixels.Height, pixels.Width * 4, QImage::Format_ARGB32);
    return image.save(QString::fromStdString(path), "PNG");
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
