// Where the tests take the add-on files from, and where the word processor looks for them.
#pragma once
#include <string>
#include <vector>

namespace hosttest {

// The six files the setup installs.
const std::vector<std::string>& AddonFileNames();

// The folder that holds the add-on files unpacked from the payload (LARKSPUR_HOST_ADDON, a
// Unix path, seen through drive Z:), with a trailing backslash; empty when it is not set.
std::string AddonSourceFolder();

// Machine-wide application data, asked of the shell without the stand-in's code.
std::string CommonAppData();

// <machine-wide application data>\Larkspur\Public\<name>\ .
std::string PublicSpellFolder(const std::string& name);

} // namespace hosttest
