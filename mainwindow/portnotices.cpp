#include "mainwindow/portnotices.h"

#include "mainwindow/systemportnotices.h"

#include <QDebug>
#include <QWidget>

namespace {
constexpr int gatheringMs = 300;
constexpr int pollingMs = 2000;
} // namespace

PortNotices::PortNotices(QWidget& window) : QObject(&window) {
    gatherNotices();
    scripted = RS232::installedPlatform();
    if (scripted != nullptr)
        scripted->subscribe(this);
    else
        watchSystem(window, "/dev");
}

PortNotices::PortNotices(QWidget& window, const std::string& deviceFolder) : QObject(&window) {
    gatherNotices();
    watchSystem(window, deviceFolder);
}

void PortNotices::gatherNotices() {
    gathering.setSingleShot(true);
    gathering.setInterval(gatheringMs);
    connect(&gathering, &QTimer::timeout, this, &PortNotices::changed);
}

void PortNotices::watchSystem(QWidget& window, const std::string& deviceFolder) {
    source = systemPortNotices(window, deviceFolder, [this] { portsChanged(); });
    if (source == nullptr) {
        qDebug() << "No notifications of serial ports coming and going; reading them every"
                 << pollingMs << "ms";
        connect(&polling, &QTimer::timeout, this, &PortNotices::changed);
        polling.start(pollingMs);
    }
}

PortNotices::~PortNotices() {
    if (scripted != nullptr)
        scripted->subscribe(nullptr);
}

void PortNotices::portsChanged() {
    gathering.start();
}
