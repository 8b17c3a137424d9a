#include "messageof.h"
#include "rs232/serial.h"
#include "rs232/termios_linux.h"

#include <QtTest>

#include <chrono>
#include <poll.h>
#include <pty.h>
#include <thread>
#include <unistd.h>

using RS232::Serial;
using Clock = std::chrono::steady_clock;

namespace {

// A pseudo-terminal: the test plays the device at the master end, the port opens the slave.
struct Pty {
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
        char buffer[256];
        while (bytes.size() < count && Clock::now() < end && ::poll(&ready, 1, 100) >= 0) {
            if (ready.revents & POLLIN)
                bytes.append(buffer,
                             std::size_t(std::max<ssize_t>(0, ::read(master, buffer, 256))));
        }
        return bytes;
    }
    int master = -1;
    int slave = -1;
    std::string path;
};

long long millisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// "8N1" and so on: data bits, parity letter, stop bits as the block numbers them.
QString lineOf(const RS232::CommState& state) {
    return QString::number(state.byteSize) + QString("NOEMS?").at(std::min<int>(state.parity, 5)) +
           QString::number(state.stopBits);
}

} // namespace

class LinuxPortTest : public QObject {
    Q_OBJECT

private slots:
    void transfersInNonBlockingMode() {
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
        // Flow control characters are data on a binary line: they arrive and stop nothing.
        const std::string bytes("po\0\x13ng", 6);
        pty.send(bytes);
        std::string got;
        while (got.size() < bytes.size() && millisecondsSince(start) < 1000) {
            got.append(buffer, std::size_t(std::max(0, port.read(buffer, sizeof buffer))));
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        QCOMPARE(got, bytes);
        QCOMPARE(port.write("pong", 4), 4);
        QCOMPARE(pty.received(4), std::string("pong"));
    }

    void blockingReadWaitsForAllBytes() {
        Pty pty;
        Serial port(pty.path, "");
        port.blocking(true);
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
        QCOMPARE(std::string(buffer, std::size_t(std::max(got, 0))), std::string("abcdef"));
        QVERIFY2(waited >= 100, qPrintable(QString::number(waited)));
        QCOMPARE(port.write("0123456789", 10), 10);
        QCOMPARE(pty.received(10), std::string("0123456789"));
        port.blocking(false);
        QCOMPARE(port.read(buffer, sizeof buffer), 0);
    }

    // Nobody reads the master end, so the terminal's buffers fill up; at 9600 baud a
    // non-blocking write may wait 2 ms for room.
    void boundsNonBlockingWrite() {
        Pty pty;
        Serial port(pty.path, "");
        port.open();
        const std::string block(1 << 20, 'x');
        const auto start = Clock::now();
        const int written = port.write(block.data(), unsigned(block.size()));
        QVERIFY(written > 0 && written < int(block.size()));
        QVERIFY(millisecondsSince(start) < 500);
    }

    void opensExclusivelyUntilClosed() {
        Pty pty;
        const QString name = QString::fromStdString(pty.path);
        {
            Serial port(pty.path, "");
            port.open();
            QCOMPARE(messageOf([&port] { port.open(); }), "Already open: " + name);
            Serial other(pty.path, "");
            QCOMPARE(messageOf([&other] { other.open(); }), "Unable to open file: " + name);
            QCOMPARE(other.handle, RS232::invalidHandle);
        }
        // A name without a leading slash is a device under /dev.
        Serial port(pty.path.substr(5), "");
        port.open();
        port.close();
        port.close();
        char buffer[1];
        const QString notOpen = "Serial port is not open: " + name.mid(5);
        QCOMPARE(messageOf([&] { port.read(buffer, 1); }), notOpen);
        QCOMPARE(messageOf([&] { port.write(buffer, 1); }), notOpen);
        QCOMPARE(messageOf([&] { port.flush(); }), notOpen);
        Serial again(pty.path, "");
        again.open();
        QCOMPARE(again.write("ok", 2), 2);
        QCOMPARE(pty.received(2), std::string("ok"));
    }

    void reportsFailuresWithPortName() {
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

    // A pseudo-terminal keeps only the speed, so the mapping is checked on the settings: line
    // as data bits, parity letter and the block's stop-bit code, the DCB flow flags, the control
    // flags set (0: refused) and the line read back.
    void mapsLineSettingsToTermios() {
        struct Case {
            const char* line;
            uint flow;
            uint control;
            const char* readBack;
        };
        const Case cases[] = {{"8N0", 0, CS8, "8N0"},
                              {"7O2", 0, CS7 | PARENB | PARODD | CSTOPB, "7O2"},
                              {"6E0", 0, CS6 | PARENB, "6E0"},
                              {"5M1", 0, CS5 | PARENB | PARODD | CMSPAR | CSTOPB, "5M2"},
                              {"8S0", 0, CS8 | PARENB | CMSPAR, "8S0"},
                              {"8N0", 0x4, CS8 | CRTSCTS, "8N0"},
                              {"8N0", 0x2000, CS8 | CRTSCTS, "8N0"},
                              {"8N0", 0x3000, CS8, "8N0"},
                              {"4N0", 0, 0, ""},
                              {"9N0", 0, 0, ""},
                              {"8?0", 0, 0, ""},
                              {"8N3", 0, 0, ""}};
        for (const Case& c : cases) {
            const QString line(c.line);
            RS232::CommState state{};
            state.baudRate = 115200;
            state.byteSize = std::uint8_t(line.mid(0, 1).toUInt());
            state.parity = std::uint8_t(QString("NOEMS?").indexOf(line.at(1)));
            state.stopBits = line.mid(2).toUInt();
            state.flags = c.flow;
            termios settings{};
            settings.c_iflag = IXON | IXOFF;
            QCOMPARE(RS232::termiosmap::applyCommState(state, settings), c.control != 0);
            if (c.control == 0)
                continue;
            const uint mask = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS;
            QCOMPARE(uint(settings.c_cflag & mask), c.control);
            QCOMPARE(uint(settings.c_iflag & (IXON | IXOFF | INPCK)),
                     line.at(1) == 'N' ? 0u : uint(INPCK));
            const RS232::CommState back = RS232::termiosmap::commStateOf(settings);
            QCOMPARE(lineOf(back), QString(c.readBack));
            QCOMPARE(back.flags, (c.control & CRTSCTS) ? 0x2005u : 0x1u);
        }
    }

    // Every rate with a termios speed goes in and comes back; others are refused.
    void mapsEveryRate() {
        for (std::uint32_t rate :
             {50,      75,      110,     134,     150,     200,    300,     600,
              1200,    1800,    2400,    4800,    9600,    19200,  38400,   57600,
              115200,  230400,  460800,  500000,  576000,  921600, 1000000, 1152000,
              1500000, 2000000, 2500000, 3000000, 3500000, 4000000}) {
            RS232::CommState state{rate, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0};
            termios settings{};
            QVERIFY2(RS232::termiosmap::applyCommState(state, settings),
                     qPrintable(QString::number(rate)));
            QCOMPARE(::cfgetispeed(&settings), ::cfgetospeed(&settings));
            QCOMPARE(RS232::termiosmap::commStateOf(settings).baudRate, rate);
            state.baudRate = rate + 1;
            QVERIFY(!RS232::termiosmap::applyCommState(state, settings));
        }
    }
};

QTEST_APPLESS_MAIN(LinuxPortTest)
#include "tst_linuxport.moc"
