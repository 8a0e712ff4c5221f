// The GUI driver against a small form of ordinary controls: the form runs on the test's main
// thread with an IsDialogMessage loop, as the wizard will; the driver works from a second
// thread, and the form records which notifications reached it.
#include "tests/driver/GuiDriver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

const wchar_t kFormClass[] = L"GuiDriverTestForm";
const wchar_t kFormCaption[] = L"Driver test form";

enum ControlIds { kPress = IDOK, kTick = 11, kEdit = 12, kList = 13, kCombo = 14, kNever = 15 };

// A notification the form received: control id and code.
using Event = std::pair<int, int>;

class EventLog {
public:
    void add(Event event) {
        std::lock_guard<std::mutex> lock(mutex_);
        events_.push_back(event);
    }
    bool contains(Event event) const {
        std::lock_guard<std::mutex> lock(mutex_);
        return std::find(events_.begin(), events_.end(), event) != events_.end();
    }
    size_t count(Event event) const {
        std::lock_guard<std::mutex> lock(mutex_);
        return static_cast<size_t>(std::count(events_.begin(), events_.end(), event));
    }

private:
    mutable std::mutex mutex_;
    std::vector<Event> events_;
};

EventLog* formLog = nullptr;

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        formLog->add({LOWORD(wParam), HIWORD(wParam)});
        return 0;
    default:
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

HWND AddControl(HWND form, const wchar_t* className, const wchar_t* text, DWORD style, int id,
                int top, int height = 24) {
    return ::CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 10,
                             top, 200, height, form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             nullptr, nullptr);
}

HWND CreateForm() {
    WNDCLASSW formClass{};
    formClass.lpfnWndProc = FormProc;
    formClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    formClass.lpszClassName = kFormClass;
    ::RegisterClassW(&formClass);  // a second registration fails harmlessly
    HWND form = ::CreateWindowExW(WS_EX_CONTROLPARENT, kFormClass, kFormCaption,
                                  WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 100, 100, 240,
                                  300, nullptr, nullptr, nullptr, nullptr);
    AddControl(form, L"Button", L"&Press", BS_DEFPUSHBUTTON, kPress, 10);
    AddControl(form, L"Button", L"&Tick", BS_AUTOCHECKBOX, kTick, 40);
    HWND edit = AddControl(form, L"Edit", L"", WS_BORDER | ES_AUTOHSCROLL, kEdit, 70);
    HWND list = AddControl(form, L"ListBox", L"", WS_BORDER | LBS_NOTIFY | WS_VSCROLL, kList, 100, 60);
    HWND combo = AddControl(form, L"ComboBox", L"", CBS_DROPDOWNLIST, kCombo, 170, 100);
    HWND never = AddControl(form, L"Button", L"Never", BS_PUSHBUTTON, kNever, 210);
    ::EnableWindow(never, FALSE);
    for (const wchar_t* item : {L"alpha", L"beta", L"gamma"}) {
        ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    for (const wchar_t* item : {L"C:", L"D:"}) {
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    ::SetFocus(edit);
    return form;
}

using Script = std::function<void(HWND form)>;

class DriverOnForm : public testing::Test {
protected:
    DriverOnForm() { formLog = &log_; }
    ~DriverOnForm() override { formLog = nullptr; }

    // Shows the form, runs the script on a second thread, then closes the form. The loop on
    // this thread ends when the form is gone, or after a deadline so that a stuck script fails.
    void Run(const Script& script) {
        HWND form = CreateForm();
        ASSERT_TRUE(form);
        std::thread driver([&] {
            guidriver::WindowQuery query;
            query.caption = kFormCaption;
            query.className = kFormClass;
            HWND found = guidriver::WaitForWindow(query);
            foundForm_ = found == form;
            if (found) script(found);
            guidriver::RequestClose(form);  // DefWindowProc destroys it, if the script has not
        });
        PumpUntilGone(form);
        driver.join();
        EXPECT_TRUE(foundForm_);
    }

    EventLog log_;

private:
    static void PumpUntilGone(HWND form) {
        const DWORD deadline = ::GetTickCount() + 60000;
        while (::IsWindow(form) && ::GetTickCount() < deadline) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            MSG message;
            while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (::IsWindow(form) && ::IsDialogMessageW(form, &message)) continue;
                ::TranslateMessage(&message);
                ::DispatchMessageW(&message);
            }
        }
        if (::IsWindow(form)) ::DestroyWindow(form);
    }

    bool foundForm_ = false;
};

bool WaitForEvent(const EventLog& log, Event event) {
    return guidriver::WaitUntil([&] { return log.contains(event); });
}

TEST_F(DriverOnForm, FindsControlsByIdClassAndTextAndReadsTheirState) {
    struct {
        HWND press = nullptr, byText = nullptr, never = nullptr;
        int focusId = 0;
        std::wstring pressText, className;
        bool neverEnabled = true, pressEnabled = false, pressVisible = false;
        size_t buttons = 0;
    } seen;
    Run([&](HWND form) {
        seen.press = guidriver::ControlById(form, kPress);
        seen.byText = guidriver::FindControl(form, L"button", L"&Press");
        seen.never = guidriver::WaitForControl(form, L"Button", L"Never");
        seen.pressText = guidriver::Text(seen.press);
        seen.className = guidriver::ClassName(seen.press);
        seen.pressEnabled = guidriver::Enabled(seen.press);
        seen.pressVisible = guidriver::Visible(seen.press);
        seen.neverEnabled = guidriver::Enabled(seen.never);
        seen.buttons = guidriver::Buttons(form).size();
        seen.focusId = guidriver::ControlId(guidriver::FocusedControl(form));
    });
    ASSERT_NE(seen.press, nullptr);
    EXPECT_EQ(seen.byText, seen.press);
    EXPECT_EQ(seen.pressText, L"&Press");
    EXPECT_EQ(guidriver::WithoutAccessKeys(seen.pressText), L"Press");
    EXPECT_EQ(seen.className, L"Button");
    EXPECT_TRUE(seen.pressEnabled);
    EXPECT_TRUE(seen.pressVisible);
    ASSERT_NE(seen.never, nullptr);
    EXPECT_FALSE(seen.neverEnabled);
    EXPECT_EQ(seen.buttons, 2u);  // the check box is not a push button
    EXPECT_EQ(seen.focusId, kEdit);
}

TEST_F(DriverOnForm, PressesEnabledButtonsOnly) {
    bool pressed = false, neverRefused = false;
    Run([&](HWND form) {
        neverRefused = !guidriver::ClickById(form, kNever);
        pressed = guidriver::ClickByText(form, L"&Press") && WaitForEvent(log_, {kPress, BN_CLICKED});
    });
    EXPECT_TRUE(pressed);
    EXPECT_TRUE(neverRefused);
    EXPECT_FALSE(log_.contains({kNever, BN_CLICKED}));
}

TEST_F(DriverOnForm, TicksACheckBoxOnceAndUnticksIt) {
    bool ticked = false, stillTicked = false, unticked = false;
    Run([&](HWND form) {
        HWND box = guidriver::ControlById(form, kTick);
        ticked = guidriver::SetChecked(box, true) && guidriver::Checked(box);
        stillTicked = guidriver::SetChecked(box, true) && guidriver::Checked(box);
        unticked = guidriver::SetChecked(box, false) && !guidriver::Checked(box);
    });
    EXPECT_TRUE(ticked);
    EXPECT_TRUE(stillTicked);
    EXPECT_TRUE(unticked);
    EXPECT_EQ(log_.count({kTick, BN_CLICKED}), 2u);  // ticking a ticked box clicks nothing
}

TEST_F(DriverOnForm, SetsAndTypesEditText) {
    std::wstring afterSet, afterTyping;
    Run([&](HWND form) {
        HWND edit = guidriver::ControlById(form, kEdit);
        if (guidriver::SetEditText(edit, L"C:\\Larkspur")) afterSet = guidriver::Text(edit);
        guidriver::PressKey(edit, VK_END);  // WM_SETTEXT leaves the caret at the start
        guidriver::TypeText(edit, L"\\Word");
        guidriver::WaitUntil([&] { return guidriver::Text(edit).size() == 16; });
        afterTyping = guidriver::Text(edit);
    });
    EXPECT_EQ(afterSet, L"C:\\Larkspur");
    EXPECT_EQ(afterTyping, L"C:\\Larkspur\\Word");
    EXPECT_TRUE(log_.contains({kEdit, EN_CHANGE}));
}

// Enter goes through the form's IsDialogMessage to the default button, as with the wizard's Next.
TEST_F(DriverOnForm, EnterOnTheFocusedEditPressesTheDefaultButton) {
    bool pressed = false;
    Run([&](HWND form) {
        pressed = guidriver::PressKeyOnFocus(form, VK_RETURN) && WaitForEvent(log_, {kPress, BN_CLICKED});
    });
    EXPECT_TRUE(pressed);
}

TEST_F(DriverOnForm, ReadsAndChoosesListAndComboItems) {
    struct {
        int listCount = 0, comboCount = 0, listSelection = -1, doubleClicked = -1, comboSelection = -1;
        std::wstring beta, driveD;
        bool listNotified = false, doubleClickNotified = false, comboNotified = false;
    } seen;
    Run([&](HWND form) {
        HWND list = guidriver::ControlById(form, kList);
        HWND combo = guidriver::ControlById(form, kCombo);
        seen.listCount = guidriver::ListCount(list);
        seen.beta = guidriver::ListItemText(list, 1);
        guidriver::SelectListItem(list, 2);
        seen.listNotified = WaitForEvent(log_, {kList, LBN_SELCHANGE});
        seen.listSelection = guidriver::ListSelection(list);
        guidriver::DoubleClickListItem(list, 0);
        seen.doubleClickNotified = WaitForEvent(log_, {kList, LBN_DBLCLK});
        seen.doubleClicked = guidriver::ListSelection(list);
        seen.comboCount = guidriver::ComboCount(combo);
        seen.driveD = guidriver::ComboItemText(combo, 1);
        guidriver::SelectComboItem(combo, 1);
        seen.comboNotified = WaitForEvent(log_, {kCombo, CBN_SELCHANGE});
        seen.comboSelection = guidriver::ComboSelection(combo);
    });
    EXPECT_EQ(seen.listCount, 3);
    EXPECT_EQ(seen.beta, L"beta");
    EXPECT_TRUE(seen.listNotified);
    EXPECT_EQ(seen.listSelection, 2);
    EXPECT_TRUE(seen.doubleClickNotified);
    EXPECT_EQ(seen.doubleClicked, 0);
    EXPECT_EQ(seen.comboCount, 2);
    EXPECT_EQ(seen.driveD, L"D:");
    EXPECT_TRUE(seen.comboNotified);
    EXPECT_EQ(seen.comboSelection, 1);
}

TEST_F(DriverOnForm, TheCloseBoxCommandClosesTheForm) {
    bool gone = false;
    Run([&](HWND form) { gone = guidriver::SystemClose(form) && guidriver::WaitForWindowGone(form); });
    EXPECT_TRUE(gone);
}

TEST_F(DriverOnForm, SavesTheWholeScreenAsABitmapFile) {
    const std::wstring path = L"screenshots\\driver-form-screen.bmp";
    ::CreateDirectoryW(L"screenshots", nullptr);
    ::DeleteFileW(path.c_str());
    bool saved = false;
    Run([&](HWND form) {
        saved = guidriver::WaitForPainted(form) && guidriver::SaveScreenshot(path);
    });
    ASSERT_TRUE(saved);
    WIN32_FILE_ATTRIBUTE_DATA file{};
    ASSERT_TRUE(::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &file));
    const DWORD expected = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) +
                           ((::GetSystemMetrics(SM_CXSCREEN) * 3 + 3) & ~3) * ::GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(file.nFileSizeLow, expected);
}

} // namespace
