#pragma once

#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

// Answers the modal dialogs, message boxes and wizards that the code under test opens, each new
// one with the next queued answer (the language is described in modalanswerer.cpp). A modal with
// no answer left, a step not understood, and a modal still open when the time runs out are
// rejected and kept as faults, so that a test fails, and says why, instead of passing by accident
// or hanging.
class ModalAnswerer : public QObject {
public:
    explicit ModalAnswerer(const QString& answers, QStringList* seen = nullptr);
    // Empty when every answer was given and every step understood, else what went wrong.
    QString fault() const;

private:
    void poll();
    void answer(QWidget* modal, const QString& steps, int number);

    QStringList pending;
    QStringList faults;
    QStringList ownSeen;
    QStringList* seen;
    int given = 0;
    QPointer<QWidget> lastAnswered;
    QTimer timer;
    int remainingMs = 10000;
};
