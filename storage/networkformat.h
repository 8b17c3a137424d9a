#pragma once

#include "model/networkportitem.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace storage {

// A port type as the document names it: "ignored", "direct", "lrr", or "???" for any other value.
QString typeName(NetworkPortItem::port_type_t type);

// The network as a JSON document: {"net": [port, ...]}, where a port holds "name" and "type" and,
// unless it is a direct port, "master_id", "retries", "delay" and its devices under "tcus".
QByteArray networkText(const QList<const NetworkPortItem*>& ports);

// Receives what a network document describes, in document order. Each call acts at once, so a
// document that fails half-way leaves what was read before the failure.
class NetworkSink {
public:
    enum field_t { master_id, retries, delay };

    virtual ~NetworkSink() = default;
    // The port that the following calls are about, found by name or created.
    virtual void port(const QString& name) = 0;
    virtual void portType(NetworkPortItem::port_type_t type) = 0;
    virtual void portValue(field_t field, int value) = 0;
    // A new device of the current port; may throw std::runtime_error.
    virtual void device(int submasterId) = 0;
    // retries or delay of the device added last.
    virtual void deviceValue(field_t field, int value) = 0;
};

// Sets the value of port that field names.
void setPortValue(NetworkPortItem& port, NetworkSink::field_t field, int value);

// Reads a network document (up to its first NUL byte) into sink. Throws std::runtime_error with a
// translated message, naming path, when the text is no JSON document or a port or device entry is
// malformed.
void readNetwork(const QByteArray& text, const QString& path, NetworkSink& sink);

} // namespace storage
