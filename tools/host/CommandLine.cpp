#include "tools/host/CommandLine.h"

#include <cstdlib>

namespace host {

namespace {

bool IsOption(const std::string& arg) { return arg.compare(0, 2, "--") == 0; }

unsigned ParseMilliseconds(const std::string& text) {
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0') return 0;
    return static_cast<unsigned>(value);
}

} // namespace

std::vector<std::string> DemoTexts() {
    return {"puella", "rosam", "amavisti", "puellla", "Gallia est omnis divisa in partes tres"};
}

StandInOptions ParseCommandLine(const std::vector<std::string>& args) {
    StandInOptions options;
    bool wordsGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--check") {
            wordsGiven = true;
            while (i + 1 < args.size() && !IsOption(args[i + 1])) options.texts.push_back(args[++i]);
        } else if (arg == "--result" && hasValue) {
            options.resultFile = args[++i];
        } else if (arg == "--close-after" && hasValue) {
            options.closeAfterMs = ParseMilliseconds(args[++i]);
        }
    }
    if (!wordsGiven) options.texts = DemoTexts();
    return options;
}

} // namespace host
