#include "fakeplatform.h"
#include "messageof.h"
#include "rs232/serial.h"

#include <QtTest>

using namespace RS232;

namespace {

QStringList callsOf(const test::FakePlatform& fake) {
    QStringList calls;
    for (const std::string& call : fake.calls)
        calls << QString::fromStdString(call);
    return calls;
}

const QStringList openingCalls{"createFile \\\\.\\COM3", "getCommState", "setCommState",
                               "setupComm 256 256",      "purgeComm 15", "setCommTimeouts"};

// Every field of a record but isBlocking, and whether it holds a handle.
QString fieldsOf(const Serial& port) {
    return QString::fromStdString(port.portName + '|' + port.systemLocation + '|' +
                                  port.description + '|' + port.manufacturer + '|' +
                                  port.serialNumber) +
           QString("|%1:%2|%3:%4|%5 %6%7%8|%9")
               .arg(port.hasVendorIdentifier)
               .arg(port.vendorIdentifier, 0, 16)
               .arg(port.hasProductIdentifier)
               .arg(port.productIdentifier, 0, 16)
               .arg(port.baudRate)
               .arg(port.byteSize)
               .arg(port.parity)
               .arg(port.stopBits)
               .arg(port.handle == invalidHandle ? "closed" : "open");
}

Serial describedPort(const std::string& name) {
    Serial port(name, name + " description");
    port.systemLocation = name + " location";
    port.manufacturer = name + " maker";
    port.serialNumber = name + " serial";
    port.hasVendorIdentifier = port.hasProductIdentifier = true;
    port.vendorIdentifier = 0x10C4;
    port.productIdentifier = 0xEA60;
    port.baudRate = 115200;
    port.byteSize = 7;
    port.stopBits = 2;
    port.parity = 1;
    return port;
}

const QString blank = "|||||0:0|0:0|9600 800|closed";

} // namespace

class PortHandleTest : public QObject {
    Q_OBJECT

    test::FakePlatform* fake = nullptr;
    test::PlatformGuard* guard = nullptr;

private slots:
    void init() {
        fake = new test::FakePlatform;
        guard = new test::PlatformGuard(*fake);
    }

    void cleanup() {
        delete guard;
        delete fake;
    }

    // The record's four line settings go into the state the port reports; the rest stays.
    void opensWithFourMembersSet() {
        fake->reportedState = {4800, 0x5011, 2048, 512, 5, 1, 1, 0x11, 0x13, '?', 0x1A, '\n'};
        Serial port("COM3", "");
        port.baudRate = 19200;
        port.byteSize = 7;
        port.parity = 0x102;
        port.stopBits = 0x300;
        port.open();
        QCOMPARE(callsOf(*fake), openingCalls);
        const CommState& s = fake->appliedState;
        QCOMPARE(QString("%1 %2 %3 %4 %5 %6 %7")
                     .arg(s.baudRate)
                     .arg(s.byteSize)
                     .arg(s.parity)
                     .arg(s.stopBits)
                     .arg(s.flags, 0, 16)
                     .arg(s.xonLim)
                     .arg(s.xoffLim),
                 QString("19200 7 2 0 5011 2048 512"));
        QCOMPARE(std::string({s.xonChar, s.xoffChar, s.errorChar, s.eofChar, s.evtChar}),
                 std::string("\x11\x13?\x1A\n"));
    }

    void setsTimeoutsForMode_data() {
        QTest::addColumn<int>("baudRate");
        QTest::addColumn<bool>("blocking");
        QTest::addColumn<QString>("timeouts");
        for (const int rate : {9600, 115200})
            QTest::addRow("%d blocking", rate) << rate << true << "0 0 0 0 0";
        QTest::newRow("9600") << 9600 << false << "4294967295 0 0 0 2";
        QTest::newRow("19200") << 19200 << false << "4294967295 0 0 0 1";
        QTest::newRow("115200") << 115200 << false << "4294967295 0 0 0 0";
    }

    void setsTimeoutsForMode() {
        QFETCH(int, baudRate);
        QFETCH(bool, blocking);
        QFETCH(QString, timeouts);
        Serial port("COM3", "");
        port.baudRate = baudRate;
        port.blocking(blocking);
        QVERIFY(fake->calls.empty());
        port.open();
        const CommTimeouts& t = fake->appliedTimeouts;
        QCOMPARE(QString("%1 %2 %3 %4 %5")
                     .arg(t.readIntervalTimeout)
                     .arg(t.readTotalTimeoutMultiplier)
                     .arg(t.readTotalTimeoutConstant)
                     .arg(t.writeTotalTimeoutMultiplier)
                     .arg(t.writeTotalTimeoutConstant),
                 timeouts);
    }

    // A failing call while opening closes the new handle; queue size and purge may fail.
    void closesNewHandleOnFailure_data() {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("callsMade");
        QTest::newRow("open") << "createFile"
                              << "Unable to open file: COM3" << 1;
        QTest::newRow("get state") << "getCommState"
                                   << "Unable to get COMM state: COM3" << 2;
        QTest::newRow("set state") << "setCommState"
                                   << "Unable to set COMM state: COM3" << 3;
        QTest::newRow("time-outs") << "setCommTimeouts"
                                   << "Unable to set COMM state: COM3" << 6;
        QTest::newRow("queues") << "setupComm"
                                << "" << 6;
        QTest::newRow("purge") << "purgeComm"
                               << "" << 6;
    }

    void closesNewHandleOnFailure() {
        QFETCH(QString, failing);
        QFETCH(QString, message);
        QFETCH(int, callsMade);
        fake->failing = failing.toStdString();
        Serial port("COM3", "");
        QCOMPARE(messageOf([&port] { port.open(); }), message);
        QStringList expected = openingCalls.mid(0, callsMade);
        if (!message.isEmpty() && failing != "createFile")
            expected << "closeHandle";
        QCOMPARE(callsOf(*fake), expected);
        QCOMPARE(port.handle != invalidHandle, message.isEmpty());
        QCOMPARE(fake->openFiles(), std::size_t(message.isEmpty() ? 1 : 0));
    }

    void transfersThroughOpenPort() {
        Serial port("COM3", "");
        port.open();
        fake->calls.clear();
        fake->incoming = "abc";
        char buffer[8] = {};
        QCOMPARE(port.read(buffer, 8), 3);
        QCOMPARE(QByteArray(buffer), QByteArray("abc"));
        QCOMPARE(port.write("hello", 5), 5);
        QCOMPARE(fake->outgoing, std::string("hello"));
        port.flush();
        QCOMPARE(callsOf(*fake), QStringList({"readFile 8", "writeFile 5", "flushFileBuffers"}));
        fake->failing = "readFile";
        QCOMPARE(port.read(buffer, 8), -22);
        fake->failing = "writeFile";
        QCOMPARE(port.write("x", 1), -22);
        QVERIFY(port.handle != invalidHandle);
    }

    void switchesModeByReopening() {
        Serial port("COM3", "");
        port.open();
        port.blocking(false);
        QCOMPARE(callsOf(*fake), openingCalls);
        fake->calls.clear();
        port.blocking(true);
        QCOMPARE(callsOf(*fake), QStringList("closeHandle") + openingCalls);
        QCOMPARE(fake->appliedTimeouts.readIntervalTimeout, 0u);
        QCOMPARE(fake->openFiles(), std::size_t(1));
        fake->failing = "getCommState";
        QCOMPARE(messageOf([&port] { port.blocking(false); }),
                 QString("Unable to get COMM state: COM3"));
        QCOMPARE(port.handle, invalidHandle);
        QVERIFY(!port.isBlocking);
        QCOMPARE(fake->openFiles(), std::size_t(0));
    }

    // A move hands the descriptions, settings and handle over; the handle is closed once, by
    // its last owner. Assignment leaves the target's descriptions in the source.
    void movesRecords() {
        QCOMPARE(fieldsOf(Serial()), blank);
        const QString com3 = "COM3|COM3 location|COM3 description|COM3 maker|COM3 serial|1:10c4|"
                             "1:ea60|115200 712|";
        {
            Serial source = describedPort("COM3");
            source.isBlocking = true;
            source.open();
            Serial moved(std::move(source));
            QCOMPARE(fieldsOf(moved), com3 + "open");
            QCOMPARE(fieldsOf(source), blank);
            QVERIFY(moved.isBlocking && !source.isBlocking);
            Serial assigned = describedPort("COM7");
            assigned.baudRate = 4800;
            assigned.open();
            assigned = std::move(moved);
            QCOMPARE(fieldsOf(assigned), com3 + "open");
            QCOMPARE(fieldsOf(moved),
                     QString(com3).replace("COM3", "COM7").replace("115200 712", "9600 800") +
                         "closed");
            QCOMPARE(fake->openFiles(), std::size_t(1));
            Serial& self = assigned;
            assigned = std::move(self);
            QCOMPARE(fieldsOf(assigned), com3 + "open");
        }
        QCOMPARE(fake->openFiles(), std::size_t(0));
        QCOMPARE(callsOf(*fake).count("closeHandle"), 2);
    }
};

QTEST_APPLESS_MAIN(PortHandleTest)
#include "tst_porthandle.moc"
