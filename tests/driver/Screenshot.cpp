// Screenshots through GDI: the screen's device context copied into a DIB section and written
// as a bottom-up 24-bit BMP file. Under Wine the screen is the X display the program runs on.
#include "tests/driver/GuiDriver.h"

#include "platform/Handles.h"

namespace guidriver {
namespace {

RECT CaptureArea(HWND window) {
    RECT area{};
    if (window) {
        ::GetWindowRect(window, &area);
    } else {
        area.right = ::GetSystemMetrics(SM_CXSCREEN);
        area.bottom = ::GetSystemMetrics(SM_CYSCREEN);
    }
    return area;
}

bool WriteAll(HANDLE file, const void* data, DWORD size) {
    DWORD written = 0;
    return ::WriteFile(file, data, size, &written, nullptr) && written == size;
}

bool WriteBitmapFile(const std::wstring& path, const BITMAPINFOHEADER& header, const void* pixels) {
    platform::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    fileHeader.bfSize = fileHeader.bfOffBits + header.biSizeImage;
    return WriteAll(file.get(), &fileHeader, sizeof(fileHeader)) &&
           WriteAll(file.get(), &header, sizeof(header)) &&
           WriteAll(file.get(), pixels, header.biSizeImage);
}

} // namespace

bool SaveScreenshot(const std::wstring& path, HWND window) {
    const RECT area = CaptureArea(window);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return false;

    BITMAPINFO info{};
    BITMAPINFOHEADER& header = info.bmiHeader;
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = width;
    header.biHeight = height;  // positive: bottom-up, the layout every reader accepts
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(((width * 3 + 3) & ~3) * height);

    platform::WindowDC screen(nullptr);
    platform::MemoryDC memory(screen.get());
    void* pixels = nullptr;
    platform::UniqueBitmap bitmap(
        ::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!screen.get() || !memory.get() || !bitmap || !pixels) return false;
    {
        platform::SelectedObject selected(memory.get(), bitmap.get());
        if (!::BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top,
                      SRCCOPY | CAPTUREBLT)) {
            return false;
        }
    }
    ::GdiFlush();
    return WriteBitmapFile(path, header, pixels);
}

} // namespace guidriver
