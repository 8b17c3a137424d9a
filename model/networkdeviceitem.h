#pragma once

#include "model/networkitem.h"

class NetworkPortItem;

// A device (TCU) on a port's LRR network: always a child row of its port. Negative retries or
// delay mean that the port's value applies; -1 is what the program stores for that.
class NetworkDeviceItem : public NetworkItem {
public:
    static constexpr int inherit = -1;

    // The row is drawn before it joins port's children, so a sorted tree places it once.
    NetworkDeviceItem(const QString& name, NetworkPortItem* port, int submasterId = 1);

    // The name a new device gets: "TCU .7" for submaster ID 7.
    static QString nameFor(int submasterId);

    QString to_string() const override;
    void update_row() override;
    bool can_add() const override;
    bool can_copy_from(const NetworkItem* other) const override;
    void copy_from(const NetworkItem* other) override;

    void set_submaster_id(int id);
    void set_retries(int count);
    void set_delay(int value);

    NetworkPortItem* port; // the parent row, not owned
    int submaster_id;
    int retries = inherit;
    int delay = inherit;
};
