#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// A serial port of this machine as the window shows it.
struct MachinePort {
    QString name;
    QString description;
    QString serialNumber;
    // What names the adapter wherever it is plugged in: "VID:PID/serial", else "@" and the USB
    // location; empty when the machine reports neither, and the adapter cannot be recognised.
    QString identity;
    QString facts;             // the row's tooltip
    bool radioAdapter = false; // taken into a default network
};

// The machine's ports by port key (see networkrules::portKey), from one enumeration.
using MachinePorts = QMap<QString, MachinePort>;
MachinePorts readMachinePorts();

// The names of the radio adapters among ports.
QStringList radioAdapterNames(const QList<MachinePort>& ports);

// How the question about a moved adapter names an identity: "serial 0001", "location 1-2:1.0".
QString identityText(const QString& identity);
