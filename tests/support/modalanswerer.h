#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

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

// An answer given as the user's steps, separated by '|':
// - a message box: the text of the button to press ("Yes", "No", "OK"); "title: text" of the
//   box is added to seen;
// - a wizard: a radio button's text clicks it, ">" goes to the next page, "finish" and "cancel"
//   end it, any other text is typed into the line edit of the current page;
// - a file dialog: "file=PATH" chooses that file, "cancel" cancels; "title: save" or
//   "title: open" is added to seen;
// - another dialog: "NAME=VALUE" sets the spin box or check box (0 or 1) of that object name,
//   "NAME" clicks the button of that name, "OK" and "Cancel" press its button box's buttons.
ModalAnswerer::Answer answerWith(const QString& steps, QStringList* seen = nullptr);
