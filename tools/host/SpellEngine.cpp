#include "tools/host/SpellEngine.h"

#include "instutils/InstUtils.h"
#include "tools/host/Utf8Text.h"

namespace host {

namespace {

template <typename Function>
Function Resolve(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(library, name)));
}

} // namespace

SpellEngine::~SpellEngine() {
    // The handle's code lives in the library, so it goes first.
    if (handle_) destroy_(handle_);
}

EngineState SpellEngine::start(const std::string& library, const std::string& affixRules,
                               const std::string& dictionary) {
    if (!instutils::FileExists(library)) return state_ = EngineState::LibraryMissing;
    // The altered search path lets the engine find any library of its own beside it; a broken
    // file must come back as a failure, not as a box from the loader.
    platform::ErrorModeScope quietLoader(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    library_.reset(::LoadLibraryExA(library.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (!library_) {
        loadError_ = ::GetLastError();
        return state_ = EngineState::LoadFailed;
    }
    if (!resolveFunctions()) return state_ = EngineState::FunctionsMissing;
    if (dictionary.empty() || !instutils::FileExists(dictionary) || !instutils::FileExists(affixRules))
        return state_ = EngineState::DictionaryMissing;
    handle_ = create_(affixRules.c_str(), dictionary.c_str());
    return state_ = handle_ ? EngineState::Ready : EngineState::DictionaryMissing;
}

bool SpellEngine::resolveFunctions() {
    create_ = Resolve<CreateFn>(library_.get(), "Hunspell_create");
    spell_ = Resolve<SpellFn>(library_.get(), "Hunspell_spell");
    destroy_ = Resolve<DestroyFn>(library_.get(), "Hunspell_destroy");
    return create_ && spell_ && destroy_;
}

bool SpellEngine::isCorrect(const std::string& word) const {
    if (!handle_) return false;
    return spell_(handle_, AnsiToUtf8(word).c_str()) != 0;
}

} // namespace host
