#include "networktree.h"
#include "storage/networkformat.h"
#include "tablerow.h"

#include <QtTest>

#include <stdexcept>

namespace {

// Writes down what a document tells its sink, one line a call.
class RecordingSink : public storage::NetworkSink {
public:
    QStringList calls;

    void port(const QString& name) override { calls << "port " + name; }
    void portType(NetworkPortItem::port_type_t type) override {
        calls << QStringLiteral("type %1").arg(type);
    }
    void portValue(field_t field, int value) override {
        calls << QStringLiteral("%1 %2").arg(fieldName(field)).arg(value);
    }
    void device(int submasterId) override {
        if (submasterId == 99) {
            throw std::runtime_error("refused");
        }
        calls << QStringLiteral("device %1").arg(submasterId);
    }
    void deviceValue(field_t field, int value) override {
        calls << QStringLiteral("device %1 %2").arg(fieldName(field)).arg(value);
    }

private:
    static QString fieldName(field_t field) {
        return QStringList{"master_id", "retries", "delay"}.at(field);
    }
};

} // namespace

class NetworkFormatTest : public QObject {
    Q_OBJECT

private slots:
    void writesIndentedSortedDocument();
    void writesWhatEachPortTypeKeeps();
    void reads_data();
    void reads();
};

void NetworkFormatTest::writesIndentedSortedDocument() {
    QTreeWidget tree;
    QCOMPARE(storage::networkText(tree), QByteArray("{\n    \"net\": [\n    ]\n}\n"));

    NetworkPortItem* com3 = addPort(tree, "COM3", NetworkPortItem::lrr, 1);
    addDevice(com3, 1);
    addDevice(com3, 2)->set_retries(3);
    addPort(tree, "auto", NetworkPortItem::direct);

    const QByteArray expected = R"({
    "net": [
        {
            "delay": 5000,
            "master_id": 1,
            "name": "COM3",
            "retries": 5,
            "tcus": [
                {
                    "submaster_id": 1
                },
                {
                    "retries": 3,
                    "submaster_id": 2
                }
            ],
            "type": "lrr"
        },
        {
            "name": "auto",
            "type": "direct"
        }
    ]
}
)";
    QCOMPARE(storage::networkText(tree), expected);
}

void NetworkFormatTest::writesWhatEachPortTypeKeeps() {
    QTreeWidget tree;
    NetworkPortItem* unused = addPort(tree, "COM1", NetworkPortItem::ignored, 7);
    NetworkDeviceItem* kept = addDevice(unused, 4);
    kept->set_retries(0);
    kept->set_delay(-5);
    NetworkPortItem* direct = addPort(tree, "COM2", NetworkPortItem::direct, 9);
    addDevice(direct, 1);
    addPort(tree, "COM3", static_cast<NetworkPortItem::port_type_t>(7));
    const QString oddName = QString::fromUtf8("\xc3\x84 \"\\\t\x01");
    addDevice(addPort(tree, oddName, NetworkPortItem::lrr, -2), 9, -1, 300);

    // The text is the one Qt's JSON writer gives the same document, escapes included.
    const QByteArray text = storage::networkText(tree);
    QCOMPARE(text, QJsonDocument::fromJson(text).toJson());
    const QJsonArray ports = QJsonDocument::fromJson(text).object().value("net").toArray();
    QCOMPARE(ports.size(), 4);
    QCOMPARE(ports.at(3).toObject().value("name").toString(), oddName);
    const QJsonObject expectedUnused{
        {"name", "COM1"}, {"type", "ignored"},
        {"master_id", 7}, {"retries", 5},
        {"delay", 5000},  {"tcus", QJsonArray{QJsonObject{{"submaster_id", 4}, {"retries", 0}}}}};
    QCOMPARE(ports.at(0).toObject(), expectedUnused);
    QCOMPARE(ports.at(1).toObject(), (QJsonObject{{"name", "COM2"}, {"type", "direct"}}));
    QCOMPARE(ports.at(2).toObject().value("type").toString(), QStringLiteral("???"));
}

// The document ("<NUL>" for a NUL byte), what it tells the sink (';' between calls) and the
// beginning of the error it raises.
void NetworkFormatTest::reads_data() {
    addColumns({"text", "calls", "error"});
    const QString parseError = "Unable to parse file \"in.net\": ";
    addRow("empty text", {"", "", parseError + "illegal value"});
    addRow("broken JSON", {"{\"net\": [", "", parseError});
    addRow("array at the top", {"[1, 2]", "", ""});
    addRow("no net", {"{\"ports\": []}", "", ""});
    addRow("net is no array", {"{\"net\": {}}", "", ""});
    addRow("text after a NUL byte is ignored", {"{\"net\": []}<NUL>garbage", "", ""});
    addRow("full port",
           {R"({"net": [{"name": "COM3", "type": "lrr", "master_id": 300, "retries": 0,
                          "delay": 10, "tcus": [{"submaster_id": 2, "delay": -1}]}]})",
            "port COM3;type 2;master_id 300;retries 0;delay 10;device 2;device delay -1", ""});
    addRow("absent values stay as they are",
           {R"({"net": [{"name": "COM1", "type": "ignored"}, {"type": "direct"}]})",
            "port COM1;type 0;port ;type 1", ""});
    addRow("values that are no whole numbers read as 0",
           {R"({"net": [{"name": 5, "type": "lrr", "master_id": 1.5, "retries": "7",
                "delay": null, "tcus": [{}]}]})",
            "port ;type 2;master_id 0;retries 0;delay 0;device 0", ""});
    addRow("devices of any port type; tcus that is no array is ignored",
           {R"({"net": [{"name": "A", "type": "direct", "tcus": [{"submaster_id": 1}]},
                {"name": "B", "type": "lrr", "tcus": 5}]})",
            "port A;type 1;device 1;port B;type 2", ""});
    addRow("port that is no object",
           {R"({"net": [{"name": "A", "type": "lrr"}, 3, {"name": "B"}]})", "port A;type 2",
            "Port structure is not an object"});
    addRow("type in another letter case",
           {R"({"net": [{"name": "A", "type": "LRR", "master_id": 1}]})", "port A",
            "Invalid device type \"LRR\""});
    addRow("type missing", {R"({"net": [{"name": "A"}]})", "port A", "Invalid device type \"\""});
    addRow("device that is no object",
           {R"({"net": [{"name": "A", "type": "lrr", "tcus": [{"submaster_id": 1}, "x",
                {"submaster_id": 2}]}]})",
            "port A;type 2;device 1", "TCU structure is not an object"});
    addRow("refused device ends the reading",
           {R"({"net": [{"name": "A", "type": "lrr", "tcus": [{"submaster_id": 99, "retries": 1}]},
                {"name": "B", "type": "lrr"}]})",
            "port A;type 2", "refused"});
}

void NetworkFormatTest::reads() {
    QFETCH(QString, text);
    QFETCH(QString, calls);
    QFETCH(QString, error);

    RecordingSink sink;
    QString message;
    try {
        storage::readNetwork(text.toUtf8().replace("<NUL>", QByteArray(1, '\0')), "in.net", sink);
    } catch (const std::runtime_error& failure) {
        message = QString::fromUtf8(failure.what());
    }
    QCOMPARE(sink.calls.join(';'), calls);
    QVERIFY2(error.isEmpty() ? message.isEmpty() : message.startsWith(error), qPrintable(message));
}

QTEST_MAIN(NetworkFormatTest)
#include "tst_networkformat.moc"
