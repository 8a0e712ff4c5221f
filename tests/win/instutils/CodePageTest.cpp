// Paths beyond ASCII under another ANSI code page (1251, Cyrillic): what the ANSI calls hand
// out must name the same files when converted for the wide calls. Run in a prefix of its own.
#include "TestSupport.h"

#include "instutils/InstUtils.h"

#include <gtest/gtest.h>

using namespace instutils;
using namespace testsupport;

namespace {

// "Привет", "Папка", "файл.txt" and "Ж" as code page 1251 bytes, and in UTF-16.
const std::string kGreeting = "\xcf\xf0\xe8\xe2\xe5\xf2";
const std::string kFolder = "\xcf\xe0\xef\xea\xe0";
const std::string kFile = "\xf4\xe0\xe9\xeb.txt";
const std::string kZhe = "\xc6";
const std::wstring kWideGreeting = L"\u041f\u0440\u0438\u0432\u0435\u0442";
const std::wstring kWideFolder = L"\u041f\u0430\u043f\u043a\u0430";
const std::wstring kWideFile = L"\u0444\u0430\u0439\u043b.txt";

std::wstring Ascii(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

bool FoundByWideSearch(const std::wstring& path, std::wstring* name = nullptr) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    if (name) *name = found.cFileName;
    return true;
}

// The same bytes read as code page 1252 would name other files.
std::wstring As1252(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), &wide[0], static_cast<int>(wide.size()));
    return wide;
}

class CodePage1251 : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(GetACP(), 1251u) << "this test runs with LANG=ru_RU.UTF-8"; }
    WorkFolder work;
};

TEST_F(CodePage1251, FoldersAndFilesGetTheirUnicodeNames) {
    const std::string folder = work / kGreeting + "\\" + kFolder;
    const std::string file = folder + "\\" + kFile;
    ForceFolders(folder);
    WriteStringToFile(file, "salve");

    std::wstring name;
    ASSERT_TRUE(FoundByWideSearch(Ascii(work.path()) + kWideGreeting + L"\\" + kWideFolder + L"\\" + kWideFile, &name));
    EXPECT_EQ(name, kWideFile);
    EXPECT_FALSE(FoundByWideSearch(Ascii(work.path()) + As1252(kGreeting)));

    EXPECT_TRUE(FolderExists(work / kGreeting));
    EXPECT_TRUE(FolderExists(folder));
    EXPECT_TRUE(FileExists(file));
    EXPECT_EQ(ReadWholeFile(file), "salve");
    EXPECT_GT(FileWriteDate(file), 40000.0);

    DeleteFolderTree(work / kGreeting);
    EXPECT_FALSE(FoundByWideSearch(Ascii(work.path()) + kWideGreeting));
}

TEST_F(CodePage1251, TempFilesWithCyrillicNamesAreSwept) {
    const std::string ours = work / (TempFilePrefix() + kZhe + ".tmp");
    const std::string folder = work / (TempFilePrefix() + kGreeting);
    WriteStringToFile(ours, "x");
    ForceFolders(folder);
    WriteStringToFile(folder + "\\" + kFile, "x");
    ASSERT_TRUE(FoundByWideSearch(Ascii(work / TempFilePrefix()) + L"\u0416.tmp"));
    {
        ScopedTempPath temp(work.path());
        EXPECT_EQ(TempFolder(), work.path());
        DeleteTempFiles();
    }
    EXPECT_FALSE(FileExists(ours));
    EXPECT_FALSE(FolderExists(folder));
}

TEST_F(CodePage1251, SamePathUpperCasesCyrillic) {
    EXPECT_TRUE(SamePath("C:\\" + kGreeting, "C:\\\xcf\xd0\xc8\xc2\xc5\xd2"));  // ПРИВЕТ
    EXPECT_FALSE(SamePath("C:\\" + kGreeting, "C:\\" + kFolder));
}

} // namespace
