#include "modalanswerer.h"
#include "storage/networkformat.h"
#include "windowfixture.h"

#include <QtTest>

class NetworkFileTest : public QObject {
    Q_OBJECT

private slots:
    void roundTrip();
    void loadingMergesIntoTheTree();
    void loadFitsAsAfterItsLastDevice();
    void failedLoadKeepsWhatWasRead();
    void unwritableFileIsReported();
    void savesKeepTheLastFiveVersions();
};

void NetworkFileTest::roundTrip() {
    WindowOnTestMachine test;
    MainWindow& window = test.window;
    startWithEmptyNetwork(window);
    NetworkPortItem* lrr = window.addNetworkPort("COM3", NetworkPortItem::lrr, 12);
    lrr->set_retries(2);
    lrr->set_delay(700);
    window.addNetworkDevice(lrr, 1);
    NetworkDeviceItem* own = window.addNetworkDevice(lrr, 2);
    own->set_retries(0);
    own->set_delay(9);
    NetworkPortItem* direct = window.addNetworkPort("auto", NetworkPortItem::direct, 0);
    direct->set_retries(1);
    window.addNetworkDevice(direct, 4);
    NetworkPortItem* unused = window.addNetworkPort("COM1", NetworkPortItem::ignored, 0);
    window.addNetworkDevice(unused, 3);

    const QString path = test.home.path() + QStringLiteral("/ünïcode network.net");
    QVERIFY(window.save(path.toUtf8().toStdString()));
    QVERIFY(window.isModified()); // writing a file is not saving the configuration
    const QByteArray written = readFile(path);

    // The first column comes back as wide as the row-by-row fit made it, although the load fits
    // once at the end.
    const int fittedWidth = treeOf(window)->columnWidth(0);
    window.clearNetwork();
    QCOMPARE(treeOf(window)->columnWidth(0), fittedWidth); // clearing fits nothing
    treeOf(window)->setColumnWidth(0, 1);
    QVERIFY(window.load(path.toUtf8().toStdString()));
    QVERIFY(!window.isModified());
    QCOMPARE(storage::networkText(*treeOf(window)), written);
    QCOMPARE(treeOf(window)->columnWidth(0), fittedWidth);
    auto* inheriting = static_cast<NetworkDeviceItem*>(window.findNetworkPort("COM3")->child(0));
    QCOMPARE(inheriting->name, QStringLiteral("TCU .1"));
}

namespace {
int nameColumnAfterLoading(const QByteArray& entries) {
    WindowOnTestMachine test;
    startWithEmptyNetwork(test.window);
    const QString path = test.home.path() + QStringLiteral("/fit.net");
    writeFile(path, "{\"net\": [" + entries + "]}");
    if (!test.window.load(path.toStdString()) || treeOf(test.window)->topLevelItem(0)->isHidden()) {
        return -1;
    }
    return treeOf(test.window)->columnWidth(0);
}
} // namespace

// The first column is fitted after each added device, so a port that a document lists after its
// last device does not widen it.
void NetworkFileTest::loadFitsAsAfterItsLastDevice() {
    const QByteArray device = R"({"name": "COM3", "type": "lrr", "tcus": [{"submaster_id": 1}]})";
    const QByteArray wide = R"({"name": "A port named wider than any device", "type": "ignored"})";
    const int deviceOnly = nameColumnAfterLoading(device);
    QVERIFY(deviceOnly > 0);
    QCOMPARE(nameColumnAfterLoading(device + ", " + wide), deviceOnly);
    QVERIFY(nameColumnAfterLoading(wide + ", " + device) > deviceOnly);
}

void NetworkFileTest::loadingMergesIntoTheTree() {
    WindowOnTestMachine test({{"COM3", "CP210x USB to UART Bridge"}});
    MainWindow& window = test.window;
    NetworkPortItem* detected = window.findNetworkPort("COM3");
    QVERIFY(detected != nullptr && detected->detected);
    window.addNetworkDevice(detected, 1);

    const QString path = test.home.path() + QStringLiteral("/in.net");
    writeFile(path, R"({"net": [
        {"name": "COM7", "type": "ignored"},
        {"name": "com3", "type": "lrr", "master_id": 4, "tcus": [{"submaster_id": 3},
         {"submaster_id": 2, "retries": -3}]}]})");
    QVERIFY(window.load(path.toStdString()));

    QCOMPARE(detected->name, QStringLiteral("COM3"));
    QVERIFY(detected->detected);
    QCOMPARE(detected->port_type, NetworkPortItem::lrr);
    QCOMPARE(detected->master_id, 4);
    QCOMPARE(detected->childCount(), 3);
    QCOMPARE(treeOf(window)->topLevelItem(0), detected); // sorted, not in the file's order
    QCOMPARE(detected->child(1)->text(0), QStringLiteral("4.2"));
    QCOMPARE(window.findNetworkPort("COM7")->master_id, 0);
    QVERIFY(!window.findNetworkPort("COM7")->detected);
    QCOMPARE(treeOf(window)->topLevelItemCount(), 2);
}

void NetworkFileTest::failedLoadKeepsWhatWasRead() {
    WindowOnTestMachine test;
    MainWindow& window = test.window;
    startWithEmptyNetwork(window);
    const QString path = test.home.path() + QStringLiteral("/bad.net");
    writeFile(path, R"({"net": [{"name": "A", "type": "lrr", "master_id": 1,
        "tcus": [{"submaster_id": 7}, {"submaster_id": 7}]}, {"name": "B", "type": "lrr"}]})");

    SeenMessageBox seen;
    ModalAnswerer answerer;
    answerer.then(pressMessageBoxButton(QMessageBox::Ok, &seen));
    QVERIFY(!window.load(path.toStdString()));
    QVERIFY(answerer.allAnswered());
    QCOMPARE(seen.title, QStringLiteral("Load network configuration file"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(window.findNetworkPort("A")->childCount(), 1);
    QVERIFY(window.findNetworkPort("A")->isExpanded());
    QCOMPARE(window.findNetworkPort("B"), nullptr);
    QVERIFY(window.isModified()); // the device that was added marks the network

    ModalAnswerer missing;
    missing.then(pressMessageBoxButton(QMessageBox::Ok, &seen));
    QVERIFY(!window.load("/nonexistent/config.net"));
    QVERIFY(
        seen.text.startsWith(QStringLiteral("Unable to parse file \"/nonexistent/config.net\": ")));
}

void NetworkFileTest::unwritableFileIsReported() {
    WindowOnTestMachine test;
    MainWindow& window = test.window;
    const QString path = test.home.path() + QStringLiteral("/missing folder/out.net");

    SeenMessageBox seen;
    ModalAnswerer answerer;
    answerer.then(pressMessageBoxButton(QMessageBox::Ok, &seen));
    QVERIFY(!window.save(path.toUtf8().toStdString()));
    QCOMPARE(seen.title, QStringLiteral("Save network configuration file"));
    QCOMPARE(seen.text, QStringLiteral("Unable to write file \"%1\"").arg(path));
    QVERIFY(!QFile::exists(path));
}

void NetworkFileTest::savesKeepTheLastFiveVersions() {
    WindowOnTestMachine test;
    MainWindow& window = test.window;
    startWithEmptyNetwork(window);
    const std::string config = window.getQuarnTCUDataFileName();
    const QDir backups(QString::fromStdString(window.getDataFileName()) + "/backups");

    QList<QByteArray> replaced;
    for (int save = 1; save <= 6; ++save) {
        replaced << readFile(QString::fromStdString(config));
        window.addNetworkPort(QStringLiteral("COM%1").arg(save), NetworkPortItem::direct, 0);
        QVERIFY(window.save(config));
    }
    const QStringList names = backups.entryList(QDir::Files, QDir::Name);
    QCOMPARE(names.size(), 5);
    const QRegularExpression dated(R"(^config-\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d\.\d{3}\.net$)");
    for (int i = 0; i < names.size(); ++i) {
        QVERIFY2(dated.match(names[i]).hasMatch(), qPrintable(names[i]));
        QCOMPARE(readFile(backups.filePath(names[i])), replaced[i + 1]);
    }

    // Only the configuration file has earlier versions kept.
    const std::string exported = (test.home.path() + QStringLiteral("/export.net")).toStdString();
    QVERIFY(window.save(exported) && window.save(exported));
    QCOMPARE(backups.entryList(QDir::Files, QDir::Name), names);
}

QTEST_MAIN(NetworkFileTest)
#include "tst_networkfile.moc"
