#include "machineports.h"

MachinePorts::MachinePorts(const std::vector<Port>& ports) : previous(&RS232::platform()) {
    RS232::DevNode node = 1;
    for (const auto& [name, description] : ports) {
        RS232::test::FakeDevice device;
        device.node = node++;
        device.keyValues["PortName"] = RS232::stringValue(name);
        device.properties[RS232::spdrpDeviceDesc] = RS232::stringValue(description);
        fake.addDevice(RS232::guidDevclassPorts, device);
    }
    RS232::installPlatform(&fake);
}

MachinePorts::~MachinePorts() {
    RS232::installPlatform(previous);
}
