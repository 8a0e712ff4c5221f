// The packer's one kind of error: a message that names the problem (and the file and line
// where there is one). main() prints it and exits non-zero.
#pragma once
#include <stdexcept>
#include <string>

namespace packer {

class Fault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A command line that does not fit the command: reported with the usage text.
class UsageFault : public Fault {
public:
    using Fault::Fault;
};

} // namespace packer
