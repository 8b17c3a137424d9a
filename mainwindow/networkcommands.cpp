#include "mainwindow/mainwindow.h"

#include "mainwindow/messageboxes.h"

#include <QCloseEvent>
#include <QFileDialog>

#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

std::runtime_error noDefaultNetwork() {
    return std::runtime_error(
        MainWindow::tr("Unable to create default network configuration").toUtf8().toStdString());
}

// A file dialog for network files; the first selected file as UTF-8, or "" when cancelled.
std::string chooseNetworkFile(QWidget* parent, QFileDialog::FileMode mode,
                              QFileDialog::AcceptMode acceptMode, const QString& title) {
    QFileDialog dialog(parent, QString(), QString(), QString());
    dialog.setFileMode(mode);
    dialog.setNameFilter(MainWindow::tr("QUARN network files (*.net)"));
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setAcceptMode(acceptMode);
    dialog.setWindowTitle(title);
    if (dialog.exec() == QDialog::Rejected || dialog.selectedFiles().isEmpty()) {
        return std::string();
    }
    return dialog.selectedFiles().first().toUtf8().toStdString();
}

} // namespace

bool MainWindow::save() {
    if (!modified) {
        return true;
    }
    try {
        if (save(getQuarnTCUDataFileName())) {
            modified = false;
            return true;
        }
    } catch (const std::exception& error) {
        showFailure(this, tr("Save network configuration"), error);
    }
    updateMenus();
    return false;
}

void MainWindow::on_okButton_pressed() {
    if (save()) {
        close();
    }
}

// Closing writes pending changes without asking; when that fails the window closes all the same.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!save()) {
        event->accept();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool MainWindow::load() {
    try {
        const std::string path = getQuarnTCUDataFileName();
        // A status that cannot be read (a loop of links) throws, and is reported as the failure.
        if (fs::exists(fs::status(fs::u8path(path)))) {
            return load(path);
        }
        if (confirmed(this, tr("Create default network configuration file?"))) {
            if (!createDefaultNetwork()) {
                throw noDefaultNetwork();
            }
            const bool saved = save(path);
            updateMenus(); // the file now exists: offer the commands that need it
            return saved;
        }
        clearNetwork();
        modified = false;
        updateMenus();
        return true;
    } catch (const std::exception& error) {
        showFailure(this, tr("Load network configuration file"), error);
        updateMenus();
        return false;
    }
}

void MainWindow::newNetwork() {
    try {
        if (!createDefaultNetwork()) {
            throw noDefaultNetwork();
        }
        modified = !save(getQuarnTCUDataFileName());
    } catch (const std::exception& error) {
        showFailure(this, tr("Save default network configuration"), error);
    }
    updateMenus();
}

void MainWindow::delNetwork() {
    if (!confirmed(this, tr("Are you sure you want to delete the whole network"))) {
        return;
    }
    try {
        clearNetwork();
        fs::remove(fs::u8path(getQuarnTCUDataFileName()));
        modified = false;
        updateMenus();
    } catch (const std::exception& error) {
        showFailure(this, tr("Delete Network"), error);
        updateMenus();
    }
}

void MainWindow::expNetwork() {
    const std::string path = chooseNetworkFile(this, QFileDialog::AnyFile, QFileDialog::AcceptSave,
                                               tr("Export network file"));
    if (!path.empty()) {
        save(path);
    }
    updateMenus();
}

void MainWindow::impNetwork() {
    const std::string path = chooseNetworkFile(this, QFileDialog::ExistingFile,
                                               QFileDialog::AcceptOpen, tr("Import network file"));
    if (path.empty()) {
        updateMenus();
        return;
    }
    try {
        clearNetwork();
        modified = !load(path);
    } catch (const std::exception& error) {
        showFailure(this, tr("Import network file"), error);
    }
    updateMenus();
}
