#include "modalanswerer.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QWizard>

ModalAnswerer::ModalAnswerer(const QString& answers, QStringList* seen) {
    for (const QString& answer : answers.split(';', Qt::SkipEmptyParts))
        then(answerWith(answer, seen));
    connect(&timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer.start(20);
}

ModalAnswerer& ModalAnswerer::then(Answer answer) {
    pending.push(std::move(answer));
    return *this;
}

void ModalAnswerer::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if ((remainingMs -= timer.interval()) <= 0) {
        timer.stop();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    } else if (modal != nullptr && modal != lastAnswered && !pending.empty()) {
        lastAnswered = modal;
        const Answer answer = std::move(pending.front());
        pending.pop();
        answer(modal);
    }
}

namespace {

void answerBox(QMessageBox* box, const QString& step, QStringList* seen) {
    if (seen != nullptr)
        *seen << box->windowTitle() + ": " + box->text();
    for (QAbstractButton* button : box->buttons()) {
        if (button->text().remove('&') == step)
            return button->click();
    }
    box->reject();
}

// The file dialog fills its own selection in the background, so the name is typed as a user
// types it.
void answerFileDialog(QFileDialog* dialog, const QString& step, QStringList* seen) {
    if (seen != nullptr)
        *seen << dialog->windowTitle() +
                     (dialog->acceptMode() == QFileDialog::AcceptSave ? ": save" : ": open");
    if (!step.startsWith("file="))
        return dialog->reject();
    const QFileInfo file(step.mid(5));
    dialog->setDirectory(file.absolutePath());
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(file.fileName());
    static_cast<QDialog*>(dialog)->accept();
}

// What a dialog or a wizard's page shows, in the order of its fields: labels, values ("[text]"
// typed, "(3)" read-only), buttons with "-" when unchecked, "*" before the one with the focus.
// Sentences (word-wrapped labels) are left out.
QString describe(QWidget* window, QWidget* page) {
    QStringList shown;
    for (QWidget* field : page->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(field);
        const auto* edit = qobject_cast<QLineEdit*>(field);
        const auto* spinBox = qobject_cast<QSpinBox*>(field);
        const auto* button = qobject_cast<QAbstractButton*>(field);
        QString text = label != nullptr && !label->wordWrap() ? label->text()
                       : edit != nullptr && !qobject_cast<QSpinBox*>(edit->parent())
                           ? '[' + edit->text() + ']'
                       : spinBox == nullptr
                           ? QString()
                           : QString(spinBox->isReadOnly() ? "(%1)" : "%1").arg(spinBox->value());
        if (button != nullptr && button->isCheckable())
            text = (button->isChecked() ? "" : "-") + button->text();
        if (!text.isEmpty() && field->isVisibleTo(page))
            shown << (field == window->focusWidget() ? "*" : "") + text;
    }
    return window->windowTitle() + ": " + shown.join(' ');
}

void answerWizardStep(QWizard* wizard, const QString& step) {
    QWidget* page = wizard->currentPage();
    for (QRadioButton* radio : page->findChildren<QRadioButton*>()) {
        if (radio->text() == step)
            return radio->click();
    }
    if (step == ">")
        wizard->next();
    else if (step == "finish" || step == "cancel")
        step == "finish" ? wizard->accept() : wizard->reject();
    else
        QTest::keyClicks(page->findChild<QLineEdit*>(), step);
}

void answerDialogStep(QDialog* dialog, const QString& step) {
    const QString name = step.section('=', 0, 0);
    const QString value = step.section('=', 1);
    if (step == "OK" || step == "Cancel")
        dialog->findChild<QDialogButtonBox*>()
            ->button(step == "OK" ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)
            ->click();
    else if (auto* spinBox = dialog->findChild<QSpinBox*>(name))
        spinBox->setValue(value.toInt());
    else if (auto* checkBox = dialog->findChild<QCheckBox*>(name))
        checkBox->setChecked(value != "0");
    else
        dialog->findChild<QAbstractButton*>(name)->click();
}

} // namespace

ModalAnswerer::Answer answerWith(const QString& steps, QStringList* seen) {
    return [steps, seen](QWidget* widget) {
        if (auto* box = qobject_cast<QMessageBox*>(widget))
            return answerBox(box, steps, seen);
        if (auto* files = qobject_cast<QFileDialog*>(widget))
            return answerFileDialog(files, steps, seen);
        for (const QString& step : steps.split('|')) {
            auto* wizard = qobject_cast<QWizard*>(widget);
            if (step == "?" && seen != nullptr)
                *seen << describe(widget, wizard != nullptr ? wizard->currentPage() : widget);
            else if (wizard != nullptr)
                answerWizardStep(wizard, step);
            else if (auto* dialog = qobject_cast<QDialog*>(widget))
                answerDialogStep(dialog, step);
        }
    };
}
