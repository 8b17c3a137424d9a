#include "mainwindow/mainwindow.h"

#include "mainwindow/treebatch.h"
#include "model/defaultnetwork.h"
#include "rs232/serial.h"
#include "ui_mainwindow.h"

#include <vector>

bool MainWindow::createDefaultNetwork() {
    std::vector<RS232::Serial> ports;
    RS232::Serial::enumerate(ports);

    const TreeBatch batch(*batching);
    QList<QTreeWidgetItem*> detected;
    for (const RS232::Serial& port : ports) {
        const QString name = QString::fromUtf8(port.portName.c_str());
        if (defaultnetwork::isRadioAdapter(port.description) && findNetworkPort(name) == nullptr) {
            detected << new NetworkPortItem(name, true);
        }
    }
    ui->treeWidget->insertTopLevelItems(0, detected);
    batching->sortByName();

    bool usable = true;
    if (ui->treeWidget->topLevelItemCount() == 0) {
        usable = addNetworkPort(defaultnetwork::fallbackPortName(), NetworkPortItem::direct, 1) !=
                 nullptr;
    }
    updateMenus();
    return usable;
}
