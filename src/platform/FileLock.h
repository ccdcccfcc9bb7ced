#pragma once
#include <string>

namespace platform {

// Exclusive advisory lock (flock) on the folder that holds a file, held for the
// lifetime of the object. Locking the folder rather than the file survives the
// file being replaced by rename, and leaves no lock file behind.
class FileLock {
public:
    explicit FileLock(const std::string& filePath);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool Held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

} // namespace platform
