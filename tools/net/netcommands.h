#pragma once

#include <QStringList>

class QIODevice;

// Where a command reads "-" and writes its output and its complaints.
struct Console {
    QIODevice& in;
    QIODevice& out;
    QIODevice& err;
};

// Takes "-l LANGUAGE" from the front of the arguments; the language, or "" when none is given.
QString takeLanguage(QStringList& arguments);

// Runs the command the arguments (without the program's name) give; the exit status.
int runNetCommand(const QStringList& arguments, Console& console);
