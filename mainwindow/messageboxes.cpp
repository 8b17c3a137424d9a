#include "mainwindow/messageboxes.h"

#include <QCoreApplication>
#include <QMessageBox>

void showFailure(QWidget* parent, const QString& title, const std::exception& error) {
    QMessageBox::critical(parent, title, QString::fromUtf8(error.what()), QMessageBox::Ok);
}

bool confirmed(QWidget* parent, const QString& question) {
    const QString title = QCoreApplication::translate("MainWindow", "Enquiry");
    return QMessageBox::question(parent, title, question, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}
