// Real file-system failures for the tests: a tiny full file system, a folder the test process may
// not write to (the tests run as root, whom permissions do not stop), and FIFOs.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

// The current file-size limit (ulimit -f) of this process, lowered to `bytes` while alive; the
// signal a write beyond it sends is ignored meanwhile, as the program ignores it, so that the write
// fails with EFBIG ("File too large"). Lowering and raising the soft limit again needs no privilege.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_before);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lowered{bytes, m_before.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_before{};
    void (*m_signal)(int) = SIG_DFL;
};

// Watches a FIFO while alive, for a reader waiting on it: nobody may open it, so a reader there is
// the game waiting for ever. The watch then opens and closes the other end, which ends the wait
// (the reader reads nothing), so a test that meets the fault fails rather than hangs.
class FifoWatch {
public:
    explicit FifoWatch(const QString& fifo)
        : m_path(QFile::encodeName(fifo))
        , m_thread([this] {
            while (!m_stop) {
                // Opening the writing end without waiting succeeds only while a reader has it open.
                const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    m_readers = true;
                    ::close(fd);
                }
                ::usleep(50 * 1000);
            }
        })
    {
    }
    ~FifoWatch()
    {
        m_stop = true;
        m_thread.join();
    }
    // True once a reader was found waiting.
    bool readerWaited() const { return m_readers; }

private:
    QByteArray m_path;
    std::atomic<bool> m_stop{false}, m_readers{false};
    std::thread m_thread;
};

inline bool isFifo(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

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
