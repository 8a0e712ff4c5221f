// Reading texts and states of windows, controls and message boxes.
#include "tests/driver/GuiDriver.h"
#include "tests/driver/Messaging.h"

#include <algorithm>
#include <iterator>

namespace guidriver {
namespace {

bool IsPushButton(HWND button) {
    const LONG type = ::GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

int LeftEdge(HWND window) {
    RECT area{};
    ::GetWindowRect(window, &area);
    return area.left;
}

} // namespace

std::wstring ClassName(HWND window) {
    wchar_t buffer[256] = {};
    const int length = ::GetClassNameW(window, buffer, static_cast<int>(std::size(buffer)));
    return std::wstring(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

std::wstring Text(HWND window) {
    const LRESULT length = SendTimedOr(window, WM_GETTEXTLENGTH, 0, 0, 0);
    if (length <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendTimedOr(window, WM_GETTEXT, text.size(),
                                       reinterpret_cast<LPARAM>(&text[0]), 0);
    text.resize(static_cast<size_t>(std::clamp<LRESULT>(copied, 0, length)));
    return text;
}

int ControlId(HWND control) {
    return ::GetDlgCtrlID(control);
}

bool Enabled(HWND window) {
    return ::IsWindowEnabled(window) != FALSE;
}

bool Visible(HWND window) {
    return ::IsWindowVisible(window) != FALSE;
}

bool Checked(HWND checkBox) {
    return SendTimedOr(checkBox, BM_GETCHECK, 0, 0, BST_UNCHECKED) == BST_CHECKED;
}

HWND Owner(HWND window) {
    return ::GetWindow(window, GW_OWNER);
}

HWND FocusedControl(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

std::wstring WithoutAccessKeys(const std::wstring& text) {
    std::wstring plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    return plain;
}

std::vector<Button> Buttons(HWND window) {
    std::vector<HWND> shown;
    for (HWND button : FindControls(window, L"Button")) {
        if (IsPushButton(button) && Visible(button)) shown.push_back(button);
    }
    std::stable_sort(shown.begin(), shown.end(),
                     [](HWND a, HWND b) { return LeftEdge(a) < LeftEdge(b); });
    std::vector<Button> buttons;
    for (HWND button : shown) buttons.push_back(Button{ControlId(button), Text(button)});
    return buttons;
}

std::wstring MessageBoxText(HWND box) {
    return Text(ControlById(box, kMessageBoxTextId));
}

HICON MessageBoxIcon(HWND box) {
    for (HWND control : FindControls(box, L"Static")) {
        const LONG type = ::GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK;
        if (type == SS_ICON && Visible(control)) {
            return reinterpret_cast<HICON>(SendTimedOr(control, STM_GETICON, 0, 0, 0));
        }
    }
    return nullptr;
}

} // namespace guidriver
