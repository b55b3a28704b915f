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
    std::string input;      // the bytes on standard input
    std::string directory;  // working directory
    enum class Output { captured, devFull, devNull, closed } output = Output::captured;
};

struct Outcome {
    std::string console;      // standard output, when captured
    std::string diagnostics;  // standard error
    int exitCode = -1;        // low byte of the exit status, or -1
    int signal = 0;           // the signal that killed it, or 0
};

Outcome invoke(const Invocation& invocation);

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);
std::vector<std::string> directoryEntries(const std::string& path);

// The build under test, "vector" or "x87".
inline const std::string kBuildName = VELMOR_BUILD_NAME;
