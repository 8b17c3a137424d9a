#include "model/networkrules.h"

#include "model/translatederror.h"

namespace networkrules {

namespace {

std::runtime_error idViolation(const char* text, int id) {
    return translatedError("NetworkRules", text, QString::number(id));
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
        throw translatedError("NetworkRules",
                              QT_TRANSLATE_NOOP("NetworkRules", "Port \"%1\" is already defined"),
                              name);
    }
    if (type == PortType::lrr && !isValidId(masterId)) {
        throw idViolation(QT_TRANSLATE_NOOP("NetworkRules", "Master ID %1 is invalid [1..255]"),
                          masterId);
    }
}

void claimSubmasterId(int submasterId, std::bitset<256>& inUse) {
    if (!isValidId(submasterId)) {
        throw idViolation(QT_TRANSLATE_NOOP("NetworkRules", "Submaster ID %1 is invalid [1..255]"),
                          submasterId);
    }
    const auto bit = static_cast<std::size_t>(submasterId);
    if (inUse.test(bit)) {
        throw idViolation(QT_TRANSLATE_NOOP("NetworkRules", "Submaster ID %1 is already in use"),
                          submasterId);
    }
    inUse.set(bit);
}

bool isSubmasterIdFree(int submasterId, const std::bitset<256>& inUse) {
    return isValidId(submasterId) && !inUse.test(static_cast<std::size_t>(submasterId));
}

} // namespace networkrules
