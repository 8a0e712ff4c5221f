#include "payload/AttachFiles.h"

#include "instutils/InstUtils.h"

namespace payload {
namespace {

bool IsGroupName(const std::string& name) { return !name.empty() && name.back() == '\\'; }

bool StartsWithByPath(const std::string& text, const std::string& prefix) {
    return instutils::SamePath(text.substr(0, prefix.size()), prefix);
}

bool TargetIsCurrent(const std::string& targetPath, const TAttachedFile& entry, uint8_t effectiveKind) {
    if (effectiveKind == InstallAlways || !instutils::FileExists(targetPath)) return false;
    if (effectiveKind == InstallIfMissing) return true;
    return effectiveKind == InstallIfChanged && instutils::FileWriteDate(targetPath) == entry.Time;
}

} // namespace

void TAttachedFiles::CollectIfPublic(const std::string& targetPath, uint8_t kind) {
    if (!CollectPublicFiles) return;
    const std::string publicFolder =
        instutils::JoinPath(instutils::SpecialFolderPath(instutils::kCsidlCommonAppData), "Larkspur\\Public\\");
    if (!StartsWithByPath(targetPath, publicFolder)) return;
    PublicFiles.push_back(kind == InstallIfMissing ? targetPath + "\t!" : targetPath);
}

bool TAttachedFiles::QueueEntry(const TAttachedFile& entry, const std::string& folder, uint8_t queueIndex,
                                uint8_t kind, uint8_t effectiveKind) {
    std::string targetPath = folder;
    instutils::AddTrailingBackslash(targetPath);
    targetPath += entry.Name;
    if (TargetIsCurrent(targetPath, entry, effectiveKind)) return false;
    Queues[queueIndex].push_back({&entry, targetPath});
    CollectIfPublic(targetPath, kind);
    return true;
}

bool TAttachedFiles::AddFileToInstall(const std::string& Name, const std::string& Folder, uint8_t QueueIndex,
                                      uint8_t Kind) {
    if (QueueIndex >= Queues.size()) return false;
    // Never for InstallIfMissing: see ForceOverwrite.
    const uint8_t effectiveKind = ForceOverwrite && Kind != InstallIfMissing ? InstallAlways : Kind;
    if (IsGroupName(Name)) {
        bool queuedAny = false;
        for (const TAttachedFile& entry : Entries)
            if (StartsWithByPath(entry.Name, Name))
                queuedAny = QueueEntry(entry, Folder, QueueIndex, Kind, effectiveKind) || queuedAny;
        return queuedAny;
    }
    for (const TAttachedFile& entry : Entries)
        if (instutils::SamePath(entry.Name, Name)) return QueueEntry(entry, Folder, QueueIndex, Kind, effectiveKind);
    return false;
}

} // namespace payload
