#include "res/resourceicon.h"

#include <QHash>

QIcon resourceIcon(const QString& fileName) {
    static QHash<QString, QIcon> decoded;
    auto found = decoded.constFind(fileName);
    if (found == decoded.constEnd()) {
        found = decoded.insert(fileName, QIcon(QStringLiteral(":/res/") + fileName));
    }
    return *found;
}
