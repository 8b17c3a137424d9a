#include "app/translations.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

const std::unordered_map<std::string, std::string>& lang_files() {
    static const std::unordered_map<std::string, std::string> files{
        {"de_DE", "./vexalo_de_DE.qm"},
        {"de", "./vexalo_de_DE.qm"},
        {"en_US", "./vexalo_en_US.qm"},
        {"en", "./vexalo_en_US.qm"},
    };
    return files;
}

namespace {

// The working directory comes first, so a file put there overrides the installed one; then the
// executable's folder (a build tree, a Windows installation) and the share folder beside it (an
// installation under a prefix such as /usr).
QStringList translationPlaces(const QString& file) {
    const QString name = QFileInfo(file).fileName();
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {file, programFolder + QLatin1Char('/') + name,
            programFolder + QStringLiteral("/../share/vexalo/translations/") + name};
}

void loadFromFirstPlace(QTranslator& translator, const QString& file) {
    for (const QString& place : translationPlaces(file)) {
        if (translator.load(place)) {
            qDebug() << "Load translation from"
                     << qPrintable(QDir::cleanPath(QFileInfo(place).absoluteFilePath()));
            return;
        }
    }
}

void installApplicationTranslator(QCoreApplication& app, const std::string& language,
                                  QTranslator& translator) {
    const auto entry = lang_files().find(language);
    if (entry == lang_files().end()) {
        qDebug() << "Application translation file for language \"" << language.c_str()
                 << "\" not found!";
        return;
    }
    // A missing file is not reported: the program then shows its English source texts.
    loadFromFirstPlace(translator, QString::fromUtf8(entry->second.c_str()));
    app.installTranslator(&translator);
}

void installToolkitTranslator(QCoreApplication& app, QTranslator& translator) {
    const QString locale = QLocale::system().name();
    if (translator.load(QStringLiteral("qt_") + locale,
                        QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&translator);
    } else {
        qDebug() << "System translation files for language \"" << locale << "\" not found!";
    }
}

} // namespace

void installTranslators(QCoreApplication& app, std::string language, QTranslator& appTranslator,
                        QTranslator& toolkitTranslator) {
    if (language.empty()) {
        language = "en";
    }
    qDebug() << "Start using language" << language.c_str();
    installApplicationTranslator(app, language, appTranslator);
    installToolkitTranslator(app, toolkitTranslator);
}
