// Sending to another thread's or process's window with a time limit, used by the whole driver.
#pragma once
#include <windows.h>

namespace guidriver {

// How long one sent message may take before the driver gives up on it.
constexpr UINT kSendTimeoutMs = 5000;

// Sends the message and waits for the answer; false if the window did not answer in time.
inline bool SendTimed(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                      LRESULT* result = nullptr) {
    DWORD_PTR answer = 0;
    const bool answered = ::SendMessageTimeoutW(window, message, wParam, lParam,
                                                SMTO_ABORTIFHUNG, kSendTimeoutMs, &answer) != 0;
    if (result) *result = answered ? static_cast<LRESULT>(answer) : 0;
    return answered;
}

// The answer, or the fallback when the window did not answer in time.
inline LRESULT SendTimedOr(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT fallback) {
    LRESULT result = 0;
    return SendTimed(window, message, wParam, lParam, &result) ? result : fallback;
}

} // namespace guidriver
