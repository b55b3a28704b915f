#pragma once
// Runs a velmor binary the way a user's script does: input from a file,
// console output and diagnostics captured, in a working directory of the
// test's own.

#include <string>
#include <vector>

// A fresh directory, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

struct Invocation {
    std::string binary = VELMOR_BINARY;
    std::vector<std::string> arguments;  // after the program name
    std::string input;      // standard input, from a file
    std::string directory;  // working directory
    enum class Output {
        captured,    // a file the test reads afterwards
        devFull,     // every write fails with ENOSPC
        devNull,
        closed,      // descriptor 1 closed
        brokenPipe,  // a pipe whose reader has already gone
    } output = Output::captured;
    // Run as an unprivileged user when the test runs as root, for whom
    // permission bits do not hold.
    bool unprivileged = false;
    // The largest file the program may write, in bytes (RLIMIT_FSIZE, as
    // `ulimit -f` sets it); 0 leaves the limit as it is.
    unsigned long fileSizeLimit = 0;
};

struct Outcome {
    std::string console;         // standard output, when captured
    std::string diagnostics;     // standard error
    int exitCode = -1;           // low byte of the exit status, or -1
    int signal = 0;              // the signal that killed it, or 0
    long peakKiB = 0;            // peak resident memory
    long long inputOffset = -1;  // standard input's offset after the run, when it is a file
};

// Runs to the end with the invocation's input on standard input.
Outcome invoke(const Invocation& invocation);

// A run in progress. Its standard input is a pipe the test types into or,
// when the invocation has input, a file holding it.
class RunningVelmor {
public:
    explicit RunningVelmor(const Invocation& invocation);
    ~RunningVelmor();
    RunningVelmor(const RunningVelmor&) = delete;
    RunningVelmor& operator=(const RunningVelmor&) = delete;

    void type(const std::string& text);
    void endInput();
    void sendSignal(int signal);
    // Waits until the captured console output ends with `text`; false if it
    // has not after a few seconds.
    bool waitForConsoleEnding(const std::string& text);
    Outcome finish();

private:
    TempDir scratch_;
    int pid_ = -1;
    int input_ = -1;      // the pipe's write end
    int inputFile_ = -1;  // or the input file
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);
// Waits until the file holds at least `bytes` bytes, as a running program
// writes it; false if it does not within ten seconds.
bool waitForFileSize(const std::string& path, long long bytes);
std::vector<std::string> directoryEntries(const std::string& path);

// The build under test, "vector" or "x87".
inline const std::string kBuildName = VELMOR_BUILD_NAME;
