// Command-line arguments of one subcommand: positional words and "--name value" options.
#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

namespace packer {

struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::vector<std::string>> options;

    // The value of an option given at most once; `fallback` when it is absent.
    std::string Single(const std::string& name, const std::string& fallback = "") const;
    // The value of an option that must be given exactly once.
    std::string Required(const std::string& name) const;
    // All values of an option that may repeat, in the order given.
    std::vector<std::string> All(const std::string& name) const;
    // A whole number in [minimum, maximum]; `fallback` when the option is absent.
    int Number(const std::string& name, int fallback, int minimum, int maximum) const;
};

// Every option takes a value ("--name value" or "--name=value"); unknown options are faults.
Arguments ParseArguments(const std::vector<std::string>& words, const std::set<std::string>& known);

} // namespace packer
