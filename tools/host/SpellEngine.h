// The Hunspell engine of the installed add-on, loaded from its own folder and driven through
// its C interface.
#pragma once
#include "platform/Handles.h"

#include <string>

namespace host {

enum class EngineState {
    NotInstalled,      // no add-on was found, nothing was tried
    LibraryMissing,    // hunspell.dll is not in the add-on's folder
    LoadFailed,        // it is there but Windows refuses to load it
    FunctionsMissing,  // it loads but does not export the Hunspell C functions
    DictionaryMissing, // the word list or its affix rules are not there
    Ready,
};

class SpellEngine {
public:
    SpellEngine() = default;
    ~SpellEngine();
    SpellEngine(const SpellEngine&) = delete;
    SpellEngine& operator=(const SpellEngine&) = delete;

    // Full paths throughout. Returns the state reached, also kept for state().
    EngineState start(const std::string& library, const std::string& affixRules, const std::string& dictionary);
    EngineState state() const { return state_; }
    DWORD loadError() const { return loadError_; }

    // word is ANSI text; only meaningful when state() is Ready.
    bool isCorrect(const std::string& word) const;

private:
    struct Hunhandle;
    using CreateFn = Hunhandle* (*)(const char* affixPath, const char* dictionaryPath);
    using SpellFn = int (*)(Hunhandle* handle, const char* word);
    using DestroyFn = void (*)(Hunhandle* handle);

    bool resolveFunctions();

    platform::UniqueModule library_;
    CreateFn create_ = nullptr;
    SpellFn spell_ = nullptr;
    DestroyFn destroy_ = nullptr;
    Hunhandle* handle_ = nullptr;
    EngineState state_ = EngineState::NotInstalled;
    DWORD loadError_ = 0;
};

} // namespace host
