#pragma once

#include "rs232/platform.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <string>

class QWidget;

// News that the machine's serial ports changed, gathered: one plug brings several notices, and
// changed() comes once, about 300 ms after the last of them. Where the system's notifications
// cannot be had, a poll every 2 s stands in; where they can, no timer runs while nothing happens.
// A child of the window, which owns it elsewhere and deletes it first.
class PortNotices : public QObject, private RS232::PortListener {
    Q_OBJECT

public:
    // The announcements of a scripted platform when one is installed, else the system's
    // notifications.
    explicit PortNotices(QWidget& window);
    // The system's notifications: those sent to window (Windows) or the device nodes in
    // deviceFolder (Linux), which the benchmark sets to a folder of its own.
    PortNotices(QWidget& window, const std::string& deviceFolder);
    ~PortNotices() override;

signals:
    void changed();

private:
    void portsChanged() override;
    void gatherNotices();
    void watchSystem(QWidget& window, const std::string& deviceFolder);

    QTimer gathering;
    QTimer polling;
    std::unique_ptr<QObject> source;
    RS232::Platform* scripted = nullptr;
};
