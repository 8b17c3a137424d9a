#include "model/networkitem.h"

NetworkItem::NetworkItem(const QString& name, QTreeWidgetItem* parent, item_type_t type)
    : QTreeWidgetItem(type), name(name) {
    setText(0, name);
    if (parent != nullptr) {
        appendTo(parent);
    }
}

void NetworkItem::appendTo(QTreeWidgetItem* parent) {
    parent->addChild(this);
    parent->setExpanded(true);
}

NetworkItem::~NetworkItem() = default;
