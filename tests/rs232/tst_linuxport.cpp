#include "messageof.h"
#include "rs232/serial.h"
#include "rs232/termios_linux.h"

#include <QtTest>

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <thread>
#include <unistd.h>

using RS232::Serial;
using Clock = std::chrono::steady_clock;

namespace {

// A pseudo-terminal: the test plays the device at the master end, the port opens the slave.
class Pty {
public:
    Pty() {
        char name[128] = {};
        if (::openpty(&master, &slave, name, nullptr, nullptr) == 0)
            path = name;
    }
    ~Pty() {
        ::close(master);
        ::close(slave);
    }

    void send(const std::string& bytes) const {
        QCOMPARE(::write(master, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }

    // What the port wrote, waiting up to a second for count bytes.
    std::string received(std::size_t count) const {
        std::string bytes;
        const auto end = Clock::now() + std::chrono::seconds(1);
        pollfd ready{master, POLLIN, 0};
        while (bytes.size() < count && Clock::now() < end && ::poll(&ready, 1, 100) >= 0) {
            char buffer[256];
            const ssize_t got =
                (ready.revents & POLLIN) ? ::read(master, buffer, sizeof buffer) : 0;
            bytes.append(buffer, std::size_t(std::max<ssize_t>(got, 0)));
        }
        return bytes;
    }

    int master = -1;
    int slave = -1;
    std::string path;
};

// Reads count bytes in non-blocking mode, giving the pseudo-terminal a second to pass them on.
std::string readSoon(Serial& port, std::size_t count) {
    std::string bytes;
    const auto end = Clock::now() + std::chrono::seconds(1);
    while (bytes.size() < count && Clock::now() < end) {
        char buffer[64];
        const int got = port.read(buffer, sizeof buffer);
        bytes.append(buffer, std::size_t(std::max(got, 0)));
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return bytes;
}

long long millisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

} // namespace

class LinuxPortTest : public QObject {
    Q_OBJECT

private slots:
    void transfersInNonBlockingMode();
    void blockingReadWaitsForAllBytes();
    void boundsNonBlockingWrite();
    void opensPortExclusively();
    void releasesPortOnCloseAndDestruction();
    void reportsFailuresWithPortName();
    void mapsLineSettingsToTermios_data();
    void mapsLineSettingsToTermios();
};

void LinuxPortTest::transfersInNonBlockingMode() {
    Pty pty;
    Serial port(pty.path, "");
    port.open();
    QCOMPARE(port.write("ping", 4), 4);
    port.flush();
    QCOMPARE(pty.received(4), std::string("ping"));

    char buffer[16];
    const auto start = Clock::now();
    QCOMPARE(port.read(buffer, sizeof buffer), 0);
    QVERIFY(millisecondsSince(start) < 100);
    // Flow control characters are data on a binary line: they arrive and do not stop output.
    const std::string bytes("po\0\x13ng", 6);
    pty.send(bytes);
    QCOMPARE(readSoon(port, bytes.size()), bytes);
    QCOMPARE(port.write("pong", 4), 4);
    QCOMPARE(pty.received(4), std::string("pong"));
}

void LinuxPortTest::blockingReadWaitsForAllBytes() {
    Pty pty;
    Serial port(pty.path, "");
    port.blocking(true);
    QCOMPARE(port.handle, RS232::invalidHandle);
    port.open();
    std::thread device([&pty] {
        pty.send("abc");
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        pty.send("def");
    });
    char buffer[6];
    const auto start = Clock::now();
    const int got = port.read(buffer, sizeof buffer);
    const long long waited = millisecondsSince(start);
    device.join();
    QCOMPARE(got, 6);
    QCOMPARE(std::string(buffer, 6), std::string("abcdef"));
    QVERIFY2(waited >= 100, qPrintable(QString::number(waited)));
    QCOMPARE(port.write("0123456789", 10), 10);
    QCOMPARE(pty.received(10), std::string("0123456789"));

    port.blocking(false);
    QVERIFY(port.handle != RS232::invalidHandle);
    QCOMPARE(port.read(buffer, sizeof buffer), 0);
}

// Nobody reads the master end, so the terminal's buffers fill up; at 9600 baud a non-blocking
// write may wait 2 ms for room.
void LinuxPortTest::boundsNonBlockingWrite() {
    Pty pty;
    Serial port(pty.path, "");
    port.open();
    const std::string block(1 << 20, 'x');
    const auto start = Clock::now();
    const int written = port.write(block.data(), unsigned(block.size()));
    QVERIFY(written > 0 && written < int(block.size()));
    QVERIFY(millisecondsSince(start) < 500);
}

void LinuxPortTest::opensPortExclusively() {
    Pty pty;
    Serial port(pty.path, "");
    port.open();
    const QString name = QString::fromStdString(pty.path);
    QCOMPARE(messageOf([&port] { port.open(); }), "Already open: " + name);
    Serial other(pty.path, "");
    QCOMPARE(messageOf([&other] { other.open(); }), "Unable to open file: " + name);
    QCOMPARE(other.handle, RS232::invalidHandle);
    QCOMPARE(port.write("ok", 2), 2);
    QCOMPARE(pty.received(2), std::string("ok"));
}

void LinuxPortTest::releasesPortOnCloseAndDestruction() {
    Pty pty;
    {
        Serial port(pty.path, "");
        port.open();
    }
    // A name without a leading slash is a device under /dev.
    Serial port(pty.path.substr(5), "");
    port.open();
    port.close();
    port.close();
    char buffer[1];
    const QString notOpen = "Serial port is not open: " + QString::fromStdString(port.portName);
    QCOMPARE(messageOf([&] { port.read(buffer, 1); }), notOpen);
    QCOMPARE(messageOf([&] { port.write(buffer, 1); }), notOpen);
    QCOMPARE(messageOf([&] { port.flush(); }), notOpen);
    Serial again(pty.path, "");
    again.open();
}

void LinuxPortTest::reportsFailuresWithPortName() {
    Serial missing("/dev/vexalo-no-such-tty", "");
    QCOMPARE(messageOf([&missing] { missing.open(); }),
             QString("Unable to open file: /dev/vexalo-no-such-tty"));
    Serial notTerminal("/dev/null", "");
    QCOMPARE(messageOf([&notTerminal] { notTerminal.open(); }),
             QString("Unable to get COMM state: /dev/null"));
    Pty pty;
    Serial oddRate(pty.path, "");
    oddRate.baudRate = 12345;
    QCOMPARE(messageOf([&oddRate] { oddRate.open(); }),
             "Unable to set COMM state: " + QString::fromStdString(pty.path));
    QCOMPARE(oddRate.handle, RS232::invalidHandle);
}

void LinuxPortTest::mapsLineSettingsToTermios_data() {
    QTest::addColumn<int>("byteSize");
    QTest::addColumn<int>("parity");
    QTest::addColumn<int>("stopBits");
    QTest::addColumn<unsigned>("control");
    QTest::newRow("8N1") << 8 << 0 << 0 << unsigned(CS8);
    QTest::newRow("7O2") << 7 << 1 << 2 << unsigned(CS7 | PARENB | PARODD | CSTOPB);
    QTest::newRow("6E1") << 6 << 2 << 0 << unsigned(CS6 | PARENB);
    QTest::newRow("5M1.5") << 5 << 3 << 1 << unsigned(CS5 | PARENB | PARODD | CMSPAR | CSTOPB);
    QTest::newRow("8S1") << 8 << 4 << 0 << unsigned(CS8 | PARENB | CMSPAR);
}

// A pseudo-terminal keeps only the speed, so the mapping is checked on the settings themselves.
void LinuxPortTest::mapsLineSettingsToTermios() {
    QFETCH(int, byteSize);
    QFETCH(int, parity);
    QFETCH(int, stopBits);
    QFETCH(unsigned, control);
    RS232::CommState state{};
    state.baudRate = 115200;
    state.byteSize = std::uint8_t(byteSize);
    state.parity = std::uint8_t(parity);
    state.stopBits = std::uint8_t(stopBits);
    termios settings{};
    settings.c_iflag = IXON | IXOFF;
    QVERIFY(RS232::termiosmap::applyCommState(state, settings));
    QCOMPARE(unsigned(settings.c_cflag & (CSIZE | PARENB | PARODD | CMSPAR | CSTOPB)), control);
    QCOMPARE(::cfgetospeed(&settings), speed_t(B115200));
    QCOMPARE(unsigned(settings.c_iflag & (IXON | IXOFF)), 0u);
}

QTEST_APPLESS_MAIN(LinuxPortTest)
#include "tst_linuxport.moc"
