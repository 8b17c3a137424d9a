#include "model/networkrules.h"

#include <QCoreApplication>

#include <stdexcept>

namespace networkrules {

namespace {

std::runtime_error violation(const char* text, const QString& argument) {
    const QString message = QCoreApplication::translate("NetworkRules", text).arg(argument);
    return std::runtime_error(message.toUtf8().toStdString());
}

std::runtime_error violation(const char* text, int argument) {
    return violation(text, QString::number(argument));
}

} // namespace

QString portKey(const QString& name) {
    return name.toLower();
}

bool isValidId(int id) {
    return id >= 1 && id <= 255;
}

void checkNewPort(const QString& name, bool nameInUse, PortType::port_type_t type, int masterId) {
    if (nameInUse) {
        throw violation(QT_TRANSLATE_NOOP("NetworkRules", "Port \"%1\" is already defined"), name);
    }
    if (type == PortType::lrr && !isValidId(masterId)) {
        throw violation(QT_TRANSLATE_NOOP("NetworkRules", "Master ID %1 is invalid [1..255]"),
                        masterId);
    }
}

void claimSubmasterId(int submasterId, std::bitset<256>& inUse) {
    if (!isValidId(submasterId)) {
        throw violation(QT_TRANSLATE_NOOP("NetworkRules", "Submaster ID %1 is invalid [1..255]"),
                        submasterId);
    }
    const auto bit = static_cast<std::size_t>(submasterId);
    if (inUse.test(bit)) {
        throw violation(QT_TRANSLATE_NOOP("NetworkRules", "Submaster ID %1 is already in use"),
                        submasterId);
    }
    inUse.set(bit);
}

} // namespace networkrules
