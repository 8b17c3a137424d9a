#include "modalanswerer.h"
#include "smalldisk.h"
#include "storage/networkformat.h"
#include "tablerow.h"
#include "windowfixture.h"

#include <QDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

} // namespace

// The network as a whole: start-up, OK, closing, the network commands, files, the default
// network and where the configuration lives.
class NetworkCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowOnTestMachine> test;
    MainWindow* window = nullptr;
    QString config;
    QByteArray saved;
    bool loaded = true;

    // A machine with one radio adapter and, unless told not to, a saved configuration naming
    // another port.
    void start(bool withConfiguration) {
        test.reset();
        test = std::make_unique<WindowOnTestMachine>(
            std::vector<MachinePorts::Port>{{"COM3", "CP210x USB to UART Bridge"}});
        window = &test->window;
        config = configFileOf(*window);
        window->show();
        if (!withConfiguration)
            return;
        writeFile(config, saved);
        writeFile(test->home.path() + "/in.net",
                  R"({"net": [{"name": "COM9", "type": "lrr", "master_id": 2, "tcus":
                  [{"submaster_id": 3}, {"submaster_id": 2}]}, {"name": "COM1", "type": "direct"}]})");
        writeFile(test->home.path() + "/bad.net", "not json");
        QVERIFY(window->load());
    }

    // The steps of the table's first column that are not the user's commands.
    void prepare(const QString& step) {
        if (step == "restart") {
            start(false);
        } else if (step == "block") { // a folder in its place makes the file impossible to write
            QFile::remove(config);
            QDir().mkpath(config + "/blocked");
        } else if (step == "nofile") {
            QFile::remove(config);
        } else if (step == "change") {
            window->addNetworkPort("COM8", NetworkPortItem::direct, 0);
        } else if (step == "save") {
            window->save(window->getQuarnTCUDataFileName());
        } else if (step == "load") {
            loaded = window->load();
        } else if (step == "close") {
            QVERIFY(window->close());
        } else {
            run(*window, step);
        }
    }

private slots:
    void init() {
        saved = R"({"net": [{"name": "COM7", "type": "direct"}]})";
        loaded = true;
        start(true);
        QCOMPARE(window->windowTitle(), QString("Tessarund [1.1.0]"));
    }

    void cleanup() { test.reset(); }

    // The steps and the answers to what they open; then the network, whether the load failed,
    // the network is modified and the window open, the configuration file ("saved": as it was,
    // "tree": the tree as written, "none"), and the beginnings of the message boxes shown.
    // Lists in a column are separated by ';'.
    void commands_data() {
        addColumns({"steps", "answers", "network", "state", "file", "messages"});
        const QString start = "COM3* ignored, COM7 direct";
        const QString changed = start + ", COM8 direct";
        const QString create = "Enquiry: Create default network configuration file?";
        const QString unwritable = "Save network configuration file: Unable to write file";
        const QString unreadable = "Load network configuration file: Unable to parse file";
        addRow("start, no file, declined", {"restart load", "No", "", "open", "none", create});
        addRow("start, no file, accepted",
               {"restart load", "Yes", "COM3* ignored", "open", "tree", create});
        addRow("OK, unchanged", {"okButton", "", start, "", "saved", ""});
        addRow("OK", {"change okButton", "", changed, "", "tree", ""});
        addRow("OK, not written",
               {"change block okButton", "OK", changed, "m open", "none", unwritable});
        addRow("close", {"change close", "", changed, "", "tree", ""});
        addRow("close, not written",
               {"change block close", "OK", changed, "m", "none", unwritable});
        addRow("cancel", {"change cancelButton", "", changed, "", "tree", ""});
        addRow("cancel, not written",
               {"change block cancelButton", "OK", changed, "m", "none", unwritable});
        addRow("exit", {"change actionE_xit", "", changed, "", "tree", ""});
        addRow("exit, not written",
               {"change block actionE_xit", "OK", changed, "m", "none", unwritable});
        addRow("apply, unchanged", {"applyButton", "", start, "open", "saved", ""});
        addRow("apply", {"change applyButton", "", changed, "open", "tree", ""});
        addRow("apply, not written",
               {"change block applyButton", "OK", changed, "m open", "none", unwritable});
        const QString deleteAll = "Enquiry: Are you sure you want to delete the whole network";
        addRow("delete network declined",
               {"actionNetwork_delete", "No", start, "open", "saved", deleteAll});
        addRow("delete network",
               {"change actionNetwork_delete", "Yes", "", "open", "none", deleteAll});
        addRow("create network",
               {"nofile change actionNetwork_create", "", changed, "open", "tree", ""});
        addRow("create network, not written",
               {"block actionNetwork_create", "OK", start, "m open", "none", unwritable});
        addRow("export", {"change action_Export", "file=HOME/out.net", changed, "m open", "saved",
                          "Export network file: save"});
        addRow("import cancelled", {"change action_Import", "cancel", changed, "m open", "saved",
                                    "Import network file: open"});
        addRow("import",
               {"change action_Import", "file=HOME/in.net", "COM1 direct, COM9 lrr 2 [2.2 2.3]",
                "open", "saved", "Import network file: open"});
        addRow("import, unreadable", {"action_Import", "file=HOME/bad.net;OK", "", "m open",
                                      "saved", "Import network file: open;" + unreadable});
        addRow("about", {"action_aboutThis", "OK", start, "open", "saved", ""});
        addRow("about Qt", {"action_aboutQt", "OK", start, "open", "saved", "About Qt"});
    }

    void commands() {
        QFETCH(QString, steps);
        QFETCH(QString, answers);
        QFETCH(QString, file);
        QFETCH(QString, messages);
        QStringList seen;
        ModalAnswerer answerer;
        for (const QString& answer : itemsOf(answers))
            answerer.then(answerWith(QString(answer).replace("HOME", test->home.path()), &seen));
        for (const QString& step : steps.split(' '))
            prepare(step);
        QVERIFY(answerer.allAnswered());
        QTEST(networkOf(*window), "network");
        QStringList state;
        if (!loaded)
            state << "failed";
        if (window->isModified())
            state << "m";
        if (window->isVisible())
            state << "open";
        QTEST(state.join(' '), "state");
        // Creating the network is offered exactly while there is no configuration.
        QCOMPARE(window->findChild<QAction*>("actionNetwork_create")->isEnabled(),
                 !QFileInfo::exists(config));
        const QByteArray tree = storage::networkText(*treeOf(*window));
        const QMap<QString, QByteArray> files{{"saved", saved}, {"tree", tree}, {"none", "<none>"}};
        QCOMPARE(contentOf(config), files[file]);
        if (steps.contains("Export"))
            QCOMPARE(contentOf(test->home.path() + "/out.net"), tree);
        QCOMPARE(seen.size(), itemsOf(messages).size());
        for (int i = 0; i < seen.size(); ++i)
            QVERIFY2(seen[i].startsWith(itemsOf(messages)[i]), qPrintable(seen[i]));
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
        TemporaryHome home;
        MachinePorts ports(std::vector<MachinePorts::Port>{{"COM3", "CP210x"}});
        const QString path = home.dataHome() + "/quarntcu/config.net";
        const QString folder = QFileInfo(path).path();
        const QString elsewhere = home.path() + "/elsewhere.net";
        QDir().mkpath(entry == "directory"     ? path
                      : entry == "folder loop" ? home.dataHome()
                                               : folder);
        if (entry == "folder loop")
            QFile::link(folder, folder);
        else if (entry != "directory")
            QFile::link(entry == "loop" ? path : elsewhere, path);
        MainWindow fresh;
        const bool present = !message.isEmpty();
        QCOMPARE(fresh.findChild<QAction*>("actionNetwork_create")->isEnabled(), !present);
        QCOMPARE(fresh.findChild<QAction*>("actionNetwork_delete")->isEnabled(), present);
        QStringList seen;
        ModalAnswerer answerer;
        answerer.then(answerWith(present ? "OK" : "Yes", &seen));
        QCOMPARE(fresh.load(), !present);
        QVERIFY(answerer.allAnswered());
        if (present)
            QVERIFY2(seen.value(0).startsWith("Load network configuration file: ") &&
                         seen.value(0).contains(message),
                     qPrintable(seen.value(0)));
        else
            QVERIFY(contentOf(elsewhere).contains("\"COM3\"") && QFileInfo(path).isSymLink());
    }

    // A write cut short by a full disk fails the save and leaves the old file as it was, also
    // where the folder allows no new file and the file is rewritten in place.
    void savingOntoAFullDisk_data() {
        addColumns({"steps", "state"});
        addRow("save(path)", {"save", "m open"});
        addRow("OK", {"okButton", "m open"});
        addRow("close", {"close", "m"});
        addRow("Network create", {"actionNetwork_create", "m open"});
        addRow("save(path) in place", {"inPlace save", "m open"});
        addRow("close in place", {"inPlace close", "m"});
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
        ModalAnswerer answerer;
        answerer.then(answerWith("OK", &seen));
        for (const QString& step : steps.remove("inPlace ").split(' '))
            prepare(step);
        QVERIFY(answerer.allAnswered());
        QCOMPARE(seen, QStringList("Save network configuration file: Unable to write file \"" +
                                   config + '"'));
        QCOMPARE(contentOf(config), saved);
        QTEST(QString(window->isVisible() ? "m open" : "m"), "state");
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
        const std::string exported = (test->home.path() + "/export.net").toStdString();
        QVERIFY(window->save(exported) && window->save(exported));
        QCOMPARE(backups.entryList(QDir::Files, QDir::Name), names);
    }

    // A file read into the tree comes out as it was written, also under a name of the UTF-8
    // kind; rows already there take the values of the file's port of the same name.
    void roundTrip() {
        NetworkPortItem* lrr = window->addNetworkPort("COM5", NetworkPortItem::lrr, 12);
        lrr->set_delay(700);
        window->addNetworkDevice(lrr, 1);
        window->addNetworkDevice(lrr, 2)->set_retries(0);
        window->addNetworkDevice(window->findNetworkPort("COM3"), 3)->set_delay(9);
        const QString network = networkOf(*window);
        const std::string path = (test->home.path() + "/ünïcode.net").toUtf8().toStdString();
        QVERIFY(window->save(path));
        QVERIFY(window->isModified()); // writing a file is not saving the configuration
        // The first column comes back as wide as the row-by-row fit made it; clearing fits nothing.
        const int fittedWidth = treeOf(*window)->columnWidth(0);
        window->clearNetwork();
        QCOMPARE(treeOf(*window)->columnWidth(0), fittedWidth);
        window->addNetworkPort("COM5", NetworkPortItem::direct, 0);
        treeOf(*window)->setColumnWidth(0, 1);
        QVERIFY(window->load(path));
        QCOMPARE(treeOf(*window)->columnWidth(0), fittedWidth);
        QCOMPARE(networkOf(*window), QString(network).replace("COM3*", "COM3"));
        QVERIFY(!window->isModified());
        QCOMPARE(rowAt(*window, "COM5/2")->name, QString("TCU .2"));
    }

    // The first column is fitted after each added device, so a port that a document lists
    // after its last device does not widen it.
    void loadFitsAsAfterItsLastDevice() {
        const QString device = R"({"name": "COM4", "type": "lrr", "tcus": [{"submaster_id": 1}]})";
        const QString wide = R"({"name": "A port named wider than any device", "type": "ignored"})";
        const QString path = test->home.path() + "/fit.net";
        QList<int> widths;
        for (const QString& entries : {device, device + ", " + wide, wide + ", " + device}) {
            window->clearNetwork();
            writeFile(path, ("{\"net\": [" + entries + "]}").toUtf8());
            QVERIFY(window->load(path.toStdString()));
            widths << treeOf(*window)->columnWidth(0);
        }
        QCOMPARE(widths[1], widths[0]);
        QVERIFY(widths[2] > widths[0]);
    }

    // What was read before a failure stays, and a device added marks the network.
    void failedLoadKeepsWhatWasRead() {
        const QString path = test->home.path() + "/twice.net";
        writeFile(path, R"({"net": [{"name": "A", "type": "lrr", "master_id": 1,
            "tcus": [{"submaster_id": 7}, {"submaster_id": 7}]}, {"name": "B", "type": "lrr"}]})");
        QStringList seen;
        ModalAnswerer answerer;
        answerer.then(answerWith("OK", &seen)).then(answerWith("OK", &seen));
        QVERIFY(!window->load(path.toStdString()));
        QVERIFY(!window->load("/nonexistent/config.net"));
        QCOMPARE(networkOf(*window), QString("A lrr 1 [1.7], COM3* ignored, COM7 direct"));
        QVERIFY(rowAt(*window, "A")->isExpanded());
        QVERIFY(window->isModified());
        QCOMPARE(seen,
                 QStringList({"Load network configuration file: Submaster ID 7 is already in use",
                              "Load network configuration file: Unable to parse file "
                              "\"/nonexistent/config.net\": illegal value"}));
    }

    // Every CP210x adapter of the machine, in any letter case, and only those, sorted; without
    // one, and with an empty tree, a direct port "auto". Ports already there stay.
    void defaultNetwork() {
        const std::pair<std::vector<MachinePorts::Port>, const char*> machines[] = {
            {{{"COM3", "Silicon Labs cp210x USB to UART Bridge"},
              {"COM4", "Communications Port"},
              {"COM10", "CP210X"},
              {"COM5", "USB Serial Port (FTDI)"}},
             "COM10* ignored, COM3* ignored"},
            {{{"COM1", "Communications Port"}}, "auto direct"}};
        for (const auto& [ports, network] : machines) {
            WindowOnTestMachine machine(ports);
            QCOMPARE(networkOf(machine.window), QString(network));
            QCOMPARE(machine.window.isModified(), QString(network) == "auto direct");
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
        const QString dataHome = QFileInfo(test->home.dataHome()).canonicalFilePath();
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

QTEST_MAIN(NetworkCommandsTest)
#include "tst_networkcommands.moc"
