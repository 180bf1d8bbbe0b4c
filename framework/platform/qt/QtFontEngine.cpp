// Text through Qt's font machinery: QFont for matching and metrics, QPainter on a QImage that
// wraps the target pixels for drawing. Rendering is fixed (full hinting, grey anti-aliasing, no
// kerning) so that the same text gives the same pixels on every run and every desktop.

#include "framework/platform/qt/QtFontEngine.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <memory>
#include <string>
#include <unordered_map>

namespace platform {

namespace {

// Fonts need a Qt GUI application. When the program has none (tests, tools), one is made here
// on the off-screen platform, so that no display is needed. It is destroyed at exit, before
// the engines that outlive it: Qt tolerates fonts released after the application, and only a
// destroyed application releases the font configuration. A widget application, so that the
// desktop host can still start in a process that drew text first.
void EnsureGuiApplication() {
    if (QCoreApplication::instance())
        return;
    static int argc = 3;
    static char name[] = "saruvi";
    static char platformOption[] = "-platform";
    static char platformName[] = "offscreen";
    static char* argv[] = {name, platformOption, platformName, nullptr};
    static const std::unique_ptr<QApplication> application(new QApplication(argc, argv));
}

std::string KeyOf(const FontSpec& desc) {
    std::string key = desc.Family;
    key += '\0';
    key += std::to_string(desc.PixelHeight);
    key += static_cast<char>('0' + (desc.Bold ? 1 : 0) + (desc.Italic ? 2 : 0) +
                             (desc.Underline ? 4 : 0) + (desc.StrikeOut ? 8 : 0));
    return key;
}

QFont MakeFont(const FontSpec& desc) {
    QFont font(QString::fromStdString(desc.Family));
    font.setPixelSize(desc.PixelHeight > 0 ? desc.PixelHeight : 1);
    font.setBold(desc.Bold);
    font.setItalic(desc.Italic);
    font.setUnderline(desc.Underline);
    font.setStrikeOut(desc.StrikeOut);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(
        static_cast<QFont::StyleStrategy>(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    return font;
}

class QtFontEngine final : public IFontEngine {
public:
    QtFontEngine() { EnsureGuiApplication(); }

    FontMetrics Metrics(const FontSpec& desc) override { return Find(desc).Metrics; }

    int TextWidth(const FontSpec& desc, std::string_view utf8) override {
        auto& entry = Find(desc);
        const std::string key(utf8);
        if (auto it = entry.Widths.find(key); it != entry.Widths.end())
            return it->second;
        if (entry.Widths.size() >= MaxCachedWidths)
            entry.Widths.clear();
        const int width = entry.FontMetrics.horizontalAdvance(ToQString(utf8));
        entry.Widths.emplace(key, width);
        return width;
    }

    void DrawText(PixelBuffer& target, const TRect& clip, int x, int y, const FontSpec& desc,
                  std::string_view utf8, std::uint32_t rgb) override {
        const TRect area = IntersectRect(clip, TRect{0, 0, target.Width, target.Height});
        if (area.IsEmpty() || utf8.empty())
            return;
        auto& entry = Find(desc);
        QImage image(reinterpret_cast<uchar*>(target.Pixels.data()), target.Width, target.Height,
                     static_cast<qsizetype>(target.Width) * 4, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setClipRect(QRect(area.Left, area.Top, area.Width(), area.Height()));
        painter.setFont(entry.Font);
        painter.setPen(QColor::fromRgb(static_cast<QRgb>(rgb)));
        painter.drawText(QPoint(x, y + entry.Metrics.Ascent), ToQString(utf8));
    }

private:
    static constexpr std::size_t MaxCachedFonts = 64;
    static constexpr std::size_t MaxCachedWidths = 4096;

    struct TEntry {
        explicit TEntry(const FontSpec& desc) : Font(MakeFont(desc)), FontMetrics(Font) {
            Metrics.Ascent = FontMetrics.ascent();
            Metrics.Descent = FontMetrics.descent();
            const int leading = Metrics.Height() - desc.PixelHeight;
            Metrics.InternalLeading = leading > 0 ? leading : 0;
        }
        QFont Font;
        QFontMetrics FontMetrics;
        platform::FontMetrics Metrics;
        std::unordered_map<std::string, int> Widths;
    };

    static QString ToQString(std::string_view utf8) {
        return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    }

    TEntry& Find(const FontSpec& desc) {
        const std::string key = KeyOf(desc);
        if (auto it = FEntries.find(key); it != FEntries.end())
            return *it->second;
        if (FEntries.size() >= MaxCachedFonts)
            FEntries.clear();
        return *FEntries.emplace(key, std::make_unique<TEntry>(desc)).first->second;
    }

    std::unordered_map<std::string, std::unique_ptr<TEntry>> FEntries;
};

} // namespace

std::unique_ptr<IFontEngine> CreateQtFontEngine() {
    return std::make_unique<QtFontEngine>();
}

} // namespace platform
