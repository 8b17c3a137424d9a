#include "rs232/deviceid.h"

#include <QtTest>

using namespace RS232::deviceid;

// The string rules of device identifiers; identifiers of whole device trees are read by the
// enumeration suite.
class DeviceIdTest : public QObject {
    Q_OBJECT

private slots:
    void parsesHexNumberAfterToken() {
        struct Case {
            const char* identifier;
            const char* token;
            bool found;
            int value;
        };
        const Case cases[] = {
            {"USB\\VID_12&PID_1", "VID_", true, 0x12}, {"X\\VID_123456", "VID_", true, 0x1234},
            {"X\\DEV_ffff", "DEV_", true, 0xFFFF},     {"X\\DEV_AF09", "DEV_", true, 0xAF09},
            {"VID_1\\VID_2", "VID_", true, 1},         {"USB\\VID_&PID_1", "VID_", false, 0},
            {"USB\\VID_XYZ", "VID_", false, 0},        {"USB\\VID_", "VID_", false, 0},
            {"USB\\VID_gG:@/", "VID_", false, 0},      {"USB\\PID_1", "VID_", false, 0}};
        for (const Case& c : cases) {
            bool found = !c.found;
            QCOMPARE(parseDeviceIdentifier(c.identifier, c.token, found), c.value);
            QVERIFY2(found == c.found, c.identifier);
        }
    }

    void findsSerialNumber() {
        const std::pair<const char*, const char*> cases[] = {
            {"USB\\VID_1&PID_2\\AB_CD_00", "AB_CD_00"},
            {"USB\\VID_1&PID_2\\ABCD_00", "ABCD"},
            {"USB\\VID_1&PID_2\\AB&C_00", ""},
            {"USB\\VID_1&PID_2\\ABC_&0", "ABC"},
            {"USB\\VID_1&PID_2\\_00", ""},
            {"USB\\", ""},
            {"FTDIBUS\\VID_0403+PID_6001+A6\\0000", "A6"},
            {"FTDIBUS\\COMPORT&VID_0403\\0000", ""},
            {"FTDIBUS\\VID_0403+PID_6001+A6", ""},
            {"FTDIBUS\\", ""},
            {"ROOT\\USB\\0001", ""}};
        for (const auto& [identifier, serialNumber] : cases)
            QCOMPARE(serialNumberOf(identifier), std::string(serialNumber));
    }

    void mapsPortNameToSystemLocation() {
        QCOMPARE(portNameToSystemLocation("COM"), std::string("\\\\.\\COM"));
        QCOMPARE(portNameToSystemLocation("CO"), std::string("CO"));
        QCOMPARE(portNameToSystemLocation("com3"), std::string("com3"));
        QCOMPARE(upperCase("usb\\vid_10c4&pid_ea60\\ab12_00"),
                 std::string("USB\\VID_10C4&PID_EA60\\AB12_00"));
    }
};

QTEST_APPLESS_MAIN(DeviceIdTest)
#include "tst_deviceid.moc"
