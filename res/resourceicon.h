#pragma once

#include <QIcon>
#include <QString>

// The icon of a compiled-in resource file such as "device.ico" (under ":/res/"), shared by every
// user of that file. Nothing is decoded until the icon is drawn, and then only the image of the
// size drawn when the file holds one (each once): decoding a whole .ico reads every image it
// holds, which is the main cost of drawing many rows and of showing the window the first time.
QIcon resourceIcon(const QString& fileName);
