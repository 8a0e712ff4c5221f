// Where the stand-in looks for the add-on and how it names the add-on's files.
#include "tools/host/AddonFiles.h"
#include "tools/host/AddonFolder.h"
#include "tools/host/TextCheck.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

struct CandidateCase {
    const char* programFolder;
    bool portable;
    const char* dataRoot;
    const char* spellcheck;
    const char* orthographe;
};

const CandidateCase kCandidateCases[] = {
    {"C:\\Program Files\\Larkspur", false, "C:\\ProgramData",
     "C:\\ProgramData\\Larkspur\\Public\\Spellcheck\\", "C:\\ProgramData\\Larkspur\\Public\\Orthographe\\"},
    {"C:\\Program Files\\Larkspur", false, "C:\\users\\ann\\Documents\\",
     "C:\\users\\ann\\Documents\\Larkspur\\Public\\Spellcheck\\",
     "C:\\users\\ann\\Documents\\Larkspur\\Public\\Orthographe\\"},
    {"E:\\Larkspur", true, "C:\\ProgramData", "E:\\Larkspur\\Spellcheck\\", "E:\\Larkspur\\Orthographe\\"},
    {"E:\\", true, "", "E:\\Spellcheck\\", "E:\\Orthographe\\"},
};

TEST(AddonFolderCandidates, PortableHostsLookBesideThemselvesOthersInTheDataRoot) {
    for (const CandidateCase& c : kCandidateCases) {
        SCOPED_TRACE(c.programFolder);
        EXPECT_EQ(host::AddonFolderCandidates(c.programFolder, c.portable, c.dataRoot),
                  (Texts{c.spellcheck, c.orthographe}));
    }
}

TEST(AffixFileFor, ReplacesTheExtensionOfTheFileNameOnly) {
    EXPECT_EQ(host::AffixFileFor("C:\\ProgramData\\Larkspur\\Public\\Spellcheck\\la.dic"),
              "C:\\ProgramData\\Larkspur\\Public\\Spellcheck\\la.aff");
    EXPECT_EQ(host::AffixFileFor("la.dic"), "la.aff");
    EXPECT_EQ(host::AffixFileFor("C:\\v1.2\\la"), "C:\\v1.2\\la.aff");
    EXPECT_EQ(host::AffixFileFor("la.x.dic"), "la.x.aff");
}

TEST(WordsOf, SplitsAtBlanksAndDropsPunctuationAroundWords) {
    EXPECT_EQ(host::WordsOf("Gallia est omnis divisa in partes tres."),
              (Texts{"Gallia", "est", "omnis", "divisa", "in", "partes", "tres"}));
    EXPECT_EQ(host::WordsOf("  \"puella,\"\trosam  "), (Texts{"puella", "rosam"}));
    EXPECT_TRUE(host::WordsOf(" ... ").empty());
    EXPECT_TRUE(host::WordsOf("").empty());
}

TEST(CheckTexts, WithoutARunningEngineNothingIsChecked) {
    const host::SpellEngine engine;
    const std::vector<host::CheckedText> checked = host::CheckTexts(engine, {"puella", "puellla"});
    ASSERT_EQ(checked.size(), 2u);
    EXPECT_EQ(checked[0].verdict, host::Verdict::Unchecked);
    EXPECT_EQ(checked[1].verdict, host::Verdict::Unchecked);
    EXPECT_EQ(checked[1].text, "puellla");
}

} // namespace
