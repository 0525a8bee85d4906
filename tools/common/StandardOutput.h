#pragma once
// The tools' last step: what they printed must have reached its destination (a full disk, a
// closed pipe or a file size limit otherwise go unnoticed behind stdio's buffer).

#include <ostream>

namespace tools {

// Standard output for a tool's C++ streams: std::cout's destination, with the cause of a failed
// write kept for StandardOutputWritten's message.
std::ostream& StandardOutput();

// Flushes standard output (StandardOutput(), std::cout and stdio); false, after one line on
// standard error naming program and the cause, when any of it could not be written.
bool StandardOutputWritten(const char* program);

// Makes writes past the file size limit fail with EFBIG instead of ending the process, so that
// the failure is reported like any other.
void ReportFileSizeLimit();

}  // namespace tools
