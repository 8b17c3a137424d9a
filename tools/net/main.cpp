#include "app/translations.h"
#include "netcommands.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QTranslator>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // The editor's data folder, and so its configuration and backups, follow from its name.
    QCoreApplication::setApplicationName(QStringLiteral("vexalo"));
    // The output is for people and scripts; the editor's debug log has no place in it.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

    QStringList arguments = QCoreApplication::arguments().mid(1);
    QTranslator appTranslator;
    QTranslator toolkitTranslator;
    installTranslators(app, takeLanguage(arguments).toStdString(), appTranslator,
                       toolkitTranslator);

    QFile in;
    QFile out;
    QFile err;
    in.open(stdin, QIODevice::ReadOnly | QIODevice::Text);
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    Console console{in, out, err};
    return runNetCommand(arguments, console);
}
