// Real file-system failures for the tests: a tiny full file system, a folder the test process may
// not write to (the tests run as root, whom permissions do not stop), and FIFOs.
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

// While alive, a folder that takes no new file, as for a player: its write permission is taken away,
// and this thread does without the capabilities that would let the super-user pass anyway.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& folder)
        : m_folder(folder)
    {
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        WithoutPermissionOverrides::set(false);
    }
    ~ReadOnlyFolder()
    {
        WithoutPermissionOverrides::set(true);
        QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // True when no file can be made in the folder, tried without the code under test.
    bool holds() const
    {
        QFile probe(m_folder + "/probe");
        if (!probe.open(QIODevice::WriteOnly))
            return true;
        probe.remove();
        return false;
    }

private:
    QString m_folder;
};

inline bool makeFifo(const QString& path) { return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0; }
