// The stand-in's main window: a caption, a read-only report, and the window property by which
// the setup tells that the word processor is running.
#pragma once
#include "platform/Handles.h"
#include "tools/host/WindowProperty.h"

#include <string>

namespace host {

class HostWindow {
public:
    HostWindow() = default;
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    // report uses CR LF line ends and tabs between columns. closeAfterMs 0 keeps the window
    // open until the user closes it. False when the window cannot be created.
    bool create(HINSTANCE instance, const std::string& report, unsigned closeAfterMs);

    // Runs the message loop until the window has been destroyed; returns the exit code.
    static int runUntilClosed();

private:
    static LRESULT CALLBACK windowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createReportBox();
    void layOut();

    HWND wnd_ = nullptr;
    HWND reportBox_ = nullptr;  // a child: destroyed with the window
    std::string report_;
    unsigned closeAfterMs_ = 0;
    WindowProperty runningMark_;
    platform::WindowTimer closeTimer_;
};

} // namespace host
