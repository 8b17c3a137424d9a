#include "dialogs/newnetworkdevicewizard.h"

#include "dialogs/wizardpages.h"
#include "model/networkportitem.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegExpValidator>

NewNetworkDeviceWizard::NewNetworkDeviceWizard(QWidget* parent, NetworkPortItem* port)
    : QWizard(parent), port(port) {
    submasterIdEdit = new QLineEdit(this);
    submasterIdEdit->setValidator(
        new QRegExpValidator(QRegExp(QStringLiteral("[0-9]+")), submasterIdEdit));
    addressValue = new QLabel(this);
    connect(submasterIdEdit, &QLineEdit::textEdited, this, &NewNetworkDeviceWizard::showAddress);

    addPage(createSubmasterIdPage());
    addPage(createConclusionPage());
    setWindowTitle(tr("New Network Device Wizard"));
}

int NewNetworkDeviceWizard::submasterId() const {
    return submasterIdEdit->text().toInt(nullptr, 10);
}

QWizardPage* NewNetworkDeviceWizard::createSubmasterIdPage() {
    return captionedFieldPage(tr("Choose submaster ID"), tr("Submaster ID:"), submasterIdEdit);
}

// The closing sentence stands above the summary so that the user sees it.
QWizardPage* NewNetworkDeviceWizard::createConclusionPage() {
    auto* summary = new QGridLayout;
    summary->addWidget(new QLabel(tr("Submaster ID:")), 0, 0);
    summary->addWidget(addressValue, 0, 1);
    return conclusionPage(tr("You have now successfully configured a new device."), summary);
}

// The full address as the user types it, with the port's master ID as it is now.
void NewNetworkDeviceWizard::showAddress(const QString& typedSubmasterId) {
    addressValue->setText(
        QStringLiteral("%1.%2").arg(QString::number(port->master_id), typedSubmasterId));
}
