#pragma once

#include <QStringList>
#include <QTest>

#include <initializer_list>

// Adds a row of text columns to the current QtTest data table, so that a row fits on a line.
inline void addRow(const char* name, const QStringList& columns) {
    QTestData& row = QTest::newRow(name);
    for (const QString& column : columns)
        row << column;
}

// The columns of a data table, all text. QtTest keeps the names' pointers, so they are literals.
inline void addColumns(std::initializer_list<const char*> names) {
    for (const char* name : names)
        QTest::addColumn<QString>(name);
}
