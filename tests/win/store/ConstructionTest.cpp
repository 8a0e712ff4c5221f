// Building the store: from the program's FILES resource, and every way a payload can be bad.
#include "StoreTestSupport.h"

#include "instutils/InstUtils.h"
#include "platform/Handles.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <malloc.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using payload::EPayloadError;
using payload::TAttachedFiles;
using payload::TPayloadFault;
using namespace storetest;

namespace {

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    platform::UniqueFind search(::FindFirstFileA((folder + "*").c_str(), &found));
    if (!search) return names;
    do names.push_back(found.cFileName); while (::FindNextFileA(search.get(), &found));
    std::sort(names.begin(), names.end());
    return names;
}

const std::vector<FixtureEntry> kTwoEntries = {
    {"first.txt", LocalTime(2020, 1, 2, 3, 4, 6), "first content"},
    {"second.bin", LocalTime(2001, 12, 31, 23, 59, 58), std::string("\0\1\2\3", 4)},
};

} // namespace

// ---- The real payload -----------------------------------------------------------------------

TEST(RealPayload, ListsTheNineEntriesInArchiveOrderWithTheirTimes) {
    struct Expected { const char* name; double time; };
    const Expected expected[] = {
        {"License.txt", LocalTime(2021, 2, 10, 11, 58, 46)},
        {"hunspell.dll", LocalTime(2013, 4, 6, 21, 31, 14)},
        {"Latin.lsc", LocalTime(2018, 6, 20, 11, 11, 2)},
        {"userdicla.tlx", LocalTime(2018, 6, 20, 11, 11, 24)},
        {"la.dic", LocalTime(2013, 3, 31, 21, 0, 0)},
        {"la.aff", LocalTime(2013, 3, 31, 21, 0, 0)},
        {"Latin.hyph", LocalTime(2023, 10, 31, 16, 3, 36)},
        {"Logo.bmp", LocalTime(2018, 6, 20, 12, 7, 2)},
        {"LogoSmall.bmp", LocalTime(2019, 4, 12, 3, 37, 30)},
    };
    const TAttachedFiles& store = RealStore();
    ASSERT_EQ(store.Entries.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(store.Entries[i].Name, expected[i].name);
        EXPECT_EQ(store.Entries[i].Time, expected[i].time);
    }
}

// Sizes and contents depend on this build's inputs, so they are compared with the packed files.
TEST(RealPayload, EveryEntryHoldsItsSourceFileByteForByte) {
    const TAttachedFiles& store = RealStore();
    for (const payload::TAttachedFile& entry : store.Entries) {
        SCOPED_TRACE(entry.Name);
        const std::string source = PayloadSourceFile(entry.Name);
        ASSERT_FALSE(source.empty()) << "no source file; the test takes the packer's input folders as arguments";
        std::string content;
        ASSERT_TRUE(ReadWholeFile(source, content)) << source;
        EXPECT_EQ(entry.Size, static_cast<int32_t>(content.size()));
        EXPECT_TRUE(ContentOf(store, entry) == content);
    }
}

TEST(RealPayload, EntriesTileTheInflatedArchiveExactly) {
    const TAttachedFiles& store = RealStore();
    int32_t position = 0;
    for (const payload::TAttachedFile& entry : store.Entries) {
        SCOPED_TRACE(entry.Name);
        EXPECT_EQ(entry.Offset, position + 13 + static_cast<int32_t>(entry.Name.size()));
        EXPECT_GE(entry.Size, 0);
        position = entry.Offset + entry.Size;
    }
    EXPECT_EQ(position, store.DataSize);
}

TEST(RealPayload, SizesOfTheFixedFormatEntries) {
    const TAttachedFiles& store = RealStore();
    EXPECT_EQ(EntryNamed(store, "userdicla.tlx").Size, 0);
    EXPECT_EQ(EntryNamed(store, "Logo.bmp").Size, 32278);      // 120 x 260, 8 bits, uncompressed
    EXPECT_EQ(EntryNamed(store, "LogoSmall.bmp").Size, 2102);  // 32 x 32, 8 bits
    const std::string descriptor = ContentOf(store, EntryNamed(store, "Latin.lsc"));
    EXPECT_EQ(descriptor,
              "[General]\r\nLanguage=1142\r\nEngine=hunspell\r\n\r\n"
              "[Fixed Lexicons]\r\nCount=1\r\nLexicon1=la.dic\r\n\r\n"
              "[Editable Lexicons]\r\nCount=1\r\nLexicon1=userdicla.tlx");
    EXPECT_EQ(ContentOf(store, EntryNamed(store, "Logo.bmp")).substr(0, 2), "BM");
    EXPECT_EQ(ContentOf(store, EntryNamed(store, "hunspell.dll")).substr(0, 2), "MZ");
}

// ---- Fixture streams ------------------------------------------------------------------------

TEST(FixturePayload, ListsNameSizeTimeAndContentOfEveryEntry) {
    const auto store = StoreOf(kTwoEntries);
    ASSERT_EQ(store->Entries.size(), kTwoEntries.size());
    for (size_t i = 0; i < kTwoEntries.size(); ++i) {
        SCOPED_TRACE(kTwoEntries[i].name);
        EXPECT_EQ(store->Entries[i].Name, kTwoEntries[i].name);
        EXPECT_EQ(store->Entries[i].Time, kTwoEntries[i].time);
        EXPECT_EQ(store->Entries[i].Size, static_cast<int32_t>(kTwoEntries[i].content.size()));
        EXPECT_EQ(ContentOf(*store, store->Entries[i]), kTwoEntries[i].content);
    }
    EXPECT_EQ(store->DataSize, static_cast<int32_t>(BuildArchive(kTwoEntries).size()));
}

TEST(FixturePayload, AnEmptyEntryIsListedAndTheNextStartsRightAfterItsSizeField) {
    const auto store = StoreOf({{"empty", 44000.0, ""}, {"after", 44000.5, "x"}});
    ASSERT_EQ(store->Entries.size(), 2u);
    EXPECT_EQ(store->Entries[0].Size, 0);
    EXPECT_EQ(store->Entries[0].Offset, 1 + 5 + 12);
    EXPECT_EQ(store->Entries[1].Offset, store->Entries[0].Offset + 1 + 5 + 12);
    EXPECT_EQ(ContentOf(*store, store->Entries[1]), "x");
}

TEST(FixturePayload, AnEmptyArchiveHasNoEntries) {
    const Bytes stream = Compress({});
    TAttachedFiles store(ViewOf(stream));
    EXPECT_TRUE(store.Entries.empty());
    EXPECT_EQ(store.DataSize, 0);
    EXPECT_TRUE(store.Queues[0].empty());
    EXPECT_TRUE(store.PublicFiles.empty());
    EXPECT_FALSE(store.ForceOverwrite);
}

TEST(FixturePayload, BytesAfterTheStreamAreIgnored) {
    Bytes stream = Compress(BuildArchive(kTwoEntries));
    stream.insert(stream.end(), {0xDE, 0xAD, 0xBE, 0xEF, 0x00, 0x78, 0xDA});
    TAttachedFiles store(ViewOf(stream));
    ASSERT_EQ(store.Entries.size(), 2u);
    EXPECT_EQ(ContentOf(store, store.Entries[1]), kTwoEntries[1].content);
}

TEST(FixturePayload, AnyCompressionLevelIsAccepted) {
    for (int level : {0, 1, 6, 9}) {
        SCOPED_TRACE(level);
        const Bytes stream = Compress(BuildArchive(kTwoEntries), level);
        TAttachedFiles store(ViewOf(stream));
        EXPECT_EQ(store.Entries.size(), 2u);
    }
}

// ---- Bad payloads ---------------------------------------------------------------------------

namespace {

Bytes GoodStream() { return Compress(BuildArchive(kTwoEntries)); }

Bytes WithHeader(unsigned char cmf, unsigned char flg) {
    Bytes s = GoodStream();
    s[0] = cmf;
    s[1] = flg;
    return s;
}

// A header byte pair whose check bits are right, so that only the named field is wrong.
unsigned char CheckedFlags(unsigned char cmf) {
    const unsigned char flg = 0x80;  // level bits only
    return static_cast<unsigned char>(flg + (31 - (cmf * 256 + flg) % 31) % 31);
}

Bytes Truncated(size_t dropped) {
    Bytes s = GoodStream();
    s.resize(s.size() - dropped);
    return s;
}

Bytes WithWrongAdler() {
    Bytes s = GoodStream();
    s.back() ^= 0x01;
    return s;
}

// The first block header claims the reserved block type 3.
Bytes WithReservedBlockType() {
    Bytes s = GoodStream();
    s[2] = 0x07;
    return s;
}

Bytes ArchiveWithShortContent() {
    Bytes archive = BuildArchive({{"ok.txt", 44000.0, "fine"}, {"long.txt", 44000.0, "0123456789"}});
    archive.resize(archive.size() - 3);
    return Compress(archive);
}

Bytes ArchiveWithShortHeader() {
    Bytes archive = BuildArchive({{"ok.txt", 44000.0, "fine"}});
    archive.insert(archive.end(), {20, 'a', 'b', 'c'});
    return Compress(archive);
}

Bytes ArchiveWithNegativeSize() {
    Bytes archive = BuildArchive({{"neg.txt", 44000.0, ""}});
    archive[archive.size() - 1] = 0x80;
    return Compress(archive);
}

} // namespace

// Parameter types have external linkage: the test classes made from them do.
struct BadPayload {
    const char* name;
    std::function<Bytes()> make;
    TPayloadFault fault;
    const char* wordsInMessage;
};

namespace {

const BadPayload kBadPayloads[] = {
    {"not a zlib header", [] { return WithHeader(0x79, 0x9C); }, TPayloadFault::BadHeader, "header"},
    {"compression method 7", [] { return WithHeader(0x77, CheckedFlags(0x77)); }, TPayloadFault::BadHeader, "header"},
    {"64 KB window", [] { return WithHeader(0x88, CheckedFlags(0x88)); }, TPayloadFault::BadHeader, "header"},
    {"preset dictionary",
     [] { return CompressWithDictionary(BuildArchive(kTwoEntries), "first content second"); },
     TPayloadFault::PresetDictionary, "preset dictionary"},
    {"half of the stream", [] { Bytes s = GoodStream(); s.resize(s.size() / 2); return s; },
     TPayloadFault::TruncatedStream, "truncated"},
    {"without the last Adler-32 byte", [] { return Truncated(1); }, TPayloadFault::TruncatedStream, "truncated"},
    {"only the header", [] { Bytes s = GoodStream(); s.resize(2); return s; }, TPayloadFault::TruncatedStream,
     "truncated"},
    {"wrong Adler-32", WithWrongAdler, TPayloadFault::WrongChecksum, "Adler-32"},
    {"reserved block type", WithReservedBlockType, TPayloadFault::CorruptData, "corrupt"},
    {"content past the end", ArchiveWithShortContent, TPayloadFault::EntryPastEnd, "past the end"},
    {"header past the end", ArchiveWithShortHeader, TPayloadFault::EntryPastEnd, "past the end"},
    {"negative size", ArchiveWithNegativeSize, TPayloadFault::EntryPastEnd, "negative"},
};

} // namespace

class BadPayloadTest : public ::testing::TestWithParam<BadPayload> {};

TEST_P(BadPayloadTest, FailsWithTheFaultNamedAndWritesNothing) {
    const BadPayload& bad = GetParam();
    const Bytes stream = bad.make();
    const std::vector<std::string> tempBefore = NamesIn(instutils::TempFolder());
    try {
        TAttachedFiles store(ViewOf(stream));
        ADD_FAILURE() << "a store was built from a bad payload";
    } catch (const EPayloadError& error) {
        EXPECT_EQ(error.Fault(), bad.fault) << error.what();
        EXPECT_NE(std::string(error.what()).find(bad.wordsInMessage), std::string::npos) << error.what();
    }
    EXPECT_EQ(NamesIn(instutils::TempFolder()), tempBefore);
}

INSTANTIATE_TEST_SUITE_P(Store, BadPayloadTest, ::testing::ValuesIn(kBadPayloads),
                         [](const ::testing::TestParamInfo<BadPayload>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 if (isalnum(static_cast<unsigned char>(*c))) name += *c;
                             return name;
                         });

namespace {

TPayloadFault FaultOf(const payload::TResourceData& stream) {
    try {
        TAttachedFiles store(stream);
    } catch (const EPayloadError& error) {
        return error.Fault();
    }
    ADD_FAILURE() << "a store was built";
    return TPayloadFault::CorruptData;
}

} // namespace

TEST(MissingOrEmptyResource, IsReportedAsSuch) {
    EXPECT_EQ(FaultOf(payload::GetResourceData("NOSUCH", "FILES")), TPayloadFault::MissingResource);
    EXPECT_EQ(FaultOf(payload::GetResourceData("FILES", "NOSUCH")), TPayloadFault::MissingResource);
    EXPECT_EQ(FaultOf(payload::TResourceData{}), TPayloadFault::MissingResource);
    EXPECT_EQ(FaultOf(payload::GetResourceData("EMPTY", "FILES")), TPayloadFault::EmptyResource);
}

TEST(MissingOrEmptyResource, MessagesNameTheResource) {
    try {
        TAttachedFiles store(payload::GetResourceData("EMPTY", "FILES"));
        FAIL();
    } catch (const EPayloadError& error) {
        EXPECT_NE(std::string(error.what()).find("FILES resource is empty"), std::string::npos) << error.what();
    }
}

TEST(GetResourceData, GivesTheBytesOfANamedResourceInPlace) {
    const payload::TResourceData small = payload::GetResourceData("SMALL", "FILES");
    ASSERT_NE(small.Bytes, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(small.Bytes), small.Size), "small resource");
    EXPECT_EQ(payload::GetResourceData("SMALL", "FILES").Bytes, small.Bytes);
    const payload::TResourceData empty = payload::GetResourceData("EMPTY", "FILES");
    EXPECT_NE(empty.Bytes, nullptr);
    EXPECT_EQ(empty.Size, 0u);
}

// ---- Inflating into a growing block ---------------------------------------------------------

namespace {

// A megabyte that compresses about a thousand to one: the output outgrows any small estimate.
Bytes Compressible() {
    Bytes data(1 << 20);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<unsigned char>(i / 4096);
    return data;
}

} // namespace

TEST(DecompressBuffer, GrowsFromAnyEstimateAndEndsWithTheExactLength) {
    const Bytes original = Compressible();
    const Bytes stream = Compress(original);
    for (size_t estimate : {size_t{0}, size_t{1}, size_t{1000}, original.size(), 5 * original.size()}) {
        SCOPED_TRACE(estimate);
        const payload::TDecompressedBlock out = payload::DecompressBuffer(stream.data(), stream.size(), estimate);
        ASSERT_EQ(out.OutBytes, original.size());
        EXPECT_TRUE(std::equal(original.begin(), original.end(), out.OutBuf.get()));
        EXPECT_EQ(_msize(out.OutBuf.get()), original.size()) << "the block is shrunk to the output";
    }
}

TEST(DecompressBuffer, ReportsLackOfMemory) {
    const Bytes stream = Compress(BuildArchive(kTwoEntries));
    try {
        payload::DecompressBuffer(stream.data(), stream.size(), 0x7FFF0000);
        FAIL() << "a 2 GB block in a 32-bit process";
    } catch (const EPayloadError& error) {
        EXPECT_EQ(error.Fault(), TPayloadFault::OutOfMemory);
        EXPECT_NE(std::string(error.what()).find("memory"), std::string::npos);
    }
}

TEST(DecompressBuffer, AnEmptyInputIsATruncatedStream) {
    const unsigned char nothing[1] = {};
    try {
        payload::DecompressBuffer(nothing, 0, 0);
        FAIL();
    } catch (const EPayloadError& error) {
        EXPECT_EQ(error.Fault(), TPayloadFault::TruncatedStream);
    }
}
