#include "model/networkdeviceitem.h"

#include "model/networkportitem.h"
#include "model/rowicons.h"

#include <QObject>

NetworkDeviceItem::NetworkDeviceItem(const QString& name, NetworkPortItem* port, int submasterId)
    : NetworkItem(name, nullptr, device_item), port(port), submaster_id(submasterId) {
    update_row();
    appendTo(port);
}

QString NetworkDeviceItem::nameFor(int submasterId) {
    return QStringLiteral("%1.%2").arg(QStringLiteral("TCU "), QString::number(submasterId));
}

QString NetworkDeviceItem::to_string() const {
    const int masterId = port != nullptr ? port->master_id : 0;
    return QString::number(masterId) + QLatin1Char('.') + QString::number(submaster_id);
}

void NetworkDeviceItem::update_row() {
    setText(0, to_string());
    setIcon(0, rowIcon(QStringLiteral("device.ico")));

    const int portRetries = port != nullptr ? port->retries : 0;
    const int portDelay = port != nullptr ? port->delay : 0;
    const QString inherited = QObject::tr(" (inherit)");
    // One pass over the text for all four values: the row is drawn for every device.
    setText(1, QObject::tr("retries: %1%2, delay: %3%4")
                   .arg(QString::number(retries < 0 ? portRetries : retries),
                        retries < 0 ? inherited : QString(),
                        QString::number(delay < 0 ? portDelay : delay),
                        delay < 0 ? inherited : QString()));
}

bool NetworkDeviceItem::can_add() const {
    return true;
}

bool NetworkDeviceItem::can_copy_from(const NetworkItem* other) const {
    return other != nullptr && other != this && other->type() == device_item;
}

void NetworkDeviceItem::copy_from(const NetworkItem* other) {
    if (!can_copy_from(other)) {
        return;
    }
    const auto* source = static_cast<const NetworkDeviceItem*>(other);
    retries = source->retries;
    delay = source->delay;
    update_row();
}

void NetworkDeviceItem::set_submaster_id(int id) {
    submaster_id = id;
    update_row();
}

void NetworkDeviceItem::set_retries(int count) {
    retries = count;
    update_row();
}

void NetworkDeviceItem::set_delay(int value) {
    delay = value;
    update_row();
}
