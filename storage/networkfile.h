#pragma once

#include <QByteArray>

#include <string>

namespace storage {

// The text of the network file at path (UTF-8). A file that cannot be read gives empty text,
// which then fails to parse.
QByteArray readNetworkFile(const std::string& path);

// Writes text as the network file at path (UTF-8) through the safe write, keeping the version it
// replaces when that is the configuration file. False, with the file as it was, when the write
// fails.
bool writeNetworkFile(const std::string& path, const QByteArray& text);

} // namespace storage
