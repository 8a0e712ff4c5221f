// A removable drive for one test: an empty folder in the temporary folder, plugged in as a
// drive of its own through Wine's mount manager, and unplugged and removed at the end.
#pragma once
#include <string>

namespace hosttest {

class PluggedStick {
public:
    PluggedStick();
    // Whatever the test put on the stick must be gone by then: only an empty folder is removed.
    ~PluggedStick();
    PluggedStick(const PluggedStick&) = delete;
    PluggedStick& operator=(const PluggedStick&) = delete;

    bool plugged() const { return letter_ != 0; }
    const std::string& error() const { return error_; }
    // "P:\" for drive P:.
    std::string root() const;

private:
    std::string folder_;  // the folder behind the drive
    std::string error_;
    char letter_ = 0;
};

} // namespace hosttest
