#include "mainwindow/machineports.h"

#include "model/defaultnetwork.h"
#include "model/networkrules.h"
#include "rs232/serial.h"

#include <QCoreApplication>
#include <QStringList>

#include <vector>

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.c_str(), static_cast<int>(text.size()));
}

QString hex4(bool found, std::uint16_t value) {
    return found ? QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper()
                 : QStringLiteral("----");
}

QString usbIdsOf(const RS232::Serial& port) {
    return hex4(port.hasVendorIdentifier, port.vendorIdentifier) + ':' +
           hex4(port.hasProductIdentifier, port.productIdentifier);
}

QString identityOf(const RS232::Serial& port) {
    if (!port.serialNumber.empty())
        return usbIdsOf(port) + '/' + fromUtf8(port.serialNumber);
    return port.usbLocation.empty() ? QString() : '@' + fromUtf8(port.usbLocation);
}

// One line per fact the machine reports; the location is always known.
QString factsOf(const RS232::Serial& port) {
    const std::pair<const char*, QString> facts[] = {
        {QT_TRANSLATE_NOOP("MainWindow", "Description: %1"), fromUtf8(port.description)},
        {QT_TRANSLATE_NOOP("MainWindow", "Manufacturer: %1"), fromUtf8(port.manufacturer)},
        {QT_TRANSLATE_NOOP("MainWindow", "VID:PID: %1"),
         port.hasVendorIdentifier || port.hasProductIdentifier ? usbIdsOf(port) : QString()},
        {QT_TRANSLATE_NOOP("MainWindow", "Serial number: %1"), fromUtf8(port.serialNumber)},
        {QT_TRANSLATE_NOOP("MainWindow", "Location: %1"), fromUtf8(port.systemLocation)}};
    QStringList lines;
    for (const auto& [label, value] : facts) {
        if (!value.isEmpty())
            lines << QCoreApplication::translate("MainWindow", label).arg(value);
    }
    return lines.join('\n');
}

} // namespace

MachinePorts readMachinePorts() {
    std::vector<RS232::Serial> ports;
    RS232::Serial::enumerate(ports);
    MachinePorts machine;
    for (const RS232::Serial& port : ports) {
        const QString name = fromUtf8(port.portName);
        machine.insert(networkrules::portKey(name),
                       {name, fromUtf8(port.description), fromUtf8(port.serialNumber),
                        identityOf(port), factsOf(port),
                        defaultnetwork::isRadioAdapter(port.description)});
    }
    return machine;
}

QString identityText(const QString& identity) {
    return identity.startsWith('@')
               ? QCoreApplication::translate("MainWindow", "location %1").arg(identity.mid(1))
               : QCoreApplication::translate("MainWindow", "serial %1")
                     .arg(identity.section('/', 1));
}
