#include "modalanswerer.h"
#include "smalldisk.h"
#include "windowfixture.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <optional>

namespace {

const std::vector<MachinePorts::Port> oneAdapter{{"COM3", "CP210x USB to UART Bridge"}};

// Types the file's name into the dialog, as a user would; the dialog's own selection follows
// its directory listing, which is filled in the background.
ModalAnswerer::Answer chooseFile(const QString& path) {
    return [path](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        QVERIFY(dialog != nullptr);
        auto* nameEdit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(nameEdit != nullptr);
        dialog->setDirectory(QFileInfo(path).absolutePath());
        nameEdit->setText(QFileInfo(path).fileName());
        static_cast<QDialog*>(dialog)->accept(); // virtual: the file dialog checks the choice
    };
}

ModalAnswerer::Answer cancelDialog() {
    return [](QWidget* widget) { qobject_cast<QDialog*>(widget)->reject(); };
}

// Makes the configuration file impossible to write by putting a folder in its place.
void blockConfigFile(MainWindow& window) {
    QFile::remove(configFileOf(window));
    QDir().mkpath(configFileOf(window) + QStringLiteral("/blocked"));
}

// Runs one of the ways the configuration file gets written.
void saveBy(MainWindow& window, const QString& command) {
    if (command == QLatin1String("save(path)")) {
        QVERIFY(!window.save(window.getQuarnTCUDataFileName()));
    } else if (command == QLatin1String("OK")) {
        QTest::mousePress(buttonOf(window, "okButton"), Qt::LeftButton);
    } else if (command == QLatin1String("close")) {
        QVERIFY(window.close());
    } else {
        QMetaObject::invokeMethod(&window, "newNetwork");
    }
}

} // namespace

class NetworkCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void startWithoutConfigurationDeclined();
    void startWithoutConfigurationAccepted();
    void startWithOddEntryAtTheConfiguration_data();
    void startWithOddEntryAtTheConfiguration();
    void savingCommands_data();
    void savingCommands();
    void deleteNetwork();
    void createNetwork();
    void savingOntoAFullDisk_data();
    void savingOntoAFullDisk();
    void exportLeavesModifiedAlone();
    void importReplacesTheNetwork();
};

void NetworkCommandsTest::startWithoutConfigurationDeclined() {
    WindowOnTestMachine test(oneAdapter);
    SeenMessageBox seen;
    ModalAnswerer answerer;
    answerer.then(pressMessageBoxButton(QMessageBox::No, &seen));

    QVERIFY(test.window.load());
    QCOMPARE(seen.title, QStringLiteral("Enquiry"));
    QCOMPARE(seen.text, QStringLiteral("Create default network configuration file?"));
    QCOMPARE(seen.icon, QMessageBox::Question);
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(treeOf(test.window)->topLevelItemCount(), 0);
    QVERIFY(!test.window.isModified());
    QVERIFY(!QFile::exists(configFileOf(test.window)));
}

void NetworkCommandsTest::startWithoutConfigurationAccepted() {
    WindowOnTestMachine test(oneAdapter);
    ModalAnswerer answerer;
    answerer.then(pressMessageBoxButton(QMessageBox::Yes));

    QVERIFY(test.window.load());
    QFile file(configFileOf(test.window));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("\"COM3\""));
    QVERIFY(actionOf(test.window, "actionNetwork_delete")->isEnabled());
}

void NetworkCommandsTest::startWithOddEntryAtTheConfiguration_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("message"); // how the failed load begins; none when it succeeds

    // Any entry of that name counts as the configuration, so no question is asked.
    QTest::newRow("directory") << "directory" << true << "Unable to parse file";
    // The status cannot be read: the file counts as present and the load says why.
    QTest::newRow("loop of links")
        << "loop" << true << QString::fromLocal8Bit(std::strerror(ELOOP));
    QTest::newRow("loop of links at its folder")
        << "folder loop" << true << QString::fromLocal8Bit(std::strerror(ELOOP));
    // A link to nothing is no configuration: one created on Yes goes where the link points.
    QTest::newRow("dangling link") << "dangling" << false << QString();
}

void NetworkCommandsTest::startWithOddEntryAtTheConfiguration() {
    QFETCH(QString, entry);
    QFETCH(bool, present);
    QFETCH(QString, message);
    TemporaryHome home;
    MachinePorts ports(oneAdapter);
    const QString path = home.dataHome() + QStringLiteral("/quarntcu/config.net");
    const QString target = home.path() + QStringLiteral("/elsewhere.net");
    const QString folder = QFileInfo(path).path();
    QDir().mkpath(home.dataHome());
    if (entry == QLatin1String("folder loop")) {
        QFile::link(folder, folder);
    } else if (entry == QLatin1String("directory")) {
        QDir().mkpath(path);
    } else {
        QDir().mkpath(folder);
        QFile::link(entry == QLatin1String("loop") ? path : target, path);
    }

    MainWindow window;
    QCOMPARE(actionOf(window, "actionNetwork_create")->isEnabled(), !present);
    QCOMPARE(actionOf(window, "actionNetwork_delete")->isEnabled(), present);
    SeenMessageBox seen;
    ModalAnswerer answerer;
    answerer.then(pressMessageBoxButton(present ? QMessageBox::Ok : QMessageBox::Yes, &seen));
    QCOMPARE(window.load(), !present);
    QVERIFY(answerer.allAnswered());
    if (present) {
        QCOMPARE(seen.title, QStringLiteral("Load network configuration file"));
        QVERIFY2(seen.text.contains(message), qPrintable(seen.text));
    } else {
        QVERIFY(readFile(target).contains("\"COM3\""));
        QVERIFY(QFileInfo(path).isSymLink());
    }
}

void NetworkCommandsTest::savingCommands_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("closesAfterFailure");
    QTest::newRow("OK") << "okButton" << true << false;
    QTest::newRow("Apply") << "applyButton" << false << false;
    QTest::newRow("Cancel") << "cancelButton" << true << true;
    QTest::newRow("Exit") << "actionE_xit" << true << true;
    QTest::newRow("close button") << "" << true << true;
}

// Each command writes pending changes without asking, and only pending ones; a failed write
// is shown in an error box and keeps the changes marked.
void NetworkCommandsTest::savingCommands() {
    QFETCH(QString, command);
    QFETCH(bool, closes);
    WindowOnTestMachine test(oneAdapter);
    MainWindow& window = test.window;
    const auto run = [&] {
        window.show();
        if (command.isEmpty()) {
            window.close();
        } else if (command.startsWith(QLatin1String("action"))) {
            actionOf(window, qPrintable(command))->trigger();
        } else {
            QTest::mousePress(buttonOf(window, qPrintable(command)), Qt::LeftButton);
        }
    };

    run();
    QCOMPARE(window.isVisible(), !closes);
    QVERIFY(!QFile::exists(configFileOf(window)));

    window.addNetworkPort("COM7", NetworkPortItem::direct, 0);
    run();
    QCOMPARE(window.isVisible(), !closes);
    QVERIFY(!window.isModified());
    QVERIFY(readFile(configFileOf(window)).contains("\"COM7\""));

    window.addNetworkPort("COM8", NetworkPortItem::direct, 0);
    blockConfigFile(window);
    SeenMessageBox seen;
    ModalAnswerer answerer;
    answerer.then(pressMessageBoxButton(QMessageBox::Ok, &seen));
    run();
    QVERIFY(answerer.allAnswered());
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QTEST(!window.isVisible(), "closesAfterFailure");
    QVERIFY(window.isModified());
}

void NetworkCommandsTest::deleteNetwork() {
    WindowOnTestMachine test(oneAdapter);
    MainWindow& window = test.window;
    writeFile(configFileOf(window), "{\"net\": []}");
    window.updateMenus();

    SeenMessageBox seen;
    ModalAnswerer declined;
    declined.then(pressMessageBoxButton(QMessageBox::No, &seen));
    actionOf(window, "actionNetwork_delete")->trigger();
    QCOMPARE(seen.text, QStringLiteral("Are you sure you want to delete the whole network"));
    QCOMPARE(treeOf(window)->topLevelItemCount(), 1);
    QVERIFY(QFile::exists(configFileOf(window)));

    window.addNetworkPort("COM7", NetworkPortItem::direct, 0);
    ModalAnswerer accepted;
    accepted.then(pressMessageBoxButton(QMessageBox::Yes));
    actionOf(window, "actionNetwork_delete")->trigger();
    QCOMPARE(treeOf(window)->topLevelItemCount(), 0);
    QVERIFY(!QFile::exists(configFileOf(window)));
    QVERIFY(!window.isModified());
    QVERIFY(actionOf(window, "actionNetwork_create")->isEnabled());

    // A missing file is no error: only the question is shown.
    ModalAnswerer again;
    again.then(pressMessageBoxButton(QMessageBox::Yes))
        .then(pressMessageBoxButton(QMessageBox::Ok));
    QMetaObject::invokeMethod(&window, "delNetwork");
    QCOMPARE(again.answeredCount(), 1);
}

void NetworkCommandsTest::createNetwork() {
    WindowOnTestMachine test(oneAdapter);
    MainWindow& window = test.window;
    window.clearNetwork();
    window.addNetworkPort("COM7", NetworkPortItem::direct, 0);
    actionOf(window, "actionNetwork_create")->trigger();
    QVERIFY(window.findNetworkPort("COM3") != nullptr);
    QVERIFY(window.findNetworkPort("COM7") != nullptr);
    QVERIFY(QFile::exists(configFileOf(window)));
    QVERIFY(!window.isModified());
    QVERIFY(!actionOf(window, "actionNetwork_create")->isEnabled());

    // A network that could not be written stays marked as changed.
    blockConfigFile(window);
    SeenMessageBox seen;
    ModalAnswerer answerer;
    answerer.then(pressMessageBoxButton(QMessageBox::Ok, &seen));
    QMetaObject::invokeMethod(&window, "newNetwork");
    QCOMPARE(seen.title, QStringLiteral("Save network configuration file"));
    QVERIFY(window.isModified());
}

void NetworkCommandsTest::savingOntoAFullDisk_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("inPlace"); // the folder allows no new file: the file is rewritten
    QTest::addColumn<bool>("closes");

    QTest::newRow("save(path)") << "save(path)" << false << false;
    QTest::newRow("OK") << "OK" << false << false;
    QTest::newRow("close") << "close" << false << true;
    QTest::newRow("Network create") << "Network create" << false << false;
    QTest::newRow("save(path) in place") << "save(path)" << true << false;
    QTest::newRow("close in place") << "close" << true << true;
}

// A write cut short by a full disk fails the save, and the old file stays as it was.
void NetworkCommandsTest::savingOntoAFullDisk() {
    QFETCH(QString, command);
    QFETCH(bool, inPlace);
    QFETCH(bool, closes);
    WindowOnTestMachine test(oneAdapter);
    MainWindow& window = test.window;
    const QString path = configFileOf(window);
    const QString folder = QFileInfo(path).path();
    SmallDisk disk(folder, 64);
    if (!disk.error().isEmpty()) {
        QSKIP(qPrintable(QStringLiteral("needs root to mount a small disk: %1").arg(disk.error())));
    }
    startWithEmptyNetwork(window);
    const QByteArray old = readFile(path);
    const QDir backups(QString::fromStdString(window.getDataFileName()) + "/backups");
    backups.mkpath(QStringLiteral("."));
    for (int day = 1; day <= 5; ++day) {
        writeFile(backups.filePath(QStringLiteral("config-2020-01-0%1_00-00-00.000.net").arg(day)),
                  QByteArray::number(day));
    }
    const QStringList kept = backups.entryList(QDir::Files);
    QCOMPARE(old, QByteArray("{\"net\": []}"));
    disk.fill();
    std::optional<PermissionsObeyed> obeyed;
    if (inPlace) {
        QFile(folder).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        obeyed.emplace();
    }
    // More than the page the old file holds on the disk.
    for (int port = 1; port <= 60; ++port) {
        window.addNetworkPort(QStringLiteral("COM%1").arg(port), NetworkPortItem::lrr, port);
    }
    window.show();

    SeenMessageBox seen;
    ModalAnswerer answerer;
    answerer.then(pressMessageBoxButton(QMessageBox::Ok, &seen));
    saveBy(window, command);
    QVERIFY(answerer.allAnswered());
    QCOMPARE(seen.title, QStringLiteral("Save network configuration file"));
    QCOMPARE(seen.text, QStringLiteral("Unable to write file \"%1\"").arg(path));
    QCOMPARE(readFile(path), old);
    QCOMPARE(window.isVisible(), !closes);
    QVERIFY(window.isModified());
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({"config.net", "filler"}));
    QCOMPARE(backups.entryList(QDir::Files), kept); // none added, none dropped
}

void NetworkCommandsTest::exportLeavesModifiedAlone() {
    WindowOnTestMachine test(oneAdapter);
    MainWindow& window = test.window;
    startWithEmptyNetwork(window);
    window.addNetworkPort("COM7", NetworkPortItem::direct, 0);
    const QString path = test.home.path() + QStringLiteral("/export.net");

    QFileDialog* seen = nullptr;
    ModalAnswerer answerer;
    answerer.then([&](QWidget* widget) {
        seen = qobject_cast<QFileDialog*>(widget);
        QCOMPARE(seen->windowTitle(), QStringLiteral("Export network file"));
        QCOMPARE(seen->nameFilters(), QStringList{"QUARN network files (*.net)"});
        QCOMPARE(seen->acceptMode(), QFileDialog::AcceptSave);
        chooseFile(path)(widget);
    });
    actionOf(window, "action_Export")->trigger();
    QVERIFY(seen != nullptr);
    QVERIFY(QFile::exists(path));
    QVERIFY(window.isModified());
}

void NetworkCommandsTest::importReplacesTheNetwork() {
    WindowOnTestMachine test(oneAdapter);
    MainWindow& window = test.window;
    startWithEmptyNetwork(window);
    window.addNetworkPort("COM7", NetworkPortItem::direct, 0);

    ModalAnswerer cancelled;
    cancelled.then(cancelDialog());
    actionOf(window, "action_Import")->trigger();
    QVERIFY(window.findNetworkPort("COM7") != nullptr);
    QVERIFY(window.isModified());

    const QString good = test.home.path() + QStringLiteral("/good.net");
    writeFile(good, R"({"net": [{"name": "COM9", "type": "lrr", "master_id": 2}]})");
    ModalAnswerer imported;
    imported.then(chooseFile(good));
    actionOf(window, "action_Import")->trigger();
    QCOMPARE(treeOf(window)->topLevelItemCount(), 1);
    QCOMPARE(window.findNetworkPort("COM9")->master_id, 2);
    QVERIFY(!window.isModified());

    const QString bad = test.home.path() + QStringLiteral("/bad.net");
    writeFile(bad, "not json");
    ModalAnswerer failed;
    failed.then(chooseFile(bad)).then(pressMessageBoxButton(QMessageBox::Ok));
    actionOf(window, "action_Import")->trigger();
    QVERIFY(failed.allAnswered());
    QCOMPARE(treeOf(window)->topLevelItemCount(), 0);
    QVERIFY(window.isModified());
}

QTEST_MAIN(NetworkCommandsTest)
#include "tst_networkcommands.moc"
