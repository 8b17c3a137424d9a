#pragma once

#include <QByteArray>
#include <QString>

#include <string>

namespace storage {

// The text of the network file at path (UTF-8). A file that cannot be read gives empty text,
// which then fails to parse.
QByteArray readNetworkFile(const std::string& path);

// The bytes of the file at path as they are on the disk; throws std::runtime_error with a
// translated message when it cannot be read, so that nothing empty is ever written in its place.
QByteArray readNetworkBytes(const std::string& path);

// Writes text as the network file at path (UTF-8) through the safe write, keeping the version it
// replaces when that is the configuration file. False, with the file as it was, when the write
// fails.
bool writeNetworkFile(const std::string& path, const QByteArray& text);

// As writeNetworkFile, but byte for byte: a kept version restored or a file installed is then
// the very file it was, line ends included, on every system.
bool installNetworkFile(const std::string& path, const QByteArray& content);

// The message for a network file that could not be written, for the window and the tools alike.
QString writeFailure(const QString& path);

} // namespace storage
