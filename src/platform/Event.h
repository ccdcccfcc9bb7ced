#pragma once
// A manual-reset event: once set it stays set, releasing every waiter, until reset.
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace platform {

class ManualResetEvent {
public:
    void Set() {
        std::lock_guard<std::mutex> l(m_mutex);
        m_set = true;
        m_cv.notify_all();
    }
    void Reset() {
        std::lock_guard<std::mutex> l(m_mutex);
        m_set = false;
    }
    bool IsSet() const {
        std::lock_guard<std::mutex> l(m_mutex);
        return m_set;
    }
    void Wait() {
        std::unique_lock<std::mutex> l(m_mutex);
        m_cv.wait(l, [this] { return m_set; });
    }
    bool WaitFor(std::chrono::milliseconds timeout) {
        std::unique_lock<std::mutex> l(m_mutex);
        return m_cv.wait_for(l, timeout, [this] { return m_set; });
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_set = false;
};

} // namespace platform
