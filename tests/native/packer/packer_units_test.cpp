// The packer's parts on their own: manifest lines, extract paths, zlib headers and the
// setup's way of growing the inflate block.
#include "PackerTestSupport.h"

#include "resources/packer/ExtractPath.h"
#include "resources/packer/Fault.h"
#include "resources/packer/Manifest.h"
#include "resources/packer/ZlibStream.h"

#include <gtest/gtest.h>

using namespace packer_test;

namespace {

std::string TimeText(const payload::LocalDateTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

std::string FaultOf(const std::string& manifest) {
    try {
        packer::ParseManifest(manifest, "files.manifest");
    } catch (const packer::Fault& fault) {
        return fault.what();
    }
    return "";
}

} // namespace

TEST(Manifest, ReadsEntriesInOrderAndSkipsCommentsAndBlankLines) {
    const std::string text =
        "\xEF\xBB\xBF# payload\n"
        "License.txt|License.txt|2021-02-10 11:58:46\n"
        "\n"
        "   # indented comment\n"
        "  Sub\\la.aff  |\tdict/la.aff \t|  2013-03-31 21:00:00  \r\n"
        "userdicla.tlx|userdicla.tlx|2018-06-20 11:11:24";
    const std::vector<packer::ManifestEntry> entries = packer::ParseManifest(text, "m");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, "License.txt");
    EXPECT_EQ(entries[0].source, "License.txt");
    EXPECT_EQ(TimeText(entries[0].time), "2021-02-10 11:58:46");
    EXPECT_EQ(entries[0].line, 2);
    EXPECT_EQ(entries[1].name, "Sub\\la.aff");
    EXPECT_EQ(entries[1].source, "dict/la.aff");
    EXPECT_EQ(TimeText(entries[1].time), "2013-03-31 21:00:00");
    EXPECT_EQ(entries[1].line, 5);
    EXPECT_EQ(entries[2].name, "userdicla.tlx");
    EXPECT_EQ(entries[2].line, 6);
}

TEST(Manifest, MalformedLinesAreNamedByFileAndLine) {
    struct Case { const char* line; const char* fragment; };
    const std::vector<Case> cases = {
        {"License.txt|2021-02-10 11:58:46", "found 2 field(s)"},
        {"a|b|2021-02-10 11:58:46|extra", "found 4 field(s)"},
        {"just a name", "found 1 field(s)"},
        {" |b|2021-02-10 11:58:46", "entry name is empty"},
        {"a| |2021-02-10 11:58:46", "source file is empty"},
        {"a|b|2021-2-10 11:58:46", "is not written as YYYY-MM-DD HH:MM:SS"},
        {"a|b|2021-02-10T11:58:46", "is not written as"},
        {"a|b|2021-02-10 11:58", "is not written as"},
        {"a|b|2021-02-10  11:58:46", "is not written as"},
        {"a|b|", "is not written as"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const std::string fault = FaultOf("# first\nok|ok|2021-02-10 11:58:46\n" + std::string(c.line) + "\n");
        EXPECT_EQ(fault.rfind("files.manifest:3: ", 0), 0u) << fault;
        EXPECT_NE(fault.find(c.fragment), std::string::npos) << fault;
    }
}

TEST(ExtractPath, NamesBecomePathsBelowTheFolderOrAreRefused) {
    struct Case { const char* name; const char* path; };  // an empty path: refused
    const std::vector<Case> cases = {
        {"License.txt", "License.txt"},
        {"Spellcheck\\la.dic", "Spellcheck/la.dic"},
        {"a/b\\c", "a/b/c"},
        {"..x", "..x"},
        {"x..", "x.."},
        {"..", ""},
        {"..\\evil.txt", ""},
        {"a\\..\\..\\evil.txt", ""},
        {"a/../b", ""},
        {".\\a", ""},
        {"\\absolute", ""},
        {"/absolute", ""},
        {"C:\\Windows\\x", ""},
        {"C:x", ""},
        {"a\\\\b", ""},
        {"folder\\", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string fault;
        EXPECT_EQ(packer::RelativeExtractPath(c.name, fault), c.path);
        EXPECT_EQ(fault.empty(), *c.path != '\0') << fault;
    }
    std::string fault;
    EXPECT_EQ(packer::RelativeExtractPath(std::string("a\0b", 3), fault), "");
}

TEST(ZlibHeader, AcceptsOnlyWhatTheSetupAccepts) {
    struct Case { unsigned char first, second; const char* fragment; };  // "" accepted
    const std::vector<Case> cases = {
        {0x78, 0xDA, ""},                         // maximum level, as this build writes
        {0x78, 0x9C, ""},                         // default level
        {0x78, 0x01, ""},                         // fastest
        {0x08, 0x1D, ""},                         // 256-byte window
        {0x78, 0xDB, "not divisible by 31"},
        {0x77, 0x85, "method is 7"},              // 0x7785 = 31 * 987
        {0x88, 0x98, "window size is above 32 KB"}, // 0x8898 = 31 * 1128
        {0x78, 0xBB, "preset dictionary"},        // FDICT set, check holds
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << int(c.first) << " " << int(c.second));
        const unsigned char header[2] = {c.first, c.second};
        packer::ZlibHeader parsed;
        const std::string fault = packer::ZlibHeaderFault(header, 2, parsed);
        if (*c.fragment == '\0')
            EXPECT_EQ(fault, "");
        else
            EXPECT_NE(fault.find(c.fragment), std::string::npos) << fault;
    }
}

struct SizedStream { Bytes archive, stream; };

// Random bytes followed by zeros, with an archive exactly 5 times its stream plus `extra`
// bytes: the setup's first block is then filled exactly (extra 0) or overflows.
SizedStream StreamAroundFiveTimes(size_t extra) {
    Bytes prefix(1000);
    uint32_t seed = 12345;
    for (unsigned char& byte : prefix) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<unsigned char>(seed >> 24);
    }
    auto withZeros = [&](size_t zeros) {
        SizedStream sized{prefix, {}};
        sized.archive.resize(prefix.size() + zeros, 0);
        sized.stream = Compress(sized.archive);
        return sized;
    };
    // Zeros add little to the stream: two guesses land just below the answer.
    auto guess = [&](size_t zeros) {
        return 5 * withZeros(zeros).stream.size() + extra - prefix.size() - 20;
    };
    const size_t start = guess(guess(0));
    for (size_t zeros = start; zeros < start + 5000; ++zeros) {
        SizedStream sized = withZeros(zeros);
        if (sized.archive.size() == 5 * sized.stream.size() + extra)
            return sized;
    }
    throw std::runtime_error("no such stream found");
}

TEST(InflateLikeSetup, BlockFilledExactlyNeedsNoGrowth) {
    const SizedStream sized = StreamAroundFiveTimes(0);
    const packer::InflatedStream out = packer::InflateLikeSetup(sized.stream.data(), sized.stream.size());
    EXPECT_EQ(out.initialCapacity, sized.archive.size());
    EXPECT_EQ(out.growths, 0u);
    ASSERT_EQ(out.size, sized.archive.size());
    EXPECT_TRUE(std::equal(sized.archive.begin(), sized.archive.end(), out.data.get()));
}

TEST(InflateLikeSetup, OneByteMoreGrowsOnceAndKeepsTheBytes) {
    const SizedStream sized = StreamAroundFiveTimes(1);
    const packer::InflatedStream out = packer::InflateLikeSetup(sized.stream.data(), sized.stream.size());
    EXPECT_EQ(out.growths, 1u);
    ASSERT_EQ(out.size, sized.archive.size());
    EXPECT_TRUE(std::equal(sized.archive.begin(), sized.archive.end(), out.data.get()));
}

TEST(InflateLikeSetup, HighlyCompressibleDataGrowsByTheRoundedStreamSize) {
    const Bytes archive(300000, 'z');
    const Bytes stream = Compress(archive);
    const packer::InflatedStream out = packer::InflateLikeSetup(stream.data(), stream.size());
    const size_t increment = (stream.size() + 255) / 256 * 256;
    const size_t expectedGrowths = (archive.size() - 5 * stream.size() + increment - 1) / increment;
    EXPECT_EQ(out.growths, expectedGrowths);
    ASSERT_EQ(out.size, archive.size());
    EXPECT_TRUE(std::equal(archive.begin(), archive.end(), out.data.get()));
}

TEST(InflateLikeSetup, EmptyArchiveAndTrailingBytes) {
    Bytes stream = Compress({});
    const size_t streamSize = stream.size();
    stream.insert(stream.end(), {0xDE, 0xAD, 0xBE, 0xEF});
    const packer::InflatedStream out = packer::InflateLikeSetup(stream.data(), stream.size());
    EXPECT_EQ(out.size, 0u);
    EXPECT_EQ(out.streamBytes, streamSize);
    EXPECT_EQ(out.adler32, 1u);
}
