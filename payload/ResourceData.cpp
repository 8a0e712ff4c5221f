#include "payload/AttachFiles.h"

#include <windows.h>

namespace payload {

// Resources need no freeing: LoadResource only maps them from the loaded image.
TResourceData GetResourceData(const char* name, const char* type) {
    const HMODULE module = ::GetModuleHandleA(nullptr);
    const HRSRC info = ::FindResourceA(module, name, type);
    if (!info) return {};
    const DWORD size = ::SizeofResource(module, info);
    const HGLOBAL loaded = ::LoadResource(module, info);
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes) return {};
    return {static_cast<const unsigned char*>(bytes), size};
}

} // namespace payload
