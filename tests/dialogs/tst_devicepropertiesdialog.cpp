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

// Each case: the port's delay, the device's retries and delay; the rows shown; what OK stores.
void DevicePropertiesDialogTest::opensAndStoresUnchanged_data() {
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QList<int>>("stored");
    QTest::addColumn<QString>("focus");
    QTest::newRow("inherited") << QList<int>{200, -1, -1}
                               << QStringList{"inherited 3", "inherited 200"} << QList<int>{-1, -1}
                               << "retriesInherit";
    QTest::newRow("own") << QList<int>{200, 5, 500} << QStringList{"own 5", "own 500"}
                         << QList<int>{5, 500} << "retriesSpinBox";
    QTest::newRow("inherited retries, own delay")
        << QList<int>{200, -1, 500} << QStringList{"inherited 3", "own 500"} << QList<int>{-1, 500}
        << "delaySpinBox";
    QTest::newRow("own beyond range")
        << QList<int>{200, 120, 200000} << QStringList{"own 99", "own 100000"}
        << QList<int>{99, 100000} << "retriesSpinBox";
    QTest::newRow("own delay 0") << QList<int>{200, 0, 0} << QStringList{"own 0", "own 1"}
                                 << QList<int>{0, 1} << "retriesSpinBox";
    QTest::newRow("any negative") << QList<int>{200, -5, -300}
                                  << QStringList{"inherited 3", "inherited 200"}
                                  << QList<int>{-1, -1} << "retriesInherit";
    QTest::newRow("port delay 0") << QList<int>{0, -1, -1}
                                  << QStringList{"inherited 3", "inherited 1"} << QList<int>{-1, -1}
                                  << "retriesInherit";
}

void DevicePropertiesDialogTest::opensAndStoresUnchanged() {
    QFETCH(QList<int>, values);
    Network network;
    network.port.delay = values[0];
    network.device.retries = values[1];
    network.device.delay = values[2];
    QString title;
    QStringList rows;
    QString focus;
    ModalAnswerer answerer;
    answerer.then([&](QWidget* dialog) {
        title = dialog->windowTitle();
        rows << rowState(dialog, QStringLiteral("retries"))
             << rowState(dialog, QStringLiteral("delay"));
        focus = focusedName(dialog);
        pressButton(dialog, QDialogButtonBox::Ok);
    });
    NetworkDevicePropertiesDialog dialog(nullptr);
    QCOMPARE(dialog.exec(&network.device), int(QDialog::Accepted));
    QCOMPARE(title, QStringLiteral("Network Device Properties [3.17]"));
    QTEST(rows, "rows");
    QTEST(focus, "focus");
    QTEST((QList<int>{network.device.retries, network.device.delay}), "stored");
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
