// The payload archive: entries back to back, each a name length byte, the name, an 8-byte
// little-endian double (local date-time, days since 30 December 1899), a 32-bit little-endian
// size and the content. No header, no count, no end marker. Portable code: used by the
// host-side packer and by the setup's store.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace payload {

struct ArchiveEntry {
    std::string name;
    double time = 0;      // days since 1899-12-30 00:00, local time, DOS resolution
    int32_t size = 0;     // content bytes
    int32_t offset = 0;   // position of the first content byte in the archive
};

enum class ArchiveError {
    None,
    HeaderPastEnd,   // an entry's name, time or size field runs past the end of the archive
    ContentPastEnd,  // an entry's content runs past the end of the archive
    NegativeSize,    // the size field reads as a negative 32-bit number
    TooLarge,        // the archive is longer than a 32-bit signed offset can address
};

const char* ArchiveErrorText(ArchiveError error);

// Walks an archive. Never reads outside [data, data + size); `data` may be null when `size` is 0.
// `entries` is replaced by the entries found. On an error it holds the whole entries before the
// bad one and the error says what was wrong.
ArchiveError ReadArchive(const unsigned char* data, size_t size, std::vector<ArchiveEntry>& entries);

// Appends one entry to an archive under construction. The name must be at most 255 bytes
// and the content below 2 GB; the caller checks (see the packer's rules).
void AppendEntry(std::vector<unsigned char>& archive, const std::string& name, double time,
                 const unsigned char* content, size_t contentSize);

// ---- Date-times at DOS resolution ---------------------------------------------------------
struct LocalDateTime { int year, month, day, hour, minute, second; };

// A real date of the Gregorian calendar from 1899-12-30 (day 0) to 9999-12-31, and a time of
// day to the second.
bool IsValidLocalDateTime(const LocalDateTime& t);
// The exact stored value: day number + (milliseconds since midnight) / 86,400,000.
// `t` must be valid.
double EncodeDateTime(const LocalDateTime& t);
// Splits a stored value back; false when it does not lie exactly on a whole second, or lies
// outside 1899-12-30 .. 9999-12-31 (negative, too large, not a number).
bool DecodeDateTime(double value, LocalDateTime& t);
// True when the value is what EncodeDateTime gives for an even second in 1980..2107.
bool IsDosResolutionTime(double value);

} // namespace payload
