// Loads and saves generated networks of 16 and 255 LRR ports with 255 devices each through the
// main window, and prints the best of several runs beside a floor measured in the same run:
//   load: MainWindow::load(path) into an empty window, against reading the file, parsing it with
//         QJsonDocument and adding one item per port and device, texts set, to a sorted tree;
//   save: MainWindow::save(path), against QJsonDocument::toJson of the same network and one write
//         through QSaveFile (both sides pay the same sync);
//   check: vexalo-net's "check path", against reading the file, parsing it with QJsonDocument and
//         reading every value of every port and device.
// Arguments choose the numbers of ports (default: 16 255).
// HOME and the XDG folders point at a temporary folder, so the user's configuration is untouched.

#include "mainwindow/mainwindow.h"
#include "netcommands.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

constexpr int devicesPerPort = 255;

// COM1 .. COMn as LRR ports with master IDs 1..n; every third device has retries of its own and
// every fifth a delay of its own, the others inherit.
QByteArray generatedNetwork(int ports) {
    QJsonArray net;
    for (int p = 1; p <= ports; ++p) {
        QJsonArray devices;
        for (int d = 1; d <= devicesPerPort; ++d) {
            QJsonObject device{{QStringLiteral("submaster_id"), d}};
            if (d % 3 == 0) {
                device.insert(QStringLiteral("retries"), 3);
            }
            if (d % 5 == 0) {
                device.insert(QStringLiteral("delay"), 200);
            }
            devices.append(device);
        }
        net.append(QJsonObject{{QStringLiteral("name"), QStringLiteral("COM%1").arg(p)},
                               {QStringLiteral("type"), QStringLiteral("lrr")},
                               {QStringLiteral("master_id"), p},
                               {QStringLiteral("retries"), 5},
                               {QStringLiteral("delay"), 5000},
                               {QStringLiteral("tcus"), devices}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("net"), net}}).toJson();
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

int intOf(const QJsonObject& object, const QString& key, int fallback) {
    return object.contains(key) ? object.value(key).toInt() : fallback;
}

// One item per port and device with texts like the editor's, added to a sorted tree.
void fillTree(QTreeWidget& tree, const QJsonDocument& document) {
    QList<QTreeWidgetItem*> ports;
    for (const QJsonValue& portValue : document.object().value(QStringLiteral("net")).toArray()) {
        const QJsonObject port = portValue.toObject();
        const int masterId = port.value(QStringLiteral("master_id")).toInt();
        const int retries = port.value(QStringLiteral("retries")).toInt();
        const int delay = port.value(QStringLiteral("delay")).toInt();
        auto* portItem =
            new QTreeWidgetItem(QStringList{port.value(QStringLiteral("name")).toString(),
                                            QStringLiteral("LRR ID: %1, retries: %2, delay: %3")
                                                .arg(masterId)
                                                .arg(retries)
                                                .arg(delay)});
        QList<QTreeWidgetItem*> devices;
        for (const QJsonValue& deviceValue : port.value(QStringLiteral("tcus")).toArray()) {
            const QJsonObject device = deviceValue.toObject();
            devices << new QTreeWidgetItem(
                QStringList{QStringLiteral("%1.%2").arg(masterId).arg(
                                device.value(QStringLiteral("submaster_id")).toInt()),
                            QStringLiteral("retries: %1, delay: %2")
                                .arg(intOf(device, QStringLiteral("retries"), retries))
                                .arg(intOf(device, QStringLiteral("delay"), delay))});
        }
        portItem->addChildren(devices);
        ports << portItem;
    }
    tree.addTopLevelItems(ports);
    // A sorting tree sorts new rows only when they are next looked at; the floor does it now.
    tree.sortItems(0, Qt::AscendingOrder);
}

// Every value of every port and device, summed so that none is skipped.
long walkDocument(const QJsonDocument& document) {
    long sum = 0;
    for (const QJsonValue& portValue : document.object().value(QStringLiteral("net")).toArray()) {
        const QJsonObject port = portValue.toObject();
        for (auto value = port.begin(); value != port.end(); ++value) {
            sum += value->isString() ? value->toString().size() : value->toInt();
        }
        for (const QJsonValue& deviceValue : port.value(QStringLiteral("tcus")).toArray()) {
            const QJsonObject device = deviceValue.toObject();
            for (auto value = device.begin(); value != device.end(); ++value) {
                sum += value->toInt();
            }
        }
    }
    return sum;
}

bool checkFile(const QString& path) {
    QBuffer in, out, err;
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    Console console{in, out, err};
    return runNetCommand({QStringLiteral("check"), path}, console) == 0;
}

// Best time of several runs in milliseconds; prepare runs untimed before each run.
double bestMilliseconds(int runs, const std::function<void()>& prepare,
                        const std::function<bool()>& measured) {
    double best = 1e12;
    for (int run = 0; run < runs; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        if (!measured()) {
            std::printf("a measured step failed\n");
        }
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

void printRow(int ports, const char* step, double ours, double floor, double goal) {
    std::printf("%3dx%-6d %-5s %10.1f %10.1f %7.2f %6.1f\n", ports, devicesPerPort, step, ours,
                floor, ours / floor, goal);
}

bool bench(int ports, int runs, const QString& folder) {
    const QString input = QStringLiteral("%1/in-%2.net").arg(folder).arg(ports);
    const QString output = QStringLiteral("%1/out-%2.net").arg(folder).arg(ports);
    const QString floorOutput = QStringLiteral("%1/floor-%2.net").arg(folder).arg(ports);
    writeFile(input, generatedNetwork(ports));

    std::unique_ptr<MainWindow> window;
    const double load = bestMilliseconds(
        runs,
        [&] {
            window.reset();
            window = std::make_unique<MainWindow>();
            window->clearNetwork();
        },
        [&] { return window->load(input.toStdString()); });

    std::unique_ptr<QTreeWidget> tree;
    const double loadFloor = bestMilliseconds(
        runs,
        [&] {
            tree = std::make_unique<QTreeWidget>();
            tree->setColumnCount(2);
            tree->setSortingEnabled(true);
        },
        [&] {
            fillTree(*tree, QJsonDocument::fromJson(readAll(input)));
            return tree->topLevelItemCount() == ports;
        });
    printRow(ports, "load", load, loadFloor, 2.0);

    const std::string outputName = output.toStdString();
    const double save = bestMilliseconds(
        runs, [] {}, [&] { return window->save(outputName); });
    const QJsonDocument saved = QJsonDocument::fromJson(readAll(output));
    QByteArray floorText;
    const double saveFloor = bestMilliseconds(
        runs, [] {},
        [&] {
            floorText = saved.toJson(QJsonDocument::Indented);
            return writeFile(floorOutput, floorText);
        });
    printRow(ports, "save", save, saveFloor, 1.5);

    const double check = bestMilliseconds(
        runs, [] {}, [&] { return checkFile(input); });
    const double checkFloor = bestMilliseconds(
        runs, [] {}, [&] { return walkDocument(QJsonDocument::fromJson(readAll(input))) > 0; });
    printRow(ports, "check", check, checkFloor, 2.0);

    const bool same = readAll(output) == floorText &&
                      saved.object().value(QStringLiteral("net")).toArray().size() == ports;
    if (!same) {
        std::printf("the saved file is not the network that was loaded\n");
    }
    return same;
}

// The editor logs every load and save; only warnings and worse are shown.
void dropDebugLines(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::printf("no temporary folder\n");
        return 1;
    }
    qputenv("HOME", folder.path().toUtf8());
    qputenv("XDG_DATA_HOME", (folder.path() + QStringLiteral("/share")).toUtf8());
    qputenv("XDG_CONFIG_HOME", (folder.path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_CACHE_HOME", (folder.path() + QStringLiteral("/cache")).toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    qInstallMessageHandler(dropDebugLines);

    std::printf("%-10s %-5s %10s %10s %7s %6s\n", "network", "step", "ms", "floor ms", "ratio",
                "goal");
    QStringList sizes = application.arguments().mid(1);
    if (sizes.isEmpty()) {
        sizes = QStringList{QStringLiteral("16"), QStringLiteral("255")};
    }
    bool same = true;
    for (const QString& size : sizes) {
        const int ports = std::clamp(size.toInt(), 1, 255);
        same = bench(ports, ports < 100 ? 9 : 3, folder.path()) && same;
    }
    return same ? 0 : 1;
}
