#include "dialogs/about.h"
#include "modalanswerer.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QWizard>
#include <QtTest>

#include <memory>

namespace {

// The wizards are built by hand: their fields are found by page and by the radio buttons' texts.
QLineEdit* lineEditOn(QWizard* wizard, int page) {
    return wizard->page(page)->findChild<QLineEdit*>();
}

ModalAnswerer::Answer newPort(const QString& name, const QString& type, const QString& masterId) {
    return [=](QWidget* widget) {
        auto* wizard = qobject_cast<QWizard*>(widget);
        QVERIFY(wizard != nullptr);
        QTest::keyClicks(lineEditOn(wizard, 0), name);
        wizard->next();
        for (QRadioButton* radio : wizard->page(1)->findChildren<QRadioButton*>()) {
            if (radio->text() == type) {
                radio->click();
            }
        }
        QTest::keyClicks(lineEditOn(wizard, 1), masterId);
        wizard->next();
        wizard->accept();
    };
}

ModalAnswerer::Answer newDevice(const QString& submasterId) {
    return [=](QWidget* widget) {
        auto* wizard = qobject_cast<QWizard*>(widget);
        QVERIFY(wizard != nullptr);
        QTest::keyClicks(lineEditOn(wizard, 0), submasterId);
        wizard->accept();
    };
}

// Runs a step on a properties dialog's form, then presses one of its buttons.
ModalAnswerer::Answer onDialog(QDialogButtonBox::StandardButton button,
                               const std::function<void(QWidget*)>& step = {}) {
    return [=](QWidget* dialog) {
        if (step) {
            step(dialog);
        }
        dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(button)->click();
    };
}

void clickChild(QWidget* dialog, const char* name) {
    QAbstractButton* button = dialog->findChild<QAbstractButton*>(QLatin1String(name));
    QVERIFY2(button != nullptr, name);
    button->click();
}

} // namespace

class EditCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void addPortThroughTheWizard();
    void addDeviceThroughTheWizard();
    void deletePort();
    void deleteDevice();
    void editPortType();
    void editButtonMarksModifiedEvenWhenCancelled();
    void editDevice();
    void titleHelpBoxesAndWindowButtons();

private:
    std::unique_ptr<WindowOnTestMachine> test;
};

// Every case starts from an empty, saved network on a machine with one radio adapter.
void EditCommandsTest::init() {
    test =
        std::make_unique<WindowOnTestMachine>(std::vector<MachinePorts::Port>{{"COM3", "CP210x"}});
    startWithEmptyNetwork(test->window);
}

void EditCommandsTest::cleanup() {
    test.reset();
}

// A port the wizard describes is added; one that breaks a rule is reported and left out.
void EditCommandsTest::addPortThroughTheWizard() {
    MainWindow& window = test->window;
    SeenMessageBox refused;
    ModalAnswerer answerer;
    answerer.then(newPort("COM5", "LRR Network", "012"))
        .then(newPort("COM6", "LRR Network", ""))
        .then(pressMessageBoxButton(QMessageBox::Ok, &refused));
    actionOf(window, "actionAdd_Port")->trigger();
    NetworkPortItem* port = window.findNetworkPort("COM5");
    QVERIFY(port != nullptr);
    QCOMPARE(port->port_type, NetworkPortItem::lrr);
    QCOMPARE(port->master_id, 12);
    QVERIFY(window.isModified());

    actionOf(window, "actionAdd_Port")->trigger();
    QVERIFY(answerer.allAnswered());
    QCOMPARE(refused.title, QStringLiteral("Add port request"));
    QCOMPARE(refused.text, QStringLiteral("Master ID 0 is invalid [1..255]"));
    QCOMPARE(treeOf(window)->topLevelItemCount(), 1);
}

void EditCommandsTest::addDeviceThroughTheWizard() {
    MainWindow& window = test->window;
    NetworkPortItem* port = window.addNetworkPort("COM5", NetworkPortItem::lrr, 3);
    selectOnly(window, port);

    SeenMessageBox seen;
    ModalAnswerer answerer;
    answerer.then(newDevice("")).then(pressMessageBoxButton(QMessageBox::Ok, &seen));
    actionOf(window, "actionAdd_Device")->trigger();
    QCOMPARE(seen.title, QStringLiteral("Add device request"));
    QCOMPARE(port->childCount(), 0);

    // The Add button acts on the mouse press; with a device selected it adds to its port.
    ModalAnswerer first;
    first.then(newDevice("5"));
    QTest::mousePress(buttonOf(window, "addButton"), Qt::LeftButton);
    QCOMPARE(port->childCount(), 1);
    selectOnly(window, port->child(0));
    ModalAnswerer second;
    second.then(newDevice("7"));
    QTest::mousePress(buttonOf(window, "addButton"), Qt::LeftButton);
    QCOMPARE(port->childCount(), 2);
}

void EditCommandsTest::deletePort() {
    MainWindow& window = test->window;
    window.createDefaultNetwork();
    NetworkPortItem* detected = window.findNetworkPort("COM3");
    detected->set_port_type(NetworkPortItem::lrr);
    window.addNetworkDevice(detected, 1);
    NetworkPortItem* manual = window.addNetworkPort("COM9", NetworkPortItem::lrr, 9);
    window.addNetworkDevice(manual, 1);

    SeenMessageBox seen;
    ModalAnswerer answerer;
    answerer.then(pressMessageBoxButton(QMessageBox::Yes, &seen))
        .then(pressMessageBoxButton(QMessageBox::Yes));
    selectOnly(window, detected);
    actionOf(window, "actionDelete_Port")->trigger();
    QCOMPARE(seen.title, QStringLiteral("Enquiry"));
    QCOMPARE(seen.text, QStringLiteral("Delete port COM3?"));
    QCOMPARE(window.findNetworkPort("COM3"), detected); // a machine port stays, unused
    QCOMPARE(detected->text(1), QStringLiteral("Not used"));
    QCOMPARE(detected->childCount(), 0);
    QVERIFY(window.isModified());

    selectOnly(window, manual);
    QTest::mousePress(buttonOf(window, "deleteButton"), Qt::LeftButton);
    QCOMPARE(window.findNetworkPort("COM9"), nullptr);
    QCOMPARE(window.selectedItem(), nullptr);
}

void EditCommandsTest::deleteDevice() {
    MainWindow& window = test->window;
    NetworkPortItem* port = window.addNetworkPort("COM5", NetworkPortItem::lrr, 3);
    NetworkDeviceItem* device = window.addNetworkDevice(port, 5);
    window.save();

    SeenMessageBox seen;
    ModalAnswerer declined;
    declined.then(pressMessageBoxButton(QMessageBox::No, &seen));
    selectOnly(window, device);
    actionOf(window, "actionDelete_Device")->trigger();
    QCOMPARE(seen.text, QStringLiteral("Delete device TCU .5?"));
    QCOMPARE(port->childCount(), 1);
    QVERIFY(!window.isModified());

    ModalAnswerer accepted;
    accepted.then(pressMessageBoxButton(QMessageBox::Yes));
    QTest::mousePress(buttonOf(window, "deleteButton"), Qt::LeftButton);
    QCOMPARE(port->childCount(), 0);
    QVERIFY(window.isModified());
}

void EditCommandsTest::editPortType() {
    MainWindow& window = test->window;
    NetworkPortItem* port = window.addNetworkPort("COM5", NetworkPortItem::lrr, 1);
    window.addNetworkDevice(port, 1);
    window.addNetworkDevice(port, 2);

    // Refreshing 1.1 to 4.1 moves it behind 1.2 in the sorted tree; both rows must still be
    // refreshed.
    ModalAnswerer renumbered;
    renumbered.then(onDialog(QDialogButtonBox::Ok, [](QWidget* dialog) {
        dialog->findChild<QSpinBox*>(QStringLiteral("masterIdSpinBox"))->setValue(4);
    }));
    selectOnly(window, port);
    actionOf(window, "actionEdit_Port")->trigger();
    QCOMPARE(port->master_id, 4);
    QCOMPARE(port->child(0)->text(0), QStringLiteral("4.1"));
    QCOMPARE(port->child(1)->text(0), QStringLiteral("4.2"));

    ModalAnswerer madeDirect;
    madeDirect.then(onDialog(QDialogButtonBox::Ok,
                             [](QWidget* dialog) { clickChild(dialog, "localTCURadioButton"); }));
    actionOf(window, "actionEdit_Port")->trigger();
    QCOMPARE(port->port_type, NetworkPortItem::direct);
    QCOMPARE(port->childCount(), 0); // devices go without a question
    QCOMPARE(window.selectedItem(), port);
}

void EditCommandsTest::editButtonMarksModifiedEvenWhenCancelled() {
    MainWindow& window = test->window;
    NetworkPortItem* port = window.addNetworkPort("COM5", NetworkPortItem::lrr, 10);
    window.save();
    selectOnly(window, port);

    ModalAnswerer viaMenu;
    viaMenu.then(onDialog(QDialogButtonBox::Cancel));
    actionOf(window, "actionEdit_Port")->trigger();
    QVERIFY(viaMenu.allAnswered());
    QVERIFY(!window.isModified());

    ModalAnswerer viaButton;
    viaButton.then(onDialog(QDialogButtonBox::Cancel));
    QTest::mousePress(buttonOf(window, "editButton"), Qt::LeftButton);
    QVERIFY(viaButton.allAnswered());
    QVERIFY(window.isModified());
    QCOMPARE(port->master_id, 10);
}

void EditCommandsTest::editDevice() {
    MainWindow& window = test->window;
    NetworkPortItem* port = window.addNetworkPort("COM5", NetworkPortItem::lrr, 10);
    NetworkDeviceItem* device = window.addNetworkDevice(port, 2);
    window.save();
    selectOnly(window, device);

    ModalAnswerer answerer;
    answerer.then(onDialog(QDialogButtonBox::Ok, [](QWidget* dialog) {
        dialog->findChild<QCheckBox*>(QStringLiteral("retriesInherit"))->setChecked(false);
        dialog->findChild<QSpinBox*>(QStringLiteral("retriesSpinBox"))->setValue(7);
    }));
    actionOf(window, "actionEdit_Device")->trigger();
    QCOMPARE(device->retries, 7);
    QVERIFY(window.isModified());
}

// The title carries the version; Cancel closes the window as soon as the mouse button goes down,
// Apply does nothing.
void EditCommandsTest::titleHelpBoxesAndWindowButtons() {
    MainWindow& window = test->window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Tessarund [1.1.0]"));

    bool aboutShown = false;
    SeenMessageBox toolkit;
    ModalAnswerer answerer;
    answerer
        .then(onDialog(
            QDialogButtonBox::Ok,
            [&](QWidget* dialog) { aboutShown = qobject_cast<About*>(dialog) != nullptr; }))
        .then(pressMessageBoxButton(QMessageBox::Ok, &toolkit));
    actionOf(window, "action_aboutThis")->trigger();
    actionOf(window, "action_aboutQt")->trigger();
    QVERIFY(aboutShown);
    QVERIFY(toolkit.title.contains(QStringLiteral("Qt")));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mousePress(buttonOf(window, "applyButton"), Qt::LeftButton);
    QVERIFY(window.isVisible());
    QTest::mousePress(buttonOf(window, "cancelButton"), Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(EditCommandsTest)
#include "tst_editcommands.moc"
