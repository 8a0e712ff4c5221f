#include "shell/SetupMessageBox.h"

#include "instutils/InstUtils.h"
#include "platform/WideText.h"

#include <windows.h>

namespace shell {
namespace {

HWND messageBoxOwner = nullptr;

// English button captions whatever the user's language.
constexpr WORD kButtonLanguage = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

unsigned IconStyle(uint8_t kind) {
    switch (kind) {
    case mkWarning: return MB_ICONEXCLAMATION;
    case mkInformation: return MB_ICONASTERISK;
    case mkConfirmation: return MB_ICONQUESTION;
    default: return MB_ICONHAND;
    }
}

// Whole values only: 116 (Abort, Retry, Ignore plus OK) is not a set the program knows, so it
// gets a plain OK box rather than whichever buttons its bits happen to contain.
unsigned ButtonStyle(ButtonSet buttons) {
    struct Recognised {
        ButtonSet buttons;
        unsigned style;
    };
    static const Recognised kRecognised[] = {
        {kButtonsAbortRetryIgnore, MB_ABORTRETRYIGNORE},
        {kButtonsOKCancel, MB_OKCANCEL},
        {kButtonsRetryCancel, MB_RETRYCANCEL},
        {kButtonsYesNo, MB_YESNO},
        {kButtonsYesNoCancel, MB_YESNOCANCEL},
    };
    for (const Recognised& entry : kRecognised) {
        if (entry.buttons == buttons) return entry.style;
    }
    return MB_OK;
}

} // namespace

unsigned MessageBoxStyle(uint8_t kind, ButtonSet buttons) {
    return IconStyle(kind) | ButtonStyle(buttons) | MB_TASKMODAL;
}

DialogResult MapMessageBoxAnswer(int answer) {
    return answer >= IDCANCEL && answer <= IDNO ? answer : IDOK;
}

DialogResult SetupMessageBox(const std::string& text, uint8_t kind, ButtonSet buttons) {
    const std::wstring wideText = platform::ToWide(text);
    const std::wstring caption = platform::ToWide(instutils::SetupTitle);
    const int answer = ::MessageBoxExW(messageBoxOwner, wideText.c_str(), caption.c_str(),
                                       MessageBoxStyle(kind, buttons), kButtonLanguage);
    return MapMessageBoxAnswer(answer);
}

void SetMessageBoxOwner(void* ownerWindow) {
    messageBoxOwner = static_cast<HWND>(ownerWindow);
}

} // namespace shell
