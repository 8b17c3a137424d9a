#include "dialogs/networkdevicepropertiesdialog.h"
#include "dialogs/networkportpropertiesdialog.h"
#include "dialogs/newnetworkdevicewizard.h"
#include "dialogs/newnetworkportwizard.h"
#include "modalanswerer.h"
#include "networktree.h"
#include "tablerow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

// The properties dialogs and the wizards, driven as a user drives them: fields of the forms by
// object name, fields of the hand-built wizards by page and position.
namespace {

template <class Widget> Widget* child(QWidget* dialog, const QString& name) {
    return dialog->findChild<Widget*>(name);
}

// The object name of the widget with the keyboard focus.
QString focusOf(QWidget* dialog) {
    return dialog->focusWidget() != nullptr ? dialog->focusWidget()->objectName() : QString();
}

void press(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    child<QDialogButtonBox>(dialog, "buttonBox")->button(which)->click();
}

void typeInto(QWidget* dialog, const QString& spinBox, const QString& text) {
    auto* box = child<QSpinBox>(dialog, spinBox);
    box->selectAll();
    QTest::keyClicks(box, text);
}

// "inherited 3" is a checked box over a read-only 3, "own 3" an unchecked box over an editable
// 3; anything else is "mixed".
QString rowState(QWidget* dialog, const QString& row) {
    const auto* inherit = child<QCheckBox>(dialog, row + "Inherit");
    const auto* value = child<QSpinBox>(dialog, row + "SpinBox");
    if (inherit->isChecked() != value->isReadOnly())
        return "mixed";
    return QString(inherit->isChecked() ? "inherited %1" : "own %1").arg(value->value());
}

// The port's type, master ID, retries and delay.
QString valuesOf(const NetworkPortItem& port) {
    return QString("%1 %2 %3 %4")
        .arg(port.port_type)
        .arg(port.master_id)
        .arg(port.retries)
        .arg(port.delay);
}

QString visibleFieldsOf(QWidget* dialog) {
    QStringList visible;
    for (const char* name : {"masterIdLabel", "retriesLabel", "delayLabel", "masterIdSpinBox",
                             "retriesSpinBox", "delaySpinBox"})
        visible << (child<QWidget>(dialog, name)->isVisible() ? "1" : "0");
    return visible.join("");
}

QLabel* summaryValue(QWizard* wizard, int page, int row) {
    auto* grid = wizard->page(page)->findChild<QGridLayout*>();
    return qobject_cast<QLabel*>(grid->itemAtPosition(row, 1)->widget());
}

// Runs steps on the wizard once it shows, then goes to its last page and presses Finish.
void finish(QWizard& wizard, const std::function<void(QWizard*)>& steps) {
    ModalAnswerer answerer;
    answerer.then([&](QWidget* modal) {
        auto* shown = qobject_cast<QWizard*>(modal);
        steps(shown);
        while (shown->currentId() < shown->pageIds().last())
            shown->button(QWizard::NextButton)->click();
        shown->button(QWizard::FinishButton)->click();
    });
    QCOMPARE(wizard.exec(), int(QDialog::Accepted));
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    // The user's steps, the port as stored (type, master ID, retries, delay); the type button
    // checked when the dialog opens and what it writes back.
    void portProperties_data() {
        addColumns({"steps", "before", "result"});
        addRow("unused", {"", "0 -4 -1 -1", "unusedRadioButton 0 1 0 0"});
        addRow("local", {"", "1 300 120 20000", "localTCURadioButton 1 255 99 10000"});
        addRow("lrr", {"", "2 12 3 700", "lrrRadioButton 2 12 3 700"});
        addRow("unknown type", {"", "7 12 3 700", " 0 12 3 700"});
        addRow("filled in, then local",
               {"lrr 42 7 1234 local", "0 0 5 5000", "unusedRadioButton 1 42 7 1334"});
        addRow("cancelled",
               {"unused 1 9 9 cancel", "2 300 -1 5000", "lrrRadioButton 2 300 -1 5000"});
    }

    void portProperties() {
        QFETCH(QString, steps);
        QFETCH(QString, before);
        QFETCH(QString, result);
        const QList<int> stored = numbersOf(before);
        const QString checked = result.section(' ', 0, 0);
        NetworkPortItem port("COM3", false);
        port.port_type = NetworkPortItem::port_type_t(stored[0]);
        port.master_id = stored[1];
        port.retries = stored[2];
        port.delay = stored[3];
        QStringList seen;
        ModalAnswerer answerer;
        answerer.then([&](QWidget* dialog) {
            seen << dialog->windowTitle() << visibleFieldsOf(dialog);
            for (auto* button : dialog->findChildren<QRadioButton*>())
                seen << (button->isChecked() ? button->objectName() : QString());
            seen << focusOf(dialog);
            const QStringList step = steps.split(' ', Qt::SkipEmptyParts);
            const QMap<QString, QString> types{{"lrr", "lrrRadioButton"},
                                               {"local", "localTCURadioButton"},
                                               {"unused", "unusedRadioButton"}};
            if (!step.isEmpty()) {
                child<QRadioButton>(dialog, types[step[0]])->click();
                seen << visibleFieldsOf(dialog);
                typeInto(dialog, "masterIdSpinBox", step[1]);
                typeInto(dialog, "retriesSpinBox", step[2]);
                typeInto(dialog, "delaySpinBox", step[3]);
                QTest::keyClick(child<QSpinBox>(dialog, "delaySpinBox"), Qt::Key_Up);
                if (types.contains(step[4]))
                    child<QRadioButton>(dialog, types[step[4]])->click();
            }
            press(dialog,
                  step.value(4) == "cancel" ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok);
        });
        NetworkPortPropertiesDialog dialog(nullptr);
        QCOMPARE(dialog.exec(&port), steps.endsWith("cancel") ? 0 : int(QDialog::Accepted));
        QCOMPARE(seen.value(0), QString("Network Port Properties [COM3]"));
        QCOMPARE(seen.value(1), stored[0] == 2 || checked.isEmpty() ? "111111" : "000000");
        QCOMPARE(seen.mid(2, 3).join(""), checked);
        // The port's own type has the focus, so that Space then Enter changes nothing.
        QCOMPARE(seen.value(5), checked.isEmpty() ? "unusedRadioButton" : checked);
        if (!steps.isEmpty())
            QCOMPARE(seen.value(6), steps.startsWith("lrr") ? "111111" : "000000");
        QCOMPARE(valuesOf(port), result.section(' ', 1));
        // What the dialog writes, it writes through the setters that redraw the row.
        const QString shown = port.text(1);
        port.update_row();
        QCOMPARE(shown == port.text(1), !steps.endsWith("cancel"));
        QCOMPARE(NetworkPortPropertiesDialog(nullptr).exec(nullptr), 0);
    }

    // The Inherit boxes clicked, the port's delay and the device's retries and delay; the rows
    // shown and what has the focus (the first editable value), the rows after the clicks; what is
    // stored.
    void deviceProperties_data() {
        addColumns({"clicked", "numbers", "shown", "stored"});
        addRow("inherited", {"", "200 -1 -1", "inherited 3;inherited 200;retriesInherit", "-1 -1"});
        addRow("own", {"", "200 5 500", "own 5;own 500;retriesSpinBox", "5 500"});
        addRow("inherited retries, own delay",
               {"", "200 -1 500", "inherited 3;own 500;delaySpinBox", "-1 500"});
        addRow("own beyond range",
               {"", "200 120 200000", "own 99;own 100000;retriesSpinBox", "99 100000"});
        addRow("own 0", {"", "200 0 0", "own 0;own 1;retriesSpinBox", "0 1"});
        addRow("any negative",
               {"", "200 -5 -300", "inherited 3;inherited 200;retriesInherit", "-1 -1"});
        addRow("port delay 0", {"", "0 -1 -1", "inherited 3;inherited 1;retriesInherit", "-1 -1"});
        addRow("both switched", {"both", "200 -1 500",
                                 "inherited 3;own 500;delaySpinBox;own 3;inherited 200", "3 -1"});
        addRow("switched, cancelled",
               {"both cancel", "200 -1 100001",
                "inherited 3;own 100000;delaySpinBox;own 3;inherited 200", "-1 100001"});
    }

    void deviceProperties() {
        QFETCH(QString, clicked);
        QFETCH(QString, numbers);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        const QList<int> values = numbersOf(numbers);
        QTreeWidget tree;
        NetworkPortItem* port = addPort(tree, "COM3", NetworkPortItem::lrr, 3);
        port->retries = 3;
        port->delay = values[0];
        NetworkDeviceItem* device = addDevice(port, 17, values[1], values[2]);
        QStringList seen;
        ModalAnswerer answerer;
        answerer.then([&](QWidget* dialog) {
            seen << dialog->windowTitle() << rowState(dialog, "retries")
                 << rowState(dialog, "delay") << focusOf(dialog);
            if (!clicked.isEmpty()) {
                child<QCheckBox>(dialog, "retriesInherit")->click();
                child<QCheckBox>(dialog, "delayInherit")->click();
                seen << rowState(dialog, "retries") << rowState(dialog, "delay");
            }
            press(dialog,
                  clicked.endsWith("cancel") ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok);
        });
        NetworkDevicePropertiesDialog dialog(nullptr);
        QCOMPARE(dialog.exec(device), clicked.endsWith("cancel") ? 0 : int(QDialog::Accepted));
        QCOMPARE(seen, QStringList("Network Device Properties [3.17]") + itemsOf(shown));
        QCOMPARE(QString("%1 %2").arg(device->retries).arg(device->delay), stored);
        // The row is redrawn with what was stored.
        const QString drawn = device->text(1);
        device->update_row();
        QCOMPARE(drawn, device->text(1));
        QCOMPARE(NetworkDevicePropertiesDialog(nullptr).exec(nullptr), 0);
    }

    // The master ID typed while LRR is chosen and the radio buttons clicked (0 "Not used",
    // 1 "Local TCU", 2 "LRR Network"); the summary (name, type, master ID, whether the master ID
    // rows of both pages show) and the wizard's type and master ID. The summary follows typing
    // only.
    void newPort_data() {
        addColumns({"typed", "clicked", "summary"});
        addRow("no choice", {"", "", " com3 |Local TCU||0000|1 0"});
        addRow("not used", {"", "0", " com3 |Not used||0000|0 0"});
        addRow("LRR", {"12", "2", " com3 |LRR Network|12|1111|2 12"});
        addRow("LRR, then not used", {"7", "2 0", " com3 |Not used|7|0000|0 7"});
        addRow("LRR, then local", {"a1-2 +b3", "2 1", " com3 |Local TCU|123|0000|1 123"});
        addRow("leading zeros", {"007", "2", " com3 |LRR Network|007|1111|2 7"});
        addRow("too large for int",
               {"99999999999", "2", " com3 |LRR Network|99999999999|1111|2 0"});
    }

    void newPort() {
        QFETCH(QString, typed);
        QFETCH(QString, clicked);
        QString summary;
        NewNetworkPortWizard wizard(nullptr);
        finish(wizard, [&](QWizard* shown) {
            QWidget* typePage = shown->page(1);
            QTest::keyClicks(shown->focusWidget(), " com3 ");
            shown->page(0)->findChild<QLineEdit*>()->setText("COM4");
            shown->button(QWizard::NextButton)->click();
            // Space on the type page keeps the type the page shows checked.
            QTest::keyClick(shown->focusWidget(), Qt::Key_Space);
            for (int index : numbersOf(clicked)) {
                typePage->findChildren<QRadioButton*>().at(index)->click();
                if (index == 2)
                    QTest::keyClicks(typePage->findChild<QLineEdit*>(), typed);
            }
            shown->button(QWizard::NextButton)->click();
            QWidget* last = shown->page(2);
            auto* grid = last->findChild<QGridLayout*>();
            summary =
                QStringList{summaryValue(shown, 2, 0)->text(), summaryValue(shown, 2, 1)->text(),
                            summaryValue(shown, 2, 2)->text()}
                    .join('|') +
                '|' +
                QString::number(typePage->findChildren<QLabel*>().last()->isVisibleTo(typePage)) +
                QString::number(typePage->findChild<QLineEdit*>()->isVisibleTo(typePage)) +
                QString::number(grid->itemAtPosition(2, 0)->widget()->isVisibleTo(last)) +
                QString::number(summaryValue(shown, 2, 2)->isVisibleTo(last));
        });
        QTEST(summary + QString("|%1 %2").arg(wizard.device_type()).arg(wizard.masterId()),
              "summary");
        QCOMPARE(wizard.portname(), QString("COM4"));
        QCOMPARE(wizard.windowTitle(), QString("New Network Port Wizard"));
    }

    // The address reads the port's master ID at each edit; deleting what was typed is an edit,
    // setting the text from the program is not.
    void newDevice() {
        QTreeWidget tree;
        NetworkPortItem* port = addPort(tree, "COM3", NetworkPortItem::lrr, 12);
        QStringList addresses;
        NewNetworkDeviceWizard wizard(nullptr, port);
        finish(wizard, [&](QWizard* shown) {
            QLineEdit* edit = shown->page(0)->findChild<QLineEdit*>();
            QTest::keyClicks(shown->focusWidget(), " 5");
            addresses << summaryValue(shown, 1, 0)->text();
            QTest::keyClick(edit, Qt::Key_Backspace);
            addresses << summaryValue(shown, 1, 0)->text();
            port->master_id = 13;
            QTest::keyClicks(edit, "0x4");
            addresses << summaryValue(shown, 1, 0)->text();
            edit->setText("99");
            addresses << summaryValue(shown, 1, 0)->text();
        });
        QCOMPARE(addresses, QStringList({"12.5", "12.", "13.04", "13.04"}));
        QCOMPARE(wizard.submasterId(), 99);
        QCOMPARE(wizard.windowTitle(), QString("New Network Device Wizard"));
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
