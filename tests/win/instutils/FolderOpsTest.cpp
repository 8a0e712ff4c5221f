// Creating folders with their parents, and deleting folder trees.
#include "TestSupport.h"

#include "instutils/InstUtils.h"
#include "instutils/InstUtilsInternal.h"

#include <gtest/gtest.h>

using namespace instutils;
using namespace testsupport;

namespace {

// A folder straight under C:\ that does not exist yet, so that every level below the root
// has to be made.
class RootFolder {
public:
    RootFolder() : path_("C:\\iu-force-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count_)) {}
    ~RootFolder() { RemoveTree(path_); }
    const std::string& path() const { return path_; }

private:
    static inline int count_ = 0;
    std::string path_;
};

TEST(ForceFolders, MakesEveryMissingLevelFromTheRootDown) {
    RootFolder root;
    ASSERT_FALSE(Exists(root.path()));
    ForceFolders(root.path() + "\\B\\C");
    EXPECT_TRUE(IsFolder(root.path()));
    EXPECT_TRUE(IsFolder(root.path() + "\\B"));
    EXPECT_TRUE(IsFolder(root.path() + "\\B\\C"));
}

TEST(ForceFolders, TakesATrailingBackslash) {
    RootFolder root;
    ForceFolders(root.path() + "\\B\\");
    EXPECT_TRUE(IsFolder(root.path()));
    EXPECT_TRUE(IsFolder(root.path() + "\\B"));
}

TEST(ForceFolders, LeavesAnExistingFolderAlone) {
    WorkFolder work;
    MakeFolder(work / "a");
    MakeFile(work / "a\\file.txt", "content");
    ForceFolders(work / "a");
    ForceFolders(work / "a\\");
    EXPECT_EQ(ReadWholeFile(work / "a\\file.txt"), "content");
}

TEST(ForceFolders, MakesRelativePathsInTheCurrentFolder) {
    WorkFolder work;
    ScopedCurrentDirectory inWork(work.path());
    ForceFolders("rel\\sub");
    EXPECT_TRUE(IsFolder(work / "rel\\sub"));
    EXPECT_EQ(CurrentFolder(), work.path());
}

TEST(ForceFolders, ReturnsNormallyOnAMissingDrive) {
    const char letter = UnusedDriveLetter();
    ASSERT_NE(letter, 0);
    const std::string path = std::string(1, letter) + ":\\A\\B";
    WorkFolder work;
    ScopedCurrentDirectory inWork(work.path());
    ForceFolders(path);
    EXPECT_FALSE(Exists(path));
    EXPECT_EQ(CurrentFolder(), work.path());
}

TEST(ForceFolders, EmptyPathMakesNothing) {
    WorkFolder work;
    ScopedCurrentDirectory inWork(work.path());
    ForceFolders("");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((work / "*").c_str(), &found);
    int entries = 0;
    if (search != INVALID_HANDLE_VALUE) {
        do ++entries; while (FindNextFileA(search, &found));
        FindClose(search);
    }
    EXPECT_EQ(entries, 2) << "only . and ..";
}

TEST(DeleteFolderTree, RemovesNestedFoldersAndHiddenAndSystemFiles) {
    for (const char* ending : {"", "\\"}) {
        WorkFolder work;
        const std::string tree = work / "tree";
        MakeFolder(tree);
        MakeFolder(tree + "\\a");
        MakeFolder(tree + "\\a\\b");
        MakeFolder(tree + "\\empty");
        MakeFile(tree + "\\top.txt");
        MakeFile(tree + "\\a\\hidden.txt", "x", FILE_ATTRIBUTE_HIDDEN);
        MakeFile(tree + "\\a\\b\\system.txt", "x", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
        MakeFile(tree + "\\a\\b\\archive.txt", "x", FILE_ATTRIBUTE_ARCHIVE);
        SetFileAttributesA((tree + "\\a").c_str(), FILE_ATTRIBUTE_HIDDEN);
        DeleteFolderTree(tree + ending);
        EXPECT_FALSE(Exists(tree)) << "ending '" << ending << "'";
        EXPECT_TRUE(IsFolder(work.path()));
    }
}

TEST(DeleteFolderTree, KeepsAReadOnlyFileAndTheFoldersAboveIt) {
    WorkFolder work;
    const std::string tree = work / "tree";
    MakeFolder(tree);
    MakeFolder(tree + "\\a");
    MakeFolder(tree + "\\a\\b");
    MakeFolder(tree + "\\c");
    MakeFile(tree + "\\a\\b\\readonly.txt", "x", FILE_ATTRIBUTE_READONLY);
    MakeFile(tree + "\\a\\b\\plain.txt");
    MakeFile(tree + "\\c\\plain.txt");
    MakeFile(tree + "\\plain.txt");
    DeleteFolderTree(tree);
    EXPECT_TRUE(Exists(tree + "\\a\\b\\readonly.txt"));
    EXPECT_EQ(AttributesOf(tree + "\\a\\b\\readonly.txt") & FILE_ATTRIBUTE_READONLY,
              static_cast<DWORD>(FILE_ATTRIBUTE_READONLY)) << "no attribute is changed";
    EXPECT_FALSE(Exists(tree + "\\a\\b\\plain.txt"));
    EXPECT_FALSE(Exists(tree + "\\c"));
    EXPECT_FALSE(Exists(tree + "\\plain.txt"));
}

TEST(DeleteFolderTree, IgnoresAMissingFolder) {
    WorkFolder work;
    DeleteFolderTree(work / "missing");
    DeleteFolderTree(work / "missing\\deeper\\");
    EXPECT_TRUE(IsFolder(work.path()));
}

TEST(DeleteFolderTree, NeverDescendsIntoAFolderLink) {
    if (!RunningUnderWine()) GTEST_SKIP() << "plants the link as a Unix symbolic link";
    WorkFolder work;
    MakeFolder(work / "target");
    MakeFile(work / "target\\keep.txt", "precious");
    MakeFolder(work / "tree");
    MakeFolder(work / "tree\\sub");
    MakeFile(work / "tree\\sub\\plain.txt");
    ASSERT_TRUE(PlantFolderLink(work / "tree\\sub\\link", work / "target"));
    ASSERT_TRUE(PlantFolderLink(work / "toplink", work / "target"));

    DeleteFolderTree(work / "tree");
    DeleteFolderTree(work / "toplink");
    DeleteFolderTree(work / "toplink\\");

    EXPECT_EQ(ReadWholeFile(work / "target\\keep.txt"), "precious");
    EXPECT_FALSE(Exists(work / "tree\\sub\\plain.txt"));
    // Wine 8 cannot remove a Unix symbolic link through any Windows call (see the temporary
    // files' test): there the links stay, and with them the folders above.
    if (!RunningUnderWine()) {
        EXPECT_FALSE(Exists(work / "tree"));
        EXPECT_FALSE(Exists(work / "toplink"));
    }
}

TEST(RemovalFor, UnlinksFolderLinksAndDescendsOnlyIntoRealFolders) {
    const struct { DWORD attributes; EntryRemoval removal; } cases[] = {
        {FILE_ATTRIBUTE_ARCHIVE, EntryRemoval::AsFile},
        {FILE_ATTRIBUTE_NORMAL, EntryRemoval::AsFile},
        {FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, EntryRemoval::AsFile},
        {FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_ARCHIVE, EntryRemoval::AsFile},  // a file link
        {FILE_ATTRIBUTE_DIRECTORY, EntryRemoval::AsTree},
        {FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, EntryRemoval::AsTree},
        {FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT, EntryRemoval::AsLink},  // 0x410
        {FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_READONLY, EntryRemoval::AsLink},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RemovalFor(c.attributes), c.removal) << "attributes 0x" << std::hex << c.attributes;
    }
}

} // namespace
