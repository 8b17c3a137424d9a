#pragma once

#include <cstdint>
#include <string_view>

namespace RS232 {

// WM_DEVICECHANGE, the two events of it that mean a device came or went, and the type of the
// DEV_BROADCAST_DEVICEINTERFACE that names the interface, with their Windows values.
constexpr std::uint32_t wmDeviceChange = 0x0219;
constexpr std::uintptr_t dbtDeviceArrival = 0x8000;
constexpr std::uintptr_t dbtDeviceRemoveComplete = 0x8004;
constexpr std::uint32_t dbtDevtypDeviceInterface = 5;

enum class PortChange { none, arrival, removal };

// What a window message says about the serial ports: message, wParam and lParam as a window
// procedure receives them. Only an arrival or a completed removal of a device with the COM port
// interface counts; lParam then points at a DEV_BROADCAST_DEVICEINTERFACE, read as its bytes
// (a header of size, type and a reserved word, then the interface's GUID), so that the decoding
// runs on any system.
PortChange portChangeOf(std::uint32_t message, std::uintptr_t wParam, const void* lParam);

// Whether a native event that an application's event filter sees is news of the serial ports for
// window: of type "windows_generic_MSG", sent to window (messageWindow, the message's hwnd), and
// read by portChangeOf as an arrival or a removal.
bool isPortNotice(std::string_view eventType, const void* messageWindow, const void* window,
                  std::uint32_t message, std::uintptr_t wParam, const void* lParam);

} // namespace RS232
