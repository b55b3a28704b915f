// The one write path: every byte in order across the buffer's edge, and a
// failed write thrown with its errno.

#include "pattern/buffered_output.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include "support/run_binary.hpp"

namespace pattern {
namespace {

TEST(BufferedOutputTest, EveryByteInOrderWhateverThePieces) {
    TempDir dir;
    const std::string path = dir.file("out");
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    std::string expected;
    {
        BufferedOutput out(fd);
        // Pieces that fill the 64 KiB buffer exactly, overrun it, and one
        // larger than the buffer itself.
        for (const std::size_t size : {65536u, 1u, 65535u, 30000u, 40000u, 200000u, 7u}) {
            const std::string piece(size, static_cast<char>('a' + expected.size() % 26));
            out.put(piece);
            expected += piece;
        }
        out.flush();
    }
    ::close(fd);
    EXPECT_EQ(readFile(path), expected);
}

// The errno of the OutputFailure that `write` throws, or 0.
template <typename Write>
int failure(Write write) {
    try {
        write();
    } catch (const OutputFailure& failure) {
        return failure.error;
    }
    return 0;
}

TEST(BufferedOutputTest, AFullDeviceFailsWhenTheBufferGoesOut) {
    const int fd = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(fd, 0);
    BufferedOutput out(fd);
    out.put("pattern\n");  // held in the buffer
    EXPECT_EQ(failure([&] { out.flush(); }), ENOSPC);
    // A piece that fills the buffer fails at once, long before the end.
    EXPECT_EQ(failure([&] { out.put(std::string(100000, 'x')); }), ENOSPC);
    ::close(fd);
}

TEST(BufferedOutputTest, APipeWithoutAReaderIsEpipe) {
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    BufferedOutput out(ends[1]);
    out.put("theta_deg\n");
    EXPECT_EQ(failure([&] { out.flush(); }), EPIPE);
    ::close(ends[1]);
    std::signal(SIGPIPE, previous);
}

}  // namespace
}  // namespace pattern
