// The dictionaries are UTF-8 while the stand-in's text is ANSI.
#include "tools/host/Utf8Text.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(AnsiToUtf8, KeepsAsciiAndEncodesAccentedLetters) {
    EXPECT_EQ(host::AnsiToUtf8("puella"), "puella");
    EXPECT_EQ(host::AnsiToUtf8(""), "");
    if (::GetACP() != 1252) GTEST_SKIP() << "the accented case is written for code page 1252";
    EXPECT_EQ(host::AnsiToUtf8("C\xe6sar poen\xe6"), "C\xc3\xa6sar poen\xc3\xa6");
}

} // namespace
