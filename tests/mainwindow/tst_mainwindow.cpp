#include "app/screenscale.h"
#include "app/startwindow.h"
#include "mainwindow/movedadapters.h"
#include "mainwindow/portnotices.h"
#include "mainwindow/portrows.h"
#include "modalanswerer.h"
#include "model/networkrules.h"
#include "res/resourceicon.h"
#include "smalldisk.h"
#include "storage/networkformat.h"
#include "tablerow.h"
#include "windowfixture.h"

#include <QDir>
#include <QImageReader>
#include <QLockFile>
#include <QProcess>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>

namespace {

// The saved network every case starts from; COM3 is the machine's adapter. COM4's values differ
// from every default and from every field's first value, so that one not carried over shows.
// COM5 comes first, so that the rows show sorted only if the load sorts them.
const QByteArray saved = R"({"net": [{"name": "COM5", "type": "ignored"}, {"name": "COM1",
    "type": "lrr", "master_id": 1, "tcus": [{"submaster_id": 5}, {"submaster_id": 7,
    "retries": 2}]}, {"name": "COM2", "type": "direct"}, {"name": "COM3", "type": "lrr",
    "master_id": 3, "tcus": [{"submaster_id": 1}]}, {"name": "COM4", "type": "lrr",
    "master_id": 4, "retries": 2, "delay": 9}]})";
const QString base = "COM1 lrr 1 [1.5 1.7 r2], COM2 direct, COM3* lrr 3 [3.1], COM4 lrr 4 r2 d9, "
                     "COM5 ignored";

// Commands by what enables them: create, network, add device, item, port, device, paste.
const QList<QPair<char, QStringList>> commandGroups{
    {'C', {"actionNetwork_create"}},
    {'N', {"actionNetwork_delete", "action_Export", "action_Import", "actionAdd_Port"}},
    {'A', {"addButton", "actionAdd_Device"}},
    {'I', {"deleteButton", "editButton", "action_Cut", "cutButton", "actionCopy", "copyButton"}},
    {'P', {"actionDelete_Port", "actionEdit_Port"}},
    {'D', {"actionDelete_Device", "actionEdit_Device"}},
    {'V', {"action_Paste", "pasteButton"}}};

// "m" if modified, "closed", the selected row, the groups enabled ('?' when partly enabled).
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

// The screen the suite runs on, as a multiple of 96 dpi: its dots per inch (QT_FONT_DPI, which
// CTest sets since the offscreen screen's own are 100) times Qt's own factor (QT_SCALE_FACTOR).
qreal screenScale() {
    const int dpi = qEnvironmentVariableIntValue("QT_FONT_DPI");
    return (dpi > 0 ? dpi / 96.0 : 1.0) * qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
}

// The file's own image of a size, null when the file holds none or there is no file.
QImage imageOfSide(const QString& name, int side) {
    QImageReader reader(":/res/" + name + ".ico");
    for (int index = 0; index < reader.imageCount() && reader.jumpToImage(index); ++index) {
        if (reader.size() == QSize(side, side))
            return reader.read().convertToFormat(QImage::Format_ARGB32);
    }
    return {};
}

// The file's image of the size the tree draws icons in on the suite's screen.
QImage expectedIcon(const QString& name) {
    const qreal scale = screenScale();
    QImage image = imageOfSide(name, qRound(16 * scale));
    image.setDevicePixelRatio(scale);
    return image;
}

// The image the tree draws for a cell's icon on its window's screen.
QImage drawnIcon(QTreeWidget& tree, QTreeWidgetItem* row, int column) {
    const int side = tree.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &tree);
    const QIcon icon = row->icon(column);
    return icon.isNull() ? QImage()
                         : icon.pixmap(tree.window()->windowHandle(), QSize(side, side))
                               .toImage()
                               .convertToFormat(QImage::Format_ARGB32);
}

QModelIndex indexOf(QTreeWidget& tree, QTreeWidgetItem* row, int column) {
    QTreeWidgetItem* parent = row->parent();
    return parent ? tree.model()->index(parent->indexOfChild(row), column, indexOf(tree, parent, 0))
                  : tree.model()->index(tree.indexOfTopLevelItem(row), column);
}

// Lays a cell out as the tree's default delegate does.
class CellLayout : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::initStyleOption;
};

// Whether the tree shows a cell's text whole: not elided by the style, not cut by the viewport.
bool showsWhole(QTreeWidget& tree, QTreeWidgetItem* row, int column) {
    const QModelIndex index = indexOf(tree, row, column);
    QStyleOptionViewItem option;
    option.initFrom(&tree);
    option.widget = &tree;
    option.rect = tree.visualRect(index);
    const int side = tree.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &tree);
    option.decorationSize = QSize(side, side);
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    CellLayout().initStyleOption(&option, index);
    QRect text = tree.style()->subElementRect(QStyle::SE_ItemViewItemText, &option, &tree);
    text &= tree.viewport()->rect();
    const int margin = tree.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &tree) + 1;
    return QFontMetricsF(option.font).horizontalAdvance(option.text) <= text.width() - 2 * margin;
}

// The network a table row describes: "=ALL", or changes to base, ';' between them: "FROM => TO",
// where FROM occurs once, or a port added at the end.
QString expectedNetwork(const QString& network) {
    QString expected = network.startsWith('=') ? network.mid(1) : base;
    for (const QString& change :
         QString(network.startsWith('=') ? "" : network).split(';', Qt::SkipEmptyParts)) {
        const QString from = change.section(" => ", 0, 0);
        if (change.contains(" => ") && expected.count(from) != 1)
            return "not once in " + expected + ": " + from;
        expected = change.contains(" => ") ? expected.replace(from, change.section(" => ", 1))
                                           : expected + ", " + change;
    }
    return expected;
}

// A port of the test machine as "NAME:DESCRIPTION:INSTANCE", '_' for a space, INSTANCE optional.
TestPort testPort(const QString& text) {
    const QStringList parts = text.split(':');
    return {parts[0].toStdString(), parts.value(1).replace('_', ' ').toStdString(),
            parts.value(2).toStdString()};
}

// The adapter with serial number 0001 on USB.
const QString serial1 = R"(USB\VID_10C4&PID_EA60\0001)";

// Remembered behind COM7 in the home folder given: the adapter with serial number 0001.
void rememberCom7(const QString& home) {
    const QString folder = home + "/share/" + QCoreApplication::applicationName();
    QDir().mkpath(folder);
    writeFile(folder + "/adapters.json", R"({"COM7": "10C4:EA60/0001"})");
}

// A configuration of COM7 alone, an LRR port with one device.
void configureCom7(MainWindow& window) {
    writeFile(QString::fromStdString(window.getQuarnTCUDataFileName()),
              R"({"net": [{"name": "COM7", "type": "lrr", "master_id": 7,
                  "tcus": [{"submaster_id": 2}]}]})");
}

} // namespace

// The main window on a test machine: its commands, dialogs, rows and network file.
class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowOnTestMachine> test;
    MainWindow* window = nullptr;
    QString config;

    void start() {
        test.reset();
        test = std::make_unique<WindowOnTestMachine>();
        window = test->window.get();
        config = QString::fromStdString(window->getQuarnTCUDataFileName());
        window->show();
    }

    // A step of a case: "restart" without a configuration, "block" (a folder in its place makes
    // the file impossible to write), "nofile", "change" (adds COM6), else the user's commands
    // (see run).
    void prepare(const QString& step) {
        if (step == "restart") {
            start();
            QVERIFY(window->load());
        } else if (step == "block") {
            QFile::remove(config);
            QDir().mkpath(config + "/blocked");
        } else if (step == "nofile") {
            QFile::remove(config);
        } else if (step == "change") {
            window->addNetworkPort("COM6", NetworkPortItem::direct, 0);
        } else {
            const QString fault = run(*window, step);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
    }

public:
    // As the editor starts: at the screen's scale.
    static void initMain() { scaleWithScreen(); }

private slots:
    void init() {
        start();
        writeFile(config, saved);
        writeFile(test->home.filePath("in.net"), R"({"net": [{"name": "COM9", "type": "lrr",
            "master_id": 2, "tcus": [{"submaster_id": 3}, {"submaster_id": 2}]}]})");
        writeFile(test->home.filePath("bad.net"), "not json");
        QVERIFY(window->load());
        QCOMPARE(networkOf(*window), base);
        QCOMPARE(window->windowTitle(), QString("Tessarund [1.1.0]"));
    }

    void cleanup() { test.reset(); }

    void commands_data() {
        addColumns({"steps", "answers", "network", "state", "messages"});
        const QString create = "Enquiry: Create default network configuration file?";
        const QString unwritable = "Save network configuration file: Unable to write file...";
        const QString unreadable = "Load network configuration file: Unable to parse file...";
        const QString deleteAll = "Enquiry: Are you sure you want to delete the whole network";
        addRow("start, no file, declined", {"restart", "No", "=", "C none", create});
        addRow("start, no file, accepted", {"restart", "Yes", "=COM3* ignored", "N tree", create});
        addRow("OK, unchanged", {"okButton", "", "", "closed N", ""});
        addRow("OK", {"change okButton", "", "COM6 direct", "closed N tree", ""});
        addRow("OK, not written",
               {"change block okButton", "OK", "COM6 direct", "m N none", unwritable});
        addRow("exit, not written",
               {"change block actionE_xit", "OK", "COM6 direct", "m closed N none", unwritable});
        addRow("Cancel", {"change cancelButton", "", "COM6 direct", "closed N tree", ""});
        addRow("exit", {"change actionE_xit", "", "COM6 direct", "closed N tree", ""});
        addRow("apply, unchanged", {"@COM1 applyButton", "", "", "sel=COM1 NAIP", ""});
        addRow("apply", {"change applyButton", "", "COM6 direct", "N tree", ""});
        addRow("apply, not written",
               {"change block applyButton", "OK", "COM6 direct", "m N none", unwritable});
        addRow("delete network declined", {"actionNetwork_delete", "No", "", "N", deleteAll});
        addRow("delete network", {"change actionNetwork_delete", "Yes", "=", "C none", deleteAll});
        addRow("create network", {"nofile change @COM1 actionNetwork_create", "", "COM6 direct",
                                  "sel=COM1 NAIP tree", ""});
        addRow("create network, not written", {"nofile @COM1 block actionNetwork_create", "OK", "",
                                               "m sel=COM1 NAIP none", unwritable});
        addRow("export", {"change action_Export", "file=HOME/out.net", "COM6 direct", "m N",
                          "Export network file: save"});
        addRow("import cancelled", {"change action_Import", "Cancel", "COM6 direct", "m N",
                                    "Import network file: open"});
        addRow("import", {"change action_Import", "file=HOME/in.net", "=COM9 lrr 2 [2.2 2.3]", "N",
                          "Import network file: open"});
        addRow("import, unreadable", {"action_Import", "file=HOME/bad.net;OK", "=", "m N",
                                      "Import network file: open;" + unreadable});
        addRow("import, no such file",
               {"action_Import", "file=HOME/none.net;OK;Cancel", "", "N",
                "Import network file: open;Import network file: none.net\nFile not found...;"
                "Import network file: open"});
        addRow("about", {"action_aboutThis", "OK", "", "N", ""});
        addRow("about Qt", {"action_aboutQt", "OK", "", "N", "About Qt..."});
        const QString typePage = "New Network Port Wizard: -Not used *Local TCU -LRR Network";
        const QString portSummary = "New Network Port Wizard: Port name: COM6 Network type: ";
        addRow("add port",
               {"actionAdd_Port", "type=COM6|Next >|LRR Network|type=012|Next >|?|Finish",
                "COM6 lrr 12", "m N", portSummary + "LRR Network Master ID: 012"});
        addRow("add port, lowest ID",
               {"actionAdd_Port", "type=COM6|Next >|LRR Network|type=1|Next >|Finish", "COM6 lrr 1",
                "m N", ""});
        addRow("add port, highest ID",
               {"actionAdd_Port", "type=COM6|Next >|LRR Network|type=a2-5 +b5|Next >|Finish",
                "COM6 lrr 255", "m N", ""});
        addRow("add port, LRR then not used",
               {"actionAdd_Port", "type=COM6|Next >|LRR Network|type=7|Not used|Next >|?|Finish",
                "COM6 ignored", "m N", portSummary + "Not used"});
        addRow("add port, sorted as text", {"actionAdd_Port", "type=COM10|Next >|?|Next >|Finish",
                                            "COM2 => COM10 direct, COM2", "m N", typePage});
        const QString addPort = "Add port request: ";
        addRow("add port, ID 0", {"actionAdd_Port", "type=COM6|Next >|LRR Network|Next >|Finish;OK",
                                  "", "N", addPort + "Master ID 0 is invalid [1..255]"});
        addRow("add port, ID 256",
               {"actionAdd_Port", "type=COM6|Next >|LRR Network|type=256|Next >|Finish;OK", "", "N",
                addPort + "Master ID 256 is invalid [1..255]"});
        addRow("add port, name taken", {"actionAdd_Port", "type=com1|Next >|Next >|Finish;OK", "",
                                        "N", addPort + "Port \"com1\" is already defined"});
        addRow("add port cancelled", {"actionAdd_Port", "Cancel", "", "N", ""});
        addRow("add device",
               {"@COM4 actionAdd_Device", "type=5|Next >|?|Finish", "r2 d9 => r2 d9 [4.5]",
                "m sel=COM4 NAIP", "New Network Device Wizard: Submaster ID: 4.5"});
        addRow("add device to a device's port, sorted as text",
               {"@COM1/5 addButton", "type=10|Next >|Finish", "[1.5 => [1.10 1.5",
                "m sel=COM1/5 NAID", ""});
        addRow("add device, lowest ID", {"@COM4 addButton", "type=1|Next >|Finish",
                                         "r2 d9 => r2 d9 [4.1]", "m sel=COM4 NAIP", ""});
        addRow("add device, highest ID", {"@COM4 actionAdd_Device", "type=255|Next >|Finish",
                                          "r2 d9 => r2 d9 [4.255]", "m sel=COM4 NAIP", ""});
        const QString addDevice = "Add device request: Submaster ID ";
        addRow("add device, ID taken", {"@COM3 actionAdd_Device", "type=1|Next >|Finish;OK", "",
                                        "sel=COM3 NAIP", addDevice + "1 is already in use"});
        addRow("add device, ID 0", {"@COM4 actionAdd_Device", "type=0|Next >|Finish;OK", "",
                                    "sel=COM4 NAIP", addDevice + "0 is invalid [1..255]"});
        addRow("add device, ID 256", {"@COM4 actionAdd_Device", "type=256|Next >|Finish;OK", "",
                                      "sel=COM4 NAIP", addDevice + "256 is invalid [1..255]"});
        addRow("delete port",
               {"@COM1 actionDelete_Port", "Yes", "COM1 lrr 1 [1.5 1.7 r2], COM2 => COM2", "m N",
                "Enquiry: Delete port COM1?"});
        addRow("delete machine port", {"@COM3 deleteButton", "Yes", "lrr 3 [3.1] => ignored", "m N",
                                       "Enquiry: Delete port COM3?"});
        addRow("delete port declined", {"@COM1 actionDelete_Port", "No", "", "sel=COM1 NAIP",
                                        "Enquiry: Delete port COM1?"});
        addRow("delete device", {"@COM1/5 actionDelete_Device", "Yes", "1.5 1.7 => 1.7", "m N",
                                 "Enquiry: Delete device TCU .5?"});
        // The Delete button leaves nothing selected, also when the question is declined.
        addRow("delete device declined",
               {"@COM1/7 deleteButton", "No", "", "N", "Enquiry: Delete device TCU .7?"});
        // Refreshing 1.5 to 11.5 moves it behind 1.7 in the sorted tree; both rows are refreshed.
        const QString portDialog = "Network Port Properties [COM%1]: ";
        addRow("edit port", {"@COM1 actionEdit_Port", "?|masterIdSpinBox=11|OK",
                             "lrr 1 [1.5 1.7 => lrr 11 [11.5 11.7", "m sel=COM1 NAIP",
                             portDialog.arg(1) + "-Not used -Local TCU *LRR network Master ID: 1 "
                                                 "Retries: 5 Delay: 5000"});
        addRow("edit port to direct",
               {"@COM1 editButton", "Local TCU|?|OK", "COM1 lrr 1 [1.5 1.7 r2] => COM1 direct",
                "m sel=COM1 NIP", portDialog.arg(1) + "-Not used Local TCU *-LRR network"});
        // Values filled in stay when the type no longer shows them.
        addRow("edit port, values of another type",
               {"@COM5 actionEdit_Port", "?|LRR network|?|retriesSpinBox=7|Not used|OK",
                "COM5 ignored => COM5 ignored r7", "m sel=COM5 NIP",
                portDialog.arg(5) + "*Not used -Local TCU -LRR network;" + portDialog.arg(5) +
                    "*-Not used -Local TCU LRR network Master ID: 1 Retries: 5 Delay: 5000"});
        addRow("edit port cancelled", {"@COM2 actionEdit_Port", "?|Cancel", "", "sel=COM2 NIP",
                                       portDialog.arg(2) + "-Not used *Local TCU -LRR network"});
        addRow("edit port, own values kept",
               {"@COM4 actionEdit_Port", "?|OK", "", "m sel=COM4 NAIP",
                portDialog.arg(4) + "-Not used -Local TCU *LRR network Master ID: 4 Retries: 2 "
                                    "Delay: 9"});
        addRow("edit port to LRR", {"@COM2 actionEdit_Port", "LRR network|masterIdSpinBox=6|OK",
                                    "COM2 direct => COM2 lrr 6", "m sel=COM2 NAIP", ""});
        // The Edit button marks the network changed even when the dialog is cancelled.
        addRow("edit button cancelled", {"@COM1 editButton", "Cancel", "", "m sel=COM1 NAIP", ""});
        // Inherited values show the port's read-only; unchecking Inherit makes them editable.
        const QString deviceDialog = "Network Device Properties [%1]: Retries: ";
        addRow("edit device",
               {"@COM1/5 actionEdit_Device", "?|retriesInherit=0|?|retriesSpinBox=7|OK",
                "1.5 1.7 => 1.5 r7 1.7", "m sel=COM1/5 NAID",
                deviceDialog.arg(1.5) + "*Inherit (5) Delay: Inherit (5000);" +
                    deviceDialog.arg(1.5) + "*-Inherit 5 Delay: Inherit (5000)"});
        addRow("edit device, own value",
               {"@COM1/7 actionEdit_Device", "?|retriesInherit=1|?|OK", "1.7 r2] => 1.7]",
                "m sel=COM1/7 NAID",
                deviceDialog.arg(1.7) + "-Inherit *2 Delay: Inherit (5000);" +
                    deviceDialog.arg(1.7) + "Inherit *(5) Delay: Inherit (5000)"});
        // With its own delay only, the keyboard starts on the delay; with both, on the retries.
        addRow("edit device, button",
               {"@COM3/1 editButton actionEdit_Device actionEdit_Device",
                "delayInherit=0|delaySpinBox=9|OK;?|retriesInherit=0|retriesSpinBox=3|OK;?|OK",
                "3.1 => 3.1 r3 d9", "m sel=COM3/1 NAID",
                deviceDialog.arg(3.1) + "Inherit (5) Delay: -Inherit *9;" + deviceDialog.arg(3.1) +
                    "-Inherit *3 Delay: -Inherit 9"});
        addRow("edit device cancelled",
               {"@COM3/1 actionEdit_Device", "delayInherit=0|Cancel", "", "sel=COM3/1 NAID", ""});
        // Paste leaves the modified flag alone.
        addRow("copy device onto port", {"@COM1/7 actionCopy @COM4 action_Paste", "",
                                         "r2 d9 => r2 d9 [4.7 r2]", "sel=COM4 NAIP", ""});
        addRow("copy device twice", {"@COM1/5 copyButton @COM4 pasteButton @COM3 pasteButton", "",
                                     "r2 d9 => r2 d9 [4.5];3.1] => 3.1 3.5]", "sel=COM3 NAIP", ""});
        addRow("copy device onto device", {"@COM1/7 actionCopy @COM3/1 action_Paste", "",
                                           "3.1 => 3.1 r2", "sel=COM3/1 NAIDV", ""});
        addRow("cut port onto port",
               {"@COM1 cutButton @COM2 pasteButton", "",
                "COM1 lrr 1 [1.5 1.7 r2], COM2 direct => COM2 lrr 1 [1.5 1.7 r2]", "sel=COM2 NAIP",
                ""});
        addRow("copy port with its own values",
               {"@COM4 actionCopy @COM2 pasteButton", "", "COM2 direct => COM2 lrr 4 r2 d9",
                "sel=COM2 NAIPV", ""});
        addRow("copy port onto a port with devices",
               {"@COM2 actionCopy @COM1 pasteButton", "", "COM1 lrr 1 [1.5 1.7 r2] => COM1 direct",
                "sel=COM1 NIPV", ""});
        addRow("port copied, itself", {"@COM1 actionCopy", "", "", "sel=COM1 NAIP", ""});
        addRow("deleting empties the clipboard",
               {"@COM1/5 action_Cut @COM1/7 actionDelete_Device @COM4", "Yes", "1.5 1.7 r2 => 1.5",
                "m sel=COM4 NAIP", "Enquiry: Delete device TCU .7?"});
        // Which commands are offered for the selection and the clipboard.
        addRow("device copied, its port",
               {"@COM1/5 actionCopy @COM1", "", "", "sel=COM1 NAIP", ""});
        addRow("device copied, other port",
               {"@COM1/5 copyButton @COM4", "", "", "sel=COM4 NAIPV", ""});
        addRow("device copied, itself", {"@COM1/5 actionCopy", "", "", "sel=COM1/5 NAID", ""});
        addRow("device copied, direct port",
               {"@COM1/5 actionCopy @COM2", "", "", "sel=COM2 NIP", ""});
        addRow("port cut, unused port", {"@COM1 action_Cut @COM5", "", "", "sel=COM5 NIP", ""});
        addRow("port cut, device", {"@COM1 cutButton @COM3/1", "", "", "sel=COM3/1 NAID", ""});
        addRow("port cut, direct port", {"@COM1 action_Cut @COM2", "", "", "sel=COM2 NIPV", ""});
        // The file's presence is checked when the menus are recomputed; any kind of entry counts.
        addRow("no file", {"nofile @COM1", "", "", "C none", ""});
        addRow("folder for a file", {"block @COM1/5", "", "", "sel=COM1/5 NAID none", ""});
    }

    // The columns: the steps, ' ' between them (see prepare); the answers to what they open (see
    // ModalAnswerer; HOME is the home folder); the network as networkOf writes it, "=ALL" or
    // changes to the starting one, ';' between them: "FROM => TO", where FROM occurs once, or a
    // port added at the end; the state (see stateOf) and the configuration file ("tree": as the
    // tree writes it, "none", or as it was); the modals' headings as the answerer adds them to
    // seen, ';' between them (one ending in "..." is compared as far as that).
    void commands() {
        QFETCH(QString, steps);
        QFETCH(QString, answers);
        QFETCH(QString, network);
        QFETCH(QString, messages);
        QStringList seen;
        ModalAnswerer answerer(answers.replace("HOME", test->home.path()), &seen);
        for (const QString& step : steps.split(' ')) {
            prepare(step);
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY2(answerer.fault().isEmpty(), qPrintable(answerer.fault()));
        QCOMPARE(networkOf(*window), expectedNetwork(network));
        QCOMPARE(staleRows(*window), QStringList());
        const int width = treeOf(*window)->columnWidth(0); // rows added are fitted in
        treeOf(*window)->resizeColumnToContents(0);
        QVERIFY(width >= treeOf(*window)->columnWidth(0));
        const QByteArray tree = storage::networkText(portRows(*treeOf(*window)));
        QByteArray file = contentOf(config);
        QTEST(stateOf(*window) + (file == saved  ? ""
                                  : file == tree ? " tree"
                                                 : " " + file.replace("<none>", "none")),
              "state");
        // Creating the network is offered exactly while there is no configuration.
        QCOMPARE(window->findChild<QAction*>("actionNetwork_create")->isEnabled(),
                 !QFileInfo::exists(config));
        if (steps.contains("Export"))
            QCOMPARE(contentOf(test->home.filePath("out.net")), tree);
        const QStringList shown = messages.split(';', Qt::SkipEmptyParts);
        for (int i = 0; i < seen.size(); ++i) {
            if (shown.value(i).endsWith("..."))
                seen[i] = seen[i].left(shown[i].size() - 3) + "...";
        }
        QCOMPARE(seen, shown);
    }

    // Icons tell machine ports and "auto"; the second column shows the type or inherited values.
    // At any screen's scale (CTest runs this again at 144 and 192 dpi and at QT_SCALE_FACTOR=2)
    // the window keeps its layout, so its pixels grow by the scale; the texts are shown whole
    // and the icons drawn from the file's image of the scaled size.
    void rows_data() {
        addColumns({"path", "icon0", "text", "icon1"});
        addRow("LRR port",
               {"COM1", "ignore", "LRR ID: 1, retries: 3, delay: 5000", "network-wireless"});
        addRow("machine's port",
               {"COM3", "usb", "LRR ID: 3, retries: 5, delay: 5000", "network-wireless"});
        addRow("ignored port", {"COM5", "ignore", "Not used", "ignore"});
        addRow("auto", {"auto", "find", "Direct TCU", "network-wired-3"});
        addRow("device inheriting",
               {"COM1/5", "device", "retries: 3 (inherit), delay: 5000 (inherit)", ""});
        addRow("device with 0 retries",
               {"COM3/1", "device", "retries: 0, delay: 5000 (inherit)", ""});
    }

    void rows() {
        QFETCH(QString, path);
        QFETCH(QString, icon0);
        QFETCH(QString, text);
        QFETCH(QString, icon1);
        window->addNetworkPort("auto", NetworkPortItem::direct, 0);
        static_cast<NetworkPortItem*>(rowAt(*window, "COM1"))->set_retries(3);
        rowAt(*window, "COM1/5")->update_row();
        static_cast<NetworkDeviceItem*>(rowAt(*window, "COM3/1"))->set_retries(0);
        const qreal scale = screenScale();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->devicePixelRatioF(), scale);
        QCOMPARE(window->grab().size(), window->size() * scale);
        QCOMPARE(window->size(), QSize(800, 600));
        QTreeWidgetItem* row = rowAt(*window, path);
        QCOMPARE(row->text(1), text);
        for (const auto& [column, icon] : {std::pair(0, icon0), std::pair(1, icon1)})
            QCOMPARE(drawnIcon(*treeOf(*window), row, column), expectedIcon(icon));
        for (int column : {0, 1})
            QVERIFY2(showsWhole(*treeOf(*window), row, column), qPrintable(row->text(column)));
    }

    // The shared icons, which decode only what is drawn, draw what the files do, in every mode.
    void icons() {
        const QStringList files = QDir(":/res").entryList({"*.ico"});
        QVERIFY(files.size() >= 16);
        for (const QString& file : files) {
            for (int side : {16, 20, 32, 64})
                for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Selected})
                    QVERIFY2(resourceIcon(file).pixmap(side, mode).toImage() ==
                                 QIcon(":/res/" + file).pixmap(side, mode).toImage(),
                             qPrintable(file));
        }
    }

    // A document (' for ", "<NUL>" for a NUL byte) read into an empty tree: the network read
    // and the beginning of the error shown. What was read before a failure stays.
    void reads_data() {
        addColumns({"text", "network", "error"});
        const QString parseError = "Unable to parse file \"HOME/in.net\": ";
        const QString devices = "{'name':'A','type':'lrr','master_id':1,'tcus':[{'submaster_id':";
        addRow("empty text", {"", "", parseError + "illegal value"});
        addRow("array at the top", {"[1, 2]", "", ""});
        addRow("no net", {"{'ports':[]}", "", ""});
        addRow("net is no array", {"{'net':{}}", "", ""});
        addRow("text after a NUL byte is ignored", {"{'net':[]}<NUL>garbage", "", ""});
        addRow("full port", {"{'net':[{'name':'COM3','type':'lrr','master_id':300,'retries':0,"
                             "'delay':10,'tcus':[{'submaster_id':2,'delay':-5}]}]}",
                             "COM3 lrr 300 r0 d10 [300.2 d-5]", ""});
        addRow("ports match in any letter case; absent values stay as they are",
               {"{'net':[{'name':'COM1','type':'lrr','retries':2},{'type':'direct'},{'name':"
                "'com1','type':'ignored','tcus':[{'retries':4,'submaster_id':6}]}]}",
                " direct, COM1 ignored r2 [0.6 r4]", ""});
        addRow("values that are no whole numbers read as 0",
               {"{'net':[{'name':5,'type':'lrr','master_id':1.5,'retries':'7','delay':null,"
                "'tcus':[{'submaster_id':1,'retries':'x'}]}]}",
                " lrr 0 r0 d0 [0.1 r0]", ""});
        addRow("devices of any port type; tcus that is no array is ignored",
               {"{'net':[{'name':'A','type':'direct','tcus':[{'submaster_id':1}]},{'name':'B',"
                "'type':'lrr','tcus':5}]}",
                "A direct [0.1], B lrr 0", ""});
        addRow("port that is no object", {"{'net':[{'name':'A','type':'lrr'},3,{'name':'B'}]}",
                                          "A lrr 0", "Port structure is not an object"});
        addRow("type in another letter case",
               {"{'net':[{'name':'A','type':'LRR'}]}", "A ignored", "Invalid device type \"LRR\""});
        addRow("type missing", {"{'net':[{'name':'A'}]}", "A ignored", "Invalid device type \"\""});
        addRow("device that is no object", {"{'net':[" + devices + "1},'x',{'submaster_id':2}]}]}",
                                            "A lrr 1 [1.1]", "TCU structure is not an object"});
        addRow("device refused by the identity rules",
               {"{'net':[" + devices + "7},{'submaster_id':7}]},{'name':'B','type':'lrr'}]}",
                "A lrr 1 [1.7]", "Submaster ID 7 is already in use"});
    }

    void reads() {
        QFETCH(QString, text);
        QFETCH(QString, error);
        window->clearNetwork();
        writeFile(test->home.filePath("in.net"),
                  text.replace('\'', '"').toUtf8().replace("<NUL>", QByteArray(1, '\0')));
        QStringList seen;
        ModalAnswerer answerer(error.isEmpty() ? "" : "OK", &seen);
        QCOMPARE(window->load(test->home.filePath("in.net").toStdString()), error.isEmpty());
        QVERIFY2(answerer.fault().isEmpty(), qPrintable(answerer.fault()));
        QTEST(networkOf(*window), "network");
        QCOMPARE(staleRows(*window), QStringList());
        // Devices added mark the network changed; a load that ends well clears the mark.
        QCOMPARE(window->isModified(), !error.isEmpty() && networkOf(*window).contains('['));
        QString message = "Load network configuration file: " + error;
        QCOMPARE(seen.value(0).left(message.size()),
                 error.isEmpty() ? "" : message.replace("HOME", test->home.path()));
        for (int i = 0; i < treeOf(*window)->topLevelItemCount(); ++i) {
            QTreeWidgetItem* port = treeOf(*window)->topLevelItem(i);
            QCOMPARE(port->isExpanded(), port->childCount() > 0);
        }
    }

    // A file written and read back under a UTF-8 name gives the same network; the first column
    // is fitted as row by row, so a port listed after the last device does not widen it.
    void roundTrip() {
        const std::string path = test->home.filePath("ünïcode.net").toUtf8().toStdString();
        window->addNetworkDevice(window->findNetworkPort("COM4"), 2)->set_delay(9);
        const QString network = networkOf(*window);
        QVERIFY(window->save(path));
        const QByteArray text = contentOf(QString::fromStdString(path)); // as Qt's writer has it
        QCOMPARE(text, QJsonDocument::fromJson(text).toJson());
        const int fittedWidth = treeOf(*window)->columnWidth(0);
        window->clearNetwork();
        window->addNetworkPort("COM1", NetworkPortItem::direct, 0);
        treeOf(*window)->setColumnWidth(0, 1);
        QVERIFY(window->load(path));
        QCOMPARE(treeOf(*window)->columnWidth(0), fittedWidth);
        QCOMPARE(networkOf(*window), QString(network).replace("COM3*", "COM3"));
        QVERIFY(!window->isModified());
        const QString device = R"({"name": "COM4", "type": "lrr", "tcus": [{"submaster_id": 1}]})";
        const QString wide = R"({"name": "A port named wider than any device", "type": "ignored"})";
        QList<int> widths;
        for (const QString& entries : {device, device + ", " + wide, wide + ", " + device}) {
            window->clearNetwork();
            writeFile(test->home.filePath("fit.net"), ("{\"net\": [" + entries + "]}").toUtf8());
            QVERIFY(window->load(test->home.filePath("fit.net").toStdString()));
            widths << treeOf(*window)->columnWidth(0);
        }
        QCOMPARE(widths[1], widths[0]);
        QVERIFY(widths[2] > widths[0]);
    }

    // A folder or a loop of links at the configuration's place counts as present and the load
    // says why; a link to nothing does not, and the network created on Yes goes where it points.
    void startWithOddEntry_data() {
        addColumns({"entry", "message"});
        addRow("directory", {"directory", "Unable to parse file"});
        addRow("loop of links", {"loop", std::strerror(ELOOP)});
        addRow("loop of links at its folder", {"folder loop", std::strerror(ELOOP)});
        addRow("dangling link", {"dangling", ""});
    }

    void startWithOddEntry() {
        QFETCH(QString, entry);
        QFETCH(QString, message);
        test.reset();
        QString home, path;
        WindowOnTestMachine machine({{"COM3", "CP210x"}}, [&](const QString& folder) {
            home = folder;
            const QString quarntcu = home + "/share/quarntcu";
            path = quarntcu + "/config.net";
            QDir().mkpath(entry == "directory"     ? path
                          : entry == "folder loop" ? home + "/share"
                                                   : quarntcu);
            if (entry == "folder loop")
                QFile::link(quarntcu, quarntcu);
            else if (entry != "directory")
                QFile::link(entry == "loop" ? path : home + "/elsewhere.net", path);
        });
        MainWindow& fresh = *machine.window;
        const bool present = !message.isEmpty();
        QCOMPARE(fresh.findChild<QAction*>("actionNetwork_create")->isEnabled(), !present);
        QCOMPARE(fresh.findChild<QAction*>("actionNetwork_delete")->isEnabled(), present);
        QStringList seen;
        ModalAnswerer answerer(present ? "OK" : "Yes", &seen);
        QCOMPARE(fresh.load(), !present);
        QVERIFY2(answerer.fault().isEmpty(), qPrintable(answerer.fault()));
        if (present)
            QVERIFY2(seen.value(0).startsWith("Load network configuration file: ") &&
                         seen.value(0).contains(message),
                     qPrintable(seen.value(0)));
        else
            QVERIFY(contentOf(home + "/elsewhere.net").contains("\"COM3\"") &&
                    QFileInfo(path).isSymLink());
    }

    // A write cut short by a full disk fails the save and leaves the old file and the backups as
    // they were, also where the folder allows no new file and the file is rewritten in place.
    void savingOntoAFullDisk_data() {
        addColumns({"steps"});
        for (const char* steps :
             {"save", "okButton", "close", "actionNetwork_create", "inPlace save", "inPlace close"})
            addRow(steps, {steps});
    }

    void savingOntoAFullDisk() {
        QFETCH(QString, steps);
        const QString folder = QFileInfo(config).path();
        SmallDisk disk(folder, 64);
        if (!disk.error().isEmpty())
            QSKIP(qPrintable("needs root to mount a small disk: " + disk.error()));
        // The menus last saw no file there, so that creating the network is offered.
        QCOMPARE(run(*window, "@COM1"), QString());
        writeFile(config, saved);
        const QDir backups(QString::fromStdString(window->getDataFileName()) + "/backups");
        backups.mkpath(".");
        for (int day = 1; day <= 5; ++day)
            writeFile(backups.filePath(QString("config-2020-01-0%1_00-00-00.000.net").arg(day)),
                      "");
        const QStringList kept = backups.entryList(QDir::Files);
        disk.fill();
        std::optional<PermissionsObeyed> obeyed;
        if (steps.startsWith("inPlace ")) {
            QFile(folder).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
            obeyed.emplace();
        }
        // More than the page the old file holds on the disk.
        for (int port = 10; port < 70; ++port)
            window->addNetworkPort(QString("COM%1").arg(port), NetworkPortItem::lrr, 1);
        QStringList seen;
        ModalAnswerer answerer("OK", &seen);
        if (steps.endsWith("save"))
            window->save(window->getQuarnTCUDataFileName());
        else if (steps.endsWith("close"))
            window->close();
        else
            QCOMPARE(run(*window, steps), QString());
        QVERIFY2(answerer.fault().isEmpty(), qPrintable(answerer.fault()));
        QCOMPARE(seen, QStringList("Save network configuration file: Unable to write file \"" +
                                   config + '"'));
        QCOMPARE(contentOf(config), saved);
        QCOMPARE(window->isVisible(), !steps.endsWith("close"));
        QVERIFY(window->isModified());
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({"config.net", "filler"}));
        QCOMPARE(backups.entryList(QDir::Files), kept); // none added, none dropped
    }

    // Each save of the configuration keeps the version it replaces, the newest five, named after
    // the time; other files keep none.
    void savesKeepTheLastFiveVersions() {
        const QDir backups(QString::fromStdString(window->getDataFileName()) + "/backups");
        QList<QByteArray> replaced;
        for (int save = 1; save <= 6; ++save) {
            replaced << contentOf(config);
            window->addNetworkPort(QString("COM%1").arg(save + 10), NetworkPortItem::direct, 0);
            QVERIFY(window->save(window->getQuarnTCUDataFileName()));
        }
        const QStringList names = backups.entryList(QDir::Files, QDir::Name);
        QCOMPARE(names.size(), 5);
        const QRegularExpression dated(R"(^config-\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d\.\d{3}\.net$)");
        for (int i = 0; i < names.size(); ++i) {
            QVERIFY2(dated.match(names[i]).hasMatch(), qPrintable(names[i]));
            QCOMPARE(contentOf(backups.filePath(names[i])), replaced[i + 1]);
        }
        const std::string exported = test->home.filePath("export.net").toStdString();
        QVERIFY(window->save(exported) && window->save(exported));
        QCOMPARE(backups.entryList(QDir::Files, QDir::Name), names);
    }

    // A save of the very bytes it replaces keeps no backup, whatever marked the network changed.
    void backupsOnlyOfChanges_data() {
        addColumns({"steps", "answers", "backups"});
        addRow("start-up Yes, close", {"restart close", "Yes", "0"});
        // Apply makes the file what the tree writes and keeps the version it replaced.
        addRow("Edit, Cancel, close", {"change applyButton @COM1 editButton close", "Cancel", "1"});
        addRow("change, close", {"change close", "", "1"});
    }

    void backupsOnlyOfChanges() {
        QFETCH(QString, steps);
        QFETCH(QString, answers);
        QFETCH(QString, backups);
        ModalAnswerer answerer(answers);
        for (const QString& step : steps.split(' '))
            step == "close" ? void(window->close()) : prepare(step);
        QVERIFY2(answerer.fault().isEmpty(), qPrintable(answerer.fault()));
        QVERIFY(!window->isModified());
        const QDir folder(QString::fromStdString(window->getDataFileName()) + "/backups");
        QCOMPARE(folder.entryList(QDir::Files).size(), backups.toInt());
    }

    // A second editor on the configuration, started as main starts it, asks first and, declined,
    // ends with status 0 having written nothing; opened all the same, it takes the lock once the
    // other editor closes. A lock of an ended process is taken over and one that cannot be made
    // stops nothing. The exit status, or "shown" when the window opens.
    void oneEditorPerConfiguration_data() {
        addColumns({"holder", "answers", "status", "messages"});
        const QString enquiry = "Enquiry: The network configuration is already open in another "
                                "window. Changes saved in one window overwrite those of the "
                                "other. Open it anyway?";
        addRow("second window, No", {"window", "No", "0", enquiry});
        addRow("second window, Yes", {"window", "Yes", "shown", enquiry});
        addRow("second window, Yes, the other closes", {"closes", "Yes", "shown", enquiry});
        addRow("lock of an ended process", {"ended", "", "shown", ""});
        addRow("folder not writable", {"readonly", "", "shown", ""});
    }

    void oneEditorPerConfiguration() {
        QFETCH(QString, holder);
        QFETCH(QString, answers);
        QFETCH(QString, status);
        QFETCH(QString, messages);
        const QString data = QString::fromStdString(window->getDataFileName());
        const QString lockPath = data + "/config.lock";
        std::optional<PermissionsObeyed> obeyed;
        QLockFile other(lockPath);
        if (holder == "window") {
            QVERIFY(window->claimConfiguration());
        } else if (holder == "closes") {
            QVERIFY(other.tryLock(0));
        } else if (holder == "ended") {
            QProcess ended;
            ended.start("true", QStringList());
            QVERIFY(ended.waitForStarted());
            const qint64 pid = ended.processId();
            QVERIFY(ended.waitForFinished());
            QLockFile model(lockPath);
            QVERIFY(model.tryLock(0));
            QByteArray content = contentOf(lockPath);
            model.unlock();
            writeFile(lockPath, QByteArray::number(pid) + content.mid(content.indexOf('\n')));
        } else {
            QFile(data).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
            obeyed.emplace();
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Unable to lock the network"));
        }
        QStringList seen;
        ModalAnswerer answerer(answers, &seen);
        {
            MainWindow second;
            const std::optional<int> exit = prepareWindow(second);
            QCOMPARE(exit ? QString::number(*exit) : QString("shown"), status);
            if (holder == "ended") // the second window holds it now
                QVERIFY(contentOf(lockPath).startsWith(
                    QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
            if (holder == "closes") { // no one else makes the lock file again
                other.unlock();
                QTRY_VERIFY(QFileInfo::exists(lockPath));
            }
        }
        QVERIFY2(answerer.fault().isEmpty(), qPrintable(answerer.fault()));
        QCOMPARE(seen, messages.split(';', Qt::SkipEmptyParts));
        QCOMPARE(contentOf(config), saved);
        obeyed.reset();
        QFile(data).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Every CP210x adapter of the machine, in any letter case, and only those, sorted; without
    // one, a direct port "auto". (Ports already there stay: see "create network".)
    void defaultNetwork() {
        const std::pair<std::vector<WindowOnTestMachine::Port>, const char*> machines[] = {
            {{{"COM3", "Silicon Labs cp210x USB to UART Bridge"},
              {"COM4", "Communications Port"},
              {"COM10", "CP210X"},
              {"COM5", "USB Serial Port (FTDI)"}},
             "COM10* ignored, COM3* ignored"},
            {{{"COM1", "Communications Port"}}, "auto direct"}};
        for (const auto& [ports, network] : machines) {
            WindowOnTestMachine machine(ports);
            QCOMPARE(networkOf(*machine.window), QString(network));
            QCOMPARE(machine.window->isModified(), QString(network) == "auto direct");
        }
    }

    // The configuration lies in "quarntcu" beside the data folder; asking makes the folders.
    void dataLocation() {
        const QString dataHome = QFileInfo(test->dataHome()).canonicalFilePath();
        QDir(dataHome).removeRecursively();
        QCOMPARE(QFileInfo(QString::fromStdString(window->getDataFileName())).canonicalFilePath(),
                 dataHome + '/' + QCoreApplication::applicationName());
        QCOMPARE(QString::fromStdString(window->getQuarnTCUDataFileName()),
                 dataHome + "/quarntcu/config.net");
        QVERIFY(QFileInfo(dataHome + "/quarntcu").isDir() && !QFileInfo::exists(config));
    }

    // The machine's ports come and go while the window is open: "+PORT" plugs in a port (see
    // testPort), "-NAME" pulls one out, anything else is the user's commands. Plugs in a row are
    // one burst, and one re-read. After the steps: the network (see expectedNetwork), the state
    // and the clipboard, the status bar, and a row's icon and tooltip ('|' between lines).
    void followsPorts_data() {
        addColumns({"steps", "answers", "network", "state", "status", "row", "icon", "tooltip"});
        const QString absent = "Not present on this computer";
        addRow("radio adapter plugged in",
               {"@COM1 actionCopy +COM7:CP210x_USB_to_UART:" + serial1, "",
                "COM5 ignored => COM5 ignored, COM7* ignored", "sel=COM1 NAIP clip=COM1",
                "COM7 connected: CP210x USB to UART, serial 0001", "COM7", "usb",
                R"(Description: CP210x USB to UART|VID:PID: 10C4:EA60|Serial number: 0001|)"
                R"(Location: \\.\COM7)"});
        addRow("configured port appears",
               {"+COM4:cp210x", "", "COM4 lrr => COM4* lrr", "N", "COM4 connected: cp210x", "COM4",
                "usb", R"(Description: cp210x|Location: \\.\COM4)"});
        addRow("other port appears",
               {"+COM8:Communications_Port", "", "", "N", "COM8 connected: Communications Port",
                "COM2", "ignore", absent});
        addRow("port without a description appears",
               {"+COM8", "", "", "N", "COM8 connected", "", "", ""});
        addRow("detected port goes, keeping its settings",
               {"@COM3 -COM3", "", "COM3* => COM3", "sel=COM3 NAIP", "COM3 disconnected", "COM3",
                "ignore", absent});
        addRow("then Delete removes it",
               {"-COM3 @COM3 actionDelete_Port", "Yes", "COM3* lrr 3 [3.1],  => ", "m N",
                "COM3 disconnected", "", "", ""});
        addRow("a burst is read once",
               {"+COM7:CP210x +COM8:CP210x -COM3", "", "COM3* => COM3;COM7* ignored;COM8* ignored",
                "N", "COM7 connected: CP210x; COM8 connected: CP210x; COM3 disconnected", "COM8",
                "usb", R"(Description: CP210x|Location: \\.\COM8)"});
        // The adapter of a port configured while it is there is remembered before it goes.
        addRow(
            "port configured, its adapter back under another name",
            {"+COM7:CP210x:" + serial1 + " @COM7 actionEdit_Port -COM7 +COM9:CP210x:" + serial1,
             "LRR network|OK;Yes", "COM5 ignored => COM5 ignored, COM9* lrr 1", "m sel=COM9 NAIP",
             "COM9 connected: CP210x, serial 0001; COM7 disconnected", "COM9", "usb",
             R"(Description: CP210x|VID:PID: 10C4:EA60|Serial number: 0001|Location: \\.\COM9)"});
    }

    void followsPorts() {
        QFETCH(QString, steps);
        QFETCH(QString, answers);
        QFETCH(QString, network);
        auto* statusBar = window->findChild<QStatusBar*>();
        QSignalSpy news(statusBar, &QStatusBar::messageChanged);
        // The messages shown, not their clearing a few seconds later.
        const auto shown = [&news] {
            return std::count_if(news.begin(), news.end(), [](const QList<QVariant>& message) {
                return !message[0].isNull();
            });
        };
        ModalAnswerer answerer(answers);
        RS232::DevNode node = 100;
        bool plugged = false;
        int bursts = 0;
        const QStringList stepsThenEnd = steps.split(' ') + QStringList{""};
        for (const QString& step : stepsThenEnd) {
            if (plugged && !step.startsWith('+') && !step.startsWith('-')) {
                plugged = false;
                ++bursts;
                QTRY_COMPARE_WITH_TIMEOUT(shown(), bursts, 10000);
            }
            if (step.startsWith('+'))
                test->fake.plug(RS232::guidDevclassPorts,
                                testDevice(test->fake, node++, testPort(step.mid(1))));
            else if (step.startsWith('-'))
                test->fake.unplug(step.mid(1).toStdString());
            else
                prepare(step);
            plugged |= step.startsWith('+') || step.startsWith('-');
        }
        QVERIFY2(answerer.fault().isEmpty(), qPrintable(answerer.fault()));
        QCOMPARE(shown(), bursts);
        QCOMPARE(networkOf(*window), expectedNetwork(network));
        const NetworkItem* clip = window->clipboardContent();
        QTEST(stateOf(*window) + (clip ? " clip=" + clip->name : QString()), "state");
        QTEST(statusBar->currentMessage(), "status");
        QCOMPARE(contentOf(config), saved);
        QFETCH(QString, row);
        if (row.isEmpty())
            return;
        QFETCH(QString, icon);
        QCOMPARE(drawnIcon(*treeOf(*window), rowAt(*window, row), 0), expectedIcon(icon));
        for (int column : {0, 1})
            QTEST(rowAt(*window, row)->toolTip(column).replace('\n', '|'), "tooltip");
    }

    // An adapter remembered behind COM7 comes back as another port, present at the start or
    // plugged in later ("machine" and "plug" as in testPort, ' ' between ports): the questions
    // asked at the start, the question, the network after the answers and what is remembered.
    void movesAdapters_data() {
        addColumns({"machine", "plug", "answers", "network", "modified", "asked", "remembered"});
        const QString radio = "COM9:CP210x:" + serial1;
        const QString moved = "COM9=10C4:EA60/0001";
        const QString kept = "COM7=10C4:EA60/0001";
        addRow("Yes at the start", {radio, "", "Yes", "COM9* lrr 7 [7.2]", "1", "1", moved});
        addRow("No at the start, not asked again",
               {radio, "COM8:CP210x", "No", "COM7 lrr 7 [7.2], COM8* ignored, COM9* ignored", "0",
                "1", kept});
        addRow("Yes when plugged in",
               {"COM3:CP210x", radio, "Yes", "COM3* ignored, COM9* lrr 7 [7.2]", "1", "0", moved});
        addRow("another adapter behind COM7, remembered",
               {"COM7:CP210x:" + QString(serial1).replace("0001", "0002"), "", "",
                "COM7* lrr 7 [7.2]", "0", "0", "COM7=10C4:EA60/0002"});
        // No radio adapter: the port has no row until the settings move to it.
        addRow("Yes, onto a port without a row",
               {"COM19:USB_Serial:" + serial1, "", "Yes", "COM19 lrr 7 [7.2], auto direct", "1",
                "1", "COM19=10C4:EA60/0001"});
        addRow("no serial number, never matched",
               {"COM3:CP210x", "COM9:CP210x", "", "COM3* ignored, COM7 lrr 7 [7.2], COM9* ignored",
                "0", "0", kept});
        addRow("identity shared, never matched",
               {radio + " COM10:CP210x:" + serial1, "", "",
                "COM10* ignored, COM7 lrr 7 [7.2], COM9* ignored", "0", "0", kept});
    }

    void movesAdapters() {
        QFETCH(QString, machine);
        QFETCH(QString, plug);
        QFETCH(QString, answers);
        std::vector<TestPort> ports;
        for (const QString& port : machine.split(' '))
            ports.push_back(testPort(port));
        WindowOnTestMachine machineWindow(ports, rememberCom7);
        MainWindow& moving = *machineWindow.window;
        const QString dataFolder = QString::fromStdString(moving.getDataFileName());
        configureCom7(moving);
        QStringList seen;
        ModalAnswerer answerer(answers, &seen);
        QVERIFY(moving.load());
        moving.show();
        QFETCH(QString, asked);
        QTRY_COMPARE(QString::number(seen.size()), asked);
        if (!plug.isEmpty()) {
            QSignalSpy news(moving.findChild<QStatusBar*>(), &QStatusBar::messageChanged);
            machineWindow.fake.plug(RS232::guidDevclassPorts,
                                    testDevice(machineWindow.fake, 50, testPort(plug)));
            QVERIFY(news.wait());
        }
        QTRY_COMPARE(seen.size(), answers.isEmpty() ? 0 : 1);
        QVERIFY2(answerer.fault().isEmpty(), qPrintable(answerer.fault()));
        QFETCH(QString, remembered);
        // The settings are asked to go where the remembered adapter is now.
        const QString to =
            (machine + ' ' + plug).split(' ').filter(serial1).value(0).section(':', 0, 0);
        QCOMPARE(seen.value(0), answers.isEmpty() ? QString()
                                                  : QString("Enquiry: The adapter of COM7 (serial "
                                                            "0001) is now %1. Move the settings "
                                                            "and devices of COM7 to %1?")
                                                        .arg(to));
        QTEST(networkOf(moving), "network");
        const int width = treeOf(moving)->columnWidth(0); // the name column fits the rows
        treeOf(moving)->resizeColumnToContents(0);
        QCOMPARE(width, treeOf(moving)->columnWidth(0));
        QTEST(QString::number(moving.isModified()), "modified");
        const QJsonObject stored =
            QJsonDocument::fromJson(contentOf(dataFolder + "/adapters.json")).object();
        QStringList pairs;
        for (auto pair = stored.begin(); pair != stored.end(); ++pair)
            pairs << pair.key() + '=' + pair.value().toString();
        QCOMPARE(pairs.join(' '), remembered);
    }

    // News of the machine waits while a dialog is open, which may hold a row that the news would
    // change: COM7's adapter comes back as COM9 while COM7's properties are open, and the
    // question comes once they are closed.
    void portNewsWaitsForDialogs() {
        WindowOnTestMachine machine({{"COM3", "CP210x"}}, rememberCom7);
        MainWindow& window = *machine.window;
        configureCom7(window);
        QVERIFY(window.load());
        window.show();
        QStringList seen;
        std::optional<ModalAnswerer> answerer;
        // In the open dialog: the adapter comes, the news reaches the window, then the user acts.
        QTimer::singleShot(0, &window, [&] {
            QSignalSpy news(window.findChild<PortNotices*>(), &PortNotices::changed);
            machine.fake.plug(RS232::guidDevclassPorts,
                              testDevice(machine.fake, 50, testPort("COM9:CP210x:" + serial1)));
            QVERIFY(news.wait());
            answerer.emplace("OK;Yes", &seen);
        });
        QCOMPARE(run(window, "@COM7 actionEdit_Port"), QString());
        QTRY_COMPARE(seen.size(), 1);
        QVERIFY2(answerer->fault().isEmpty(), qPrintable(answerer->fault()));
        QVERIFY2(seen[0].contains("is now COM9"), qPrintable(seen[0]));
        QCOMPARE(networkOf(window), QString("COM3* ignored, COM9* lrr 7 [7.2]"));
    }

    // The adapter of a port configured in the window is remembered once the network is saved,
    // even if the port never changes while the window is open.
    void remembersAdaptersOnSave() {
        WindowOnTestMachine machine({{"COM7", "CP210x", serial1.toStdString()}});
        ModalAnswerer answerer("Yes;LRR network|OK");
        QVERIFY(machine.window->load());
        QCOMPARE(run(*machine.window, "@COM7 actionEdit_Port okButton"), QString());
        QVERIFY2(answerer.fault().isEmpty(), qPrintable(answerer.fault()));
        QCOMPARE(storage::readAdapterIdentities(),
                 storage::AdapterIdentities({{"COM7", "10C4:EA60/0001"}}));
    }

    // Which configured ports, absent, have their remembered adapter present under a port the
    // configuration does not use: ports as NAME=IDENTITY, ' ' between them.
    void findsMovedAdapters_data() {
        addColumns({"configured", "present", "remembered", "moves"});
        const QString id = "10C4:EA60/0001";
        addRow("by serial number", {"COM7", "COM9=" + id, "COM7=" + id, "COM7>COM9"});
        addRow("by location",
               {"ttyUSB0", "ttyUSB1=@1-2:1.0", "ttyUSB0=@1-2:1.0", "ttyUSB0>ttyUSB1"});
        addRow("another adapter", {"COM7", "COM9=10C4:EA60/0002", "COM7=" + id, ""});
        addRow("no identity", {"COM7", "COM9=", "COM7=", ""});
        addRow("identity shared", {"COM7", "COM9=" + id + " COM10=" + id, "COM7=" + id, ""});
        addRow("configured port present", {"COM7", "COM7= COM9=" + id, "COM7=" + id, ""});
        addRow("target configured", {"COM7 com9", "COM9=" + id, "COM7=" + id, ""});
        addRow("each in turn", {"COM1 COM7", "COM9=" + id + " COM2=@1", "COM1=@1 COM7=" + id,
                                "COM1>COM2 COM7>COM9"});
    }

    void findsMovedAdapters() {
        QFETCH(QString, configured);
        QFETCH(QString, present);
        QFETCH(QString, remembered);
        MachinePorts ports;
        for (const QString& port : present.split(' '))
            ports.insert(networkrules::portKey(port.section('=', 0, 0)),
                         {port.section('=', 0, 0), "", "", port.section('=', 1), "", true});
        storage::AdapterIdentities identities;
        for (const QString& pair : remembered.split(' '))
            identities.insert(pair.section('=', 0, 0), pair.section('=', 1));
        QStringList moves;
        for (const AdapterMove& move : movedAdapters(configured.split(' '), ports, identities))
            moves << move.from + '>' + move.to;
        QTEST(moves.join(' '), "moves");
    }

    // Deleting the current row makes the tree select a neighbour while the row is half
    // destroyed; the menus recomputed then must not see it in the clipboard.
    void deletingTheCurrentRow() {
        NetworkItem* device = rowAt(*window, "COM1/5");
        treeOf(*window)->setCurrentItem(device);
        QCOMPARE(run(*window, "actionCopy"), QString());
        bool clipboardHeldDyingRow = false;
        connect(treeOf(*window), &QTreeWidget::itemSelectionChanged, window,
                [&] { clipboardHeldDyingRow |= window->clipboardContent() == device; });
        window->deleteItem(device);
        QVERIFY(!clipboardHeldDyingRow);
        QCOMPARE(stateOf(*window), QString("sel=COM1/7 NAID"));
        window->deleteItem(nullptr);
        QCOMPARE(run(*window, "@COM1 actionCopy"), QString());
        window->clearNetwork();
        QCOMPARE(stateOf(*window), QString("N"));
        QCOMPARE(window->clipboardContent(), nullptr);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
