#include "storage/datalocation.h"

#include "mainwindow/mainwindow.h"

#include <QStandardPaths>

#include <filesystem>

namespace fs = std::filesystem;

namespace storage {

namespace {

void createIfMissing(const fs::path& directory) {
    if (!fs::exists(directory)) {
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

std::string MainWindow::getDataFileName() const {
    return storage::appDataDirectory();
}

std::string MainWindow::getQuarnTCUDataFileName() const {
    return storage::configFileNameBeside(getDataFileName());
}
