// The stand-in's command line, as tests and the screenshot script use it.
#include "tools/host/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Args = std::vector<std::string>;

TEST(StandInCommandLine, WithoutArgumentsChecksTheDemoTextsAndStaysOpen) {
    const host::StandInOptions options = host::ParseCommandLine({});
    EXPECT_EQ(options.texts, host::DemoTexts());
    EXPECT_TRUE(options.resultFile.empty());
    EXPECT_EQ(options.closeAfterMs, 0u);
}

TEST(StandInCommandLine, CheckTakesWordsUpToTheNextOption) {
    const host::StandInOptions options = host::ParseCommandLine(
        {"--check", "puella", "rosam", "--result", "C:\\r.txt", "--close-after", "1500"});
    EXPECT_EQ(options.texts, (Args{"puella", "rosam"}));
    EXPECT_EQ(options.resultFile, "C:\\r.txt");
    EXPECT_EQ(options.closeAfterMs, 1500u);
}

TEST(StandInCommandLine, OptionsComeInAnyOrderAndAPhraseIsOneText) {
    const host::StandInOptions options = host::ParseCommandLine(
        {"--close-after", "20", "--check", "Gallia est omnis divisa", "tres"});
    EXPECT_EQ(options.texts, (Args{"Gallia est omnis divisa", "tres"}));
    EXPECT_EQ(options.closeAfterMs, 20u);
}

TEST(StandInCommandLine, CheckWithoutWordsChecksNothing) {
    EXPECT_TRUE(host::ParseCommandLine({"--check", "--close-after", "5"}).texts.empty());
}

TEST(StandInCommandLine, BadOrMissingValuesAreIgnored) {
    EXPECT_EQ(host::ParseCommandLine({"--close-after", "soon"}).closeAfterMs, 0u);
    EXPECT_EQ(host::ParseCommandLine({"--close-after", "12x"}).closeAfterMs, 0u);
    EXPECT_EQ(host::ParseCommandLine({"--close-after"}).closeAfterMs, 0u);
    EXPECT_TRUE(host::ParseCommandLine({"--result"}).resultFile.empty());
}

TEST(StandInCommandLine, UnknownArgumentsLeaveTheDemoTexts) {
    const host::StandInOptions options = host::ParseCommandLine({"C:\\Letters\\epistula.lwd", "--verbose"});
    EXPECT_EQ(options.texts, host::DemoTexts());
}

} // namespace
