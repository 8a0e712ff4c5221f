#include "resources/packer/Arguments.h"

#include "resources/packer/Fault.h"

#include <cerrno>
#include <cstdlib>

namespace packer {

std::string Arguments::Single(const std::string& name, const std::string& fallback) const {
    const auto found = options.find(name);
    if (found == options.end())
        return fallback;
    if (found->second.size() > 1)
        throw UsageFault(name + " is given more than once");
    return found->second.front();
}

std::string Arguments::Required(const std::string& name) const {
    if (options.find(name) == options.end())
        throw UsageFault(name + " is missing");
    return Single(name);
}

std::vector<std::string> Arguments::All(const std::string& name) const {
    const auto found = options.find(name);
    return found == options.end() ? std::vector<std::string>{} : found->second;
}

int Arguments::Number(const std::string& name, int fallback, int minimum, int maximum) const {
    const std::string text = Single(name);
    if (text.empty())
        return fallback;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < minimum || value > maximum)
        throw UsageFault(name + " wants a whole number from " + std::to_string(minimum) + " to " +
                         std::to_string(maximum) + ", not '" + text + "'");
    return static_cast<int>(value);
}

Arguments ParseArguments(const std::vector<std::string>& words, const std::set<std::string>& known) {
    Arguments parsed;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() < 2 || word.compare(0, 2, "--") != 0) {
            parsed.positional.push_back(word);
            continue;
        }
        const size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        if (known.count(name) == 0)
            throw UsageFault("unknown option " + name);
        if (equals != std::string::npos) {
            parsed.options[name].push_back(word.substr(equals + 1));
        } else {
            if (i + 1 == words.size())
                throw UsageFault(name + " needs a value");
            parsed.options[name].push_back(words[++i]);
        }
    }
    return parsed;
}

} // namespace packer
