#include "storage/portsink.h"

#include "model/networkdeviceitem.h"
#include "model/networkrules.h"

namespace storage {

void PortSink::port(const QString& name) {
    const QString key = networkrules::portKey(name);
    current = portsByKey.value(key);
    if (current == nullptr) {
        owned.push_back(std::make_unique<NetworkPortItem>(name, false));
        current = owned.back().get();
        portsByKey.insert(key, current);
    }
    idsInUse = current->submasterIdsInUse();
}

void PortSink::portType(NetworkPortItem::port_type_t type) {
    current->set_port_type(type);
}

void PortSink::portValue(field_t field, int value) {
    setPortValue(*current, field, value);
}

void PortSink::device(int submasterId) {
    networkrules::claimSubmasterId(submasterId, idsInUse);
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

QList<const NetworkPortItem*> PortSink::ports() const {
    QList<const NetworkPortItem*> list;
    list.reserve(static_cast<int>(owned.size()));
    for (const auto& port : owned) {
        list << port.get();
    }
    return list;
}

} // namespace storage
