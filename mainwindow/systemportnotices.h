#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <string>

class QWidget;

// The system's notifications of serial ports coming and going, each passed to notice, for as long
// as the returned object lives; nullptr when the system offers none. Windows sends them to
// window, Linux reports the device nodes of deviceFolder; each ignores the other's argument.
// Defined by the file the build selects for the system.
std::unique_ptr<QObject> systemPortNotices(QWidget& window, const std::string& deviceFolder,
                                           const std::function<void()>& notice);
