#include "pattern/buffered_output.hpp"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace pattern {

BufferedOutput::BufferedOutput(int fd) : fd_(fd), buffer_(new char[kCapacity]) {}

void BufferedOutput::put(std::string_view text) {
    if (text.size() > kCapacity - used_) {
        flush();
        if (text.size() >= kCapacity) return writeOut(text);
    }
    std::memcpy(buffer_.get() + used_, text.data(), text.size());
    used_ += text.size();
}

void BufferedOutput::flush() {
    const std::size_t used = used_;
    used_ = 0;  // after a failure nothing more is owed
    writeOut({buffer_.get(), used});
}

void BufferedOutput::writeOut(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
        } else if (n == 0) {
            throw OutputFailure{EIO};  // a write that moves nothing would never end
        } else if (errno != EINTR) {
            throw OutputFailure{errno};
        }
    }
}

}  // namespace pattern
