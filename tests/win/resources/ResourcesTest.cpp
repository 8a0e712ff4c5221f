// The setup program's resources as Windows finds them: the payload stream, the picker
// bitmaps, the icon group, the manifest and the version information.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct ResourceBytes {
    const std::uint8_t* data = nullptr;
    DWORD size = 0;
};

ResourceBytes findResource(LPCSTR name, LPCSTR type) {
    HRSRC found = FindResourceA(nullptr, name, type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(nullptr, found);
    return {static_cast<const std::uint8_t*>(LockResource(loaded)), SizeofResource(nullptr, found)};
}

std::string resourceText(LPCSTR name, LPCSTR type) {
    const ResourceBytes r = findResource(name, type);
    return r.data ? std::string(reinterpret_cast<const char*>(r.data), r.size) : std::string();
}

#ifdef LARKSPUR_FILES_STREAM_PATH
std::vector<std::uint8_t> readFile(const char* path) {
    std::vector<std::uint8_t> bytes;
    if (std::FILE* file = std::fopen(path, "rb")) {
        int c;
        while ((c = std::fgetc(file)) != EOF) bytes.push_back(static_cast<std::uint8_t>(c));
        std::fclose(file);
    }
    return bytes;
}

TEST(FilesResource, IsTheWholePackedStreamUnderStringTypeAndName) {
    const ResourceBytes files = findResource("FILES", "FILES");
    ASSERT_NE(files.data, nullptr);
    ASSERT_GE(files.size, 2u);
    EXPECT_EQ(files.data[0], 0x78);
    EXPECT_EQ(files.data[1], 0xDA);
    const std::vector<std::uint8_t> stream = readFile(LARKSPUR_FILES_STREAM_PATH);
    ASSERT_FALSE(stream.empty()) << LARKSPUR_FILES_STREAM_PATH;
    ASSERT_EQ(files.size, stream.size());
    EXPECT_TRUE(std::equal(stream.begin(), stream.end(), files.data));
}

TEST(FilesResource, IsLanguageNeutral) {
    EXPECT_NE(FindResourceExA(nullptr, "FILES", "FILES", MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)), nullptr);
}
#endif

struct PickerBitmap {
    const char* name;
    int width, height;
    COLORREF key;
};

const PickerBitmap pickerBitmaps[] = {
    {"FIXEDDRIVE", 16, 11, RGB(0, 0, 255)},
    {"REMOVABLEDRIVE", 16, 10, RGB(255, 255, 255)},
    {"OPENFOLDER", 16, 16, RGB(128, 128, 0)},
    {"CLOSEDFOLDER", 16, 16, RGB(128, 128, 0)},
};

TEST(PickerBitmaps, LoadWithTheirSizes) {
    for (const PickerBitmap& b : pickerBitmaps) {
        SCOPED_TRACE(b.name);
        HBITMAP loaded = LoadBitmapA(GetModuleHandleA(nullptr), b.name);
        ASSERT_NE(loaded, nullptr);
        BITMAP info{};
        ASSERT_NE(GetObjectA(loaded, sizeof info, &info), 0);
        EXPECT_EQ(info.bmWidth, b.width);
        EXPECT_EQ(info.bmHeight, b.height);
        DeleteObject(loaded);
    }
}

// The picker draws each bitmap with its bottom-left pixel's colour as the transparent one.
TEST(PickerBitmaps, AreSixteenColourDibsWithTheKeyBottomLeft) {
    for (const PickerBitmap& b : pickerBitmaps) {
        SCOPED_TRACE(b.name);
        const ResourceBytes r = findResource(b.name, MAKEINTRESOURCEA(2));  // RT_BITMAP
        ASSERT_NE(r.data, nullptr);
        ASSERT_GE(r.size, sizeof(BITMAPINFOHEADER) + 16 * sizeof(RGBQUAD));
        BITMAPINFOHEADER header;
        std::memcpy(&header, r.data, sizeof header);
        EXPECT_EQ(header.biBitCount, 4);
        EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
        ASSERT_GT(header.biHeight, 0) << "bottom-up rows";
        const std::uint8_t* palette = r.data + header.biSize;
        const std::uint8_t* firstRow = palette + 16 * sizeof(RGBQUAD);  // the bottom row
        const std::uint8_t* key = palette + 4 * (firstRow[0] >> 4);
        EXPECT_EQ(RGB(key[2], key[1], key[0]), b.key);
    }
}

struct GroupIconEntry {
    std::uint8_t width, height, colours, reserved;
    std::uint16_t planes, bitCount;
    std::uint32_t bytes;
    std::uint16_t id;
};

std::vector<GroupIconEntry> iconGroupOne() {
    const ResourceBytes group = findResource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    std::vector<GroupIconEntry> entries;
    if (!group.data || group.size < 6) return entries;
    const unsigned count = group.data[4] | group.data[5] << 8;
    for (unsigned i = 0; i < count && 6 + 14 * (i + 1) <= group.size; ++i) {
        const std::uint8_t* e = group.data + 6 + 14 * i;
        GroupIconEntry entry{};
        entry.width = e[0];
        entry.height = e[1];
        entry.colours = e[2];
        entry.reserved = e[3];
        entry.planes = static_cast<std::uint16_t>(e[4] | e[5] << 8);
        entry.bitCount = static_cast<std::uint16_t>(e[6] | e[7] << 8);
        entry.bytes = e[8] | e[9] << 8 | e[10] << 16 | static_cast<std::uint32_t>(e[11]) << 24;
        entry.id = static_cast<std::uint16_t>(e[12] | e[13] << 8);
        entries.push_back(entry);
    }
    return entries;
}

TEST(IconGroup, HoldsFourSizesAt32BitsEachBackedByAnIcon) {
    const std::vector<GroupIconEntry> entries = iconGroupOne();
    std::vector<int> sizes;
    for (const GroupIconEntry& e : entries) {
        const int size = e.width == 0 ? 256 : e.width;
        SCOPED_TRACE(size);
        sizes.push_back(size);
        EXPECT_EQ(e.height, e.width);
        EXPECT_EQ(e.bitCount, 32);
        const ResourceBytes image = findResource(MAKEINTRESOURCEA(e.id), MAKEINTRESOURCEA(3));  // RT_ICON
        ASSERT_NE(image.data, nullptr);
        EXPECT_EQ(image.size, e.bytes);
    }
    EXPECT_EQ(sizes, (std::vector<int>{256, 48, 32, 16}));
}

TEST(IconGroup, LoadsAsAnIconAtEverySize) {
    EXPECT_NE(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1)), nullptr);
    for (int size : {256, 48, 32, 16}) {
        SCOPED_TRACE(size);
        HICON icon = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        ASSERT_NE(GetObjectA(info.hbmColor, sizeof colour, &colour), 0);
        EXPECT_EQ(colour.bmWidth, size);
        EXPECT_EQ(colour.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST(Manifest, AsksForCommonControlsSixAndTheHighestAvailableLevel) {
    const std::string manifest = resourceText(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\""), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("processorArchitecture=\"x86\""), std::string::npos);
    EXPECT_NE(manifest.find("level=\"highestAvailable\""), std::string::npos);
    EXPECT_NE(manifest.find("uiAccess=\"false\""), std::string::npos);
    EXPECT_NE(manifest.find("<supportedOS"), std::string::npos);
}

// The manifest only helps if Windows honours it: the process's activation context then
// sends comctl32.dll to the side-by-side assembly of version 6.
TEST(Manifest, RedirectsTheCommonControlsToVersionSix) {
    ACTCTX_SECTION_KEYED_DATA found{};
    found.cbSize = sizeof found;
    ASSERT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, L"comctl32.dll", &found))
        << "error " << GetLastError();
    ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION* assembly = nullptr;
    SIZE_T needed = 0;
    DWORD index = found.ulAssemblyRosterIndex;
    QueryActCtxW(0, found.hActCtx, &index, AssemblyDetailedInformationInActivationContext, nullptr, 0, &needed);
    ASSERT_GT(needed, 0u);
    std::vector<std::uint8_t> buffer(needed);
    ASSERT_TRUE(QueryActCtxW(0, found.hActCtx, &index, AssemblyDetailedInformationInActivationContext, buffer.data(),
                             buffer.size(), &needed));
    assembly = reinterpret_cast<ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(buffer.data());
    const std::wstring identity(assembly->lpAssemblyEncodedAssemblyIdentity,
                                assembly->ulEncodedAssemblyIdentityLength / sizeof(wchar_t));
    EXPECT_NE(identity.find(L"Microsoft.Windows.Common-Controls"), std::wstring::npos);
    EXPECT_NE(identity.find(L"version=\"6."), std::wstring::npos);
    ReleaseActCtx(found.hActCtx);
}

std::string versionString(const std::vector<char>& block, const char* key) {
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904E4\\") + key;
    if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || !value) return {};
    return value;
}

TEST(VersionInfo, NamesTheProduct) {
    char exe[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, exe, MAX_PATH), 0u);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(exe, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(exe, 0, size, block.data()));
    EXPECT_EQ(versionString(block, "ProductName"), "Larkspur Latin Spellchecker");
    EXPECT_EQ(versionString(block, "FileDescription"), "Larkspur Latin Spellchecker - Setup");
}

}  // namespace
