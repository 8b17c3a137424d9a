#include "app/screenscale.h"

#include <QGuiApplication>

void scaleWithScreen() {
    // Icons are drawn from their images of the scaled size rather than blown up.
    QGuiApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    // Without it Qt 5 doubles the fonts at 192 dpi but not the windows, which then cut them.
    QGuiApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    // 125 % and 150 % scale exactly rather than rounded to whole multiples.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}
