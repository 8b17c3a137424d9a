#pragma once

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QWizard>

// Steps a user takes in the dialogs and wizards, found by object name in the forms and by
// page and position in the hand-built wizards.

inline void pressButton(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(which)->click();
}

inline QWizard* wizardOf(QWidget* modal) {
    return qobject_cast<QWizard*>(modal);
}

inline void pressButton(QWizard* wizard, QWizard::WizardButton which) {
    wizard->button(which)->click();
}

// Presses Next until the page with the given id is shown.
inline void goToPage(QWizard* wizard, int id) {
    while (wizard->currentId() < id) {
        pressButton(wizard, QWizard::NextButton);
    }
}

// The value label in the given row of a page's summary grid.
inline QLabel* summaryValue(QWizard* wizard, int page, int row) {
    auto* grid = wizard->page(page)->findChild<QGridLayout*>();
    return qobject_cast<QLabel*>(grid->itemAtPosition(row, 1)->widget());
}
