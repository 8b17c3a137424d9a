#include "dialogdriver.h"
#include "dialogs/networkdevicepropertiesdialog.h"
#include "modalanswerer.h"
#include "model/networkdeviceitem.h"
#include "model/networkportitem.h"

#include <QCheckBox>
#include <QSpinBox>
#include <QtTest>

namespace {

// What one row of the form showed: "inherited 3" is a checked box over a read-only 3,
// "own 3" an unchecked box over an editable 3; anything else is a mixed state.
QString rowState(QWidget* dialog, const QString& row) {
    const auto* inherit = dialog->findChild<QCheckBox*>(row + QLatin1String("Inherit"));
    const auto* value = dialog->findChild<QSpinBox*>(row + QLatin1String("SpinBox"));
    const QString state =
        inherit->isChecked() ? QStringLiteral("inherited") : QStringLiteral("own");
    if (inherit->isChecked() != value->isReadOnly()) {
        return QStringLiteral("mixed");
    }
    return QStringLiteral("%1 %2").arg(state).arg(value->value());
}

QCheckBox* inheritBox(QWidget* dialog, const char* row) {
    return dialog->findChild<QCheckBox*>(QLatin1String(row) + QLatin1String("Inherit"));
}

// A device 3.17 under a port with retries 3 and delay 200.
struct Network {
    Network() : port(QStringLiteral("COM3"), false), device(QStringLiteral("TCU .17"), &port) {
        port.master_id = 3;
        port.retries = 3;
        port.delay = 200;
        device.submaster_id = 17;
    }
    NetworkPortItem port;
    NetworkDeviceItem device;
};

} // namespace

class DevicePropertiesDialogTest : public QObject {
    Q_OBJECT

private slots:
    void opensAndStoresUnchanged_data();
    void opensAndStoresUnchanged();
    void inheritCheckBoxesSwitchRows();
    void cancelLeavesDeviceUntouched();
    void nullDeviceShowsNothing();
};

void DevicePropertiesDialogTest::opensAndStoresUnchanged_data() {
    QTest::addColumn<int>("portDelay");
    QTest::addColumn<int>("retries");
    QTest::addColumn<int>("delay");
    QTest::addColumn<QString>("retriesRow");
    QTest::addColumn<QString>("delayRow");
    QTest::addColumn<int>("storedRetries");
    QTest::addColumn<int>("storedDelay");
    QTest::newRow("inherited") << 200 << -1 << -1 << "inherited 3"
                               << "inherited 200" << -1 << -1;
    QTest::newRow("own") << 200 << 5 << 500 << "own 5"
                         << "own 500" << 5 << 500;
    QTest::newRow("own beyond range") << 200 << 120 << 200000 << "own 99"
                                      << "own 100000" << 99 << 100000;
    QTest::newRow("own delay 0") << 200 << 0 << 0 << "own 0"
                                 << "own 1" << 0 << 1;
    QTest::newRow("any negative") << 200 << -5 << -300 << "inherited 3"
                                  << "inherited 200" << -1 << -1;
    QTest::newRow("port delay 0") << 0 << -1 << -1 << "inherited 3"
                                  << "inherited 1" << -1 << -1;
}

void DevicePropertiesDialogTest::opensAndStoresUnchanged() {
    QFETCH(int, portDelay);
    QFETCH(int, retries);
    QFETCH(int, delay);
    Network network;
    network.port.delay = portDelay;
    network.device.retries = retries;
    network.device.delay = delay;
    QString title;
    QString retriesRow;
    QString delayRow;
    ModalAnswerer answerer;
    answerer.then([&](QWidget* dialog) {
        title = dialog->windowTitle();
        retriesRow = rowState(dialog, QStringLiteral("retries"));
        delayRow = rowState(dialog, QStringLiteral("delay"));
        pressButton(dialog, QDialogButtonBox::Ok);
    });
    NetworkDevicePropertiesDialog dialog(nullptr);
    QCOMPARE(dialog.exec(&network.device), int(QDialog::Accepted));
    QCOMPARE(title, QStringLiteral("Network Device Properties [3.17]"));
    QTEST(retriesRow, "retriesRow");
    QTEST(delayRow, "delayRow");
    QTEST(network.device.retries, "storedRetries");
    QTEST(network.device.delay, "storedDelay");
}

// Leaving inheritance starts the own value at the port's; entering it shows the port's value
// whatever the device had. The row is redrawn with what was stored.
void DevicePropertiesDialogTest::inheritCheckBoxesSwitchRows() {
    Network network;
    network.device.delay = 500;
    QStringList seen;
    ModalAnswerer answerer;
    answerer.then([&](QWidget* dialog) {
        inheritBox(dialog, "retries")->click();
        inheritBox(dialog, "delay")->click();
        seen << rowState(dialog, QStringLiteral("retries"))
             << rowState(dialog, QStringLiteral("delay"));
        pressButton(dialog, QDialogButtonBox::Ok);
    });
    NetworkDevicePropertiesDialog dialog(nullptr);
    QCOMPARE(dialog.exec(&network.device), int(QDialog::Accepted));
    QCOMPARE(seen, (QStringList{"own 3", "inherited 200"}));
    QCOMPARE(network.device.retries, 3);
    QCOMPARE(network.device.delay, -1);
    QCOMPARE(network.device.text(1), QStringLiteral("retries: 3, delay: 200 (inherit)"));
}

void DevicePropertiesDialogTest::cancelLeavesDeviceUntouched() {
    Network network;
    network.device.delay = 100001;
    ModalAnswerer answerer;
    answerer.then([](QWidget* dialog) {
        inheritBox(dialog, "retries")->click();
        inheritBox(dialog, "delay")->click();
        pressButton(dialog, QDialogButtonBox::Cancel);
    });
    NetworkDevicePropertiesDialog dialog(nullptr);
    QCOMPARE(dialog.exec(&network.device), 0);
    QCOMPARE(network.device.retries, -1);
    QCOMPARE(network.device.delay, 100001);
}

void DevicePropertiesDialogTest::nullDeviceShowsNothing() {
    NetworkDevicePropertiesDialog dialog(nullptr);
    QCOMPARE(dialog.exec(nullptr), 0);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Network Device Properties"));
}

QTEST_MAIN(DevicePropertiesDialogTest)
#include "tst_devicepropertiesdialog.moc"
