#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <queue>

// Answers modal dialogs, message boxes and wizards opened by the code under test. A repeating
// timer watches QApplication::activeModalWidget(); each new modal widget is handed to the next
// queued answer. Modal widgets still open when the time runs out are rejected so that a test
// fails instead of hanging.
class ModalAnswerer : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;

    explicit ModalAnswerer(int timeoutMs = 10000);
    ~ModalAnswerer() override;

    ModalAnswerer& then(Answer answer);
    int answeredCount() const { return answered; }
    bool allAnswered() const { return pending.empty(); }

private:
    void poll();

    std::queue<Answer> pending;
    QPointer<QWidget> lastAnswered;
    QTimer timer;
    int remainingMs;
    int answered = 0;
};

// What a message box showed before it was answered.
struct SeenMessageBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// An answer that records the message box and presses one of its standard buttons.
ModalAnswerer::Answer pressMessageBoxButton(QMessageBox::StandardButton button,
                                            SeenMessageBox* seen = nullptr);
