// bmpinfo FILE [OUT.png]: what the BMP decoder makes of a file, and optionally its pixels as PNG.

#include "framework/core/Exceptions.h"
#include "framework/graphics/BmpDecoder.h"
#include "framework/platform/qt/ImageFile.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace {

void PrintInfo(const TBmpInfo& info) {
    std::cout << "width:       " << info.Width << "\n"
              << "height:      " << info.Height << (info.TopDown ? " (top-down)" : "") << "\n"
              << "bits/pixel:  " << info.BitsPerPixel << "\n"
              << "compression: " << info.Compression << "\n"
              << "header:      " << info.HeaderKind << "\n"
              << "alpha:       " << (info.HasAlpha ? "yes" : "no") << "\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: bmpinfo FILE [OUT.png]\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot open\n";
        return 1;
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    try {
        const TDecodedBmp bmp = DecodeBmp(bytes);
        PrintInfo(bmp.Info);
        if (argc == 3 && !platform::WritePng(argv[2], bmp.Pixels)) {
            std::cerr << argv[2] << ": cannot write PNG\n";
            return 1;
        }
    } catch (const EInvalidGraphic& e) {
        std::cerr << argv[1] << ": " << e.what();
        if (!e.Detail().empty()) {
            std::cerr << " (" << e.Detail() << ")";
        }
        std::cerr << "\n";
        return 1;
    }
    return 0;
}
