#pragma once
// Console input (unit 5) as a source of lines. A line ends at a line feed;
// a carriage return just before it belongs to the line end, so input files
// written on other systems read the same. A last line without a line feed
// is still a line. Memory grows with the longest line and nothing else.

#include <string_view>
#include <vector>

#include "dialogue/answer_reader.hpp"

class ConsoleInput final : public LineSource {
public:
    explicit ConsoleInput(int fd) : fd_(fd) {}

    // Waits for input as needed. Throws RunFailure interrupted when a signal
    // arrives while waiting, and system (errno, unit 5) on a read error.
    bool nextLine(std::string_view& line) override;

    // Input is read in blocks, so the descriptor's offset runs ahead of the
    // lines used. Where it can seek (a file), this moves it back to just
    // after the last line consumed and forgets the bytes past it, so that a
    // script's next command reads on from there. A pipe or a terminal is left
    // as it is. Never fails: if the offset cannot move, it stays put.
    void giveBackUnread() noexcept;

private:
    bool fill();  // reads more bytes; false at the end of input

    int fd_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // first unread byte
    std::size_t end_ = 0;    // one past the last byte read
    bool ended_ = false;
};
