#include "mainwindow/mainwindow.h"

#include "mainwindow/treebatch.h"
#include "model/networkitem.h"

// The clipboard refers to a live row, so a paste takes the source's values as they are at that
// moment. Every deletion empties it, so it never refers to a deleted row.

void MainWindow::on_cutButton_pressed() {
    clipboardItem = currentItem;
    clipboardIsCut = true;
    updateMenus();
}

void MainWindow::on_copyButton_pressed() {
    clipboardItem = currentItem;
    clipboardIsCut = false;
    updateMenus();
}

void MainWindow::on_pasteButton_pressed() {
    if (clipboardItem == nullptr || currentItem == nullptr ||
        !currentItem->can_copy_from(clipboardItem)) {
        return;
    }
    {
        const TreeBatch batch(*batching); // a port brings all its devices
        currentItem->copy_from(clipboardItem);
        if (clipboardIsCut) {
            deleteItem(clipboardItem);
        }
    }
    updateMenus();
}
