#pragma once

#include <unistd.h>

#include <utility>

namespace hobwatch {

// Owns an open POSIX file descriptor and closes it when it goes out of scope; -1 owns nothing.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        FileDescriptor(std::move(other)).Swap(*this);
        return *this;
    }
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

    // Closes now, so that the caller learns of a failed close, which can be a failed write.
    bool Close() {
        const int fd = std::exchange(fd_, -1);
        return ::close(fd) == 0;
    }

private:
    void Swap(FileDescriptor& other) noexcept { std::swap(fd_, other.fd_); }

    int fd_;
};

}  // namespace hobwatch
