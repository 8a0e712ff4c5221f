// A window property that lasts as long as its owner: set on a window, removed at the end.
#pragma once
#include <windows.h>

namespace host {

class WindowProperty {
public:
    WindowProperty() = default;
    ~WindowProperty() { remove(); }
    WindowProperty(const WindowProperty&) = delete;
    WindowProperty& operator=(const WindowProperty&) = delete;

    // name must outlive the property (a string literal).
    void set(HWND wnd, const char* name, HANDLE value) {
        remove();
        if (::SetPropA(wnd, name, value)) {
            wnd_ = wnd;
            name_ = name;
        }
    }
    void remove() {
        if (wnd_) ::RemovePropA(wnd_, name_);
        wnd_ = nullptr;
    }

private:
    HWND wnd_ = nullptr;
    const char* name_ = nullptr;
};

} // namespace host
