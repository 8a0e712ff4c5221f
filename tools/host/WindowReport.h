// The text of the stand-in's window: where the add-on was found, what its descriptor names,
// whether the engine loaded, and the verdicts; or, with nothing installed, where it looked.
// Lines end in CR LF and columns are separated by tabs, as a multi-line edit control shows them.
#pragma once
#include "tools/host/Findings.h"

#include <string>

namespace host {

std::string ReportText(const Findings& findings);

} // namespace host
