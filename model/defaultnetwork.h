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

// The ports the machine's default adds to a network whose ports are named present: each radio
// adapter of the machine that the network lacks (names compared as the rules compare them), as a
// detected port not used yet, in the window's order; or, when the network would stay empty, the
// fallback direct port.
std::vector<std::unique_ptr<NetworkPortItem>> defaultPorts(const QStringList& present = {});

} // namespace defaultnetwork
