#include "dialogs/networkportpropertiesdialog.h"

#include "model/networkportitem.h"
#include "res/resourceicon.h"
#include "ui_networkportpropertiesdialog.h"

NetworkPortPropertiesDialog::NetworkPortPropertiesDialog(QWidget* parent)
    : QDialog(parent), ui(new Ui_NetworkPortPropertiesDialog) {
    ui->setupUi(this);
    setWindowIcon(resourceIcon(QStringLiteral("vexalo.ico")));
}

NetworkPortPropertiesDialog::~NetworkPortPropertiesDialog() {
    delete ui;
}

int NetworkPortPropertiesDialog::exec(NetworkPortItem* port) {
    if (port == nullptr) {
        return 0;
    }
    setWindowTitle(QStringLiteral("%1 [%2]").arg(windowTitle(), port->to_string()));
    followPortTypeChoice();
    loadPort(*port);
    const int result = QDialog::exec();
    if (result == 0) {
        return 0;
    }
    storePort(*port);
    return result;
}

void NetworkPortPropertiesDialog::showPropertyFields(bool visible) {
    for (QWidget* field :
         {static_cast<QWidget*>(ui->masterIdLabel), static_cast<QWidget*>(ui->masterIdSpinBox),
          static_cast<QWidget*>(ui->retriesLabel), static_cast<QWidget*>(ui->retriesSpinBox),
          static_cast<QWidget*>(ui->delayLabel), static_cast<QWidget*>(ui->delaySpinBox)}) {
        field->setVisible(visible);
    }
}

// Checking a type button shows the rows that type uses; unchecking one is ignored, since the
// button that becomes checked at the same time decides.
void NetworkPortPropertiesDialog::followPortTypeChoice() {
    const auto showFieldsWhenChecked = [this](QRadioButton* button, bool visible) {
        connect(button, &QRadioButton::toggled, this, [this, visible](bool checked) {
            if (checked) {
                showPropertyFields(visible);
            }
        });
    };
    showFieldsWhenChecked(ui->unusedRadioButton, false);
    showFieldsWhenChecked(ui->localTCURadioButton, false);
    showFieldsWhenChecked(ui->lrrRadioButton, true);
}

void NetworkPortPropertiesDialog::loadPort(const NetworkPortItem& port) {
    QRadioButton* typeButton = nullptr;
    switch (port.port_type) {
    case NetworkPortItem::ignored:
        typeButton = ui->unusedRadioButton;
        break;
    case NetworkPortItem::direct:
        typeButton = ui->localTCURadioButton;
        break;
    case NetworkPortItem::lrr:
        typeButton = ui->lrrRadioButton;
        break;
    }
    if (typeButton != nullptr) {
        typeButton->setChecked(true);
    }
    // The keyboard starts on the port's own type, so that Space then Enter keeps it; on another
    // type it would change the port and, away from LRR, delete its devices.
    (typeButton != nullptr ? typeButton : ui->unusedRadioButton)->setFocus(Qt::TabFocusReason);
    ui->masterIdSpinBox->setValue(port.master_id);
    ui->retriesSpinBox->setValue(port.retries);
    ui->delaySpinBox->setValue(port.delay);
}

// Hidden rows are written too: the caller decides what a port that left LRR keeps.
void NetworkPortPropertiesDialog::storePort(NetworkPortItem& port) const {
    if (ui->lrrRadioButton->isChecked()) {
        port.set_port_type(NetworkPortItem::lrr);
    } else if (ui->localTCURadioButton->isChecked()) {
        port.set_port_type(NetworkPortItem::direct);
    } else {
        port.set_port_type(NetworkPortItem::ignored);
    }
    port.set_master_id(ui->masterIdSpinBox->value());
    port.set_retries(ui->retriesSpinBox->value());
    port.set_delay(ui->delaySpinBox->value());
}
