#pragma once

#include "mainwindow/machineports.h"
#include "mainwindow/portnotices.h"
#include "storage/adapteridentities.h"

#include <QPair>
#include <QSet>

#include <memory>

// What the window knows of the machine's ports between two readings.
struct LivePorts {
    MachinePorts present;
    storage::AdapterIdentities remembered;
    // Moves declined while the window is open, as (from, to).
    QSet<QPair<QString, QString>> declined;
    std::unique_ptr<PortNotices> notices; // from the first showing on
    bool asking = false;                  // a move question is open
    bool newsWaiting = false;             // until no dialog blocks the window
};
