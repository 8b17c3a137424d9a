#include "modalanswerer.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QWizard>

ModalAnswerer::ModalAnswerer(const QString& answers, QStringList* seen) {
    for (const QString& answer : answers.split(';', Qt::SkipEmptyParts))
        pending.push(answerWith(answer, seen));
    connect(&timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer.start(20);
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

// The file dialog fills its own selection in the background, so the name is typed as a user
// types it.
void chooseFile(QFileDialog* dialog, const QString& path) {
    dialog->setDirectory(QFileInfo(path).absolutePath());
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QFileInfo(path).fileName());
    static_cast<QDialog*>(dialog)->accept();
}

void answerStep(QWidget* modal, QWidget* page, const QString& step, QStringList* seen) {
    const QString name = step.section('=', 0, 0);
    const QString value = step.section('=', 1);
    if (step == "?" && seen != nullptr)
        return void(*seen << describe(modal, page));
    if (auto* files = qobject_cast<QFileDialog*>(modal); files != nullptr && name == "file")
        return chooseFile(files, value);
    if (auto* spinBox = modal->findChild<QSpinBox*>(name))
        return spinBox->setValue(value.toInt());
    if (auto* checkBox = modal->findChild<QCheckBox*>(name))
        return checkBox->setChecked(value != "0");
    for (QAbstractButton* button : modal->findChildren<QAbstractButton*>()) {
        if (button->text().remove('&') == step)
            return button->click();
    }
    if (qobject_cast<QWizard*>(modal) != nullptr)
        return QTest::keyClicks(page->findChild<QLineEdit*>(), step);
    qobject_cast<QDialog*>(modal)->reject();
}

} // namespace

ModalAnswerer::Answer answerWith(const QString& steps, QStringList* seen) {
    return [steps, seen](QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        if (seen != nullptr && files != nullptr)
            *seen << modal->windowTitle() +
                         (files->acceptMode() == QFileDialog::AcceptSave ? ": save" : ": open");
        else if (auto* box = qobject_cast<QMessageBox*>(modal); seen != nullptr && box != nullptr)
            *seen << box->windowTitle() + ": " + box->text();
        for (const QString& step : steps.split('|')) {
            auto* wizard = qobject_cast<QWizard*>(modal);
            answerStep(modal, wizard != nullptr ? wizard->currentPage() : modal, step, seen);
        }
    };
}
