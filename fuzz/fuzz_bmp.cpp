// libFuzzer target: any bytes either decode or raise the invalid-bitmap error, never worse.

#include "framework/core/Exceptions.h"
#include "framework/graphics/BmpDecoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    try {
        const TBmpInfo info = ProbeBmp(file);
        const TDecodedBmp bmp = DecodeBmp(file);
        if (bmp.Pixels.Pixels.size() != static_cast<std::size_t>(info.Width) * info.Height) {
            __builtin_trap();
        }
    } catch (const EInvalidGraphic&) {
    }
    return 0;
}
