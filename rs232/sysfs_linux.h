#pragma once

#include <string>
#include <vector>

// Questions about single sysfs entries, each answered with as few system calls as the kernel
// allows, and the path arithmetic that lets the tree be walked without asking it again.
namespace RS232::sysfs {

// The first line of a file, read with one open, read and close; empty when it cannot be read.
std::string firstLine(const std::string& path);

// The target of a symbolic link as written in it; empty when path is no link.
std::string linkTarget(const std::string& path);

// The names in a folder, sorted, without . and ..; empty when it cannot be listed.
std::vector<std::string> folderEntries(const std::string& path);

// The part of path after its last slash.
std::string lastComponent(const std::string& path);

// folder, a path without . or .. components, followed by a relative link target, with the
// target's .. taken lexically. That is where the link leads as long as the folders it climbs
// out of are real folders, as they are in the device tree.
std::string resolve(std::string folder, const std::string& target);

} // namespace RS232::sysfs
