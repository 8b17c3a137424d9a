#include "app/commandline.h"
#include "app/screenscale.h"
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
    // Declining to share the configuration with another editor is no failure.
    if (!window.claimConfiguration()) {
        return 0;
    }
    // Without a network configuration there is nothing to edit; the user has been told why.
    if (!window.load()) {
        return 1;
    }
    window.show();
    return app.exec();
}
