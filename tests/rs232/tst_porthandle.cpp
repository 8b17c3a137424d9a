#include "fakeplatform.h"
#include "messageof.h"
#include "rs232/serial.h"

#include <QtTest>

using namespace RS232;
using RS232::test::FakePlatform;
using RS232::test::PlatformGuard;

namespace {

QStringList callsOf(const FakePlatform& fake) {
    QStringList calls;
    for (const std::string& call : fake.calls)
        calls << QString::fromStdString(call);
    return calls;
}

const QStringList openingCalls{"createFile \\\\.\\COM3", "getCommState", "setCommState",
                               "setupComm 256 256",      "purgeComm 15", "setCommTimeouts"};

} // namespace

Q_DECLARE_METATYPE(CommTimeouts)

class PortHandleTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensWithFourMembersSet();
    void setsTimeoutsForMode_data();
    void setsTimeoutsForMode();
    void closesNewHandleOnFailure_data();
    void closesNewHandleOnFailure();
    void transfersThroughOpenPort();
    void switchesModeByReopening();
    void movesOpenHandleAndClosesItOnce();

private:
    FakePlatform* fake = nullptr;
    PlatformGuard* guard = nullptr;
};

void PortHandleTest::init() {
    fake = new FakePlatform;
    guard = new PlatformGuard(*fake);
}

void PortHandleTest::cleanup() {
    delete guard;
    delete fake;
}

void PortHandleTest::opensWithFourMembersSet() {
    fake->reportedState = {4800, 0x5011, 2048, 512, 5, 1, 1, 0x11, 0x13, '?', 0x1A, '\n'};
    Serial port("COM3", "");
    port.baudRate = 19200;
    port.byteSize = 7;
    port.parity = 0x102;
    port.stopBits = 0x300;
    port.open();

    QCOMPARE(callsOf(*fake), openingCalls);
    QVERIFY(port.handle != invalidHandle);
    const CommState& applied = fake->appliedState;
    QCOMPARE(applied.baudRate, 19200u);
    QCOMPARE(int(applied.byteSize), 7);
    QCOMPARE(int(applied.parity), 2);
    QCOMPARE(int(applied.stopBits), 0);
    QCOMPARE(applied.flags, 0x5011u);
    QCOMPARE(applied.xonLim, std::uint16_t(2048));
    QCOMPARE(applied.xoffLim, std::uint16_t(512));
    const std::string characters{applied.xonChar, applied.xoffChar, applied.errorChar,
                                 applied.eofChar, applied.evtChar};
    QCOMPARE(characters, std::string("\x11\x13?\x1A\n"));

    Serial unusual("/dev/pts/3", "");
    unusual.open();
    QCOMPARE(QString::fromStdString(fake->calls.at(openingCalls.size())),
             "createFile \\\\.\\/dev/pts/3");
}

void PortHandleTest::setsTimeoutsForMode_data() {
    QTest::addColumn<int>("baudRate");
    QTest::addColumn<bool>("blocking");
    QTest::addColumn<CommTimeouts>("timeouts");
    const CommTimeouts waiting{0, 0, 0, 0, 0};
    for (const int rate : {9600, 19200, 115200})
        QTest::addRow("%d blocking", rate) << rate << true << waiting;
    QTest::newRow("9600") << 9600 << false << CommTimeouts{maxDword, 0, 0, 0, 2};
    QTest::newRow("19200") << 19200 << false << CommTimeouts{maxDword, 0, 0, 0, 1};
    QTest::newRow("115200") << 115200 << false << CommTimeouts{maxDword, 0, 0, 0, 0};
}

void PortHandleTest::setsTimeoutsForMode() {
    QFETCH(int, baudRate);
    QFETCH(bool, blocking);
    QFETCH(CommTimeouts, timeouts);
    Serial port("COM3", "");
    port.baudRate = baudRate;
    port.blocking(blocking);
    port.open();
    const CommTimeouts& applied = fake->appliedTimeouts;
    QCOMPARE(applied.readIntervalTimeout, timeouts.readIntervalTimeout);
    QCOMPARE(applied.readTotalTimeoutMultiplier, timeouts.readTotalTimeoutMultiplier);
    QCOMPARE(applied.readTotalTimeoutConstant, timeouts.readTotalTimeoutConstant);
    QCOMPARE(applied.writeTotalTimeoutMultiplier, timeouts.writeTotalTimeoutMultiplier);
    QCOMPARE(applied.writeTotalTimeoutConstant, timeouts.writeTotalTimeoutConstant);
}

void PortHandleTest::closesNewHandleOnFailure_data() {
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
    QTest::newRow("queues ignored") << "setupComm"
                                    << "" << 6;
    QTest::newRow("purge ignored") << "purgeComm"
                                   << "" << 6;
}

void PortHandleTest::closesNewHandleOnFailure() {
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

void PortHandleTest::transfersThroughOpenPort() {
    Serial port("COM3", "");
    port.open();
    fake->calls.clear();
    fake->incoming = "abc";
    char buffer[8] = {};
    QCOMPARE(port.read(buffer, 8), 3);
    QCOMPARE(QByteArray(buffer), QByteArray("abc"));
    QCOMPARE(port.read(buffer, 8), 0);
    QCOMPARE(port.write("hello", 5), 5);
    QCOMPARE(QString::fromStdString(fake->outgoing), QString("hello"));
    port.flush();
    QCOMPARE(callsOf(*fake),
             QStringList({"readFile 8", "readFile 8", "writeFile 5", "flushFileBuffers"}));

    fake->failing = "readFile";
    QCOMPARE(port.read(buffer, 8), -22);
    fake->failing = "writeFile";
    QCOMPARE(port.write("x", 1), -22);
    QVERIFY(port.handle != invalidHandle);
}

void PortHandleTest::switchesModeByReopening() {
    Serial port("COM3", "");
    port.blocking(true);
    QVERIFY(port.isBlocking);
    QVERIFY(fake->calls.empty());

    port.open();
    port.blocking(true);
    QCOMPARE(callsOf(*fake), openingCalls);

    fake->calls.clear();
    port.blocking(false);
    QCOMPARE(callsOf(*fake), QStringList("closeHandle") + openingCalls);
    QCOMPARE(fake->appliedTimeouts.readIntervalTimeout, maxDword);
    QCOMPARE(fake->openFiles(), std::size_t(1));

    fake->failing = "getCommState";
    QCOMPARE(messageOf([&port] { port.blocking(true); }),
             QString("Unable to get COMM state: COM3"));
    QCOMPARE(port.handle, invalidHandle);
    QVERIFY(port.isBlocking);
    QCOMPARE(fake->openFiles(), std::size_t(0));
}

// The handle goes with the record, so that it is closed once, by its last owner.
void PortHandleTest::movesOpenHandleAndClosesItOnce() {
    {
        Serial port("COM3", "");
        port.open();
        Serial moved(std::move(port));
        Serial assigned;
        assigned = std::move(moved);
        QCOMPARE(port.handle, invalidHandle);
        QCOMPARE(moved.handle, invalidHandle);
        QVERIFY(assigned.handle != invalidHandle);
    }
    QCOMPARE(fake->openFiles(), std::size_t(0));
    QCOMPARE(callsOf(*fake).count("closeHandle"), 1);
}

QTEST_APPLESS_MAIN(PortHandleTest)
#include "tst_porthandle.moc"
