#pragma once

#include <QWizard>

class NetworkPortItem;
class QLabel;
class QLineEdit;

// Asks for the submaster ID of a new device under a port. It only keeps non-digits out of the
// field; the caller checks the range and uniqueness when it adds the device.
class NewNetworkDeviceWizard : public QWizard {
    Q_OBJECT

public:
    // port must outlive the wizard.
    NewNetworkDeviceWizard(QWidget* parent, NetworkPortItem* port);

    // 0 when the field is empty or its digits do not fit an int.
    int submasterId() const;

private:
    QWizardPage* createSubmasterIdPage();
    QWizardPage* createConclusionPage();
    void showAddress(const QString& typedSubmasterId);

    NetworkPortItem* port;
    QLineEdit* submasterIdEdit;
    QLabel* addressValue;
};
