#include "rs232/deviceid.h"

#include <cctype>

namespace RS232::deviceid {

namespace {

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// USB\VID_xxxx&PID_xxxx\<instance>: the instance is the serial number unless the system made it
// up (it then contains an ampersand). A trailing "_nn" after the first underscore is an
// interface suffix, not part of the number.
std::string usbSerialNumber(const std::string& identifier) {
    const std::size_t last = identifier.rfind('\\');
    std::size_t end = identifier.size();
    const std::size_t underscore = identifier.find('_', last + 1);
    if (underscore != std::string::npos && underscore + 3 == identifier.size())
        end = underscore;
    const std::size_t ampersand = identifier.find('&', last + 1);
    if (ampersand != std::string::npos && ampersand < end)
        return {};
    return identifier.substr(last + 1, end - last - 1);
}

// FTDIBUS\VID_xxxx+PID_xxxx+<serial>\<instance>.
std::string ftdiSerialNumber(const std::string& identifier) {
    const std::size_t plus = identifier.rfind('+');
    if (plus == std::string::npos)
        return {};
    const std::size_t backslash = identifier.find('\\', plus + 1);
    if (backslash == std::string::npos)
        return {};
    return identifier.substr(plus + 1, backslash - plus - 1);
}

} // namespace

std::uint16_t parseDeviceIdentifier(const std::string& identifier, const std::string& token,
                                    bool& found) {
    found = false;
    const std::size_t start = identifier.find(token);
    if (start == std::string::npos)
        return 0;
    unsigned value = 0;
    std::size_t at = start + token.size();
    for (int digits = 0; digits < 4 && at < identifier.size(); ++digits, ++at) {
        const int digit = hexDigitValue(identifier[at]);
        if (digit < 0)
            break;
        value = value * 16 + static_cast<unsigned>(digit);
        found = true;
    }
    return static_cast<std::uint16_t>(value);
}

std::string serialNumberOf(const std::string& identifier) {
    if (identifier.size() > 3 && startsWith(identifier, "USB\\"))
        return usbSerialNumber(identifier);
    if (identifier.size() > 7 && startsWith(identifier, "FTDIBUS\\"))
        return ftdiSerialNumber(identifier);
    return {};
}

std::string portNameToSystemLocation(const std::string& name) {
    if (name.size() >= 3 && startsWith(name, "COM"))
        return "\\\\.\\" + name;
    return name;
}

std::string upperCase(std::string identifier) {
    for (char& c : identifier)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return identifier;
}

} // namespace RS232::deviceid
