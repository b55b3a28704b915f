// The console on a terminal, through a pseudo-terminal: the x87 build's
// first-character control, and where prompt lines end when the terminal's
// echo ends them. Echo and output processing are switched off on the
// pseudo-terminal, so the bytes read are exactly the bytes written.

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include "horn/arithmetic.hpp"
#include "support/run_binary.hpp"

namespace {

struct TerminalRun {
    std::string console;
    std::string diagnostics;
    int exitCode = -1;
};

// Runs the binary with standard output on a pseudo-terminal. Standard input
// is the same terminal (typed lines; an empty string is ^D, end of input)
// or, with `inputFromTerminal` false, a file holding the same lines.
TerminalRun runOnTerminal(const std::vector<std::string>& lines, bool inputFromTerminal) {
    TempDir work;
    std::string typed;
    for (const std::string& line : lines) typed += line.empty() ? std::string(1, '\x04') : line + "\n";
    writeFile(work.file("stdin"), typed);

    int master = -1;
    const pid_t child = ::forkpty(&master, nullptr, nullptr, nullptr);
    if (child < 0) throw std::runtime_error("forkpty failed");
    if (child == 0) {
        termios mode;
        ::tcgetattr(0, &mode);
        mode.c_lflag &= ~tcflag_t(ECHO);
        mode.c_oflag &= ~tcflag_t(OPOST);
        ::tcsetattr(0, TCSANOW, &mode);
        if (!inputFromTerminal) {
            const int fd = ::open(work.file("stdin").c_str(), O_RDONLY);
            ::dup2(fd, 0);
        }
        const int errors = ::open(work.file("stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(errors, 2);
        if (::chdir(work.path().c_str()) != 0) ::_exit(121);
        ::execl(VELMOR_BINARY, VELMOR_BINARY, static_cast<char*>(nullptr));
        ::_exit(122);
    }
    if (inputFromTerminal) {
        // Canonical mode holds the lines until the program reads them.
        ::usleep(100 * 1000);  // let the child set the terminal mode first
        for (std::size_t done = 0; done < typed.size();) {
            const ssize_t n = ::write(master, typed.data() + done, typed.size() - done);
            if (n <= 0) break;
            done += std::size_t(n);
        }
    }
    TerminalRun result;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n > 0) {
            result.console.append(buffer, std::size_t(n));
        } else if (!(n < 0 && errno == EINTR)) {
            break;  // EIO: the program has closed the terminal
        }
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(master);
    if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    result.diagnostics = readFile(work.file("stderr"));
    return result;
}

constexpr bool kX87 = kBuild == Build::x87;

TEST(Terminal, PromptLinesEndByEchoOrByTheProgram) {
    // At a terminal the echo of Enter ends the prompt's line; with input from
    // a file the program writes the line end itself.
    struct Case {
        bool inputFromTerminal;
        const char* afterAnswer;
    };
    for (const Case& c : {Case{true, ""}, Case{false, "\r\n"}}) {
        const TerminalRun run = runOnTerminal({"r.txt", "0"}, c.inputFromTerminal);
        const std::string lead = kX87 ? "" : " ";  // x87: the first character steers the line
        const std::string expected = lead + "Conical Waveguide Horns in TE-11 Mode Design\r\n" + lead +
                                     "Enter output file " + c.afterAnswer + lead + "Enter units: 1 cm, 2 inches " +
                                     c.afterAnswer + (kX87 ? "Stop - Program terminated.\r\n" : "");
        EXPECT_EQ(run.console, expected) << "input from the terminal: " << c.inputFromTerminal;
        EXPECT_EQ(run.exitCode, 0);
    }
}

TEST(Terminal, TablesKeepTheirEmptyLines) {
    const TerminalRun run = runOnTerminal(
        {"r.txt", "2", "10 20", "0.3 0.3 1", "2 8", "10 10 1", "0 0 0", "0 0", "0 0 0", "0 0"}, true);
    const std::string firstCharacterControl =
        "Conical Waveguide Horns in TE-11 Mode Design\r\n"
        "Enter output file "
        "Enter units: 1 cm, 2 inches "
        "Enter Frequency(GHz), Gain(dB) (0 terminates) "
        "Enter Max Aperture Phase Deviation (0 TO 0.7) Start, Stop, Step "
        // The empty record takes the fresh line the echo left; each later
        // record starts with the line advance.
        ""
        "\r\n        S      Aperture Radius   Slant Length"
        "\r\n"
        "\r\n      0.3000         2.360            7.866"
        "\r\n"
        "\r\nGain of a Conical Waveguide Horn in TE-11 Mode"
        "\r\n"
        "\r\nEnter Aperture Radius, Slant Length (0 terminates) "
        "Enter Frequency (GHz) Start,Stop,Step (0 terminates) "
        ""
        "\r\n     Conical Waveguide Horn in TE-11 Mode"
        "\r\n"
        "\r\n     Aperture Radius =   2.000      Slant Radius =   8.000"
        "\r\n"
        "\r\n                         3 dB Beamwidth     10 dB Beamwidth"
        "\r\n  Frequency     Gain   E Plane   H Plane   E Plane   H Plane"
        "\r\n"
        "\r\n    10.0000    19.18      17.7      21.9      31.6      38.9"
        "\r\nEnter Frequency (GHz) Start,Stop,Step (0 terminates) "
        ""
        "\r\nGain of a Conical Waveguide Horn in TE-11 Mode"
        "\r\n"
        "\r\nEnter Aperture Radius, Slant Length (0 terminates) "
        "Enter Max Aperture Phase Deviation (0 TO 0.7) Start, Stop, Step "
        "Enter Frequency(GHz), Gain(dB) (0 terminates) "
        "Stop - Program terminated.\r\n";
    // Plain lines at a terminal: every record ends its line, prompts do not,
    // and the echo ends each answer's line.
    const std::string plainLines =
        " Conical Waveguide Horns in TE-11 Mode Design\r\n"
        " Enter output file "
        " Enter units: 1 cm, 2 inches "
        " Enter Frequency(GHz), Gain(dB) (0 terminates) "
        " Enter Max Aperture Phase Deviation (0 TO 0.7) Start, Stop, Step "
        "\r\n"
        "         S      Aperture Radius   Slant Length\r\n"
        "\r\n"
        "       0.3000         2.360            7.866\r\n"
        "\r\n"
        " Gain of a Conical Waveguide Horn in TE-11 Mode\r\n"
        "\r\n"
        " Enter Aperture Radius, Slant Length (0 terminates) "
        " Enter Frequency (GHz) Start,Stop,Step (0 terminates) "
        "\r\n"
        "      Conical Waveguide Horn in TE-11 Mode\r\n"
        "\r\n"
        "      Aperture Radius =   2.000      Slant Radius =   8.000\r\n"
        "\r\n"
        "                          3 dB Beamwidth     10 dB Beamwidth\r\n"
        "   Frequency     Gain   E Plane   H Plane   E Plane   H Plane\r\n"
        "\r\n"
        "     10.0000    19.18      17.7      21.9      31.6      38.9\r\n"
        " Enter Frequency (GHz) Start,Stop,Step (0 terminates) "
        "\r\n"
        " Gain of a Conical Waveguide Horn in TE-11 Mode\r\n"
        "\r\n"
        " Enter Aperture Radius, Slant Length (0 terminates) "
        " Enter Max Aperture Phase Deviation (0 TO 0.7) Start, Stop, Step "
        " Enter Frequency(GHz), Gain(dB) (0 terminates) ";
    EXPECT_EQ(run.console, kX87 ? firstCharacterControl : plainLines);
    EXPECT_EQ(run.exitCode, 0);
}

TEST(Terminal, EndOfInputAtAPromptEndsItsLineBeforeTheDiagnostic) {
    const TerminalRun run = runOnTerminal({"r.txt", ""}, true);
    const std::string prompt = kX87 ? "Enter units: 1 cm, 2 inches " : " Enter units: 1 cm, 2 inches ";
    ASSERT_GE(run.console.size(), prompt.size() + 2);
    EXPECT_EQ(run.console.substr(run.console.size() - prompt.size() - 2), prompt + "\r\n");
    EXPECT_EQ(run.diagnostics, "velmor: error 24 on unit 5 (standard input): end of input\n");
    EXPECT_EQ(run.exitCode, 24);
}

TEST(Terminal, BlankNamePromptIsShownInFull) {
    const TerminalRun run = runOnTerminal({"   ", "r.txt", "0"}, true);
    const std::string lead = kX87 ? "" : " ";
    const std::string expected = lead + "Conical Waveguide Horns in TE-11 Mode Design\r\n" + lead +
                                 "Enter output file "
                                 "File name missing or blank - please enter file name\r\n"
                                 "UNIT 66?" +
                                 lead + "Enter units: 1 cm, 2 inches " +
                                 (kX87 ? "Stop - Program terminated.\r\n" : "");
    EXPECT_EQ(run.console, expected);
}

}  // namespace
