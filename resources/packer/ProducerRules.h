// What every archive we produce must satisfy, checked by "pack" before it writes and by
// "verify" on a finished stream. Each check gives an empty text when the rule holds, or says
// what is wrong.
#pragma once
#include "payload/ArchiveFormat.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace packer {

constexpr size_t kMaxNameBytes = 255;
constexpr uint64_t kMaxContentBytes = 0x7FFFFFFF;

std::string NameFault(const std::string& name);
std::string SizeFault(uint64_t size);
// The local date-time must be real, within the DOS range and on an even second.
std::string LocalTimeFault(const payload::LocalDateTime& t);
// The stored value must also be exactly the value of that date-time.
std::string StoredTimeFault(double value);

// Names compare without regard to letter case (ASCII folding), as the setup looks them up.
std::string FoldAsciiCase(const std::string& name);

// Remembers names; tells which earlier one a new name clashes with.
class NameRegister {
public:
    // The tag given with the earlier name of the same spelling, or nothing when it is new.
    std::optional<size_t> Add(const std::string& name, size_t tag);

private:
    std::map<std::string, size_t> tagByFoldedName_;
};

} // namespace packer
