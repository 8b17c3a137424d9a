#pragma once

#include "model/networkitem.h"
#include "model/porttype.h"

#include <QList>

#include <bitset>

class NetworkDeviceItem;

// A serial port of the computer: a top-level row of the tree.
class NetworkPortItem : public NetworkItem, public PortType {
public:
    NetworkPortItem(const QString& name, bool detected);

    QString to_string() const override;
    void update_row() override;
    bool can_add() const override;
    bool can_copy_from(const NetworkItem* other) const override;
    void copy_from(const NetworkItem* other) override;

    void set_port_type(port_type_t type);
    void set_master_id(int id);
    void set_retries(int count);
    void set_delay(int value);
    // Follows the machine: the port became present or went away.
    void set_detected(bool present);

    // The device rows in row order at the time of the call; a refreshed row may move within a
    // sorted tree, so loops over the devices take this list first.
    QList<NetworkDeviceItem*> devices() const;
    // Which of the submaster IDs 1..255 the port's devices use (bit n for ID n).
    std::bitset<256> submasterIdsInUse() const;

    // Found among the machine's radio adapters; chooses the row icon, and whether Delete keeps
    // the row.
    bool detected;
    port_type_t port_type = ignored;
    int master_id = 0;
    int retries = 5;
    int delay = 5000;

private:
    void deleteDevices();
    void copyPort(const NetworkPortItem& source);
    void addCopyOfDevice(const NetworkItem& source);
};
