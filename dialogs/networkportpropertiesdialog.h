#pragma once

#include <QDialog>

class NetworkPortItem;
class Ui_NetworkPortPropertiesDialog;

// Edits a port's type, master ID, retries and delay; the port changes only when OK is pressed.
class NetworkPortPropertiesDialog : public QDialog {
    Q_OBJECT

public:
    explicit NetworkPortPropertiesDialog(QWidget* parent);
    ~NetworkPortPropertiesDialog() override;

    // Shows the dialog for port and writes all four values back on OK. Returns 0 for a null
    // port or when the user did not accept.
    int exec(NetworkPortItem* port);
    // Shows or hides the master ID, retries and delay rows, which mean nothing unless the port
    // leads to an LRR network.
    void showPropertyFields(bool visible);

private:
    // Only the overload that takes the item to edit is for callers.
    using QDialog::exec;

    void followPortTypeChoice();
    void loadPort(const NetworkPortItem& port);
    void storePort(NetworkPortItem& port) const;

    Ui_NetworkPortPropertiesDialog* ui;
};
