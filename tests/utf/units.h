#pragma once

// Test data is written as QByteArray and QVector<uint> so that QtTest can print it.

#include <QByteArray>
#include <QVector>

#include <string>

inline std::string bytes(const QByteArray& data) {
    return std::string(data.data(), data.size());
}

inline QByteArray bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<int>(text.size()));
}

inline std::wstring wide(const QVector<uint>& units) {
    return std::wstring(units.begin(), units.end());
}

inline QVector<uint> units(const std::wstring& text) {
    QVector<uint> result;
    for (const wchar_t unit : text)
        result.append(static_cast<uint>(unit));
    return result;
}
