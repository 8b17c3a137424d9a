#pragma once

#include <QString>

#include <string>

// What a new network starts with on a machine, for the window and the command-line tools alike.
namespace defaultnetwork {

// The radio modems are attached through CP210x USB adapters: a serial port whose description
// names one is taken into a new network; other serial ports are left out.
bool isRadioAdapter(const std::string& description);

// Without a radio adapter, a network starts with this direct port.
inline QString fallbackPortName() {
    return QStringLiteral("auto");
}

} // namespace defaultnetwork
