#include "app/startwindow.h"

#include "mainwindow/mainwindow.h"

std::optional<int> prepareWindow(MainWindow& window) {
    // Declining to share the configuration with another editor is no failure.
    if (!window.claimConfiguration()) {
        return 0;
    }
    if (!window.load()) {
        return 1;
    }
    return std::nullopt;
}
