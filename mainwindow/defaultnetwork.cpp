#include "mainwindow/mainwindow.h"

#include "mainwindow/treebatch.h"
#include "rs232/serial.h"
#include "ui_mainwindow.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

// The radio modems are attached through CP210x USB adapters; other serial ports are left out.
bool isRadioAdapter(const RS232::Serial& port) {
    std::string description = port.description;
    std::transform(description.begin(), description.end(), description.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return description.find("cp210x") != std::string::npos;
}

} // namespace

bool MainWindow::createDefaultNetwork() {
    std::vector<RS232::Serial> ports;
    RS232::Serial::enumerate(ports);

    const TreeBatch batch(*batching);
    QList<QTreeWidgetItem*> detected;
    for (const RS232::Serial& port : ports) {
        const QString name = QString::fromUtf8(port.portName.c_str());
        if (isRadioAdapter(port) && findNetworkPort(name) == nullptr) {
            detected << new NetworkPortItem(name, true);
        }
    }
    ui->treeWidget->insertTopLevelItems(0, detected);
    batching->sortByName();

    bool usable = true;
    if (ui->treeWidget->topLevelItemCount() == 0) {
        usable = addNetworkPort(QStringLiteral("auto"), NetworkPortItem::direct, 1) != nullptr;
    }
    updateMenus();
    return usable;
}
