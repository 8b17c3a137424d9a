#pragma once

#include <cstdint>
#include <string>

// String rules for the identifiers the device setup interface reports. They need no platform, so
// that every backend, and the tests, see the same results.
namespace RS232::deviceid {

// The hexadecimal number of at most four digits that directly follows the first occurrence of
// token in identifier; found tells whether there was at least one digit.
std::uint16_t parseDeviceIdentifier(const std::string& identifier, const std::string& token,
                                    bool& found);

// The serial number carried by one upper-case instance identifier (USB or FTDIBUS form), or an
// empty string when this identifier carries none and the search must go on at the parent.
std::string serialNumberOf(const std::string& identifier);

// The path the system opens a port under: "\\.\" before names that begin with COM.
std::string portNameToSystemLocation(const std::string& name);

// The identifier in upper case, as the device setup interface compares them.
std::string upperCase(std::string identifier);

} // namespace RS232::deviceid
