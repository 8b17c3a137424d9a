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

    // Answers with answerWith() for each of the answers, separated by ';'.
    explicit ModalAnswerer(const QString& answers, QStringList* seen = nullptr);
    bool allAnswered() const { return pending.empty(); }

private:
    void poll();

    std::queue<Answer> pending;
    QPointer<QWidget> lastAnswered;
    QTimer timer;
    int remainingMs = 10000;
};

// An answer given as the user's steps, separated by '|': the text of a button to press (a
// message box's "Yes", a wizard's "Next >", a radio button's "LRR Network"), "NAME=VALUE" to set
// the spin box or check box (0 or 1) of that object name, "file=PATH" to choose a file, "?" to
// add what a dialog or a wizard's page shows to seen; in a wizard any other text is typed into
// the page's line edit, anywhere else it cancels. Message boxes add "title: text" to seen, file
// dialogs "title: save" or "title: open".
ModalAnswerer::Answer answerWith(const QString& steps, QStringList* seen = nullptr);
