#include "dialogs/newnetworkportwizard.h"

#include "dialogs/wizardpages.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegExpValidator>
#include <QVBoxLayout>

NewNetworkPortWizard::NewNetworkPortWizard(QWidget* parent) : QWizard(parent) {
    portNameEdit = new QLineEdit(this);
    portNameValue = new QLabel(this);
    connect(portNameEdit, &QLineEdit::textEdited, portNameValue, &QLabel::setText);

    typePageMasterIdCaption = new QLabel(QObject::tr("Master ID:"));
    masterIdEdit = new QLineEdit(this);
    conclusionMasterIdCaption = new QLabel(QObject::tr("Master ID:"));
    masterIdEdit->setValidator(
        new QRegExpValidator(QRegExp(QStringLiteral("[0-9]+")), masterIdEdit));
    masterIdValue = new QLabel(this);
    connect(masterIdEdit, &QLineEdit::textEdited, masterIdValue, &QLabel::setText);

    const QString unusedText = QObject::tr("Not used");
    const QString localTCUText = QObject::tr("Local TCU");
    const QString lrrText = QObject::tr("LRR Network");
    unusedRadioButton = new QRadioButton(unusedText, this);
    localTCURadioButton = new QRadioButton(localTCUText, this);
    lrrRadioButton = new QRadioButton(lrrText, this);
    networkTypeValue = new QLabel(this);
    connectTypeChoice(unusedRadioButton, unusedText, false);
    connectTypeChoice(localTCURadioButton, localTCUText, false);
    connectTypeChoice(lrrRadioButton, lrrText, true);

    addPage(createNetworkNamePage());
    const int typePage = addPage(createNetworkTypePage());
    addPage(createConclusionPage());
    setWindowTitle(tr("New Network Port Wizard"));
    // The wizard puts the keyboard on a page's first button, "Not used", where Space would
    // change the chosen type; start on the chosen one instead.
    connect(this, &QWizard::currentIdChanged, this, [this, typePage](int id) {
        if (id == typePage) {
            focusCheckedType();
        }
    });
}

QString NewNetworkPortWizard::portname() const {
    return portNameEdit->text();
}

NetworkPortItem::port_type_t NewNetworkPortWizard::device_type() const {
    if (unusedRadioButton->isChecked()) {
        return NetworkPortItem::ignored;
    }
    if (localTCURadioButton->isChecked()) {
        return NetworkPortItem::direct;
    }
    return NetworkPortItem::lrr;
}

int NewNetworkPortWizard::masterId() const {
    return masterIdEdit->text().toInt(nullptr, 10);
}

QWizardPage* NewNetworkPortWizard::createNetworkNamePage() {
    return captionedFieldPage(tr("Choose port name"), tr("Port name:"), portNameEdit);
}

QWizardPage* NewNetworkPortWizard::createNetworkTypePage() {
    auto* page = new QWizardPage;
    page->setTitle(tr("Choose network type"));
    auto* masterIdRow = new QHBoxLayout;
    masterIdRow->addWidget(typePageMasterIdCaption);
    masterIdRow->addWidget(masterIdEdit);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(unusedRadioButton);
    layout->addWidget(localTCURadioButton);
    layout->addWidget(lrrRadioButton);
    layout->addLayout(masterIdRow);
    // Runs the type slot, which fills the conclusion and hides the master ID.
    localTCURadioButton->setChecked(true);
    return page;
}

// The closing sentence stands above the summary so that the user sees it.
QWizardPage* NewNetworkPortWizard::createConclusionPage() {
    auto* summary = new QGridLayout;
    summary->addWidget(new QLabel(QStringLiteral("Port name:")), 0, 0);
    summary->addWidget(portNameValue, 0, 1);
    summary->addWidget(new QLabel(QStringLiteral("Network type:")), 1, 0);
    summary->addWidget(networkTypeValue, 1, 1);
    summary->addWidget(conclusionMasterIdCaption, 2, 0);
    summary->addWidget(masterIdValue, 2, 1);
    return conclusionPage(
        QStringLiteral("You have now successfully configured a new network. Have joy!"), summary);
}

// Unchecking is ignored: the button that becomes checked at the same time decides.
void NewNetworkPortWizard::connectTypeChoice(QRadioButton* button, const QString& typeText,
                                             bool usesMasterId) {
    connect(button, &QRadioButton::toggled, this, [this, typeText, usesMasterId](bool checked) {
        if (checked) {
            networkTypeValue->setText(typeText);
            showMasterId(usesMasterId);
        }
    });
}

void NewNetworkPortWizard::focusCheckedType() {
    for (QRadioButton* button : {unusedRadioButton, localTCURadioButton, lrrRadioButton}) {
        if (button->isChecked()) {
            button->setFocus(Qt::TabFocusReason);
        }
    }
}

void NewNetworkPortWizard::showMasterId(bool visible) {
    typePageMasterIdCaption->setVisible(visible);
    conclusionMasterIdCaption->setVisible(visible);
    masterIdEdit->setVisible(visible);
    masterIdValue->setVisible(visible);
}
