#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>

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

ModalAnswerer::Answer pressMessageBoxButton(QMessageBox::StandardButton button,
                                            SeenMessageBox* seen) {
    return [button, seen](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box == nullptr) {
            qWarning("expected a message box, found %s", widget->metaObject()->className());
            if (auto* dialog = qobject_cast<QDialog*>(widget)) {
                dialog->reject();
            }
            return;
        }
        if (seen != nullptr) {
            *seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        }
        if (QAbstractButton* pressed = box->button(button)) {
            pressed->click();
        } else {
            box->reject();
        }
    };
}
