#pragma once

#include <QString>

#include <exception>

class QWidget;

// The window's two kinds of message box: a failure shown under the title of the command that
// failed, and a yes/no question of which only Yes counts as consent.
void showFailure(QWidget* parent, const QString& title, const std::exception& error);
bool confirmed(QWidget* parent, const QString& question);
