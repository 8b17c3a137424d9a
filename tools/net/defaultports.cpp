#include "defaultports.h"

#include "model/defaultnetwork.h"

#include <algorithm>

std::vector<std::unique_ptr<NetworkPortItem>>
defaultPorts(const std::vector<RS232::Serial>& serial) {
    std::vector<std::unique_ptr<NetworkPortItem>> ports;
    for (const RS232::Serial& port : serial) {
        if (defaultnetwork::isRadioAdapter(port.description)) {
            ports.push_back(
                std::make_unique<NetworkPortItem>(QString::fromStdString(port.portName), true));
        }
    }
    std::stable_sort(ports.begin(), ports.end(), [](const auto& a, const auto& b) {
        return QString::compare(a->name, b->name) < 0;
    });
    if (ports.empty()) {
        ports.push_back(
            std::make_unique<NetworkPortItem>(defaultnetwork::fallbackPortName(), false));
        ports.back()->set_port_type(NetworkPortItem::direct);
    }
    return ports;
}
