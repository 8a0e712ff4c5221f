// Real message boxes on the screen. The box runs on the test's main thread, as it does in the
// program; a second thread finds it, reads it and answers it the way a user would.
#include "platform/Handles.h"
#include "shell/SetupMessageBox.h"
#include "tests/driver/GuiDriver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using guidriver::Button;

const std::wstring kSetupTitle = L"Larkspur Latin Spellchecker - Setup";

const char kCannotCreateText[] =
    "Cannot create file \"C:\\Program Files\\Larkspur\\Spellcheck\\la.dic\".\r"
    "Another application might already be using this file.\r\r"
    "Please make sure that the setup of Larkspur Word Processor is not blocked by your security "
    "software (firewall/antivirus) in any way.\r"
    "You might want to temporarily disable your security software and try again.";
const wchar_t kCannotCreateWide[] =
    L"Cannot create file \"C:\\Program Files\\Larkspur\\Spellcheck\\la.dic\".\r"
    L"Another application might already be using this file.\r\r"
    L"Please make sure that the setup of Larkspur Word Processor is not blocked by your security "
    L"software (firewall/antivirus) in any way.\r"
    L"You might want to temporarily disable your security software and try again.";

const char kQuitText[] =
    "Setup is not complete. If you quit this setup program now,\r"
    "the Larkspur Latin Spellchecker will not be correctly installed.\r\r"
    "You may relaunch the setup program at a later time\r"
    "to complete the installation of the Larkspur Latin Spellchecker.\r\r"
    "To continue installing, click No.\rTo quit this setup program, click Abort.";
const wchar_t kQuitWide[] =
    L"Setup is not complete. If you quit this setup program now,\r"
    L"the Larkspur Latin Spellchecker will not be correctly installed.\r\r"
    L"You may relaunch the setup program at a later time\r"
    L"to complete the installation of the Larkspur Latin Spellchecker.\r\r"
    L"To continue installing, click No.\rTo quit this setup program, click Abort.";

// What the second thread saw of the box while it was up.
struct SeenBox {
    bool appeared = false;
    std::wstring caption;
    std::wstring text;
    std::vector<Button> buttons;
    HICON icon = nullptr;
    HWND owner = nullptr;
    bool answered = false;  // the box went away after the answer, without help
};

using Look = std::function<void(HWND box, SeenBox& seen)>;
using Answer = std::function<bool(HWND box)>;

Answer Press(int id) {
    return [id](HWND box) { return guidriver::ClickById(box, id); };
}

// A box that was not answered must still go, or the main thread would wait in it forever.
void EndBoxAnyway(HWND box) {
    for (const Button& button : guidriver::Buttons(box)) guidriver::SendCommand(box, button.id);
    guidriver::SendCommand(box, IDCANCEL);
    guidriver::WaitForWindowGone(box);
}

void WatchBox(const Answer& answer, const Look& look, const std::atomic<bool>& boxCallReturned,
              SeenBox& seen) {
    guidriver::WindowQuery query;
    query.className = guidriver::kDialogClass;  // any caption: a wrong one is for the test to see
    query.processId = ::GetCurrentProcessId();
    HWND box = nullptr;
    guidriver::WaitUntil([&] { return (box = guidriver::FindTopWindow(query)) || boxCallReturned; });
    if (!box) return;
    seen.appeared = true;
    guidriver::WaitForIdle(box);
    seen.caption = guidriver::Text(box);
    seen.text = guidriver::MessageBoxText(box);
    seen.buttons = guidriver::Buttons(box);
    seen.icon = guidriver::MessageBoxIcon(box);
    seen.owner = guidriver::Owner(box);
    if (look) look(box, seen);
    seen.answered = answer(box) && guidriver::WaitForWindowGone(box);
    if (!seen.answered) EndBoxAnyway(box);
}

// Shows the box on this thread while another thread looks at it and answers it.
shell::DialogResult ShowAndAnswer(const std::string& text, uint8_t kind, shell::ButtonSet buttons,
                                  const Answer& answer, SeenBox& seen, const Look& look = {}) {
    std::atomic<bool> returned{false};
    std::thread watcher(WatchBox, answer, look, std::cref(returned), std::ref(seen));
    const shell::DialogResult result = shell::SetupMessageBox(text, kind, buttons);
    returned = true;
    watcher.join();
    return result;
}

std::vector<int> IdsOf(const std::vector<Button>& buttons) {
    std::vector<int> ids;
    for (const Button& button : buttons) ids.push_back(button.id);
    return ids;
}

const wchar_t* EnglishCaption(int id) {
    switch (id) {
    case IDOK: return L"OK";
    case IDCANCEL: return L"Cancel";
    case IDABORT: return L"Abort";
    case IDRETRY: return L"Retry";
    case IDIGNORE: return L"Ignore";
    case IDYES: return L"Yes";
    case IDNO: return L"No";
    default: return L"?";
    }
}

// The system icons, by resource number (IDI_HAND .. IDI_ASTERISK).
constexpr WORD kHand = 32513;
constexpr WORD kQuestion = 32514;
constexpr WORD kExclamation = 32515;
constexpr WORD kAsterisk = 32516;

struct BoxCase {
    const char* name;
    const char* text;
    const wchar_t* wideText;
    uint8_t kind;
    shell::ButtonSet buttons;
    std::vector<int> shownButtons;  // left to right
    WORD icon;                      // the system icon the kind stands for
    int press;
    shell::DialogResult result;
};

const BoxCase kBoxCases[] = {
    {"AbortRetryIgnore_Retry", kCannotCreateText, kCannotCreateWide, shell::mkError, 112,
     {IDABORT, IDRETRY, IDIGNORE}, kHand, IDRETRY, 4},
    {"AbortRetryIgnore_Abort", kCannotCreateText, kCannotCreateWide, shell::mkError, 112,
     {IDABORT, IDRETRY, IDIGNORE}, kHand, IDABORT, 3},
    {"AbortRetryIgnore_Ignore", kCannotCreateText, kCannotCreateWide, shell::mkError, 112,
     {IDABORT, IDRETRY, IDIGNORE}, kHand, IDIGNORE, 5},
    {"YesNo_Yes", kQuitText, kQuitWide, shell::mkConfirmation, 3, {IDYES, IDNO}, kQuestion,
     IDYES, 6},
    {"YesNo_No", kQuitText, kQuitWide, shell::mkConfirmation, 3, {IDYES, IDNO}, kQuestion,
     IDNO, 7},
    {"OKAlone_OK", "There are running instances.\rPlease close them.",
     L"There are running instances.\rPlease close them.", shell::mkInformation, 4, {IDOK},
     kAsterisk, IDOK, 1},
    {"UnknownSet9_OK", "Nine\ris no set.", L"Nine\ris no set.", shell::mkWarning, 9, {IDOK},
     kExclamation, IDOK, 1},
    {"UnknownKind4_ErrorIcon", "Kind four.", L"Kind four.", 4, 0, {IDOK}, kHand, IDOK, 1},
    {"OKCancel_Cancel", "OK or Cancel?", L"OK or Cancel?", shell::mkWarning, 12,
     {IDOK, IDCANCEL}, kExclamation, IDCANCEL, 2},
    {"RetryCancel_Retry", "Retry or Cancel?", L"Retry or Cancel?", shell::mkError, 40,
     {IDRETRY, IDCANCEL}, kHand, IDRETRY, 4},
    {"YesNoCancel_Cancel", "Yes, No or Cancel?", L"Yes, No or Cancel?", shell::mkConfirmation,
     11, {IDYES, IDNO, IDCANCEL}, kQuestion, IDCANCEL, 2},
    // Windows-1252 letters beyond ASCII arrive as the same characters, the euro sign included.
    {"Latin1Text", "Caf\xE9 \x80 5\rna\xEFve", L"Caf\u00E9 \u20AC 5\rna\u00EFve", shell::mkInformation,
     4, {IDOK}, kAsterisk, IDOK, 1},
};

class RealBox : public testing::TestWithParam<BoxCase> {};

TEST_P(RealBox, ShowsTheSetButtonsAndReturnsThePressedOne) {
    const BoxCase& c = GetParam();
    SeenBox seen;
    const shell::DialogResult result = ShowAndAnswer(c.text, c.kind, c.buttons, Press(c.press), seen);

    ASSERT_TRUE(seen.appeared);
    EXPECT_EQ(seen.caption, kSetupTitle);
    EXPECT_EQ(seen.text, c.wideText);
    EXPECT_EQ(IdsOf(seen.buttons), c.shownButtons);
    for (const Button& button : seen.buttons) {
        EXPECT_EQ(guidriver::WithoutAccessKeys(button.text), EnglishCaption(button.id));
    }
    EXPECT_EQ(seen.icon, ::LoadIconW(nullptr, MAKEINTRESOURCEW(c.icon)));
    EXPECT_TRUE(seen.answered);
    EXPECT_EQ(result, c.result);
}

INSTANTIATE_TEST_SUITE_P(SetupMessageBox, RealBox, testing::ValuesIn(kBoxCases),
                         [](const testing::TestParamInfo<BoxCase>& info) { return info.param.name; });

// A plain top-level window of the test's main thread, standing in for the wizard.
class ThreadWindow {
public:
    ThreadWindow()
        : window_(::CreateWindowExW(0, L"Static", L"stand-in", WS_POPUP, 0, 0, 10, 10, nullptr,
                                    nullptr, nullptr, nullptr)) {}
    ~ThreadWindow() { if (window_) ::DestroyWindow(window_); }
    ThreadWindow(const ThreadWindow&) = delete;
    ThreadWindow& operator=(const ThreadWindow&) = delete;
    HWND get() const { return window_; }

private:
    HWND window_;
};

// Resets the owner on every way out, so one test's owner never reaches the next test's box.
class OwnerScope {
public:
    explicit OwnerScope(HWND owner) { shell::SetMessageBoxOwner(owner); }
    ~OwnerScope() { shell::SetMessageBoxOwner(nullptr); }
    OwnerScope(const OwnerScope&) = delete;
    OwnerScope& operator=(const OwnerScope&) = delete;
};

TEST(SetupMessageBoxModality, DisablesTheThreadsOtherWindowsWhileUp) {
    ThreadWindow wizard;
    ASSERT_TRUE(wizard.get());
    bool enabledDuringBox = true;
    SeenBox seen;
    ShowAndAnswer("Task modal.", shell::mkInformation, 4, Press(IDOK), seen,
                  [&](HWND, SeenBox&) { enabledDuringBox = guidriver::Enabled(wizard.get()); });
    ASSERT_TRUE(seen.appeared);
    EXPECT_EQ(seen.owner, nullptr);
    EXPECT_FALSE(enabledDuringBox);
    EXPECT_TRUE(guidriver::Enabled(wizard.get()));
}

TEST(SetupMessageBoxOwner, IsTheWindowSetByStartUp) {
    ThreadWindow owner;
    ASSERT_TRUE(owner.get());
    OwnerScope scope(owner.get());
    SeenBox seen;
    EXPECT_EQ(ShowAndAnswer(kQuitText, shell::mkConfirmation, 3, Press(IDNO), seen), 7);
    ASSERT_TRUE(seen.appeared);
    EXPECT_EQ(seen.owner, owner.get());
    EXPECT_EQ(seen.caption, kSetupTitle);
}

TEST(SetupMessageBoxFailure, ABoxThatCannotBeShownAnswersOK) {
    HWND gone = ThreadWindow().get();  // a handle whose window no longer exists
    ASSERT_FALSE(::IsWindow(gone));
    OwnerScope scope(gone);
    SeenBox seen;
    // Yes/No has no OK button, so 1 can only come from the failure.
    EXPECT_EQ(ShowAndAnswer(kQuitText, shell::mkConfirmation, 3, Press(IDNO), seen), 1);
    EXPECT_FALSE(seen.appeared);
}

// No default-button flag is added: Enter answers with the first button.
TEST(SetupMessageBoxKeys, EnterAnswersWithTheFirstButton) {
    const struct {
        shell::ButtonSet buttons;
        shell::DialogResult result;
    } cases[] = {{112, 3}, {3, 6}, {40, 4}};
    for (const auto& c : cases) {
        SeenBox seen;
        const Answer enter = [](HWND box) { return guidriver::PressKeyOnFocus(box, VK_RETURN); };
        EXPECT_EQ(ShowAndAnswer("Press Enter.", shell::mkError, c.buttons, enter, seen), c.result)
            << "buttons " << c.buttons;
        EXPECT_TRUE(seen.answered) << "buttons " << c.buttons;
    }
}

// The screenshot's pixel rows, read back from the BMP file the driver wrote.
struct BitmapFile {
    BITMAPINFOHEADER header{};
    std::vector<unsigned char> pixels;
};

bool ReadExactly(HANDLE file, void* data, DWORD size) {
    DWORD read = 0;
    return ::ReadFile(file, data, size, &read, nullptr) && read == size;
}

bool ReadBitmapFile(const std::wstring& path, BitmapFile& bitmap) {
    platform::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    BITMAPFILEHEADER fileHeader{};
    if (!file || !ReadExactly(file.get(), &fileHeader, sizeof(fileHeader)) ||
        !ReadExactly(file.get(), &bitmap.header, sizeof(bitmap.header)) ||
        fileHeader.bfType != 0x4D42) {
        return false;
    }
    bitmap.pixels.resize(bitmap.header.biSizeImage);
    return ReadExactly(file.get(), bitmap.pixels.data(), bitmap.header.biSizeImage);
}

size_t DistinctColours(const BitmapFile& bitmap) {
    std::vector<unsigned> colours;
    const size_t stride = (static_cast<size_t>(bitmap.header.biWidth) * 3 + 3) & ~size_t{3};
    for (LONG y = 0; y < bitmap.header.biHeight; ++y) {
        const unsigned char* row = &bitmap.pixels[static_cast<size_t>(y) * stride];
        for (LONG x = 0; x < bitmap.header.biWidth; ++x, row += 3) {
            const unsigned colour = row[0] | row[1] << 8 | row[2] << 16;
            if (std::find(colours.begin(), colours.end(), colour) == colours.end()) {
                colours.push_back(colour);
                if (colours.size() > 16) return colours.size();
            }
        }
    }
    return colours.size();
}

// Saved under the test's working folder, in the build tree, for a person to look at.
TEST(SetupMessageBoxScreenshot, AbortRetryIgnoreBoxIsCaptured) {
    ::CreateDirectoryW(L"screenshots", nullptr);
    const std::wstring path = L"screenshots\\message-box-abort-retry-ignore.bmp";
    ::DeleteFileW(path.c_str());
    bool saved = false;
    RECT boxArea{};
    const Look capture = [&](HWND box, SeenBox&) {
        guidriver::WaitForPainted(box);
        ::GetWindowRect(box, &boxArea);
        saved = guidriver::SaveScreenshot(path, box);
    };
    SeenBox seen;
    EXPECT_EQ(ShowAndAnswer(kCannotCreateText, shell::mkError, 112, Press(IDRETRY), seen, capture), 4);
    ASSERT_TRUE(saved);

    BitmapFile bitmap;
    ASSERT_TRUE(ReadBitmapFile(path, bitmap));
    EXPECT_EQ(bitmap.header.biWidth, boxArea.right - boxArea.left);
    EXPECT_EQ(bitmap.header.biHeight, boxArea.bottom - boxArea.top);
    EXPECT_EQ(bitmap.header.biBitCount, 24);
    // Text, buttons and an icon, not a blank or black area.
    EXPECT_GT(DistinctColours(bitmap), 16u);
}

} // namespace
