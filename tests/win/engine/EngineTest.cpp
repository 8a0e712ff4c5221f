// The built hunspell.dll, loaded the way the word processor loads it: by path, its C functions
// looked up by name, with the Latin dictionary that the setup installs beside it.
//   engine_test HUNSPELL_DLL LA_AFF LA_DIC
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

struct EngineFiles {
    std::string library;
    std::string affixes;
    std::string words;
};
EngineFiles g_files;

struct ModuleCloser {
    void operator()(HMODULE module) const { ::FreeLibrary(module); }
};
using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleCloser>;

struct Hunhandle;
using CreateFn = Hunhandle* (*)(const char* affixPath, const char* wordPath);
using SpellFn = int (*)(Hunhandle*, const char* word);
using DestroyFn = void (*)(Hunhandle*);

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The DLLs a loaded module imports, read from its import directory, in lower case.
std::vector<std::string> ImportedModules(HMODULE module) {
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::vector<std::string> names;
    if (directory.VirtualAddress == 0) return names;
    for (const auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         import->Name != 0; ++import) {
        names.push_back(LowerCase(reinterpret_cast<const char*>(base + import->Name)));
    }
    return names;
}

DWORD DelayImportDirectorySize(HMODULE module) {
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
    return nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT].Size;
}

class HunspellLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        library_.reset(::LoadLibraryA(g_files.library.c_str()));
        ASSERT_TRUE(library_) << g_files.library << ": LoadLibrary error " << ::GetLastError();
    }

    template <typename Fn>
    Fn Function(const char* name) {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(library_.get(), name)));
    }

    UniqueModule library_;
};

TEST_F(HunspellLibrary, ImportsOnlySystemLibraries) {
    // The C and C++ runtimes are linked in: no libstdc++, libgcc or winpthread DLL may be needed.
    const std::set<std::string> system{"kernel32.dll", "msvcrt.dll", "user32.dll", "advapi32.dll", "ntdll.dll"};
    const std::vector<std::string> imports = ImportedModules(library_.get());
    EXPECT_FALSE(imports.empty());
    for (const std::string& name : imports) EXPECT_TRUE(system.count(name)) << "imports " << name;
    EXPECT_EQ(DelayImportDirectorySize(library_.get()), 0u);
}

TEST_F(HunspellLibrary, ExportsTheCInterface) {
    for (const char* name : {"Hunspell_create", "Hunspell_create_key", "Hunspell_destroy", "Hunspell_add_dic",
                             "Hunspell_spell", "Hunspell_get_dic_encoding", "Hunspell_suggest", "Hunspell_analyze",
                             "Hunspell_stem", "Hunspell_stem2", "Hunspell_generate", "Hunspell_generate2",
                             "Hunspell_add", "Hunspell_add_with_affix", "Hunspell_remove", "Hunspell_free_list"}) {
        EXPECT_NE(Function<void (*)()>(name), nullptr) << name;
    }
}

TEST_F(HunspellLibrary, SpellsLatinWithTheInstalledDictionary) {
    const auto create = Function<CreateFn>("Hunspell_create");
    const auto spell = Function<SpellFn>("Hunspell_spell");
    const auto destroy = Function<DestroyFn>("Hunspell_destroy");
    ASSERT_TRUE(create && spell && destroy);

    const std::unique_ptr<Hunhandle, DestroyFn> speller(
        create(g_files.affixes.c_str(), g_files.words.c_str()), destroy);
    ASSERT_NE(speller, nullptr);

    struct Case { const char* word; bool correct; };
    for (const Case& c : {Case{"puella", true}, Case{"rosam", true}, Case{"amavisti", true},
                          Case{"puellla", false}}) {
        EXPECT_EQ(spell(speller.get(), c.word) != 0, c.correct) << c.word;
    }
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 4) {
        fprintf(stderr, "usage: engine_test HUNSPELL_DLL LA_AFF LA_DIC\n");
        return 2;
    }
    g_files = {argv[1], argv[2], argv[3]};
    return RUN_ALL_TESTS();
}
