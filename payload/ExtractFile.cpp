#include "payload/AttachFiles.h"

#include "instutils/InstUtils.h"
#include "platform/Handles.h"
#include "platform/WideText.h"
#include "shell/SetupMessageBox.h"

#include <windows.h>

namespace payload {
namespace {

const char kCannotCreateFile[] =
    "Cannot create file \"%s\".\rAnother application might already be using this file.\r\r"
    "Please make sure that the setup of Larkspur Word Processor is not blocked by your security "
    "software (firewall/antivirus) in any way.\rYou might want to temporarily disable your security "
    "software and try again.";

std::string CannotCreateFileText(const std::string& path) {
    std::string text = kCannotCreateFile;
    text.replace(text.find("%s"), 2, path);
    return text;
}

// The folder part with its final backslash (or the drive with its colon); empty for a bare name.
std::string FolderPartOf(const std::string& path) {
    const size_t last = path.find_last_of("\\:");
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

} // namespace

const TAttachedFile* TAttachedFiles::FindLastEntryNamed(const std::string& name) const {
    for (auto entry = Entries.rbegin(); entry != Entries.rend(); ++entry)
        if (instutils::SamePath(entry->Name, name)) return &*entry;
    return nullptr;
}

bool TAttachedFiles::TryWriteEntry(const TAttachedFile& entry, const std::string& path) const {
    instutils::ForceFolders(FolderPartOf(path));
    platform::UniqueFile file(::CreateFileW(platform::ToWide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(entry.Size);
    return ::WriteFile(file.get(), Data.get() + entry.Offset, size, &written, nullptr) && written == size;
}

bool TAttachedFiles::ExtractFile(const TAttachedFile* AttachedFile, const std::string& Name, const std::string& Path) {
    const TAttachedFile* entry = AttachedFile ? AttachedFile : FindLastEntryNamed(Name);
    if (!entry) return false;
    for (;;) {
        if (TryWriteEntry(*entry, Path)) {
            SetFileWriteDate(Path, entry->Time);
            return true;
        }
        switch (shell::SetupMessageBox(CannotCreateFileText(Path), shell::mkError, shell::kButtonsAbortRetryIgnore)) {
        case IDABORT: return false;
        case IDIGNORE: return true;
        default: break;  // Retry, as many times as the user likes
        }
    }
}

} // namespace payload
