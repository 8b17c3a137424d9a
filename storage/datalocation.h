#pragma once

#include <string>

namespace storage {

// The editor's own per-user data directory (UTF-8), created when missing.
std::string appDataDirectory();

// config.net in the directory "quarntcu" beside dataDirectory, where the program that uses the
// network configuration reads it. The directory is created when missing and the result is
// canonical up to the file name, which is always joined with "/".
std::string configFileNameBeside(const std::string& dataDirectory);

} // namespace storage
