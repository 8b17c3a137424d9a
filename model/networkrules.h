#pragma once

#include "model/porttype.h"

#include <QString>

#include <bitset>

// The rules every network keeps, whoever builds it: the window's commands, the file reader and
// the command-line tools. A broken rule throws std::runtime_error carrying the translated message
// as UTF-8.
namespace networkrules {

// Port names are unique regardless of case: two names name the same port when their keys match.
QString portKey(const QString& name);

// Master and submaster IDs lie in 1..255.
bool isValidId(int id);

// Refuses a new port whose name another port has already (nameInUse), and an LRR port whose master
// ID is not valid; ports of the other types carry no master ID.
void checkNewPort(const QString& name, bool nameInUse, PortType::port_type_t type, int masterId);

// Refuses a device's submaster ID that is not valid or is already set in inUse (bit n for ID n,
// the IDs of the device's port); otherwise inUse gains it.
void claimSubmasterId(int submasterId, std::bitset<256>& inUse);

// Whether claimSubmasterId would accept submasterId.
bool isSubmasterIdFree(int submasterId, const std::bitset<256>& inUse);

} // namespace networkrules
