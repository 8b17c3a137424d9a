#include "modalanswerer.h"
#include "smalldisk.h"
#include "storage/networkformat.h"
#include "tablerow.h"
#include "windowfixture.h"

#include <QDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <optional>

// The network file: its format, reading it into the window's tree, saving it with backups, and
// where it lives.
class StorageTest : public QObject {
    Q_OBJECT

    std::optional<WindowOnTestMachine> test;
    MainWindow* window = nullptr;
    QString config;
    const QByteArray saved = R"({"net": [{"name": "COM7", "type": "direct"}]})";

    QString homeFile(const QString& name) const { return test->home.path() + '/' + name; }

private slots:
    void init() {
        test.emplace();
        window = test->window.get();
        config = configFileOf(*window);
        window->show();
        writeFile(config, saved);
        QVERIFY(window->load());
    }

    void cleanup() { test.reset(); }

    // The text is the one Qt's JSON writer gives the same document (keys sorted, escapes):
    // every port's name and type, the other values of a port that is not direct, and only the
    // values a device does not inherit.
    void writes() {
        window->clearNetwork();
        QCOMPARE(storage::networkText(*treeOf(*window)),
                 QByteArray("{\n    \"net\": [\n    ]\n}\n"));
        NetworkPortItem* unused = window->addNetworkPort("COM1", NetworkPortItem::ignored, 0);
        unused->set_master_id(7);
        window->addNetworkDevice(unused, 4)->set_retries(0);
        window->addNetworkDevice(window->addNetworkPort("COM2", NetworkPortItem::direct, 0), 1);
        window->addNetworkPort("COM3", NetworkPortItem::ignored, 0)
            ->set_port_type(NetworkPortItem::port_type_t(7));
        NetworkPortItem* lrr = window->addNetworkPort("D\té\x01", NetworkPortItem::lrr, 1);
        lrr->set_master_id(-2);
        window->addNetworkDevice(lrr, 9)->set_delay(300);
        const QByteArray text = storage::networkText(*treeOf(*window));
        QCOMPARE(text, QJsonDocument::fromJson(text).toJson());
        QCOMPARE(QJsonDocument::fromJson(text).toJson(QJsonDocument::Compact),
                 R"({"net":[{"delay":5000,"master_id":7,"name":"COM1","retries":5,"tcus":)"
                 R"([{"retries":0,"submaster_id":4}],"type":"ignored"},{"name":"COM2","type":)"
                 R"("direct"},{"delay":5000,"master_id":0,"name":"COM3","retries":5,"tcus":[],)"
                 R"("type":"???"},{"delay":5000,"master_id":-2,"name":"D\té\u0001",)"
                 R"("retries":5,"tcus":[{"delay":300,"submaster_id":9}],"type":"lrr"}]})");
    }

    // A document ("<NUL>" for a NUL byte) read into an empty tree: the network read and the
    // beginning of the error shown. What was read before a failure stays.
    void reads_data() {
        addColumns({"text", "network", "error"});
        const QString parseError = "Unable to parse file \"HOME/in.net\": ";
        addRow("empty text", {"", "", parseError + "illegal value"});
        addRow("broken JSON", {"{\"net\": [", "", parseError});
        addRow("array at the top", {"[1, 2]", "", ""});
        addRow("no net", {"{\"ports\": []}", "", ""});
        addRow("net is no array", {"{\"net\": {}}", "", ""});
        addRow("text after a NUL byte is ignored", {"{\"net\": []}<NUL>garbage", "", ""});
        addRow("full port", {R"({"net": [{"name": "COM3", "type": "lrr", "master_id": 300,
                    "retries": 0, "delay": 10, "tcus": [{"submaster_id": 2, "delay": -5}]}]})",
                             "COM3 lrr 300 r0 d10 [300.2 d-5]", ""});
        addRow("ports match in any letter case; absent values stay as they are",
               {R"({"net": [{"name": "COM1", "type": "lrr", "retries": 2}, {"type": "direct"},
                    {"name": "com1", "type": "ignored", "tcus": [{"retries": 4,
                    "submaster_id": 6}]}]})",
                " direct, COM1 ignored r2 [0.6 r4]", ""});
        addRow("values that are no whole numbers read as 0",
               {R"({"net": [{"name": 5, "type": "lrr", "master_id": 1.5, "retries": "7",
                    "delay": null, "tcus": [{"submaster_id": 1, "retries": "x"}]}]})",
                " lrr 0 r0 d0 [0.1 r0]", ""});
        addRow("devices of any port type; tcus that is no array is ignored",
               {R"({"net": [{"name": "A", "type": "direct", "tcus": [{"submaster_id": 1}]},
                    {"name": "B", "type": "lrr", "tcus": 5}]})",
                "A direct [0.1], B lrr 0", ""});
        addRow("port that is no object",
               {R"({"net": [{"name": "A", "type": "lrr"}, 3, {"name": "B"}]})", "A lrr 0",
                "Port structure is not an object"});
        addRow("type in another letter case", {R"({"net": [{"name": "A", "type": "LRR"}]})",
                                               "A ignored", "Invalid device type \"LRR\""});
        addRow("type missing",
               {R"({"net": [{"name": "A"}]})", "A ignored", "Invalid device type \"\""});
        addRow("device that is no object",
               {R"({"net": [{"name": "A", "type": "lrr", "tcus": [{"submaster_id": 1}, "x",
                    {"submaster_id": 2}]}]})",
                "A lrr 0 [0.1]", "TCU structure is not an object"});
        addRow("device refused by the identity rules",
               {R"({"net": [{"name": "A", "type": "lrr", "master_id": 1, "tcus": [{"submaster_id":
                    7}, {"submaster_id": 7}]}, {"name": "B", "type": "lrr"}]})",
                "A lrr 1 [1.7]", "Submaster ID 7 is already in use"});
    }

    void reads() {
        QFETCH(QString, text);
        QFETCH(QString, error);
        window->clearNetwork();
        writeFile(homeFile("in.net"), text.toUtf8().replace("<NUL>", QByteArray(1, '\0')));
        QStringList seen;
        ModalAnswerer answerer(error.isEmpty() ? "" : "OK", &seen);
        QCOMPARE(window->load(homeFile("in.net").toStdString()), error.isEmpty());
        QVERIFY(answerer.allAnswered());
        QTEST(networkOf(*window), "network");
        QString message = "Load network configuration file: " + error;
        QCOMPARE(seen.value(0).left(message.size()),
                 error.isEmpty() ? "" : message.replace("HOME", test->home.path()));
        for (int i = 0; i < treeOf(*window)->topLevelItemCount(); ++i) {
            QTreeWidgetItem* port = treeOf(*window)->topLevelItem(i);
            QCOMPARE(port->isExpanded(), port->childCount() > 0);
        }
    }

    // A file read into the tree comes out as it was written, also under a name of the UTF-8
    // kind; rows already there take the values of the file's port of the same name. The first
    // column is as wide as the row-by-row fit made it, and a port that a document lists after
    // its last device does not widen it.
    void roundTrip() {
        NetworkPortItem* lrr = window->addNetworkPort("COM5", NetworkPortItem::lrr, 12);
        lrr->set_delay(700);
        window->addNetworkDevice(lrr, 1);
        window->addNetworkDevice(lrr, 2)->set_retries(0);
        window->addNetworkDevice(window->findNetworkPort("COM3"), 3)->set_delay(9);
        const QString network = networkOf(*window);
        const std::string path = homeFile("ünïcode.net").toUtf8().toStdString();
        QVERIFY(window->save(path));
        QVERIFY(window->isModified()); // writing a file is not saving the configuration
        const int fittedWidth = treeOf(*window)->columnWidth(0);
        window->clearNetwork();
        QCOMPARE(treeOf(*window)->columnWidth(0), fittedWidth); // clearing fits nothing
        window->addNetworkPort("COM5", NetworkPortItem::direct, 0);
        treeOf(*window)->setColumnWidth(0, 1);
        QVERIFY(window->load(path));
        QCOMPARE(treeOf(*window)->columnWidth(0), fittedWidth);
        QCOMPARE(networkOf(*window), QString(network).replace("COM3*", "COM3"));
        QVERIFY(!window->isModified());
        QCOMPARE(rowAt(*window, "COM5/2")->name, QString("TCU .2"));
        const QString device = R"({"name": "COM4", "type": "lrr", "tcus": [{"submaster_id": 1}]})";
        const QString wide = R"({"name": "A port named wider than any device", "type": "ignored"})";
        QList<int> widths;
        for (const QString& entries : {device, device + ", " + wide, wide + ", " + device}) {
            window->clearNetwork();
            writeFile(homeFile("fit.net"), ("{\"net\": [" + entries + "]}").toUtf8());
            QVERIFY(window->load(homeFile("fit.net").toStdString()));
            widths << treeOf(*window)->columnWidth(0);
        }
        QCOMPARE(widths[1], widths[0]);
        QVERIFY(widths[2] > widths[0]);
    }

    // An entry at the configuration's place that is no readable file: a folder and loops of
    // links count as present and the load says why; a link to nothing does not, and the network
    // created on Yes goes where it points. The window is made after the entry.
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
        QVERIFY(answerer.allAnswered());
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
        else
            steps.endsWith("close") ? void(window->close()) : run(*window, steps);
        QVERIFY(answerer.allAnswered());
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
        const std::string exported = homeFile("export.net").toStdString();
        QVERIFY(window->save(exported) && window->save(exported));
        QCOMPARE(backups.entryList(QDir::Files, QDir::Name), names);
    }

    // Every CP210x adapter of the machine, in any letter case, and only those, sorted; without
    // one, and with an empty tree, a direct port "auto". Ports already there stay.
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
        window->clearNetwork();
        window->addNetworkPort("com3", NetworkPortItem::lrr, 5);
        QVERIFY(window->createDefaultNetwork());
        QCOMPARE(networkOf(*window), QString("com3 lrr 5"));
        window->addNetworkPort("COM8", NetworkPortItem::ignored, 0);
        window->deleteItem(window->findNetworkPort("com3"));
        QVERIFY(window->createDefaultNetwork());
        QCOMPARE(networkOf(*window), QString("COM3* ignored, COM8 ignored"));
    }

    // The configuration lies in "quarntcu" beside the program's own data folder; both folders
    // are made when asked for, the file is not.
    void dataLocation() {
        const QString dataHome = QFileInfo(test->dataHome()).canonicalFilePath();
        const QString own = dataHome + '/' + QCoreApplication::applicationName();
        QDir(dataHome).removeRecursively();
        QCOMPARE(QFileInfo(QString::fromStdString(window->getDataFileName())).canonicalFilePath(),
                 own);
        QDir(dataHome).removeRecursively();
        QCOMPARE(configFileOf(*window), dataHome + "/quarntcu/config.net");
        QVERIFY(QFileInfo(own).isDir() && QFileInfo(dataHome + "/quarntcu").isDir());
        QVERIFY(!QFileInfo::exists(configFileOf(*window)));
    }
};

QTEST_MAIN(StorageTest)
#include "tst_storage.moc"
