#include "mainwindow/mainwindow.h"

#include "storage/datalocation.h"

std::string MainWindow::getDataFileName() const {
    return storage::appDataDirectory();
}

std::string MainWindow::getQuarnTCUDataFileName() const {
    return storage::configFileNameBeside(getDataFileName());
}
