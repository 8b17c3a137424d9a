#include "mainwindow/portrows.h"

#include <QTreeWidget>

QList<const NetworkPortItem*> portRows(const QTreeWidget& tree) {
    QList<const NetworkPortItem*> ports;
    ports.reserve(tree.topLevelItemCount());
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        ports << static_cast<const NetworkPortItem*>(tree.topLevelItem(i));
    }
    return ports;
}
