#include "tools/host/Findings.h"

namespace host {

Findings Inspect(const std::vector<std::string>& texts) {
    Findings findings;
    findings.search = FindAddon();
    SpellEngine engine;
    if (!findings.search.folder.empty()) {
        findings.files = DescribeAddon(findings.search.folder);
        engine.start(findings.files.engineLibrary, findings.files.affixRules, findings.files.dictionary);
    }
    findings.engine = engine.state();
    findings.loadError = engine.loadError();
    findings.checks = CheckTexts(engine, texts);
    return findings;
}

} // namespace host
