#include "mainwindow/systemportnotices.h"

#include "rs232/devicechange.h"
#include "rs232/portnotification_win32.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QWidget>

namespace {

// WM_DEVICECHANGE for the COM port interface reaches the window that registered for it; the
// filter sees the window's messages before Qt does and lets them all pass on. The registration
// holds the native window of the first showing, which the main window keeps for its life.
class DeviceChangeNotices : public QObject, public QAbstractNativeEventFilter {
public:
    DeviceChangeNotices(QWidget& window, const std::function<void()>& notice)
        : window(reinterpret_cast<HWND>(window.winId())), notice(notice),
          registration(RS232::registerPortNotification(this->window)) {
        if (registration != nullptr)
            QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~DeviceChangeNotices() override {
        if (registration != nullptr)
            QCoreApplication::instance()->removeNativeEventFilter(this);
        RS232::unregisterPortNotification(registration);
    }
    bool works() const { return registration != nullptr; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, long*) override {
        const auto* msg = static_cast<const MSG*>(message);
        if (RS232::isPortNotice(std::string_view(eventType.constData(), eventType.size()),
                                msg->hwnd, window, msg->message, msg->wParam,
                                reinterpret_cast<const void*>(msg->lParam)))
            notice();
        return false;
    }

private:
    HWND window;
    std::function<void()> notice;
    void* registration;
};

} // namespace

std::unique_ptr<QObject> systemPortNotices(QWidget& window, const std::string&,
                                           const std::function<void()>& notice) {
    auto notices = std::make_unique<DeviceChangeNotices>(window, notice);
    if (!notices->works())
        return nullptr;
    return notices;
}
