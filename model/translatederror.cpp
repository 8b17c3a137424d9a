#include "model/translatederror.h"

#include <QCoreApplication>

std::runtime_error translatedError(const char* context, const char* text) {
    return std::runtime_error(QCoreApplication::translate(context, text).toUtf8().toStdString());
}

std::runtime_error translatedError(const char* context, const char* text, const QString& argument) {
    const QString message = QCoreApplication::translate(context, text).arg(argument);
    return std::runtime_error(message.toUtf8().toStdString());
}
