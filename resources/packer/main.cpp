// The host-side packer: builds the setup's FILES stream from a manifest and inspects one.
#include "resources/packer/Commands.h"
#include "resources/packer/Fault.h"

#include <cstdio>
#include <cstring>
#include <exception>

namespace {

constexpr char kUsage[] =
    "usage: packer pack --manifest FILE --root DIR [--root DIR ...] --out FILE [--iterations N]\n"
    "       packer list FILE\n"
    "       packer verify FILE\n"
    "       packer extract FILE OUTDIR [NAME ...]\n"
    "       packer bench FILE [--runs N]\n"
    "       packer compare FILE [--iterations N]\n";

constexpr int kFailed = 1;
constexpr int kUsageError = 2;

struct Command {
    const char* name;
    void (*run)(const packer::Words&);
};

constexpr Command kCommands[] = {
    {"pack", packer::RunPack},       {"list", packer::RunList},
    {"verify", packer::RunVerify},   {"extract", packer::RunExtract},
    {"bench", packer::RunBench},     {"compare", packer::RunCompare},
};

const Command* FindCommand(const char* name) {
    for (const Command& command : kCommands)
        if (std::strcmp(command.name, name) == 0)
            return &command;
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    const Command* command = argc >= 2 ? FindCommand(argv[1]) : nullptr;
    if (!command) {
        std::fputs(kUsage, stderr);
        return kUsageError;
    }
    try {
        command->run(packer::Words(argv + 2, argv + argc));
        return 0;
    } catch (const packer::UsageFault& fault) {
        std::fprintf(stderr, "packer %s: %s\n%s", command->name, fault.what(), kUsage);
        return kUsageError;
    } catch (const std::exception& fault) {
        std::fprintf(stderr, "packer %s: %s\n", command->name, fault.what());
        return kFailed;
    }
}
