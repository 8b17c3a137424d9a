#pragma once

#include <QString>

class QGridLayout;
class QWizardPage;
class QWidget;

// Page layouts shared by the new port and new device wizards. Each page is created without a
// parent; the wizard takes it in addPage.

// A page whose one row is a caption followed by its field.
QWizardPage* captionedFieldPage(const QString& title, const QString& caption, QWidget* field);

// The last page: a word-wrapped closing sentence above the summary of the answers.
QWizardPage* conclusionPage(const QString& closing, QGridLayout* summary);
