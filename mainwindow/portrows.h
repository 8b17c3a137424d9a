#pragma once

#include "model/networkportitem.h"

#include <QList>

class QTreeWidget;

// The port rows of a tree, top to bottom.
QList<const NetworkPortItem*> portRows(const QTreeWidget& tree);
