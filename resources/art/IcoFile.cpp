#include "IcoFile.h"

#include "BitmapInfoHeader.h"

namespace art {

namespace {

constexpr std::uint32_t iconDirSize = 6;
constexpr std::uint32_t iconDirEntrySize = 16;
constexpr std::uint16_t iconType = 1;

void writePixels(ByteWriter& out, const Canvas& image) {
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x) {
            const Color pixel = image.pixel(x, y);
            const Rgb8 c = toRgb8(pixel);
            out.u8(c.blue);
            out.u8(c.green);
            out.u8(c.red);
            out.u8(componentByte(pixel.alpha));
        }
}

// Older readers ignore the alpha channel and use this mask: a set bit is a transparent pixel.
void writeMask(ByteWriter& out, const Canvas& image) {
    const std::uint32_t stride = bitmapRowStride(image.width(), 1);
    for (int y = image.height() - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < image.width(); ++x)
            if (componentByte(image.pixel(x, y).alpha) == 0) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.append(row);
    }
}

Bytes encodeImage(const Canvas& image) {
    const std::uint32_t colourSize = bitmapRowStride(image.width(), 32) * image.height();
    const std::uint32_t maskSize = bitmapRowStride(image.width(), 1) * image.height();
    ByteWriter out;
    // An icon image's header counts the colour rows and the mask rows together.
    writeBitmapInfoHeader(out, {image.width(), image.height() * 2, 32, colourSize + maskSize, 0});
    writePixels(out, image);
    writeMask(out, image);
    return out.bytes();
}

// The directory stores sizes in one byte each; 0 stands for 256.
std::uint8_t sizeByte(int pixels) { return static_cast<std::uint8_t>(pixels >= 256 ? 0 : pixels); }

}  // namespace

Bytes encodeIco(const std::vector<Canvas>& images) {
    std::vector<Bytes> encoded;
    for (const Canvas& image : images) encoded.push_back(encodeImage(image));

    ByteWriter out;
    out.u16(0);
    out.u16(iconType);
    out.u16(static_cast<std::uint16_t>(images.size()));
    std::uint32_t offset = iconDirSize + iconDirEntrySize * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.u8(sizeByte(images[i].width()));
        out.u8(sizeByte(images[i].height()));
        out.u8(0);  // no palette
        out.u8(0);
        out.u16(1);  // planes
        out.u16(32);
        out.u32(static_cast<std::uint32_t>(encoded[i].size()));
        out.u32(offset);
        offset += static_cast<std::uint32_t>(encoded[i].size());
    }
    for (const Bytes& image : encoded) out.append(image);
    return out.bytes();
}

}  // namespace art
