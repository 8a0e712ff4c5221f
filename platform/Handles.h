// Small owners for Windows handles: one non-copyable type per handle kind, so that no logic
// ever calls a close function itself.
#pragma once
#include <windows.h>
#include <utility>

namespace platform {

// A kernel file handle. Both NULL and INVALID_HANDLE_VALUE mean "none".
class UniqueFile {
public:
    UniqueFile() = default;
    explicit UniqueFile(HANDLE h) : h_(h) {}
    ~UniqueFile() { reset(); }
    UniqueFile(UniqueFile&& o) noexcept : h_(std::exchange(o.h_, INVALID_HANDLE_VALUE)) {}
    UniqueFile& operator=(UniqueFile&& o) noexcept { if (this != &o) { reset(); h_ = std::exchange(o.h_, INVALID_HANDLE_VALUE); } return *this; }
    UniqueFile(const UniqueFile&) = delete;
    UniqueFile& operator=(const UniqueFile&) = delete;

    HANDLE get() const { return h_; }
    bool valid() const { return h_ != nullptr && h_ != INVALID_HANDLE_VALUE; }
    explicit operator bool() const { return valid(); }
    void reset(HANDLE h = INVALID_HANDLE_VALUE) { if (valid()) ::CloseHandle(h_); h_ = h; }

private:
    HANDLE h_ = INVALID_HANDLE_VALUE;
};

// A directory search started by FindFirstFileA or FindFirstFileW.
class UniqueFind {
public:
    UniqueFind() = default;
    explicit UniqueFind(HANDLE h) : h_(h) {}
    ~UniqueFind() { if (valid()) ::FindClose(h_); }
    UniqueFind(const UniqueFind&) = delete;
    UniqueFind& operator=(const UniqueFind&) = delete;

    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
    explicit operator bool() const { return valid(); }

private:
    HANDLE h_ = INVALID_HANDLE_VALUE;
};

// An open registry key.
class UniqueRegKey {
public:
    UniqueRegKey() = default;
    ~UniqueRegKey() { reset(); }
    UniqueRegKey(const UniqueRegKey&) = delete;
    UniqueRegKey& operator=(const UniqueRegKey&) = delete;

    HKEY get() const { return k_; }
    HKEY* put() { reset(); return &k_; }
    explicit operator bool() const { return k_ != nullptr; }
    void reset() { if (k_) ::RegCloseKey(k_); k_ = nullptr; }

private:
    HKEY k_ = nullptr;
};

// A GDI object (bitmap, font, brush, pen) that we created and must delete.
template <typename T>
class UniqueGdi {
public:
    UniqueGdi() = default;
    explicit UniqueGdi(T h) : h_(h) {}
    ~UniqueGdi() { reset(); }
    UniqueGdi(UniqueGdi&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    UniqueGdi& operator=(UniqueGdi&& o) noexcept { if (this != &o) { reset(); h_ = std::exchange(o.h_, nullptr); } return *this; }
    UniqueGdi(const UniqueGdi&) = delete;
    UniqueGdi& operator=(const UniqueGdi&) = delete;

    T get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    void reset(T h = nullptr) { if (h_) ::DeleteObject(h_); h_ = h; }

private:
    T h_ = nullptr;
};
using UniqueBitmap = UniqueGdi<HBITMAP>;
using UniqueFont = UniqueGdi<HFONT>;
using UniqueBrush = UniqueGdi<HBRUSH>;

// Selects an object into a device context and puts the previous one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ obj) : dc_(dc), old_(::SelectObject(dc, obj)) {}
    ~SelectedObject() { if (old_) ::SelectObject(dc_, old_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// The device context of a window (or of the screen, for a null window), released at the end.
class WindowDC {
public:
    explicit WindowDC(HWND wnd = nullptr) : wnd_(wnd), dc_(::GetDC(wnd)) {}
    ~WindowDC() { if (dc_) ::ReleaseDC(wnd_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return dc_; }

private:
    HWND wnd_;
    HDC dc_;
};

// A memory device context compatible with another one.
class MemoryDC {
public:
    explicit MemoryDC(HDC like) : dc_(::CreateCompatibleDC(like)) {}
    ~MemoryDC() { if (dc_) ::DeleteDC(dc_); }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// A window timer: started on construction, killed on destruction.
class WindowTimer {
public:
    WindowTimer() = default;
    WindowTimer(HWND wnd, UINT_PTR id, UINT periodMs) { start(wnd, id, periodMs); }
    ~WindowTimer() { stop(); }
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    void start(HWND wnd, UINT_PTR id, UINT periodMs) {
        stop();
        if (::SetTimer(wnd, id, periodMs, nullptr)) { wnd_ = wnd; id_ = id; }
    }
    void stop() { if (wnd_) ::KillTimer(wnd_, id_); wnd_ = nullptr; }
    bool running() const { return wnd_ != nullptr; }

private:
    HWND wnd_ = nullptr;
    UINT_PTR id_ = 0;
};

// A library loaded with LoadLibrary or LoadLibraryEx, freed at the end.
class UniqueModule {
public:
    UniqueModule() = default;
    explicit UniqueModule(HMODULE h) : h_(h) {}
    ~UniqueModule() { reset(); }
    UniqueModule(const UniqueModule&) = delete;
    UniqueModule& operator=(const UniqueModule&) = delete;

    HMODULE get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    void reset(HMODULE h = nullptr) { if (h_) ::FreeLibrary(h_); h_ = h; }

private:
    HMODULE h_ = nullptr;
};

// Sets the process error mode for a scope and restores the previous one on every way out.
class ErrorModeScope {
public:
    explicit ErrorModeScope(UINT mode) : old_(::SetErrorMode(mode)) {}
    ~ErrorModeScope() { ::SetErrorMode(old_); }
    ErrorModeScope(const ErrorModeScope&) = delete;
    ErrorModeScope& operator=(const ErrorModeScope&) = delete;

private:
    UINT old_;
};

} // namespace platform
