#include "dialogdriver.h"
#include "dialogs/newnetworkportwizard.h"
#include "modalanswerer.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <functional>

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

// The conclusion page as the user reads it: port name, network type, master ID, and whether
// the master ID caption and edit of the type page and the summary's master ID row are "shown",
// "hidden" or, if only some of the four are shown, "mixed".
QStringList summaryOf(QWizard* wizard) {
    QWidget* type = wizard->page(typePage);
    QWidget* conclusion = wizard->page(conclusionPage);
    auto* grid = conclusion->findChild<QGridLayout*>();
    const QList<bool> shown{
        type->findChildren<QLabel*>().last()->isVisibleTo(type),
        masterIdEdit(wizard)->isVisibleTo(type),
        grid->itemAtPosition(masterIdRow, 0)->widget()->isVisibleTo(conclusion),
        summaryValue(wizard, conclusionPage, masterIdRow)->isVisibleTo(conclusion)};
    const int count = shown.count(true);
    return {summaryValue(wizard, conclusionPage, nameRow)->text(),
            summaryValue(wizard, conclusionPage, typeRow)->text(),
            summaryValue(wizard, conclusionPage, masterIdRow)->text(),
            count == 0              ? "hidden"
            : count == shown.size() ? "shown"
                                    : "mixed"};
}

// Runs the wizard: the user's steps, then on to the conclusion page, which is read, and Finish.
QStringList summaryAfter(NewNetworkPortWizard& wizard, const std::function<void(QWizard*)>& steps) {
    QStringList summary{"not finished"};
    ModalAnswerer answerer;
    answerer.then([&](QWidget* modal) {
        QWizard* shown = wizardOf(modal);
        steps(shown);
        goToPage(shown, conclusionPage);
        summary = summaryOf(shown);
        pressButton(shown, QWizard::FinishButton);
    });
    return wizard.exec() == QDialog::Accepted ? summary : QStringList{"rejected"};
}

} // namespace

class NewPortWizardTest : public QObject {
    Q_OBJECT

private slots:
    void typeChoice_data();
    void typeChoice();
    void masterIdTakesDigitsOnly_data();
    void masterIdTakesDigitsOnly();
    void summaryFollowsTypingOnly();
};

void NewPortWizardTest::typeChoice_data() {
    QTest::addColumn<QList<int>>("clicked");
    QTest::addColumn<QStringList>("summary");
    QTest::addColumn<int>("type");
    QTest::newRow("no choice") << QList<int>{} << QStringList{"", "Local TCU", "", "hidden"} << 1;
    QTest::newRow("not used") << QList<int>{0} << QStringList{"", "Not used", "", "hidden"} << 0;
    QTest::newRow("LRR") << QList<int>{2} << QStringList{"", "LRR Network", "", "shown"} << 2;
    QTest::newRow("LRR, then not used")
        << QList<int>{2, 0} << QStringList{"", "Not used", "", "hidden"} << 0;
    QTest::newRow("LRR, then local")
        << QList<int>{2, 1} << QStringList{"", "Local TCU", "", "hidden"} << 1;
}

void NewPortWizardTest::typeChoice() {
    QFETCH(QList<int>, clicked);
    NewNetworkPortWizard wizard(nullptr);
    QTEST(summaryAfter(wizard,
                       [&](QWizard* shown) {
                           // Space on the type page keeps the type the page shows checked.
                           goToPage(shown, typePage);
                           pressKeyAtFocus(shown, Qt::Key_Space);
                           for (int index : clicked) {
                               typeButton(shown, index)->click();
                           }
                       }),
          "summary");
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
    NewNetworkPortWizard wizard(nullptr);
    const QStringList summary = summaryAfter(wizard, [&](QWizard* shown) {
        typeButton(shown, 2)->click();
        QTest::keyClicks(masterIdEdit(shown), typed);
        typeButton(shown, 1)->click();
    });
    QTEST(summary.value(2), "shown");
    QTEST(wizard.masterId(), "masterId");
    QCOMPARE(wizard.device_type(), NetworkPortItem::direct);
}

// Names are taken as typed; what the program itself puts into a field is not summarised.
void NewPortWizardTest::summaryFollowsTypingOnly() {
    NewNetworkPortWizard wizard(nullptr);
    QCOMPARE(summaryAfter(wizard,
                          [](QWizard* shown) {
                              typeAtFocus(shown, QStringLiteral(" com3 "));
                              portNameEdit(shown)->setText(QStringLiteral("COM4"));
                              masterIdEdit(shown)->setText(QStringLiteral("5"));
                          }),
             (QStringList{" com3 ", "Local TCU", "", "hidden"}));
    QCOMPARE(wizard.portname(), QStringLiteral("COM4"));
    QCOMPARE(wizard.masterId(), 5);
}

QTEST_MAIN(NewPortWizardTest)
#include "tst_newportwizard.moc"
