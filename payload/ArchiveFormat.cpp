#include "payload/ArchiveFormat.h"

#include <cstring>
#include <limits>

namespace payload {
namespace {

// Name length byte + time + size: the fixed part of an entry header around the name.
constexpr size_t kLengthFieldSize = 1;
constexpr size_t kTimeFieldSize = 8;
constexpr size_t kSizeFieldSize = 4;
constexpr size_t kFixedHeaderSize = kLengthFieldSize + kTimeFieldSize + kSizeFieldSize;
constexpr size_t kMaxArchiveSize = static_cast<size_t>(std::numeric_limits<int32_t>::max());

uint64_t ReadLittleEndian(const unsigned char* bytes, size_t width) {
    uint64_t value = 0;
    for (size_t i = width; i-- > 0;)
        value = (value << 8) | bytes[i];
    return value;
}

void AppendLittleEndian(std::vector<unsigned char>& out, uint64_t value, size_t width) {
    for (size_t i = 0; i < width; ++i) {
        out.push_back(static_cast<unsigned char>(value & 0xFF));
        value >>= 8;
    }
}

double DoubleFromBits(uint64_t bits) {
    double value;
    static_assert(sizeof value == sizeof bits, "the time field is an IEEE double");
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

uint64_t BitsFromDouble(double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Reads the entry that starts at `position`; on success `entry` is filled and `next` is the
// position after its content.
ArchiveError ReadEntry(const unsigned char* data, size_t size, size_t position,
                       ArchiveEntry& entry, size_t& next) {
    const size_t remaining = size - position;
    const size_t nameLength = data[position];
    if (remaining < kFixedHeaderSize + nameLength)
        return ArchiveError::HeaderPastEnd;

    const unsigned char* name = data + position + kLengthFieldSize;
    const unsigned char* timeField = name + nameLength;
    const unsigned char* sizeField = timeField + kTimeFieldSize;
    const uint64_t contentSize = ReadLittleEndian(sizeField, kSizeFieldSize);
    if (contentSize > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()))
        return ArchiveError::NegativeSize;
    const size_t headerSize = kFixedHeaderSize + nameLength;
    if (remaining - headerSize < contentSize)
        return ArchiveError::ContentPastEnd;

    entry.name.assign(name, name + nameLength);
    entry.time = DoubleFromBits(ReadLittleEndian(timeField, kTimeFieldSize));
    entry.size = static_cast<int32_t>(contentSize);
    entry.offset = static_cast<int32_t>(position + headerSize);
    next = position + headerSize + static_cast<size_t>(contentSize);
    return ArchiveError::None;
}

} // namespace

const char* ArchiveErrorText(ArchiveError error) {
    switch (error) {
    case ArchiveError::None: return "no error";
    case ArchiveError::HeaderPastEnd: return "an entry header runs past the end of the archive";
    case ArchiveError::ContentPastEnd: return "an entry's content runs past the end of the archive";
    case ArchiveError::NegativeSize: return "an entry's size field is negative";
    case ArchiveError::TooLarge: return "the archive is 2 GB or larger";
    }
    return "unknown archive error";
}

ArchiveError ReadArchive(const unsigned char* data, size_t size, std::vector<ArchiveEntry>& entries) {
    entries.clear();
    if (size > kMaxArchiveSize)
        return ArchiveError::TooLarge;
    size_t position = 0;
    while (position < size) {
        ArchiveEntry entry;
        size_t next = 0;
        const ArchiveError error = ReadEntry(data, size, position, entry, next);
        if (error != ArchiveError::None)
            return error;
        entries.push_back(std::move(entry));
        position = next;
    }
    return ArchiveError::None;
}

void AppendEntry(std::vector<unsigned char>& archive, const std::string& name, double time,
                 const unsigned char* content, size_t contentSize) {
    archive.push_back(static_cast<unsigned char>(name.size()));
    archive.insert(archive.end(), name.begin(), name.end());
    AppendLittleEndian(archive, BitsFromDouble(time), kTimeFieldSize);
    AppendLittleEndian(archive, contentSize, kSizeFieldSize);
    if (contentSize > 0)
        archive.insert(archive.end(), content, content + contentSize);
}

} // namespace payload
