#include "dialogdriver.h"
#include "dialogs/networkportpropertiesdialog.h"
#include "modalanswerer.h"
#include "model/networkportitem.h"

#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

namespace {

const QStringList propertyFields{"masterIdLabel",   "retriesLabel",   "delayLabel",
                                 "masterIdSpinBox", "retriesSpinBox", "delaySpinBox"};

QStringList visibleFields(QWidget* dialog) {
    QStringList visible;
    for (const QString& name : propertyFields) {
        if (dialog->findChild<QWidget*>(name)->isVisible()) {
            visible << name;
        }
    }
    return visible;
}

QString checkedType(QWidget* dialog) {
    for (const QRadioButton* button : dialog->findChildren<QRadioButton*>()) {
        if (button->isChecked()) {
            return button->objectName();
        }
    }
    return QString();
}

void choose(QWidget* dialog, const char* typeButton) {
    dialog->findChild<QRadioButton*>(QLatin1String(typeButton))->click();
}

QSpinBox* typeInto(QWidget* dialog, const char* spinBox, const QString& text) {
    auto* box = dialog->findChild<QSpinBox*>(QLatin1String(spinBox));
    box->selectAll();
    QTest::keyClicks(box, text);
    return box;
}

// Type, master ID, retries and delay, in the order the dialog writes them.
void setValues(NetworkPortItem& port, const QList<int>& values) {
    port.port_type = static_cast<NetworkPortItem::port_type_t>(values[0]);
    port.master_id = values[1];
    port.retries = values[2];
    port.delay = values[3];
}

QList<int> valuesOf(const NetworkPortItem& port) {
    return {port.port_type, port.master_id, port.retries, port.delay};
}

} // namespace

class PortPropertiesDialogTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithPortType_data();
    void opensWithPortType();
    void okWritesClampedValues_data();
    void okWritesClampedValues();
    void okWritesWhatTheUserChose();
    void cancelLeavesPortUntouched();
    void nullPortShowsNothing();
};

void PortPropertiesDialogTest::opensWithPortType_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QStringList>("visible");
    QTest::addColumn<QString>("focus");
    QTest::newRow("not used") << 0 << "unusedRadioButton" << QStringList() << "unusedRadioButton";
    QTest::newRow("local TCU") << 1 << "localTCURadioButton" << QStringList()
                               << "localTCURadioButton";
    QTest::newRow("LRR") << 2 << "lrrRadioButton" << propertyFields << "lrrRadioButton";
    QTest::newRow("unknown type") << 7 << QString() << propertyFields << "unusedRadioButton";
}

void PortPropertiesDialogTest::opensWithPortType() {
    QFETCH(int, type);
    NetworkPortItem port(QStringLiteral("COM3"), false);
    setValues(port, {type, 12, 3, 700});
    QString title;
    QString checked;
    QStringList visible;
    QString focus;
    ModalAnswerer answerer;
    answerer.then([&](QWidget* dialog) {
        title = dialog->windowTitle();
        checked = checkedType(dialog);
        visible = visibleFields(dialog);
        focus = focusedName(dialog);
        pressButton(dialog, QDialogButtonBox::Cancel);
    });
    NetworkPortPropertiesDialog dialog(nullptr);
    QCOMPARE(dialog.exec(&port), 0);
    QCOMPARE(title, QStringLiteral("Network Port Properties [COM3]"));
    QTEST(checked, "checked");
    QTEST(visible, "visible");
    // Space then Enter must not turn the port into another type.
    QTEST(focus, "focus");
}

void PortPropertiesDialogTest::okWritesClampedValues_data() {
    QTest::addColumn<QList<int>>("stored");
    QTest::addColumn<QList<int>>("written");
    QTest::newRow("in range") << QList<int>{2, 12, 3, 700} << QList<int>{2, 12, 3, 700};
    QTest::newRow("master ID 0") << QList<int>{2, 0, 5, 5000} << QList<int>{2, 1, 5, 5000};
    QTest::newRow("above ranges") << QList<int>{1, 300, 120, 20000}
                                  << QList<int>{1, 255, 99, 10000};
    QTest::newRow("negative") << QList<int>{0, -4, -1, -1} << QList<int>{0, 1, 0, 0};
    QTest::newRow("unknown type") << QList<int>{7, 12, 3, 700} << QList<int>{0, 12, 3, 700};
}

void PortPropertiesDialogTest::okWritesClampedValues() {
    QFETCH(QList<int>, stored);
    NetworkPortItem port(QStringLiteral("COM3"), false);
    setValues(port, stored);
    ModalAnswerer answerer;
    answerer.then([](QWidget* dialog) { pressButton(dialog, QDialogButtonBox::Ok); });
    NetworkPortPropertiesDialog dialog(nullptr);
    QCOMPARE(dialog.exec(&port), int(QDialog::Accepted));
    QTEST(valuesOf(port), "written");
}

// The user fills in an LRR port, then settles for a local TCU: the rows hide again, but their
// values are written all the same, through the setters that redraw the row.
void PortPropertiesDialogTest::okWritesWhatTheUserChose() {
    NetworkPortItem port(QStringLiteral("COM3"), false);
    QList<QStringList> visible;
    ModalAnswerer answerer;
    answerer.then([&](QWidget* dialog) {
        choose(dialog, "lrrRadioButton");
        visible << visibleFields(dialog);
        typeInto(dialog, "masterIdSpinBox", QStringLiteral("42"));
        typeInto(dialog, "retriesSpinBox", QStringLiteral("7"));
        QTest::keyClick(typeInto(dialog, "delaySpinBox", QStringLiteral("1234")), Qt::Key_Up);
        choose(dialog, "localTCURadioButton");
        visible << visibleFields(dialog);
        pressButton(dialog, QDialogButtonBox::Ok);
    });
    NetworkPortPropertiesDialog dialog(nullptr);
    QCOMPARE(dialog.exec(&port), int(QDialog::Accepted));
    QCOMPARE(visible, (QList<QStringList>{propertyFields, {}}));
    QCOMPARE(valuesOf(port), (QList<int>{1, 42, 7, 1334}));
    QCOMPARE(port.text(1), QStringLiteral("Direct TCU"));
}

void PortPropertiesDialogTest::cancelLeavesPortUntouched() {
    NetworkPortItem port(QStringLiteral("COM3"), false);
    setValues(port, {2, 300, -1, 5000});
    ModalAnswerer answerer;
    answerer.then([](QWidget* dialog) {
        choose(dialog, "unusedRadioButton");
        typeInto(dialog, "retriesSpinBox", QStringLiteral("9"));
        pressButton(dialog, QDialogButtonBox::Cancel);
    });
    NetworkPortPropertiesDialog dialog(nullptr);
    QCOMPARE(dialog.exec(&port), 0);
    QCOMPARE(valuesOf(port), (QList<int>{2, 300, -1, 5000}));
}

void PortPropertiesDialogTest::nullPortShowsNothing() {
    NetworkPortPropertiesDialog dialog(nullptr);
    QCOMPARE(dialog.exec(nullptr), 0);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Network Port Properties"));
}

QTEST_MAIN(PortPropertiesDialogTest)
#include "tst_portpropertiesdialog.moc"
