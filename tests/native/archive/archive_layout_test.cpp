// The entry layout: what AppendEntry writes byte for byte, and what ReadArchive accepts,
// including archives that stop in the middle of an entry.
#include "payload/ArchiveFormat.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using payload::AppendEntry;
using payload::ArchiveEntry;
using payload::ArchiveError;
using payload::ReadArchive;

namespace {

using Bytes = std::vector<unsigned char>;

void Append(Bytes& archive, const std::string& name, double time, const std::string& content) {
    AppendEntry(archive, name, time, reinterpret_cast<const unsigned char*>(content.data()),
                content.size());
}

// Reads `size` bytes from a block of exactly that size, so AddressSanitizer sees any read
// past the end.
ArchiveError ReadExact(const Bytes& archive, size_t size, std::vector<ArchiveEntry>& entries) {
    std::unique_ptr<unsigned char[]> block(new unsigned char[size > 0 ? size : 1]);
    std::copy(archive.begin(), archive.begin() + static_cast<long>(size), block.get());
    return ReadArchive(size > 0 ? block.get() : nullptr, size, entries);
}

std::string ContentOf(const Bytes& archive, const ArchiveEntry& entry) {
    return std::string(archive.begin() + entry.offset, archive.begin() + entry.offset + entry.size);
}

} // namespace

TEST(ArchiveLayout, FirstEntryHeaderOfThePayloadIsByteExact) {
    Bytes archive;
    Append(archive, "License.txt", 44237.49914351852, std::string(1939, 'x'));
    const Bytes expected = {0x0B, 'L', 'i', 'c', 'e', 'n', 's', 'e', '.', 't', 'x', 't',
                            0x02, 0xD4, 0xFB, 0xF8, 0xAF, 0x99, 0xE5, 0x40,
                            0x93, 0x07, 0x00, 0x00};
    ASSERT_EQ(archive.size(), 24u + 1939u);
    EXPECT_EQ(Bytes(archive.begin(), archive.begin() + 24), expected);

    std::vector<ArchiveEntry> entries;
    ASSERT_EQ(ReadExact(archive, archive.size(), entries), ArchiveError::None);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].offset, 24);
    EXPECT_EQ(entries[0].size, 1939);
}

TEST(ArchiveLayout, RoundTripKeepsOrderNamesTimesAndContents) {
    struct Source { std::string name; double time; std::string content; };
    const std::vector<Source> sources = {
        {"License.txt", 44237.49914351852, "terms\n"},
        {"hunspell.dll", 41370.896689814815, std::string("MZ\0\0\x90", 5)},
        {"Sub\\Folder\\la.aff", 41364.875, std::string(70000, '\xEF')},
        {"LICENSE.TXT", 0.5, "a reader keeps names that differ only in case"},
    };
    Bytes archive;
    for (const Source& source : sources)
        Append(archive, source.name, source.time, source.content);

    std::vector<ArchiveEntry> entries;
    ASSERT_EQ(ReadExact(archive, archive.size(), entries), ArchiveError::None);
    ASSERT_EQ(entries.size(), sources.size());
    for (size_t i = 0; i < sources.size(); ++i) {
        SCOPED_TRACE(sources[i].name);
        EXPECT_EQ(entries[i].name, sources[i].name);
        EXPECT_EQ(entries[i].time, sources[i].time);
        EXPECT_EQ(entries[i].size, static_cast<int32_t>(sources[i].content.size()));
        EXPECT_EQ(ContentOf(archive, entries[i]), sources[i].content);
    }
}

TEST(ArchiveLayout, EmptyArchiveHasNoEntries) {
    std::vector<ArchiveEntry> entries(1);  // replaced, not appended to
    EXPECT_EQ(ReadArchive(nullptr, 0, entries), ArchiveError::None);
    EXPECT_TRUE(entries.empty());
}

TEST(ArchiveLayout, EmptyEntryIsRealAndTheNextStartsRightAfterItsSizeField) {
    Bytes archive;
    Append(archive, "userdicla.tlx", 43271.46625, "");
    Append(archive, "la.dic", 41364.875, "12\n");
    const size_t secondEntryStart = 1 + 13 + 8 + 4;
    ASSERT_EQ(archive.size(), secondEntryStart + 1 + 6 + 8 + 4 + 3);
    EXPECT_EQ(archive[secondEntryStart], 6);

    std::vector<ArchiveEntry> entries;
    ASSERT_EQ(ReadExact(archive, archive.size(), entries), ArchiveError::None);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "userdicla.tlx");
    EXPECT_EQ(entries[0].size, 0);
    EXPECT_EQ(entries[0].offset, static_cast<int32_t>(secondEntryStart));
    EXPECT_EQ(entries[1].offset, static_cast<int32_t>(secondEntryStart + 1 + 6 + 12));
    EXPECT_EQ(ContentOf(archive, entries[1]), "12\n");
}

TEST(ArchiveLayout, LastEntryMayBeEmpty) {
    Bytes archive;
    Append(archive, "a", 1.0, "");
    std::vector<ArchiveEntry> entries;
    ASSERT_EQ(ReadExact(archive, archive.size(), entries), ArchiveError::None);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].offset, static_cast<int32_t>(archive.size()));
}

TEST(ArchiveLayout, NamesOfZeroAnd255Bytes) {
    const std::string longest(255, 'n');
    Bytes archive;
    Append(archive, longest, 2.0, "long");
    Append(archive, "", 3.0, "nameless");
    EXPECT_EQ(archive[0], 0xFF);

    std::vector<ArchiveEntry> entries;
    ASSERT_EQ(ReadExact(archive, archive.size(), entries), ArchiveError::None);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, longest);
    EXPECT_EQ(entries[0].offset, 1 + 255 + 12);
    EXPECT_EQ(ContentOf(archive, entries[0]), "long");
    EXPECT_EQ(entries[1].name, "");
    EXPECT_EQ(ContentOf(archive, entries[1]), "nameless");
}

// A whole entry, then "ab" with content "xyz" cut at every length: its header is 1 + 2 + 8 + 4
// = 15 bytes, its content 3.
TEST(ArchiveLayout, EntryCutAtEveryBytePositionIsCorrupt) {
    Bytes archive;
    Append(archive, "whole", 4.0, "w");
    const size_t cutEntryStart = archive.size();
    Append(archive, "ab", 5.0, "xyz");

    struct Case { size_t keep; ArchiveError error; size_t wholeEntries; };
    std::vector<Case> cases;
    for (size_t keep = 1; keep < 15; ++keep)
        cases.push_back({keep, ArchiveError::HeaderPastEnd, 1});
    for (size_t keep = 15; keep < 18; ++keep)
        cases.push_back({keep, ArchiveError::ContentPastEnd, 1});
    cases.push_back({18, ArchiveError::None, 2});
    cases.push_back({0, ArchiveError::None, 1});

    for (const Case& c : cases) {
        SCOPED_TRACE("bytes of the second entry kept: " + std::to_string(c.keep));
        std::vector<ArchiveEntry> entries;
        EXPECT_EQ(ReadExact(archive, cutEntryStart + c.keep, entries), c.error);
        ASSERT_EQ(entries.size(), c.wholeEntries);
        EXPECT_EQ(entries[0].name, "whole");
    }
}

TEST(ArchiveLayout, SizeFieldsThatCannotBeRight) {
    struct Case { const char* what; Bytes sizeField; ArchiveError error; };
    const std::vector<Case> cases = {
        {"top bit set", {0x00, 0x00, 0x00, 0x80}, ArchiveError::NegativeSize},
        {"all ones", {0xFF, 0xFF, 0xFF, 0xFF}, ArchiveError::NegativeSize},
        {"largest positive", {0xFF, 0xFF, 0xFF, 0x7F}, ArchiveError::ContentPastEnd},
        {"one past the content", {0x03, 0x00, 0x00, 0x00}, ArchiveError::ContentPastEnd},
        {"exactly the content", {0x02, 0x00, 0x00, 0x00}, ArchiveError::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes archive = {1, 'x', 0, 0, 0, 0, 0, 0, 0, 0};
        archive.insert(archive.end(), c.sizeField.begin(), c.sizeField.end());
        archive.insert(archive.end(), {'y', 'z'});
        std::vector<ArchiveEntry> entries;
        EXPECT_EQ(ReadExact(archive, archive.size(), entries), c.error);
        EXPECT_EQ(entries.size(), c.error == ArchiveError::None ? 1u : 0u);
    }
}

TEST(ArchiveLayout, ArchiveOf2GBOrMoreIsRefusedBeforeAnyRead) {
    // The length is checked before the first byte is read, so one real byte is enough here.
    const unsigned char byte = 0;
    std::vector<ArchiveEntry> entries;
    EXPECT_EQ(ReadArchive(&byte, size_t{0x80000000}, entries), ArchiveError::TooLarge);
    EXPECT_TRUE(entries.empty());
}
