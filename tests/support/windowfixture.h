#pragma once

#include "machineports.h"
#include "mainwindow/mainwindow.h"
#include "model/networkdeviceitem.h"
#include "temporaryhome.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

// A main window on a test machine: a temporary home and the given serial ports.
struct WindowOnTestMachine {
    WindowOnTestMachine() = default;
    explicit WindowOnTestMachine(const std::vector<MachinePorts::Port>& machinePorts)
        : ports(machinePorts) {}

    TemporaryHome home;
    MachinePorts ports;
    MainWindow window;
};

inline QTreeWidget* treeOf(MainWindow& window) {
    return window.findChild<QTreeWidget*>(QStringLiteral("treeWidget"));
}

inline QString configFileOf(MainWindow& window) {
    return QString::fromStdString(window.getQuarnTCUDataFileName());
}

inline void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(content);
}

// A row by path: "COM1", or "COM1/7" for the device with submaster ID 7; null when none is.
inline NetworkItem* rowAt(MainWindow& window, const QString& path) {
    NetworkPortItem* port = window.findNetworkPort(path.section('/', 0, 0));
    for (int i = 0; port != nullptr && path.contains('/') && i < port->childCount(); ++i) {
        auto* device = static_cast<NetworkDeviceItem*>(port->child(i));
        if (device->submaster_id == path.section('/', 1).toInt())
            return device;
    }
    return path.contains('/') ? nullptr : port;
}

// The network in short, ports in tree order: "COM1 lrr 1 [1.5 1.7 r3]": name, "*" when detected,
// type, master ID of an LRR port, retries and delay that differ from the defaults ("r3 d9"), and
// the devices by the address their row shows, each with its own retries and delay.
inline QString networkOf(MainWindow& window) {
    const auto values = [](int retries, int delay, int defaultRetries, int defaultDelay) {
        return (retries != defaultRetries ? QString(" r%1").arg(retries) : QString()) +
               (delay != defaultDelay ? QString(" d%1").arg(delay) : QString());
    };
    QStringList ports;
    for (int i = 0; i < treeOf(window)->topLevelItemCount(); ++i) {
        auto* port = static_cast<NetworkPortItem*>(treeOf(window)->topLevelItem(i));
        QString text = port->name + (port->detected ? "* " : " ") +
                       QStringList{"ignored", "direct", "lrr"}.value(port->port_type);
        if (port->port_type == NetworkPortItem::lrr)
            text += QString(" %1").arg(port->master_id);
        text += values(port->retries, port->delay, 5, 5000);
        QStringList devices;
        for (int d = 0; d < port->childCount(); ++d) {
            auto* device = static_cast<NetworkDeviceItem*>(port->child(d));
            devices << device->text(0) + values(device->retries, device->delay, -1, -1);
        }
        ports << text + (devices.isEmpty() ? QString() : " [" + devices.join(' ') + "]");
    }
    return ports.join(", ");
}

// Runs the user's commands: "@PATH" selects that row ("@" selects none); any other word
// triggers the action or presses the button of that name.
inline void run(MainWindow& window, const QString& commands) {
    for (const QString& command : commands.split(' ', Qt::SkipEmptyParts)) {
        if (command.startsWith('@')) {
            treeOf(window)->clearSelection();
            if (NetworkItem* row = rowAt(window, command.mid(1)))
                row->setSelected(true);
        } else if (auto* action = window.findChild<QAction*>(command)) {
            action->trigger();
        } else {
            QTest::mousePress(window.findChild<QPushButton*>(command), Qt::LeftButton);
        }
    }
}
