// What the stand-in found out at start-up: where the add-on is, what its descriptor says,
// whether the engine runs, and the verdicts on the texts it was asked to check.
#pragma once
#include "tools/host/AddonFiles.h"
#include "tools/host/AddonFolder.h"
#include "tools/host/SpellEngine.h"
#include "tools/host/TextCheck.h"

#include <string>
#include <vector>

namespace host {

struct Findings {
    AddonSearch search;
    AddonFiles files;  // empty unless search.folder names a folder
    EngineState engine = EngineState::NotInstalled;
    DWORD loadError = 0;
    std::vector<CheckedText> checks;
};

// Finds the add-on, starts its engine, checks the texts and unloads the engine again.
Findings Inspect(const std::vector<std::string>& texts);

} // namespace host
