#include "support/run_binary.hpp"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <ftw.h>
#include <grp.h>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

TempDir::TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/velmor-test-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    ::nftw(
        path_.c_str(),
        [](const char* path, const struct stat*, int, struct FTW*) {
            ::chmod(path, 0700);  // a test may have taken the write bit away
            return ::remove(path);
        },
        16, FTW_DEPTH | FTW_PHYS);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool fileExists(const std::string& path) {
    struct stat status;
    return ::lstat(path.c_str(), &status) == 0;
}

bool waitForFileSize(const std::string& path, long long bytes) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        struct stat status;
        if (::stat(path.c_str(), &status) == 0 && status.st_size >= bytes) return true;
        ::usleep(10 * 1000);
    }
    return false;
}

std::vector<std::string> directoryEntries(const std::string& path) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(path.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") names.push_back(name);
        }
        ::closedir(dir);
    }
    return names;
}

namespace {

// In the child: standard input from `inputFd`, output as requested, errors
// to a file; then the binary, or exit 120-124 if that cannot be arranged.
[[noreturn]] void startChild(const Invocation& request, int inputFd, int pipeWriteEnd, const TempDir& scratch) {
    auto redirect = [](const std::string& path, int flags, int target) {
        const int fd = ::open(path.c_str(), flags, 0600);
        if (fd < 0 || ::dup2(fd, target) < 0) ::_exit(120);
        ::close(fd);
    };
    if (::dup2(inputFd, 0) < 0) ::_exit(120);
    switch (request.output) {
    case Invocation::Output::captured: redirect(scratch.file("stdout"), O_WRONLY | O_CREAT | O_TRUNC, 1); break;
    case Invocation::Output::devFull: redirect("/dev/full", O_WRONLY, 1); break;
    case Invocation::Output::devNull: redirect("/dev/null", O_WRONLY, 1); break;
    case Invocation::Output::closed: ::close(1); break;
    case Invocation::Output::brokenPipe: ::dup2(pipeWriteEnd, 1); break;
    }
    redirect(scratch.file("stderr"), O_WRONLY | O_CREAT | O_TRUNC, 2);
    for (int fd = 3; fd < 64; ++fd) ::close(fd);
    // The test runner may ignore these; the program must not inherit that.
    ::signal(SIGPIPE, SIG_DFL);
    ::signal(SIGXFSZ, SIG_DFL);
    if (request.fileSizeLimit > 0) {
        struct rlimit limit;
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = request.fileSizeLimit;
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(124);
    }
    // Every path is followed while still privileged: the unprivileged user
    // may not enter the directories above the checkout or the work
    // directory. The binary is then started from its open descriptor.
    const int binary = ::open(request.binary.c_str(), O_RDONLY | O_CLOEXEC);
    if (binary < 0) ::_exit(122);
    if (!request.directory.empty() && ::chdir(request.directory.c_str()) != 0) ::_exit(121);
    constexpr uid_t kNobody = 65534;
    if (request.unprivileged && ::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
        ::_exit(123);
    std::vector<char*> argv{const_cast<char*>(request.binary.c_str())};
    for (const std::string& argument : request.arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::fexecve(binary, argv.data(), environ);
    ::_exit(122);
}

pid_t spawn(const Invocation& request, int inputFd, const TempDir& scratch) {
    int outputPipe[2] = {-1, -1};
    if (request.output == Invocation::Output::brokenPipe) {
        if (::pipe(outputPipe) != 0) throw std::runtime_error("pipe failed");
        // The reader is gone before the child exists, so that its first write
        // fails however soon it comes.
        ::close(outputPipe[0]);
    }
    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) startChild(request, inputFd, outputPipe[1], scratch);
    if (outputPipe[1] >= 0) ::close(outputPipe[1]);
    return child;
}

// A file holding `bytes`, opened for reading: the child's standard input.
// The caller's descriptor shares its offset with the child's.
int inputFile(const TempDir& scratch, const std::string& bytes) {
    writeFile(scratch.file("stdin"), bytes);
    const int fd = ::open(scratch.file("stdin").c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw std::runtime_error("cannot open the input file");
    return fd;
}

Outcome collect(pid_t child, const TempDir& scratch, int inputFile) {
    int status = 0;
    struct rusage usage = {};
    while (::wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    Outcome outcome;
    if (WIFEXITED(status)) outcome.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) outcome.signal = WTERMSIG(status);
    outcome.peakKiB = usage.ru_maxrss;
    outcome.console = readFile(scratch.file("stdout"));
    outcome.diagnostics = readFile(scratch.file("stderr"));
    if (inputFile >= 0) outcome.inputOffset = ::lseek(inputFile, 0, SEEK_CUR);
    return outcome;
}

}  // namespace

Outcome invoke(const Invocation& request) {
    TempDir scratch;
    const int input = inputFile(scratch, request.input);
    const Outcome outcome = collect(spawn(request, input, scratch), scratch, input);
    ::close(input);
    return outcome;
}

RunningVelmor::RunningVelmor(const Invocation& request) {
    if (!request.input.empty()) {
        inputFile_ = inputFile(scratch_, request.input);
        pid_ = spawn(request, inputFile_, scratch_);
        return;
    }
    ::signal(SIGPIPE, SIG_IGN);  // typing to a program that has ended
    int inputPipe[2];
    if (::pipe(inputPipe) != 0) throw std::runtime_error("pipe failed");
    pid_ = spawn(request, inputPipe[0], scratch_);
    ::close(inputPipe[0]);
    input_ = inputPipe[1];
}

RunningVelmor::~RunningVelmor() {
    endInput();
    if (inputFile_ >= 0) ::close(inputFile_);
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

void RunningVelmor::type(const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(input_, text.data() + done, text.size() - done);
        if (n <= 0) return;  // the program has stopped reading
        done += std::size_t(n);
    }
}

void RunningVelmor::endInput() {
    if (input_ >= 0) ::close(input_);
    input_ = -1;
}

void RunningVelmor::sendSignal(int signal) { ::kill(pid_, signal); }

bool RunningVelmor::waitForConsoleEnding(const std::string& text) {
    for (int attempt = 0; attempt < 500; ++attempt) {
        const std::string console = readFile(scratch_.file("stdout"));
        if (console.size() >= text.size() && console.compare(console.size() - text.size(), text.size(), text) == 0)
            return true;
        ::usleep(10 * 1000);
    }
    return false;
}

Outcome RunningVelmor::finish() {
    endInput();
    const Outcome outcome = collect(pid_, scratch_, inputFile_);
    pid_ = -1;
    return outcome;
}
