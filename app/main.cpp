#include "app/commandline.h"
#include "app/translations.h"
#include "mainwindow/mainwindow.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char* argv[]) {
    const CommandLine options = parseCommandLine(argc, argv);
    if (options.helpRequested) {
        return 0;
    }

    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QApplication app(argc, argv);
    QTranslator appTranslator;
    QTranslator toolkitTranslator;
    installTranslators(app, options.language, appTranslator, toolkitTranslator);

    MainWindow window(nullptr);
    // The window is shown only once the network configuration is in place; loading it from
    // config.net (or creating it) comes here, and a failure then ends the program with status 1.
    window.show();
    return app.exec();
}
