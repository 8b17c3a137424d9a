#pragma once

#include <QIcon>
#include <QString>

// The icon of a compiled-in resource file such as "device.ico" (under ":/res/"). Each file is
// decoded once and the icon shared from then on: decoding an .ico reads every image it holds,
// which is the main cost of drawing many rows.
QIcon resourceIcon(const QString& fileName);
