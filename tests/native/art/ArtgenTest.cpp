// The generated artwork as the Windows build and the setup program read it: the headers of
// every bitmap and of the icon, the picker bitmaps' transparent keys, and stable output.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <map>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::vector<std::string> expectedNames{"CLOSEDFOLDER.bmp", "FIXEDDRIVE.bmp", "Logo.bmp", "LogoSmall.bmp",
                                             "OPENFOLDER.bmp", "REMOVABLEDRIVE.bmp", "setup.ico"};

std::uint32_t u16(const Bytes& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }
std::uint32_t u32(const Bytes& b, std::size_t at) { return u16(b, at) | u16(b, at + 2) << 16; }
std::int32_t i32(const Bytes& b, std::size_t at) { return static_cast<std::int32_t>(u32(b, at)); }

Bytes readFile(const std::string& path) {
    Bytes bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        int c;
        while ((c = std::fgetc(file)) != EOF) bytes.push_back(static_cast<std::uint8_t>(c));
        std::fclose(file);
    }
    return bytes;
}

std::map<std::string, Bytes> readFolder(const std::string& folder) {
    std::map<std::string, Bytes> files;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") files[name] = readFile(folder + "/" + name);
        }
        closedir(dir);
    }
    return files;
}

std::map<std::string, Bytes> runArtgen() {
    char pattern[] = "/tmp/artgen-test-XXXXXX";
    const std::string folder = mkdtemp(pattern);
    const std::string out = folder + "/art";  // not there yet: artgen makes it
    const std::string command = std::string("'") + ARTGEN_PATH + "' '" + out + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    auto files = readFolder(out);
    for (const auto& file : files) std::remove((out + "/" + file.first).c_str());
    rmdir(out.c_str());
    rmdir(folder.c_str());
    return files;
}

class ArtgenOutput : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        first = new std::map<std::string, Bytes>(runArtgen());
        second = new std::map<std::string, Bytes>(runArtgen());
    }
    static void TearDownTestSuite() {
        delete first;
        delete second;
    }
    static const Bytes& file(const std::string& name) { return first->at(name); }

    static std::map<std::string, Bytes>* first;
    static std::map<std::string, Bytes>* second;
};

std::map<std::string, Bytes>* ArtgenOutput::first = nullptr;
std::map<std::string, Bytes>* ArtgenOutput::second = nullptr;

TEST_F(ArtgenOutput, WritesExactlyTheSevenFiles) {
    std::vector<std::string> names;
    for (const auto& f : *first) names.push_back(f.first);
    EXPECT_EQ(names, expectedNames);
}

TEST_F(ArtgenOutput, TwoRunsWriteIdenticalBytes) {
    ASSERT_EQ(first->size(), second->size());
    for (const auto& f : *first) {
        ASSERT_TRUE(second->count(f.first)) << f.first;
        EXPECT_FALSE(f.second.empty()) << f.first;
        EXPECT_TRUE(f.second == second->at(f.first)) << f.first << " differs between runs";
    }
}

struct BitmapCase {
    const char* name;
    std::int32_t width, height;
    std::uint16_t bitsPerPixel;
    std::uint32_t fileSize;  // the payload's table and the picker rely on these
};

const BitmapCase bitmapCases[] = {
    {"Logo.bmp", 120, 260, 8, 32278},      {"LogoSmall.bmp", 32, 32, 8, 2102},
    {"FIXEDDRIVE.bmp", 16, 11, 4, 206},    {"REMOVABLEDRIVE.bmp", 16, 10, 4, 198},
    {"OPENFOLDER.bmp", 16, 16, 4, 246},    {"CLOSEDFOLDER.bmp", 16, 16, 4, 246},
};

TEST_F(ArtgenOutput, BitmapHeadersDescribeUncompressedPalettisedBottomUpImages) {
    for (const BitmapCase& c : bitmapCases) {
        SCOPED_TRACE(c.name);
        const Bytes& b = file(c.name);
        ASSERT_GE(b.size(), 54u);
        const std::uint32_t colours = 1u << c.bitsPerPixel;
        const std::uint32_t stride = ((c.width * c.bitsPerPixel + 31) / 32) * 4;
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(u32(b, 2), b.size());
        EXPECT_EQ(b.size(), c.fileSize);
        EXPECT_EQ(u32(b, 10), 14 + 40 + 4 * colours);  // pixels right after the full palette
        EXPECT_EQ(u32(b, 14), 40u);                    // BITMAPINFOHEADER
        EXPECT_EQ(i32(b, 18), c.width);
        EXPECT_EQ(i32(b, 22), c.height);  // positive: bottom-up
        EXPECT_EQ(u16(b, 26), 1u);
        EXPECT_EQ(u16(b, 28), c.bitsPerPixel);
        EXPECT_EQ(u32(b, 30), 0u);  // BI_RGB
        EXPECT_EQ(u32(b, 34), stride * c.height);
        EXPECT_TRUE(u32(b, 46) == colours || u32(b, 46) == 0) << "colours used " << u32(b, 46);
        EXPECT_EQ(u32(b, 10) + stride * c.height, b.size());
    }
}

struct Rgb {
    std::uint8_t red, green, blue;
    bool operator==(const Rgb& o) const { return red == o.red && green == o.green && blue == o.blue; }
};

Rgb paletteEntry(const Bytes& b, unsigned index) {
    const std::size_t at = 54 + 4 * index;  // stored blue, green, red, 0
    return {b.at(at + 2), b.at(at + 1), b.at(at)};
}

// Rows are stored bottom-up, so (x, y) counts y from the top.
unsigned pixelIndex(const Bytes& b, int x, int y) {
    const int width = i32(b, 18), height = i32(b, 22), bits = u16(b, 28);
    const std::size_t row = u32(b, 10) + static_cast<std::size_t>(height - 1 - y) * (((width * bits + 31) / 32) * 4);
    if (bits == 8) return b.at(row + x);
    const std::uint8_t pair = b.at(row + x / 2);
    return x % 2 == 0 ? pair >> 4 : pair & 0x0F;
}

Rgb pixelColour(const Bytes& b, int x, int y) { return paletteEntry(b, pixelIndex(b, x, y)); }

TEST_F(ArtgenOutput, PickerBitmapsUseTheStandardSixteenColours) {
    const Rgb vga[16] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                         {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                         {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                         {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    for (const char* name : {"FIXEDDRIVE.bmp", "REMOVABLEDRIVE.bmp", "OPENFOLDER.bmp", "CLOSEDFOLDER.bmp"}) {
        SCOPED_TRACE(name);
        for (unsigned i = 0; i < 16; ++i) EXPECT_TRUE(paletteEntry(file(name), i) == vga[i]) << "entry " << i;
    }
}

struct KeyCase {
    const char* name;
    Rgb key;
};

// The picker treats the bottom-left pixel's colour as transparent; the pictures' corners
// lie outside the drawn shapes, so they must be that key colour too.
TEST_F(ArtgenOutput, PickerBitmapsCarryTheirKeyColourInTheCorners) {
    const KeyCase cases[] = {{"FIXEDDRIVE.bmp", {0, 0, 255}},
                             {"REMOVABLEDRIVE.bmp", {255, 255, 255}},
                             {"OPENFOLDER.bmp", {128, 128, 0}},
                             {"CLOSEDFOLDER.bmp", {128, 128, 0}}};
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes& b = file(c.name);
        const int right = i32(b, 18) - 1, bottom = i32(b, 22) - 1;
        EXPECT_TRUE(pixelColour(b, 0, bottom) == c.key);
        EXPECT_TRUE(pixelColour(b, right, bottom) == c.key);
        EXPECT_TRUE(pixelColour(b, right, 0) == c.key);
    }
}

TEST_F(ArtgenOutput, PickerBitmapsDrawSomethingBesideTheKey) {
    for (const char* name : {"FIXEDDRIVE.bmp", "REMOVABLEDRIVE.bmp", "OPENFOLDER.bmp", "CLOSEDFOLDER.bmp"}) {
        SCOPED_TRACE(name);
        const Bytes& b = file(name);
        const unsigned key = pixelIndex(b, 0, i32(b, 22) - 1);
        int drawn = 0;
        for (int y = 0; y < i32(b, 22); ++y)
            for (int x = 0; x < i32(b, 18); ++x) drawn += pixelIndex(b, x, y) != key;
        EXPECT_GT(drawn, i32(b, 18) * i32(b, 22) / 4);
    }
}

// The small logo sits on the white title band and the large one right below it: an edge
// that is not white would show as a seam.
TEST_F(ArtgenOutput, LogosMeetTheWhiteTitleBandWithoutASeam) {
    const Rgb white{255, 255, 255};
    const Bytes& small = file("LogoSmall.bmp");
    for (int i = 0; i < 32; ++i) {
        EXPECT_TRUE(pixelColour(small, i, 0) == white) << "top " << i;
        EXPECT_TRUE(pixelColour(small, i, 31) == white) << "bottom " << i;
        EXPECT_TRUE(pixelColour(small, 0, i) == white) << "left " << i;
        EXPECT_TRUE(pixelColour(small, 31, i) == white) << "right " << i;
    }
    const Bytes& logo = file("Logo.bmp");
    for (int x = 0; x < 120; ++x) EXPECT_TRUE(pixelColour(logo, x, 0) == white) << "top " << x;
}

TEST_F(ArtgenOutput, LogosUseManyShadesOfTheirPalette) {
    for (const char* name : {"Logo.bmp", "LogoSmall.bmp"}) {
        SCOPED_TRACE(name);
        const Bytes& b = file(name);
        std::set<unsigned> used;
        for (int y = 0; y < i32(b, 22); ++y)
            for (int x = 0; x < i32(b, 18); ++x) used.insert(pixelIndex(b, x, y));
        EXPECT_GT(used.size(), 40u) << "anti-aliased artwork needs more than a handful of colours";
    }
}

struct IconImage {
    int size;
    std::uint32_t bytes, offset;
};

std::vector<IconImage> iconDirectory(const Bytes& ico) {
    std::vector<IconImage> images;
    for (unsigned i = 0; i < u16(ico, 4); ++i) {
        const std::size_t at = 6 + 16 * i;
        const int size = ico.at(at) == 0 ? 256 : ico.at(at);
        EXPECT_EQ(ico.at(at), ico.at(at + 1)) << "square";
        EXPECT_EQ(ico.at(at + 2), 0u) << "no palette";
        EXPECT_EQ(u16(ico, at + 4), 1u) << "planes";
        EXPECT_EQ(u16(ico, at + 6), 32u) << "bits per pixel";
        images.push_back({size, u32(ico, at + 8), u32(ico, at + 12)});
    }
    return images;
}

TEST_F(ArtgenOutput, IconHoldsFourSizesAt32BitsPerPixel) {
    const Bytes& ico = file("setup.ico");
    ASSERT_GE(ico.size(), 6u);
    EXPECT_EQ(u16(ico, 0), 0u);
    EXPECT_EQ(u16(ico, 2), 1u);  // icon, not cursor
    std::vector<int> sizes;
    std::uint32_t expectedOffset = 6 + 16 * u16(ico, 4);
    for (const IconImage& image : iconDirectory(ico)) {
        SCOPED_TRACE(image.size);
        sizes.push_back(image.size);
        EXPECT_EQ(image.offset, expectedOffset) << "images packed in directory order";
        expectedOffset += image.bytes;
        const std::uint32_t mask = ((image.size + 31) / 32) * 4 * image.size;
        EXPECT_EQ(image.bytes, 40 + 4u * image.size * image.size + mask);
        ASSERT_LE(image.offset + image.bytes, ico.size());
        EXPECT_EQ(u32(ico, image.offset), 40u);
        EXPECT_EQ(i32(ico, image.offset + 4), image.size);
        EXPECT_EQ(i32(ico, image.offset + 8), 2 * image.size);  // colour rows plus mask rows
        EXPECT_EQ(u16(ico, image.offset + 14), 32u);
        EXPECT_EQ(u32(ico, image.offset + 16), 0u);
    }
    EXPECT_EQ(sizes, (std::vector<int>{256, 48, 32, 16}));
    EXPECT_EQ(expectedOffset, ico.size());
}

// Readers that ignore alpha use the AND mask instead; both must agree on every pixel, and
// the sheet's corner outside the drawing is see-through while its middle is solid.
TEST_F(ArtgenOutput, IconMaskMatchesAlphaEverywhere) {
    const Bytes& ico = file("setup.ico");
    for (const IconImage& image : iconDirectory(ico)) {
        SCOPED_TRACE(image.size);
        const std::size_t pixels = image.offset + 40;
        const std::size_t mask = pixels + 4u * image.size * image.size;
        const std::size_t maskStride = ((image.size + 31) / 32) * 4;
        int mismatches = 0;
        for (int row = 0; row < image.size; ++row)
            for (int x = 0; x < image.size; ++x) {
                const bool transparent = ico.at(pixels + 4 * (row * image.size + x) + 3) == 0;
                const bool masked = ico.at(mask + row * maskStride + x / 8) & (0x80 >> (x % 8));
                mismatches += transparent != masked;
            }
        EXPECT_EQ(mismatches, 0);
        const auto alphaAt = [&](int x, int yFromTop) {
            return ico.at(pixels + 4 * ((image.size - 1 - yFromTop) * image.size + x) + 3);
        };
        EXPECT_EQ(alphaAt(0, 0), 0);
        EXPECT_EQ(alphaAt(image.size / 2, image.size / 2), 255);
    }
}

}  // namespace
