#include "mainwindow/liveports.h"

#include "mainwindow/mainwindow.h"
#include "mainwindow/messageboxes.h"
#include "mainwindow/movedadapters.h"
#include "mainwindow/portrows.h"
#include "mainwindow/treebatch.h"
#include "model/defaultnetwork.h"
#include "model/networkrules.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QTimer>

#include <optional>
#include <utility>

namespace {

constexpr int newsMs = 5000;

// The ports of ports that others does not hold.
QList<MachinePort> missingFrom(const MachinePorts& ports, const MachinePorts& others) {
    QList<MachinePort> missing;
    for (auto port = ports.cbegin(); port != ports.cend(); ++port) {
        if (!others.contains(port.key()))
            missing << *port;
    }
    return missing;
}

QString newsOf(const QList<MachinePort>& arrivals, const QList<MachinePort>& departures) {
    QStringList news;
    for (const MachinePort& port : arrivals) {
        news << (port.description.isEmpty() ? MainWindow::tr("%1 connected").arg(port.name)
                 : port.serialNumber.isEmpty()
                     ? MainWindow::tr("%1 connected: %2").arg(port.name, port.description)
                     : MainWindow::tr("%1 connected: %2, serial %3")
                           .arg(port.name, port.description, port.serialNumber));
    }
    for (const MachinePort& port : departures)
        news << MainWindow::tr("%1 disconnected").arg(port.name);
    return news.join(QStringLiteral("; "));
}

std::optional<AdapterMove> firstUndeclined(const QList<AdapterMove>& moves,
                                           const QSet<QPair<QString, QString>>& declined) {
    for (const AdapterMove& move : moves) {
        if (!declined.contains({move.from, move.to}))
            return move;
    }
    return std::nullopt;
}

} // namespace

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (live->notices != nullptr)
        return;
    live->notices = std::make_unique<PortNotices>(*this);
    connect(live->notices.get(), &PortNotices::changed, this, &MainWindow::followPorts);
    rememberAdapters();
    QTimer::singleShot(0, this, &MainWindow::offerMovedAdapters);
}

// An open dialog or question may hold a row that the news would change or delete: the news is
// taken once the window is no longer blocked by it.
bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowUnblocked && live != nullptr && live->newsWaiting)
        QTimer::singleShot(0, this, &MainWindow::followPorts);
    return QMainWindow::event(event);
}

void MainWindow::followPorts() {
    live->newsWaiting = QApplication::activeModalWidget() != nullptr;
    if (live->newsWaiting)
        return;
    rememberAdapters(); // ports configured since the last news, before their adapters go
    const MachinePorts before = std::exchange(live->present, readMachinePorts());
    const QList<MachinePort> arrivals = missingFrom(live->present, before);
    const QList<MachinePort> departures = missingFrom(before, live->present);
    {
        const TreeBatch batch(*batching);
        for (const MachinePort& port : arrivals)
            markPresent(port.name, port.radioAdapter);
        for (const MachinePort& port : departures)
            markPresent(port.name, false);
        addRadioAdapterRows(arrivals);
        batching->fitNameColumn();
    }
    showMachineFacts(0, ui->treeWidget->topLevelItemCount() - 1);
    if (!arrivals.isEmpty() || !departures.isEmpty())
        statusBar()->showMessage(newsOf(arrivals, departures), newsMs);
    rememberAdapters();
    updateMenus();
    if (!arrivals.isEmpty())
        offerMovedAdapters();
}

// The rows the default network adds for radio adapters among ports, sorted into place.
void MainWindow::addRadioAdapterRows(const QList<MachinePort>& ports) {
    const TreeBatch batch(*batching);
    QStringList held;
    for (const NetworkPortItem* row : portRows(*ui->treeWidget))
        held << row->name;
    QList<QTreeWidgetItem*> rows;
    for (auto& port : defaultnetwork::adapterPorts(radioAdapterNames(ports), held))
        rows << port.release();
    ui->treeWidget->insertTopLevelItems(0, rows);
    batching->sortByName();
}

void MainWindow::markPresent(const QString& name, bool present) {
    NetworkPortItem* row = findNetworkPort(name);
    if (row != nullptr && row->detected != present)
        row->set_detected(present);
}

// Both columns of a port row tell what the machine reports for that port.
// The rows are taken first: a sorted tree may move them as their texts change.
void MainWindow::showMachineFacts(int first, int last) {
    QList<QTreeWidgetItem*> rows;
    for (int i = first; i <= last; ++i)
        rows << ui->treeWidget->topLevelItem(i);
    for (QTreeWidgetItem* row : rows) {
        const auto port = live->present.constFind(networkrules::portKey(row->text(0)));
        const QString facts =
            port != live->present.cend() ? port->facts : tr("Not present on this computer");
        row->setToolTip(0, facts);
        row->setToolTip(1, facts);
    }
}

QStringList MainWindow::configuredPorts() const {
    QStringList names;
    for (const NetworkPortItem* port : portRows(*ui->treeWidget)) {
        if (port->port_type != NetworkPortItem::ignored)
            names << port->name;
    }
    return names;
}

// The adapter behind each configured port that is present, as it is now; written when that
// changes what is remembered.
void MainWindow::rememberAdapters() {
    storage::AdapterIdentities now = live->remembered;
    for (const QString& name : configuredPorts()) {
        const QString identity = live->present.value(networkrules::portKey(name)).identity;
        if (!identity.isEmpty())
            now.insert(name, identity);
    }
    if (now != live->remembered) {
        live->remembered = now;
        storage::writeAdapterIdentities(now);
    }
}

// Asked one at a time, each against the tree as the previous answer left it.
void MainWindow::offerMovedAdapters() {
    if (live->asking)
        return;
    live->asking = true;
    while (const std::optional<AdapterMove> move = firstUndeclined(
               movedAdapters(configuredPorts(), live->present, live->remembered), live->declined)) {
        const QString question =
            tr("The adapter of %1 (%2) is now %3. Move the settings and devices of %1 to %3?")
                .arg(move->from, identityText(move->identity), move->to);
        if (confirmed(this, question))
            moveAdapter(*move);
        else
            live->declined.insert({move->from, move->to});
    }
    live->asking = false;
}

// What cutting from and pasting it onto to does.
void MainWindow::moveAdapter(const AdapterMove& move) {
    NetworkPortItem* from = findNetworkPort(move.from);
    if (from == nullptr)
        return;
    {
        const TreeBatch batch(*batching);
        NetworkPortItem* to = findNetworkPort(move.to);
        if (to == nullptr) {
            const MachinePort port = live->present.value(networkrules::portKey(move.to));
            to = new NetworkPortItem(move.to, port.radioAdapter);
            ui->treeWidget->addTopLevelItem(to);
            batching->sortByName();
        }
        to->set_port_type(from->port_type); // a port not used takes no copy
        to->copy_from(from);
        deleteItem(from);
        batching->fitNameColumn();
    }
    live->remembered.remove(move.from);
    live->remembered.insert(move.to, move.identity);
    storage::writeAdapterIdentities(live->remembered);
    modified = true;
    updateMenus();
}
