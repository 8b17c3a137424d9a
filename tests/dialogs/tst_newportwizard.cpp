#include "dialogdriver.h"
#include "dialogs/newnetworkportwizard.h"
#include "modalanswerer.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

namespace {

enum Page { namePage = 0, typePage = 1, conclusionPage = 2 };
enum Row { nameRow = 0, typeRow = 1, masterIdRow = 2 };

QLineEdit* portNameEdit(QWizard* wizard) {
    return wizard->page(namePage)->findChild<QLineEdit*>();
}

QLineEdit* masterIdEdit(QWizard* wizard) {
    return wizard->page(typePage)->findChild<QLineEdit*>();
}

// 0 "Not used", 1 "Local TCU", 2 "LRR Network", top to bottom.
QRadioButton* typeButton(QWizard* wizard, int index) {
    return wizard->page(typePage)->findChildren<QRadioButton*>().at(index);
}

// Whether the master ID caption and edit of the type page and the master ID row of the
// summary are shown; "mixed" when only some of them are.
QString masterIdShown(QWizard* wizard) {
    QWidget* type = wizard->page(typePage);
    QWidget* conclusion = wizard->page(conclusionPage);
    auto* grid = conclusion->findChild<QGridLayout*>();
    const QList<bool> shown{
        type->findChildren<QLabel*>().last()->isVisibleTo(type),
        masterIdEdit(wizard)->isVisibleTo(type),
        grid->itemAtPosition(masterIdRow, 0)->widget()->isVisibleTo(conclusion),
        summaryValue(wizard, conclusionPage, masterIdRow)->isVisibleTo(conclusion)};
    if (shown.count(true) == shown.size()) {
        return QStringLiteral("shown");
    }
    return shown.contains(true) ? QStringLiteral("mixed") : QStringLiteral("hidden");
}

struct Summary {
    QString name;
    QString type;
    QString masterId;
    QString masterIdRow;
};

Summary summaryOf(QWizard* wizard) {
    return {summaryValue(wizard, conclusionPage, nameRow)->text(),
            summaryValue(wizard, conclusionPage, typeRow)->text(),
            summaryValue(wizard, conclusionPage, masterIdRow)->text(), masterIdShown(wizard)};
}

} // namespace

class NewPortWizardTest : public QObject {
    Q_OBJECT

private slots:
    void finishWithoutTyping();
    void typeChoice_data();
    void typeChoice();
    void masterIdTakesDigitsOnly_data();
    void masterIdTakesDigitsOnly();
    void portNameAsTyped();
    void cancelOnAnyPage_data();
    void cancelOnAnyPage();
};

void NewPortWizardTest::finishWithoutTyping() {
    Summary summary;
    ModalAnswerer answerer;
    answerer.then([&](QWidget* modal) {
        QWizard* wizard = wizardOf(modal);
        goToPage(wizard, conclusionPage);
        summary = summaryOf(wizard);
        pressButton(wizard, QWizard::FinishButton);
    });
    NewNetworkPortWizard wizard(nullptr);
    QCOMPARE(wizard.exec(), int(QDialog::Accepted));
    QCOMPARE(wizard.windowTitle(), QStringLiteral("New Network Port Wizard"));
    QCOMPARE(summary.name, QString());
    QCOMPARE(summary.type, QStringLiteral("Local TCU"));
    QCOMPARE(summary.masterIdRow, QStringLiteral("hidden"));
    QCOMPARE(wizard.portname(), QString());
    QCOMPARE(wizard.device_type(), NetworkPortItem::direct);
    QCOMPARE(wizard.masterId(), 0);
}

void NewPortWizardTest::typeChoice_data() {
    QTest::addColumn<QList<int>>("clicked");
    QTest::addColumn<QString>("typeText");
    QTest::addColumn<QString>("masterIdRow");
    QTest::addColumn<int>("type");
    QTest::newRow("not used") << QList<int>{0} << "Not used"
                              << "hidden" << 0;
    QTest::newRow("LRR") << QList<int>{2} << "LRR Network"
                         << "shown" << 2;
    QTest::newRow("LRR, then not used") << QList<int>{2, 0} << "Not used"
                                        << "hidden" << 0;
    QTest::newRow("LRR, then local") << QList<int>{2, 1} << "Local TCU"
                                     << "hidden" << 1;
}

void NewPortWizardTest::typeChoice() {
    QFETCH(QList<int>, clicked);
    Summary summary;
    ModalAnswerer answerer;
    answerer.then([&](QWidget* modal) {
        QWizard* wizard = wizardOf(modal);
        goToPage(wizard, typePage);
        for (int index : clicked) {
            typeButton(wizard, index)->click();
        }
        goToPage(wizard, conclusionPage);
        summary = summaryOf(wizard);
        pressButton(wizard, QWizard::FinishButton);
    });
    NewNetworkPortWizard wizard(nullptr);
    QCOMPARE(wizard.exec(), int(QDialog::Accepted));
    QTEST(summary.type, "typeText");
    QTEST(summary.masterIdRow, "masterIdRow");
    QTEST(int(wizard.device_type()), "type");
}

// The master ID typed for an LRR network is kept when the user then picks a local TCU.
void NewPortWizardTest::masterIdTakesDigitsOnly_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("masterId");
    QTest::newRow("digits") << "12"
                            << "12" << 12;
    QTest::newRow("letters, signs, spaces") << "a1-2 +b3"
                                            << "123" << 123;
    QTest::newRow("leading zeros") << "007"
                                   << "007" << 7;
    QTest::newRow("too large for int") << "99999999999"
                                       << "99999999999" << 0;
}

void NewPortWizardTest::masterIdTakesDigitsOnly() {
    QFETCH(QString, typed);
    Summary summary;
    ModalAnswerer answerer;
    answerer.then([&](QWidget* modal) {
        QWizard* wizard = wizardOf(modal);
        goToPage(wizard, typePage);
        typeButton(wizard, 2)->click();
        QTest::keyClicks(masterIdEdit(wizard), typed);
        typeButton(wizard, 1)->click();
        goToPage(wizard, conclusionPage);
        summary = summaryOf(wizard);
        pressButton(wizard, QWizard::FinishButton);
    });
    NewNetworkPortWizard wizard(nullptr);
    QCOMPARE(wizard.exec(), int(QDialog::Accepted));
    QTEST(summary.masterId, "shown");
    QTEST(wizard.masterId(), "masterId");
    QCOMPARE(wizard.device_type(), NetworkPortItem::direct);
}

// The summary follows what the user types, not what the program puts into the field.
void NewPortWizardTest::portNameAsTyped() {
    QList<Summary> summaries;
    ModalAnswerer answerer;
    answerer.then([&](QWidget* modal) {
        QWizard* wizard = wizardOf(modal);
        QTest::keyClicks(portNameEdit(wizard), QStringLiteral(" com3 "));
        goToPage(wizard, conclusionPage);
        summaries << summaryOf(wizard);
        portNameEdit(wizard)->setText(QStringLiteral("COM4"));
        masterIdEdit(wizard)->setText(QStringLiteral("5"));
        summaries << summaryOf(wizard);
        pressButton(wizard, QWizard::FinishButton);
    });
    NewNetworkPortWizard wizard(nullptr);
    QCOMPARE(wizard.exec(), int(QDialog::Accepted));
    QCOMPARE(summaries.size(), 2);
    QCOMPARE(summaries[0].name, QStringLiteral(" com3 "));
    QCOMPARE(summaries[1].name, QStringLiteral(" com3 "));
    QCOMPARE(summaries[1].masterId, QString());
    QCOMPARE(wizard.portname(), QStringLiteral("COM4"));
}

void NewPortWizardTest::cancelOnAnyPage_data() {
    QTest::addColumn<int>("page");
    QTest::newRow("port name") << int(namePage);
    QTest::newRow("network type") << int(typePage);
    QTest::newRow("conclusion") << int(conclusionPage);
}

void NewPortWizardTest::cancelOnAnyPage() {
    QFETCH(int, page);
    ModalAnswerer answerer;
    answerer.then([page](QWidget* modal) {
        QWizard* wizard = wizardOf(modal);
        QTest::keyClicks(portNameEdit(wizard), QStringLiteral("COM3"));
        goToPage(wizard, page);
        pressButton(wizard, QWizard::CancelButton);
    });
    NewNetworkPortWizard wizard(nullptr);
    QCOMPARE(wizard.exec(), int(QDialog::Rejected));
}

QTEST_MAIN(NewPortWizardTest)
#include "tst_newportwizard.moc"
