#pragma once

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QWizard>
#include <QtTest>

// Steps a user takes in the dialogs and wizards, found by object name in the forms and by
// page and position in the hand-built wizards.

inline void pressButton(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(which)->click();
}

// The object name of the widget that has the keyboard focus in a dialog, "" when none has.
inline QString focusedName(QWidget* dialog) {
    const QWidget* focused = dialog->focusWidget();
    return focused != nullptr ? focused->objectName() : QString();
}

// Types or presses a key as the user does: into whatever has the keyboard focus.
inline void typeAtFocus(QWidget* dialog, const QString& text) {
    QWidget* focused = dialog->focusWidget();
    QVERIFY2(focused != nullptr, "nothing has the keyboard focus");
    QTest::keyClicks(focused, text);
}

inline void pressKeyAtFocus(QWidget* dialog, Qt::Key key) {
    QWidget* focused = dialog->focusWidget();
    QVERIFY2(focused != nullptr, "nothing has the keyboard focus");
    QTest::keyClick(focused, key);
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
