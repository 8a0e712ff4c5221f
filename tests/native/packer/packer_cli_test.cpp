// The packer program end to end: pack a small fixture, then verify, list and extract it, and
// make it fail in every way a build could.
#include "PackerTestSupport.h"

#include <gtest/gtest.h>
#include <cmath>
#include <sys/wait.h>
#include <utime.h>

using namespace packer_test;

namespace {

struct PackerRun {
    int exitCode;
    std::string output;  // standard output and standard error together
};

std::string Quote(const std::string& word) {
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

PackerRun RunPacker(const std::vector<std::string>& words) {
    std::string command = PACKER_PATH;
    for (const std::string& word : words)
        command += " " + Quote(word);
    command += " 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        throw std::runtime_error("popen failed");
    std::string output;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, got);
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

bool Contains(const std::string& text, const std::string& fragment) {
    return text.find(fragment) != std::string::npos;
}

const std::string kDll = std::string("MZ\x90\0\3\0\0\0", 8) + std::string(3000, '\x11');
const std::string kAffix = "\xEF\xBB\xBFSET UTF-8\nTRY aeiou\n";

// Two roots: the first holds License.txt, which the second also holds (and must lose).
class PackerFixture : public testing::Test {
protected:
    void SetUp() override {
        WriteFile(folder_.path() / "first" / "License.txt", "The license.\n");
        WriteFile(folder_.path() / "first" / "hunspell.dll", kDll);
        WriteFile(folder_.path() / "second" / "License.txt", "The wrong license.\n");
        WriteFile(folder_.path() / "second" / "userdicla.tlx", "");
        WriteFile(folder_.path() / "second" / "dict" / "la.aff", kAffix);
        fs::create_directories(folder_.path() / "out");
        WriteManifest(
            "# payload of the fixture\n"
            "License.txt|License.txt|2021-02-10 11:58:46\n"
            "\n"
            "  hunspell.dll | hunspell.dll | 2013-04-06 21:31:14\r\n"
            "userdicla.tlx|userdicla.tlx|2018-06-20 11:11:24\n"
            "Orthographe\\la.aff|dict/la.aff|2013-03-31 21:00:00\n");
    }

    void WriteManifest(const std::string& text) { WriteFile(Manifest(), text); }
    std::string Manifest() const { return folder_ / "files.manifest"; }
    std::string Output() const { return folder_ / "out/FILES"; }

    PackerRun Pack(const std::string& output) {
        return RunPacker({"pack", "--manifest", Manifest(), "--root", folder_ / "first", "--root",
                          folder_ / "second", "--out", output});
    }

    Bytes ExpectedArchive() const {
        Bytes archive;
        Append(archive, "License.txt", 44237.49914351852, "The license.\n");
        Append(archive, "hunspell.dll", 41370.896689814814, kDll);
        Append(archive, "userdicla.tlx", 43271.46625, "");
        Append(archive, "Orthographe\\la.aff", 41364.875, kAffix);
        return archive;
    }

    // Packs the fixture and returns the stream, for tests that start from a good one.
    Bytes GoodStream() {
        const PackerRun run = Pack(Output());
        EXPECT_EQ(run.exitCode, 0) << run.output;
        return ReadBytes(Output());
    }

    TempFolder folder_;
};

TEST_F(PackerFixture, PackWritesTheManifestsEntriesAsOneZopfliZlibStream) {
    const PackerRun run = Pack(Output());
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const Bytes stream = ReadBytes(Output());
    ASSERT_GE(stream.size(), 2u);
    EXPECT_EQ(stream[0], 0x78);
    EXPECT_EQ(stream[1], 0xDA);
    const Bytes expected = ExpectedArchive();
    EXPECT_EQ(Uncompress(stream, expected.size()), expected);
    EXPECT_EQ(FilesBelow(folder_.path() / "out"), std::vector<std::string>{"FILES"});
}

TEST_F(PackerFixture, VerifyAcceptsThePackedStream) {
    GoodStream();
    const PackerRun run = RunPacker({"verify", Output()});
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "header 78 DA")) << run.output;
    EXPECT_TRUE(Contains(run.output, "4 entries")) << run.output;
    EXPECT_TRUE(Contains(run.output, ": OK")) << run.output;
}

TEST_F(PackerFixture, ListShowsIndexNameSizeTimeAndOffset) {
    GoodStream();
    const PackerRun run = RunPacker({"list", Output()});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::vector<std::vector<std::string>> rows = {
        {"0", "License.txt", "13", "2021-02-10 11:58:46", "24"},
        {"1", "hunspell.dll", "3008", "2013-04-06 21:31:14", "62"},
        {"2", "userdicla.tlx", "0", "2018-06-20 11:11:24", "3096"},
        {"3", "Orthographe\\la.aff", "23", "2013-03-31 21:00:00", "3127"},
    };
    for (const auto& row : rows) {
        std::string pattern;
        for (const std::string& field : row)
            pattern += (pattern.empty() ? "" : " +") + field;
        // Names hold a backslash and a dot: escape them for the regular expression.
        std::string escaped;
        for (char c : pattern)
            escaped += (c == '\\' || c == '.') ? std::string("\\") + c : std::string(1, c);
        EXPECT_TRUE(testing::internal::RE::PartialMatch(run.output, testing::internal::RE(escaped)))
            << escaped << "\n" << run.output;
    }
}

TEST_F(PackerFixture, ExtractWritesAllEntriesWithFoldersFromBackslashes) {
    GoodStream();
    const fs::path out = folder_.path() / "extracted";
    const PackerRun run = RunPacker({"extract", Output(), out.string()});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(FilesBelow(out), (std::vector<std::string>{"License.txt", "Orthographe",
                                                         "Orthographe/la.aff", "hunspell.dll",
                                                         "userdicla.tlx"}));
    EXPECT_EQ(ReadFile(out / "License.txt"), "The license.\n");
    EXPECT_EQ(ReadFile(out / "hunspell.dll"), kDll);
    EXPECT_EQ(ReadFile(out / "Orthographe" / "la.aff"), kAffix);
    EXPECT_EQ(fs::file_size(out / "userdicla.tlx"), 0u);
}

TEST_F(PackerFixture, ExtractChosenEntriesByNameWithoutRegardToCase) {
    GoodStream();
    const fs::path out = folder_.path() / "extracted";
    const PackerRun run = RunPacker({"extract", Output(), out.string(), "LICENSE.TXT", "USERDICLA.tlx"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(FilesBelow(out), (std::vector<std::string>{"License.txt", "userdicla.tlx"}));

    const PackerRun missing = RunPacker({"extract", Output(), out.string(), "License.txt", "nothere"});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_TRUE(Contains(missing.output, "no entry is named 'nothere'")) << missing.output;
}

TEST_F(PackerFixture, TwoPacksAreByteIdenticalWhateverTheFileDates) {
    ASSERT_EQ(Pack(folder_ / "out/first").exitCode, 0);
    const utimbuf longAgo = {1000000000, 1000000000};
    for (const char* source : {"first/License.txt", "first/hunspell.dll", "second/userdicla.tlx"})
        ASSERT_EQ(::utime((folder_ / source).c_str(), &longAgo), 0);
    ASSERT_EQ(Pack(folder_ / "out/second").exitCode, 0);
    const Bytes first = ReadBytes(folder_ / "out/first");
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(first, ReadBytes(folder_ / "out/second"));
}

TEST_F(PackerFixture, BadManifestsFailWithFileLineAndNoOutput) {
    const std::string good = "License.txt|License.txt|2021-02-10 11:58:46\n";
    struct Case { const char* what; std::string line; std::string fragment; };
    const std::vector<Case> cases = {
        {"missing source", "Gone.txt|gone.txt|2021-02-10 11:58:46",
         ":2: the source 'gone.txt' is not in any --root folder"},
        {"duplicate name in other letter case", "LICENSE.TXT|hunspell.dll|2021-02-10 11:58:46",
         ":2: the name 'LICENSE.TXT' is already used by line 1"},
        {"odd second", "a|hunspell.dll|2021-02-10 11:58:47", ":2: 'a': the time 2021-02-10 11:58:47 is on an odd second"},
        {"before the DOS range", "a|hunspell.dll|1979-12-31 23:59:58", ":2: 'a': the time 1979-12-31 23:59:58 lies outside the DOS date range"},
        {"after the DOS range", "a|hunspell.dll|2108-01-01 00:00:00", ":2: 'a': the time 2108-01-01 00:00:00 lies outside"},
        {"no such day", "a|hunspell.dll|2021-02-29 10:00:00", ":2: 'a': the time 2021-02-29 10:00:00 is not a real date"},
        {"no such hour", "a|hunspell.dll|2021-02-28 24:00:00", ":2: 'a': the time 2021-02-28 24:00:00 is not a real"},
        {"badly written time", "a|hunspell.dll|10.02.2021 11:58:46", ":2: the time '10.02.2021 11:58:46' is not written as"},
        {"two fields", "a|hunspell.dll", ":2: expected NAME|SOURCE|YYYY-MM-DD HH:MM:SS, found 2 field(s)"},
        {"empty name", "|hunspell.dll|2021-02-10 11:58:46", ":2: the entry name is empty"},
        {"name of 256 bytes", std::string(256, 'n') + "|hunspell.dll|2021-02-10 11:58:46",
         ":2: '" + std::string(256, 'n') + "': the name is 256 bytes long; the limit is 255"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteManifest(good + c.line + "\n");
        const PackerRun run = Pack(Output());
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(Contains(run.output, Manifest() + c.fragment)) << run.output;
        EXPECT_TRUE(FilesBelow(folder_.path() / "out").empty());
    }
}

TEST_F(PackerFixture, NameOf255BytesIsPacked) {
    const std::string name(255, 'n');
    WriteManifest(name + "|License.txt|2021-02-10 11:58:46\n");
    ASSERT_EQ(Pack(Output()).exitCode, 0);
    Bytes expected;
    Append(expected, name, 44237.49914351852, "The license.\n");
    EXPECT_EQ(Uncompress(ReadBytes(Output()), expected.size()), expected);
}

TEST_F(PackerFixture, EmptyOrMissingManifestFails) {
    WriteManifest("# nothing yet\n\n");
    PackerRun run = Pack(Output());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.output, "the manifest lists no entries")) << run.output;

    fs::remove(Manifest());
    run = Pack(Output());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.output, "cannot open " + Manifest())) << run.output;
    EXPECT_TRUE(FilesBelow(folder_.path() / "out").empty());
}

TEST_F(PackerFixture, FailedPackLeavesAnEarlierOutputAsItWas) {
    WriteFile(Output(), "the earlier stream");
    WriteManifest("Gone.txt|gone.txt|2021-02-10 11:58:46\n");
    EXPECT_EQ(Pack(Output()).exitCode, 1);
    EXPECT_EQ(ReadFile(Output()), "the earlier stream");
    EXPECT_EQ(FilesBelow(folder_.path() / "out"), std::vector<std::string>{"FILES"});
}

TEST_F(PackerFixture, UnwritableOutputFolderFails) {
    const PackerRun run = Pack(folder_ / "no/such/folder/FILES");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.output, "cannot create a temporary file beside")) << run.output;
}

TEST_F(PackerFixture, BadCommandLinesFailWithUsage) {
    const std::vector<std::vector<std::string>> commandLines = {
        {},
        {"unpack"},
        {"pack", "--manifest", Manifest(), "--out", Output()},
        {"pack", "--manifest", Manifest(), "--root", "x", "--out"},
        {"pack", "--manifest", Manifest(), "--root", "x", "--out", Output(), "--level", "9"},
        {"list"},
        {"extract", Output()},
        {"bench", Output(), "--runs", "zero"},
    };
    for (const auto& words : commandLines) {
        const PackerRun run = RunPacker(words);
        EXPECT_EQ(run.exitCode, 2) << run.output;
        EXPECT_TRUE(Contains(run.output, "usage: packer")) << run.output;
    }
    EXPECT_TRUE(FilesBelow(folder_.path() / "out").empty());
}

// Sets the low five bits of a zlib header so that the header check holds again.
void FixHeaderCheck(Bytes& stream) {
    stream[1] &= 0xE0;
    stream[1] |= static_cast<unsigned char>((31 - (stream[0] * 256 + stream[1]) % 31) % 31);
}

TEST_F(PackerFixture, CorruptStreamsFailInEveryCommandAndExtractNothing) {
    const Bytes good = GoodStream();
    struct Case { const char* what; Bytes stream; const char* fragment; };
    std::vector<Case> cases;
    auto add = [&](const char* what, const char* fragment, auto change) {
        Bytes stream = good;
        change(stream);
        cases.push_back({what, stream, fragment});
    };
    add("truncated by ten bytes", "the stream ends early", [](Bytes& s) { s.resize(s.size() - 10); });
    add("truncated to half", "the stream ends early", [](Bytes& s) { s.resize(s.size() / 2); });
    add("no trailer", "the stream ends early", [](Bytes& s) { s.resize(s.size() - 4); });
    add("wrong Adler-32", "the Adler-32 in the stream's trailer does not match",
        [](Bytes& s) { s.back() ^= 0x01; });
    add("invalid block type", "the deflate data is corrupt", [](Bytes& s) { s[2] = 0x07; });
    add("header check", "the zlib header check fails", [](Bytes& s) { s[1] ^= 0x01; });
    add("method 7", "the compression method is 7", [](Bytes& s) { s[0] = 0x77; FixHeaderCheck(s); });
    add("64 KB window", "the window size is above 32 KB", [](Bytes& s) { s[0] = 0x88; FixHeaderCheck(s); });
    add("preset dictionary", "the stream asks for a preset dictionary", [](Bytes& s) { s[1] |= 0x20; FixHeaderCheck(s); });
    add("one byte", "the stream is shorter than a zlib header", [](Bytes& s) { s.resize(1); });
    add("empty file", "the stream is shorter than a zlib header", [](Bytes& s) { s.clear(); });

    const std::string bad = folder_ / "bad";
    const fs::path out = folder_.path() / "extracted";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(bad, c.stream);
        for (const char* command : {"verify", "list", "extract"}) {
            const PackerRun run = std::string(command) == "extract"
                                ? RunPacker({command, bad, out.string()})
                                : RunPacker({command, bad});
            EXPECT_EQ(run.exitCode, 1) << command << ": " << run.output;
            EXPECT_TRUE(Contains(run.output, bad + ": " + c.fragment)) << command << ": " << run.output;
        }
        EXPECT_FALSE(fs::exists(out));
    }
    for (const char* command : {"bench", "compare"}) {
        const PackerRun run = RunPacker({command, bad});
        EXPECT_EQ(run.exitCode, 1) << command << ": " << run.output;
        EXPECT_TRUE(Contains(run.output, bad + ": ")) << command << ": " << run.output;
    }
}

TEST_F(PackerFixture, TrailingBytesAfterTheStreamAreIgnored) {
    Bytes stream = GoodStream();
    stream.insert(stream.end(), {0, 1, 2, 3, 4, 5, 6});
    WriteFile(Output(), stream);
    const PackerRun run = RunPacker({"verify", Output()});
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "7 byte(s) after the end of the stream")) << run.output;
}

// Archives that no pack would write, compressed by zlib here, and what verify says of them.
TEST(PackerVerify, ArchivesBreakingTheRulesAreNamedByTheirFirstFault) {
    const double time = 44237.49914351852;
    struct Case { const char* what; Bytes archive; const char* fragment; };
    std::vector<Case> cases;
    auto add = [&](const char* what, const char* fragment, auto build) {
        Bytes archive;
        build(archive);
        cases.push_back({what, archive, fragment});
    };
    add("names differing in case", "entry 2 'LA.dic': the name repeats entry 0 'la.dic'", [&](Bytes& a) {
        Append(a, "la.dic", time, "1");
        Append(a, "la.aff", time, "2");
        Append(a, "LA.dic", time, "3");
    });
    add("odd second", "entry 1 'b': the time 2021-02-10 11:58:47 is on an odd second", [&](Bytes& a) {
        Append(a, "a", time, "");
        Append(a, "b", payload::EncodeDateTime({2021, 2, 10, 11, 58, 47}), "");
    });
    add("time off the exact value", "entry 0 'a': the time value 44237.499143518529 is not exactly on a whole second",
        [&](Bytes& a) { Append(a, "a", std::nextafter(time, 1e9), "x"); });
    add("time before 1980", "entry 0 'a': the time 1979-12-31 00:00:00 lies outside the DOS date range",
        [&](Bytes& a) { Append(a, "a", 29220.0, "x"); });
    add("empty name", "entry 0 '': the name is empty", [&](Bytes& a) { Append(a, "", time, "x"); });
    add("content past the end", "the archive is corrupt at entry 1 (after 1 whole entries): an entry's content runs past",
        [&](Bytes& a) {
            Append(a, "a", time, "x");
            Append(a, "b", time, "yz");
            a.pop_back();
        });
    add("header past the end", "the archive is corrupt at entry 1 (after 1 whole entries): an entry header runs past",
        [&](Bytes& a) {
            Append(a, "a", time, "x");
            a.insert(a.end(), {5, 'b', 'c'});
        });
    add("negative size", "the archive is corrupt at entry 0 (after 0 whole entries): an entry's size field is negative",
        [&](Bytes& a) { a = {1, 'a', 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}; });

    TempFolder folder;
    const std::string path = folder / "FILES";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFile(path, Compress(c.archive));
        const PackerRun run = RunPacker({"verify", path});
        EXPECT_EQ(run.exitCode, 1) << run.output;
        EXPECT_TRUE(Contains(run.output, path + ": " + c.fragment)) << run.output;
    }
}

TEST(PackerVerify, EmptyArchiveIsValid) {
    TempFolder folder;
    WriteFile(folder / "FILES", Compress({}));
    const PackerRun run = RunPacker({"verify", folder / "FILES"});
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(Contains(run.output, "archive: 0 bytes, 0 entries")) << run.output;
    EXPECT_EQ(RunPacker({"extract", folder / "FILES", folder / "out"}).exitCode, 0);
    EXPECT_TRUE(FilesBelow(folder.path() / "out").empty());
}

TEST(PackerExtract, RefusesNamesThatLeaveTheFolderAndWritesNothing) {
    const std::vector<std::string> badNames = {
        "..\\evil.txt", "sub\\..\\..\\evil.txt", "../evil.txt", "\\evil.txt", "/tmp/evil.txt",
        "C:\\evil.txt", "sub\\\\evil.txt", "sub\\", ".."};
    TempFolder folder;
    const fs::path out = folder.path() / "inside" / "out";
    for (const std::string& name : badNames) {
        SCOPED_TRACE(name);
        Bytes archive;
        Append(archive, "good.txt", 44237.49914351852, "fine");
        Append(archive, name, 44237.49914351852, "evil");
        WriteFile(folder / "FILES", Compress(archive));
        const PackerRun run = RunPacker({"extract", folder / "FILES", out.string()});
        EXPECT_EQ(run.exitCode, 1) << run.output;
        EXPECT_TRUE(Contains(run.output, "refusing to extract '" + name + "'")) << run.output;
        EXPECT_EQ(FilesBelow(folder.path()), std::vector<std::string>{"FILES"});
    }
}

TEST(PackerExtract, RefusesToWriteThroughALinkOutOfTheFolder) {
    TempFolder folder;
    const fs::path out = folder.path() / "out";
    fs::create_directories(out);
    fs::create_directories(folder.path() / "elsewhere");
    fs::create_directory_symlink(folder.path() / "elsewhere", out / "link");
    Bytes archive;
    Append(archive, "link\\evil.txt", 44237.49914351852, "evil");
    WriteFile(folder / "FILES", Compress(archive));
    const PackerRun run = RunPacker({"extract", folder / "FILES", out.string()});
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_TRUE(Contains(run.output, "would lie outside")) << run.output;
    EXPECT_TRUE(FilesBelow(folder.path() / "elsewhere").empty());
}

TEST_F(PackerFixture, BenchAndCompareReportTheirFigures) {
    const size_t streamSize = GoodStream().size();
    const size_t archiveSize = ExpectedArchive().size();
    ASSERT_GT(archiveSize, 5 * streamSize);  // the fixture needs the block to grow
    const size_t increment = (streamSize + 255) / 256 * 256;
    const size_t growths = (archiveSize - 5 * streamSize + increment - 1) / increment;
    const PackerRun bench = RunPacker({"bench", Output(), "--runs", "3"});
    EXPECT_EQ(bench.exitCode, 0) << bench.output;
    EXPECT_TRUE(Contains(bench.output, "mean of 3 runs: inflate ")) << bench.output;
    EXPECT_TRUE(Contains(bench.output, "grown " + std::to_string(growths) + " time(s)")) << bench.output;

    const PackerRun compare = RunPacker({"compare", Output(), "--iterations", "2"});
    EXPECT_EQ(compare.exitCode, 0) << compare.output;
    const size_t zlibSize = Compress(ExpectedArchive()).size();
    EXPECT_TRUE(Contains(compare.output, std::to_string(zlibSize) + " bytes  zlib, level 9"))
        << compare.output;
}

} // namespace
