#pragma once

#include <QMap>
#include <QString>

namespace storage {

// The adapter last seen behind each configured port, by port name: what the window needs to
// recognise an adapter that comes back under another name. Kept in the file "adapters.json" of
// the editor's own data directory, beside backups/, and never in the network configuration.
using AdapterIdentities = QMap<QString, QString>;

// What the file holds; nothing when it is missing or unreadable, since the memory only helps.
AdapterIdentities readAdapterIdentities();

// Replaces the file's content; false when it could not be written.
bool writeAdapterIdentities(const AdapterIdentities& identities);

} // namespace storage
