#include "tools/host/TextCheck.h"

namespace host {

namespace {

const char* const kBlanks = " \t";
const char* const kPunctuation = ".,;:!?\"'()[]";

std::string WithoutPunctuation(const std::string& word) {
    const size_t first = word.find_first_not_of(kPunctuation);
    if (first == std::string::npos) return std::string();
    const size_t last = word.find_last_not_of(kPunctuation);
    return word.substr(first, last - first + 1);
}

CheckedText Check(const SpellEngine& engine, const std::string& text) {
    CheckedText checked;
    checked.text = text;
    if (engine.state() != EngineState::Ready) return checked;
    const std::vector<std::string> words = WordsOf(text);
    for (const std::string& word : words) {
        if (!engine.isCorrect(word)) checked.misspelled.push_back(word);
    }
    // A text without a single word has nothing the engine could accept.
    const bool accepted = !words.empty() && checked.misspelled.empty();
    checked.verdict = accepted ? Verdict::Correct : Verdict::Misspelled;
    return checked;
}

} // namespace

std::vector<std::string> WordsOf(const std::string& text) {
    std::vector<std::string> words;
    size_t start = text.find_first_not_of(kBlanks);
    while (start != std::string::npos) {
        const size_t end = text.find_first_of(kBlanks, start);
        const std::string word = WithoutPunctuation(text.substr(start, end - start));
        if (!word.empty()) words.push_back(word);
        start = text.find_first_not_of(kBlanks, end);
    }
    return words;
}

std::vector<CheckedText> CheckTexts(const SpellEngine& engine, const std::vector<std::string>& texts) {
    std::vector<CheckedText> checked;
    for (const std::string& text : texts) checked.push_back(Check(engine, text));
    return checked;
}

} // namespace host
