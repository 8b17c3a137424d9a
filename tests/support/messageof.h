#pragma once

#include <QString>

#include <functional>
#include <stdexcept>

// The message of the std::runtime_error that action throws, or an empty string when it throws
// none.
inline QString messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::runtime_error& error) {
        return QString::fromUtf8(error.what());
    }
    return QString();
}
