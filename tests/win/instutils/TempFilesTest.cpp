// The temporary-files folder, temporary names and the sweep at shutdown.
#include "TestSupport.h"

#include "instutils/InstUtils.h"

#include <gtest/gtest.h>

#include <vector>

using namespace instutils;
using namespace testsupport;

namespace {

const std::string kPrefix = "~LarkspurLatinSpellcheckerSetup";

TEST(TempFilePrefix, IsTheLettersOfTheTitle) {
    EXPECT_EQ(TempFilePrefix(), kPrefix);
    EXPECT_EQ(TempFilePrefix().size(), 31u);
}

TEST(TempFolder, IsTheTemporaryPathWithABackslash) {
    WorkFolder work;
    MakeFolder(work / "temp");
    {
        ScopedTempPath temp(work / "temp");
        EXPECT_EQ(TempFolder(), work / "temp\\");
    }
    ScopedTempPath temp(work / "temp\\");
    EXPECT_EQ(TempFolder(), work / "temp\\");
}

TEST(TempFolder, FallsBackToDocumentsWhenThePathLeadsNowhere) {
    WorkFolder work;
    const std::string documents = JoinPath(SpecialFolderPath(kCsidlPersonal), "");
    ASSERT_NE(documents, "");
    ScopedTempPath temp(work / "missing");
    EXPECT_EQ(TempFolder(), documents);
    EXPECT_EQ(MakeTempFileName(), documents + kPrefix + "0.tmp");
}

TEST(MakeTempFileName, SkipsTakenNamesButNotFolders) {
    const struct {
        std::vector<std::string> files;
        std::vector<std::string> folders;
        const char* expected;
    } cases[] = {
        {{}, {}, "0"},
        {{"0", "1"}, {}, "2"},
        {{}, {"0"}, "0"},                 // a folder of that name does not count as taken
        {{"0"}, {"1"}, "1"},
        {{"1"}, {}, "0"},
        {{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}, {}, "10"},
    };
    for (const auto& c : cases) {
        WorkFolder work;
        for (const std::string& n : c.files) MakeFile(work / (kPrefix + n + ".tmp"));
        for (const std::string& n : c.folders) MakeFolder(work / (kPrefix + n + ".tmp"));
        ScopedTempPath temp(work.path());
        const std::string name = MakeTempFileName();
        EXPECT_EQ(name, work / (kPrefix + c.expected + ".tmp"));
        EXPECT_EQ(MakeTempFileName(), name) << "nothing is created";
        EXPECT_FALSE(Exists(name) && !IsFolder(name));
    }
}

TEST(DeleteTempFiles, RemovesOurEntriesByExactPrefix) {
    WorkFolder work;
    const std::string temp = work / "temp\\";
    MakeFolder(temp);
    MakeFile(temp + kPrefix + "0.tmp");
    MakeFile(temp + kPrefix + "7.tmp", "x", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    MakeFolder(temp + kPrefix + "X");
    MakeFolder(temp + kPrefix + "X\\nested");
    MakeFile(temp + kPrefix + "X\\nested\\deep.txt");
    MakeFile(temp + kPrefix + "X\\hidden.txt", "x", FILE_ATTRIBUTE_HIDDEN);
    MakeFile(temp + "~larkspurlatinspellcheckersetup1.tmp");  // other letter case: not ours
    MakeFile(temp + "x" + kPrefix + "2.tmp");
    MakeFile(temp + "other.txt");
    MakeFile(work / (kPrefix + "3.tmp"));                     // outside the temporary folder
    {
        ScopedTempPath path(temp);
        DeleteTempFiles();
    }
    EXPECT_FALSE(Exists(temp + kPrefix + "0.tmp"));
    EXPECT_FALSE(Exists(temp + kPrefix + "7.tmp"));
    EXPECT_FALSE(Exists(temp + kPrefix + "X"));
    EXPECT_TRUE(Exists(temp + "~larkspurlatinspellcheckersetup1.tmp"));
    EXPECT_TRUE(Exists(temp + "x" + kPrefix + "2.tmp"));
    EXPECT_TRUE(Exists(temp + "other.txt"));
    EXPECT_TRUE(Exists(work / (kPrefix + "3.tmp")));
}

TEST(DeleteTempFiles, LeavesAReadOnlyFile) {
    WorkFolder work;
    MakeFile(work / (kPrefix + "0.tmp"), "x", FILE_ATTRIBUTE_READONLY);
    ScopedTempPath path(work.path());
    DeleteTempFiles();
    EXPECT_TRUE(Exists(work / (kPrefix + "0.tmp")));
}

// A link of our name must be unlinked, never searched: it may point at anybody's files.
TEST(DeleteTempFiles, NeverDescendsIntoAFolderLink) {
    if (!RunningUnderWine()) GTEST_SKIP() << "plants the link as a Unix symbolic link";
    WorkFolder work;
    const std::string temp = work / "temp\\";
    MakeFolder(temp);
    MakeFolder(work / "target");
    MakeFile(work / "target\\keep.txt", "precious");
    const std::string link = temp + kPrefix + "Link";
    ASSERT_TRUE(PlantFolderLink(link, work / "target"));
    ASSERT_EQ(AttributesOf(link), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
    MakeFile(temp + kPrefix + "0.tmp");
    {
        ScopedTempPath path(temp);
        DeleteTempFiles();
    }
    EXPECT_EQ(ReadWholeFile(work / "target\\keep.txt"), "precious");
    EXPECT_FALSE(Exists(temp + kPrefix + "0.tmp")) << "the sweep goes on after the link";
    // RemoveDirectoryW on a link removes the link alone on Windows. Wine 8 resolves every
    // Unix symbolic link before acting, so it refuses here (the target is not empty) and
    // the link stays, still leading to the untouched target.
    if (RunningUnderWine() && Exists(link)) {
        EXPECT_EQ(ReadWholeFile(link + "\\keep.txt"), "precious");
    } else {
        EXPECT_FALSE(Exists(link));
    }
}

} // namespace
