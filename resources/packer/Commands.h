// The packer's subcommands. Each takes the words after its name, prints its report on
// standard output, and throws a Fault on the first problem.
#pragma once
#include <string>
#include <vector>

namespace packer {

using Words = std::vector<std::string>;

void RunPack(const Words& words);     // pack --manifest FILE --root DIR [--root DIR ...] --out FILE
void RunList(const Words& words);     // list FILE
void RunVerify(const Words& words);   // verify FILE
void RunExtract(const Words& words);  // extract FILE OUTDIR [NAME ...]
void RunBench(const Words& words);    // bench FILE [--runs N]
void RunCompare(const Words& words);  // compare FILE [--iterations N]

} // namespace packer
