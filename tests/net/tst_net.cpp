#include "fakeplatform.h"
#include "netcommands.h"
#include "smalldisk.h"
#include "tablerow.h"
#include "testfiles.h"

#include <QBuffer>
#include <QDir>
#include <QLockFile>
#include <QTranslator>
#include <QtTest>

namespace {

const QByteArray site = R"({"net": [{"name": "COM1", "type": "lrr", "master_id": 1, "tcus":
    [{"submaster_id": 5}, {"submaster_id": 7, "retries": 2}]}, {"name": "COM2", "type": "direct"}]})";

// Documents by file name (".net" added). "same" differs from site in form only: spacing, key and
// port order, name case, an inherited value written as -3, a default written out, values a direct
// port does not keep.
const QList<QPair<const char*, QByteArray>> documents{
    {"site", site},
    {"same", R"({"net":[{"type":"direct","name":"com2","master_id":9},{"tcus":[{"retries":2,
        "submaster_id":7},{"submaster_id":5,"retries":-3}],"delay":5000,"type":"lrr","name":"com1",
        "master_id":1}]})"},
    {"changed", R"({"net": [{"name": "COM1", "type": "lrr", "master_id": 2, "retries": 3, "tcus":
        [{"submaster_id": 5, "delay": 100}, {"submaster_id": 7}, {"submaster_id": 9}]},
        {"name": "COM4", "type": "lrr", "master_id": 1}]})"},
    {"typed", R"({"net": [{"name": "COM1", "type": "lrr", "master_id": 1, "tcus":
        [{"submaster_id": 7, "retries": 2}]}, {"name": "COM2", "type": "ignored"}]})"},
    {"one",
     R"({"net": [{"name": "COM1", "type": "lrr", "master_id": 1, "tcus": [{"submaster_id": 1}]}]})"},
    {"shared", R"({"net": [{"name": "COM1", "type": "lrr", "master_id": 3}, {"name": "auto",
        "type": "direct"}, {"name": "COM2", "type": "lrr", "master_id": 3}]})"},
    {"sorted", R"({"net": [{"name": "a", "type": "lrr", "master_id": 2, "tcus": [{"submaster_id":
        2, "delay": 9}, {"submaster_id": 10}]}, {"name": "B", "type": "ignored"}]})"},
    {"bad", "not json"},
    {"port", R"({"net": [1]})"},
    {"tcu", R"({"net": [{"name": "A", "type": "lrr", "tcus": [1]}]})"},
    {"type", R"({"net": [{"name": "A", "type": "radio"}]})"},
    {"id", R"({"net": [{"name": "A", "type": "lrr", "tcus": [{"submaster_id": 256}]}]})"},
    {"taken", R"({"net": [{"name": "A", "type": "lrr", "tcus": [{"submaster_id": 3}]},
        {"name": "a", "type": "lrr", "tcus": [{"submaster_id": 3}]}]})"}};

} // namespace

// vexalo-net's commands, run in the process on files in a temporary folder, with a configuration
// (site) and two kept versions: 1, the newest, is site, 2 is "changed". The machine has one
// serial port, "com1".
class NetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> home;
    QString config, backups;
    QString out, err;
    RS232::test::FakePlatform machine;
    RS232::Platform* const realMachine = RS232::installedPlatform();
    QTranslator english; // the plural forms of the counts

    int run(const QString& arguments, const QByteArray& input = {}) {
        QBuffer in, output, errors;
        in.setData(input);
        in.open(QIODevice::ReadOnly);
        output.open(QIODevice::WriteOnly);
        errors.open(QIODevice::WriteOnly);
        Console console{in, output, errors};
        const int status = runNetCommand(arguments.split(' ', Qt::SkipEmptyParts), console);
        out = QString::fromUtf8(output.data());
        err = QString::fromUtf8(errors.data());
        return status;
    }

    // '|' between lines; CONFIG, KEPT and SIZE for the configuration's path, the folder of the
    // kept versions and the configuration's size. A text ending in "..." is compared as far as
    // that.
    void compareText(const QString& actual, QString expected) {
        expected.replace("CONFIG", config).replace("KEPT", backups);
        expected.replace("SIZE", QString::number(site.size()));
        expected.replace('|', '\n');
        if (expected.endsWith("..."))
            QCOMPARE(actual.left(expected.size() - 3) + "...", expected);
        else
            QCOMPARE(actual, expected.isEmpty() ? expected : expected + '\n');
    }

    // A command line (words apart), its standard input, what it prints on standard output and
    // on standard error, its status.
    static void commandTable() { addColumns({"arguments", "input", "output", "errors", "status"}); }

    static QString field(const char* name) {
        return *static_cast<QString*>(QTest::qData(name, QMetaType::QString));
    }

    void runRow(const QByteArray& input) {
        QCOMPARE(run(field("arguments"), input), field("status").toInt());
        compareText(out, field("output"));
        compareText(err, field("errors"));
    }
    void runCommandTable() { runRow(field("input").toUtf8()); }

private slots:
    void initTestCase() {
        QVERIFY(english.load(VEXALO_BINARY_DIR "/vexalo_en_US.qm"));
        QCoreApplication::installTranslator(&english);
        machine.addDevice(RS232::guidDevclassPorts,
                          RS232::test::namedDevice(1, "com1", "Communications Port"));
        RS232::installPlatform(&machine);
    }

    void cleanupTestCase() { RS232::installPlatform(realMachine); }

    void init() {
        home = std::make_unique<QTemporaryDir>();
        qputenv("HOME", home->path().toUtf8());
        qputenv("XDG_DATA_HOME", (home->path() + "/share").toUtf8());
        QDir(home->path()).mkpath("work");
        QDir::setCurrent(home->path() + "/work");
        for (const auto& [name, content] : documents)
            writeFile(QString(name) + ".net", content);
        config = home->path() + "/share/quarntcu/config.net";
        backups = home->path() + "/share/" + QCoreApplication::applicationName() + "/backups";
        QDir().mkpath(QFileInfo(config).path());
        QDir().mkpath(backups);
        writeFile(config, site);
        writeFile(backups + "/config-2024-02-01_00-00-00.000.net", site);
        writeFile(backups + "/config-2024-01-02_03-04-05.678.net", documents[2].second);
    }

    void cleanup() {
        QDir::setCurrent(QDir::tempPath());
        home.reset();
    }

    // One line for each file, with its counts or the reader's refusal, then its warnings.
    void check_data() {
        commandTable();
        const QString parse = "Unable to parse file \"%1.net\": illegal value";
        addRow("good", {"check site.net", "", "site.net: 2 ports, 2 devices", "", "0"});
        addRow("one of each", {"check one.net", "", "one.net: 1 port, 1 device", "", "0"});
        addRow("standard input", {"check -", site, "-: 2 ports, 2 devices", "", "0"});
        addRow("config", {"check config", "", "config: 2 ports, 2 devices", "", "0"});
        addRow("backup", {"check backup:2", "", "backup:2: 2 ports, 3 devices", "", "0"});
        addRow("no such backup", {"check backup:3", "",
                                  "backup:3: There is no kept version 3 (there are 2)", "", "1"});
        addRow("not JSON, then good",
               {"check bad.net site.net", "",
                "bad.net: " + parse.arg("bad") + "|site.net: 2 ports, 2 devices", "", "1"});
        addRow("no file", {"check none.net", "", "none.net: " + parse.arg("none"), "", "1"});
        addRow("port not an object",
               {"check port.net", "", "port.net: Port structure is not an object", "", "1"});
        addRow("device not an object",
               {"check tcu.net", "", "tcu.net: TCU structure is not an object", "", "1"});
        addRow("unknown type",
               {"check type.net", "", "type.net: Invalid device type \"radio\"", "", "1"});
        addRow("invalid ID",
               {"check id.net", "", "id.net: Submaster ID 256 is invalid [1..255]", "", "1"});
        addRow("ID taken on a port named twice",
               {"check taken.net", "", "taken.net: Submaster ID 3 is already in use", "", "1"});
        const QString shared = "shared.net: 3 ports, 0 devices|shared.net: warning: master ID 3 is "
                               "set on several LRR ports: \"COM1\", \"COM2\"";
        addRow("master ID shared", {"check shared.net", "", shared, "", "0"});
        addRow("port not here",
               {"check --here shared.net", "",
                shared + "|shared.net: warning: port \"COM2\" is not on this machine", "", "0"});
        addRow("nothing to check", {"check --here", "", "", "Usage: vexalo-net...", "2"});
    }
    void check() { runCommandTable(); }

    // Port by port and device by device; status 0 same, 1 different, 2 trouble.
    void diff_data() {
        commandTable();
        addRow("form only", {"diff site.net same.net", "", "", "", "0"});
        addRow("standard input", {"diff - same.net", site, "", "", "0"});
        addRow("changed",
               {"diff site.net changed.net", "",
                "Port \"COM1\": master ID changed from 1 to 2|"
                "Port \"COM1\": retries changed from 5 to 3|"
                "Port \"COM1\": device 5: delay changed from inherited to 100|"
                "Port \"COM1\": device 7: retries changed from 2 to inherited|"
                "Port \"COM1\": device 9 added|Port \"COM2\" removed|Port \"COM4\" added",
                "", "1"});
        addRow("backup against config",
               {"diff backup:2 config", "", "Port \"COM1\": master ID changed from 2 to 1|...", "",
                "1"});
        addRow("type, device removed", {"diff site.net typed.net", "",
                                        "Port \"COM1\": device 5 removed|"
                                        "Port \"COM2\": type changed from direct to ignored",
                                        "", "1"});
        addRow("refused", {"diff site.net taken.net", "", "",
                           "taken.net: Submaster ID 3 is already in use", "2"});
        addRow("no such backup", {"diff config backup:7", "", "",
                                  "backup:7: There is no kept version 7 (there are 2)", "2"});
        addRow("one network", {"diff site.net", "", "", "Usage: vexalo-net...", "2"});
        addRow("standard input twice", {"diff - -", site, "", "Usage: vexalo-net...", "2"});
    }
    void diff() { runCommandTable(); }

    // The rows as the window sorts (the locale's order, set for this test) and draws them.
    void show_data() {
        commandTable();
        addRow("window order", {"show sorted.net", "",
                                "a  LRR ID: 2, retries: 5, delay: 5000|"
                                "    2.10  retries: 5 (inherit), delay: 5000 (inherit)|"
                                "    2.2  retries: 5 (inherit), delay: 9|B  Not used",
                                "", "0"});
        const QString siteRows = "COM1  LRR ID: 1, retries: 5, delay: 5000|"
                                 "    1.5  retries: 5 (inherit), delay: 5000 (inherit)|"
                                 "    1.7  retries: 2, delay: 5000 (inherit)|COM2  Direct TCU";
        addRow("standard input", {"show -", site, siteRows, "", "0"});
        addRow("refused", {"show tcu.net", "", "", "tcu.net: TCU structure is not an object", "1"});
    }
    void show() { runCommandTable(); }

    void backupsDefaultAndUsage_data() {
        commandTable();
        addRow("backups",
               {"backups", "",
                "1  2024-02-01T00:00:00.000Z  SIZE  unchanged|"
                "2  2024-01-02T03:04:05.678Z  " +
                    QString::number(documents[2].second.size()) + "  3 ports, 3 devices changed",
                "", "0"});
        addRow("backups, an argument", {"backups 1", "", "", "Usage: vexalo-net...", "2"});
        // The machine has no radio adapter; which ports a default takes is the window's own
        // choice, tested with the window.
        addRow("default", {"default", "",
                           R"({|    "net": [|        {|            "name": "auto",|)"
                           R"(            "type": "direct"|        }|    ]|})",
                           "", "0"});
        addRow("default to a file not written",
               {"default none/out.net", "", "", "Unable to write file \"none/out.net\"", "1"});
        addRow("help", {"-h", "", "", "Usage: vexalo-net...", "0"});
        addRow("no command", {"", "", "", "Usage: vexalo-net...", "2"});
        addRow("unknown command", {"verify site.net", "", "", "Usage: vexalo-net...", "2"});
    }
    void backupsDefaultAndUsage() { runCommandTable(); }

    // The kept version, or a file installed, byte for byte, the replaced configuration kept in its
    // turn; nothing changed while an editor holds the configuration, when the source cannot be
    // read or would not load, or when the write fails.
    void restore_data() {
        addColumns({"setup", "arguments", "output", "errors", "status"});
        addRow("restored", {"", "restore 2", "Kept version 2 restored to \"CONFIG\"", "", "0"});
        addRow("no such version",
               {"", "restore 3", "", "There is no kept version 3 (there are 2)", "1"});
        addRow("editor open",
               {"locked", "restore 2", "",
                "The network configuration is open in an editor; close it and try again.", "1"});
        addRow("full disk", {"full", "restore 2", "", "Unable to write file \"CONFIG\"", "1"});
        addRow("kept version unreadable",
               {"unreadable", "restore 1", "",
                "Unable to read file \"KEPT/config-2024-03-01_00-00-00.000.net\"", "1"});
        addRow("installed",
               {"", "install changed.net", "\"changed.net\" installed as \"CONFIG\"", "", "0"});
        addRow("install refused",
               {"", "install taken.net", "", "taken.net: Submaster ID 3 is already in use", "1"});
    }

    void restore() {
        const QString setup = field("setup");
        QLockFile editor(QFileInfo(backups).path() + "/config.lock");
        std::unique_ptr<SmallDisk> disk;
        if (setup == "locked") {
            QVERIFY(editor.tryLock(0));
        } else if (setup == "full") {
            disk = std::make_unique<SmallDisk>(QFileInfo(config).path(), 64);
            if (!disk->error().isEmpty())
                QSKIP(qPrintable("needs root to mount a small disk: " + disk->error()));
            writeFile(config, site);
            disk->fill();
        } else if (setup == "unreadable") { // opens, then fails to read, even for root
            QVERIFY(QFile::link("/proc/self/mem", backups + "/config-2024-03-01_00-00-00.000.net"));
        }
        const QStringList before = QDir(backups).entryList(QDir::Files, QDir::Name);
        runRow({});
        const QStringList after = QDir(backups).entryList(QDir::Files, QDir::Name);
        if (field("status") == "0") {
            QCOMPARE(contentOf(config), documents[2].second);
            QCOMPARE(after.mid(0, 2), before);
            QCOMPARE(contentOf(backups + '/' + after.value(2)), site);
        } else {
            QCOMPARE(contentOf(config), site);
            QCOMPARE(after, before);
        }
    }
};

QTEST_GUILESS_MAIN(NetTest)
#include "tst_net.moc"
