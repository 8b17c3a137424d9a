#include "model/networkitem.h"

NetworkItem::NetworkItem(const QString& name, QTreeWidgetItem* parent, item_type_t type)
    : QTreeWidgetItem(parent, type), name(name) {
    setText(0, name);
    if (parent != nullptr) {
        parent->setExpanded(true);
    }
}

NetworkItem::~NetworkItem() = default;
