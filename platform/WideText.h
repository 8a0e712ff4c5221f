// The one conversion from the program's single-byte text to UTF-16, used before every
// wide-character Windows call (files, folders, the message box).
#pragma once
#include <string>

namespace platform {

// Converts with the ANSI code page: the code page in which the ANSI calls deliver and accept
// text, so a path read by an ANSI call names the same file when handed to a wide call.
std::wstring ToWide(const std::string& text);

} // namespace platform
