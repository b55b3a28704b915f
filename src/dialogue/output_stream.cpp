#include "dialogue/output_stream.hpp"

#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "dialogue/interrupts.hpp"

OutputStream::OutputStream(int fd, Unit unit) : fd_(fd), unit_(unit), buffer_(new char[kCapacity]) {}

void OutputStream::flush() {
    std::size_t done = 0;
    while (done < used_) {
        const ssize_t n = ::write(fd_, buffer_.get() + done, used_ - done);
        if (n > 0) {
            const char* chunk = buffer_.get() + done;
            for (std::size_t i = std::size_t(n); i > 0; --i) {
                if (chunk[i - 1] == '\n') {
                    lineEndWritten_ = written_ + i;
                    break;
                }
            }
            done += std::size_t(n);
            written_ += std::uint64_t(n);
            continue;
        }
        const int error = n < 0 ? errno : EIO;
        if (error == EINTR) {
            stopIfInterrupted();
            continue;
        }
        // Keep what did not go out, so the caller can see where it stopped.
        std::memmove(buffer_.get(), buffer_.get() + done, used_ - done);
        used_ -= done;
        throw RunFailure{RunFailure::Kind::system, error, unit_, "cannot write"};
    }
    used_ = 0;
}
