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

// The answer language, one answer per modal in the order they open, ';' between answers. An
// answer is the user's steps on that modal, '|' between them:
//   TEXT        presses the visible button of that text ('&' left out): a message box's "Yes",
//               a wizard's "Next >", a radio button's "LRR Network";
//   type=TEXT   types TEXT into the line edit of the dialog or of the wizard's current page;
//   file=PATH   chooses PATH in a file dialog, typed as a user types it (the dialog fills its own
//               selection in the background), and accepts;
//   NAME=N      sets the spin box of object name NAME to N, or its check box to 0 or 1;
//   ?           adds what the dialog or the wizard's page shows to seen (see describe).
// Message boxes and file dialogs add their heading (see headingOf) to seen when answered.
// Anything else is a fault: an empty step or answer ("OK|", ";;"), no such button or field, a
// disabled button, a value the field does not take. The modal is then rejected and the rest of its
// steps dropped.

namespace {

// A modal as the user first sees it: message boxes "title: text", file dialogs "title: save" or
// "title: open", anything else its title.
QString headingOf(QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        return box->windowTitle() + ": " + box->text();
    if (auto* files = qobject_cast<QFileDialog*>(modal))
        return files->windowTitle() +
               (files->acceptMode() == QFileDialog::AcceptSave ? ": save" : ": open");
    return modal->windowTitle();
}

void reject(QWidget* modal) {
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
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

QString chooseFile(QWidget* modal, const QString& path) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (dialog == nullptr)
        return "not a file dialog";
    dialog->setDirectory(QFileInfo(path).absolutePath());
    dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QFileInfo(path).fileName());
    static_cast<QDialog*>(dialog)->accept();
    return {};
}

QString setField(QWidget* modal, const QString& name, const QString& value) {
    bool isNumber = false;
    const int number = value.toInt(&isNumber);
    if (auto* spinBox = modal->findChild<QSpinBox*>(name); spinBox != nullptr && isNumber) {
        spinBox->setValue(number);
        return spinBox->value() == number ? QString() : "out of the spin box's range";
    }
    auto* checkBox = modal->findChild<QCheckBox*>(name);
    if (checkBox == nullptr || (value != "0" && value != "1"))
        return "no spin box or check box that takes it";
    checkBox->setChecked(value == "1");
    return {};
}

QString pressButton(QWidget* modal, const QString& text) {
    for (QAbstractButton* button : modal->findChildren<QAbstractButton*>()) {
        if (button->text().remove('&') == text && button->isVisibleTo(modal)) {
            if (!button->isEnabled())
                return "the button is disabled";
            button->click();
            return {};
        }
    }
    return "no such button";
}

// Carries out one step; says what is wrong with it, or nothing.
QString answerStep(QWidget* modal, QWidget* page, const QString& step, QStringList& seen) {
    const QString name = step.section('=', 0, 0);
    const QString value = step.section('=', 1);
    if (step.isEmpty())
        return "an empty step";
    if (step == "?") {
        seen << describe(modal, page);
        return {};
    }
    if (!step.contains('='))
        return pressButton(modal, step);
    if (name == "file")
        return chooseFile(modal, value);
    if (name != "type")
        return setField(modal, name, value);
    auto* edit = page->findChild<QLineEdit*>();
    if (edit == nullptr)
        return "no line edit to type into";
    QTest::keyClicks(edit, value);
    return {};
}

} // namespace

ModalAnswerer::ModalAnswerer(const QString& answers, QStringList* seen)
    : pending(answers.isEmpty() ? QStringList() : answers.split(';')),
      seen(seen != nullptr ? seen : &ownSeen) {
    connect(&timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer.start(20);
}

QString ModalAnswerer::fault() const {
    QStringList all = faults;
    if (!pending.isEmpty())
        all << "not given: " + pending.join(';');
    return all.join("; ");
}

// The answer is given from the event loop, not from the timer's slot: a modal that the answer
// opens in turn (a file dialog's "File not found") then gets its own turn.
void ModalAnswerer::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if ((remainingMs -= timer.interval()) <= 0) {
        timer.stop();
        if (modal != nullptr) {
            faults << "still open when the time ran out: " + headingOf(modal);
            reject(modal);
        }
    } else if (modal != nullptr && modal != lastAnswered) {
        lastAnswered = modal;
        if (pending.isEmpty()) {
            faults << "no answer left for " + headingOf(modal);
            return reject(modal);
        }
        QMetaObject::invokeMethod(
            this,
            [this, modal = QPointer<QWidget>(modal), steps = pending.takeFirst(),
             number = ++given] {
                if (modal != nullptr)
                    answer(modal, steps, number);
            },
            Qt::QueuedConnection);
    }
}

void ModalAnswerer::answer(QWidget* modal, const QString& steps, int number) {
    if (qobject_cast<QMessageBox*>(modal) != nullptr ||
        qobject_cast<QFileDialog*>(modal) != nullptr)
        *seen << headingOf(modal);
    for (const QString& step : steps.split('|')) {
        auto* wizard = qobject_cast<QWizard*>(modal);
        const QString fault =
            answerStep(modal, wizard != nullptr ? wizard->currentPage() : modal, step, *seen);
        if (!fault.isEmpty()) {
            faults << QString("answer %1 (%2), step \"%3\": %4")
                          .arg(number)
                          .arg(headingOf(modal), step, fault);
            return reject(modal);
        }
    }
}
