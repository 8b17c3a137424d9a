#include "mainwindow/treebatch.h"

#include <QHeaderView>
#include <QTreeWidget>

void TreeBatching::sortByName() {
    if (openBatches > 0) {
        sortAsked = true;
        return;
    }
    tree.setSortingEnabled(true);
    tree.sortItems(0, Qt::AscendingOrder);
}

void TreeBatching::fitNameColumn() {
    if (openBatches > 0) {
        fitAsked = true;
        return;
    }
    tree.resizeColumnToContents(0);
}

void TreeBatching::begin() {
    if (openBatches++ > 0) {
        return;
    }
    wasSorting = tree.isSortingEnabled();
    sortAsked = false;
    fitAsked = false;
    tree.setSortingEnabled(false);
}

// Turning sorting back on sorts by the header's indicator, which a requested sort sets first.
void TreeBatching::end() {
    if (--openBatches > 0) {
        return;
    }
    if (sortAsked) {
        tree.header()->setSortIndicator(0, Qt::AscendingOrder);
    }
    if (sortAsked || wasSorting) {
        tree.setSortingEnabled(true);
    }
    if (fitAsked) {
        tree.resizeColumnToContents(0);
    }
}
