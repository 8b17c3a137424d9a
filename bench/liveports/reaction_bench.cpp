// Times the window's reaction to a serial port appearing: from its device node being made in a
// folder that stands in for /dev to the port's row being in the tree and drawn, through the
// inotify watch, the event loop, the 300 ms gathering of notices, one enumeration and the tree.
// The machine is scripted, so the enumeration is the scripted one (bench_rs232_enumerate times
// the real one); the bench also counts the enumerations each change costs.
//   bench_live_ports [ROUNDS]
#include "fakeplatform.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/portnotices.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A scripted machine that counts its enumerations: each reads the SERIALCOMM key once.
class CountingPlatform : public RS232::test::FakePlatform {
public:
    int enumerations = 0;
    long openLocalMachineKey(const char* path, RS232::Handle& key) override {
        ++enumerations;
        return FakePlatform::openLocalMachineKey(path, key);
    }
};

// Milliseconds from making the node to the row named port drawn; -1 when it took over 10 s.
double reaction(QTreeWidget& tree, const QString& node, const QString& port) {
    QEventLoop loop;
    Clock::time_point shown;
    const auto connection = QObject::connect(tree.model(), &QAbstractItemModel::rowsInserted, [&] {
        if (tree.findItems(port, Qt::MatchExactly).isEmpty())
            return;
        tree.viewport()->repaint();
        shown = Clock::now();
        loop.quit();
    });
    QTimer::singleShot(10000, &loop, [&loop] { loop.exit(1); });
    const Clock::time_point made = Clock::now();
    std::ofstream(node.toStdString()).close();
    const int failed = loop.exec();
    QObject::disconnect(connection);
    return failed ? -1 : std::chrono::duration<double, std::milli>(shown - made).count();
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home, dev;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/share").toUtf8());
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    CountingPlatform machine;
    RS232::installPlatform(&machine);
    MainWindow window;
    window.show();
    // The window listens to the scripted machine, which announces nothing here; these notices
    // come from the folder, as the system's come from /dev.
    PortNotices notices(window, dev.path().toStdString());
    QObject::connect(&notices, &PortNotices::changed, &window, &MainWindow::followPorts);
    auto& tree = *window.findChild<QTreeWidget*>("treeWidget");

    std::vector<double> times;
    int mostEnumerations = 0;
    for (int round = 0; round < rounds; ++round) {
        const QString port = QString("COM%1").arg(10 + round);
        machine.addDevice(RS232::guidDevclassPorts,
                          RS232::test::namedDevice(RS232::DevNode(10 + round), port.toStdString(),
                                                   "CP210x USB to UART Bridge"));
        machine.enumerations = 0;
        const double ms = reaction(tree, dev.filePath(QString("ttyUSB%1").arg(round)), port);
        if (ms < 0) {
            std::printf("round %d: no row within 10 s\n", round);
            return 1;
        }
        times.push_back(ms);
        mostEnumerations = std::max(mostEnumerations, machine.enumerations);
    }
    std::sort(times.begin(), times.end());
    std::printf("node made to row drawn, %d rounds: min %.1f ms, median %.1f ms, max %.1f ms "
                "(300 ms of it the gathering of notices)\n",
                rounds, times.front(), times[times.size() / 2], times.back());
    std::printf("enumerations per change: at most %d\n", mostEnumerations);
    const bool fast = times.back() < 1000 && mostEnumerations <= 1;
    std::printf("%s: under 1 s and one enumeration per change\n", fast ? "PASS" : "FAIL");
    RS232::installPlatform(nullptr);
    return fast ? 0 : 1;
}
