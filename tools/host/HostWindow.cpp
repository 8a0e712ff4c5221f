#include "tools/host/HostWindow.h"

namespace host {

namespace {

const char* const kClassName = "LarkspurWordProcessorStandIn";
const char* const kCaption = "Larkspur Word Processor (stand-in)";
// A top-level window carrying this property with a non-zero value tells the setup that the
// word processor is running.
const char* const kRunningProperty = "1.x Brightfen";
const HANDLE kRunningValue = reinterpret_cast<HANDLE>(1);

constexpr UINT_PTR kCloseTimerId = 1;
constexpr int kReportId = 100;
constexpr int kWindowWidth = 520;
constexpr int kWindowHeight = 360;
constexpr int kMargin = 8;
constexpr int kTextMargin = 4;
constexpr int kTabStopDialogUnits = 80;

bool RegisterWindowClass(HINSTANCE instance, WNDPROC windowProc) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    return ::RegisterClassExA(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

HostWindow::~HostWindow() {
    if (wnd_) ::DestroyWindow(wnd_);
}

bool HostWindow::create(HINSTANCE instance, const std::string& report, unsigned closeAfterMs) {
    report_ = report;
    closeAfterMs_ = closeAfterMs;
    if (!RegisterWindowClass(instance, &HostWindow::windowProc)) return false;
    if (!::CreateWindowExA(0, kClassName, kCaption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                           kWindowWidth, kWindowHeight, nullptr, nullptr, instance, this))
        return false;
    ::ShowWindow(wnd_, SW_SHOWDEFAULT);
    ::UpdateWindow(wnd_);
    return true;
}

int HostWindow::runUntilClosed() {
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return 0;
}

LRESULT CALLBACK HostWindow::windowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<HostWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->wnd_ = wnd;
        ::SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<HostWindow*>(::GetWindowLongPtrA(wnd, GWLP_USERDATA));
    if (!self) return ::DefWindowProcA(wnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
        self->wnd_ = nullptr;
        self->reportBox_ = nullptr;
        return ::DefWindowProcA(wnd, message, wParam, lParam);
    }
    return self->handle(message, wParam, lParam);
}

LRESULT HostWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        runningMark_.set(wnd_, kRunningProperty, kRunningValue);
        createReportBox();
        if (closeAfterMs_ != 0) closeTimer_.start(wnd_, kCloseTimerId, closeAfterMs_);
        return 0;
    case WM_SIZE:
        layOut();
        return 0;
    case WM_TIMER:
        if (wParam != kCloseTimerId) break;
        closeTimer_.stop();
        ::PostMessageA(wnd_, WM_CLOSE, 0, 0);
        return 0;
    case WM_CTLCOLORSTATIC:
        // A read-only edit asks for the dialog colour; the report reads better on paper white.
        if (reinterpret_cast<HWND>(lParam) != reportBox_) break;
        ::SetBkColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_WINDOW));
        ::SetTextColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
    case WM_DESTROY:
        closeTimer_.stop();
        runningMark_.remove();
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(wnd_, message, wParam, lParam);
}

void HostWindow::createReportBox() {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
    const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(wnd_, GWLP_HINSTANCE));
    reportBox_ = ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", report_.c_str(), style, 0, 0, 0, 0, wnd_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kReportId)), instance, nullptr);
    if (!reportBox_) return;
    ::SendMessageA(reportBox_, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    ::SendMessageA(reportBox_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(kTextMargin, kTextMargin));
    int tabStop = kTabStopDialogUnits;
    ::SendMessageA(reportBox_, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
}

void HostWindow::layOut() {
    RECT client;
    if (!reportBox_ || !::GetClientRect(wnd_, &client)) return;
    ::MoveWindow(reportBox_, kMargin, kMargin, client.right - 2 * kMargin, client.bottom - 2 * kMargin, TRUE);
}

} // namespace host
