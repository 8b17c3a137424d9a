#pragma once

#include "model/networkportitem.h"

#include <QWizard>

class QLabel;
class QLineEdit;
class QRadioButton;

// Asks for a new port's name, network type and master ID. It only keeps non-digits out of the
// master ID; the caller checks the answers when it adds the port.
class NewNetworkPortWizard : public QWizard {
    Q_OBJECT

public:
    explicit NewNetworkPortWizard(QWidget* parent);

    // Exactly as typed, without trimming.
    QString portname() const;
    NetworkPortItem::port_type_t device_type() const;
    // 0 when the field is empty or its digits do not fit an int; also read while hidden.
    int masterId() const;

private:
    QWizardPage* createNetworkNamePage();
    QWizardPage* createNetworkTypePage();
    QWizardPage* createConclusionPage();
    void connectTypeChoice(QRadioButton* button, const QString& typeText, bool usesMasterId);
    void showMasterId(bool visible);
    void focusCheckedType();

    QLineEdit* portNameEdit;
    QRadioButton* unusedRadioButton;
    QRadioButton* localTCURadioButton;
    QRadioButton* lrrRadioButton;
    QLineEdit* masterIdEdit;
    QLabel* portNameValue;
    QLabel* networkTypeValue;
    QLabel* typePageMasterIdCaption;
    QLabel* conclusionMasterIdCaption;
    QLabel* masterIdValue;
};
