#include "mainwindow/mainwindow.h"

#include "mainwindow/liveports.h"
#include "mainwindow/treebatch.h"
#include "model/defaultnetwork.h"
#include "ui_mainwindow.h"

bool MainWindow::createDefaultNetwork() {
    live->present = readMachinePorts();
    QStringList present;
    for (int i = 0; i < ui->treeWidget->topLevelItemCount(); ++i) {
        present << ui->treeWidget->topLevelItem(i)->text(0);
    }
    const TreeBatch batch(*batching);
    QList<QTreeWidgetItem*> added;
    for (auto& port :
         defaultnetwork::defaultPorts(radioAdapterNames(live->present.values()), present)) {
        // A port found on the machine changes nothing; the fallback port is added as by hand.
        modified = modified || !port->detected;
        added << port.release();
    }
    ui->treeWidget->insertTopLevelItems(0, added);
    batching->sortByName();
    batching->fitNameColumn();
    updateMenus();
    return ui->treeWidget->topLevelItemCount() > 0;
}
