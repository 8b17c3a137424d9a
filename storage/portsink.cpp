#include "storage/portsink.h"

#include "model/networkdeviceitem.h"

namespace storage {

void PortSink::port(const QString& name) {
    RuleSink::port(name);
    const auto index = static_cast<std::size_t>(currentPort());
    if (index == owned.size()) {
        owned.push_back(std::make_unique<NetworkPortItem>(name, false));
    }
    current = owned[index].get();
}

void PortSink::portType(NetworkPortItem::port_type_t type) {
    RuleSink::portType(type);
    current->set_port_type(type);
}

void PortSink::portValue(field_t field, int value) {
    RuleSink::portValue(field, value);
    setPortValue(*current, field, value);
}

void PortSink::device(int submasterId) {
    RuleSink::device(submasterId);
    lastDevice =
        new NetworkDeviceItem(NetworkDeviceItem::nameFor(submasterId), current, submasterId);
}

void PortSink::deviceValue(field_t field, int value) {
    if (field == retries) {
        lastDevice->set_retries(value);
    } else {
        lastDevice->set_delay(value);
    }
}

QList<const NetworkPortItem*> PortSink::portRows() const {
    QList<const NetworkPortItem*> list;
    list.reserve(static_cast<int>(owned.size()));
    for (const auto& port : owned) {
        list << port.get();
    }
    return list;
}

} // namespace storage
