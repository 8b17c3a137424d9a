#pragma once

#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <queue>

// Answers the modal dialogs, message boxes and wizards that the code under test opens: a timer
// watches QApplication::activeModalWidget() and hands each new one to the next queued answer.
// What is still open when the time runs out is rejected, so that a test fails instead of hanging.
class ModalAnswerer : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;

    // Queues answerWith() for each of the answers, separated by ';'.
    explicit ModalAnswerer(const QString& answers = QString(), QStringList* seen = nullptr);
    ModalAnswerer& then(Answer answer);
    bool allAnswered() const { return pending.empty(); }

private:
    void poll();

    std::queue<Answer> pending;
    QPointer<QWidget> lastAnswered;
    QTimer timer;
    int remainingMs = 10000;
};

// An answer given as the user's steps, separated by '|'; in a dialog or a wizard, "?" adds what
// it shows to seen (see describe() in modalanswerer.cpp):
// - a message box: the text of the button to press ("Yes", "No", "OK"); "title: text" of the
//   box is added to seen;
// - a wizard: a radio button's text clicks it, ">" goes to the next page, "finish" and "cancel"
//   end it, any other text is typed into the line edit of the current page;
// - a file dialog: "file=PATH" chooses that file, anything else cancels; "title: save" or
//   "title: open" is added to seen;
// - another dialog: "NAME=VALUE" sets the spin box or check box (0 or 1) of that object name,
//   "NAME" clicks the button of that name, "OK" and "Cancel" press its button box's buttons.
ModalAnswerer::Answer answerWith(const QString& steps, QStringList* seen = nullptr);
