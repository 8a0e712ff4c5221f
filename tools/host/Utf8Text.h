// The dictionaries are UTF-8; the stand-in's own text is in the ANSI code page.
#pragma once
#include <string>

namespace host {

std::string AnsiToUtf8(const std::string& text);

} // namespace host
