#include "dialogdriver.h"
#include "dialogs/newnetworkdevicewizard.h"
#include "modalanswerer.h"
#include "model/networkportitem.h"

#include <QLineEdit>
#include <QtTest>

namespace {

enum Page { idPage = 0, conclusionPage = 1 };

QLineEdit* submasterIdEdit(QWizard* wizard) {
    return wizard->page(idPage)->findChild<QLineEdit*>();
}

QString addressShown(QWizard* wizard) {
    return summaryValue(wizard, conclusionPage, 0)->text();
}

struct LrrPort : NetworkPortItem {
    explicit LrrPort(int masterId) : NetworkPortItem(QStringLiteral("COM3"), false) {
        port_type = lrr;
        master_id = masterId;
    }
};

} // namespace

class NewDeviceWizardTest : public QObject {
    Q_OBJECT

private slots:
    void addressFollowsTyping_data();
    void addressFollowsTyping();
    void addressReadsMasterIdAtEachEdit();
};

void NewDeviceWizardTest::addressFollowsTyping_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("submasterId");
    QTest::newRow("nothing") << ""
                             << "" << 0;
    QTest::newRow("leading zero") << "07"
                                  << "12.07" << 7;
    QTest::newRow("letters, signs, spaces") << "1x- 7"
                                            << "12.17" << 17;
    QTest::newRow("too large for int") << "99999999999"
                                       << "12.99999999999" << 0;
}

void NewDeviceWizardTest::addressFollowsTyping() {
    QFETCH(QString, typed);
    LrrPort port(12);
    QString address;
    ModalAnswerer answerer;
    answerer.then([&](QWidget* modal) {
        QWizard* wizard = wizardOf(modal);
        typeAtFocus(wizard, typed);
        goToPage(wizard, conclusionPage);
        address = addressShown(wizard);
        pressButton(wizard, QWizard::FinishButton);
    });
    NewNetworkDeviceWizard wizard(nullptr, &port);
    QCOMPARE(wizard.exec(), int(QDialog::Accepted));
    QCOMPARE(wizard.windowTitle(), QStringLiteral("New Network Device Wizard"));
    QTEST(address, "address");
    QTEST(wizard.submasterId(), "submasterId");
}

// Deleting what was typed still counts as an edit; setting the text from the program does not.
void NewDeviceWizardTest::addressReadsMasterIdAtEachEdit() {
    LrrPort port(12);
    QStringList addresses;
    ModalAnswerer answerer;
    answerer.then([&](QWidget* modal) {
        QWizard* wizard = wizardOf(modal);
        QLineEdit* edit = submasterIdEdit(wizard);
        QTest::keyClicks(edit, QStringLiteral("5"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        addresses << addressShown(wizard);
        port.master_id = 13;
        QTest::keyClicks(edit, QStringLiteral("4"));
        addresses << addressShown(wizard);
        edit->setText(QStringLiteral("99"));
        addresses << addressShown(wizard);
        goToPage(wizard, conclusionPage);
        pressButton(wizard, QWizard::FinishButton);
    });
    NewNetworkDeviceWizard wizard(nullptr, &port);
    QCOMPARE(wizard.exec(), int(QDialog::Accepted));
    QCOMPARE(addresses, (QStringList{"12.", "13.4", "13.4"}));
    QCOMPARE(wizard.submasterId(), 99);
}

QTEST_MAIN(NewDeviceWizardTest)
#include "tst_newdevicewizard.moc"
