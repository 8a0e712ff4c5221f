// The special folders and where their provider comes from.
#include "TestSupport.h"

#include "instutils/InstUtils.h"
#include "instutils/InstUtilsInternal.h"

#include <gtest/gtest.h>

using namespace instutils;
using namespace testsupport;

namespace {

TEST(SpecialFolderPath, GivesTheThreeFoldersWithoutTrailingBackslash) {
    for (const int csidl : {kCsidlPersonal, kCsidlCommonAppData, kCsidlProgramFiles}) {
        const std::string path = SpecialFolderPath(csidl);
        ASSERT_FALSE(path.empty()) << "id " << csidl;
        EXPECT_NE(LastChar(path), '\\') << path;
        EXPECT_TRUE(FolderExists(path)) << path;
        EXPECT_EQ(DrivePart(path), "C:") << path;
    }
}

TEST(SpecialFolderPath, IsEmptyForAnIdWindowsRefuses) {
    EXPECT_EQ(SpecialFolderPath(0x7FFF), "");
    EXPECT_EQ(SpecialFolderPath(-1), "");
}

// A setup started from a downloads folder must not load a shell32.dll planted beside it.
TEST(SpecialFolderProvider, ComesFromTheSystemFolder) {
    const FolderPathFunction provider = SpecialFolderProvider();
    ASSERT_NE(provider, nullptr);
    HMODULE module = nullptr;
    ASSERT_TRUE(GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                   reinterpret_cast<LPCSTR>(reinterpret_cast<void*>(provider)), &module));
    char file[MAX_PATH + 1] = {};
    ASSERT_GT(GetModuleFileNameA(module, file, MAX_PATH), 0u);
    char system[MAX_PATH + 1] = {};
    ASSERT_GT(GetSystemDirectoryA(system, MAX_PATH), 0u);
    EXPECT_TRUE(SamePath(file, JoinPath(system, "shell32.dll"))) << file << " vs " << system;
}

} // namespace
