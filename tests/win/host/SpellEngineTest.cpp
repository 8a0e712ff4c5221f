// The engine as the stand-in drives it: every way of failing to start, and the real Hunspell
// library with the Latin dictionary.
#include "tests/win/host/AddonSource.h"
#include "tests/win/host/TempFile.h"
#include "tools/host/SpellEngine.h"

#include <gtest/gtest.h>

namespace {

std::string SystemLibrary(const char* name) {
    char folder[MAX_PATH] = {};
    ::GetSystemDirectoryA(folder, MAX_PATH);
    return std::string(folder) + "\\" + name;
}

TEST(SpellEngineStart, NamesWhatIsWrong) {
    const std::string missing = hosttest::TempFolder() + "host-test-none\\hunspell.dll";
    host::SpellEngine noLibrary;
    EXPECT_EQ(noLibrary.start(missing, "la.aff", "la.dic"), host::EngineState::LibraryMissing);

    const hosttest::TempFile broken("host-test-broken.dll", "this is no library");
    host::SpellEngine brokenLibrary;
    EXPECT_EQ(brokenLibrary.start(broken.path(), "la.aff", "la.dic"), host::EngineState::LoadFailed);
    EXPECT_NE(brokenLibrary.loadError(), 0u);

    host::SpellEngine otherLibrary;
    EXPECT_EQ(otherLibrary.start(SystemLibrary("version.dll"), "la.aff", "la.dic"),
              host::EngineState::FunctionsMissing);
    EXPECT_FALSE(otherLibrary.isCorrect("puella"));
}

class HunspellEngine : public ::testing::Test {
protected:
    void SetUp() override {
        source_ = hosttest::AddonSourceFolder();
        if (source_.empty()) GTEST_SKIP() << "LARKSPUR_HOST_ADDON names no folder of unpacked add-on files";
    }

    std::string source_;
};

TEST_F(HunspellEngine, WithoutItsDictionaryItDoesNotStart) {
    host::SpellEngine engine;
    EXPECT_EQ(engine.start(source_ + "hunspell.dll", source_ + "none.aff", source_ + "none.dic"),
              host::EngineState::DictionaryMissing);
    EXPECT_FALSE(engine.isCorrect("puella"));
}

TEST_F(HunspellEngine, AcceptsLatinAndRejectsAMisspelling) {
    host::SpellEngine engine;
    ASSERT_EQ(engine.start(source_ + "hunspell.dll", source_ + "la.aff", source_ + "la.dic"),
              host::EngineState::Ready);
    EXPECT_TRUE(engine.isCorrect("puella"));
    EXPECT_TRUE(engine.isCorrect("rosam"));
    EXPECT_TRUE(engine.isCorrect("amavisti"));
    EXPECT_FALSE(engine.isCorrect("puellla"));
    EXPECT_FALSE(engine.isCorrect("rosamxq"));
}

} // namespace
