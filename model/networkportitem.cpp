#include "model/networkportitem.h"

#include "model/defaultnetwork.h"
#include "model/networkdeviceitem.h"
#include "model/networkrules.h"
#include "model/rowicons.h"

#include <QObject>

NetworkPortItem::NetworkPortItem(const QString& name, bool detected)
    : NetworkItem(name, nullptr, port_item), detected(detected) {
    update_row();
}

QString NetworkPortItem::to_string() const {
    return name;
}

void NetworkPortItem::update_row() {
    setText(0, name);
    if (detected) {
        setIcon(0, rowIcon(QStringLiteral("usb.ico")));
    } else if (name == defaultnetwork::fallbackPortName()) {
        setIcon(0, rowIcon(QStringLiteral("find.ico")));
    } else {
        setIcon(0, rowIcon(QStringLiteral("ignore.ico")));
    }

    switch (port_type) {
    case ignored:
        setText(1, QObject::tr("Not used"));
        setIcon(1, rowIcon(QStringLiteral("ignore.ico")));
        break;
    case direct:
        setText(1, QObject::tr("Direct TCU"));
        setIcon(1, rowIcon(QStringLiteral("network-wired-3.ico")));
        break;
    case lrr:
        setText(1, QObject::tr("LRR ID: %1, retries: %2, delay: %3")
                       .arg(master_id)
                       .arg(retries)
                       .arg(delay));
        setIcon(1, rowIcon(QStringLiteral("network-wireless.ico")));
        break;
    }
}

bool NetworkPortItem::can_add() const {
    return port_type == lrr;
}

bool NetworkPortItem::can_copy_from(const NetworkItem* other) const {
    if (other == nullptr || other == this || port_type == ignored) {
        return false;
    }
    if (other->type() == port_item) {
        return true;
    }
    if (port_type != lrr) {
        return false;
    }
    const auto* device = static_cast<const NetworkDeviceItem*>(other);
    return networkrules::isSubmasterIdFree(device->submaster_id, submasterIdsInUse());
}

void NetworkPortItem::copy_from(const NetworkItem* other) {
    if (!can_copy_from(other)) {
        return;
    }
    if (other->type() == port_item) {
        copyPort(*static_cast<const NetworkPortItem*>(other));
    } else {
        addCopyOfDevice(*other);
    }
}

void NetworkPortItem::set_port_type(port_type_t type) {
    port_type = type;
    update_row();
}

void NetworkPortItem::set_master_id(int id) {
    master_id = id;
    update_row();
}

void NetworkPortItem::set_retries(int count) {
    retries = count;
    update_row();
}

void NetworkPortItem::set_delay(int value) {
    delay = value;
    update_row();
}

void NetworkPortItem::set_detected(bool present) {
    detected = present;
    update_row();
}

QList<NetworkDeviceItem*> NetworkPortItem::devices() const {
    QList<NetworkDeviceItem*> rows;
    rows.reserve(childCount());
    for (int i = 0; i < childCount(); ++i) {
        rows << static_cast<NetworkDeviceItem*>(child(i));
    }
    return rows;
}

std::bitset<256> NetworkPortItem::submasterIdsInUse() const {
    std::bitset<256> used;
    for (const NetworkDeviceItem* device : devices()) {
        if (networkrules::isValidId(device->submaster_id)) {
            used.set(static_cast<std::size_t>(device->submaster_id));
        }
    }
    return used;
}

// The old devices leave the tree in one step, not row by row.
void NetworkPortItem::deleteDevices() {
    qDeleteAll(takeChildren());
}

void NetworkPortItem::copyPort(const NetworkPortItem& source) {
    port_type = source.port_type;
    master_id = source.master_id;
    retries = source.retries;
    delay = source.delay;
    deleteDevices();
    for (const NetworkDeviceItem* device : source.devices()) {
        addCopyOfDevice(*device);
    }
    update_row();
}

void NetworkPortItem::addCopyOfDevice(const NetworkItem& source) {
    const auto& sourceDevice = static_cast<const NetworkDeviceItem&>(source);
    auto* device = new NetworkDeviceItem(sourceDevice.name, this, sourceDevice.submaster_id);
    device->copy_from(&sourceDevice);
    device->update_row();
}
