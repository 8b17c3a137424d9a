#pragma once

#include <QByteArray>
#include <QTemporaryDir>

// Points HOME and XDG_DATA_HOME into a fresh temporary directory for the lifetime of the object,
// so that tests never read or write the real user's files.
class TemporaryHome {
public:
    TemporaryHome();
    ~TemporaryHome();

    QString path() const { return directory.path(); }
    QString dataHome() const { return directory.path() + QStringLiteral("/share"); }

private:
    QTemporaryDir directory;
    QByteArray savedHome;
    QByteArray savedDataHome;
};
