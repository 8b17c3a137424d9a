#pragma once

#include <QDialog>

class NetworkDeviceItem;
class QCheckBox;
class QSpinBox;
class Ui_NetworkDevicePropertiesDialog;

// Edits a device's retries and delay, each either its own value or inherited from its port;
// the device changes only when OK is pressed.
class NetworkDevicePropertiesDialog : public QDialog {
    Q_OBJECT

public:
    explicit NetworkDevicePropertiesDialog(QWidget* parent);
    ~NetworkDevicePropertiesDialog() override;

    // Shows the dialog for device and writes both values back on OK. Returns 0 for a null
    // device or when the user did not accept.
    int exec(NetworkDeviceItem* device);

private:
    // Only the overload that takes the item to edit is for callers.
    using QDialog::exec;

    void focusFirstEditableField();

    Ui_NetworkDevicePropertiesDialog* ui;
};
