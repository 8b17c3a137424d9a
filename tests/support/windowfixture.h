#pragma once

#include "fakeplatform.h"
#include "mainwindow/mainwindow.h"
#include "model/networkdeviceitem.h"
#include "testfiles.h"

#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <functional>
#include <memory>

// A port of the test machine: name, device description and, for a USB adapter, its device
// instance identifier (USB\VID_10C4&PID_EA60\0001 carries a serial number).
struct TestPort {
    std::string name, description;
    std::string instance = {};
};

// The device of a test port, on the node given.
inline RS232::test::FakeDevice testDevice(RS232::test::FakePlatform& machine, RS232::DevNode node,
                                          const TestPort& port) {
    if (!port.instance.empty())
        machine.nodes[node] = {port.instance, 0};
    return RS232::test::namedDevice(node, port.name, port.description);
}

// A main window on a test machine: HOME and XDG_DATA_HOME in a fresh temporary folder, and
// serial ports on the nodes 1, 2, ... (by default one radio adapter, COM3). beforeWindow gets the
// home folder before the window is made.
class WindowOnTestMachine {
public:
    using Port = TestPort;
    explicit WindowOnTestMachine(const std::vector<Port>& ports = {{"COM3", "CP210x"}},
                                 const std::function<void(const QString&)>& beforeWindow = {}) {
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_DATA_HOME", dataHome().toUtf8());
        RS232::DevNode node = 1;
        for (const TestPort& port : ports)
            fake.addDevice(RS232::guidDevclassPorts, testDevice(fake, node++, port));
        RS232::installPlatform(&fake);
        if (beforeWindow)
            beforeWindow(home.path());
        window = std::make_unique<MainWindow>();
    }
    ~WindowOnTestMachine() {
        window.reset();
        RS232::installPlatform(previous);
        qputenv("HOME", savedHome);
        qputenv("XDG_DATA_HOME", savedDataHome);
    }
    QString dataHome() const { return home.path() + "/share"; }

    QTemporaryDir home;
    RS232::test::FakePlatform fake;
    std::unique_ptr<MainWindow> window;

private:
    RS232::Platform* const previous = RS232::installedPlatform();
    const QByteArray savedHome = qgetenv("HOME"), savedDataHome = qgetenv("XDG_DATA_HOME");
};

inline QTreeWidget* treeOf(MainWindow& window) {
    return window.findChild<QTreeWidget*>("treeWidget");
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

// Rows whose texts differ from what their values draw, found by drawing each row again.
inline QStringList staleRows(MainWindow& window) {
    QStringList stale;
    for (QTreeWidgetItemIterator row(treeOf(window)); *row != nullptr; ++row) {
        const QString shown = (*row)->text(0) + ": " + (*row)->text(1);
        static_cast<NetworkItem*>(*row)->update_row();
        if ((*row)->text(0) + ": " + (*row)->text(1) != shown)
            stale << shown;
    }
    return stale;
}

// The network in short, ports in tree order: "COM1 lrr 1 [1.5 1.7 r3]": name, "*" when detected,
// type, master ID of an LRR port, retries and delay that differ from the defaults ("r3 d9"), and
// the devices as their rows show them, each with its own retries and delay.
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
        for (NetworkDeviceItem* device : port->devices())
            devices << device->text(0) + values(device->retries, device->delay, -1, -1);
        ports << text + (devices.isEmpty() ? QString() : " [" + devices.join(' ') + "]");
    }
    return ports.join(", ");
}

// The user's commands, ' ' between them: "@PATH" selects that row (see rowAt; "@" alone
// selects none), any other word triggers the action or presses the push button of that object
// name. Stops at a command that names nothing there or something disabled, and says which.
inline QString run(MainWindow& window, const QString& commands) {
    for (const QString& command : commands.split(' ', Qt::SkipEmptyParts)) {
        auto* action = window.findChild<QAction*>(command);
        auto* button = window.findChild<QPushButton*>(command);
        NetworkItem* row = command.startsWith('@') ? rowAt(window, command.mid(1)) : nullptr;
        if (row != nullptr || command == "@") {
            treeOf(window)->clearSelection();
            if (row != nullptr)
                row->setSelected(true);
        } else if (action == nullptr && button == nullptr) {
            return "no row, action or button \"" + command + '"';
        } else if (!(action != nullptr ? action->isEnabled() : button->isEnabled())) {
            return '"' + command + "\" is disabled";
        } else if (action != nullptr) {
            action->trigger();
        } else {
            QTest::mousePress(button, Qt::LeftButton);
        }
    }
    return {};
}
