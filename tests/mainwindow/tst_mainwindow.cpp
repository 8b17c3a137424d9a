#include "messageof.h"
#include "modalanswerer.h"
#include "tablerow.h"
#include "windowfixture.h"

#include <QDir>
#include <QtTest>

#include <memory>

namespace {

// The network every case starts from, saved; COM3 is the machine's adapter.
const QString base = "COM1 lrr 1 [1.5 1.7 r2], COM2 direct, COM3* lrr 3 [3.1], COM4 lrr 4, "
                     "COM5 ignored";

// Whether the network is modified, the selected row and whether Paste is offered.
QString stateOf(MainWindow& window) {
    QStringList state;
    if (window.isModified())
        state << "m";
    if (NetworkItem* selected = window.selectedItem()) {
        auto* device = dynamic_cast<NetworkDeviceItem*>(selected);
        state << "sel=" + (device ? device->port->name + '/' + QString::number(device->submaster_id)
                                  : selected->name);
    }
    if (window.findChild<QAction*>("action_Paste")->isEnabled())
        state << "paste";
    return state.join(' ');
}

// The commands whose enabled state the network and the selection decide, in groups: creating
// the network, the network as a whole, adding a device, the selected item, port, device, paste.
const QList<QPair<char, QStringList>> commandGroups{
    {'C', {"actionNetwork_create"}},
    {'N', {"actionNetwork_delete", "action_Export", "action_Import", "actionAdd_Port"}},
    {'A', {"addButton", "actionAdd_Device"}},
    {'I', {"deleteButton", "editButton", "action_Cut", "cutButton", "actionCopy", "copyButton"}},
    {'P', {"actionDelete_Port", "actionEdit_Port"}},
    {'D', {"actionDelete_Device", "actionEdit_Device"}},
    {'V', {"action_Paste", "pasteButton"}}};

// The letters of the groups enabled; a group only partly enabled shows as '?'.
QString enabledGroups(MainWindow& window) {
    QString groups;
    for (const auto& [letter, names] : commandGroups) {
        int enabled = 0;
        for (const QString& name : names)
            enabled += window.findChild<QObject*>(name)->property("enabled").toBool();
        groups += enabled == 0 ? QString() : QString(enabled == names.size() ? letter : '?');
    }
    return groups;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowOnTestMachine> test;
    MainWindow* window = nullptr;

private slots:
    void init() {
        test = std::make_unique<WindowOnTestMachine>(
            std::vector<MachinePorts::Port>{{"COM3", "CP210x"}});
        window = &test->window;
        writeFile(configFileOf(*window), "{\"net\": []}");
        QVERIFY(window->load(window->getQuarnTCUDataFileName()));
        NetworkPortItem* com1 = window->addNetworkPort("COM1", NetworkPortItem::lrr, 1);
        window->addNetworkDevice(com1, 5);
        window->addNetworkDevice(com1, 7)->set_retries(2);
        window->addNetworkPort("COM2", NetworkPortItem::direct, 0);
        NetworkPortItem* com3 = window->findNetworkPort("COM3");
        com3->set_port_type(NetworkPortItem::lrr);
        com3->set_master_id(3);
        window->addNetworkDevice(com3, 1);
        window->addNetworkPort("COM4", NetworkPortItem::lrr, 4);
        window->addNetworkPort("COM5", NetworkPortItem::ignored, 0);
        QVERIFY(window->save());
        QCOMPARE(networkOf(*window), base);
    }

    void cleanup() { test.reset(); }

    // The user's commands with the answers to what they open; the network afterwards (changes
    // "FROM => TO" to the network the case starts from), the window's state and the message
    // boxes shown. Lists in a column are separated by ';'.
    void commands_data() {
        addColumns({"commands", "answers", "network", "state", "messages"});
        addRow("add port", {"actionAdd_Port", "COM6|>|LRR Network|012|finish",
                            "ignored => ignored, COM6 lrr 12", "m", ""});
        addRow("add port, ID refused", {"actionAdd_Port", "COM6|>|LRR Network|finish;OK", "", "",
                                        "Add port request: Master ID 0 is invalid [1..255]"});
        addRow("add port, name refused", {"actionAdd_Port", "com1|finish;OK", "", "",
                                          "Add port request: Port \"com1\" is already defined"});
        addRow("add port cancelled", {"actionAdd_Port", "cancel", "", "", ""});
        addRow("add device",
               {"@COM4 actionAdd_Device", "5|finish", "lrr 4 => lrr 4 [4.5]", "m sel=COM4", ""});
        addRow("add device to a device's port",
               {"@COM1/5 addButton", "9|finish", "1.7 r2] => 1.7 r2 1.9]", "m sel=COM1/5", ""});
        addRow("add device refused", {"@COM1 actionAdd_Device", "7|finish;OK", "", "sel=COM1",
                                      "Add device request: Submaster ID 7 is already in use"});
        addRow("delete port",
               {"@COM1 actionDelete_Port", "Yes", "COM1 lrr 1 [1.5 1.7 r2], COM2 => COM2", "m",
                "Enquiry: Delete port COM1?"});
        addRow("delete machine port", {"@COM3 deleteButton", "Yes", "lrr 3 [3.1] => ignored", "m",
                                       "Enquiry: Delete port COM3?"});
        addRow("delete port declined",
               {"@COM1 actionDelete_Port", "No", "", "sel=COM1", "Enquiry: Delete port COM1?"});
        addRow("delete device", {"@COM1/5 actionDelete_Device", "Yes", "1.5 1.7 => 1.7", "m",
                                 "Enquiry: Delete device TCU .5?"});
        // The Delete button leaves nothing selected, also when the question is declined.
        addRow("delete device declined",
               {"@COM1/7 deleteButton", "No", "", "", "Enquiry: Delete device TCU .7?"});
        // Refreshing 1.5 to 11.5 moves it behind 1.7 in the sorted tree; both rows are refreshed.
        addRow("edit port", {"@COM1 actionEdit_Port", "masterIdSpinBox=11|OK",
                             "lrr 1 [1.5 1.7 => lrr 11 [11.5 11.7", "m sel=COM1", ""});
        addRow("edit port to direct", {"@COM1 editButton", "localTCURadioButton|OK",
                                       "COM1 lrr 1 [1.5 1.7 r2] => COM1 direct", "m sel=COM1", ""});
        addRow("edit port cancelled", {"@COM1 actionEdit_Port", "Cancel", "", "sel=COM1", ""});
        // The Edit button marks the network changed even when the dialog is cancelled.
        addRow("edit button cancelled", {"@COM1 editButton", "Cancel", "", "m sel=COM1", ""});
        addRow("edit device", {"@COM1/5 actionEdit_Device", "retriesInherit=0|retriesSpinBox=7|OK",
                               "1.5 1.7 => 1.5 r7 1.7", "m sel=COM1/5", ""});
        addRow("edit device, button", {"@COM3/1 editButton", "delayInherit=0|delaySpinBox=9|OK",
                                       "3.1 => 3.1 d9", "m sel=COM3/1", ""});
        addRow("edit device cancelled",
               {"@COM3/1 actionEdit_Device", "delayInherit=0|Cancel", "", "sel=COM3/1", ""});
        // Paste leaves the modified flag alone.
        addRow("copy device onto port", {"@COM1/7 actionCopy @COM4 action_Paste", "",
                                         "lrr 4 => lrr 4 [4.7 r2]", "sel=COM4", ""});
        addRow("copy device twice", {"@COM1/5 copyButton @COM4 pasteButton @COM3 pasteButton", "",
                                     "lrr 4 => lrr 4 [4.5];3.1] => 3.1 3.5]", "sel=COM3", ""});
        addRow("copy device onto device", {"@COM1/7 actionCopy @COM3/1 action_Paste", "",
                                           "3.1 => 3.1 r2", "sel=COM3/1 paste", ""});
        addRow("cut port onto port",
               {"@COM1 cutButton @COM2 pasteButton", "",
                "COM1 lrr 1 [1.5 1.7 r2], COM2 direct => COM2 lrr 1 [1.5 1.7 r2]", "sel=COM2", ""});
        addRow("deleting empties the clipboard",
               {"@COM1/5 action_Cut @COM1/7 actionDelete_Device @COM4", "Yes", "1.5 1.7 r2 => 1.5",
                "m sel=COM4", "Enquiry: Delete device TCU .7?"});
        addRow("apply does nothing", {"@COM1 applyButton", "", "", "sel=COM1", ""});
    }

    void commands() {
        QFETCH(QString, commands);
        QFETCH(QString, answers);
        QFETCH(QString, network);
        QStringList messages;
        ModalAnswerer answerer;
        for (const QString& answer : itemsOf(answers))
            answerer.then(answerWith(answer, &messages));
        run(*window, commands);
        QVERIFY(answerer.allAnswered());
        QString expected = base;
        for (const QString& change : itemsOf(network))
            expected.replace(change.section(" => ", 0, 0), change.section(" => ", 1));
        QCOMPARE(networkOf(*window), expected);
        QTEST(stateOf(*window), "state");
        QTEST(messages.join(';'), "messages");
    }

    // Which commands are offered: only creating the network while its file is missing, then by
    // the selection and the clipboard.
    void enabledCommands_data() {
        addColumns({"commands", "enabled"});
        addRow("no file", {"removeFile @COM1", "C"});
        addRow("nothing selected", {"@", "N"});
        addRow("lrr port", {"@COM4", "NAIP"});
        addRow("direct port", {"@COM2", "NIP"});
        addRow("unused port", {"@COM5", "NIP"});
        addRow("device", {"@COM1/5", "NAID"});
        addRow("device copied, its port", {"@COM1/5 actionCopy @COM1", "NAIP"});
        addRow("device copied, other port", {"@COM1/5 copyButton @COM4", "NAIPV"});
        addRow("device copied, itself", {"@COM1/5 actionCopy", "NAID"});
        addRow("device copied, other device", {"@COM1/5 actionCopy @COM3/1", "NAIDV"});
        addRow("device copied, direct port", {"@COM1/5 actionCopy @COM2", "NIP"});
        addRow("port cut, unused port", {"@COM1 action_Cut @COM5", "NIP"});
        addRow("port cut, device", {"@COM1 cutButton @COM3/1", "NAID"});
        addRow("port cut, direct port", {"@COM1 action_Cut @COM2", "NIPV"});
    }

    void enabledCommands() {
        QFETCH(QString, commands);
        if (commands.startsWith("removeFile "))
            QFile::remove(configFileOf(*window));
        run(*window, commands.remove("removeFile "));
        QTEST(enabledGroups(*window), "enabled");
    }

    // The file's presence is checked when the menus are recomputed; any kind of entry of that
    // name counts.
    void fileRemovedOutsideTakesEffectOnNextChange() {
        run(*window, "@COM1");
        QFile::remove(configFileOf(*window));
        QVERIFY(window->findChild<QAction*>("actionAdd_Port")->isEnabled());
        run(*window, "@COM1/5");
        QCOMPARE(window->selectedItem(), nullptr);
        QDir().mkpath(configFileOf(*window));
        window->updateMenus();
        QCOMPARE(window->selectedItem(), rowAt(*window, "COM1/5"));
    }

    // Names are unique whatever their letter case, IDs are 1..255 and submaster IDs unique on
    // their port; ports are sorted as text, devices by their address.
    void identityRules() {
        window->clearNetwork();
        const std::pair<const char*, const char*> calls[] = {
            {"COM3 lrr 255", ""},
            {"com3 direct 1", "Port \"com3\" is already defined"},
            {"COM4 lrr 0", "Master ID 0 is invalid [1..255]"},
            {"COM4 lrr 256", "Master ID 256 is invalid [1..255]"},
            {"COM10 direct 7", ""},
            {"auto ignored 77", ""},
            {"COM1 lrr 255", ""},
            {"COM3 5", ""},
            {"COM3 10", ""},
            {"COM3 0", "Submaster ID 0 is invalid [1..255]"},
            {"COM3 256", "Submaster ID 256 is invalid [1..255]"},
            {"COM3 5", "Submaster ID 5 is already in use"},
            {"COM1 5", ""}};
        const QStringList types{"ignored", "direct", "lrr"};
        for (const auto& [call, message] : calls) {
            const QStringList words = QString(call).split(' ');
            QCOMPARE(messageOf([&] {
                         if (words.size() == 3)
                             window->addNetworkPort(
                                 words[0], NetworkPortItem::port_type_t(types.indexOf(words[1])),
                                 words[2].toInt());
                         else
                             window->addNetworkDevice(window->findNetworkPort(words[0]),
                                                      words[1].toInt());
                     }),
                     QString(message));
        }
        QCOMPARE(networkOf(*window), QString("COM1 lrr 255 [255.5], COM10 direct, COM3 lrr 255 "
                                             "[255.10 255.5], auto ignored"));
        QCOMPARE(rowAt(*window, "COM3/5")->name, QString("TCU .5"));
        QCOMPARE(window->findNetworkPort("cOm10"), rowAt(*window, "COM10"));
        QVERIFY(window->isModified());
    }

    // Deleting the current row makes the tree select a neighbour while the row is half
    // destroyed; the menus recomputed then must not see it in the clipboard.
    void deletingTheCurrentRow() {
        NetworkItem* device = rowAt(*window, "COM1/5");
        treeOf(*window)->setCurrentItem(device);
        run(*window, "actionCopy");
        bool clipboardHeldDyingRow = false;
        connect(treeOf(*window), &QTreeWidget::itemSelectionChanged, window,
                [&] { clipboardHeldDyingRow |= window->clipboardContent() == device; });
        window->deleteItem(device);
        QVERIFY(!clipboardHeldDyingRow);
        QCOMPARE(stateOf(*window), QString("sel=COM1/7"));
        window->deleteItem(nullptr);
        run(*window, "@COM1 actionCopy");
        window->addNetworkPort("COM9", NetworkPortItem::ignored, 0);
        window->clearNetwork();
        QCOMPARE(networkOf(*window), QString());
        QCOMPARE(stateOf(*window), QString("m")); // clearing leaves the modified flag alone
        QCOMPARE(window->clipboardContent(), nullptr);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
