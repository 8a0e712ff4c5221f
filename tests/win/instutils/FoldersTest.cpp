// Folder and file tests, the current folder and the folder stack.
#include "TestSupport.h"

#include "instutils/InstUtils.h"

#include <gtest/gtest.h>

using namespace instutils;
using namespace testsupport;

namespace {

std::string WithoutTrailingBackslash(std::string path) {
    if (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

std::string LowerCased(std::string text) {
    for (char& c : text) if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string UpperCased(std::string text) {
    for (char& c : text) if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

TEST(CurrentFolder, EndsInOneBackslash) {
    WorkFolder work;
    {
        ScopedCurrentDirectory inWork(work.path());
        EXPECT_EQ(CurrentFolder(), work.path());
    }
    ScopedCurrentDirectory inRoot("C:\\");
    EXPECT_EQ(CurrentFolder(), "C:\\");
}

TEST(FolderStack, PopReturnsToThePushedFolder) {
    WorkFolder work;
    MakeFolder(work / "a");
    ScopedCurrentDirectory inWork(work.path());
    PushCurrentFolder();
    PushCurrentFolder();
    SetCurrentDirectoryA((work / "a").c_str());
    PopCurrentFolder();
    EXPECT_EQ(CurrentFolder(), work.path());
    SetCurrentDirectoryA((work / "a").c_str());
    PopCurrentFolder();
    EXPECT_EQ(CurrentFolder(), work.path());
    SetCurrentDirectoryA((work / "a").c_str());
    PopCurrentFolder();  // the stack is empty: nothing happens
    EXPECT_EQ(CurrentFolder(), work / "a\\");
}

TEST(FolderExists, OnlyTheNormalisedAbsoluteFormCounts) {
    WorkFolder work;
    MakeFolder(work / "Sub");
    MakeFolder(work / "Sub\\Inner");
    MakeFile(work / "file.txt");
    const std::string sub = work / "Sub";
    const struct { std::string path; bool exists; } cases[] = {
        {sub, true},
        {sub + "\\", true},
        {sub + "/", true},                              // the last slash becomes a backslash
        {LowerCased(sub), true},                        // letter case aside
        {UpperCased(sub), true},
        {WithoutTrailingBackslash(work.path()), true},
        {"C:", true},                                   // tested as C:\ .
        {"C:\\", true},
        {"Sub", false},                                 // relative, though it is there
        {"Sub\\Inner", false},
        {".\\Sub", false},
        {sub + "\\..\\Sub", false},
        {sub + "\\.", false},
        {work / "Sub\\\\Inner", false},                 // doubled backslash
        {work / "Sub/Inner", false},                    // slash inside
        {work / "Missing", false},
        {work / "file.txt", false},
        {"", false},
        {std::string(1, UnusedDriveLetter()) + ":\\", false},
    };
    ScopedCurrentDirectory inWork(work.path());
    for (const auto& c : cases) {
        EXPECT_EQ(FolderExists(c.path), c.exists) << c.path;
        EXPECT_EQ(CurrentDirectory(), WithoutTrailingBackslash(work.path())) << "after " << c.path;
    }
}

TEST(FileExists, FindsFilesButNotFolders) {
    WorkFolder work;
    MakeFolder(work / "folder");
    MakeFolder(work / "only-folders");
    MakeFolder(work / "only-folders\\x.dir");
    MakeFile(work / "file.txt");
    MakeFile(work / "hidden.txt", "x", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    const struct { std::string name; bool exists; } cases[] = {
        {work / "file.txt", true},
        {work / "FILE.TXT", true},
        {work / "hidden.txt", true},
        {work / "*.txt", true},                   // wildcards match as Windows matches them
        {work / "folder", false},
        {work / "folder\\", false},
        {work / "only-folders\\*", false},        // the first match is "."
        {work / "only-folders\\x.*", false},
        {work / "missing.txt", false},
        {work / "missing\\file.txt", false},
        {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileExists(c.name), c.exists) << c.name;
    }
}

} // namespace
