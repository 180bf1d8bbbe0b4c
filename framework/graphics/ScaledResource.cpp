#include "framework/graphics/ScaledResource.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Resources.h"
#include "framework/graphics/Bitmap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <tuple>

namespace {

struct TVariant {
    const char* Suffix;
    int Num; // the scale, Num / Den
    int Den;
};

constexpr std::array<TVariant, 3> Variants{{{"", 1, 1}, {"@1.5x", 3, 2}, {"@2x", 2, 1}}};

std::string VariantName(const std::string& name, const TVariant& variant) {
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? name + variant.Suffix
                                    : name.substr(0, dot) + variant.Suffix + name.substr(dot);
}

// Compares Num / Den with m / d without dividing.
int Compare(const TVariant& v, int m, int d) {
    const std::int64_t left = std::int64_t{v.Num} * d;
    const std::int64_t right = std::int64_t{m} * v.Den;
    return left < right ? -1 : left > right ? 1 : 0;
}

// The channels of p weighted by w, added to sum.
void Accumulate(std::array<double, 3>& sum, std::uint32_t p, double w) {
    sum[0] += w * ((p >> 16) & 0xFF);
    sum[1] += w * ((p >> 8) & 0xFF);
    sum[2] += w * (p & 0xFF);
}

// Bilinear from the four source pixels around each target pixel's centre, leaving out those of
// the key colour; a target pixel whose nearest source pixel is of the key colour takes it.
platform::PixelBuffer Resample(const platform::PixelBuffer& from, int width, int height) {
    platform::PixelBuffer to(width, height);
    const std::uint32_t key = from.Row(from.Height - 1)[0];
    const double sx = double(from.Width) / width;
    const double sy = double(from.Height) / height;
    for (int y = 0; y < height; ++y) {
        const double fy = std::clamp((y + 0.5) * sy - 0.5, 0.0, from.Height - 1.0);
        const int y0 = static_cast<int>(fy);
        const int y1 = std::min(y0 + 1, from.Height - 1);
        for (int x = 0; x < width; ++x) {
            const double fx = std::clamp((x + 0.5) * sx - 0.5, 0.0, from.Width - 1.0);
            const int x0 = static_cast<int>(fx);
            const int x1 = std::min(x0 + 1, from.Width - 1);
            const std::uint32_t nearest =
                from.Row(static_cast<int>(std::lround(fy)))[static_cast<int>(std::lround(fx))];
            if (nearest == key) {
                to.Row(y)[x] = key;
                continue;
            }
            const double ax = fx - x0;
            const double ay = fy - y0;
            std::array<double, 3> sum{};
            double weight = 0;
            for (const auto& [px, py, w] :
                 {std::tuple{x0, y0, (1 - ax) * (1 - ay)}, std::tuple{x1, y0, ax * (1 - ay)},
                  std::tuple{x0, y1, (1 - ax) * ay}, std::tuple{x1, y1, ax * ay}}) {
                const std::uint32_t p = from.Row(py)[px];
                if (p != key && w > 0) {
                    Accumulate(sum, p, w);
                    weight += w;
                }
            }
            std::uint32_t out = 0xFF000000u;
            for (int c = 0; c < 3; ++c)
                out |= static_cast<std::uint32_t>(std::lround(sum[c] / weight)) << (16 - 8 * c);
            to.Row(y)[x] = out;
        }
    }
    return to;
}

} // namespace

void LoadScaledResource(TBitmap& bitmap, const std::string& name, int m, int d) {
    if (m <= 0 || d <= 0)
        m = d = 1;
    std::optional<TResourceData> data;
    const TVariant* chosen = nullptr;
    // The first one at least as large as the scale, else the largest.
    for (const TVariant& variant : Variants) {
        if (chosen && Compare(*chosen, m, d) >= 0)
            break;
        if (auto found = FindResource(VariantName(name, variant))) {
            data = found;
            chosen = &variant;
        }
    }
    if (!data)
        throw EReadError("Resource " + name + " not found");
    bitmap.LoadFromStream(*data);
    if (Compare(*chosen, m, d) == 0 || bitmap.Empty())
        return;
    const double factor = double(m) * chosen->Den / (double(d) * chosen->Num);
    const auto size = [factor](int length) {
        return static_cast<int>(std::lround(std::clamp(length * factor, 1.0, 65536.0)));
    };
    bitmap.SetPixels(Resample(bitmap.Pixels(), size(bitmap.Width()), size(bitmap.Height())));
}
