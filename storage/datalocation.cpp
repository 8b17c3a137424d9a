#include "storage/datalocation.h"

#include <QStandardPaths>

#include <filesystem>

namespace fs = std::filesystem;

namespace storage {

namespace {

// An entry whose status cannot be read is left alone: what is wrong with it shows when the
// path is used.
void createIfMissing(const fs::path& directory) {
    std::error_code error;
    if (fs::status(directory, error).type() == fs::file_type::not_found) {
        fs::create_directories(directory);
    }
}

} // namespace

std::string appDataDirectory() {
    const std::string directory =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
            .toUtf8()
            .toStdString();
    createIfMissing(fs::u8path(directory));
    return directory;
}

std::string configFileNameBeside(const std::string& dataDirectory) {
    const fs::path sibling = fs::u8path(dataDirectory + "/../quarntcu");
    createIfMissing(sibling);
    return fs::canonical(sibling).u8string() + "/config.net";
}

} // namespace storage
