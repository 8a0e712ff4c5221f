// Freeing the store sweeps the setup's temporary files away, and only those.
#include "StoreTestSupport.h"

#include "instutils/InstUtils.h"

#include <gtest/gtest.h>

using namespace storetest;

TEST(StoreLifetime, FreeingTheStoreRemovesTheSetupsTemporaryFiles) {
    const std::string temp = instutils::TempFolder();
    const std::string prefix = instutils::TempFilePrefix();
    const std::string ours = temp + prefix + "0.tmp";
    const std::string oursFolder = temp + prefix + "Folder\\";
    const std::string otherCase = temp + "~larkspurlatinspellcheckersetup1.tmp";
    const std::string unrelated = temp + "storetest-unrelated.tmp";

    auto store = StoreOf({{"License.txt", 44000.0, "license"}});
    ASSERT_TRUE(store->ExtractFile(nullptr, "License.txt", ours));
    ASSERT_TRUE(store->ExtractFile(nullptr, "License.txt", oursFolder + "inner.txt"));
    WriteWholeFile(otherCase, "x");
    WriteWholeFile(unrelated, "x");

    store.reset();

    EXPECT_FALSE(instutils::FileExists(ours));
    EXPECT_FALSE(IsFolder(oursFolder));
    EXPECT_TRUE(instutils::FileExists(otherCase));
    EXPECT_TRUE(instutils::FileExists(unrelated));
    ::DeleteFileA(otherCase.c_str());
    ::DeleteFileA(unrelated.c_str());
}

TEST(StoreLifetime, AFailedConstructionSweepsNothing) {
    const std::string leftover = instutils::TempFolder() + instutils::TempFilePrefix() + "Leftover.tmp";
    WriteWholeFile(leftover, "from an earlier run");
    const Bytes garbage = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_THROW(payload::TAttachedFiles store(ViewOf(garbage)), payload::EPayloadError);
    EXPECT_TRUE(instutils::FileExists(leftover));
    ::DeleteFileA(leftover.c_str());
}
