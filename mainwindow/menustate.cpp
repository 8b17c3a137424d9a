#include "mainwindow/mainwindow.h"

#include "model/networkitem.h"
#include "ui_mainwindow.h"

#include <filesystem>

namespace fs = std::filesystem;

// Only a file that is known to be missing counts as absent. Where the file system cannot tell
// (a loop of links, a folder that cannot be read), the commands that need the file stay on and
// report the error themselves.
bool MainWindow::networkFilePresent() const {
    try {
        std::error_code error;
        return fs::status(fs::u8path(getQuarnTCUDataFileName()), error).type() !=
               fs::file_type::not_found;
    } catch (const std::exception&) {
        return true;
    }
}

void MainWindow::updateMenus() {
    const bool present = networkFilePresent();
    enableCommands(present);

    const QList<QTreeWidgetItem*> selection = ui->treeWidget->selectedItems();
    currentItem =
        present && selection.size() == 1 ? static_cast<NetworkItem*>(selection.first()) : nullptr;
    enableItemCommands(currentItem);
}

// The commands that act on the network as a whole exist only while its file does, except that
// creating one is offered only while it does not.
void MainWindow::enableCommands(bool networkPresent) {
    ui->actionNetwork_create->setEnabled(!networkPresent);
    ui->actionNetwork_delete->setEnabled(networkPresent);
    ui->action_Export->setEnabled(networkPresent);
    ui->action_Import->setEnabled(networkPresent);
    ui->actionAdd_Port->setEnabled(networkPresent);
}

void MainWindow::enableItemCommands(const NetworkItem* item) {
    const bool selected = item != nullptr;
    const bool isPort = selected && item->type() == NetworkItem::port_item;
    const bool canAdd = selected && item->can_add();
    const bool canPaste = selected && item->can_copy_from(clipboardItem);

    ui->addButton->setEnabled(canAdd);
    ui->actionAdd_Device->setEnabled(canAdd);
    ui->deleteButton->setEnabled(selected);
    ui->editButton->setEnabled(selected);
    ui->actionDelete_Port->setEnabled(isPort);
    ui->actionEdit_Port->setEnabled(isPort);
    ui->actionDelete_Device->setEnabled(selected && !isPort);
    ui->actionEdit_Device->setEnabled(selected && !isPort);
    ui->action_Cut->setEnabled(selected);
    ui->cutButton->setEnabled(selected);
    ui->actionCopy->setEnabled(selected);
    ui->copyButton->setEnabled(selected);
    ui->action_Paste->setEnabled(canPaste);
    ui->pasteButton->setEnabled(canPaste);
}
