// Queueing entries by their install kinds, and collecting the targets in the Public folder.
#include "StoreTestSupport.h"

#include "instutils/InstUtils.h"

#include <gtest/gtest.h>

using payload::InstallAlways;
using payload::InstallIfChanged;
using payload::InstallIfMissing;
using payload::TAttachedFiles;
using namespace storetest;

namespace {

const double kEntryTime = LocalTime(2018, 6, 20, 11, 11, 24);

std::unique_ptr<TAttachedFiles> GroupStore() {
    return StoreOf({
        {"Sub\\a.txt", kEntryTime, "a"},
        {"Other.txt", kEntryTime, "other"},
        {"sub\\b.txt", kEntryTime, "b"},
        {"Subway.txt", kEntryTime, "not in the group"},
    });
}

// Every test leaves the process-wide switch as it found it: off.
class AddFileToInstall : public ::testing::Test {
protected:
    void TearDown() override { payload::CollectPublicFiles = false; }
};

} // namespace

// Parameter types have external linkage: the test classes made from them do.
enum class Target { Missing, SameTime, Older, Newer };

struct KindCase {
    const char* name;
    uint8_t kind;
    Target target;
    bool forceOverwrite;
    bool queued;
};

namespace {

const KindCase kKindCases[] = {
    {"IfMissingWithoutTarget", InstallIfMissing, Target::Missing, false, true},
    {"IfMissingWithTarget", InstallIfMissing, Target::SameTime, false, false},
    {"IfMissingWithOlderTarget", InstallIfMissing, Target::Older, false, false},
    {"IfChangedWithoutTarget", InstallIfChanged, Target::Missing, false, true},
    {"IfChangedWithSameTime", InstallIfChanged, Target::SameTime, false, false},
    {"IfChangedWithOlderTarget", InstallIfChanged, Target::Older, false, true},
    {"IfChangedWithNewerTarget", InstallIfChanged, Target::Newer, false, true},
    {"AlwaysWithoutTarget", InstallAlways, Target::Missing, false, true},
    {"AlwaysWithSameTime", InstallAlways, Target::SameTime, false, true},
    {"UnknownKindActsAsAlways", 7, Target::SameTime, false, true},
    // ForceOverwrite rewrites every kind but the user's own files.
    {"ForcedIfChangedWithSameTime", InstallIfChanged, Target::SameTime, true, true},
    {"ForcedAlwaysWithSameTime", InstallAlways, Target::SameTime, true, true},
    {"ForcedIfMissingWithTargetIsKept", InstallIfMissing, Target::SameTime, true, false},
    {"ForcedIfMissingWithNewerTargetIsKept", InstallIfMissing, Target::Newer, true, false},
    {"ForcedIfMissingWithoutTarget", InstallIfMissing, Target::Missing, true, true},
};

} // namespace

class InstallKindTest : public ::testing::TestWithParam<KindCase> {
protected:
    void TearDown() override { payload::CollectPublicFiles = false; }
};

namespace {

void PrepareTarget(TAttachedFiles& store, const std::string& path, Target target) {
    if (target == Target::Missing) return;
    ASSERT_TRUE(store.ExtractFile(nullptr, "Other.txt", path));
    ASSERT_EQ(instutils::FileWriteDate(path), kEntryTime);
    if (target == Target::Older) ShiftLastWriteTime(path, -2 * kFileTimeSecond);
    if (target == Target::Newer) ShiftLastWriteTime(path, kFileTimeDay);
}

} // namespace

TEST_P(InstallKindTest, QueuesAndCollectsByKindAndTarget) {
    const KindCase& c = GetParam();
    WorkFolder work(std::string("storetest ") + c.name, PublicFolder());
    const auto store = GroupStore();
    PrepareTarget(*store, work / "Other.txt", c.target);
    store->ForceOverwrite = c.forceOverwrite;
    payload::CollectPublicFiles = true;

    EXPECT_EQ(store->AddFileToInstall("other.TXT", work.path(), 0, c.kind), c.queued);

    if (c.queued) {
        ASSERT_EQ(store->Queues[0].size(), 1u);
        EXPECT_EQ(store->Queues[0][0].AttachedFile, &EntryNamed(*store, "Other.txt"));
        EXPECT_EQ(store->Queues[0][0].TargetPath, work / "Other.txt");
        const std::string mark = c.kind == InstallIfMissing ? "\t!" : "";
        EXPECT_EQ(store->PublicFiles, std::vector<std::string>{work / "Other.txt" + mark});
    } else {
        EXPECT_TRUE(store->Queues[0].empty());
        EXPECT_TRUE(store->PublicFiles.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Store, InstallKindTest, ::testing::ValuesIn(kKindCases),
                         [](const ::testing::TestParamInfo<KindCase>& info) { return std::string(info.param.name); });

TEST_F(AddFileToInstall, CollectsNothingWhileCollectionIsOff) {
    WorkFolder work("storetest CollectionOff", PublicFolder());
    const auto store = GroupStore();
    EXPECT_TRUE(store->AddFileToInstall("Other.txt", work.path(), 0, InstallIfMissing));
    EXPECT_TRUE(store->AddFileToInstall("Sub\\", work.path(), 0, InstallAlways));
    EXPECT_EQ(store->Queues[0].size(), 3u);
    EXPECT_TRUE(store->PublicFiles.empty());
}

TEST_F(AddFileToInstall, CollectsOnlyTargetsInsideThePublicFolder) {
    struct Place { std::string folder; bool collected; };
    const std::string publicFolder = PublicFolder();
    std::string lowerCase = publicFolder;
    for (char& ch : lowerCase) ch = static_cast<char>(tolower(static_cast<unsigned char>(ch)));
    std::string withoutLastBackslash = publicFolder.substr(0, publicFolder.size() - 1);
    const Place places[] = {
        {publicFolder + "Spellcheck", true},
        {publicFolder, true},
        {lowerCase + "Orthographe\\", true},
        {withoutLastBackslash + "ation\\", false},  // "...\Larkspur\Publication\"
        {withoutLastBackslash, true},                // the backslash is put back first
        {"C:\\storetest-outside\\Larkspur\\Public\\", false},
    };
    payload::CollectPublicFiles = true;
    for (const Place& place : places) {
        SCOPED_TRACE(place.folder);
        const auto store = GroupStore();
        ASSERT_TRUE(store->AddFileToInstall("Other.txt", place.folder, 0, InstallAlways));
        ASSERT_EQ(store->Queues[0].size(), 1u);
        EXPECT_EQ(store->PublicFiles.size(), place.collected ? 1u : 0u);
        if (place.collected) {
            EXPECT_EQ(store->PublicFiles[0], store->Queues[0][0].TargetPath);
        }
    }
}

TEST_F(AddFileToInstall, MakesTheFolderEndInOneBackslash) {
    struct FolderCase { const char* folder; const char* target; };
    const FolderCase cases[] = {
        {"C:\\storetest-none\\x", "C:\\storetest-none\\x\\Other.txt"},
        {"C:\\storetest-none\\x\\", "C:\\storetest-none\\x\\Other.txt"},
        {"C:\\storetest-none\\x/", "C:\\storetest-none\\x\\Other.txt"},
        {"C:\\storetest-none\\x\\\\", "C:\\storetest-none\\x\\\\Other.txt"},
        {"C:", "C:\\Other.txt"},
        {"", "Other.txt"},
    };
    for (const FolderCase& c : cases) {
        SCOPED_TRACE(c.folder);
        const auto store = GroupStore();
        ASSERT_TRUE(store->AddFileToInstall("Other.txt", c.folder, 0, InstallAlways));
        ASSERT_EQ(store->Queues[0].size(), 1u);
        EXPECT_EQ(store->Queues[0][0].TargetPath, c.target);
    }
}

TEST_F(AddFileToInstall, ANameEndingInABackslashQueuesTheWholeGroup) {
    WorkFolder work("Group");
    const auto store = GroupStore();
    EXPECT_TRUE(store->AddFileToInstall("SUB\\", work.path(), 0, InstallIfMissing));
    ASSERT_EQ(store->Queues[0].size(), 2u);
    EXPECT_EQ(store->Queues[0][0].AttachedFile, &EntryNamed(*store, "Sub\\a.txt"));
    EXPECT_EQ(store->Queues[0][0].TargetPath, work / "Sub\\a.txt");
    EXPECT_EQ(store->Queues[0][1].AttachedFile, &EntryNamed(*store, "sub\\b.txt"));
    EXPECT_EQ(store->Queues[0][1].TargetPath, work / "sub\\b.txt");
}

TEST_F(AddFileToInstall, AGroupIsTrueWhenAnyOfItWasQueued) {
    WorkFolder work("GroupPartly");
    const auto store = GroupStore();
    ASSERT_TRUE(store->ExtractFile(nullptr, "Sub\\a.txt", work / "Sub\\a.txt"));
    EXPECT_TRUE(store->AddFileToInstall("Sub\\", work.path(), 0, InstallIfMissing));
    ASSERT_EQ(store->Queues[0].size(), 1u);
    EXPECT_EQ(store->Queues[0][0].TargetPath, work / "sub\\b.txt");

    ASSERT_TRUE(store->ExtractFile(nullptr, "sub\\b.txt", work / "sub\\b.txt"));
    EXPECT_FALSE(store->AddFileToInstall("Sub\\", work.path(), 0, InstallIfMissing));
    EXPECT_EQ(store->Queues[0].size(), 1u);
}

TEST_F(AddFileToInstall, NamesThatMatchNoEntryQueueNothing) {
    const auto store = GroupStore();
    for (const char* name : {"nosuch.txt", "Other", "Sub", "Sub\\a", "Nosuch\\", "Other.txt\\"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(store->AddFileToInstall(name, "C:\\storetest-none", 0, InstallAlways));
    }
    EXPECT_TRUE(store->Queues[0].empty());
}

TEST_F(AddFileToInstall, TheRealPayloadHasNoGroups) {
    TAttachedFiles& store = RealStore();
    const size_t before = store.Queues[0].size();
    EXPECT_FALSE(store.AddFileToInstall("Spellcheck\\", "C:\\storetest-none", 0, InstallAlways));
    EXPECT_FALSE(store.AddFileToInstall("la\\", "C:\\storetest-none", 0, InstallAlways));
    EXPECT_EQ(store.Queues[0].size(), before);
}

TEST_F(AddFileToInstall, OfTwoEntriesWithTheSameNameTheFirstIsQueued) {
    const auto store = StoreOf({{"same.txt", kEntryTime, "earlier"}, {"SAME.TXT", kEntryTime, "later"}});
    ASSERT_TRUE(store->AddFileToInstall("Same.txt", "C:\\storetest-none", 0, InstallAlways));
    ASSERT_EQ(store->Queues[0].size(), 1u);
    EXPECT_EQ(store->Queues[0][0].AttachedFile, &store->Entries[0]);
    EXPECT_EQ(store->Queues[0][0].TargetPath, "C:\\storetest-none\\same.txt");
}

TEST_F(AddFileToInstall, ThereIsOnlyQueueZero) {
    const auto store = GroupStore();
    EXPECT_FALSE(store->AddFileToInstall("Other.txt", "C:\\storetest-none", 1, InstallAlways));
    EXPECT_TRUE(store->Queues[0].empty());
}

TEST_F(AddFileToInstall, QueuesGrowAcrossCallsInCallOrder) {
    const auto store = GroupStore();
    ASSERT_TRUE(store->AddFileToInstall("Other.txt", "C:\\storetest-none\\one", 0, InstallAlways));
    ASSERT_TRUE(store->AddFileToInstall("Other.txt", "C:\\storetest-none\\two", 0, InstallAlways));
    ASSERT_EQ(store->Queues[0].size(), 2u);
    EXPECT_EQ(store->Queues[0][0].TargetPath, "C:\\storetest-none\\one\\Other.txt");
    EXPECT_EQ(store->Queues[0][1].TargetPath, "C:\\storetest-none\\two\\Other.txt");
}
