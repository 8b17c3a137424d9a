#include "rs232/sysfs_linux.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace RS232::sysfs {

// sysfs hands an attribute over in one read; other files may need more.
std::string firstLine(const std::string& path) {
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return {};
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(file, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        text.append(buffer, std::size_t(got));
        if (std::size_t(got) < sizeof buffer || text.find('\n') != std::string::npos)
            break;
    }
    ::close(file);
    return text.substr(0, text.find('\n'));
}

std::string linkTarget(const std::string& path) {
    char target[PATH_MAX];
    const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
    if (length <= 0 || std::size_t(length) == sizeof target)
        return {};
    return std::string(target, std::size_t(length));
}

std::vector<std::string> folderEntries(const std::string& path) {
    std::vector<std::string> names;
    DIR* folder = ::opendir(path.c_str());
    if (!folder)
        return names;
    while (const dirent* entry = ::readdir(folder)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.emplace_back(entry->d_name);
    }
    ::closedir(folder);
    std::sort(names.begin(), names.end());
    return names;
}

std::string lastComponent(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

std::string resolve(std::string folder, const std::string& target) {
    if (target.compare(0, 1, "/") == 0)
        folder.clear();
    std::size_t start = 0;
    while (start <= target.size()) {
        std::size_t end = target.find('/', start);
        if (end == std::string::npos)
            end = target.size();
        const std::string component = target.substr(start, end - start);
        if (component == "..")
            folder.erase(std::min(folder.rfind('/'), folder.size()));
        else if (!component.empty() && component != ".")
            folder += "/" + component;
        start = end + 1;
    }
    return folder;
}

} // namespace RS232::sysfs
