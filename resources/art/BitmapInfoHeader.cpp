#include "BitmapInfoHeader.h"

namespace art {

namespace {
constexpr std::int32_t pixelsPerMetreAt96Dpi = 3780;
constexpr std::uint32_t uncompressed = 0;  // BI_RGB
}  // namespace

void writeBitmapInfoHeader(ByteWriter& out, const BitmapInfo& info) {
    out.u32(bitmapInfoHeaderSize);
    out.i32(info.width);
    out.i32(info.height);
    out.u16(1);  // planes
    out.u16(info.bitsPerPixel);
    out.u32(uncompressed);
    out.u32(info.imageSize);
    out.i32(pixelsPerMetreAt96Dpi);
    out.i32(pixelsPerMetreAt96Dpi);
    out.u32(info.colorsUsed);
    out.u32(0);  // all colours important
}

std::uint32_t bitmapRowStride(int width, int bitsPerPixel) {
    return ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

}  // namespace art
