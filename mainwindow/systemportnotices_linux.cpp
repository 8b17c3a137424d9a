#include "mainwindow/systemportnotices.h"

#include "rs232/devicenodes_linux.h"

#include <QSocketNotifier>

namespace {

// The watch's descriptor in the event loop: it wakes the loop only when the folder changes.
class DeviceNodeNotices : public QObject {
public:
    DeviceNodeNotices(const std::string& folder, const std::function<void()>& notice)
        : watch(folder) {
        if (watch.descriptor() < 0)
            return;
        readable = new QSocketNotifier(watch.descriptor(), QSocketNotifier::Read, this);
        connect(readable, &QSocketNotifier::activated, this, [this, notice] {
            if (watch.terminalNodesChanged())
                notice();
        });
    }
    bool works() const { return readable != nullptr; }

private:
    RS232::DeviceNodeWatch watch;
    QSocketNotifier* readable = nullptr;
};

} // namespace

std::unique_ptr<QObject> systemPortNotices(QWidget&, const std::string& deviceFolder,
                                           const std::function<void()>& notice) {
    auto notices = std::make_unique<DeviceNodeNotices>(deviceFolder, notice);
    if (!notices->works())
        return nullptr;
    return notices;
}
