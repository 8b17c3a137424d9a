#include "mainwindow/machineports.h"

#include "model/defaultnetwork.h"
#include "model/networkrules.h"
#include "rs232/serial.h"

#include <QCoreApplication>
#include <QStringList>

#include <vector>

namespace {

QString usbIdsOf(const RS232::Serial& port) {
    return QString::fromStdString(RS232::usbIdsText(port));
}

QString identityOf(const RS232::Serial& port) {
    if (!port.serialNumber.empty())
        return usbIdsOf(port) + '/' + QString::fromStdString(port.serialNumber);
    return port.usbLocation.empty() ? QString() : '@' + QString::fromStdString(port.usbLocation);
}

// One line per fact the machine reports; the location is always known.
QString factsOf(const RS232::Serial& port) {
    const std::pair<const char*, QString> facts[] = {
        {QT_TRANSLATE_NOOP("MainWindow", "Description: %1"),
         QString::fromStdString(port.description)},
        {QT_TRANSLATE_NOOP("MainWindow", "Manufacturer: %1"),
         QString::fromStdString(port.manufacturer)},
        {QT_TRANSLATE_NOOP("MainWindow", "VID:PID: %1"),
         port.hasVendorIdentifier || port.hasProductIdentifier ? usbIdsOf(port) : QString()},
        {QT_TRANSLATE_NOOP("MainWindow", "Serial number: %1"),
         QString::fromStdString(port.serialNumber)},
        {QT_TRANSLATE_NOOP("MainWindow", "Location: %1"),
         QString::fromStdString(port.systemLocation)}};
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
        const QString name = QString::fromStdString(port.portName);
        machine.insert(networkrules::portKey(name),
                       {name, QString::fromStdString(port.description),
                        QString::fromStdString(port.serialNumber), identityOf(port), factsOf(port),
                        defaultnetwork::isRadioAdapter(port.description)});
    }
    return machine;
}

QStringList radioAdapterNames(const QList<MachinePort>& ports) {
    QStringList names;
    for (const MachinePort& port : ports) {
        if (port.radioAdapter)
            names << port.name;
    }
    return names;
}

QString identityText(const QString& identity) {
    return identity.startsWith('@')
               ? QCoreApplication::translate("MainWindow", "location %1").arg(identity.mid(1))
               : QCoreApplication::translate("MainWindow", "serial %1")
                     .arg(identity.section('/', 1, -1));
}
