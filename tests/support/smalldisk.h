#pragma once

#include <QString>

// A small file system mounted over a folder, seen only by the calling thread of this test process:
// it first moves into a mount namespace of its own with every mount private, so that nothing
// propagates back and suites running in parallel never see it. Needs root; where the mount fails,
// error() says why and nothing is mounted. Unmounted when destroyed.
class SmallDisk {
public:
    SmallDisk(const QString& folder, int kibibytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    QString error() const { return failure; }
    // Takes all the free space, with a file "filler".
    void fill();

private:
    QString folder;
    QString failure;
};

// While it exists, the calling thread obeys file permissions even as root: the capabilities that
// override them are lifted from its effective set and restored afterwards.
class PermissionsObeyed {
public:
    PermissionsObeyed();
    ~PermissionsObeyed();
    PermissionsObeyed(const PermissionsObeyed&) = delete;
    PermissionsObeyed& operator=(const PermissionsObeyed&) = delete;

private:
    unsigned int savedEffective = 0;
    bool lifted = false;
};
