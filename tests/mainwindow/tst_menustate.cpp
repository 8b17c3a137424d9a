#include "windowfixture.h"

#include <QDir>
#include <QtTest>

#include <memory>

namespace {

const QStringList networkCommands{"actionNetwork_delete", "action_Export", "action_Import",
                                  "actionAdd_Port"};
const QStringList itemCommands{"deleteButton", "editButton", "actionCopy",
                               "copyButton",   "action_Cut", "cutButton"};
const QStringList portCommands{"actionDelete_Port", "actionEdit_Port"};
const QStringList deviceCommands{"actionDelete_Device", "actionEdit_Device"};
const QStringList addDeviceCommands{"addButton", "actionAdd_Device"};
const QStringList pasteCommands{"action_Paste", "pasteButton"};

// Every command whose enabled state depends on the network and the selection.
const QStringList switchable = QStringList{"actionNetwork_create"} + networkCommands +
                               itemCommands + portCommands + deviceCommands + addDeviceCommands +
                               pasteCommands;

QStringList enabledCommands(MainWindow& window) {
    QStringList enabled;
    for (const QString& name : switchable) {
        if (window.findChild<QObject*>(name)->property("enabled").toBool()) {
            enabled << name;
        }
    }
    return enabled;
}

} // namespace

class MenuStateTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void enabledBySelection_data();
    void enabledBySelection();
    void pasteFollowsTheClipboard();
    void fileRemovedOutsideTakesEffectOnNextChange();

private:
    std::unique_ptr<WindowOnTestMachine> test;
    MainWindow* window = nullptr;
    QMap<QString, QTreeWidgetItem*> rows;
};

void MenuStateTest::init() {
    test = std::make_unique<WindowOnTestMachine>();
    window = &test->window;
    window->clearNetwork();
    // Rows can be added before the file exists; the menus then still offer only its creation.
    NetworkPortItem* lrr = window->addNetworkPort("COM1", NetworkPortItem::lrr, 1);
    rows["lrr port"] = lrr;
    rows["direct port"] = window->addNetworkPort("COM2", NetworkPortItem::direct, 0);
    rows["unused port"] = window->addNetworkPort("COM3", NetworkPortItem::ignored, 0);
    rows["device"] = window->addNetworkDevice(lrr, 1);
    rows["nothing"] = nullptr;
}

void MenuStateTest::cleanup() {
    test.reset();
    rows.clear();
}

void MenuStateTest::enabledBySelection_data() {
    QTest::addColumn<bool>("filePresent");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QStringList>("enabled");

    for (const char* row : {"nothing", "lrr port", "device"}) {
        QTest::addRow("no file, %s", row) << false << row << QStringList{"actionNetwork_create"};
    }
    QTest::newRow("nothing selected") << true << "nothing" << networkCommands;
    QTest::newRow("lrr port") << true << "lrr port"
                              << networkCommands + addDeviceCommands + itemCommands + portCommands;
    QTest::newRow("direct port") << true << "direct port"
                                 << networkCommands + itemCommands + portCommands;
    QTest::newRow("unused port") << true << "unused port"
                                 << networkCommands + itemCommands + portCommands;
    QTest::newRow("device") << true << "device"
                            << networkCommands + addDeviceCommands + itemCommands + deviceCommands;
}

void MenuStateTest::enabledBySelection() {
    QFETCH(bool, filePresent);
    QFETCH(QString, selection);
    QFETCH(QStringList, enabled);

    if (filePresent) {
        createConfigFile(*window);
        window->updateMenus();
    }
    selectOnly(*window, rows[selection]);

    QStringList actual = enabledCommands(*window);
    actual.sort();
    enabled.sort();
    QCOMPARE(actual, enabled);
    QCOMPARE(window->selectedItem(), filePresent ? rows[selection] : nullptr);
}

void MenuStateTest::pasteFollowsTheClipboard() {
    createConfigFile(*window);
    NetworkPortItem* otherLrr = window->addNetworkPort("COM4", NetworkPortItem::lrr, 4);
    window->addNetworkDevice(otherLrr, 1);
    NetworkPortItem* emptyLrr = window->addNetworkPort("COM5", NetworkPortItem::lrr, 5);

    // "on" or "off" when the Paste action and button agree, "mismatch" otherwise.
    auto paste = [&](QTreeWidgetItem* item) {
        selectOnly(*window, item);
        const bool action = actionOf(*window, "action_Paste")->isEnabled();
        if (buttonOf(*window, "pasteButton")->isEnabled() != action) {
            return QStringLiteral("mismatch");
        }
        return action ? QStringLiteral("on") : QStringLiteral("off");
    };

    QCOMPARE(paste(emptyLrr), "off"); // empty clipboard
    selectOnly(*window, rows["device"]);
    actionOf(*window, "actionCopy")->trigger();
    QCOMPARE(paste(rows["device"]), "off"); // the copied device itself
    QCOMPARE(paste(emptyLrr), "on");        // no device 1 there yet
    QCOMPARE(paste(otherLrr), "off");       // device 1 already used there
    QCOMPARE(paste(rows["direct port"]), "off");
    QCOMPARE(paste(otherLrr->child(0)), "on"); // device onto device

    selectOnly(*window, rows["lrr port"]);
    actionOf(*window, "action_Cut")->trigger();
    QCOMPARE(paste(rows["direct port"]), "on");
    QCOMPARE(paste(rows["unused port"]), "off");
    QCOMPARE(paste(rows["device"]), "off");
}

void MenuStateTest::fileRemovedOutsideTakesEffectOnNextChange() {
    createConfigFile(*window);
    selectOnly(*window, rows["lrr port"]);
    QVERIFY(actionOf(*window, "actionAdd_Port")->isEnabled());

    QFile::remove(QString::fromStdString(window->getQuarnTCUDataFileName()));
    QVERIFY(actionOf(*window, "actionAdd_Port")->isEnabled());
    selectOnly(*window, rows["device"]);
    QCOMPARE(enabledCommands(*window), QStringList{"actionNetwork_create"});

    // Any kind of entry of that name counts as the network being present.
    QDir().mkpath(QString::fromStdString(window->getQuarnTCUDataFileName()));
    window->updateMenus();
    QCOMPARE(window->selectedItem(), rows["device"]);
}

QTEST_MAIN(MenuStateTest)
#include "tst_menustate.moc"
