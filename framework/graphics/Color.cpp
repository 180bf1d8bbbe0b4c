#include "framework/graphics/Types.h"
#include "framework/platform/ClassicPalette.h"
#include "framework/platform/Host.h"

TColor ColorToRGB(TColor color) {
    if (!IsSystemColor(color))
        return color;
    const int index = static_cast<int>(static_cast<std::uint32_t>(color) & 0xFFu);
    if (platform::HasHost())
        return platform::Host().SystemColor(index);
    return platform::ClassicSystemColor(index);
}
