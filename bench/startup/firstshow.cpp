// Preloaded into a Qt program: once the application object exists, watches for the first top-level
// window to be exposed, lets it draw its first frame, prints the CLOCK_MONOTONIC time in
// microseconds on standard output and ends the process. Whoever started the program knows when it
// did, so the difference is the time from process start to the first frame.
#include <QCoreApplication>
#include <QEvent>
#include <QExposeEvent>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

long long monotonicMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000LL + now.tv_nsec / 1000;
}

class FirstFrame : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Expose || !watched->isWindowType())
            return false;
        auto* window = static_cast<QWindow*>(watched);
        if (window->parent() || static_cast<QExposeEvent*>(event)->region().isEmpty())
            return false;
        // The window draws its frame while it handles the event.
        watched->event(event);
        std::printf("%lld\n", monotonicMicroseconds());
        std::fflush(stdout);
        _exit(0);
    }
};

void watchFirstFrame() {
    QCoreApplication::instance()->installEventFilter(new FirstFrame);
}

// Runs when the dynamic loader maps the library, before main.
__attribute__((constructor)) void registerWatch() {
    qAddPreRoutine(watchFirstFrame);
}

} // namespace
