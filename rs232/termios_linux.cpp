#include "rs232/termios_linux.h"

#include <iterator>

namespace RS232::termiosmap {

namespace {

// DCB bit fields that have a termios counterpart.
constexpr std::uint32_t fBinary = 1u << 0;
constexpr std::uint32_t fOutxCtsFlow = 1u << 2;
constexpr std::uint32_t rtsControlHandshake = 2u << 12;
constexpr std::uint32_t rtsControlMask = 3u << 12;

constexpr std::uint8_t oneStopBit = 0;
constexpr std::uint8_t twoStopBits = 2;

struct Speed {
    std::uint32_t rate;
    speed_t code;
};

const Speed speeds[] = {
    {50, B50},           {75, B75},           {110, B110},         {134, B134},
    {150, B150},         {200, B200},         {300, B300},         {600, B600},
    {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
    {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
    {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
    {3500000, B3500000}, {4000000, B4000000},
};

const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};

std::uint32_t rateOf(speed_t code) {
    for (const Speed& speed : speeds) {
        if (speed.code == code)
            return speed.rate;
    }
    return 0;
}

bool speedOf(std::uint32_t rate, speed_t& code) {
    for (const Speed& speed : speeds) {
        if (speed.rate == rate) {
            code = speed.code;
            return true;
        }
    }
    return false;
}

std::uint8_t parityOf(tcflag_t control) {
    if (!(control & PARENB))
        return 0;
    if (control & CMSPAR)
        return (control & PARODD) ? 3 : 4;
    return (control & PARODD) ? 1 : 2;
}

// Parity codes 0 none, 1 odd, 2 even, 3 mark, 4 space.
bool parityFlags(std::uint8_t parity, tcflag_t& flags) {
    const tcflag_t byCode[] = {0, PARENB | PARODD, PARENB, PARENB | PARODD | CMSPAR,
                               PARENB | CMSPAR};
    if (parity >= std::size(byCode))
        return false;
    flags = byCode[parity];
    return true;
}

std::uint32_t flowFlagsOf(const termios& settings) {
    std::uint32_t flags = fBinary;
    if (settings.c_cflag & CRTSCTS)
        flags |= fOutxCtsFlow | rtsControlHandshake;
    return flags;
}

bool hardwareFlowControl(const CommState& state) {
    return (state.flags & fOutxCtsFlow) || (state.flags & rtsControlMask) == rtsControlHandshake;
}

} // namespace

CommState commStateOf(const termios& settings) {
    CommState state{};
    state.baudRate = rateOf(cfgetospeed(&settings));
    for (std::size_t size = 0; size < std::size(sizes); ++size) {
        if ((settings.c_cflag & CSIZE) == sizes[size])
            state.byteSize = static_cast<std::uint8_t>(5 + size);
    }
    state.parity = parityOf(settings.c_cflag);
    state.stopBits = (settings.c_cflag & CSTOPB) ? twoStopBits : oneStopBit;
    state.flags = flowFlagsOf(settings);
    return state;
}

// One and a half stop bits is what CSTOPB gives with 5 data bits.
bool applyCommState(const CommState& state, termios& settings) {
    speed_t speed = B0;
    tcflag_t parity = 0;
    if (!speedOf(state.baudRate, speed) || !parityFlags(state.parity, parity) ||
        state.byteSize < 5 || state.byteSize > 8 || state.stopBits > twoStopBits)
        return false;
    cfmakeraw(&settings);
    settings.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    settings.c_cflag |= sizes[state.byteSize - 5] | parity | CREAD | CLOCAL;
    if (state.stopBits != oneStopBit)
        settings.c_cflag |= CSTOPB;
    if (parity)
        settings.c_iflag |= INPCK;
    settings.c_iflag &= ~(IXON | IXOFF);
    if (hardwareFlowControl(state))
        settings.c_cflag |= CRTSCTS;
    // The descriptor does not block; with VMIN 1 a read without data fails with EAGAIN instead of
    // returning 0, which is left to mean the end of the line.
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    return cfsetispeed(&settings, speed) == 0 && cfsetospeed(&settings, speed) == 0;
}

} // namespace RS232::termiosmap
