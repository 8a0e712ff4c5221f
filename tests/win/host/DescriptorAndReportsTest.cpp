// Reading the language descriptor, and the two reports: the result file that tests read and
// the text of the window.
#include "tests/win/host/TempFile.h"
#include "tools/host/LanguageDescriptor.h"
#include "tools/host/ResultFile.h"
#include "tools/host/WindowReport.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

// The descriptor as the payload carries it: CR LF between lines, none after the last.
const char kLatinDescriptor[] =
    "[General]\r\nLanguage=1142\r\nEngine=hunspell\r\n\r\n"
    "[Fixed Lexicons]\r\nCount=1\r\nLexicon1=la.dic\r\n\r\n"
    "[Editable Lexicons]\r\nCount=1\r\nLexicon1=userdicla.tlx";

TEST(LanguageDescriptor, ReadsLanguageEngineAndLexicons) {
    const hosttest::TempFile file("host-test-Latin.lsc", kLatinDescriptor);
    const host::LanguageDescriptor descriptor = host::ReadLanguageDescriptor(file.path());
    EXPECT_EQ(descriptor.language, "1142");
    EXPECT_EQ(descriptor.engine, "hunspell");
    EXPECT_EQ(descriptor.fixedLexicons, Texts{"la.dic"});
    EXPECT_EQ(descriptor.editableLexicons, Texts{"userdicla.tlx"});
}

TEST(LanguageDescriptor, ReadsAsManyLexiconsAsCountSaysAndSkipsEmptyEntries) {
    const hosttest::TempFile file("host-test-two.lsc",
                                  "[Fixed Lexicons]\r\nCount=3\r\nLexicon1=la.dic\r\nLexicon3=la2.dic\r\n"
                                  "Lexicon4=never.dic\r\n[Editable Lexicons]\r\nCount=0\r\nLexicon1=x.tlx");
    const host::LanguageDescriptor descriptor = host::ReadLanguageDescriptor(file.path());
    EXPECT_EQ(descriptor.fixedLexicons, (Texts{"la.dic", "la2.dic"}));
    EXPECT_TRUE(descriptor.editableLexicons.empty());
    EXPECT_TRUE(descriptor.language.empty());
}

TEST(LanguageDescriptor, AMissingFileReadsAsEmpty) {
    const host::LanguageDescriptor descriptor =
        host::ReadLanguageDescriptor(hosttest::TempFolder() + "host-test-missing.lsc");
    EXPECT_TRUE(descriptor.engine.empty());
    EXPECT_TRUE(descriptor.fixedLexicons.empty());
}

host::CheckedText Checked(const char* text, host::Verdict verdict) {
    host::CheckedText checked;
    checked.text = text;
    checked.verdict = verdict;
    return checked;
}

TEST(ResultFile, NamesTheFolderThenOneVerdictPerText) {
    host::Findings findings;
    findings.search.folder = "C:\\ProgramData\\Larkspur\\Public\\Spellcheck\\";
    findings.checks = {Checked("puella", host::Verdict::Correct), Checked("puellla", host::Verdict::Misspelled),
                       Checked("in partes tres", host::Verdict::Correct)};
    EXPECT_EQ(host::ResultFileText(findings),
              "folder\tC:\\ProgramData\\Larkspur\\Public\\Spellcheck\\\r\n"
              "puella\tok\r\npuellla\twrong\r\nin partes tres\tok\r\n");
}

TEST(ResultFile, SaysNoneWithoutAnAddonAndLeavesTextsUnchecked) {
    host::Findings findings;
    findings.checks = {Checked("puella", host::Verdict::Unchecked)};
    EXPECT_EQ(host::ResultFileText(findings), "folder\tnone\r\npuella\tunchecked\r\n");
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(WindowReport, ShowsTheFolderTheDescriptorTheEngineAndEachVerdict) {
    host::Findings findings;
    findings.search.folder = "C:\\ProgramData\\Larkspur\\Public\\Spellcheck\\";
    findings.files.descriptor = {"1142", "hunspell", {"la.dic"}, {"userdicla.tlx"}};
    findings.files.userDictionary = findings.search.folder + "userdicla.tlx";
    findings.files.userDictionaryExists = true;
    findings.engine = host::EngineState::Ready;
    host::CheckedText phrase = Checked("Gallia est omnis divsa", host::Verdict::Misspelled);
    phrase.misspelled = {"divsa"};
    host::CheckedText word = Checked("puellla", host::Verdict::Misspelled);
    word.misspelled = {"puellla"};
    findings.checks = {Checked("puella", host::Verdict::Correct), word, phrase};

    const std::string report = host::ReportText(findings);
    EXPECT_TRUE(Contains(report, "\t" + findings.search.folder + "\r\n")) << report;
    EXPECT_TRUE(Contains(report, "\t1142\r\n")) << report;
    EXPECT_TRUE(Contains(report, "\thunspell\r\n")) << report;
    EXPECT_TRUE(Contains(report, "\tla.dic\r\n")) << report;
    EXPECT_TRUE(Contains(report, "\tuserdicla.tlx (present)\r\n")) << report;
    EXPECT_TRUE(Contains(report, "hunspell.dll loaded")) << report;
    EXPECT_TRUE(Contains(report, "correct\tpuella\r\n")) << report;
    EXPECT_TRUE(Contains(report, "misspelled\tpuellla\r\n")) << report;
    EXPECT_TRUE(Contains(report, "misspelled\tGallia est omnis divsa (divsa)\r\n")) << report;
}

TEST(WindowReport, WithoutAnAddonSaysSoAndWhereItLooked) {
    host::Findings findings;
    findings.search.lookedIn = {"C:\\ProgramData\\Larkspur\\Public\\Spellcheck\\",
                                "C:\\ProgramData\\Larkspur\\Public\\Orthographe\\"};
    findings.checks = {Checked("puella", host::Verdict::Unchecked)};
    const std::string report = host::ReportText(findings);
    EXPECT_EQ(report.find("The Latin spell checker is not installed"), 0u) << report;
    EXPECT_TRUE(Contains(report, findings.search.lookedIn[0])) << report;
    EXPECT_TRUE(Contains(report, findings.search.lookedIn[1])) << report;
}

TEST(WindowReport, NamesAnEngineThatDidNotStart) {
    host::Findings findings;
    findings.search.folder = "C:\\ProgramData\\Larkspur\\Public\\Spellcheck\\";
    findings.engine = host::EngineState::LoadFailed;
    findings.loadError = 193;
    findings.checks = {Checked("puella", host::Verdict::Unchecked)};
    const std::string report = host::ReportText(findings);
    EXPECT_TRUE(Contains(report, "hunspell.dll could not be loaded (error 193)")) << report;
    EXPECT_TRUE(Contains(report, "not checked\tpuella\r\n")) << report;
}

} // namespace
