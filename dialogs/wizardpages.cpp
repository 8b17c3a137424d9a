#include "dialogs/wizardpages.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QWizardPage>

QWizardPage* captionedFieldPage(const QString& title, const QString& caption, QWidget* field) {
    auto* page = new QWizardPage;
    page->setTitle(title);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(caption));
    row->addWidget(field);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(row);
    return page;
}

QWizardPage* conclusionPage(const QString& closing, QGridLayout* summary) {
    auto* page = new QWizardPage;
    page->setTitle(QStringLiteral("Conclusion"));
    auto* sentence = new QLabel(closing);
    sentence->setWordWrap(true);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(sentence);
    layout->addLayout(summary);
    return page;
}
