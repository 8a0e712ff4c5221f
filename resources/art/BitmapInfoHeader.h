// The 40-byte BITMAPINFOHEADER shared by BMP files and icon images.
#pragma once
#include <cstdint>

#include "ByteWriter.h"

namespace art {

constexpr std::uint32_t bitmapInfoHeaderSize = 40;

struct BitmapInfo {
    std::int32_t width;
    std::int32_t height;  // positive: rows are stored bottom-up
    std::uint16_t bitsPerPixel;
    std::uint32_t imageSize;
    std::uint32_t colorsUsed;
};

void writeBitmapInfoHeader(ByteWriter& out, const BitmapInfo& info);
// Bytes per stored row: rows are padded to a multiple of four bytes.
std::uint32_t bitmapRowStride(int width, int bitsPerPixel);

}  // namespace art
