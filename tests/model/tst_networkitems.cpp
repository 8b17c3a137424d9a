#include "networktree.h"
#include "tablerow.h"

#include <QtTest>

namespace {

// Icons from files carry no name, so rows are compared by what they draw.
bool showsIcon(const QIcon& icon, const QString& file) {
    const QImage expected = QIcon(":/res/" + file).pixmap(16, 16).toImage();
    return !expected.isNull() && icon.pixmap(16, 16).toImage() == expected;
}

// A row by path: "COM1" or "COM1/7" (port, then submaster ID); empty is no row.
NetworkItem* rowAt(QTreeWidget& tree, const QString& path) {
    if (path.isEmpty())
        return nullptr;
    const QStringList parts = path.split('/');
    QTreeWidgetItem* row = tree.findItems(parts[0], Qt::MatchExactly).value(0);
    for (int i = 0; parts.size() > 1 && i < row->childCount(); ++i) {
        if (static_cast<NetworkDeviceItem*>(row->child(i))->submaster_id == parts[1].toInt())
            return static_cast<NetworkItem*>(row->child(i));
    }
    return static_cast<NetworkItem*>(row);
}

} // namespace

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
        addPort(tree, "COM4", NetworkPortItem::ignored);
    }

    // Name, whether detected and the type; the icon in the first column, the text and icon in
    // the second.
    void portRow_data() {
        addColumns({"port", "icon0", "text1", "icon1"});
        addRow("new", {"COM3 0 0", "ignore", "Not used", "ignore"});
        addRow("detected", {"COM3 1 0", "usb", "Not used", "ignore"});
        addRow("auto", {"auto 0 1", "find", "Direct TCU", "network-wired-3"});
        addRow("detected auto", {"auto 1 0", "usb", "Not used", "ignore"});
        addRow("AUTO", {"AUTO 0 1", "ignore", "Direct TCU", "network-wired-3"});
        addRow("lrr",
               {"COM4 0 2", "ignore", "LRR ID: 10, retries: 5, delay: 5000", "network-wireless"});
    }

    void portRow() {
        QFETCH(QString, port);
        QFETCH(QString, icon0);
        QFETCH(QString, text1);
        QFETCH(QString, icon1);
        const QStringList words = port.split(' ');
        NetworkPortItem* row = addPort(
            tree, words[0], NetworkPortItem::port_type_t(words[2].toInt()), 10, words[1] == "1");
        QCOMPARE(row->text(0), words[0]);
        QCOMPARE(row->text(1), text1);
        QVERIFY(showsIcon(row->icon(0), icon0 + ".ico"));
        QVERIFY(showsIcon(row->icon(1), icon1 + ".ico"));
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
        QVERIFY(showsIcon(rowAt(tree, "COM1/5")->icon(0), "device.ico"));
        QVERIFY(rowAt(tree, "COM1/5")->icon(1).isNull() && rowAt(tree, "COM1")->isExpanded());
        auto* port = static_cast<NetworkPortItem*>(rowAt(tree, "COM1"));
        port->set_master_id(13);
        port->set_delay(20);
        QCOMPARE(rowAt(tree, "COM1/7")->to_string(), "13.7");
        rowAt(tree, "COM1/7")->update_row();
        QCOMPARE(rowsOf(rowAt(tree, "COM1/7")),
                 QStringList("13.7|retries: 2 (inherit), delay: 250"));
        rowAt(tree, "COM1/5")->update_row();
        QCOMPARE(rowsOf(rowAt(tree, "COM1/5")),
                 QStringList("13.5|retries: 1, delay: 20 (inherit)"));
    }

    // What a row takes from another: the rows of the target afterwards (';' between rows), or
    // nothing when it is refused.
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
        const QStringList rows = itemsOf(after);
        NetworkItem* from = rowAt(tree, source);
        NetworkItem* to = rowAt(tree, target);
        const QStringList sourceRows = rowsOf(from);
        const QStringList targetRows = rowsOf(to);
        QCOMPARE(to->can_copy_from(from), !rows.isEmpty());
        to->copy_from(from);
        QCOMPARE(rowsOf(to), rows.isEmpty() ? targetRows : rows);
        QCOMPARE(rowsOf(from), sourceRows);
    }
};

QTEST_MAIN(NetworkItemsTest)
#include "tst_networkitems.moc"
