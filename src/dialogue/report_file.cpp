#include "dialogue/report_file.hpp"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "dialogue/interrupts.hpp"

namespace {

[[noreturn]] void fail(int error, const char* what) {
    throw RunFailure{RunFailure::Kind::system, error, Unit::report, what};
}

// The lowest descriptor above the standard streams that the report may use:
// if a standard stream was closed, open() would hand its number to the
// report, and console output would land in the file.
constexpr int kFirstPrivateFd = 3;

}  // namespace

void ReportFile::open(std::string_view name) {
    name_ = name;
    if (name_.find('\0') != std::string::npos) fail(EINVAL, "cannot open the report file");
    int fd = ::open(name_.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) fail(errno, "cannot open the report file");
    if (fd < kFirstPrivateFd) {
        const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, kFirstPrivateFd);
        const int error = errno;
        ::close(fd);  // the standard stream stays closed
        if (moved < 0) fail(error, "cannot open the report file");
        fd = moved;
    }
    struct stat status;
    truncatable_ = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    stream_.setFd(fd);
}

void ReportFile::write(const RenderedLayout& layout) {
    if (!started_) {
        if (truncatable_ && ::ftruncate(stream_.fd(), 0) != 0) fail(errno, "cannot write");
        started_ = true;
    }
    stopIfInterrupted();
    stream_.append(layout.lines());
}

void ReportFile::cutAfterLastRecord() {
    if (!started_ || !truncatable_) return;
    const off_t end = off_t(stream_.completeLinesWritten());
    if (::ftruncate(stream_.fd(), end) != 0) fail(errno, "cannot write");
}

void ReportFile::complete() {
    if (!isOpen()) return;
    stream_.flush();
    cutAfterLastRecord();
    const int fd = stream_.fd();
    stream_.setFd(-1);
    if (::close(fd) != 0) fail(errno, "cannot write");
}

void ReportFile::completeAfterFailure() noexcept {
    if (!isOpen()) return;
    try {
        stream_.flush();
    } catch (const RunFailure&) {
        stream_.discard();
    }
    try {
        cutAfterLastRecord();
    } catch (const RunFailure&) {
    }
    ::close(stream_.fd());
    stream_.setFd(-1);
}
