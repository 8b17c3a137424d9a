#include "app/commandline.h"
#include "app/screenscale.h"
#include "app/startwindow.h"
#include "app/translations.h"
#include "mainwindow/mainwindow.h"

#include <QApplication>
#include <QDebug>
#include <QStyle>
#include <QTranslator>

int main(int argc, char* argv[]) {
    const CommandLine options = parseCommandLine(argc, argv);
    if (options.helpRequested) {
        return 0;
    }

    scaleWithScreen();
    QApplication app(argc, argv);
    // Tells whether the native style was found, which a missing plugin silently replaces.
    qDebug() << "Style" << qPrintable(app.style()->objectName());
    QTranslator appTranslator;
    QTranslator toolkitTranslator;
    installTranslators(app, options.language, appTranslator, toolkitTranslator);

    MainWindow window(nullptr);
    if (const std::optional<int> status = prepareWindow(window)) {
        return *status;
    }
    window.show();
    return app.exec();
}
