#include "dialogue/console_input.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/select.h>
#include <unistd.h>

#include "dialogue/failure.hpp"
#include "dialogue/interrupts.hpp"

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;

// Blocks until fd is readable. The interrupt signals are blocked except
// inside pselect, so a signal that arrives before the wait still ends it:
// there is no window in which it is noted and then slept through.
void waitReadable(int fd) {
    sigset_t previous;
    sigprocmask(SIG_BLOCK, &interruptSignals(), &previous);
    fd_set readable;
    int ready;
    do {
        if (pendingInterrupt() != 0) break;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        ready = pselect(fd + 1, &readable, nullptr, nullptr, nullptr, &previous);
    } while (ready < 0 && errno == EINTR && pendingInterrupt() == 0);
    sigprocmask(SIG_SETMASK, &previous, nullptr);
    stopIfInterrupted();
    // Any other outcome (readable, a closed fd) is for read() to report.
}

}  // namespace

bool ConsoleInput::fill() {
    if (ended_) return false;
    if (begin_ > 0) {  // keep the partial line at the front
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    // Doubling keeps a very long line linear to read, at most twice its size.
    if (buffer_.size() - end_ < kReadChunk) buffer_.resize(std::max(2 * buffer_.size(), end_ + kReadChunk));
    for (;;) {
        if (fd_ >= 0 && fd_ < FD_SETSIZE) waitReadable(fd_);
        const ssize_t n = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (n > 0) {
            end_ += std::size_t(n);
            return true;
        }
        if (n == 0) {
            ended_ = true;
            return false;
        }
        if (errno == EINTR) {
            stopIfInterrupted();
            continue;
        }
        throw RunFailure{RunFailure::Kind::system, errno, Unit::consoleInput, "cannot read"};
    }
}

bool ConsoleInput::nextLine(std::string_view& line) {
    std::size_t scanned = begin_;
    for (;;) {
        const char* start = buffer_.data() + begin_;
        const void* lf = scanned < end_ ? std::memchr(buffer_.data() + scanned, '\n', end_ - scanned) : nullptr;
        if (lf != nullptr) {
            std::size_t length = std::size_t(static_cast<const char*>(lf) - start);
            begin_ += length + 1;
            if (length > 0 && start[length - 1] == '\r') --length;
            line = {start, length};
            return true;
        }
        scanned = end_;
        const std::size_t pending = end_ - begin_;
        if (!fill()) {
            if (pending == 0) return false;
            line = {buffer_.data() + begin_, pending};
            begin_ = end_;
            return true;
        }
        scanned = pending;  // fill() moved the partial line to the front
    }
}

void ConsoleInput::giveBackUnread() noexcept {
    const std::size_t unread = end_ - begin_;
    if (unread == 0) return;
    if (::lseek(fd_, -off_t(unread), SEEK_CUR) >= 0) end_ = begin_;
}
