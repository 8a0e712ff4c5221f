// The harness itself: the tests are 32-bit Windows programs running under Wine.
#include <gtest/gtest.h>
#include <windows.h>

TEST(Harness, RunsAs32BitWindowsProgram) {
    EXPECT_EQ(sizeof(void*), 4u);
    char windows[MAX_PATH] = {};
    ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
    EXPECT_STREQ(windows, "C:\\windows");
}
