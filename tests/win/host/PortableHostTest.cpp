// A word processor installed on a removable drive keeps its spell checker beside itself and
// never looks into the machine's data folder.
#include "tests/win/host/AddonSource.h"
#include "tests/win/host/PlacedFiles.h"
#include "tests/win/host/PluggedStick.h"
#include "tests/win/host/StandInProcess.h"
#include "tests/win/host/StandInRun.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

class PortableStandIn : public ::testing::Test {
protected:
    void SetUp() override {
        source_ = hosttest::AddonSourceFolder();
        if (source_.empty()) GTEST_SKIP() << "LARKSPUR_HOST_ADDON names no folder of unpacked add-on files";
        ASSERT_TRUE(stick_.plugged()) << stick_.error();
    }

    std::string home() const { return stick_.root() + "Larkspur\\"; }

    hosttest::PluggedStick stick_;
    std::string source_;
};

TEST_F(PortableStandIn, FindsTheAddonInItsOwnSpellcheckFolder) {
    const hosttest::PlacedFiles program(hosttest::OwnFolder(), home(), {"lwp.exe"});
    const hosttest::PlacedFiles addon(source_, home() + "Spellcheck\\", {"Latin.lsc"});
    const hosttest::PlacedFiles machineWide(source_, hosttest::PublicSpellFolder("Spellcheck"), {"Latin.lsc"});
    ASSERT_TRUE(program.complete() && addon.complete() && machineWide.complete());

    const Lines lines = hosttest::CheckWithStandIn(home() + "lwp.exe", {"puella"});
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(hosttest::SameText(lines[0], "folder\t" + home() + "Spellcheck\\")) << lines[0];
}

TEST_F(PortableStandIn, FallsBackToItsOwnOrthographeFolder) {
    const hosttest::PlacedFiles program(hosttest::OwnFolder(), home(), {"lwp.exe"});
    const hosttest::PlacedFiles addon(source_, home() + "Orthographe\\", {"Latin.lsc"});
    ASSERT_TRUE(program.complete() && addon.complete());

    const Lines lines = hosttest::CheckWithStandIn(home() + "lwp.exe", {});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(hosttest::SameText(lines[0], "folder\t" + home() + "Orthographe\\")) << lines[0];
}

TEST_F(PortableStandIn, IgnoresTheMachineWideAddon) {
    const hosttest::PlacedFiles program(hosttest::OwnFolder(), home(), {"lwp.exe"});
    const hosttest::PlacedFiles machineWide(source_, hosttest::PublicSpellFolder("Spellcheck"), {"Latin.lsc"});
    ASSERT_TRUE(program.complete() && machineWide.complete());

    EXPECT_EQ(hosttest::CheckWithStandIn(home() + "lwp.exe", {}), (Lines{"folder\tnone"}));
}

} // namespace
