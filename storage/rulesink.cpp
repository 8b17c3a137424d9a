#include "storage/rulesink.h"

#include "model/networkrules.h"

namespace storage {

void RuleSink::port(const QString& name) {
    const QString key = networkrules::portKey(name);
    const auto found = indexByKey.constFind(key);
    if (found != indexByKey.constEnd()) {
        current = *found;
        return;
    }
    current = static_cast<int>(entries.size());
    entries.push_back(Port{name});
    indexByKey.insert(key, current);
}

void RuleSink::portType(NetworkPortItem::port_type_t type) {
    entries[current].type = type;
}

void RuleSink::portValue(field_t field, int value) {
    if (field == master_id) {
        entries[current].masterId = value;
    }
}

void RuleSink::device(int submasterId) {
    Port& port = entries[current];
    networkrules::claimSubmasterId(submasterId, port.submasterIds);
    ++port.devices;
}

void RuleSink::deviceValue(field_t, int) {}

} // namespace storage
