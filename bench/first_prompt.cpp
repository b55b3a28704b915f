// velmor-first-prompt BINARY [RUNS]: the time from starting BINARY to the
// arrival of its first prompt on a pipe, RUNS times (default 200). Prints
// the minimum, median and maximum in milliseconds.
//
// Standard input is a pipe that stays empty until the prompt has arrived;
// then it is closed, and the program ends at the end of its input.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

constexpr std::string_view kFirstPrompt = " Enter output file ";
constexpr int kDefaultRuns = 200;

// Milliseconds to the first prompt, or a negative value if it never came.
double timeToFirstPrompt(const char* binary) {
    int input[2], output[2];
    if (::pipe(input) != 0 || ::pipe(output) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    // The diagnostic for the end of input is expected; it is not shown.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    for (int fd : {input[0], input[1], output[0], output[1]}) posix_spawn_file_actions_addclose(&actions, fd);

    char* const argv[] = {const_cast<char*>(binary), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t child;
    const int spawned = posix_spawn(&child, binary, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(input[0]);
    ::close(output[1]);
    double elapsed = -1;
    if (spawned == 0) {
        std::string seen;
        char chunk[4096];
        ssize_t n;
        while ((n = ::read(output[0], chunk, sizeof chunk)) > 0) {
            seen.append(chunk, std::size_t(n));
            if (seen.find(kFirstPrompt) != std::string::npos) {
                elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
                break;
            }
        }
    }
    ::close(input[1]);
    ::close(output[0]);
    if (spawned == 0) ::waitpid(child, nullptr, 0);
    return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s BINARY [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : kDefaultRuns;
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double t = timeToFirstPrompt(argv[1]);
        if (t < 0) {
            std::fprintf(stderr, "%s: no first prompt\n", argv[1]);
            return 1;
        }
        times.push_back(t);
    }
    std::sort(times.begin(), times.end());
    std::printf("first prompt (ms, %d runs): min %.3f  median %.3f  max %.3f\n", runs, times.front(),
                times[times.size() / 2], times.back());
    return 0;
}
