#pragma once

#include <QString>
#include <QTreeWidgetItem>

// A row of the network tree: a serial port at the top level or a device (TCU) below its port.
// Each row draws itself and knows which settings it may take from another row.
class NetworkItem : public QTreeWidgetItem {
public:
    enum item_type_t { port_item = 1, device_item = 2 };

    NetworkItem(const QString& name, QTreeWidgetItem* parent, item_type_t type);
    ~NetworkItem() override;

    virtual QString to_string() const = 0;
    virtual void update_row() = 0;
    // Whether a device may be added with this row selected.
    virtual bool can_add() const = 0;
    virtual bool can_copy_from(const NetworkItem* other) const = 0;
    // Takes settings from other; does nothing when can_copy_from(other) refuses.
    virtual void copy_from(const NetworkItem* other) = 0;

    QString name;

protected:
    // Appends this row to parent's children and opens the parent row.
    void appendTo(QTreeWidgetItem* parent);
};
