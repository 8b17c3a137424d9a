#pragma once

#include "model/networkportitem.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

// What a new network starts with on a machine, for the window and the command-line tools alike.
namespace defaultnetwork {

// The radio modems are attached through CP210x USB adapters: a serial port whose description
// names one is taken into a new network; other serial ports are left out.
bool isRadioAdapter(const std::string& description);

// Without a radio adapter, a network starts with this direct port.
inline QString fallbackPortName() {
    return QStringLiteral("auto");
}

// The names of the machine's radio adapters, as it reports them now.
QStringList machineRadioAdapters();

// The ports that the radio adapters named add to a network whose ports are named present: each
// one the network lacks (names compared as the rules compare them), as a detected port not used
// yet, in the window's order.
std::vector<std::unique_ptr<NetworkPortItem>> adapterPorts(const QStringList& radioAdapters,
                                                           const QStringList& present);

// The ports a default network adds: adapterPorts, or, when the network would stay empty, the
// fallback direct port.
std::vector<std::unique_ptr<NetworkPortItem>> defaultPorts(const QStringList& radioAdapters,
                                                           const QStringList& present = {});

} // namespace defaultnetwork
