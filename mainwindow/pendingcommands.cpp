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
void MainWindow::on_addButton_pressed() {}
void MainWindow::on_deleteButton_pressed() {}
void MainWindow::on_editButton_pressed() {}
