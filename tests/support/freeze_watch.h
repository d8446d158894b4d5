#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

// Ends the test as failed, saying `what` held it, when the thread that made the watch is still
// inside its scope after `ms`: a game whose window thread waits for the sound device for ever, or
// for a signal that never comes, would otherwise hang the suite.
class FreezeWatch {
public:
    FreezeWatch(int ms, const char* what)
        : m_thread([this, ms, what] {
            std::unique_lock<std::mutex> lock(m_lock);
            if (!m_done.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_left; })) {
                std::fprintf(stderr, "FAIL!  : %s for good\n", what);
                std::_Exit(1);
            }
        })
    {
    }
    ~FreezeWatch()
    {
        {
            const std::lock_guard<std::mutex> lock(m_lock);
            m_left = true;
        }
        m_done.notify_all();
        m_thread.join();
    }
    FreezeWatch(const FreezeWatch&) = delete;
    FreezeWatch& operator=(const FreezeWatch&) = delete;

private:
    std::mutex m_lock;
    std::condition_variable m_done;
    bool m_left = false;
    std::thread m_thread;
};
