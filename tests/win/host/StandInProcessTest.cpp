// lwp.exe as the setup and its tests meet it: a running word processor that marks its window,
// and that finds the installed Latin spell checker where the setup puts it.
#include "tests/win/host/AddonSource.h"
#include "tests/win/host/PlacedFiles.h"
#include "tests/win/host/StandInProcess.h"
#include "tests/win/host/StandInRun.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;
using hosttest::SameText;

constexpr DWORD kPollMs = 50;

Lines CheckWithStandIn(const Lines& texts) {
    return hosttest::CheckWithStandIn(hosttest::BuiltStandIn(), texts);
}

bool HoldsDescriptor(const std::string& folder) {
    return ::GetFileAttributesA((folder + "Latin.lsc").c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(StandInWindow, CarriesTheRunningMarkWhileOpenAndDropsItWhenClosed) {
    ASSERT_EQ(hosttest::FindRunningHostWindow(), nullptr) << "a marked window exists before the start";
    const hosttest::StandInProcess standIn(hosttest::BuiltStandIn(), "--check puella --close-after 3000");
    ASSERT_TRUE(standIn.started());

    HWND marked = nullptr;
    for (DWORD waited = 0; !marked && standIn.running() && waited < hosttest::kStandInTimeoutMs; waited += kPollMs) {
        ::Sleep(kPollMs);
        marked = hosttest::FindRunningHostWindow();
    }
    ASSERT_NE(marked, nullptr) << "no top-level window carried \"1.x Brightfen\" while lwp.exe ran";
    DWORD owner = 0;
    ::GetWindowThreadProcessId(marked, &owner);
    EXPECT_EQ(owner, standIn.id());
    char caption[64] = {};
    ::GetWindowTextA(marked, caption, sizeof caption);
    EXPECT_STREQ(caption, "Larkspur Word Processor (stand-in)");

    ASSERT_TRUE(standIn.waitForExit(hosttest::kStandInTimeoutMs)) << "--close-after did not close the window";
    EXPECT_EQ(standIn.exitCode(), 0u);
    EXPECT_EQ(hosttest::FindRunningHostWindow(), nullptr);
}

TEST(StandInWithoutAddon, ReportsNoFolderAndStillRuns) {
    ASSERT_FALSE(HoldsDescriptor(hosttest::PublicSpellFolder("Spellcheck")));
    ASSERT_FALSE(HoldsDescriptor(hosttest::PublicSpellFolder("Orthographe")));
    EXPECT_EQ(CheckWithStandIn({"puella"}), (Lines{"folder\tnone", "puella\tunchecked"}));
}

class StandInWithAddon : public ::testing::Test {
protected:
    void SetUp() override {
        source_ = hosttest::AddonSourceFolder();
        if (source_.empty()) GTEST_SKIP() << "LARKSPUR_HOST_ADDON names no folder of unpacked add-on files";
    }

    std::string source_;
};

TEST_F(StandInWithAddon, ChecksLatinWithTheEngineOfTheSpellcheckFolder) {
    const std::string folder = hosttest::PublicSpellFolder("Spellcheck");
    const hosttest::PlacedFiles addon(source_, folder, hosttest::AddonFileNames());
    ASSERT_TRUE(addon.complete()) << "cannot copy the add-on from " << source_;

    const Lines lines = CheckWithStandIn({"puella", "rosam", "amavisti", "puellla",
                                          "Gallia est omnis divisa in partes tres",
                                          "Gallia est omnis divisa in partes tress"});
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_TRUE(SameText(lines[0], "folder\t" + folder)) << lines[0];
    EXPECT_EQ(lines[1], "puella\tok");
    EXPECT_EQ(lines[2], "rosam\tok");
    EXPECT_EQ(lines[3], "amavisti\tok");
    EXPECT_EQ(lines[4], "puellla\twrong");
    EXPECT_EQ(lines[5], "Gallia est omnis divisa in partes tres\tok");
    EXPECT_EQ(lines[6], "Gallia est omnis divisa in partes tress\twrong");
}

// The folder choice alone: descriptors without an engine are quick to start.
TEST_F(StandInWithAddon, FallsBackToTheOrthographeFolder) {
    const std::string folder = hosttest::PublicSpellFolder("Orthographe");
    const hosttest::PlacedFiles addon(source_, folder, {"Latin.lsc"});
    ASSERT_TRUE(addon.complete());
    const Lines lines = CheckWithStandIn({"puella"});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(SameText(lines[0], "folder\t" + folder)) << lines[0];
    EXPECT_EQ(lines[1], "puella\tunchecked") << "no engine was installed";
}

TEST_F(StandInWithAddon, PrefersTheSpellcheckFolderWhenBothHoldADescriptor) {
    const std::string spellcheck = hosttest::PublicSpellFolder("Spellcheck");
    const hosttest::PlacedFiles first(source_, spellcheck, {"Latin.lsc"});
    const hosttest::PlacedFiles second(source_, hosttest::PublicSpellFolder("Orthographe"), {"Latin.lsc"});
    ASSERT_TRUE(first.complete() && second.complete());
    const Lines lines = CheckWithStandIn({});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(SameText(lines[0], "folder\t" + spellcheck)) << lines[0];
}

TEST_F(StandInWithAddon, IgnoresAFolderWithoutADescriptor) {
    const std::string orthographe = hosttest::PublicSpellFolder("Orthographe");
    const hosttest::PlacedFiles emptyFolder(source_, hosttest::PublicSpellFolder("Spellcheck"), {});
    const hosttest::PlacedFiles addon(source_, orthographe, {"Latin.lsc"});
    ASSERT_TRUE(addon.complete());
    const Lines lines = CheckWithStandIn({});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(SameText(lines[0], "folder\t" + orthographe)) << lines[0];
}

} // namespace
