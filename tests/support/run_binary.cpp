#include "support/run_binary.hpp"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <ftw.h>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
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

Outcome invoke(const Invocation& request) {
    TempDir scratch;
    const std::string inputPath = scratch.file("stdin"), outputPath = scratch.file("stdout"),
                      errorPath = scratch.file("stderr");
    writeFile(inputPath, request.input);

    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        auto redirect = [](const std::string& path, int flags, int target) {
            const int fd = ::open(path.c_str(), flags, 0600);
            if (fd < 0 || ::dup2(fd, target) < 0) ::_exit(120);
            ::close(fd);
        };
        redirect(inputPath, O_RDONLY, 0);
        switch (request.output) {
        case Invocation::Output::captured: redirect(outputPath, O_WRONLY | O_CREAT | O_TRUNC, 1); break;
        case Invocation::Output::devFull: redirect("/dev/full", O_WRONLY, 1); break;
        case Invocation::Output::devNull: redirect("/dev/null", O_WRONLY, 1); break;
        case Invocation::Output::closed: ::close(1); break;
        }
        redirect(errorPath, O_WRONLY | O_CREAT | O_TRUNC, 2);
        if (!request.directory.empty() && ::chdir(request.directory.c_str()) != 0) ::_exit(121);
        ::execl(request.binary.c_str(), request.binary.c_str(), static_cast<char*>(nullptr));
        ::_exit(122);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    Outcome outcome;
    if (WIFEXITED(status)) outcome.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) outcome.signal = WTERMSIG(status);
    outcome.console = readFile(outputPath);
    outcome.diagnostics = readFile(errorPath);
    return outcome;
}
