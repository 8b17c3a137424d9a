#pragma once

#include <QString>

#include <stdexcept>

// A refusal with its message translated in context and carried as UTF-8, as the network's rules
// and files report them.
std::runtime_error translatedError(const char* context, const char* text);
std::runtime_error translatedError(const char* context, const char* text, const QString& argument);
