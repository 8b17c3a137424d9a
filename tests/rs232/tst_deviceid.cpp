#include "rs232/deviceid.h"

#include <QtTest>

using namespace RS232::deviceid;

class DeviceIdTest : public QObject {
    Q_OBJECT

private slots:
    void parsesHexNumberAfterToken_data();
    void parsesHexNumberAfterToken();
    void findsSerialNumber_data();
    void findsSerialNumber();
    void mapsPortNameToSystemLocation_data();
    void mapsPortNameToSystemLocation();
};

void DeviceIdTest::parsesHexNumberAfterToken_data() {
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("token");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("value");
    QTest::newRow("two digits") << "USB\\VID_12&PID_1"
                                << "VID_" << true << 0x12;
    QTest::newRow("at most four digits") << "X\\VID_123456"
                                         << "VID_" << true << 0x1234;
    QTest::newRow("lower-case digits, largest") << "X\\DEV_ffff"
                                                << "DEV_" << true << 0xFFFF;
    QTest::newRow("first occurrence") << "VID_1\\VID_2"
                                      << "VID_" << true << 1;
    QTest::newRow("no digit") << "USB\\VID_&PID_1"
                              << "VID_" << false << 0;
    QTest::newRow("not hexadecimal") << "USB\\VID_XYZ"
                                     << "VID_" << false << 0;
    QTest::newRow("token at end") << "USB\\VID_"
                                  << "VID_" << false << 0;
}

void DeviceIdTest::parsesHexNumberAfterToken() {
    QFETCH(QString, identifier);
    QFETCH(QString, token);
    QFETCH(bool, found);
    QFETCH(int, value);
    bool parsedFound = !found;
    const int parsed =
        parseDeviceIdentifier(identifier.toStdString(), token.toStdString(), parsedFound);
    QCOMPARE(parsedFound, found);
    QCOMPARE(parsed, value);
}

void DeviceIdTest::findsSerialNumber_data() {
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("serialNumber");
    QTest::newRow("first underscore only") << "USB\\VID_1&PID_2\\AB_CD_00"
                                           << "AB_CD_00";
    QTest::newRow("ampersand before suffix") << "USB\\VID_1&PID_2\\AB&C_00"
                                             << "";
    QTest::newRow("ampersand in suffix") << "USB\\VID_1&PID_2\\ABC_&0"
                                         << "ABC";
    QTest::newRow("suffix only") << "USB\\VID_1&PID_2\\_00"
                                 << "";
    QTest::newRow("empty instance") << "USB\\"
                                    << "";
    QTest::newRow("ftdi without plus") << "FTDIBUS\\COMPORT&VID_0403\\0000"
                                       << "";
    QTest::newRow("ftdi without backslash after plus") << "FTDIBUS\\VID_0403+PID_6001+A6"
                                                       << "";
    QTest::newRow("ftdi prefix alone") << "FTDIBUS\\"
                                       << "";
    QTest::newRow("usb as a later part") << "ROOT\\USB\\0001"
                                         << "";
}

void DeviceIdTest::findsSerialNumber() {
    QFETCH(QString, identifier);
    QFETCH(QString, serialNumber);
    QCOMPARE(QString::fromStdString(serialNumberOf(identifier.toStdString())), serialNumber);
}

void DeviceIdTest::mapsPortNameToSystemLocation_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("location");
    QTest::newRow("prefix alone") << "COM"
                                  << "\\\\.\\COM";
    QTest::newRow("lower case") << "com3"
                                << "com3";
}

void DeviceIdTest::mapsPortNameToSystemLocation() {
    QFETCH(QString, name);
    QFETCH(QString, location);
    QCOMPARE(QString::fromStdString(portNameToSystemLocation(name.toStdString())), location);
}

QTEST_APPLESS_MAIN(DeviceIdTest)
#include "tst_deviceid.moc"
