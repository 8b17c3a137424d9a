#include "model/networkdeviceitem.h"
#include "model/networkportitem.h"
#include "res/resourceicon.h"
#include "tablerow.h"

#include <QTreeWidget>
#include <QtTest>

namespace {

NetworkPortItem* addPort(QTreeWidget& tree, const QString& name, int type, int masterId,
                         bool detected = false) {
    auto* port = new NetworkPortItem(name, detected);
    tree.addTopLevelItem(port);
    port->set_port_type(NetworkPortItem::port_type_t(type));
    port->set_master_id(masterId);
    return port;
}

// A device whose negative retries or delay inherit the port's.
void addDevice(NetworkPortItem* port, int submasterId, int retries = -1, int delay = -1) {
    auto* device = new NetworkDeviceItem(QString("TCU .%1").arg(submasterId), port, submasterId);
    device->set_retries(retries);
    device->set_delay(delay);
}

// A row by path: "COM1" or "COM1/7" (port, then submaster ID); empty is no row.
NetworkItem* rowAt(QTreeWidget& tree, const QString& path) {
    QTreeWidgetItem* row = tree.findItems(path.section('/', 0, 0), Qt::MatchExactly).value(0);
    for (int i = 0; path.contains('/') && i < row->childCount(); ++i) {
        if (static_cast<NetworkDeviceItem*>(row->child(i))->submaster_id ==
            path.section('/', 1).toInt())
            return static_cast<NetworkItem*>(row->child(i));
    }
    return path.isEmpty() ? nullptr : static_cast<NetworkItem*>(row);
}

// A row and the rows below it, each as "first column|second column".
QStringList rowsOf(const QTreeWidgetItem* row) {
    QStringList rows;
    for (int i = 0; row != nullptr && i <= row->childCount(); ++i)
        rows += i == 0 ? QStringList(row->text(0) + '|' + row->text(1)) : rowsOf(row->child(i - 1));
    return rows;
}

// Icons from files carry no name, so rows are compared by what they draw.
bool showsIcon(const QIcon& icon, const QString& name) {
    const QImage expected = QIcon(":/res/" + name + ".ico").pixmap(16, 16).toImage();
    return !expected.isNull() && icon.pixmap(16, 16).toImage() == expected;
}

} // namespace

// The rows of the network tree: what they show and what they take from each other; and the
// icons they show.
class NetworkItemsTest : public QObject {
    Q_OBJECT

    QTreeWidget tree;

private slots:
    void init() {
        tree.clear();
        NetworkPortItem* one = addPort(tree, "COM1", NetworkPortItem::lrr, 1);
        one->set_retries(2);
        one->set_delay(300);
        addDevice(one, 5, 1);
        addDevice(one, 7, -1, 250);
        addDevice(one, 9, 0, -7);
        addDevice(addPort(tree, "COM2", NetworkPortItem::lrr, 2, true), 7);
        addPort(tree, "COM3", NetworkPortItem::direct, 0, true);
        addPort(tree, "COM4", NetworkPortItem::ignored, 0);
    }

    // Name, whether detected and the type; the icon in the first column, the text and icon in
    // the second.
    void portRow_data() {
        addColumns({"port", "icon0", "text1", "icon1"});
        addRow("new", {"COM5 0 0", "ignore", "Not used", "ignore"});
        addRow("detected", {"COM5 1 0", "usb", "Not used", "ignore"});
        addRow("auto", {"auto 0 1", "find", "Direct TCU", "network-wired-3"});
        addRow("detected auto", {"auto 1 0", "usb", "Not used", "ignore"});
        addRow("AUTO", {"AUTO 0 1", "ignore", "Direct TCU", "network-wired-3"});
        addRow("lrr",
               {"COM5 0 2", "ignore", "LRR ID: 10, retries: 5, delay: 5000", "network-wireless"});
    }

    void portRow() {
        QFETCH(QString, port);
        const QStringList words = port.split(' ');
        NetworkPortItem* row = addPort(tree, words[0], words[2].toInt(), 10, words[1] == "1");
        QCOMPARE(row->text(0), words[0]);
        QTEST(row->text(1), "text1");
        QFETCH(QString, icon0);
        QFETCH(QString, icon1);
        QVERIFY(showsIcon(row->icon(0), icon0) && showsIcon(row->icon(1), icon1));
        QCOMPARE(row->can_add(), words[2] == "2");
    }

    // A device row shows the port's value for retries or delay it inherits; its master ID and
    // inherited values follow the port when the row is refreshed.
    void deviceRows() {
        QCOMPARE(rowsOf(rowAt(tree, "COM1")),
                 QStringList({"COM1|LRR ID: 1, retries: 2, delay: 300",
                              "1.5|retries: 1, delay: 300 (inherit)",
                              "1.7|retries: 2 (inherit), delay: 250",
                              "1.9|retries: 0, delay: 300 (inherit)"}));
        QVERIFY(showsIcon(rowAt(tree, "COM1/5")->icon(0), "device"));
        QVERIFY(rowAt(tree, "COM1/5")->icon(1).isNull() && rowAt(tree, "COM1")->isExpanded());
        auto* port = static_cast<NetworkPortItem*>(rowAt(tree, "COM1"));
        port->set_master_id(13);
        port->set_delay(20);
        QCOMPARE(rowAt(tree, "COM1/7")->to_string(), "13.7");
        rowAt(tree, "COM1/5")->update_row();
        QCOMPARE(rowsOf(rowAt(tree, "COM1/5")),
                 QStringList("13.5|retries: 1, delay: 20 (inherit)"));
    }

    // What a row takes from another: the rows of the target afterwards (';' between rows), or
    // nothing when it is refused. The source stays as it was.
    void copies_data() {
        addColumns({"source", "target", "after"});
        const QString com1 = "LRR ID: 1, retries: 2, delay: 300;1.5|retries: 1, delay: 300 "
                             "(inherit);1.7|retries: 2 (inherit), delay: 250;1.9|retries: 0, "
                             "delay: 300 (inherit)";
        addRow("port onto direct port", {"COM1", "COM3", "COM3|" + com1});
        addRow("port onto port replaces devices", {"COM3", "COM2", "COM2|Direct TCU"});
        addRow("device onto lrr port",
               {"COM1/5", "COM2",
                "COM2|LRR ID: 2, retries: 5, delay: 5000;2.7|retries: 5 (inherit), delay: 5000 "
                "(inherit);2.5|retries: 1, delay: 5000 (inherit)"});
        addRow("device onto device", {"COM1/7", "COM1/5", "1.5|retries: 2 (inherit), delay: 250"});
        addRow("submaster ID taken", {"COM1/7", "COM2", ""});
        addRow("device onto direct port", {"COM1/5", "COM3", ""});
        addRow("device onto unused port", {"COM1/5", "COM4", ""});
        addRow("port onto unused port", {"COM1", "COM4", ""});
        addRow("port onto device", {"COM2", "COM1/5", ""});
        addRow("port onto itself", {"COM1", "COM1", ""});
        addRow("device onto itself", {"COM1/5", "COM1/5", ""});
        addRow("nothing onto port", {"", "COM1", ""});
        addRow("nothing onto device", {"", "COM1/5", ""});
    }

    void copies() {
        QFETCH(QString, source);
        QFETCH(QString, target);
        QFETCH(QString, after);
        NetworkItem* from = rowAt(tree, source);
        NetworkItem* to = rowAt(tree, target);
        const QStringList sourceRows = rowsOf(from);
        const QStringList targetRows = rowsOf(to);
        QCOMPARE(to->can_copy_from(from), !after.isEmpty());
        to->copy_from(from);
        QCOMPARE(rowsOf(to), after.isEmpty() ? targetRows : itemsOf(after));
        QCOMPARE(rowsOf(from), sourceRows);
    }

    // The images are compiled into the core library; each icon holds every size, the shared
    // icon (which decodes only what is drawn) draws what the file does, and icons differ.
    void icons() {
        QSet<QByteArray> seen;
        for (const char* name :
             {"find", "edit-copy", "dialog-apply", "list-remove", "dialog-cancel", "ignore",
              "network-wireless", "application-exit", "edit-cut", "network-wired-3", "list-add",
              "edit", "vexalo", "usb", "edit-paste", "device"}) {
            const QString file = QString("%1.ico").arg(name);
            const QIcon icon(":/res/" + file);
            for (int side : {16, 24, 32, 48})
                QVERIFY2(icon.availableSizes().contains(QSize(side, side)), name);
            for (int side : {16, 20, 32, 64}) {
                for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Selected}) {
                    QCOMPARE(resourceIcon(file).actualSize(QSize(side, side), mode),
                             icon.actualSize(QSize(side, side), mode));
                    QVERIFY(resourceIcon(file).pixmap(side, mode).toImage() ==
                            icon.pixmap(side, mode).toImage());
                }
            }
            const QImage image = icon.pixmap(16, 16).toImage();
            const QByteArray bits(reinterpret_cast<const char*>(image.constBits()),
                                  int(image.sizeInBytes()));
            QVERIFY2(!seen.contains(bits), name);
            seen.insert(bits);
        }
        QVERIFY(QPixmap(":/res/vexalo.png").width() >= 120);
    }
};

QTEST_MAIN(NetworkItemsTest)
#include "tst_networkitems.moc"
