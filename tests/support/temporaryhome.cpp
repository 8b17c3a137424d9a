#include "temporaryhome.h"

#include <QDir>

TemporaryHome::TemporaryHome()
    : savedHome(qgetenv("HOME")), savedDataHome(qgetenv("XDG_DATA_HOME")) {
    QDir().mkpath(dataHome());
    qputenv("HOME", directory.path().toUtf8());
    qputenv("XDG_DATA_HOME", dataHome().toUtf8());
}

TemporaryHome::~TemporaryHome() {
    qputenv("HOME", savedHome);
    qputenv("XDG_DATA_HOME", savedDataHome);
}
