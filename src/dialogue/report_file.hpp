#pragma once
// The report file (unit 66).
//
// Opened without emptying it, so a run that writes no record leaves an
// existing file as it was. The first record truncates it, and completing it
// cuts it after the last complete record that reached the disk: an older,
// longer file never keeps a stale tail, and a failed write never leaves a
// partial record. Only regular files are truncated; a device or a pipe just
// gets the records.

#include <string>
#include <string_view>

#include "dialogue/layouts.hpp"
#include "dialogue/output_stream.hpp"

class ReportFile {
public:
    ReportFile() : stream_(-1, Unit::report) {}

    // Throws RunFailure (system, errno, unit 66) when the file cannot be
    // opened or created.
    void open(std::string_view name);

    void write(const RenderedLayout& layout);

    bool isOpen() const { return stream_.fd() >= 0; }
    const std::string& name() const { return name_; }
    OutputStream& stream() { return stream_; }

    // Writes out every record, cuts the file after the last one and closes
    // it. Throws on an error; completeAfterFailure reports nothing and keeps
    // whatever complete records made it out.
    void complete();
    void completeAfterFailure() noexcept;

private:
    void cutAfterLastRecord();

    OutputStream stream_;
    std::string name_;
    bool truncatable_ = false;
    bool started_ = false;  // a record has been written
};
