// Checks words and phrases with the engine: a phrase is correct when it has words and the
// engine accepts each of them.
#pragma once
#include "tools/host/SpellEngine.h"

#include <string>
#include <vector>

namespace host {

enum class Verdict { Correct, Misspelled, Unchecked };

struct CheckedText {
    std::string text;
    Verdict verdict = Verdict::Unchecked;
    std::vector<std::string> misspelled;  // the words of text that the engine rejects
};

// Splits at blanks and drops punctuation around each word ("tres." gives "tres").
std::vector<std::string> WordsOf(const std::string& text);

// Every text is Unchecked unless the engine is Ready.
std::vector<CheckedText> CheckTexts(const SpellEngine& engine, const std::vector<std::string>& texts);

} // namespace host
