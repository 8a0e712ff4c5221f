// The one message-box service of the setup: fixed caption, owner, modality and button language.
#pragma once
#include <cstdint>
#include <string>

namespace shell {

enum MessageKind : uint8_t { mkWarning = 0, mkError = 1, mkInformation = 2, mkConfirmation = 3 };

// Button sets are sums of per-button flags; only the whole values below are recognised.
using ButtonSet = uint16_t;
constexpr ButtonSet kButtonsYesNo = 3;
constexpr ButtonSet kButtonsOK = 4;
constexpr ButtonSet kButtonsYesNoCancel = 11;
constexpr ButtonSet kButtonsOKCancel = 12;
constexpr ButtonSet kButtonsRetryCancel = 40;
constexpr ButtonSet kButtonsAbortRetryIgnore = 112;

// The pressed button, with the numbers Windows uses (IDOK .. IDNO).
using DialogResult = int32_t;

// The style MessageBoxExW gets for a kind and a button set (icon, buttons, MB_TASKMODAL).
unsigned MessageBoxStyle(uint8_t kind, ButtonSet buttons);
// Maps what MessageBoxExW returned: 2..7 unchanged, anything else (0 included) becomes 1.
DialogResult MapMessageBoxAnswer(int answer);

// Shows the box with SetupTitle as caption and returns the pressed button. Blocks.
DialogResult SetupMessageBox(const std::string& text, uint8_t kind, ButtonSet buttons);

// The window that owns every box (the application's hidden owner window); null until the
// program sets it. Start-up sets it; tests may leave it null.
void SetMessageBoxOwner(void* ownerWindow);

} // namespace shell
