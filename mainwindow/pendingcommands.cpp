#include "mainwindow/mainwindow.h"

// Commands whose behaviour is not built yet. They are wired to their actions and buttons already,
// so that the form and its enabling logic are complete; each moves to its own file when built.

void MainWindow::aboutThis() {}
void MainWindow::addPort() {}
void MainWindow::delPort() {}
void MainWindow::editPort() {}
void MainWindow::addDevice() {}
void MainWindow::delDevice() {}
void MainWindow::editDevice() {}
void MainWindow::newNetwork() {}
void MainWindow::delNetwork() {}
void MainWindow::expNetwork() {}
void MainWindow::impNetwork() {}
void MainWindow::on_addButton_pressed() {}
void MainWindow::on_deleteButton_pressed() {}
void MainWindow::on_editButton_pressed() {}

// Until the network is saved here, OK only closes the window.
void MainWindow::on_okButton_pressed() {
    close();
}
