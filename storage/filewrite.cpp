#include "storage/filewrite.h"

#include "storage/filesync.h"

#include <QFile>
#include <QSaveFile>

namespace storage {

namespace {

QIODevice::OpenMode openModeOf(FileForm form) {
    return form == FileForm::text ? QIODevice::Text : QIODevice::NotOpen;
}

// Unbuffered, so that every failed write shows in write() rather than in a later flush whose
// error the save file would not see.
constexpr QIODevice::OpenMode writing = QIODevice::WriteOnly | QIODevice::Unbuffered;

bool writeWhole(QFileDevice& file, const QByteArray& content) {
    return file.write(content) == content.size() && syncToDisk(file.handle());
}

bool overwrite(QFile& file, const QByteArray& content) {
    return file.seek(0) && file.write(content) == content.size() && file.resize(file.pos()) &&
           syncToDisk(file.handle());
}

bool rewriteInPlace(const QString& path, const QByteArray& content, FileForm form) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered | QIODevice::ExistingOnly)) {
        return false;
    }
    const QByteArray previous = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return false;
    }
    file.setTextModeEnabled(form == FileForm::text);
    if (overwrite(file, content)) {
        return true;
    }
    file.setTextModeEnabled(false);
    overwrite(file, previous);
    return false;
}

} // namespace

bool replaceFileContent(const QString& path, const QByteArray& content, FileForm form) {
    QSaveFile file(path);
    if (!file.open(writing | openModeOf(form))) {
        return rewriteInPlace(path, content, form);
    }
    if (!writeWhole(file, content)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace storage
