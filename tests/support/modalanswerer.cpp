#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QWizard>

namespace {
constexpr int pollIntervalMs = 20;
}

ModalAnswerer::ModalAnswerer(int timeoutMs) : remainingMs(timeoutMs) {
    connect(&timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer.start(pollIntervalMs);
}

ModalAnswerer::~ModalAnswerer() = default;

ModalAnswerer& ModalAnswerer::then(Answer answer) {
    pending.push(std::move(answer));
    return *this;
}

void ModalAnswerer::poll() {
    remainingMs -= pollIntervalMs;
    QWidget* modal = QApplication::activeModalWidget();
    if (remainingMs <= 0) {
        timer.stop();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
        return;
    }
    if (modal == nullptr || modal == lastAnswered || pending.empty()) {
        return;
    }
    lastAnswered = modal;
    Answer answer = std::move(pending.front());
    pending.pop();
    ++answered;
    answer(modal);
}

namespace {

void answerBox(QMessageBox* box, const QString& step, QStringList* seen) {
    if (seen != nullptr)
        *seen << box->windowTitle() + QStringLiteral(": ") + box->text();
    for (QAbstractButton* button : box->buttons()) {
        if (button->text().remove('&') == step)
            return button->click();
    }
    box->reject();
}

void answerWizard(QWizard* wizard, const QStringList& steps) {
    for (const QString& step : steps) {
        QWidget* page = wizard->currentPage();
        QRadioButton* choice = nullptr;
        for (QRadioButton* radio : page->findChildren<QRadioButton*>())
            choice = radio->text() == step ? radio : choice;
        if (step == QLatin1String(">"))
            wizard->next();
        else if (step == QLatin1String("finish"))
            wizard->accept();
        else if (step == QLatin1String("cancel"))
            wizard->reject();
        else if (choice != nullptr)
            choice->click();
        else
            QTest::keyClicks(page->findChild<QLineEdit*>(), step);
    }
}

// The file dialog fills its own selection in the background, so the name is typed as a user
// types it.
void answerFileDialog(QFileDialog* dialog, const QString& step, QStringList* seen) {
    if (seen != nullptr)
        *seen << dialog->windowTitle() +
                     (dialog->acceptMode() == QFileDialog::AcceptSave ? ": save" : ": open");
    if (!step.startsWith(QLatin1String("file="))) {
        dialog->reject();
        return;
    }
    const QFileInfo file(step.mid(5));
    dialog->setDirectory(file.absolutePath());
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(file.fileName());
    static_cast<QDialog*>(dialog)->accept();
}

void answerDialog(QDialog* dialog, const QStringList& steps) {
    for (const QString& step : steps) {
        const QString name = step.section('=', 0, 0);
        const QString value = step.section('=', 1);
        auto* box = dialog->findChild<QDialogButtonBox*>();
        if (step == QLatin1String("OK") || step == QLatin1String("Cancel"))
            box->button(step == QLatin1String("OK") ? QDialogButtonBox::Ok
                                                    : QDialogButtonBox::Cancel)
                ->click();
        else if (auto* spinBox = dialog->findChild<QSpinBox*>(name))
            spinBox->setValue(value.toInt());
        else if (auto* checkBox = dialog->findChild<QCheckBox*>(name))
            checkBox->setChecked(value != QLatin1String("0"));
        else
            dialog->findChild<QAbstractButton*>(name)->click();
    }
}

} // namespace

ModalAnswerer::Answer answerWith(const QString& steps, QStringList* seen) {
    return [steps, seen](QWidget* widget) {
        const QStringList list = steps.split('|');
        if (auto* box = qobject_cast<QMessageBox*>(widget))
            answerBox(box, steps, seen);
        else if (auto* wizard = qobject_cast<QWizard*>(widget))
            answerWizard(wizard, list);
        else if (auto* files = qobject_cast<QFileDialog*>(widget))
            answerFileDialog(files, steps, seen);
        else if (auto* dialog = qobject_cast<QDialog*>(widget))
            answerDialog(dialog, list);
    };
}
