// Decoding speed of our BMP decoder against Qt's reader, on files generated in memory.

#include "framework/graphics/BmpDecoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A bottom-up INFO-header file with a grey palette for 8 bits, filled with a pattern.
std::vector<std::uint8_t> MakeBmp(int width, int height, int bpp) {
    const std::uint32_t colors = bpp == 8 ? 256 : 0;
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * bpp + 31) / 32 * 4;
    const std::uint32_t offset = 14 + 40 + 4 * colors;
    std::vector<std::uint8_t> out{'B', 'M'};
    Put32(out, offset + stride * static_cast<std::uint32_t>(height));
    Put32(out, 0);
    Put32(out, offset);
    for (const std::uint32_t field :
         {40u, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)}) {
        Put32(out, field);
    }
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bpp));
    for (const std::uint32_t field : {0u, stride * height, 2835u, 2835u, colors, 0u}) {
        Put32(out, field);
    }
    for (std::uint32_t i = 0; i < colors; ++i) {
        Put32(out, i * 0x010101);
    }
    for (int y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < stride; ++x) {
            out.push_back(static_cast<std::uint8_t>(x * 7 + static_cast<std::uint32_t>(y) * 3));
        }
    }
    return out;
}

void SetBytesProcessed(benchmark::State& state, std::size_t fileSize) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * fileSize));
}

void BM_Saruvi(benchmark::State& state, int width, int height, int bpp) {
    const std::vector<std::uint8_t> file = MakeBmp(width, height, bpp);
    for (auto _ : state) {
        TDecodedBmp bmp = DecodeBmp(file);
        benchmark::DoNotOptimize(bmp.Pixels.Pixels.data());
    }
    SetBytesProcessed(state, file.size());
}

// Qt keeps an 8-bit file as an indexed image; the converting variant yields the same 32-bit
// pixels that our decoder does.
void BM_Qt(benchmark::State& state, int width, int height, int bpp, bool toArgb) {
    const std::vector<std::uint8_t> file = MakeBmp(width, height, bpp);
    QByteArray bytes(reinterpret_cast<const char*>(file.data()),
                     static_cast<qsizetype>(file.size()));
    for (auto _ : state) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "bmp");
        QImage image = reader.read();
        if (toArgb) {
            image.convertTo(QImage::Format_ARGB32);
        }
        benchmark::DoNotOptimize(image.constBits());
    }
    SetBytesProcessed(state, file.size());
}

BENCHMARK_CAPTURE(BM_Saruvi, rgb24_1280x1280, 1280, 1280, 24)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Qt, rgb24_1280x1280, 1280, 1280, 24, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Saruvi, pal8_512x512, 512, 512, 8)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Qt, pal8_512x512, 512, 512, 8, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Qt, pal8_512x512_argb, 512, 512, 8, true)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
