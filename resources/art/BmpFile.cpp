#include "BmpFile.h"

#include "BitmapInfoHeader.h"

namespace art {

namespace {

constexpr std::uint32_t fileHeaderSize = 14;

void writePalette(ByteWriter& out, const IndexedImage& image) {
    for (const Rgb8& c : image.palette) {
        out.u8(c.blue);
        out.u8(c.green);
        out.u8(c.red);
        out.u8(0);
    }
}

void writeRow(ByteWriter& out, const IndexedImage& image, int y) {
    const std::uint32_t stride = bitmapRowStride(image.width, image.bitsPerPixel);
    Bytes row(stride, 0);
    for (int x = 0; x < image.width; ++x) {
        const std::uint8_t index = image.at(x, y);
        if (image.bitsPerPixel == 8)
            row[x] = index;
        else
            row[x / 2] |= (x % 2 == 0) ? static_cast<std::uint8_t>(index << 4) : index;
    }
    out.append(row);
}

}  // namespace

Bytes encodeBmp(const IndexedImage& image) {
    const std::uint32_t paletteSize = static_cast<std::uint32_t>(image.palette.size()) * 4;
    const std::uint32_t pixelOffset = fileHeaderSize + bitmapInfoHeaderSize + paletteSize;
    const std::uint32_t imageSize = bitmapRowStride(image.width, image.bitsPerPixel) * image.height;

    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(pixelOffset + imageSize);
    out.u32(0);  // reserved
    out.u32(pixelOffset);
    writeBitmapInfoHeader(out, {image.width, image.height, static_cast<std::uint16_t>(image.bitsPerPixel), imageSize,
                                static_cast<std::uint32_t>(image.palette.size())});
    writePalette(out, image);
    for (int y = image.height - 1; y >= 0; --y) writeRow(out, image, y);
    return out.bytes();
}

}  // namespace art
