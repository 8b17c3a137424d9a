#pragma once

#include "mainwindow/mainwindow.h"
#include "model/networkdeviceitem.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTreeWidget>

// Helpers shared by the main window suites: the window's widgets by object name and the
// configuration file.
inline QTreeWidget* treeOf(MainWindow& window) {
    return window.findChild<QTreeWidget*>(QStringLiteral("treeWidget"));
}

inline QAction* actionOf(MainWindow& window, const char* name) {
    return window.findChild<QAction*>(QLatin1String(name));
}

inline QPushButton* buttonOf(MainWindow& window, const char* name) {
    return window.findChild<QPushButton*>(QLatin1String(name));
}

inline void createConfigFile(MainWindow& window) {
    QFile file(QString::fromStdString(window.getQuarnTCUDataFileName()));
    file.open(QIODevice::WriteOnly);
}

inline void selectOnly(MainWindow& window, QTreeWidgetItem* item) {
    treeOf(window)->clearSelection();
    if (item != nullptr) {
        item->setSelected(true);
    }
}
