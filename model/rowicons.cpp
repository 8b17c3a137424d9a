#include "model/rowicons.h"

namespace {

RowIconLookup installed = nullptr;

} // namespace

void setRowIconLookup(RowIconLookup lookup) {
    installed = lookup;
}

QIcon rowIcon(const QString& fileName) {
    return installed != nullptr ? installed(fileName) : QIcon();
}
