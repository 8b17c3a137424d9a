#include "mainwindow/mainwindow.h"

#include "mainwindow/messageboxes.h"
#include "storage/configurationlock.h"

bool MainWindow::claimConfiguration() {
    lock = std::make_unique<storage::ConfigurationLock>();
    if (lock->state() != storage::ConfigurationLock::heldElsewhere) {
        return true;
    }
    if (!confirmed(this, tr("The network configuration is already open in another window. Changes "
                            "saved in one window overwrite those of the other. Open it anyway?"))) {
        return false;
    }
    lock->keepTrying();
    return true;
}
