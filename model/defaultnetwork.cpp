#include "model/defaultnetwork.h"

#include "model/networkrules.h"
#include "model/roworder.h"
#include "rs232/serial.h"

#include <QSet>

#include <algorithm>
#include <cctype>

namespace defaultnetwork {

bool isRadioAdapter(const std::string& description) {
    std::string lower = description;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("cp210x") != std::string::npos;
}

QStringList machineRadioAdapters() {
    std::vector<RS232::Serial> serial;
    RS232::Serial::enumerate(serial);
    QStringList names;
    for (const RS232::Serial& port : serial) {
        if (isRadioAdapter(port.description)) {
            names << QString::fromStdString(port.portName);
        }
    }
    return names;
}

std::vector<std::unique_ptr<NetworkPortItem>> adapterPorts(const QStringList& radioAdapters,
                                                           const QStringList& present) {
    QSet<QString> taken;
    for (const QString& name : present) {
        taken.insert(networkrules::portKey(name));
    }
    std::vector<std::unique_ptr<NetworkPortItem>> ports;
    for (const QString& name : radioAdapters) {
        const QString key = networkrules::portKey(name);
        if (!taken.contains(key)) {
            taken.insert(key);
            ports.push_back(std::make_unique<NetworkPortItem>(name, true));
        }
    }
    sortAsTree(ports.begin(), ports.end());
    return ports;
}

std::vector<std::unique_ptr<NetworkPortItem>> defaultPorts(const QStringList& radioAdapters,
                                                           const QStringList& present) {
    auto ports = adapterPorts(radioAdapters, present);
    if (ports.empty() && present.isEmpty()) {
        ports.push_back(std::make_unique<NetworkPortItem>(fallbackPortName(), false));
        ports.back()->set_port_type(NetworkPortItem::direct);
    }
    return ports;
}

} // namespace defaultnetwork
