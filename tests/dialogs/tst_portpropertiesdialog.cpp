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

QRadioButton* typeButton(QWidget* dialog, const char* name) {
    return dialog->findChild<QRadioButton*>(QLatin1String(name));
}

QSpinBox* spinBox(QWidget* dialog, const char* name) {
    return dialog->findChild<QSpinBox*>(QLatin1String(name));
}

void typeInto(QSpinBox* box, const QString& text) {
    box->selectAll();
    QTest::keyClicks(box, text);
}

struct PortValues {
    int type;
    int masterId;
    int retries;
    int delay;
};

void setValues(NetworkPortItem& port, const PortValues& values) {
    port.port_type = static_cast<NetworkPortItem::port_type_t>(values.type);
    port.master_id = values.masterId;
    port.retries = values.retries;
    port.delay = values.delay;
}

// The port's fields in one line, so that a mismatch shows them all.
QString valuesOf(const NetworkPortItem& port) {
    return QStringLiteral("type %1, master ID %2, retries %3, delay %4")
        .arg(port.port_type)
        .arg(port.master_id)
        .arg(port.retries)
        .arg(port.delay);
}

} // namespace

Q_DECLARE_METATYPE(PortValues)

class PortPropertiesDialogTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithPortType_data();
    void opensWithPortType();
    void typeButtonsShowAndHideFields();
    void okWritesClampedValues_data();
    void okWritesClampedValues();
    void okWritesTypedAndHiddenValues();
    void cancelLeavesPortUntouched_data();
    void cancelLeavesPortUntouched();
    void nullPortShowsNothing();
};

void PortPropertiesDialogTest::opensWithPortType_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QStringList>("visible");
    QTest::newRow("not used") << 0 << "unusedRadioButton" << QStringList();
    QTest::newRow("local TCU") << 1 << "localTCURadioButton" << QStringList();
    QTest::newRow("LRR") << 2 << "lrrRadioButton" << propertyFields;
    QTest::newRow("unknown type") << 7 << QString() << propertyFields;
}

void PortPropertiesDialogTest::opensWithPortType() {
    QFETCH(int, type);
    NetworkPortItem port(QStringLiteral("COM3"), false);
    setValues(port, {type, 12, 3, 700});
    QString title;
    QString checked;
    QStringList visible;
    ModalAnswerer answerer;
    answerer.then([&](QWidget* dialog) {
        title = dialog->windowTitle();
        checked = checkedType(dialog);
        visible = visibleFields(dialog);
        pressButton(dialog, QDialogButtonBox::Cancel);
    });
    NetworkPortPropertiesDialog dialog(nullptr);
    QCOMPARE(dialog.exec(&port), 0);
    QCOMPARE(title, QStringLiteral("Network Port Properties [COM3]"));
    QTEST(checked, "checked");
    QTEST(visible, "visible");
}

void PortPropertiesDialogTest::typeButtonsShowAndHideFields() {
    NetworkPortItem port(QStringLiteral("COM3"), false);
    QStringList afterLrr;
    QStringList afterLocal;
    QStringList afterUnused;
    ModalAnswerer answerer;
    answerer.then([&](QWidget* dialog) {
        typeButton(dialog, "lrrRadioButton")->click();
        afterLrr = visibleFields(dialog);
        typeButton(dialog, "localTCURadioButton")->click();
        afterLocal = visibleFields(dialog);
        typeButton(dialog, "unusedRadioButton")->click();
        afterUnused = visibleFields(dialog);
        typeButton(dialog, "lrrRadioButton")->click();
        pressButton(dialog, QDialogButtonBox::Ok);
    });
    NetworkPortPropertiesDialog dialog(nullptr);
    QCOMPARE(dialog.exec(&port), int(QDialog::Accepted));
    QCOMPARE(afterLrr, propertyFields);
    QCOMPARE(afterLocal, QStringList());
    QCOMPARE(afterUnused, QStringList());
    QCOMPARE(port.port_type, NetworkPortItem::lrr);
}

void PortPropertiesDialogTest::okWritesClampedValues_data() {
    QTest::addColumn<PortValues>("stored");
    QTest::addColumn<QString>("written");
    QTest::newRow("in range") << PortValues{2, 12, 3, 700}
                              << "type 2, master ID 12, retries 3, delay 700";
    QTest::newRow("master ID 0") << PortValues{2, 0, 5, 5000}
                                 << "type 2, master ID 1, retries 5, delay 5000";
    QTest::newRow("above ranges") << PortValues{1, 300, 120, 20000}
                                  << "type 1, master ID 255, retries 99, delay 10000";
    QTest::newRow("negative") << PortValues{0, -4, -1, -1}
                              << "type 0, master ID 1, retries 0, delay 0";
    QTest::newRow("unknown type") << PortValues{7, 12, 3, 700}
                                  << "type 0, master ID 12, retries 3, delay 700";
}

void PortPropertiesDialogTest::okWritesClampedValues() {
    QFETCH(PortValues, stored);
    NetworkPortItem port(QStringLiteral("COM3"), false);
    setValues(port, stored);
    ModalAnswerer answerer;
    answerer.then([](QWidget* dialog) { pressButton(dialog, QDialogButtonBox::Ok); });
    NetworkPortPropertiesDialog dialog(nullptr);
    QCOMPARE(dialog.exec(&port), int(QDialog::Accepted));
    QTEST(valuesOf(port), "written");
}

// The user fills in an LRR port, then settles for a local TCU: the hidden values are written
// all the same, through the setters that redraw the row.
void PortPropertiesDialogTest::okWritesTypedAndHiddenValues() {
    NetworkPortItem port(QStringLiteral("COM3"), false);
    ModalAnswerer answerer;
    answerer.then([](QWidget* dialog) {
        typeButton(dialog, "lrrRadioButton")->click();
        typeInto(spinBox(dialog, "masterIdSpinBox"), QStringLiteral("42"));
        typeInto(spinBox(dialog, "retriesSpinBox"), QStringLiteral("7"));
        QSpinBox* delay = spinBox(dialog, "delaySpinBox");
        typeInto(delay, QStringLiteral("1234"));
        QTest::keyClick(delay, Qt::Key_Up);
        typeButton(dialog, "localTCURadioButton")->click();
        pressButton(dialog, QDialogButtonBox::Ok);
    });
    NetworkPortPropertiesDialog dialog(nullptr);
    QCOMPARE(dialog.exec(&port), int(QDialog::Accepted));
    QCOMPARE(valuesOf(port), QStringLiteral("type 1, master ID 42, retries 7, delay 1334"));
    QCOMPARE(port.text(1), QStringLiteral("Direct TCU"));

    NetworkPortPropertiesDialog again(nullptr);
    answerer.then([](QWidget* dialog) {
        typeButton(dialog, "lrrRadioButton")->click();
        pressButton(dialog, QDialogButtonBox::Ok);
    });
    QCOMPARE(again.exec(&port), int(QDialog::Accepted));
    QCOMPARE(port.text(1), QStringLiteral("LRR ID: 42, retries: 7, delay: 1334"));
}

void PortPropertiesDialogTest::cancelLeavesPortUntouched_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("Cancel button") << 0;
    QTest::newRow("Escape key") << 1;
    QTest::newRow("window closed") << 2;
}

void PortPropertiesDialogTest::cancelLeavesPortUntouched() {
    QFETCH(int, way);
    NetworkPortItem port(QStringLiteral("COM3"), false);
    setValues(port, {2, 300, -1, 5000});
    const QString row = port.text(1);
    ModalAnswerer answerer;
    answerer.then([way](QWidget* dialog) {
        typeButton(dialog, "unusedRadioButton")->click();
        typeInto(spinBox(dialog, "retriesSpinBox"), QStringLiteral("9"));
        if (way == 0) {
            pressButton(dialog, QDialogButtonBox::Cancel);
        } else if (way == 1) {
            QTest::keyClick(dialog, Qt::Key_Escape);
        } else {
            dialog->close();
        }
    });
    NetworkPortPropertiesDialog dialog(nullptr);
    QCOMPARE(dialog.exec(&port), 0);
    QCOMPARE(valuesOf(port), QStringLiteral("type 2, master ID 300, retries -1, delay 5000"));
    QCOMPARE(port.text(1), row);
}

void PortPropertiesDialogTest::nullPortShowsNothing() {
    NetworkPortPropertiesDialog dialog(nullptr);
    QCOMPARE(dialog.exec(nullptr), 0);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Network Port Properties"));
}

QTEST_MAIN(PortPropertiesDialogTest)
#include "tst_portpropertiesdialog.moc"
