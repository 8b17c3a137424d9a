#pragma once

#include "machineports.h"
#include "mainwindow/mainwindow.h"
#include "model/networkdeviceitem.h"
#include "temporaryhome.h"

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

inline QString configFileOf(MainWindow& window) {
    return QString::fromStdString(window.getQuarnTCUDataFileName());
}

inline void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

inline void createConfigFile(MainWindow& window, const QByteArray& content = "{\"net\": []}") {
    writeFile(configFileOf(window), content);
}

// Empties the window's network and saves that, so that the window starts unmodified over an
// existing configuration file.
inline void startWithEmptyNetwork(MainWindow& window) {
    window.clearNetwork();
    createConfigFile(window);
    window.load(window.getQuarnTCUDataFileName());
}

inline void selectOnly(MainWindow& window, QTreeWidgetItem* item) {
    treeOf(window)->clearSelection();
    if (item != nullptr) {
        item->setSelected(true);
    }
}

// A main window on a test machine: a temporary home and the given serial ports.
struct WindowOnTestMachine {
    WindowOnTestMachine() = default;
    explicit WindowOnTestMachine(const std::vector<MachinePorts::Port>& machinePorts)
        : ports(machinePorts) {}
    WindowOnTestMachine(std::initializer_list<MachinePorts::Port> machinePorts)
        : ports(std::vector<MachinePorts::Port>(machinePorts)) {}

    TemporaryHome home;
    MachinePorts ports;
    MainWindow window;
};
