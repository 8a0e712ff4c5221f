// The text side of the path toolkit: backslashes, joining, comparing, drive parts.
#include "instutils/InstUtils.h"

#include <gtest/gtest.h>
#include <windows.h>

using namespace instutils;

namespace {

struct TextCase {
    const char* input;
    const char* expected;
};

TEST(AddTrailingBackslash, LooksOnlyAtTheLastCharacter) {
    const TextCase cases[] = {
        {"", ""},                          // stays empty: joined names stay relative
        {"C:", "C:\\"},
        {"C:\\", "C:\\"},
        {"C:\\Foo", "C:\\Foo\\"},
        {"C:\\Foo/", "C:\\Foo\\"},         // a slash at the end becomes a backslash
        {"C:\\Foo\\\\", "C:\\Foo\\\\"},    // a doubled one is left alone
        {"C:/Foo", "C:/Foo\\"},            // slashes inside are not touched
        {"\\\\server\\share", "\\\\server\\share\\"},
        {"relative", "relative\\"},
        {"/", "\\"},
    };
    for (const TextCase& c : cases) {
        std::string path = c.input;
        AddTrailingBackslash(path);
        EXPECT_EQ(path, c.expected) << "input: " << c.input;
    }
}

TEST(JoinPath, PutsExactlyOneBackslashBetween) {
    const struct { const char* folder; const char* name; const char* expected; } cases[] = {
        {"", "a.txt", "a.txt"},
        {"C:\\Data", "Larkspur\\Hidden\\install_stamp", "C:\\Data\\Larkspur\\Hidden\\install_stamp"},
        {"C:\\Data\\", "x.dic", "C:\\Data\\x.dic"},
        {"C:\\Data/", "x.dic", "C:\\Data\\x.dic"},
        {"C:", "x.dic", "C:\\x.dic"},
        {"C:\\Data", "\\x.dic", "C:\\Data\\\\x.dic"},  // nothing is normalised
        {"C:\\Data", "", "C:\\Data\\"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JoinPath(c.folder, c.name), c.expected) << c.folder << " + " << c.name;
    }
}

TEST(SamePath, IgnoresLetterCaseAndNothingElse) {
    const struct { std::string a; std::string b; bool same; } cases[] = {
        {"c:\\program files", "C:\\Program Files", true},
        {"C:\\Foo", "C:\\Foo", true},
        {"", "", true},
        {"Latin.LSC", "latin.lsc", true},          // payload entry names too
        {"C:\\Foo", "C:\\Foo\\", false},
        {"C:\\Foo", "C:/Foo", false},
        {"C:\\a\\..\\b", "C:\\b", false},
        {"C:\\Foo ", "C:\\Foo", false},
        {"ab", std::string("ab\0", 3), false},     // the whole length counts
        {std::string("a\0b", 3), std::string("A\0B", 3), true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SamePath(c.a, c.b), c.same) << "'" << c.a << "' vs '" << c.b << "'";
        EXPECT_EQ(SamePath(c.b, c.a), c.same) << "'" << c.b << "' vs '" << c.a << "'";
    }
}

TEST(SamePath, UpperCasesBeyondAsciiInTheAnsiCodePage) {
    if (GetACP() != 1252) GTEST_SKIP() << "needs code page 1252, this is " << GetACP();
    EXPECT_TRUE(SamePath("C:\\Caf\xe9", "C:\\CAF\xc9"));      // e and E with acute accent
    EXPECT_FALSE(SamePath("C:\\Caf\xe9", "C:\\CAFE"));
}

TEST(CharHelpers, EditTheEnds) {
    EXPECT_EQ(LastChar("ab"), 'b');
    EXPECT_EQ(LastChar("\\"), '\\');

    std::string text = "abc";
    DeleteFirstChar(text);
    EXPECT_EQ(text, "bc");
    DeleteLastChar(text);
    EXPECT_EQ(text, "b");
    DeleteLastChar(text);
    EXPECT_EQ(text, "");
    DeleteFirstChar(text);  // an empty text stays empty
    EXPECT_EQ(text, "");
}

TEST(DrivePart, IsTheLetterOrTheShare) {
    const TextCase cases[] = {
        {"C:", "C:"},
        {"C:\\", "C:"},
        {"c:\\windows\\system32", "c:"},
        {"C:/", "C:"},
        {"C:relative", "C:"},
        {"\\\\server\\share\\x", "\\\\server\\share"},
        {"\\\\server\\share\\x\\y", "\\\\server\\share"},
        {"\\\\server\\share", "\\\\server\\share"},
        {"\\\\server", "\\\\server"},
        {"relative\\x", ""},
        {"\\rooted\\x", ""},
        {"x", ""},
        {"", ""},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(DrivePart(c.input), c.expected) << "input: " << c.input;
    }
}

TEST(DriveTypeOf, AsksWindowsForTheRootOfThePath) {
    const TextCase cases[] = {
        {"C:", "C:\\"},
        {"C:\\", "C:\\"},
        {"C:\\windows\\", "C:\\"},
        {"c:\\windows", "C:\\"},
        {"Z:\\tmp", "Z:\\"},
        {"\\\\server\\share\\x", "\\\\server\\share\\"},
        {"relative\\x", ""},
        {"relative\\", ""},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(DriveTypeOf(c.input), GetDriveTypeA(c.expected)) << "input: " << c.input;
    }
    EXPECT_EQ(DriveTypeOf("C:"), static_cast<uint32_t>(DRIVE_FIXED));
    EXPECT_EQ(DriveTypeOf("C:\\windows\\"), static_cast<uint32_t>(DRIVE_FIXED));
}

} // namespace
