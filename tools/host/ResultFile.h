// The result file that tests read: a line "folder<TAB>path" (or "folder<TAB>none"), then one
// line "text<TAB>ok", "text<TAB>wrong" or "text<TAB>unchecked" per checked text, in ANSI text
// with CR LF line ends.
#pragma once
#include "tools/host/Findings.h"

#include <string>

namespace host {

std::string ResultFileText(const Findings& findings);

void WriteResultFile(const std::string& path, const Findings& findings);

} // namespace host
