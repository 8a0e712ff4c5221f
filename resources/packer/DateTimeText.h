// Local date-times as the manifest and the listings write them: "YYYY-MM-DD HH:MM:SS".
#pragma once
#include "payload/ArchiveFormat.h"

#include <string>

namespace packer {

// Reads exactly that shape (digits where digits belong); says nothing about the calendar.
bool ParseDateTimeText(const std::string& text, payload::LocalDateTime& t);
std::string FormatDateTime(const payload::LocalDateTime& t);
// The stored value as a date-time, or the raw number when it is not on a whole second.
std::string FormatStoredTime(double value);

} // namespace packer
