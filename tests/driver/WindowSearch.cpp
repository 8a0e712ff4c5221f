// Waiting for and finding windows and controls.
#include "tests/driver/GuiDriver.h"
#include "tests/driver/Messaging.h"

#include <algorithm>
#include <iterator>
#include <thread>

namespace guidriver {
namespace {

constexpr Timeout kPollInterval{50};

bool SameClass(HWND window, const std::wstring& className) {
    return className.empty() || ::lstrcmpiW(ClassName(window).c_str(), className.c_str()) == 0;
}

// The caption as stored, read without sending anything: the owner thread may be busy, and a
// sent WM_GETTEXT would wait for it.
std::wstring StoredCaption(HWND window) {
    wchar_t buffer[512] = {};
    const int length = ::InternalGetWindowText(window, buffer, static_cast<int>(std::size(buffer)));
    return std::wstring(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}

bool MatchesQuery(HWND window, const WindowQuery& query) {
    if (query.visibleOnly && !::IsWindowVisible(window)) return false;
    if (query.processId != 0) {
        DWORD processId = 0;
        ::GetWindowThreadProcessId(window, &processId);
        if (processId != query.processId) return false;
    }
    if (!SameClass(window, query.className)) return false;
    return query.caption.empty() || StoredCaption(window) == query.caption;
}

struct TopSearch {
    const WindowQuery* query;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopWindow(HWND window, LPARAM state) {
    auto* search = reinterpret_cast<TopSearch*>(state);
    if (MatchesQuery(window, *search->query)) search->found.push_back(window);
    return TRUE;
}

struct ChildSearch {
    const std::wstring* className;
    const std::wstring* text;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM state) {
    auto* search = reinterpret_cast<ChildSearch*>(state);
    if (SameClass(window, *search->className) &&
        (search->text->empty() || Text(window) == *search->text)) {
        search->found.push_back(window);
    }
    return TRUE;
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, Timeout timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(kPollInterval);
    }
}

std::vector<HWND> FindTopWindows(const WindowQuery& query) {
    TopSearch search{&query, {}};
    ::EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopWindow(const WindowQuery& query) {
    const std::vector<HWND> found = FindTopWindows(query);
    return found.empty() ? nullptr : found.front();
}

HWND WaitForWindow(const WindowQuery& query, Timeout timeout) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopWindow(query)) != nullptr; }, timeout);
    return found;
}

bool WaitForWindowGone(HWND window, Timeout timeout) {
    return WaitUntil([window] { return !::IsWindow(window); }, timeout);
}

bool WaitForIdle(HWND window, Timeout timeout) {
    DWORD_PTR ignored = 0;
    const UINT limit = static_cast<UINT>(timeout.count());
    return ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, limit, &ignored) != 0;
}

bool WaitForPainted(HWND window, Timeout timeout) {
    const auto waitsForPaint = [](HWND w) { return Visible(w) && ::GetUpdateRect(w, nullptr, FALSE); };
    const bool painted = WaitUntil([&] {
        if (waitsForPaint(window)) return false;
        const std::vector<HWND> controls = FindControls(window, std::wstring());
        return std::none_of(controls.begin(), controls.end(), waitsForPaint);
    }, timeout);
    return painted && WaitForIdle(window, timeout);
}

HWND ControlById(HWND parent, int id) {
    return ::GetDlgItem(parent, id);
}

std::vector<HWND> FindControls(HWND parent, const std::wstring& className,
                               const std::wstring& text) {
    ChildSearch search{&className, &text, {}};
    ::EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindControl(HWND parent, const std::wstring& className, const std::wstring& text) {
    const std::vector<HWND> found = FindControls(parent, className, text);
    return found.empty() ? nullptr : found.front();
}

HWND WaitForControl(HWND parent, const std::wstring& className, const std::wstring& text,
                    Timeout timeout) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindControl(parent, className, text)) != nullptr; }, timeout);
    return found;
}

} // namespace guidriver
