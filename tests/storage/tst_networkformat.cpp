#include "networktree.h"
#include "storage/networkformat.h"

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

void NetworkFormatTest::reads_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("error");

    const QString parseError = QStringLiteral("Unable to parse file \"in.net\": ");
    QTest::newRow("empty text") << QByteArray() << QStringList{} << parseError + "illegal value";
    QTest::newRow("broken JSON") << QByteArray("{\"net\": [") << QStringList{} << parseError;
    QTest::newRow("array at the top") << QByteArray("[1, 2]") << QStringList{} << "";
    QTest::newRow("no net") << QByteArray("{\"ports\": []}") << QStringList{} << "";
    QTest::newRow("net is no array") << QByteArray("{\"net\": {}}") << QStringList{} << "";
    QTest::newRow("text after a NUL byte is ignored")
        << QByteArray("{\"net\": []}\0garbage", 19) << QStringList{} << "";
    QTest::newRow("full port") << QByteArray(
                                      R"({"net": [{"name": "COM3", "type": "lrr", "master_id": 300,
                      "retries": 0, "delay": 10, "tcus": [{"submaster_id": 2, "delay": -1}]}]})")
                               << QStringList{"port COM3",      "type 2",   "master_id 300",
                                              "retries 0",      "delay 10", "device 2",
                                              "device delay -1"}
                               << "";
    QTest::newRow("absent values stay as they are")
        << QByteArray(R"({"net": [{"name": "COM1", "type": "ignored"}, {"type": "direct"}]})")
        << QStringList{"port COM1", "type 0", "port ", "type 1"} << "";
    QTest::newRow("values that are no whole numbers read as 0")
        << QByteArray(R"({"net": [{"name": 5, "type": "lrr", "master_id": 1.5,
                      "retries": "7", "delay": null, "tcus": [{}]}]})")
        << QStringList{"port ", "type 2", "master_id 0", "retries 0", "delay 0", "device 0"} << "";
    QTest::newRow("devices of any port type; tcus that is no array is ignored")
        << QByteArray(R"({"net": [{"name": "A", "type": "direct", "tcus": [{"submaster_id": 1}]},
                      {"name": "B", "type": "lrr", "tcus": 5}]})")
        << QStringList{"port A", "type 1", "device 1", "port B", "type 2"} << "";
    QTest::newRow("port that is no object")
        << QByteArray(R"({"net": [{"name": "A", "type": "lrr"}, 3, {"name": "B"}]})")
        << QStringList{"port A", "type 2"} << "Port structure is not an object";
    QTest::newRow("type in another letter case")
        << QByteArray(R"({"net": [{"name": "A", "type": "LRR", "master_id": 1}]})")
        << QStringList{"port A"} << "Invalid device type \"LRR\"";
    QTest::newRow("type missing") << QByteArray(R"({"net": [{"name": "A"}]})")
                                  << QStringList{"port A"} << "Invalid device type \"\"";
    QTest::newRow("device that is no object")
        << QByteArray(R"({"net": [{"name": "A", "type": "lrr", "tcus": [{"submaster_id": 1},
                      "x", {"submaster_id": 2}]}]})")
        << QStringList{"port A", "type 2", "device 1"} << "TCU structure is not an object";
    QTest::newRow("refused device ends the reading")
        << QByteArray(R"({"net": [{"name": "A", "type": "lrr", "tcus": [{"submaster_id": 99,
                      "retries": 1}]}, {"name": "B", "type": "lrr"}]})")
        << QStringList{"port A", "type 2"} << "refused";
}

void NetworkFormatTest::reads() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, calls);
    QFETCH(QString, error);

    RecordingSink sink;
    QString message;
    try {
        storage::readNetwork(text, QStringLiteral("in.net"), sink);
    } catch (const std::runtime_error& failure) {
        message = QString::fromUtf8(failure.what());
    }
    QCOMPARE(sink.calls, calls);
    QVERIFY2(error.isEmpty() ? message.isEmpty() : message.startsWith(error), qPrintable(message));
}

QTEST_MAIN(NetworkFormatTest)
#include "tst_networkformat.moc"
