// Real file-system failures for the tests: a tiny full file system, a folder the test process may
// not write to (the tests run as root, whose permissions nothing stops), and FIFOs.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

// A 64 KiB tmpfs mounted on a new folder `path`, filled to the last byte once `fill()` ran.
// `mounted` is false where mounting is not allowed (not root): the caller skips.
struct FullDisk {
    QString path;
    bool mounted = false;

    explicit FullDisk(const QString& folder)
        : path(folder)
    {
        QDir().mkpath(path);
        mounted = ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~FullDisk()
    {
        if (mounted)
            ::umount2(QFile::encodeName(path).constData(), MNT_DETACH);
    }
    void fill() const
    {
        QFile filler(path + "/filler");
        if (filler.open(QIODevice::WriteOnly))
            while (filler.write(QByteArray(4096, 'x')) == 4096 && filler.flush()) {
            }
    }
};

// While alive, the calling thread does without the capabilities that override file permissions,
// so a folder without write permission refuses it as it refuses a player.
struct WithoutPermissionOverrides {
    WithoutPermissionOverrides() { set(false); }
    ~WithoutPermissionOverrides() { set(true); }

    static void set(bool on)
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2]{};
        if (::syscall(SYS_capget, &header, data) != 0)
            return;
        for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
            const unsigned bit = 1u << (cap % 32);
            auto& set = data[cap / 32];
            set.effective = on ? set.effective | (bit & set.permitted) : set.effective & ~bit;
        }
        ::syscall(SYS_capset, &header, data);
    }
};

inline bool makeFifo(const QString& path) { return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0; }
