#pragma once

#include <QIcon>
#include <QString>

// Where the rows find their icons, by file name such as "device.ico". The window installs the
// lookup, so that the rows need no compiled-in images; until one is installed rows have no icon.
using RowIconLookup = QIcon (*)(const QString& fileName);
void setRowIconLookup(RowIconLookup lookup);
QIcon rowIcon(const QString& fileName);
