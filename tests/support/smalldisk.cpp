#include "smalldisk.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <linux/capability.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <unistd.h>

// Each step runs only when the one before succeeded; the first that fails says why.
SmallDisk::SmallDisk(const QString& folder, int kibibytes) : folder(folder) {
    const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k";
    const char* failed = ::unshare(CLONE_NEWNS) != 0 ? "no mount namespace of its own"
                         : ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
                             ? "cannot make the mounts private"
                         : ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0,
                                   options.constData()) != 0
                             ? "cannot mount a tmpfs"
                             : nullptr;
    if (failed != nullptr)
        failure = QString("%1: %2").arg(failed, QString::fromLocal8Bit(std::strerror(errno)));
}

SmallDisk::~SmallDisk() {
    if (failure.isEmpty())
        ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
}

void SmallDisk::fill() {
    QFile filler(folder + QStringLiteral("/filler"));
    filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    // Single bytes take what a whole block no longer fits into.
    while (filler.write("x", 1) == 1) {
    }
}

namespace {

constexpr unsigned int overrides = 1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH;

bool capabilities(__user_cap_data_struct (&data)[2], bool set) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(set ? SYS_capset : SYS_capget, &header, data) == 0;
}

} // namespace

PermissionsObeyed::PermissionsObeyed() {
    __user_cap_data_struct data[2] = {};
    if (capabilities(data, false)) {
        savedEffective = data[0].effective;
        data[0].effective &= ~overrides;
        lifted = capabilities(data, true);
    }
}

PermissionsObeyed::~PermissionsObeyed() {
    __user_cap_data_struct data[2] = {};
    if (lifted && capabilities(data, false)) {
        data[0].effective = savedEffective;
        capabilities(data, true);
    }
}
