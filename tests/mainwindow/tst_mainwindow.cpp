#include "modalanswerer.h"
#include "res/resourceicon.h"
#include "storage/networkformat.h"
#include "tablerow.h"
#include "windowfixture.h"

#include <QDir>
#include <QtTest>

#include <memory>

namespace {

// The saved network every case starts from; COM3 is the machine's adapter.
const QByteArray saved = R"({"net": [{"name": "COM1", "type": "lrr", "master_id": 1, "tcus":
    [{"submaster_id": 5}, {"submaster_id": 7, "retries": 2}]}, {"name": "COM2", "type": "direct"},
    {"name": "COM3", "type": "lrr", "master_id": 3, "tcus": [{"submaster_id": 1}]},
    {"name": "COM4", "type": "lrr", "master_id": 4}, {"name": "COM5", "type": "ignored"}]})";
const QString base = "COM1 lrr 1 [1.5 1.7 r2], COM2 direct, COM3* lrr 3 [3.1], COM4 lrr 4, "
                     "COM5 ignored";

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

// "m" when modified, "closed", the selected row, and the letters of the groups enabled (a group
// only partly enabled shows as '?').
QString stateOf(MainWindow& window) {
    QStringList state;
    if (window.isModified())
        state << "m";
    if (!window.isVisible())
        state << "closed";
    if (NetworkItem* selected = window.selectedItem()) {
        auto* device = dynamic_cast<NetworkDeviceItem*>(selected);
        state << "sel=" + (device ? device->port->name + '/' + QString::number(device->submaster_id)
                                  : selected->name);
    }
    QString groups;
    for (const auto& [letter, names] : commandGroups) {
        int enabled = 0;
        for (const QString& name : names)
            enabled += window.findChild<QObject*>(name)->property("enabled").toBool();
        groups += enabled == 0 ? QString() : QString(enabled == names.size() ? letter : '?');
    }
    return (state << groups).join(' ').trimmed();
}

// Icons from files carry no name, so they are compared by what they draw.
bool showsIcon(const QIcon& icon, const QString& name) {
    const QImage expected = QIcon(":/res/" + name + ".ico").pixmap(16, 16).toImage();
    return (name.isEmpty() || !expected.isNull()) && icon.pixmap(16, 16).toImage() == expected;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowOnTestMachine> test;
    MainWindow* window = nullptr;
    QString config;

    void start() {
        test.reset();
        test = std::make_unique<WindowOnTestMachine>();
        window = test->window.get();
        config = configFileOf(*window);
        window->show();
    }

    // The steps of a case that are not the user's commands.
    void prepare(const QString& step) {
        if (step == "restart") {
            start();
        } else if (step == "load") {
            QVERIFY(window->load());
        } else if (step == "block") { // a folder in its place makes the file impossible to write
            QFile::remove(config);
            QDir().mkpath(config + "/blocked");
        } else if (step == "nofile") {
            QFile::remove(config);
        } else if (step == "change") {
            window->addNetworkPort("COM6", NetworkPortItem::direct, 0);
        } else if (step == "close") {
            window->close();
        } else {
            run(*window, step);
        }
    }

private slots:
    void init() {
        start();
        writeFile(config, saved);
        writeFile(test->home.path() + "/in.net", R"({"net": [{"name": "COM9", "type": "lrr",
            "master_id": 2, "tcus": [{"submaster_id": 3}, {"submaster_id": 2}]}]})");
        writeFile(test->home.path() + "/bad.net", "not json");
        QVERIFY(window->load());
        QCOMPARE(networkOf(*window), base);
        QCOMPARE(window->windowTitle(), QString("Tessarund [1.1.0]"));
    }

    void cleanup() { test.reset(); }

    // The steps and the answers to what they open (';' between answers); then the network
    // ("=NETWORK" for all of it, else changes to the network the case starts from, ';' between
    // them: "FROM => TO", or a port added at the end), the window's state (see stateOf), the
    // configuration file (empty: as it was, "tree": the tree as written, "none") and the
    // beginnings of the message boxes shown.
    void commands_data() {
        addColumns({"steps", "answers", "network", "state", "file", "messages"});
        const QString create = "Enquiry: Create default network configuration file?";
        const QString unwritable = "Save network configuration file: Unable to write file";
        const QString unreadable = "Load network configuration file: Unable to parse file";
        const QString deleteAll = "Enquiry: Are you sure you want to delete the whole network";
        addRow("start, no file, declined", {"restart load", "No", "=", "C", "none", create});
        addRow("start, no file, accepted",
               {"restart load", "Yes", "=COM3* ignored", "N", "tree", create});
        addRow("OK, unchanged", {"okButton", "", "", "closed N", "", ""});
        addRow("OK", {"change okButton", "", "COM6 direct", "closed N", "tree", ""});
        addRow("OK, not written",
               {"change block okButton", "OK", "COM6 direct", "m N", "none", unwritable});
        addRow("close", {"change close", "", "COM6 direct", "closed N", "tree", ""});
        addRow("close, not written",
               {"change block close", "OK", "COM6 direct", "m closed N", "none", unwritable});
        addRow("Cancel", {"change cancelButton", "", "COM6 direct", "closed N", "tree", ""});
        addRow("cancel, not written", {"change block cancelButton", "OK", "COM6 direct",
                                       "m closed N", "none", unwritable});
        addRow("exit", {"change actionE_xit", "", "COM6 direct", "closed N", "tree", ""});
        addRow("exit, not written",
               {"change block actionE_xit", "OK", "COM6 direct", "m closed N", "none", unwritable});
        addRow("apply, unchanged", {"@COM1 applyButton", "", "", "sel=COM1 NAIP", "", ""});
        addRow("apply", {"change applyButton", "", "COM6 direct", "N", "tree", ""});
        addRow("apply, not written",
               {"change block applyButton", "OK", "COM6 direct", "m N", "none", unwritable});
        addRow("delete network declined", {"actionNetwork_delete", "No", "", "N", "", deleteAll});
        addRow("delete network",
               {"change actionNetwork_delete", "Yes", "=", "C", "none", deleteAll});
        addRow("create network",
               {"nofile change actionNetwork_create", "", "COM6 direct", "N", "tree", ""});
        addRow("create network, not written",
               {"block actionNetwork_create", "OK", "", "m N", "none", unwritable});
        addRow("export", {"change action_Export", "file=HOME/out.net", "COM6 direct", "m N", "",
                          "Export network file: save"});
        addRow("import cancelled", {"change action_Import", "Cancel", "COM6 direct", "m N", "",
                                    "Import network file: open"});
        addRow("import", {"change action_Import", "file=HOME/in.net", "=COM9 lrr 2 [2.2 2.3]", "N",
                          "", "Import network file: open"});
        addRow("import, unreadable", {"action_Import", "file=HOME/bad.net;OK", "=", "m N", "",
                                      "Import network file: open;" + unreadable});
        addRow("about", {"action_aboutThis", "OK", "", "N", "", ""});
        addRow("about Qt", {"action_aboutQt", "OK", "", "N", "", "About Qt"});
        const QString typePage = "New Network Port Wizard: -Not used *Local TCU -LRR Network";
        const QString portSummary = "New Network Port Wizard: Port name: COM6 Network type: ";
        addRow("add port", {"actionAdd_Port", "COM6|Next >|LRR Network|012|Next >|?|Finish",
                            "COM6 lrr 12", "m N", "", portSummary + "LRR Network Master ID: 012"});
        addRow("add port, lowest ID", {"actionAdd_Port", "COM6|Next >|LRR Network|1|Next >|Finish",
                                       "COM6 lrr 1", "m N", "", ""});
        addRow("add port, highest ID",
               {"actionAdd_Port", "COM6|Next >|LRR Network|a2-5 +b5|Next >|Finish", "COM6 lrr 255",
                "m N", "", ""});
        addRow("add port, LRR then not used",
               {"actionAdd_Port", "COM6|Next >|LRR Network|7|Not used|Next >|?|Finish",
                "COM6 ignored", "m N", "", portSummary + "Not used"});
        addRow("add port, sorted as text", {"actionAdd_Port", "COM10|Next >|?|Next >|Finish",
                                            "COM2 => COM10 direct, COM2", "m N", "", typePage});
        const QString addPort = "Add port request: ";
        addRow("add port, ID 0", {"actionAdd_Port", "COM6|Next >|LRR Network|Next >|Finish;OK", "",
                                  "N", "", addPort + "Master ID 0 is invalid [1..255]"});
        addRow("add port, ID 256",
               {"actionAdd_Port", "COM6|Next >|LRR Network|256|Next >|Finish;OK", "", "N", "",
                addPort + "Master ID 256 is invalid [1..255]"});
        addRow("add port, ID too large for a number",
               {"actionAdd_Port", "COM6|Next >|LRR Network|99999999999|Next >|Finish;OK", "", "N",
                "", addPort + "Master ID 0 is invalid [1..255]"});
        addRow("add port, name taken", {"actionAdd_Port", "com1|Next >|Next >|Finish;OK", "", "N",
                                        "", addPort + "Port \"com1\" is already defined"});
        addRow("add port cancelled", {"actionAdd_Port", "Cancel", "", "N", "", ""});
        addRow("add device",
               {"@COM4 actionAdd_Device", "5|Next >|?|Finish", "lrr 4 => lrr 4 [4.5]",
                "m sel=COM4 NAIP", "", "New Network Device Wizard: Submaster ID: 4.5"});
        addRow("add device to a device's port, sorted as text",
               {"@COM1/5 addButton", "10|Next >|Finish", "[1.5 => [1.10 1.5", "m sel=COM1/5 NAID",
                "", ""});
        addRow("add device, lowest ID", {"@COM4 addButton", "1|Next >|Finish",
                                         "lrr 4 => lrr 4 [4.1]", "m sel=COM4 NAIP", "", ""});
        addRow("add device, highest ID", {"@COM4 actionAdd_Device", "255|Next >|Finish",
                                          "lrr 4 => lrr 4 [4.255]", "m sel=COM4 NAIP", "", ""});
        const QString addDevice = "Add device request: Submaster ID ";
        addRow("add device, ID taken", {"@COM1 actionAdd_Device", "7|Next >|Finish;OK", "",
                                        "sel=COM1 NAIP", "", addDevice + "7 is already in use"});
        addRow("add device, ID 0", {"@COM4 actionAdd_Device", "0|Next >|Finish;OK", "",
                                    "sel=COM4 NAIP", "", addDevice + "0 is invalid [1..255]"});
        addRow("add device, ID 256", {"@COM4 actionAdd_Device", "256|Next >|Finish;OK", "",
                                      "sel=COM4 NAIP", "", addDevice + "256 is invalid [1..255]"});
        addRow("delete port",
               {"@COM1 actionDelete_Port", "Yes", "COM1 lrr 1 [1.5 1.7 r2], COM2 => COM2", "m N",
                "", "Enquiry: Delete port COM1?"});
        addRow("delete machine port", {"@COM3 deleteButton", "Yes", "lrr 3 [3.1] => ignored", "m N",
                                       "", "Enquiry: Delete port COM3?"});
        addRow("delete port declined", {"@COM1 actionDelete_Port", "No", "", "sel=COM1 NAIP", "",
                                        "Enquiry: Delete port COM1?"});
        addRow("delete device", {"@COM1/5 actionDelete_Device", "Yes", "1.5 1.7 => 1.7", "m N", "",
                                 "Enquiry: Delete device TCU .5?"});
        // The Delete button leaves nothing selected, also when the question is declined.
        addRow("delete device declined",
               {"@COM1/7 deleteButton", "No", "", "N", "", "Enquiry: Delete device TCU .7?"});
        // The dialog starts on the port's own type. Refreshing 1.5 to 11.5 moves it behind 1.7
        // in the sorted tree; both rows are refreshed.
        const QString portDialog = "Network Port Properties [COM%1]: ";
        addRow("edit port", {"@COM1 actionEdit_Port", "?|masterIdSpinBox=11|OK",
                             "lrr 1 [1.5 1.7 => lrr 11 [11.5 11.7", "m sel=COM1 NAIP", "",
                             portDialog.arg(1) + "-Not used -Local TCU *LRR network Master ID: 1 "
                                                 "Retries: 5 Delay: 5000"});
        addRow("edit port to direct",
               {"@COM1 editButton", "Local TCU|?|OK", "COM1 lrr 1 [1.5 1.7 r2] => COM1 direct",
                "m sel=COM1 NIP", "", portDialog.arg(1) + "-Not used Local TCU *-LRR network"});
        // Values filled in stay when the type no longer shows them.
        addRow("edit port, values of another type",
               {"@COM5 actionEdit_Port", "?|LRR network|?|retriesSpinBox=7|Not used|OK",
                "COM5 ignored => COM5 ignored r7", "m sel=COM5 NIP", "",
                portDialog.arg(5) + "*Not used -Local TCU -LRR network;" + portDialog.arg(5) +
                    "*-Not used -Local TCU LRR network Master ID: 1 Retries: 5 Delay: 5000"});
        addRow("edit port cancelled", {"@COM2 actionEdit_Port", "?|Cancel", "", "sel=COM2 NIP", "",
                                       portDialog.arg(2) + "-Not used *Local TCU -LRR network"});
        // The Edit button marks the network changed even when the dialog is cancelled.
        addRow("edit button cancelled",
               {"@COM1 editButton", "Cancel", "", "m sel=COM1 NAIP", "", ""});
        // Inherited values show the port's read-only; unchecking Inherit makes them editable.
        const QString deviceDialog = "Network Device Properties [%1]: Retries: ";
        addRow("edit device",
               {"@COM1/5 actionEdit_Device", "?|retriesInherit=0|?|retriesSpinBox=7|OK",
                "1.5 1.7 => 1.5 r7 1.7", "m sel=COM1/5 NAID", "",
                deviceDialog.arg(1.5) + "*Inherit (5) Delay: Inherit (5000);" +
                    deviceDialog.arg(1.5) + "*-Inherit 5 Delay: Inherit (5000)"});
        addRow("edit device, own value",
               {"@COM1/7 actionEdit_Device", "?|retriesInherit=1|?|OK", "1.7 r2] => 1.7]",
                "m sel=COM1/7 NAID", "",
                deviceDialog.arg(1.7) + "-Inherit *2 Delay: Inherit (5000);" +
                    deviceDialog.arg(1.7) + "Inherit *(5) Delay: Inherit (5000)"});
        addRow("edit device, button", {"@COM3/1 editButton", "delayInherit=0|delaySpinBox=9|OK",
                                       "3.1 => 3.1 d9", "m sel=COM3/1 NAID", "", ""});
        addRow("edit device cancelled", {"@COM3/1 actionEdit_Device", "delayInherit=0|Cancel", "",
                                         "sel=COM3/1 NAID", "", ""});
        // Paste leaves the modified flag alone.
        addRow("copy device onto port", {"@COM1/7 actionCopy @COM4 action_Paste", "",
                                         "lrr 4 => lrr 4 [4.7 r2]", "sel=COM4 NAIP", "", ""});
        addRow("copy device twice",
               {"@COM1/5 copyButton @COM4 pasteButton @COM3 pasteButton", "",
                "lrr 4 => lrr 4 [4.5];3.1] => 3.1 3.5]", "sel=COM3 NAIP", "", ""});
        addRow("copy device onto device", {"@COM1/7 actionCopy @COM3/1 action_Paste", "",
                                           "3.1 => 3.1 r2", "sel=COM3/1 NAIDV", "", ""});
        addRow("cut port onto port",
               {"@COM1 cutButton @COM2 pasteButton", "",
                "COM1 lrr 1 [1.5 1.7 r2], COM2 direct => COM2 lrr 1 [1.5 1.7 r2]", "sel=COM2 NAIP",
                "", ""});
        addRow("copy port onto a port with devices",
               {"@COM2 actionCopy @COM1 pasteButton", "", "COM1 lrr 1 [1.5 1.7 r2] => COM1 direct",
                "sel=COM1 NIPV", "", ""});
        addRow("port copied, itself", {"@COM1 actionCopy", "", "", "sel=COM1 NAIP", "", ""});
        addRow("deleting empties the clipboard",
               {"@COM1/5 action_Cut @COM1/7 actionDelete_Device @COM4", "Yes", "1.5 1.7 r2 => 1.5",
                "m sel=COM4 NAIP", "", "Enquiry: Delete device TCU .7?"});
        // Which commands are offered for the selection and the clipboard.
        addRow("direct port", {"@COM2", "", "", "sel=COM2 NIP", "", ""});
        addRow("unused port", {"@COM5", "", "", "sel=COM5 NIP", "", ""});
        addRow("device copied, its port",
               {"@COM1/5 actionCopy @COM1", "", "", "sel=COM1 NAIP", "", ""});
        addRow("device copied, other port",
               {"@COM1/5 copyButton @COM4", "", "", "sel=COM4 NAIPV", "", ""});
        addRow("device copied, itself", {"@COM1/5 actionCopy", "", "", "sel=COM1/5 NAID", "", ""});
        addRow("device copied, direct port",
               {"@COM1/5 actionCopy @COM2", "", "", "sel=COM2 NIP", "", ""});
        addRow("port cut, unused port", {"@COM1 action_Cut @COM5", "", "", "sel=COM5 NIP", "", ""});
        addRow("port cut, device", {"@COM1 cutButton @COM3/1", "", "", "sel=COM3/1 NAID", "", ""});
        addRow("port cut, direct port",
               {"@COM1 action_Cut @COM2", "", "", "sel=COM2 NIPV", "", ""});
        // The file's presence is checked when the menus are recomputed; any kind of entry of that
        // name counts.
        addRow("no file", {"nofile @COM1", "", "", "C", "none", ""});
        addRow("folder for a file", {"block @COM1/5", "", "", "sel=COM1/5 NAID", "none", ""});
    }

    void commands() {
        QFETCH(QString, steps);
        QFETCH(QString, answers);
        QFETCH(QString, network);
        QFETCH(QString, file);
        QFETCH(QString, messages);
        QStringList seen;
        ModalAnswerer answerer(answers.replace("HOME", test->home.path()), &seen);
        for (const QString& step : steps.split(' '))
            prepare(step);
        QVERIFY(answerer.allAnswered());
        QString expected = network.startsWith('=') ? network.mid(1) : base;
        for (const QString& change :
             QString(network.startsWith('=') ? "" : network).split(';', Qt::SkipEmptyParts)) {
            if (change.contains(" => "))
                expected.replace(change.section(" => ", 0, 0), change.section(" => ", 1));
            else
                expected += ", " + change;
        }
        QCOMPARE(networkOf(*window), expected);
        QTEST(stateOf(*window), "state");
        // Creating the network is offered exactly while there is no configuration.
        QCOMPARE(window->findChild<QAction*>("actionNetwork_create")->isEnabled(),
                 !QFileInfo::exists(config));
        const QByteArray tree = storage::networkText(*treeOf(*window));
        QCOMPARE(contentOf(config), file.isEmpty() ? saved : file == "tree" ? tree : "<none>");
        if (steps.contains("Export"))
            QCOMPARE(contentOf(test->home.path() + "/out.net"), tree);
        const QStringList shown = messages.split(';', Qt::SkipEmptyParts);
        for (int i = 0; i < seen.size(); ++i)
            seen[i].truncate(shown.value(i).size());
        QCOMPARE(seen, shown);
    }

    // The first column's icon tells a port of the machine, "auto" and any other port; the
    // second column shows the type, and a device's values with those it inherits marked.
    void rowsShow() {
        window->addNetworkPort("auto", NetworkPortItem::direct, 0);
        static_cast<NetworkPortItem*>(rowAt(*window, "COM1"))->set_retries(3);
        rowAt(*window, "COM1/5")->update_row();
        static_cast<NetworkDeviceItem*>(rowAt(*window, "COM3/1"))->set_delay(9);
        const char* const rows[][4] = {
            {"COM1", "ignore", "LRR ID: 1, retries: 3, delay: 5000", "network-wireless"},
            {"COM2", "ignore", "Direct TCU", "network-wired-3"},
            {"COM3", "usb", "LRR ID: 3, retries: 5, delay: 5000", "network-wireless"},
            {"COM5", "ignore", "Not used", "ignore"},
            {"auto", "find", "Direct TCU", "network-wired-3"},
            {"COM1/5", "device", "retries: 3 (inherit), delay: 5000 (inherit)", ""},
            {"COM1/7", "device", "retries: 2, delay: 5000 (inherit)", ""},
            {"COM3/1", "device", "retries: 5 (inherit), delay: 9", ""}};
        for (const auto& [path, icon0, text, icon1] : rows) {
            QCOMPARE(rowAt(*window, path)->text(1), QString(text));
            QVERIFY2(showsIcon(rowAt(*window, path)->icon(0), icon0) &&
                         showsIcon(rowAt(*window, path)->icon(1), icon1),
                     path);
        }
    }

    // The images are compiled into the core library; each icon holds every size, the shared
    // icon (which decodes only what is drawn) draws what the file does, and no two are alike.
    void icons() {
        QSet<QByteArray> seen;
        for (const char* name :
             {"find", "edit-copy", "dialog-apply", "list-remove", "dialog-cancel", "ignore",
              "network-wireless", "application-exit", "edit-cut", "network-wired-3", "list-add",
              "edit", "vexalo", "usb", "edit-paste", "device"}) {
            const QString file = QString("%1.ico").arg(name);
            const QIcon icon(":/res/" + file);
            for (int side : {16, 24, 32, 48})
                QVERIFY2(icon.availableSizes().contains(QSize(side, side)), name);
            for (int side : {16, 20, 32, 64}) {
                for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Selected}) {
                    QCOMPARE(resourceIcon(file).actualSize(QSize(side, side), mode),
                             icon.actualSize(QSize(side, side), mode));
                    QVERIFY(resourceIcon(file).pixmap(side, mode).toImage() ==
                            icon.pixmap(side, mode).toImage());
                }
            }
            const QImage image = icon.pixmap(16, 16).toImage();
            const QByteArray bits(reinterpret_cast<const char*>(image.constBits()),
                                  int(image.sizeInBytes()));
            QVERIFY2(!seen.contains(bits), name);
            seen.insert(bits);
        }
        QVERIFY(QPixmap(":/res/vexalo.png").width() >= 120);
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
        QCOMPARE(stateOf(*window), QString("sel=COM1/7 NAID"));
        window->deleteItem(nullptr);
        run(*window, "@COM1 actionCopy");
        window->addNetworkPort("COM9", NetworkPortItem::ignored, 0);
        window->clearNetwork();
        QCOMPARE(networkOf(*window), QString());
        QCOMPARE(stateOf(*window), QString("m N")); // clearing leaves the modified flag alone
        QCOMPARE(window->clipboardContent(), nullptr);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
