#pragma once

#include <QByteArray>
#include <QString>

namespace storage {

enum class FileForm { text, binary };

// Replaces what the file at path holds by content, or leaves the file as it was and returns false.
// The content is written beside the file, synced to the disk and then renamed over it, so that a
// short write (a full disk) never reaches the file. Where the folder allows no new file, an
// existing file is rewritten in place and put back as it was when that fails.
bool replaceFileContent(const QString& path, const QByteArray& content, FileForm form);

} // namespace storage
