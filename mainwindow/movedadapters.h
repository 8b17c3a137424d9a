#pragma once

#include "mainwindow/machineports.h"
#include "storage/adapteridentities.h"

#include <QList>
#include <QStringList>

// An adapter that was behind the configured port from and is now the machine's port to.
struct AdapterMove {
    QString from;
    QString to;
    QString identity;
};

// The moves to offer, in the order of configured: a configured port (configured holds the names
// of the LRR and Direct ports) that is absent, whose remembered adapter is present under a port
// the configuration does not use. An identity that two present ports share names neither.
QList<AdapterMove> movedAdapters(const QStringList& configured, const MachinePorts& present,
                                 const storage::AdapterIdentities& remembered);
