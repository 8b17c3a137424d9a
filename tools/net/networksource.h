#pragma once

#include "storage/portsink.h"

#include <QByteArray>
#include <QString>

#include <memory>

class QIODevice;

// A network as the commands name it: a file, "-" for standard input, "config" for the
// configuration file, or "backup:N" for its Nth newest kept version.
struct NetworkSource {
    QString name; // as the editor's messages name the file
    QByteArray text;
};

// What names a kept version by its number.
inline const QString backupPrefix = QStringLiteral("backup:");

// Throws std::runtime_error with a translated message when no kept version has the number.
NetworkSource networkSource(const QString& argument, QIODevice& input);

// The path of the kept version numbered from 1, the newest; throws std::runtime_error as above.
QString backupPath(const QString& number);

// The ports the editor makes of the text, through its reader and rules; throws
// std::runtime_error with the message the editor shows when it refuses the text.
std::unique_ptr<storage::PortSink> readPorts(const NetworkSource& source);
