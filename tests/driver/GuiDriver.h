// Drives windows the way a person would, from a thread or a process other than the one that
// owns them: find windows and controls, read their texts and states, press, tick, type, close,
// and take screenshots. Every wait is bounded, so a test whose program misbehaves fails instead
// of hanging. Texts are UTF-16, as the windows hold them.
//
// Actions are posted, not sent: a click may open a modal box, and a sent message would then
// keep the driver waiting until somebody answers that box.
#pragma once
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace guidriver {

using Timeout = std::chrono::milliseconds;
// Generous: 32-bit programs run through an emulator here and are slow to start and to paint.
constexpr Timeout kDefaultTimeout{15000};

// Polls the condition until it holds or the time is up; true if it held.
bool WaitUntil(const std::function<bool()>& condition, Timeout timeout = kDefaultTimeout);

// ---- Top-level windows ----------------------------------------------------------------------
struct WindowQuery {
    std::wstring caption;    // exact match; empty matches any
    std::wstring className;  // exact match; empty matches any
    DWORD processId = 0;     // 0 matches any process
    // The setup's hidden owner window carries the same caption as its wizard and its boxes.
    bool visibleOnly = true;
};

// Matching top-level windows, topmost first.
std::vector<HWND> FindTopWindows(const WindowQuery& query);
HWND FindTopWindow(const WindowQuery& query);  // null if none
HWND WaitForWindow(const WindowQuery& query, Timeout timeout = kDefaultTimeout);
// True once the window is destroyed.
bool WaitForWindowGone(HWND window, Timeout timeout = kDefaultTimeout);
// True once the window's thread has come back to its message loop (it answered WM_NULL).
bool WaitForIdle(HWND window, Timeout timeout = kDefaultTimeout);
// True once neither the window nor any of its shown controls waits to be painted, and its
// thread is idle: the moment for a screenshot.
bool WaitForPainted(HWND window, Timeout timeout = kDefaultTimeout);

// ---- Finding controls -----------------------------------------------------------------------
HWND ControlById(HWND parent, int id);
// Descendants with the class (empty: any) and the text (empty: any), depth first in z-order.
std::vector<HWND> FindControls(HWND parent, const std::wstring& className,
                               const std::wstring& text = std::wstring());
HWND FindControl(HWND parent, const std::wstring& className,
                 const std::wstring& text = std::wstring());  // null if none
HWND WaitForControl(HWND parent, const std::wstring& className, const std::wstring& text,
                    Timeout timeout = kDefaultTimeout);

// ---- Reading --------------------------------------------------------------------------------
std::wstring ClassName(HWND window);
std::wstring Text(HWND window);  // WM_GETTEXT; empty if the window does not answer in time
int ControlId(HWND control);
bool Enabled(HWND window);
bool Visible(HWND window);  // the window and all its parents are shown
bool Checked(HWND checkBox);
HWND Owner(HWND window);
// The control with the keyboard focus in the window's thread, or null.
HWND FocusedControl(HWND window);
// Removes the access-key markers: "&Retry" becomes "Retry", "&&" becomes "&".
std::wstring WithoutAccessKeys(const std::wstring& text);

// ---- Message boxes --------------------------------------------------------------------------
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr int kMessageBoxTextId = 0xFFFF;

struct Button {
    int id;
    std::wstring text;
};
// The visible push buttons of a window, from left to right.
std::vector<Button> Buttons(HWND window);
std::wstring MessageBoxText(HWND box);
// The icon shown by a message box's icon control, or null.
HICON MessageBoxIcon(HWND box);

// ---- Acting ---------------------------------------------------------------------------------
// Presses a button. Like a person, refuses a button that is disabled or hidden.
bool Click(HWND button);
bool ClickById(HWND dialog, int id);
bool ClickByText(HWND parent, const std::wstring& text);  // text as shown, access keys included
// Posts the WM_COMMAND a button with this id sends when pressed; works on any dialog.
bool SendCommand(HWND dialog, int id);
// Clicks the check box if needed and waits until it shows the wanted state.
bool SetChecked(HWND checkBox, bool checked, Timeout timeout = kDefaultTimeout);
// Replaces an edit's text at once (WM_SETTEXT; the edit notifies its parent with EN_CHANGE).
bool SetEditText(HWND edit, const std::wstring& text);
// Types the text character by character (WM_CHAR), as a keyboard would.
bool TypeText(HWND target, const std::wstring& text);
// Key down and key up of a virtual key, for example VK_RETURN or VK_ESCAPE.
bool PressKey(HWND target, UINT virtualKey);
// The same, sent to whichever control of the window's thread has the focus (else the window).
bool PressKeyOnFocus(HWND window, UINT virtualKey);
bool RequestClose(HWND window);   // WM_CLOSE
bool SystemClose(HWND window);    // WM_SYSCOMMAND SC_CLOSE, as the close box does

// ---- List boxes and combo boxes -------------------------------------------------------------
int ListCount(HWND list);
std::wstring ListItemText(HWND list, int index);  // needs a list that keeps its strings
int ListSelection(HWND list);                      // LB_ERR if none
// Selects the item and tells the parent, as a click on it does.
bool SelectListItem(HWND list, int index);
// Double-clicks the middle of the item with the mouse messages a person's double click makes.
bool DoubleClickListItem(HWND list, int index);

int ComboCount(HWND combo);
std::wstring ComboItemText(HWND combo, int index);
int ComboSelection(HWND combo);  // CB_ERR if none
bool SelectComboItem(HWND combo, int index);

// ---- Screenshots ----------------------------------------------------------------------------
// Saves the screen (window null) or the screen area of one window as a 24-bit BMP file.
bool SaveScreenshot(const std::wstring& path, HWND window = nullptr);

} // namespace guidriver
