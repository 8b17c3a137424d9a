#include "dialogs/networkdevicepropertiesdialog.h"

#include "model/networkdeviceitem.h"
#include "model/networkportitem.h"
#include "res/resourceicon.h"
#include "ui_networkdevicepropertiesdialog.h"

#include <functional>

namespace {

// One row of the form: an "Inherit" check box and the spin box it governs. While inherited,
// the spin box shows the port's value read-only; unchecking keeps that value as the start of
// the device's own.
class InheritableValue {
public:
    InheritableValue(QCheckBox* inherit, QSpinBox* value, std::function<int()> portValue)
        : inherit(inherit), value(value), portValue(std::move(portValue)) {}

    void followCheckBox(QObject* context) const {
        QObject::connect(inherit, &QCheckBox::stateChanged, context, [row = *this](int state) {
            if (state == Qt::Checked) {
                row.showPortValue();
            } else {
                row.value->setReadOnly(false);
            }
        });
    }

    void load(int stored) const {
        if (stored < 0) {
            inherit->setChecked(true);
            showPortValue();
        } else {
            value->setValue(stored);
            value->setReadOnly(false);
        }
    }

    int stored() const {
        return inherit->isChecked() ? NetworkDeviceItem::inherit : value->value();
    }

private:
    void showPortValue() const {
        value->setValue(portValue());
        value->setReadOnly(true);
    }

    QCheckBox* inherit;
    QSpinBox* value;
    std::function<int()> portValue;
};

} // namespace

NetworkDevicePropertiesDialog::NetworkDevicePropertiesDialog(QWidget* parent)
    : QDialog(parent), ui(new Ui_NetworkDevicePropertiesDialog) {
    ui->setupUi(this);
    setWindowIcon(resourceIcon(QStringLiteral("vexalo.ico")));
    // Puts the text "Inherit" to the left of its box, next to the row's label.
    ui->retriesInherit->setLayoutDirection(Qt::RightToLeft);
    ui->delayInherit->setLayoutDirection(Qt::RightToLeft);
}

NetworkDevicePropertiesDialog::~NetworkDevicePropertiesDialog() {
    delete ui;
}

int NetworkDevicePropertiesDialog::exec(NetworkDeviceItem* device) {
    if (device == nullptr) {
        return 0;
    }
    setWindowTitle(QStringLiteral("%1 [%2]").arg(windowTitle(), device->to_string()));
    const NetworkPortItem* port = device->port;
    const InheritableValue retries(ui->retriesInherit, ui->retriesSpinBox,
                                   [port] { return port->retries; });
    retries.followCheckBox(this);
    retries.load(device->retries);
    const InheritableValue delay(ui->delayInherit, ui->delaySpinBox,
                                 [port] { return port->delay; });
    delay.followCheckBox(this);
    delay.load(device->delay);
    focusFirstEditableField();

    const int result = QDialog::exec();
    if (result == 0) {
        return 0;
    }
    device->set_retries(retries.stored());
    device->set_delay(delay.stored());
    return result;
}

// The keyboard starts where the user can type a value, with the value selected for overtyping;
// when both rows inherit, on the first "Inherit" box.
void NetworkDevicePropertiesDialog::focusFirstEditableField() {
    for (QSpinBox* value : {ui->retriesSpinBox, ui->delaySpinBox}) {
        if (!value->isReadOnly()) {
            value->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    ui->retriesInherit->setFocus(Qt::TabFocusReason);
}
