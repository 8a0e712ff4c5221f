// What a person does with the mouse and the keyboard, as window messages.
#include "tests/driver/GuiDriver.h"
#include "tests/driver/Messaging.h"

namespace guidriver {
namespace {

bool PostNotification(HWND control, WORD code) {
    const WPARAM command = MAKEWPARAM(static_cast<WORD>(ControlId(control)), code);
    return ::PostMessageW(::GetParent(control), WM_COMMAND, command,
                          reinterpret_cast<LPARAM>(control)) != FALSE;
}

LPARAM KeyData(UINT virtualKey, bool release) {
    const UINT scanCode = ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    LPARAM data = 1 | static_cast<LPARAM>(scanCode << 16);
    if (release) data |= static_cast<LPARAM>(0xC0000000u);  // previous state down, transition up
    return data;
}

bool ItemArea(HWND list, int index, RECT& area) {
    return SendTimedOr(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                       reinterpret_cast<LPARAM>(&area), LB_ERR) != LB_ERR;
}

bool IsInside(HWND window, const RECT& area) {
    RECT client{};
    ::GetClientRect(window, &client);
    return area.top >= client.top && area.bottom <= client.bottom;
}

} // namespace

bool Click(HWND button) {
    if (!::IsWindow(button) || !Enabled(button) || !Visible(button)) return false;
    return ::PostMessageW(button, BM_CLICK, 0, 0) != FALSE;
}

bool ClickById(HWND dialog, int id) {
    return Click(ControlById(dialog, id));
}

bool ClickByText(HWND parent, const std::wstring& text) {
    return Click(FindControl(parent, L"Button", text));
}

bool SendCommand(HWND dialog, int id) {
    const WPARAM command = MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED);
    return ::PostMessageW(dialog, WM_COMMAND, command,
                          reinterpret_cast<LPARAM>(ControlById(dialog, id))) != FALSE;
}

bool SetChecked(HWND checkBox, bool checked, Timeout timeout) {
    if (Checked(checkBox) == checked) return true;
    if (!Click(checkBox)) return false;
    return WaitUntil([&] { return Checked(checkBox) == checked; }, timeout);
}

bool SetEditText(HWND edit, const std::wstring& text) {
    LRESULT accepted = FALSE;
    return SendTimed(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &accepted) &&
           accepted != FALSE;
}

bool TypeText(HWND target, const std::wstring& text) {
    for (wchar_t character : text) {
        if (!::PostMessageW(target, WM_CHAR, character, 1)) return false;
    }
    return true;
}

bool PressKey(HWND target, UINT virtualKey) {
    return ::PostMessageW(target, WM_KEYDOWN, virtualKey, KeyData(virtualKey, false)) &&
           ::PostMessageW(target, WM_KEYUP, virtualKey, KeyData(virtualKey, true));
}

bool PressKeyOnFocus(HWND window, UINT virtualKey) {
    HWND focus = FocusedControl(window);
    return PressKey(focus ? focus : window, virtualKey);
}

bool RequestClose(HWND window) {
    return ::PostMessageW(window, WM_CLOSE, 0, 0) != FALSE;
}

bool SystemClose(HWND window) {
    return ::PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE;
}

int ListCount(HWND list) {
    return static_cast<int>(SendTimedOr(list, LB_GETCOUNT, 0, 0, LB_ERR));
}

std::wstring ListItemText(HWND list, int index) {
    const LRESULT length = SendTimedOr(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0, LB_ERR);
    if (length <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendTimedOr(list, LB_GETTEXT, static_cast<WPARAM>(index),
                                       reinterpret_cast<LPARAM>(&text[0]), LB_ERR);
    text.resize(copied > 0 && copied <= length ? static_cast<size_t>(copied) : 0);
    return text;
}

int ListSelection(HWND list) {
    return static_cast<int>(SendTimedOr(list, LB_GETCURSEL, 0, 0, LB_ERR));
}

bool SelectListItem(HWND list, int index) {
    if (!Enabled(list)) return false;
    if (SendTimedOr(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0, LB_ERR) == LB_ERR) return false;
    return PostNotification(list, LBN_SELCHANGE);
}

bool DoubleClickListItem(HWND list, int index) {
    if (!Enabled(list)) return false;
    RECT area{};
    if (!ItemArea(list, index, area)) return false;
    if (!IsInside(list, area)) {
        SendTimed(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        if (!ItemArea(list, index, area)) return false;
    }
    const LPARAM point = MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    return ::PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point) &&
           ::PostMessageW(list, WM_LBUTTONUP, 0, point) &&
           ::PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point) &&
           ::PostMessageW(list, WM_LBUTTONUP, 0, point);
}

int ComboCount(HWND combo) {
    return static_cast<int>(SendTimedOr(combo, CB_GETCOUNT, 0, 0, CB_ERR));
}

std::wstring ComboItemText(HWND combo, int index) {
    const LRESULT length = SendTimedOr(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0, CB_ERR);
    if (length <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendTimedOr(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                       reinterpret_cast<LPARAM>(&text[0]), CB_ERR);
    text.resize(copied > 0 && copied <= length ? static_cast<size_t>(copied) : 0);
    return text;
}

int ComboSelection(HWND combo) {
    return static_cast<int>(SendTimedOr(combo, CB_GETCURSEL, 0, 0, CB_ERR));
}

bool SelectComboItem(HWND combo, int index) {
    if (!Enabled(combo)) return false;
    if (SendTimedOr(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0, CB_ERR) == CB_ERR) return false;
    return PostNotification(combo, CBN_SELCHANGE);
}

} // namespace guidriver
