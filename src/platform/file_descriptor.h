#pragma once
// An open POSIX file descriptor (a file, a folder or a socket), closed when it goes.

#include <unistd.h>

class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd) : FFd(fd) {}
    ~TFileDescriptor() {
        if (FFd >= 0) ::close(FFd);
    }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;

    int Get() const { return FFd; }
    // Closes now; false when closing reports an error (a write that did not reach the file).
    bool Close() {
        const int fd = FFd;
        FFd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int FFd;
};
